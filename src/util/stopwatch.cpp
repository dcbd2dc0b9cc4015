#include "src/util/stopwatch.h"

#include "platform/win/time_api.h"

namespace {

constexpr double HundredNanosecondsPerMillisecond = 10000.0;

ULONGLONG AsCount(const FILETIME& time) {
  return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

}  // namespace

double MillisecondsSince(const SYSTEMTIME& start) {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  FILETIME nowTime{};
  FILETIME startTime{};
  if (!SystemTimeToFileTime(&now, &nowTime) || !SystemTimeToFileTime(&start, &startTime)) return 0;
  ULONGLONG later = AsCount(nowTime);
  ULONGLONG earlier = AsCount(startTime);
  return later > earlier ? static_cast<double>(later - earlier) / HundredNanosecondsPerMillisecond : 0;
}
