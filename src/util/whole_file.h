// Files read and written whole: the ini files and the recorded shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class WholeFileRead { Read, Unreadable, TooLarge };

// Reads no further than one chunk past largest bytes.
WholeFileRead ReadWholeFile(const std::wstring& path, std::size_t largest, std::string& bytes);

// Writes a new file beside the old one and moves it over the old one only when it is whole, so
// a failed write (a full drive, say) leaves the old file as it was and no fragment beside it.
bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes);
