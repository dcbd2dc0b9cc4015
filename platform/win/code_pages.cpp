// MultiByteToWideChar and WideCharToMultiByte for UTF-8 and the Western code page 1252,
// through iconv.
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/code_page_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

std::optional<const char*> iconv_name(UINT code_page) {
  if (code_page == CP_ACP || code_page == CP_OEMCP) {
    desktop::DesktopThread* self = desktop::current_thread();
    code_page = self ? self->desktop().locale().ansi_code_page : 1252;
  }
  if (code_page == CP_UTF8) return "UTF-8";
  if (code_page == 1252) return "CP1252";
  return std::nullopt;
}

bool is_utf8(UINT code_page) {
  return code_page == CP_UTF8 || ((code_page == CP_ACP || code_page == CP_OEMCP) && iconv_name(code_page) &&
                                  std::strcmp(*iconv_name(code_page), "UTF-8") == 0);
}

// Converts one run; returns false on an invalid sequence in strict mode.
bool decode(const char* encoding, const char* text, std::size_t size, bool strict, std::wstring& out) {
  iconv_t converter = iconv_open("WCHAR_T", encoding);
  std::vector<wchar_t> buffer(size + 1);
  char* in = const_cast<char*>(text);
  std::size_t in_left = size;
  bool ok = true;
  while (in_left > 0) {
    char* at = reinterpret_cast<char*>(buffer.data());
    std::size_t out_left = buffer.size() * sizeof(wchar_t);
    std::size_t done = iconv(converter, &in, &in_left, &at, &out_left);
    out.append(buffer.data(), static_cast<std::size_t>(reinterpret_cast<wchar_t*>(at) - buffer.data()));
    if (done != static_cast<std::size_t>(-1)) break;
    if (strict) {
      ok = false;
      break;
    }
    // Code page 1252 leaves five bytes undefined; Windows gives them as the same code points.
    unsigned char byte = static_cast<unsigned char>(*in);
    out.push_back(std::strcmp(encoding, "CP1252") == 0 ? static_cast<wchar_t>(byte) : kReplacement);
    ++in;
    --in_left;
  }
  iconv_close(converter);
  return ok;
}

std::string encode(const char* encoding, const wchar_t* text, std::size_t size, char default_char,
                   bool& used_default) {
  iconv_t converter = iconv_open(encoding, "WCHAR_T");
  std::string out;
  std::vector<char> buffer(size * 4 + 4);
  char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text));
  std::size_t in_left = size * sizeof(wchar_t);
  while (in_left > 0) {
    char* at = buffer.data();
    std::size_t out_left = buffer.size();
    std::size_t done = iconv(converter, &in, &in_left, &at, &out_left);
    out.append(buffer.data(), static_cast<std::size_t>(at - buffer.data()));
    if (done != static_cast<std::size_t>(-1)) break;
    out.push_back(default_char);
    used_default = true;
    in += sizeof(wchar_t);
    in_left -= sizeof(wchar_t);
  }
  iconv_close(converter);
  return out;
}

template <typename Char>
int copy_out(const std::basic_string<Char>& converted, Char* out, int out_size) {
  const int needed = static_cast<int>(converted.size());
  if (out_size == 0) return needed;
  if (out == nullptr || out_size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(converted.begin(), converted.end(), out);
  return needed;
}

}  // namespace

UINT WINAPI GetACP() {
  desktop::DesktopThread* self = desktop::current_thread();
  return self ? self->desktop().locale().ansi_code_page : 1252;
}

UINT WINAPI GetOEMCP() {
  return 850;
}

int WINAPI MultiByteToWideChar(UINT code_page, DWORD flags, LPCSTR text, int size, LPWSTR out, int out_size) {
  auto encoding = iconv_name(code_page);
  if (!encoding) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (text == nullptr || size == 0 || size < -1 || out_size < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::size_t length = size == -1 ? std::strlen(text) + 1 : static_cast<std::size_t>(size);
  std::wstring converted;
  if (!decode(*encoding, text, length, (flags & MB_ERR_INVALID_CHARS) != 0, converted)) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  return copy_out(converted, out, out_size);
}

int WINAPI WideCharToMultiByte(UINT code_page, DWORD, LPCWSTR text, int size, LPSTR out, int out_size,
                               LPCSTR default_char, BOOL* used_default_char) {
  auto encoding = iconv_name(code_page);
  // UTF-8 never needs a default character, and Windows refuses one.
  if (!encoding || text == nullptr || size == 0 || size < -1 || out_size < 0 ||
      (is_utf8(code_page) && (default_char != nullptr || used_default_char != nullptr))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::size_t length = size == -1 ? std::wcslen(text) + 1 : static_cast<std::size_t>(size);
  bool used_default = false;
  std::string converted = encode(*encoding, text, length, default_char ? *default_char : '?', used_default);
  if (used_default_char != nullptr) *used_default_char = used_default;
  return copy_out(converted, out, out_size);
}
