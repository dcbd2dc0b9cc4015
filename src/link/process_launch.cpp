#include "src/link/process_launch.h"

#include "platform/win/process_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

namespace {
constexpr DWORD LaunchFlags = 0x04000210;  // default error mode, new process group, new console
}

StartedProcess StartProgram(const std::wstring& exePath, std::wstring arguments) {
  if (!arguments.empty() && arguments.front() != L' ') arguments.insert(0, L" ");
  const std::size_t lastSlash = exePath.rfind(L'\\');
  const std::wstring fileName = lastSlash == std::wstring::npos ? exePath : exePath.substr(lastSlash + 1);
  const std::wstring folder = lastSlash == std::wstring::npos ? std::wstring() : exePath.substr(0, lastSlash);
  std::wstring commandLine = fileName + arguments;

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, LaunchFlags, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started))
    return {GetLastError(), 0};
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  return {0, started.dwProcessId};
}
