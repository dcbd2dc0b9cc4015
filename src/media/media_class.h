// What a multimedia file is, by the end of its name, and the names the panel shows of a path.
#pragma once

#include <string>

enum class MediaClass { Unsupported, Audio, Picture, Video, Script };

// By the last three characters of the path (four for "jpeg" and "mpeg"), in any case; no dot
// is needed.
MediaClass ClassifyMediaFile(const std::wstring& path);
// The file name without folder and extension, at most 511 characters.
std::wstring MediaTitle(const std::wstring& path);
// The last component of a path as the file system reports it; none when nothing is found there.
bool FindMediaPath(const std::wstring& path, std::wstring* ownName = nullptr);
