// The colour dialog's template, shared by its layout and its procedure.
#pragma once

#include <array>
#include <vector>

#include "platform/win/common_dialog_api.h"
#include "platform/win/dialog_api.h"

namespace colour_dialog {

inline constexpr short kCompactWidth = 152;
inline constexpr short kFullWidth = 300;
inline constexpr short kHeight = 186;
inline constexpr int kHueLabel = 787;
inline constexpr int kSatLabel = 788;
inline constexpr int kLumLabel = 789;
inline constexpr int kRedLabel = 790;
inline constexpr int kGreenLabel = 791;
inline constexpr int kBlueLabel = 792;
// The controls of the full part, hidden while the dialog is compact.
inline constexpr std::array<int, 16> kFullPart{
    COLOR_RAINBOW, COLOR_LUMSCROLL, COLOR_CURRENT, COLOR_HUE, COLOR_SAT, COLOR_LUM, COLOR_RED,   COLOR_GREEN,
    COLOR_BLUE,    COLOR_ADD,       kHueLabel,     kSatLabel, kLumLabel, kRedLabel, kGreenLabel, kBlueLabel};

const std::vector<DialogItemTemplate>& items();

}  // namespace colour_dialog
