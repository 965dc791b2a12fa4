#pragma once

// Ids of the library's own resources. Hosts may use them through the resource chain.

// Strings
#define IDS_FILE_PATH_TOO_LONG 13008
#define IDS_YES 13119
#define IDS_YES_TO_ALL 13121
#define IDS_NO 13123
#define IDS_NO_TO_ALL 13124
#define IDS_BUTTON_MOVE 14000
#define IDS_BUTTON_REMOVE 14001
#define IDS_BUTTON_SAVE_AS 14002
#define IDS_BUTTON_SAVE 14003
#define IDS_BUTTON_REPORT 14004
#define IDS_BUTTON_PRINT 14005
#define IDS_READING 20101
#define IDS_PROCESSING 20103
