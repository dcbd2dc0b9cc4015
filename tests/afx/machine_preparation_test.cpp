// The scenario steps that prepare a machine: registry values, ini entries and files, written
// where the desktop's programs find them, before those programs start.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop/image_file.h"
#include "platform/driver/ini_text.h"
#include "platform/driver/scenario.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

class MachinePreparationTest : public DesktopTest {
 protected:
  driver::ScenarioResult run(const std::string& text) { return driver::ScenarioRunner(user).run(text); }

  std::vector<BYTE> value_of(HKEY root, const wchar_t* path, const wchar_t* name, DWORD& type) {
    HKEY key = nullptr;
    std::vector<BYTE> data(256);
    DWORD size = static_cast<DWORD>(data.size());
    type = REG_NONE;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    const LSTATUS status = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    data.resize(status == ERROR_SUCCESS ? size : 0);
    return data;
  }

  driver::DesktopUser user{machine};
};

std::vector<BYTE> bytes_of(const void* data, std::size_t size) {
  const auto* start = static_cast<const BYTE*>(data);
  return std::vector<BYTE>(start, start + size);
}

TEST_F(MachinePreparationTest, RegsetWritesEachTypeOfValueUnderEitherRoot) {
  const DWORD dword = 4'294'967'295u;
  const unsigned long long qword = 0x123456789ull;
  const wchar_t text[] = L"Italiano e basta";
  struct Case {
    const char* step;
    HKEY root;
    const wchar_t* path;
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"regset \"HKEY_CURRENT_USER\\Software\\Halcyra Software\\Orvenna-Console\" \"Center On Object 1\" "
       "REG_DWORD 1",
       HKEY_CURRENT_USER,
       L"Software\\Halcyra Software\\Orvenna-Console",
       L"Center On Object 1",
       REG_DWORD,
       {1, 0, 0, 0}},
      {"regset HKCU\\Software\\Test Big REG_DWORD 4294967295", HKEY_CURRENT_USER, L"Software\\Test", L"Big",
       REG_DWORD, bytes_of(&dword, 4)},
      {"regset HKCU\\Software\\Test Negative REG_DWORD -1", HKEY_CURRENT_USER, L"Software\\Test", L"Negative",
       REG_DWORD, bytes_of(&dword, 4)},
      {"regset HKCU\\Software\\Test Memo REG_SZ Italiano e basta", HKEY_CURRENT_USER, L"Software\\Test",
       L"Memo", REG_SZ, bytes_of(text, sizeof(text))},
      {"regset HKCU\\Software\\Test Path REG_EXPAND_SZ %APPDATA%", HKEY_CURRENT_USER, L"Software\\Test",
       L"Path", REG_EXPAND_SZ, bytes_of(L"%APPDATA%", sizeof(L"%APPDATA%"))},
      {"regset HKLM\\SOFTWARE\\Test Big REG_QWORD 0x123456789", HKEY_LOCAL_MACHINE, L"SOFTWARE\\Test", L"Big",
       REG_QWORD, bytes_of(&qword, 8)},
      {"regset HKEY_LOCAL_MACHINE\\SOFTWARE\\Test Colour REG_BINARY 01 ff80",
       HKEY_LOCAL_MACHINE,
       L"SOFTWARE\\Test",
       L"Colour",
       REG_BINARY,
       {0x01, 0xFF, 0x80}},
      {"regset HKCU\\Software\\Test \"\" REG_SZ", HKEY_CURRENT_USER, L"Software\\Test", L"", REG_SZ,
       bytes_of(L"", sizeof(L""))},
  };
  for (const Case& c : cases) {
    driver::ScenarioResult result = run(std::string(c.step) + "\n");
    ASSERT_TRUE(result) << c.step << ": " << result.reason;
    DWORD type = 0;
    EXPECT_EQ(value_of(c.root, c.path, c.name, type), c.data) << c.step;
    EXPECT_EQ(type, c.type) << c.step;
  }
}

TEST_F(MachinePreparationTest, MalformedPreparationStepsAreReasons) {
  const std::pair<const char*, const char*> cases[] = {
      {"regset HKCR\\x Name REG_SZ a",
       "the key \"HKCR\\x\" is under no HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE"},
      {"regset HKCU\\x Name REG_DWORD ten", "a REG_DWORD value is a 32-bit number, not \"ten\""},
      {"regset HKCU\\x Name REG_DWORD 4294967296",
       "a REG_DWORD value is a 32-bit number, not \"4294967296\""},
      {"regset HKCU\\x Name REG_BINARY 0f0",
       "a REG_BINARY value is pairs of hexadecimal digits, not \"0f0\""},
      {"regset HKCU\\x Name REG_MULTI_SZ a",
       "no registry type \"REG_MULTI_SZ\": REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_QWORD or REG_BINARY"},
      {"regset HKCU\\x Name", "expected: regset KEY NAME TYPE VALUE"},
      {"regset \"HKCU\\x Name REG_SZ a", "a quoted word has no closing quote"},
      {"ini OCconfig.ini startup zoomSpeed 10",
       "\"OCconfig.ini\" is not a full Windows path such as C:\\Users\\presenter\\show.txt"},
      {"ini C:\\a.ini startup", "expected: ini FILE SECTION KEY VALUE"},
      {"makefile C:\\a.mp4 video 10s",
       "expected: makefile PATH text TEXT|picture WIDTHxHEIGHT|clip SECONDS|tone SECONDS|pdf PAGES|utf16 "
       "TEXT|utf16bom TEXT"},
      {"makefile C:\\a.pdf pdf 0", "expected a number of pages from 1 to 999"},
      {"makefile C:\\a.pdf pdf 1000", "expected a number of pages from 1 to 999"},
      {"makefile C:\\a.pdf pdf 3p", "expected a number of pages from 1 to 999"},
      {"makefile C:\\a.png picture 640", "expected a picture's size as WIDTHxHEIGHT, such as 640x480"},
      {"makefile C:\\a.png picture 0x480", "expected a picture's size as WIDTHxHEIGHT, such as 640x480"},
      {"makefile C:\\a.tif picture 64x48", "no picture format for \".tif\": png, bmp, jpg, jpeg or gif"},
      {"makefile C:\\pictures picture 64x48",
       "a picture's path needs an extension: png, bmp, jpg, jpeg or gif"},
      {"makefile C:\\a.png picture 64x48 red", "expected a picture's colour as RGB(R,G,B), each 0 to 255"},
      {"makefile C:\\a.png picture 64x48 RGB(0,0,256)",
       "expected a picture's colour as RGB(R,G,B), each 0 to 255"},
      {"makefile C:\\Windows text x", "cannot write C:\\Windows (error 5)"},
  };
  for (const auto& [step, reason] : cases) {
    driver::ScenarioResult result = run(std::string(step) + "\n");
    EXPECT_FALSE(result) << step;
    EXPECT_EQ(result.reason, reason) << step;
  }
}

TEST_F(MachinePreparationTest, RegdelTakesAKeyWithEverythingBelowItAsAnUninstallDoes) {
  ASSERT_TRUE(
      run("regset HKLM\\SOFTWARE\\Classes\\CLSID\\{1}\\InprocServer32 \"\" REG_SZ a.ocx\n"
          "regset HKLM\\SOFTWARE\\Classes\\CLSID\\{1} \"\" REG_SZ A control\n"
          "regset HKLM\\SOFTWARE\\Classes\\CLSID\\{2} \"\" REG_SZ Another\n"));
  const std::pair<const char*, const char*> cases[] = {
      {"regdel HKLM\\SOFTWARE\\Classes\\CLSID\\{1}", ""},
      {"regdel HKLM\\SOFTWARE\\Classes\\CLSID\\{1}", ""},
      {"regdel HKCR\\CLSID\\{2}",
       "the key \"HKCR\\CLSID\\{2}\" is no key under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE"},
      {"regdel HKLM", "the key \"HKLM\" is no key under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE"},
      {"regdel", "expected: regdel KEY"},
  };
  for (const auto& [step, reason] : cases) {
    driver::ScenarioResult result = run(std::string(step) + "\n");
    EXPECT_EQ(result.reason, reason) << step;
  }
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{1}", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{2}", 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

// A NUL cuts a key short where the registry reads it: the key below would be deleted, or the
// walk down its tree would find the same key again without end.
TEST_F(MachinePreparationTest, ControlCharactersInKeysNamesValuesAndPathsAreRefusedAtTheirLine) {
  ASSERT_TRUE(run("regset HKLM\\SOFTWARE\\Below \"\" REG_SZ kept\n"));
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      {"regdel HKLM\\SOFTWARE\0x"s, "word 1 holds the control character U+0000"},
      {"regset HKCU\\x Na\x01me REG_SZ a", "word 2 holds the control character U+0001"},
      {"regset HKCU\\x Name REG_SZ a\x1b[0m", "word 4 holds the control character U+001B"},
      {"ini C:\\a\x7f.ini startup key value", "word 1 holds the control character U+007F"},
      {"makefile C:\\a.txt text one\ttwo", "word 3 holds the control character U+0009"},
  };
  for (const auto& [step, reason] : cases) {
    driver::ScenarioResult result = run("wait 0\n" + step + "\n");
    EXPECT_FALSE(result) << step;
    EXPECT_EQ(result.line, 2) << step;
    EXPECT_EQ(result.reason, reason + ", which no key, name, value or path may hold") << step;
  }
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Below", 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(MachinePreparationTest, IniSetsEntriesInTheFileMakingItAndItsFolders) {
  driver::ScenarioResult result =
      run("ini %APPDATA%\\Orvenna\\OCconfig.ini startup zoomSpeed 10\n"
          "ini %APPDATA%\\Orvenna\\OCconfig.ini behavior usePlayer MPV\n"
          "ini %APPDATA%\\Orvenna\\OCconfig.ini STARTUP ZoomSpeed 12\n"
          "ini \"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\OCconfig.ini\" startup emergencyImage "
          "C:\\My Pictures\\red #1.png\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(read_file(L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\OCconfig.ini"),
            "[startup]\r\nZoomSpeed=12\r\nemergencyImage=C:\\My Pictures\\red #1.png\r\n"
            "[behavior]\r\nusePlayer=MPV\r\n");
}

TEST(IniTextTest, AKeyIsReplacedInItsSectionOrAddedAfterTheSectionsLastEntry) {
  struct Case {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"", "main", "a", "[main]\r\na=1\r\n"},
      {"[Main]\r\n A = 0 \r\n", "main", "a", "[Main]\r\na=1\r\n"},
      {"[main]\r\nb=2\r\n\r\n[other]\r\na=0\r\n", "main", "a",
       "[main]\r\nb=2\r\na=1\r\n\r\n[other]\r\na=0\r\n"},
      {"[other]\na=0\n", "main", "a", "[other]\na=0\n[main]\na=1\n"},
      {"[main]\r\nb=2", "main", "a", "[main]\r\nb=2\r\na=1\r\n"},
      {"; a note\r\n[main]\r\n[later]\r\n", "main", "a", "; a note\r\n[main]\r\na=1\r\n[later]\r\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(driver::with_ini_value(c.text, c.section, c.key, "1"), c.expected) << c.text;
}

TEST_F(MachinePreparationTest, MakefileWritesTextWithItsEscapesAndBlanks) {
  driver::ScenarioResult result =
      run("makefile \"C:\\Shows\\Night one\\intro.ovs\" text core.wait(1);\\n  "
          "LandscapeMgr.setFlagAtmosphere(false);\\t# off\\\\\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(read_file(L"C:\\Shows\\Night one\\intro.ovs"),
            "core.wait(1);\r\n  LandscapeMgr.setFlagAtmosphere(false);\t# off\\");
}

TEST_F(MachinePreparationTest, MakefileWritesUtf16LittleEndianWithOrWithoutItsMark) {
  driver::ScenarioResult result =
      run("makefile C:\\Shows\\a.ocsf utf16 x@\\r\u00e9\\n\n"
          "makefile C:\\Shows\\b.ocsf utf16bom x\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(read_file(L"C:\\Shows\\a.ocsf"), std::string("x\0@\0\r\0\xE9\0\r\0\n\0", 12));
  EXPECT_EQ(read_file(L"C:\\Shows\\b.ocsf"), std::string("\xFF\xFEx\0", 4));
}

TEST_F(MachinePreparationTest, MakefileWritesAPictureOfTheSizeInTheFormatOfItsExtension) {
  for (const char* extension : {"png", "bmp", "jpg", "JPEG", "gif"}) {
    const std::string path = std::string("C:\\Pictures\\sky.") + extension;
    driver::ScenarioResult result = run("makefile " + path + " picture 64x48\n");
    ASSERT_TRUE(result) << extension << ": " << result.reason;
    const std::string bytes = read_file(std::wstring(path.begin(), path.end()).c_str());
    desktop::ImageLoad loaded =
        desktop::load_image(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(loaded) << extension << ": " << loaded.failure;
    EXPECT_EQ(loaded.image->width, 64) << extension;
    EXPECT_EQ(loaded.image->height, 48) << extension;
    // Red grows to the right and green downwards over a steady blue.
    const auto near = [](std::uint32_t pixel, int red, int green, int blue) {
      const int got[] = {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                         static_cast<int>(pixel & 0xFF)};
      return std::abs(got[0] - red) < 16 && std::abs(got[1] - green) < 16 && std::abs(got[2] - blue) < 16;
    };
    EXPECT_TRUE(near(loaded.image->at(0, 0), 0, 0, 160)) << extension << std::hex << loaded.image->at(0, 0);
    EXPECT_TRUE(near(loaded.image->at(63, 47), 255, 255, 160))
        << extension << std::hex << loaded.image->at(63, 47);
  }
  const std::string wide_gif_step = "makefile C:\\Pictures\\wide.gif picture 700x3\n";
  ASSERT_TRUE(run(wide_gif_step));
  const std::string bytes = read_file(L"C:\\Pictures\\wide.gif");
  desktop::ImageLoad loaded =
      desktop::load_image(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(loaded) << loaded.failure;
  EXPECT_EQ(loaded.image->at(699, 2) & 0xFFFFFF, 0xFFFF99u);
}

TEST_F(MachinePreparationTest, MakefileWritesAPictureOfOneColourAllOverWhenGivenOne) {
  for (const char* extension : {"png", "bmp", "gif"}) {
    const std::string path = std::string("C:\\Pictures\\red.") + extension;
    driver::ScenarioResult result = run("makefile " + path + " picture 8x6 RGB(200,0,40)\n");
    ASSERT_TRUE(result) << extension << ": " << result.reason;
    const std::string bytes = read_file(std::wstring(path.begin(), path.end()).c_str());
    desktop::ImageLoad loaded =
        desktop::load_image(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(loaded) << extension << ": " << loaded.failure;
    // The GIF's palette comes within a few steps of the colour.
    for (auto [x, y] : {std::pair{0, 0}, std::pair{7, 5}, std::pair{3, 2}}) {
      const std::uint32_t got = loaded.image->at(x, y);
      EXPECT_NEAR(static_cast<int>(got >> 16 & 0xFF), 200, 12) << extension << " at " << x << "," << y;
      EXPECT_NEAR(static_cast<int>(got >> 8 & 0xFF), 0, 12) << extension << " at " << x << "," << y;
      EXPECT_NEAR(static_cast<int>(got & 0xFF), 40, 12) << extension << " at " << x << "," << y;
    }
  }
}

TEST_F(MachinePreparationTest, TheProgramsStartAfterThePreparationStepsAtTheTop) {
  std::vector<std::string> seen_at_start;
  int starts = 0;
  driver::ScenarioRunner runner(user);
  runner.start_programs_with([&] {
    ++starts;
    seen_at_start.push_back(read_file(L"C:\\show.txt"));
  });
  driver::ScenarioResult result = runner.run(
      "# prepared first\n"
      "makefile C:\\show.txt text one\n"
      "wait 10\n"
      "makefile C:\\show.txt text two\n"
      "wait 10\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(seen_at_start, std::vector<std::string>{"one"});
  EXPECT_EQ(read_file(L"C:\\show.txt"), "two");

  driver::ScenarioRunner preparing_only(user);
  preparing_only.start_programs_with([&starts] { ++starts; });
  ASSERT_TRUE(preparing_only.run("regset HKCU\\Software\\Test Ready REG_DWORD 1\n"));
  EXPECT_EQ(starts, 1);
}

}  // namespace
