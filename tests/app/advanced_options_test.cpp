// The advanced options: what each control shows of OCconfig.ini, what SAVE writes and in which
// order, that every kind of change is saved, the buttons that act on Orvenna at once, and the
// restart of the stand-in Orvenna after a new sky language, on the virtual clock.
#include "src/dialogs/options/advanced_options.h"

#include <cwchar>
#include <functional>

#include "peers/orvenna/program_probe.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/dialogs/options/advanced_option_ids.h"
#include "src/dialogs/options/advanced_scripts.h"
#include "src/settings/ini_files.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using namespace advanced_option_ids;

std::optional<std::wstring> ConsoleIni(const wchar_t* section, const wchar_t* key) {
  return ReadIniEntry(ConsoleIniFile, section, key);
}

// The picture the presenter would choose, in place of the file dialog when one is given.
class ChosenPictureOptions : public AdvancedOptions {
 public:
  ChosenPictureOptions(CConsoleState& state, COrvennaConsoleDlg& console, std::optional<std::wstring> picture)
      : AdvancedOptions(state, console, &console), picture_(std::move(picture)) {}

 protected:
  std::optional<std::wstring> ChooseEmergencyImageFile() override {
    return picture_ ? picture_ : AdvancedOptions::ChooseEmergencyImageFile();
  }

 private:
  std::optional<std::wstring> picture_;
};

class AdvancedOptionsTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    WriteConsoleIniDefaults();
    ConsoleWithOrvennaTest::SetUp();
  }
  void Open(std::optional<std::wstring> picture = std::nullopt) {
    result = -1;
    Run([this, picture](TestConsoleDlg& dlg) {
      ::SetForegroundWindow(dlg.m_hWnd);
      ChosenPictureOptions options(dlg.consoleState, dlg, picture);
      result = options.DoModal();
    });
  }
  void Press(int id) {
    const driver::Outcome pressed = user.click(id);
    ASSERT_TRUE(pressed) << id << ": " << pressed.reason;
  }
  void Save() {
    Press(SaveButton);
    Wait(100);
  }
  bool Checked(int id) const { return SendMessageW(user.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::wstring Text(int id) const { return user.text_of(id); }
  LRESULT Selection(int id) const { return SendMessageW(user.control(id), CB_GETCURSEL, 0, 0); }
  std::wstring SelectedText(int id) const {
    wchar_t text[128]{};
    SendMessageW(user.control(id), CB_GETLBTEXT, static_cast<WPARAM>(Selection(id)),
                 reinterpret_cast<LPARAM>(text));
    return text;
  }
  void KeyOn(int id, WPARAM key) {
    PostMessageW(user.control(id), WM_KEYDOWN, key, 0);
    machine.run_until_idle();
  }
  std::wstring BoxText() const {
    HWND box = MessageBoxShown();
    return box == nullptr ? L"" : MessageBoxText(box);
  }

  driver::DesktopUser user{machine};
  INT_PTR result = -1;
};

TEST(AdvancedSpins, EachSpinHoldsOrWrapsAtItsLimits) {
  struct Case {
    int spin;
    int value;
    int direction;
    int stepped;
  };
  const Case cases[] = {
      {FlybyMinutesSpin, 15, 1, 15}, {FlybyMinutesSpin, 1, -1, 1},  {FlybySecondsSpin, 59, 1, 0},
      {FlybySecondsSpin, 0, -1, 59}, {ZoomSpeedSpin, 30, 1, 30},    {ZoomSpeedSpin, 10, 1, 11},
      {AzimuthSpin, 355, 1, 0},      {AzimuthSpin, 0, -1, 355},     {AzimuthSpin, 270, 1, 275},
      {FadingSpin, 1, -1, 1},        {TransparencySpin, 255, 1, 1}, {TransparencySpin, 1, -1, 255},
  };
  for (const Case& c : cases) {
    for (const SpinRule& rule : SpinRules)
      if (rule.spin == c.spin) {
        EXPECT_EQ(StepSpinValue(rule, c.value, c.direction), c.stepped) << c.spin;
      }
  }
}

TEST(AdvancedScripts, TheImmediateScriptsAreWrittenAsOrvennaTakesThem) {
  EXPECT_EQ(StarAppearanceScript(100, 100, true),
            L"OrvSkyDrawer.setAbsoluteStarScale(1.000000);\rOrvSkyDrawer.setRelativeStarScale(1.000000);\r"
            L"StarMgr.setFlagLabels(true);\r");
  EXPECT_EQ(StarAppearanceScript(250, 1, false).substr(0, 45),
            L"OrvSkyDrawer.setAbsoluteStarScale(2.500000);\r");
  SYSTEMTIME day{};
  day.wYear = 2031;
  day.wMonth = 3;
  day.wDay = 5;
  day.wHour = 7;
  EXPECT_EQ(StartDateTestScript(SystemDatePart(day), TimePart(day)),
            L"core.setDate(\"02031-03-05T07:00:00\");\r");
  EXPECT_EQ(ChosenDatePart(day), L"2031-03-05");
  EXPECT_EQ(ApplyBoundariesScript(RGB(255, 255, 255)),
            L"var v = Vec3f(1,1,1);\rConstellationMgr.setBoundariesColor(v);\r");
  EXPECT_EQ(BoundariesColourText(RGB(0, 0, 0)), L"0,0,0");
  EXPECT_EQ(BoundariesColourText(RGB(128, 0, 255)), L"0.501961,0,1");
  const std::wstring test = TestBoundariesScript(RGB(0, 0, 0));
  EXPECT_EQ(test.rfind(L"var v = Vec3f(0,0,0);\r", 0), 0u);
  EXPECT_NE(test.find(L"core.wait(2);\rConstellationMgr.setFlagBoundaries(false);\r"), std::wstring::npos);
  EXPECT_EQ(MoonScaleScript(false), L"SolarSystem.setFlagMoonScale(false);\r");
}

TEST(AdvancedTimes, AStoredStartTimeNeedsThreePiecesWithinTheirRanges) {
  EXPECT_EQ(ParseStartTime(L"21:05:09").error, 0);
  EXPECT_EQ(ParseStartTime(L"21-05-09").hour, 21);
  EXPECT_EQ(ParseStartTime(L"25:00:00").error, 100021);
  EXPECT_EQ(ParseStartTime(L"12.30").error, 100020);
  EXPECT_EQ(ParseStartTime(L"12.30").hour, 12);
  EXPECT_FALSE(ParseStartDate(L"2031/2/29"));
  EXPECT_TRUE(ParseStartDate(L"2032/2/29"));
  EXPECT_FALSE(ParseStartDate(L"tomorrow"));
}

TEST(AdvancedEntries, SaveWritesEveryKeyInItsOrder) {
  AdvancedSettings settings;
  settings.flyby[10] = {15, 59};
  settings.afterFlyby = AfterFlyby::LandOnAMoon;
  settings.boundariesColor = RGB(255, 0, 128);
  const std::vector<AdvancedEntry> entries = AdvancedEntriesToWrite(settings, std::wstring(L"inuit"));
  std::vector<std::wstring> keys;
  for (const AdvancedEntry& entry : entries)
    keys.push_back(entry.key);
  const std::vector<std::wstring> head{L"startAtmo",
                                       L"showStarNames",
                                       L"startFog",
                                       L"startMilkyWay",
                                       L"wantMoonScale",
                                       L"JustDoTheMovementOnPole",
                                       L"usePlayer",
                                       L"useYourOwnLanguage",
                                       L"starAbsMag",
                                       L"starRelMag",
                                       L"zoomSpeed",
                                       L"initPosAzimuth",
                                       L"emergencyImageTransparency",
                                       L"emergencyImage",
                                       L"FadingEffectDuration",
                                       L"Mercury-duration",
                                       L"Mercury-duration-seconds"};
  ASSERT_EQ(keys.size(), 15u + 22u + 5u);
  EXPECT_EQ(std::vector<std::wstring>(keys.begin(), keys.begin() + 17), head);
  const std::vector<std::wstring> tail{L"Sun-duration", L"Sun-duration-seconds", L"afterFlyby",
                                       L"SkyCulture",   L"boundariesColor",      L"startDate",
                                       L"startTime"};
  EXPECT_EQ(std::vector<std::wstring>(keys.end() - 7, keys.end()), tail);
  EXPECT_EQ(entries[entries.size() - 6].value, L"59");
  EXPECT_EQ(entries[entries.size() - 5].value, L"landOnAMoon");
  EXPECT_EQ(entries[entries.size() - 3].value, L"1,0,0.501961");
  EXPECT_EQ(entries[6].value, L"WMP");
  settings.afterFlyby.reset();
  EXPECT_EQ(AdvancedEntriesToWrite(settings, std::nullopt).size(), 15u + 22u + 3u);
}

TEST_F(AdvancedOptionsTest, AFileWithoutTheKeysShowsEveryDefault) {
  const std::wstring options = PlanetariumUserFile(ConsoleIniFile);
  ASSERT_TRUE(write_file(options.c_str(), "[star_appearance]\r\nstarAbsMag=100\r\nstarRelMag=110\r\n"));
  Open();
  EXPECT_EQ(MessageBoxShown(), nullptr) << BoxText();
  ASSERT_NE(user.control(SaveButton), nullptr) << "the dialog is open";
  EXPECT_FALSE(Checked(StartAtmoCheck)) << "a toggle missing from a file that exists reads as off";
  EXPECT_FALSE(Checked(StarNamesCheck));
  EXPECT_FALSE(Checked(MoonScaleCheck));
  EXPECT_TRUE(Checked(PoleWithAtmosphereRadio));
  EXPECT_TRUE(Checked(LatinNamesRadio));
  EXPECT_TRUE(Checked(NothingAfterFlybyRadio));
  EXPECT_TRUE(Checked(WmpRadio));
  EXPECT_TRUE(Checked(SystemDateRadio));
  EXPECT_TRUE(Checked(SystemTimeRadio));
  EXPECT_FALSE(IsWindowEnabled(user.control(StartDateCalendar)));
  EXPECT_EQ(Text(ZoomSpeedField), L"10");
  EXPECT_EQ(Text(AzimuthField), L"270");
  EXPECT_EQ(Text(FadingField), L" 4");
  EXPECT_EQ(Text(TransparencyField), L"220");
  EXPECT_EQ(Text(FlybyMinutesField), L" 1");
  EXPECT_EQ(Text(FlybySecondsField), L" 0");
  EXPECT_EQ(SelectedText(SkyCultureList), L"western") << "the culture the console runs without one stored";
  EXPECT_EQ(SelectedText(SkyLanguageList), L"<default>");
  EXPECT_EQ(SendMessageW(user.control(AbsoluteScaleSlider), TBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(SendMessageW(user.control(RelativeScaleSlider), TBM_GETPOS, 0, 0), 110);
}

TEST_F(AdvancedOptionsTest, StoredValuesShowByTheirRules) {
  struct Entry {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  };
  const Entry stored[] = {
      {L"flyby", L"Mercury-duration", L"20"},
      {L"flyby", L"Mercury-duration-seconds", L"75"},
      {L"flyby", L"Venus-duration", L"7"},
      {L"flyby", L"afterFlyby", L"LANDONAMOON"},
      {L"startup", L"zoomSpeed", L"31"},
      {L"startup", L"initPosAzimuth", L"400"},
      {L"startup", L"emergencyImageTransparency", L"0"},
      {L"behavior", L"FadingEffectDuration", L"9"},
      {L"star_appearance", L"showStarNames", L"Yes"},
      {L"behavior", L"JustDoTheMovementOnPole", L"on"},
      {L"search", L"useYourOwnLanguage", L"TRUE"},
      {L"search", L"SkyCulture", L"no such culture"},
      {L"behavior", L"usePlayer", L"mpv"},
      {L"startup", L"startTime", L"21:30:07"},
  };
  for (const Entry& entry : stored)
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, entry.section, entry.key, entry.value));
  ASSERT_TRUE(WriteIniValue(PlanetariumConfigIni, L"localization", L"sky_locale", L" PT_br "));
  Open();
  EXPECT_EQ(Text(FlybyMinutesField), L" 1");
  EXPECT_EQ(Text(FlybySecondsField), L" 0");
  ASSERT_TRUE(user.choose(FlybyBodyList, 1));
  EXPECT_EQ(Text(FlybyMinutesField), L" 7");
  EXPECT_TRUE(Checked(LandAfterFlybyRadio));
  EXPECT_EQ(Text(ZoomSpeedField), L"10");
  EXPECT_EQ(Text(AzimuthField), L"  0");
  EXPECT_EQ(Text(TransparencyField), L"220");
  EXPECT_EQ(Text(FadingField), L" 9");
  EXPECT_TRUE(Checked(StarNamesCheck));
  EXPECT_TRUE(Checked(PoleMoveOnlyRadio));
  EXPECT_TRUE(Checked(OwnLanguageRadio));
  EXPECT_EQ(Selection(SkyCultureList), SendMessageW(user.control(SkyCultureList), CB_GETCOUNT, 0, 0) - 1);
  // Without mpv.exe beside the console the other player cannot be chosen.
  EXPECT_TRUE(Checked(WmpRadio));
  EXPECT_FALSE(IsWindowEnabled(user.control(MpvRadio)));
  EXPECT_EQ(SelectedText(SkyLanguageList), L"Portugu\x00EAs brasileiro");
  EXPECT_TRUE(Checked(ChosenTimeRadio));
  EXPECT_EQ(Text(StartTimePicker), L"21:30:07");
}

TEST_F(AdvancedOptionsTest, ABrokenStartTimeIsReportedAndShownAsMidday) {
  ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"startTime", L"25:00:00"));
  Open();
  EXPECT_NE(BoxText().find(L"Error # 100021."), std::wstring::npos) << BoxText();
  Answer(MessageBoxShown(), IDOK);
  EXPECT_EQ(Text(StartTimePicker), L"12:00:00");
}

TEST_F(AdvancedOptionsTest, SaveWithoutAChangeWritesNothingAndAsksNothing) {
  const std::string before = read_file(PlanetariumUserFile(ConsoleIniFile).c_str());
  Open();
  Save();
  EXPECT_EQ(result, AdvancedOptions::Ended);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(read_file(PlanetariumUserFile(ConsoleIniFile).c_str()), before);
}

// Each kind of control, changed once, is enough for SAVE to write the whole set.
TEST_F(AdvancedOptionsTest, EveryKindOfChangeIsSaved) {
  struct Case {
    const char* what;
    std::function<void()> change;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* written;
  };
  const Case cases[] = {
      {"a check box", [this] { Press(StartFogCheck); }, L"startup", L"startFog", L"false"},
      {"a radio", [this] { Press(PoleMoveOnlyRadio); }, L"behavior", L"JustDoTheMovementOnPole", L"true"},
      {"the after-fly-by radio", [this] { Press(ResetAfterFlybyRadio); }, L"flyby", L"afterFlyby",
       L"resetPosition"},
      {"a spin", [this] { ASSERT_TRUE(user.spin(ZoomSpeedSpin, true, 1)); }, L"startup", L"zoomSpeed", L"11"},
      {"the seconds' spin wrapping", [this] { ASSERT_TRUE(user.spin(FlybySecondsSpin, false, 1)); }, L"flyby",
       L"Mercury-duration-seconds", L"59"},
      {"the Home key on a star slider", [this] { KeyOn(AbsoluteScaleSlider, VK_HOME); }, L"star_appearance",
       L"starAbsMag", L"1"},
      {"the End key on a star slider", [this] { KeyOn(RelativeScaleSlider, VK_END); }, L"star_appearance",
       L"starRelMag", L"250"},
      {"a sky culture", [this] { ASSERT_TRUE(user.choose(SkyCultureList, 0)); }, L"search", L"SkyCulture",
       nullptr},
      {"the time mode", [this] { Press(ChosenTimeRadio); }, L"startup", L"startTime", nullptr},
      {"a time typed",
       [this] {
         Press(ChosenTimeRadio);
         ASSERT_TRUE(user.set_time(StartTimePicker, 6, 7, 8));
       },
       L"startup", L"startTime", L"06:07:08"},
      {"a colour picked",
       [this] {
         SendMessageW(user.target_window(), WM_USER + 1001, RGB(255, 0, 0), BoundariesPicker);
         machine.run_until_idle();
       },
       L"star_appearance", L"boundariesColor", L"1,0,0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteConsoleIniDefaults();
    Open();
    c.change();
    Save();
    EXPECT_EQ(result, AdvancedOptions::Ended);
    EXPECT_EQ(ConsoleIni(L"startup", L"zoomSpeed").has_value(), true) << "the whole set is written";
    if (c.written != nullptr) {
      EXPECT_EQ(ConsoleIni(c.section, c.key).value_or(L"-"), c.written);
    }
  }
}

TEST_F(AdvancedOptionsTest, AZoomSpeedSavedTakesEffectInTheStateRecord) {
  Open();
  ASSERT_TRUE(user.spin(ZoomSpeedSpin, true, 1));
  EXPECT_EQ(Text(ZoomSpeedField), L"11");
  Save();
  EXPECT_EQ(ConsoleIni(L"startup", L"zoomSpeed").value_or(L""), L"11");
  int zoomSpeed = 0;
  RunToEnd([&zoomSpeed](TestConsoleDlg& dlg) { zoomSpeed = dlg.consoleState.zoomSpeed; });
  EXPECT_EQ(zoomSpeed, 11);
}

TEST_F(AdvancedOptionsTest, AChosenStartDateIsStoredAsThatDateAndTodayAsToday) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  struct Case {
    const char* what;
    int daysAhead;
    bool today;
  };
  for (const Case c : {Case{"tomorrow", 1, false}, Case{"yesterday", -1, false}, Case{"today", 0, true}}) {
    SCOPED_TRACE(c.what);
    FILETIME time{};
    SystemTimeToFileTime(&now, &time);
    unsigned long long ticks =
        (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    ticks += static_cast<unsigned long long>(static_cast<long long>(c.daysAhead) * 24 * 3600 * 10000000LL);
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    SYSTEMTIME day{};
    FileTimeToSystemTime(&time, &day);
    const std::wstring text =
        std::to_wstring(day.wYear) + L"/" + std::to_wstring(day.wMonth) + L"/" + std::to_wstring(day.wDay);
    WriteConsoleIniDefaults();
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"startDate", text));
    Open();
    EXPECT_TRUE(Checked(ChosenDateRadio));
    Press(StartFogCheck);
    Save();
    EXPECT_EQ(ConsoleIni(L"startup", L"startDate").value_or(L""), c.today ? L"today" : text);
  }
}

TEST_F(AdvancedOptionsTest, TheStartDateIsShownAndChosenInTheMonthCalendar) {
  ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"startDate", L"2031/5/17"));
  Open();
  EXPECT_TRUE(Checked(ChosenDateRadio));
  HWND calendar = user.control(StartDateCalendar);
  EXPECT_TRUE(IsWindowEnabled(calendar));
  SYSTEMTIME shown{};
  SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(std::vector<int>({shown.wYear, shown.wMonth, shown.wDay}), std::vector<int>({2031, 5, 17}));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(calendar, MCM_GETCOLOR, MCSC_TEXT, 0)), RGB(20, 0, 255));
  // A day picked is a change of its own: nothing else is touched before SAVE.
  const driver::Outcome picked = user.pick_date(StartDateCalendar, 2030, 12, 24);
  ASSERT_TRUE(picked) << picked.reason;
  Save();
  EXPECT_EQ(ConsoleIni(L"startup", L"startDate").value_or(L""), L"2030/12/24");
}

TEST_F(AdvancedOptionsTest, AStartDateTheCalendarCannotShowIsReportedAndCountsAsToday) {
  for (const wchar_t* stored : {L"2031/2/30", L"12000/1/1", L"tomorrow"}) {
    SCOPED_TRACE(testing::Message() << std::string(stored, stored + std::wcslen(stored)));
    WriteConsoleIniDefaults();
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"startDate", stored));
    Open();
    EXPECT_NE(BoxText().find(L"Error # 100032."), std::wstring::npos) << BoxText();
    Answer(MessageBoxShown(), IDOK);
    EXPECT_TRUE(Checked(SystemDateRadio));
    EXPECT_FALSE(IsWindowEnabled(user.control(StartDateCalendar)));
    Press(StartFogCheck);
    Save();
    EXPECT_EQ(ConsoleIni(L"startup", L"startDate").value_or(L""), L"today");
  }
}

TEST_F(AdvancedOptionsTest, TheEmergencyPictureIsChosenInTheOpenFileDialog) {
  const std::wstring picture = PlanetariumUserFile(L"dome.png");
  ASSERT_TRUE(write_file(picture.c_str(), "picture"));
  struct Case {
    const char* what;
    std::optional<std::wstring> answer;
    const wchar_t* caption;
    std::optional<std::wstring> stored;
  };
  const Case cases[] = {
      {"a picture chosen", picture, L"dome.png", picture},
      {"the dialog cancelled", std::nullopt, L"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteConsoleIniDefaults();
    Open();
    user.answer_next_file_dialog(c.answer);
    Press(EmergencyImageButton);
    EXPECT_EQ(user.pending_answers(), 0u);
    EXPECT_EQ(Text(EmergencyImageButton), c.caption);
    Save();
    EXPECT_EQ(ConsoleIni(L"startup", L"emergencyImage"), c.stored);
  }
}

TEST_F(AdvancedOptionsTest, APathTheFileCannotHoldIsReportedAndTheRestIsSaved) {
  Open(L"C:\\Pictures\\\x661F.png");
  Press(EmergencyImageButton);
  EXPECT_EQ(Text(EmergencyImageButton), L"\x661F.png");
  ASSERT_TRUE(user.spin(ZoomSpeedSpin, true, 1));
  Press(SaveButton);
  EXPECT_NE(BoxText().find(L"Error # 100075."), std::wstring::npos) << BoxText();
  Answer(MessageBoxShown(), IDOK);
  Wait(100);
  EXPECT_EQ(ConsoleIni(L"startup", L"zoomSpeed").value_or(L""), L"11");
  EXPECT_FALSE(ConsoleIni(L"startup", L"emergencyImage").has_value());
}

TEST_F(AdvancedOptionsTest, AReadOnlyFileIsToldOnceAndNothingIsClaimedSaved) {
  const std::wstring file = PlanetariumUserFile(ConsoleIniFile);
  const std::string before = read_file(file.c_str());
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  Open();
  ASSERT_TRUE(user.spin(ZoomSpeedSpin, true, 1));
  Press(SaveButton);
  const std::wstring text = BoxText();
  EXPECT_NE(text.find(L"OCconfig.ini"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"Error # 100076."), std::wstring::npos) << text;
  EXPECT_EQ(text.find(L"were saved"), std::wstring::npos) << text;
  Answer(MessageBoxShown(), IDOK);
  Wait(100);
  EXPECT_EQ(MessageBoxShown(), nullptr) << "one message: " << BoxText();
  EXPECT_EQ(result, AdvancedOptions::Ended);
  EXPECT_EQ(read_file(file.c_str()), before);
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(AdvancedOptionsTest, TheButtonsActOnOrvennaAtOnce) {
  struct Case {
    const char* what;
    int button;
    const char* script;
  };
  const Case cases[] = {
      {"star appearance", ApplyStarsButton, "OrvSkyDrawer.setRelativeStarScale(1.100000);"},
      {"the start date", TestStartDateButton, "core.setDate(\"0"},
      {"the moon scale", MoonScaleCheck, "SolarSystem.setFlagMoonScale(true);"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Open();
    Press(c.button);
    Wait(3000);
    EXPECT_NE(LastScriptRun().find(c.script), std::string::npos) << LastScriptRun();
    Press(CancelButton);
    EXPECT_EQ(result, AdvancedOptions::Ended);
  }
}

TEST_F(AdvancedOptionsTest, ANewSkyLanguageRestartsOrvennaAndPlacesItOnItsMonitor) {
  const int startsBefore = probe->starts();
  Open();
  ASSERT_TRUE(user.choose(SkyLanguageList, 4));
  ASSERT_TRUE(user.choose(SkyCultureList, 0));
  Press(SaveButton);
  EXPECT_NE(BoxText().find(L"Orvenna to be restarted"), std::wstring::npos) << BoxText();
  Answer(MessageBoxShown(), IDYES);
  Wait(40000);
  EXPECT_EQ(result, AdvancedOptions::Ended);
  EXPECT_EQ(ReadIniEntry(PlanetariumConfigIni, L"localization", L"sky_locale").value_or(L""), L"de");
  EXPECT_EQ(probe->starts(), startsBefore + 1);
  EXPECT_EQ(MessageBoxShown(), nullptr) << BoxText();
  HWND orvenna = probe->windows().main;
  ASSERT_TRUE(IsWindow(orvenna));
  RECT placed{};
  GetWindowRect(orvenna, &placed);
  EXPECT_GE(placed.left, 1920) << "Orvenna is on the monitor the console leaves free";
  EXPECT_TRUE(probe->full_screen());
  const std::wstring culture = ConsoleIni(L"search", L"SkyCulture").value_or(L"");
  const std::string running = probe->state()->sky_culture();
  EXPECT_EQ(std::wstring(running.begin(), running.end()), culture);
}

// What the restart does with an Orvenna that is not there, or one that does not close.
TEST_F(AdvancedOptionsTest, TheRestartStartsOrvennaOnlyWhenNoneIsLeft) {
  struct Case {
    const char* what;
    std::function<void()> before;
    int newStarts;
    const wchar_t* notice;
    int skyLanguage;
  };
  const Case cases[] = {
      {"Orvenna not running: started, closed and started again",
       [this] {
         PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
         Wait(1000);
         ASSERT_FALSE(IsWindow(probe->windows().main));
       },
       2, nullptr, 9},
      {"an Orvenna that does not close: none started beside it",
       [this] {
         WNDCLASSEXW stuck{};
         stuck.cbSize = sizeof(stuck);
         stuck.lpfnWndProc = DefWindowProcW;
         stuck.lpszClassName = L"Qt5QWindowIcon";
         RegisterClassExW(&stuck);
         ASSERT_NE(CreateWindowExW(0, L"Qt5QWindowIcon", L"Orvenna 0.18.2", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr),
                   nullptr);
       },
       0, L"Error # 100098.", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.before();
    const int startsBefore = probe->starts();
    Open();
    ASSERT_TRUE(user.choose(SkyLanguageList, c.skyLanguage));
    Press(SaveButton);
    Answer(MessageBoxShown(), IDYES);
    Wait(60000);
    if (c.notice != nullptr) {
      EXPECT_NE(BoxText().find(c.notice), std::wstring::npos) << BoxText();
      Answer(MessageBoxShown(), IDOK);
      Wait(100);
    }
    EXPECT_EQ(MessageBoxShown(), nullptr) << BoxText();
    EXPECT_EQ(result, AdvancedOptions::Ended);
    EXPECT_EQ(probe->starts(), startsBefore + c.newStarts);
  }
}

TEST_F(AdvancedOptionsTest, ASkyLanguageThatCannotBeWrittenIsReportedAndEndsOnlyTheDialog) {
  const std::wstring config = PlanetariumUserFile(PlanetariumConfigIni);
  ASSERT_TRUE(DeleteFileW(config.c_str()));
  ASSERT_TRUE(CreateDirectoryW(config.c_str(), nullptr));
  Open();
  ASSERT_TRUE(user.choose(SkyLanguageList, 4));
  Press(SaveButton);
  const std::wstring text = BoxText();
  EXPECT_NE(text.find(L"config.ini"), std::wstring::npos) << text;
  EXPECT_EQ(text.find(L"exits"), std::wstring::npos) << text;
  Answer(MessageBoxShown(), IDOK);
  Wait(100);
  EXPECT_EQ(result, AdvancedOptions::Ended);
  EXPECT_EQ(ExitCode(), -1) << "the console goes on";
}

}  // namespace
