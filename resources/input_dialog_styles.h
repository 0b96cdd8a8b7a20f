/* Styles shared by the templates of the operation dialogs with typed input. */
#pragma once

#define INPUT_DIALOG_STYLE WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
/* The before and after lists: unsorted, single selection, both scroll bars, no tab stop. */
#define INPUT_SHOWN_LIST WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY
/* The extension and check lists: never shown, never selected. */
#define INPUT_HIDDEN_LIST WS_CHILD | NOT WS_VISIBLE | WS_BORDER | LBS_NOSEL | LBS_NOTIFY
#define INPUT_TEXT_FIELD WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL
#define INPUT_LABEL WS_CHILD | WS_VISIBLE | SS_CENTER
/* "Rinomina" is enabled by the dialog once a preview passes; Enter activates "Annulla". */
#define INPUT_RENAME_BUTTON WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON
#define INPUT_CANCEL_BUTTON WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON
