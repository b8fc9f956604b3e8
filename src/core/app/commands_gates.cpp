#include "app/commands_gates.h"

#include <filesystem>

#include "artwork/artwork_store.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool Require(Job& job, bool present, const char* message) {
  if (!present) job.ui.Inform(message);
  return present;
}

void RemoveIfPresent(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

bool RequireTextPath(Job& job) {
  return Require(job, job.flags.TextPathGenerated, "Text Path Has Not Been Generated Yet");
}

bool RequireArtwork(Job& job) {
  return Require(job, job.flags.ArtworkPresent, "Art File has not been Imported / Created Yet");
}

bool RequireToolPath(Job& job) {
  return Require(job, job.flags.ToolPathCreated, "Tool Path Has Not Been Created Yet");
}

bool DeleteCurrentText(Job& job) {
  if (!Require(job, job.flags.TextPathGenerated, "No Text to Delete")) return false;
  if (!job.ui.AskYesNo("Do you really want to Delete The Current Text")) return false;
  job.flags.TextPathGenerated = false;
  RemoveIfPresent(job.paths.TextPathFileName);
  return true;
}

bool ConvertToArtworkCommand(Job& job) {
  if (!RequireTextPath(job)) return false;
  BusyScope busy(job.ui);
  return ConvertTextPathToArtwork(job);
}

bool DeleteToolPath(Job& job) {
  if (!RequireToolPath(job)) return false;
  if (!job.ui.AskYesNo("Do you really want to Delete The Tool Path")) return false;
  job.flags.ToolPathCreated = false;
  RemoveIfPresent(job.paths.CLFileName);
  return true;
}

}  // namespace quill
