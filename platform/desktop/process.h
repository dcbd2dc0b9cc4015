// A program running in the desktop: its id, image name and threads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

class DesktopThread;
struct KernelObject;

struct Process {
  DWORD id = 0;
  std::wstring image_name;
  HINSTANCE instance = nullptr;
  std::vector<DesktopThread*> threads;  // live threads
  DWORD main_thread_id = 0;
  std::shared_ptr<KernelObject> object;
};

}  // namespace desktop
