// What each multimedia button shows from its set-up: caption, kind and tip, and the class of a
// file by the end of its name.
#include "src/media/media_button_face.h"

#include <filesystem>

#include "src/media/media_class.h"
#include "tests/media/media_fixture.h"

namespace {

TEST(MediaClassTest, TheEndOfTheNameInAnyCaseGivesTheClass) {
  const std::pair<const wchar_t*, MediaClass> cases[] = {
      {L"C:\\a\\track.MP3", MediaClass::Audio},
      {L"x.wav", MediaClass::Audio},
      {L"xwma", MediaClass::Audio},
      {L"clip.MPEG", MediaClass::Video},
      {L"clip.mov", MediaClass::Video},
      {L"m31.JPEG", MediaClass::Picture},
      {L"m31.jpg", MediaClass::Picture},
      {L"show.ovs", MediaClass::Script},
      {L"notes.txt", MediaClass::Unsupported},
      {L"", MediaClass::Unsupported},
      {L"C:\\a.mp3\\b", MediaClass::Unsupported},
  };
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(ClassifyMediaFile(path), expected) << testing::PrintToString(std::wstring(path));
}

TEST(MediaClassTest, TheTitleIsTheNameWithoutFolderAndExtension) {
  EXPECT_EQ(MediaTitle(L"C:\\Shows\\m31.final.png"), L"m31.final");
  EXPECT_EQ(MediaTitle(L"C:\\Shows\\notes"), L"notes");
  EXPECT_EQ(MediaTitle(std::wstring(600, L'a') + L".png").size(), 511U);
}

class MediaButtonFaceTest : public MediaTest {};

TEST_F(MediaButtonFaceTest, CaptionsKindsAndTipsFollowTheSetUp) {
  MakePicture(L"Shows\\m31.png");
  MakePicture(L"Shows\\Folder\\a.png");
  for (const wchar_t* name : {L"track.MP3", L"clip.MPEG", L"intro.ovs", L"notes.txt"}) {
    const std::filesystem::path file = machine.data_folder() / "C" / "Shows" / name;
    std::FILE* made = std::fopen(file.c_str(), "w");
    ASSERT_NE(made, nullptr);
    std::fclose(made);
  }
  struct Case {
    MediaButtonSetup setup;
    bool active;
    bool pictureVisible;
    std::wstring caption;
    int kind;
    std::wstring tooltip;
  };
  const Case cases[] = {
      {{-1, L"C:\\Shows\\m31.png", false}, false, false, L"NO ACTION", NoMediaKind, L"C:\\Shows\\m31.png"},
      {{0, L"", false}, false, false, L"NO ACTION", NoMediaKind, L""},
      {{0, PlaceholderScript, false},
       false,
       false,
       L"NO ACTION",
       NoMediaKind,
       L"No script selected for this button"},
      {{1, L"C:\\Shows\\gone.png", false},
       false,
       false,
       L"FILE NOT FOUND",
       PictureKind,
       L"C:\\Shows\\gone.png"},
      {{3, L"C:\\Shows\\track.MP3", false},
       false,
       false,
       L"AUDIO\n\u25BA\ntrack",
       AudioKind,
       L"C:\\Shows\\track.MP3"},
      {{2, L"C:\\Shows\\clip.MPEG", false},
       false,
       false,
       L"VIDEO\n\u25BA\nclip",
       VideoKind,
       L"C:\\Shows\\clip.MPEG"},
      {{0, L"C:\\Shows\\intro.ovs", false},
       false,
       false,
       L"SCRIPT\n\u25BA\nintro",
       ScriptKind,
       L"C:\\Shows\\intro.ovs"},
      {{1, L"C:\\Shows\\m31.png", false}, false, false, L"PHOTO\nm31", PictureKind, L"C:\\Shows\\m31.png"},
      {{1, L"C:\\Shows\\m31.png", false}, false, true, L"(Hide)", PictureKind, L"C:\\Shows\\m31.png"},
      {{1, L"C:\\Shows\\notes.txt", false},
       false,
       false,
       L"NOT SUPPORTEDnotes",
       NoMediaKind,
       L"C:\\Shows\\notes.txt"},
      {{1, L"C:\\Shows\\Folder", true}, false, false, L"PHOTO FOLDER\nFolder", PictureKind, L"Video: Folder"},
      {{0, L"C:\\Shows\\Folder", true}, false, false, L"SCRIPT FOLDER\nFolder", ScriptKind, L"Video: Folder"},
      {{2, L"C:\\Shows\\Folder", true}, false, false, L"VIDEO FOLDER\nFolder", VideoKind, L"Video: Folder"},
      {{3, L"C:\\Shows\\Folder", true}, false, false, L"AUDIO FOLDER\nFolder", AudioKind, L"Video: Folder"},
      {{3, L"C:\\Shows\\None", true}, false, false, L"FILE NOT FOUND", AudioKind, L"Error: File not found"},
      {{0, L"C:\\Shows\\intro.ovs", false}, true, false, L"\u25A0", ScriptKind, L"C:\\Shows\\intro.ovs"},
      {{3, L"C:\\Shows\\track.MP3", false}, true, false, L"\u25A0", AudioKind, L"C:\\Shows\\track.MP3"},
      {{1, L"C:\\Shows\\m31.png", false}, true, true, L"(Hide)", PictureKind, L"C:\\Shows\\m31.png"},
      {{1, L"C:\\Shows\\Folder", true}, true, false, L"(Hide)", PictureKind, L"Video: Folder"},
  };
  for (const Case& c : cases) {
    MediaButtonFace face;
    Run([&](TestConsoleDlg&) { face = DescribeMediaButton(c.setup, c.active, c.pictureVisible, 0); });
    const std::string name = testing::PrintToString(c.setup.path) + " type " + std::to_string(c.setup.type);
    EXPECT_EQ(face.caption, c.caption) << name;
    EXPECT_EQ(face.kind, c.kind) << name;
    EXPECT_EQ(face.tooltip, c.tooltip) << name;
  }
}

TEST_F(MediaButtonFaceTest, AHiddenPictureGivesBackItsFoldersWholeName) {
  MakePicture(L"Shows\\Photos.2024\\a.png");
  MakePicture(L"Shows\\m31.final.png");
  std::wstring folder;
  std::wstring file;
  Run([&](TestConsoleDlg&) {
    folder = PictureCaption({1, L"C:\\Shows\\Photos.2024", true}, 0);
    file = PictureCaption({1, L"C:\\Shows\\m31.final.png", false}, 0);
  });
  EXPECT_EQ(folder, L"PHOTO FOLDER\nPhotos.2024") << "as the panel shows it at opening";
  EXPECT_EQ(file, L"PHOTO\nm31.final");
}

TEST_F(MediaButtonFaceTest, CaptionsAreInTheInterfaceLanguage) {
  MakePicture(L"Shows\\m31.png");
  MediaButtonFace face;
  Run([&face](TestConsoleDlg&) {
    face = DescribeMediaButton({1, L"C:\\Shows\\m31.png", false}, false, false, 1);
  });
  EXPECT_EQ(face.caption, L"FOTO\nm31");
}

}  // namespace
