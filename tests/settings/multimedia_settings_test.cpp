#include "src/settings/multimedia_settings.h"

#include "tests/platform/desktop_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

using MultimediaSettingsTest = DesktopTest;

TEST_F(MultimediaSettingsTest, ButtonsRoundTripWithTypesKeptInRange) {
  ScriptButtons saved;
  for (int k = 0; k < MultimediaButtonCount; ++k) {
    saved.types[k] = k % 6 - 2;  // -2 to 3
    saved.names[k] = L"C:\\Shows\\clip" + std::to_wstring(k) + L".mp4";
  }
  SaveScriptButtons(saved);
  ScriptButtons loaded = LoadScriptButtons();
  for (int k = 0; k < MultimediaButtonCount; ++k) {
    EXPECT_EQ(loaded.types[k], saved.types[k] == -2 ? -1 : saved.types[k]) << k;
    EXPECT_EQ(loaded.names[k], saved.names[k]) << k;
  }
  EXPECT_EQ(FetchValue(L"MultimediaType0").bytes, DwordValue(static_cast<DWORD>(-1)).bytes);
  EXPECT_EQ(LoadScriptName(15), saved.names[15]);
  EXPECT_EQ(LoadScriptName(3), saved.names[3]);
}

TEST_F(MultimediaSettingsTest, FolderFlagsAreWrittenOnlyIntoAnExistingKey) {
  std::array<bool, MultimediaButtonCount> flags{};
  flags[0] = flags[15] = true;
  SaveUseFolderFlags(flags);
  EXPECT_EQ(FetchValue(L"UseFolder_1").type, REG_NONE);
  EXPECT_EQ(LoadUseFolderFlags(), (std::array<bool, MultimediaButtonCount>{}));

  StoreValue(L"UseFolder_2", DwordValue(7));
  SaveUseFolderFlags(flags);
  EXPECT_EQ(LoadUseFolderFlags(), flags);
  EXPECT_EQ(FetchValue(L"UseFolder_16").bytes, DwordValue(1).bytes);
}

TEST_F(MultimediaSettingsTest, VideoOptionsWithoutAFileAreCleared) {
  VideoOptions options{L"old.mp4", true, 640, 480, 10, 20, 80, 90, true};
  EXPECT_FALSE(LoadVideoOptions(2, options));
  EXPECT_EQ(options.fileName, L"");
  EXPECT_FALSE(options.fullScreen);
  EXPECT_EQ(options.width, 0);
  EXPECT_EQ(options.height, 0);
  EXPECT_EQ(options.xOffset, 0);
  EXPECT_EQ(options.yOffset, 0);
  EXPECT_EQ(options.volume, 50);
  EXPECT_EQ(options.rotation, 0);
  EXPECT_FALSE(options.flip);
}

struct VideoCase {
  std::vector<std::pair<const wchar_t*, DWORD>> stored;
  VideoOptions expected;
};

TEST_F(MultimediaSettingsTest, VideoOptionsWithinTheirLimits) {
  // Width and height missing keep the caller's value, then face the same limits.
  for (const VideoCase& c : {
           VideoCase{{}, {L"v.mp4", false, 640, 100, 0, 0, 100, 0, false}},
           VideoCase{{{L"FullScreen_3", 1},
                      {L"vWidth_3", 3840},
                      {L"vHeight_3", 2160},
                      {L"xOffset_3", static_cast<DWORD>(-1)},
                      {L"yOffset_3", 1200},
                      {L"volume_3", 0},
                      {L"rotation_3", 365},
                      {L"flip_3", 2}},
                     {L"v.mp4", true, 3840, 2160, -1, 1200, 0, 365, true}},
           VideoCase{{{L"vWidth_3", 99},
                      {L"vHeight_3", 2161},
                      {L"xOffset_3", static_cast<DWORD>(-2)},
                      {L"yOffset_3", 1201},
                      {L"volume_3", 101},
                      {L"rotation_3", 366}},
                     {L"v.mp4", false, 100, 100, 0, 0, 100, 0, false}},
       }) {
    RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
    StoreValue(L"ScriptName_2", TextValue(L"v.mp4"));
    for (const auto& [name, value] : c.stored)
      StoreValue(name, DwordValue(value));
    VideoOptions options;
    options.width = 640;
    options.height = 50;
    ASSERT_TRUE(LoadVideoOptions(2, options));
    const VideoOptions& e = c.expected;
    EXPECT_EQ(options.fileName, e.fileName);
    EXPECT_EQ(options.fullScreen, e.fullScreen);
    EXPECT_EQ(std::vector<int>({options.width, options.height, options.xOffset, options.yOffset,
                                options.volume, options.rotation}),
              std::vector<int>({e.width, e.height, e.xOffset, e.yOffset, e.volume, e.rotation}))
        << c.stored.size();
    EXPECT_EQ(options.flip, e.flip);
  }
}

TEST_F(MultimediaSettingsTest, VideoOptionsRoundTrip) {
  VideoOptions saved{L"C:\\Shows\\aurora.mp4", true, 1280, 720, -1, 40, 75, 180, true};
  SaveVideoOptions(9, saved);
  VideoOptions loaded;
  ASSERT_TRUE(LoadVideoOptions(9, loaded));
  EXPECT_EQ(loaded.fileName, saved.fileName);
  EXPECT_EQ(std::vector<int>({loaded.width, loaded.height, loaded.xOffset, loaded.yOffset, loaded.volume,
                              loaded.rotation}),
            std::vector<int>({1280, 720, -1, 40, 75, 180}));
  EXPECT_TRUE(loaded.fullScreen && loaded.flip);
  EXPECT_EQ(FetchValue(L"vWidth_10").bytes, DwordValue(1280).bytes);
}

}  // namespace
