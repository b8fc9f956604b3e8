#include "fonts/truetype_face.h"

#include "fonts/font_libraries.h"
#include "fonts/font_match.h"
#include "fonts/native_outline.h"

namespace quill {

namespace {

// The em the layout asks outlines at: the face's height of -48 device units.
constexpr int EmPixels = 48;
// The slant of a made-up italic: about 12 degrees, as FreeType's oblique.
constexpr FT_Fixed ObliqueShear = 0x0366A;

int32_t ToFixed16(FT_Pos v26_6) { return static_cast<int32_t>(v26_6 * 1024); }

OutlinePointKind KindOf(char tag) {
  switch (FT_CURVE_TAG(tag)) {
    case FT_CURVE_TAG_ON: return OutlinePointKind::On;
    case FT_CURVE_TAG_CUBIC: return OutlinePointKind::Cubic;
    default: return OutlinePointKind::Conic;
  }
}

}  // namespace

struct TrueTypeFace::State {
  explicit State(const FreeTypeCalls& calls) : ft(calls) {}
  const FreeTypeCalls& ft;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  bool embolden = false;
  bool slant = false;

  ~State() {
    if (face) ft.FT_Done_Face(face);
    if (library) ft.FT_Done_FreeType(library);
  }
};

TrueTypeFace::TrueTypeFace() = default;
TrueTypeFace::~TrueTypeFace() = default;

bool TrueTypeFace::IsOpen() const { return state_ && state_->face; }

bool TrueTypeFace::Open(const std::string& family, bool bold, bool italic) {
  state_.reset();
  file_.clear();
  FontMatch m;
  if (!MatchInstalledFont(family, bold, italic, m)) return false;
  const FreeTypeCalls* ft = FreeType();
  if (!ft) return false;
  auto s = std::make_unique<State>(*ft);
  if (ft->FT_Init_FreeType(&s->library) != 0) return false;
  if (ft->FT_New_Face(s->library, m.file.c_str(), m.index, &s->face) != 0) return false;
  if (!FT_IS_SCALABLE(s->face) || ft->FT_Set_Pixel_Sizes(s->face, 0, EmPixels) != 0) return false;
  // The file's own style says whether the family had the face asked for; if not, make it up.
  s->embolden = bold && !(s->face->style_flags & FT_STYLE_FLAG_BOLD);
  s->slant = italic && !(s->face->style_flags & FT_STYLE_FLAG_ITALIC);
  state_ = std::move(s);
  file_ = m.file;
  return true;
}

bool TrueTypeFace::HasCharacter(unsigned char code) const {
  return IsOpen() && state_->ft.FT_Get_Char_Index(state_->face, WindowsLatinToUnicode(code)) != 0;
}

bool TrueTypeFace::NativeOutline(unsigned char code, std::vector<uint8_t>& buffer) const {
  buffer.clear();
  if (!IsOpen()) return false;
  const FreeTypeCalls& ft = state_->ft;
  FT_Face face = state_->face;
  if (ft.FT_Load_Char(face, WindowsLatinToUnicode(code), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return false;
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  FT_Outline* outline = &face->glyph->outline;
  if (state_->embolden) {
    FT_Pos strength = ft.FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 24;
    ft.FT_Outline_EmboldenXY(outline, strength, strength);
  }
  if (state_->slant) {
    FT_Matrix shear{0x10000, ObliqueShear, 0, 0x10000};
    ft.FT_Outline_Transform(outline, &shear);
  }
  int begin = 0;
  for (int c = 0; c < outline->n_contours; ++c) {
    int end = outline->contours[c];
    if (end < begin || end >= outline->n_points) return false;
    std::vector<OutlinePoint> contour;
    for (int i = begin; i <= end; ++i) {
      contour.push_back({{ToFixed16(outline->points[i].x), ToFixed16(outline->points[i].y)}, KindOf(outline->tags[i])});
    }
    AppendNativeContour(contour, buffer);
    begin = end + 1;
  }
  return true;
}

uint32_t WindowsLatinToUnicode(unsigned char code) {
  // Code page 1252 differs from Latin-1 only in 128..159.
  static const uint16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (code >= 128 && code < 160) return high[code - 128];
  return code;
}

}  // namespace quill
