#include "platform/afx/stdio_file.h"

#include <cerrno>

#include "platform/afx/utf16_text.h"
#include "platform/win/crt_file_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr int EndOfTextMark = 0x1A;

// The stream's mode as the framework makes it from the open flags.
std::wstring StreamModeOf(UINT flags, bool text) {
  std::wstring mode;
  if ((flags & CFile::modeCreate) != 0)
    mode = (flags & CFile::modeNoTruncate) != 0 ? L"a" : L"w";
  else if ((flags & CFile::modeWrite) != 0)
    mode = L"a";
  else
    mode = L"r";
  if ((flags & CFile::modeReadWrite) != 0) mode += L"+";
  mode += text ? L"t" : L"b";
  return mode;
}

}  // namespace

CStdioFile::CStdioFile(LPCWSTR fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
  if (m_pStream != nullptr && m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCWSTR fileName, UINT openFlags, CFileException* error) {
  textMode_ = (openFlags & typeBinary) == 0;
  sawEndMark_ = false;
  if (!CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error)) return FALSE;
  int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(m_hFile), textMode_ ? _O_TEXT : _O_BINARY);
  m_pStream = fd < 0 ? nullptr : _wfdopen(fd, StreamModeOf(openFlags, textMode_).c_str());
  if (m_pStream == nullptr) {
    if (fd >= 0)
      _close(fd);
    else
      CFile::Abort();
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (error != nullptr) *error = CFileException(CFileException::tooManyOpenFiles, -1, m_strFileName);
    return FALSE;
  }
  return TRUE;
}

void CStdioFile::ThrowStreamError() const {
  int cause = errno == ENOSPC ? CFileException::diskFull : CFileException::genericException;
  AfxThrowFileException(cause, -1, m_strFileName);
}

int CStdioFile::NextByte() {
  if (sawEndMark_) return EOF;
  int c = std::fgetc(m_pStream);
  if (c == EndOfTextMark && textMode_) {
    sawEndMark_ = true;
    return EOF;
  }
  return c;
}

bool CStdioFile::ReadLineBytes(std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  while (bytes.size() < maxBytes) {
    int c = NextByte();
    if (c == EOF) break;
    bytes.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (std::ferror(m_pStream)) ThrowStreamError();
  return !bytes.empty();
}

BOOL CStdioFile::ReadString(std::wstring& line) {
  line.clear();
  bool read = false;
  if (textMode_) {
    for (int c = NextByte(); c != EOF; c = NextByte()) {
      read = true;
      if (c == '\n') break;
      line.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
  } else {
    unsigned char unit[2];
    while (std::fread(unit, 1, 2, m_pStream) == 2) {
      read = true;
      auto c = static_cast<char16_t>(unit[0] | (unit[1] << 8));
      if (c == u'\n') break;
      AppendUtf16Unit(line, c);
    }
  }
  if (std::ferror(m_pStream)) ThrowStreamError();
  return read;
}

void CStdioFile::WriteString(LPCWSTR text) {
  std::string bytes;
  if (textMode_) {
    for (const wchar_t* at = text; *at != L'\0'; ++at)
      bytes.push_back(static_cast<unsigned>(*at) <= 0xFF ? static_cast<char>(*at) : '?');
  } else {
    bytes = ToUtf16LeBytes(text);
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_pStream) != bytes.size()) ThrowStreamError();
}

UINT CStdioFile::Read(void* buffer, UINT count) {
  std::size_t got = 0;
  auto* bytes = static_cast<unsigned char*>(buffer);
  if (textMode_) {
    for (int c = 0; got < count && (c = NextByte()) != EOF;)
      bytes[got++] = static_cast<unsigned char>(c);
  } else {
    got = std::fread(buffer, 1, count, m_pStream);
  }
  if (std::ferror(m_pStream)) ThrowStreamError();
  return static_cast<UINT>(got);
}

void CStdioFile::Write(const void* buffer, UINT count) {
  if (std::fwrite(buffer, 1, count, m_pStream) != count) ThrowStreamError();
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from) {
  static constexpr int Origins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (from > end || std::fseek(m_pStream, static_cast<long>(offset), Origins[from]) != 0)
    AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
  sawEndMark_ = false;
  return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
  long position = std::ftell(m_pStream);
  if (position < 0) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::GetLength() const {
  std::fflush(m_pStream);
  return CFile::GetLength();
}

void CStdioFile::Flush() {
  if (m_pStream != nullptr && std::fflush(m_pStream) != 0) ThrowStreamError();
}

void CStdioFile::Close() {
  bool closed = m_pStream == nullptr || std::fclose(m_pStream) == 0;
  m_pStream = nullptr;
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!closed) ThrowStreamError();
}

void CStdioFile::Abort() {
  if (m_pStream != nullptr) std::fclose(m_pStream);
  m_pStream = nullptr;
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
}
