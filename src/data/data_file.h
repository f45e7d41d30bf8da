#pragma once
// Finding and reading the installation data files (wind.txt, klimat.txt, materials.txt).
// A file is looked up by its bare name in the current directory first, then beside the
// executable, then in the installed data folder, so the program also works when started
// from a desktop menu. Readers themselves are pure functions of the bytes.

#include <filesystem>
#include <optional>
#include <string>

namespace roofcalc {

std::optional<std::filesystem::path> findDataFile(const std::string& name);

// The whole file, or nothing when no readable regular file of that name is found.
std::optional<std::string> readDataFile(const std::string& name);

}  // namespace roofcalc
