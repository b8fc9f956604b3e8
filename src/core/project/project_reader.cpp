#include "project/project_reader.h"

#include <algorithm>

#include "job/job.h"
#include "job/settings_checks.h"
#include "job/settings_keys.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"
#include "project/project_lines.h"
#include "project/project_tables.h"
#include "records/artwork_record.h"
#include "ui/ui.h"

namespace quill {
namespace {

const std::string kEndTab = "$ENDTAB";

class Reader {
 public:
  Reader(Job& job, ProjectLineReader& in) : job_(job), in_(in) {}
  // Handles key/value pairs to the end of the file; false when a value stopped the reading.
  bool ReadPairs();

 private:
  // Calls row(k, line) for each row from the value line up to "$ENDTAB" or the end of the file.
  template <typename RowFn>
  void ReadRows(std::string first, bool haveFirst, RowFn row);
  void ReadCurveTable(const std::string& value, bool haveValue);
  void ReadCharTable(CharColumn column, const std::string& value, bool haveValue);
  void ReadArtwork(const std::string& value, bool haveValue);
  void ReadText(const std::string& value);
  bool StoreSetting(const std::string& key, const std::string& value);

  Job& job_;
  ProjectLineReader& in_;
};

template <typename RowFn>
void Reader::ReadRows(std::string line, bool have, RowFn row) {
  for (long k = 0; have && line != kEndTab; ++k) {
    row(k, line);
    have = in_.Next(line);
  }
}

void Reader::ReadCurveTable(const std::string& value, bool haveValue) {
  ReadRows(value, haveValue, [this](long k, const std::string& line) {
    if (k < CurvePointCount) StoreCurveRow(job_.ui, job_.settings, static_cast<int>(k), line);
  });
}

void Reader::ReadCharTable(CharColumn column, const std::string& value, bool haveValue) {
  ReadRows(value, haveValue, [this, column](long k, const std::string& line) {
    if (k < CharTableSize) StoreCharRow(job_.ui, job_.settings, column, static_cast<int>(k), line);
  });
}

void Reader::ReadArtwork(const std::string& value, bool haveValue) {
  // Without "$ARTFILE" 1 the block has nowhere to go; it is read past so its lines are not taken for keys.
  if (!job_.flags.ArtworkPresent) return ReadRows(value, haveValue, [](long, const std::string&) {});
  ArtWriter art(job_.paths.ArtFileName, false);
  if (!art.IsOpen()) {
    job_.ui.Warn("File Creation error");
    job_.flags.ArtworkPresent = false;
    return ReadRows(value, haveValue, [](long, const std::string&) {});
  }
  // A project's line ends at a carriage return, an artwork line at a line feed: a lone line feed inside
  // a row would make two artwork lines, and the next save would read back as something else.
  ReadRows(value, haveValue, [&art](long, std::string line) {
    std::replace(line.begin(), line.end(), '\n', ' ');
    art.WriteRaw(line);
  });
  if (!art.Close()) {
    job_.ui.Warn("File Creation error");
    job_.flags.ArtworkPresent = false;
  }
}

void Reader::ReadText(const std::string& value) {
  job_.text.assign(1, value);
  size_t held = value.size() + sizeof(std::string);
  std::string line;
  while (in_.Next(line)) {
    held += line.size() + sizeof(std::string);
    if (held > MostProjectTextBytes) {
      job_.ui.Warn("The project's text is longer than 64 MB: the rest of it is not read");
      return;
    }
    job_.text.push_back(line);
  }
}

bool Reader::StoreSetting(const std::string& key, const std::string& value) {
  if (key.empty() || key.front() != '$') return true;
  const SettingKey* setting = FindSettingKey(key.substr(1));
  return !setting || setting->set(job_, value) != StoreResult::Stop;
}

bool Reader::ReadPairs() {
  std::string key, value;
  while (!in_.AtEnd()) {
    in_.Next(key);
    bool haveValue = in_.Next(value);
    if (key == "$ACURVETAB") {
      ReadCurveTable(value, haveValue);
    } else if (key == "$VSPACETAB") {
      ReadCharTable(CharColumn::Spacing, value, haveValue);
    } else if (key == "$VHEIGHTTAB") {
      ReadCharTable(CharColumn::Height, value, haveValue);
    } else if (key == "$ARTFILE") {
      job_.flags.ArtworkPresent = RoundToInt(TextToDouble(job_.ui, value)) != 0;
    } else if (key == "$ARTTAB") {
      ReadArtwork(value, haveValue);
    } else if (key == "$BEGINTEXT") {
      ReadText(value);
    } else if (!StoreSetting(key, value)) {
      return false;
    }
  }
  return true;
}

// The file's first line, the signature; Read when the rest of the file may follow.
ProjectRead OpenProject(Ui& ui, ProjectLineReader& in) {
  if (!in.IsOpen()) {
    ui.Warn("File Open error");
    return ProjectRead::OpenFailed;
  }
  std::string line;
  in.Next(line);
  if (line != "$QUILLVER") {
    ui.Warn("Not a Valid QUILLMARK File");
    return ProjectRead::NotAProject;
  }
  return ProjectRead::Read;
}

}  // namespace

ProjectRead CheckProjectFile(Ui& ui, const std::string& path) {
  ProjectLineReader in(path);
  return OpenProject(ui, in);
}

ProjectRead ReadProject(Job& job, const std::string& path) {
  ProjectLineReader in(path);
  BusyScope busy(job.ui);
  if (ProjectRead opened = OpenProject(job.ui, in); opened != ProjectRead::Read) return opened;
  std::string line;
  in.Next(line);  // the format version: any version is read the same way
  bool complete = Reader(job, in).ReadPairs();
  TakeCharacterCount(job);
  return complete ? ProjectRead::Read : ProjectRead::Stopped;
}

}  // namespace quill
