#include "program_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>

#include "app/home.h"

#ifndef QUILL_MODULE_DIR
#define QUILL_MODULE_DIR "../lib/quillmark"
#endif

namespace quill::cli {

namespace {

using Entry = int (*)(int, char**);

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::vector<std::string> ModuleCandidates(const std::string& exeDir, const std::string& module) {
  return {exeDir + module, exeDir + QUILL_MODULE_DIR "/" + module};
}

int RunProgramModule(const char* program, const std::string& module, const char* entry, int argc, char** argv) {
  const std::vector<std::string> candidates = ModuleCandidates(ExecutableDir(), module);
  std::string why = "not found in " + candidates[0] + " nor in " + candidates[1];
  for (const auto& path : candidates) {
    if (!IsFile(path)) continue;
    // RTLD_LOCAL: the module keeps its own copy of the core to itself.  It stays loaded until the
    // process ends, as its Qt libraries expect.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      why = dlerror();
      break;
    }
    if (auto run = reinterpret_cast<Entry>(dlsym(handle, entry))) return run(argc, argv);
    why = path + " has no entry " + entry;
    break;
  }
  std::fprintf(stderr, "%s: cannot load the module %s (%s); reinstall the program\n", program, module.c_str(),
               why.c_str());
  return 1;
}

int RunProgramModule(const char* program, const std::string& module, const char* entry,
                     const std::vector<std::string>& argv) {
  std::vector<std::string> words = argv;
  std::vector<char*> pointers;
  for (auto& w : words) pointers.push_back(w.data());
  pointers.push_back(nullptr);
  return RunProgramModule(program, module, entry, static_cast<int>(words.size()), pointers.data());
}

}  // namespace quill::cli
