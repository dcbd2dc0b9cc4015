// The date text "year/month/day" that the registry's events and OCconfig.ini's start date keep.
#pragma once

#include <string>
#include <string_view>

#include "platform/win/time_api.h"

// The local date of a time (seconds since 1970, UTC) without leading zeros, as 2018/3/5.
std::wstring FormatDateYMD(__time64_t time);

struct DateYMDParts {
  std::wstring year;
  std::wstring month;
  std::wstring day;
};
// False for a text of fewer than three pieces; the pieces are left for the caller to read.
bool ParseDateYMD(std::wstring_view text, DateYMDParts& parts);
