// One program at a time in a home.  Two programs on one home would overwrite each other's work files,
// so a program takes the home's lock file QUILLMAR.LCK (an flock, never waited for) before it touches
// anything there, and writes its process number and command line into it so that a second program can
// say who holds the folder.  The kernel drops the lock when the holder ends, however it ends, so a
// crash never leaves a home locked.
#pragma once

#include <string>

namespace quill {

inline constexpr const char* HomeLockFileName = "QUILLMAR.LCK";

class HomeLock {
 public:
  enum class State {
    Held,         // this object holds the home
    InUse,        // another program holds it; Holder() names it
    NotLockable,  // the folder's file system keeps no locks: the home is used without one
    Failed,       // the lock file could not be made; Error() says why
  };

  HomeLock() = default;
  explicit HomeLock(const std::string& homeDir);  // homeDir ends in a separator
  ~HomeLock();
  HomeLock(HomeLock&& other) noexcept;
  HomeLock& operator=(HomeLock&& other) noexcept;
  HomeLock(const HomeLock&) = delete;
  HomeLock& operator=(const HomeLock&) = delete;

  State state() const { return state_; }
  // The home may be used: held, or on a file system without locks.
  bool Usable() const { return state_ == State::Held || state_ == State::NotLockable; }
  // "process 1234 (quill run JOB.QLM)", or "another program" when the holder left no name yet.
  const std::string& Holder() const { return holder_; }
  const std::string& Error() const { return error_; }

 private:
  void Release();

  int fd_ = -1;
  State state_ = State::Failed;
  std::string holder_;
  std::string error_;
};

// The message of a home another program holds.
std::string HomeInUseText(const std::string& homeDir, const std::string& holder);

}  // namespace quill
