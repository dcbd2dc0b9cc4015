// CSearchDlg: the object search of the dome. The presenter types on its keyboard (or a real
// one), sees up to seven candidates with their pictures and chooses one; the choice goes into
// the state record's search target for the find action. It can also list the objects inside a
// constellation, and open the Messier picker.
#pragma once

#include <array>
#include <string>

#include "src/catalog/constellation_objects.h"
#include "src/catalog/search/search_choice.h"
#include "src/catalog/search/search_name_lists.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"
#include "src/dialogs/layered_black_dialog.h"
#include "src/settings/console_state.h"

// What the search reads and writes of the main dialog: the constellation last isolated.
struct IsolatedConstellation {
  bool isolated = false;
  std::wstring* name = nullptr;
};

class CSearchDlg : public CLayeredBlackDialog {
 public:
  enum { IDD = 123 };
  CSearchDlg(CConsoleState* state, IsolatedConstellation isolated, CWnd* owner);

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  BOOL OnInitDialog() override;
  // Enter is the search's own OK, handled with the keys.
  void OnOK() override {}
  void OnCancel() override;
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnKeyButton(UINT id);
  void OnBnClickedOk();
  void OnBnClickedMessier();
  void OnBnClickedSearchMode();
  void OnBnClickedObjectsInConstellation();
  DECLARE_MESSAGE_MAP()

 private:
  void SubclassButtons();
  void TypeKey(UINT keyCode);
  void ShowCandidates(const std::vector<Candidate>& candidates);
  void ShowCandidate(std::size_t slot, const Candidate& candidate);
  void ClearSlots();
  void SetLabel(std::size_t slot, const std::wstring& label);
  void Act(const SearchChoice& choice);
  void ListObjectsOf(const std::wstring& constellation);
  std::wstring TypedText() const;

  CConsoleState* state_;
  IsolatedConstellation isolated_;
  unsigned language_ = 0;
  std::wstring installFolder_;
  SearchNameLists lists_;
  std::wstring searchText_ = L"_";
  int candidateMode_ = NoCandidateMode;
  SearchSlots slots_;
  bool findInsideConstellations_ = false;
  int objectsPage_ = 0;

  std::array<CStatic, CandidateSlots> pictures_;
  std::array<CBitmap, CandidateSlots> keptPictures_;
  CEditEx typed_;
  static constexpr std::size_t ButtonCount = 44;
  std::array<CBtnPlanet, ButtonCount> buttons_;
};
