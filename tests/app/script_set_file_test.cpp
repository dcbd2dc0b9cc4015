// Recording files: the codec's table, its texts and encodings, round trips of hostile texts, and
// saving and loading on the desktop's drive.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/afx/utf16_text.h"
#include "src/app/show/script_set_codec.h"
#include "src/app/show/script_set_file.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

bool Contains(std::wstring_view text, std::wstring_view part) {
  return text.find(part) != std::wstring_view::npos;
}

TEST(ScriptSetCodeTableTest, HoldsDistinctCodesThatNoFragmentOrMarkerOverlaps) {
  const auto& table = ScriptSetCodeTable();
  ASSERT_EQ(table.size(), 191u);
  std::set<std::wstring_view> codes;
  for (const ScriptSetCode& pair : table) {
    codes.insert(pair.code);
    EXPECT_FALSE(Contains(pair.fragment, L"@"));
    EXPECT_FALSE(Contains(L"xQJOC", pair.fragment) || Contains(L"xQJE", pair.fragment))
        << pair.fragment.data();
    EXPECT_NE(pair.fragment.back(), L'x');
    for (const ScriptSetCode& other : table) {
      EXPECT_FALSE(Contains(pair.fragment, other.code)) << pair.fragment.data();
      EXPECT_FALSE(Contains(pair.code, other.fragment)) << pair.code.data();
      if (&pair != &other) {
        EXPECT_FALSE(Contains(pair.code, other.code));
      }
    }
  }
  EXPECT_EQ(codes.size(), table.size());
}

struct Encoding {
  const wchar_t* text;
  const wchar_t* encoded;
};

TEST(ScriptSetCodecTest, EncodesFragmentsAndDecodesCodes) {
  const Encoding encodings[] = {
      {L"", L""},
      {L"plain words", L"plain words"},
      {L"ConstellationMgr.setFlagArt(true);", L"x02true\u00A6\u00A8xB3"},
      {L"MilkyWay.setFlagShow(false);\r", L"xBAfalse\u00A6\u00A8xB3\u00AC\u00AF"},
      {L"core.setGuiVisible(false);\r", L"x0B"},
      {L"show(true)", L"showxB0"},
      {L"atmo|3.250000\r",
       L"x54xB6"
       L"3.250000\u00AC\u00AF"},
      {L"core.wait(2.5);",
       L"x1D"
       L"2.5\u00A6\u00A8xB3"},
      {L"Site|Mars|4.0",
       L"x44x77xB6"
       L"4.0"},
  };
  for (const Encoding& e : encodings) {
    EXPECT_EQ(TranscodeScriptSetText(e.text, false), e.encoded) << e.text;
    EXPECT_EQ(TranscodeScriptSetText(e.encoded, true), e.text) << e.text;
  }
}

TEST(ScriptSetCodecTest, EscapedTextsSurviveTheRoundTrip) {
  const wchar_t* const hostile[] = {
      L"memo@home",
      L"x1A and x0f",
      L"0x1F@x00@",
      L"x",
      L"xx1Ax",
      L"\u00A7\u00A4(",
      L"\uE000\uE001\uE000",
      L"x\uE0001A",
      L"@@@",
      L"Mars@Site|x05|",
      L"xConstellationMgr.setFlagArt(",
      L"x1ConstellationMgr.setFlagArt(",
      L"x0Mars",
      L"xQJOC@xQJE",
  };
  for (const wchar_t* text : hostile) {
    const std::wstring encoded = TranscodeScriptSetText(EscapeRecordedText(text), false);
    EXPECT_FALSE(Contains(encoded, L"@")) << text;
    EXPECT_EQ(UnescapeRecordedText(TranscodeScriptSetText(encoded, true)), text) << text;
  }
}

// Texts drawn from the codes, the fragments and the characters around them.
TEST(ScriptSetCodecTest, RandomMixturesOfCodesAndFragmentsSurvive) {
  const auto& table = ScriptSetCodeTable();
  const std::wstring_view loose[] = {L"x",      L"1",      L"A",      L"f", L"@",
                                     L"\uE000", L"\uE001", L"\u00A7", L"C", L"o"};
  std::mt19937 random(22);
  for (int round = 0; round < 500; ++round) {
    std::wstring text;
    for (int piece = 0; piece < 12; ++piece) {
      const unsigned pick = random() % 3;
      const ScriptSetCode& pair = table[random() % table.size()];
      text += pick == 0 ? pair.code : pick == 1 ? pair.fragment : loose[random() % std::size(loose)];
    }
    const std::wstring encoded = TranscodeScriptSetText(EscapeRecordedText(text), false);
    ASSERT_EQ(UnescapeRecordedText(TranscodeScriptSetText(encoded, true)), text);
  }
}

// The pairs applied first to last, one pass over the whole text each.
std::wstring DecodedPairByPair(std::wstring text) {
  for (const ScriptSetCode& pair : ScriptSetCodeTable()) {
    std::wstring next;
    std::size_t start = 0;
    for (std::size_t at = text.find(pair.code); at != std::wstring::npos; at = text.find(pair.code, start)) {
      next.append(text, start, at - start).append(pair.fragment);
      start = at + pair.code.size();
    }
    text = next.append(text, start);
  }
  return text;
}

TEST(ScriptSetCodecTest, DecodesInOnePassWhatThePairsInOrderGive) {
  const auto& table = ScriptSetCodeTable();
  const std::wstring_view loose[] = {L"x", L"0", L"1", L"A", L"C", L"f", L"\u00A7", L"\u00A6", L"o"};
  EXPECT_EQ(TranscodeScriptSetText(L"x0x00", true), DecodedPairByPair(L"x0x00")) << "a bare x0 before C...";
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::wstring text;
    for (int piece = 0; piece < 10; ++piece)
      text += random() % 2 == 0 ? table[random() % table.size()].code : loose[random() % std::size(loose)];
    ASSERT_EQ(TranscodeScriptSetText(text, true), DecodedPairByPair(text)) << round;
  }
}

TEST(ScriptSetCodecTest, DecodingStopsOnceTheTextOutgrowsItsBound) {
  const std::wstring codes = L"x1Bx1B";
  const std::wstring decoded = TranscodeScriptSetText(codes, true);
  EXPECT_EQ(DecodeScriptSetText(codes, decoded.size()), decoded);
  EXPECT_FALSE(DecodeScriptSetText(codes, decoded.size() - 1));
}

const RecordedShow Show{
    L"xQJOCcore.wait(3);\rLandscapeMgr.setFlagAtmosphere(true);\rLabelMgr.labelScreen(\"a@b x1A\")",
    L"version|5.2.1|0.000000\rorvenna|0.18.2|0.000000\rdesel|13.000000\rSite|Rome|Lazio|0.5\r"};

TEST(ScriptSetTextTest, ComposesOneEncodedTextBetweenTheMarkers) {
  const std::wstring text = ComposeScriptSetText(Show);
  EXPECT_TRUE(text.starts_with(L"xQJOC"));
  EXPECT_TRUE(text.ends_with(L"xQJE"));
  EXPECT_EQ(std::count(text.begin(), text.end(), L'@'), 1);
  const auto loaded = ParseScriptSetText(text).show;
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->recordedScript, Show.recordedScript.substr(5));
  EXPECT_EQ(loaded->commandList, Show.commandList);
}

struct Parsed {
  const char* what;
  const wchar_t* text;
  bool valid;
  const wchar_t* script = L"";
  std::optional<std::wstring> commands = std::nullopt;
};

TEST(ScriptSetTextTest, RefusesWhatIsNoRecordingAndSplitsAtEveryAt) {
  const Parsed cases[] = {
      {"nothing but the markers", L"xQJOCxQJE", false},
      {"no @ between the markers",
       L"xQJOCx1D"
       L"3\u00A6\u00A8xQJE",
       false},
      {"a byte-order mark", L"\uFEFFxQJOC@xQJE", false},
      {"markers in another case", L"XQJOC@xqje", false},
      {"the marker's @ only", L"xQJOC@xQJE", true, L"", std::nullopt},
      {"an empty command list",
       L"xQJOCx1D"
       L"3\u00A6\u00A8@xQJE",
       true, L"core.wait(3)", std::nullopt},
      {"two @", L"xQJOCx1D@a@bxQJE", true, L"core.wait(", std::nullopt},
      {"a script and commands",
       L"xQJOCx1D@x54xB6"
       L"1xQJE",
       true, L"core.wait(", L"atmo|1"},
  };
  for (const Parsed& c : cases) {
    const auto loaded = ParseScriptSetText(c.text).show;
    ASSERT_EQ(loaded.has_value(), c.valid) << c.what;
    if (!loaded) continue;
    EXPECT_EQ(loaded->recordedScript, c.script) << c.what;
    EXPECT_EQ(loaded->commandList, c.commands) << c.what;
  }
}

class ScriptSetFileTest : public DesktopTest {
 protected:
  ScriptSetFileTest() { CreateDirectoryW(Folder, nullptr); }
  static constexpr const wchar_t* Folder = L"C:\\Shows";
  static constexpr const wchar_t* Path = L"C:\\Shows\\show.ocsf";
};

TEST_F(ScriptSetFileTest, SavesUtf16LittleEndianWithoutMarkOrTerminatorAndLoadsItBack) {
  ASSERT_TRUE(SaveScriptSetFile(Path, Show));
  const std::string bytes = read_file(Path);
  const std::wstring text = ComposeScriptSetText(Show);
  ASSERT_EQ(bytes.size(), text.size() * 2);
  EXPECT_EQ(bytes.substr(0, 10), std::string("x\0Q\0J\0O\0C\0", 10));
  EXPECT_EQ(bytes.substr(bytes.size() - 8), std::string("x\0Q\0J\0E\0", 8));
  const ScriptSetLoadResult loaded = LoadScriptSetFile(Path);
  ASSERT_TRUE(loaded.show);
  EXPECT_EQ(loaded.show->recordedScript, Show.recordedScript.substr(5));
  EXPECT_EQ(loaded.show->commandList, Show.commandList);
}

TEST_F(ScriptSetFileTest, ReportsASaveOrALoadThatFails) {
  EXPECT_FALSE(SaveScriptSetFile(L"C:\\No such folder\\show.ocsf", Show));
  EXPECT_FALSE(SaveScriptSetFile(Folder, Show));
  const ScriptSetLoadResult missing = LoadScriptSetFile(L"C:\\Shows\\missing.ocsf");
  EXPECT_FALSE(missing.show);
  EXPECT_EQ(missing.error, ScriptSetLoadError::Unreadable);
  ASSERT_TRUE(write_file(Path, std::string("x\0Q\0J\0O\0C\0@\0x\0Q\0J\0E\0!", 21)));
  const ScriptSetLoadResult odd = LoadScriptSetFile(Path);
  EXPECT_TRUE(odd.show) << "an odd last byte is dropped";
  ASSERT_TRUE(write_file(Path, std::string("\xFF\xFEx\0Q\0J\0O\0C\0@\0x\0Q\0J\0E\0", 22)));
  const ScriptSetLoadResult marked = LoadScriptSetFile(Path);
  EXPECT_FALSE(marked.show);
  EXPECT_EQ(marked.error, ScriptSetLoadError::NotValid);
}

}  // namespace

namespace {

// The code whose fragment is longest: a file of it decodes to the most text.
std::wstring_view LongestCode() {
  const auto& table = ScriptSetCodeTable();
  return std::max_element(table.begin(), table.end(),
                          [](const ScriptSetCode& a, const ScriptSetCode& b) {
                            return a.fragment.size() < b.fragment.size();
                          })
      ->code;
}

std::string ShowFileOf(std::wstring_view inner) {
  std::wstring text(RecordingStartMarker);
  text += inner;
  text += RecordingEndMarker;
  return ToUtf16LeBytes(text);
}

std::wstring Repeated(std::wstring_view piece, std::size_t bytes) {
  std::wstring text;
  while (text.size() * 2 < bytes)
    text += piece;
  return text;
}

struct SizedShow {
  const char* what;
  std::string bytes;
  std::optional<ScriptSetLoadError> error;
};

TEST_F(ScriptSetFileTest, RefusesAShowThatIsOrDecodesToMoreThanAnyRecording) {
  const SizedShow shows[] = {
      {"64 KiB of the longest code", ShowFileOf(Repeated(LongestCode(), 64 << 10) + L"@"), std::nullopt},
      {"128 KiB of the longest code", ShowFileOf(Repeated(LongestCode(), 128 << 10) + L"@"),
       ScriptSetLoadError::TooLarge},
      {"128 KiB of it as commands", ShowFileOf(L"@" + Repeated(LongestCode(), 128 << 10)),
       ScriptSetLoadError::TooLarge},
      {"3 MiB of plain text", ShowFileOf(Repeated(L"core.", 3 << 20) + L"@"), ScriptSetLoadError::TooLarge},
      {"8 KiB of the longest code", ShowFileOf(Repeated(LongestCode(), 8 << 10) + L"@"), std::nullopt},
      {"1 MiB of plain text", ShowFileOf(L"@" + Repeated(L"core.", 1 << 20)), std::nullopt},
  };
  for (const SizedShow& show : shows) {
    ASSERT_TRUE(write_file(Path, show.bytes)) << show.what;
    const ScriptSetLoadResult loaded = LoadScriptSetFile(Path);
    EXPECT_EQ(loaded.show.has_value(), !show.error) << show.what;
    if (show.error) {
      EXPECT_EQ(loaded.error, *show.error) << show.what;
    }
  }
}

TEST_F(ScriptSetFileTest, KeepsCharactersBeyondSixteenBitsBothWays) {
  const RecordedShow show{L"xQJOCLabelMgr.labelScreen(\"Vars \U0001F30D\");\r",
                          L"Site|Vars \U0001F30D|2.0\r"};
  ASSERT_TRUE(SaveScriptSetFile(Path, show));
  const std::string bytes = read_file(Path);
  EXPECT_NE(bytes.find(std::string("\x3C\xD8\x0D\xDF", 4)), std::string::npos) << "a surrogate pair";
  const ScriptSetLoadResult loaded = LoadScriptSetFile(Path);
  ASSERT_TRUE(loaded.show);
  EXPECT_EQ(loaded.show->recordedScript, show.recordedScript.substr(5));
  EXPECT_EQ(loaded.show->commandList, show.commandList);

  ASSERT_TRUE(write_file(Path, ToUtf16LeBytes(L"xQJOC@Site|Terre \U0001F30D|1.0xQJE")));
  const ScriptSetLoadResult written = LoadScriptSetFile(Path);
  ASSERT_TRUE(written.show);
  EXPECT_EQ(written.show->commandList, L"Site|Terre \U0001F30D|1.0");
}

TEST_F(ScriptSetFileTest, ASaveOnAFullDriveKeepsTheOldShowAndLeavesNoFragment) {
  ASSERT_TRUE(SaveScriptSetFile(Path, Show));
  const std::string old = read_file(Path);
  RecordedShow longer = Show;
  longer.recordedScript += std::wstring(20000, L'a');
  machine.drives().set_free_space(L'C', 4096);
  EXPECT_FALSE(SaveScriptSetFile(Path, longer));
  machine.drives().set_free_space(L'C', std::nullopt);
  EXPECT_EQ(read_file(Path), old);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"C:\\Shows\\*", &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  std::vector<std::wstring> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  EXPECT_EQ(names, std::vector<std::wstring>{L"show.ocsf"});
}

}  // namespace
