// The main window as a presenter sees it after the start-up, in both layouts and in the interface
// languages: every key's caption is drawn whole at a readable size, no control lies over
// another, and no label's text is cut by the label's own height.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win/win32.h"
#include "src/app/main_dialog_controls.h"
#include "src/app/window/which_edition.h"
#include "src/controls/btn_planet.h"
#include "src/controls/static_ex.h"
#include "src/settings/settings_key.h"
#include "src/util/localized_text.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

// The console's dialog font at 96 dpi is 11 pixels high (8 points), the smallest text the
// desktop draws anywhere; a caption fitted smaller is no longer read at a glance.
constexpr int SmallestPrimaryCaption = 11;
// The training window is half the design's width, so its keys are half as wide.
constexpr int SmallestTrainingCaption = SmallestPrimaryCaption / 2;

constexpr int PrimaryRadio = CWhichEdition::TwoMonitorRadio;
constexpr int TrainingRadio = CWhichEdition::TrainingRadio;

struct LayoutCase {
  const char* name;
  int layoutRadio;
  DWORD language;
  int smallestCaption;
};

void PrintTo(const LayoutCase& layout, std::ostream* out) {
  *out << layout.name;
}

const LayoutCase LayoutCases[] = {
    {"PrimaryEnglish", PrimaryRadio, 0, SmallestPrimaryCaption},
    {"PrimaryItalian", PrimaryRadio, 1, SmallestPrimaryCaption},
    {"PrimaryFrench", PrimaryRadio, 2, SmallestPrimaryCaption},
    {"PrimarySpanish", PrimaryRadio, 3, SmallestPrimaryCaption},
    {"PrimaryTurkish", PrimaryRadio, 4, SmallestPrimaryCaption},
    {"PrimaryChinese", PrimaryRadio, 5, SmallestPrimaryCaption},
    {"TrainingEnglish", TrainingRadio, 0, SmallestTrainingCaption},
    {"TrainingItalian", TrainingRadio, 1, SmallestTrainingCaption},
    {"TrainingFrench", TrainingRadio, 2, SmallestTrainingCaption},
    {"TrainingSpanish", TrainingRadio, 3, SmallestTrainingCaption},
    {"TrainingTurkish", TrainingRadio, 4, SmallestTrainingCaption},
    {"TrainingChinese", TrainingRadio, 5, SmallestTrainingCaption},
};

// Captions the keys take later while the console runs: the widest the speed keys compose, and the
// go-to key's first stage.
struct LaterCaption {
  int id;
  const wchar_t* caption;
};
constexpr LaterCaption SpeedCaptions[] = {{1106, L"(+) 1 day slow S"},
                                          {1107, L"(-) 200 years S"},
                                          {1108, L"(+) 100 years S"},
                                          {1109, L"(-) 1 day fast S"}};
constexpr UINT CentreOnObjectText = 4430;
constexpr int GoToKey = 1057;

struct FittedCaption {
  int id;
  std::wstring caption;
  int height;  // the fitted character height in pixels
  SIZE drawn;  // the widest line and all lines' height at that size
  SIZE key;    // the key's client size
};

std::string Printable(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text)
    out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

class MainWindowLayoutTest : public ConsoleDialogTest, public ::testing::WithParamInterface<LayoutCase> {
 protected:
  void SetUp() override {
    SettingsWriter().Dword(L"Language", GetParam().language);
    WriteConsoleOptions();
    StartOrvenna();
    StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
    ChooseLayout(GetParam().layoutRadio);
    machine.advance(20000);
    ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
    ASSERT_NE(MainDialog(), nullptr);
  }

  // Every key with a caption of more than one character (one character is always drawn large).
  std::vector<FittedCaption> FittedCaptions() {
    std::vector<FittedCaption> fitted;
    Run([&fitted](TestConsoleDlg& dlg) {
      for (const MainDialogControl& control : MainDialogControls) {
        if (control.kind != MainDialogControl::ImageButton) continue;
        auto* key =
            dynamic_cast<CBtnPlanet*>(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, control.id)));
        ASSERT_NE(key, nullptr) << control.id;
        const std::wstring caption = key->GetWindowText();
        if (caption.size() < 2) continue;
        CClientDC dc(key);
        CRect client;
        key->GetClientRect(&client);
        const LOGFONTW font = key->CaptionFont(dc, client);
        CFont drawn;
        drawn.CreateFontIndirect(&font);
        CFont* previous = dc.SelectObject(&drawn);
        TEXTMETRICW metrics{};
        dc.GetTextMetrics(&metrics);
        SIZE lines{0, 0};
        for (std::size_t start = 0; start <= caption.size();) {
          const std::size_t end = std::min(caption.find(L'\n', start), caption.size());
          lines.cx = std::max(lines.cx, dc.GetTextExtent(caption.substr(start, end - start)).cx);
          lines.cy += metrics.tmHeight;
          start = end + 1;
        }
        dc.SelectObject(previous);
        fitted.push_back({control.id, caption, -font.lfHeight, lines, {client.Width(), client.Height()}});
      }
    });
    return fitted;
  }

  void ExpectReadable(const std::vector<FittedCaption>& captions) {
    for (const FittedCaption& key : captions) {
      SCOPED_TRACE(testing::Message() << "key " << key.id << " \"" << Printable(key.caption) << "\"");
      EXPECT_GE(key.height, GetParam().smallestCaption);
      // Wider than its key, a line would break; taller, the caption would be cut.
      EXPECT_LE(key.drawn.cx, key.key.cx);
      EXPECT_LE(key.drawn.cy, key.key.cy);
    }
  }
};

TEST_P(MainWindowLayoutTest, EveryKeysCaptionIsReadableAndWhole) {
  std::vector<FittedCaption> captions = FittedCaptions();
  ASSERT_GT(captions.size(), 70u);
  ExpectReadable(captions);
  Run([](TestConsoleDlg& dlg) {
    for (const LaterCaption& speed : SpeedCaptions)
      dlg.SetDlgItemText(speed.id, speed.caption);
    dlg.SetDlgItemText(GoToKey, LoadLocalizedText(CentreOnObjectText).c_str());
  });
  ExpectReadable(FittedCaptions());
}

TEST_P(MainWindowLayoutTest, NoVisibleControlLiesOverAnotherOrOutsideTheWindow) {
  HWND main = MainDialog();
  RECT client{};
  GetClientRect(main, &client);
  std::vector<std::pair<int, RECT>> shown;
  for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    const int id = GetDlgCtrlID(child);
    EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right && rect.bottom <= client.bottom)
        << id << " outside the client area";
    shown.emplace_back(id, rect);
  }
  ASSERT_EQ(shown.size(), MainDialogControls.size() - 1)
      << "every control but the stopwatch's reset is shown";
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      RECT common{};
      EXPECT_FALSE(IntersectRect(&common, &shown[i].second, &shown[j].second))
          << shown[i].first << " and " << shown[j].first << " overlap";
    }
}

TEST_P(MainWindowLayoutTest, EveryLabelsTextFitsTheLabelsHeight) {
  // The event labels are empty without events: a short memo gets their largest text.
  Run([](TestConsoleDlg& dlg) {
    for (int label = 1066; label <= 1070; ++label)
      dlg.SetDlgItemText(label, L"Eclipse");
  });
  Run([](TestConsoleDlg& dlg) {
    for (const MainDialogControl& control : MainDialogControls) {
      if (control.kind != MainDialogControl::Label) continue;
      auto* label = dynamic_cast<CStaticEx*>(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, control.id)));
      ASSERT_NE(label, nullptr) << control.id;
      ASSERT_FALSE(label->GetWindowText().empty()) << control.id;
      CClientDC dc(label);
      CRect client;
      label->GetClientRect(&client);
      EXPECT_LE(label->TextFont(dc).lfHeight, client.Height()) << "label " << control.id;
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainWindowLayoutTest, ::testing::ValuesIn(LayoutCases),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

}  // namespace
