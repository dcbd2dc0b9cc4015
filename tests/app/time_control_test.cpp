// The time buttons against the stand-in Orvenna on the virtual clock: the keys and scripts it
// receives, its rate and date afterwards, the guards, the recorder's steps and the captions.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/date_time_entry.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT PauseId = 1104;
constexpr UINT NormalSpeedId = 1105;
constexpr UINT NowId = 1059;
constexpr UINT SetDateTimeId = 1899;
constexpr UINT ShowDateTimeId = 1841;
constexpr UINT InvertTimeId = 5114;
constexpr UINT SpringId = 1137;
constexpr UINT FirstSpeedId = 1106;

const std::wstring ScriptRunningText =
    L"Another simulation script is currently running. You can stop it or wait for it to complete, depending "
    L"on "
    L"the script...";
const std::wstring RecordingPausedText = L"The recording is paused!";
const std::wstring NotDuringRecordingText = L"Feature not available during recording";
const std::wstring FlyByText = L"This function is not available during the fly-by";
const std::wstring WrongDateText = L"The date or the time you have entered is wrong. They remain unchanged.";
const std::wstring Running = L"\u25A0";

// A button's six bits in the speed options word.
DWORD SpeedGroup(int k, DWORD bits) {
  return bits << (6 * (3 - k));
}
constexpr DWORD Forward = 0x01;
constexpr DWORD RateMode = 0x10;
constexpr DWORD Sidereal = 0x20;
constexpr DWORD DateStep(int step) {
  return static_cast<DWORD>(step) << 1;
}

void StoreSpeedButtons(std::array<int, 4> speeds, DWORD options) {
  SettingsWriter settings;
  for (int k = 0; k < 4; ++k)
    settings.Dword(L"Speed" + std::to_wstring(k), static_cast<DWORD>(speeds[static_cast<std::size_t>(k)]));
  settings.Dword(L"SpeedOptions", options);
}

class TimeControlTest : public ConsoleWithOrvennaTest {
 protected:
  // The keys Orvenna received as input since the mark, as the characters they type: "7kJJ".
  std::string InjectedKeys(std::size_t mark) const {
    std::string keys;
    bool shift = false;
    const auto received = probe->messages();
    for (std::size_t i = mark; i < received.size(); ++i) {
      const orvenna::ReceivedMessage& m = received[i];
      if (m.origin != orvenna::MessageOrigin::injected || (m.message != WM_KEYDOWN && m.message != WM_KEYUP))
        continue;
      const auto vk = static_cast<BYTE>(m.wParam);
      if (vk == VK_SHIFT || vk == VK_LSHIFT) {
        shift = m.message == WM_KEYDOWN;
        continue;
      }
      if (vk == VK_NUMLOCK || m.message != WM_KEYDOWN) continue;
      char typed = static_cast<char>(vk);
      if (typed >= 'A' && typed <= 'Z' && !shift) typed = static_cast<char>(typed - 'A' + 'a');
      keys += typed;
    }
    return keys;
  }

  // The key messages posted to Orvenna's view since the mark.
  std::vector<orvenna::ReceivedMessage> PostedKeys(std::size_t mark) const {
    std::vector<orvenna::ReceivedMessage> posted;
    const auto received = probe->messages();
    for (std::size_t i = mark; i < received.size(); ++i)
      if (received[i].origin == orvenna::MessageOrigin::posted &&
          (received[i].message == WM_KEYDOWN || received[i].message == WM_KEYUP))
        posted.push_back(received[i]);
    return posted;
  }

  std::size_t Mark() const { return probe->messages().size(); }
  double Rate() const { return probe->state()->time_rate(); }
  std::string OrvennaDate() const { return orvenna::format_date(probe->state()->utc_seconds()); }

  // Orvenna's date set by a script of its own, its time held still so that it can be compared.
  void SetOrvennaDate(const std::wstring& date) {
    RunToEnd([date](TestConsoleDlg& dlg) {
      dlg.RunScript(L"core.setTimeRate(0);\rcore.setDate(\"" + date + L"\",\"utc\");\r", L"testdate.ovs",
                    false, 100);
    });
    Wait(500);
  }

  void StartRecording() {
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  }
  const RecordedShow& Show() const { return dialog->recordedShow; }
};

TEST_F(TimeControlTest, PauseStopsOrvennasTimeAndNormalSpeedRestoresItOnlyWhenItIsNotNormal) {
  StartRecording();
  std::size_t mark = Mark();
  Click(PauseId);
  EXPECT_EQ(InjectedKeys(mark), "7");
  EXPECT_EQ(Rate(), 0);
  EXPECT_TRUE(Show().recordedScript.ends_with(L"core.setTimeRate(0);\r"));
  EXPECT_FALSE(dialog->timeRateNormal);
  Wait(800);
  EXPECT_EQ(GetForegroundWindow(), MainDialog());

  mark = Mark();
  Click(NormalSpeedId);
  EXPECT_EQ(InjectedKeys(mark), "7") << "Orvenna pauses before it takes the normal rate";
  auto posted = PostedKeys(mark);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].wParam, static_cast<WPARAM>('K'));
  EXPECT_EQ(posted[0].lParam, 0x00300001);
  EXPECT_EQ(Rate(), 1);
  Wait(190);
  EXPECT_EQ(PostedKeys(mark).size(), 1u);
  Wait(10);
  posted = PostedKeys(mark);
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[1].message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(posted[1].lParam, static_cast<LPARAM>(0xC0300001));
  EXPECT_TRUE(Show().recordedScript.ends_with(L"core.setTimeRate(1);\r"));
  EXPECT_TRUE(dialog->timeRateNormal);

  mark = Mark();
  const RecordedShow before = Show();
  Click(NormalSpeedId);
  Wait(1000);
  EXPECT_EQ(InjectedKeys(mark), "");
  EXPECT_TRUE(PostedKeys(mark).empty());
  EXPECT_EQ(Show().recordedScript, before.recordedScript);
  EXPECT_EQ(Show().commandList, before.commandList);
}

TEST_F(TimeControlTest, ARecordingStartsFromTheNormalRateWithoutRecordingIt) {
  Click(PauseId);
  ASSERT_EQ(Rate(), 0);
  StartRecording();
  Click(1012);  // the first step: the atmosphere
  Wait(300);
  EXPECT_EQ(Rate(), 1);
  EXPECT_TRUE(dialog->timeRateNormal);
  EXPECT_EQ(Show().commandList.find(L"normalspeed"), std::wstring::npos);
}

TEST_F(TimeControlTest, NowTakesOrvennaToTheClocksTimeAndEmptiesTheKeypadEntry) {
  SetOrvennaDate(L"2001-01-01T00:00:00");
  Run([](TestConsoleDlg& dlg) { SetDateTimeEntry(dlg.consoleState, L"02025/03/14", L"21:30:00", false); });
  const std::size_t mark = Mark();
  Click(NowId);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto units = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  const double wallClock = static_cast<double>(units - 116444736000000000ULL) / 1e7;
  EXPECT_NEAR(probe->state()->utc_seconds(), wallClock, 2);
  EXPECT_EQ(InjectedKeys(mark), "8");
  auto posted = PostedKeys(mark);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].wParam, static_cast<WPARAM>('8'));
  Wait(200);
  posted = PostedKeys(mark);
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[1].message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(posted[1].lParam, static_cast<LPARAM>(0xC0300001));
  EXPECT_FALSE(dialog->consoleState.entrySet);
  EXPECT_EQ(dialog->consoleState.dateText, L"");
  EXPECT_EQ(dialog->consoleState.timeText, L"");
}

// A time button refused by a guard: its message, and nothing sent to Orvenna.
struct GuardCase {
  const char* what;
  UINT button;
  std::function<void(TestConsoleDlg&)> state;
  std::wstring status;
};

TEST_F(TimeControlTest, TheGuardsRefuseWithTheirMessageAndSendNothing) {
  const auto paused = [](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPaused; };
  const auto recording = [](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderRecording; };
  const auto script = [](TestConsoleDlg& dlg) { dlg.scriptRunning = true; };
  const auto rateKeys = [](TestConsoleDlg& dlg) { dlg.speedKeysActive = true; };
  const auto flyBy = [](TestConsoleDlg& dlg) { dlg.flyByRunning = true; };
  const auto rateKeysAndScript = [](TestConsoleDlg& dlg) {
    dlg.speedKeysActive = true;
    dlg.scriptRunning = true;
    dlg.timeRateNormal = false;
  };
  const GuardCase cases[] = {
      {"pause, recording paused", PauseId, paused, RecordingPausedText},
      {"normal speed, recording paused", NormalSpeedId, paused, RecordingPausedText},
      {"normal speed, a script over rate keys", NormalSpeedId, rateKeysAndScript, ScriptRunningText},
      {"now, recording paused", NowId, paused, RecordingPausedText},
      {"now, recording", NowId, recording, NotDuringRecordingText},
      {"now, a script", NowId, script, NotDuringRecordingText},
      {"now, rate keys", NowId, rateKeys, NotDuringRecordingText},
      {"now, fly-by", NowId, flyBy, FlyByText},
      {"keypad, recording paused", SetDateTimeId, paused, RecordingPausedText},
      {"keypad, a script", SetDateTimeId, script, ScriptRunningText},
      {"keypad, fly-by", SetDateTimeId, flyBy, FlyByText},
      {"date on screen, a script", ShowDateTimeId, script, ScriptRunningText},
      {"date on screen, fly-by", ShowDateTimeId, flyBy, FlyByText},
      {"speed button, recording paused", FirstSpeedId, paused, RecordingPausedText},
      {"speed button, fly-by", FirstSpeedId, flyBy, FlyByText},
  };
  Run([](TestConsoleDlg& dlg) {
    StoreSpeedButtons({3, 3, 3, 3}, 0xFFFFFF);
    dlg.keypad = [](CConsoleState& state) {
      SetDateTimeEntry(state, L"02025/03/14", L"21:30:00", false);
      return INT_PTR{0};
    };
  });
  for (const GuardCase& refused : cases) {
    Run([&refused](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.scriptRunning = dlg.speedKeysActive = dlg.flyByRunning = false;
      dlg.timeRateNormal = true;
      refused.state(dlg);
    });
    const std::size_t mark = Mark();
    const std::size_t scripts = probe->scripts().size();
    Click(refused.button);
    EXPECT_EQ(StatusLine(), refused.status) << refused.what;
    Wait(1000);
    EXPECT_EQ(InjectedKeys(mark), "") << refused.what;
    EXPECT_TRUE(PostedKeys(mark).empty()) << refused.what;
    EXPECT_EQ(probe->scripts().size(), scripts) << refused.what;
    Wait(6000);
  }
}

struct RateCase {
  const char* what;
  int steps;
  bool forward;
  std::string atOnce;
  std::vector<std::string> byTimer;
  double rate;
  std::wstring recorded;
  std::wstring caption;
};

TEST_F(TimeControlTest, ARateButtonStepsOrvennasRateByKeysAQuarterSecondApartAndAPressMoreEndsIt) {
  const RateCase cases[] = {
      {"speed 7 forward",
       7,
       true,
       "7k",
       {"l", "l", "L"},
       9.88 * 9.88 * 2,
       L"core.setTimeRate(195.228800);\r",
       L"(+) 7"},
      {"speed 2 backward", 2, false, "7kJJ", {"J", "J"}, -4, L"core.setTimeRate(-4.000000);\r", L"(-) 2"},
  };
  for (const RateCase& button : cases) {
    Run([&button](TestConsoleDlg& dlg) {
      StoreSpeedButtons({button.steps, 1, 1, 1}, SpeedGroup(0, RateMode | (button.forward ? Forward : 0)));
      dlg.UpdateSpeedButtonCaptions();
      dlg.RecorderState = RecorderIdle;
      dlg.StartRecording();
    });
    EXPECT_EQ(DialogText(FirstSpeedId), button.caption) << button.what;
    const std::size_t mark = Mark();
    Click(FirstSpeedId);
    EXPECT_EQ(InjectedKeys(mark), button.atOnce) << button.what;
    EXPECT_EQ(DialogText(FirstSpeedId), Running) << button.what;
    EXPECT_TRUE(dialog->speedKeysActive) << button.what;
    EXPECT_TRUE(Show().recordedScript.ends_with(button.recorded)) << button.what;
    std::string expected = button.atOnce;
    for (const std::string& key : button.byTimer) {
      Wait(249);
      EXPECT_EQ(InjectedKeys(mark), expected) << button.what << ": not before 250 ms";
      Wait(1);
      expected += key;
      EXPECT_EQ(InjectedKeys(mark), expected) << button.what;
    }
    Wait(1000);
    EXPECT_EQ(InjectedKeys(mark), expected) << button.what << ": no key after the last step";
    EXPECT_NEAR(Rate(), button.rate, 1e-9) << button.what;
    // The probe follows Orvenna's date as it runs at that rate, a second at a time.
    const double before = probe->state()->utc_seconds();
    Wait(3000);
    EXPECT_NEAR(probe->state()->utc_seconds() - before, 3 * button.rate, std::abs(button.rate) * 1.01)
        << button.what;

    Click(FirstSpeedId);
    Wait(300);
    EXPECT_EQ(Rate(), 1) << button.what;
    EXPECT_EQ(DialogText(FirstSpeedId), button.caption) << button.what;
    EXPECT_FALSE(dialog->speedKeysActive) << button.what;
    EXPECT_TRUE(Show().recordedScript.ends_with(L"core.setTimeRate(1);\r")) << button.what;
    EXPECT_EQ(Show().commandList.find(L"normalspeed"), std::wstring::npos) << button.what;
    Wait(2000);
  }
}

TEST_F(TimeControlTest, ASecondSpeedButtonWhileOneRunsIsRefusedAndChangesNothing) {
  Run([](TestConsoleDlg& dlg) {
    StoreSpeedButtons({12, 1, 1, 1}, SpeedGroup(0, RateMode | Forward) | SpeedGroup(1, RateMode));
    dlg.UpdateSpeedButtonCaptions();
  });
  Click(FirstSpeedId);
  const std::size_t mark = Mark();
  Click(FirstSpeedId + 1);
  EXPECT_EQ(StatusLine(), ScriptRunningText);
  EXPECT_EQ(DialogText(FirstSpeedId + 1), L"(-) 1");
  Wait(2000);
  EXPECT_EQ(InjectedKeys(mark), "llll") << "the first button's steps go on in its direction";
  EXPECT_EQ(DialogText(FirstSpeedId), Running);
}

TEST_F(TimeControlTest, PauseAndTheStartStateEndARunningRateButtonAndItsSteps) {
  const std::function<void(TestConsoleDlg&)> enders[] = {
      [](TestConsoleDlg& dlg) { dlg.OnPause(); },
      [](TestConsoleDlg& dlg) { dlg.ResetPlanetariumToStartState(); },
  };
  for (const auto& end : enders) {
    Run([](TestConsoleDlg& dlg) {
      StoreSpeedButtons({12, 1, 1, 1}, SpeedGroup(0, RateMode | Forward));
      dlg.UpdateSpeedButtonCaptions();
    });
    Click(FirstSpeedId);
    Wait(250);
    RunToEnd(end);
    const std::size_t mark = Mark();
    Wait(2000);
    EXPECT_EQ(InjectedKeys(mark), "") << "no rate key after the end";
    EXPECT_EQ(DialogText(FirstSpeedId), L"(+) 12");
    EXPECT_FALSE(dialog->speedButtonActive[0]);
    EXPECT_FALSE(dialog->speedKeysActive);
    Wait(12000);
  }
}

TEST_F(TimeControlTest, ADateButtonStepsOrvennasDateRoundByRoundUntilPressedAgain) {
  SetOrvennaDate(L"2000-01-01T00:00:00");
  const double start = probe->state()->utc_seconds();
  Run([](TestConsoleDlg& dlg) {
    StoreSpeedButtons({1, 1, 1, 1}, SpeedGroup(1, Forward | DateStep(3) | Sidereal));
    dlg.UpdateSpeedButtonCaptions();
    dlg.SelectedBodyCode = 1;
    dlg.StartRecording();
  });
  EXPECT_EQ(DialogText(FirstSpeedId + 1), L"(+) 1 year S");
  const DWORD pressed = GetTickCount();
  Click(FirstSpeedId + 1);
  const DWORD started = GetTickCount();
  EXPECT_NE(LastScriptRun().find("for(i=0; i<199999; i++)\r{\r   core.setDate(\"+ 365 days sidereal\");\r   "
                                 "core.wait(0.2);\r}\r"),
            std::string::npos);
  EXPECT_EQ(DialogText(FirstSpeedId + 1), Running);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(2060);
  const double years = (probe->state()->utc_seconds() - start) / (365 * 86164.0905);
  EXPECT_NEAR(years, (GetTickCount() - started) / 200.0, 2) << "a round every 0.2 s";

  Click(FirstSpeedId + 1);
  const double ranSeconds = (GetTickCount() - pressed) / 1000.0;
  const double stopped = probe->state()->utc_seconds();
  Wait(2000);
  EXPECT_EQ(probe->state()->utc_seconds(), stopped);
  EXPECT_EQ(DialogText(FirstSpeedId + 1), L"(+) 1 year S");
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_TRUE(dialog->timeRateNormal);
  const std::wstring& script = Show().recordedScript;
  EXPECT_EQ(script.find(L"199999"), std::wstring::npos);
  const std::size_t bound = script.find(L"for(i=0; i<");
  ASSERT_NE(bound, std::wstring::npos);
  EXPECT_NEAR(std::stod(script.substr(bound + 11)), ranSeconds / 0.206, 0.5) << "the rounds that ran";
}

TEST_F(TimeControlTest, ADateButtonsRunEndsWithTheScriptThatStopScriptOrFindEnded) {
  struct Ender {
    const char* name;
    std::function<void(TestConsoleDlg&)> end;
  };
  const Ender enders[] = {
      {"stop script", [](TestConsoleDlg& dlg) { dlg.OnScriptStop(); }},
      {"find",
       [](TestConsoleDlg& dlg) {
         dlg.InitConstellationNames();
         dlg.search = [](CConsoleState& state) {
           state.SetSearchTarget(L"Orion", 2, 0);
           return INT_PTR{IDOK};
         };
         dlg.FindObject();
       }},
  };
  for (const Ender& ender : enders) {
    Run([](TestConsoleDlg& dlg) {
      StoreSpeedButtons({1, 1, 1, 1},
                        SpeedGroup(1, Forward | DateStep(3)) | SpeedGroup(2, Forward | DateStep(0)));
      dlg.UpdateSpeedButtonCaptions();
    });
    Click(FirstSpeedId + 1);
    ASSERT_EQ(DialogText(FirstSpeedId + 1), Running) << ender.name;
    Wait(1000);
    RunToEnd(ender.end);
    Wait(6000);
    EXPECT_EQ(DialogText(FirstSpeedId + 1), L"(+) 1 year") << ender.name;
    EXPECT_FALSE(dialog->speedButtonActive[1]) << ender.name;
    EXPECT_FALSE(dialog->scriptRunning) << ender.name << ": Milky Way and the planets would refuse";
    Click(FirstSpeedId + 2);
    EXPECT_NE(StatusLine(), ScriptRunningText) << ender.name;
    EXPECT_EQ(DialogText(FirstSpeedId + 2), Running) << ender.name << ": another speed button runs";
    Click(FirstSpeedId + 2);
    Wait(6000);
  }
}

TEST_F(TimeControlTest, ADateButtonsRecordingIsAbandonedWhenOrvennaWentMeanwhile) {
  Run([](TestConsoleDlg& dlg) {
    StoreSpeedButtons({1, 1, 1, 1}, SpeedGroup(2, DateStep(0)));
    dlg.StartRecording();
  });
  Click(FirstSpeedId + 2);
  EXPECT_NE(LastScriptRun().find("core.setDate(\"- 1 days \");\r   core.wait(0.35);"), std::string::npos);
  PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
  Wait(1000);
  Click(FirstSpeedId + 2);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_TRUE(Show().recordedScript.empty());
  EXPECT_TRUE(Show().commandList.empty());
}

struct InvertCase {
  std::array<int, 4> speeds;
  DWORD options;
  std::array<std::wstring, 4> before;
  std::array<std::wstring, 4> after;
  std::wstring firstTipAfter;
};

TEST_F(TimeControlTest, InvertTimeTurnsEveryButtonsDirectionInTheRegistryCaptionsAndTips) {
  const InvertCase cases[] = {
      {{1, 1, 1, 1},
       0xFFFFFF,
       {L"(+) 1", L"(+) 1", L"(+) 1", L"(+) 1"},
       {L"(-) 1", L"(-) 1", L"(-) 1", L"(-) 1"},
       L"Go backward at speed rate of 1"},
      {{12, 1, 1, 1},
       SpeedGroup(0, RateMode | Forward) | SpeedGroup(1, DateStep(6)) | SpeedGroup(2, Forward | Sidereal) |
           SpeedGroup(3, DateStep(2) | Sidereal),
       {L"(+) 12", L"(-) 100 years", L"(+) 1 day slow S", L"(-) 1 week S"},
       {L"(-) 12", L"(+) 100 years", L"(-) 1 day slow S", L"(+) 1 week S"},
       L"Go backward at speed rate of 12"},
  };
  Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  for (const InvertCase& invert : cases) {
    Run([&invert](TestConsoleDlg& dlg) {
      StoreSpeedButtons(invert.speeds, invert.options);
      dlg.UpdateSpeedButtonCaptions();
    });
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(DialogText(FirstSpeedId + static_cast<UINT>(k)), invert.before[static_cast<std::size_t>(k)]);
    Click(InvertTimeId);
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(DialogText(FirstSpeedId + static_cast<UINT>(k)), invert.after[static_cast<std::size_t>(k)]);
    EXPECT_EQ(SettingsReader().Dword(L"SpeedOptions"), (invert.options ^ 0x41041) & 0xFFFFFF);
    std::wstring tip;
    Run([&tip](TestConsoleDlg& dlg) { tip = dlg.TooltipText(FirstSpeedId); });
    EXPECT_EQ(tip, invert.firstTipAfter);
  }
}

TEST_F(TimeControlTest, TheSeasonButtonsMoveOrvennaToTheSeasonOfItsYearWithoutGuards) {
  const std::wstring years[] = {L"2031", L"0850", L"-0500", L"12000"};
  const std::string seasons[] = {"-03-20T10:20:30", "-09-23T10:20:30", "-06-22T10:20:30", "-12-22T10:20:30"};
  // None of the states that stop other buttons stops these.
  Run([](TestConsoleDlg& dlg) {
    dlg.RecorderState = RecorderPaused;
    dlg.flyByRunning = true;
    dlg.scriptRunning = true;
  });
  for (const std::wstring& year : years) {
    for (UINT k = 0; k < 4; ++k) {
      SetOrvennaDate(year + L"-07-04T10:20:30");
      Click(SpringId + k);
      Wait(500);
      EXPECT_EQ(OrvennaDate(), std::string(year.begin(), year.end()) + seasons[k]);
    }
  }
}

struct KeypadCase {
  const char* what;
  const wchar_t* date;
  const wchar_t* time;
  bool utc;
  const char* orvennaDate;  // null: refused
  const char* zone;
};

TEST_F(TimeControlTest, TheKeypadsDateAndTimeAreCheckedThenSetInOrvennaAtTheNormalRate) {
  const KeypadCase cases[] = {
      {"the ends of day, hour and minute", L"02025/03/14", L"24:60:60", true, "2025-03-15T01:01:00", "utc"},
      {"before the common era", L"-00500/03/20", L"12:00:00", true, "-0500-03-20T12:00:00", "utc"},
      {"local time", L"02025/03/14", L"21:30:00", false, nullptr, "local"},
      {"an hour past the day", L"02025/03/14", L"25:00:00", true, nullptr, nullptr},
      {"a day the calendar reform skipped", L"01582/10/10", L"12:00:00", true, nullptr, nullptr},
      {"a day February has not", L"02025/02/29", L"12:00:00", true, nullptr, nullptr},
      {"a minute past the hour", L"02025/03/14", L"12:61:00", true, nullptr, nullptr},
      {"a time without its seconds", L"02025/03/14", L"12:00", true, nullptr, nullptr},
  };
  for (const KeypadCase& entry : cases) {
    SetOrvennaDate(L"2001-01-01T00:00:00");
    const std::size_t scripts = probe->scripts().size();
    Run([&entry](TestConsoleDlg& dlg) {
      dlg.keypad = [&entry](CConsoleState& state) {
        SetDateTimeEntry(state, entry.date, entry.time, false);
        state.isUtc = entry.utc;
        return INT_PTR{0};
      };
    });
    Click(SetDateTimeId);
    Wait(1000);
    if (entry.zone == nullptr) {
      EXPECT_EQ(StatusLine(), WrongDateText) << entry.what;
      EXPECT_EQ(probe->scripts().size(), scripts) << entry.what;
      EXPECT_EQ(OrvennaDate(), "2001-01-01T00:00:00") << entry.what;
      EXPECT_FALSE(dialog->consoleState.entrySet) << entry.what;
      EXPECT_EQ(dialog->consoleState.dateText, L"") << entry.what;
      Wait(5000);
      EXPECT_EQ(StatusLine(), L"") << entry.what;
      continue;
    }
    EXPECT_NE(LastScriptRun().find(std::string("\",\"") + entry.zone + "\");\rcore.setTimeRate(1);\r"),
              std::string::npos)
        << entry.what;
    EXPECT_EQ(Rate(), 1) << entry.what;
    if (entry.orvennaDate != nullptr) {
      const double expected = *orvenna::parse_date(entry.orvennaDate, {}, false);
      EXPECT_NEAR(probe->state()->utc_seconds(), expected, 3) << entry.what;
    }
  }
}

TEST_F(TimeControlTest, AKeypadLeftWithoutAnEntryChangesNothing) {
  Run([](TestConsoleDlg& dlg) {
    SetDateTimeEntry(dlg.consoleState, L"02025/03/14", L"21:30:00", false);
    dlg.keypad = [](CConsoleState&) { return INT_PTR{3}; };
  });
  const std::size_t scripts = probe->scripts().size();
  Click(SetDateTimeId);
  Wait(1000);
  EXPECT_EQ(probe->scripts().size(), scripts);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_TRUE(dialog->consoleState.entrySet);
}

TEST_F(TimeControlTest, TheDateShowsOnOrvennasScreenForFiveSecondsEvenWhileTheRecordingPauses) {
  SetOrvennaDate(L"2031-07-04T10:20:30");
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPaused; });
  Click(ShowDateTimeId);
  Wait(200);
  const auto labels = probe->state()->labels();
  std::vector<std::string> shown;
  for (const auto& label : labels)
    if (label.visible) shown.push_back(label.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"2031-07-04", "10:20:30 UTC"}));
  EXPECT_EQ(StatusLine(), RecordingPausedText);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(5690);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(20);
  EXPECT_FALSE(dialog->scriptRunning) << "timer 107 at 5.9 s";
  Wait(1000);
  EXPECT_TRUE(probe->state()->labels().empty());
}

}  // namespace
