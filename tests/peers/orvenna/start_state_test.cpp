// The installed planetarium's sky when it starts: the machine's date and time, the place and
// landscape config.ini names, and the landscapes and named stars of its install folder.
#include <algorithm>
#include <cmath>
#include <memory>

#include "peers/orvenna/install/landscape_table.h"
#include "peers/orvenna/orvenna_program.h"
#include "peers/orvenna/sky_ephemeris.h"
#include "tests/peers/orvenna/install_fixture.h"

namespace {

constexpr double kFileTimeAtUnixEpoch = 116444736000000000.0;

class StartStateTest : public InstallTest {
 protected:
  StartStateTest() : probe(orvenna::register_orvenna_program(machine)) {
    orvenna::InstallSettings settings;
    settings.pictures = false;
    install(settings);
  }

  // Starts the installed program with config as its config.ini (none when null), and ends it
  // once it is ready; the sky it started with.
  orvenna::SkyState started_sky(const char* config) {
    const std::wstring config_path = user_folder() + L"config.ini";
    if (config == nullptr)
      DeleteFileW(config_path.c_str());
    else
      EXPECT_TRUE(write_file(config_path.c_str(), config));
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(start_from_entry(started));
    EXPECT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
    std::optional<orvenna::SkyState> sky = probe->state();
    PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.hProcess, 5000), WAIT_OBJECT_0);
    CloseHandle(started.hProcess);
    return sky.value_or(orvenna::SkyState{});
  }

  std::shared_ptr<orvenna::ProgramProbe> probe;
};

double desktop_now_seconds() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const double units =
      static_cast<double>((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return (units - kFileTimeAtUnixEpoch) / 1e7;
}

TEST_F(StartStateTest, StartsAtTheMachinesDateAndTimeAtTheNormalRate) {
  machine.advance(5 * 3600 * 1000);
  const orvenna::SkyState sky = started_sky("[navigation]\r\ninit_fov=60\r\n");
  EXPECT_NEAR(sky.utc_seconds(), desktop_now_seconds(), 2.0);
  EXPECT_EQ(sky.time_rate(), 1);
  EXPECT_FALSE(sky.time_paused());
}

TEST_F(StartStateTest, ThePlaceAndLandscapeComeFromConfigWithDefaultsForWhatIsMissing) {
  struct Case {
    const char* config;
    const char* landscape;
    const char* place;
    double latitude;
    double longitude;
    bool atmosphere;
  };
  const Case cases[] = {
      // As the installer writes it.
      {"[init_location]\r\nlandscape_name=guereins\r\nlocation=Guereins\r\n[landscape]\r\nflag_atmosphere="
       "true\r\n",
       "Guereins", "Guereins", 46.1031, 4.7736, true},
      {"[init_location]\r\nlandscape_name=MOON\r\nlocation=Paris, "
       "France\r\n[landscape]\r\nflag_atmosphere=false\r\n",
       "Moon", "Paris, France", 48.8566, 2.3522, false},
      // No place: where the landscape stands.
      {"[landscape]\r\nlandscape_name=Atacama\r\n", "Atacama", "Atacama", -24.6272, -70.4042, true},
      // Names the install does not know, and no config at all: home.
      {"[init_location]\r\nlandscape_name=Atlantis\r\nlocation=Nowhere\r\n", "Guereins", "Guereins", 46.1031,
       4.7736, true},
      {nullptr, "Guereins", "Guereins", 46.1031, 4.7736, true},
  };
  for (const Case& c : cases) {
    const orvenna::SkyState sky = started_sky(c.config);
    const std::string label = c.config ? c.config : "no config.ini";
    EXPECT_EQ(sky.landscape(), c.landscape) << label;
    EXPECT_EQ(sky.observer().planet, "Earth") << label;
    EXPECT_EQ(sky.observer().name, c.place) << label;
    EXPECT_NEAR(sky.observer().latitude, c.latitude, 1e-4) << label;
    EXPECT_NEAR(sky.observer().longitude, c.longitude, 1e-4) << label;
    EXPECT_EQ(sky.flag(orvenna::SkyFlag::atmosphere), c.atmosphere) << label;
  }
}

TEST_F(StartStateTest, ItKnowsEveryInstalledLandscapeByNameOrFolderInAnyCase) {
  const orvenna::SkyState sky = started_sky("[navigation]\r\ninit_fov=60\r\n");
  EXPECT_EQ(sky.landscapes().size(), orvenna::installed_landscapes().size());
  for (const orvenna::LandscapeEntry& installed : orvenna::installed_landscapes()) {
    std::string shouted(installed.folder);
    std::ranges::transform(shouted, shouted.begin(),
                           [](char c) { return static_cast<char>(std::toupper(c)); });
    for (const std::string& asked : {std::string(installed.name), std::string(installed.folder), shouted}) {
      const orvenna::Landscape* found = sky.find_landscape(asked);
      ASSERT_NE(found, nullptr) << asked;
      EXPECT_EQ(found->name, installed.name);
    }
  }
  EXPECT_EQ(sky.find_landscape("Atlantis"), nullptr);
}

TEST_F(StartStateTest, ItKnowsTheInstalledStarsAndFiguresByNameAndNumberAndWhereTheyStand) {
  orvenna::SkyState sky = started_sky("[init_location]\r\nlocation=Guereins\r\n");
  EXPECT_GT(sky.stars().size(), 100u);
  EXPECT_TRUE(std::ranges::all_of(sky.stars(),
                                  [](const orvenna::NamedStar& star) { return star.position.has_value(); }));
  for (const char* name : {"Polaris", "HP11767", "HIP 11767", "polaris"}) {
    const orvenna::NamedStar* star = sky.find_star(name);
    ASSERT_NE(star, nullptr) << name;
    EXPECT_EQ(star->name, "Polaris");
  }
  EXPECT_TRUE(sky.select("Rigil Kentaurus")) << "a star only the install names";
  EXPECT_EQ(sky.find_star("HP12200"), nullptr);
  EXPECT_TRUE(sky.select("HP12200")) << "any catalogue number can be selected";

  // The pole star stands as high as the place is north, at any hour; Sirius keeps its place
  // among the stars.
  for (double hours : {0.0, 7.0, 15.0}) {
    sky.set_utc_seconds(sky.utc_seconds() + hours * 3600);
    std::optional<orvenna::SkyPosition> pole = orvenna::object_position("Polaris", sky);
    ASSERT_TRUE(pole.has_value());
    EXPECT_NEAR(pole->altitude, 46.1, 1.0) << hours;
  }
  const auto orion = std::ranges::find(sky.figures(), std::string("Orion"), &orvenna::Figure::name);
  ASSERT_NE(orion, sky.figures().end());
  EXPECT_EQ(orion->lines.size(), 7u);
  for (const orvenna::Figure& figure : sky.figures())
    for (const auto& [from, to] : figure.lines)
      EXPECT_TRUE(sky.find_star("HP" + std::to_string(from)) && sky.find_star("HP" + std::to_string(to)))
          << figure.name << ": a line between stars the sky knows";

  std::optional<orvenna::SkyPosition> sirius = orvenna::object_position("Sirius", sky);
  ASSERT_TRUE(sirius.has_value());
  EXPECT_NEAR(sirius->ra, 101.29, 0.05);
  EXPECT_NEAR(sirius->dec, -16.72, 0.05);
}

}  // namespace
