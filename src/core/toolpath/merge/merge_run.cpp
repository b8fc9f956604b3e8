#include "toolpath/merge/merge_run.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "job/job.h"
#include "records/cl_record.h"
#include "toolpath/cl_output.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/merge/array_layout.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* ScratchClFile = "QMMERGE.CL";

// Points the job's cutter-location file elsewhere for a scope.
class ClFileRedirect {
 public:
  ClFileRedirect(std::string& path, const std::string& to) : path_(path), saved_(path) { path_ = to; }
  ~ClFileRedirect() { path_ = saved_; }
  ClFileRedirect(const ClFileRedirect&) = delete;
  ClFileRedirect& operator=(const ClFileRedirect&) = delete;

 private:
  std::string& path_;
  std::string saved_;
};

class MergeRun {
 public:
  MergeRun(Job& job, const MergeOptions& options, const MergeStages& stages)
      : job_(job), options_(options), stages_(stages), scratch_(job.paths.ExeDir + ScratchClFile) {}
  ~MergeRun() { std::remove(scratch_.c_str()); }

  // False when the run had to stop (a file, the tool path settings, Cancel).
  bool OneFile(const std::vector<MergeRow>& rows, MergeOutcome& outcome);
  bool FilePerRow(const std::vector<MergeRow>& rows, MergeOutcome& outcome);

 private:
  enum class Row { Cut, Skipped, Stop };
  Row CutRow(const MergeRow& row, const CellPlace& place, MergeOutcome& outcome);
  void WriteBetween();
  bool Open();
  bool Close();
  bool Step(long done, MergeOutcome& outcome);

  Job& job_;
  const MergeOptions& options_;
  const MergeStages& stages_;
  std::string scratch_;
  ClWriter out_;
};

bool MergeRun::Open() {
  errno = 0;
  if (out_.Open(job_.paths.CLFileName, false)) return true;
  ReportClFileError(job_.ui, errno, job_.paths.CLFileName);
  return false;
}

bool MergeRun::Close() {
  errno = 0;
  out_.WriteEnd();
  if (out_.Close()) return true;
  ReportClFileError(job_.ui, errno, job_.paths.CLFileName);
  return false;
}

bool MergeRun::Step(long done, MergeOutcome& outcome) {
  outcome.cancelled = !job_.ui.ProgressStep(done);
  return !outcome.cancelled;
}

void MergeRun::WriteBetween() {
  out_.WriteText(ClResetHome, " Reset Home");
  for (const std::string& line : options_.betweenRows) out_.WriteText(ClText, " " + line);
}

MergeRun::Row MergeRun::CutRow(const MergeRow& row, const CellPlace& place, MergeOutcome& outcome) {
  job_.text = row.text;
  if (!stages_.generateTextPath(job_)) {
    outcome.problems.push_back({row.number, "its text could not be laid out"});
    return Row::Skipped;
  }
  std::remove(scratch_.c_str());
  bool cut = false;
  {
    ClFileRedirect redirect(job_.paths.CLFileName, scratch_);
    cut = GenerateToolPath(job_, stages_.toolPath, true, stages_.plugins);
  }
  // A refused tool path is refused for every row alike: the settings, not the row, are at fault.
  if (!cut) return Row::Stop;
  if (options_.insertComment) out_.WriteText(ClText, " (" + RowComment(row.text) + ")");
  if (!AppendMovedToolPath(scratch_, out_, place.dx, place.dy)) {
    ReportClFileError(job_.ui, errno, scratch_);
    return Row::Stop;
  }
  ++outcome.engraved;
  return Row::Cut;
}

bool MergeRun::OneFile(const std::vector<MergeRow>& rows, MergeOutcome& outcome) {
  if (!Open()) return false;
  long plate = -1;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!Step(static_cast<long>(i), outcome)) break;
    const CellPlace place = CellOf(options_.array, rows[i].index);
    if (options_.array.On() && place.plate != plate && plate >= 0) WriteBetween();
    Row done = CutRow(rows[i], place, outcome);
    if (done == Row::Stop) {
      Close();
      return false;
    }
    if (done == Row::Cut) plate = place.plate;
    if (done == Row::Cut && !options_.array.On()) WriteBetween();
  }
  if (options_.array.On() && plate >= 0) WriteBetween();
  return Close() && !outcome.cancelled;
}

bool MergeRun::FilePerRow(const std::vector<MergeRow>& rows, MergeOutcome& outcome) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!Step(static_cast<long>(i), outcome) || !Open()) return false;
    Row done = CutRow(rows[i], {}, outcome);
    if (!Close() || done == Row::Stop) return false;
    if (done == Row::Skipped) continue;
    job_.flags.ToolPathCreated = true;
    if (!stages_.rowFinished(job_, rows[i])) return false;
  }
  return true;
}

std::string RowNumbers(const std::vector<RowProblem>& problems) {
  std::string list;
  for (const RowProblem& p : problems) list += (list.empty() ? "" : ", ") + std::to_string(p.row);
  return list;
}

void ReportProblems(Ui& ui, const MergeOutcome& outcome, long dataRows) {
  if (outcome.problems.empty()) return;
  for (const RowProblem& p : outcome.problems) ui.Status(StatusChannel::General, p.Text());
  ui.Warn(std::to_string(outcome.problems.size()) + " of " + std::to_string(dataRows) + " rows were not engraved: row" +
          (outcome.problems.size() > 1 ? "s " : " ") + RowNumbers(outcome.problems));
}

}  // namespace

std::string RowComment(const std::vector<std::string>& text) {
  std::string comment;
  for (size_t i = 0; i < text.size(); ++i) comment += (i ? " / " : "") + text[i];
  std::replace(comment.begin(), comment.end(), '(', '[');
  std::replace(comment.begin(), comment.end(), ')', ']');
  return comment;
}

MergeOutcome RunMerge(Job& job, const MergeOptions& options, const MergeData& data, const MergeStages& stages) {
  MergeOutcome outcome;
  outcome.problems = data.problems;
  const std::vector<std::string> editorText = job.text;
  job.flags.ToolPathCreated = false;
  job.ui.ProgressBegin("Merge Data", static_cast<long>(data.rows.size()));
  {
    MergeRun run(job, options, stages);
    outcome.complete = stages.rowFinished ? run.FilePerRow(data.rows, outcome) : run.OneFile(data.rows, outcome);
  }
  job.ui.ProgressEnd();
  // The editor keeps the text with its fields, so the next merge finds them again.
  job.text = editorText;
  std::stable_sort(outcome.problems.begin(), outcome.problems.end(),
                   [](const RowProblem& a, const RowProblem& b) { return a.row < b.row; });
  if (outcome.cancelled) job.ui.Warn("Merge Data was stopped after " + std::to_string(outcome.engraved) + " rows");
  ReportProblems(job.ui, outcome, data.dataRows);
  job.flags.ToolPathCreated = outcome.complete && outcome.engraved > 0;
  return outcome;
}

}  // namespace quill
