#include "src/settings/multimedia_settings.h"

#include "src/settings/ranged_settings.h"
#include "src/settings/settings_key.h"

namespace {

constexpr wchar_t ScriptNamePrefix[] = L"ScriptName_";
constexpr wchar_t UseFolderPrefix[] = L"UseFolder_";
constexpr wchar_t FullScreenPrefix[] = L"FullScreen_";
constexpr wchar_t FlipPrefix[] = L"flip_";
constexpr std::size_t FileNameCapacity = 1024;

// The type and file name carry k, every other value k + 1.
std::wstring ScriptNameValue(int k) {
  return SlotValueName(ScriptNamePrefix, k);
}

constexpr std::array<Ranged, 6> VideoNumbers{Ranged::VideoWidth,   Ranged::VideoHeight,
                                             Ranged::VideoXOffset, Ranged::VideoYOffset,
                                             Ranged::VideoVolume,  Ranged::VideoRotation};

std::array<int*, 6> NumbersOf(VideoOptions& options) {
  return {&options.width,   &options.height, &options.xOffset,
          &options.yOffset, &options.volume, &options.rotation};
}

}  // namespace

ScriptButtons LoadScriptButtons() {
  SettingsReader reader;
  ScriptButtons buttons;
  for (int k = 0; k < MultimediaButtonCount; ++k) {
    buttons.types[k] = ReadRanged(reader, Ranged::MultimediaType, k);
    buttons.names[k] = reader.Text(ScriptNameValue(k), FileNameCapacity).value_or(L"");
  }
  return buttons;
}

void SaveScriptButtons(const ScriptButtons& buttons) {
  SettingsWriter writer;
  for (int k = 0; k < MultimediaButtonCount; ++k)
    writer.Int(RangedName(Ranged::MultimediaType, k), WithinLimits(Ranged::MultimediaType, buttons.types[k]));
  for (int k = 0; k < MultimediaButtonCount; ++k)
    writer.Text(ScriptNameValue(k), buttons.names[k]);
}

std::array<bool, MultimediaButtonCount> LoadUseFolderFlags() {
  SettingsReader reader;
  std::array<bool, MultimediaButtonCount> flags{};
  for (int k = 0; k < MultimediaButtonCount; ++k)
    flags[k] = reader.Flag(SlotValueName(UseFolderPrefix, k + 1)).value_or(false);
  return flags;
}

void SaveUseFolderFlags(const std::array<bool, MultimediaButtonCount>& flags) {
  SettingsWriter writer(SettingsWriter::Open::ExistingKeyOnly);
  for (int k = 0; k < MultimediaButtonCount; ++k)
    writer.Flag(SlotValueName(UseFolderPrefix, k + 1), flags[k]);
}

std::wstring LoadScriptName(int k) {
  return SettingsReader().Text(ScriptNameValue(k), FileNameCapacity).value_or(L"");
}

bool LoadVideoOptions(int k, VideoOptions& options) {
  SettingsReader reader;
  std::optional<std::wstring> fileName = reader.Text(ScriptNameValue(k), FileNameCapacity);
  if (!fileName) {
    options = VideoOptions{};
    options.width = options.height = 0;
    options.volume = 50;
    return false;
  }
  options.fileName = *fileName;
  options.fullScreen = reader.Flag(SlotValueName(FullScreenPrefix, k + 1)).value_or(false);
  std::array<int*, 6> numbers = NumbersOf(options);
  for (std::size_t i = 0; i < VideoNumbers.size(); ++i) {
    bool keepsCallers = VideoNumbers[i] == Ranged::VideoWidth || VideoNumbers[i] == Ranged::VideoHeight;
    int missing = keepsCallers ? *numbers[i] : SettingOf(VideoNumbers[i]).fallback;
    *numbers[i] = ReadRanged(reader, VideoNumbers[i], k + 1, missing);
  }
  options.flip = reader.Flag(SlotValueName(FlipPrefix, k + 1)).value_or(false);
  return true;
}

void SaveVideoOptions(int k, const VideoOptions& options) {
  SettingsWriter writer;
  writer.Text(ScriptNameValue(k), options.fileName);
  writer.Flag(SlotValueName(FullScreenPrefix, k + 1), options.fullScreen);
  VideoOptions copy = options;
  std::array<int*, 6> numbers = NumbersOf(copy);
  for (std::size_t i = 0; i < VideoNumbers.size(); ++i)
    writer.Int(RangedName(VideoNumbers[i], k + 1), *numbers[i]);
  writer.Flag(SlotValueName(FlipPrefix, k + 1), options.flip);
}
