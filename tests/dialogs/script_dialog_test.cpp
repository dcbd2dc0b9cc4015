// The multimedia set-up and its video options, driven with the mouse: rows shown from the
// registry, the checks of SAVE, and what a cancel leaves behind.
#include "src/media/script_dialog.h"

#include <map>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/media/players/video_options.h"
#include "src/settings/ini_files.h"
#include "src/util/user_folder.h"
#include "tests/dialogs/dialog_program.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/registry_values.h"

namespace {

using Registry = std::map<std::wstring, std::vector<BYTE>>;

constexpr int Enable = CScriptDialog::FirstEnableCheck;
constexpr int Folder = CScriptDialog::FirstFolderCheck;
constexpr int Type = CScriptDialog::FirstTypeList;
constexpr int Path = CScriptDialog::FirstPathEdit;
constexpr int Advanced = CScriptDialog::FirstAdvancedButton;

desktop::DesktopConfig WideMonitor() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 2560, 1440}}};
  return config;
}

testing::AssertionResult Done(const driver::Outcome& outcome) {
  return outcome ? testing::AssertionSuccess() : testing::AssertionFailure() << outcome.reason;
}

class ScriptDialogTest : public DesktopTest {
 protected:
  ScriptDialogTest() : DesktopTest(WideMonitor()) {
    CreateDirectoryW(L"C:\\Shows", nullptr);
    CreateDirectoryW(L"C:\\Shows\\Clips", nullptr);
  }

  void OpenSetup() {
    process_ = &StartDialogProgram(
        machine, [](CWnd* owner) { return CScriptDialog(nullptr, owner).DoModal(); }, {0, 0, 2560, 1440});
    machine.run_until_idle();
  }

  long Result() const {
    return process_->object->signalled ? static_cast<long>(process_->object->exit_code) : -1;
  }

  void Store(int k, int type, const std::wstring& path, bool folder = false) {
    StoreValue(L"MultimediaType" + std::to_wstring(k), DwordValue(static_cast<DWORD>(type)));
    StoreValue(L"ScriptName_" + std::to_wstring(k), TextValue(path));
    StoreValue(L"UseFolder_" + std::to_wstring(k + 1), DwordValue(folder ? 1 : 0));
  }

  void Retype(int id, const std::wstring& text) {
    ASSERT_TRUE(Done(user.click(id)));
    SendMessageW(user.control(id), EM_SETSEL, 0, -1);
    ASSERT_TRUE(Done(user.type(text)));
  }

  bool Checked(int id) const { return SendMessageW(user.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(user.control(id)) != FALSE; }
  LRESULT Selection(int id) const { return SendMessageW(user.control(id), CB_GETCURSEL, 0, 0); }
  std::wstring Text(int id) const { return user.text_of(id); }

  static Registry Snapshot() {
    Registry values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
      return values;
    for (DWORD index = 0;; ++index) {
      wchar_t name[256] = {};
      DWORD nameSize = 256;
      std::vector<BYTE> data(8192);
      DWORD dataSize = static_cast<DWORD>(data.size());
      if (RegEnumValueW(key, index, name, &nameSize, nullptr, nullptr, data.data(), &dataSize) !=
          ERROR_SUCCESS)
        break;
      data.resize(dataSize);
      values[name] = data;
    }
    RegCloseKey(key);
    return values;
  }

  static std::wstring StoredText(const std::wstring& name) {
    const StoredValue value = FetchValue(name);
    return std::wstring(reinterpret_cast<const wchar_t*>(value.bytes.data()),
                        value.bytes.size() / sizeof(wchar_t));
  }

  static DWORD StoredDword(const std::wstring& name) {
    const StoredValue value = FetchValue(name);
    DWORD number = 0;
    if (value.type == REG_DWORD) std::memcpy(&number, value.bytes.data(), sizeof number);
    return number;
  }

  driver::DesktopUser user{machine};

 private:
  desktop::Process* process_ = nullptr;
};

TEST_F(ScriptDialogTest, RowsShowTheirStoredSetUp) {
  Store(0, -1, L"C:\\Shows\\old.mp4");
  Store(1, 2, L"C:\\Shows\\clip.MP4");
  Store(2, 1, L"C:\\Shows\\m31.png");
  Store(3, 2, L"C:\\Shows\\Clips", true);
  Store(4, 0, L"C:\\Shows", true);
  OpenSetup();
  struct Row {
    int i;
    bool enabled, folder;
    LRESULT type;
    bool typeEnabled, advancedEnabled;
    std::wstring path;
  };
  for (const Row& r : {
           Row{0, false, false, 1, false, false, L"C:\\Shows\\old.mp4"},
           Row{1, true, false, 2, false, true, L"C:\\Shows\\clip.MP4"},
           Row{2, true, false, 1, false, false, L"C:\\Shows\\m31.png"},
           Row{3, true, true, 2, true, true, L"C:\\Shows\\Clips"},
           Row{4, true, true, 0, true, false, L"C:\\Shows"},
           Row{15, false, false, 1, false, false, L""},
       }) {
    SCOPED_TRACE(r.i);
    EXPECT_EQ(Checked(Enable + r.i), r.enabled);
    EXPECT_EQ(Checked(Folder + r.i), r.folder);
    EXPECT_EQ(Enabled(Folder + r.i), r.enabled);
    EXPECT_EQ(Selection(Type + r.i), r.type);
    EXPECT_EQ(Enabled(Type + r.i), r.typeEnabled);
    EXPECT_EQ(Enabled(Advanced + r.i), r.advancedEnabled);
    EXPECT_EQ(Text(Path + r.i), r.path);
    EXPECT_EQ(Enabled(Path + r.i), r.enabled);
  }
  EXPECT_EQ(Text(CScriptDialog::InstructionId),
            L"Here you can specify which actions is been associated with the four multimedia buttons.");
  EXPECT_EQ(Text(Enable), L"Enable this button");
  ASSERT_TRUE(Done(user.click(IDCANCEL)));
  EXPECT_EQ(Result(), IDCANCEL);
}

TEST_F(ScriptDialogTest, SaveRefusesABadRowAndWritesNothing) {
  struct Case {
    bool folder;
    std::wstring typed;
    std::wstring message;
  };
  for (const Case& c : {
           Case{false, L"C:\\Shows\\notes.txt", L"File type .txt is not allowed"},
           Case{false, L"C:\\Shows\\notes", L"File type  is not allowed"},
           Case{true, L"C:\\Shows\\Missing\\", L"The file\n\nC:\\Shows\\Missing\n\ndoes not exist."},
       }) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    Store(6, 1, L"C:\\Shows\\m31.png");
    const Registry before = Snapshot();
    OpenSetup();
    if (c.folder) {
      ASSERT_TRUE(Done(user.click(Folder + 6)));
    }
    Retype(Path + 6, c.typed);
    user.answer_next_message_box(IDOK);
    ASSERT_TRUE(Done(user.click(CScriptDialog::SaveId)));
    ASSERT_FALSE(user.message_boxes().empty());
    EXPECT_EQ(user.message_boxes().back().text, c.message);
    EXPECT_EQ(Result(), -1) << "the set-up stays open";
    EXPECT_EQ(GetDlgCtrlID(
                  machine.focus().context_of(GetWindowThreadProcessId(user.target_window(), nullptr)).focus),
              Path + 6);
    EXPECT_EQ(Snapshot(), before);
    ASSERT_TRUE(Done(user.click(IDCANCEL)));
  }
}

TEST_F(ScriptDialogTest, SaveWritesEachRowsTypePathAndFolderFlag) {
  const std::wstring longName = L"C:\\Shows\\" + std::wstring(1000, L'n') + L".mp3";
  Store(9, 3, longName);
  OpenSetup();
  // A file row: the type list stays on pictures, the file's ending decides.
  ASSERT_TRUE(Done(user.click(Enable + 0)));
  Retype(Path + 0, L"C:\\Shows\\clip.mp4");
  EXPECT_TRUE(Enabled(Advanced + 0));
  // A folder of videos typed with its trailing backslash.
  ASSERT_TRUE(Done(user.click(Enable + 1)));
  ASSERT_TRUE(Done(user.click(Folder + 1)));
  Retype(Path + 1, L"C:\\Shows\\Clips\\");
  ASSERT_TRUE(Done(user.choose(Type + 1, 2)));
  EXPECT_TRUE(Enabled(Advanced + 1));
  // An enabled row without a path is no button.
  ASSERT_TRUE(Done(user.click(Enable + 2)));
  ASSERT_TRUE(Done(user.click(CScriptDialog::SaveId)));
  EXPECT_EQ(Result(), CScriptDialog::Saved);
  struct Saved {
    int k;
    DWORD type;
    std::wstring name;
    DWORD folder;
  };
  for (const Saved& s : {
           Saved{0, 1, L"C:\\Shows\\clip.mp4", 0},
           Saved{1, 2, L"C:\\Shows\\Clips", 1},
           Saved{2, static_cast<DWORD>(-1), L"", 0},
           Saved{9, 3, longName, 0},
       }) {
    SCOPED_TRACE(s.k);
    EXPECT_EQ(StoredDword(L"MultimediaType" + std::to_wstring(s.k)), s.type);
    EXPECT_EQ(StoredText(L"ScriptName_" + std::to_wstring(s.k)), s.name);
    EXPECT_EQ(StoredDword(L"UseFolder_" + std::to_wstring(s.k + 1)), s.folder);
  }
}

TEST_F(ScriptDialogTest, TheWholeFolderCheckCutsThePathOrEmptiesIt) {
  Store(5, 2, L"C:\\Shows\\clip.mp4");
  OpenSetup();
  ASSERT_TRUE(Done(user.click(Folder + 5)));
  EXPECT_EQ(Text(Path + 5), L"C:\\Shows\\");
  EXPECT_TRUE(Enabled(Type + 5));
  ASSERT_TRUE(Done(user.click(Folder + 5)));
  EXPECT_EQ(Text(Path + 5), L"");
  EXPECT_FALSE(Enabled(Type + 5));
  EXPECT_FALSE(Enabled(Advanced + 5));
  ASSERT_TRUE(Done(user.click(IDCANCEL)));
}

TEST_F(ScriptDialogTest, VideoOptionsAreWrittenOnlyWithTheSetUpsSave) {
  Store(3, 2, L"C:\\Shows\\clip.mp4");
  for (const bool saveSetUp : {false, true}) {
    SCOPED_TRACE(saveSetUp);
    const Registry before = Snapshot();
    OpenSetup();
    Retype(Path + 3, L"C:\\Shows\\other.mp4");
    ASSERT_TRUE(Done(user.click(Advanced + 3)));
    ASSERT_EQ(user.window_text(user.target_window()), L"Set video advanced options");
    // Options stored for another file show as full screen.
    EXPECT_TRUE(Checked(CVideoOptions::FullScreenCheck));
    ASSERT_TRUE(Done(user.click(CVideoOptions::FullScreenCheck)));
    Retype(CVideoOptions::WidthEdit, L"640");
    Retype(CVideoOptions::HeightEdit, L"480");
    ASSERT_TRUE(Done(user.click(CVideoOptions::SaveId)));
    ASSERT_TRUE(Done(user.click(saveSetUp ? CScriptDialog::SaveId : IDCANCEL)));
    if (!saveSetUp) {
      EXPECT_EQ(Snapshot(), before);
      continue;
    }
    EXPECT_EQ(StoredText(L"ScriptName_3"), L"C:\\Shows\\other.mp4");
    EXPECT_EQ(StoredDword(L"vWidth_4"), 640u);
    EXPECT_EQ(StoredDword(L"vHeight_4"), 480u);
    EXPECT_EQ(StoredDword(L"FullScreen_4"), 0u);
  }
}

TEST_F(ScriptDialogTest, CancelledVideoOptionsPutTheLoadedPathBack) {
  Store(3, 2, L"C:\\Shows\\clip.mp4");
  OpenSetup();
  Retype(Path + 3, L"C:\\Shows\\other.mp4");
  ASSERT_TRUE(Done(user.click(Advanced + 3)));
  ASSERT_TRUE(Done(user.click(IDCANCEL)));
  EXPECT_EQ(Text(Path + 3), L"C:\\Shows\\clip.mp4");
  EXPECT_TRUE(Enabled(Advanced + 3));
  ASSERT_TRUE(Done(user.click(IDCANCEL)));
  EXPECT_EQ(Result(), IDCANCEL);
}

class VideoOptionsTest : public ScriptDialogTest {
 protected:
  static constexpr wchar_t ConsoleProgram[] = L"C:\\Program Files\\Orvenna Console\\OrvennaConsole.exe";
  static constexpr wchar_t MpvProgram[] = L"C:\\Program Files\\Orvenna Console\\mpv.exe";

  VideoOptionsTest() {
    CreateDirectoryW(L"C:\\Program Files", nullptr);
    CreateDirectoryW(L"C:\\Program Files\\Orvenna Console", nullptr);
    CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr);
  }

  void OpenOptions(const std::wstring& path) {
    process_ = &StartDialogProgram(
        machine,
        [this, path](CWnd*) {
          std::optional<VideoOptions> kept;
          const INT_PTR result = CVideoOptions(3, path, kept).DoModal();
          if (kept) saved = *kept;
          return result;
        },
        {0, 0, 1000, 600}, ConsoleProgram);
    machine.run_until_idle();
  }
  long Result() const {
    return process_->object->signalled ? static_cast<long>(process_->object->exit_code) : -1;
  }

  VideoOptions saved;

 private:
  desktop::Process* process_ = nullptr;
};

TEST_F(VideoOptionsTest, TypedPlacesStayOnTheMonitorAndWithinTheRegistrysRange) {
  StoreValue(L"ScriptName_3", TextValue(L"C:\\Shows\\clip.mp4"));
  StoreValue(L"vWidth_4", DwordValue(640));
  StoreValue(L"vHeight_4", DwordValue(480));
  OpenOptions(L"C:\\Shows\\clip.mp4");
  EXPECT_FALSE(Checked(CVideoOptions::FullScreenCheck));
  EXPECT_EQ(Text(CVideoOptions::WidthEdit), L"640");
  struct Case {
    int id;
    std::wstring typed;
    std::wstring shown;
  };
  // The monitor is 2560 by 1440; the registry keeps offsets up to 1920 by 1200.
  for (const Case& c : {
           Case{CVideoOptions::WidthEdit, L"3000", L"2560"},
           Case{CVideoOptions::HeightEdit, L"1500", L"1440"},
           Case{CVideoOptions::XOffsetEdit, L"2500", L"1920"},
           Case{CVideoOptions::YOffsetEdit, L"1300", L"1200"},
           Case{CVideoOptions::XOffsetEdit, L"100", L"100"},
       }) {
    Retype(c.id, c.typed);
    EXPECT_EQ(Text(c.id), c.shown) << c.id;
  }
  ASSERT_TRUE(Done(user.click(CVideoOptions::SaveId)));
  EXPECT_EQ(Result(), CVideoOptions::Saved);
  EXPECT_EQ(std::vector<int>({saved.width, saved.height, saved.xOffset, saved.yOffset}),
            std::vector<int>({2560, 1440, 100, 1200}));
}

TEST_F(VideoOptionsTest, RotationAndFlipOnlyWithMpvAndTheRotationWithinACircle) {
  StoreValue(L"ScriptName_3", TextValue(L"C:\\Shows\\clip.mp4"));
  StoreValue(L"rotation_4", DwordValue(90));
  struct Case {
    bool mpv;
    std::wstring shown;
    std::wstring typed;
    int stored;
  };
  for (const Case& c : {
           Case{false, L"0", L"", 0},
           Case{true, L"90", L"360", 0},
           Case{true, L"90", L"365", 5},
           Case{true, L"90", L"270", 270},
       }) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"behavior", L"usePlayer", c.mpv ? L"mpv" : L"wmp"));
    if (c.mpv) {
      ASSERT_TRUE(write_file(MpvProgram, "mpv"));
    } else {
      DeleteFileW(MpvProgram);
    }
    OpenOptions(L"C:\\Shows\\clip.mp4");
    EXPECT_EQ(Text(CVideoOptions::RotationEdit), c.shown);
    EXPECT_EQ(Enabled(CVideoOptions::RotationEdit), c.mpv);
    EXPECT_EQ(Enabled(CVideoOptions::FlipCheck), c.mpv);
    if (c.mpv) Retype(CVideoOptions::RotationEdit, c.typed);
    ASSERT_TRUE(Done(user.click(CVideoOptions::SaveId)));
    EXPECT_EQ(saved.rotation, c.stored);
  }
}

}  // namespace
