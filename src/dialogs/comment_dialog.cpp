#include "src/dialogs/comment_dialog.h"

#include "src/dialogs/events/event_dlg_ids.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr int FirstCommentCommand = 1086;
constexpr int SaveKey = 103;
constexpr int CharactersLeft = 106;
constexpr int CommentEdit = 1056;
constexpr std::array<int, 2> Keys{SaveKey, IDCANCEL};
constexpr UINT SaveCaption = 19050;
constexpr UINT TitleText = 19060;

}  // namespace

BEGIN_MESSAGE_MAP(CommentDialog, CDialog)
ON_BN_CLICKED(SaveKey, &CommentDialog::OnClickedSave)
ON_EN_CHANGE(CommentEdit, &CommentDialog::OnTextChanged)
END_MESSAGE_MAP()

CommentDialog::CommentDialog(int command, CWnd* parent)
    : CDialog(IDD, parent), m_slot(command - FirstCommentCommand) {}

BOOL CommentDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  const unsigned language = ReadLanguage();
  for (std::size_t i = 0; i < Keys.size(); ++i) {
    m_buttons[i].m_nNormalId = EventDlgIds::KeyNormalBitmap;
    m_buttons[i].m_nActiveId = EventDlgIds::KeyActiveBitmap;
    m_buttons[i].SubclassDlgItem(static_cast<UINT>(Keys[i]), this);
  }
  SetWindowTextFromResource(::GetDlgItem(m_hWnd, SaveKey), SaveCaption + language);
  SetWindowText((LoadResourceText(TitleText + language) + FormatText(L" %d", m_slot + 1)).c_str());
  SetDlgItemText(CommentEdit, ReadEventComment(m_slot).c_str());
  ::SendDlgItemMessageW(m_hWnd, CommentEdit, EM_LIMITTEXT, Longest, 0);
  ShowCharactersLeft();
  GotoDlgCtrl(GetDlgItem(CommentEdit));
  return FALSE;
}

void CommentDialog::OnTextChanged() {
  const std::wstring text = GetDlgItemText(CommentEdit);
  if (text.size() > static_cast<std::size_t>(Longest)) {
    SetDlgItemText(CommentEdit, text.substr(0, Longest).c_str());
    return;
  }
  ShowCharactersLeft();
}

void CommentDialog::ShowCharactersLeft() {
  const int left = Longest - static_cast<int>(GetDlgItemText(CommentEdit).size());
  SetDlgItemText(CharactersLeft, std::to_wstring(left).c_str());
}

void CommentDialog::OnClickedSave() {
  WriteEventComment(m_slot, ::GetDlgItem(m_hWnd, CommentEdit));
  EndDialog(static_cast<int>(Saved));
}
