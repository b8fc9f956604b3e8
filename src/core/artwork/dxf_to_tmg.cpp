#include "artwork/dxf_to_tmg.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "artwork/dxf_convert.h"
#include "artwork/dxf_reader.h"
#include "artwork/dxf_tables.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

using Converter = bool (*)(DxfReader&, std::string&);

struct EntityKind {
  std::string_view name;
  Converter convert;
};

constexpr EntityKind kEntities[] = {
    {"LINE", ConvertLine},         {"ARC", ConvertArc},
    {"CIRCLE", ConvertArc},        {"LWPOLYLINE", ConvertLwPolyline},
    {"POLYLINE", ConvertPolyline}, {"INSERT", ConvertInsert},
    {"TEXT", ConvertText},         {"POINT", ConvertPoint},
    {"SPLINE", ConvertSpline},     {"3DFACE", ConvertFace},
    {"SOLID", ConvertSolid},       {"TRACE", ConvertSolid},
    {"3DLINE", ConvertLine},       {"DIMENSION", ConvertDimension},
};

Converter ConverterFor(const std::string& name) {
  for (const EntityKind& k : kEntities) {
    if (k.name == name) return k.convert;
  }
  return SkipEntity;
}

// A file with line feeds but no carriage return was written on Unix; it reads the same, but the
// status says so.  The scan shows its progress as the translation always has; cancelled is set when
// the operator cancels it.
bool UnixFormat(Ui& ui, const std::string& path, bool& cancelled) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fseek(f, 0, SEEK_END);
  long size = std::ftell(f);
  std::rewind(f);
  ui.ProgressBegin("Unix File Translation", 100);
  std::array<char, 16384> buffer;
  bool carriageReturn = false;
  long done = 0;
  size_t n;
  while (!carriageReturn && !cancelled && (n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
    carriageReturn = std::memchr(buffer.data(), '\r', n) != nullptr;
    done += static_cast<long>(n);
    cancelled = !ui.ProgressStep(size > 0 ? done * 100 / size : 100);
  }
  ui.ProgressEnd();
  std::fclose(f);
  return !carriageReturn;
}

bool IsBinary(DxfLines& lines) {
  std::string first;
  lines.Next(first);
  lines.Rewind();
  return first.find("Binary") != std::string::npos;
}

int LayerSelection(const std::string& layers) {
  if (layers == "*") return -1;
  auto v = StrictToDouble(layers);
  return v && *v >= 0 && *v < 1e9 ? static_cast<int>(*v) : 0;
}

// Thousandths of the drawing read: the entities' progress.
long ShareRead(const DxfLines& drawing) {
  return drawing.Size() > 0 ? static_cast<long>(std::min<uint64_t>(drawing.Consumed() * 1000 / drawing.Size(), 1000))
                            : 0;
}

// False when the operator cancelled.
bool ConvertEntities(DxfReader& r) {
  r.status.Operation("Searching for Entities ...");
  if (!SeekDxfWord(r, {{2, "ENTITIES"}})) {
    r.in.Rewind();
    if (!SeekDxfWord(r, {{2, "ENTITIES"}})) return true;
  }
  r.status.Operation("Processing Entities ...");
  Ui& ui = r.job.ui;
  ui.ProgressBegin("Processing Entities ...", 1000);
  std::string name;
  bool more = r.in.NextName(name);
  bool cancelled = false;
  for (long n = 1; !cancelled; ++n) {
    if (!more) {
      if (!r.in.Pop(name)) break;
      more = true;
      continue;
    }
    if (n % 4096 == 0) ui.Pump();
    if (n % 1024 == 0 && !ui.ProgressStep(ShareRead(r.in.Drawing()))) cancelled = true;
    bool inBlock = r.in.Depth() > 0;
    long written = r.tmg.Count();
    more = ConverterFor(name)(r, name);
    // A curve in a block may write thousands of records each time the block is inserted.
    if (inBlock) r.blockWork += 1 + (r.tmg.Count() - written);
  }
  ui.ProgressEnd();
  return !cancelled;
}

// Nothing of a cancelled import is kept: the TMG is not imported and the texts leave the text path.
int Cancelled(DxfReader& r) {
  r.text.Abandon();
  r.status.Operation("Import Cancelled");
  r.status.Message("Import Cancelled, Artwork Unchanged");
  r.status.Finished();
  return DxfCancelled;
}

}  // namespace

int DxfToTmg(Job& job, const std::string& dxfName, const std::string& tmgName, const DxfConversion& how,
             DxfStatus& status) {
  TmgWriter tmg;
  DxfReader r(job, status, tmg);
  r.arcFit = how.arcFit;
  r.tolerance = how.tolerance;
  r.maxBlockWork = how.maxBlockWork;
  r.layerSelection = LayerSelection(how.layers);
  if (!r.in.OpenDrawing(dxfName)) return DxfCannotOpen;
  status.Begin(dxfName);
  status.Version("Unknown");
  bool cancelled = false;
  if (UnixFormat(job.ui, dxfName, cancelled)) status.Message("Unix Format File");
  if (cancelled) return Cancelled(r);
  if (IsBinary(r.in.Drawing())) {
    status.Message("Binary DXF Files are Not Supported");
    status.Message("Standard ASCII DXF format is required");
    status.Finished();
    return DxfBinary;
  }
  r.text.LoadSettings(r.scratch);
  if (!tmg.Open(tmgName)) {
    status.Finished();
    return DxfCannotCreate;
  }
  ReadDxfVersion(r);
  ReadDxfLayers(r);
  bool allBlocks = ReadDxfBlocks(r);
  if (!ConvertEntities(r)) return Cancelled(r);
  r.text.Finish();
  status.Operation("Cleaning Up ...");
  status.Operation("Processing Complete !!");
  status.Message("Processing Complete !!");
  status.Finished();
  tmg.End();
  if (!tmg.Close()) return DxfCannotCreate;
  return allBlocks ? DxfDone : DxfTooManyBlocks;
}

}  // namespace quill
