#include "src/settings/event_settings.h"

#include "tests/platform/desktop_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

using EventSettingsTest = DesktopTest;

// The desktop's clock starts at 2026-01-01 12:00 UTC, 13:00 in its central European zone.
constexpr wchar_t Today[] = L"2026/1/1";

struct ViewFlagsCase {
  std::vector<std::pair<const wchar_t*, DWORD>> stored;
  int result;
  EventViewFlags expected;
};

TEST_F(EventSettingsTest, ViewFlagsStopAtTheFirstMissingValue) {
  const EventViewFlags before{false, true, false, true};
  for (const ViewFlagsCase& c : {
           ViewFlagsCase{{{L"WantAtmo_2", 1}, {L"WantFog_2", 0}, {L"Autozoom_2", 5}, {L"Moon4x_2", 0}},
                         0,
                         {true, false, true, false}},
           ViewFlagsCase{
               {{L"WantAtmo_2", 1}, {L"WantFog_2", 0}, {L"Autozoom_2", 1}}, 0, {true, false, true, true}},
           ViewFlagsCase{
               {{L"WantAtmo_2", 1}, {L"Autozoom_2", 1}, {L"Moon4x_2", 0}}, -1, {true, true, false, true}},
           ViewFlagsCase{{{L"WantFog_2", 0}, {L"Autozoom_2", 1}}, -1, before},
       }) {
    RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
    for (const auto& [name, value] : c.stored)
      StoreValue(name, DwordValue(value));
    EventViewFlags flags = before;
    EXPECT_EQ(LoadEventViewFlags(1, flags), c.result) << c.stored.size();
    EXPECT_EQ(flags.atmosphere, c.expected.atmosphere) << c.stored.size();
    EXPECT_EQ(flags.fog, c.expected.fog) << c.stored.size();
    EXPECT_EQ(flags.autoZoom, c.expected.autoZoom) << c.stored.size();
    EXPECT_EQ(flags.moonScale, c.expected.moonScale) << c.stored.size();
  }
}

void StoreTarget(int number, bool withCenter, bool withName, DWORD body) {
  std::wstring n = std::to_wstring(number);
  StoreValue(L"WantTarget_" + n, DwordValue(1));
  StoreValue(L"DefaultTarget_" + n, DwordValue(0));
  if (withCenter) StoreValue(L"Center On Object " + n, DwordValue(1));
  StoreValue(L"DefPos_" + n, DwordValue(body));
  if (withName) StoreValue(L"TargetName_" + n, TextValue(L"Vega"));
}

void ExpectTarget(const EventTarget& target, bool want, bool byDefault, bool center, int body,
                  const wchar_t* name) {
  EXPECT_EQ(target.wantTarget, want);
  EXPECT_EQ(target.defaultTarget, byDefault);
  EXPECT_EQ(target.centerOnObject, center);
  EXPECT_EQ(target.body, body);
  EXPECT_EQ(target.name, name);
}

TEST_F(EventSettingsTest, TargetsTakeTheirDefaultsAsAWhole) {
  StoreTarget(1, true, true, 12);
  StoreTarget(2, false, true, 12);
  StoreTarget(3, true, false, 12);
  StoreTarget(4, true, true, 62);
  ExpectTarget(LoadEventTarget(0), true, false, true, 12, L"Vega");
  ExpectTarget(LoadEventTarget(1), false, true, true, 61, L"");
  ExpectTarget(LoadEventTarget(2), false, true, false, 61, L"");
  ExpectTarget(LoadEventTarget(3), true, false, true, 61, L"Vega");
  ExpectTarget(LoadEventTarget(4), false, true, false, 61, L"");
}

TEST_F(EventSettingsTest, ANeverSavedSlotIsTodayAtNoPlace) {
  CConsoleState state;
  state.eventEnabled[4] = true;
  EventRecord record = LoadEventRecord(state, 4);
  EXPECT_FALSE(record.enabled);
  EXPECT_EQ(record.date, Today);
  EXPECT_EQ(record.hour, 13);
  EXPECT_EQ(record.minute, 0);
  EXPECT_EQ(record.second, 0);
  EXPECT_EQ(record.memo, L"");
  EXPECT_EQ(record.latitude, L"000 00 00 N");
  EXPECT_EQ(record.longitude, L"000 00 00 E");
  EXPECT_EQ(record.kind, 4);
  EXPECT_EQ(record.body, 61);
  EXPECT_FALSE(state.eventEnabled[4]);
  EXPECT_TRUE(state.eventSetsDate[4]);
  EXPECT_TRUE(state.eventGoesToPlace[4]);
  EXPECT_EQ(state.eventLatitude[4], L"000 00 00 N");
  EXPECT_EQ(state.eventLongitude[4], L"000 00 00 E");
}

struct TimeCase {
  const wchar_t* missing;  // the one value left out, or nothing
  DWORD hour;
  const wchar_t* date;
  int expectedHour;
  int expectedMinute;
};

TEST_F(EventSettingsTest, AStoredTimeCountsOnlyWhenWholeAndValid) {
  for (const TimeCase& c : {
           TimeCase{nullptr, 22, L"1999/12/31", 22, 30},
           TimeCase{nullptr, 24, L"1999/12/31", 13, 0},
           TimeCase{L"Min_3", 22, L"1999/12/31", 13, 0},
           TimeCase{L"Act_3", 22, L"1999/12/31", 13, 0},
           TimeCase{L"Date_3", 22, Today, 13, 0},
       }) {
    RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
    CConsoleState state;
    EventRecord stored{L"1999/12/31", L"memo",        static_cast<int>(c.hour), 30, 15,
                       true,          L"045 30 00 N", L"009 10 00 E",           2,  3};
    SaveEventRecord(state, 2, stored);
    if (c.missing != nullptr) {
      HKEY key = nullptr;
      RegOpenKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, KEY_ALL_ACCESS, &key);
      RegDeleteValueW(key, c.missing);
      RegCloseKey(key);
    }
    EventRecord record = LoadEventRecord(state, 2);
    EXPECT_EQ(record.date, c.date) << c.hour << (c.missing ? c.missing : L"");
    EXPECT_EQ(record.hour, c.expectedHour) << c.hour << (c.missing ? c.missing : L"");
    EXPECT_EQ(record.minute, c.expectedMinute) << c.hour << (c.missing ? c.missing : L"");
  }
}

TEST_F(EventSettingsTest, RecordsAndTargetsRoundTrip) {
  CConsoleState state;
  EventRecord saved{L"-00044/03/15", L"Ides of March", 9, 8, 7, true, L"041 53 00 N", L"012 29 00 E", 2, 17};
  SaveEventRecord(state, 0, saved);
  EXPECT_TRUE(state.eventEnabled[0]);
  // Texts are stored without their terminating zero.
  EXPECT_EQ(FetchValue(L"Memo_1").bytes.size(), 13 * sizeof(wchar_t));

  CConsoleState loaded;
  EventRecord record = LoadEventRecord(loaded, 0);
  EXPECT_EQ(record.date, saved.date);
  EXPECT_EQ(record.memo, saved.memo);
  EXPECT_EQ(record.hour, 9);
  EXPECT_EQ(record.minute, 8);
  EXPECT_EQ(record.second, 7);
  EXPECT_TRUE(record.enabled);
  EXPECT_EQ(record.latitude, saved.latitude);
  EXPECT_EQ(record.longitude, saved.longitude);
  EXPECT_EQ(record.kind, 2);
  EXPECT_EQ(record.body, 17);
  EXPECT_TRUE(loaded.eventEnabled[0]);
  EXPECT_FALSE(loaded.eventSetsDate[0]);
  EXPECT_TRUE(loaded.eventGoesToPlace[0]);
  EXPECT_EQ(loaded.eventLatitude[0], saved.latitude);

  SaveEventTarget(2, {true, false, false, 5, L"Mars"});
  ExpectTarget(LoadEventTarget(2), true, false, false, 5, L"Mars");
  SaveEventViewFlags(2, {false, true, false, true});
  EventViewFlags flags;
  EXPECT_EQ(LoadEventViewFlags(2, flags), 0);
  EXPECT_TRUE(flags.fog && flags.moonScale && !flags.atmosphere && !flags.autoZoom);
}

TEST_F(EventSettingsTest, CommentsComeFromTheEditControl) {
  MessageLog::register_class(L"CommentEdit");
  HWND edit = create_logged_window(L"CommentEdit", L"A comet, low in the west", WS_OVERLAPPEDWINDOW);
  WriteEventComment(1, edit);
  EXPECT_EQ(ReadEventComment(1), L"A comet, low in the west");
  SetWindowTextW(edit, L"");
  WriteEventComment(1, edit);
  StoredValue empty = FetchValue(L"Comment_2");
  EXPECT_EQ(empty.type, REG_SZ);
  EXPECT_TRUE(empty.bytes.empty());
  EXPECT_EQ(ReadEventComment(1), L"");
}

}  // namespace
