// The push buttons of the options dialogs drawn as image buttons, all with the same key faces.
#pragma once

#include <span>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"

inline constexpr int OptionsKeyNormalBitmap = 1260;
inline constexpr int OptionsKeyActiveBitmap = 1261;

// Gives keys[i] the faces and subclasses the dialog's button ids[i] with it.
void MakeOptionsKeys(std::span<CBtnPlanet> keys, std::span<const int> ids, CWnd& dialog);
