#include "src/app/planets/find_object_script.h"

#include <algorithm>
#include <cwctype>

#include "src/link/script_literal.h"

namespace {

constexpr std::wstring_view IsolateOn = L"ConstellationMgr.setFlagIsolateSelected(true);\r";

struct ConstellationPart {
  int displayBit;
  std::wstring_view setter;
};
constexpr ConstellationPart ConstellationParts[] = {
    {1, L"ConstellationMgr.setFlagArt"},
    {2, L"ConstellationMgr.setFlagLines"},
    {4, L"ConstellationMgr.setFlagBoundaries"},
    {8, L"ConstellationMgr.setFlagLabels"},
};

// Selecting a star drops every constellation from Orvenna's isolated selection.
constexpr std::wstring_view DropConstellations = L"core.selectObjectByName(\"HIP 12200\", false);\r";

std::wstring PartsOff() {
  std::wstring lines;
  for (const ConstellationPart& part : ConstellationParts)
    lines += std::wstring(part.setter) + L"(false);\r";
  return lines;
}

std::wstring SelectLine(std::wstring_view name, bool pointer) {
  return L"core.selectObjectByName(" + ScriptStringLiteral(name) + (pointer ? L", true);\r" : L", false);\r");
}

// The other isolated constellations, selected again so that they stay isolated with it.
std::wstring ReselectOthers(const ConstellationList& constellations, std::size_t except) {
  std::wstring lines;
  for (std::size_t j = 0; j < constellations.names.size(); ++j)
    if (j != except && constellations.isolated[j] == 1) lines += SelectLine(constellations.names[j], false);
  return lines;
}

}  // namespace

std::wstring StarSelectionScript(unsigned hip) {
  return L"core.selectObjectByName(" + ScriptStringLiteral(L"HP" + std::to_wstring(hip)) + L",true);\r";
}

std::wstring FoundObjectName(std::wstring_view targetName) {
  std::wstring name(targetName);
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
  if (!name.empty()) name[0] = static_cast<wchar_t>(std::towupper(name[0]));
  return name;
}

bool TreatAsConstellation(std::wstring_view name, bool isArtName, int targetKind) {
  if (name.size() > 1 && name.find_first_of(L"0123456789", 1) != std::wstring_view::npos) return false;
  return isArtName || targetKind == 2;
}

std::wstring ConstellationDisplayLines(bool constellation, int displayOptions) {
  if (!constellation) return PartsOff();
  std::wstring lines(IsolateOn);
  for (const ConstellationPart& part : ConstellationParts)
    if ((displayOptions & part.displayBit) != 0) lines += std::wstring(part.setter) + L"(true);\r";
  return lines;
}

std::wstring SkyCultureLine(bool western, std::wstring_view culture) {
  return L"core.setSkyCulture(" + ScriptStringLiteral(western ? L"western" : culture) + L");\r";
}

std::wstring CatalogueDesignation(std::wstring name) {
  if (name.size() > 1 && name[0] == L'N' && std::iswdigit(name[1])) name.replace(0, 1, L"NGC");
  return name;
}

FindObjectSelection SelectFoundObject(ConstellationList& constellations, std::uint8_t index,
                                      std::wstring_view name) {
  if (index >= constellations.names.size()) return {SelectLine(name, true), false};
  std::uint8_t& flag = constellations.isolated[index];
  if (flag == 0) {
    flag = 1;
    return {ReselectOthers(constellations, index) + SelectLine(name, true), false};
  }
  const auto isolatedCount = std::count(constellations.isolated.begin(), constellations.isolated.end(), 1);
  flag = 0;
  if (isolatedCount == 1) return {PartsOff() + std::wstring(DropConstellations), true};
  return {std::wstring(DropConstellations) + ReselectOthers(constellations, index), true};
}
