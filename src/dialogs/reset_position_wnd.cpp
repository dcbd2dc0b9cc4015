#include "src/dialogs/reset_position_wnd.h"

#include "platform/afx/message_map_entries.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr BYTE QuestionAlpha = 240;
constexpr UINT HomePlaceText = 25490;
constexpr UINT WholeSkyText = 25500;
constexpr UINT CancelText = 9002;
constexpr UINT CancelTextStep = 20;

struct ChoiceButton {
  int id;
  int normalBitmap;
  int activeBitmap;
};
constexpr ChoiceButton HomePlaceChoice{CResetPositionWnd::HomePlaceButton, 10015, 10016};
constexpr ChoiceButton WholeSkyChoice{CResetPositionWnd::WholeSkyButton, 10018, 10019};
constexpr ChoiceButton CancelChoice{CResetPositionWnd::CancelButton, 5126, 5128};

void MakeImageButton(CBtnPlanet& button, const ChoiceButton& choice, CWnd* dialog,
                     const std::wstring& caption) {
  button.m_nNormalId = choice.normalBitmap;
  button.m_nActiveId = choice.activeBitmap;
  button.SubclassDlgItem(static_cast<UINT>(choice.id), dialog);
  button.SetWindowText(caption.c_str());
}

}  // namespace

BEGIN_MESSAGE_MAP(CResetPositionWnd, CLayeredBlackDialog)
ON_BN_CLICKED(CResetPositionWnd::HomePlaceButton, &CResetPositionWnd::OnHomePlace)
ON_BN_CLICKED(CResetPositionWnd::WholeSkyButton, &CResetPositionWnd::OnWholeSky)
ON_BN_CLICKED(CResetPositionWnd::CancelButton, &CResetPositionWnd::OnCancel)
END_MESSAGE_MAP()

// A language outside the six would read another text's entry: it falls back to English.
CResetPositionWnd::CResetPositionWnd(int language, CWnd* owner)
    : CLayeredBlackDialog(IDD, owner, QuestionAlpha),
      language_(language >= 0 && language < InterfaceLanguageCount ? language : 0) {}

BOOL CResetPositionWnd::OnInitDialog() {
  CLayeredBlackDialog::OnInitDialog();
  const UINT language = static_cast<UINT>(language_);
  MakeImageButton(homePlace_, HomePlaceChoice, this, LoadResourceText(HomePlaceText + language));
  MakeImageButton(wholeSky_, WholeSkyChoice, this, LoadResourceText(WholeSkyText + language));
  MakeImageButton(cancel_, CancelChoice, this, LoadResourceText(CancelText + CancelTextStep * language));
  return TRUE;
}
