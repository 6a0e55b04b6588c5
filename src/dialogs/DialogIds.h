// Resource and control ids of the configuration and About dialogs. Read by windres as well as by
// the compiler: #define lines only.
#pragma once

#define IDI_PLAYER 100  // the program's icon, also the dialogs'

#define IDD_CONFIGURE 200  // Tfconfigure
#define IDD_PAGE_GENERAL 201
#define IDD_PAGE_TRANSITION 202
#define IDD_PAGE_PUBLISHER 203
#define IDD_ABOUT 210      // Tfabout
#define IDM_CONFIGURE 220  // pmmain

// Tfconfigure: the banner, the page control and the menu items.
#define IDC_PLBANNER 1001
#define IDC_PCMAIN 1002
#define IDM_SAVE1 1010
#define IDM_EXIT1 1011
#define IDM_VISITWEBSITE1 1012
#define IDM_ABOUT1 1013

// The "General" page.
#define IDC_LABEL6 1100
#define IDC_CMBSCREEN 1101
#define IDC_LBSCREENMODE 1102
#define IDC_CMBSCREENMODE 1103
#define IDC_GROUPBOX1 1104
#define IDC_CKBANY 1105
#define IDC_CKBMOUSEMOVE 1106
#define IDC_CKBMOUSELEFTCLICK 1107
#define IDC_CKBMOUSERIGHTCLICK 1108
#define IDC_CKBMOUSEDBLCLICK 1109
#define IDC_CKBESC 1110
#define IDC_CKBENTER 1111
#define IDC_CKBSPECIFIEDKEY 1112
#define IDC_EDTKEY 1113
#define IDC_LABEL4 1114
#define IDC_TBTHRESHOLD 1115
#define IDC_CKBMUTE 1116
#define IDC_CKBMAXTIME 1117
#define IDC_EDTMAXTIME 1118
#define IDC_LABEL5 1119

// The "Transition Effects" page.
#define IDC_CKBEFFECT 1200
#define IDC_CKBEFFECTS 1201
#define IDC_BTNTOGGLE 1202
#define IDC_BTNSELECTALL 1203
#define IDC_CKBRANDOM 1204
#define IDC_PREVIEW 1205  // the pane that plays the focused effect
#define IDC_PREVIEWLABEL 1206

// The "Publisher" page.
#define IDC_LABEL7 1300
#define IDC_LBAUTHOR 1301
#define IDC_LABEL9 1302
#define IDC_LBHOME 1303
#define IDC_LABEL10 1304
#define IDC_LBEMAIL 1305
#define IDC_MEMPROJECTDESC 1306

// Tfabout.
#define IDC_LBPRODUCT 1400
#define IDC_LBVERSION 1401
#define IDC_LBCOPYRIGHT 1402
#define IDC_BEVEL1 1403
#define IDC_ABOUT_LABEL4 1404
#define IDC_LBMEORY 1405
#define IDC_PANEL1 1406
#define IDC_IMG 1407
