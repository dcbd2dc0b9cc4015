// The program started as the console, driven by a scenario as a presenter would drive it.
#include <fstream>
#include <sstream>

#include "platform/driver/scenario.h"
#include "src/sample_dialog.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class SampleDialogTest : public DesktopTest {
 protected:
  SampleDialogTest() {
    launch = start_sample_program(machine);
    machine.run_until_idle();
  }
  std::string read(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  desktop::Launch launch;
  driver::DesktopUser user{machine};
};

TEST_F(SampleDialogTest, AScenarioClicksThroughTheSampleDialogAndDumpsIt) {
  const auto dump = machine.data_folder() / "dump.json";
  driver::ScenarioResult result = driver::ScenarioRunner(user).run(
      "click 30002\n"
      "dump " +
      dump.string() +
      "\n"
      "answer IDNO\n"
      "click IDOK\n"
      "answer IDYES\n"
      "key RETURN\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  const std::string text = read(dump);
  EXPECT_NE(text.find("\"title\": \"Sample dialog\", \"controls\""), std::string::npos) << text;
  EXPECT_NE(text.find("{\"id\": 30001, \"class\": \"Edit\", \"text\": \"Slower\""), std::string::npos)
      << text;
  ASSERT_EQ(user.message_boxes().size(), 2u);
  EXPECT_EQ(user.message_boxes()[0].title, L"Orvenna Console");
  EXPECT_EQ(user.message_boxes()[0].answer, IDNO);
  EXPECT_TRUE(launch.process->object->signalled);
  EXPECT_EQ(launch.process->object->exit_code, 0u);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Halcyra Software\\Orvenna Console\\Sample", 0,
                          KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD value = 0;
  DWORD size = sizeof(value);
  RegQueryValueExW(key, L"Result", nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size);
  RegCloseKey(key);
  EXPECT_EQ(value, static_cast<DWORD>(IDOK));
}

TEST_F(SampleDialogTest, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
  driver::ScenarioResult result = driver::ScenarioRunner(user).run("click 30003\nkey RETURN\nanswer IDYES\n");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.line, 3);
  EXPECT_EQ(user.text_of(30001), L"Normal");
  EXPECT_TRUE(user.message_boxes().empty());
}

TEST_F(SampleDialogTest, EscapeClosesTheSampleWithoutAQuestion) {
  EXPECT_TRUE(user.key("ESCAPE"));
  EXPECT_TRUE(user.message_boxes().empty());
  EXPECT_TRUE(launch.process->object->signalled);
}

}  // namespace
