// The line-by-line outputs: EZ-Track conversational programs and the fixed-column print listing.
#pragma once

#include <string>

#include "nc/post_state.h"

namespace quill {

class EzTrackWriter : public RecordWriter {
 public:
  explicit EzTrackWriter(PostState& state) : s_(state) {}
  void Header() override;
  bool Record(PostMove& mv) override;
  void Closing() override;

 private:
  std::string Number(double v) const;
  PostState& s_;
  std::string mode_;
};

class PrintWriter : public RecordWriter {
 public:
  explicit PrintWriter(PostState& state) : s_(state) {}
  void Header() override;
  bool Record(PostMove& mv) override;
  void Closing() override {}

 private:
  PostState& s_;
  std::string mode_;
};

}  // namespace quill
