// How the main dialog shows what the link reports: message boxes, the status line and file errors.
#include "platform/afx/win_app.h"
#include "platform/win/dialog_api.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

// The entry's "%d" takes the error number; a text without one is shown as it is.
std::wstring WithErrorNumber(std::wstring text, int errorNumber) {
  if (std::size_t at = text.find(L"%d"); at != std::wstring::npos)
    text.replace(at, 2, std::to_wstring(errorNumber));
  return text;
}

UINT BoxType(ConsoleMessage::Kind kind) {
  switch (kind) {
    case ConsoleMessage::Kind::Error:
      return MB_ICONERROR;
    case ConsoleMessage::Kind::Warning:
      return MB_ICONWARNING;
    case ConsoleMessage::Kind::YesNoQuestion:
      return MB_YESNO | MB_ICONINFORMATION;
  }
  return MB_OK;
}

}  // namespace

bool COrvennaConsoleDlg::ShowConsoleMessage(const ConsoleMessage& message) {
  std::wstring text = message.stringId != 0 ? LoadConsoleString(message.stringId) : message.text;
  if (message.errorNumber != 0) text = WithErrorNumber(std::move(text), message.errorNumber);
  return AfxMessageBox(text.c_str(), BoxType(message.kind)) == IDYES;
}

void COrvennaConsoleDlg::ShowStatusMessage(UINT stringId, UINT clearAfterMs) {
  ShowStatusText(LoadConsoleString(stringId), clearAfterMs);
}

void COrvennaConsoleDlg::ShowStatusText(const std::wstring& text, UINT clearAfterMs) {
  SetDlgItemText(StatusLineId, text.c_str());
  SetTimer(StatusClearTimer, clearAfterMs, nullptr);
}

void COrvennaConsoleDlg::ClearStatusLine() {
  SetDlgItemText(StatusLineId, L"");
}

void COrvennaConsoleDlg::ReportFileError(const CFileException& error) {
  ++fileErrorsReported;
  AfxMessageBox(error.ErrorMessage().c_str(), MB_ICONEXCLAMATION);
}

void COrvennaConsoleDlg::QuitConsole(int result) {
  EndDialog(result);
}
