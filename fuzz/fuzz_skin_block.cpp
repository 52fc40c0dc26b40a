// The skin block check on arbitrary bytes: a block is refused or read, and a
// read block encodes back to exactly the same bytes.

#include <cstdlib>
#include <vector>

#include "skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto look = twostar::skin::decodeSkinBlock(data, size);
  if (!look) return 0;
  const std::vector<unsigned char> again = twostar::skin::encodeSkinBlock(*look);
  if (again != std::vector<unsigned char>(data, data + size)) std::abort();
  return 0;
}
