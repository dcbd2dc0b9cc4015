#include <functional>
#include <string>

#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/settings/multimedia_settings.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

using RegistrySettingsTest = DesktopTest;

std::wstring Number(int value) {
  return std::to_wstring(value);
}

// Every reader's answer as text, so that one table holds numbers and names alike.
using Reader = std::function<std::wstring()>;

Reader FieldOfView = [] { return Number(ReadFieldOfView()); };
Reader ShootingStars = [] { return Number(ReadShootingStarsFrequency()); };
Reader DisplayOpts = [] { return Number(LoadDisplayOpts()); };
Reader ThirdSpeed = [] { return Number(LoadSpeedOptions().speeds[2]); };
Reader SpeedWord = [] { return Number(LoadSpeedOptions().options); };
Reader WindowSize = [] { return Number(LoadPlaybackOptions().windowSizePercent); };
Reader Refresh = [] { return Number(LoadPlaybackOptions().refreshPerSecond); };
Reader Pointer = [] { return Number(static_cast<int>(LoadPlaybackOptions().pointerColor)); };
Reader StartupWait = [] { return Number(LoadStartupWait()); };
Reader FifthType = [] { return Number(LoadScriptButtons().types[4]); };
Reader LastType = [] { return Number(LoadScriptButtons().types[15]); };
Reader Ground = [] { return ReadDefaultGround(); };
Reader Home = [] { return LoadHomeLocation(); };
Reader Language = [] { return Number(static_cast<int>(ReadLanguage())); };
Reader FirstKind = [] {
  CConsoleState state;
  return Number(LoadEventRecord(state, 0).kind);
};
Reader FirstBody = [] {
  CConsoleState state;
  return Number(LoadEventRecord(state, 0).body);
};
Reader FirstDate = [] {
  CConsoleState state;
  return LoadEventRecord(state, 0).date;
};
Reader FirstMemo = [] { return LoadEventMemo(0); };
Reader FourthComment = [] { return ReadEventComment(3); };

struct Case {
  const wchar_t* name;
  std::optional<StoredValue> stored;  // none: missing
  Reader read;
  std::wstring expected;
};

TEST_F(RegistrySettingsTest, DefaultsAndLimits) {
  std::wstring ground260(260, L'g');
  std::wstring ground260Read = L"G" + ground260.substr(1);
  std::wstring home255(255, L'h');
  std::wstring comment1000(1000, L'c');
  std::wstring memo42 = std::wstring(40, L'm') + L"xy";
  const Case cases[] = {
      {L"FOV", std::nullopt, FieldOfView, L"180"},
      {L"FOV", DwordValue(139), FieldOfView, L"180"},
      {L"FOV", DwordValue(140), FieldOfView, L"140"},
      {L"FOV", DwordValue(181), FieldOfView, L"180"},
      {L"FOV", TextValue(L"150"), FieldOfView, L"180"},
      {L"FOV", StoredValue{REG_BINARY, DwordValue(150).bytes}, FieldOfView, L"180"},
      {L"FOV", StoredValue{REG_DWORD, {150, 0}}, FieldOfView, L"180"},
      {L"Shooting Stars Frequency", DwordValue(0), ShootingStars, L"0"},
      {L"Shooting Stars Frequency", DwordValue(144000), ShootingStars, L"144000"},
      {L"Shooting Stars Frequency", DwordValue(144001), ShootingStars, L"100"},
      {L"DisplayOpts", DwordValue(15), DisplayOpts, L"15"},
      {L"DisplayOpts", DwordValue(16), DisplayOpts, L"3"},
      {L"Speed2", DwordValue(12), ThirdSpeed, L"12"},
      {L"Speed2", DwordValue(13), ThirdSpeed, L"1"},
      {L"SpeedOptions", DwordValue(0xFFFFFF), SpeedWord, Number(0xFFFFFF)},
      {L"SpeedOptions", DwordValue(0x1000000), SpeedWord, Number(0xFFFFFF)},
      {L"SpeedOptions", DwordValue(0xFFFFFFFF), SpeedWord, Number(0xFFFFFF)},
      {L"PlaybackWndSize", DwordValue(49), WindowSize, L"70"},
      {L"PlaybackWndSize", DwordValue(90), WindowSize, L"90"},
      {L"PlaybackFreqRefresh", DwordValue(0), Refresh, L"3"},
      {L"PointerColor", DwordValue(0x1000000), Pointer, Number(0x3232FF)},
      {L"PointerColor", DwordValue(0xFFFFFF), Pointer, Number(0xFFFFFF)},
      {L"OCStartup", std::nullopt, StartupWait, L"12"},
      {L"OCStartup", DwordValue(3), StartupWait, L"12"},
      {L"OCStartup", DwordValue(20), StartupWait, L"20"},
      {L"MultimediaType4", DwordValue(7), FifthType, L"-1"},
      {L"MultimediaType4", DwordValue(static_cast<DWORD>(-2)), FifthType, L"-1"},
      {L"MultimediaType15", DwordValue(3), LastType, L"3"},
      {L"MultimediaType15", std::nullopt, LastType, L"-1"},
      {L"Default Ground", std::nullopt, Ground, L"Guereins"},
      {L"Default Ground", TextValue(L"x"), Ground, L"Guereins"},
      {L"Default Ground", TextValue(L"zero"), Ground, L"Zero"},
      {L"Default Ground", TextValue(ground260), Ground, ground260Read},
      {L"Default Ground", TextValue(ground260 + L"g"), Ground, L"Guereins"},
      {L"Default Ground", DwordValue(0x41414141), Ground, L"Guereins"},
      {L"Home Location", TextValue(L""), Home, L"Washington, United States"},
      {L"Home Location", TextValue(home255), Home, home255},
      {L"Home Location", TextValue(home255 + L"h"), Home, L"Washington, United States"},
      {L"Home Location", TextValue(L"Lyon, France\t45.75N\t4.85E"), Home, L"Lyon, France\t45.75N\t4.85E"},
      {L"Language", DwordValue(3), Language, L"3"},
      {L"Language", DwordValue(6), Language, L"0"},
      {L"flags_1", DwordValue(3), FirstKind, L"4"},
      {L"flags_1", DwordValue(2), FirstKind, L"2"},
      {L"planet_1", DwordValue(61), FirstBody, L"61"},
      {L"planet_1", DwordValue(62), FirstBody, L"61"},
      {L"planet_1", DwordValue(0), FirstBody, L"0"},
      {L"Date_1", TextValue(L"-12345/12/31xy"), FirstDate, L"-12345/12/31xy"},
      {L"Date_1", TextValue(L"-12345/12/31xyz"), FirstDate, L"-12345/12/31xyz"},
      {L"Date_1", TextValue(std::wstring(L"2020/1/2\0junk", 13)), FirstDate, L"2020/1/2"},
      {L"Memo_1", std::nullopt, FirstMemo, L"NO EVENT SET"},
      {L"Memo_1", TextValue(memo42), FirstMemo, std::wstring(40, L'm')},
      {L"Comment_4", TextValue(comment1000), FourthComment, comment1000},
      {L"Comment_4", TextValue(comment1000 + L"c"), FourthComment, L""},
  };
  for (const Case& c : cases) {
    RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
    if (c.stored) StoreValue(c.name, *c.stored);
    EXPECT_EQ(c.read(), c.expected) << c.name << " of " << (c.stored ? c.stored->bytes.size() : 0)
                                    << " bytes";
  }
}

}  // namespace
