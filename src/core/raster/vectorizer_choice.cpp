#include "raster/vectorizer_choice.h"

#include "job/job.h"
#include "project/preferences_file.h"
#include "project/profile.h"

namespace quill {

VectorizerChoice ChooseVectorizer(const Job& job, const std::string& exeDir) {
  ProfileFile ini(job.paths.IniFileName);
  VectorizerChoice choice;
  choice.program = ini.ReadString(DefaultsSection, VectorizerKey, "");
  if (choice.program.empty()) choice.program = exeDir + OwnVectorizer;
  int timeout = ini.ReadInt(DefaultsSection, VectorizerTimeoutKey, DefaultVectorizerTimeout);
  choice.timeoutSeconds = timeout > 0 ? timeout : DefaultVectorizerTimeout;
  return choice;
}

}  // namespace quill
