#include "platform/afx/file_find.h"

#include "platform/win/win_errors.h"

namespace {
constexpr wchar_t AllFiles[] = L"*.*";
}

CFileFind::~CFileFind() {
  Close();
}

BOOL CFileFind::FindFile(LPCWSTR name, DWORD) {
  Close();
  std::wstring pattern = name != nullptr ? name : AllFiles;
  std::size_t slash = pattern.find_last_of(L"\\/");
  root_ = slash == std::wstring::npos ? L"" : pattern.substr(0, slash + 1);
  WIN32_FIND_DATAW first{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &first);
  if (search == INVALID_HANDLE_VALUE) return FALSE;
  search_ = search;
  next_ = first;
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (!next_) return FALSE;
  found_ = next_;
  WIN32_FIND_DATAW following{};
  if (search_ != nullptr && ::FindNextFileW(search_, &following))
    next_ = following;
  else
    next_.reset();
  return next_.has_value();
}

void CFileFind::Close() {
  if (search_ != nullptr) FindClose(search_);
  search_ = nullptr;
  found_.reset();
  next_.reset();
}

std::wstring CFileFind::GetFileName() const {
  return found_ ? std::wstring(found_->cFileName) : std::wstring();
}

std::wstring CFileFind::GetFilePath() const {
  return found_ ? root_ + found_->cFileName : std::wstring();
}

std::wstring CFileFind::GetFileTitle() const {
  std::wstring name = GetFileName();
  std::size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

ULONGLONG CFileFind::GetLength() const {
  return found_ ? (ULONGLONG{found_->nFileSizeHigh} << 32) | found_->nFileSizeLow : 0;
}

BOOL CFileFind::IsDots() const {
  std::wstring name = GetFileName();
  return IsDirectory() && (name == L"." || name == L"..");
}

BOOL CFileFind::MatchesMask(DWORD mask) const {
  return found_ && (found_->dwFileAttributes & mask) != 0;
}
