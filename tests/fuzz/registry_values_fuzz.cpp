// Feeds arbitrary values to the registry-stored readers of the console: the multimedia buttons'
// types and files, a button's video options and an event's record, target, view flags, memo and
// comment. The input is a run of records (a value's name from the table, its type, its length
// and its bytes) written under the console's key. Whatever the registry holds, every number read
// is within its limits, every text within its buffer, and what is read, once saved, reads back
// the same.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"
#include "src/settings/console_state.h"
#include "src/settings/event_settings.h"
#include "src/settings/multimedia_settings.h"
#include "src/settings/settings_key.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr int kSlot = 0;  // the first button and the first event
constexpr std::array<const wchar_t*, 24> kValues{
    L"MultimediaType0", L"ScriptName_0", L"UseFolder_1", L"FullScreen_1", L"flip_1",       L"vWidth_1",
    L"vHeight_1",       L"xOffset_1",    L"yOffset_1",   L"volume_1",     L"rotation_1",   L"Date_1",
    L"Hour_1",          L"Min_1",        L"Sec_1",       L"Act_1",        L"Memo_1",       L"Lat_1",
    L"Long_1",          L"flags_1",      L"planet_1",    L"Comment_1",    L"TargetName_1", L"DefPos_1"};
constexpr std::array<DWORD, 4> kTypes{REG_DWORD, REG_SZ, REG_BINARY, REG_EXPAND_SZ};

HKEY console_key() {
  HKEY key = nullptr;
  require(RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) == ERROR_SUCCESS);
  return key;
}

void write_values(const std::uint8_t* data, std::size_t size) {
  // The savers write values of their own: each run starts from an empty key.
  RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
  HKEY key = console_key();
  for (std::size_t at = 0; at + 3 <= size;) {
    const wchar_t* name = kValues[data[at] % kValues.size()];
    const DWORD type = kTypes[data[at + 1] % kTypes.size()];
    const std::size_t length = std::min<std::size_t>(data[at + 2], size - at - 3);
    at += 3;
    RegSetValueExW(key, name, 0, type, data + at, static_cast<DWORD>(length));
    at += length;
  }
  RegCloseKey(key);
}

bool within(int value, int low, int high) {
  return value >= low && value <= high;
}

void check_buttons() {
  const ScriptButtons buttons = LoadScriptButtons();
  for (int k = 0; k < MultimediaButtonCount; ++k) {
    require(within(buttons.types[k], NoMediaType, 3));
    require(buttons.names[k].size() < 1024 && buttons.names[k].find(L'\0') == std::wstring::npos);
  }
  LoadUseFolderFlags();
}

void check_video() {
  VideoOptions options;
  if (!LoadVideoOptions(kSlot, options)) return;
  require(within(options.width, 100, 3840) && within(options.height, 100, 2160));
  require(within(options.xOffset, -1, 1920) && within(options.yOffset, -1, 1200));
  require(within(options.volume, 0, 100) && within(options.rotation, 0, 365));
  SaveVideoOptions(kSlot, options);
  VideoOptions again;
  require(LoadVideoOptions(kSlot, again));
  require(again.fileName == options.fileName && again.fullScreen == options.fullScreen &&
          again.width == options.width && again.height == options.height &&
          again.xOffset == options.xOffset && again.yOffset == options.yOffset &&
          again.volume == options.volume && again.rotation == options.rotation && again.flip == options.flip);
}

void check_event() {
  CConsoleState state;
  const EventRecord record = LoadEventRecord(state, kSlot);
  require(within(record.hour, 0, 23) && within(record.minute, 0, 59) && within(record.second, 0, 59));
  require(within(record.body, 0, EventBodyCount - 1));
  require(record.kind == EventSetsDateKind || record.kind == EventGoesToPlaceKind ||
          record.kind == EventSetsBothKind);
  require(record.memo.size() < 42 && record.latitude.size() < 12 && record.longitude.size() < 12);
  require(record.date.size() <= 15 || !StoredEventDate(kSlot));
  const EventTarget target = LoadEventTarget(kSlot);
  require(within(target.body, 0, EventBodyCount - 1) && target.name.size() < 256);
  EventViewFlags flags;
  const int view = LoadEventViewFlags(kSlot, flags);
  require(view == 0 || view == -1);
  require(LoadEventMemo(kSlot).size() <= 40 || LoadEventMemo(kSlot) == L"NO EVENT SET");
  require(ReadEventComment(kSlot).size() <= 1000);

  if (!StoredEventDate(kSlot)) return;
  SaveEventRecord(state, kSlot, record);
  CConsoleState again;
  const EventRecord read = LoadEventRecord(again, kSlot);
  require(read.date == record.date && read.memo == record.memo && read.hour == record.hour &&
          read.minute == record.minute && read.second == record.second && read.enabled == record.enabled &&
          read.latitude == record.latitude && read.longitude == record.longitude &&
          read.kind == record.kind && read.body == record.body);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  write_values(data, size);
  check_buttons();
  check_video();
  check_event();
  return 0;
}
