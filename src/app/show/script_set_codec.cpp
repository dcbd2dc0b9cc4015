// The recording file's codec. Both directions apply the pairs first to last; a fragment that
// starts with a character a code may end with comes before any code is in the text, so no
// fragment can match across a code and its neighbour.
#include "src/app/show/script_set_codec.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Marks an escape in a recorded text; followed by itself, by EscapedAt, or by the rest of a
// code-like text that it breaks.
constexpr wchar_t EscapeMark = L'\uE000';
constexpr wchar_t EscapedAt = L'\uE001';

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view from, std::wstring_view to) {
  std::wstring result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::wstring_view::npos; at = text.find(from, start)) {
    result.append(text.substr(start, at - start));
    result.append(to);
    start = at + from.size();
  }
  result.append(text.substr(start));
  return result;
}

std::optional<std::size_t> CodeIndex(std::wstring_view code) {
  static const std::unordered_map<std::wstring_view, std::size_t> indices = [] {
    std::unordered_map<std::wstring_view, std::size_t> map;
    const auto& table = ScriptSetCodeTable();
    for (std::size_t i = 0; i < table.size(); ++i)
      map.emplace(table[i].code, i);
    return map;
  }();
  const auto found = indices.find(code);
  if (found == indices.end()) return std::nullopt;
  return found->second;
}

// Codes are two or three characters long and none holds another, so at most one starts here.
std::optional<std::size_t> CodeAt(std::wstring_view rest) {
  for (std::size_t length = 2; length <= 3 && length <= rest.size(); ++length)
    if (const std::optional<std::size_t> index = CodeIndex(rest.substr(0, length))) return index;
  return std::nullopt;
}

void AppendFragment(std::wstring& decoded, std::size_t index, std::wstring_view fragment) {
  if (decoded.size() >= 2) {
    const std::wstring joined = decoded.substr(decoded.size() - 2) + fragment.front();
    const std::optional<std::size_t> later = CodeIndex(joined);
    if (later && *later > index) {
      decoded.resize(decoded.size() - 2);
      decoded += ScriptSetCodeTable()[*later].fragment;
      fragment.remove_prefix(1);
    }
  }
  decoded += fragment;
}

bool StartsACode(std::wstring_view rest) {
  return CodeAt(rest).has_value();
}

}  // namespace

const std::vector<ScriptSetCode>& ScriptSetCodeTable() {
  static const std::vector<ScriptSetCode> table{
      {L"ConstellationMgr.setFlagBoundaries(", L"x00"},
      {L"ConstellationMgr.getFlagBoundaries(", L"x01"},
      {L"ConstellationMgr.setFlagArt(", L"x02"},
      {L"ConstellationMgr.getFlagArt(", L"x03"},
      {L"ConstellationMgr.setFlagLines(", L"x04"},
      {L"ConstellationMgr.getFlagLines(", L"x05"},
      {L"ConstellationMgr.setFlagLabels(", L"x06"},
      {L"ConstellationMgr.getFlagLabels(", L"x07"},
      {L"ConstellationMgr.setBoundariesColor(", L"x08"},
      {L"ConstellationMgr.setArtFadeDuration(", L"x09"},
      {L"ConstellationMgr.setFlagIsolateSelected(", L"x10"},
      {L"ConstellationMgr.setArtIntensity(", L"x11"},
      {L"core.clear(\"natural\");\rLabelMgr.deleteAllLabels();\r", L"x0A"},
      {L"core.setGuiVisible(false);\r", L"x0B"},
      {L"OrvMovementMgr.setEquatorialMount(false);\r", L"x0C"},
      {L"SolarSystem.setFlagPlanets(true);\rSolarSystem.setFlagLabels(true);\r", L"x0D"},
      {L"core.setProjectionMode(\"ProjectionFisheye\");\r", L"x0E"},
      {L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r", L"x0f"},
      {L"OrvMovementMgr.setInitViewDirectionToCurrent();\r", L"x1A"},
      {L"MeteorShowers.setEnableLabels(true);\rMeteorShowers.setEnableMarker(true);", L"x1B"},
      {L"var atmo = LandscapeMgr.getFlagAtmosphere();\rLandscapeMgr.setFlagAtmosphere(!atmo);", L"x1C"},
      {L"core.wait(", L"x1D"},
      {L"core.setDate(", L"x1E"},
      {L"core.setObserverLocation(", L"x1F"},
      {L"core.moveToAltAzi(", L"x2A"},
      {L"core.moveToRaDec(", L"x2B"},
      {L"core.selectObjectByName(", L"x2C"},
      {L"core.setSkyCulture(", L"x2D"},
      {L"core.setTimeRate(", L"x2E"},
      {L"core.setFlagGravityLabels(", L"x2F"},
      {L"core.setDiskViewport(", L"x3A"},
      {L"core.getObserverLocationInfo(", L"x3B"},
      {L"core.output(", L"x3C"},
      {L"core.resetOutput(", L"x3D"},
      {L"core.saveOutput(", L"x3E"},
      {L"core.setMinFps(", L"x3F"},
      {L"core.setRealTime(", L"x4A"},
      {L"core.goHome(", L"x4B"},
      {L"core.setJDay(", L"x4C"},
      {L"core.getJDay(", L"x4D"},
      {L"core.moveToSelectedObject(", L"x4E"},
      {L"core.getTimeRate(", L"x4F"},
      {L"core.setSelectedObjectInfo(", L"x5A"},
      {L"LandscapeMgr.setFlagAtmosphere(", L"x5B"},
      {L"LandscapeMgr.getFlagAtmosphere(", L"x5C"},
      {L"LandscapeMgr.setFlagFog(", L"x5D"},
      {L"LandscapeMgr.getFlagFog(", L"x5E"},
      {L"LandscapeMgr.setFlagLandscape(", L"x5F"},
      {L"LandscapeMgr.getFlagLandscape(", L"x6A"},
      {L"LandscapeMgr.setCurrentLandscapeName(", L"x6B"},
      {L"LandscapeMgr.setFlagCardinalsPoints(", L"x6C"},
      {L"LandscapeMgr.getFlagCardinalsPoints(", L"x6D"},
      {L"LandscapeMgr.setAtmosphereFadeDuration(", L"x6E"},
      {L"LandscapeMgr.setFlagIllumination(", L"x6F"},
      {L"OrvMovementMgr.zoomTo(", L"x7A"},
      {L"OrvMovementMgr.setFlagTracking(", L"x7B"},
      {L"OrvMovementMgr.setInitFov(", L"x7C"},
      {L"OrvMovementMgr.setAutoMoveDuration(", L"x7D"},
      {L"OrvMovementMgr.autoZoomOut(", L"x7E"},
      {L"OrvMovementMgr.autoZoomIn(", L"x7F"},
      {L"OrvMovementMgr.setEquatorialMount(", L"x8A"},
      {L"OrvMovementMgr.getMountMode(", L"x8B"},
      {L"OrvSkyDrawer.setAbsoluteStarScale(", L"x8C"},
      {L"OrvSkyDrawer.setRelativeStarScale(", L"x8D"},
      {L"OrvSkyDrawer.setFlagStarTwinkle(", L"x8E"},
      {L"SolarSystem.setFlagPlanets(", L"x8F"},
      {L"SolarSystem.setFlagLabels(", L"x9A"},
      {L"SolarSystem.setFlagMoonScale(", L"x9B"},
      {L"SolarSystem.setFlagOrbits(", L"x9C"},
      {L"SolarSystem.getFlagOrbits(", L"x9D"},
      {L"SolarSystem.setFlagTrails(", L"x9E"},
      {L"SolarSystem.getFlagTrails(", L"x9F"},
      {L"SolarSystem.setMoonScale(", L"xAA"},
      {L"SolarSystem.setFlagHints(", L"xAB"},
      {L"StarMgr.setFlagStars(", L"xAC"},
      {L"StarMgr.setFlagLabels(", L"xAD"},
      {L"StarMgr.getFlagLabels(", L"xAE"},
      {L"StarMgr.setLabelsAmount(", L"xAF"},
      {L"MilkyWay.setFlagShow(", L"xBA"},
      {L"MilkyWay.getFlagShow(", L"xBB"},
      {L"MilkyWay.setIntensity(", L"x12"},
      {L"GridLinesMgr.setFlagEquatorGrid(", L"x13"},
      {L"GridLinesMgr.getFlagEquatorGrid(", L"x14"},
      {L"GridLinesMgr.setFlagAzimuthalGrid(", L"x15"},
      {L"GridLinesMgr.getFlagAzimuthalGrid(", L"x16"},
      {L"GridLinesMgr.setFlagEquatorLine(", L"x17"},
      {L"GridLinesMgr.getFlagEquatorLine(", L"x18"},
      {L"GridLinesMgr.setFlagEclipticLine(", L"x19"},
      {L"GridLinesMgr.getFlagEclipticLine(", L"x20"},
      {L"GridLinesMgr.setFlagMeridianLine(", L"x21"},
      {L"GridLinesMgr.getFlagMeridianLine(", L"x22"},
      {L"GridLinesMgr.setFlagGalacticGrid(", L"x23"},
      {L"GridLinesMgr.setFlagGalacticEquatorLine(", L"x24"},
      {L"GridLinesMgr.setFlagPrecessionCircles(", L"x25"},
      {L"GridLinesMgr.setFlagLongitudeLine(", L"x26"},
      {L"GridLinesMgr.setFlagCircumpolarCircles(", L"x27"},
      {L"GridLinesMgr.setFlagCelestialPoles(", L"x28"},
      {L"LabelMgr.deleteAllLabels(", L"x29"},
      {L"LabelMgr.labelScreen(", L"x30"},
      {L"LabelMgr.labelObject(", L"x31"},
      {L"MeteorShowers.setEnableLabels(", L"x32"},
      {L"MeteorShowers.setEnableMarker(", L"x33"},
      {L"SporadicMeteorMgr.setFlagShow(", L"x34"},
      {L"SporadicMeteorMgr.setZHR(", L"x35"},
      {L"NebulaMgr.setFlagHints(", L"x36"},
      {L"var v = Vec3f(", L"x37"},
      {L"zoomIn_Start", L"x38"},
      {L"zoomIn_End", L"x39"},
      {L"zoomOut_Start", L"x40"},
      {L"zoomOut_End", L"x41"},
      {L"version|", L"x42"},
      {L"orvenna|", L"x43"},
      {L"Site|", L"x44"},
      {L"btn_pause", L"x45"},
      {L"longline", L"x46"},
      {L"galacticgrid", L"x47"},
      {L"precgrid", L"x48"},
      {L"starslabel", L"x49"},
      {L"toggleEqAz", L"x50"},
      {L"normalspeed", L"x51"},
      {L"cardinals", L"x52"},
      {L"ecliptic", L"x53"},
      {L"atmo", L"x54"},
      {L"\rfog|", L"x55"},
      {L"line", L"x56"},
      {L"bound", L"x57"},
      {L"desel", L"x58"},
      {L"ground", L"x59"},
      {L"reset", L"x60"},
      {L"pLabel", L"x61"},
      {L"eqLine", L"x62"},
      {L"center", L"x63"},
      {L"eqGrid", L"x64"},
      {L"eqMerid", L"x65"},
      {L"pOrbit", L"x66"},
      {L"azGrid", L"x67"},
      {L"trails", L"x68"},
      {L"goto", L"x69"},
      {L"clabel", L"x70"},
      {L"adesso", L"x71"},
      {L"marker", L"x72"},
      {L"Titania", L"x73"},
      {L"Titan", L"x74"},
      {L"Mercury", L"x75"},
      {L"Venus", L"x76"},
      {L"Mars", L"x77"},
      {L"Jupiter", L"x78"},
      {L"Saturn", L"x79"},
      {L"Uranus", L"x80"},
      {L"Neptune", L"x81"},
      {L"Pluto", L"x82"},
      {L"Moon", L"x83"},
      {L"Sun", L"x84"},
      {L"Ganymede", L"x85"},
      {L"Phobos", L"x86"},
      {L"Triton", L"x87"},
      {L"Tethys", L"x88"},
      {L"Oberon", L"x89"},
      {L"Miranda", L"x90"},
      {L"Rhea", L"x91"},
      {L"Iapetus", L"x92"},
      {L"Umbriel", L"x93"},
      {L"Nereid", L"x94"},
      {L"Mimas", L"x95"},
      {L"Hyperion", L"x96"},
      {L"Vesta", L"x97"},
      {L"Pallas", L"x98"},
      {L"Juno", L"x99"},
      {L"Sedna", L"xA0"},
      {L"Haumea", L"xA1"},
      {L"Makemake", L"xA2"},
      {L"Proteus", L"xA3"},
      {L"Thebe", L"xA4"},
      {L"Metis", L"xA5"},
      {L"Janus", L"xA6"},
      {L"Pandora", L"xA7"},
      {L"Prometheus", L"xA8"},
      {L"Larissa", L"xA9"},
      {L"(true)", L"xB0"},
      {L"(false)", L"xB1"},
      {L"art", L"xB2"},
      {L"(", L"\u00A7\u00A4"},
      {L")", L"\u00A6\u00A8"},
      {L";", L"xB3"},
      {L"\"", L"xB4"},
      {L",", L"xB5"},
      {L"\r", L"\u00AC\u00AF"},
      {L"|", L"xB6"},
      {L"=", L"xB7"},
      {L"core.wait(", L"xB8"},
      {L"Mars", L"xB9"},
  };
  return table;
}

std::wstring TranscodeScriptSetText(std::wstring_view text, bool decode) {
  if (decode) return *DecodeScriptSetText(text, std::wstring::npos);
  std::wstring result(text);
  for (const ScriptSetCode& pair : ScriptSetCodeTable())
    result = ReplaceAll(result, pair.fragment, pair.code);
  return result;
}

// One pass gives what the pairs applied first to last give. Codes never overlap, so each code of
// the text is found where it starts. A decoded fragment makes a new code only when it begins
// with a code's last character after the other two left bare, and only a code later in the
// table than its own is then decoded by the pairs' order.
std::optional<std::wstring> DecodeScriptSetText(std::wstring_view text, std::size_t largest) {
  std::wstring result;
  result.reserve(std::min(text.size(), largest));
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<std::size_t> index = CodeAt(text.substr(at));
    if (!index) {
      result += text[at++];
    } else {
      const ScriptSetCode& pair = ScriptSetCodeTable()[*index];
      AppendFragment(result, *index, pair.fragment);
      at += pair.code.size();
    }
    if (result.size() > largest) return std::nullopt;
  }
  return result;
}

std::wstring EscapeRecordedText(std::wstring_view text) {
  std::wstring escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'@') {
      escaped += {EscapeMark, EscapedAt};
    } else if (c == EscapeMark) {
      escaped += {EscapeMark, EscapeMark};
    } else {
      escaped += c;
      if (StartsACode(text.substr(i))) escaped += EscapeMark;
    }
  }
  return escaped;
}

std::wstring UnescapeRecordedText(std::wstring_view text) {
  std::wstring plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != EscapeMark) {
      plain += text[i];
      continue;
    }
    const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
    if (next == EscapeMark) {
      plain += EscapeMark;
      ++i;
    } else if (next == EscapedAt) {
      plain += L'@';
      ++i;
    }
  }
  return plain;
}
