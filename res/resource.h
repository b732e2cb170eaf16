// Resource and control ids of Quantlens. Plain #defines only: the resource
// compiler reads this file as well as the C++ sources.
#pragma once

// Dialog templates
#define IDD_MAIN                102
#define IDD_ABOUT               135

// Icons and the cursor
#define IDR_HAND_CURSOR         109
#define IDI_MAIN                128
#define IDI_SELECT              129
#define IDI_HELP                131
#define IDI_OPEN                132

// Tooltip strings: each id equals the id of the control it describes
#define IDS_SELECT_TIP          1010
#define IDS_OPEN_TIP            1012

// Main dialog controls
#define IDC_WIDTH               1000
#define IDC_HEIGHT              1001
#define IDC_COMPONENTS          1002
#define IDC_COLORSPACE          1003
#define IDC_PRECISION           1004
#define IDC_SAMPLING            1005
#define IDC_PROGRESSIVE         1006
#define IDC_OPTIMIZED           1007
#define IDC_TABLE_COUNT         1008
#define IDC_SIXTEEN_BIT         1009
#define IDC_SELECT              1010
#define IDC_QUALITY             1011
#define IDC_OPEN                1012
#define IDC_VARIANCE            1013
#define IDC_TABLES              1014
#define IDC_LUMA_QUALITY        1015
#define IDC_BASELINE            1016
#define IDC_REFRESH             1017
#define IDC_LUMA_TABLE          1018
#define IDC_ABOUT_ICON          1019
#define IDC_HELP_ICON           1020
#define IDC_CHROMA_QUALITY      1021
#define IDC_CHROMA_TABLE        1022
#define IDC_SYNC                1023
#define IDC_SAME                1024
#define IDC_PATH                1066

// About box controls (a separate template: ids may repeat main dialog ids)
#define IDC_ABOUT_AUTHOR        118
#define IDC_ABOUT_HOMEPAGE      1007
#define IDC_ABOUT_EMAIL         1008
#define IDC_ABOUT_LOGO          1019
#define IDC_ABOUT_VERSION       1071

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
