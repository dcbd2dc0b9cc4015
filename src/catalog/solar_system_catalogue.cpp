#include "src/catalog/solar_system_catalogue.h"

#include "src/catalog/catalogue_file.h"
#include "src/util/number_text.h"
#include "src/util/user_folder.h"

namespace {

constexpr CatalogueKey SolarSystemLayout{12, 0};

}  // namespace

bool LookupSolarSystemBody(std::wstring_view bodyName, SolarSystemBodyRecord& record) {
  const auto fields = FindCatalogueRecord(PlanetariumUserFile(SolarSystemCsv), SolarSystemLayout, bodyName);
  if (!fields) return false;
  const std::vector<std::wstring>& field = *fields;
  record = {field[1],
            ReadLeadingDecimal(field[5]),
            field[2],
            field[3],
            field[4],
            field[6],
            field[7],
            field[8],
            static_cast<int>(ReadLeadingInteger(field[9])),
            field[11],
            field[10]};
  return true;
}
