// The sky that scripts and keys act on: time, place, view, display flags and labels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/win_types.h"

namespace orvenna {

enum class SkyFlag {
  atmosphere,
  fog,
  landscape,
  cardinal_points,
  constellation_art,
  constellation_lines,
  constellation_boundaries,
  constellation_names,
  isolate_selected,
  equator_grid,
  equator_line,
  azimuthal_grid,
  ecliptic_line,
  meridian_line,
  precession_circles,
  longitude_line,
  galactic_grid,
  celestial_poles,
  circumpolar_circles,
  galactic_equator_line,
  stars,
  star_names,
  planets,
  planet_names,
  planet_orbits,
  planet_trails,
  moon_scale,
  milky_way,
  tracking,
  equatorial_mount,
  auto_zoom_out_resets_direction,
  meteor_labels,
  meteor_markers,
  sporadic_meteors,
  gravity_labels,
  gui_visible,
  disk_viewport,
  count,
};

struct ObserverLocation {
  std::string planet;
  double longitude = 0;
  double latitude = 0;
  double altitude = 0;
  std::string name;
};

// A landscape by its folder and the name it shows; where it stands when its description says.
struct Landscape {
  std::string folder;
  std::string name;
  std::optional<ObserverLocation> location;
};

// Equatorial coordinates in degrees.
struct Equatorial {
  double ra = 0;
  double dec = 0;
};

// A star by its common name and Hipparcos number, and where it stands when that is known.
struct NamedStar {
  unsigned hip = 0;
  std::string name;
  std::optional<Equatorial> position;
};

// A constellation's stick figure: lines between stars given by their Hipparcos numbers.
struct Figure {
  std::string name;
  std::vector<std::pair<unsigned, unsigned>> lines;
};

struct ViewDirection {
  double azimuth = 0;
  double altitude = 0;
};

// A label fixed on the screen (object empty) or attached to a named object.
struct ScreenLabel {
  int id = 0;
  std::string text;
  std::string object;
  double x = 0;
  double y = 0;
  bool visible = true;
  int size = 0;
  std::string colour;
};

class SkyState {
 public:
  SkyState();

  bool flag(SkyFlag which) const { return flags_[static_cast<std::size_t>(which)]; }
  void set_flag(SkyFlag which, bool on) { flags_[static_cast<std::size_t>(which)] = on; }

  // Simulated time: UTC seconds since 1970-01-01T00:00:00.
  double utc_seconds() const { return utc_seconds_; }
  void set_utc_seconds(double seconds) { utc_seconds_ = seconds; }
  double julian_day() const;
  double time_rate() const { return time_rate_; }
  void set_time_rate(double rate) { time_rate_ = rate; }
  bool time_paused() const { return time_paused_; }
  void set_time_paused(bool paused) { time_paused_ = paused; }
  // Moves the simulated time on by the desktop ticks since the previous call, times the rate.
  void advance(DWORD now_ticks);

  // Names are matched without regard to case; false leaves the state as it was. A landscape is
  // found by its name or its folder and keeps the name it shows.
  bool set_landscape(std::string_view name);
  const Landscape* find_landscape(std::string_view name) const;
  const std::string& landscape() const { return landscape_; }
  bool set_sky_culture(std::string_view name);
  const std::string& sky_culture() const { return sky_culture_; }
  bool set_observer(const ObserverLocation& location);
  const ObserverLocation& observer() const { return observer_; }
  // A place by name, or by the part of the name before its first comma.
  bool move_to_place(std::string_view name);
  // "" drops the selection.
  bool select(std::string_view name);
  const std::string& selection() const { return selection_; }
  // The constellations isolated in isolate-selected mode, in the order they were selected.
  const std::vector<std::string>& isolated_constellations() const { return isolated_; }

  // What the sky knows, replacing the built-in lists it starts with.
  void set_landscapes(std::vector<Landscape> landscapes) { landscapes_ = std::move(landscapes); }
  void set_sky_cultures(std::vector<std::string> names) { sky_cultures_ = std::move(names); }
  void set_stars(std::vector<NamedStar> stars) { stars_ = std::move(stars); }
  void set_figures(std::vector<Figure> figures) { figures_ = std::move(figures); }
  void set_places(std::vector<ObserverLocation> places) { places_ = std::move(places); }
  void add_place(ObserverLocation place) { places_.push_back(std::move(place)); }
  const std::vector<Landscape>& landscapes() const { return landscapes_; }
  const std::vector<NamedStar>& stars() const { return stars_; }
  const std::vector<Figure>& figures() const { return figures_; }
  // A star by its name, "HP32349" or "HIP 32349".
  const NamedStar* find_star(std::string_view name) const;
  bool is_body(std::string_view name) const;
  bool is_object(std::string_view name) const;

  int add_label(ScreenLabel label);
  ScreenLabel* label(int id);
  bool delete_label(int id);
  void delete_all_labels() { labels_.clear(); }
  const std::vector<ScreenLabel>& labels() const { return labels_; }

  // Plain settings, read and written as they are.
  double fov = 180;
  double init_fov = 180;
  ViewDirection view;
  ViewDirection init_view;
  std::string projection = "ProjectionPerspective";
  std::array<double, 3> boundaries_colour{0.3, 0.3, 0.3};
  double constellation_display_style = 0;
  double atmosphere_fade_duration = 1;
  double art_fade_duration = 1;
  double auto_move_duration = 1.5;
  double absolute_star_scale = 1;
  double relative_star_scale = 1;
  double milky_way_intensity = 1;
  double sporadic_zhr = 10;
  int viewport_width = 0;
  int viewport_height = 0;

 private:
  void toggle_isolated(std::string_view constellation);

  std::array<bool, static_cast<std::size_t>(SkyFlag::count)> flags_{};
  double utc_seconds_ = 0;
  double time_rate_ = 1;
  bool time_paused_ = false;
  std::optional<DWORD> last_tick_;
  std::string landscape_;
  std::string sky_culture_ = "western";
  ObserverLocation observer_;
  std::string selection_;
  std::vector<std::string> isolated_;
  std::vector<Landscape> landscapes_;
  std::vector<std::string> sky_cultures_;
  std::vector<NamedStar> stars_;
  std::vector<Figure> figures_;
  std::vector<ObserverLocation> places_;
  std::vector<ScreenLabel> labels_;
  int next_label_id_ = 1;
};

// Case-blind comparison of ASCII names.
bool same_name(std::string_view a, std::string_view b);

}  // namespace orvenna
