#include "src/util/stdio_file_ex.h"

#include "platform/afx/utf16_text.h"

namespace {

constexpr unsigned char ByteOrderMark[] = {0xFF, 0xFE};
constexpr std::size_t LongestLineBytes = 4095;

void RemoveLineEnd(std::wstring& line) {
  if (line.size() >= 2 && line.compare(line.size() - 2, 2, L"\r\n") == 0)
    line.resize(line.size() - 2);
  else if (!line.empty() && (line.back() == L'\r' || line.back() == L'\n'))
    line.pop_back();
}

}  // namespace

bool IsFileUnicode(const std::wstring& path) {
  CFile file;
  // Shared, so that a file another program holds open is still recognised.
  if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return false;
  unsigned char start[2] = {};
  UINT got = 0;
  try {
    got = file.Read(start, sizeof start);
  } catch (CFileException* error) {
    error->Delete();
  }
  file.Abort();
  return got == sizeof start && start[0] == ByteOrderMark[0] && start[1] == ByteOrderMark[1];
}

CStdioFileEx::CStdioFileEx(LPCWSTR path, UINT flags) : CStdioFile(path, flags), openFlags(flags) {}

BOOL CStdioFileEx::Open(LPCWSTR path, UINT flags, CFileException* error) {
  isUnicode = false;
  if ((flags & typeText) != 0 && (flags & (modeCreate | modeWrite)) == 0) {
    isUnicode = IsFileUnicode(path);
    if (isUnicode) flags = (flags & ~typeText) | typeBinary;
  }
  openFlags = flags;
  return CStdioFile::Open(path, flags, error);
}

BOOL CStdioFileEx::ReadString(std::wstring& line) {
  bool read = false;
  if (isUnicode) {
    if (GetPosition() == 0) {
      unsigned char mark[2];
      CStdioFile::Read(mark, sizeof mark);
    }
    read = CStdioFile::ReadString(line);
  } else {
    std::string bytes;
    read = ReadLineBytes(bytes, LongestLineBytes);
    std::wstring converted;
    if (read && ToWideText(codePage, bytes, converted) > 0) line = converted;
  }
  if (read) RemoveLineEnd(line);
  return read;
}

void CStdioFileEx::WriteString(LPCWSTR text) {
  std::string bytes;
  if ((openFlags & modeWriteUnicode) != 0) {
    if (m_pStream == nullptr || CFile::GetPosition() == 0)
      bytes.assign(reinterpret_cast<const char*>(ByteOrderMark), sizeof ByteOrderMark);
    bytes += ToUtf16LeBytes(text);
  } else {
    ToNarrowText(codePage, text, bytes);
  }
  if (!bytes.empty()) CFile::Write(bytes.data(), static_cast<UINT>(bytes.size()));
}
