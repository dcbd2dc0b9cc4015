// A date-time picker's format as fields: "HH:mm:ss" is hours, ":", minutes, ":", seconds. Each
// field shows one part of a SYSTEMTIME and steps it within that part's range.
#pragma once

#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace controls {

enum class FieldKind { Literal, Year, Month, Day, Hour24, Hour12, Minute, Second, AmPm };

struct DateTimeField {
  FieldKind kind = FieldKind::Literal;
  int letters = 1;    // "H" 1, "HH" 2, "yyyy" 4: how wide the number is shown
  std::wstring text;  // a literal's text
};

// Letters y M d H h m s t make fields, text in single quotes and any other character is
// shown as it is.
std::vector<DateTimeField> parse_date_time_format(const std::wstring& format);

bool is_editable(const DateTimeField& field);
int field_value(const DateTimeField& field, const SYSTEMTIME& time);
int field_minimum(const DateTimeField& field);
int field_maximum(const DateTimeField& field, const SYSTEMTIME& time);
// Sets the field's part; a day past the end of a new month moves back to its last day.
void set_field_value(const DateTimeField& field, SYSTEMTIME& time, int value);
// Steps the field's part by delta, wrapping round its range.
void step_field(const DateTimeField& field, SYSTEMTIME& time, int delta);
// How many digits a person types to fill the field.
int field_digits(const DateTimeField& field);
std::wstring field_text(const DateTimeField& field, const SYSTEMTIME& time);
std::wstring date_time_text(const std::vector<DateTimeField>& fields, const SYSTEMTIME& time);

int days_in_month(int year, int month);
// 0 Sunday to 6 Saturday.
int day_of_week(int year, int month, int day);
// A SYSTEMTIME whose parts are all within their ranges.
bool is_valid_time(const SYSTEMTIME& time);

}  // namespace controls
