#include "src/dialogs/options/options_keys.h"

void MakeOptionsKeys(std::span<CBtnPlanet> keys, std::span<const int> ids, CWnd& dialog) {
  for (std::size_t i = 0; i < keys.size() && i < ids.size(); ++i) {
    keys[i].m_nNormalId = OptionsKeyNormalBitmap;
    keys[i].m_nActiveId = OptionsKeyActiveBitmap;
    keys[i].SubclassDlgItem(static_cast<UINT>(ids[i]), &dialog);
  }
}
