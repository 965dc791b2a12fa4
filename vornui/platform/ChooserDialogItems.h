#pragma once

// The ids of the controls in the chooser windows (ChooserWindows.h), so that a host or a
// test can find them as it would in the system's.

// The file chooser's, by the system's names for them.
#define psh1 0x0400 // the button that goes up one folder
#define stc2 0x0441 // "Files of type:"
#define stc3 0x0442 // "File name:"
#define stc4 0x0443 // "Look in:"
#define lst1 0x0460 // the folder's contents
#define cmb1 0x0470 // the filters
#define edt1 0x0480 // the file name
#define edt2 0x0481 // the folder shown

// The folder chooser's.
#define IDC_FOLDERCHOOSER_TREE 0x3741
#define IDC_FOLDERCHOOSER_TITLE 0x3742
#define IDC_FOLDERCHOOSER_STATUS 0x3743
