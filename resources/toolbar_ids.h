// Numbers of the administration window's toolbar pictures (range 520-549).
#pragma once

#define IDB_TB_SHORTCUT 520
#define IDB_TB_FOLDER 521
#define IDB_TB_DELETE 522
#define IDB_TB_PROPERTIES 523
#define IDB_TB_COPY 524
#define IDB_TB_PASTE 525
#define IDB_TB_OPTIONS 526
#define IDB_TB_ACTIVATE 527
#define IDB_TB_DEACTIVATE 528
#define IDB_TB_USER 529
#define IDB_TB_LIST 530
#define IDB_TB_ICONS 531
#define IDB_TB_INFO 532
#define IDB_TB_QUIT 533
#define IDB_TB_UP 534
#define IDB_TB_WALLPAPER 535
