// The PDF list of the folder OCconfig.ini names: its rows, the walk through folders with the
// mouse, and the viewer a document opens in, against the reader control's own account.
#include "src/media/pdf/pdf_list_file_dlg.h"

#include "peers/pdf_reader/pdf_reader.h"
#include "peers/pdf_reader/pdf_writer.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/media/pdf/pdf_dialog.h"
#include "src/settings/ini_files.h"
#include "tests/media/media_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using Rows = std::vector<std::pair<std::wstring, std::wstring>>;

testing::AssertionResult Done(const driver::Outcome& outcome) {
  return outcome ? testing::AssertionSuccess() : testing::AssertionFailure() << outcome.reason;
}

constexpr wchar_t ListCaption[] = L"PDF documents";
constexpr wchar_t ViewerCaption[] = L"PDF viewer";

class PdfListTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    ASSERT_EQ(pdf_reader::install_pdf_reader(), ERROR_SUCCESS);
    for (const wchar_t* folder : {L"C:\\Docs", L"C:\\Docs\\talks", L"C:\\Docs\\talks\\deep"})
      CreateDirectoryW(folder, nullptr);
    ASSERT_TRUE(write_file(L"C:\\Docs\\talks\\small.pdf", std::string(1023, 'x')));
    ASSERT_TRUE(
        write_file(L"C:\\Docs\\talks\\..notes.pdf", pdf_reader::write_pdf(pdf_reader::numbered_pages(2))));
    ASSERT_TRUE(write_file(L"C:\\Docs\\talks\\deep\\three.pdf",
                           pdf_reader::write_pdf(pdf_reader::numbered_pages(3))));
    ASSERT_TRUE(write_file(L"C:\\Docs\\intro.pdf", std::string(2048, 'x')));
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"pdffolder", L"C:\\Docs\\talks"));
    // What the application object does before the main dialog opens.
    Run([](TestConsoleDlg&) {
      AfxOleInit();
      AfxEnableControlContainer();
    });
  }

  void TearDown() override {
    for (const wchar_t* caption : {ListCaption, ViewerCaption})
      while (HWND open = FindWindowW(WC_DIALOG, caption)) {
        SendMessageW(open, WM_COMMAND, IDCANCEL, 0);
        machine.run_until_idle();
      }
    MediaTest::TearDown();
  }

  // The list opened from the main dialog as its PDF button does, and filled by its timer.
  void OpenList() {
    dialog->step = [](TestConsoleDlg& dlg) {
      ::SetForegroundWindow(dlg.m_hWnd);
      dlg.COrvennaConsoleDlg::RunPdfListDialog();
    };
    PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
    machine.run_until_idle();
    Wait(300);
    list = ShownDialog(ListCaption);
    ASSERT_NE(list, nullptr);
  }

  Rows ListedRows() const {
    HWND view = GetDlgItem(list, PdfListId);
    Rows rows;
    const int count = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
      rows.emplace_back(ItemText(view, item, 0), ItemText(view, item, 1));
    return rows;
  }

  static std::wstring ItemText(HWND view, int item, int column) {
    wchar_t text[260] = {};
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = text;
    request.cchTextMax = 260;
    SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request));
    return text;
  }

  int RowNamed(const std::wstring& name) const {
    const Rows rows = ListedRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].first == name) return static_cast<int>(i);
    ADD_FAILURE() << "no row " << testing::PrintToString(name);
    return 0;
  }

  void DoubleClick(const std::wstring& name) {
    ASSERT_TRUE(Done(user.choose_row(PdfListId, RowNamed(name), true)));
  }

  pdf_reader::ReaderView LastControl() const {
    const auto controls = reader->controls();
    return controls.empty() ? pdf_reader::ReaderView{} : controls.back();
  }

  std::shared_ptr<pdf_reader::ReaderProbe> reader = pdf_reader::register_pdf_reader(machine);
  driver::DesktopUser user{machine};
  HWND list = nullptr;
};

TEST_F(PdfListTest, ListsTheFolderWithSizesAndWalksThroughItsFolders) {
  OpenList();
  EXPECT_EQ(ListedRows(), (Rows{{L"..", L"prev. folder"},
                                {L"(DIR) deep", L"(FOLDER)"},
                                {L"..notes.pdf", L"0 KByte"},
                                {L"small.pdf", L"0 KByte"}}));
  const std::vector<std::wstring> Root{L"..",
                                       L"(DIR) Docs",
                                       L"(DIR) Program Files",
                                       L"(DIR) Program Files (x86)",
                                       L"(DIR) ProgramData",
                                       L"(DIR) Users",
                                       L"(DIR) Windows"};
  struct Step {
    std::wstring row;
    std::vector<std::wstring> names;  // column 0 afterwards
  };
  for (const Step& step : {
           Step{L"(DIR) deep", {L"..", L"three.pdf"}},
           Step{L"..", {L"..", L"(DIR) deep", L"..notes.pdf", L"small.pdf"}},
           Step{L"..", {L"..", L"(DIR) talks", L"intro.pdf"}},
           Step{L"..", Root},
           // At the drive there is no folder above: nothing happens.
           Step{L"..", Root},
           Step{L"(DIR) Docs", {L"..", L"(DIR) talks", L"intro.pdf"}},
       }) {
    DoubleClick(step.row);
    std::vector<std::wstring> names;
    for (const auto& [name, size] : ListedRows())
      names.push_back(name);
    EXPECT_EQ(names, step.names) << "after " << testing::PrintToString(step.row);
  }
  EXPECT_EQ(ListedRows().back(), (std::pair<std::wstring, std::wstring>{L"intro.pdf", L"2 KByte"}));
}

TEST_F(PdfListTest, ADoubleClickOnEmptySpaceDoesNothing) {
  OpenList();
  const Rows before = ListedRows();
  RECT area{};
  GetWindowRect(GetDlgItem(list, PdfListId), &area);
  POINT below{(area.left + area.right) / 2, area.bottom - 20};
  ScreenToClient(list, &below);
  ASSERT_TRUE(Done(user.click_at(below)));
  ASSERT_TRUE(Done(user.click_at(below)));
  EXPECT_EQ(ShownDialog(ListCaption), list);
  EXPECT_EQ(ListedRows(), before);
  EXPECT_TRUE(reader->controls().empty());
}

TEST_F(PdfListTest, ADocumentOpensInAViewerThatPagesAndFollowsItsSize) {
  OpenList();
  // A file whose name begins with ".." is a document like any other.
  DoubleClick(L"..notes.pdf");
  EXPECT_EQ(ShownDialog(ListCaption), nullptr);
  HWND viewer = ShownDialog(ViewerCaption);
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(GetForegroundWindow(), viewer);
  EXPECT_EQ(GetWindow(viewer, GW_OWNER), nullptr);
  pdf_reader::ReaderView shown = LastControl();
  EXPECT_EQ(shown.file, L"C:\\Docs\\talks\\..notes.pdf");
  EXPECT_TRUE(shown.loaded);
  EXPECT_EQ(shown.pages, 2);
  EXPECT_EQ(shown.page, 0);
  RECT client{};
  GetClientRect(viewer, &client);
  EXPECT_EQ(std::pair(shown.width, shown.height), std::pair(client.right, client.bottom));

  ASSERT_TRUE(Done(user.click_at({client.right / 2, client.bottom / 2})));
  ASSERT_TRUE(Done(user.key("PAGEDOWN")));
  EXPECT_EQ(LastControl().page, 1);

  RECT frame{};
  GetWindowRect(viewer, &frame);
  SetWindowPos(viewer, nullptr, 0, 0, (frame.right - frame.left) / 2, (frame.bottom - frame.top) / 2,
               SWP_NOMOVE | SWP_NOZORDER);
  machine.run_until_idle();
  GetClientRect(viewer, &client);
  EXPECT_EQ(std::pair(LastControl().width, LastControl().height), std::pair(client.right, client.bottom));

  SendMessageW(viewer, WM_CLOSE, 0, 0);
  machine.run_until_idle();
  EXPECT_FALSE(IsWindow(viewer));
  EXPECT_TRUE(LastControl().released);
}

TEST_F(PdfListTest, OkOnAFolderRowWalksIntoItAndOnADocumentOpensIt) {
  OpenList();
  ASSERT_TRUE(Done(user.choose_row(PdfListId, RowNamed(L"(DIR) deep"), false)));
  ASSERT_TRUE(Done(user.click(IDOK)));
  ASSERT_EQ(ShownDialog(ListCaption), list);
  ASSERT_TRUE(Done(user.choose_row(PdfListId, RowNamed(L"three.pdf"), false)));
  ASSERT_TRUE(Done(user.click(IDOK)));
  EXPECT_EQ(ShownDialog(ListCaption), nullptr);
  EXPECT_EQ(LastControl().file, L"C:\\Docs\\talks\\deep\\three.pdf");
  EXPECT_EQ(LastControl().pages, 3);
}

TEST_F(PdfListTest, AMissingReaderOrAnUnreadableDocumentIsToldAndNoViewerStays) {
  struct Case {
    bool installed;
    const wchar_t* message;
  };
  for (const Case& c : {
           Case{true, L"The PDF document\n\nC:\\Docs\\talks\\small.pdf\n\ncannot be opened."},
           Case{false,
                L"Failed to create Adobe window. Do you have Adobe Reader installed? Try download it from "
                L"its maker's website."},
       }) {
    if (!c.installed) {
      ASSERT_EQ(pdf_reader::uninstall_pdf_reader(), ERROR_SUCCESS);
    }
    OpenList();
    user.answer_next_message_box(IDOK);
    DoubleClick(L"small.pdf");
    const std::vector<desktop::ShownMessageBox> boxes = user.message_boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, c.message);
    EXPECT_NE(boxes.back().answer, 0);
    EXPECT_EQ(ShownDialog(ViewerCaption), nullptr) << c.installed;
    EXPECT_EQ(FindWindowW(WC_DIALOG, ViewerCaption), nullptr) << c.installed;
  }
}

}  // namespace
