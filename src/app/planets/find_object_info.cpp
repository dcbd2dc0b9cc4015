#include "src/app/planets/find_object_info.h"

#include <cmath>
#include <cwchar>

#include "platform/win/locale_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT CommonNameLabel = 600;
constexpr UINT DistanceLabel = 610;
constexpr UINT SpectrumLabel = 620;
constexpr UINT ObjectTypeLabel = 630;
constexpr UINT ConstellationLabel = 640;
constexpr UINT ApparentMagnitudeLabel = 650;
constexpr UINT AbsoluteMagnitudeLabel = 660;
// Beyond the observable universe: such a distance is shown as "n/a".
constexpr double LargestDistanceLy = 1e11;

std::wstring Label(UINT base, unsigned language) {
  return LoadConsoleString(base + language);
}

std::wstring LabelLine(UINT base, unsigned language, const std::wstring& value) {
  return FormatText(L"%s: %s\n", Label(base, language).c_str(), value.c_str());
}

std::wstring LocaleText(DWORD type) {
  wchar_t text[16] = {};
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 16) > 0 ? text : L"";
}

bool ShowableDistance(double lightYears) {
  return std::fabs(lightYears) <= LargestDistanceLy;
}

std::wstring StarLightYears(double lightYears) {
  return ShowableDistance(lightYears) ? FormatText(L"%f", lightYears) : L"n/a";
}

std::wstring ObjectLightYears(const std::wstring& text) {
  return ShowableDistance(std::wcstod(text.c_str(), nullptr)) ? GroupedLightYears(text) : L"n/a";
}

}  // namespace

std::wstring StarInformation(const std::wstring& name, const StarCatalogueRecord& star, unsigned language) {
  return FormatText(L"*****%s: %s\n", Label(CommonNameLabel, language).c_str(), name.c_str()) +
         FormatText(L"Hipparcos: #%s\n", star.hip.c_str()) +
         FormatText(L"%s: %s parsec\n    %s l.y.\n", Label(DistanceLabel, language).c_str(),
                    star.distancePc.c_str(), StarLightYears(star.distanceLy).c_str()) +
         FormatText(L"RA: %s\n", star.ra.c_str()) + FormatText(L"DEC: %s\n", star.dec.c_str()) +
         LabelLine(SpectrumLabel, language, star.spectrum) +
         LabelLine(ApparentMagnitudeLabel, language, star.appMag) +
         LabelLine(AbsoluteMagnitudeLabel, language, star.absMag);
}

std::wstring MessierInformation(const MessierCatalogueRecord& object, unsigned language) {
  return FormatText(L"*****%s: %s\n", Label(CommonNameLabel, language).c_str(), object.commonName.c_str()) +
         FormatText(L"NGC/IC: %s\n", object.ngcIc.c_str()) +
         LabelLine(ObjectTypeLabel, language, object.objectType) +
         FormatText(L"%s: %s l.y.\n", Label(DistanceLabel, language).c_str(),
                    ObjectLightYears(object.distanceLy).c_str()) +
         LabelLine(ConstellationLabel, language, object.constellation) +
         LabelLine(ApparentMagnitudeLabel, language, object.magnitude);
}

std::wstring GroupedLightYears(const std::wstring& text) {
  const std::wstring whole = std::to_wstring(std::wcstol(text.c_str(), nullptr, 10));
  std::wstring decimal = LocaleText(LOCALE_SDECIMAL);
  std::wstring thousand = LocaleText(LOCALE_STHOUSAND);
  const std::wstring grouping = LocaleText(LOCALE_SGROUPING);
  NUMBERFMTW format{};
  format.Grouping = grouping.empty() ? 3 : static_cast<UINT>(std::wcstoul(grouping.c_str(), nullptr, 10));
  format.lpDecimalSep = decimal.data();
  format.lpThousandSep = thousand.data();
  format.NegativeOrder = 1;
  wchar_t grouped[64] = {};
  return GetNumberFormatW(LOCALE_USER_DEFAULT, 0, whole.c_str(), &format, grouped, 64) > 0 ? grouped : whole;
}
