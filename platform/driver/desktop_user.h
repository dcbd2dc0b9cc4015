// A user that drives the desktop as a presenter would: acts on the window in front by control
// id with the mouse and the keyboard, answers message boxes, lets time pass, takes screenshots
// and dumps what the machine holds. A press lands only where a person's would: a step whose
// control another window covers fails and names that window. Made on a thread attached to the desktop (a
// test's, or the scenario runner's); every action lets the desktop run until it is idle again. Queries give
// empty results, never null.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/driver/outcome.h"

namespace driver {

class DesktopUser {
 public:
  explicit DesktopUser(desktop::Desktop& machine) : machine_(machine) {}

  // The window acted on: the foreground window (or, when a modal dialog disables it, that
  // dialog in front of it), or else the front visible top-level window.
  HWND target_window() const;
  // A control of the target window (or of its children) by id; null when there is none.
  HWND control(int id) const;

  // What presses a control: the mouse, or a pen or a finger on the touch screen, whose mouse
  // messages carry the pen and touch signature in their extra information.
  enum class Pointer { Mouse, Pen, Finger };

  Outcome click(int id);
  // A click on a control of the given window (a message box, say), which must be on top there.
  Outcome click_in(HWND window, int id);
  Outcome press(int id);
  Outcome release(int id);
  Outcome press(int id, Pointer with);
  Outcome release(int id, Pointer with);
  // A press and a lift of the pen or finger at once.
  Outcome tap(int id, Pointer with);
  // A click of the mouse's left or right button at a point of the target window's client area,
  // whatever lies there.
  enum class Button { Left, Right };
  Outcome click_at(POINT client, Button button = Button::Left);
  // The same at a point of a given window, which must be the one under the mouse there.
  Outcome click_at(HWND window, POINT client, Button button = Button::Left);
  // The wheel turned over a point of a given window, which must be the one under the mouse there:
  // delta in WHEEL_DELTA steps of 120, away from the user when positive.
  Outcome wheel(HWND window, POINT client, int delta);
  // The left button pressed at a point of the target window's client area, moved through the
  // points held down, and released at the last.
  Outcome drag(const std::vector<POINT>& client_points);
  // A virtual-key name (F11, RETURN, LEFT, NUMPAD5 ...) or one character, typed with its shift
  // state on the target program's keyboard layout.
  Outcome key(std::string_view name);
  // A named key held down: each call is one more key-down, as the keyboard repeats a held key,
  // until key_up lets it go.
  Outcome key_down(std::string_view name);
  Outcome key_up(std::string_view name);
  Outcome type(std::wstring_view text);
  // Chooses an item of a combo box, as picking it from its list does: the selection changes
  // and the parent gets CBN_SELCHANGE.
  Outcome choose(int id, int index);
  // Presses an up-down's up or down arrow, times times, with the mouse.
  Outcome spin(int id, bool up, int times);
  // Clicks a time picker's first field and types the hours, minutes and seconds; fails unless the
  // picker then shows that time.
  Outcome set_time(int id, int hour, int minute, int second);
  // Clicks a list view's row, or double-clicks it, first scrolling it into sight with the
  // arrows of the list's scroll strip.
  Outcome choose_row(int id, int row, bool double_click);
  // Turns a month calendar's pages with its arrows to the date's month and clicks the day;
  // fails unless the calendar then has that day selected.
  Outcome pick_date(int id, int year, int month, int day);
  // The next message box that shows gets this answer (a button id) clicked.
  void answer_next_message_box(int button_id);
  // The next colour dialog that shows gets this colour in its red, green and blue, then OK.
  void answer_next_colour_dialog(COLORREF colour);
  // The next open, save or folder dialog that shows gets this path typed into its name (or
  // folder) edit and its OK button clicked; without a path, its Cancel button clicked.
  void answer_next_file_dialog(std::optional<std::wstring> path);
  Outcome wait(desktop::Tick ms);
  // Ends every program of that executable name ("orvenna.exe") that has a window on the screen,
  // at once, as a crash or the task manager's End task does.
  Outcome end_program(std::wstring_view image_name);
  Outcome screenshot(const std::filesystem::path& file);
  Outcome dump(const std::filesystem::path& file);
  std::string dump_json();
  // The timers of every thread that has a window, as the dump lists them.
  std::vector<desktop::WindowTimer> timers() const;
  // Answers still waiting for their message box, colour dialog or file dialog.
  std::size_t pending_answers() const { return answers_.size() + colours_.size() + files_.size(); }
  // Whether the last failure was of an answer its message box did not take.
  bool answer_refused() const { return answer_refused_; }

  desktop::Desktop& machine() const { return machine_; }
  // The executable name of the program a window belongs to ("orvenna.exe"); empty when none.
  std::wstring program_of(HWND hwnd) const;
  std::wstring window_text(HWND hwnd) const;
  std::wstring text_of(int id) const;
  std::vector<desktop::ShownMessageBox> message_boxes() const;

 private:
  bool is_shell(HWND hwnd) const;
  HWND control_on_top(int id) const;
  Outcome settle();
  Outcome move_to(HWND target, POINT client);
  void release_left();
  Outcome answer_open_boxes();
  Outcome answer_colour_dialog();
  Outcome answer_file_dialog();
  // The folder browser without its edit: the path's folders opened one by one, the last chosen.
  Outcome browse_to(HWND dialog, const std::wstring& path);
  Outcome bring_into_sight(HWND list, int row);
  // Replaces an edit's text as a person does: a double click selects it all, typing replaces it.
  Outcome retype(HWND window, int id, const std::wstring& text);
  Outcome mouse_at(int id, DWORD buttons, Pointer with = Pointer::Mouse);
  Outcome mouse_at(HWND window, int id, DWORD buttons, Pointer with = Pointer::Mouse);
  Outcome on_top(HWND meant, const std::string& what);
  Outcome reach(int id, POINT centre) const;
  Outcome held_key(std::string_view name, bool up);
  // A control of the target window of a class, usable now; what=its kind for the failure.
  Outcome usable(int id, const wchar_t* class_name, const std::string& what, HWND& found) const;

  desktop::Desktop& machine_;
  std::deque<int> answers_;
  std::deque<COLORREF> colours_;
  std::deque<std::optional<std::wstring>> files_;
  bool answering_file_ = false;
  std::size_t boxes_seen_ = 0;
  bool answer_refused_ = false;
};

}  // namespace driver
