// mpv.exe installed in the console's program folder of a two-monitor virtual-clock desktop,
// started as the console starts it, with clips to play.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "peers/mpv/mpv_probe.h"
#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"
#include "tests/peers/media/media_fixture.h"

inline constexpr wchar_t kProgramFolder[] = L"C:\\Program Files\\Orvenna Console\\";

class MpvTest : public ::testing::Test {
 protected:
  MpvTest();
  void TearDown() override { machine.end_other_threads(); }
  ~MpvTest() override { machine.detach(); }

  struct Started {
    HANDLE process = nullptr;
    HWND window = nullptr;  // the first top-level window titled "mpv...", once the program is idle
  };
  // Starts "mpv.exe" with the arguments as the console joins them, and waits for it to be idle.
  Started start_mpv(const std::wstring& arguments);
  // Types a character on the keyboard into the foreground window, as the console does.
  void press(wchar_t character);
  void press_key(BYTE vk);
  // The exit code once the program ended, none while it runs.
  std::optional<DWORD> exit_code(HANDLE process);
  // The RMS level of mpv's last stream over its last second.
  double mpv_level();

  desktop::Desktop machine;
  std::shared_ptr<mpv::MpvProbe> probe;
};
