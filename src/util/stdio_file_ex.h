// The console's text files: UTF-16LE with a byte-order mark, or 8-bit text in a code page
// (UTF-8 included). What it writes goes to the file's handle byte for byte, without the
// stream's line-end translation.
#pragma once

#include <string>

#include "platform/afx/stdio_file.h"
#include "src/util/text_conversion.h"

class CStdioFileEx : public CStdioFile {
 public:
  // WriteString writes UTF-16LE with a byte-order mark instead of converting to the code page.
  static constexpr UINT modeWriteUnicode = 0x20000;

  CStdioFileEx() = default;
  // Opens at once through the base class; throws its CFileException when that fails.
  CStdioFileEx(LPCWSTR path, UINT openFlags);

  // A text file opened only for reading is read as UTF-16LE when it starts with FF FE.
  BOOL Open(LPCWSTR path, UINT openFlags, CFileException* error = nullptr) override;
  // A line without its line end; an 8-bit line longer than 4095 bytes comes in pieces.
  BOOL ReadString(std::wstring& line) override;
  void WriteString(LPCWSTR text) override;

  bool isUnicode = false;
  UINT openFlags = 0;
  int codePage = SystemCodePage;
};

// True when the file's first two bytes are FF FE.
bool IsFileUnicode(const std::wstring& path);
