// Resource numbers of the shortcut dialog: the glyphs of its small buttons.
#pragma once

#define IDI_GLYPH_TARGET 320
#define IDI_GLYPH_CLEAR 321
#define IDI_GLYPH_FOLDER 322
#define IDI_GLYPH_OWN_ICON 323
