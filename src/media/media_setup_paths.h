// What the multimedia set-up reads from a row's path: its extension, whether a button may play
// it, whether it is a video with options of its own, and its folder.
#pragma once

#include <string>

// From the last dot of the file name, dot included, at most nine characters; empty without one.
std::wstring SetupExtension(const std::wstring& path);
// Any picture, video, audio or script ending a button can be given, in any case.
bool IsAllowedSetupExtension(const std::wstring& extension);
// The video endings whose presentation the video options set.
bool IsAdvancedVideoExtension(const std::wstring& extension);
// The drive and folders of the path, with the last backslash.
std::wstring SetupFolderPart(const std::wstring& path);
