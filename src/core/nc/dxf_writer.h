// The DXF machine's writer.
#pragma once

#include <string>

#include "nc/post_state.h"

namespace quill {

class DxfWriter : public RecordWriter {
 public:
  explicit DxfWriter(PostState& state) : s_(state) {}
  void Header() override;
  bool Record(PostMove& mv) override;
  void Closing() override;
  // A DXF file carries text records as comments: any other line would break the drawing.
  void Text(NcOutput& out, const std::string& text) override;

 private:
  struct Xyz {
    double x, y, z;
  };
  void Group(const char* code, const std::string& value);
  void Group(const char* code, double value);
  void Entity(const char* kind);
  // The x and y groups, and z in a 3D drawing.
  void Point(const char* x, const char* y, const char* z, const Xyz& p);
  PostState& s_;
};

}  // namespace quill
