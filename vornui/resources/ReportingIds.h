#pragma once

// Ids of the library's progress and message windows. Hosts may use the templates through
// the resource chain.

// Dialog templates
#define IDD_MESSAGE 1717           // "Message": one line of text, no buttons
#define IDD_YES_NO_TO_ALL 13310    // four buttons: Yes, Yes to all, No, No to all
#define IDD_PROGRESS 19999         // bar with a percentage
#define IDD_PROGRESS_COUNTER 20100 // raw count, the bar hidden

// Dialog items
#define IDC_ANSWER_YES 13130        // "Yes"
#define IDC_ANSWER_YES_TO_ALL 13131 // "Yes to all"
#define IDC_ANSWER_NO 13132         // "No"
#define IDC_ANSWER_NO_TO_ALL 13133  // "No to all"
#define IDC_PROGRESS_BAR 20104      // the bar
#define IDC_PROGRESS_VALUE 20106    // the percentage or the count
#define IDC_STATUS_TEXT 20108       // the status line, or the message
