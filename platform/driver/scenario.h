// Scenario files: one step per line for the desktop's user, "#" starting a comment line.
//   click ID | press ID | release ID       the control of the window in front, by id
//   clickat X Y                            a point of the client area of the window in front
//   key NAME                               F11, RETURN, LEFT ... or one character
//   type TEXT                              the rest of the line, as it is
//   choose ID INDEX                        an item of a combo box
//   spin ID up|down [N]                    an up-down's arrow clicked N times (once)
//   settime ID HH:MM:SS                    a time picker's fields typed after a click on the first
//   row ID N | dblrow ID N                 a list view's row clicked or double-clicked, scrolled to first
//   pickdate ID YYYY-MM-DD                 a month calendar turned to the month, the day clicked
//   answer IDOK|IDCANCEL|IDYES|IDNO|...    the next message box, given before the step that opens it
//   answer RGB(R,G,B)                      the next colour dialog: that colour, then OK
//   answer PATH | answer CANCEL            the next file or folder dialog: PATH typed, then OK; or Cancel
//   wait MS                                lets the desktop's clock run
//   screenshot FILE | dump FILE            a PNG of the screen, a JSON dump of the machine
// and the steps that prepare the machine (machine_preparation.h): regset, ini, makefile.
// Ids are numbers or the names IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES and IDNO.
// A word in double quotes may hold blanks and "#". Programs add verbs of their own with add_verb.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/driver/desktop_user.h"

namespace driver {

struct ScenarioResult {
  bool ok = true;
  int line = 0;  // the step that failed
  std::string reason;
  explicit operator bool() const { return ok; }
};

// How a step's words reach its verb. With takes_rest, the words after the first fixed_words are
// one argument: the rest of the line after one blank, as it is ("type TEXT").
struct VerbShape {
  bool takes_rest = false;
  std::size_t fixed_words = 0;
  // A step that prepares the machine rather than acting on its programs.
  bool prepares = false;
};

class ScenarioRunner {
 public:
  // The words after the verb; for "type", one word with the rest of the line.
  using Verb = std::function<Outcome(DesktopUser& user, const std::vector<std::string>& arguments)>;

  explicit ScenarioRunner(DesktopUser& user);
  void add_verb(std::string name, Verb verb, VerbShape shape = {});
  // Called once, before the first step that does not prepare the machine: the preparation
  // steps above it find a machine whose programs have not started yet. A scenario of
  // preparation steps alone starts nothing.
  void start_programs_with(std::function<void()> start);
  // A rule that must hold after every step that acts on the running programs: the reason it is
  // broken, or nothing. A broken rule stops the scenario at the step after which it broke.
  using Invariant = std::function<std::optional<std::string>(DesktopUser& user)>;
  void add_invariant(std::string rule, Invariant check);
  ScenarioResult run(std::string_view text);

 private:
  DesktopUser& user_;
  std::map<std::string, Verb> verbs_;
  std::map<std::string, VerbShape> shapes_;
  int refused_answer_line(int step_line) const;

  std::optional<std::string> broken_invariant();

  std::vector<int> answer_lines_;
  std::function<void()> start_;
  std::vector<std::pair<std::string, Invariant>> invariants_;
};

}  // namespace driver
