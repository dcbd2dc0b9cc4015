#include "src/catalog/star_catalogue.h"

#include "src/catalog/catalogue_file.h"
#include "src/util/number_text.h"
#include "src/util/user_folder.h"

namespace {

// Field 0 is the star's constellation and field 4 its listed name, for the search lists.
enum StarField : std::size_t {
  Hip = 1,
  RightAscension = 5,
  Declination = 6,
  DistancePc = 7,
  AppMag = 11,
  AbsMag = 12,
  Spectrum = 13,
  Extra = 14,
};
constexpr CatalogueKey StarsLayout{15, Hip};

}  // namespace

bool LookupStarByHip(int hip, StarCatalogueRecord& record) {
  const auto fields =
      FindCatalogueRecord(PlanetariumUserFile(StarsCatCsv), StarsLayout, std::to_wstring(hip));
  if (!fields) return false;
  const std::vector<std::wstring>& field = *fields;
  record = {
      field[Hip],         field[DistancePc], field[RightAscension],
      field[Declination], field[AppMag],     field[AbsMag],
      field[Spectrum],    field[Extra],      ReadLeadingDecimal(field[DistancePc]) * LightYearsPerParsec};
  return true;
}
