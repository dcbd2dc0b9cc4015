#include "src/media/media_button_face.h"

#include <array>

#include "src/media/media_class.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT ScriptFolderWord = 2220;
constexpr UINT VideoFolderWord = 2230;
constexpr UINT FileNotFound = 2250;
constexpr UINT NoAction = 2260;
constexpr UINT NotSupported = 2270;
constexpr UINT HideWord = 9520;
constexpr UINT NoScriptTip = 2050;
constexpr wchar_t FolderTip[] = L"Video: ";
constexpr wchar_t NotFoundTip[] = L"Error: File not found";

std::wstring Text(UINT base, unsigned language) {
  return LoadResourceText(base + language);
}

struct FileFace {
  MediaClass mediaClass;
  UINT word;
  bool playable;
  int kind;
};
constexpr std::array<FileFace, 4> FileFaces{{
    {MediaClass::Audio, AudioWord, true, AudioKind},
    {MediaClass::Picture, PhotoWord, false, PictureKind},
    {MediaClass::Video, VideoWord, true, VideoKind},
    {MediaClass::Script, ScriptWord, true, ScriptKind},
}};

// The folder word of each type; every other type reads as audio.
UINT FolderWord(int type) {
  constexpr std::array<UINT, 3> Words{ScriptFolderWord, PhotoFolderWord, VideoFolderWord};
  return type >= 0 && type < static_cast<int>(Words.size()) ? Words[type] : AudioFolderWord;
}

int FolderKind(int type) {
  return type >= ScriptKind && type <= VideoKind ? type : AudioKind;
}

std::wstring Tooltip(const MediaButtonSetup& setup) {
  if (setup.path == PlaceholderScript) return {};
  if (!setup.wholeFolder) return setup.path;
  std::wstring name;
  return FindMediaPath(setup.path, &name) ? FolderTip + name : NotFoundTip;
}

}  // namespace

bool HasNoMedia(const MediaButtonSetup& setup) {
  return setup.path.empty() || setup.path == PlaceholderScript || setup.type == -1;
}

bool ShowsPictures(const MediaButtonSetup& setup) {
  return setup.wholeFolder ? setup.type == PictureKind : ClassifyMediaFile(setup.path) == MediaClass::Picture;
}

std::wstring FileCaption(UINT wordId, bool playable, const std::wstring& path, unsigned language) {
  return Text(wordId, language) + (playable ? PlayableMark : L"") + MediaTitle(path);
}

std::wstring FolderCaption(int type, const std::wstring& folder, unsigned language) {
  std::wstring name;
  FindMediaPath(folder, &name);
  return Text(FolderWord(type), language) + name;
}

bool RunsScripts(const MediaButtonSetup& setup) {
  return setup.wholeFolder ? setup.type == ScriptKind : ClassifyMediaFile(setup.path) == MediaClass::Script;
}

std::wstring PictureCaption(const MediaButtonSetup& setup, unsigned language) {
  // A folder by its own name: "Photos.2024" has no extension to drop.
  if (setup.wholeFolder) return FolderCaption(PictureKind, setup.path, language);
  return Text(PhotoWord, language) + MediaTitle(setup.path);
}

std::wstring HideCaption(unsigned language) {
  return Text(HideWord, language);
}

MediaButtonFace DescribeMediaButton(const MediaButtonSetup& setup, bool active, bool pictureVisible,
                                    unsigned language) {
  MediaButtonFace face;
  face.tooltip = setup.path == PlaceholderScript ? Text(NoScriptTip, language) : Tooltip(setup);
  if (HasNoMedia(setup)) {
    face.caption = active ? RunningCaption : Text(NoAction, language);
    return face;
  }
  std::wstring ownName;
  const bool found = FindMediaPath(setup.path, &ownName);
  if (setup.wholeFolder) {
    face.kind = FolderKind(setup.type);
    face.caption = Text(FolderWord(setup.type), language) + ownName;
  } else {
    face.caption = Text(NotSupported, language) + MediaTitle(setup.path);
    const MediaClass mediaClass = ClassifyMediaFile(setup.path);
    for (const FileFace& file : FileFaces) {
      if (file.mediaClass != mediaClass) continue;
      face.kind = file.kind;
      face.caption = file.kind == PictureKind && pictureVisible
                         ? HideCaption(language)
                         : FileCaption(file.word, file.playable, setup.path, language);
    }
  }
  if (active)
    face.caption = ShowsPictures(setup) ? HideCaption(language) : RunningCaption;
  else if (!found)
    face.caption = Text(FileNotFound, language);
  return face;
}
