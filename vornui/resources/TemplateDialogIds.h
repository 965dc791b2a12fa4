#pragma once

// Ids of the template selection dialogs' templates and controls. Hosts may use them
// through the resource chain.

#define IDD_CTD_TEMPLATE 143      // template "Choose CTD Template..."
#define IDD_TIDE_TEMPLATE 144     // template "Choose Tide Template..."
#define IDD_TEMPLATE_SELECT 21000 // template "Select template" (sound velocity)

// "Choose Tide Template..." and "Choose CTD Template..."
#define IDC_TEMPLATE_LIST 1010     // the module's templates
#define IDC_TEMPLATE_PREVIEW 1012  // the data file read through the chosen template
#define IDC_TEMPLATE_EDIT 1016     // "Edit..."
#define IDC_TEMPLATE_OPEN 1017     // "Open..."
#define IDC_TEMPLATE_FILENAME 1018 // the data file's name
#define IDC_TEMPLATE_DELETE 1019   // "Delete"
#define IDC_TEMPLATE_STATUS 1038   // "OK", or why the preview is empty
#define IDC_TEMPLATE_NEW 14128     // "New..."

// "Select template"
#define IDC_SVP_TEMPLATE_LIST 21000 // the sound-velocity templates, in frame "Template"
#define IDC_SVP_EDIT 21001          // "Edit"
#define IDC_SVP_NEW 21002           // "New"
#define IDC_SVP_UPDATE 21003        // "Update"
#define IDC_SVP_PREVIEW 13125       // the data file read, in frame "Interpreted values"
