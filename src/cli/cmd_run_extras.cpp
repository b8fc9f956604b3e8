#include <cmath>
#include <cstdio>
#include <optional>

#include "app/program.h"
#include "cli_args.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "run_extras.h"
#include "ui/batch_ui.h"

namespace quill::cli {

namespace {

bool IsWhole(const std::string& word) {
  auto v = StrictToDouble(word);
  return v && std::isfinite(*v) && *v == std::trunc(*v);
}

// Reads the words of the additions; each consumes its values from words at i.
class ExtrasParser {
 public:
  explicit ExtrasParser(const Words& words) : w_(words) {}
  RunExtras Parse();

 private:
  bool Take(size_t count, std::vector<std::string>& values);
  bool Option(const std::string& word);
  bool Array();
  bool Serial();
  std::string Consistency() const;

  const Words& w_;
  size_t i_ = 0;
  RunExtras x_;
  bool mergeOnly_ = false;  // an option that belongs to --data was given
  bool rowsOnly_ = false;   // an option that belongs to --data or --serial was given
};

bool ExtrasParser::Take(size_t count, std::vector<std::string>& values) {
  if (i_ + count >= w_.size()) {
    x_.error = w_[i_] + " needs " + std::to_string(count) + (count == 1 ? " value" : " values");
    return false;
  }
  const auto first = w_.begin() + static_cast<std::ptrdiff_t>(i_) + 1;
  values.assign(first, first + static_cast<std::ptrdiff_t>(count));
  i_ += count;
  return true;
}

bool ExtrasParser::Array() {
  std::vector<std::string> v;
  if (!Take(4, v)) return false;
  auto columns = StrictToDouble(v[0]), rows = StrictToDouble(v[1]);
  auto dx = StrictToDouble(v[2]), dy = StrictToDouble(v[3]);
  if (!IsWhole(v[0]) || !IsWhole(v[1]) || !dx || !dy || *columns < 1 || *rows < 1 || *columns > ArrayCountLimit ||
      *rows > ArrayCountLimit) {
    x_.error = "--array needs COLS ROWS (whole numbers from 1 to " + std::to_string(ArrayCountLimit) + ") DX DY";
    return false;
  }
  x_.run.merge.array = {static_cast<int>(*columns), static_cast<int>(*rows), *dx, *dy};
  mergeOnly_ = true;
  return true;
}

bool ExtrasParser::Serial() {
  std::vector<std::string> v;
  if (!Take(2, v)) return false;
  if (!IsWhole(v[0]) || !IsWhole(v[1])) {
    x_.error = "--serial needs START END [INC] as whole numbers";
    return false;
  }
  x_.run.kind = RunKind::Serial;
  x_.run.serial = {v[0], v[1], ""};
  if (i_ + 1 < w_.size() && IsWhole(w_[i_ + 1])) x_.run.serial.increment = w_[++i_];
  return true;
}

bool ExtrasParser::Option(const std::string& word) {
  std::vector<std::string> v;
  MergeOptions& m = x_.run.merge;
  if (word == "--data") {
    if (!Take(1, v)) return false;
    m.dataFile = v[0];
    x_.run.kind = RunKind::Merge;
  } else if (word == "--per-row-nc") {
    if (!Take(1, v)) return false;
    m.perRowColumn = v[0];
    mergeOnly_ = true;
  } else if (word == "--separator") {
    if (!Take(1, v)) return false;
    m.separator = v[0] == "tab" ? '\t' : v[0].size() == 1 ? v[0][0] : '?';
    mergeOnly_ = true;
  } else if (word == "--between") {
    if (!Take(1, v)) return false;
    m.betweenRows = v[0].empty() ? std::vector<std::string>{} : std::vector<std::string>{v[0]};
    rowsOnly_ = true;
  } else if (word == "--header" || word == "--no-header") {
    m.header = word == "--header" ? HeaderRow::Yes : HeaderRow::No;
    mergeOnly_ = true;
  } else if (word == "--no-comment") {
    m.insertComment = false;
    rowsOnly_ = true;
  } else if (word == "--check") {
    x_.run.check = true;
  } else if (word == "--array") {
    return Array();
  } else if (word == "--serial") {
    return Serial();
  } else {
    x_.rest.push_back(word);
  }
  return true;
}

std::string ExtrasParser::Consistency() const {
  const bool data = !x_.run.merge.dataFile.empty(), serial = !x_.run.serial.start.empty();
  if (data && serial) return "--data and --serial cannot be used together";
  if (mergeOnly_ && !data) return "--per-row-nc, --array, --header, --no-header and --separator belong to --data";
  if (rowsOnly_ && !data && !serial) return "--between and --no-comment belong to --data or --serial";
  if (data) return CheckMergeOptions(x_.run.merge);
  return {};
}

RunExtras ExtrasParser::Parse() {
  for (; i_ < w_.size() && x_.error.empty(); ++i_) {
    if (!Option(w_[i_])) break;
  }
  if (x_.error.empty()) x_.error = Consistency();
  return std::move(x_);
}

}  // namespace

RunExtras TakeRunExtras(const Words& words) {
  return ExtrasParser(words).Parse();
}

int FinishExtendedRun(Job& job, BatchUi& ui, ExtendedRun run, const BatchOptions& options) {
  run.batch = options;
  BatchReport report = RunExtendedBatch(job, run);
  CloseMainWindow(job);
  DestroyMainWindow(job);
  return report.failed || ui.ProblemsReported() > 0 ? ExitError : ExitOk;
}

}  // namespace quill::cli
