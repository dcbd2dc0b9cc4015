#include "src/dialogs/keypad_entry.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "src/util/split_string.h"

namespace {

constexpr int YearDigits = 5;
constexpr int PairDigits = 2;
constexpr int YearAt = 0;
constexpr int MonthAt = 5;
constexpr int DayAt = 7;
constexpr int HourAt = 9;
constexpr int MinuteAt = 11;
constexpr int SecondAt = 13;
constexpr int HighestYearToStepUp = 99998;
constexpr int LowestYearToStepDown = -99997;

// A piece of one to maxDigits decimal digits.
std::optional<int> ReadNumber(std::wstring_view piece, std::size_t maxDigits) {
  if (piece.empty() || piece.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (wchar_t c : piece) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

bool InReformGap(DayNumber day) {
  return day >= FirstSkippedReformDay && day <= LastSkippedReformDay;
}

}  // namespace

KeypadEntry::KeypadEntry(const KeypadDateTime& shown) : negative_(shown.year < 0) {
  WriteNumber(YearAt, YearDigits, std::abs(shown.year));
  WriteNumber(MonthAt, PairDigits, shown.month);
  WriteNumber(DayAt, PairDigits, shown.day);
  WriteNumber(HourAt, PairDigits, shown.hour);
  WriteNumber(MinuteAt, PairDigits, shown.minute);
  WriteNumber(SecondAt, PairDigits, shown.second);
}

std::optional<KeypadDateTime> KeypadEntry::ReadTexts(std::wstring_view date, std::wstring_view time) {
  const bool negative = !date.empty() && date.front() == L'-';
  if (negative) date.remove_prefix(1);
  std::vector<std::wstring> dateParts;
  std::vector<std::wstring> timeParts;
  if (SplitString(date, L"/", dateParts) != 3 || SplitString(time, L":", timeParts) != 3) return std::nullopt;
  const auto year = ReadNumber(dateParts[0], YearDigits);
  const auto month = ReadNumber(dateParts[1], PairDigits);
  const auto day = ReadNumber(dateParts[2], PairDigits);
  const auto hour = ReadNumber(timeParts[0], PairDigits);
  const auto minute = ReadNumber(timeParts[1], PairDigits);
  const auto second = ReadNumber(timeParts[2], PairDigits);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  return KeypadDateTime{negative ? -*year : *year, *month, *day, *hour, *minute, *second};
}

void KeypadEntry::TypeDigit(int digit) {
  digits_[static_cast<std::size_t>(cursor_)] = static_cast<wchar_t>(L'0' + digit);
  MoveRight();
}

void KeypadEntry::MoveLeft() {
  cursor_ = std::max(cursor_ - 1, 0);
}

void KeypadEntry::MoveRight() {
  cursor_ = std::min(cursor_ + 1, LastPosition);
}

void KeypadEntry::MoveToField(int field) {
  cursor_ = FieldStarts[static_cast<std::size_t>(field)];
}

void KeypadEntry::ZeroTime() {
  if (cursor_ < FirstTimePosition) return;
  std::fill(digits_.begin() + cursor_, digits_.end(), L'0');
}

void KeypadEntry::ToggleEra() {
  DayNumber day = InvalidDayNumber;
  if (DateFromParts(Number(MonthAt, PairDigits), Number(DayAt, PairDigits), Year(), day) == InvalidDayNumber)
    return;
  if (Year() == 0) return;
  negative_ = !negative_;
}

void KeypadEntry::Step(int direction) {
  const std::optional<DayNumber> from = SteppableDay();
  if (!from) return;
  if (direction > 0 ? Year() > HighestYearToStepUp : Year() < LowestYearToStepDown) return;
  DayNumber day = *from;
  if (cursor_ < MonthAt) {
    AddYearsToDayNumber(direction, day);
  } else if (cursor_ < DayAt) {
    AddMonthsToDayNumber(day, direction);
  } else {
    day += direction;
    // A day's step crosses the calendar reform as the calendar did, from 4 to 15 October 1582.
    if (InReformGap(day)) day = direction > 0 ? LastSkippedReformDay + 1 : FirstSkippedReformDay - 1;
  }
  // A year or month that lands on a skipped day stays where it was.
  if (day == InvalidDayNumber || InReformGap(day)) return;
  ShowDate(day);
}

std::optional<DayNumber> KeypadEntry::SteppableDay() const {
  const int month = Number(MonthAt, PairDigits);
  if (month == 0) return std::nullopt;
  DayNumber day = InvalidDayNumber;
  if (DateFromParts(month, Number(DayAt, PairDigits), Year(), day) == InvalidDayNumber) return std::nullopt;
  if (InReformGap(day) || day > LargestUsableDayNumber) return std::nullopt;
  return day;
}

void KeypadEntry::ShowDate(DayNumber day) {
  const CalendarDate date = DayNumberToDate(day);
  negative_ = date.year < 0;
  WriteNumber(YearAt, YearDigits, std::abs(date.year));
  WriteNumber(MonthAt, PairDigits, date.month);
  WriteNumber(DayAt, PairDigits, date.day);
}

std::wstring KeypadEntry::DateText() const {
  std::wstring text = negative_ ? L"-" : L"";
  text.append(digits_.begin(), digits_.begin() + MonthAt);
  text += L'/';
  text.append(digits_.begin() + MonthAt, digits_.begin() + DayAt);
  text += L'/';
  text.append(digits_.begin() + DayAt, digits_.begin() + HourAt);
  return text;
}

std::wstring KeypadEntry::TimeText() const {
  std::wstring text(digits_.begin() + HourAt, digits_.begin() + MinuteAt);
  text += L':';
  text.append(digits_.begin() + MinuteAt, digits_.begin() + SecondAt);
  text += L':';
  text.append(digits_.begin() + SecondAt, digits_.end());
  return text;
}

int KeypadEntry::Number(int first, int count) const {
  int value = 0;
  for (int i = first; i < first + count; ++i)
    value = value * 10 + (digits_[static_cast<std::size_t>(i)] - L'0');
  return value;
}

void KeypadEntry::WriteNumber(int first, int count, int value) {
  for (int i = first + count - 1; i >= first; --i) {
    digits_[static_cast<std::size_t>(i)] = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  }
}

int KeypadEntry::Year() const {
  const int magnitude = Number(YearAt, YearDigits);
  return negative_ ? -magnitude : magnitude;
}
