// Shows the desktop to a person through a backend: the screen's changes go out, the person's
// mouse and keys come in through the desktop's inbox, as real input.
#pragma once

#include <chrono>
#include <functional>

#include "platform/desktop/desktop.h"
#include "platform/view/screen_changes.h"
#include "platform/view/view_backend.h"

namespace view {

class View {
 public:
  View(desktop::Desktop& machine, ViewBackend& backend) : machine_(machine), backend_(backend) {}

  ViewResult open();
  // One round: what the person did goes into the desktop, then the parts of the screen that
  // changed go to the backend. False once the person closed the view.
  bool refresh();
  // Refreshes about sixty times a second, in real time, until the person closes the view or
  // keep_going says no more.
  void run(const std::function<bool()>& keep_going);

 private:
  bool feed_input();

  desktop::Desktop& machine_;
  ViewBackend& backend_;
  ScreenChanges changes_;
};

// The desktop's virtual screen and monitors; call under the baton.
ScreenLayout layout_of(desktop::Desktop& machine);

}  // namespace view
