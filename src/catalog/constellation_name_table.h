// The search dialog's constellation names: rows of eight names (Latin, English, Italian, French,
// Spanish, Turkish, Chinese characters, transcription) that the type-ahead matches.
#pragma once

#include <string>
#include <vector>

class ConstellationNameTable {
 public:
  using Row = std::vector<std::wstring>;

  // The western sky culture's 89 rows.
  void InitConstellationTable();
  void AddConstellationEntry(const std::wstring& latin, const std::wstring& english,
                             const std::wstring& italian, const std::wstring& french,
                             const std::wstring& spanish, const std::wstring& turkish,
                             const std::wstring& chinese, const std::wstring& transcription);
  const std::vector<Row>& rows() const { return rows_; }

 private:
  std::vector<Row> rows_;
};
