#include "tests/media/player_fixture.h"

#include <filesystem>

#include <fstream>

#include "peers/media_player/media_player.h"
#include "peers/mpv/mpv_program.h"
#include "platform/afx/ole_support.h"
#include "platform/win/win32.h"
#include "src/settings/ini_files.h"

namespace {

constexpr wchar_t ConsoleProgram[] = L"OrvennaConsole.exe";

std::filesystem::path OnDriveC(const std::filesystem::path& data, std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return data / "C" / path.substr(3);
}

}  // namespace

PlayerTest::PlayerTest() {
  mpvProbe = mpv::register_mpv_program(machine);
  EXPECT_EQ(mpv::install_mpv(machine, ConsoleFolder), 0U);
  mediaProbe = media_player::register_media_player(machine);
  EXPECT_EQ(media_player::install_media_player(), ERROR_SUCCESS);
}

void PlayerTest::SetUp() {
  MediaTest::SetUp();
  // mpv is looked for beside the console's own program.
  console->image_path = std::wstring(ConsoleFolder) + ConsoleProgram;
  // As the application object does before the main dialog runs.
  Run([](TestConsoleDlg&) { AfxOleInit(); });
}

void PlayerTest::TearDown() {
  if (HWND remote = ShownDialog(L"Player")) Press(remote, IDCANCEL);
  MediaTest::TearDown();
}

void PlayerTest::MakeClip(const std::wstring& path, const media::ClipSpec& spec) {
  const std::filesystem::path file = OnDriveC(machine.data_folder(), path);
  std::filesystem::create_directories(file.parent_path());
  ASSERT_EQ(media::write_clip(file, spec), "");
}

void PlayerTest::MakeTextFile(const std::wstring& path, const std::string& text) {
  const std::filesystem::path file = OnDriveC(machine.data_folder(), path);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

void PlayerTest::SetUpButton(int k, int type, const VideoOptions& options) {
  Run([k, type, options](TestConsoleDlg&) {
    ScriptButtons buttons = LoadScriptButtons();
    buttons.types[k] = type;
    buttons.names[k] = options.fileName;
    SaveScriptButtons(buttons);
    SaveVideoOptions(k, options);
  });
}

void PlayerTest::ChoosePlayer(const std::wstring& player) {
  Run([player](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"behavior", L"usePlayer", player); });
}

HWND PlayerTest::OpenRemote(std::function<INT_PTR(TestConsoleDlg&)> open) {
  playResult.reset();
  // A step run while the remote is open replaces this one: what it needs afterwards is on the stack.
  dialog->step = [this, open](TestConsoleDlg& dlg) {
    PlayerTest* self = this;
    const std::function<INT_PTR(TestConsoleDlg&)> play = open;
    const INT_PTR result = play(dlg);
    self->playResult = result;
  };
  PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
  machine.run_until_idle();
  return ShownDialog(L"Player");
}

HWND PlayerTest::OpenVideo(int k, const std::wstring& suffix) {
  return OpenRemote(
      [k, suffix](TestConsoleDlg& dlg) { return dlg.COrvennaConsoleDlg::PlayVideo(suffix, k); });
}

HWND PlayerTest::OpenAudio(int k) {
  return OpenRemote([k](TestConsoleDlg& dlg) { return dlg.COrvennaConsoleDlg::PlayAudio(k, L""); });
}

HWND PlayerTest::ReopenAudio(int k) {
  return OpenRemote([k](TestConsoleDlg& dlg) { return dlg.ReopenBackgroundAudio(k); });
}

std::wstring PlayerTest::VolumeLabel(HWND remote) const {
  wchar_t text[64] = {};
  GetDlgItemTextW(remote, 6202, text, 64);
  return text;
}

bool PlayerTest::MpvSoundOpen() {
  const audio::StreamRecord* stream = machine.audio().last_stream_of(L"mpv.exe");
  return stream != nullptr && stream->open;
}
