// Text from a data file into the 8-bit Windows Latin codes the engraving fonts are indexed by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

bool IsValidUtf8(std::string_view text);

// Every byte taken as its Windows Latin character, written as UTF-8.
std::string WindowsLatinToUtf8(std::string_view text);

// UTF-8 to Windows Latin.  False when a character has no Windows Latin code; unmapped then holds that
// character (as UTF-8) and out the text before it.
bool Utf8ToWindowsLatin(std::string_view text, std::string& out, std::string& unmapped);

// Appends one Unicode character as UTF-8.
void AppendUtf8(uint32_t cp, std::string& out);

}  // namespace quill
