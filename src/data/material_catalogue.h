#pragma once
// materials.txt: pairs of lines, a material's display name and then three tokens (conductivity
// for operating zone А, for zone Б, density). Everything is kept as text, exactly as written in
// the file: a conductivity is converted only when a calculation reads the field it was copied to.

#include <string>
#include <string_view>
#include <vector>

#include "frame/messages.h"

namespace roofcalc {

struct Material {
  std::string conductivityA;  // zone А (operating zone 0)
  std::string conductivityB;  // zone Б (operating zone 1)
  std::string density;
};

struct MaterialCatalogue {
  // The material lists begin with "нет" and "Пользовательский", and hold 1000 items in all.
  static constexpr size_t kFixedItems = 2;
  static constexpr size_t kCapacity = 998;

  std::vector<std::string> lines;   // the file's lines, as the window keeps them
  std::vector<std::string> items;   // "name (density)", one per material
  std::vector<Material> materials;  // materials[k] belongs to items[k], list index k + 2

  // The material at a list index, nullptr for the fixed items or an index past the catalogue.
  const Material* atListIndex(int index) const;
};

inline constexpr const char* kMaterialsFileName = "materials.txt";
inline constexpr const char* kMaterialsFileMissing = "Не найден файл материалов";

// Lines end in CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> splitLines(std::string_view text);

// Reads the bytes of a materials.txt. A pair whose data line holds fewer than three tokens is
// skipped, and so is a final name line without its data line; reading stops at 998 materials.
MaterialCatalogue parseMaterialCatalogue(std::string_view bytes);

// Looks the file up and reads it; false (with the plain message) when it is missing.
bool loadMaterialCatalogue(MaterialCatalogue& catalogue, Messages& messages);

}  // namespace roofcalc
