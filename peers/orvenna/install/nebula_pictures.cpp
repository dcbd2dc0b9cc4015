#include "peers/orvenna/install/nebula_pictures.h"

#include <algorithm>
#include <array>

namespace orvenna {

namespace {

using namespace std::string_view_literals;

constexpr std::array kTags = {"-hst"sv, "-dss"sv};

struct TaggedObject {
  int number;
  std::string_view tag;
};

// M32 is shown with M31's picture and M40 and M43 have none; M45 is "pleiades".
constexpr int kMessierWithoutPicture[] = {32, 40, 43, 45};
constexpr TaggedObject kTaggedMessier[] = {{1, "-hst"},  {8, "-dss"},  {16, "-hst"}, {20, "-dss"},
                                           {33, "-dss"}, {51, "-hst"}, {57, "-hst"}, {104, "-hst"}};
constexpr int kMessierCount = 110;

// Bright NGC objects outside Messier's list, and M31 once more by its NGC number.
constexpr int kNgcNumbers[] = {104,  224,  253,  869,  884,  891,  1499, 2070, 2237, 2244,
                               2264, 2392, 3242, 3372, 4565, 4631, 4755, 5128, 5139, 6543,
                               6826, 6946, 6960, 6992, 7000, 7009, 7293, 7331, 7662};
constexpr TaggedObject kTaggedNgc[] = {{2237, "-dss"}, {6543, "-hst"}, {7293, "-hst"}};

template <std::size_t N>
std::string_view tag_of(int number, const TaggedObject (&tagged)[N]) {
  auto found = std::find_if(std::begin(tagged), std::end(tagged),
                            [number](const TaggedObject& object) { return object.number == number; });
  return found == std::end(tagged) ? std::string_view{} : found->tag;
}

}  // namespace

std::span<const std::string_view> nebula_picture_tags() {
  return kTags;
}

std::vector<std::string> nebula_picture_titles() {
  std::vector<std::string> titles;
  for (int number = 1; number <= kMessierCount; ++number) {
    if (std::ranges::find(kMessierWithoutPicture, number) != std::end(kMessierWithoutPicture)) continue;
    titles.push_back("m" + std::to_string(number) + std::string(tag_of(number, kTaggedMessier)));
  }
  titles.emplace_back("pleiades");
  for (int number : kNgcNumbers)
    titles.push_back("n" + std::to_string(number) + std::string(tag_of(number, kTaggedNgc)));
  return titles;
}

}  // namespace orvenna
