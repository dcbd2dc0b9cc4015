#include "src/settings/startup_options.h"

#include "platform/win/dialog_api.h"
#include "platform/win/file_api.h"
#include "src/util/user_folder.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/console_program.h"
#include "tests/settings/registry_values.h"

namespace {

const ShownMessage MissingFileNotice{L"Il file OCconfig.ini non esiste. Lo creo ora.", MB_ICONINFORMATION};

ShownMessage ConfigError(int number) {
  return {L"Can't read/write to the config file (OCconfig.ini).\n\nError # " + std::to_wstring(number) + L".",
          MB_ICONERROR};
}

class StartupOptionsTest : public ConsoleProgramTest {
 protected:
  StartupOptionsTest() { CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr); }
  static std::wstring ConfigPath() { return PlanetariumUserFile(L"OCconfig.ini"); }
  static bool WriteConfig(const std::string& bytes) { return write_file(ConfigPath().c_str(), bytes); }
  static std::string Config() { return read_file(ConfigPath().c_str()); }
};

TEST_F(StartupOptionsTest, AMissingFileIsMadeWithTheFirstDefault) {
  bool atmosphere = false;
  bool fog = true;
  bool milkyWay = true;
  bool result = false;
  std::vector<ShownMessage> shown =
      RunAsConsole([&] { result = ReadStartupToggles(atmosphere, fog, milkyWay); });
  EXPECT_TRUE(result);
  EXPECT_EQ(shown, std::vector<ShownMessage>{MissingFileNotice});
  EXPECT_EQ(Config(), "[startup]\r\nstartAtmo=true\r\n");
  EXPECT_TRUE(atmosphere);
  EXPECT_FALSE(fog);
  EXPECT_FALSE(milkyWay);
}

TEST_F(StartupOptionsTest, WithoutOrvennasFolderTheFirstKeysErrorEndsTheRead) {
  RemoveDirectoryW(PlanetariumUserFolder().c_str());
  bool atmosphere = false;
  bool fog = true;
  bool milkyWay = true;
  bool result = true;
  std::vector<ShownMessage> shown =
      RunAsConsole([&] { result = ReadStartupToggles(atmosphere, fog, milkyWay); });
  EXPECT_FALSE(result);
  EXPECT_EQ(shown, (std::vector<ShownMessage>{MissingFileNotice, ConfigError(100047)}));
  EXPECT_FALSE(atmosphere);
  EXPECT_TRUE(fog);
  EXPECT_TRUE(milkyWay);
}

TEST_F(StartupOptionsTest, AFileThatCannotBeReadIsNeitherAnnouncedAsMissingNorWrittenOver) {
  ASSERT_TRUE(CreateDirectoryW(ConfigPath().c_str(), nullptr));
  bool toggles[3] = {false, false, false};
  int magnitudes[2] = {0, 0};
  std::wstring texts[5];
  bool results[4] = {true, true, true, true};
  std::vector<ShownMessage> shown = RunAsConsole([&] {
    results[0] = ReadStartupToggles(toggles[0], toggles[1], toggles[2]);
    results[1] = ReadStarMagnitudes(magnitudes[0], magnitudes[1]);
    results[2] = ReadBoundariesColor(texts[0], texts[1], texts[2]);
    results[3] = ReadStartDateTime(texts[3], texts[4]);
  });
  EXPECT_TRUE(shown.empty());
  for (bool result : results)
    EXPECT_FALSE(result);
  EXPECT_NE(GetFileAttributesW(ConfigPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  RemoveDirectoryW(ConfigPath().c_str());
}

TEST_F(StartupOptionsTest, TheErrorSpeaksTheInterfaceLanguage) {
  RemoveDirectoryW(PlanetariumUserFolder().c_str());
  StoreValue(L"Language", DwordValue(1));
  int absolute = 0;
  int relative = 0;
  std::vector<ShownMessage> shown = RunAsConsole([&] { ReadStarMagnitudes(absolute, relative); });
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].text,
            L"Impossibile leggere/scrivere il file di configurazione (OCconfig.ini).\n\nErrore # 100044.");
}

TEST_F(StartupOptionsTest, TogglesReadTrueOrOnInAnyCase) {
  ASSERT_TRUE(WriteConfig("[Startup]\r\nStartAtmo = On \r\nstartFog=TRUE\r\nstartMilkyWay=yes\r\n"));
  bool toggles[3] = {false, false, true};
  std::vector<ShownMessage> shown =
      RunAsConsole([&] { ReadStartupToggles(toggles[0], toggles[1], toggles[2]); });
  EXPECT_TRUE(shown.empty());
  EXPECT_TRUE(toggles[0]);
  EXPECT_TRUE(toggles[1]);
  EXPECT_FALSE(toggles[2]);
}

TEST_F(StartupOptionsTest, StarMagnitudesWithinTheirLimits) {
  ASSERT_TRUE(WriteConfig("[star_appearance]\r\nstarAbsMag=0\r\nstarRelMag=300\r\n"));
  int absolute = 0;
  int relative = 0;
  bool result = false;
  std::vector<ShownMessage> shown = RunAsConsole([&] { result = ReadStarMagnitudes(absolute, relative); });
  EXPECT_TRUE(result);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(absolute, 100);
  EXPECT_EQ(relative, 110);
  EXPECT_EQ(Config(), "[star_appearance]\r\nstarAbsMag=100\r\nstarRelMag=300\r\n");

  ASSERT_TRUE(WriteConfig("[star_appearance]\r\nstarAbsMag=250\r\nstarRelMag=1\r\n"));
  RunAsConsole([&] { ReadStarMagnitudes(absolute, relative); });
  EXPECT_EQ(absolute, 250);
  EXPECT_EQ(relative, 1);
}

struct ColorCase {
  const char* stored;
  bool result;
  std::vector<std::wstring> components;
};

TEST_F(StartupOptionsTest, BoundaryColoursAreThreeNumbersFromZeroToOne) {
  for (const ColorCase& c : {
           ColorCase{"1.0,2.0,0.5", true, {L"1.0", L"1.0", L"1.0"}},
           ColorCase{" 0.5 ,0.2,0.1", true, {L"0.5", L"0.2", L"0.1"}},
           ColorCase{"0,1,.25,junk", true, {L"0", L"1", L".25"}},
           ColorCase{"0.5\");core.quit();(\",0,0", true, {L"1.0", L"1.0", L"1.0"}},
           ColorCase{"0.1,,0.3", true, {L"1.0", L"1.0", L"1.0"}},
           ColorCase{"0.100000000000000001,0,0", true, {L"1.0", L"1.0", L"1.0"}},
           ColorCase{"0.5,0.2", false, {L"r", L"g", L"b"}},
       }) {
    ASSERT_TRUE(WriteConfig(std::string("[star_appearance]\r\nboundariesColor=") + c.stored + "\r\n"));
    std::vector<std::wstring> components{L"r", L"g", L"b"};
    bool result = !c.result;
    std::vector<ShownMessage> shown =
        RunAsConsole([&] { result = ReadBoundariesColor(components[0], components[1], components[2]); });
    EXPECT_EQ(result, c.result) << c.stored;
    EXPECT_EQ(components, c.components) << c.stored;
    EXPECT_EQ(shown, c.result ? std::vector<ShownMessage>{} : std::vector<ShownMessage>{ConfigError(100039)})
        << c.stored;
  }
}

TEST_F(StartupOptionsTest, AFileWithoutTheBoundaryColourTakesItsDefaultWithoutAnError) {
  ASSERT_TRUE(WriteConfig("[star_appearance]\r\nstarAbsMag=100\r\n"));
  std::vector<std::wstring> components{L"r", L"g", L"b"};
  bool result = false;
  std::vector<ShownMessage> shown =
      RunAsConsole([&] { result = ReadBoundariesColor(components[0], components[1], components[2]); });
  EXPECT_TRUE(result);
  EXPECT_EQ(components, (std::vector<std::wstring>{L"1.0", L"1.0", L"1.0"}));
  EXPECT_EQ(shown, std::vector<ShownMessage>{});
  EXPECT_NE(Config().find("boundariesColor=1.0,1.0,1.0\r\n"), std::string::npos);
}

struct DateTimeCase {
  const char* file;
  std::wstring date;
  std::wstring time;
};

TEST_F(StartupOptionsTest, StartDateAndTime) {
  for (const DateTimeCase& c : {
           DateTimeCase{"[startup]\r\nstartDate=TODAY\r\nstartTime=Now\r\n", L"today", L"now"},
           DateTimeCase{"[startup]\r\nstartDate=-12345/12/31\r\nstartTime=21:30:00\r\n", L"-12345/12/31",
                        L"21:30:00"},
           DateTimeCase{"[startup]\r\nstartDate=2024/05/06/07/08\r\nstartTime=21:30:00.000000000\r\n",
                        L"today", L"now"},
           DateTimeCase{"[startup]\r\n", L"", L""},
       }) {
    ASSERT_TRUE(WriteConfig(c.file));
    std::wstring date = L"unread";
    std::wstring time = L"unread";
    RunAsConsole([&] { ReadStartDateTime(date, time); });
    EXPECT_EQ(date, c.date) << c.file;
    EXPECT_EQ(time, c.time) << c.file;
  }
}

TEST_F(StartupOptionsTest, SkyCulture) {
  std::wstring culture = L"unread";
  bool western = false;
  RunAsConsole([&] { western = ReadSkyCultureSetting(culture); });
  EXPECT_TRUE(western);
  EXPECT_EQ(culture, L"western");
  EXPECT_TRUE(Config().empty());

  for (const auto& [file, expectWestern, expected] : {
           std::tuple{"[search]\r\nSkyCulture=Western\r\n", true, L"western"},
           std::tuple{"[search]\r\nSkyCulture=inuit\r\n", false, L"inuit"},
           std::tuple{"[search]\r\n", true, L"western"},
           std::tuple{"[search]\r\nSkyCulture=\r\n", true, L"western"},
           std::tuple{"[search]\r\nSkyCulture=..\\..\\..\\Windows\r\n", true, L"western"},
           std::tuple{"[search]\r\nSkyCulture=inuit/../../x\r\n", true, L"western"},
           std::tuple{"[search]\r\nSkyCulture=..\r\n", true, L"western"},
       }) {
    ASSERT_TRUE(WriteConfig(file));
    RunAsConsole([&] { western = ReadSkyCultureSetting(culture); });
    EXPECT_EQ(western, expectWestern) << file;
    EXPECT_EQ(culture, expected) << file;
  }
}

}  // namespace
