// The registry kept in the desktop's data folder: what one desktop writes, the next one reads.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/desktop/desktop.h"
#include "tests/platform/registry_support.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr const wchar_t* kConsoleKey = L"Software\\Halcyra Software\\Orvenna-Console";

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "registry-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  fs::path hive() const { return path_ / "registry.txt"; }

 private:
  fs::path path_;
};

// Runs body on a desktop that keeps its machine in folder, with this thread attached to it.
void on_desktop(const fs::path& folder, const std::function<void()>& body) {
  desktop::DesktopConfig config;
  config.data_folder = folder;
  desktop::Desktop machine(config);
  machine.attach(L"harness.exe");
  body();
  machine.detach();
}

std::string contents_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const fs::path& file, std::string_view text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

HKEY create(HKEY parent, const wchar_t* path, REGSAM access = KEY_ALL_ACCESS, DWORD options = 0) {
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, options, access, nullptr, &key, nullptr),
            status(ERROR_SUCCESS))
      << path;
  return key;
}

HKEY open(HKEY parent, const wchar_t* path, REGSAM access = KEY_READ) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(parent, path, 0, access, &key), status(ERROR_SUCCESS)) << path;
  return key;
}

std::vector<std::wstring> subkeys_of(HKEY key) {
  std::vector<std::wstring> names;
  wchar_t name[256];
  DWORD count = 256;
  for (DWORD index = 0; RegEnumKeyExW(key, index, name, &count, nullptr, nullptr, nullptr, nullptr) == 0;
       ++index, count = 256)
    names.emplace_back(name);
  return names;
}

std::size_t value_count_of(HKEY key) {
  wchar_t name[256];
  DWORD count = 256;
  std::size_t values = 0;
  while (RegEnumValueW(key, static_cast<DWORD>(values), name, &count, nullptr, nullptr, nullptr, nullptr) ==
         0) {
    ++values;
    count = 256;
  }
  return values;
}

struct StoredValue {
  std::wstring name;
  DWORD type;
  std::vector<BYTE> data;
};

// Every kind of character the file must escape or encode, a NUL among them.
std::wstring awkward_text() {
  std::wstring text = L"tab\t \"quoted\" back\\slash\nline\r";
  text.push_back(L'\0');
  text += L" é 北京 ";
  for (wchar_t unit : {wchar_t{0x01}, wchar_t{0x7F}, wchar_t{0x9F}, wchar_t{0xD800}, wchar_t{0x110000}})
    text.push_back(unit);
  return text;
}

std::vector<StoredValue> stored_values() {
  std::vector<BYTE> binary = {0x00, 0x22, 0x5C, 0x0A, 0xFF};
  return {
      {L"Language", REG_DWORD, bytes_of(DWORD{2})},
      {L"PointerColor", REG_DWORD, bytes_of(DWORD{0xFFFFFFFF})},
      {L"Default Ground", REG_SZ, bytes_of(L"Guereins", false)},
      {L"Home Location", REG_SZ, bytes_of(L"Beijing, China\t北京", true)},
      {L"Comment_1", REG_SZ, bytes_of(awkward_text(), false)},
      {L"name \"q\" \\ \n\x01 é", REG_SZ, bytes_of(L"a value with an awkward name", true)},
      {L"", REG_SZ, bytes_of(L"the default value", true)},
      {L"Empty", REG_SZ, {}},
      {L"Cut", REG_SZ, {0x41, 0x00, 0x00}},
      {L"Blob", REG_BINARY, binary},
      {L"Path", REG_EXPAND_SZ, bytes_of(L"%APPDATA%\\x", true)},
      {L"List", REG_MULTI_SZ, bytes_of(std::wstring(L"one\0two\0", 8), true)},
      {L"Big", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 0x80}},
      {L"ShortDword", REG_DWORD, {7, 0}},
      {L"Raw", 0x1234, {9, 8, 7}},
  };
}

TEST(RegistryFileTest, SettingsSurviveARestartWithTheSameDataFolder) {
  TemporaryFolder folder;
  std::wstring awkward_key = L"Event \"5\" [x] é";
  on_desktop(folder.path(), [&] {
    HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
    for (const StoredValue& value : stored_values())
      ASSERT_EQ(set_value(key, value.name.c_str(), value.type, value.data), status(ERROR_SUCCESS));
    RegCloseKey(create(key, awkward_key.c_str()));
    RegCloseKey(create(key, L"Kept Empty"));
    HKEY session = create(key, L"Session", KEY_ALL_ACCESS, REG_OPTION_VOLATILE);
    ASSERT_EQ(set_value(session, L"Passing", REG_DWORD, bytes_of(DWORD{1})), status(ERROR_SUCCESS));
    HKEY installed =
        create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1",
               KEY_ALL_ACCESS | KEY_WOW64_32KEY);
    ASSERT_EQ(set_value(installed, L"DisplayName", REG_SZ, bytes_of(L"Orvenna 0.18.2", true)),
              status(ERROR_SUCCESS));
  });
  // Plain text that a person can read.
  EXPECT_NE(contents_of(folder.hive()).find("value \"Language\" dword 2\n"), std::string::npos);

  on_desktop(folder.path(), [&] {
    HKEY key = open(HKEY_CURRENT_USER, L"software\\halcyra software\\orvenna-console");
    for (const StoredValue& value : stored_values()) {
      ReadValue read = read_value(key, value.name.c_str());
      EXPECT_EQ(read.status, status(ERROR_SUCCESS)) << value.name;
      EXPECT_EQ(read.type, value.type) << value.name;
      EXPECT_EQ(read.data, value.data) << value.name;
    }
    EXPECT_EQ(value_count_of(key), stored_values().size());
    EXPECT_EQ(subkeys_of(key), (std::vector<std::wstring>{awkward_key, L"Kept Empty"}));
    HKEY installed =
        open(HKEY_LOCAL_MACHINE,
             L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1");
    EXPECT_EQ(read_value(installed, L"DisplayName").data, bytes_of(L"Orvenna 0.18.2", true));
  });
}

TEST(RegistryFileTest, AHandWrittenFileIsRead) {
  TemporaryFolder folder;
  write_file(folder.hive(),
             "; written by hand\r\n"
             "registry 1\r\n"
             "\r\n"
             "key \"HKEY_CURRENT_USER\\\\Software\\\\Halcyra Software\\\\Orvenna-Console\"\r\n"
             "\tvalue \"FOV\"   dword 150\n"
             "value \"Home Location\" sz \"\\u{5317}\\u{4eac}, China\\0\"\n"
             "value \"Memo_1\" sz hex 41 00 00 00\n"
             "value \"\" 3 hex 01 02\n"
             "key \"HKEY_CURRENT_USER\\\\Software\\\\Halcyra Software\\\\Orvenna-Console\" written 5\n"
             "value \"fov\" dword 160\n"
             "key \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Somewhere\\\\Deep\"\n");
  on_desktop(folder.path(), [&] {
    HKEY key = open(HKEY_CURRENT_USER, kConsoleKey);
    EXPECT_EQ(read_value(key, L"FOV").data, bytes_of(DWORD{160}));
    EXPECT_EQ(read_value(key, L"Home Location").data, bytes_of(L"北京, China", true));
    EXPECT_EQ(read_value(key, L"Memo_1").data, (std::vector<BYTE>{0x41, 0, 0, 0}));
    EXPECT_EQ(read_value(key, nullptr).type, REG_BINARY);
    EXPECT_EQ(value_count_of(key), 4u);
    RegCloseKey(open(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Somewhere\\Deep"));
  });
  EXPECT_FALSE(fs::exists(folder.path() / "registry.txt.damaged"));
}

// HKEY_CLASSES_ROOT shows HKEY_LOCAL_MACHINE\SOFTWARE\Classes, which a file written before the
// machine had it gets at its next start.
TEST(RegistryFileTest, TheClassesRootIsKeptAsTheMachinesSoftwareClasses) {
  TemporaryFolder folder;
  write_file(folder.hive(), "registry 1\nkey \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Somewhere\"\n");
  on_desktop(folder.path(), [&] {
    HKEY key = create(HKEY_CLASSES_ROOT, L"CLSID\\{00000000-1111-2222-3333-444444444444}");
    ASSERT_EQ(set_value(key, nullptr, REG_SZ, bytes_of(L"A control", true)), status(ERROR_SUCCESS));
  });
  on_desktop(folder.path(), [&] {
    HKEY key = open(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\CLSID\\{00000000-1111-2222-3333-444444444444}");
    EXPECT_EQ(read_value(key, nullptr).data, bytes_of(L"A control", true));
    RegCloseKey(open(HKEY_CLASSES_ROOT, L"CLSID"));
  });
}

TEST(RegistryFileTest, ADamagedFileIsKeptAsideAndTheRegistryStartsAfresh) {
  const std::string key_line = "registry 1\nkey \"HKEY_CURRENT_USER\\\\Software\"\n";
  const std::string damages[] = {
      "",
      "\x01\x02 not a registry at all",
      "registry 2\n",
      "registry 1\nvalue \"FOV\" dword 1\n",
      "registry 1\nkey \"HKEY_NOWHERE\\\\Software\"\n",
      "registry 1\nkey \"HKEY_CURRENT_USER\\\\\\\\Software\"\n",
      "registry 1\nkey HKEY_CURRENT_USER\n",
      key_line + "value \"FOV\" dword\n",
      key_line + "value \"FOV\" dword 4294967296\n",
      key_line + "value \"FOV\" sz 150\n",
      key_line + "value \"FOV\" binary \"text\"\n",
      key_line + "value \"FOV\" binary hex 1 2\n",
      key_line + "value \"FOV\" sz \"never closed\n",
      key_line + "value \"FOV\" sz \"bad \\q escape\"\n",
      key_line + "value \"FOV\" sz \"bad \xff\xfe UTF-8\"\n",
      key_line + "value \"FOV\" sz \"\xed\xa0\x80 a surrogate in UTF-8\"\n",
      key_line + "value \"FOV\" dword 1 2\n",
      key_line + "something else\n",
  };
  for (const std::string& damaged : damages) {
    TemporaryFolder folder;
    write_file(folder.hive(), damaged);
    on_desktop(folder.path(), [&] {
      // A fresh machine's keys, and nothing of what the damaged file held.
      HKEY software = open(HKEY_CURRENT_USER, L"Software");
      EXPECT_TRUE(subkeys_of(software).empty()) << damaged;
      EXPECT_EQ(value_count_of(software), 0u) << damaged;
      EXPECT_EQ(subkeys_of(open(HKEY_LOCAL_MACHINE, L"SOFTWARE")),
                (std::vector<std::wstring>{L"Classes", L"Wow6432Node"}));
      HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
      ASSERT_EQ(set_value(key, L"FOV", REG_DWORD, bytes_of(DWORD{170})), status(ERROR_SUCCESS));
    });
    EXPECT_EQ(contents_of(folder.path() / "registry.txt.damaged"), damaged);
    on_desktop(folder.path(), [&] {
      EXPECT_EQ(read_value(open(HKEY_CURRENT_USER, kConsoleKey), L"FOV").data, bytes_of(DWORD{170}))
          << damaged;
    });
    EXPECT_FALSE(fs::exists(folder.path() / "registry.txt.damaged-2")) << damaged;
  }
}

TEST(RegistryFileTest, AnEarlierDamagedFileIsNotOverwritten) {
  TemporaryFolder folder;
  for (std::string damaged : {"first damage", "second damage"}) {
    write_file(folder.hive(), damaged);
    on_desktop(folder.path(), [] {});
  }
  EXPECT_EQ(contents_of(folder.path() / "registry.txt.damaged"), "first damage");
  EXPECT_EQ(contents_of(folder.path() / "registry.txt.damaged-2"), "second damage");
}

TEST(RegistryFileTest, AFailedSaveIsReportedByRegFlushKeyAndMadeGoodLater) {
  TemporaryFolder folder;
  on_desktop(folder.path(), [&] {
    HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
    EXPECT_EQ(RegFlushKey(key), status(ERROR_SUCCESS));
    // The hive is written beside the file first; a folder in that place makes every save fail.
    fs::create_directory(folder.path() / "registry.txt.new");
    EXPECT_EQ(set_value(key, L"FOV", REG_DWORD, bytes_of(DWORD{145})), status(ERROR_SUCCESS));
    EXPECT_EQ(RegFlushKey(key), status(ERROR_REGISTRY_IO_FAILED));
    fs::remove(folder.path() / "registry.txt.new");
    EXPECT_EQ(RegFlushKey(HKEY_CURRENT_USER), status(ERROR_SUCCESS));
  });
  on_desktop(folder.path(), [&] {
    EXPECT_EQ(read_value(open(HKEY_CURRENT_USER, kConsoleKey), L"FOV").data, bytes_of(DWORD{145}));
  });
}

}  // namespace
