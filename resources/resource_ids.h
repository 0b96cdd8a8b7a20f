/* Dialog template and control identifiers, shared by the resource script and the C++ code. */
#pragma once

/* The program's icon: the exe's, and every dialog's. */
#define IDI_VELTRANO 1

/* Main dialog. */
#define IDD_MAIN 101
#define IDC_MAIN_LABEL 301
#define IDC_MAIN_LIST 302
#define IDC_MAIN_FIND_REPLACE 303
#define IDC_MAIN_DELETE_FIRST 304
#define IDC_MAIN_ADD_AT_START 305
#define IDC_MAIN_ADD_AT_END 306
#define IDC_MAIN_RENUMBER 309
#define IDC_MAIN_UNDERSCORE_TO_SPACE 310
#define IDC_MAIN_SPACE_TO_UNDERSCORE 311
#define IDC_MAIN_NORMAL_TEXT 312
#define IDC_MAIN_TITLE_CASE 313
#define IDC_MAIN_UPPER_CASE 314
#define IDC_MAIN_LOWER_CASE 315
#define IDC_MAIN_QUIT 316
#define IDC_MAIN_SWAP_TITLE_ARTIST 317
#define IDC_MAIN_NEW_FUNCTIONS 318

/* Operation dialog templates. */
#define IDD_FIND_REPLACE 102
#define IDD_ADD_AT_START 103
#define IDD_ADD_AT_END 104
#define IDD_DELETE_FIRST_CHARS 105
#define IDD_TITLE_CASE 106
#define IDD_SPACE_TO_UNDERSCORE 107
#define IDD_UNDERSCORE_TO_SPACE 108
#define IDD_NORMAL_TEXT 109
#define IDD_UPPER_CASE 110
#define IDD_LOWER_CASE 111
#define IDD_RENUMBER 112

/* Control bases of the operation dialogs; each dialog numbers its controls from its base. */
#define BASE_ADD_AT_END 200
#define BASE_ADD_AT_START 400
#define BASE_FIND_REPLACE 500
#define BASE_DELETE_FIRST_CHARS 600
#define BASE_SPACE_TO_UNDERSCORE 800
#define BASE_UNDERSCORE_TO_SPACE 900
#define BASE_UPPER_CASE 1000
#define BASE_LOWER_CASE 1100
#define BASE_TITLE_CASE 1200
#define BASE_NORMAL_TEXT 1300
#define BASE_RENUMBER 1400

/* Offsets from the base, by role. */
#define OFFSET_BEFORE_LIST 1
#define OFFSET_AFTER_LIST 2
#define OFFSET_INPUT 3
#define OFFSET_RENAME 4
#define OFFSET_CANCEL 6
#define OFFSET_EXTENSION_LIST 7

/* Find and replace: controls beyond the common roles. */
#define IDC_FR_MESSAGE 505
#define IDC_FR_REPLACEMENT 509
#define IDC_FR_CHECK_LIST 510

/* Add at start / at end: message lines; both dialogs use 209 as their check list. */
#define IDC_ADD_START_MESSAGE 408
#define IDC_ADD_END_MESSAGE 208
#define IDC_ADD_CHECK_LIST 209

/* Delete first characters. */
#define IDC_DEL_UNUSED_EDIT 605
#define IDC_DEL_CHECK_LIST 608
#define IDC_DEL_MESSAGE 609

/* Renumbering. */
#define IDC_REN_NUMBERED_STEMS 1401
#define IDC_REN_EXTENSIONS 1402
#define IDC_REN_FIRST_POSITIONS 1403
#define IDC_REN_LAST_POSITIONS 1404
#define IDC_REN_MARKER 1405
#define IDC_REN_BEFORE 1406
#define IDC_REN_AFTER 1407
#define IDC_REN_MESSAGE 1408
#define IDC_REN_RENAME 1414
#define IDC_REN_CANCEL 1416
#define IDC_REN_DIGIT_COUNT 1420
#define IDC_REN_START 1422
#define IDC_REN_CHECK_LIST 1424
#define IDC_REN_UNUSED_LIST 1428
