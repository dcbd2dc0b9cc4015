#include "tests/platform/desktop_fixture.h"

namespace {

class VersionTest : public ::testing::Test {
 protected:
  bool is_windows(DWORD major, DWORD minor, DWORD reported_minor) {
    desktop::DesktopConfig config;
    config.windows_version.minor = reported_minor;
    desktop::Desktop machine(config);
    machine.attach(L"harness.exe");
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = major;
    wanted.dwMinorVersion = minor;
    ULONGLONG mask = VerSetConditionMask(0, VER_MAJORVERSION, VER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_EQUAL);
    bool result = VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION, mask);
    machine.detach();
    return result;
  }
};

TEST_F(VersionTest, ExactVersionChecks) {
  struct Case {
    DWORD minor_asked;
    DWORD minor_reported;
    bool expected;
  };
  for (Case c : {Case{1, 1, true}, Case{2, 1, false}, Case{3, 3, true}, Case{1, 3, false}, Case{2, 2, true}})
    EXPECT_EQ(is_windows(6, c.minor_asked, c.minor_reported), c.expected)
        << c.minor_asked << " " << c.minor_reported;
  EXPECT_FALSE(is_windows(10, 0, 1));
}

TEST_F(VersionTest, AtLeastComparesMajorBeforeMinor) {
  desktop::Desktop machine;
  machine.attach(L"harness.exe");
  OSVERSIONINFOEXW wanted{};
  wanted.dwMajorVersion = 5;
  wanted.dwMinorVersion = 2;
  ULONGLONG mask = VerSetConditionMask(0, VER_MAJORVERSION | VER_MINORVERSION, VER_GREATER_EQUAL);
  EXPECT_TRUE(VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION, mask));  // 6.1 >= 5.2
  wanted.dwMajorVersion = 6;
  wanted.dwMinorVersion = 2;
  EXPECT_FALSE(VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION, mask));
  EXPECT_EQ(GetLastError(), ERROR_OLD_WIN_VERSION);
  machine.detach();
}

using LocaleTest = DesktopTest;

TEST_F(LocaleTest, CodePageConversions) {
  struct Case {
    UINT code_page;
    std::string bytes;
    std::wstring text;
  };
  for (const Case& c :
       {Case{CP_UTF8, "Orvenna \xC2\xB0 \xE2\x82\xAC", L"Orvenna \u00B0 \u20AC"},
        Case{1252, "caf\xE9 \x80 \x96", L"caf\u00E9 \u20AC \u2013"}, Case{CP_ACP, "\xE8", L"\u00E8"},
        Case{CP_UTF8, "\xE4\xB8\xAD\xE6\x96\x87", L"\u4E2D\u6587"}}) {
    int size =
        MultiByteToWideChar(c.code_page, 0, c.bytes.data(), static_cast<int>(c.bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(c.code_page, 0, c.bytes.data(), static_cast<int>(c.bytes.size()), wide.data(), size);
    EXPECT_EQ(wide, c.text);
    int narrow_size = WideCharToMultiByte(c.code_page, 0, c.text.data(), static_cast<int>(c.text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrow_size), '\0');
    WideCharToMultiByte(c.code_page, 0, c.text.data(), static_cast<int>(c.text.size()), narrow.data(),
                        narrow_size, nullptr, nullptr);
    EXPECT_EQ(narrow, c.bytes);
  }
  EXPECT_EQ(GetACP(), 1252u);
}

TEST_F(LocaleTest, ConversionEdgesBehaveAsWindows) {
  wchar_t wide[8];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, wide, 8), 3);  // -1 counts the terminator
  EXPECT_STREQ(wide, L"ab");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abcdef", 6, wide, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, wide, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xFF", 2, wide, 8), 2);
  EXPECT_EQ(wide[1], static_cast<wchar_t>(0xFFFD));
  ASSERT_EQ(MultiByteToWideChar(1252, 0, "\x81", 1, wide, 8), 1);
  EXPECT_EQ(wide[0], static_cast<wchar_t>(0x81));
  EXPECT_EQ(MultiByteToWideChar(437, 0, "a", 1, wide, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  char narrow[8];
  BOOL used_default = FALSE;
  ASSERT_EQ(WideCharToMultiByte(1252, 0, L"a\u4E2D", 2, narrow, 8, nullptr, &used_default), 2);
  EXPECT_EQ(narrow[1], '?');
  EXPECT_TRUE(used_default);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, narrow, 8, nullptr, &used_default), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(LocaleTest, NumbersAreGroupedAsTheLocaleSays) {
  struct Case {
    const wchar_t* value;
    const wchar_t* expected;
  };
  for (Case c : {Case{L"1234567", L"1,234,567.00"}, Case{L"0", L"0.00"}, Case{L"-42.5", L"-42.50"},
                 Case{L"999.999", L"1,000.00"}, Case{L".5", L"0.50"}, Case{L"-0.001", L"0.00"}}) {
    wchar_t out[32];
    ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, c.value, nullptr, out, 32), 0) << c.value;
    EXPECT_STREQ(out, c.expected);
  }
  wchar_t decimal[] = L".";
  wchar_t thousand[] = L"'";
  NUMBERFMTW whole{0, 1, 3, decimal, thousand, 1};
  wchar_t out[32];
  ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"149597870", &whole, out, 32), 0);
  EXPECT_STREQ(out, L"149'597'870");
  NUMBERFMTW noLeadingZero{0, 0, 3, decimal, thousand, 1};
  ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"0", &noLeadingZero, out, 32), 0);
  EXPECT_STREQ(out, L"0") << "a whole zero keeps its digit";
  noLeadingZero.NumDigits = 3;
  ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"0.642", &noLeadingZero, out, 32), 0);
  EXPECT_STREQ(out, L".642");
  EXPECT_EQ(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"12a", nullptr, out, 32), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"1234", nullptr, out, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, out, 32), 2);
  EXPECT_STREQ(out, L",");
}

}  // namespace
