#include "tests/platform/desktop_fixture.h"

namespace {

using EnvironmentTest = DesktopTest;

std::wstring variable(const wchar_t* name) {
  wchar_t buffer[513];
  DWORD length = GetEnvironmentVariableW(name, buffer, 513);
  return std::wstring(buffer, length);
}

std::wstring expanded(const wchar_t* text) {
  wchar_t buffer[513];
  DWORD size = ExpandEnvironmentStringsW(text, buffer, 513);
  return size == 0 ? std::wstring() : std::wstring(buffer, size - 1);
}

TEST_F(EnvironmentTest, TheUserAndTheStandardFolders) {
  struct Case {
    const wchar_t* name;
    const wchar_t* value;
    bool folder;
  };
  static constexpr Case kCases[] = {
      {L"USERNAME", L"presenter", false},
      {L"USERPROFILE", L"C:\\Users\\presenter", true},
      {L"APPDATA", L"C:\\Users\\presenter\\AppData\\Roaming", true},
      {L"LOCALAPPDATA", L"C:\\Users\\presenter\\AppData\\Local", true},
      {L"TEMP", L"C:\\Users\\presenter\\AppData\\Local\\Temp", true},
      {L"TMP", L"C:\\Users\\presenter\\AppData\\Local\\Temp", true},
      {L"SystemRoot", L"C:\\Windows", true},
      {L"windir", L"C:\\Windows", true},
      {L"ProgramFiles", L"C:\\Program Files", true},
      {L"ProgramFiles(x86)", L"C:\\Program Files (x86)", true},
      {L"HOMEDRIVE", L"C:", false},
      {L"HOMEPATH", L"\\Users\\presenter", false},
      {L"PATH", L"C:\\Windows\\system32;C:\\Windows", false},
  };
  for (const Case& test : kCases) {
    EXPECT_EQ(variable(test.name), test.value) << test.name;
    if (test.folder) {
      EXPECT_EQ(GetFileAttributesW(test.value), FILE_ATTRIBUTE_DIRECTORY) << test.value;
    }
  }
}

TEST_F(EnvironmentTest, ExpandsKnownNamesAndLeavesTheRest) {
  struct Case {
    const wchar_t* text;
    const wchar_t* result;
  };
  static constexpr Case kCases[] = {
      {L"%APPDATA%\\Orvenna\\", L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\"},
      {L"%appdata%", L"C:\\Users\\presenter\\AppData\\Roaming"},
      {L"%UNDEFINED%\\x", L"%UNDEFINED%\\x"},
      {L"100%", L"100%"},
      {L"%%", L"%%"},
      {L"%UNDEFINED%USERNAME%",
       L"%UNDEFINED"
       L"presenter"},
      {L"%HOMEDRIVE%%HOMEPATH%", L"C:\\Users\\presenter"},
      {L"", L""},
  };
  for (const Case& test : kCases)
    EXPECT_EQ(expanded(test.text), test.result) << test.text;

  wchar_t small[4];
  EXPECT_EQ(ExpandEnvironmentStringsW(L"%USERNAME%", small, 4), 10u);  // the size it needs, zero included
}

TEST_F(EnvironmentTest, VariablesAreSetReadAndRemovedWithoutRegardToCase) {
  EXPECT_TRUE(SetEnvironmentVariableW(L"ShowName", L"Northern Lights"));
  EXPECT_EQ(variable(L"SHOWNAME"), L"Northern Lights");
  wchar_t small[4];
  EXPECT_EQ(GetEnvironmentVariableW(L"showname", small, 4), 16u);
  EXPECT_EQ(GetEnvironmentVariableW(L"showname", nullptr, 0), 16u);
  EXPECT_TRUE(SetEnvironmentVariableW(L"SHOWNAME", L""));
  SetLastError(12345);
  EXPECT_EQ(GetEnvironmentVariableW(L"ShowName", small, 4), 0u);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_TRUE(SetEnvironmentVariableW(L"showname", nullptr));
  EXPECT_EQ(GetEnvironmentVariableW(L"ShowName", small, 4), 0u);
  EXPECT_EQ(GetLastError(), ERROR_ENVVAR_NOT_FOUND);
  EXPECT_FALSE(SetEnvironmentVariableW(L"A=B", L"x"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  LPWSTR block = GetEnvironmentStringsW();
  ASSERT_NE(block, nullptr);
  std::wstring first(block);
  EXPECT_EQ(first, L"ALLUSERSPROFILE=C:\\ProgramData");  // sorted by name
  FreeEnvironmentStringsW(block);
}

TEST_F(EnvironmentTest, EachProcessHasItsOwn) {
  SetEnvironmentVariableW(L"APPDATA", L"C:\\Elsewhere");
  std::wstring seen;
  start_program(L"other.exe", [&] {
    seen = variable(L"APPDATA");
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_EQ(seen, L"C:\\Users\\presenter\\AppData\\Roaming");
  EXPECT_EQ(variable(L"APPDATA"), L"C:\\Elsewhere");
}

}  // namespace
