// Feeds arbitrary text to the readers of dates and times: the keypad's texts, OCconfig.ini's
// start date and time, and an event's date from the registry (the first line is the date, the
// rest the time). What the keypad reads it writes back as the same date and time; a start date or
// time read is read the same from its plain form; every date statement built compiles in the
// stand-in's script engine and sets a date of the form Orvenna reads.
#include <regex>
#include <string>

#include "peers/orvenna/script_syntax.h"
#include "src/app/sky/start_state_script.h"
#include "src/app/time/time_scripts.h"
#include "src/dialogs/keypad_entry.h"
#include "src/dialogs/options/advanced_settings.h"
#include "src/util/format_text.h"
#include "src/util/text_conversion.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr SYSTEMTIME kNow{2026, 12, 5, 11, 21, 30, 15, 0};

std::string utf8(const std::wstring& text) {
  std::string bytes;
  ToNarrowText(Utf8CodePage, text, bytes);
  return bytes;
}

// The one literal of a core.setDate statement, its value as the script sees it.
std::string date_set_by(const std::wstring& script) {
  const std::string text = utf8(script);
  require(!orvenna::script_syntax_error(text));
  const std::size_t open = text.find("core.setDate(");
  require(open != std::string::npos);
  const std::size_t start = open + std::string("core.setDate(").size();
  const std::size_t end = text.find('"', start + 1);
  const std::optional<std::string> value = orvenna::string_literal_value(text.substr(start, end + 1 - start));
  require(value.has_value());
  return *value;
}

void check_keypad(const std::wstring& date, const std::wstring& time) {
  const std::optional<KeypadDateTime> read = KeypadEntry::ReadTexts(date, time);
  if (!read) return;
  const KeypadEntry entry(*read);
  const std::optional<KeypadDateTime> again = KeypadEntry::ReadTexts(entry.DateText(), entry.TimeText());
  require(again && again->year == read->year && again->month == read->month && again->day == read->day &&
          again->hour == read->hour && again->minute == read->minute && again->second == read->second);
}

void check_entered(const std::wstring& date, const std::wstring& time) {
  const std::optional<EnteredDateTime> entered = CheckEnteredDateTime(date, time);
  if (!entered) return;
  static const std::regex shape("-?[0-9]{3,}-[0-9]{2,}-[0-9]{2,}T[0-9]{2}:[0-9]{2}:[0-9]{2}");
  for (bool local : {false, true})
    require(std::regex_match(date_set_by(SetDateScript(*entered, local)), shape));
}

void check_start(const std::wstring& date, const std::wstring& time) {
  static const std::regex shape(
      "now|[0-9]{5}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])T([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
  require(std::regex_match(date_set_by(StartDateStatement(date, time, kNow)), shape));
  if (const std::optional<SYSTEMTIME> day = ParseStartDate(date)) {
    const std::optional<SYSTEMTIME> again =
        ParseStartDate(FormatText(L"%d/%d/%d", day->wYear, day->wMonth, day->wDay));
    require(again && again->wYear == day->wYear && again->wMonth == day->wMonth && again->wDay == day->wDay);
  }
  const StartTimeParts parts = ParseStartTime(time);
  if (parts.error != 0) return;
  const StartTimeParts again =
      ParseStartTime(FormatText(L"%d:%d:%d", parts.hour, parts.minute, parts.second));
  require(again.error == 0 && again.hour == parts.hour && again.minute == parts.minute &&
          again.second == parts.second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  std::wstring text;
  ToWideText(Utf8CodePage, std::string_view(reinterpret_cast<const char*>(data), size), text);
  const std::size_t line_end = text.find(L'\n');
  const std::wstring date = text.substr(0, line_end);
  const std::wstring time = line_end == std::wstring::npos ? std::wstring() : text.substr(line_end + 1);
  check_keypad(date, time);
  check_entered(date, time);
  check_start(date, time);
  return 0;
}
