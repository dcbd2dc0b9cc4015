// The scenario steps that put clips and tones on the machine, played back by the media core.
#include "peers/media/media_file.h"
#include "peers/media/sample_media.h"
#include "platform/driver/desktop_user.h"
#include "platform/driver/scenario.h"
#include "tests/peers/media/media_fixture.h"

namespace {

class ScenarioMediaTest : public MediaTest {
 protected:
  driver::ScenarioResult run(const std::string& text) { return driver::ScenarioRunner(user).run(text); }
  driver::DesktopUser user{machine};
};

struct MadeCase {
  const char* step;
  const wchar_t* path;
  bool video;
};

TEST_F(ScenarioMediaTest, MakefileWritesClipsAndTonesThatPlay) {
  const MadeCase cases[] = {
      {"makefile \"C:\\My Videos\\sky.mp4\" clip 2", L"C:\\My Videos\\sky.mp4", true},
      {"makefile C:\\Media\\sky.wmv clip 2", L"C:\\Media\\sky.wmv", true},
      {"makefile C:\\Media\\sky.mp4 tone 2", L"C:\\Media\\sky.mp4", false},
      {"makefile %APPDATA%\\sound.mp3 tone 2", L"C:\\Users\\presenter\\AppData\\Roaming\\sound.mp3", false},
      {"makefile C:\\Media\\sound.wav clip 2", L"C:\\Media\\sound.wav", false},
  };
  for (const MadeCase& c : cases) {
    driver::ScenarioResult result = run(std::string(c.step) + "\n");
    ASSERT_TRUE(result) << c.step << ": " << result.reason;
    media::MediaFile file;
    ASSERT_EQ(file.open(c.path), "") << c.step;
    EXPECT_EQ(file.has_video(), c.video) << c.step;
    EXPECT_TRUE(file.has_audio()) << c.step;
    EXPECT_NEAR(file.duration(), 2, 0.15) << c.step;
  }
}

// A clip of no length: a player opens it and finds nothing to play.
TEST_F(ScenarioMediaTest, AClipOfNoLengthOpensWithItsStreamsAndNothingInThem) {
  const MadeCase cases[] = {
      {"makefile C:\\Media\\empty.avi clip 0", L"C:\\Media\\empty.avi", true},
      {"makefile C:\\Media\\empty.wav clip 0", L"C:\\Media\\empty.wav", false},
  };
  for (const MadeCase& c : cases) {
    driver::ScenarioResult result = run(std::string(c.step) + "\n");
    ASSERT_TRUE(result) << c.step << ": " << result.reason;
    media::MediaFile file;
    ASSERT_EQ(file.open(c.path), "") << c.step;
    EXPECT_EQ(file.has_video(), c.video) << c.step;
    EXPECT_TRUE(file.has_audio()) << c.step;
    EXPECT_EQ(file.duration(), 0) << c.step;
    // Read and decoded to its end, it gives not a frame nor a sample.
    while (file.pull() || file.decode_video()) {
    }
    EXPECT_TRUE(file.at_end()) << c.step;
    EXPECT_TRUE(file.video_frames().empty()) << c.step;
    EXPECT_TRUE(file.audio_samples().empty()) << c.step;
  }
}

TEST_F(ScenarioMediaTest, AClipItCannotMakeIsAReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"makefile C:\\a.mp4 clip long", "expected the length in seconds, from 0 to 600, such as 5 or 2.5"},
      {"makefile C:\\a.mp4 clip -1", "expected the length in seconds, from 0 to 600, such as 5 or 2.5"},
      {"makefile C:\\a.mp4 clip 601", "expected the length in seconds, from 0 to 600, such as 5 or 2.5"},
      {"makefile C:\\a.mkv tone 1",
       "no container for \"mkv\": a clip or tone is one of mp4, mov, avi, wmv, flv, swf, mpeg, mp2, mp3, "
       "wav, wma, "
       "ogg, aac"},
  };
  for (const auto& [step, reason] : cases) {
    driver::ScenarioResult result = run(std::string(step) + "\n");
    EXPECT_FALSE(result) << step;
    EXPECT_EQ(result.reason, reason);
  }
}

}  // namespace

namespace {

using SampleMediaTest = MediaTest;

TEST_F(SampleMediaTest, AFreshMachineGetsSamplesThatPlayAndAKeptFolderIsLeftAlone) {
  ASSERT_EQ(media::install_sample_media(machine), "");
  for (const wchar_t* name : {L"Colour count.mp4", L"Colour count.wmv", L"Tone 440 Hz.mp3"}) {
    media::MediaFile file;
    EXPECT_EQ(file.open(std::wstring(media::kSampleMediaFolder) + L"\\" + name), "");
  }
  const std::wstring kept = std::wstring(media::kSampleMediaFolder) + L"\\Colour count.mp4";
  ASSERT_TRUE(DeleteFileW(kept.c_str()));
  ASSERT_EQ(media::install_sample_media(machine), "");
  EXPECT_EQ(GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
