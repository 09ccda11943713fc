// Resource numbers of the options dialog (UOptions).
#pragma once

#define IDI_OPTIONS_FORM 400
#define IDI_GLYPH_COLOR 401
#define IDI_GLYPH_OPEN 402
#define IDI_GLYPH_REMOVE 403
#define IDI_OPTIONS_OK 404
