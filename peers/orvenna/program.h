// One run of the planetarium: its windows, its sky and script engine, its shortcuts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "peers/orvenna/config_ini.h"
#include "peers/orvenna/key_actions.h"
#include "peers/orvenna/orvenna_program.h"
#include "peers/orvenna/script_engine.h"
#include "peers/orvenna/script_shortcuts.h"
#include "peers/orvenna/sky_state.h"

namespace orvenna {

class Program {
 public:
  Program(ProgramSettings settings, std::shared_ptr<ProgramProbe> probe);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's entry: windows, settings, the message loop; returns the exit code.
  int run();

 private:
  enum Timer : UINT_PTR { kMotionTimer = 1, kSlowReadTimer, kCrashTimer, kClockTimer };

  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool create_windows();

  // The sky at the start: now, the install's content, config.ini's settings.
  void prepare_sky();
  void read_install();
  void read_config();
  void start_landscape(const std::vector<IniEntry>& config);
  void start_place(const std::vector<IniEntry>& config);
  MessageOrigin record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void on_timer(UINT_PTR id);

  // Keys.
  void key_down(BYTE vk, MessageOrigin origin);
  void key_up(BYTE vk);
  void carry_out(const KeyBinding& binding);
  void move_held_keys();

  // Scripts.
  void script_shortcut(const ScriptShortcut& shortcut);
  void run_script(const std::string& script_name);
  std::optional<std::wstring> find_script(const std::string& script_name) const;

  void toggle_full_screen();

  // Publishes the state to the probe and repaints; safe on the script's thread.
  void state_changed();
  void paint(HWND hwnd);

  ProgramSettings settings_;
  std::shared_ptr<ProgramProbe> probe_;
  std::wstring user_folder_;
  SkyState sky_;
  ScriptEngine engine_;
  std::vector<ScriptShortcut> shortcuts_;
  HWND main_ = nullptr;
  HWND render_ = nullptr;
  HWND view_ = nullptr;  // where the sky is drawn and keys are read: the render child or main
  bool full_screen_ = false;
  bool settings_open_ = false;
  RECT windowed_rect_{};
  std::vector<KeyAction> held_;
  DWORD last_motion_tick_ = 0;
  std::string pending_script_;
  std::string shown_clock_;  // the simulated time the view shows
  // The message being dispatched from the queue, and where it came from.
  std::optional<MSG> dispatching_;
  MessageOrigin dispatching_origin_ = MessageOrigin::posted;
};

}  // namespace orvenna
