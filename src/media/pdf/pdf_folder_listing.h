// The rows of the PDF list: a way up, the sub-folders and the PDF documents of one folder, each
// with the kind that decides what a double click on it does.
#pragma once

#include <string>
#include <vector>

enum class PdfRowKind { ParentFolder, SubFolder, Document };

struct PdfListRow {
  PdfRowKind kind;
  std::wstring name;  // column 0 as shown: "..", "(DIR) " + folder name, or the file name
  std::wstring size;  // column 1
};

inline constexpr wchar_t PdfPattern[] = L"*.pdf";
inline constexpr wchar_t SubFolderMark[] = L"(DIR) ";

// ".." first, then every sub-folder of folder, then the files matching pattern with their sizes
// in KiB; a folder that cannot be searched gives the ".." row alone.
std::vector<PdfListRow> ListPdfFolder(const std::wstring& folder, const std::wstring& pattern);
// The folder less its last component ("C:\docs\talks" gives "C:\docs"); none when there is no
// backslash after its first character.
bool ParentPdfFolder(const std::wstring& folder, std::wstring& parent);
// The folder of the list with the row's own name appended.
std::wstring PdfRowPath(const std::wstring& folder, const PdfListRow& row);
