// The main dialog's link to Orvenna driven directly inside a desktop that has the stand-in
// Orvenna installed: a console window of the test's own, whose message boxes answer as told.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "peers/orvenna/install/install_settings.h"
#include "peers/orvenna/orvenna_program.h"
#include "platform/desktop/desktop.h"
#include "src/link/planetarium_link.h"

class LinkHost : public PlanetariumLink {
 public:
  explicit LinkHost(HWND window) : PlanetariumLink(state), window_(window) {}

  CConsoleState state;
  bool answerYes = true;
  std::vector<ConsoleMessage> messages;
  std::vector<std::pair<UINT, UINT>> statusMessages;
  std::vector<CFileException> fileErrors;
  // Called as each file error is reported, while the presenter would be reading it.
  std::function<void()> whileReporting;
  int quitResult = 0;
  int startStateResets = 0;
  // What the console's start-state reset does, run at each reset.
  std::function<void()> onStartStateReset;
  int startStatesGivenWay = 0;

 protected:
  HWND ConsoleWindow() const override { return window_; }
  void QuitConsole(int result) override { quitResult = result; }
  bool ShowConsoleMessage(const ConsoleMessage& message) override {
    messages.push_back(message);
    return message.kind == ConsoleMessage::Kind::YesNoQuestion && answerYes;
  }
  void ShowStatusMessage(UINT stringId, UINT clearAfterMs) override {
    statusMessages.emplace_back(stringId, clearAfterMs);
  }
  void ReportFileError(const CFileException& error) override {
    fileErrors.push_back(error);
    if (whileReporting) whileReporting();
  }
  void ResetPlanetariumToStartState() override {
    ++startStateResets;
    if (onStartStateReset) onStartStateReset();
  }
  void StartStateGaveWay() override { ++startStatesGivenWay; }

 private:
  HWND window_;
};

struct LinkMachine {
  std::vector<RECT> monitors{{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
  orvenna::ProgramSettings program;
  orvenna::InstallSettings install;
};

inline LinkMachine OnMonitors(std::vector<RECT> monitors) {
  LinkMachine setup;
  setup.monitors = std::move(monitors);
  return setup;
}

class LinkTest : public ::testing::Test {
 protected:
  explicit LinkTest(const LinkMachine& setup = {});
  ~LinkTest() override;
  void TearDown() override { machine.end_other_threads(); }

  // Pumps the console's queue for ms of desktop time; the ids of the timers that fired, in order.
  std::vector<UINT_PTR> PumpTimers(desktop::Tick ms);
  // Starts Orvenna as the presenter would, outside the console, and waits until it is ready.
  void StartPlanetariumByHand();
  RECT PlanetariumRect() const;
  std::string UserFile(const wchar_t* name) const;
  bool UserFileExists(const wchar_t* name) const;

  desktop::Desktop machine;
  orvenna::InstallSettings install;
  std::shared_ptr<orvenna::ProgramProbe> probe;
  HWND console = nullptr;
  std::unique_ptr<LinkHost> link;
};
