#include "src/settings/event_settings.h"

#include <array>
#include <vector>

#include "platform/win/time_api.h"
#include "platform/win/window_api.h"
#include "src/settings/ranged_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/date_text.h"

namespace {

constexpr std::array<const wchar_t*, 4> ViewFlagPrefixes{L"WantAtmo_", L"WantFog_", L"Autozoom_", L"Moon4x_"};
constexpr wchar_t WantTargetPrefix[] = L"WantTarget_";
constexpr wchar_t DefaultTargetPrefix[] = L"DefaultTarget_";
constexpr wchar_t CenterOnObjectPrefix[] = L"Center On Object ";
constexpr wchar_t TargetNamePrefix[] = L"TargetName_";
constexpr wchar_t DatePrefix[] = L"Date_";
constexpr wchar_t HourPrefix[] = L"Hour_";
constexpr wchar_t MinutePrefix[] = L"Min_";
constexpr wchar_t SecondPrefix[] = L"Sec_";
constexpr wchar_t EnabledPrefix[] = L"Act_";
constexpr wchar_t MemoPrefix[] = L"Memo_";
constexpr wchar_t LatitudePrefix[] = L"Lat_";
constexpr wchar_t LongitudePrefix[] = L"Long_";
constexpr wchar_t KindPrefix[] = L"flags_";
constexpr wchar_t CommentPrefix[] = L"Comment_";
constexpr wchar_t NoEventMemo[] = L"NO EVENT SET";
constexpr wchar_t NoLatitude[] = L"000 00 00 N";
constexpr wchar_t NoLongitude[] = L"000 00 00 E";

constexpr std::size_t TargetNameCapacity = EventTargetNameLongest + 1;
constexpr std::size_t DateCapacity = 15;
constexpr std::size_t MemoCapacity = 42;
constexpr std::size_t MemoShownLength = 40;
constexpr std::size_t CoordinateCapacity = 12;
constexpr std::size_t CommentCapacity = 1001;
constexpr std::size_t CommentLongest = 1000;

// Every event value carries the slot's number n + 1.
std::wstring EventValue(const wchar_t* prefix, int n) {
  return SlotValueName(prefix, n + 1);
}

bool IsValidTime(int hour, int minute, int second) {
  return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

int KindWithinChoices(std::optional<int> kind) {
  if (kind == EventSetsDateKind || kind == EventGoesToPlaceKind || kind == EventSetsBothKind) return *kind;
  return EventSetsBothKind;
}

}  // namespace

int LoadEventViewFlags(int n, EventViewFlags& flags) {
  SettingsReader reader;
  std::array<bool*, 3> required{&flags.atmosphere, &flags.fog, &flags.autoZoom};
  for (std::size_t i = 0; i < required.size(); ++i) {
    std::optional<bool> value = reader.Flag(EventValue(ViewFlagPrefixes[i], n));
    if (!value) return -1;
    *required[i] = *value;
  }
  if (std::optional<bool> moon = reader.Flag(EventValue(ViewFlagPrefixes[3], n))) flags.moonScale = *moon;
  return 0;
}

void SaveEventViewFlags(int n, const EventViewFlags& flags) {
  SettingsWriter writer;
  std::array<bool, 4> values{flags.atmosphere, flags.fog, flags.autoZoom, flags.moonScale};
  for (std::size_t i = 0; i < values.size(); ++i)
    writer.Flag(EventValue(ViewFlagPrefixes[i], n), values[i]);
}

EventTarget LoadEventTarget(int n) {
  SettingsReader reader;
  std::optional<bool> want = reader.Flag(EventValue(WantTargetPrefix, n));
  std::optional<bool> byDefault = reader.Flag(EventValue(DefaultTargetPrefix, n));
  std::optional<bool> center = reader.Flag(EventValue(CenterOnObjectPrefix, n));
  std::optional<int> body = reader.Int(RangedName(Ranged::EventBody, n + 1));
  std::optional<std::wstring> name = reader.Text(EventValue(TargetNamePrefix, n), TargetNameCapacity);
  EventTarget target;
  if (!want || !byDefault || !body || !name) return target;
  if (!center) {
    target.centerOnObject = true;
    return target;
  }
  return {*want, *byDefault, *center, WithinLimits(Ranged::EventBody, *body), *name};
}

void SaveEventTarget(int n, const EventTarget& target) {
  SettingsWriter writer;
  writer.Flag(EventValue(WantTargetPrefix, n), target.wantTarget);
  writer.Flag(EventValue(DefaultTargetPrefix, n), target.defaultTarget);
  writer.Flag(EventValue(CenterOnObjectPrefix, n), target.centerOnObject);
  writer.Int(RangedName(Ranged::EventBody, n + 1), target.body);
  writer.Text(EventValue(TargetNamePrefix, n), target.name);
}

EventRecord LoadEventRecord(CConsoleState& state, int n) {
  SettingsReader reader;
  std::optional<std::wstring> date = reader.Text(EventValue(DatePrefix, n), DateCapacity);
  std::optional<int> hour = reader.Int(EventValue(HourPrefix, n));
  std::optional<int> minute = reader.Int(EventValue(MinutePrefix, n));
  std::optional<int> second = reader.Int(EventValue(SecondPrefix, n));
  std::optional<bool> enabled = reader.Flag(EventValue(EnabledPrefix, n));

  EventRecord record;
  record.enabled = enabled.value_or(false);
  state.eventEnabled[n] = record.enabled;
  if (date && hour && minute && second && enabled && IsValidTime(*hour, *minute, *second)) {
    record.hour = *hour;
    record.minute = *minute;
    record.second = *second;
  } else {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    record.hour = now.wHour;
    record.minute = now.wMinute;
    record.second = now.wSecond;
  }
  record.date = date ? *date : FormatDateYMD(_time64(nullptr));
  record.memo = reader.Text(EventValue(MemoPrefix, n), MemoCapacity).value_or(L"");
  record.latitude = reader.Text(EventValue(LatitudePrefix, n), CoordinateCapacity).value_or(NoLatitude);
  record.longitude = reader.Text(EventValue(LongitudePrefix, n), CoordinateCapacity).value_or(NoLongitude);
  record.kind = KindWithinChoices(reader.Int(EventValue(KindPrefix, n)));
  record.body = ReadRanged(reader, Ranged::EventPlanet, n + 1);

  state.eventSetsDate[n] = record.kind != EventGoesToPlaceKind;
  state.eventGoesToPlace[n] = record.kind != EventSetsDateKind;
  state.eventLatitude[n] = record.latitude;
  state.eventLongitude[n] = record.longitude;
  return record;
}

void SaveEventRecord(CConsoleState& state, int n, const EventRecord& record) {
  state.eventEnabled[n] = record.enabled;
  SettingsWriter writer;
  writer.Text(EventValue(DatePrefix, n), record.date);
  writer.Text(EventValue(MemoPrefix, n), record.memo);
  writer.Text(EventValue(LatitudePrefix, n), record.latitude);
  writer.Text(EventValue(LongitudePrefix, n), record.longitude);
  writer.Int(EventValue(HourPrefix, n), record.hour);
  writer.Int(EventValue(MinutePrefix, n), record.minute);
  writer.Int(EventValue(SecondPrefix, n), record.second);
  writer.Flag(EventValue(EnabledPrefix, n), record.enabled);
  writer.Int(EventValue(KindPrefix, n), record.kind);
  writer.Int(RangedName(Ranged::EventPlanet, n + 1), record.body);
}

bool StoredEventDate(int n) {
  return SettingsReader().Text(EventValue(DatePrefix, n), DateCapacity).has_value();
}

std::wstring LoadEventMemo(int n) {
  std::optional<std::wstring> memo = SettingsReader().Text(EventValue(MemoPrefix, n), MemoCapacity);
  return memo ? memo->substr(0, MemoShownLength) : NoEventMemo;
}

std::wstring ReadEventComment(int n) {
  std::wstring comment = SettingsReader().Text(EventValue(CommentPrefix, n), CommentCapacity).value_or(L"");
  return comment.size() > CommentLongest ? L"" : comment;
}

void WriteEventComment(int n, HWND edit) {
  std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  int length = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
  SettingsWriter().Text(EventValue(CommentPrefix, n),
                        std::wstring_view(text.data(), length > 0 ? length : 0));
}
