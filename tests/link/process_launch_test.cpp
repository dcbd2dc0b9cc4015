// Starting a program as the console starts Orvenna: its command line, its folder and the wait.
#include <string>

#include "platform/win/win32.h"
#include "tests/link/link_fixture.h"
#include "tests/platform/desktop_fixture.h"

namespace {

struct Started {
  std::wstring commandLine;
  std::wstring folder;
};

class ProcessLaunchTest : public DesktopTest {
 protected:
  ProcessLaunchTest() {
    machine.register_program(L"player.exe", [this](const std::wstring& commandLine) {
      wchar_t folder[MAX_PATH] = {};
      GetCurrentDirectoryW(MAX_PATH, folder);
      started.push_back({commandLine, folder});
      return 0;
    });
    EXPECT_EQ(machine.install_program(L"C:\\Program Files\\Player\\player.exe"), 0u);
  }

  std::vector<Started> started;
  LinkHost link{nullptr};
};

TEST_F(ProcessLaunchTest, ArgumentsFollowTheFileNameAfterABlankInTheProgramsFolder) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"", L"player.exe"},
      {L"--fs show.mp4", L"player.exe --fs show.mp4"},
      {L" --fs", L"player.exe --fs"},
  };
  for (const auto& [arguments, commandLine] : cases) {
    const desktop::Tick before = machine.clock().now();
    EXPECT_EQ(link.LaunchProcess(L"C:\\Program Files\\Player\\player.exe", arguments, 2), 0);
    EXPECT_EQ(machine.clock().now() - before, 2000u);
    EXPECT_NE(link.launchedProcessId, 0u);
    ASSERT_FALSE(started.empty());
    EXPECT_EQ(started.back().commandLine, commandLine);
    EXPECT_EQ(started.back().folder, L"C:\\Program Files\\Player");
  }
}

TEST_F(ProcessLaunchTest, AFailedStartGivesTheErrorAtOnceAndNoProcessId) {
  link.launchedProcessId = 77;
  const desktop::Tick before = machine.clock().now();
  EXPECT_EQ(link.LaunchProcess(L"C:\\Program Files\\Player\\missing.exe", L"", 12), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(machine.clock().now(), before);
  EXPECT_EQ(link.launchedProcessId, 0u);
  EXPECT_TRUE(started.empty());
}

}  // namespace
