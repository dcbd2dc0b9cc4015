// Feeds arbitrary text to the scenario reader with every step recorded instead of done. The
// steps read, written out again one a line (quoting the words that need it), must read back as
// the same steps; the programs start once, just before the first step that does not prepare the
// machine; a failure names a line of the text.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/driver/scenario.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

struct Step {
  std::string verb;
  std::vector<std::string> arguments;
  bool operator==(const Step&) const = default;
};

struct VerbRow {
  const char* name;
  driver::VerbShape shape;
};
constexpr VerbRow kVerbs[] = {
    {"click", {}},
    {"press", {}},
    {"release", {}},
    {"key", {}},
    {"keydown", {}},
    {"keyup", {}},
    {"tap", {}},
    {"clickat", {}},
    {"choose", {}},
    {"spin", {}},
    {"settime", {}},
    {"row", {}},
    {"dblrow", {}},
    {"pickdate", {}},
    {"answer", {}},
    {"wait", {}},
    {"screenshot", {}},
    {"dump", {}},
    {"type", {.takes_rest = true}},
    {"regset", {.takes_rest = true, .fixed_words = 3, .prepares = true}},
    {"ini", {.takes_rest = true, .fixed_words = 3, .prepares = true}},
    {"makefile", {.takes_rest = true, .fixed_words = 2, .prepares = true}},
};

struct Reading {
  driver::ScenarioResult result;
  std::vector<Step> steps;
  std::vector<std::size_t> starts;  // how many steps had run at each start
};

Reading read_scenario(std::string_view text) {
  driver::DesktopUser user(fuzz_desktop());
  driver::ScenarioRunner runner(user);
  Reading reading;
  for (const VerbRow& row : kVerbs)
    runner.add_verb(
        row.name,
        [&reading, name = std::string(row.name)](driver::DesktopUser&,
                                                 const std::vector<std::string>& arguments) {
          reading.steps.push_back({name, arguments});
          return driver::Outcome::done();
        },
        row.shape);
  runner.start_programs_with([&reading] { reading.starts.push_back(reading.steps.size()); });
  reading.result = runner.run(text);
  return reading;
}

const VerbRow& row_of(const std::string& verb) {
  return *std::find_if(std::begin(kVerbs), std::end(kVerbs),
                       [&](const VerbRow& row) { return verb == row.name; });
}

std::string word_text(const std::string& word) {
  const bool plain = !word.empty() && word.front() != '#' && word.front() != '"' &&
                     word.find_first_of(" \t") == std::string::npos;
  return plain ? word : "\"" + word + "\"";
}

std::string written(const std::vector<Step>& steps) {
  std::string text;
  for (const Step& step : steps) {
    const driver::VerbShape shape = row_of(step.verb).shape;
    text += step.verb;
    for (std::size_t i = 0; i < step.arguments.size(); ++i) {
      const bool rest = shape.takes_rest && i == shape.fixed_words;
      text += ' ' + (rest ? step.arguments[i] : word_text(step.arguments[i]));
    }
    text += "\r\n";
  }
  return text;
}

void require_start_before_first_action(const Reading& reading) {
  const auto action = std::find_if(reading.steps.begin(), reading.steps.end(),
                                   [](const Step& step) { return !row_of(step.verb).shape.prepares; });
  if (action == reading.steps.end()) {
    require(reading.starts.empty());
    return;
  }
  require(reading.starts.size() == 1 &&
          reading.starts.front() == static_cast<std::size_t>(action - reading.steps.begin()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Reading first = read_scenario(text);
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  require(first.result.ok ? first.result.line == 0 : first.result.line >= 1 && first.result.line <= lines);
  require(first.result.ok || !first.result.reason.empty());
  require_start_before_first_action(first);
  const Reading again = read_scenario(written(first.steps));
  require(again.result.ok && again.steps == first.steps && again.starts == first.starts);
  return 0;
}
