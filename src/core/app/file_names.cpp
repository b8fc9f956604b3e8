#include "app/file_names.h"

#include "mathlib/number_text.h"

namespace quill {

namespace {

size_t LastComponentStart(const std::string& name) {
  size_t slash = name.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string ForceExtension(const std::string& name, const std::string& ext) {
  if (name.empty()) return name;
  size_t start = LastComponentStart(name);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot >= start) return name.substr(0, dot + 1) + ext;
  return name + "." + ext;
}

std::string UpperExtension(const std::string& name) {
  size_t start = LastComponentStart(name);
  size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || dot < start) return "";
  return UpperCased(name.substr(dot));
}

}  // namespace quill
