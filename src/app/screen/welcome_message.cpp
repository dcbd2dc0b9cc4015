// The welcome text written on Orvenna's screen when the show's stopwatch starts, as set in
// WelcomeOC.ini in Orvenna's user folder.
#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "platform/win/window_api.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/script_literal.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"
#include "src/util/format_text.h"
#include "src/util/text_trim.h"

namespace {

constexpr wchar_t WelcomeIni[] = L"WelcomeOC.ini";
constexpr wchar_t WelcomeSection[] = L"Message";
constexpr std::size_t MaxTextLength = 60;
constexpr wchar_t DefaultColour[] = L"ff5555";
constexpr UINT FlyByNoticeMs = 4000;
constexpr UINT RecordingNoticeMs = 5000;
constexpr int WelcomeExpectedMs = 4500;
constexpr DWORD AfterRunMs = 200;
constexpr int LabelOffset = 200;

struct Range {
  int low;
  int high;
  int otherwise;
};
constexpr Range DurationRange{0, 60, 10};
constexpr Range FontSizeRange{5, 50, 20};

int ReadInRange(std::wstring_view text, Range range) {
  const std::wstring digits(text);
  wchar_t* end = nullptr;
  const long value = std::wcstol(digits.c_str(), &end, 10);
  if (digits.empty() || *end != L'\0' || value < range.low || value > range.high) return range.otherwise;
  return static_cast<int>(value);
}

// The six hexadecimal digits after the "#" (whatever the first character is); anything else would
// reach Orvenna as a colour it cannot read.
std::wstring ReadColour(std::wstring_view text) {
  constexpr std::size_t ColourDigits = 6;
  const std::wstring_view digits = text.empty() ? text : text.substr(1);
  const bool wellFormed =
      digits.size() == ColourDigits &&
      std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return std::iswxdigit(c) != 0; });
  return wellFormed ? std::wstring(digits) : std::wstring(DefaultColour);
}

}  // namespace

std::optional<WelcomeMessage> ParseWelcomeMessage(const WelcomeKeyReader& read) {
  std::optional<std::wstring> values[5];
  constexpr const wchar_t* Keys[] = {L"visible", L"text", L"duration", L"fontsize", L"fontcolor"};
  for (std::size_t i = 0; i < std::size(Keys); ++i) {
    values[i] = read(Keys[i]);
    if (!values[i]) return std::nullopt;
    *values[i] = std::wstring(StripWhiteSpace(*values[i]));
  }
  if (CompareTextNoCase(*values[0], L"true") != 0 && CompareTextNoCase(*values[0], L"on") != 0)
    return std::nullopt;
  WelcomeMessage message;
  message.text = values[1]->substr(0, MaxTextLength);
  message.durationSeconds = ReadInRange(*values[2], DurationRange);
  message.fontSize = ReadInRange(*values[3], FontSizeRange);
  message.colour = ReadColour(*values[4]);
  return message;
}

std::wstring BuildWelcomeScript(const WelcomeMessage& message, int width, int height) {
  const int x = width / 2;
  const int halfDuration = message.durationSeconds / 2;
  std::wstring script = L"LabelMgr.deleteAllLabels();\rcore.setFlagGravityLabels(true);\r";
  for (int y : {height / 2 - message.fontSize - LabelOffset, height / 2 - message.fontSize + LabelOffset}) {
    script += FormatText(L"lab1 = LabelMgr.labelScreen(%s, %d, %d, true, %d, %s);\r",
                         ScriptStringLiteral(message.text).c_str(), x, y, message.fontSize,
                         ScriptStringLiteral(L"#" + message.colour).c_str());
    script += L"LabelMgr.setLabelShow(lab1, true);\r";
    script += FormatText(L"core.wait(%d);\r", halfDuration);
    script += L"LabelMgr.setLabelShow(lab1, false);\rcore.wait(2);\r";
  }
  return script + L"LabelMgr.deleteLabel(lab1);\r";
}

void COrvennaConsoleDlg::ShowWelcomeMessage() {
  const unsigned language = ReadLanguage();
  if (flyByRunning) {
    KillTimer(StatusLineTimer);
    ShowStatusMessage(FlyByNotice + language, FlyByNoticeMs);
    return;
  }
  const std::optional<WelcomeMessage> message =
      ParseWelcomeMessage([](const wchar_t* key) { return ReadIniEntry(WelcomeIni, WelcomeSection, key); });
  if (!message) return;
  HWND main = FindPlanetariumWindow();
  if (main == nullptr) return;
  RECT client{};
  ::GetClientRect(main, &client);
  int width = client.right - client.left;
  int height = client.bottom - client.top;
  // The live monitor's screen, when the start-up could measure it.
  if (ConsoleLayout == TwoMonitorLayout && liveMonitorScreen.width > 0 && liveMonitorScreen.height > 0) {
    width = liveMonitorScreen.width;
    height = liveMonitorScreen.height;
  }
  const std::wstring script = BuildWelcomeScript(*message, width, height);
  if (RecorderState != RecorderIdle) {
    ShowStatusMessage(NotDuringRecordingNotice + language, RecordingNoticeMs);
    return;
  }
  RunScript(script, L"messageOC.ovs", false, WelcomeExpectedMs);
  scriptRunning = true;
  SetTimer(ScriptFlagTimer, static_cast<UINT>((message->durationSeconds + 2) * 1000), nullptr);
  Sleep(AfterRunMs);
}
