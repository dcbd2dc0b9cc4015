// The framework's buffered file over a C runtime stream. In text mode CR LF reads as LF and
// Ctrl-Z ends the file, and each byte is one character; in binary mode text is UTF-16LE.
#pragma once

#include <cstdio>
#include <string>

#include "platform/afx/file.h"

class CStdioFile : public CFile {
 public:
  CStdioFile() = default;
  // Opens at once; throws the open's CFileException when it fails.
  CStdioFile(LPCWSTR fileName, UINT openFlags);
  ~CStdioFile() override;

  BOOL Open(LPCWSTR fileName, UINT openFlags, CFileException* error = nullptr) override;
  // The next line without its "\n"; false at the end of the file.
  virtual BOOL ReadString(std::wstring& line);
  // Text mode writes one byte per character ("?" for those above U+00FF) and "\n" as CR LF.
  virtual void WriteString(LPCWSTR text);

  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(LONGLONG offset, UINT from) override;
  ULONGLONG GetPosition() const override;
  ULONGLONG GetLength() const override;
  void Flush() override;
  void Close() override;
  void Abort() override;

  std::FILE* m_pStream = nullptr;

 protected:
  bool IsTextMode() const { return textMode_; }
  // Bytes up to and including a line feed, at most maxBytes of them, as fgets reads them
  // (and in text mode stopping for good at Ctrl-Z); false when nothing was left to read.
  bool ReadLineBytes(std::string& bytes, std::size_t maxBytes);

 private:
  [[noreturn]] void ThrowStreamError() const;
  // Reads one byte; EOF at the end, also after Ctrl-Z in text mode.
  int NextByte();

  bool textMode_ = true;
  bool sawEndMark_ = false;
};
