// The console's catalogue of Messier and NGC objects in Orvenna's user folder, messier_cat.csv.
#pragma once

#include <string>
#include <string_view>

struct MessierCatalogueRecord {
  std::wstring ngcIc;
  std::wstring distanceLy;
  std::wstring constellation;  // Latin name
  std::wstring commonName;
  std::wstring magnitude;
  std::wstring objectType;
};

// True, with the record filled, when a line's designation (M31) equals the one asked for
// without regard to case.
bool LookupMessierObject(std::wstring_view designation, MessierCatalogueRecord& record);
