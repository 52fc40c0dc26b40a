// The condition-file reader on arbitrary bytes: refused or accepted, and an
// accepted file written back reads as the same inputs.

#include <cstdlib>
#include <string_view>

#include "twostar/condition_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const twostar::ConditionFileResult first = twostar::parseConditionFile(text);
  if (!first.conditions) {
    if (first.error.problem.empty()) std::abort();
    return 0;
  }
  const twostar::ConditionFileResult again = twostar::parseConditionFile(twostar::writeConditionFile(*first.conditions));
  if (!again.conditions || !(*again.conditions == *first.conditions)) std::abort();
  return 0;
}
