// The framework's file: a file handle with reads, writes and seeks that throw a
// CFileException (by pointer) when they fail.
#pragma once

#include <string>

#include "platform/afx/file_exception.h"
#include "platform/win/win_types.h"

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };
  static const HANDLE hFileNull;

  CFile() = default;
  explicit CFile(HANDLE file) : m_hFile(file) {}
  // Opens at once; throws the open's CFileException when it fails.
  CFile(LPCWSTR fileName, UINT openFlags);
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // False when the file cannot be opened, with error filled when given.
  virtual BOOL Open(LPCWSTR fileName, UINT openFlags, CFileException* error = nullptr);
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  void SeekToBegin() { Seek(0, begin); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG length);
  virtual void Flush();
  virtual void Close();
  // Closes without throwing.
  virtual void Abort();

  std::wstring GetFilePath() const { return m_strFileName; }
  std::wstring GetFileName() const;
  operator HANDLE() const { return m_hFile; }

  HANDLE m_hFile = hFileNull;
  BOOL m_bCloseOnDelete = FALSE;

 protected:
  [[noreturn]] void ThrowLastError() const;

  std::wstring m_strFileName;
};
