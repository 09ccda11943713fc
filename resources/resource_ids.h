// Resource numbers shared by the .rc files and the code.
#pragma once

#define IDI_GENERIC_PROGRAM 10
#define IDI_CLOSED_FOLDER 11
#define IDI_DRIVE_A 12
#define IDI_TRAY_UNLOAD 20
#define IDI_TRAY_SHUTDOWN 21
#define IDI_TRAY_SESSION 22
#define IDI_GLYPH_OK 30
#define IDC_OWN_HAND 40
