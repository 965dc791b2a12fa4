#pragma once

// Ids of the editor dialogs' templates, icons and controls. Hosts may use them through
// the resource chain.

// Dialog templates
#define IDD_EDIT_STRING 13100     // "Edit string"
#define IDD_EDIT_SEQUENCE 13101   // "Edit sequence"
#define IDD_INCLUDE_EXCLUDE 13102 // "Include/exclude"

// Icons: arrows towards the excluded (left) and the included (right) list
#define IDI_MOVE_TO_EXCLUDED 13118
#define IDI_MOVE_TO_INCLUDED 13120

// "Edit string"
#define IDC_STRING_VALUE 14103

// "Edit sequence"
#define IDC_SEQUENCE_LIST 14120
#define IDC_SEQUENCE_EDIT 14122
#define IDC_SEQUENCE_DELETE 1019
#define IDC_SEQUENCE_COPY 14126
#define IDC_SEQUENCE_NEW 14128
#define IDC_SEQUENCE_UP 14130
#define IDC_SEQUENCE_DOWN 14132

// "Include/exclude"
#define IDC_INCLUDED_LIST 14114
#define IDC_MOVE_TO_EXCLUDED 14115
#define IDC_MOVE_TO_INCLUDED 14116
#define IDC_EXCLUDED_LIST 14117
