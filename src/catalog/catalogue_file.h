// Reading Orvenna's catalogue files as the lookups do: from the top on every call, line by line
// as plain 8-bit text, keeping nothing between calls and never writing.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The catalogue files of Orvenna's user folder.
inline constexpr std::wstring_view StarsCatCsv = L"stars_cat.csv";
inline constexpr std::wstring_view MessierCatCsv = L"messier_cat.csv";
inline constexpr std::wstring_view SolarSystemCsv = L"solar_system.csv";

enum class ScanResult { Found, NotFound, Unreadable };
// Each line without its line end, until the visitor returns true (found) or the file ends.
// A file that cannot be opened or read is reported in the framework's file-error box.
ScanResult ScanTextFile(const std::wstring& path, const std::function<bool(const std::wstring& line)>& visit);

struct CatalogueKey {
  std::size_t minimumFields;
  std::size_t keyField;
};
// The fields of the first ";"-separated line whose key field equals the key without regard to
// case. The first line with fewer fields than the minimum ends the file.
std::optional<std::vector<std::wstring>> FindCatalogueRecord(const std::wstring& path, CatalogueKey layout,
                                                             std::wstring_view key);
