// Running an outside program (the vectorizer, the scanner program) to its end while the windows stay
// responsive: started without a shell, its standard output and error read line by line, Cancel and a
// time limit honoured by stopping it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quill {

class Ui;

struct ChildRun {
  std::vector<std::string> argv;  // argv[0] the program: a path, or a name looked up in PATH
  std::string folder;             // working folder; empty: the current one
  int timeoutSeconds = 0;         // 0: no limit
  // Each line the program writes to its output or error (lines end at a line feed or a carriage
  // return, so "Progress: 40%\r" counts); false stops the program as a Cancel does.
  std::function<bool(const std::string& line)> onLine;
};

struct ChildResult {
  enum Status { Finished, NotStarted, Cancelled, TimedOut, Killed };
  Status status = NotStarted;
  int exitCode = -1;   // Finished: the program's exit status
  int error = 0;       // NotStarted: why (an errno value)
  std::string output;  // the end of what it wrote (at most a few kilobytes), for messages

  bool Succeeded() const { return status == Finished && exitCode == 0; }
};

ChildResult RunChild(Ui& ui, const ChildRun& run);

// RunChild in a progress display with this title: lines "Progress: N%" (as scanimage and the
// vectorizer write them) move it, and its Cancel stops the program.
ChildResult RunWithProgress(Ui& ui, ChildRun run, const std::string& title);

// The percentage of a progress line ("Progress: 42%", "Progress: 42.5%"); -1 for other lines.
int ProgressPercent(const std::string& line);

// The last lines of a program's output, for a message box (at most maxLines).
std::string TailLines(const std::string& output, int maxLines);

}  // namespace quill
