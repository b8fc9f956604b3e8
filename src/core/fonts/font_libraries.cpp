#include "fonts/font_libraries.h"

#include <dlfcn.h>

#include <optional>

namespace quill {

namespace {

#define QUILL_RESOLVE_FONT_CALL(name) ok &= (calls.name = reinterpret_cast<decltype(calls.name)>(dlsym(lib, #name))) != nullptr;

bool Resolve(void* lib, FreeTypeCalls& calls) {
  bool ok = true;
  QUILL_FREETYPE_CALLS(QUILL_RESOLVE_FONT_CALL)
  return ok;
}

bool Resolve(void* lib, FontconfigCalls& calls) {
  bool ok = true;
  QUILL_FONTCONFIG_CALLS(QUILL_RESOLVE_FONT_CALL)
  return ok;
}

#undef QUILL_RESOLVE_FONT_CALL

// The library stays open for the process: the calls point into it.
template <class Calls>
std::optional<Calls> Load(const char* soname) {
  void* lib = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  Calls calls;
  if (!lib || !Resolve(lib, calls)) return std::nullopt;
  return calls;
}

}  // namespace

const FreeTypeCalls* FreeType() {
  static const std::optional<FreeTypeCalls> calls = Load<FreeTypeCalls>("libfreetype.so.6");
  return calls ? &*calls : nullptr;
}

const FontconfigCalls* Fontconfig() {
  static const std::optional<FontconfigCalls> calls = Load<FontconfigCalls>("libfontconfig.so.1");
  return calls ? &*calls : nullptr;
}

}  // namespace quill
