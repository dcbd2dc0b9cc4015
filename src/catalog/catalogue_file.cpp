#include "src/catalog/catalogue_file.h"

#include "platform/afx/stdio_file.h"
#include "src/util/compare_no_case.h"
#include "src/util/split_string.h"

ScanResult ScanTextFile(const std::wstring& path,
                        const std::function<bool(const std::wstring& line)>& visit) {
  try {
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeText);
    for (std::wstring line; file.ReadString(line);)
      if (visit(line)) return ScanResult::Found;
  } catch (CFileException* error) {
    error->ReportError();
    error->Delete();
    return ScanResult::Unreadable;
  }
  return ScanResult::NotFound;
}

std::optional<std::vector<std::wstring>> FindCatalogueRecord(const std::wstring& path, CatalogueKey layout,
                                                             std::wstring_view key) {
  std::optional<std::vector<std::wstring>> found;
  ScanTextFile(path, [&](const std::wstring& line) {
    std::vector<std::wstring> fields;
    SplitString(line, L";", fields);
    if (fields.size() < layout.minimumFields) return true;  // a short line ends the file
    if (CompareTextNoCase(fields[layout.keyField], key) != 0) return false;
    found = std::move(fields);
    return true;
  });
  return found;
}
