// The framework's folder search: FindFile starts it, and each FindNextFile steps to the next
// match and says whether another one follows it.
#pragma once

#include <optional>
#include <string>

#include "platform/win/file_api.h"

class CFileFind {
 public:
  CFileFind() = default;
  ~CFileFind();
  CFileFind(const CFileFind&) = delete;
  CFileFind& operator=(const CFileFind&) = delete;

  // "*.*" when no name is given; false when nothing matches.
  BOOL FindFile(LPCWSTR name = nullptr, DWORD unused = 0);
  // Moves to the next match; false when that match is the last one.
  BOOL FindNextFile();
  void Close();

  std::wstring GetFileName() const;
  std::wstring GetFilePath() const;
  // The name without its extension.
  std::wstring GetFileTitle() const;
  ULONGLONG GetLength() const;
  BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
  BOOL IsDots() const;
  BOOL MatchesMask(DWORD mask) const;

 private:
  HANDLE search_ = nullptr;
  std::wstring root_;  // the folder of the pattern, with its backslash
  std::optional<WIN32_FIND_DATAW> found_;
  std::optional<WIN32_FIND_DATAW> next_;
};
