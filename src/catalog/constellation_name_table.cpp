#include "src/catalog/constellation_name_table.h"

#include "src/catalog/constellation_name_rows.h"

void ConstellationNameTable::InitConstellationTable() {
  for (const ConstellationNameRow& row : WesternConstellationRows)
    rows_.emplace_back(row.begin(), row.end());
}

void ConstellationNameTable::AddConstellationEntry(const std::wstring& latin, const std::wstring& english,
                                                   const std::wstring& italian, const std::wstring& french,
                                                   const std::wstring& spanish, const std::wstring& turkish,
                                                   const std::wstring& chinese,
                                                   const std::wstring& transcription) {
  rows_.push_back({latin, english, italian, french, spanish, turkish, chinese, transcription});
}
