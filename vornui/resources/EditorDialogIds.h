#pragma once

// Ids of the editor dialogs' templates, icons and controls. Hosts may use them through
// the resource chain.

#define IDD_EDIT_STRING 13100     // template "Edit string"
#define IDD_EDIT_SEQUENCE 13101   // template "Edit sequence"
#define IDD_INCLUDE_EXCLUDE 13102 // template "Include/exclude"

#define IDI_MOVE_TO_EXCLUDED 13118 // icon: arrow towards the excluded list (left)
#define IDI_MOVE_TO_INCLUDED 13120 // icon: arrow towards the included list (right)

#define IDC_STRING_VALUE 14103 // "Edit string": the value

#define IDC_SEQUENCE_LIST 14120  // "Edit sequence": the list
#define IDC_SEQUENCE_EDIT 14122  // "Edit sequence": "&Edit"
#define IDC_SEQUENCE_DELETE 1019 // "Edit sequence": "&Delete"
#define IDC_SEQUENCE_COPY 14126  // "Edit sequence": "&Copy"
#define IDC_SEQUENCE_NEW 14128   // "Edit sequence": "&New"
#define IDC_SEQUENCE_UP 14130    // "Edit sequence": "&Up"
#define IDC_SEQUENCE_DOWN 14132  // "Edit sequence": "Do&wn"

#define IDC_INCLUDED_LIST 14114    // "Include/exclude": the included names
#define IDC_MOVE_TO_EXCLUDED 14115 // "Include/exclude": the button with the left arrow
#define IDC_MOVE_TO_INCLUDED 14116 // "Include/exclude": the button with the right arrow
#define IDC_EXCLUDED_LIST 14117    // "Include/exclude": the excluded names
