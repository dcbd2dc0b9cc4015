#include "platform/afx/file.h"

#include <array>

#include "platform/win/file_api.h"
#include "platform/win/path_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

constexpr UINT AccessMask = 0x0003;
constexpr UINT ShareMask = 0x0070;

DWORD AccessOf(UINT flags) {
  switch (flags & AccessMask) {
    case CFile::modeWrite:
      return GENERIC_WRITE;
    case CFile::modeReadWrite:
      return GENERIC_READ | GENERIC_WRITE;
    default:
      return GENERIC_READ;
  }
}

DWORD ShareOf(UINT flags) {
  switch (flags & ShareMask) {
    case CFile::shareDenyWrite:
      return FILE_SHARE_READ;
    case CFile::shareDenyRead:
      return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
      return 0;
  }
}

DWORD DispositionOf(UINT flags) {
  if ((flags & CFile::modeCreate) == 0) return OPEN_EXISTING;
  return (flags & CFile::modeNoTruncate) != 0 ? OPEN_ALWAYS : CREATE_ALWAYS;
}

std::wstring FullPathOf(LPCWSTR fileName) {
  std::array<wchar_t, MAX_PATH * 4> full{};
  DWORD length = GetFullPathNameW(fileName, static_cast<DWORD>(full.size()), full.data(), nullptr);
  return length == 0 || length >= full.size() ? std::wstring(fileName) : std::wstring(full.data(), length);
}

}  // namespace

CFile::CFile(LPCWSTR fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCWSTR fileName, UINT openFlags, CFileException* error) {
  m_strFileName = FullPathOf(fileName);
  HANDLE file = CreateFileW(fileName, AccessOf(openFlags), ShareOf(openFlags), nullptr,
                            DispositionOf(openFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (error != nullptr) {
      auto osError = static_cast<LONG>(GetLastError());
      *error = CFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
    }
    return FALSE;
  }
  m_hFile = file;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

void CFile::ThrowLastError() const {
  auto osError = static_cast<LONG>(GetLastError());
  AfxThrowFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
  DWORD got = 0;
  if (count != 0 && !ReadFile(m_hFile, buffer, count, &got, nullptr)) ThrowLastError();
  return got;
}

void CFile::Write(const void* buffer, UINT count) {
  if (count == 0) return;
  DWORD written = 0;
  if (!WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError();
  // A short write means the disk filled up.
  if (written != count) AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(m_hFile, distance, &position, from)) ThrowLastError();
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(m_hFile, LARGE_INTEGER{}, &position, FILE_CURRENT)) ThrowLastError();
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG length) {
  Seek(static_cast<LONGLONG>(length), begin);
  if (!SetEndOfFile(m_hFile)) ThrowLastError();
}

void CFile::Flush() {
  if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile)) ThrowLastError();
}

void CFile::Close() {
  bool closed = m_hFile == hFileNull || CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!closed) ThrowLastError();
}

void CFile::Abort() {
  if (m_hFile != hFileNull) CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
}

std::wstring CFile::GetFileName() const {
  std::size_t slash = m_strFileName.find_last_of(L"\\/");
  return slash == std::wstring::npos ? m_strFileName : m_strFileName.substr(slash + 1);
}
