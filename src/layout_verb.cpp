#include "src/layout_verb.h"

#include <array>
#include <string_view>

#include "platform/win/dialog_api.h"

namespace {

constexpr int TrainingRadio = 984;
constexpr int DomeRadio = 985;
constexpr int PrimaryScreenRadio = 40001;
constexpr int SecondaryScreenRadio = 40002;
constexpr int NoScreen = 0;

struct LayoutChoice {
  std::string_view name;
  int layoutRadio;
  int screenRadio;
};

constexpr std::array LayoutChoices{
    LayoutChoice{"training", TrainingRadio, NoScreen},
    LayoutChoice{"primary", DomeRadio, PrimaryScreenRadio},
    LayoutChoice{"secondary", DomeRadio, SecondaryScreenRadio},
};

driver::Outcome ChooseLayout(driver::DesktopUser& user, const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return driver::Outcome::failure("layout takes training, primary or secondary");
  for (const LayoutChoice& choice : LayoutChoices) {
    if (arguments[0] != choice.name) continue;
    if (driver::Outcome clicked = user.click(choice.layoutRadio); !clicked) return clicked;
    if (choice.screenRadio != NoScreen)
      if (driver::Outcome clicked = user.click(choice.screenRadio); !clicked) return clicked;
    return user.click(IDOK);
  }
  return driver::Outcome::failure("no layout \"" + arguments[0] + "\": training, primary or secondary");
}

}  // namespace

void AddLayoutVerb(driver::ScenarioRunner& runner) {
  runner.add_verb("layout", ChooseLayout);
}
