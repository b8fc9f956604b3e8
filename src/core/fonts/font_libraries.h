// FreeType and fontconfig, opened when a TrueType face is first needed rather than at every start: a
// job engraved with the program's own fonts (every unattended run of such a job) never maps them.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace quill {

#define QUILL_FREETYPE_CALLS(X)                                                                            \
  X(FT_Init_FreeType) X(FT_Done_FreeType) X(FT_New_Face) X(FT_Done_Face) X(FT_Set_Pixel_Sizes)             \
  X(FT_Get_Char_Index) X(FT_Load_Char) X(FT_MulFix) X(FT_Outline_EmboldenXY) X(FT_Outline_Transform)

#define QUILL_FONTCONFIG_CALLS(X)                                                                          \
  X(FcPatternCreate) X(FcPatternDestroy) X(FcPatternAddString) X(FcPatternAddInteger) X(FcPatternAddBool)  \
  X(FcPatternGetString) X(FcPatternGetInteger) X(FcConfigSubstitute) X(FcDefaultSubstitute) X(FcFontMatch) \
  X(FcObjectSetBuild) X(FcObjectSetDestroy) X(FcFontList) X(FcFontSetDestroy)

#define QUILL_FONT_CALL_MEMBER(name) decltype(&::name) name = nullptr;

// The library's functions, called as lib->FT_New_Face(...).
struct FreeTypeCalls {
  QUILL_FREETYPE_CALLS(QUILL_FONT_CALL_MEMBER)
};
struct FontconfigCalls {
  QUILL_FONTCONFIG_CALLS(QUILL_FONT_CALL_MEMBER)
};

#undef QUILL_FONT_CALL_MEMBER

// Opened on the first call and kept for the process; nullptr when the library or one of its functions
// is missing, which then reads as "no such font".
const FreeTypeCalls* FreeType();
const FontconfigCalls* Fontconfig();

}  // namespace quill
