#include "src/util/place_lookup.h"

#include "platform/win/controls_api.h"
#include "platform/win/dialog_api.h"
#include "src/util/user_folder.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/console_program.h"

namespace {

class PlaceLookupTest : public ConsoleProgramTest {
 protected:
  PlaceLookupTest() {
    CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr);
    write_file(PlaceListPath().c_str(),
               "Oslo\tOslo\tNO\tC\t1\t59.9139N\t10.7522E\r\n"
               "Quito\tPichincha\tEC\tC\t1\t0.1807S\t78.4678W\r\n"
               "Nameless\tx\r\n");
  }

  struct BarState {
    bool made = false;
    int position = -1;
    PBRANGE range{};
    RECT rect{};
    bool goneAfterMessages = false;
  };

  // Looks the place up over a 600 by 400 dialog and notes the progress bar it leaves behind.
  int LookUp(const std::wstring& name, PlacePosition* position, BarState& bar) {
    int found = -1;
    RunAsConsole([&] {
      MessageLog::register_class(L"EventDialog");
      HWND dialog =
          create_logged_window(L"EventDialog", L"Event", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 600, 400});
      found = position ? LocationExists(dialog, name, *position) : LocationExists(dialog, name);
      HWND made = GetDlgItem(dialog, PlaceProgressBarId);
      bar.made = made != nullptr;
      bar.position = static_cast<int>(SendMessageW(made, PBM_GETPOS, 0, 0));
      SendMessageW(made, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&bar.range));
      GetWindowRect(made, &bar.rect);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
      bar.goneAfterMessages = !IsWindow(made);
    });
    return found;
  }
};

TEST_F(PlaceLookupTest, FindsThePlaceUnderAProgressBar) {
  PlacePosition position;
  BarState bar;
  EXPECT_EQ(LookUp(L"QUITO", &position, bar), 1);
  EXPECT_EQ(position.latitude, L"0.1807");
  EXPECT_EQ(position.longitude, L"78.4678");
  EXPECT_EQ(position.quadrant, 5);
  EXPECT_TRUE(bar.made);
  EXPECT_EQ(bar.position, 0);
  EXPECT_EQ(bar.range.iLow, 0);
  EXPECT_EQ(bar.range.iHigh, 22500);
  EXPECT_EQ(bar.rect.left, 170);
  EXPECT_EQ(bar.rect.top, 187);
  EXPECT_EQ(bar.rect.right - bar.rect.left, 260);
  EXPECT_EQ(bar.rect.bottom - bar.rect.top, 25);
  EXPECT_TRUE(bar.goneAfterMessages);
}

TEST_F(PlaceLookupTest, APlaceWithoutItsOwnPositionIsNoPlaceForAnEvent) {
  PlacePosition position{L"kept", L"kept", 9};
  BarState bar;
  EXPECT_EQ(LookUp(L"Nameless", &position, bar), 0);
  EXPECT_EQ(position.latitude, L"kept");
  EXPECT_EQ(bar.position, 1);
  EXPECT_EQ(LookUp(L"Nameless", nullptr, bar), 1);
  EXPECT_EQ(LookUp(L"Lima", nullptr, bar), 0);
  EXPECT_EQ(bar.position, 2);
}

TEST_F(PlaceLookupTest, AMissingListIsNamedInAWarning) {
  DeleteFileW(PlaceListPath().c_str());
  int found = -1;
  std::vector<ShownMessage> shown = RunAsConsole([&found] { found = LocationExists(nullptr, L"Oslo"); });
  EXPECT_EQ(found, 0);
  EXPECT_EQ(shown,
            (std::vector<ShownMessage>{
                {L"I can't open C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\base_locations.txt file",
                 MB_ICONWARNING}}));
}

}  // namespace
