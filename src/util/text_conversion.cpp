#include "src/util/text_conversion.h"

#include <vector>

#include "platform/win/code_page_api.h"

namespace {

constexpr DWORD CompositeCheckAndSeparateChars = 0x220;
constexpr char MissingCharacter[] = "#";

UINT CodePageOf(int codePage) {
  return codePage == SystemCodePage ? GetACP() : static_cast<UINT>(codePage);
}

}  // namespace

int ToWideText(int codePage, std::string_view bytes, std::wstring& out) {
  if (bytes.empty()) return 0;
  UINT page = CodePageOf(codePage);
  DWORD flags = page == CP_UTF8 ? 0 : MB_PRECOMPOSED;
  auto size = static_cast<int>(bytes.size());
  int needed = MultiByteToWideChar(page, flags, bytes.data(), size, nullptr, 0);
  if (needed <= 0) return 0;
  std::vector<wchar_t> wide(static_cast<std::size_t>(needed));
  int count = MultiByteToWideChar(page, flags, bytes.data(), size, wide.data(), needed);
  if (count <= 0) return 0;
  out.assign(wide.data(), static_cast<std::size_t>(count));
  return count;
}

int ToNarrowText(int codePage, std::wstring_view text, std::string& out) {
  out.clear();
  if (text.empty()) return 0;
  UINT page = CodePageOf(codePage);
  bool utf8 = page == CP_UTF8;
  DWORD flags = utf8 ? 0 : CompositeCheckAndSeparateChars;
  const char* missing = utf8 ? nullptr : MissingCharacter;
  auto size = static_cast<int>(text.size());
  int needed = WideCharToMultiByte(page, flags, text.data(), size, nullptr, 0, missing, nullptr);
  if (needed <= 0) return 0;
  out.resize(static_cast<std::size_t>(needed));
  int count = WideCharToMultiByte(page, flags, text.data(), size, out.data(), needed, missing, nullptr);
  out.resize(static_cast<std::size_t>(count > 0 ? count : 0));
  return static_cast<int>(out.size());
}

int NarrowTextSize(int codePage, std::wstring_view text) {
  std::string narrow;
  return ToNarrowText(codePage, text, narrow) + 1;
}
