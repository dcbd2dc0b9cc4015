// The open and save dialogs' template, in dialog units.
#pragma once

#include <vector>

#include "platform/win/dialog_api.h"

namespace file_dialog {

inline constexpr short kWidth = 280;
inline constexpr short kHeight = 178;

// The controls, with the OK button captioned ok_caption ("&Open" or "&Save").
std::vector<DialogItemTemplate> items(LPCWSTR ok_caption);

}  // namespace file_dialog
