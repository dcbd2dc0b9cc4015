#include "platform/afx/file_exception.h"

#include <array>
#include <cwchar>

#include "platform/afx/win_app.h"
#include "platform/win/win_errors.h"

namespace {

struct CauseOfError {
  DWORD error;
  int cause;
};

constexpr std::array<CauseOfError, 13> CausesOfErrors{{
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_DISK_FULL, CFileException::diskFull},
}};

// Indexed by the cause; %s is the file's name.
constexpr std::array<const wchar_t*, 15> CauseTexts{
    L"No error occurred while accessing %s.",
    L"An unexpected error occurred while accessing %s.",
    L"%s was not found.",
    L"%s contains an invalid path.",
    L"%s could not be opened because there are too many open files.",
    L"Access to %s was denied.",
    L"An invalid file handle was associated with %s.",
    L"%s could not be removed because it is the current directory.",
    L"%s could not be created because the directory is full.",
    L"Seek failed on %s.",
    L"A hardware I/O error was reported while accessing %s.",
    L"A sharing violation occurred while accessing %s.",
    L"A locking violation occurred while accessing %s.",
    L"Disk full while accessing %s.",
    L"An attempt was made to access %s past its end.",
};

constexpr wchar_t UnnamedFile[] = L"an unnamed file";
constexpr wchar_t UnknownError[] = L"An unknown error has occurred.";
constexpr UINT LongestMessage = 1024;

BOOL CopyMessage(const std::wstring& message, LPWSTR error, UINT maxError) {
  if (error == nullptr || maxError == 0) return FALSE;
  std::size_t count = message.size() < maxError ? message.size() : maxError - 1;
  std::wmemcpy(error, message.data(), count);
  error[count] = L'\0';
  return TRUE;
}

}  // namespace

BOOL CException::GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext) const {
  if (helpContext != nullptr) *helpContext = 0;
  CopyMessage(L"", error, maxError);
  return FALSE;
}

int CException::ReportError(UINT type, UINT messageId) {
  std::array<wchar_t, LongestMessage> message{};
  if (GetErrorMessage(message.data(), LongestMessage)) return AfxMessageBox(message.data(), type);
  if (messageId != 0) return AfxMessageBox(messageId, type);
  return AfxMessageBox(UnknownError, type);
}

CFileException::CFileException(int cause, LONG osError, std::wstring fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

int CFileException::OsErrorToException(LONG osError) {
  for (const CauseOfError& known : CausesOfErrors)
    if (static_cast<LONG>(known.error) == osError) return known.cause;
  return genericException;
}

std::wstring CFileException::ErrorMessage() const {
  int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
  std::wstring text = CauseTexts[cause];
  std::wstring name = m_strFileName.empty() ? UnnamedFile : m_strFileName;
  return text.replace(text.find(L"%s"), 2, name);
}

BOOL CFileException::GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext) const {
  if (helpContext != nullptr) *helpContext = 0;
  return CopyMessage(ErrorMessage(), error, maxError);
}

void AfxThrowFileException(int cause, LONG osError, const std::wstring& fileName) {
  throw new CFileException(cause, osError, fileName);
}
