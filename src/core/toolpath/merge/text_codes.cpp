#include "toolpath/merge/text_codes.h"

#include "fonts/truetype_face.h"

namespace quill {

namespace {

// One character decoded from text at i; false on a byte sequence that is not UTF-8 (overlong forms,
// surrogates and values above U+10FFFF included).
bool DecodeUtf8(std::string_view text, size_t& i, uint32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const size_t extra = lead < 0x80             ? 0
                       : (lead & 0xE0) == 0xC0 ? 1
                       : (lead & 0xF0) == 0xE0 ? 2
                       : (lead & 0xF8) == 0xF0 ? 3
                                               : 4;
  if (extra == 4 || extra > text.size() - i - 1) return false;
  cp = extra == 0 ? lead : lead & (0x3Fu >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (c & 0x3Fu);
  }
  static const uint32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  i += extra + 1;
  return true;
}

// The Windows Latin code of a Unicode character; -1 when it has none.
int WindowsLatinCode(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int code = 0x80; code < 0xA0; ++code) {
    if (WindowsLatinToUnicode(static_cast<unsigned char>(code)) == cp) return code;
  }
  return -1;
}

}  // namespace

void AppendUtf8(uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  uint32_t cp = 0;
  for (size_t i = 0; i < text.size();) {
    if (!DecodeUtf8(text, i, cp)) return false;
  }
  return true;
}

std::string WindowsLatinToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(WindowsLatinToUnicode(static_cast<unsigned char>(c)), out);
  return out;
}

bool Utf8ToWindowsLatin(std::string_view text, std::string& out, std::string& unmapped) {
  out.clear();
  unmapped.clear();
  for (size_t i = 0; i < text.size();) {
    size_t at = i;
    uint32_t cp = 0;
    if (!DecodeUtf8(text, i, cp)) {
      unmapped = std::string(text.substr(at, 1));
      return false;
    }
    int code = WindowsLatinCode(cp);
    if (code < 0) {
      unmapped = std::string(text.substr(at, i - at));
      return false;
    }
    out += static_cast<char>(code);
  }
  return true;
}

}  // namespace quill
