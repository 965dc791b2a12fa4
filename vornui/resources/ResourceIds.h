#pragma once

// Ids of the library's own resources. Hosts may use them through the resource chain.

// Strings
#define IDS_FILE_PATH_TOO_LONG                                                                     \
    13008                        // "The file path is too long. Please choose a shorter file path."
#define IDS_YES 13119            // "Yes"
#define IDS_YES_TO_ALL 13121     // "Yes to all"
#define IDS_NO 13123             // "No"
#define IDS_NO_TO_ALL 13124      // "No to all"
#define IDS_BUTTON_MOVE 14000    // "&Move"
#define IDS_BUTTON_REMOVE 14001  // "&Remove"
#define IDS_BUTTON_SAVE_AS 14002 // "Save &As"
#define IDS_BUTTON_SAVE 14003    // "&Save"
#define IDS_BUTTON_REPORT 14004  // "&Report"
#define IDS_BUTTON_PRINT 14005   // "&Print"
#define IDS_READING 20101        // "Reading"
#define IDS_PROCESSING 20103     // "Processing"
