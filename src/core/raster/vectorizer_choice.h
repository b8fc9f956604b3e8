// Which vectorizer runs: the program's own quill-vectorize beside the executables, unless the
// preferences file names another program that reads the same parameter file.
//
// QUILLMAR.INI, section DEFAULTS:
//   VECTORIZER=/path/to/program        the vectorizer (empty or missing: quill-vectorize)
//   VECTORIZERTIMEOUT=600              seconds before a vectorizer that has not finished is stopped
#pragma once

#include <string>

namespace quill {

class Job;

inline constexpr const char* VectorizerKey = "VECTORIZER";
inline constexpr const char* VectorizerTimeoutKey = "VECTORIZERTIMEOUT";
inline constexpr const char* OwnVectorizer = "quill-vectorize";
inline constexpr int DefaultVectorizerTimeout = 600;

struct VectorizerChoice {
  std::string program;
  int timeoutSeconds = DefaultVectorizerTimeout;
};

// exeDir: the folder of the running executables, with its trailing separator.
VectorizerChoice ChooseVectorizer(const Job& job, const std::string& exeDir);

}  // namespace quill
