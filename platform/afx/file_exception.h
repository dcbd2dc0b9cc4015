// The framework's exceptions: thrown by pointer, caught by the caller, reported and deleted.
#pragma once

#include <string>

#include "platform/win/win_types.h"

class CException {
 public:
  virtual ~CException() = default;
  // Frees an exception that was thrown with new.
  void Delete() { delete this; }
  virtual BOOL GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext = nullptr) const;
  // A message box with the error's text (or the text of messageId when it has none) through
  // AfxMessageBox; returns the button chosen.
  virtual int ReportError(UINT type = 0, UINT messageId = 0);
};

class CFileException : public CException {
 public:
  enum Cause {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
  };

  explicit CFileException(int cause = none, LONG osError = -1, std::wstring fileName = {});

  // The cause of a Win32 error code.
  static int OsErrorToException(LONG osError);
  // The message names the file and the cause.
  BOOL GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext = nullptr) const override;
  std::wstring ErrorMessage() const;

  int m_cause;
  LONG m_lOsError;
  std::wstring m_strFileName;
};

// Throws a new CFileException; the catcher deletes it.
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, const std::wstring& fileName = {});
