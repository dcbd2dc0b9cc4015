// A windowed control of the tests' own, registered as an in-process class: it counts its
// objects, makes a plain child window when activated and answers one automation method.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/com/com_types.h"
#include "platform/desktop/desktop.h"

inline constexpr CLSID kFakeControlClassId{
    0x1B2C3D4E, 0x0102, 0x0304, {0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C}};
inline constexpr const wchar_t* kFakeControlClassText = L"{1b2c3d4e-0102-0304-0506-0708090a0b0c}";
inline constexpr const wchar_t* kFakeControlWindowClass = L"FakeControlWindow";
// Takes a text and answers whether it was not empty.
inline constexpr DISPID kRememberDispatchId = 7;

struct FakeControlRecord {
  int made = 0;
  int alive = 0;
  HWND window = nullptr;
  std::vector<std::wstring> remembered;
};

// Gives the machine the class's code; the record sees every object.
std::shared_ptr<FakeControlRecord> register_fake_control(desktop::Desktop& machine);
// Writes or removes HKEY_CLASSES_ROOT\CLSID\{...} of the class, on the calling desktop thread.
void install_fake_control();
void uninstall_fake_control();
