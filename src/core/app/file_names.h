// File-name helpers of the shell.
#pragma once

#include <string>

namespace quill {

// The name with its extension replaced: when the last path component holds a ".", everything after
// the last "." becomes ext; otherwise "." and ext are appended.  An empty name stays empty.
std::string ForceExtension(const std::string& name, const std::string& ext);

// The extension with its dot, upper-cased (".QLM"); empty when the last component has none.
std::string UpperExtension(const std::string& name);

}  // namespace quill
