/* The probe's dialog: list boxes, an edit, a static text and a button styled as the program's. */
#pragma once

#define IDD_PROBE 100
#define IDC_PROBE_BEFORE 101
#define IDC_PROBE_AFTER 102
#define IDC_PROBE_EXTENSIONS 103
#define IDC_PROBE_CHECK 104
#define IDC_PROBE_MAIN_LIST 105
#define IDC_PROBE_EDIT 106
#define IDC_PROBE_MESSAGE 107
#define IDC_PROBE_BUTTON 108
