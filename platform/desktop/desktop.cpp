#include "platform/desktop/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <future>

#include "platform/audio/wav_file_sink.h"
#include "platform/desktop/shell.h"
#include "platform/desktop/user_profile.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/dialog_internal.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"

namespace desktop {

namespace {
constexpr const char* kRegistryFile = "registry.txt";
}  // namespace

Desktop::Desktop(DesktopConfig config)
    : config_(config),
      clock_(config.clock, config.start_tick, config.start_unix_ms, config.zone),
      scheduler_(clock_),
      keyboard_(*this, config.keyboard_layout),
      monitors_(monitors_from(config.monitors)) {
  make_data_folder();
  registry_.attach_file(data_folder_ / kRegistryFile);
  drives_.add_drive(L'C', data_folder_ / "C");
  make_standard_folders(drives_);
  environment_ = standard_environment();
  desktop_window_ = add_root_window(L"#32769");
  message_root_ = add_root_window(L"Message");
  cursor_ = {(screen().left + screen().right) / 2, (screen().top + screen().bottom) / 2};
  win_internal::register_system_exports(*this);
  win_internal::register_dialog_class(*this);
  controls::register_system_classes(*this);
  if (config_.start_shell) start_shell(*this);
  if (!config_.audio_wav_file.empty())
    audio_.set_sink(std::make_unique<audio::WavFileSink>(config_.audio_wav_file));
  observations_.dump_sections["audio"] = [this] { return audio_.dump_json(); };
}

Desktop::~Desktop() {
  DesktopThread* caller = current_thread();
  if (caller != nullptr && &caller->desktop() == this) detach();
  call_from_outside([this] {
    for (auto& [id, thread] : threads_)
      scheduler_.terminate(*thread);
  });
  scheduler_.wait_until_empty();
  for (auto& [id, os_thread] : finished_)
    if (os_thread.joinable()) os_thread.join();
  if (owns_data_folder_) {
    std::error_code ignored;
    std::filesystem::remove_all(data_folder_, ignored);
  }
}

void Desktop::make_data_folder() {
  data_folder_ = config_.data_folder;
  if (data_folder_.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "desktop-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("desktop: cannot make a temporary data folder");
      std::abort();
    }
    data_folder_ = pattern;
    owns_data_folder_ = true;
  }
  std::filesystem::create_directories(data_folder_);
}

HWND Desktop::add_root_window(const wchar_t* class_name) {
  auto root = std::make_shared<Window>();
  root->window_class = std::make_shared<WindowClass>();
  root->window_class->name = class_name;
  root->rect = screen();
  root->client = {0, 0, screen().right - screen().left, screen().bottom - screen().top};
  root->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  root->phase = Window::Phase::Alive;
  Window& ref = *root;
  ref.handle = reinterpret_cast<HWND>(windows_.add(std::move(root)));
  return ref.handle;
}

std::shared_ptr<Window> Desktop::find_window(HWND hwnd) const {
  return windows_.find(reinterpret_cast<std::uintptr_t>(hwnd));
}

Window* Desktop::window(HWND hwnd) const {
  return windows_.get(reinterpret_cast<std::uintptr_t>(hwnd));
}

DWORD Desktop::next_id() {
  DWORD id = next_id_;
  next_id_ += 4;
  return id;
}

Process& Desktop::create_process(std::wstring image_name) {
  auto process = std::make_unique<Process>();
  process->id = next_id();
  process->image_name = std::move(image_name);
  process->instance = reinterpret_cast<HINSTANCE>(0x00400000);
  process->object = std::make_shared<KernelObject>(KernelObject::Kind::Process);
  process->object->id = process->id;
  process->input_idle = std::make_shared<KernelObject>(KernelObject::Kind::Event);
  process->image_path = process->image_name;
  process->command_line = process->image_name;
  process->environment = environment_;
  Process& ref = *process;
  processes_[ref.id] = std::move(process);
  return ref;
}

Process* Desktop::find_process(DWORD id) {
  auto at = processes_.find(id);
  return at == processes_.end() ? nullptr : at->second.get();
}

DesktopThread* Desktop::find_thread(DWORD id) {
  auto at = threads_.find(id);
  if (at == threads_.end() || at->second->object->signalled) return nullptr;
  return at->second.get();
}

DesktopThread& Desktop::start_thread(Process& process, std::function<DWORD()> entry, bool suspended) {
  reap_finished();
  DWORD id = next_id();
  auto thread = std::make_unique<DesktopThread>(*this, process, id, std::move(entry));
  thread->object = std::make_shared<KernelObject>(KernelObject::Kind::Thread);
  thread->object->id = id;
  if (process.main_thread_id == 0) process.main_thread_id = id;
  process.threads.push_back(thread.get());
  DesktopThread& ref = *thread;
  threads_[id] = std::move(thread);
  scheduler_.admit(ref, suspended);
  ref.os_thread_ = std::thread([this, &ref] { run_thread(ref); });
  return ref;
}

HANDLE Desktop::add_handle(std::shared_ptr<KernelObject> object) {
  return reinterpret_cast<HANDLE>(objects_.add(std::move(object)));
}

std::shared_ptr<KernelObject> Desktop::find_object(HANDLE handle) const {
  return objects_.find(reinterpret_cast<std::uintptr_t>(handle));
}

void Desktop::signal(KernelObject& object) {
  object.signalled = true;
  scheduler_.notify_object(&object);
}

void Desktop::run_thread(DesktopThread& thread) {
  set_current_thread(&thread);
  scheduler_.wait_for_baton(thread);
  DWORD exit_code = thread.exit_code_on_termination;
  try {
    if (!thread.terminating()) exit_code = thread.entry_();
  } catch (const ThreadTermination&) {
    exit_code = thread.exit_code_on_termination;
  }
  end_thread(thread, exit_code);
}

void Desktop::end_thread(DesktopThread& thread, DWORD exit_code) {
  thread.set_exiting();
  win_internal::destroy_thread_windows(thread);
  win_internal::abandon_sent_messages(thread);
  thread.queue = {};
  thread.object->exit_code = exit_code;
  signal(*thread.object);

  Process& process = thread.process();
  std::erase(process.threads, &thread);
  focus_.forget_thread(thread.thread_id());
  keyboard_.forget_thread(thread.thread_id());
  if (thread.thread_id() == process.main_thread_id) {
    // The program's main thread returned: the process ends, and its other threads with it.
    process.object->exit_code = exit_code;
    for (DesktopThread* other : process.threads)
      scheduler_.terminate(*other);
  }
  if (process.threads.empty()) end_process(process, process.object->exit_code);

  finished_.emplace_back(thread.thread_id(), std::move(thread.os_thread_));
  scheduler_.retire(thread);
  set_current_thread(nullptr);
}

void Desktop::end_process(Process& process, DWORD exit_code) {
  process.crt.close_streams();
  classes_.remove_process(process.id);
  process.object->exit_code = exit_code;
  signal(*process.object);
}

void Desktop::reap_finished() {
  for (auto& [id, os_thread] : finished_) {
    if (os_thread.joinable()) os_thread.join();
    threads_.erase(id);
  }
  finished_.clear();
}

void Desktop::call_from_outside(const std::function<void()>& work) {
  if (current_thread() != nullptr) {
    work();
    return;
  }
  std::promise<void> done;
  scheduler_.post_outside([&] {
    work();
    done.set_value();
  });
  done.get_future().wait();
}

DesktopThread& Desktop::attach(std::wstring image_name) {
  DesktopThread* attached = nullptr;
  call_from_outside([&] {
    Process& process = create_process(std::move(image_name));
    DWORD id = next_id();
    auto thread = std::make_unique<DesktopThread>(*this, process, id, nullptr);
    thread->object = std::make_shared<KernelObject>(KernelObject::Kind::Thread);
    thread->object->id = id;
    process.main_thread_id = id;
    process.threads.push_back(thread.get());
    attached = thread.get();
    threads_[id] = std::move(thread);
    scheduler_.admit(*attached, false);
  });
  set_current_thread(attached);
  scheduler_.wait_for_baton(*attached);
  return *attached;
}

void Desktop::detach() {
  DesktopThread* thread = current_thread();
  if (thread == nullptr || &thread->desktop() != this) return;
  end_thread(*thread, 0);
}

static DesktopThread& attached_thread(Desktop& desktop) {
  DesktopThread* thread = current_thread();
  if (thread == nullptr || &thread->desktop() != &desktop) {
    std::fputs("desktop: advance and run_until_idle need a thread attached to this desktop\n", stderr);
    std::abort();
  }
  return *thread;
}

void Desktop::advance(Tick ms) {
  wait_for_harness(clock_.now() + ms);
}

void Desktop::run_until_idle() {
  wait_for_harness(std::nullopt);
}

void Desktop::end_other_threads() {
  DesktopThread& self = attached_thread(*this);
  for (auto& [id, thread] : threads_)
    if (thread.get() != &self) scheduler_.terminate(*thread);
  run_until_idle();
}

void Desktop::wait_for_harness(std::optional<Tick> deadline) {
  DesktopThread& self = attached_thread(*this);
  do {
    WaitSpec spec;
    spec.wake_on = kWakeOnSent | (deadline ? 0u : kWakeOnIdle);
    spec.deadline = deadline;
    scheduler_.block(self, spec);
    bool had_sent = !self.queue.sent.empty();
    win_internal::handle_sent_messages(self);
    if (!deadline && !had_sent) return;
  } while (!deadline || clock_.now() < *deadline);
}

void Desktop::inject_key_from_outside(const KeyEvent& event) {
  scheduler_.post_outside([this, event] { keyboard_.inject(event, 0); });
}

}  // namespace desktop
