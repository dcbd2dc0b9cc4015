#include "src/app/time/speed_settings.h"

#include <cmath>

#include "src/link/script_literal.h"

namespace {

constexpr int BitsPerButton = 6;
constexpr DWORD ForwardBit = 0x01;
constexpr DWORD DateStepBits = 0x0E;
constexpr DWORD RateModeBit = 0x10;
constexpr DWORD SiderealBit = 0x20;

// Three small rate keys make one big one: 1, 2, 4, then 9.88.
constexpr double BigRateStep = 9.88;
constexpr std::array<double, 3> SmallRateSteps{1, 2, 4};
constexpr int SmallStepsPerBig = 3;

}  // namespace

SpeedButtonSettings UnpackSpeedButton(DWORD options, int k) {
  const DWORD bits = (options >> (BitsPerButton * (SpeedButtonCount - 1 - k))) & 0x3F;
  return {(bits & ForwardBit) != 0, static_cast<int>((bits & DateStepBits) >> 1), (bits & RateModeBit) != 0,
          (bits & SiderealBit) != 0};
}

std::wstring SpeedButtonCaption(const SpeedButtonSettings& button, int rateSteps) {
  std::wstring caption = button.forward ? L"(+) " : L"(-) ";
  if (button.rateMode) return caption + std::to_wstring(rateSteps);
  caption += DateSteps[static_cast<std::size_t>(button.dateStep)].caption;
  if (button.sidereal) caption += L" S";
  return caption;
}

double RateOfSteps(int rateSteps) {
  return std::pow(BigRateStep, rateSteps / SmallStepsPerBig) *
         SmallRateSteps[static_cast<std::size_t>(rateSteps % SmallStepsPerBig)];
}

std::wstring DateSteppingScript(const SpeedButtonSettings& button, bool earthSelected) {
  const DateStep& step = DateSteps[static_cast<std::size_t>(button.dateStep)];
  std::wstring relative = button.forward ? L"+ " : L"- ";
  relative += step.amount;
  if (button.sidereal && earthSelected) relative += L"sidereal";
  return L"for(i=0; i<" + std::wstring(OpenEndedRounds) + L"; i++)\r{\r   core.setDate(" +
         ScriptStringLiteral(relative) + L");\r   core.wait(" + std::wstring(step.roundWait) + L");\r}\r";
}
