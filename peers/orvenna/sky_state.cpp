#include "peers/orvenna/sky_state.h"

#include <algorithm>
#include <cctype>

#include "peers/orvenna/sky_names.h"

namespace orvenna {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kJulianDayAtUnixEpoch = 2440587.5;

constexpr std::array kFlagsOnAtStart = {
    SkyFlag::atmosphere, SkyFlag::landscape, SkyFlag::cardinal_points, SkyFlag::stars,
    SkyFlag::planets,    SkyFlag::milky_way, SkyFlag::gui_visible,
};

template <typename Names>
const std::string_view* find_name(const Names& names, std::string_view name) {
  auto found =
      std::find_if(names.begin(), names.end(), [&](std::string_view n) { return same_name(n, name); });
  return found == names.end() ? nullptr : &*found;
}

const std::string* find_in(const std::vector<std::string>& names, std::string_view name) {
  auto found =
      std::find_if(names.begin(), names.end(), [&](const std::string& n) { return same_name(n, name); });
  return found == names.end() ? nullptr : &*found;
}

std::string lower_cased(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The number of "HP53910", "HIP 12200", "M31", "NGC224" and which catalogue's prefix it has.
struct CatalogueNumber {
  std::string_view prefix;
  unsigned long number;
};

std::optional<CatalogueNumber> catalogue_number(std::string_view name) {
  for (std::string_view prefix : {"HIP ", "HP", "NGC", "M"}) {
    if (name.size() <= prefix.size() || !same_name(name.substr(0, prefix.size()), prefix)) continue;
    std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(),
                                          [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
      return std::nullopt;
    return CatalogueNumber{prefix, std::stoul(std::string(digits))};
  }
  return std::nullopt;
}

bool is_hipparcos(const CatalogueNumber& number) {
  return number.prefix == "HIP " || number.prefix == "HP";
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The built-in lists stand in for an install folder the program cannot read; the program
// replaces each with what its install holds.
SkyState::SkyState() {
  for (SkyFlag on : kFlagsOnAtStart)
    set_flag(on, true);
  for (std::string_view name : default_landscapes())
    landscapes_.push_back({lower_cased(name), std::string(name), std::nullopt});
  for (std::string_view name : default_sky_cultures())
    sky_cultures_.emplace_back(name);
  for (std::string_view name : star_names())
    stars_.push_back({0, std::string(name), std::nullopt});
  landscape_ = landscapes_.front().name;
  observer_.planet = "Earth";
}

double SkyState::julian_day() const {
  return utc_seconds_ / kSecondsPerDay + kJulianDayAtUnixEpoch;
}

void SkyState::advance(DWORD now_ticks) {
  if (last_tick_ && !time_paused_)
    utc_seconds_ += static_cast<DWORD>(now_ticks - *last_tick_) / 1000.0 * time_rate_;
  last_tick_ = now_ticks;
}

bool SkyState::set_landscape(std::string_view name) {
  const Landscape* found = find_landscape(name);
  if (found == nullptr) return false;
  landscape_ = found->name;
  return true;
}

const Landscape* SkyState::find_landscape(std::string_view name) const {
  auto found = std::find_if(landscapes_.begin(), landscapes_.end(), [&](const Landscape& l) {
    return same_name(l.name, name) || same_name(l.folder, name);
  });
  return found == landscapes_.end() ? nullptr : &*found;
}

bool SkyState::set_sky_culture(std::string_view name) {
  const std::string* found = find_in(sky_cultures_, name);
  if (found == nullptr) return false;
  // Another culture brings other figures: no isolation survives the change.
  if (*found != sky_culture_) isolated_.clear();
  sky_culture_ = *found;
  return true;
}

const NamedStar* SkyState::find_star(std::string_view name) const {
  const std::optional<CatalogueNumber> number = catalogue_number(name);
  auto found = std::find_if(stars_.begin(), stars_.end(), [&](const NamedStar& star) {
    if (number && is_hipparcos(*number)) return star.hip != 0 && star.hip == number->number;
    return same_name(star.name, name);
  });
  return found == stars_.end() ? nullptr : &*found;
}

bool SkyState::set_observer(const ObserverLocation& location) {
  if (!is_body(location.planet)) return false;
  observer_ = location;
  return true;
}

bool SkyState::move_to_place(std::string_view name) {
  std::string_view town = name.substr(0, name.find(','));
  for (const ObserverLocation& place : places_) {
    if (same_name(place.name, name) || same_name(place.name, town)) {
      observer_ = place;
      observer_.name = name;
      return true;
    }
  }
  return false;
}

bool SkyState::select(std::string_view name) {
  if (!name.empty() && !is_object(name)) return false;
  selection_ = name;
  const std::string_view* constellation = find_name(constellation_names(), name);
  if (constellation != nullptr && flag(SkyFlag::isolate_selected)) toggle_isolated(*constellation);
  return true;
}

// Selected in isolation, a constellation joins the isolated ones or, when already there, leaves them.
void SkyState::toggle_isolated(std::string_view constellation) {
  auto found = std::find(isolated_.begin(), isolated_.end(), constellation);
  if (found == isolated_.end())
    isolated_.emplace_back(constellation);
  else
    isolated_.erase(found);
}

bool SkyState::is_body(std::string_view name) const {
  return find_name(body_names(), name) != nullptr;
}

bool SkyState::is_object(std::string_view name) const {
  return is_body(name) || find_name(constellation_names(), name) || find_star(name) ||
         catalogue_number(name).has_value();
}

int SkyState::add_label(ScreenLabel label) {
  label.id = next_label_id_++;
  labels_.push_back(std::move(label));
  return labels_.back().id;
}

ScreenLabel* SkyState::label(int id) {
  auto found = std::find_if(labels_.begin(), labels_.end(), [&](const ScreenLabel& l) { return l.id == id; });
  return found == labels_.end() ? nullptr : &*found;
}

bool SkyState::delete_label(int id) {
  return std::erase_if(labels_, [&](const ScreenLabel& l) { return l.id == id; }) > 0;
}

}  // namespace orvenna
