#include "artwork/dxf_tables.h"

#include <cmath>
#include <string_view>

#include "artwork/dxf_reader.h"

namespace quill {

namespace {

struct VersionName {
  const char* value;
  const char* shown;
};

constexpr VersionName kVersions[] = {
    {"AC1006", "Rev 10"},   {"AC1009", "Rev 11/12"}, {"AC1012", "Rev 13"},   {"AC1014", "Rev 14"},
    {"AC1015", "Rev 2000"}, {"AC1018", "Rev 2007"},  {"AC1021", "Rev 2008"},
};

std::string_view Trimmed(const std::string& value) {
  size_t end = value.find_last_not_of(" \t");
  return end == std::string::npos ? std::string_view() : std::string_view(value).substr(0, end + 1);
}

// One LAYER entry; false when the table is full.
bool ReadLayerEntry(DxfReader& r, bool& more, std::string& name) {
  std::string layer;
  double colour = 0;
  DxfGroup g;
  while ((more = r.in.NextGroup(g)) && g.code != 0) {
    if (g.code == 2) layer = g.value;
    if (g.code == 62) colour = GroupReal(g.value);
  }
  if (more) name = std::move(g.value);
  if (layer.empty()) return true;
  return r.layers.Add(layer, static_cast<int>(std::fmod(std::round(std::fabs(colour)), 256)));
}

// The groups of one block, from its first entity up to ENDBLK, go to the table when kept.
bool CopyBlockBody(DxfReader& r, bool keep, std::string& name) {
  bool more = true;
  DxfGroup g;
  // A damaged block without its ENDBLK ends where its section does.
  while (more && name != "ENDBLK" && name != "ENDSEC" && name != "EOF") {
    if (keep) r.blocks.Add(0, name);
    while ((more = r.in.NextGroup(g)) && g.code != 0) {
      if (keep) r.blocks.Add(g.code, g.value);
    }
    if (more) name = std::move(g.value);
  }
  r.blocks.End();
  return more;
}

}  // namespace

const char* SeekDxfWord(DxfReader& r, std::initializer_list<DxfWord> words) {
  DxfGroup g;
  while (r.in.NextGroup(g)) {
    for (const DxfWord& w : words) {
      if (g.code == w.code && Trimmed(g.value) == w.word) return w.word;
    }
  }
  return nullptr;
}

void ReadDxfVersion(DxfReader& r) {
  if (!SeekDxfWord(r, {{9, "$ACADVER"}})) {
    r.in.Rewind();
    return;
  }
  DxfGroup g;
  if (!r.in.NextGroup(g)) return;
  std::string_view v = Trimmed(g.value);
  if (v.size() <= 3 || v.substr(0, 2) != "AC") return;
  for (const VersionName& known : kVersions) {
    if (v == known.value) r.status.Version(known.shown);
  }
}

void ReadDxfLayers(DxfReader& r) {
  r.status.Operation("Searching for Layers ...");
  const char* found = SeekDxfWord(r, {{2, "TABLES"}}) ? SeekDxfWord(r, {{2, "LAYER"}, {0, "ENDSEC"}}) : nullptr;
  if (!found || std::string_view(found) == "ENDSEC") {
    r.in.Rewind();
    return;
  }
  std::string name;
  bool more = r.in.NextName(name);
  while (more && name != "ENDTAB" && name != "ENDSEC") {
    if (name != "LAYER") {
      more = r.in.NextName(name);
    } else if (!ReadLayerEntry(r, more, name)) {
      r.status.Message("Files Contains More than 256 Layers, Some Layer Names Will be Lost");
      break;
    }
  }
  r.status.Message(std::to_string(r.layers.Count()) + " Layers Found");
}

bool ReadDxfBlocks(DxfReader& r) {
  r.status.Operation("Searching for Blocks ...");
  bool all = true;
  std::string name;
  bool more = false;
  if (SeekDxfWord(r, {{2, "BLOCKS"}})) {
    more = r.in.NextName(name);
  } else {
    r.in.Rewind();
  }
  while (more && name != "ENDSEC") {
    if (name != "BLOCK") {
      more = r.in.NextName(name);
      continue;
    }
    more = ReadEntity(r.in, r.layers, r.entity, name);
    bool keep = !r.blocks.Full() && r.Matches(r.entity);
    if (r.blocks.Full() && all) {
      r.status.Message("More than " + std::to_string(MaxBlocks) + " Blocks, Drawing will be incomplete");
      all = false;
    }
    if (keep) r.blocks.Begin(r.entity.name, r.entity.p[0]);
    if (more) more = CopyBlockBody(r, keep, name);
    if (more && name == "ENDBLK") more = r.in.NextName(name);
  }
  r.status.Message(std::to_string(r.blocks.Count()) + " Blocks/DIM's Found");
  return all;
}

}  // namespace quill
