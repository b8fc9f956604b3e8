// Which characters the job's font can engrave, so a data row with a character the font lacks is
// reported before anything is cut instead of ending the text path part way.
#pragma once

#include <memory>

namespace quill {

class Job;

class FontCoverage {
 public:
  FontCoverage();
  ~FontCoverage();
  FontCoverage(const FontCoverage&) = delete;
  FontCoverage& operator=(const FontCoverage&) = delete;

  // Opens the font the settings name (engraving font or TrueType face); false after telling the
  // operator why it cannot be used.
  bool Open(Job& job);
  // The space is built by the layout and never taken from the font.
  bool Has(unsigned char code) const;

 private:
  struct Fonts;
  std::unique_ptr<Fonts> fonts_;
};

}  // namespace quill
