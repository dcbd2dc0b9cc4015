// Scenario files: one step per line for the desktop's user, "#" starting a comment line.
//   click ID | press ID | release ID       the control of the window in front, by id
//   clickat X Y                            a point of the client area of the window in front
//   key NAME                               F11, RETURN, LEFT ... or one character
//   type TEXT                              the rest of the line, as it is
//   choose ID INDEX                        an item of a combo box
//   spin ID up|down [N]                    an up-down's arrow clicked N times (once)
//   settime ID HH:MM:SS                    a time picker's fields typed after a click on the first
//   row ID N | dblrow ID N                 a list view's row clicked or double-clicked, scrolled to first
//   answer IDOK|IDCANCEL|IDYES|IDNO|...    the next message box, given before the step that opens it
//   answer RGB(R,G,B)                      the next colour dialog: that colour, then OK
//   wait MS                                lets the desktop's clock run
//   screenshot FILE | dump FILE            a PNG of the screen, a JSON dump of the machine
// Ids are numbers or the names IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES and IDNO.
// Programs add verbs of their own with add_verb.
#pragma once

#include <functional>
#include <map>
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

class ScenarioRunner {
 public:
  // The words after the verb; for "type", one word with the rest of the line.
  using Verb = std::function<Outcome(DesktopUser& user, const std::vector<std::string>& arguments)>;

  explicit ScenarioRunner(DesktopUser& user);
  void add_verb(std::string name, Verb verb);
  ScenarioResult run(std::string_view text);

 private:
  DesktopUser& user_;
  std::map<std::string, Verb> verbs_;
  std::vector<int> answer_lines_;
};

}  // namespace driver
