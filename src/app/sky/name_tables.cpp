// The main dialog's constellation lookups over its name tables.
#include "src/app/orvenna_console_dlg.h"

void COrvennaConsoleDlg::InitConstellationNames() {
  ConstellationNames.Fill();
}

std::uint8_t COrvennaConsoleDlg::FindConstellationIndex(std::wstring_view name) const {
  return ConstellationNames.FindIndex(name);
}

bool COrvennaConsoleDlg::IsConstellationArtName(std::wstring_view name) const {
  return ::IsConstellationArtName(ConstellationArtNames, name);
}
