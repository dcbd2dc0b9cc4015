// The stand-in planetarium installed on a fresh two-monitor virtual-clock desktop, and the
// console's side of talking to it: starting it, its windows, the bursts, posted and injected keys,
// and the scripts the console writes into its user folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "peers/orvenna/orvenna_program.h"
#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

class OrvennaProgramTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kProgramPath = L"C:\\Program Files\\Orvenna\\orvenna.exe";
  static constexpr const wchar_t* kUserFolder = L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna";
  static constexpr const char* kUserFolderText = "C:\\Users\\presenter\\AppData\\Roaming\\Orvenna";
  // The shortcuts as the console's start-up writes them.
  static constexpr const char* kConsoleShortcuts =
      "[navigation]\r\ninit_fov=180\r\n[shortcuts]\r\nactionPause_Script=4\r\nactionResume_Script=5\r\n"
      "actionScript/!Orvenna-Console.ovs=1\r\nactionStop_Script=3\r\n";

  OrvennaProgramTest();
  void TearDown() override;
  ~OrvennaProgramTest() override;

  // Registers and starts the program as the console does, and waits until it is ready.
  void start(orvenna::ProgramSettings settings = {}, const std::string& config = kConsoleShortcuts);
  // Ends the program with the console's WM_QUIT and lets it go.
  void quit();
  orvenna::SkyState state() const;
  bool running() const;
  DWORD exit_code() const;

  // The console's own window, in front, as when the presenter works on it.
  HWND console_window();
  // Bursts of sent messages before posted keys, and the activation before injected ones.
  void send_posted_key_burst();
  void activate_view();
  void post_message(UINT message, WPARAM wParam, LPARAM lParam);
  // One key press injected as scan codes, with the modifiers the key word names (VkKeyScanExW's
  // high byte: 1 Shift, 2 Ctrl, 4 Alt).
  void inject_key(SHORT key_word);
  // One key record alone, as the console sends Shift, Ctrl and Alt around posted keys.
  void inject_record(BYTE vk, bool up);
  // A character in the program's keyboard layout.
  void inject_character(wchar_t character);

  // The console's run of a script: the loader pointing at a per-run file, '1', then 200 ms
  // later the loader reset and the per-run file deleted.
  void run_script_as_console(const std::string& name, const std::string& text);
  std::string user_file(const std::string& name) const { return std::string(kUserFolderText) + "\\" + name; }

  desktop::Desktop machine;
  std::shared_ptr<orvenna::ProgramProbe> probe;
  HWND main = nullptr;
  HWND render = nullptr;
  HWND view = nullptr;
  HANDLE process = nullptr;
  HWND console = nullptr;
};
