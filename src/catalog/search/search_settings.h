// What the search reads from OCconfig.ini's [search] section.
#pragma once

#include <string>

struct SearchSettings {
  // Names matched and shown in Latin rather than in the interface language.
  bool useLatinNames = false;
  bool westernCulture = true;
  std::wstring cultureName;  // the sky culture's folder name
};

// useYourOwnLanguage: Latin unless it is "true" or "on", the interface language when missing.
// SkyCulture: western when missing or empty.
SearchSettings ReadSearchSettings();
