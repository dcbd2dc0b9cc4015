// The show recorder on the virtual clock: each timeline replays exactly, so the waits and the
// command lines' seconds are checked to the millisecond.
#include <string>
#include <vector>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/show/script_set_file.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

enum class Act { Record, Pause, Resume };

struct Step {
  DWORD atMs;
  Act act;
  const wchar_t* script = L"";
  const wchar_t* keyword = L"";
  float durationMs = 0;
};

Step Record(DWORD atMs, const wchar_t* script, const wchar_t* keyword, float durationMs) {
  return {atMs, Act::Record, script, keyword, durationMs};
}

struct Timeline {
  const char* what;
  std::vector<Step> steps;
  // The recorded script after its header, and the command list after the two version lines.
  std::wstring script;
  std::wstring commands;
};

class RecorderTest : public ConsoleDialogTest {
 protected:
  void Play(const Timeline& timeline) {
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.StartRecording();
    });
    const DWORD start = GetTickCount();
    for (const Step& step : timeline.steps) {
      machine.advance(step.atMs - (GetTickCount() - start));
      machine.run_until_idle();
      Run([&step](TestConsoleDlg& dlg) {
        if (step.act == Act::Record) dlg.RecordStep(step.script, step.keyword, step.durationMs);
        if (step.act != Act::Record) dlg.PauseResumeRecording();
      });
    }
  }

  static std::wstring AfterVersionLines(const std::wstring& commands) {
    const std::size_t first = commands.find(L'\r');
    const std::size_t second = commands.find(L'\r', first + 1);
    return second == std::wstring::npos ? L"" : commands.substr(second + 1);
  }
};

const wchar_t* const Atmo =
    L"var atmo = LandscapeMgr.getFlagAtmosphere();\rLandscapeMgr.setFlagAtmosphere(!atmo);\r";
const wchar_t* const MilkyWay = L"MilkyWay.setFlagShow(false);\r";
const wchar_t* const Fog = L"LandscapeMgr.setFlagFog(true);\r";

std::wstring Repeated(std::wstring_view piece, std::size_t characters) {
  std::wstring text;
  while (text.size() < characters)
    text += piece;
  return text;
}

TEST_F(RecorderTest, StepsGoToTheScriptBehindWaitsOrToTheCommandList) {
  const Timeline timelines[] = {
      {"the first step's script follows the header without a wait; the waits leave out its run time",
       {Record(0, MilkyWay, L"", 10000), Record(12000, Atmo, L"atmo", 0), Record(15000, L"", L"desel", 0)},
       std::wstring(MilkyWay) + L"core.wait(2.000000);\r" + Atmo,
       L"desel|15.000000\r"},
      {"a first step without a script is a command line at once",
       {Record(0, L"", L"desel", 0), Record(4000, Atmo, L"atmo", 0)},
       L"core.wait(4.000000);\r" + std::wstring(Atmo),
       L"desel|0.000000\r"},
      {"toggles during a 10 s step are command lines; after it they are scripted",
       {Record(0, MilkyWay, L"", 10000), Record(500, Atmo, L"atmo", 0), Record(1000, Atmo, L"atmo", 0),
        Record(11000, Atmo, L"atmo", 0), Record(12000, L"", L"Site|Rome", 0)},
       std::wstring(MilkyWay) + L"core.wait(1.000000);\r" + Atmo,
       L"atmo|0.500000\ratmo|0.500000\rSite|Rome|11.000000\r"},
      {"a scripted step without a keyword during a running one waits on an empty command",
       {Record(0, MilkyWay, L"", 10000), Record(2500, Fog, L"", 0)},
       MilkyWay,
       L"|2.500000\r"},
      {"a minute's pause adds nothing to the wait",
       {Record(0, MilkyWay, L"", 1000), {2000, Act::Pause}, {62000, Act::Resume}, Record(63000, Fog, L"", 0)},
       std::wstring(MilkyWay) + L"core.wait(2.000000);\r" + Fog,
       L""},
      {"a command step after a pause leaves the pause to the next scripted step, which is kept",
       {Record(0, MilkyWay, L"", 20000),
        {1000, Act::Pause},
        {6000, Act::Resume},
        Record(7000, L"", L"desel", 0),
        Record(27000, Fog, L"", 0),
        Record(28000, L"", L"desel", 0)},
       std::wstring(MilkyWay) + L"core.wait(2.000000);\r" + Fog,
       L"desel|2.000000\rdesel|21.000000\r"},
  };
  StartDialog([](TestConsoleDlg& dlg) { dlg.planetariumVersion = L"0.18.2"; });
  for (const Timeline& timeline : timelines) {
    Play(timeline);
    const RecordedShow& show = dialog->recordedShow;
    EXPECT_EQ(show.recordedScript.rfind(L"xQJOC", 0), 0u) << timeline.what;
    EXPECT_TRUE(show.recordedScript.ends_with(timeline.script)) << timeline.what;
    EXPECT_EQ(show.commandList.rfind(L"version|5.2.1|", 0), 0u) << timeline.what;
    EXPECT_NE(show.commandList.find(L"\rorvenna|0.18.2|"), std::wstring::npos) << timeline.what;
    EXPECT_EQ(AfterVersionLines(show.commandList), timeline.commands) << timeline.what;
  }
}

TEST_F(RecorderTest, NothingIsRecordedUnlessRecordingAndAStartOnlyFromIdle) {
  StartDialog();
  Run([](TestConsoleDlg& dlg) {
    dlg.RecordStep(Fog, L"fog", 0);
    dlg.RecorderState = RecorderPlaying;
    dlg.StartRecording();
    dlg.RecordStep(Fog, L"fog", 0);
  });
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying);
  EXPECT_TRUE(dialog->recordedShow.recordedScript.empty());
  EXPECT_TRUE(dialog->recordedShow.commandList.empty());
}

}  // namespace

namespace {

// A long show must stay one that its file gives back: the step that would take it past what the
// console loads is left out and told once, and the steps before it are kept to be saved.
TEST_F(RecorderTest, AShowStopsGrowingWhereItsFileStillLoadsAndSaysSoOnce) {
  struct LongSteps {
    const char* what;
    std::wstring script;
    std::wstring keyword;
  };
  const LongSteps kinds[] = {
      {"scripts of codes, bounded by what they decode to", Repeated(Atmo, 128 * 1024), L""},
      {"place names of punctuation, bounded by the file's length", L"",
       L"Site|" + std::wstring(64 * 1024, L';')},
  };
  StartDialog();
  Run([](TestConsoleDlg&) { CreateDirectoryW(L"C:\\Shows", nullptr); });
  for (const LongSteps& kind : kinds) {
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
    HWND box = nullptr;
    for (int step = 0; step < 400 && box == nullptr; ++step) {
      Run([&kind](TestConsoleDlg& dlg) { dlg.RecordStep(kind.script, kind.keyword, 0); });
      box = MessageBoxShown();
    }
    ASSERT_NE(box, nullptr) << kind.what << ": the full recording is told";
    EXPECT_NE(MessageBoxText(box).find(L"largest show"), std::wstring::npos) << kind.what;
    Answer(box, IDOK);
    const RecordedShow kept = dialog->recordedShow;
    Run([&kind](TestConsoleDlg& dlg) { dlg.RecordStep(kind.script, kind.keyword, 0); });
    EXPECT_EQ(MessageBoxShown(), nullptr) << kind.what << ": once";
    EXPECT_EQ(dialog->recordedShow.recordedScript, kept.recordedScript) << kind.what;
    EXPECT_EQ(dialog->recordedShow.commandList, kept.commandList) << kind.what;
    EXPECT_EQ(dialog->RecorderState, RecorderRecording) << kind.what << ": the presenter stops it to save it";
    ScriptSetLoadResult loaded;
    Run([&kept, &loaded](TestConsoleDlg&) {
      ASSERT_TRUE(SaveScriptSetFile(L"C:\\Shows\\long.ocsf", kept));
      loaded = LoadScriptSetFile(L"C:\\Shows\\long.ocsf");
    });
    ASSERT_TRUE(loaded.show) << kind.what << ": the saved show loads again";
    EXPECT_EQ(loaded.show->recordedScript, kept.recordedScript.substr(5)) << kind.what;
    EXPECT_EQ(loaded.show->commandList, kept.commandList) << kind.what;
    Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderIdle; });
  }
}

}  // namespace

namespace {

// The recorder with Orvenna started, the presenter's mouse on the console's held buttons.
class RecorderWithOrvennaTest : public ConsoleWithOrvennaTest {
 protected:
  driver::DesktopUser user{machine};
};

constexpr int ZoomInId = 1842;

// The zoom keyword a replay of the command list performs last, or nothing.
std::wstring LastZoomKeyword(const std::wstring& commands) {
  const std::size_t at = commands.rfind(L"\rzoom");
  if (at == std::wstring::npos) return L"";
  return commands.substr(at + 1, commands.find(L'|', at) - at - 1);
}

// A zoom held while the recording fills up still ends in the saved show, so its replay lets go.
TEST_F(RecorderWithOrvennaTest, AFullRecordingStillEndsTheZoomItStarted) {
  const std::wstring longScript = Repeated(Atmo, 128 * 1024);
  Run([](TestConsoleDlg& dlg) {
    CreateDirectoryW(L"C:\\Shows", nullptr);
    dlg.RecorderState = RecorderIdle;
    dlg.StartRecording();
    dlg.RecordStep(MilkyWay, L"", 0);
    ::SetForegroundWindow(dlg.m_hWnd);
  });
  ASSERT_TRUE(user.press(ZoomInId, driver::DesktopUser::Pointer::Mouse));
  HWND box = nullptr;
  for (int step = 0; step < 400 && box == nullptr; ++step) {
    Run([&longScript](TestConsoleDlg& dlg) { dlg.RecordStep(longScript, L"", 0); });
    box = MessageBoxShown();
  }
  ASSERT_NE(box, nullptr) << "the recording is full";
  Answer(box, IDOK);
  ASSERT_TRUE(user.release(ZoomInId, driver::DesktopUser::Pointer::Mouse));
  ScriptSetLoadResult loaded;
  Run([&loaded](TestConsoleDlg& dlg) {
    ASSERT_TRUE(SaveScriptSetFile(L"C:\\Shows\\zoom.ocsf", dlg.recordedShow));
    loaded = LoadScriptSetFile(L"C:\\Shows\\zoom.ocsf");
  });
  ASSERT_TRUE(loaded.show && loaded.show->commandList) << "the saved show loads again";
  EXPECT_EQ(LastZoomKeyword(*loaded.show->commandList), L"zoomIn_End");
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderIdle; });
}

}  // namespace
