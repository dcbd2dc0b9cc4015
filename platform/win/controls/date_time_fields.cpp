#include "platform/win/controls/date_time_fields.h"

#include <algorithm>
#include <cwchar>

namespace controls {

namespace {

FieldKind kind_of_letter(wchar_t letter) {
  switch (letter) {
    case L'y':
      return FieldKind::Year;
    case L'M':
      return FieldKind::Month;
    case L'd':
      return FieldKind::Day;
    case L'H':
      return FieldKind::Hour24;
    case L'h':
      return FieldKind::Hour12;
    case L'm':
      return FieldKind::Minute;
    case L's':
      return FieldKind::Second;
    case L't':
      return FieldKind::AmPm;
    default:
      return FieldKind::Literal;
  }
}

void add_literal(std::vector<DateTimeField>& fields, const std::wstring& text) {
  if (text.empty()) return;
  if (!fields.empty() && fields.back().kind == FieldKind::Literal) {
    fields.back().text += text;
    return;
  }
  fields.push_back({FieldKind::Literal, 0, text});
}

WORD& part_of(FieldKind kind, SYSTEMTIME& time) {
  switch (kind) {
    case FieldKind::Year:
      return time.wYear;
    case FieldKind::Month:
      return time.wMonth;
    case FieldKind::Day:
      return time.wDay;
    case FieldKind::Minute:
      return time.wMinute;
    case FieldKind::Second:
      return time.wSecond;
    default:
      return time.wHour;
  }
}

}  // namespace

std::vector<DateTimeField> parse_date_time_format(const std::wstring& format) {
  std::vector<DateTimeField> fields;
  for (std::size_t at = 0; at < format.size();) {
    const wchar_t letter = format[at];
    if (letter == L'\'') {
      const std::size_t end = format.find(L'\'', at + 1);
      const std::size_t stop = end == std::wstring::npos ? format.size() : end;
      add_literal(fields, format.substr(at + 1, stop - at - 1));
      at = stop + 1;
      continue;
    }
    const FieldKind kind = kind_of_letter(letter);
    if (kind == FieldKind::Literal) {
      add_literal(fields, std::wstring(1, letter));
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < format.size() && format[end] == letter)
      ++end;
    fields.push_back({kind, static_cast<int>(end - at), {}});
    at = end;
  }
  return fields;
}

bool is_editable(const DateTimeField& field) {
  return field.kind != FieldKind::Literal;
}

int days_in_month(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month < 1 || month > 12) return 31;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

int day_of_week(int year, int month, int day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

bool is_valid_time(const SYSTEMTIME& time) {
  return time.wYear >= 1601 && time.wYear <= 9999 && time.wMonth >= 1 && time.wMonth <= 12 &&
         time.wDay >= 1 && time.wDay <= days_in_month(time.wYear, time.wMonth) && time.wHour < 24 &&
         time.wMinute < 60 && time.wSecond < 60;
}

int field_value(const DateTimeField& field, const SYSTEMTIME& time) {
  switch (field.kind) {
    case FieldKind::Hour12:
      return time.wHour % 12 == 0 ? 12 : time.wHour % 12;
    case FieldKind::AmPm:
      return time.wHour >= 12 ? 1 : 0;
    case FieldKind::Literal:
      return 0;
    default: {
      SYSTEMTIME copy = time;
      return part_of(field.kind, copy);
    }
  }
}

int field_minimum(const DateTimeField& field) {
  switch (field.kind) {
    case FieldKind::Year:
      return 1601;
    case FieldKind::Month:
    case FieldKind::Day:
    case FieldKind::Hour12:
      return 1;
    default:
      return 0;
  }
}

int field_maximum(const DateTimeField& field, const SYSTEMTIME& time) {
  switch (field.kind) {
    case FieldKind::Year:
      return 9999;
    case FieldKind::Month:
    case FieldKind::Hour12:
      return 12;
    case FieldKind::Day:
      return days_in_month(time.wYear, time.wMonth);
    case FieldKind::Hour24:
      return 23;
    case FieldKind::Minute:
    case FieldKind::Second:
      return 59;
    case FieldKind::AmPm:
      return 1;
    default:
      return 0;
  }
}

void set_field_value(const DateTimeField& field, SYSTEMTIME& time, int value) {
  value = std::clamp(value, field_minimum(field), field_maximum(field, time));
  switch (field.kind) {
    case FieldKind::Literal:
      return;
    case FieldKind::Hour12:
      time.wHour = static_cast<WORD>(value % 12 + (time.wHour >= 12 ? 12 : 0));
      return;
    case FieldKind::AmPm:
      time.wHour = static_cast<WORD>(time.wHour % 12 + (value == 1 ? 12 : 0));
      return;
    default:
      part_of(field.kind, time) = static_cast<WORD>(value);
  }
  time.wDay = static_cast<WORD>(std::min<int>(time.wDay, days_in_month(time.wYear, time.wMonth)));
  time.wDayOfWeek = static_cast<WORD>(day_of_week(time.wYear, time.wMonth, time.wDay));
}

void step_field(const DateTimeField& field, SYSTEMTIME& time, int delta) {
  if (!is_editable(field)) return;
  const int low = field_minimum(field);
  const int span = field_maximum(field, time) - low + 1;
  const int offset = ((field_value(field, time) - low + delta) % span + span) % span;
  set_field_value(field, time, low + offset);
}

int field_digits(const DateTimeField& field) {
  if (field.kind == FieldKind::Year) return field.letters >= 3 ? 4 : 2;
  return field.kind == FieldKind::AmPm ? 1 : 2;
}

std::wstring field_text(const DateTimeField& field, const SYSTEMTIME& time) {
  if (field.kind == FieldKind::Literal) return field.text;
  if (field.kind == FieldKind::AmPm) {
    const wchar_t* mark = field_value(field, time) == 1 ? L"PM" : L"AM";
    return field.letters == 1 ? std::wstring(1, mark[0]) : mark;
  }
  int value = field_value(field, time);
  int width = std::min(field.letters, 2);
  if (field.kind == FieldKind::Year) {
    width = field.letters >= 3 ? 4 : 2;
    if (width == 2) value %= 100;
  }
  wchar_t digits[8]{};
  std::swprintf(digits, 8, L"%0*d", width, value);
  return digits;
}

std::wstring date_time_text(const std::vector<DateTimeField>& fields, const SYSTEMTIME& time) {
  std::wstring text;
  for (const DateTimeField& field : fields)
    text += field_text(field, time);
  return text;
}

}  // namespace controls
