// Threads, events and waits. A wait gives the desktop's baton to the other threads.
#include <algorithm>
#include <vector>

#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::KernelObject;

namespace {

std::shared_ptr<KernelObject> object_of(desktop::DesktopThread& self, HANDLE handle,
                                        KernelObject::Kind kind) {
  auto object = self.desktop().find_object(handle);
  if (!object || object->kind != kind) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return object;
}

}  // namespace

namespace win_internal {

DWORD wait_for_objects(desktop::DesktopThread& self,
                       const std::vector<std::shared_ptr<KernelObject>>& objects, bool all,
                       DWORD milliseconds) {
  desktop::Desktop& machine = self.desktop();
  std::optional<desktop::Tick> deadline;
  if (milliseconds != INFINITE) deadline = machine.clock().now() + milliseconds;
  desktop::WaitSpec spec;
  spec.wake_on = desktop::kWakeOnObject;
  spec.deadline = deadline;
  for (const auto& object : objects)
    spec.objects.push_back(object.get());
  for (;;) {
    if (all) {
      if (std::all_of(objects.begin(), objects.end(), [](const auto& object) { return object->signalled; })) {
        for (const auto& object : objects)
          object->consume();
        return WAIT_OBJECT_0;
      }
    } else {
      for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i]->signalled) {
          objects[i]->consume();
          return WAIT_OBJECT_0 + static_cast<DWORD>(i);
        }
    }
    if (deadline && machine.clock().now() >= *deadline) return WAIT_TIMEOUT;
    if (machine.scheduler().block(self, spec) == desktop::WakeResult::Abandoned) return WAIT_FAILED;
  }
}

}  // namespace win_internal

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, std::size_t, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                           DWORD flags, LPDWORD thread_id) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (start == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  desktop::Desktop& machine = self->desktop();
  desktop::DesktopThread& thread = machine.start_thread(
      self->process(), [start, parameter] { return start(parameter); }, (flags & CREATE_SUSPENDED) != 0);
  if (thread_id != nullptr) *thread_id = thread.thread_id();
  return machine.add_handle(thread.object);
}

DWORD WINAPI ResumeThread(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return static_cast<DWORD>(-1);
  auto object = object_of(*self, handle, KernelObject::Kind::Thread);
  if (!object) return static_cast<DWORD>(-1);
  desktop::DesktopThread* thread = self->desktop().find_thread(object->id);
  if (thread == nullptr) return 0;
  return self->desktop().scheduler().resume(*thread) ? 1 : 0;
}

BOOL WINAPI GetExitCodeThread(HANDLE handle, LPDWORD exit_code) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || exit_code == nullptr) return FALSE;
  auto object = object_of(*self, handle, KernelObject::Kind::Thread);
  if (!object) return FALSE;
  *exit_code = object->exit_code;
  return TRUE;
}

DWORD WINAPI GetCurrentThreadId() {
  desktop::DesktopThread* self = desktop::current_thread();
  return self ? self->thread_id() : 0;
}

DWORD WINAPI GetCurrentProcessId() {
  desktop::DesktopThread* self = desktop::current_thread();
  return self ? self->process().id : 0;
}

DWORD WINAPI GetThreadId(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  auto object = object_of(*self, handle, KernelObject::Kind::Thread);
  return object ? object->id : 0;
}

HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manual_reset, BOOL initial_state, LPCWSTR) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  auto event = std::make_shared<KernelObject>(KernelObject::Kind::Event);
  event->manual_reset = manual_reset != FALSE;
  event->signalled = initial_state != FALSE;
  return self->desktop().add_handle(std::move(event));
}

BOOL WINAPI SetEvent(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto event = object_of(*self, handle, KernelObject::Kind::Event);
  if (!event) return FALSE;
  self->desktop().signal(*event);
  return TRUE;
}

BOOL WINAPI ResetEvent(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto event = object_of(*self, handle, KernelObject::Kind::Event);
  if (!event) return FALSE;
  event->signalled = false;
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::Desktop& machine = self->desktop();
  if (!machine.find_object(handle)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  machine.objects().remove(reinterpret_cast<std::uintptr_t>(handle));
  return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  return WaitForMultipleObjects(1, &handle, FALSE, milliseconds);
}

DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL wait_all, DWORD milliseconds) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return WAIT_FAILED;
  if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || handles == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<KernelObject>> objects;
  for (DWORD i = 0; i < count; ++i) {
    auto object = self->desktop().find_object(handles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    objects.push_back(std::move(object));
  }
  return win_internal::wait_for_objects(*self, objects, wait_all != FALSE, milliseconds);
}

void WINAPI Sleep(DWORD milliseconds) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return;
  desktop::Desktop& machine = self->desktop();
  if (milliseconds == 0) {
    machine.scheduler().yield(*self);
    return;
  }
  desktop::WaitSpec spec;
  if (milliseconds != INFINITE) spec.deadline = machine.clock().now() + milliseconds;
  do {
    if (machine.scheduler().block(*self, spec) == desktop::WakeResult::Abandoned) return;
  } while (spec.deadline && machine.clock().now() < *spec.deadline);
}
