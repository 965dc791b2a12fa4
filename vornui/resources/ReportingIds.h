#pragma once

// Ids of the library's progress and message windows. Hosts may use the templates through
// the resource chain.

// Dialog templates
#define IDD_MESSAGE 1717           // "Message": one line of text, no buttons
#define IDD_YES_NO_TO_ALL 13310    // four buttons: Yes, Yes to all, No, No to all
#define IDD_PROGRESS 19999         // bar with a percentage
#define IDD_PROGRESS_COUNTER 20100 // raw count, the bar hidden

// Dialog items
#define IDC_YES 13130
#define IDC_YES_TO_ALL 13131
#define IDC_NO 13132
#define IDC_NO_TO_ALL 13133
#define IDC_PROGRESS_BAR 20104
#define IDC_PROGRESS_VALUE 20106 // the percentage or the count
#define IDC_STATUS_TEXT 20108
