#include "src/settings/ranged_settings.h"

std::wstring RangedName(Ranged which, int slotNumber) {
  std::wstring name = SettingOf(which).name;
  return slotNumber < 0 ? name : SlotValueName(name, slotNumber);
}

int ReadRanged(const SettingsReader& reader, Ranged which, int slotNumber) {
  return ReadRanged(reader, which, slotNumber, SettingOf(which).fallback);
}

int ReadRanged(const SettingsReader& reader, Ranged which, int slotNumber, int missingValue) {
  return WithinLimits(which, reader.Int(RangedName(which, slotNumber)).value_or(missingValue));
}
