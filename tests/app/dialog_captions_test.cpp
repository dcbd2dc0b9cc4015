// Every dialog of the console as a presenter opens it, in each interface language: each static,
// button, check box, radio and group caption fits its control in the control's font, on one line
// unless the table below lets it wrap. The message boxes the same, their text wrapped as the box
// wraps it, each box whole on its monitor. With OC_DIALOG_PICTURES set to a folder, each dialog's
// screen is also written there as a picture to look over (tools/dialog-pictures).
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "peers/pdf_reader/pdf_reader.h"
#include "peers/pdf_reader/pdf_writer.h"
#include "platform/driver/desktop_user.h"
#include "platform/view/desktop_screenshot.h"
#include "platform/win/win32.h"
#include "src/app/screen/playback_wnd.h"
#include "src/app/window/which_edition.h"
#include "src/catalog/search/messier_dlg.h"
#include "src/catalog/search/search_dlg.h"
#include "src/controls/btn_planet.h"
#include "src/controls/caption_fit.h"
#include "src/controls/colour/clr_button.h"
#include "src/controls/message_box/message_box_dialog.h"
#include "src/controls/static_ex.h"
#include "src/dialogs/about_box.h"
#include "src/dialogs/comment_dialog.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/mercator.h"
#include "src/dialogs/options/advanced_options.h"
#include "src/dialogs/options/options_dialog.h"
#include "src/dialogs/options/play_opt.h"
#include "src/dialogs/options/speed_dialog.h"
#include "src/dialogs/pole_dlg.h"
#include "src/dialogs/reset_position_wnd.h"
#include "src/dialogs/set_time_dlg.h"
#include "src/media/folder_dialog.h"
#include "src/media/multimedia_control_dlg.h"
#include "src/media/pdf/pdf_dialog.h"
#include "src/media/pdf/pdf_list_file_dlg.h"
#include "src/media/players/video_options.h"
#include "src/media/players/wm_play_video.h"
#include "src/media/script_dialog.h"
#include "src/media/slide_control_dlg.h"
#include "src/media/slide_show.h"
#include "src/settings/multimedia_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/format_text.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/app/interface_texts.h"

namespace {

struct Language {
  const char* name;
  DWORD index;
};

void PrintTo(const Language& language, std::ostream* out) {
  *out << language.name;
}

const Language Languages[] = {{"English", 0}, {"Italian", 1}, {"French", 2},
                              {"Spanish", 3}, {"Turkish", 4}, {"Chinese", 5}};

// The media the multimedia panel and its pickers show, on drive C.
constexpr wchar_t ShowsFolder[] = L"C:\\Shows";
const wchar_t* const ShowFiles[] = {L"Milky Way tour.mp4", L"Opening music.mp3", L"Sunset sky.ovs",
                                    L"Orion nebula.png", L"Speaker notes.txt"};
struct MediaButton {
  int type;
  const wchar_t* path;
  bool folder;
};
const MediaButton MediaButtons[] = {
    {2, L"C:\\Shows\\Milky Way tour.mp4", false},
    {3, L"C:\\Shows\\Opening music.mp3", false},
    {0, L"C:\\Shows\\Sunset sky.ovs", false},
    {1, L"C:\\Shows\\Orion nebula.png", false},
    {1, L"C:\\Shows", true},
    {2, L"C:\\Shows", true},
    {0, L"C:\\Shows", true},
    {3, L"C:\\Shows", true},
    {2, L"C:\\Shows\\Gone.mp4", false},
    {0, L"C:\\Shows\\Speaker notes.txt", false},
};

constexpr wchar_t PdfDocument[] = L"C:\\Shows\\Talk notes.pdf";

// A dialog as the console opens it: run modally inside the console, or opened beside it when it
// is a viewer of that title; then, when given, what the presenter does in it before its
// captions are read.
struct GalleryDialog {
  const char* name;
  std::function<INT_PTR(TestConsoleDlg&)> run;
  std::function<void(HWND)> then = {};
  const wchar_t* viewerTitle = nullptr;
};

std::wstring IsolatedName = L"Ursa Major";

const GalleryDialog Gallery[] = {
    {"layout_chooser",
     [](TestConsoleDlg& dlg) {
       BYTE screen = 0;
       return CWhichEdition(&screen, &dlg).DoModal();
     }},
    {"date_keypad", [](TestConsoleDlg& dlg) { return CSetTimeDlg(&dlg, dlg.consoleState).DoModal(); }},
    {"world_map",
     [](TestConsoleDlg& dlg) {
       std::wstring script;
       return CMercator(&dlg, &script, FALSE, FALSE).DoModal();
     }},
    {"planet_chooser", [](TestConsoleDlg& dlg) { return CPoleDlg(&dlg, &dlg.consoleState).DoModal(); }},
    {"home_question",
     [](TestConsoleDlg& dlg) {
       return CResetPositionWnd(static_cast<int>(dlg.consoleState.language), &dlg).DoModal();
     }},
    {"about_box", [](TestConsoleDlg& dlg) { return CAboutBox(&dlg).DoModal(); }},
    {"monitoring_window",
     [](TestConsoleDlg& dlg) { return CPlaybackWnd(&dlg.consoleState, &dlg).DoModal(); }},
    {"options", [](TestConsoleDlg& dlg) { return OptionsDialog(dlg.consoleState, dlg).DoModal(); }},
    {"advanced_options",
     [](TestConsoleDlg& dlg) { return AdvancedOptions(dlg.consoleState, dlg, &dlg).DoModal(); }},
    {"rotation_speeds", [](TestConsoleDlg& dlg) { return CSpeedDialog(dlg.consoleState, &dlg).DoModal(); }},
    {"monitoring_options", [](TestConsoleDlg& dlg) { return CPlayOpt(dlg.consoleState, &dlg).DoModal(); }},
    {"event_editor", [](TestConsoleDlg& dlg) { return CEventDlg(dlg.consoleState, 1, &dlg).DoModal(); }},
    {"event_comment", [](TestConsoleDlg& dlg) { return CommentDialog(1086, &dlg).DoModal(); }},
    {"search",
     [](TestConsoleDlg& dlg) {
       return CSearchDlg(&dlg.consoleState, {true, &IsolatedName}, &dlg).DoModal();
     }},
    {"search_inside_constellations",
     [](TestConsoleDlg& dlg) {
       return CSearchDlg(&dlg.consoleState, {true, &IsolatedName}, &dlg).DoModal();
     },
     [](HWND search) { SendMessageW(search, WM_COMMAND, MAKEWPARAM(1847, BN_CLICKED), 0); }},
    {"messier_picker", [](TestConsoleDlg& dlg) { return CMessierDlg(&dlg.consoleState, &dlg).DoModal(); }},
    {"multimedia_panel",
     [](TestConsoleDlg& dlg) { return CMultimediaControlDlg(&dlg, &dlg.consoleState, false).DoModal(); }},
    {"multimedia_setup",
     [](TestConsoleDlg& dlg) { return CScriptDialog(&dlg.consoleState, &dlg).DoModal(); }},
    {"video_options",
     [](TestConsoleDlg&) {
       std::optional<VideoOptions> kept;
       return CVideoOptions(0, MediaButtons[0].path, kept).DoModal();
     }},
    {"file_picker",
     [](TestConsoleDlg& dlg) {
       dlg.mediaFolder = ShowsFolder;
       dlg.mediaKind = 2;
       CMultimediaControlDlg panel(&dlg, &dlg.consoleState, false);
       return CFolderDialog(&dlg, dlg.consoleState.language, 5, &panel).DoModal();
     }},
    {"pdf_list", [](TestConsoleDlg& dlg) { return CPDFListFileDlg(&dlg).DoModal(); }},
    {"slide_show",
     [](TestConsoleDlg& dlg) {
       CMultimediaControlDlg panel(&dlg, &dlg.consoleState, false);
       return CSlideShow(dlg.consoleState.language, 4, &dlg, &panel).DoModal();
     }},
    {"slide_remote", [](TestConsoleDlg& dlg) { return CSlideControlDlg(5, &dlg, false, 4, &dlg).DoModal(); }},
    {"player",
     [](TestConsoleDlg& dlg) {
       return CWMPlayVideo(&dlg, 50, 0, false, false, 0, 0, 640, 360, 0, MediaButtons[0].path, false)
           .DoModal();
     }},
    {"pdf_viewer",
     [](TestConsoleDlg& dlg) {
       CPDFDialog::Open(PdfDocument, &dlg);
       return INT_PTR{0};
     },
     {},
     L"PDF viewer"},
};

// A message box of the console: its text, as the console fills it, and the style it shows it with.
struct ConsoleMessage {
  UINT text;  // the block of the six languages
  UINT style;
  std::function<std::wstring(const std::wstring&)> fill = [](const std::wstring& text) { return text; };
};

constexpr wchar_t LongPath[] =
    L"C:\\Users\\Presenter\\Documents\\Orvenna Console\\Shows\\Opening night under the winter sky.ocsf";

const ConsoleMessage Messages[] = {
    {19000, MB_YESNO | MB_ICONQUESTION},
    {3490, MB_YESNO | MB_ICONQUESTION},
    {9440, MB_YESNO | MB_ICONQUESTION | MB_DONTASKAGAIN},
    {9450, MB_ICONEXCLAMATION | MB_OK,
     [](const std::wstring& text) { return FormatText(text.c_str(), L"0.24.3"); }},
    {6010, MB_ICONERROR, [](const std::wstring& text) { return FormatText(text.c_str(), 144, 144); }},
    {4310, MB_ICONERROR, [](const std::wstring& text) { return FormatText(text.c_str(), 102031); }},
    {2150, MB_ICONERROR},
    {4490, MB_ICONEXCLAMATION | MB_OK},
    {4600, MB_ICONEXCLAMATION | MB_OK},
    {10960, MB_YESNO | MB_ICONQUESTION},
    {10980, MB_ICONEXCLAMATION | MB_OK,
     [](const std::wstring& text) { return FormatText(text.c_str(), LongPath); }},
    {9590, MB_ICONEXCLAMATION, [](const std::wstring& text) { return FormatText(text.c_str(), LongPath); }},
};

// Every button and check box a box can show, each in one row or another.
constexpr UINT ButtonRows[] = {
    MB_OK | MB_HELP,
    MB_OKCANCEL | MB_DONTDISPLAYAGAIN,
    MB_ABORTRETRYIGNORE,
    MB_YESNOCANCEL | MB_YESTOALL | MB_NOTOALL,
    MB_YESNO | MB_DONTASKAGAIN,
    MB_RETRYCANCEL,
    MB_CANCELTRYCONTINUE,
    MB_CONTINUEABORT,
    MB_SKIPSKIPALLCANCEL,
    MB_IGNOREIGNOREALLCANCEL,
};

// The console's own box, and the desktop's that a program without it gets.
struct MessageBoxKind {
  const char* name;
  std::function<void(TestConsoleDlg&, const std::wstring&, UINT)> show;
};
const MessageBoxKind MessageBoxKinds[] = {
    {"console_message_box", [](TestConsoleDlg&, const std::wstring& text,
                               UINT style) { DoConsoleMessageBox(text.c_str(), style, 0); }},
    {"desktop_message_box",
     [](TestConsoleDlg& dlg, const std::wstring& text, UINT style) {
       MessageBoxW(dlg.m_hWnd, text.c_str(), L"Orvenna Console", style);
     }},
};

// The message boxes' text: a static of no id of its own.
constexpr int MessageTextId = 0xFFFF;

// Captions that the dialogs draw over more than one line, by dialog and control.
struct WrappingCaption {
  const char* dialog;
  int id;
};
constexpr WrappingCaption WrappingCaptions[] = {
    {"console_message_box", MessageTextId},
    {"desktop_message_box", MessageTextId},
    {"options", 1845},
    {"about_box", 1101},
    {"monitoring_options", 1405},
    {"monitoring_options", 1406},
    {"monitoring_options", 11098},
    {"video_options", 509},
    {"video_options", 510},
};

bool MayWrap(const std::string& dialog, int id) {
  return std::any_of(std::begin(WrappingCaptions), std::end(WrappingCaptions),
                     [&](const WrappingCaption& c) { return dialog == c.dialog && id == c.id; });
}

// One caption as its control draws it: what it needs and the room it has, in pixels.
struct DrawnCaption {
  int id;
  std::wstring text;
  SIZE oneLine;  // on one line
  SIZE wrapped;  // broken at words within the room's width
  SIZE room;
};

std::string Printable(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text)
    out += c == L'\n' ? '|' : c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

SIZE Measure(HDC dc, const std::wstring& text, int width, UINT format) {
  RECT rect{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// The caption of a plain control, measured with the font the control draws with.
DrawnCaption MeasureWithFont(HWND control, HFONT font, const std::wstring& text, SIZE room, UINT prefix) {
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, font);
  DrawnCaption caption{GetDlgCtrlID(control), text, Measure(dc, text, room.cx, DT_SINGLELINE | prefix),
                       Measure(dc, text, room.cx, DT_WORDBREAK | prefix), room};
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return caption;
}

// An image button's caption at its fitted size: its widest line within the picture's inner box,
// its last line above the button's bottom.
DrawnCaption MeasureImageButton(CBtnPlanet& key) {
  const std::wstring text = key.GetWindowText();
  CClientDC dc(&key);
  CRect client;
  key.GetClientRect(&client);
  const LOGFONTW font = key.CaptionFont(dc, client);
  CFont drawn;
  drawn.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&drawn);
  const CSize measured = CBtnPlanet::LinesExtent(dc, text);
  dc.SelectObject(previous);
  const int top = CaptionTop(client.Height(), font.lfHeight, CaptionLineCount(text), false);
  const SIZE lines{measured.cx, top + measured.cy};
  const SIZE room{client.Width() - 2 * ImageButtonCaptionRim, client.Height()};
  return {key.GetDlgCtrlID(), text, lines, lines, room};
}

// Every visible caption of the dialog's controls.
std::vector<DrawnCaption> DrawnCaptions(HWND dialog) {
  std::vector<DrawnCaption> captions;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    CWnd* wrapper = CWnd::FromHandlePermanent(child);
    wchar_t className[32]{};
    GetClassNameW(child, className, 32);
    const std::wstring text = CWnd::FromHandle(child)->GetWindowText();
    if (text.empty()) continue;
    RECT client{};
    GetClientRect(child, &client);
    const SIZE size{client.right, client.bottom};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    if (auto* key = dynamic_cast<CBtnPlanet*>(wrapper)) {
      captions.push_back(MeasureImageButton(*key));
    } else if (auto* coloured = dynamic_cast<CClrButton*>(wrapper)) {
      const LOGFONTW symbol = coloured->CaptionFont();
      HFONT drawn = CreateFontIndirectW(&symbol);
      captions.push_back(MeasureWithFont(child, drawn, text, size, 0));
      DeleteObject(drawn);
    } else if (auto* label = dynamic_cast<CStaticEx*>(wrapper)) {
      CClientDC dc(label);
      const LOGFONTW fitted = label->TextFont(dc);
      HFONT drawn = CreateFontIndirectW(&fitted);
      captions.push_back(MeasureWithFont(child, drawn, text, size, DT_EDITCONTROL));
      DeleteObject(drawn);
    } else if (std::wstring(className) == L"Static") {
      const DWORD type = style & SS_TYPEMASK;
      if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE &&
          type != SS_LEFTNOWORDWRAP)
        continue;
      captions.push_back(MeasureWithFont(child, font, text, size, (style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
    } else if (std::wstring(className) == L"Button") {
      const DWORD type = style & BS_TYPEMASK;
      SIZE room = size;
      if (type == BS_GROUPBOX) {
        room.cx -= 16;
      } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                 type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
        room.cx -= 13 + 4;
      } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        room = {size.cx - 2 * 4 - 2 * 2 - 2, size.cy - 2 * 2 - 2 * 2 - 2};
      } else {
        continue;
      }
      captions.push_back(MeasureWithFont(child, font, text, room, 0));
    }
  }
  return captions;
}

bool Within(SIZE need, SIZE room) {
  return need.cx <= room.cx && need.cy <= room.cy;
}

void ExpectDrawnWhole(const std::string& dialog, const std::vector<DrawnCaption>& captions) {
  for (const DrawnCaption& caption : captions) {
    SCOPED_TRACE(testing::Message() << dialog << " " << caption.id << " \"" << Printable(caption.text)
                                    << "\"");
    const bool wraps = MayWrap(dialog, caption.id);
    const SIZE need = wraps ? caption.wrapped : caption.oneLine;
    EXPECT_TRUE(Within(need, caption.room)) << (wraps ? "wrapped " : "one line ") << need.cx << "x" << need.cy
                                            << " in " << caption.room.cx << "x" << caption.room.cy;
  }
}

// Texts every language shows as English does: symbols, numbers, names of catalogues, bodies and
// programs, and the keys whose words stay the same for every presenter.
std::set<std::wstring> SameInEveryLanguage() {
  std::set<std::wstring> same = {L"'",
                                 L"<",
                                 L">",
                                 L"<<",
                                 L">>",
                                 L"?",
                                 L"...",
                                 L"x:",
                                 L"y:",
                                 L"00:00:00",
                                 L"1000",
                                 L"CLOSE",
                                 L"B.C./A.D.",
                                 L"PLUTONE",
                                 L"VESTA",
                                 L"MESSIER",
                                 L"MESSIER 1-30",
                                 L"MESSIER 31-60",
                                 L"MESSIER 61-90",
                                 L"MESSIER 91-110",
                                 L"MPV Player",
                                 L"Windows Media Player"};
  for (wchar_t key = L'0'; key <= L'9'; ++key)
    same.insert(std::wstring(1, key));
  for (wchar_t key = L'A'; key <= L'Z'; ++key)
    same.insert(std::wstring(1, key));
  for (int button = 1; button <= 16; ++button)
    same.insert(L"#" + std::to_wstring(button) + L":");
  return same;
}

// English texts of the dialogs that still wait for their translation, by dialog.
struct StillEnglish {
  const char* dialog;
  const wchar_t* text;
};
const StillEnglish WaitingForTranslation[] = {
    {"about_box", L"About Orvenna Console"},
    {"about_box",
     L"5.2.3 - Orvenna Console, a presenter's console for planetarium shows.\n\nHalcyra Software\n\nThis "
     L"software is "
     L"designed to be used with a digital planetarium system (fisyeye lens only!)."},
    {"about_box", L"OK"},
    {"advanced_options", L"Emergency Image File"},
    {"advanced_options", L"Player video"},
    {"advanced_options", L"Transparency: "},
    {"date_keypad", L"Cancel"},
    {"date_keypad", L"OK"},
    {"date_keypad", L"UTC / Local"},
    {"date_keypad", L"ZERO"},
    {"event_comment", L"Cancel"},
    {"event_editor", L"A body"},
    {"event_editor", L"A name"},
    {"event_editor", L"Event"},
    {"event_editor", L"Latitude"},
    {"event_editor", L"Longitude"},
    {"event_editor", L"Memo"},
    {"event_editor", L"Select an object at the end"},
    {"event_editor", L"Standing on"},
    {"file_picker", L"Choose a file"},
    {"layout_chooser", L"Cancel"},
    {"layout_chooser", L"Console on Primary screen"},
    {"layout_chooser", L"Console on Seconday Screen"},
    {"layout_chooser", L"Dome edition: the console and Orvenna on two monitors"},
    {"layout_chooser", L"OK"},
    {"layout_chooser", L"Orvenna Console - Edition"},
    {"layout_chooser", L"Training edition: both in windows on one screen"},
    {"layout_chooser", L"Which edition do you want to run? "},
    {"monitoring_options", L"Monitoring window"},
    {"multimedia_panel", L"Multimedia window"},
    {"multimedia_setup", L"Multimedia Management"},
    {"options", L"Number of monitors attached:"},
    {"options", L"System Info:"},
    {"pdf_list", L"Cancel"},
    {"pdf_list", L"Open"},
    {"pdf_list", L"PDF documents"},
    {"pdf_viewer", L"PDF viewer"},
    {"player", L"Player"},
    {"search", L"OK"},
    {"search", L"SPACE"},
    {"search_inside_constellations", L"OK"},
    {"search_inside_constellations", L"SPACE"},
    {"slide_remote", L"Slide show remote"},
    {"slide_show", L"Slide show"},
};

bool WaitsForTranslation(const std::string& dialog, const std::wstring& text) {
  return std::any_of(std::begin(WaitingForTranslation), std::end(WaitingForTranslation),
                     [&](const StillEnglish& e) { return dialog == e.dialog && text == e.text; });
}

// What a presenter reads on a window: its title, its controls' captions and their tooltips.
std::vector<std::wstring> TextsShown(HWND window) {
  std::vector<std::wstring> texts{CWnd::FromHandle(window)->GetWindowText()};
  for (const DrawnCaption& caption : DrawnCaptions(window))
    texts.push_back(caption.text);
  for (HWND tooltip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tooltip != nullptr;
       tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) {
    const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
      TOOLINFOW tool{};
      tool.cbSize = sizeof(tool);
      if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool)))
        continue;
      HWND owner = (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
      if (owner != window && !IsChild(window, owner)) continue;
      wchar_t text[1024]{};
      tool.lpszText = text;
      SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
      texts.emplace_back(text);
    }
  }
  return texts;
}

// The texts of a window that are English where the language has a text of its own.
std::vector<std::wstring> EnglishLeftIn(const std::string& dialog, const std::vector<std::wstring>& shown,
                                        int language) {
  static const std::set<std::wstring> english = EnglishTexts();
  static const std::set<std::wstring> same = SameInEveryLanguage();
  const std::set<std::wstring> translated = StringTableTexts(language);
  std::vector<std::wstring> left;
  for (const std::wstring& text : shown)
    if (english.contains(text) && !translated.contains(text) && !same.contains(text) &&
        !WaitsForTranslation(dialog, text))
      left.push_back(text);
  return left;
}

// The first of the box's own push buttons other than Help, which ends it.
int AnswerOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32]{};
    GetClassNameW(child, className, 32);
    const DWORD type = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE)) & BS_TYPEMASK;
    if (std::wstring(className) == L"Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
        GetDlgCtrlID(child) != IDHELP)
      return GetDlgCtrlID(child);
  }
  return IDCANCEL;
}

class DialogCaptionsTest : public ConsoleDialogTest, public ::testing::WithParamInterface<Language> {
 protected:
  DialogCaptionsTest() : ConsoleDialogTest(std::vector<RECT>{{0, 0, 1920, 1080}}) {}

  void SetUp() override {
    SettingsWriter().Dword(L"Language", GetParam().index);
    PrepareMedia();
    WriteConsoleOptions();
    StartOrvenna();
    StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
    ChooseLayout(CWhichEdition::TrainingRadio);
    machine.advance(20000);
    ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
    ASSERT_NE(MainDialog(), nullptr);
    // What the application object does before the main dialog opens, for the PDF viewer's control.
    Run([](TestConsoleDlg&) {
      AfxOleInit();
      AfxEnableControlContainer();
    });
  }

  void PrepareMedia() {
    const std::filesystem::path shows = machine.data_folder() / "C" / "Shows";
    std::filesystem::create_directories(shows);
    for (const wchar_t* name : ShowFiles)
      std::ofstream(shows / name) << "x";
    ASSERT_EQ(pdf_reader::install_pdf_reader(), ERROR_SUCCESS);
    std::ofstream(shows / "Talk notes.pdf", std::ios::binary)
        << pdf_reader::write_pdf(pdf_reader::numbered_pages(2));
    ScriptButtons buttons = LoadScriptButtons();
    std::array<bool, MultimediaButtonCount> folders{};
    for (std::size_t k = 0; k < std::size(MediaButtons); ++k) {
      buttons.types[k] = MediaButtons[k].type;
      buttons.names[k] = MediaButtons[k].path;
      folders[k] = MediaButtons[k].folder;
    }
    SaveScriptButtons(buttons);
    SaveUseFolderFlags(folders);
  }

  // Opens the dialog, reads its captions, writes its picture when asked and closes it.
  std::vector<DrawnCaption> CaptionsOf(const GalleryDialog& shown) {
    std::vector<DrawnCaption> captions;
    Read(shown, [&](HWND dialog) { captions = DrawnCaptions(dialog); });
    return captions;
  }

  // Opens the dialog, lets read look at it inside the console, writes its picture when asked and
  // closes it.
  void Read(const GalleryDialog& shown, const std::function<void(HWND)>& read) {
    HWND main = MainDialog();
    Run([&shown](TestConsoleDlg& dlg) { shown.run(dlg); });
    HWND dialog = shown.viewerTitle ? FindWindowW(WC_DIALOG, shown.viewerTitle) : user.target_window();
    EXPECT_NE(dialog, main) << shown.name << " did not open";
    if (dialog == main || dialog == nullptr) return;
    if (HWND box = MessageBoxShown()) {
      ADD_FAILURE() << shown.name << " told the presenter: " << Printable(MessageBoxText(box));
      return;
    }
    if (shown.then) {
      Run([&](TestConsoleDlg&) { shown.then(dialog); });
      machine.run_until_idle();
    }
    Run([&](TestConsoleDlg&) { read(dialog); });
    if (const char* folder = std::getenv("OC_DIALOG_PICTURES")) {
      std::filesystem::create_directories(folder);
      EXPECT_TRUE(view::write_screenshot(machine,
                                         std::filesystem::path(folder) / (std::string(shown.name) + ".png")));
    }
    if (shown.viewerTitle) {
      SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      machine.advance(1000);
      EXPECT_FALSE(IsWindow(dialog)) << shown.name << " did not close";
      return;
    }
    Run([dialog](TestConsoleDlg&) {
      static_cast<CDialog*>(CWnd::FromHandlePermanent(dialog))->EndDialog(IDCANCEL);
    });
    machine.advance(1000);
    EXPECT_EQ(user.target_window(), main) << shown.name << " did not close";
  }

  driver::DesktopUser user{machine};
  std::shared_ptr<pdf_reader::ReaderProbe> reader = pdf_reader::register_pdf_reader(machine);
};

TEST_P(DialogCaptionsTest, EveryCaptionOfEveryDialogIsDrawnWhole) {
  for (const GalleryDialog& shown : Gallery)
    ExpectDrawnWhole(shown.name, CaptionsOf(shown));
}

TEST_P(DialogCaptionsTest, EveryTextOfEveryDialogIsInTheInterfaceLanguage) {
  const int language = static_cast<int>(GetParam().index);
  if (language == 0) GTEST_SKIP() << "English is the language the others are read against";
  auto expectTranslated = [language](const char* name, HWND window) {
    for (const std::wstring& text : EnglishLeftIn(name, TextsShown(window), language))
      ADD_FAILURE() << name << " shows \"" << Printable(text) << "\" in English";
  };
  HWND main = MainDialog();
  Run([&](TestConsoleDlg&) { expectTranslated("main_window", main); });
  for (const GalleryDialog& shown : Gallery)
    Read(shown, [&](HWND dialog) { expectTranslated(shown.name, dialog); });
}

TEST_P(DialogCaptionsTest, EveryMessageBoxShowsItsTextAndButtonsWhole) {
  const DWORD language = GetParam().index;
  std::vector<std::pair<std::wstring, UINT>> boxes;
  // The texts come from the console's own string table.
  Run([&](TestConsoleDlg&) {
    for (const ConsoleMessage& message : Messages)
      boxes.emplace_back(message.fill(LoadConsoleString(message.text + language)), message.style);
    for (UINT row : ButtonRows)
      boxes.emplace_back(LoadConsoleString(Messages[0].text + language), row);
  });
  for (const MessageBoxKind& kind : MessageBoxKinds) {
    for (const auto& [text, style] : boxes) {
      SCOPED_TRACE(testing::Message() << kind.name << " style " << std::hex << style);
      HWND main = MainDialog();
      Run([&](TestConsoleDlg& dlg) { kind.show(dlg, text, style); });
      HWND box = user.target_window();
      ASSERT_NE(box, main) << Printable(text) << " did not show";
      std::vector<DrawnCaption> captions;
      Run([&](TestConsoleDlg&) { captions = DrawnCaptions(box); });
      ExpectDrawnWhole(kind.name, captions);
      EXPECT_TRUE(std::any_of(captions.begin(), captions.end(),
                              [](const DrawnCaption& caption) { return caption.id == MessageTextId; }))
          << Printable(text) << " was not read";
      RECT frame{};
      GetWindowRect(box, &frame);
      MONITORINFO monitor{};
      monitor.cbSize = sizeof(monitor);
      GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
      RECT whole{};
      EXPECT_TRUE(IntersectRect(&whole, &frame, &monitor.rcWork) && EqualRect(&whole, &frame))
          << Printable(text) << " runs off its monitor's work area";
      SendMessageW(box, WM_COMMAND, MAKEWPARAM(AnswerOf(box), BN_CLICKED), 0);
      machine.advance(1000);
      ASSERT_FALSE(IsWindow(box)) << "the box did not close";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogCaptionsTest, ::testing::ValuesIn(Languages),
                         [](const ::testing::TestParamInfo<Language>& info) { return info.param.name; });

}  // namespace
