// quill format CODE LEFT RIGHT VALUE: a numeric word body as the post-processor writes it.
#include <charconv>
#include <cstdio>
#include <optional>

#include "cli_args.h"
#include "commands.h"
#include "mathlib/number_text.h"
#include "nc/format_number.h"

namespace quill::cli {

namespace {

std::optional<int> WholeNumber(const std::string& text) {
  int v = 0;
  const char* end = text.data() + text.size();
  auto res = std::from_chars(text.data(), end, v);
  if (res.ec != std::errc() || res.ptr != end) return std::nullopt;
  return v;
}

}  // namespace

int CmdFormat(const Words& words) {
  if (words.size() != 4) return UsageError("four values are needed", FormatUsage);
  auto code = WholeNumber(words[0]), left = WholeNumber(words[1]), right = WholeNumber(words[2]);
  auto value = StrictToDouble(words[3]);
  if (!code || !left || !right) return UsageError("CODE, LEFT and RIGHT are whole numbers", FormatUsage);
  if (!value) return UsageError("VALUE is not a number: " + words[3], FormatUsage);
  std::printf("%s\n", FormatNumber(*code, *left, *right, *value).c_str());
  return ExitOk;
}

}  // namespace quill::cli
