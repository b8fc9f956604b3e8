// The evaluator takes whatever an operator types: it must end every text with a value or a code.
#include <cstddef>
#include <cstdint>
#include <string>

#include "mathlib/expression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  quill::EvalOutcome r = quill::EvaluateFieldText(text);
  if (r.ok == !r.warning.empty()) __builtin_trap();
  return 0;
}
