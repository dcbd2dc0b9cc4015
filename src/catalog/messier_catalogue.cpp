#include "src/catalog/messier_catalogue.h"

#include "src/catalog/catalogue_file.h"
#include "src/util/user_folder.h"

namespace {

// Field 4 is not used.
enum MessierField : std::size_t {
  Designation = 0,
  NgcIc = 1,
  CommonName = 2,
  ObjectType = 3,
  Constellation = 5,
  Magnitude = 6,
  DistanceLy = 7,
};
constexpr CatalogueKey MessierLayout{8, Designation};

}  // namespace

bool LookupMessierObject(std::wstring_view designation, MessierCatalogueRecord& record) {
  const auto fields = FindCatalogueRecord(PlanetariumUserFile(MessierCatCsv), MessierLayout, designation);
  if (!fields) return false;
  const std::vector<std::wstring>& field = *fields;
  record = {field[NgcIc],      field[DistanceLy], field[Constellation],
            field[CommonName], field[Magnitude],  field[ObjectType]};
  return true;
}
