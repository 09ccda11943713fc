// Resource numbers of the OK and cancel glyphs of the folder name, folder
// choice and shortcut dialogs.
#pragma once

#define IDI_DIALOG_OK 330
#define IDI_DIALOG_CANCEL 331
