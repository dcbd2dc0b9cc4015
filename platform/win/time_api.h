// The desktop's clock and calendar as Windows and its C runtime give them.
#pragma once

#include <ctime>

#include "platform/win/win_types.h"

using __time64_t = long long;
using errno_t = int;

DWORD WINAPI GetTickCount();
ULONGLONG WINAPI GetTickCount64();
void WINAPI GetLocalTime(SYSTEMTIME* time);
void WINAPI GetSystemTime(SYSTEMTIME* time);
void WINAPI GetSystemTimeAsFileTime(FILETIME* time);
BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* system_time, FILETIME* file_time);
BOOL WINAPI FileTimeToSystemTime(const FILETIME* file_time, SYSTEMTIME* system_time);
BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* file_time, FILETIME* local_file_time);
BOOL WINAPI LocalFileTimeToFileTime(const FILETIME* local_file_time, FILETIME* file_time);
DWORD WINAPI GetTimeZoneInformation(TIME_ZONE_INFORMATION* zone);

inline constexpr DWORD TIME_ZONE_ID_UNKNOWN = 0;
inline constexpr DWORD TIME_ZONE_ID_STANDARD = 1;
inline constexpr DWORD TIME_ZONE_ID_DAYLIGHT = 2;

__time64_t _time64(__time64_t* out);
errno_t _localtime64_s(std::tm* result, const __time64_t* time);
errno_t _gmtime64_s(std::tm* result, const __time64_t* time);
__time64_t _mktime64(std::tm* local);
