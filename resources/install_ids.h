// Resource numbers of the password dialog (UInstall); its OK glyph is the
// options dialog's.
#pragma once

#define IDI_INSTALL_FORM 410
#define IDI_GLYPH_CANCEL 411
