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

bool has_name(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return same_name(n, name); });
}

// "HP53910", "HIP 12200", "M31", "NGC224": a catalogue prefix and digits.
bool is_catalogue_name(std::string_view name) {
  for (std::string_view prefix : {"HIP ", "HP", "NGC", "M"}) {
    if (name.size() <= prefix.size() || !same_name(name.substr(0, prefix.size()), prefix)) continue;
    std::string_view digits = name.substr(prefix.size());
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  }
  return false;
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

SkyState::SkyState() {
  for (SkyFlag on : kFlagsOnAtStart)
    set_flag(on, true);
  for (std::string_view name : default_landscapes())
    landscapes_.emplace_back(name);
  for (std::string_view name : default_sky_cultures())
    sky_cultures_.emplace_back(name);
  landscape_ = landscapes_.front();
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
  if (!has_name(landscapes_, name)) return false;
  landscape_ = name;
  return true;
}

bool SkyState::set_sky_culture(std::string_view name) {
  if (!has_name(sky_cultures_, name)) return false;
  sky_culture_ = name;
  return true;
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
  return true;
}

bool SkyState::is_body(std::string_view name) const {
  return find_name(body_names(), name) != nullptr;
}

bool SkyState::is_object(std::string_view name) const {
  return is_body(name) || find_name(constellation_names(), name) || find_name(star_names(), name) ||
         is_catalogue_name(name);
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
