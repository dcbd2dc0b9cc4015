// Feeds arbitrary bytes to the folder listings of the multimedia panel (the slide show's
// pictures) and of the paged picker (videos, audio, scripts), as the names of files and folders
// made in one folder. Each listing holds files of that folder only, never a folder, "." or
// "..", each of its kinds' files exactly once per pattern that matches it, and every file whose
// name ends in one of its extensions; a title list drops exactly the extension; the picker's
// pages hold every entry ten to a page.
#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/win/file_api.h"
#include "src/media/folder_dialog.h"
#include "src/util/compare_no_case.h"
#include "src/util/folder_listings.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\Fuzz\\listing";
constexpr std::size_t kMostEntries = 40;
constexpr std::size_t kLongestStem = 24;
constexpr wchar_t kStemCharacters[] = L"abcdXYZ0189-_~()\u00E9\u4E2D";
constexpr std::array<const wchar_t*, 26> kEndings{
    L".bmp", L".png", L".jpg", L".jpeg", L".gif", L".mp4", L".mp2",  L".mpeg",   L".wmv",
    L".avi", L".flv", L".swf", L".mov",  L".mp3", L".wma", L".wav",  L".aac",    L".ogg",
    L".ovs", L".PNG", L".Mp4", L".OVS",  L".txt", L"",     L".jpgx", L".png.bak"};

struct Listing {
  std::vector<std::wstring> (*list)(const std::wstring&);
  std::vector<const wchar_t*> extensions;
};

const Listing kListings[] = {
    {ListImageFiles, {L".bmp", L".png", L".jpg", L".jpeg", L".gif"}},
    {ListVideoFiles, {L".mp4", L".mp2", L".mpeg", L".wmv", L".avi", L".flv", L".swf", L".mov"}},
    {ListAudioFiles, {L".mp3", L".wma", L".wav", L".aac", L".ogg"}},
    {ListScriptFiles, {L".ovs"}},
};

bool ends_with_no_case(const std::wstring& name, const std::wstring& ending) {
  return name.size() > ending.size() &&
         CompareTextNoCase(name.substr(name.size() - ending.size()), ending) == 0;
}

// What the folder holds, as its own search reports it: file names and folder names.
void read_folder(std::vector<std::wstring>& files, std::vector<std::wstring>& folders) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((std::wstring(kFolder) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? folders : files).push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void empty_folder() {
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  read_folder(files, folders);
  for (const std::wstring& name : files)
    DeleteFileW((std::wstring(kFolder) + L"\\" + name).c_str());
  for (const std::wstring& name : folders)
    RemoveDirectoryW((std::wstring(kFolder) + L"\\" + name).c_str());
}

void make_entries(const std::uint8_t* data, std::size_t size) {
  std::size_t at = 0;
  for (std::size_t entry = 0; entry < kMostEntries && at + 2 <= size; ++entry) {
    const std::uint8_t shape = data[at];
    const std::size_t length = std::min<std::size_t>(data[at + 1] % (kLongestStem + 1), size - at - 2);
    at += 2;
    std::wstring name;
    for (std::size_t i = 0; i < length; ++i)
      name += kStemCharacters[data[at + i] % (std::size(kStemCharacters) - 1)];
    at += length;
    name += kEndings[shape % kEndings.size()];
    if (name.empty()) continue;
    const std::wstring path = std::wstring(kFolder) + L"\\" + name;
    if ((shape & 0x80) != 0) {
      CreateDirectoryW(path.c_str(), nullptr);
      continue;
    }
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
}

void check_listing(const Listing& listing, const std::vector<std::wstring>& files) {
  const std::vector<std::wstring> listed = listing.list(kFolder);
  std::map<std::wstring, int> times;
  for (const std::wstring& name : listed) {
    require(std::find(files.begin(), files.end(), name) != files.end());
    ++times[name];
  }
  for (const std::wstring& name : files) {
    const auto matching =
        std::count_if(listing.extensions.begin(), listing.extensions.end(),
                      [&name](const wchar_t* ending) { return ends_with_no_case(name, ending); });
    if (matching > 0) require(times[name] >= matching);
  }
}

void check_titles(const std::vector<std::wstring>& files) {
  const std::vector<std::wstring> titles = ListFileTitles(kFolder, L"*.png");
  for (const std::wstring& title : titles)
    require(std::any_of(files.begin(), files.end(), [&title](const std::wstring& name) {
      return name.size() == title.size() + 4 && name.starts_with(title);
    }));
  for (const std::wstring& name : files)
    if (ends_with_no_case(name, L".png"))
      require(std::find(titles.begin(), titles.end(), name.substr(0, name.size() - 4)) != titles.end());
}

void check_subfolders(const std::vector<std::wstring>& folders) {
  std::vector<std::wstring> listed = ListSubfolders(kFolder);
  std::vector<std::wstring> expected = folders;
  std::sort(listed.begin(), listed.end());
  std::sort(expected.begin(), expected.end());
  require(listed == expected);
}

void check_pages(std::size_t entries) {
  const auto pages = static_cast<std::size_t>(PickerPageCount(entries));
  require(pages >= 1 && pages * PickerRows >= entries &&
          (pages - 1) * PickerRows < std::max<std::size_t>(entries, 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  CreateDirectoryW(L"C:\\Fuzz", nullptr);
  CreateDirectoryW(kFolder, nullptr);
  empty_folder();
  make_entries(data, size);
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  read_folder(files, folders);
  for (const Listing& listing : kListings) {
    check_listing(listing, files);
    check_pages(listing.list(kFolder).size());
  }
  check_titles(files);
  check_subfolders(folders);
  return 0;
}
