#include "src/settings/ini_store.h"

#include <optional>
#include <string>

#include "src/settings/console_state.h"
#include "src/settings/ini_files.h"
#include "src/settings/planetarium_config.h"
#include "tests/settings/ini_fixture.h"

namespace {

struct FileFormCase {
  const char* read;
  const char* saved;
};

TEST_F(IniTest, LoadAndSaveKeepTheStoresForm) {
  for (const FileFormCase& c : {
           FileFormCase{"[Startup]\nStartAtmo = on\n", "[Startup]\r\nStartAtmo= on\r\n"},
           FileFormCase{"[s]\nkey=a=b", "[s]\r\nkey=a=b\r\n"},
           FileFormCase{"[a]\nx=1\n[A]\ny=2\n", "[a]\r\nx=1\r\ny=2\r\n"},
           FileFormCase{"orphan=1\n[s]\nk=v\n", "[s]\r\nk=v\r\n"},
           FileFormCase{"[b]\nk=1\n[A]\nk=2\n", "[A]\r\nk=2\r\n[b]\r\nk=1\r\n"},
           FileFormCase{"[s]  \t\nk=v\n", "[s]\r\nk=v\r\n"},
           FileFormCase{"  [ s ]\t\r\n\r\n  k = v \r\n=ignored\r\n", "[s]\r\nk= v \r\n"},
           FileFormCase{"[s]\nk=1\nK=2\n", "[s]\r\nk=2\r\n"},
           FileFormCase{"[s]\n; a note\n# another\nk=v\n", "[s]\r\n# another\r\n; a note\r\nk=v\r\n"},
           FileFormCase{"[s]\nplace=Caf\xC3\xA9\n", "[s]\r\nplace=Caf\xC3\xA9\r\n"},
           FileFormCase{"[a]\nx=1\n[b]\ny=1\n[a]\nz=1", "[a]\r\nx=1\r\nz=1\r\n[b]\r\ny=1\r\n"},
           FileFormCase{"[s]\nb_key=1\nbkey=2\nB=3\n", "[s]\r\nB=3\r\nb_key=1\r\nbkey=2\r\n"},
           FileFormCase{"[s]\nnote\r \t\n \r \n", "[s]\r\nnote\r\n"},
       }) {
    ASSERT_TRUE(WriteUserFile(L"form.ini", c.read));
    CIniStore store;
    ASSERT_TRUE(store.Load(UserFile(L"form.ini")));
    ASSERT_TRUE(store.Save(UserFile(L"saved.ini")));
    EXPECT_EQ(ReadUserFile(L"saved.ini"), c.saved) << c.read;
  }
}

TEST_F(IniTest, LookupsIgnoreCaseAndBlanksAroundNames) {
  CIniStore store;
  store.SetValue(L" Startup\t", L"startAtmo ", L" on");
  store.SetValue(L"STARTUP", L"STARTATMO", L"off ");
  EXPECT_EQ(store.GetValue(L"startup", L"\tstartatmo"), L"off ");
  EXPECT_EQ(store.FindSection(L"startup")->name, L"Startup");
  EXPECT_EQ(store.GetValue(L"startup", L"missing"), L"");
  EXPECT_EQ(store.GetValue(L"missing", L"startAtmo"), L"");
  EXPECT_EQ(store.FindSection(L"missing"), nullptr);
  EXPECT_FALSE(store.Load(UserFile(L"absent.ini")));
  EXPECT_EQ(store.GetValue(L"startup", L"startatmo"), L"off ");
  store.Clear();
  EXPECT_TRUE(store.Sections().empty());
}

TEST_F(IniTest, ReadIniValueTellsAMissingFileFromAMissingSection) {
  ASSERT_TRUE(WriteUserFile(L"OCconfig.ini", "[Startup]\r\nStartAtmo = on\r\n"));
  std::wstring value = L"untouched";
  EXPECT_TRUE(ReadIniValue(ConsoleIniFile, L"startup", L"startAtmo", value));
  EXPECT_EQ(value, L" on");
  value = L"untouched";
  EXPECT_TRUE(ReadIniValue(ConsoleIniFile, L"startup", L"startFog", value));
  EXPECT_EQ(value, L"");
  value = L"untouched";
  EXPECT_TRUE(ReadIniValue(ConsoleIniFile, L"search", L"SkyCulture", value));
  EXPECT_EQ(value, L"untouched");
  EXPECT_FALSE(ReadIniValue(L"absent.ini", L"startup", L"startAtmo", value));
  EXPECT_EQ(value, L"untouched");
}

TEST_F(IniTest, WritesLoadChangeAndSaveTheWholeFile) {
  EXPECT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"startAtmo", L"true"));
  EXPECT_EQ(ReadUserFile(L"OCconfig.ini"), "[startup]\r\nstartAtmo=true\r\n");
  EXPECT_TRUE(WriteIniValue(ConsoleIniFile, L"Behavior", L"slideDelay", L"7"));
  EXPECT_TRUE(WriteIniValue(ConsoleIniFile, L"STARTUP", L"startatmo", L"false"));
  EXPECT_EQ(ReadUserFile(L"OCconfig.ini"), "[Behavior]\r\nslideDelay=7\r\n[startup]\r\nstartAtmo=false\r\n");
  EXPECT_FALSE(UserFileExists(L"OCconfig.ini.tmp"));
}

TEST_F(IniTest, AFileThatCannotBeReadIsNeverReplaced) {
  const std::string config = "[navigation]\r\ninit_fov=60\r\n[shortcuts]\r\nactionStop_Script=3\r\n";
  ASSERT_TRUE(WriteUserFile(L"config.ini", config));
  HANDLE lock = CreateFileW(UserFile(L"config.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteIniValue(PlanetariumConfigIni, L"navigation", L"init_fov", L"180"));
  CloseHandle(lock);
  EXPECT_EQ(ReadUserFile(L"config.ini"), config);
}

// Every typed reader loads the file anew: a file far larger than any settings file is not read
// through at each of them, and a write never replaces what it could not read.
TEST_F(IniTest, AFileLargerThanAnySettingsFileIsNotReadAndNeverReplaced) {
  const std::string padding(CIniStore::LargestIniFile, ';');
  const std::string config = "[startup]\r\nstartAtmo=on\r\n" + padding;
  ASSERT_TRUE(WriteUserFile(L"OCconfig.ini", config));
  std::wstring value = L"untouched";
  EXPECT_FALSE(ReadIniValue(ConsoleIniFile, L"startup", L"startAtmo", value));
  EXPECT_EQ(value, L"untouched");
  EXPECT_FALSE(WriteIniValue(ConsoleIniFile, L"startup", L"startFog", L"true"));
  EXPECT_EQ(ReadUserFile(L"OCconfig.ini"), config);
  ASSERT_TRUE(WriteUserFile(L"OCconfig.ini", "[startup]\r\nstartAtmo=on\r\n" + padding.substr(1000)));
  EXPECT_TRUE(ReadIniValue(ConsoleIniFile, L"startup", L"startAtmo", value));
  EXPECT_EQ(value, L"on");
}

TEST_F(IniTest, AFailedSaveIsReportedAndLeavesTheFileWhole) {
  const std::string config = "[navigation]\r\ninit_fov=60\r\n";
  ASSERT_TRUE(WriteUserFile(L"config.ini", config));
  machine.drives().set_free_space(L'C', 10);
  EXPECT_FALSE(WriteIniValue(PlanetariumConfigIni, L"navigation", L"init_fov", L"180"));
  machine.drives().set_free_space(L'C', std::nullopt);
  EXPECT_EQ(ReadUserFile(L"config.ini"), config);
  EXPECT_FALSE(UserFileExists(L"config.ini.tmp"));

  // One byte per character: a value that cannot be written so is refused whole.
  EXPECT_FALSE(WriteIniValue(PlanetariumConfigIni, L"localization", L"sky_locale", L"\u4E2D\u6587"));
  EXPECT_EQ(ReadUserFile(L"config.ini"), config);
  EXPECT_TRUE(WriteIniValue(PlanetariumConfigIni, L"localization", L"sky_locale", L"Fran\u00E7ais"));
  EXPECT_EQ(ReadUserFile(L"config.ini"),
            "[localization]\r\nsky_locale=Fran\xE7"
            "ais\r\n[navigation]\r\ninit_fov=60\r\n");

  // A user folder that Orvenna never made: nothing to write into.
  DeleteFileW(UserFile(L"config.ini").c_str());
  RemoveDirectoryW(PlanetariumUserFolder().c_str());
  EXPECT_FALSE(WriteIniValue(ConsoleIniFile, L"startup", L"startAtmo", L"true"));
}

struct RewriteCase {
  std::string before;
  std::optional<std::string> after;  // LF line ends; nullopt: the file is left byte for byte
};

std::string WithCrLf(const std::string& text) {
  std::string saved;
  for (char c : text)
    saved += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return saved;
}

// The four script keys as the console binds them.
const std::string BoundShortcuts =
    "[shortcuts]\nactionPause_Script=4\nactionResume_Script=5\nactionScript/!Orvenna-Console.ovs=1\n"
    "actionStop_Script=3\n";

TEST_F(IniTest, TheStartUpRewritesOrvennasShortcutsAndFieldOfView) {
  for (const RewriteCase& c : {
           RewriteCase{"[navigation]\ninit_fov=180.0\n" + BoundShortcuts,
                       "[navigation]\ninit_fov=180\n" + BoundShortcuts},
           RewriteCase{"[navigation]\ninit_fov=180\n" + BoundShortcuts, std::nullopt},
           RewriteCase{"[navigation]\n" + BoundShortcuts, "[navigation]\ninit_fov=180\n" + BoundShortcuts},
           // Without [navigation] Orvenna keeps its own field of view.
           RewriteCase{BoundShortcuts + "[video]\nfullscreen=true\n", std::nullopt},
           // Without [shortcuts] no script would ever run: the section is made.
           RewriteCase{"[video]\nfullscreen=true\n", BoundShortcuts + "[video]\nfullscreen=true\n"},
           RewriteCase{"", BoundShortcuts},
           RewriteCase{"[Shortcuts]\nactionStop_Script=Ctrl+3\nactionPause_Script=4\n",
                       "[Shortcuts]\nactionPause_Script=4\nactionResume_Script=5\n"
                       "actionScript/!Orvenna-Console.ovs=1\nactionStop_Script=3\n"},
       }) {
    ASSERT_TRUE(WriteUserFile(L"config.ini", c.before));
    RewritePlanetariumConfig();
    EXPECT_EQ(ReadUserFile(L"config.ini"), c.after ? WithCrLf(*c.after) : c.before) << c.before;
  }
  DeleteFileW(UserFile(L"config.ini").c_str());
  RewritePlanetariumConfig();
  EXPECT_FALSE(UserFileExists(L"config.ini"));
}

TEST_F(IniTest, AConfigThatCannotBeReadOrWrittenIsReported) {
  EXPECT_TRUE(RewritePlanetariumConfig()) << "no file: Orvenna makes its own";
  ASSERT_TRUE(CreateDirectoryW(UserFile(L"config.ini").c_str(), nullptr));
  EXPECT_FALSE(RewritePlanetariumConfig()) << "a folder in its place";
  RemoveDirectoryW(UserFile(L"config.ini").c_str());
  ASSERT_TRUE(WriteUserFile(L"config.ini", ""));
  machine.drives().set_read_only(PlanetariumUserFolder(), true);
  EXPECT_FALSE(RewritePlanetariumConfig()) << "the bindings cannot be written";
  machine.drives().set_read_only(PlanetariumUserFolder(), false);
  EXPECT_TRUE(RewritePlanetariumConfig());
  EXPECT_EQ(ReadUserFile(L"config.ini"), WithCrLf(BoundShortcuts));
}

struct StartupOptionsCase {
  const char* file;  // nullptr: no file
  bool result;
  int zoomSpeed;
  int fadingDuration;
  bool wantMoonScale;
};

TEST_F(IniTest, StartupOptionsOfTheStateRecord) {
  for (const StartupOptionsCase& c : {
           StartupOptionsCase{nullptr, false, 10, 4, true},
           StartupOptionsCase{"", true, 10, 4, false},
           StartupOptionsCase{
               "[startup]\nzoomSpeed=30\nwantMoonScale=YES\n[behavior]\nFadingEffectDuration=1\n", true, 30,
               1, true},
           StartupOptionsCase{
               "[startup]\nzoomSpeed=31\nwantMoonScale= on\n[behavior]\nFadingEffectDuration=11\n", true, 10,
               4, false},
           StartupOptionsCase{
               "[startup]\nzoomSpeed=0\nwantMoonScale=On\n[behavior]\nFadingEffectDuration=7s\n", true, 10, 7,
               true},
       }) {
    DeleteFileW(UserFile(L"OCconfig.ini").c_str());
    if (c.file != nullptr) {
      ASSERT_TRUE(WriteUserFile(L"OCconfig.ini", c.file));
    }
    CConsoleState state;
    state.wantMoonScale = true;
    EXPECT_EQ(state.LoadIniStartupOptions(), c.result) << (c.file ? c.file : "no file");
    EXPECT_EQ(state.zoomSpeed, c.zoomSpeed) << (c.file ? c.file : "no file");
    EXPECT_EQ(state.fadingDuration, c.fadingDuration) << (c.file ? c.file : "no file");
    EXPECT_EQ(state.wantMoonScale, c.wantMoonScale) << (c.file ? c.file : "no file");
  }
}

}  // namespace
