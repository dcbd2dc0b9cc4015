// Finding Orvenna's main window by its versioned title and its render window by class.
#include "src/link/planetarium_windows.h"
#include "tests/link/link_fixture.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class PlanetariumWindowsTest : public DesktopTest {
 protected:
  PlanetariumWindowsTest() {
    MessageLog::register_class(L"Qt5QWindowIcon");
    MessageLog::register_class(L"Qt5QWindowOwnDCIcon");
  }
  static HWND MainWindow(const wchar_t* title) {
    return create_logged_window(L"Qt5QWindowIcon", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }
  static HWND Child(HWND main, const wchar_t* windowClass) {
    return create_logged_window(windowClass, L"", WS_CHILD | WS_VISIBLE, main);
  }
};

TEST_F(PlanetariumWindowsTest, TheFirstSupportedTitleWinsWhateverTheOrderOfCreation) {
  MainWindow(L"Orvenna 0.18.2");
  HWND older = MainWindow(L"Orvenna 0.18.1");
  const PlanetariumMainWindow found = FindPlanetariumMainWindowAndVersion();
  EXPECT_EQ(found.window, older);
  EXPECT_EQ(found.version, L"0.18.1");
}

TEST_F(PlanetariumWindowsTest, VersionZeroEighteenThreeIsFoundButNoOtherVersion) {
  MainWindow(L"Orvenna 0.18.4");
  MainWindow(L"Orvenna 0.17.9");
  MainWindow(L"Orvenna");
  EXPECT_EQ(FindPlanetariumMainWindow(), nullptr);
  HWND latest = MainWindow(L"Orvenna 0.18.3");
  EXPECT_EQ(FindPlanetariumMainWindowAndVersion().window, latest);
  EXPECT_EQ(FindPlanetariumMainWindowAndVersion().version, L"0.18.3");
}

TEST_F(PlanetariumWindowsTest, RenderWindowIsTheOwnDcChildThenTheFallbackChildThenTheMainWindow) {
  EXPECT_EQ(FindPlanetariumRenderWindow(), nullptr);
  HWND main = MainWindow(L"Orvenna 0.18.0");
  EXPECT_EQ(FindPlanetariumRenderWindow(), main);
  create_logged_window(L"Qt5QWindowIcon", L"menu", WS_CHILD | WS_VISIBLE, main);
  EXPECT_EQ(FindPlanetariumRenderWindow(), main) << "a titled child is not the view";
  HWND fallback = Child(main, L"Qt5QWindowIcon");
  EXPECT_EQ(FindPlanetariumRenderWindow(), fallback);
  HWND render = Child(main, L"Qt5QWindowOwnDCIcon");
  EXPECT_EQ(FindPlanetariumRenderWindow(), render);
}

TEST_F(PlanetariumWindowsTest, TheDialogKeepsTheLastVersionFoundWhenOrvennaGoes) {
  LinkHost link(nullptr);
  HWND main = MainWindow(L"Orvenna 0.18.1");
  EXPECT_EQ(link.GetPlanetariumViewIfRunning(), main) << "a main window without children is its own view";
  EXPECT_EQ(link.planetariumVersion, L"0.18.1");
  EXPECT_EQ(link.state.planetariumVersionText, L"0.18.1");
  DestroyWindow(main);
  EXPECT_EQ(link.GetPlanetariumViewIfRunning(), nullptr);
  EXPECT_EQ(link.FindPlanetariumView(), nullptr);
  EXPECT_EQ(link.planetariumVersion, L"0.18.1");
  EXPECT_EQ(link.state.planetariumVersionText, L"0.18.1");
}

}  // namespace
