// The event editor in a program of its own, driven with the desktop's mouse and keyboard: what
// it shows of a stored slot, what SAVE refuses and says, and what it stores under each slot's
// names; its comment.
#include <map>
#include <optional>
#include <string>

#include "platform/win/win32.h"
#include "src/dialogs/comment_dialog.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/events/event_dlg_ids.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/place_list.h"
#include "src/util/user_folder.h"
#include "tests/dialogs/chooser_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using namespace EventDlgIds;

constexpr int MarsBody = 54;
constexpr int IoBody = 39;

// A slot as an earlier SAVE left it.
struct StoredSlot {
  int kind = EventSetsBothKind;
  bool enabled = true;
  const wchar_t* date = L"2026/3/7";
  int hour = 12;
  int minute = 5;
  int second = 9;
  const wchar_t* latitude = L"45 15 0 N";
  const wchar_t* longitude = L"12 30 0 W";
  int body = DefaultEventBody;
  const wchar_t* memo = L"Rome";
  bool viewStored = true;
  EventViewFlags view{};
  EventTarget target{};
};

// Every value of the console's key goes, so that each case starts from what it stores.
void Store(int slot, const StoredSlot& s) {
  RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
  CConsoleState state;
  EventRecord record;
  record.date = s.date;
  record.memo = s.memo;
  record.hour = s.hour;
  record.minute = s.minute;
  record.second = s.second;
  record.enabled = s.enabled;
  record.latitude = s.latitude;
  record.longitude = s.longitude;
  record.kind = s.kind;
  record.body = s.body;
  SaveEventRecord(state, slot, record);
  if (s.viewStored) SaveEventViewFlags(slot, s.view);
  SaveEventTarget(slot, s.target);
}

std::optional<std::wstring> StoredText(const std::wstring& name) {
  return SettingsReader().Text(name, 1001);
}

std::optional<int> StoredNumber(const std::wstring& name) {
  return SettingsReader().Int(name);
}

class EventDlgTest : public ChooserTest {
 protected:
  void open_editor(int eventNumber) {
    open([eventNumber](CWnd* owner) { return CEventDlg(owner, eventNumber).DoModal(); });
  }
  bool checked(int id) const { return SendMessageW(user.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool enabled(int id) const { return IsWindowEnabled(user.control(id)) != FALSE; }
  int selection(int id) const { return static_cast<int>(SendMessageW(user.control(id), CB_GETCURSEL, 0, 0)); }
  void set_text(int id, const std::wstring& text) {
    SendMessageW(user.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // The field emptied, then typed into with the keyboard.
  void enter(int id, const std::wstring& text) {
    set_text(id, L"");
    ASSERT_TRUE(user.click(id));
    ASSERT_TRUE(user.type(text));
  }
  std::wstring place(int first) const {
    std::wstring text;
    for (int id = first; id < first + 4; ++id)
      text += user.text_of(id) + (id < first + 3 ? L" " : L"");
    return text;
  }
  // SAVE with the mouse; the message it may show is answered.
  void save() {
    user.answer_next_message_box(IDOK);
    ASSERT_TRUE(user.click(Save));
    if (user.pending_answers() > 0) user.answer_next_message_box(-1);
  }
  std::wstring last_message() const {
    const auto boxes = user.message_boxes();
    return boxes.empty() ? L"" : boxes.back().text;
  }
};

struct LoadCase {
  const char* name;
  StoredSlot slot;
  int kindRadio;
  // Enabled states: date edit, latitude degrees, standing body, target check, target body list,
  // target name.
  std::array<bool, 6> enabledControls;
  std::array<bool, 4> switches;  // atmosphere, fog, auto-zoom, moon scale
};

const LoadCase LoadCases[] = {
    {"date only", {.kind = EventSetsDateKind}, DateOnly, {true, false, false, false, false, false}, {}},
    {"place only, a body to look at",
     {.kind = EventGoesToPlaceKind,
      .body = MarsBody,
      .view = {false, true, true, false},
      .target = {true, true, false, IoBody, L""}},
     PlaceOnly,
     {false, true, true, true, true, false},
     {false, true, true, false}},
    {"both, a name to look for",
     {.view = {true, true, false, true}, .target = {true, false, true, DefaultEventBody, L"Orion"}},
     DateAndPlace,
     {true, true, true, true, false, true},
     {true, true, false, true}},
    {"switched off, place only", {.kind = EventGoesToPlaceKind, .enabled = false}, PlaceOnly, {}, {}},
    {"no switches stored, on the Earth",
     {.viewStored = false},
     DateAndPlace,
     {true, true, true, true, false, false},
     {true, true, false, true}},
    {"no switches stored, on Mars",
     {.body = MarsBody, .viewStored = false},
     DateAndPlace,
     {true, true, true, true, false, false},
     {}},
};

TEST_F(EventDlgTest, ASlotOpensAsItWasStoredAndEnablesWhatItsKindUses) {
  for (const LoadCase& c : LoadCases) {
    SCOPED_TRACE(c.name);
    Store(2, c.slot);
    open_editor(3);
    ASSERT_TRUE(open_now());
    EXPECT_EQ(user.text_of(EventGroup), L"Event #3");
    EXPECT_EQ(checked(Enabled), c.slot.enabled);
    for (int radio : {DateOnly, PlaceOnly, DateAndPlace})
      EXPECT_EQ(checked(radio), radio == c.kindRadio) << radio;
    EXPECT_EQ(user.text_of(Date), c.slot.date);
    EXPECT_EQ(user.text_of(Time), L"12:05:09");
    EXPECT_EQ(user.text_of(Memo), c.slot.memo);
    EXPECT_EQ(place(1800), c.slot.latitude);
    EXPECT_EQ(place(1804), c.slot.longitude);
    EXPECT_EQ(selection(StandingBody), c.slot.body);
    EXPECT_EQ(selection(TargetBody), c.slot.target.body);
    EXPECT_EQ(user.text_of(TargetName), c.slot.target.name);
    EXPECT_EQ(checked(WantTarget), c.slot.target.wantTarget);
    EXPECT_EQ(checked(Landscape), c.slot.target.centerOnObject);
    const std::array<int, 6> controls{Date, 1800, StandingBody, WantTarget, TargetBody, TargetName};
    for (std::size_t i = 0; i < controls.size(); ++i)
      EXPECT_EQ(enabled(controls[i]), c.enabledControls[i]) << controls[i];
    const std::array<int, 4> switches{Atmosphere, Fog, AutoZoom, MoonScale};
    for (std::size_t i = 0; i < switches.size(); ++i)
      EXPECT_EQ(checked(switches[i]), c.switches[i]) << switches[i];
    ASSERT_TRUE(user.click(IDCANCEL));
    EXPECT_EQ(result(), CEventDlg::Cancelled);
  }
}

TEST_F(EventDlgTest, TheBodyListsHoldTheBodiesInTheStoredOrderInTheInterfaceLanguage) {
  Store(0, {});
  set_language(2);
  open_editor(1);
  for (int id : {StandingBody, TargetBody}) {
    HWND list = user.control(id);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 62);
    auto item = [list](int index) {
      wchar_t text[64] = {};
      SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
      return std::wstring(text);
    };
    EXPECT_EQ(item(0), L"Eris");
    EXPECT_EQ(item(39), L"Io");
    EXPECT_EQ(item(54), L"MARS");
    EXPECT_EQ(item(61), L"TERRE");
  }
  EXPECT_EQ(user.text_of(Save), L"SAUVEGARDER");
}

TEST_F(EventDlgTest, AStoredLanguageThatNamesNoneShowsTheDefaultTexts) {
  Store(0, {});
  set_language(9);
  open_editor(1);
  EXPECT_EQ(user.text_of(Save), L"SAVE");
  EXPECT_EQ(user.text_of(EventGroup), L"Event #1");
}

// Place fields and the date as the presenter left them before SAVE.
struct FieldText {
  int id;
  const wchar_t* text;
};

constexpr wchar_t DateMessage[] = L"The date is not in a valid format. Please enter a valid date.";
std::wstring PlaceMessage(int number) {
  return L"Out of range parameters. Please verify the data you entered.\n\nError # " +
         std::to_wstring(number) + L".";
}

struct RefusedCase {
  std::vector<FieldText> inputs;  // the last one is the field that must take the focus
  int number;                     // 0: the date's message
};

const RefusedCase RefusedCases[] = {
    {{{1800, L"91"}}, 100070},
    {{{1800, L"90"}, {1801, L"00"}, {1802, L"01"}, {1800, L"90"}}, 100070},
    {{{1800, L""}}, 100070},
    {{{1801, L"60"}}, 100069},
    {{{1801, L""}}, 100069},
    {{{1802, L"60"}}, 100068},
    {{{1802, L"5x"}}, 100068},
    {{{1803, L"E"}}, 100067},
    {{{1803, L""}}, 100067},
    {{{1804, L"181"}}, 100066},
    {{{1804, L"180"}, {1805, L"00"}, {1806, L"01"}, {1804, L"180"}}, 100066},
    {{{1805, L"60"}}, 100065},
    {{{1806, L""}}, 100064},
    {{{1807, L"N"}}, 100063},
    {{{Date, L"2025/2/30"}}, 0},
    {{{Date, L"2025/0/1"}}, 0},
    {{{Date, L"20-25/1/1"}}, 0},
    {{{Date, L"1582/10/10"}}, 0},
    {{{Date, L"2025/1"}}, 0},
    {{{Date, L""}}, 0},
};

TEST_F(EventDlgTest, SaveRefusesEachBadEntryWithItsMessageAndWritesNothing) {
  for (const RefusedCase& c : RefusedCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.inputs.back().text)) + " in " +
                 std::to_string(c.inputs.back().id));
    Store(0, {.memo = L"kept"});
    open_editor(1);
    ASSERT_TRUE(user.click(MoonScale));
    for (const FieldText& input : c.inputs)
      set_text(input.id, input.text);
    save();
    EXPECT_TRUE(open_now());
    EXPECT_EQ(last_message(), c.number == 0 ? std::wstring(DateMessage) : PlaceMessage(c.number));
    EXPECT_EQ(focused_id(), c.inputs.back().id);
    EXPECT_EQ(StoredNumber(L"Moon4x_1"), 0);
    ASSERT_TRUE(user.click(IDCANCEL));
  }
}

// Edge values that pass, and the text stored for them.
struct AcceptedCase {
  std::vector<FieldText> inputs;
  const wchar_t* valueName;
  const wchar_t* stored;
};

const AcceptedCase AcceptedCases[] = {
    {{{1800, L"90"}, {1801, L"00"}, {1802, L"00"}, {1803, L"N"}}, L"Lat_1", L"90 00 00 N"},
    {{{1801, L"59"}, {1803, L"s"}}, L"Lat_1", L"45 59 0 S"},
    {{{1804, L"180"}, {1805, L"00"}, {1806, L"00"}, {1807, L"e"}}, L"Long_1", L"180 00 00 E"},
    {{{Date, L"-500/3/1"}}, L"Date_1", L"-500/3/1"},
    {{{Date, L"1582/10/15"}}, L"Date_1", L"1582/10/15"},
};

TEST_F(EventDlgTest, EdgeEntriesAreStoredAsTyped) {
  for (const AcceptedCase& c : AcceptedCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.stored)));
    Store(0, {});
    open_editor(1);
    for (const FieldText& input : c.inputs)
      enter(input.id, input.text);
    save();
    EXPECT_EQ(result(), CEventDlg::Saved);
    EXPECT_TRUE(user.message_boxes().empty() || user.message_boxes().back().answer != 0);
    EXPECT_EQ(StoredText(c.valueName), c.stored);
  }
}

TEST_F(EventDlgTest, AnEventThatDoesNotSetTheDateKeepsItsDateUnchecked) {
  Store(0, {.kind = EventGoesToPlaceKind, .date = L"2025/2/30"});
  open_editor(1);
  ASSERT_TRUE(user.click(MoonScale));
  ASSERT_TRUE(user.click(Save));
  EXPECT_EQ(result(), CEventDlg::Saved);
  EXPECT_TRUE(user.message_boxes().empty());
  EXPECT_EQ(StoredText(L"Date_1"), L"2025/2/30");
}

TEST_F(EventDlgTest, PlaceFieldsTakeDigitsUpToTheirLength) {
  Store(0, {});
  open_editor(1);
  set_text(1800, L"");
  ASSERT_TRUE(user.click(1800));
  ASSERT_TRUE(user.type(L"4a5x67"));
  EXPECT_EQ(user.text_of(1800), L"456");
  set_text(1801, L"");
  ASSERT_TRUE(user.click(1801));
  ASSERT_TRUE(user.type(L"123"));
  EXPECT_EQ(user.text_of(1801), L"12");
}

TEST_F(EventDlgTest, AnImpossibleDateWithEnterRightAfterItIsRefused) {
  Store(0, {});
  open_editor(1);
  set_text(Date, L"");
  ASSERT_TRUE(user.click(Date));
  ASSERT_TRUE(user.type(L"2025/2/30"));
  user.answer_next_message_box(IDOK);
  ASSERT_TRUE(user.key("RETURN"));
  EXPECT_TRUE(open_now());
  EXPECT_EQ(user.message_boxes().size(), 1u);
  EXPECT_EQ(last_message(), DateMessage);
  EXPECT_EQ(focused_id(), Date);
  EXPECT_EQ(StoredText(L"Date_1"), L"2026/3/7");
}

TEST_F(EventDlgTest, LeavingABadDateForAnotherFieldSaysSoAndReturnsToIt) {
  Store(0, {});
  open_editor(1);
  set_text(Date, L"");
  ASSERT_TRUE(user.click(Date));
  ASSERT_TRUE(user.type(L"2025/13/1"));
  user.answer_next_message_box(IDOK);
  ASSERT_TRUE(user.click(Memo));
  EXPECT_EQ(last_message(), DateMessage);
  EXPECT_EQ(focused_id(), Date);
}

TEST_F(EventDlgTest, WithoutAChangeSaveEndsWithOneAndWritesNothing) {
  Store(0, {});
  open_editor(1);
  ASSERT_TRUE(user.click(Memo));
  ASSERT_TRUE(user.click(Save));
  EXPECT_EQ(result(), CEventDlg::Unchanged);
  EXPECT_EQ(StoredNumber(L"Moon4x_1"), 0);

  open_editor(1);
  ASSERT_TRUE(user.click(MoonScale));
  ASSERT_TRUE(user.click(Save));
  EXPECT_EQ(result(), CEventDlg::Saved);
  EXPECT_EQ(StoredNumber(L"Moon4x_1"), 1);
}

TEST_F(EventDlgTest, AMemoTypedAndSavedWithEnterIsStored) {
  Store(0, {});
  open_editor(1);
  set_text(Memo, L"");
  ASSERT_TRUE(user.click(Memo));
  ASSERT_TRUE(user.type(L"Mars \"rise\""));
  ASSERT_TRUE(user.key("RETURN"));
  EXPECT_EQ(result(), CEventDlg::Saved);
  EXPECT_EQ(StoredText(L"Memo_1"), L"Mars \"rise\"");
}

TEST_F(EventDlgTest, AnUnreadableHalfOfTheStoredPlaceOpensAsZeroAndSaveRepairsOnlyThatHalf) {
  struct Case {
    const char* what;
    const wchar_t* latitude;
    const wchar_t* longitude;
    std::size_t messages;
    const wchar_t* latitudeStored;
    const wchar_t* longitudeStored;
  };
  const Case cases[] = {
      {"the latitude", L"north", L"12 30 0 W", 1, L"000 00 00 N", L"12 30 0 W"},
      {"the longitude", L"45 15 0 N", L"12 30", 1, L"45 15 0 N", L"000 00 00 E"},
      {"both", L"north", L"west", 2, L"000 00 00 N", L"000 00 00 E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Store(1, {.latitude = c.latitude, .longitude = c.longitude});
    const std::size_t before = user.message_boxes().size();
    for (std::size_t i = 0; i < c.messages; ++i)
      user.answer_next_message_box(IDOK);
    open_editor(2);
    ASSERT_TRUE(user.wait(0));
    ASSERT_TRUE(open_now());
    EXPECT_EQ(user.message_boxes().size() - before, c.messages);
    EXPECT_EQ(place(1800), c.latitudeStored);
    EXPECT_EQ(place(1804), c.longitudeStored);
    ASSERT_TRUE(user.click(Save));
    EXPECT_EQ(result(), CEventDlg::Saved);
    EXPECT_EQ(StoredText(L"Lat_2"), c.latitudeStored);
    EXPECT_EQ(StoredText(L"Long_2"), c.longitudeStored);
  }
}

TEST_F(EventDlgTest, TheLongestTargetNameTypedIsTheOneReadBack) {
  Store(0, {.target = {true, false, false, MarsBody, L""}});
  open_editor(1);
  const std::wstring typed(EventTargetNameLongest + 20, L'x');
  ASSERT_TRUE(user.click(TargetName));
  ASSERT_TRUE(user.type(typed));
  ASSERT_TRUE(user.click(Save));
  ASSERT_EQ(result(), CEventDlg::Saved);
  const std::wstring kept = typed.substr(0, EventTargetNameLongest);
  EXPECT_EQ(StoredText(L"TargetName_1"), kept);
  EXPECT_EQ(LoadEventTarget(0).name, kept);
}

TEST_F(EventDlgTest, ChoicesEnableTheControlsTheyUse) {
  Store(0, {.target = {true, true, false, MarsBody, L""}});
  open_editor(1);
  ASSERT_TRUE(user.click(DateOnly));
  EXPECT_FALSE(enabled(1800));
  EXPECT_FALSE(enabled(WantTarget));
  EXPECT_TRUE(enabled(Time));
  ASSERT_TRUE(user.click(PlaceOnly));
  EXPECT_TRUE(enabled(1800));
  EXPECT_FALSE(enabled(Time));
  EXPECT_TRUE(enabled(TargetBody));
  ASSERT_TRUE(user.click(TargetIsName));
  EXPECT_FALSE(enabled(TargetBody));
  EXPECT_TRUE(enabled(TargetName));
  EXPECT_EQ(focused_id(), TargetName);
  ASSERT_TRUE(user.click(WantTarget));
  EXPECT_FALSE(enabled(TargetName));
  EXPECT_FALSE(enabled(AutoZoom));
  ASSERT_TRUE(user.click(WantTarget));
  EXPECT_TRUE(checked(TargetIsBody)) << "the stored choice comes back";
  ASSERT_TRUE(user.click(Enabled));
  for (int id : {Date, Time, 1800, StandingBody, Memo, Comment, DateOnly, Atmosphere, WantTarget, TargetBody})
    EXPECT_FALSE(enabled(id)) << id;
  EXPECT_FALSE(user.choose(StandingBody, MarsBody));
}

TEST_F(EventDlgTest, ChoosingTheEarthSwitchesTheAtmosphereAndTheFogOn) {
  Store(0, {.body = MarsBody});
  open_editor(1);
  ASSERT_TRUE(user.choose(StandingBody, DefaultEventBody));
  EXPECT_TRUE(checked(Atmosphere));
  EXPECT_TRUE(checked(Fog));
  ASSERT_TRUE(user.choose(StandingBody, IoBody));
  EXPECT_FALSE(checked(Atmosphere));
  EXPECT_FALSE(checked(Fog));
}

TEST_F(EventDlgTest, ThePresetsSetTheLatitudeAlone) {
  Store(0, {});
  open_editor(1);
  const std::map<int, std::wstring> presets{
      {NorthPole, L"90 00 00 N"}, {SouthPole, L"90 00 00 S"}, {Equator, L"00 00 00 N"}};
  for (const auto& [id, latitude] : presets) {
    ASSERT_TRUE(user.click(id));
    EXPECT_EQ(place(1800), latitude);
    EXPECT_EQ(place(1804), L"12 30 0 W");
  }
}

struct HomeCase {
  const wchar_t* home;
  const wchar_t* latitude;
  const wchar_t* longitude;
};

// The seconds come from the first two decimals alone, as the minutes were kept in single
// precision: 59.9139 gives 35 seconds.
const HomeCase HomeCases[] = {
    {L"Quito, Ecuador", L"0 10 48 S", L"78 27 36 W"},
    {L"oslo", L"59 54 35 N", L"10 45 0 E"},
};

TEST_F(EventDlgTest, CurrentLocationTakesTheHomePlaceFromOrvennasPlaceList) {
  for (const HomeCase& c : HomeCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.home)));
    Store(0, {});
    SaveHomeLocation(c.home);
    CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr);
    write_file(PlaceListPath().c_str(),
               "Oslo\tOslo\tNO\tC\t1\t59.9139N\t10.7522E\r\n"
               "Quito\tPichincha\tEC\tC\t1\t0.1807S\t78.4678W\r\n");
    open_editor(1);
    ASSERT_TRUE(user.click(CurrentPlace));
    EXPECT_EQ(place(1800), c.latitude);
    EXPECT_EQ(place(1804), c.longitude);
  }
  SaveHomeLocation(L"Atlantis, Nowhere");
  open_editor(1);
  user.answer_next_message_box(IDOK);
  ASSERT_TRUE(user.click(CurrentPlace));
  EXPECT_EQ(last_message(),
            L"The location you have set doesn't exist or some problem occured while reading Orvenna's "
            L"\u00abbase_locations.txt\u00bb file.");
  EXPECT_EQ(place(1800), L"45 15 0 N");
}

// What SAVE stores for each slot, from what the presenter did in the editor.
struct WrittenCase {
  int eventNumber;
  int kindRadio;
  std::vector<FieldText> texts;
  int standingBody;
  std::vector<int> clicks;
  std::map<std::wstring, std::wstring> texts_stored;
  std::map<std::wstring, int> numbers_stored;
};

const WrittenCase WrittenCases[] = {
    {1,
     DateOnly,
     {{Date, L"2027/12/31"}, {Memo, L"New year"}},
     DefaultEventBody,
     {},
     {{L"Date_1", L"2027/12/31"}, {L"Memo_1", L"New year"}, {L"Lat_1", L"45 15 0 N"}},
     {{L"flags_1", 1}, {L"Act_1", 1}, {L"planet_1", 61}, {L"WantTarget_1", 0}}},
    {3,
     PlaceOnly,
     {{1800, L"10"}, {1803, L"S"}, {1804, L"000"}, {1805, L"30"}, {1806, L"00"}},
     IoBody,
     {WantTarget, TargetIsBody, AutoZoom, Landscape},
     {{L"Lat_3", L"10 15 0 S"}, {L"Long_3", L"000 30 00 W"}},
     {{L"flags_3", 2},
      {L"planet_3", IoBody},
      {L"WantTarget_3", 1},
      {L"DefaultTarget_3", 1},
      {L"Autozoom_3", 1},
      {L"Center On Object 3", 1},
      {L"WantAtmo_3", 0},
      {L"DefPos_3", 61}}},
    {5,
     DateAndPlace,
     {{Memo, L"Orion <from> \"Venus\""}},
     56,
     {WantTarget, TargetIsName, Fog},
     {{L"TargetName_5", L"Orion"}, {L"Memo_5", L"Orion <from> \"Venus\""}},
     {{L"flags_5", 4}, {L"planet_5", 56}, {L"DefaultTarget_5", 0}, {L"WantFog_5", 1}, {L"Act_5", 1}}},
};

TEST_F(EventDlgTest, SaveStoresEachSlotUnderItsOwnNames) {
  for (const WrittenCase& c : WrittenCases) {
    SCOPED_TRACE(c.eventNumber);
    Store(c.eventNumber - 1, {});
    open_editor(c.eventNumber);
    ASSERT_TRUE(user.click(c.kindRadio));
    for (const FieldText& text : c.texts)
      set_text(text.id, text.text);
    if (c.standingBody != DefaultEventBody) {
      ASSERT_TRUE(user.choose(StandingBody, c.standingBody));
    }
    for (int id : c.clicks)
      ASSERT_TRUE(user.click(id)) << id;
    if (c.kindRadio == DateAndPlace) {
      ASSERT_TRUE(user.click(TargetName));
      ASSERT_TRUE(user.type(L"Orion"));
    }
    const bool setsTime = c.kindRadio != PlaceOnly;
    if (setsTime) {
      ASSERT_TRUE(user.set_time(Time, 21, 30, 7));
    }
    ASSERT_TRUE(user.click(Save));
    ASSERT_EQ(result(), CEventDlg::Saved);
    for (const auto& [name, text] : c.texts_stored)
      EXPECT_EQ(StoredText(name), text) << name;
    for (const auto& [name, number] : c.numbers_stored)
      EXPECT_EQ(StoredNumber(name), number) << name;
    const std::wstring n = std::to_wstring(c.eventNumber);
    EXPECT_EQ(StoredNumber(L"Hour_" + n), setsTime ? 21 : 12);
    EXPECT_EQ(StoredNumber(L"Min_" + n), setsTime ? 30 : 5);
    EXPECT_EQ(StoredNumber(L"Sec_" + n), setsTime ? 7 : 9);
  }
  EXPECT_FALSE(StoredText(L"Date_2").has_value());
  EXPECT_FALSE(StoredText(L"Date_4").has_value());
}

class CommentDialogTest : public ChooserTest {
 protected:
  void open_comment(int slot) {
    open([slot](CWnd* owner) { return CommentDialog(1086 + slot, owner).DoModal(); });
  }
  static constexpr int Edit = 1056;
  static constexpr int Left = 106;
};

TEST_F(CommentDialogTest, ItShowsTheStoredCommentAndTheCharactersLeft) {
  SettingsWriter().Text(L"Comment_4", L"Look east");
  open_comment(3);
  EXPECT_EQ(user.window_text(dialog()), L"Comment for the event # 4");
  EXPECT_EQ(user.text_of(Edit), L"Look east");
  EXPECT_EQ(user.text_of(Left), L"991");
  EXPECT_EQ(focused_id(), Edit);
  ASSERT_TRUE(user.type(L"!"));
  EXPECT_EQ(user.text_of(Left), std::to_wstring(1000 - user.text_of(Edit).size()));
}

TEST_F(CommentDialogTest, APastedTextIsCutToAThousandCharacters) {
  open_comment(0);
  const std::wstring pasted(1200, L'x');
  SendMessageW(user.control(Edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pasted.c_str()));
  EXPECT_EQ(user.text_of(Edit).size(), 1000u);
  EXPECT_EQ(user.text_of(Left), L"0");
  ASSERT_TRUE(user.click(103));
  EXPECT_EQ(result(), CommentDialog::Saved);
  EXPECT_EQ(StoredText(L"Comment_1"), std::wstring(1000, L'x'));
}

TEST_F(CommentDialogTest, SaveKeepsTheTextAsTypedAndCancelKeepsTheStoredOne) {
  SettingsWriter().Text(L"Comment_2", L"before");
  open_comment(1);
  ASSERT_TRUE(user.type(L" \"now\""));
  ASSERT_TRUE(user.click(IDCANCEL));
  EXPECT_EQ(result(), CommentDialog::Cancelled);
  EXPECT_EQ(StoredText(L"Comment_2"), L"before");
  open_comment(1);
  ASSERT_TRUE(user.type(L"after \"now\""));
  const std::wstring typed = user.text_of(Edit);
  EXPECT_NE(typed.find(L"after \"now\""), std::wstring::npos) << typed;
  ASSERT_TRUE(user.click(103));
  EXPECT_EQ(result(), CommentDialog::Saved);
  EXPECT_EQ(StoredText(L"Comment_2"), typed);
}

}  // namespace
