// The font harnesses' scratch folder.  The compiler and decompiler sync every file they finish, which
// costs a disk write per input; a RAM disk, where there is one, keeps thousands of inputs quick.
#pragma once

#include <unistd.h>

#include <cstdlib>

#include "test_support.h"

namespace quill::test {

inline TempDir& FontScratch() {
  static TempDir dir = [] {
    if (::access("/dev/shm", W_OK) == 0) ::setenv("TMPDIR", "/dev/shm", 1);
    return TempDir();
  }();
  return dir;
}

}  // namespace quill::test
