// VerifyVersionInfoW over the Windows version the desktop is set to report.
#include "platform/win/version_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

// Each type takes three bits of the condition mask, in the order of its flag's bit.
unsigned slot_of(DWORD type) {
  unsigned slot = 0;
  while (type > 1) {
    type >>= 1;
    ++slot;
  }
  return slot;
}

BYTE condition_for(ULONGLONG mask, DWORD type) {
  return static_cast<BYTE>((mask >> (slot_of(type) * 3)) & 0x7);
}

bool holds(long long actual, long long wanted, BYTE condition) {
  switch (condition) {
    case VER_EQUAL:
      return actual == wanted;
    case VER_GREATER:
      return actual > wanted;
    case VER_GREATER_EQUAL:
      return actual >= wanted;
    case VER_LESS:
      return actual < wanted;
    case VER_LESS_EQUAL:
      return actual <= wanted;
    default:
      return false;
  }
}

}  // namespace

ULONGLONG WINAPI VerSetConditionMask(ULONGLONG mask, DWORD type, BYTE condition) {
  for (DWORD bit = 1; bit <= VER_SERVICEPACKMAJOR; bit <<= 1)
    if (type & bit) mask |= static_cast<ULONGLONG>(condition & 0x7) << (slot_of(bit) * 3);
  return mask;
}

BOOL WINAPI VerifyVersionInfoW(OSVERSIONINFOEXW* wanted, DWORD type_mask, ULONGLONG condition_mask) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (wanted == nullptr || type_mask == 0 || condition_mask == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const desktop::WindowsVersion& actual = self->desktop().windows_version();
  // Major, minor and service pack compare as one version number, as Windows compares them.
  long long actual_version = 0;
  long long wanted_version = 0;
  BYTE version_condition = 0;
  const struct {
    DWORD type;
    long long actual;
    long long wanted;
  } parts[] = {{VER_MAJORVERSION, actual.major, wanted->dwMajorVersion},
               {VER_MINORVERSION, actual.minor, wanted->dwMinorVersion},
               {VER_SERVICEPACKMAJOR, actual.service_pack_major, wanted->wServicePackMajor}};
  for (const auto& part : parts) {
    if (!(type_mask & part.type)) continue;
    actual_version = actual_version * 100000 + part.actual;
    wanted_version = wanted_version * 100000 + part.wanted;
    if (version_condition == 0) version_condition = condition_for(condition_mask, part.type);
  }
  bool ok = version_condition == 0 || holds(actual_version, wanted_version, version_condition);
  if (type_mask & VER_BUILDNUMBER)
    ok = ok && holds(actual.build, wanted->dwBuildNumber, condition_for(condition_mask, VER_BUILDNUMBER));
  if (type_mask & VER_PLATFORMID)
    ok = ok &&
         holds(VER_PLATFORM_WIN32_NT, wanted->dwPlatformId, condition_for(condition_mask, VER_PLATFORMID));
  if (!ok) SetLastError(ERROR_OLD_WIN_VERSION);
  return ok;
}

BOOL WINAPI GetVersionExW(OSVERSIONINFOEXW* version) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || version == nullptr) return FALSE;
  const desktop::WindowsVersion& actual = self->desktop().windows_version();
  version->dwMajorVersion = actual.major;
  version->dwMinorVersion = actual.minor;
  version->dwBuildNumber = actual.build;
  version->dwPlatformId = VER_PLATFORM_WIN32_NT;
  version->szCSDVersion[0] = L'\0';
  if (version->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXW)) {
    version->wServicePackMajor = actual.service_pack_major;
    version->wServicePackMinor = 0;
  }
  return TRUE;
}
