#include "src/catalog/search/search_dlg.h"

#include <vector>

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/catalog/constellation_list.h"
#include "src/catalog/search/messier_dlg.h"
#include "src/catalog/search/search_typing.h"
#include "src/catalog/search/slot_picture.h"
#include "src/link/planetarium_install.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr BYTE SearchAlpha = 248;
constexpr int FirstPictureId = 11201;
constexpr int FirstLabelId = 14598;
constexpr int PromptId = 11200;
constexpr int TypedTextId = 11116;
constexpr int FirstDigitKey = 11105;
constexpr int LastDigitKey = 11114;
constexpr int FirstLetterKey = 11117;
constexpr int BackspaceKey = 11143;
constexpr int ApostropheKey = 11144;
constexpr int SpaceKey = 567;
constexpr int OkKey = 11211;
constexpr int CloseKey = 11096;
constexpr int MessierKey = 1129;
constexpr int ObjectsKey = 577;
constexpr int ModeKey = 1847;

constexpr UINT PromptText = 11160;
constexpr UINT CancelText = 9380;
constexpr UINT ObjectsInText = 760;
constexpr UINT InsideConstellationsText = 8590;
constexpr UINT SelectObjectsText = 8600;

constexpr UINT BodyPicture = 19298;
constexpr UINT StarPicture = 19299;
constexpr UINT EnterCode = 13;
constexpr UINT BackspaceCode = 8;
constexpr wchar_t Cursor = L'_';
constexpr INT_PTR PickedInPicker = 10;

struct KeyBitmaps {
  int id;
  int normal;
  int active;
  int extra1 = 0;
  int extra2 = 0;
};

// The wide keys wear the letter keys' face drawn wide: the main window's find and zoom faces
// carry pictures that would cross their captions.
constexpr int WideFace = 11103;
constexpr int WideFaceActive = 11104;

// Every key but the letters and digits, which share the keypad's faces.
constexpr KeyBitmaps OtherKeys[] = {
    {BackspaceKey, 418, 419},
    {ApostropheKey, 11100, 11101, 11102, 11100},
    {MessierKey, 11100, 11101},
    {OkKey, 8403, 8404},
    {SpaceKey, WideFace, WideFaceActive},
    {CloseKey, WideFace, WideFaceActive},
    {ObjectsKey, WideFace, WideFaceActive},
    {ModeKey, WideFace, WideFaceActive},
};
constexpr int KeypadFace = 11100;
constexpr int KeypadFaceActive = 11101;
constexpr std::size_t LetterCount = 26;
constexpr std::size_t DigitCount = LastDigitKey - FirstDigitKey + 1;

}  // namespace

BEGIN_MESSAGE_MAP(CSearchDlg, CLayeredBlackDialog)
ON_WM_CTLCOLOR()
ON_WM_LBUTTONUP()
ON_COMMAND_RANGE(FirstDigitKey, LastDigitKey, &CSearchDlg::OnKeyButton)
ON_COMMAND_RANGE(FirstLetterKey, ApostropheKey, &CSearchDlg::OnKeyButton)
ON_COMMAND_RANGE(SpaceKey, SpaceKey, &CSearchDlg::OnKeyButton)
ON_BN_CLICKED(OkKey, &CSearchDlg::OnBnClickedOk)
ON_BN_CLICKED(CloseKey, &CSearchDlg::OnCancel)
ON_BN_CLICKED(MessierKey, &CSearchDlg::OnBnClickedMessier)
ON_BN_CLICKED(ModeKey, &CSearchDlg::OnBnClickedSearchMode)
ON_BN_CLICKED(ObjectsKey, &CSearchDlg::OnBnClickedObjectsInConstellation)
END_MESSAGE_MAP()

CSearchDlg::CSearchDlg(CConsoleState* state, IsolatedConstellation isolated, CWnd* owner)
    : CLayeredBlackDialog(IDD, owner, SearchAlpha), state_(state), isolated_(isolated) {
  if (state_ != nullptr) state_->SetSearchTarget(L"", TypedTextKind, 0);
}

BOOL CSearchDlg::OnInitDialog() {
  CLayeredBlackDialog::OnInitDialog();
  language_ = ReadLanguage();
  for (std::size_t slot = 0; slot < CandidateSlots; ++slot) {
    pictures_[slot].SubclassDlgItem(FirstPictureId + static_cast<int>(slot), this);
    ShowBlackPicture(pictures_[slot], keptPictures_[slot]);
  }
  SubclassButtons();
  SetDlgItemText(PromptId, LoadResourceText(PromptText + language_).c_str());
  SetDlgItemText(CloseKey, LoadResourceText(CancelText + language_).c_str());
  if (isolated_.isolated && isolated_.name != nullptr)
    SetDlgItemText(
        ObjectsKey,
        FormatText(LoadResourceText(ObjectsInText + language_).c_str(), isolated_.name->c_str()).c_str());
  typed_.SubclassDlgItem(TypedTextId, this);
  typed_.SetWindowText(searchText_.c_str());
  typed_.EnableWindow(FALSE);
  SetDlgItemText(ModeKey, LoadResourceText(SelectObjectsText + language_).c_str());
  CWnd* objects = GetDlgItem(ObjectsKey);
  objects->EnableWindow(isolated_.isolated);
  objects->ShowWindow(isolated_.isolated ? SW_SHOW : SW_HIDE);
  FindPlanetariumFolder(installFolder_);
  lists_ = BuildSearchNameLists(installFolder_);
  return TRUE;
}

void CSearchDlg::SubclassButtons() {
  std::vector<KeyBitmaps> keys;
  for (std::size_t digit = 0; digit < DigitCount; ++digit)
    keys.push_back({FirstDigitKey + static_cast<int>(digit), KeypadFace, KeypadFaceActive});
  for (std::size_t letter = 0; letter < LetterCount; ++letter)
    keys.push_back({FirstLetterKey + static_cast<int>(letter), KeypadFace, KeypadFaceActive});
  keys.insert(keys.end(), std::begin(OtherKeys), std::end(OtherKeys));
  for (std::size_t i = 0; i < keys.size() && i < buttons_.size(); ++i) {
    CBtnPlanet& button = buttons_[i];
    button.m_nNormalId = keys[i].normal;
    button.m_nActiveId = keys[i].active;
    button.m_nExtra1Id = keys[i].extra1;
    button.m_nExtra2Id = keys[i].extra2;
    button.SubclassDlgItem(static_cast<UINT>(keys[i].id), this);
  }
}

void CSearchDlg::OnCancel() {
  if (state_ != nullptr) state_->SetSearchTarget(L"", TypedTextKind, 0);
  EndDialog(0);
}

HBRUSH CSearchDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour) {
  const int id = wnd != nullptr ? wnd->GetDlgCtrlID() : 0;
  const bool label = id >= FirstLabelId && id < FirstLabelId + static_cast<int>(CandidateSlots);
  if (!label && id != PromptId) return CDialog::OnCtlColor(dc, wnd, ctlColour);
  dc->SetTextColor(RGB(255, 255, 255));
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CSearchDlg::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return CLayeredBlackDialog::PreTranslateMessage(msg);
  const UINT code = LOWORD(msg->wParam);
  if (code == EnterCode) {
    OnBnClickedOk();
    return TRUE;
  }
  if (code != BackspaceCode && !TypedCharacter(code)) return CLayeredBlackDialog::PreTranslateMessage(msg);
  TypeKey(code);
  return TRUE;
}

void CSearchDlg::OnKeyButton(UINT id) {
  if (std::optional<UINT> code = OnScreenKeyCode(id)) PostMessage(WM_KEYDOWN, *code, 0);
}

std::wstring CSearchDlg::TypedText() const {
  return searchText_.substr(0, searchText_.size() - 1);
}

void CSearchDlg::TypeKey(UINT keyCode) {
  std::wstring text = TypedText();
  if (keyCode == BackspaceCode) {
    if (text.empty()) return;
    text.pop_back();
  } else {
    text += *TypedCharacter(keyCode);
  }
  ClearSlots();
  const CandidateSearch search = SearchCandidates(lists_, text, language_);
  if (search.mode != NoCandidateMode) {
    candidateMode_ = search.mode;
    ShowCandidates(search.candidates);
  }
  searchText_ = text + Cursor;
  typed_.SetWindowText(searchText_.c_str());
  typed_.Invalidate();
  typed_.UpdateWindow();
}

void CSearchDlg::ClearSlots() {
  for (std::size_t slot = 0; slot < CandidateSlots; ++slot) {
    ShowBlackPicture(pictures_[slot], keptPictures_[slot]);
    slots_[slot].code = EmptySlotCode;
    slots_[slot].hip = 0;
    slots_[slot].key.clear();
  }
}

void CSearchDlg::ShowCandidates(const std::vector<Candidate>& candidates) {
  for (std::size_t slot = 0; slot < CandidateSlots && slot < candidates.size(); ++slot)
    ShowCandidate(slot, candidates[slot]);
}

void CSearchDlg::ShowCandidate(std::size_t slot, const Candidate& candidate) {
  bool shown = false;
  switch (candidate.picture) {
    case CandidatePicture::File:
      shown = ShowFilePicture(pictures_[slot], keptPictures_[slot], installFolder_ + candidate.pictureFile);
      break;
    case CandidatePicture::Star:
      shown = ShowResourcePicture(pictures_[slot], keptPictures_[slot], StarPicture);
      break;
    case CandidatePicture::Body:
      shown = ShowResourcePicture(pictures_[slot], keptPictures_[slot], BodyPicture);
      break;
    case CandidatePicture::None:
      break;
  }
  const bool withoutPicture = !shown && !candidate.labelWithoutPicture.empty();
  SetLabel(slot, withoutPicture ? candidate.labelWithoutPicture : candidate.label);
  slots_[slot] = {candidate.code, candidate.hip, candidate.key,
                  withoutPicture ? candidate.labelWithoutPicture : candidate.label};
}

void CSearchDlg::SetLabel(std::size_t slot, const std::wstring& label) {
  SetDlgItemText(FirstLabelId + static_cast<int>(slot), label.c_str());
  pictures_[slot].Invalidate();
  GetDlgItem(FirstLabelId + static_cast<int>(slot))->Invalidate();
}

void CSearchDlg::OnLButtonUp(UINT, CPoint point) {
  for (std::size_t slot = 0; slot < CandidateSlots; ++slot) {
    CRect picture;
    pictures_[slot].GetWindowRect(&picture);
    ScreenToClient(&picture);
    if (!picture.PtInRect(point)) continue;
    if (slots_[slot].code == StarCode) candidateMode_ = NamesMode;
    Act(ChooseSlot(slots_[slot], candidateMode_, lists_.constellations, findInsideConstellations_));
    return;
  }
}

void CSearchDlg::OnBnClickedOk() {
  Act(ChooseWithOk(slots_, candidateMode_, lists_.constellations, TypedText()));
}

void CSearchDlg::Act(const SearchChoice& choice) {
  if (choice.outcome == SearchChoice::Outcome::Nothing) return;
  if (state_ != nullptr)
    state_->SetSearchTarget(choice.target.targetName, choice.target.targetKind, choice.target.targetExtra);
  if (choice.outcome == SearchChoice::Outcome::EndDialog) {
    EndDialog(0);
    return;
  }
  ListObjectsOf(choice.constellation);
}

void CSearchDlg::ListObjectsOf(const std::wstring& constellation) {
  SetDlgItemText(
      ObjectsKey,
      FormatText(LoadResourceText(ObjectsInText + language_).c_str(), constellation.c_str()).c_str());
  CWnd* objects = GetDlgItem(ObjectsKey);
  objects->EnableWindow(TRUE);
  objects->ShowWindow(SW_SHOW);
  if (isolated_.name != nullptr) *isolated_.name = constellation;
  isolated_.isolated = true;
  ClearSlots();
  objectsPage_ = 0;
  OnBnClickedObjectsInConstellation();
}

void CSearchDlg::OnBnClickedObjectsInConstellation() {
  if (isolated_.name == nullptr) return;
  // The name may be Orvenna's, as the find action left it; the catalogues hold the Latin one.
  const std::wstring constellation(CatalogueConstellationName(*isolated_.name));
  std::optional<std::vector<std::wstring>> designations = ConstellationDesignations(constellation);
  if (!designations) return;
  ConstellationObjects objects{std::move(*designations),
                               ConstellationStars(lists_.starsCatRows, constellation)};
  if (objects.size() == 0) return;
  ClearSlots();
  candidateMode_ = MessierMode;
  const ObjectsPage page = PageOfObjects(lists_, objects, objectsPage_);
  ShowCandidates(page.candidates);
  objectsPage_ = page.nextPage;
}

void CSearchDlg::OnBnClickedSearchMode() {
  findInsideConstellations_ = !findInsideConstellations_;
  const UINT caption = findInsideConstellations_ ? InsideConstellationsText : SelectObjectsText;
  SetDlgItemText(ModeKey, LoadResourceText(caption + language_).c_str());
}

void CSearchDlg::OnBnClickedMessier() {
  CMessierDlg picker(state_, this);
  if (picker.DoModal() == PickedInPicker) EndDialog(0);
}
