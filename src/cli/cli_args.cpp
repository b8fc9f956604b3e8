#include "cli_args.h"

#include <cstdio>

namespace quill::cli {

std::string Args::Option(const std::string& name, const std::string& fallback) const {
  auto it = options.find(name);
  return it == options.end() ? fallback : it->second;
}

Args ParseArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions) {
  Args a;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() > 2 && w.rfind("--", 0) == 0) {
      std::string name = w.substr(2), value;
      bool inlineValue = false;
      if (auto eq = name.find('='); eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
        inlineValue = true;
      }
      if (name == "home" || valueOptions.count(name)) {
        if (!inlineValue) {
          if (i + 1 >= words.size()) {
            a.error = "--" + name + " needs a value";
            return a;
          }
          value = words[++i];
        }
        if (name == "home") {
          a.home = value;
        } else {
          a.options[name] = value;
        }
      } else {
        a.flags.insert(name);
      }
    } else {
      a.positional.push_back(w);
    }
  }
  return a;
}

int UsageError(const std::string& text, const std::string& usage) {
  std::fprintf(stderr, "quill: %s\nusage: %s\n", text.c_str(), usage.c_str());
  return ExitUsage;
}

}  // namespace quill::cli
