// CommentDialog: the free comment of an event, up to 1000 characters, shown in the console's
// information box when the event plays. SAVE stores it at once; Cancel keeps the stored one.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"

class CommentDialog : public CDialog {
 public:
  enum { IDD = 1331 };
  static constexpr INT_PTR Saved = 1;
  static constexpr INT_PTR Cancelled = 2;
  static constexpr int Longest = 1000;

  // command is the event editor's comment command, 1086 plus the slot (0 to 4).
  CommentDialog(int command, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override { EndDialog(static_cast<int>(Cancelled)); }
  void OnClickedSave();
  void OnTextChanged();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowCharactersLeft();

  int m_slot;
  std::array<CBtnPlanet, 2> m_buttons;
};
