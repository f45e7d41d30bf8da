#include "data/material_catalogue.h"

#include "data/data_file.h"
#include "data/tokens.h"
#include "frame/text_encoding.h"

namespace roofcalc {

const Material* MaterialCatalogue::atListIndex(int index) const {
  if (index < static_cast<int>(kFixedItems)) return nullptr;
  const size_t k = static_cast<size_t>(index) - kFixedItems;
  return k < materials.size() ? &materials[k] : nullptr;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t begin = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(begin, i - begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.emplace_back(text.substr(begin));
  return lines;
}

namespace {

// Up to `count` white-space separated tokens of one line.
std::vector<std::string_view> lineTokens(std::string_view line, size_t count) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (tokens.size() < count) {
    while (i < line.size() && isDataSpace(line[i])) ++i;
    if (i == line.size()) break;
    const size_t begin = i;
    while (i < line.size() && !isDataSpace(line[i])) ++i;
    tokens.push_back(line.substr(begin, i - begin));
  }
  return tokens;
}

}  // namespace

MaterialCatalogue parseMaterialCatalogue(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  MaterialCatalogue catalogue;
  catalogue.lines = splitLines(decodeDataText(bytes));
  const auto& lines = catalogue.lines;
  for (size_t r = 0; r + 1 < lines.size(); r += 2) {
    if (catalogue.materials.size() == MaterialCatalogue::kCapacity) break;
    const auto tokens = lineTokens(lines[r + 1], 3);
    // A data line short of its three values has nothing sound to fill the gaps with.
    if (tokens.size() < 3) continue;
    catalogue.materials.push_back(
        {std::string(tokens[0]), std::string(tokens[1]), std::string(tokens[2])});
    catalogue.items.push_back(lines[r] + " (" + std::string(tokens[2]) + ")");
  }
  return catalogue;
}

bool loadMaterialCatalogue(MaterialCatalogue& catalogue, Messages& messages) {
  auto bytes = readDataFile(kMaterialsFileName);
  if (!bytes) {
    messages.push_back({MessageKind::Information, kMaterialsFileMissing});
    return false;
  }
  catalogue = parseMaterialCatalogue(*bytes);
  return true;
}

}  // namespace roofcalc
