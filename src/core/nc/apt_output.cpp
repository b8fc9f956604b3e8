#include "nc/apt_output.h"

#include <algorithm>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "nc/cl_stream.h"
#include "records/atomic_file.h"
#include "ui/ui.h"

namespace quill {

namespace {

std::string N5(double v) {
  return FormatFixed(v, 5);
}
std::string N6(double v) {
  return FormatFixed(v, 6);
}

std::string StockLine(const AptJob& a) {
  double m = 0.025 * std::min(a.xmax - a.xmin, a.ymax - a.ymin);
  return "CBOX/" + N5(a.xmin - m) + "," + N5(a.ymin - m) + "," + N5(a.zmin - m) + "," + N5(a.xmax + m) + "," +
         N5(a.ymax + m) + ",0.0";
}

// Empty for a tool shape the verifier has no cutter for.
std::string CutterLine(const AptJob& a) {
  switch (a.toolShape) {
    case 0: return "CUTTER/ " + N6(a.toolDiameter) + ",0,0,0,0,0,3.0";
    case 1: return "CUTTER/ " + N6(a.toolDiameter) + "," + N6(a.toolValue) + ",0,0,0,0,3.0";
    case 2: return "CUTTER/ " + N6(a.toolDiameter) + ",0,0,0," + N6(90.0 - a.toolValue / 2.0) + ",0,3.0";
    default: return {};
  }
}

std::string Goto(const ClRecord& r) {
  return "GOTO/" + N6(r.X) + "," + N6(r.Y) + "," + N6(r.Z);
}

// The APT statements of one move record.
std::string MoveLines(const ClRecord& r, double& lastFeed) {
  std::string text;
  if (r.code != ClRapid && !IsZero(r.F - lastFeed)) text += "FEDRAT/" + FormatFixed(r.F, 4) + ",IPM\r\n";
  lastFeed = r.F;
  if (r.code == ClRapid) return text + "RAPID\r\n" + Goto(r) + "\r\n";
  if (r.code == ClFeed) return text + Goto(r) + "\r\n";
  if (r.code == ClArcCw || r.code == ClArcCcw) {
    // The circle's axis points down for a clockwise arc, up for a counter-clockwise one.
    const char* axis = r.code == ClArcCw ? ",0,0,-1," : ",0,0,1,";
    text += "CIRCLE/" + N6(r.CX) + "," + N6(r.CY) + "," + N6(r.Z) + axis + N6(Distance2D(r.CX, r.CY, r.X, r.Y));
    return text + "\r\n" + Goto(r) + "\r\n";
  }
  return text;
}

bool IsMove(int code) {
  return code != ClRotaryRadius && code != ClText && code != ClResetHome;
}

}  // namespace

bool WriteAptFile(Ui& ui, const std::string& clFile, const std::string& aptFile, const AptJob& apt) {
  ClStream cl(clFile);
  if (!cl.IsOpen()) {
    ui.Warn(cl.AccessErrorText());
    return false;
  }
  AtomicFile out(aptFile);
  out.Write(StockLine(apt) + "\r\n");
  std::string cutter = CutterLine(apt);
  if (!cutter.empty()) out.Write(cutter + "\r\n");
  out.Write("LOADTL/ 1\r\nSPINDL/ 1000,  CLW\r\n");
  double lastFeed = 0;
  ClRecord rec;
  for (ClRead read; (read = cl.Next(rec)) != ClRead::End;) {
    if (read == ClRead::BadNumber) {
      ui.Warn(cl.BadNumberText());
      return false;
    }
    if (IsMove(rec.code)) out.Write(MoveLines(rec, lastFeed));
  }
  out.Write("FINI\r\n");
  if (out.Commit()) return true;
  ui.Warn("APT File creation error [" + aptFile + "]");
  return false;
}

bool WriteJobAptFile(Job& job, double xmin, double ymin, double xmax, double ymax, double zmin) {
  if (!job.flags.ToolPathCreated) {
    job.ui.Inform("Tool Path Has Not Been Created Yet");
    return false;
  }
  AptJob apt{xmin,
             ymin,
             xmax,
             ymax,
             zmin,
             job.settings.TSHAPE,
             TextToDouble(job.ui, job.settings.TOOLDIA),
             TextToDouble(job.ui, job.settings.TLCR)};
  return WriteAptFile(job.ui, job.paths.CLFileName, job.paths.AptFileName, apt);
}

}  // namespace quill
