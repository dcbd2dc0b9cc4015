#include "src/catalog/star_catalogue_rows.h"

#include "src/catalog/catalogue_file.h"
#include "src/util/split_string.h"
#include "src/util/user_folder.h"

namespace {

constexpr std::size_t StarFields = 15;
enum StarField : std::size_t { Constellation = 0, Hip = 1, ListedName = 4 };

}  // namespace

std::vector<StarCatalogueRow> ReadStarCatalogueRows() {
  std::vector<StarCatalogueRow> rows;
  bool heading = true;
  ScanTextFile(PlanetariumUserFile(StarsCatCsv), [&](const std::wstring& line) {
    if (heading) {
      heading = false;
      return false;
    }
    std::vector<std::wstring> fields;
    SplitString(line, L";", fields);
    if (fields.size() != StarFields) return true;
    rows.push_back({fields[Constellation], fields[ListedName], fields[Hip]});
    return false;
  });
  return rows;
}
