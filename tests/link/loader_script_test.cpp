// The loader's three forms on disk byte for byte, the per-run text's changes and the script
// files' failures.
#include <string>

#include "src/link/loader_script.h"
#include "src/link/script_file.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr wchar_t UserFolder[] = L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna";
constexpr wchar_t LoaderPath[] = L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\orvenna-console.ovs";

constexpr char Head[] =
    "// Name: !Orvenna-Console\n"
    "// Written by Orvenna Console before each script it has Orvenna run.\n"
    "// Shortcut 1 runs it; it includes the script to run, or nothing.\n"
    "// Description: It's used by Orvenna-Console program. It must be the first script of the list. "
    "Please, don't remove or change its position!  DO NOT RUN FROM WITHIN ORVENNA!";

class LoaderScriptTest : public DesktopTest {
 protected:
  LoaderScriptTest() { CreateDirectoryW(UserFolder, nullptr); }
};

struct LoaderCase {
  LoaderForm form;
  const wchar_t* included;
  std::string expected;
};

TEST_F(LoaderScriptTest, EachFormIsWrittenByteForByteInUtf8WithoutByteOrderMark) {
  const LoaderCase cases[] = {
      {LoaderForm::Active, L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\MilkyWay.ovs",
       std::string(Head) +
           "\r\n\r\ninclude(\"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\MilkyWay.ovs\");\r\n"},
      {LoaderForm::Idle, L"ignored", std::string(Head) + "\r\n\r\ninclude(\"##########\");\n"},
      {LoaderForm::UserFile, L"C:\\Shows\\M\u00fasica del cielo.ovs",
       std::string(Head) + "\r\n\r\ninclude(\"C:\\Shows\\M\xC3\xBAsica del cielo.ovs\");\r"},
  };
  for (const LoaderCase& loader : cases) {
    EXPECT_FALSE(WriteLoaderScript(LoaderScriptPieces(loader.form, loader.included)));
    EXPECT_EQ(read_file(LoaderPath), loader.expected);
  }
}

TEST_F(LoaderScriptTest, ResetWritesTheIdleFormOverAnActiveLoader) {
  ASSERT_FALSE(WriteLoaderScript(LoaderScriptPieces(LoaderForm::Active, L"C:\\x.ovs")));
  ResetLoaderScript();
  EXPECT_EQ(read_file(LoaderPath), std::string(Head) + "\r\n\r\ninclude(\"##########\");\n");
}

TEST_F(LoaderScriptTest, AFileThatCannotBeWrittenComesBackAsItsFileException) {
  const std::wstring path = L"C:\\Users\\presenter\\AppData\\Roaming\\NoSuchFolder\\MilkyWay.ovs";
  const std::wstring pieces[] = {L"core.wait(1);\r"};
  std::optional<CFileException> error = WriteScriptFile(path, pieces);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_strFileName, path);
  EXPECT_EQ(error->m_cause, CFileException::badPath);

  std::optional<CFileException> deleteError = DeleteScriptFile(std::wstring(UserFolder) + L"\\gone.ovs");
  ASSERT_TRUE(deleteError);
  EXPECT_EQ(deleteError->m_cause, CFileException::fileNotFound);
}

struct PerRunCase {
  const char* what;
  const wchar_t* name;
  bool clearLabelsFirst;
  bool meteorPluginLoaded;
  std::wstring expected;
  bool clearLabelsAfter;
};

TEST(PerRunText, LabelsAndMeteorShowerStatements) {
  const std::wstring meteors =
      L"MeteorShowers.setEnableLabels(true);\rcore.wait(1);\rMeteorShowers.setEnableMarker(true);\r";
  const PerRunCase cases[] = {
      {"position keeps the flag", L"position.ovs", true, false, meteors, true},
      {"another file consumes it", L"MilkyWay.ovs", true, false, L"LabelMgr.deleteAllLabels();\r" + meteors,
       false},
      {"case matters for position", L"Position.ovs", true, true, L"LabelMgr.deleteAllLabels();\r" + meteors,
       false},
      {"recorded show without the plug-in", L"MACRO.ovs", false, false, L"\rcore.wait(1);\r\r", false},
      {"recorded show with the plug-in", L"MACRO.ovs", false, true, meteors, false},
      {"other files keep the statements", L"macro.ovs", false, false, meteors, false},
  };
  for (const PerRunCase& run : cases) {
    bool clearLabelsFirst = run.clearLabelsFirst;
    EXPECT_EQ(PreparePerRunText(meteors, run.name, clearLabelsFirst, run.meteorPluginLoaded), run.expected)
        << run.what;
    EXPECT_EQ(clearLabelsFirst, run.clearLabelsAfter) << run.what;
  }
}

}  // namespace
