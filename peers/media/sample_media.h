// The sample media a fresh machine gets, so a new presenter has something to play: clips and
// tones made as the tests make them, in a folder of the presenter's videos.
#pragma once

#include <string>

#include "platform/desktop/desktop.h"

namespace media {

inline constexpr wchar_t kSampleMediaFolder[] = L"C:\\Users\\presenter\\Videos\\Orvenna samples";

// Writes the samples into the folder when it does not exist yet; empty when done or already
// there, else why not.
std::string install_sample_media(desktop::Desktop& machine, const std::wstring& folder = kSampleMediaFolder);

}  // namespace media
