// The framework's CWnd as an ActiveX control's window, and InvokeHelper.
#include <gtest/gtest.h>

#include "platform/afx/afx.h"
#include "platform/com/com_api.h"
#include "tests/com/fake_control.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr UINT kControlId = 39482;
constexpr RECT kPlace{10, 20, 210, 170};

class CreateControlTest : public DesktopTest {
 protected:
  CreateControlTest() {
    AfxOleInit();
    install_fake_control();
    MessageLog::register_class(L"ControlParent");
    parent.Attach(create_logged_window(L"ControlParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  }
  ~CreateControlTest() override { CoUninitialize(); }

  std::shared_ptr<FakeControlRecord> record = register_fake_control(machine);
  CWnd parent;
};

TEST_F(CreateControlTest, WithoutTheContainerEnabledNoControlIsMade) {
  CWnd control;
  EXPECT_FALSE(control.CreateControl(kFakeControlClassId, L"name", WS_VISIBLE, kPlace, &parent, kControlId));
  EXPECT_EQ(record->made, 0);
}

TEST_F(CreateControlTest, TheControlsWindowIsAChildWithItsIdPlaceAndName) {
  AfxEnableControlContainer();
  CWnd control;
  ASSERT_TRUE(
      control.CreateControl(kFakeControlClassId, L"AdobeWnd", WS_VISIBLE, kPlace, &parent, kControlId));
  EXPECT_EQ(control.GetSafeHwnd(), record->window);
  EXPECT_EQ(::GetParent(control), parent.GetSafeHwnd());
  EXPECT_EQ(control.GetDlgCtrlID(), static_cast<int>(kControlId));
  EXPECT_EQ(control.GetWindowText(), L"AdobeWnd");
  EXPECT_TRUE(control.IsWindowVisible());
  CRect rect;
  control.GetWindowRect(&rect);
  parent.ScreenToClient(&rect);
  EXPECT_EQ(rect, CRect(kPlace));
}

TEST_F(CreateControlTest, InvokeHelperPassesATextAndGivesTheBooleanBack) {
  AfxEnableControlContainer();
  CWnd control;
  ASSERT_TRUE(control.CreateControl(kFakeControlClassText, nullptr, WS_VISIBLE, kPlace, &parent, kControlId));
  static BYTE parameters[] = VTS_BSTR;
  BOOL answer = FALSE;
  control.InvokeHelper(kRememberDispatchId, DISPATCH_METHOD, VT_BOOL, &answer, parameters,
                       L"C:\\docs\\a.pdf");
  EXPECT_TRUE(answer);
  control.InvokeHelper(kRememberDispatchId, DISPATCH_METHOD, VT_BOOL, &answer, parameters, L"");
  EXPECT_FALSE(answer);
  answer = TRUE;
  control.InvokeHelper(kRememberDispatchId + 1, DISPATCH_METHOD, VT_BOOL, &answer, parameters, L"x");
  EXPECT_FALSE(answer);
  EXPECT_EQ(record->remembered, (std::vector<std::wstring>{L"C:\\docs\\a.pdf", L""}));
}

TEST_F(CreateControlTest, TheControlGoesWithItsWindow) {
  AfxEnableControlContainer();
  CWnd control;
  ASSERT_TRUE(control.CreateControl(kFakeControlClassId, nullptr, WS_VISIBLE, kPlace, &parent, kControlId));
  parent.DestroyWindow();
  EXPECT_EQ(record->alive, 0);
  EXPECT_EQ(control.GetSafeHwnd(), nullptr);
}

TEST_F(CreateControlTest, AControlNotInstalledIsRefused) {
  AfxEnableControlContainer();
  uninstall_fake_control();
  CWnd control;
  EXPECT_FALSE(control.CreateControl(kFakeControlClassId, nullptr, WS_VISIBLE, kPlace, &parent, kControlId));
  EXPECT_EQ(control.GetSafeHwnd(), nullptr);
  EXPECT_EQ(record->made, 0);
}

}  // namespace
