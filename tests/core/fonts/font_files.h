// Small fonts and sources for the font tests, written straight to disk.
#pragma once

#include <string>
#include <vector>

#include "fonts/font_record.h"
#include "records/textpath_record.h"
#include "test_support.h"

namespace quill::test {

inline std::string FontBytes(const std::vector<FontRecord>& recs) {
  std::string bytes;
  for (const auto& r : recs) {
    unsigned char buf[FontRecordSize];
    EncodeFontRecord(r, buf);
    bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
  }
  return bytes;
}

inline void WriteFont(const std::string& path, const std::vector<FontRecord>& recs) {
  WriteFile(path, FontBytes(recs));
}

// Every record of a font or a text path file.
template <class Reader, class Record>
std::vector<Record> ReadRecords(const std::string& path) {
  std::vector<Record> recs;
  Reader in(path);
  Record r;
  while (in.Next(r)) recs.push_back(r);
  return recs;
}

inline std::vector<FontRecord> ReadFont(const std::string& path) {
  return ReadRecords<FontReader, FontRecord>(path);
}

inline std::vector<TextPathRecord> ReadTextPath(const std::string& path) {
  return ReadRecords<TextPathReader, TextPathRecord>(path);
}

}  // namespace quill::test
