// What the keypad's keys do to the date and time it shows: fifteen digits (five of the year, two
// each of month, day, hours, minutes and seconds), the sign of a year before the common era and
// the cursor under one digit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "src/util/calendar.h"

struct KeypadDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class KeypadEntry {
 public:
  static constexpr int DigitCount = 15;
  static constexpr int LastPosition = DigitCount - 1;
  // Where the year, month, day, hours, minutes and seconds begin.
  static constexpr std::array<int, 6> FieldStarts{0, 5, 7, 9, 11, 13};
  static constexpr int FirstTimePosition = 9;

  explicit KeypadEntry(const KeypadDateTime& shown);
  // The entry's texts as the keypad writes them; none when they are not of that form.
  static std::optional<KeypadDateTime> ReadTexts(std::wstring_view date, std::wstring_view time);

  void TypeDigit(int digit);
  void MoveLeft();
  void MoveRight();
  void MoveToField(int field);
  // Zeros from the cursor to the last second, only with the cursor on the time.
  void ZeroTime();
  // The sign of the year, unless the date shown does not exist or its year is 0.
  void ToggleEra();
  // One year, month or day up or down by the field under the cursor (a day for the time's).
  void Step(int direction);

  // The sign, when the year is negative, five year digits, "/", month, "/", day.
  std::wstring DateText() const;
  // Hours ":" minutes ":" seconds.
  std::wstring TimeText() const;

  int Cursor() const { return cursor_; }
  wchar_t Digit(int position) const { return digits_[static_cast<std::size_t>(position)]; }
  bool Negative() const { return negative_; }

 private:
  int Number(int first, int count) const;
  void WriteNumber(int first, int count, int value);
  int Year() const;
  // The day number of the date shown, when it is one the keypad may step from.
  std::optional<DayNumber> SteppableDay() const;
  void ShowDate(DayNumber day);

  std::array<wchar_t, DigitCount> digits_{};
  bool negative_ = false;
  int cursor_ = 0;
};
