#include "src/util/date_text.h"

#include <vector>

#include "src/util/split_string.h"

std::wstring FormatDateYMD(__time64_t time) {
  std::tm local{};
  int year = 0;
  int month = 0;
  int day = 0;
  if (_localtime64_s(&local, &time) == 0) {
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
  }
  return std::to_wstring(year) + L"/" + std::to_wstring(month) + L"/" + std::to_wstring(day);
}

bool ParseDateYMD(std::wstring_view text, DateYMDParts& parts) {
  std::vector<std::wstring> pieces;
  if (SplitString(text, L"/", pieces) < 3) return false;
  parts = {pieces[0], pieces[1], pieces[2]};
  return true;
}
