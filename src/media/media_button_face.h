// What a multimedia button shows: its caption, the kind of media a press acts on, and its tip,
// from its set-up in the registry and what of its media runs now.
#pragma once

#include <string>

#include "platform/win/win_types.h"

struct MediaButtonSetup {
  int type = -1;  // -1 none, 0 scripts, 1 pictures, 2 videos, 3 audio
  std::wstring path;
  bool wholeFolder = false;
};

inline constexpr int NoMediaKind = -1;
inline constexpr int ScriptKind = 0;
inline constexpr int PictureKind = 1;
inline constexpr int VideoKind = 2;
inline constexpr int AudioKind = 3;

// The set-up's name for a button with nothing chosen.
inline constexpr wchar_t PlaceholderScript[] = L"!orvenna-console.ovs";
inline constexpr wchar_t RunningCaption[] = L"\u25A0";
inline constexpr wchar_t PlayableMark[] = L"\u25BA\n";

struct MediaButtonFace {
  std::wstring caption;
  int kind = NoMediaKind;
  std::wstring tooltip;
};

bool HasNoMedia(const MediaButtonSetup& setup);
// A picture file or a photo folder.
bool ShowsPictures(const MediaButtonSetup& setup);
// A script file or a script folder.
bool RunsScripts(const MediaButtonSetup& setup);
MediaButtonFace DescribeMediaButton(const MediaButtonSetup& setup, bool active, bool pictureVisible,
                                    unsigned language);
// The idle captions a press restores.
std::wstring FileCaption(UINT wordId, bool playable, const std::wstring& path, unsigned language);
std::wstring FolderCaption(int type, const std::wstring& folder, unsigned language);
// "PHOTO FOLDER\n" and the folder's own name, or "PHOTO\n" and the title of the file.
std::wstring PictureCaption(const MediaButtonSetup& setup, unsigned language);
std::wstring HideCaption(unsigned language);

inline constexpr UINT PhotoWord = 2170;
inline constexpr UINT VideoWord = 2180;
inline constexpr UINT AudioWord = 2190;
inline constexpr UINT PhotoFolderWord = 2200;
inline constexpr UINT ScriptWord = 2210;
inline constexpr UINT AudioFolderWord = 2240;
