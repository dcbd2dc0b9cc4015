#include "platform/driver/scenario.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <utility>

#include "platform/desktop/utf8.h"
#include "platform/driver/colour_word.h"
#include "platform/driver/machine_preparation.h"
#include "platform/win/controls/calendar_dates.h"
#include "platform/win/win_macros.h"

namespace driver {
namespace {

constexpr std::pair<std::string_view, int> kIdNames[] = {
    {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4},     {"IDIGNORE", 5},   {"IDYES", 6},
    {"IDNO", 7}, {"IDCLOSE", 8},  {"IDHELP", 9},  {"IDTRYAGAIN", 10}, {"IDCONTINUE", 11}};

std::optional<long long> number(std::string_view word) {
  long long value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<int> control_id(std::string_view word) {
  for (auto [name, id] : kIdNames)
    if (name == word) return id;
  auto value = number(word);
  if (!value || *value < -1 || *value > 65535) return std::nullopt;
  return static_cast<int>(*value);
}

// "C:\..." with a drive letter: a path as the file and folder dialogs' answer.
bool is_full_path(std::string_view word) {
  return word.size() >= 3 && std::isalpha(static_cast<unsigned char>(word[0])) && word[1] == ':' &&
         word[2] == '\\';
}

// "YYYY-MM-DD", a day a month calendar shows.
std::optional<SYSTEMTIME> calendar_date(const std::string& word) {
  int year = 0;
  int month = 0;
  int day = 0;
  char end = 0;
  if (word.size() != 10 || std::sscanf(word.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3)
    return std::nullopt;
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  if (!controls::is_calendar_date(date)) return std::nullopt;
  return date;
}

Outcome needs(const std::vector<std::string>& arguments, std::size_t count, const char* usage) {
  if (arguments.size() == count) return Outcome::done();
  return Outcome::failure(std::string("expected: ") + usage);
}

// A verb that takes one control id.
ScenarioRunner::Verb on_control(Outcome (DesktopUser::*action)(int), const char* usage) {
  return [action, usage](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, usage); !shape) return shape;
    auto id = control_id(arguments[0]);
    if (!id) return Outcome::failure("\"" + arguments[0] + "\" is not a control id");
    return (user.*action)(*id);
  };
}

struct Word {
  std::string text;
  std::size_t end = 0;  // just past the word in its line
};

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

// The words of a line up to one that starts with '#', at most limit of them; a word in double
// quotes runs to the next quote, blanks and '#' included. Nothing when a quote is not closed.
std::optional<std::vector<Word>> words_of(std::string_view line, std::size_t limit) {
  std::vector<Word> words;
  std::size_t at = 0;
  while (words.size() < limit) {
    while (at < line.size() && is_blank(line[at]))
      ++at;
    if (at == line.size() || line[at] == '#') return words;
    if (line[at] == '"') {
      const std::size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos) return std::nullopt;
      words.push_back({std::string(line.substr(at + 1, close - at - 1)), close + 1});
      at = close + 1;
      continue;
    }
    const std::size_t start = at;
    while (at < line.size() && !is_blank(line[at]))
      ++at;
    words.push_back({std::string(line.substr(start, at - start)), at});
  }
  return words;
}

// The rest of the line one blank after a word, as it is.
std::string rest_after(const std::string& line, const Word& word) {
  return word.end + 1 < line.size() ? line.substr(word.end + 1) : std::string();
}

}  // namespace

ScenarioRunner::ScenarioRunner(DesktopUser& user) : user_(user) {
  verbs_["click"] = on_control(&DesktopUser::click, "click ID");
  verbs_["press"] = on_control(&DesktopUser::press, "press ID");
  verbs_["release"] = on_control(&DesktopUser::release, "release ID");
  verbs_["key"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "key NAME"); !shape) return shape;
    return user.key(arguments[0]);
  };
  verbs_["keydown"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "keydown NAME"); !shape) return shape;
    return user.key_down(arguments[0]);
  };
  verbs_["keyup"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "keyup NAME"); !shape) return shape;
    return user.key_up(arguments[0]);
  };
  verbs_["tap"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 2, "tap ID pen|finger"); !shape) return shape;
    auto id = control_id(arguments[0]);
    if (!id) return Outcome::failure("\"" + arguments[0] + "\" is not a control id");
    if (arguments[1] != "pen" && arguments[1] != "finger")
      return Outcome::failure("expected: tap ID pen|finger");
    return user.tap(*id, arguments[1] == "pen" ? DesktopUser::Pointer::Pen : DesktopUser::Pointer::Finger);
  };
  verbs_["clickat"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 2, "clickat X Y"); !shape) return shape;
    auto x = number(arguments[0]);
    auto y = number(arguments[1]);
    if (!x || !y || std::abs(*x) > 100'000 || std::abs(*y) > 100'000)
      return Outcome::failure("expected: clickat X Y, a point of the window in front");
    return user.click_at({static_cast<LONG>(*x), static_cast<LONG>(*y)});
  };
  add_verb("type",
           [](DesktopUser& user, const std::vector<std::string>& arguments) {
             if (Outcome shape = needs(arguments, 1, "type TEXT"); !shape) return shape;
             return user.type(desktop::from_utf8(arguments[0]));
           },
           {.takes_rest = true});
  verbs_["choose"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 2, "choose ID INDEX"); !shape) return shape;
    auto id = control_id(arguments[0]);
    auto index = number(arguments[1]);
    if (!id || !index || *index < 0 || *index > 1'000'000)
      return Outcome::failure("expected: choose ID INDEX");
    return user.choose(*id, static_cast<int>(*index));
  };
  verbs_["spin"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments.size() > 3 || (arguments[1] != "up" && arguments[1] != "down"))
      return Outcome::failure("expected: spin ID up|down [N]");
    auto id = control_id(arguments[0]);
    auto times = arguments.size() == 3 ? number(arguments[2]) : std::optional<long long>(1);
    if (!id || !times || *times < 1 || *times > 10'000)
      return Outcome::failure("expected: spin ID up|down [N]");
    return user.spin(*id, arguments[1] == "up", static_cast<int>(*times));
  };
  verbs_["settime"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 2, "settime ID HH:MM:SS"); !shape) return shape;
    auto id = control_id(arguments[0]);
    int hour = -1;
    int minute = -1;
    int second = -1;
    char end = 0;
    const bool parsed =
        std::sscanf(arguments[1].c_str(), "%2d:%2d:%2d%c", &hour, &minute, &second, &end) == 3;
    if (!id || !parsed || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
      return Outcome::failure("expected: settime ID HH:MM:SS");
    return user.set_time(*id, hour, minute, second);
  };
  for (const auto& row_verb : {std::pair{"row", false}, std::pair{"dblrow", true}}) {
    verbs_[row_verb.first] = [verb = row_verb.first, twice = row_verb.second](
                                 DesktopUser& user, const std::vector<std::string>& arguments) {
      const std::string shape_text = std::string(verb) + " ID N";
      if (Outcome shape = needs(arguments, 2, shape_text.c_str()); !shape) return shape;
      auto id = control_id(arguments[0]);
      auto row = number(arguments[1]);
      if (!id || !row || *row < 0 || *row > 1'000'000) return Outcome::failure("expected: " + shape_text);
      return user.choose_row(*id, static_cast<int>(*row), twice);
    };
  }
  verbs_["pickdate"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 2, "pickdate ID YYYY-MM-DD"); !shape) return shape;
    auto id = control_id(arguments[0]);
    auto date = calendar_date(arguments[1]);
    if (!id || !date)
      return Outcome::failure("expected: pickdate ID YYYY-MM-DD, from 1601-01-01 to 9999-12-31");
    return user.pick_date(*id, date->wYear, date->wMonth, date->wDay);
  };
  verbs_["answer"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "answer IDOK|IDCANCEL|IDYES|IDNO|RGB(R,G,B)|PATH|CANCEL"); !shape)
      return shape;
    if (arguments[0] == "CANCEL") {
      user.answer_next_file_dialog(std::nullopt);
      return Outcome::done();
    }
    if (is_full_path(arguments[0])) {
      user.answer_next_file_dialog(desktop::from_utf8(arguments[0]));
      return Outcome::done();
    }
    if (arguments[0].starts_with("RGB(")) {
      auto colour = colour_of(arguments[0]);
      if (!colour) return Outcome::failure("expected a colour as RGB(R,G,B), each 0 to 255");
      user.answer_next_colour_dialog(*colour);
      return Outcome::done();
    }
    auto id = control_id(arguments[0]);
    if (!id)
      return Outcome::failure("\"" + arguments[0] +
                              "\" is no button id, colour, CANCEL or full path such as C:\\shows\\a.ocsf");
    user.answer_next_message_box(*id);
    return Outcome::done();
  };
  verbs_["wait"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "wait MS"); !shape) return shape;
    auto ms = number(arguments[0]);
    if (!ms || *ms < 0 || *ms > 86'400'000) return Outcome::failure("wait takes milliseconds, up to a day");
    return user.wait(static_cast<desktop::Tick>(*ms));
  };
  verbs_["end"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "end PROGRAM"); !shape) return shape;
    return user.end_program(desktop::from_utf8(arguments[0]));
  };
  verbs_["screenshot"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "screenshot FILE"); !shape) return shape;
    return user.screenshot(arguments[0]);
  };
  verbs_["dump"] = [](DesktopUser& user, const std::vector<std::string>& arguments) {
    if (Outcome shape = needs(arguments, 1, "dump FILE"); !shape) return shape;
    return user.dump(arguments[0]);
  };
  add_preparation_verbs(*this);
}

void ScenarioRunner::add_verb(std::string name, Verb verb, VerbShape shape) {
  shapes_[name] = shape;
  verbs_[std::move(name)] = std::move(verb);
}

void ScenarioRunner::start_programs_with(std::function<void()> start) {
  start_ = std::move(start);
}

void ScenarioRunner::add_invariant(std::string rule, Invariant check) {
  invariants_.emplace_back(std::move(rule), std::move(check));
}

std::optional<std::string> ScenarioRunner::broken_invariant() {
  for (const auto& [rule, check] : invariants_)
    if (std::optional<std::string> reason = check(user_))
      return "broke the rule \"" + rule + "\": " + *reason;
  return std::nullopt;
}

// The line of the answer a box refused during this step, taken in order after the older ones;
// otherwise the step's own.
int ScenarioRunner::refused_answer_line(int step_line) const {
  if (!user_.answer_refused()) return step_line;
  const std::size_t taken = answer_lines_.size() - std::min(answer_lines_.size(), user_.pending_answers());
  return taken == 0 ? step_line : answer_lines_[taken - 1];
}

ScenarioResult ScenarioRunner::run(std::string_view text) {
  std::istringstream lines{std::string(text)};
  int line_number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::optional<std::vector<Word>> first = words_of(line, 1);
    if (!first) return {false, line_number, "a quoted word has no closing quote"};
    if (first->empty()) continue;
    const std::string name = first->front().text;
    auto verb = verbs_.find(name);
    if (verb == verbs_.end()) return {false, line_number, "unknown step \"" + name + "\""};
    const VerbShape shape = shapes_[name];
    const std::optional<std::vector<Word>> words =
        words_of(line, shape.takes_rest ? 1 + shape.fixed_words : line.size());
    if (!words) return {false, line_number, "a quoted word has no closing quote"};
    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < words->size(); ++i)
      arguments.push_back((*words)[i].text);
    if (shape.takes_rest && arguments.size() == shape.fixed_words)
      arguments.push_back(rest_after(line, words->back()));
    if (!shape.prepares && start_) std::exchange(start_, nullptr)();
    const std::size_t pending_before = user_.pending_answers();
    Outcome outcome = verb->second(user_, arguments);
    if (!outcome) return {false, refused_answer_line(line_number), outcome.reason};
    if (!shape.prepares || !start_)
      if (std::optional<std::string> broken = broken_invariant()) return {false, line_number, *broken};
    if (user_.pending_answers() > pending_before) answer_lines_.push_back(line_number);
    // Answers taken meanwhile were the oldest ones.
    while (answer_lines_.size() > user_.pending_answers())
      answer_lines_.erase(answer_lines_.begin());
  }
  if (!answer_lines_.empty())
    return {false, answer_lines_.front(), "no message box or dialog came to take this answer"};
  return {};
}

}  // namespace driver
