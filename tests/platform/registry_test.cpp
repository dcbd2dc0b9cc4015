#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/desktop_fixture.h"
#include "tests/platform/registry_support.h"

namespace {

constexpr const wchar_t* kConsoleKey = L"Software\\Halcyra Software\\Orvenna-Console";
constexpr const wchar_t* kUninstallKey =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1";

class RegistryTest : public DesktopTest {
 protected:
  ~RegistryTest() override {
    for (HKEY key : opened_)
      RegCloseKey(key);
  }

  HKEY create(HKEY parent, const wchar_t* path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(
        RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr),
        status(ERROR_SUCCESS))
        << path;
    opened_.push_back(key);
    return key;
  }

  HKEY open(HKEY parent, const wchar_t* path, REGSAM access = KEY_READ) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(parent, path, 0, access, &key), status(ERROR_SUCCESS)) << path;
    opened_.push_back(key);
    return key;
  }

  std::vector<std::wstring> subkeys_of(HKEY key) {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
      DWORD count = 256;
      LONG result = RegEnumKeyExW(key, index, name, &count, nullptr, nullptr, nullptr, nullptr);
      if (result == status(ERROR_NO_MORE_ITEMS)) return names;
      EXPECT_EQ(result, status(ERROR_SUCCESS));
      EXPECT_EQ(count, std::wcslen(name));
      names.emplace_back(name);
    }
  }

  std::vector<std::wstring> value_names_of(HKEY key) {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
      DWORD count = 256;
      LONG result = RegEnumValueW(key, index, name, &count, nullptr, nullptr, nullptr, nullptr);
      if (result == status(ERROR_NO_MORE_ITEMS)) return names;
      EXPECT_EQ(result, status(ERROR_SUCCESS));
      names.emplace_back(name);
    }
  }

  std::vector<HKEY> opened_;
};

TEST_F(RegistryTest, StringsReadBackWithTheSizeTheyWereWrittenWith) {
  struct Case {
    const wchar_t* text;
    bool terminated;
  };
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  for (Case c : {Case{L"Guereins", false}, Case{L"Guereins", true}, Case{L"", false}, Case{L"", true},
                 Case{L"Paris, France\tFR", false}}) {
    std::wstring text = c.text;
    ASSERT_EQ(set_value(key, L"Default Ground", REG_SZ, bytes_of(text, c.terminated)), status(ERROR_SUCCESS));

    DWORD size = 0;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExW(key, L"Default Ground", nullptr, &type, nullptr, &size),
              status(ERROR_SUCCESS));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, (text.size() + (c.terminated ? 1 : 0)) * sizeof(WCHAR)) << text;

    // As Windows, the query adds no terminator the value does not have.
    wchar_t buffer[32];
    std::wmemset(buffer, L'#', 32);
    size = sizeof buffer;
    EXPECT_EQ(
        RegQueryValueExW(key, L"Default Ground", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        status(ERROR_SUCCESS));
    EXPECT_EQ(std::wstring(buffer, text.size()), text);
    EXPECT_EQ(buffer[text.size()], c.terminated ? L'\0' : L'#') << text;
  }
}

TEST_F(RegistryTest, AShortBufferGetsMoreDataAndTheSizeItNeeds) {
  struct Case {
    DWORD type;
    std::vector<BYTE> data;
    DWORD buffer_size;
    DWORD expected;
  };
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  std::vector<Case> cases = {
      {REG_SZ, bytes_of(L"Ankara, Turkey", false), 13 * sizeof(WCHAR), ERROR_MORE_DATA},
      {REG_SZ, bytes_of(L"Ankara, Turkey", false), 14 * sizeof(WCHAR), ERROR_SUCCESS},
      {REG_SZ, bytes_of(L"Ankara, Turkey", true), 14 * sizeof(WCHAR), ERROR_MORE_DATA},
      {REG_DWORD, bytes_of(DWORD{180}), 2, ERROR_MORE_DATA},
      {REG_BINARY, {}, 0, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(set_value(key, L"Home Location", c.type, c.data), status(ERROR_SUCCESS));
    std::vector<BYTE> buffer(64, 0xEE);
    DWORD size = c.buffer_size;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExW(key, L"Home Location", nullptr, &type, buffer.data(), &size),
              status(c.expected));
    EXPECT_EQ(size, c.data.size()) << "the size needed or given";
    EXPECT_EQ(type, c.type);
    if (c.expected == ERROR_SUCCESS) {
      EXPECT_TRUE(std::equal(c.data.begin(), c.data.end(), buffer.begin()));
    }
  }
  // A data buffer without its size is refused.
  BYTE data[4];
  EXPECT_EQ(RegQueryValueExW(key, L"Home Location", nullptr, nullptr, data, nullptr),
            status(ERROR_INVALID_PARAMETER));
}

TEST_F(RegistryTest, MissingKeysAndValuesAreNotFound) {
  HKEY result = reinterpret_cast<HKEY>(0x1234);
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kConsoleKey, 0, KEY_READ, &result),
            status(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kConsoleKey), status(ERROR_FILE_NOT_FOUND));

  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  DWORD size = 4;
  DWORD type = 99;
  EXPECT_EQ(RegQueryValueExW(key, L"FOV", nullptr, &type, nullptr, &size), status(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(RegDeleteValueW(key, L"FOV"), status(ERROR_FILE_NOT_FOUND));
  // The readers' pattern: when the open failed, each query goes to a null handle.
  EXPECT_EQ(RegQueryValueExW(nullptr, L"FOV", nullptr, nullptr, nullptr, &size),
            status(ERROR_INVALID_HANDLE));

  // A null or empty name is the key's default value.
  EXPECT_EQ(read_value(key, nullptr).status, status(ERROR_FILE_NOT_FOUND));
  ASSERT_EQ(set_value(key, L"", REG_SZ, bytes_of(L"default", true)), status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(key, nullptr).data, bytes_of(L"default", true));
  EXPECT_EQ(RegSetValueExW(key, L"Null", 0, REG_BINARY, nullptr, 0), status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(key, L"Null").data.size(), 0u);
  EXPECT_EQ(RegSetValueExW(key, L"Null", 0, REG_BINARY, nullptr, 4), status(ERROR_NOACCESS));
}

TEST_F(RegistryTest, ValuesOfEveryTypeKeepTheirTypeAndBytes) {
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  std::vector<Case> cases = {
      {L"FOV", REG_DWORD, bytes_of(DWORD{180})},
      {L"MultimediaType0", REG_DWORD, bytes_of(static_cast<DWORD>(-1))},
      {L"Blob", REG_BINARY, {0x00, 0xFF, 0x0A, 0x00, 0x22}},
      {L"Path", REG_EXPAND_SZ, bytes_of(L"%USERPROFILE%\\Pictures", true)},
      {L"List", REG_MULTI_SZ, bytes_of(std::wstring(L"a\0bc\0", 5), true)},
      {L"Big", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
      {L"ShortDword", REG_DWORD, {7, 0}},
      {L"Odd", 0x1234, {1, 2, 3}},
  };
  for (const Case& c : cases)
    ASSERT_EQ(set_value(key, c.name, c.type, c.data), status(ERROR_SUCCESS)) << c.name;
  for (const Case& c : cases) {
    ReadValue read = read_value(key, c.name);
    EXPECT_EQ(read.status, status(ERROR_SUCCESS)) << c.name;
    EXPECT_EQ(read.type, c.type) << c.name;
    EXPECT_EQ(read.data, c.data) << c.name;
  }
  // Setting a value again replaces its type and bytes.
  ASSERT_EQ(set_value(key, L"FOV", REG_SZ, bytes_of(L"140", false)), status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(key, L"FOV").type, REG_SZ);
  EXPECT_EQ(read_value(key, L"FOV").data, bytes_of(L"140", false));
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheSpellingTheyWereCreatedWith) {
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  HKEY again = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\halcyra software\\ORVENNA-console", 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &again, &disposition),
            status(ERROR_SUCCESS));
  opened_.push_back(again);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(subkeys_of(open(HKEY_CURRENT_USER, L"software")), std::vector<std::wstring>{L"Halcyra Software"});

  ASSERT_EQ(set_value(key, L"Speed0", REG_DWORD, bytes_of(DWORD{3})), status(ERROR_SUCCESS));
  ASSERT_EQ(set_value(again, L"SPEED0", REG_DWORD, bytes_of(DWORD{4})), status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(key, L"speed0").data, bytes_of(DWORD{4}));
  EXPECT_EQ(value_names_of(key), std::vector<std::wstring>{L"Speed0"});
  EXPECT_EQ(RegDeleteValueW(again, L"sPeEd0"), status(ERROR_SUCCESS));
  EXPECT_TRUE(value_names_of(key).empty());
}

TEST_F(RegistryTest, SubkeysEnumerateAlphabeticallyAndValuesInTheOrderFirstSet) {
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  for (const wchar_t* name : {L"gamma", L"_last", L"Beta", L"alpha", L"Delta"})
    create(key, name);
  EXPECT_EQ(subkeys_of(key), (std::vector<std::wstring>{L"alpha", L"Beta", L"Delta", L"gamma", L"_last"}));

  for (const wchar_t* name : {L"Zulu", L"Alpha", L"Mike"})
    ASSERT_EQ(set_value(key, name, REG_DWORD, bytes_of(DWORD{1})), status(ERROR_SUCCESS));
  ASSERT_EQ(set_value(key, L"Zulu", REG_DWORD, bytes_of(DWORD{2})), status(ERROR_SUCCESS));
  EXPECT_EQ(value_names_of(key), (std::vector<std::wstring>{L"Zulu", L"Alpha", L"Mike"}));
  ASSERT_EQ(RegDeleteValueW(key, L"Alpha"), status(ERROR_SUCCESS));
  ASSERT_EQ(set_value(key, L"Alpha", REG_DWORD, bytes_of(DWORD{1})), status(ERROR_SUCCESS));
  EXPECT_EQ(value_names_of(key), (std::vector<std::wstring>{L"Zulu", L"Mike", L"Alpha"}));

  // A name buffer needs room for the terminator; a data buffer that is too small is told the size.
  wchar_t name[8];
  DWORD count = 5;
  EXPECT_EQ(RegEnumKeyExW(key, 0, name, &count, nullptr, nullptr, nullptr, nullptr), status(ERROR_MORE_DATA));
  count = 6;
  EXPECT_EQ(RegEnumKeyExW(key, 0, name, &count, nullptr, nullptr, nullptr, nullptr), status(ERROR_SUCCESS));
  EXPECT_EQ(count, 5u);
  EXPECT_STREQ(name, L"alpha");
  count = 8;
  BYTE data[2];
  DWORD size = sizeof data;
  DWORD type = REG_NONE;
  EXPECT_EQ(RegEnumValueW(key, 1, name, &count, nullptr, &type, data, &size), status(ERROR_MORE_DATA));
  EXPECT_EQ(size, sizeof(DWORD));
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_STREQ(name, L"Mike");
  count = 4;
  EXPECT_EQ(RegEnumValueW(key, 1, name, &count, nullptr, nullptr, nullptr, nullptr), status(ERROR_MORE_DATA));
  count = 8;
  EXPECT_EQ(RegEnumValueW(key, 3, name, &count, nullptr, nullptr, nullptr, nullptr),
            status(ERROR_NO_MORE_ITEMS));
}

TEST_F(RegistryTest, SubkeysTellWhenTheyWereLastWritten) {
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  HKEY parent = open(HKEY_CURRENT_USER, L"Software\\Halcyra Software");
  auto last_written = [&] {
    wchar_t name[32];
    DWORD count = 32;
    FILETIME time{};
    EXPECT_EQ(RegEnumKeyExW(parent, 0, name, &count, nullptr, nullptr, nullptr, &time),
              status(ERROR_SUCCESS));
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  EXPECT_EQ(last_written(), (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  std::uint64_t created = last_written();
  machine.advance(5000);
  EXPECT_EQ(last_written(), created);
  ASSERT_EQ(set_value(key, L"FOV", REG_DWORD, bytes_of(DWORD{150})), status(ERROR_SUCCESS));
  EXPECT_EQ(last_written() - created, 5000u * 10'000u);
}

TEST_F(RegistryTest, AKeyWithSubkeysCannotBeDeleted) {
  HKEY key = create(HKEY_CURRENT_USER, kConsoleKey);
  create(key, L"Events");
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kConsoleKey), status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Halcyra Software"), status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegDeleteKeyW(key, L"EVENTS"), status(ERROR_SUCCESS));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kConsoleKey), status(ERROR_SUCCESS));
  HKEY gone = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kConsoleKey, 0, KEY_READ, &gone), status(ERROR_FILE_NOT_FOUND));

  // A handle still open on a deleted key sees that, and can still be closed.
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"FOV", nullptr, nullptr, nullptr, &size), status(ERROR_KEY_DELETED));
  EXPECT_EQ(set_value(key, L"FOV", REG_DWORD, bytes_of(DWORD{1})), status(ERROR_KEY_DELETED));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L""), status(ERROR_ACCESS_DENIED));  // a root stays
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, nullptr), status(ERROR_INVALID_PARAMETER));
}

TEST_F(RegistryTest, AHandleAllowsOnlyWhatItWasOpenedFor) {
  enum Operation { Query, Set, DeleteValue, EnumKeys, EnumValues, CreateSubkey, OperationCount };
  struct Case {
    REGSAM access;
    bool allowed[OperationCount];
  };
  constexpr Case kCases[] = {
      {KEY_READ, {true, false, false, true, true, false}},
      {KEY_WRITE, {false, true, true, false, false, true}},
      {KEY_QUERY_VALUE, {true, false, false, false, true, false}},
      {KEY_SET_VALUE, {false, true, true, false, false, false}},
      {KEY_ALL_ACCESS, {true, true, true, true, true, true}},
      {0x80000000 /* GENERIC_READ */, {true, false, false, true, true, false}},
  };
  HKEY writer = create(HKEY_CURRENT_USER, kConsoleKey);
  for (const Case& c : kCases) {
    ASSERT_EQ(set_value(writer, L"Language", REG_DWORD, bytes_of(DWORD{2})), status(ERROR_SUCCESS));
    HKEY key = open(HKEY_CURRENT_USER, kConsoleKey, c.access);
    wchar_t name[32];
    DWORD key_count = 32;
    DWORD value_count = 32;
    DWORD size = 0;
    HKEY subkey = nullptr;
    const LONG results[OperationCount] = {
        RegQueryValueExW(key, L"Language", nullptr, nullptr, nullptr, &size),
        set_value(key, L"Language", REG_DWORD, bytes_of(DWORD{3})),
        RegDeleteValueW(key, L"Language"),
        RegEnumKeyExW(key, 0, name, &key_count, nullptr, nullptr, nullptr, nullptr),
        RegEnumValueW(key, 0, name, &value_count, nullptr, nullptr, nullptr, nullptr),
        RegCreateKeyExW(key, L"New", 0, nullptr, 0, KEY_READ, nullptr, &subkey, nullptr),
    };
    for (int op = 0; op < OperationCount; ++op) {
      bool denied = results[op] == status(ERROR_ACCESS_DENIED);
      EXPECT_EQ(denied, !c.allowed[op]) << "access " << std::hex << c.access << ", operation " << op;
    }
    RegCloseKey(subkey);
    RegDeleteKeyW(writer, L"New");
  }
}

TEST_F(RegistryTest, ClosedAndBogusHandlesAreInvalid) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, kConsoleKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      status(ERROR_SUCCESS));
  EXPECT_EQ(RegCloseKey(key), status(ERROR_SUCCESS));
  EXPECT_EQ(RegCloseKey(key), status(ERROR_INVALID_HANDLE));
  DWORD size = 0;
  for (HKEY bogus : {key, static_cast<HKEY>(nullptr), reinterpret_cast<HKEY>(0x12345678), HKEY_USERS}) {
    EXPECT_EQ(RegQueryValueExW(bogus, L"FOV", nullptr, nullptr, nullptr, &size),
              status(ERROR_INVALID_HANDLE));
    HKEY result = nullptr;
    EXPECT_EQ(RegOpenKeyExW(bogus, L"Software", 0, KEY_READ, &result), status(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegFlushKey(bogus), status(ERROR_INVALID_HANDLE));
  }
  // A new handle does not bring the closed one back.
  HKEY other = open(HKEY_CURRENT_USER, kConsoleKey);
  EXPECT_NE(other, key);
  EXPECT_EQ(RegQueryValueExW(key, L"FOV", nullptr, nullptr, nullptr, &size), status(ERROR_INVALID_HANDLE));
  EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), status(ERROR_SUCCESS));
  EXPECT_EQ(RegFlushKey(other), status(ERROR_SUCCESS));
}

TEST_F(RegistryTest, SubkeyPathsAreCheckedAsWindowsDoes) {
  struct Case {
    const wchar_t* path;
    DWORD expected;
  };
  std::wstring too_long(256, L'x');
  const Case cases[] = {
      {L"\\Software", ERROR_BAD_PATHNAME},     {L"Software\\\\Halcyra", ERROR_BAD_PATHNAME},
      {L"Software\\Halcyra\\", ERROR_SUCCESS}, {too_long.c_str(), ERROR_INVALID_PARAMETER},
      {too_long.c_str() + 1, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, c.path, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              status(c.expected))
        << c.path;
    RegCloseKey(key);
  }
  EXPECT_EQ(subkeys_of(open(HKEY_CURRENT_USER, L"Software")), std::vector<std::wstring>{L"Halcyra"});
  // An empty path opens the key itself.
  HKEY same = open(HKEY_CURRENT_USER, L"Software\\Halcyra", KEY_ALL_ACCESS);
  ASSERT_EQ(set_value(same, L"v", REG_DWORD, bytes_of(DWORD{1})), status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(open(same, L""), L"v").status, status(ERROR_SUCCESS));
  EXPECT_EQ(read_value(open(same, nullptr), L"v").status, status(ERROR_SUCCESS));
}

TEST_F(RegistryTest, The32BitViewSeesTheLocalMachinesSoftwareInWow6432Node) {
  HKEY installed = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &installed, nullptr),
            status(ERROR_SUCCESS));
  opened_.push_back(installed);
  ASSERT_EQ(
      set_value(installed, L"InstallLocation", REG_SZ, bytes_of(L"C:\\Program Files (x86)\\Orvenna\\", true)),
      status(ERROR_SUCCESS));

  struct Case {
    const wchar_t* path;
    REGSAM view;
    DWORD expected;
  };
  const Case cases[] = {
      {kUninstallKey, 0, ERROR_FILE_NOT_FOUND},
      {kUninstallKey, KEY_WOW64_64KEY, ERROR_FILE_NOT_FOUND},
      {kUninstallKey, KEY_WOW64_32KEY, ERROR_SUCCESS},
      {L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1", 0,
       ERROR_SUCCESS},
      {L"software\\wow6432node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1", KEY_WOW64_32KEY,
       ERROR_SUCCESS},
      {kUninstallKey, KEY_WOW64_32KEY | KEY_WOW64_64KEY, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, c.path, 0, KEY_READ | c.view, &key), status(c.expected))
        << c.path << " view " << c.view;
    if (key != nullptr) {
      EXPECT_EQ(read_value(key, L"InstallLocation").status, status(ERROR_SUCCESS));
    }
    RegCloseKey(key);
  }
  // The view applies below an open SOFTWARE key too, and only to the local machine.
  HKEY software = open(HKEY_LOCAL_MACHINE, L"SOFTWARE");
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(software, L"Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1", 0,
                          KEY_READ | KEY_WOW64_32KEY, &key),
            status(ERROR_SUCCESS));
  RegCloseKey(key);
  EXPECT_EQ(subkeys_of(open(software, L"", KEY_READ | KEY_WOW64_32KEY)),
            std::vector<std::wstring>{L"Microsoft"});
  create(HKEY_CURRENT_USER, L"Software\\Halcyra Software", KEY_ALL_ACCESS | KEY_WOW64_32KEY);
  EXPECT_EQ(subkeys_of(open(HKEY_CURRENT_USER, L"Software")), std::vector<std::wstring>{L"Halcyra Software"});
}

TEST_F(RegistryTest, AReadOnlyRegistryRefusesEveryWrite) {
  HKEY writer = create(HKEY_CURRENT_USER, kConsoleKey);
  create(writer, L"Events");
  ASSERT_EQ(set_value(writer, L"FOV", REG_DWORD, bytes_of(DWORD{150})), status(ERROR_SUCCESS));
  machine.registry().set_read_only(true);

  HKEY key = reinterpret_cast<HKEY>(0x1234);
  EXPECT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, kConsoleKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(RegCreateKeyExW(writer, L"New", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
            status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kConsoleKey, 0, KEY_WRITE, &key), status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(set_value(writer, L"FOV", REG_DWORD, bytes_of(DWORD{160})), status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegDeleteValueW(writer, L"FOV"), status(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegDeleteKeyW(writer, L"Events"), status(ERROR_ACCESS_DENIED));

  HKEY reader = open(HKEY_CURRENT_USER, kConsoleKey, KEY_READ);
  EXPECT_EQ(read_value(reader, L"FOV").data, bytes_of(DWORD{150}));
  EXPECT_EQ(subkeys_of(reader), std::vector<std::wstring>{L"Events"});

  machine.registry().set_read_only(false);
  EXPECT_EQ(set_value(writer, L"FOV", REG_DWORD, bytes_of(DWORD{160})), status(ERROR_SUCCESS));
}

TEST_F(RegistryTest, AVolatileKeyHoldsOnlyVolatileKeys) {
  HKEY session = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Session", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &session, nullptr),
            status(ERROR_SUCCESS));
  opened_.push_back(session);
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExW(session, L"Lasting\\Deeper", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            status(ERROR_CHILD_MUST_BE_VOLATILE));
  EXPECT_TRUE(subkeys_of(session).empty());
  EXPECT_EQ(RegCreateKeyExW(session, L"Passing", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            status(ERROR_SUCCESS));
  RegCloseKey(key);
  EXPECT_EQ(RegCreateKeyExW(session, L"Linked", 0, nullptr, 0x2 /* REG_OPTION_CREATE_LINK */, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            status(ERROR_INVALID_PARAMETER));
}

TEST(RegistryOutsideTest, CallsOutsideEveryDesktopFindNoRegistry) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key), status(ERROR_INVALID_HANDLE));
  EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x40004)), status(ERROR_INVALID_HANDLE));
}

}  // namespace
