// One data-file reader (ROOFCALC_FUZZ_READER names it in data_readers.cpp) on arbitrary bytes.

#include <cstdint>
#include <string_view>

#include "data_readers.h"
#include "fuzz_check.h"

namespace {

const roofcalc::fuzz::DataReader* reader() {
  static const roofcalc::fuzz::DataReader* r = roofcalc::fuzz::findDataReader(ROOFCALC_FUZZ_READER);
  FUZZ_CHECK(r != nullptr, "no reader named " ROOFCALC_FUZZ_READER " in data_readers.cpp");
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  reader()->read(bytes, ",");
  reader()->read(bytes, ".");
  return 0;
}
