// CPDFListFileDlg: the list of the PDF folder named in OCconfig.ini: a row to go up, its
// sub-folders and its PDF documents with their sizes. A double click walks into a folder or up,
// or opens the document in a viewer of its own that stays when the list has closed.
#pragma once

#include <string>
#include <vector>

#include "platform/afx/afx.h"
#include "platform/afx/list_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/media/pdf/pdf_folder_listing.h"

class CPDFDialog;

inline constexpr UINT PdfListTemplate = 41339;
inline constexpr int PdfListId = 41125;

class CPDFListFileDlg : public CDialog {
 public:
  explicit CPDFListFileDlg(CWnd* parent);

  // The viewer the list opened, or null; it lives on once the list has ended.
  CPDFDialog* OpenedViewer() const { return viewer_; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id);
  BOOL OnEraseBkgnd(CDC* dc);
  void OnDblClkList(NMHDR* header, LRESULT* result);
  void OnOpenSelected();
  DECLARE_MESSAGE_MAP()

 private:
  void FillList();
  // What a chosen row does: a folder row shows that folder, a document row opens it.
  void Choose(int item);
  void OpenDocument(const std::wstring& path);

  std::wstring folder_;
  CListCtrl list_;
  CBtnPlanet okButton_;
  CBtnPlanet cancelButton_;
  CPDFDialog* viewer_ = nullptr;
};
