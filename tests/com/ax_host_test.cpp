// The ActiveX host window holds one control, sizes it with itself and releases it when destroyed.
#include <gtest/gtest.h>

#include "platform/com/atl_host_api.h"
#include "platform/com/com_api.h"
#include "platform/win/win32.h"
#include "tests/com/fake_control.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class AxHostTest : public DesktopTest {
 protected:
  AxHostTest() {
    CoInitialize(nullptr);
    install_fake_control();
    MessageLog::register_class(L"AxParent");
    parent = create_logged_window(L"AxParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    AtlAxWinInit();
  }
  ~AxHostTest() override { CoUninitialize(); }

  HWND make_host(const wchar_t* text = nullptr) {
    return CreateWindowExW(0, kAxHostWindowClass, text, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                           parent, nullptr, nullptr, nullptr);
  }

  RECT rect_in_host(HWND window, HWND host) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  std::shared_ptr<FakeControlRecord> record = register_fake_control(machine);
  HWND parent = nullptr;
};

TEST_F(AxHostTest, TheControlsWindowFillsTheHostAndFollowsItsSize) {
  HWND host = make_host();
  ASSERT_NE(host, nullptr);
  ASSERT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), S_OK);
  ASSERT_NE(record->window, nullptr);
  EXPECT_EQ(GetParent(record->window), host);
  EXPECT_TRUE(IsWindowVisible(record->window));
  SetWindowPos(host, nullptr, 20, 30, 320, 240, SWP_NOZORDER);
  RECT rect = rect_in_host(record->window, host);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 320);
  EXPECT_EQ(rect.bottom, 240);
}

TEST_F(AxHostTest, GetControlGivesTheHostsControlAndDestroyingTheHostReleasesIt) {
  HWND host = make_host();
  ASSERT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), S_OK);
  IUnknown* control = nullptr;
  ASSERT_EQ(AtlAxGetControl(host, &control), S_OK);
  void* dispatch = nullptr;
  EXPECT_EQ(control->QueryInterface(IID_IDispatch, &dispatch), S_OK);
  static_cast<IUnknown*>(dispatch)->Release();
  control->Release();
  HWND control_window = record->window;
  DestroyWindow(host);
  EXPECT_EQ(record->alive, 0);
  EXPECT_FALSE(IsWindow(control_window));
}

TEST_F(AxHostTest, DestroyingTheParentReleasesTheControlToo) {
  HWND host = make_host();
  ASSERT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), S_OK);
  DestroyWindow(parent);
  EXPECT_EQ(record->alive, 0);
}

TEST_F(AxHostTest, AControlNotInstalledFailsAsOnWindowsAndLeavesTheHostEmpty) {
  uninstall_fake_control();
  HWND host = make_host();
  EXPECT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), REGDB_E_CLASSNOTREG);
  IUnknown* control = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(AtlAxGetControl(host, &control), E_FAIL);
  EXPECT_EQ(control, nullptr);
  EXPECT_EQ(record->made, 0);
}

TEST_F(AxHostTest, AHostNamedByAClassIdMakesItsControlAtCreation) {
  HWND host = make_host(kFakeControlClassText);
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(record->alive, 1);
  uninstall_fake_control();
  EXPECT_EQ(make_host(kFakeControlClassText), nullptr);
}

TEST_F(AxHostTest, ASecondControlReplacesTheFirst) {
  HWND host = make_host();
  ASSERT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), S_OK);
  ASSERT_EQ(AtlAxCreateControl(kFakeControlClassText, host, nullptr, nullptr), S_OK);
  EXPECT_EQ(record->made, 2);
  EXPECT_EQ(record->alive, 1);
}

TEST_F(AxHostTest, OnlyAHostWindowTakesAControl) {
  EXPECT_EQ(AtlAxCreateControl(kFakeControlClassText, parent, nullptr, nullptr), E_INVALIDARG);
  EXPECT_EQ(record->made, 0);
}

}  // namespace
