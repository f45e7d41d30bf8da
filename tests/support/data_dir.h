#pragma once
// A fresh temporary folder, made the current one for the life of the object, as the folder a
// user starts the program in: with copies of the shipped data files, or empty.

#include <filesystem>
#include <string>
#include <string_view>

namespace roofcalc::check {

class DataDir {
 public:
  enum Contents { kEmpty, kShippedData };
  explicit DataDir(Contents contents = kShippedData);
  ~DataDir();
  DataDir(const DataDir&) = delete;
  DataDir& operator=(const DataDir&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  void write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

}  // namespace roofcalc::check
