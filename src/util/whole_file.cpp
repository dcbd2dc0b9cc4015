#include "src/util/whole_file.h"

#include "platform/win/file_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr wchar_t NewFileSuffix[] = L".tmp";

bool WriteNewFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
            written == bytes.size();
  ok = CloseHandle(file) != FALSE && ok;
  return ok;
}

}  // namespace

WholeFileRead ReadWholeFile(const std::wstring& path, std::size_t largest, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return WholeFileRead::Unreadable;
  bytes.clear();
  char chunk[4096];
  DWORD got = 0;
  WholeFileRead result = WholeFileRead::Read;
  while (result == WholeFileRead::Read) {
    if (ReadFile(file, chunk, sizeof chunk, &got, nullptr) == FALSE)
      result = WholeFileRead::Unreadable;
    else if (got == 0)
      break;
    else if (bytes.append(chunk, got).size() > largest)
      result = WholeFileRead::TooLarge;
  }
  CloseHandle(file);
  return result;
}

bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes) {
  const std::wstring written = path + NewFileSuffix;
  if (WriteNewFile(written, bytes) && MoveFileExW(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    return true;
  DeleteFileW(written.c_str());
  return false;
}
