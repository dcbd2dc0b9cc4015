#include "src/app/time/time_scripts.h"

#include <array>
#include <string_view>
#include <vector>

#include "src/link/script_literal.h"
#include "src/util/calendar.h"
#include "src/util/date_text.h"
#include "src/util/format_text.h"
#include "src/util/split_string.h"

namespace {

// The year is what comes before the date's first "-" after a sign, and the time what follows
// its "T", so that years before 1000 or after 9999 and before the common era keep their place.
constexpr wchar_t SeasonYearAndTime[] =
    L"var oggi = core.getDate();\rvar anno = oggi.substring(0, oggi.indexOf(\"-\", 1));\r"
    L"var ora = oggi.substring(oggi.indexOf(\"T\") + 1);";

constexpr std::array<const wchar_t*, 4> SeasonStatements{
    L"core.setDate(anno+\"-03-20T\"+ora, \"utc\");",
    L"core.setDate(anno+\"-09-23T\"+ora, \"utc\");",
    L"core.setDate(anno+\"-06-22T\"+ora, \"utc\");",
    L"core.setDate(anno+\"-12-22T\"+ora, \"utc\");",
};

constexpr wchar_t ShowDateTime[] =
    L"LabelMgr.deleteAllLabels();\r"
    L"  core.setFlagGravityLabels(true);\r"
    L"for (i=0; i<5; i++)\r{\r  date = core.getDate().split(\"T\");\r"
    L"  date[1] = date[1] + \" UTC\";\r"
    L"var x = core.getScreenWidth(); var y = core.getScreenHeight();"
    L"lab1 = LabelMgr.labelScreen(date[0],x/2-(y/2.25), y/2-((x/y)*3)-90,false,26,\"#ffffff\");"
    L"lab2 = LabelMgr.labelScreen(date[1],x/2+(y/2.25), y/2-((x/y)*3)+30,false,26,\"#ffffff\");\r"
    L"  LabelMgr.setLabelShow(lab1, true);\r"
    L"  LabelMgr.setLabelShow(lab2, true);\r"
    L"  core.wait(1);\r"
    L"  LabelMgr.setLabelShow(lab1, false);\r"
    L"  LabelMgr.setLabelShow(lab2, false);\r}\r\r"
    L"core.wait(1);\r"
    L"LabelMgr.deleteAllLabels();\r";

constexpr wchar_t LocalNowFormat[] = L"core.setDate(\"%d-%d-%dT%d:%d:%d\",\"local\");\r";

constexpr int HighestHour = 24;
constexpr int HighestMinuteOrSecond = 60;
// More digits than the keypad gives (a sign and five) mean the text is not its.
constexpr std::size_t LongestNumber = 6;

// Decimal digits with an optional leading "-", nothing else.
std::optional<int> ReadWholeNumber(std::wstring_view text) {
  const bool negative = !text.empty() && text.front() == L'-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > LongestNumber) return std::nullopt;
  int value = 0;
  for (wchar_t digit : text) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    value = value * 10 + (digit - L'0');
  }
  return negative ? -value : value;
}

std::optional<int> ReadTimePart(std::wstring_view text, int highest) {
  std::optional<int> value = ReadWholeNumber(text);
  if (!value || *value < 0 || *value > highest) return std::nullopt;
  return value;
}

std::wstring Padded(const std::wstring& text, std::size_t width) {
  if (text.size() >= width) return text;
  const std::optional<int> value = ReadWholeNumber(text);
  return FormatText(width == 4 ? L"%04d" : L"%02d", value.value_or(0));
}

}  // namespace

std::wstring SeasonDateScript(UINT commandId) {
  return std::wstring(SeasonYearAndTime) + SeasonStatements[commandId - FirstSeasonId];
}

std::wstring ShowDateTimeScript() {
  return ShowDateTime;
}

std::wstring LocalNowScript(const SYSTEMTIME& now) {
  return FormatText(LocalNowFormat, now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

std::optional<EnteredDateTime> CheckEnteredDateTime(const std::wstring& date, const std::wstring& time) {
  std::vector<std::wstring> parts;
  if (SplitString(time, L":", parts) != 3) return std::nullopt;
  const std::optional<int> hour = ReadTimePart(parts[0], HighestHour);
  const std::optional<int> minute = ReadTimePart(parts[1], HighestMinuteOrSecond);
  const std::optional<int> second = ReadTimePart(parts[2], HighestMinuteOrSecond);
  if (!hour || !minute || !second) return std::nullopt;

  if (!IsRealDate(date)) return std::nullopt;
  return EnteredDateTime{*hour, *minute, *second, date};
}

bool IsRealDate(const std::wstring& date) {
  DateYMDParts ymd;
  if (!ParseDateYMD(date, ymd)) return false;
  const std::optional<int> year = ReadWholeNumber(ymd.year);
  const std::optional<int> month = ReadWholeNumber(ymd.month);
  const std::optional<int> day = ReadWholeNumber(ymd.day);
  if (!year || !month || !day || *day < 1) return false;
  DayNumber number = InvalidDayNumber;
  DateFromParts(*month, *day, *year, number);
  return number != InvalidDayNumber && number <= LargestUsableDayNumber &&
         (number < FirstSkippedReformDay || number > LastSkippedReformDay);
}

std::wstring SetDateScript(const EnteredDateTime& entered, bool local) {
  DateYMDParts ymd;
  ParseDateYMD(entered.date, ymd);
  // An event's date comes from the registry as it was stored: it goes in as a literal.
  const std::wstring dateTime =
      FormatText(L"%s-%s-%sT%02d:%02d:%02d", Padded(ymd.year, 4).c_str(), Padded(ymd.month, 2).c_str(),
                 Padded(ymd.day, 2).c_str(), entered.hour, entered.minute, entered.second);
  return L"core.setDate(" + ScriptStringLiteral(dateTime) + L"," +
         ScriptStringLiteral(local ? L"local" : L"utc") + L");\r" + NormalRateScript;
}
