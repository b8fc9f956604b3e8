// The text to engrave with fields in it: {Name} takes the value of the column headed Name (without
// regard to case), {2} the value of the second column.  "{{" stands for a brace itself; a brace that
// opens no field (nothing closes it on the line, or it holds a brace) is kept as typed.
#pragma once

#include <string>
#include <vector>

namespace quill {

struct MergeField {
  std::string name;  // as typed between the braces
  int column = 0;    // {n}: n; 0 for a named field
};

class MergeTemplate {
 public:
  explicit MergeTemplate(const std::vector<std::string>& lines);

  // Every field once, in the order the text first uses it.
  const std::vector<MergeField>& Fields() const { return fields_; }
  bool HasNamedField() const;

  // The text with each field replaced by values[i] (i its index in Fields()); lines joined by "\n".
  std::string Fill(const std::vector<std::string>& values) const;

 private:
  struct Piece {
    std::string text;
    int field = -1;  // index into fields_, or -1 for plain text
  };
  void ParseLine(const std::string& line);
  int FieldIndex(const std::string& name);

  std::vector<Piece> pieces_;
  std::vector<MergeField> fields_;
};

// "{" + name + "}" as the operator typed it: the field in messages.
std::string FieldLabel(const MergeField& field);

}  // namespace quill
