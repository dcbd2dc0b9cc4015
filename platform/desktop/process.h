// A program running in the desktop: its id, image, command line, environment, current
// folder and threads.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/crt_files.h"
#include "platform/desktop/environment.h"
#include "platform/win/win_types.h"

struct ResourceTable;

namespace desktop {

class DesktopThread;
struct KernelObject;

struct Process {
  DWORD id = 0;
  std::wstring image_name;
  std::wstring image_path;  // the executable's Windows path; the bare name when it has no file
  std::wstring command_line;
  std::wstring current_directory = L"C:\\";
  Environment environment;
  HINSTANCE instance = nullptr;
  std::vector<DesktopThread*> threads;  // live threads
  DWORD main_thread_id = 0;
  std::shared_ptr<KernelObject> object;
  // Signalled once a thread of the process first waits for messages on an empty queue.
  std::shared_ptr<KernelObject> input_idle;
  CrtFiles crt;
  // The resources compiled into the program: strings, dialogs, bitmaps, icons and cursors.
  const ResourceTable* resources = nullptr;
  // Icons and cursors of the resources, made once and shared, as LoadIconW gives them.
  std::map<std::uint32_t, HANDLE> shared_images;
  // The state of the class library the program is written with, made at its first use and
  // gone with the process, so that a program's statics do not outlive it.
  std::shared_ptr<void> library_state;
};

}  // namespace desktop
