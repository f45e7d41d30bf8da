#pragma once
// The data-file readers under fuzzing. Each entry reads the fuzz input as the whole file, under
// the comma and under the point, and checks what its table may hold; a crash, a hang or a
// broken invariant is a finding. fuzz/CMakeLists.txt builds one fuzzer per entry
// (<name>_reader_fuzzer, seeds in fuzz/corpus/<name>_reader/).

#include <string_view>

namespace roofcalc::fuzz {

struct DataReader {
  const char* name;
  void (*read)(std::string_view bytes, std::string_view separator);
};

const DataReader* findDataReader(std::string_view name);

}  // namespace roofcalc::fuzz
