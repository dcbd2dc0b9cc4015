#include "peers/orvenna/orvenna_program.h"
#include "platform/desktop/image_file.h"
#include "tests/peers/orvenna/install_fixture.h"

namespace {

struct EntryCase {
  const char* label;
  bool machine_64_bit;
  std::wstring install_folder;
  const wchar_t* found_under;  // the first key of the console's two that holds the entry
  std::wstring expected_location;
};

class UninstallEntryTest : public InstallTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(UninstallEntryTest, TheConsolesTwoKeysFindTheFolderTheVersionAndTheProgram) {
  const EntryCase& entry = GetParam();
  orvenna::InstallSettings settings;
  settings.machine_64_bit = entry.machine_64_bit;
  settings.install_folder = entry.install_folder;
  install(settings);

  const wchar_t* other =
      entry.found_under == orvenna::kUninstallKey ? kUninstallKey64 : orvenna::kUninstallKey;
  EXPECT_FALSE(entry_value(other, L"InstallLocation"));
  EXPECT_EQ(entry_value(entry.found_under, L"InstallLocation"), entry.expected_location);
  EXPECT_EQ(entry_value(entry.found_under, L"DisplayName"), L"Orvenna 0.18.2");
  EXPECT_EQ(found_names(entry.expected_location + L"orvenna.exe", false),
            std::vector<std::wstring>{L"orvenna.exe"});
  for (const wchar_t* folder : {L"landscapes", L"skycultures", L"nebulae\\default"})
    EXPECT_TRUE(exists(entry.expected_location + folder)) << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Machines, UninstallEntryTest,
    ::testing::Values(EntryCase{"Bit32", false, L"", orvenna::kUninstallKey, L"C:\\Program Files\\Orvenna\\"},
                      EntryCase{"Bit64", true, L"", kUninstallKey64, L"C:\\Program Files (x86)\\Orvenna\\"},
                      EntryCase{"OwnFolder", false, L"C:\\Dome\\Orvenna", orvenna::kUninstallKey,
                                L"C:\\Dome\\Orvenna\\"}),
    [](const auto& info) { return std::string(info.param.label); });

// The console splits DisplayName at blanks and full stops and reads pieces 1 to 3.
TEST_F(InstallTest, DisplayNameNamesTheVersionTheSettingsGive) {
  for (const wchar_t* version : {L"0.18.0", L"0.18.3", L"0.19.0", L"1.0.0"}) {
    orvenna::InstallSettings settings;
    settings.version = version;
    install(settings);
    EXPECT_EQ(entry_value(orvenna::kUninstallKey, L"DisplayName"), std::wstring(L"Orvenna ") + version);
  }
}

TEST_F(InstallTest, NotInstalledLeavesNoEntryNoProgramAndNoUserFolder) {
  orvenna::InstallSettings settings;
  settings.installed = false;
  settings.user_folder = false;
  install(settings);
  HKEY entry = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, orvenna::kUninstallKey, 0, KEY_READ, &entry),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey64, 0, KEY_READ, &entry), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(exists(install_folder()));
  EXPECT_FALSE(exists(user_folder()));
}

TEST_F(InstallTest, InstalledWithoutTheUserFolderAsBeforeTheProgramsFirstStart) {
  orvenna::InstallSettings settings;
  settings.user_folder = false;
  install(settings);
  EXPECT_TRUE(entry_value(orvenna::kUninstallKey, L"InstallLocation"));
  EXPECT_FALSE(exists(user_folder()));
  EXPECT_TRUE(exists(L"C:\\Users\\presenter\\AppData\\Roaming"));
}

TEST_F(InstallTest, TheUserFolderHoldsTheProgramsFiles) {
  install();
  EXPECT_EQ(user_folder(), L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\");
  for (const wchar_t* file : {L"config.ini", L"base_locations.txt"})
    EXPECT_TRUE(exists(user_folder() + file)) << file;
}

// The console lays it behind the pictures it shows over the planetarium.
TEST_F(InstallTest, TheUserFolderHoldsABlackBackdropPictureWithOrWithoutThePictures) {
  for (bool pictures : {true, false}) {
    orvenna::InstallSettings settings;
    settings.pictures = pictures;
    install(settings);
    const std::string bytes = read_file((user_folder() + L"black.png").c_str());
    const desktop::ImageLoad load =
        desktop::load_image(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(load) << load.failure;
    EXPECT_GT(load.image->width, 0);
    for (std::uint32_t pixel : load.image->pixels)
      ASSERT_EQ(pixel, 0xFF000000u);
  }
}

// Started as the console starts it: the executable's path, no arguments, the install folder
// as the current folder.
TEST_F(InstallTest, CreateProcessOfTheInstalledPathStartsTheRegisteredProgram) {
  std::wstring seen_command_line;
  std::wstring seen_folder;
  machine.register_program(L"orvenna.exe", [&](const std::wstring& command_line) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    seen_command_line = command_line;
    seen_folder = folder;
    return 0;
  });
  install();
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(start_from_entry(started));
  EXPECT_EQ(WaitForSingleObject(started.hProcess, 1000), WAIT_OBJECT_0);
  CloseHandle(started.hProcess);
  EXPECT_EQ(seen_command_line, L"orvenna.exe");
  EXPECT_EQ(seen_folder, L"C:\\Program Files\\Orvenna");
}

// The machine set-up end to end: the registered program starts from the entry's folder, shows
// the window the console's finders look for and reads the fresh config.ini.
TEST_F(InstallTest, TheRegisteredProgramStartsFromTheEntryAndShowsItsWindow) {
  std::shared_ptr<orvenna::ProgramProbe> probe = orvenna::register_orvenna_program(machine);
  install();
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(start_from_entry(started));
  EXPECT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
  HWND main = FindWindowW(L"Qt5QWindowIcon", L"Orvenna 0.18.2");
  ASSERT_NE(main, nullptr);
  EXPECT_NE(FindWindowExW(main, nullptr, L"Qt5QWindowOwnDCIcon", L""), nullptr);
  for (const orvenna::ScriptLogEntry& entry : probe->log())
    EXPECT_EQ(entry.message.find("config.ini"), std::string::npos) << entry.message;
  PostMessageW(main, WM_QUIT, 0, 0);
  EXPECT_EQ(WaitForSingleObject(started.hProcess, 5000), WAIT_OBJECT_0);
  CloseHandle(started.hProcess);
}

TEST_F(InstallTest, WithoutPicturesTheFoldersAndTheirTextFilesStay) {
  orvenna::InstallSettings settings;
  settings.pictures = false;
  install(settings);
  for (const wchar_t* file :
       {L"skycultures\\western\\star_names.fab", L"skycultures\\inuit\\constellation_names.eng.fab",
        L"landscapes\\moon\\landscape.ini", L"nebulae\\default"})
    EXPECT_TRUE(exists(install_folder() + file)) << file;
  for (const wchar_t* pictures :
       {L"skycultures\\western\\*.png", L"nebulae\\default\\*.png", L"landscapes\\moon\\*.png"})
    EXPECT_TRUE(found_names(install_folder() + pictures, false).empty()) << pictures;
}

struct FailureCase {
  const char* label;
  void (*arrange)(desktop::Desktop& machine);
  DWORD error;
};

class FailedInstallTest : public InstallTest, public ::testing::WithParamInterface<FailureCase> {};

// A failed install says what it could not write and leaves no entry that points at it.
TEST_P(FailedInstallTest, NamesThePathAndWritesNoEntry) {
  GetParam().arrange(machine);
  orvenna::InstallResult result = orvenna::install_orvenna(machine);
  EXPECT_EQ(result.error, GetParam().error);
  EXPECT_TRUE(result.path.starts_with(L"C:\\Program Files\\Orvenna\\")) << result.path;
  EXPECT_FALSE(entry_value(orvenna::kUninstallKey, L"InstallLocation"));
}

INSTANTIATE_TEST_SUITE_P(Machines, FailedInstallTest,
                         ::testing::Values(FailureCase{"ReadOnlyFolder",
                                                       [](desktop::Desktop& machine) {
                                                         CreateDirectoryW(L"C:\\Program Files\\Orvenna",
                                                                          nullptr);
                                                         machine.drives().set_read_only(
                                                             L"C:\\Program Files\\Orvenna", true);
                                                       },
                                                       ERROR_ACCESS_DENIED},
                                           FailureCase{"FullDrive",
                                                       [](desktop::Desktop& machine) {
                                                         machine.drives().set_free_space(L'C', 20000);
                                                       },
                                                       ERROR_DISK_FULL}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(InstallTest, TheFirstRunInstallsAndLaterRunsKeepWhatThePresenterChanged) {
  ASSERT_TRUE(orvenna::install_on_first_run(machine));
  EXPECT_EQ(entry_value(orvenna::kUninstallKey, L"DisplayName"), L"Orvenna 0.18.2");
  std::wstring config = user_folder() + L"config.ini";
  ASSERT_TRUE(write_file(config.c_str(), "[navigation]\r\ninit_fov=180\r\n"));
  ASSERT_TRUE(orvenna::install_on_first_run(machine));
  EXPECT_EQ(read_file(config.c_str()), "[navigation]\r\ninit_fov=180\r\n");
}

TEST_F(InstallTest, AnEntryInTheOtherViewIsNotAFreshMachine) {
  orvenna::InstallSettings settings;
  settings.machine_64_bit = true;
  settings.user_folder = false;
  install(settings);
  ASSERT_TRUE(orvenna::install_on_first_run(machine));
  EXPECT_FALSE(entry_value(orvenna::kUninstallKey, L"InstallLocation"));
  EXPECT_FALSE(exists(user_folder()));
}

}  // namespace
