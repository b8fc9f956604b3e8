// Reading a project (.QLM) into the settings, the tables, the artwork file and the editor text.  A project
// is untrusted input: any bytes and line lengths are read without harm, table rows past the tables are
// read past, and a missing "$ENDTAB" runs the table to the end of the file.
#pragma once

#include <string>

namespace quill {

class Job;
class Ui;

enum class ProjectRead {
  Read,         // the whole file was read (values that were not numbers were reported and counted as 0)
  OpenFailed,   // "File Open error"; nothing changed
  NotAProject,  // "Not a Valid QUILLMARK File"; nothing changed
  Stopped,      // a TSHAPE that is not a whole number stopped the reading; what came before it is kept
};

// The text to engrave is held in memory, by the text editor too: a file that holds more than any job
// could engrave is read up to this much (each line counted with its bookkeeping), with a warning.
inline constexpr size_t MostProjectTextBytes = 64u << 20;

ProjectRead ReadProject(Job& job, const std::string& path);

// Whether the file opens and starts as a project, said as ReadProject says it ("File Open error", "Not a
// Valid QUILLMARK File"); Read when it does.  Nothing is read into the job.
ProjectRead CheckProjectFile(Ui& ui, const std::string& path);

}  // namespace quill
