// mpv's window among the top-level windows: the first titled "mpv" in any case, or the visible
// window of a process.
#include <gtest/gtest.h>

#include "src/media/players/wm_play_video.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class MpvWindowSearchTest : public DesktopTest {
 protected:
  HWND MakeWindow(const wchar_t* title, DWORD style = WS_POPUP | WS_VISIBLE) {
    return CreateWindowExW(0, L"STATIC", title, style, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
};

TEST_F(MpvWindowSearchTest, TheTitleBeginsWithMpvInAnyCase) {
  struct Case {
    const wchar_t* title;
    bool found;
  };
  const Case cases[] = {{L"mpv - sky.mp4", true}, {L"MPV", true}, {L"Mpvx", true},
                        {L"mp", false},           {L"", false},   {L"the mpv", false}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    HWND window = MakeWindow(c.title);
    ASSERT_NE(window, nullptr);
    SetLastError(12345);
    const HWND found = FindMpvWindow();
    EXPECT_EQ(found, c.found ? window : nullptr) << "case " << i;
    EXPECT_EQ(GetLastError(), c.found ? 0U : static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "case " << i;
    DestroyWindow(window);
  }
}

TEST_F(MpvWindowSearchTest, AProcessShowsItsVisibleWindow) {
  HWND hidden = MakeWindow(L"hidden", WS_POPUP);
  HWND shown = MakeWindow(L"shown");
  EXPECT_EQ(FindProcessWindow(GetCurrentProcessId()), shown);
  EXPECT_EQ(FindProcessWindow(GetCurrentProcessId() + 1000), nullptr);
  EXPECT_EQ(FindProcessWindow(0), nullptr);
  DestroyWindow(hidden);
  DestroyWindow(shown);
}

}  // namespace
