#include "src/dialogs/events/event_body_list.h"

#include "src/catalog/solar_system_names.h"
#include "src/util/localized_text.h"

namespace {

struct LocalizedBody {
  std::size_t index;
  unsigned baseId;
};
constexpr LocalizedBody LocalizedBodies[] = {{2, 3100},  {10, 3080}, {19, 3070}, {28, 3060}, {38, 3050},
                                             {42, 3110}, {50, 3120}, {54, 3010}, {56, 3030}, {58, 3090},
                                             {59, 3040}, {60, 3020}, {61, 3000}};

}  // namespace

std::vector<std::wstring> EventBodyTexts(int language) {
  std::vector<std::wstring> texts;
  for (std::size_t i = 0; i < SolarSystemBodyCount; ++i)
    texts.emplace_back(SolarSystemNameTable[i][0]);
  for (const LocalizedBody& body : LocalizedBodies)
    texts[body.index] = LoadResourceText(body.baseId + static_cast<unsigned>(language));
  return texts;
}
