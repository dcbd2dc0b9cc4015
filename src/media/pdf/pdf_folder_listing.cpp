#include "src/media/pdf/pdf_folder_listing.h"

#include <functional>

#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr wchar_t ParentRowName[] = L"..";
constexpr wchar_t ParentRowSize[] = L"prev. folder";
constexpr wchar_t SubFolderSize[] = L"(FOLDER)";
constexpr wchar_t KiloBytes[] = L" KByte";

bool IsFolder(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDots(const WIN32_FIND_DATAW& found) {
  std::wstring_view name = found.cFileName;
  return name == L"." || name == L"..";
}

void ForEachMatch(const std::wstring& search, const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
  WIN32_FIND_DATAW found{};
  HANDLE handle = FindFirstFileW(search.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return;
  do {
    if (!IsDots(found)) visit(found);
  } while (FindNextFileW(handle, &found));
  FindClose(handle);
}

std::wstring SizeText(const WIN32_FIND_DATAW& found) {
  const unsigned long long bytes =
      (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  return std::to_wstring(bytes / 1024) + KiloBytes;
}

}  // namespace

std::vector<PdfListRow> ListPdfFolder(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<PdfListRow> rows{{PdfRowKind::ParentFolder, ParentRowName, ParentRowSize}};
  ForEachMatch(folder + L"\\*", [&rows](const WIN32_FIND_DATAW& found) {
    if (IsFolder(found))
      rows.push_back({PdfRowKind::SubFolder, SubFolderMark + std::wstring(found.cFileName), SubFolderSize});
  });
  ForEachMatch(folder + L"\\" + pattern, [&rows](const WIN32_FIND_DATAW& found) {
    rows.push_back({PdfRowKind::Document, found.cFileName, SizeText(found)});
  });
  return rows;
}

bool ParentPdfFolder(const std::wstring& folder, std::wstring& parent) {
  const std::size_t slash = folder.rfind(L'\\');
  if (slash == std::wstring::npos || slash == 0) return false;
  parent = folder.substr(0, slash);
  return true;
}

std::wstring PdfRowPath(const std::wstring& folder, const PdfListRow& row) {
  const std::size_t mark = row.kind == PdfRowKind::SubFolder ? std::size(SubFolderMark) - 1 : 0;
  return folder + L"\\" + row.name.substr(mark);
}
