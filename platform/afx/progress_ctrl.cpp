#include "platform/afx/progress_ctrl.h"

#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

namespace {
constexpr UINT kSetRange = 0x0401;
constexpr UINT kSetPos = 0x0402;
constexpr UINT kDeltaPos = 0x0403;
constexpr UINT kSetStep = 0x0404;
constexpr UINT kStepIt = 0x0405;
constexpr UINT kSetRange32 = 0x0406;
constexpr UINT kGetPos = 0x0408;
constexpr UINT kSetBarColor = 0x0409;
constexpr UINT kSetBkColor = 0x2001;
}  // namespace

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"msctls_progress32", L"", style | WS_CHILD, rect, parent, id);
}

void CProgressCtrl::SetRange32(int lower, int upper) {
  SendMessage(kSetRange32, static_cast<WPARAM>(lower), upper);
}

void CProgressCtrl::SetRange(short lower, short upper) {
  SendMessage(kSetRange, 0, MAKELPARAM(static_cast<WORD>(lower), static_cast<WORD>(upper)));
}

int CProgressCtrl::SetPos(int position) {
  return static_cast<int>(SendMessage(kSetPos, static_cast<WPARAM>(position)));
}

int CProgressCtrl::GetPos() const {
  return static_cast<int>(SendMessage(kGetPos));
}

int CProgressCtrl::OffsetPos(int delta) {
  return static_cast<int>(SendMessage(kDeltaPos, static_cast<WPARAM>(delta)));
}

int CProgressCtrl::SetStep(int step) {
  return static_cast<int>(SendMessage(kSetStep, static_cast<WPARAM>(step)));
}

int CProgressCtrl::StepIt() {
  return static_cast<int>(SendMessage(kStepIt));
}

COLORREF CProgressCtrl::SetBarColor(COLORREF colour) {
  return static_cast<COLORREF>(SendMessage(kSetBarColor, 0, static_cast<LPARAM>(colour)));
}

COLORREF CProgressCtrl::SetBkColor(COLORREF colour) {
  return static_cast<COLORREF>(SendMessage(kSetBkColor, 0, static_cast<LPARAM>(colour)));
}
