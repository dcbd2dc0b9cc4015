#include "src/controls/controls_sample_dialog.h"

#include <string>

#include "res/console_resources.h"
#include "src/controls/message_box/message_box_dialog.h"
#include "src/controls/standard_controls_sample.h"
#include "src/controls/transparent_helper.h"

BEGIN_MESSAGE_MAP(CControlsSampleDlg, CDialog)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_TRANSPARENT_BACKGROUND, &CControlsSampleDlg::OnTransparentBackground)
ON_COMMAND_RANGE(30104, 30106, &CControlsSampleDlg::OnSampleButton)
ON_BN_CLICKED(30107, &CControlsSampleDlg::OnAsk)
ON_CONTROL_RANGE(EN_CHANGE, 30108, 30109, &CControlsSampleDlg::OnPathChange)
ON_BN_CLICKED(30118, &CControlsSampleDlg::OnStandardControls)
END_MESSAGE_MAP()

namespace {

constexpr int kLabel = 30101;
constexpr int kStatus = 30102;
constexpr int kPicture = 30103;
constexpr int kPictureBitmap = 30012;
constexpr std::array<int, 6> kButtonIds{30104, 30105, 30106, 30107, 30118, IDOK};
constexpr int kNormalBitmap = 30010;
constexpr int kActiveBitmap = 30011;
constexpr int kShowFile = 30108;
constexpr int kSlideFolder = 30109;
constexpr int kFileBrowseBitmap = 30013;

}  // namespace

BOOL CControlsSampleDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  PaintBackground();
  m_label.SubclassDlgItem(kLabel, this);
  m_status.SubclassDlgItem(kStatus, this);
  m_picture.SubclassDlgItem(kPicture, this);
  m_pictureBitmap.LoadBitmap(kPictureBitmap);
  m_picture.SetBitmap(m_pictureBitmap);
  for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
    m_buttons[i].m_nNormalId = kNormalBitmap;
    m_buttons[i].m_nActiveId = kActiveBitmap;
    m_buttons[i].SubclassDlgItem(static_cast<UINT>(kButtonIds[i]), this);
  }
  m_showFile.SubclassDlgItem(kShowFile, this);
  m_showFile.EnableFileBrowseButton(L"ocsf", L"Shows (*.ocsf)|*.ocsf|All Files (*.*)|*.*||",
                                    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
  m_showFile.SetBrowseButtonImage(kFileBrowseBitmap);
  m_slideFolder.SubclassDlgItem(kSlideFolder, this);
  m_slideFolder.EnableFolderBrowseButton();
  return TRUE;
}

// A night sky: a gradient from deep blue to black with a few stars, always the same.
void CControlsSampleDlg::PaintBackground() {
  CRect client;
  GetClientRect(&client);
  CClientDC screen(this);
  m_background.CreateCompatibleDC(&screen);
  m_backgroundBitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
  m_background.SelectObject(&m_backgroundBitmap);
  for (int y = 0; y < client.Height(); ++y) {
    const int shade = 90 - 90 * y / std::max(1, client.Height());
    m_background.FillSolidRect(0, y, client.Width(), 1, RGB(shade / 6, shade / 3, shade));
  }
  unsigned seed = 12345;
  for (int star = 0; star < 60; ++star) {
    seed = seed * 1103515245u + 12345u;
    const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(client.Width()));
    seed = seed * 1103515245u + 12345u;
    const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(client.Height()));
    m_background.FillSolidRect(x, y, 1 + star % 2, 1 + star % 2, RGB(230, 230, 255));
  }
}

BOOL CControlsSampleDlg::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->BitBlt(0, 0, client.Width(), client.Height(), &m_background, 0, 0, SRCCOPY);
  return TRUE;
}

LRESULT CControlsSampleDlg::OnTransparentBackground(WPARAM wParam, LPARAM lParam) {
  CTransparentHelper::DrawParentBackground(reinterpret_cast<HWND>(lParam), m_background,
                                           reinterpret_cast<HDC>(wParam));
  return 1;
}

void CControlsSampleDlg::OnSampleButton(UINT id) {
  std::wstring caption = GetDlgItemText(static_cast<int>(id));
  for (wchar_t& character : caption)
    if (character == L'\n') character = L' ';
  m_status.SetWindowText((L"Pressed: " + caption).c_str());
  m_status.Invalidate();
}

void CControlsSampleDlg::OnAsk() {
  CMessageBoxDialog question(this, L"Show the planets' names?", L"",
                             MB_YESNO | MB_ICONQUESTION | MB_DONTASKAGAIN, 0);
  const INT_PTR answer = question.DoModal();
  m_status.SetWindowText(answer == IDYES ? L"Answer: Yes" : L"Answer: No");
  m_status.Invalidate();
}

void CControlsSampleDlg::OnPathChange(UINT id) {
  m_status.SetWindowText((L"Chosen: " + GetDlgItemText(static_cast<int>(id))).c_str());
  m_status.Invalidate();
}

void CControlsSampleDlg::OnStandardControls() {
  CStandardControlsDlg controls(this);
  controls.DoModal();
}

int RunControlsSample() {
  SetModuleResources(&console_resources());
  CWinApp app(L"Controls sample");
  app.SetRegistryKey(L"Halcyra Software");
  CControlsSampleDlg dialog;
  app.m_pMainWnd = &dialog;
  return static_cast<int>(dialog.DoModal());
}
