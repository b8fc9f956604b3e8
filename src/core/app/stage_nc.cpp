// The unattended run's NC step: the NC-code generator is given the file name, shown (which picks the
// project's machine, else the default one) and started.
#include "app/stages.h"
#include "nc/nc_generator.h"

namespace quill {

StageStatus RunNcStage(Job& job, const std::string& ncFile) {
  NcGenerator generator(job);
  generator.Load();
  generator.SetNcFileName(ncFile);
  generator.Show();
  return generator.Start() ? StageStatus::Done : StageStatus::Failed;
}

}  // namespace quill
