// The embedded desktop: the whole machine a desktop program believes it runs on.
// A test makes its own, drives it, and throws it away; nothing here is global.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio/audio_device.h"
#include "platform/desktop/atom_table.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/desktop_thread.h"
#include "platform/desktop/device_context.h"
#include "platform/desktop/drive_map.h"
#include "platform/desktop/environment.h"
#include "platform/desktop/file_search.h"
#include "platform/desktop/focus_state.h"
#include "platform/desktop/gdi/gdi.h"
#include "platform/desktop/handle_table.h"
#include "platform/desktop/in_process_servers.h"
#include "platform/desktop/kernel_object.h"
#include "platform/desktop/keyboard.h"
#include "platform/desktop/monitor.h"
#include "platform/desktop/mouse_state.h"
#include "platform/desktop/observations.h"
#include "platform/desktop/process.h"
#include "platform/desktop/programs.h"
#include "platform/desktop/registry_hive.h"
#include "platform/desktop/scheduler.h"
#include "platform/desktop/system_libraries.h"
#include "platform/desktop/window.h"
#include "platform/desktop/window_class.h"

namespace desktop {

struct WindowsVersion {
  DWORD major = 6;
  DWORD minor = 1;
  DWORD build = 7601;
  WORD service_pack_major = 1;
};

struct LocaleSettings {
  UINT ansi_code_page = 1252;
  std::wstring decimal_separator = L".";
  std::wstring thousand_separator = L",";
  UINT group_size = 3;
  UINT fraction_digits = 2;
  std::wstring short_date = L"dd/MM/yyyy";
  std::wstring time_format = L"HH:mm:ss";
  UINT first_day_of_week = 0;  // 0 Monday to 6 Sunday
  std::array<std::wstring, 7> day_names{L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                        L"Friday", L"Saturday", L"Sunday"};
  std::array<std::wstring, 7> shortest_day_names{L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"};
  std::array<std::wstring, 12> month_names{L"January",   L"February", L"March",    L"April",
                                           L"May",       L"June",     L"July",     L"August",
                                           L"September", L"October",  L"November", L"December"};
};

// A program to start from its executable file, as CreateProcessW or the shell does.
struct LaunchRequest {
  std::wstring path;                       // the executable's full Windows path
  std::wstring command_line;               // empty: the path in quotes
  std::wstring current_directory;          // a full path; empty: the program's folder
  std::optional<Environment> environment;  // none: the machine's standard environment
  bool suspended = false;
};

struct Launch {
  DWORD error = 0;  // a Win32 error code when the program could not start
  Process* process = nullptr;
  DesktopThread* thread = nullptr;
};

struct DesktopConfig {
  ClockKind clock = ClockKind::Virtual;
  Tick start_tick = 3'600'000;                     // an hour after boot
  std::int64_t start_unix_ms = 1'767'268'800'000;  // 2026-01-01 12:00 UTC
  TimeZone zone = central_european_time();
  std::vector<MonitorConfig> monitors{MonitorConfig{}};
  // Starts the shell's taskbar and Start button, as a logged-on machine has them.
  bool start_shell = false;
  WindowsVersion windows_version;
  LocaleSettings locale;
  // The host folder that holds the machine: its drives, registry hive and settings. Empty
  // gives a fresh temporary folder, removed with the desktop, as tests want.
  std::filesystem::path data_folder;
  // The keyboard layout (HKL) of every new thread, and the default languages and locales.
  DWORD keyboard_layout = 0x04090409;
  WORD system_language = 0x0409;
  WORD user_language = 0x0409;
  DWORD system_locale = 0x0409;
  DWORD user_locale = 0x0409;
  // Contacts the touch screen takes at once; 0 for a machine without one.
  int touch_points = 10;
  // Keeps the audio device's sound in this WAV file (and "NAME-2.wav" ... for later streams);
  // empty: the sound goes nowhere, as tests want.
  std::filesystem::path audio_wav_file;
};

class Desktop {
 public:
  explicit Desktop(DesktopConfig config = {});
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Clock& clock() { return clock_; }
  Scheduler& scheduler() { return scheduler_; }
  HandleTable<Window>& windows() { return windows_; }
  HandleTable<KernelObject>& objects() { return objects_; }
  HandleTable<DeviceContext>& device_contexts() { return device_contexts_; }
  Gdi& gdi() { return gdi_; }
  ClassRegistry& classes() { return classes_; }
  AtomTable& atoms() { return atoms_; }
  // The primary monitor's rectangle.
  const RECT& screen() const { return monitors_.front().rect; }
  std::vector<Monitor>& monitors() { return monitors_; }
  const WindowsVersion& windows_version() const { return config_.windows_version; }
  const LocaleSettings& locale() const { return config_.locale; }
  FocusState& focus() { return focus_; }
  Keyboard& keyboard() { return keyboard_; }
  const DesktopConfig& config() const { return config_; }
  // Kept in data_folder()/registry.txt.
  RegistryHive& registry() { return registry_; }
  const std::filesystem::path& data_folder() const { return data_folder_; }
  DriveMap& drives() { return drives_; }
  // The environment every program starts with unless its parent gives it another.
  Environment& environment() { return environment_; }
  HandleTable<FileSearch>& file_searches() { return file_searches_; }
  POINT cursor() const { return cursor_; }
  void set_cursor(POINT point) { cursor_ = point; }
  MouseState& mouse() { return mouse_; }
  Observations& observations() { return observations_; }
  audio::AudioDevice& audio() { return audio_; }
  int touch_points() const { return config_.touch_points; }
  // How many windows were ever created here: default positions cascade by it.
  std::uint64_t windows_created() const { return windows_created_; }
  void count_window_created() { ++windows_created_; }

  HWND desktop_window() const { return desktop_window_; }
  HWND message_root() const { return message_root_; }
  std::shared_ptr<Window> find_window(HWND hwnd) const;
  Window* window(HWND hwnd) const;

  Process& create_process(std::wstring image_name);
  // Programs and their executables: a registered program starts from any file of its name.
  // Register before the programs run, or under the baton, like every change to the desktop.
  void register_program(std::wstring executable_name, ProgramEntry entry);
  const ProgramEntry* find_program(std::wstring_view executable_name) const;
  // Puts an executable at a full Windows path, with the folders it needs, as an installer would.
  DWORD install_program(std::wstring_view path);
  Launch launch_program(const LaunchRequest& request);

  SystemLibraries& libraries() { return libraries_; }
  // The COM classes whose code is on the machine; CoCreateInstance also asks the registry.
  InProcessServers& in_process_servers() { return in_process_servers_; }
  template <typename Function>
  void register_export(std::wstring_view dll_name, std::string name, Function* function) {
    libraries_.add_export(dll_name, std::move(name), reinterpret_cast<ExportedFunction>(function));
  }
  Process* find_process(DWORD id);
  // Starts a thread of the process; a process ends when its main thread (its first) returns.
  DesktopThread& start_thread(Process& process, std::function<DWORD()> entry, bool suspended = false);
  DesktopThread* find_thread(DWORD id);
  HANDLE add_handle(std::shared_ptr<KernelObject> object);
  std::shared_ptr<KernelObject> find_object(HANDLE handle) const;
  void signal(KernelObject& object);

  // Makes the calling thread a desktop thread until detach(): tests drive the desktop so.
  DesktopThread& attach(std::wstring image_name);
  void detach();

  // For an attached thread: let the desktop run for ms of its time, or until nothing can run.
  // Both handle messages other threads send to the caller meanwhile.
  void advance(Tick ms);
  void run_until_idle();
  // For an attached thread: ends every other thread of the desktop and lets them finish, so
  // that a test's fixture can go while the programs that used it are gone.
  void end_other_threads();

  // Runs work under the baton: at once on a desktop thread, else through the scheduler's inbox.
  void call_from_outside(const std::function<void()>& work);

  // Every key event that entered the input stream, from SendInput or from outside.
  const std::vector<InjectedKey>& input_log() const { return keyboard_.log(); }
  // For the view: puts a key event into the input stream without waiting for it.
  void inject_key_from_outside(const KeyEvent& event);

 private:
  void run_thread(DesktopThread& thread);
  void end_thread(DesktopThread& thread, DWORD exit_code);
  void end_process(Process& process, DWORD exit_code);
  void wait_for_harness(std::optional<Tick> deadline);
  void reap_finished();
  DWORD next_id();
  HWND add_root_window(const wchar_t* class_name);
  void make_data_folder();

  DesktopConfig config_;
  std::filesystem::path data_folder_;
  bool owns_data_folder_ = false;
  Clock clock_;
  Scheduler scheduler_;
  HandleTable<Window> windows_{0};
  HandleTable<KernelObject> objects_{2};
  HandleTable<DeviceContext> device_contexts_{1};
  Gdi gdi_;
  ClassRegistry classes_;
  AtomTable atoms_;
  FocusState focus_;
  Keyboard keyboard_;
  RegistryHive registry_{clock_};
  DriveMap drives_{clock_};
  Environment environment_;
  HandleTable<FileSearch> file_searches_{2};
  ProgramRegistry programs_;
  SystemLibraries libraries_;
  InProcessServers in_process_servers_;
  HWND desktop_window_ = nullptr;
  HWND message_root_ = nullptr;
  std::vector<Monitor> monitors_;
  POINT cursor_{};
  MouseState mouse_;
  Observations observations_;
  audio::AudioDevice audio_{clock_};
  std::uint64_t windows_created_ = 0;
  DWORD next_id_ = 0x100;
  std::map<DWORD, std::unique_ptr<Process>> processes_;
  std::map<DWORD, std::unique_ptr<DesktopThread>> threads_;
  std::vector<std::pair<DWORD, std::thread>> finished_;
};

}  // namespace desktop
