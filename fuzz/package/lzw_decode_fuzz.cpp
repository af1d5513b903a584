// Any bytes as a packed block: the decoder must return a result and never
// read or write outside its buffers; a success holds at most 30000 bytes.
#include <cstdlib>

#include "package/lzw_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LzwOutput out;
  const int32_t result = LzwDecode(data, static_cast<uint32_t>(size), &out);
  if (result == kLzwOk) {
    if (out.size == 0 || out.size > kLzwMaxUnpacked) std::abort();
    LzwFreeOutput(&out);
  } else if (result != kLzwTooShort && result != kLzwMalformed) {
    std::abort();
  }
  return 0;
}
