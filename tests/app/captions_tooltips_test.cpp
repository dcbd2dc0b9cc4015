// The main window's captions and tooltips in the interface language, on a dialog that carries the
// controls they are set on.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/win32.h"
#include "src/controls/caption_fit.h"
#include "src/controls/control_font.h"
#include "src/settings/console_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/format_text.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int Controls[] = {1015, 1014, 1986, 1842, 1123,  1126, 10000,
                            8475, 1137, 1057, 1120, 10038, 1106, 1109};

class CaptionsTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    StartDialog();
    Run([](TestConsoleDlg& dlg) {
      for (int id : Controls)
        CreateWindowExW(0, L"Button", L"PLUTONE", WS_CHILD | WS_VISIBLE, 0, 0, 80, 40, dlg.GetSafeHwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    });
  }

  void SetLanguage(DWORD language) { SettingsWriter().Dword(L"Language", language); }

  std::wstring Caption(int id) const {
    wchar_t text[256] = {};
    GetDlgItemTextW(MainDialog(), id, text, 256);
    return text;
  }
};

struct CaptionCase {
  DWORD language;
  int control;
  const wchar_t* caption;
};

TEST_F(CaptionsTest, CaptionsFollowTheInterfaceLanguage) {
  constexpr CaptionCase cases[] = {
      {0, 1015, L"EARTH"},
      {1, 1015, L"TERRA"},
      {0, 1014, L"PLUTONE"},
      {1, 1014, L"PLUTONE"},
      {0, 1986, L"ORBIT AROUND"},
      {1, 1986, L"ORBITA ATTORNO"},
      {0, 1842, L""},
      {1, 1123, L""},
      {0, 1126, L"Your current location: "},
      {1, 1126, L"Posizione attuale: "},
      {0, 10000, L"Emergency!"},
      {0, 8475, L"SP"},
      {0, 1137, L"Spring"},
      // A stored number that names no language reads as the user's language, never past the table.
      {9, 1015, L"EARTH"},
  };
  for (const CaptionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.language << " control " << c.control);
    SetLanguage(c.language);
    Run([](TestConsoleDlg& dlg) { dlg.ApplyLanguage(); });
    EXPECT_EQ(Caption(c.control), c.caption);
  }
}

TEST_F(CaptionsTest, FlyByCaptionStaysStoppedSignWhileItRuns) {
  SetLanguage(1);
  Run([](TestConsoleDlg& dlg) {
    dlg.flyByRunning = true;
    dlg.ApplyLanguage();
  });
  EXPECT_EQ(Caption(1986), L"\u25A0");
}

TEST_F(CaptionsTest, TheGoToCaptionNamesWhatItsNextPressDoes) {
  SetLanguage(2);
  for (const bool goToStage : {false, true}) {
    Run([goToStage](TestConsoleDlg& dlg) {
      dlg.goToStage = goToStage;
      dlg.ApplyLanguage();
    });
    EXPECT_EQ(Caption(1057), goToStage ? L"Aller à" : L"Centrer l'objet");
  }
}

TEST_F(CaptionsTest, OutOfRangeLanguageIsNotStored) {
  SetLanguage(7);
  int read = -1;
  int stored = -1;
  Run([&](TestConsoleDlg& dlg) {
    dlg.consoleState.language = 0;
    read = dlg.ReadLanguageSetting();
    stored = dlg.consoleState.language;
  });
  EXPECT_GE(read, 0);
  EXPECT_LT(read, InterfaceLanguageCount);
  EXPECT_EQ(stored, 0);
}

struct TipCase {
  DWORD language;
  int control;
  const wchar_t* tip;
};

TEST_F(CaptionsTest, TooltipsAtStartUp) {
  const std::wstring home = FormatText(L"Reset your position to %s", LoadHomeLocation().c_str());
  constexpr TipCase cases[] = {
      {0, 1015, L"Find and select the Earth"},
      {1, 1015, L"Trova e seleziona la Terra"},
      {1, 1137, L"Spring Equinox - March 20"},
      {0, 1057, L"Center on selected object: (no object selected at the moment)"},
      {1, 1057, L"Centra l'oggetto selezionato: (nessun oggetto selezionato al momento)"},
      {0, 1986, L"Orbit around the selected planet (no object selected at the moment)"},
      {1, 1842, L"Ingrandisci"},
      {0, 1014, L""},
  };
  for (const TipCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.language << " control " << c.control);
    SetLanguage(c.language);
    std::wstring tip;
    Run([&](TestConsoleDlg& dlg) {
      dlg.CreateTooltips();
      tip = dlg.TooltipText(c.control);
    });
    EXPECT_EQ(tip, c.tip);
  }
  SetLanguage(0);
  std::wstring homeTip;
  Run([&](TestConsoleDlg& dlg) {
    dlg.CreateTooltips();
    homeTip = dlg.TooltipText(1120);
  });
  EXPECT_EQ(homeTip, home);
}

TEST_F(CaptionsTest, RefreshKeepsTheMountTipAndComposesTheSelection) {
  SetLanguage(0);
  Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  SetLanguage(1);
  std::wstring mount, earth, goTo, flyBy, goToStage;
  Run([&](TestConsoleDlg& dlg) {
    goToStage = LoadConsoleString(3681);
    dlg.SelectedBodyCode = 1;
    dlg.goToStage = true;
    dlg.RefreshTooltips();
    mount = dlg.TooltipText(10038);
    earth = dlg.TooltipText(1015);
    goTo = dlg.TooltipText(1057);
    flyBy = dlg.TooltipText(1986);
  });
  EXPECT_EQ(mount, L"Switch between equatorial to azimuthal mount mode");
  EXPECT_EQ(earth, L"Trova e seleziona la Terra");
  EXPECT_EQ(goTo, goToStage + L": (Terra)");
  EXPECT_EQ(flyBy, L"Orbita attorno al pianeta selezionato (TERRA)");
}

struct FlyByTipCase {
  DWORD language;
  int bodyCode;
  const wchar_t* tip;
};

TEST_F(CaptionsTest, FlyByTipNamesTheSelectedBodyAsThePlanetButtonsDo) {
  constexpr FlyByTipCase cases[] = {
      // The Pluto button keeps its template caption, but the tip names Pluto in the language.
      {0, 0, L"Orbit around the selected planet (PLUTO)"},
      {1, 0, L"Orbita attorno al pianeta selezionato (PLUTONE)"},
      {0, 10, L"Orbit around the selected planet (SUN)"},
      {1, 3, L"Orbita attorno al pianeta selezionato (LUNA)"},
      {0, -1, L"Orbit around the selected planet (no object selected at the moment)"},
  };
  for (const FlyByTipCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.language << " body " << c.bodyCode);
    SetLanguage(c.language);
    std::wstring tip;
    Run([&](TestConsoleDlg& dlg) {
      dlg.SelectedBodyCode = c.bodyCode;
      dlg.CreateTooltips();
      tip = dlg.TooltipText(1986);
    });
    EXPECT_EQ(tip, c.tip);
  }
}

// Every caption and tip that English has, each other language has too: a missing entry would
// leave a button blank.
TEST_F(CaptionsTest, EveryLanguageNamesWhatEnglishNames) {
  std::vector<int> ids;
  for (HWND child = GetWindow(MainDialog(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    ids.push_back(GetDlgCtrlID(child));
  const auto texts = [&](DWORD language) {
    SetLanguage(language);
    std::vector<std::pair<std::wstring, std::wstring>> captionsAndTips;
    Run([&](TestConsoleDlg& dlg) {
      dlg.ApplyLanguage();
      dlg.CreateTooltips();
      for (int id : ids)
        captionsAndTips.emplace_back(Caption(id), dlg.TooltipText(id));
    });
    return captionsAndTips;
  };
  const auto english = texts(0);
  ASSERT_GT(std::count_if(english.begin(), english.end(), [](const auto& t) { return !t.first.empty(); }),
            50);
  for (DWORD language = 1; language < InterfaceLanguageCount; ++language) {
    const auto translated = texts(language);
    for (std::size_t i = 0; i < ids.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "language " << language << " control " << ids[i]);
      EXPECT_EQ(translated[i].first.empty(), english[i].first.empty());
      EXPECT_EQ(translated[i].second.empty(), english[i].second.empty());
    }
  }
}

// The image buttons draw a caption broken by a line feed twice as large as one line of it would
// be: each line must still fit the button, or the longer one wraps into a third. The captions are
// one line now that the keys are wide; a line feed given to one later must keep to this.
TEST_F(CaptionsTest, TwoLineCaptionsFitTheirButtons) {
  for (DWORD language = 0; language < InterfaceLanguageCount; ++language) {
    SetLanguage(language);
    Run([&](TestConsoleDlg& dlg) {
      dlg.ApplyLanguage();
      for (HWND child = GetWindow(dlg.GetSafeHwnd(), GW_CHILD); child != nullptr;
           child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring caption = Caption(GetDlgCtrlID(child));
        if (!IsTwoLineCaption(caption)) continue;
        RECT client{};
        GetClientRect(child, &client);
        LOGFONTW font = ControlLogFont(*CWnd::FromHandle(child));
        if (font.lfHeight == 0) font.lfHeight = 10;
        font.lfWeight = FW_EXTRABOLD;
        HDC dc = GetDC(child);
        const auto extent = [dc, &font](std::wstring_view text) {
          HFONT measuring = CreateFontIndirectW(&font);
          HGDIOBJ previous = SelectObject(dc, measuring);
          SIZE size{};
          GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
          SelectObject(dc, previous);
          DeleteObject(measuring);
          return size;
        };
        const SIZE box{client.right - 20, client.bottom - 10};
        font.lfHeight = FitCaptionHeight(font.lfHeight, caption, extent(caption), box);
        const std::size_t lineFeed = caption.find(L'\n');
        for (std::wstring_view line : {std::wstring_view(caption).substr(0, lineFeed),
                                       std::wstring_view(caption).substr(lineFeed + 1)})
          EXPECT_LE(extent(line).cx, client.right)
              << "language " << language << " control " << GetDlgCtrlID(child) << " line "
              << testing::PrintToString(std::wstring(line));
        ReleaseDC(child, dc);
      }
    });
  }
}

struct SpeedTipCase {
  int options;
  int steps;
  unsigned language;
  const wchar_t* tip;
};

TEST_F(CaptionsTest, SpeedTipsFromTheSpeedSettings) {
  // Button 0's six bits: forward, the date step (three bits), rate mode, sidereal.
  constexpr SpeedTipCase cases[] = {
      {(6 << 1) << 18, 1, 0, L"Subtract 100 solar years"},
      {(1 | (6 << 1) | 0x20) << 18, 1, 0, L"Add 100 sidereal years"},
      {1 << 18, 1, 0, L"Add one solar day (slow)"},
      {(1 | 0x10) << 18, 30, 0, L"Go forward at speed rate of 30"},
      {0x10 << 18, 4, 1, L"Vai indietro a velocit\u00e0 4"},
  };
  for (const SpeedTipCase& c : cases) {
    SCOPED_TRACE(c.tip);
    std::wstring tip;
    Run([&](TestConsoleDlg&) {
      SpeedOptions options;
      options.options = c.options;
      options.speeds[0] = c.steps;
      tip = SpeedButtonTip(options, 0, c.language);
    });
    EXPECT_EQ(tip, c.tip);
  }
}

TEST_F(CaptionsTest, ChineseRateTipTakesTheNumberFirst) {
  std::wstring tip, expected;
  Run([&](TestConsoleDlg&) {
    SpeedOptions options;
    options.options = (1 | 0x10) << 18;
    options.speeds[0] = 30;
    tip = SpeedButtonTip(options, 0, 5);
    expected = FormatText(LoadConsoleString(3505).c_str(), 30, LoadConsoleString(3515).c_str());
  });
  EXPECT_EQ(tip, expected);
}

}  // namespace
