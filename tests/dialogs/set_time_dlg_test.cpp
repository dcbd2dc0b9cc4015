// The keypad run as the console runs it, in a program of the desktop, and used as the presenter
// uses it: clicks on its keys and presses of the keyboard's keys, then what its OK or Cancel
// leaves in the state record's date-time entry.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "platform/afx/afx.h"
#include "platform/driver/desktop_user.h"
#include "res/console_resources.h"
#include "src/dialogs/set_time_dlg.h"
#include "src/settings/date_time_entry.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr std::array<int, 15> DigitFields{11174, 11173, 11172, 11171, 11170, 11176, 11175, 11178,
                                          11177, 11193, 11192, 11195, 11194, 11197, 11196};
constexpr int SignField = 11095;
constexpr int UtcLabel = 11094;
constexpr int CursorMarker = 11191;
constexpr int DigitKey0 = 11105;
constexpr int CursorLeftKey = 11145;
constexpr int CursorRightKey = 11146;
constexpr int EraKey = 11147;
constexpr int YearKey = 11184;
constexpr int MonthKey = 11185;
constexpr int DayKey = 11186;
constexpr int HoursKey = 11187;
constexpr int MinutesKey = 11188;
constexpr int SecondsKey = 11189;
constexpr int ZeroTimeKey = 11198;
constexpr int UtcLocalKey = 11199;
constexpr int OkKey = 11211;
constexpr int CancelKey = 11096;

class SetTimeDlgTest : public DesktopTest {
 protected:
  // Opens the keypad on the state record as the test prepared it.
  void Open(const std::function<void(CConsoleState&)>& prepare = {}) {
    if (prepare) prepare(state);
    start_program(L"console.exe", [this] {
      SetModuleResources(&console_resources());
      CWinApp app(L"Console");
      CSetTimeDlg keypad(nullptr, state);
      result = keypad.DoModal();
      return DWORD{0};
    });
    machine.run_until_idle();
    ASSERT_NE(user.control(OkKey), nullptr);
  }
  void OpenOn(const wchar_t* date, const wchar_t* time, bool utc = true) {
    Open([&](CConsoleState& s) {
      SetDateTimeEntry(s, date, time, false);
      s.isUtc = utc;
    });
  }

  void Click(int id) { ASSERT_TRUE(user.click(id)) << id; }
  void Key(const char* name) { ASSERT_TRUE(user.key(name)) << name; }
  void ClickDigits(const std::string& digits) {
    for (char digit : digits)
      Click(DigitKey0 + (digit - '0'));
  }

  // What the keypad shows, written as its entry's texts: "-02025/03/14 21:30:00".
  std::wstring Shown() const {
    std::wstring shown = user.text_of(SignField);
    for (std::size_t position = 0; position < DigitFields.size(); ++position) {
      if (position == 5 || position == 7) shown += L'/';
      if (position == 9) shown += L' ';
      if (position == 11 || position == 13) shown += L':';
      shown += user.text_of(DigitFields[position]);
    }
    return shown;
  }

  // The digit under the cursor marker: the one whose field spans the marker's middle.
  int MarkedPosition() const {
    RECT marker{};
    ::GetWindowRect(user.control(CursorMarker), &marker);
    const LONG middle = (marker.left + marker.right) / 2;
    for (std::size_t position = 0; position < DigitFields.size(); ++position) {
      RECT field{};
      ::GetWindowRect(user.control(DigitFields[position]), &field);
      if (middle >= field.left && middle < field.right && marker.top >= field.bottom)
        return static_cast<int>(position);
    }
    return -1;
  }

  bool IsOpen() const { return !result.has_value(); }

  driver::DesktopUser user{machine};
  CConsoleState state;
  std::optional<INT_PTR> result;
};

TEST_F(SetTimeDlgTest, WithoutAnEntryTheKeypadShowsTheComputersLocalTimeInTheEntrysZone) {
  // The desktop starts at 12:00 UTC on 1 January 2026, 13:00 in its central European zone.
  Open();
  EXPECT_EQ(Shown(), L"02026/01/01 13:00:00");
  EXPECT_EQ(user.text_of(UtcLabel), L"UTC Format");
  EXPECT_EQ(MarkedPosition(), 0);
  for (const auto& [id, text] : {std::pair{11179, L"/"}, {11180, L"/"}, {11181, L":"}, {11182, L":"}})
    EXPECT_EQ(user.text_of(id), text);
}

TEST_F(SetTimeDlgTest, AnEntryBeforeTheCommonEraShowsItsSignApartFromItsFiveDigits) {
  OpenOn(L"-00500/03/20", L"06:07:08", false);
  EXPECT_EQ(Shown(), L"-00500/03/20 06:07:08");
  EXPECT_EQ(user.text_of(UtcLabel), L"Local Time");
}

TEST_F(SetTimeDlgTest, AnEntryNotInTheKeypadsFormGivesWayToTheClock) {
  const std::pair<const wchar_t*, const wchar_t*> entries[] = {{L"2025/3", L"21:30:00"},
                                                               {L"02025/03/14", L"21:30"},
                                                               {L"02025/0x/14", L"21:30:00"},
                                                               {L"123456/01/01", L"21:30:00"}};
  for (const auto& [date, time] : entries) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(date) + L" " + time));
    result.reset();
    OpenOn(date, time);
    EXPECT_EQ(Shown(), L"02026/01/01 13:00:00");
    Click(CancelKey);
  }
}

TEST_F(SetTimeDlgTest, TheFieldKeysAreCaptionedInTheRecordsLanguage) {
  Open([](CConsoleState& s) { s.language = 2; });
  EXPECT_EQ(user.text_of(YearKey), L"ANNÉE");
  EXPECT_EQ(user.text_of(SecondsKey), L"SECONDES");
}

TEST_F(SetTimeDlgTest, DigitsTypedOnTheKeysFillTheDateAndTimeAcrossTheSeparatorsAndOkStoresThem) {
  OpenOn(L"01999/12/31", L"23:59:59");
  ClickDigits("0202503");
  EXPECT_EQ(Shown(), L"02025/03/31 23:59:59");
  EXPECT_EQ(MarkedPosition(), 7);
  Click(YearKey);
  EXPECT_EQ(MarkedPosition(), 0);
  // Fifteen digits and one more: the last position takes both, the cursor stays on it.
  ClickDigits("0202503142130007");
  EXPECT_EQ(Shown(), L"02025/03/14 21:30:07");
  EXPECT_EQ(MarkedPosition(), 14);
  Click(OkKey);
  ASSERT_EQ(result, SetTimeStored);
  EXPECT_TRUE(state.entrySet);
  EXPECT_EQ(GetDateTimeEntryDate(state), L"02025/03/14");
  EXPECT_EQ(GetDateTimeEntryTime(state), L"21:30:07");
  EXPECT_TRUE(state.isUtc);
}

TEST_F(SetTimeDlgTest, TheCursorStopsAtBothEndsAndTheFieldKeysPutItOnTheirFirstDigit) {
  struct CursorCase {
    std::vector<int> keys;
    std::vector<const char*> keyboard;
    int marked;
  };
  const CursorCase cases[] = {
      {{CursorLeftKey, CursorLeftKey}, {}, 0},
      {{CursorRightKey, CursorRightKey, CursorLeftKey}, {}, 1},
      {{}, {"RIGHT", "RIGHT", "RIGHT", "LEFT"}, 2},
      {{MonthKey}, {}, 5},
      {{DayKey}, {}, 7},
      {{HoursKey}, {}, 9},
      {{MinutesKey}, {}, 11},
      {{SecondsKey, CursorRightKey, CursorRightKey, CursorRightKey}, {}, 14},
      {{SecondsKey}, {"RIGHT", "RIGHT", "LEFT"}, 13},
      {{DayKey, CursorLeftKey}, {}, 6},
  };
  Open();
  for (const CursorCase& c : cases) {
    Click(YearKey);
    for (int id : c.keys)
      Click(id);
    for (const char* name : c.keyboard)
      Key(name);
    EXPECT_EQ(MarkedPosition(), c.marked) << c.marked;
  }
}

TEST_F(SetTimeDlgTest, TheNumericKeypadsDigitsTypeAsTheKeysDoAndOtherKeysAreIgnored) {
  OpenOn(L"02000/01/01", L"00:00:00");
  for (const char* name :
       {"NUMPAD2", "NUMPAD0", "NUMPAD3", "NUMPAD1", "7", "A", "ESCAPE", "SPACE", "NUMPAD9"})
    Key(name);
  EXPECT_EQ(Shown(), L"20319/01/01 00:00:00");
  EXPECT_TRUE(IsOpen()) << "Escape does not close the keypad";
  Key("RETURN");
  EXPECT_EQ(result, SetTimeStored);
  EXPECT_EQ(GetDateTimeEntryDate(state), L"20319/01/01");
}

struct StepCase {
  const char* what;
  const wchar_t* date;
  const wchar_t* time;
  int fieldKey;
  int rights;  // cursor steps right from the field's first digit
  const char* key;
  int presses;
  const wchar_t* shown;
};

TEST_F(SetTimeDlgTest, PlusAndMinusStepTheFieldUnderTheCursorWithinTheCalendar) {
  const StepCase cases[] = {
      {"a second's digit steps the day, not the time", L"02025/12/31", L"23:59:59", SecondsKey, 1, "ADD", 1,
       L"02026/01/01 23:59:59"},
      {"an hour's digit steps back a day", L"02024/03/01", L"10:00:00", HoursKey, 0, "SUBTRACT", 1,
       L"02024/02/29 10:00:00"},
      {"a month keeps the day within the month", L"02021/01/31", L"12:00:00", MonthKey, 1, "ADD", 1,
       L"02021/02/28 12:00:00"},
      {"a year from 29 February", L"02020/02/29", L"12:00:00", YearKey, 4, "ADD", 1, L"02021/02/28 12:00:00"},
      {"from year -1 to 0 and 1, without a sign", L"-00001/06/15", L"12:00:00", YearKey, 0, "ADD", 2,
       L"00001/06/15 12:00:00"},
      {"from year 1 back to -1", L"00001/06/15", L"12:00:00", YearKey, 0, "SUBTRACT", 2,
       L"-00001/06/15 12:00:00"},
      {"up to the last year", L"99998/06/15", L"12:00:00", YearKey, 0, "ADD", 1, L"99999/06/15 12:00:00"},
      {"not past the last year", L"99999/06/15", L"12:00:00", DayKey, 0, "ADD", 1, L"99999/06/15 12:00:00"},
      {"down to the first year", L"-99997/06/15", L"12:00:00", YearKey, 0, "SUBTRACT", 1,
       L"-99998/06/15 12:00:00"},
      {"not before the first year", L"-99998/06/15", L"12:00:00", YearKey, 0, "SUBTRACT", 1,
       L"-99998/06/15 12:00:00"},
      {"not from a day February has not", L"02025/02/30", L"12:00:00", DayKey, 0, "ADD", 1,
       L"02025/02/30 12:00:00"},
      {"not from month 0", L"02025/00/10", L"12:00:00", DayKey, 0, "ADD", 1, L"02025/00/10 12:00:00"},
      {"not from a day the calendar reform skipped", L"01582/10/10", L"12:00:00", DayKey, 0, "ADD", 1,
       L"01582/10/10 12:00:00"},
      {"a day's step crosses the reform as the calendar did", L"01582/10/15", L"12:00:00", DayKey, 0,
       "SUBTRACT", 1, L"01582/10/04 12:00:00"},
      {"and forward again", L"01582/10/04", L"12:00:00", DayKey, 0, "ADD", 1, L"01582/10/15 12:00:00"},
      {"a year that lands on a skipped day stays", L"01581/10/10", L"12:00:00", YearKey, 0, "ADD", 1,
       L"01581/10/10 12:00:00"},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.what);
    result.reset();
    OpenOn(c.date, c.time);
    Click(c.fieldKey);
    for (int i = 0; i < c.rights; ++i)
      Click(CursorRightKey);
    for (int i = 0; i < c.presses; ++i)
      Key(c.key);
    EXPECT_EQ(Shown(), c.shown);
    Click(CancelKey);
    EXPECT_EQ(result, SetTimeCancelled);
  }
}

TEST_F(SetTimeDlgTest, TheEraKeyTurnsTheSignOfAnExistingDateWithAYear) {
  struct EraCase {
    const wchar_t* date;
    bool byKeyboard;
    const wchar_t* shown;
  };
  const EraCase cases[] = {
      {L"02025/03/14", false, L"-02025/03/14 12:00:00"}, {L"-02025/03/14", true, L"02025/03/14 12:00:00"},
      {L"00000/03/14", false, L"00000/03/14 12:00:00"},  {L"02025/02/30", true, L"02025/02/30 12:00:00"},
      {L"02025/13/01", false, L"02025/13/01 12:00:00"},
  };
  for (const EraCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.date)));
    result.reset();
    OpenOn(c.date, L"12:00:00");
    if (c.byKeyboard)
      Key("B");
    else
      Click(EraKey);
    EXPECT_EQ(Shown(), c.shown);
    Click(OkKey);
    EXPECT_EQ(GetDateTimeEntryDate(state), std::wstring(c.shown).substr(0, std::wstring(c.shown).find(L' ')));
  }
}

TEST_F(SetTimeDlgTest, TheZeroTimeKeyZerosFromTheCursorOnlyWithinTheTime) {
  OpenOn(L"02025/03/14", L"21:34:56");
  Click(MinutesKey);
  Key("Z");
  EXPECT_EQ(Shown(), L"02025/03/14 21:00:00");
  EXPECT_EQ(MarkedPosition(), 11);
  Click(HoursKey);
  Click(CursorRightKey);
  Click(ZeroTimeKey);
  EXPECT_EQ(Shown(), L"02025/03/14 20:00:00");
  Click(DayKey);
  Click(ZeroTimeKey);
  EXPECT_EQ(Shown(), L"02025/03/14 20:00:00");
}

TEST_F(SetTimeDlgTest, TheUtcSwitchIsStoredByOkAndForgottenByCancel) {
  struct SwitchCase {
    bool utc;
    int switches;
    int endKey;
    const wchar_t* label;
    bool storedUtc;
  };
  const SwitchCase cases[] = {
      {false, 0, OkKey, L"Local Time", false},   {true, 1, OkKey, L"Local Time", false},
      {false, 1, OkKey, L"UTC Format", true},    {false, 2, OkKey, L"Local Time", false},
      {true, 1, CancelKey, L"Local Time", true}, {false, 1, CancelKey, L"UTC Format", false},
  };
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.utc << " " << c.switches << " " << c.endKey);
    result.reset();
    OpenOn(L"02025/03/14", L"21:30:00", c.utc);
    for (int i = 0; i < c.switches; ++i)
      Click(UtcLocalKey);
    EXPECT_EQ(user.text_of(UtcLabel), c.label);
    Click(c.endKey);
    EXPECT_EQ(result, c.endKey == OkKey ? SetTimeStored : SetTimeCancelled);
    EXPECT_EQ(state.isUtc, c.storedUtc);
  }
}

TEST_F(SetTimeDlgTest, CancelLeavesTheEntryAsItWas) {
  OpenOn(L"02025/03/14", L"21:30:00");
  ClickDigits("1999");
  Click(CancelKey);
  EXPECT_EQ(result, SetTimeCancelled);
  EXPECT_EQ(GetDateTimeEntryDate(state), L"02025/03/14");
  EXPECT_EQ(GetDateTimeEntryTime(state), L"21:30:00");
  EXPECT_TRUE(state.entrySet);
}

TEST_F(SetTimeDlgTest, TheKeypadIsAlmostOpaqueOverTheDome) {
  Open();
  HWND keypad = user.target_window();
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(keypad, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 242);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
}

}  // namespace
