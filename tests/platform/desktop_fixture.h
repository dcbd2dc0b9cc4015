// A fresh virtual-clock desktop per test, with the test's own thread attached to it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

// A window class whose procedure logs every message and hands it to the handler that its
// thread set, if any. Only one desktop thread runs at a time, so the log needs no lock.
struct LoggedMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MessageLog {
 public:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Registers the logging class in the calling thread's process.
  static void register_class(const wchar_t* name);

  static std::vector<LoggedMessage>& entries();
  using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
  static Handler& handler();
  static std::vector<UINT> messages_of(HWND hwnd);
  static void clear();
};

class DesktopTest : public ::testing::Test {
 protected:
  explicit DesktopTest(desktop::DesktopConfig config = {}) : machine(std::move(config)) {
    MessageLog::clear();
    machine.attach(L"harness.exe");
  }
  // Handlers may name the test's locals, which are gone by now, and the programs may use the
  // fixture's members: drop the handlers and end the programs while the members are there.
  void TearDown() override {
    MessageLog::clear();
    machine.end_other_threads();
  }
  ~DesktopTest() override { machine.detach(); }

  // Starts a program whose main thread runs body.
  desktop::DesktopThread& start_program(const std::wstring& name, std::function<DWORD()> body) {
    return machine.start_thread(machine.create_process(name), std::move(body));
  }

  // Starts a program with one window of a logging class and a message loop, with the
  // handler for that window's messages; returns the window once the program waits.
  HWND start_peer(const wchar_t* class_name, const wchar_t* title, MessageLog::Handler handler = {});

  desktop::Desktop machine;
};

HWND create_logged_window(const wchar_t* class_name, const wchar_t* title, DWORD style, HWND parent = nullptr,
                          int id = 0, RECT rect = {10, 20, 310, 220}, DWORD ex_style = 0);
