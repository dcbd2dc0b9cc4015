#include "peers/orvenna/script_methods.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "peers/orvenna/script_engine.h"
#include "peers/orvenna/sky_date.h"
#include "peers/orvenna/sky_ephemeris.h"
#include "platform/desktop/scheduler.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

struct MethodRow;
using Handler = duk_ret_t (*)(duk_context*, ScriptEngine&, const MethodRow&);

struct MethodRow {
  const char* object;
  const char* method;
  Handler handler;
  SkyFlag flag = SkyFlag::count;
  double SkyState::*number = nullptr;
};

// Missing arguments read as undefined, up to the longest call the scripts make.
constexpr duk_idx_t kMaxArguments = 8;

// What a selection close-up shows, in degrees.
constexpr double kCloseUpFov = 10;

constexpr std::array<std::string_view, 10> kProjections = {
    "ProjectionPerspective", "ProjectionEqualArea", "ProjectionStereographic", "ProjectionFisheye",
    "ProjectionHammer",      "ProjectionCylinder",  "ProjectionMercator",      "ProjectionOrthographic",
    "ProjectionSinusoidal",  "ProjectionMiller",
};

// core.clear("natural"): the sky as the eye sees it.
constexpr std::array kNaturalOff = {
    SkyFlag::constellation_art,   SkyFlag::constellation_lines, SkyFlag::constellation_boundaries,
    SkyFlag::constellation_names, SkyFlag::equator_grid,        SkyFlag::equator_line,
    SkyFlag::azimuthal_grid,      SkyFlag::ecliptic_line,       SkyFlag::meridian_line,
    SkyFlag::precession_circles,  SkyFlag::longitude_line,      SkyFlag::galactic_grid,
    SkyFlag::celestial_poles,     SkyFlag::circumpolar_circles, SkyFlag::galactic_equator_line,
    SkyFlag::star_names,          SkyFlag::planet_names,        SkyFlag::planet_orbits,
    SkyFlag::planet_trails,
};
constexpr std::array kNaturalOn = {SkyFlag::atmosphere, SkyFlag::landscape, SkyFlag::stars, SkyFlag::planets};

std::string text_arg(duk_context* ctx, duk_idx_t index) {
  return duk_is_undefined(ctx, index) ? std::string() : std::string(duk_safe_to_string(ctx, index));
}

double number_arg(duk_context* ctx, duk_idx_t index) {
  return duk_to_number(ctx, index);
}
bool bool_arg(duk_context* ctx, duk_idx_t index) {
  return duk_to_boolean(ctx, index);
}

duk_ret_t get_flag(duk_context* ctx, ScriptEngine& engine, const MethodRow& row) {
  duk_push_boolean(ctx, engine.sky().flag(row.flag));
  return 1;
}

duk_ret_t set_flag(duk_context* ctx, ScriptEngine& engine, const MethodRow& row) {
  engine.sky().set_flag(row.flag, bool_arg(ctx, 0));
  return 0;
}

duk_ret_t get_number(duk_context* ctx, ScriptEngine& engine, const MethodRow& row) {
  duk_push_number(ctx, engine.sky().*row.number);
  return 1;
}

duk_ret_t set_number(duk_context* ctx, ScriptEngine& engine, const MethodRow& row) {
  engine.sky().*row.number = number_arg(ctx, 0);
  return 0;
}

duk_ret_t clear(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string mode = text_arg(ctx, 0);
  if (mode != "natural") {
    engine.note("unknown display mode \"" + mode + "\"");
    return 0;
  }
  for (SkyFlag off : kNaturalOff)
    engine.sky().set_flag(off, false);
  for (SkyFlag on : kNaturalOn)
    engine.sky().set_flag(on, true);
  return 0;
}

duk_ret_t get_date(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  double seconds = engine.sky().utc_seconds();
  if (text_arg(ctx, 0) == "local") seconds += engine.local_offset_seconds();
  duk_push_string(ctx, format_date(seconds).c_str());
  return 1;
}

duk_ret_t set_date(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string text = text_arg(ctx, 0);
  DateContext context{engine.sky().utc_seconds(), engine.wall_clock_seconds(), engine.local_offset_seconds()};
  auto seconds = parse_date(text, context, text_arg(ctx, 1) == "local");
  if (seconds)
    engine.sky().set_utc_seconds(*seconds);
  else
    engine.note("cannot read the date \"" + text + "\"");
  return 0;
}

duk_ret_t get_time_rate(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_number(ctx, engine.sky().time_rate());
  return 1;
}

duk_ret_t set_time_rate(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  double rate = number_arg(ctx, 0);
  if (std::isfinite(rate))
    engine.sky().set_time_rate(rate);
  else
    engine.note("not a time rate");
  return 0;
}

// (place name, seconds) or (longitude, latitude, altitude, seconds, name, body).
duk_ret_t set_observer_location(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  SkyState& sky = engine.sky();
  if (!duk_is_number(ctx, 0)) {
    std::string place = text_arg(ctx, 0);
    if (!sky.move_to_place(place)) engine.note("unknown place \"" + place + "\"");
    return 0;
  }
  ObserverLocation location{sky.observer().planet, number_arg(ctx, 0), number_arg(ctx, 1), number_arg(ctx, 2),
                            text_arg(ctx, 4)};
  if (!duk_is_undefined(ctx, 5)) location.planet = text_arg(ctx, 5);
  if (!sky.set_observer(location)) engine.note("unknown body \"" + location.planet + "\"");
  return 0;
}

duk_ret_t get_observer_location_info(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  const ObserverLocation& where = engine.sky().observer();
  duk_idx_t info = duk_push_object(ctx);
  duk_push_string(ctx, where.planet.c_str());
  duk_put_prop_string(ctx, info, "planet");
  duk_push_number(ctx, where.longitude);
  duk_put_prop_string(ctx, info, "longitude");
  duk_push_number(ctx, where.latitude);
  duk_put_prop_string(ctx, info, "latitude");
  duk_push_number(ctx, where.altitude);
  duk_put_prop_string(ctx, info, "altitude");
  duk_push_string(ctx, where.name.c_str());
  duk_put_prop_string(ctx, info, "location");
  return 1;
}

void put_number(duk_context* ctx, duk_idx_t object, const char* key, double value) {
  duk_push_number(ctx, value);
  duk_put_prop_string(ctx, object, key);
}

// The place of a solar-system body or a star now; {found: false} for what the sky cannot place.
duk_ret_t get_object_info(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string name = text_arg(ctx, 0);
  auto position = object_position(name, engine.sky());
  duk_idx_t info = duk_push_object(ctx);
  duk_push_boolean(ctx, position.has_value());
  duk_put_prop_string(ctx, info, "found");
  if (!position) {
    engine.note("no position for \"" + name + "\"");
    return 1;
  }
  duk_push_string(ctx, name.c_str());
  duk_put_prop_string(ctx, info, "name");
  put_number(ctx, info, "ra", position->ra);
  put_number(ctx, info, "dec", position->dec);
  put_number(ctx, info, "altitude", position->altitude);
  put_number(ctx, info, "azimuth", position->azimuth);
  put_number(ctx, info, "distance", position->distance);
  return 1;
}

duk_ret_t move_to_alt_azi(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  engine.sky().view = {number_arg(ctx, 1), number_arg(ctx, 0)};
  return 0;
}

duk_ret_t select_object_by_name(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string name = text_arg(ctx, 0);
  bool selected = engine.sky().select(name);
  if (!selected) engine.note("no object named \"" + name + "\"");
  duk_push_boolean(ctx, selected);
  return 1;
}

duk_ret_t get_screen_width(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_int(ctx, engine.sky().viewport_width);
  return 1;
}

duk_ret_t get_screen_height(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_int(ctx, engine.sky().viewport_height);
  return 1;
}

duk_ret_t get_sky_culture(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_string(ctx, engine.sky().sky_culture().c_str());
  return 1;
}

duk_ret_t set_sky_culture(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string name = text_arg(ctx, 0);
  if (!engine.sky().set_sky_culture(name)) engine.note("unknown sky culture \"" + name + "\"");
  return 0;
}

duk_ret_t get_projection_mode(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_string(ctx, engine.sky().projection.c_str());
  return 1;
}

duk_ret_t set_projection_mode(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string name = text_arg(ctx, 0);
  for (std::string_view known : kProjections) {
    if (known == name) {
      engine.sky().projection = name;
      return 0;
    }
  }
  engine.note("unknown projection \"" + name + "\"");
  return 0;
}

duk_ret_t output(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  if (!engine.append_output(text_arg(ctx, 0))) engine.note("cannot write output.txt");
  return 0;
}

duk_ret_t reset_output(duk_context*, ScriptEngine& engine, const MethodRow&) {
  if (!engine.reset_output()) engine.note("cannot write output.txt");
  return 0;
}

duk_ret_t wait(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  return engine.wait(number_arg(ctx, 0)) ? 0 : DUK_RET_ERROR;
}

duk_ret_t get_landscape(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  duk_push_string(ctx, engine.sky().landscape().c_str());
  return 1;
}

duk_ret_t set_landscape(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  std::string name = text_arg(ctx, 0);
  if (!engine.sky().set_landscape(name)) engine.note("unknown landscape \"" + name + "\"");
  return 0;
}

duk_ret_t set_boundaries_colour(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  if (!duk_is_array(ctx, 0)) return 0;
  for (duk_uarridx_t i = 0; i < 3; ++i) {
    duk_get_prop_index(ctx, 0, i);
    engine.sky().boundaries_colour[i] = duk_to_number(ctx, -1);
    duk_pop(ctx);
  }
  return 0;
}

duk_ret_t label_screen(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  ScreenLabel label{0,
                    text_arg(ctx, 0),
                    {},
                    number_arg(ctx, 1),
                    number_arg(ctx, 2),
                    bool_arg(ctx, 3),
                    duk_to_int(ctx, 4),
                    text_arg(ctx, 5)};
  duk_push_int(ctx, engine.sky().add_label(std::move(label)));
  return 1;
}

duk_ret_t label_object(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  ScreenLabel label{0, text_arg(ctx, 0), text_arg(ctx, 1),   0,
                    0, bool_arg(ctx, 2), duk_to_int(ctx, 3), text_arg(ctx, 4)};
  duk_push_int(ctx, engine.sky().add_label(std::move(label)));
  return 1;
}

ScreenLabel* label_arg(duk_context* ctx, ScriptEngine& engine) {
  int id = duk_to_int(ctx, 0);
  ScreenLabel* label = engine.sky().label(id);
  if (!label) engine.note("no label " + std::to_string(id));
  return label;
}

duk_ret_t set_label_show(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  if (ScreenLabel* label = label_arg(ctx, engine)) label->visible = bool_arg(ctx, 1);
  return 0;
}

duk_ret_t set_label_text(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  if (ScreenLabel* label = label_arg(ctx, engine)) label->text = text_arg(ctx, 1);
  return 0;
}

duk_ret_t delete_label(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  if (label_arg(ctx, engine)) engine.sky().delete_label(duk_to_int(ctx, 0));
  return 0;
}

duk_ret_t delete_all_labels(duk_context*, ScriptEngine& engine, const MethodRow&) {
  engine.sky().delete_all_labels();
  return 0;
}

// (field of view, seconds): the move is immediate, the script's own waits cover its time.
duk_ret_t zoom_to(duk_context* ctx, ScriptEngine& engine, const MethodRow&) {
  engine.sky().fov = number_arg(ctx, 0);
  return 0;
}

duk_ret_t auto_zoom_in(duk_context*, ScriptEngine& engine, const MethodRow&) {
  SkyState& sky = engine.sky();
  if (centre_on_selection(sky)) sky.fov = kCloseUpFov;
  return 0;
}

duk_ret_t auto_zoom_out(duk_context*, ScriptEngine& engine, const MethodRow&) {
  SkyState& sky = engine.sky();
  sky.fov = sky.init_fov;
  if (sky.flag(SkyFlag::auto_zoom_out_resets_direction)) sky.view = sky.init_view;
  sky.set_flag(SkyFlag::tracking, false);
  return 0;
}

duk_ret_t set_init_view_to_current(duk_context*, ScriptEngine& engine, const MethodRow&) {
  engine.sky().init_view = engine.sky().view;
  return 0;
}

constexpr MethodRow kMethods[] = {
    // core: time, place, view, selection, output.
    {"core", "clear", clear},
    {"core", "getDate", get_date},
    {"core", "setDate", set_date},
    {"core", "getTimeRate", get_time_rate},
    {"core", "setTimeRate", set_time_rate},
    {"core", "getObjectInfo", get_object_info},
    {"core", "getObserverLocationInfo", get_observer_location_info},
    {"core", "setObserverLocation", set_observer_location},
    {"core", "moveToAltAzi", move_to_alt_azi},
    {"core", "selectObjectByName", select_object_by_name},
    {"core", "getScreenWidth", get_screen_width},
    {"core", "getScreenHeight", get_screen_height},
    {"core", "getSkyCulture", get_sky_culture},
    {"core", "setSkyCulture", set_sky_culture},
    {"core", "getProjectionMode", get_projection_mode},
    {"core", "setProjectionMode", set_projection_mode},
    {"core", "output", output},
    {"core", "resetOutput", reset_output},
    {"core", "wait", wait},
    {"core", "getFlagGravityLabels", get_flag, SkyFlag::gravity_labels},
    {"core", "setFlagGravityLabels", set_flag, SkyFlag::gravity_labels},
    {"core", "getGuiVisible", get_flag, SkyFlag::gui_visible},
    {"core", "setGuiVisible", set_flag, SkyFlag::gui_visible},
    {"core", "getDiskViewport", get_flag, SkyFlag::disk_viewport},
    {"core", "setDiskViewport", set_flag, SkyFlag::disk_viewport},
    // LandscapeMgr: the ground and the air.
    {"LandscapeMgr", "getCurrentLandscapeName", get_landscape},
    {"LandscapeMgr", "setCurrentLandscapeName", set_landscape},
    {"LandscapeMgr", "getFlagAtmosphere", get_flag, SkyFlag::atmosphere},
    {"LandscapeMgr", "setFlagAtmosphere", set_flag, SkyFlag::atmosphere},
    {"LandscapeMgr", "getFlagFog", get_flag, SkyFlag::fog},
    {"LandscapeMgr", "setFlagFog", set_flag, SkyFlag::fog},
    {"LandscapeMgr", "getFlagLandscape", get_flag, SkyFlag::landscape},
    {"LandscapeMgr", "setFlagLandscape", set_flag, SkyFlag::landscape},
    {"LandscapeMgr", "getFlagCardinalsPoints", get_flag, SkyFlag::cardinal_points},
    {"LandscapeMgr", "setFlagCardinalsPoints", set_flag, SkyFlag::cardinal_points},
    {"LandscapeMgr", "getAtmosphereFadeDuration", get_number, SkyFlag::count,
     &SkyState::atmosphere_fade_duration},
    {"LandscapeMgr", "setAtmosphereFadeDuration", set_number, SkyFlag::count,
     &SkyState::atmosphere_fade_duration},
    // ConstellationMgr: figures, names, boundaries.
    {"ConstellationMgr", "getFlagArt", get_flag, SkyFlag::constellation_art},
    {"ConstellationMgr", "setFlagArt", set_flag, SkyFlag::constellation_art},
    {"ConstellationMgr", "getFlagLines", get_flag, SkyFlag::constellation_lines},
    {"ConstellationMgr", "setFlagLines", set_flag, SkyFlag::constellation_lines},
    {"ConstellationMgr", "getFlagBoundaries", get_flag, SkyFlag::constellation_boundaries},
    {"ConstellationMgr", "setFlagBoundaries", set_flag, SkyFlag::constellation_boundaries},
    {"ConstellationMgr", "getFlagLabels", get_flag, SkyFlag::constellation_names},
    {"ConstellationMgr", "setFlagLabels", set_flag, SkyFlag::constellation_names},
    {"ConstellationMgr", "getFlagIsolateSelected", get_flag, SkyFlag::isolate_selected},
    {"ConstellationMgr", "setFlagIsolateSelected", set_flag, SkyFlag::isolate_selected},
    {"ConstellationMgr", "setBoundariesColor", set_boundaries_colour},
    {"ConstellationMgr", "getArtFadeDuration", get_number, SkyFlag::count, &SkyState::art_fade_duration},
    {"ConstellationMgr", "setArtFadeDuration", set_number, SkyFlag::count, &SkyState::art_fade_duration},
    {"ConstellationMgr", "getConstellationDisplayStyle", get_number, SkyFlag::count,
     &SkyState::constellation_display_style},
    {"ConstellationMgr", "setConstellationDisplayStyle", set_number, SkyFlag::count,
     &SkyState::constellation_display_style},
    // GridLinesMgr: grids, lines and points of the sphere.
    {"GridLinesMgr", "getFlagEquatorGrid", get_flag, SkyFlag::equator_grid},
    {"GridLinesMgr", "setFlagEquatorGrid", set_flag, SkyFlag::equator_grid},
    {"GridLinesMgr", "getFlagEquatorLine", get_flag, SkyFlag::equator_line},
    {"GridLinesMgr", "setFlagEquatorLine", set_flag, SkyFlag::equator_line},
    {"GridLinesMgr", "getFlagAzimuthalGrid", get_flag, SkyFlag::azimuthal_grid},
    {"GridLinesMgr", "setFlagAzimuthalGrid", set_flag, SkyFlag::azimuthal_grid},
    {"GridLinesMgr", "getFlagEclipticLine", get_flag, SkyFlag::ecliptic_line},
    {"GridLinesMgr", "setFlagEclipticLine", set_flag, SkyFlag::ecliptic_line},
    {"GridLinesMgr", "getFlagMeridianLine", get_flag, SkyFlag::meridian_line},
    {"GridLinesMgr", "setFlagMeridianLine", set_flag, SkyFlag::meridian_line},
    {"GridLinesMgr", "getFlagPrecessionCircles", get_flag, SkyFlag::precession_circles},
    {"GridLinesMgr", "setFlagPrecessionCircles", set_flag, SkyFlag::precession_circles},
    {"GridLinesMgr", "getFlagLongitudeLine", get_flag, SkyFlag::longitude_line},
    {"GridLinesMgr", "setFlagLongitudeLine", set_flag, SkyFlag::longitude_line},
    {"GridLinesMgr", "getFlagGalacticGrid", get_flag, SkyFlag::galactic_grid},
    {"GridLinesMgr", "setFlagGalacticGrid", set_flag, SkyFlag::galactic_grid},
    {"GridLinesMgr", "getFlagCelestialPoles", get_flag, SkyFlag::celestial_poles},
    {"GridLinesMgr", "setFlagCelestialPoles", set_flag, SkyFlag::celestial_poles},
    {"GridLinesMgr", "getFlagCircumpolarCircles", get_flag, SkyFlag::circumpolar_circles},
    {"GridLinesMgr", "setFlagCircumpolarCircles", set_flag, SkyFlag::circumpolar_circles},
    {"GridLinesMgr", "getFlagGalacticEquatorLine", get_flag, SkyFlag::galactic_equator_line},
    {"GridLinesMgr", "setFlagGalacticEquatorLine", set_flag, SkyFlag::galactic_equator_line},
    // LabelMgr: texts on the screen or beside objects.
    {"LabelMgr", "labelScreen", label_screen},
    {"LabelMgr", "labelObject", label_object},
    {"LabelMgr", "setLabelShow", set_label_show},
    {"LabelMgr", "setLabelText", set_label_text},
    {"LabelMgr", "deleteLabel", delete_label},
    {"LabelMgr", "deleteAllLabels", delete_all_labels},
    // StarMgr, SolarSystem, MilkyWay: what is drawn of the sky itself.
    {"StarMgr", "getFlagStars", get_flag, SkyFlag::stars},
    {"StarMgr", "setFlagStars", set_flag, SkyFlag::stars},
    {"StarMgr", "getFlagLabels", get_flag, SkyFlag::star_names},
    {"StarMgr", "setFlagLabels", set_flag, SkyFlag::star_names},
    {"SolarSystem", "getFlagPlanets", get_flag, SkyFlag::planets},
    {"SolarSystem", "setFlagPlanets", set_flag, SkyFlag::planets},
    {"SolarSystem", "getFlagLabels", get_flag, SkyFlag::planet_names},
    {"SolarSystem", "setFlagLabels", set_flag, SkyFlag::planet_names},
    {"SolarSystem", "getFlagOrbits", get_flag, SkyFlag::planet_orbits},
    {"SolarSystem", "setFlagOrbits", set_flag, SkyFlag::planet_orbits},
    {"SolarSystem", "getFlagTrails", get_flag, SkyFlag::planet_trails},
    {"SolarSystem", "setFlagTrails", set_flag, SkyFlag::planet_trails},
    {"SolarSystem", "getFlagMoonScale", get_flag, SkyFlag::moon_scale},
    {"SolarSystem", "setFlagMoonScale", set_flag, SkyFlag::moon_scale},
    {"MilkyWay", "getFlagShow", get_flag, SkyFlag::milky_way},
    {"MilkyWay", "setFlagShow", set_flag, SkyFlag::milky_way},
    {"MilkyWay", "getIntensity", get_number, SkyFlag::count, &SkyState::milky_way_intensity},
    {"MilkyWay", "setIntensity", set_number, SkyFlag::count, &SkyState::milky_way_intensity},
    // OrvMovementMgr: field of view, direction and mount.
    {"OrvMovementMgr", "getFlagTracking", get_flag, SkyFlag::tracking},
    {"OrvMovementMgr", "setFlagTracking", set_flag, SkyFlag::tracking},
    {"OrvMovementMgr", "getEquatorialMount", get_flag, SkyFlag::equatorial_mount},
    {"OrvMovementMgr", "setEquatorialMount", set_flag, SkyFlag::equatorial_mount},
    {"OrvMovementMgr", "getFlagAutoZoomOutResetsDirection", get_flag,
     SkyFlag::auto_zoom_out_resets_direction},
    {"OrvMovementMgr", "setFlagAutoZoomOutResetsDirection", set_flag,
     SkyFlag::auto_zoom_out_resets_direction},
    {"OrvMovementMgr", "zoomTo", zoom_to},
    {"OrvMovementMgr", "autoZoomIn", auto_zoom_in},
    {"OrvMovementMgr", "autoZoomOut", auto_zoom_out},
    {"OrvMovementMgr", "getInitFov", get_number, SkyFlag::count, &SkyState::init_fov},
    {"OrvMovementMgr", "setInitFov", set_number, SkyFlag::count, &SkyState::init_fov},
    {"OrvMovementMgr", "setInitViewDirectionToCurrent", set_init_view_to_current},
    {"OrvMovementMgr", "getAutoMoveDuration", get_number, SkyFlag::count, &SkyState::auto_move_duration},
    {"OrvMovementMgr", "setAutoMoveDuration", set_number, SkyFlag::count, &SkyState::auto_move_duration},
    // OrvSkyDrawer: star sizes.
    {"OrvSkyDrawer", "getAbsoluteStarScale", get_number, SkyFlag::count, &SkyState::absolute_star_scale},
    {"OrvSkyDrawer", "setAbsoluteStarScale", set_number, SkyFlag::count, &SkyState::absolute_star_scale},
    {"OrvSkyDrawer", "getRelativeStarScale", get_number, SkyFlag::count, &SkyState::relative_star_scale},
    {"OrvSkyDrawer", "setRelativeStarScale", set_number, SkyFlag::count, &SkyState::relative_star_scale},
    // Meteors: the showers' markers and the sporadic ones.
    {"MeteorShowers", "getEnableLabels", get_flag, SkyFlag::meteor_labels},
    {"MeteorShowers", "setEnableLabels", set_flag, SkyFlag::meteor_labels},
    {"MeteorShowers", "getEnableMarker", get_flag, SkyFlag::meteor_markers},
    {"MeteorShowers", "setEnableMarker", set_flag, SkyFlag::meteor_markers},
    {"SporadicMeteorMgr", "getFlagShow", get_flag, SkyFlag::sporadic_meteors},
    {"SporadicMeteorMgr", "setFlagShow", set_flag, SkyFlag::sporadic_meteors},
    {"SporadicMeteorMgr", "getZHR", get_number, SkyFlag::count, &SkyState::sporadic_zhr},
    {"SporadicMeteorMgr", "setZHR", set_number, SkyFlag::count, &SkyState::sporadic_zhr},
};

ScriptEngine& engine_of(duk_context* ctx) {
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, "engine");
  auto* engine = static_cast<ScriptEngine*>(duk_get_pointer(ctx, -1));
  duk_pop_2(ctx);
  return *engine;
}

// Every method is one function that finds its row; a stopped script goes no further.
duk_ret_t call_method(duk_context* ctx) {
  duk_set_top(ctx, kMaxArguments);
  ScriptEngine& engine = engine_of(ctx);
  duk_push_current_function(ctx);
  duk_get_prop_string(ctx, -1, DUK_HIDDEN_SYMBOL("row"));
  const MethodRow& row = kMethods[duk_get_uint(ctx, -1)];
  duk_pop_2(ctx);
  try {
    if (!engine.checkpoint()) return DUK_RET_ERROR;
    engine.sky().advance(GetTickCount());
    return row.handler(ctx, engine, row);
  } catch (const desktop::ThreadTermination&) {
    // The program is ending: unwind the script in Duktape's own way, the thread's end follows.
    engine.mark_terminated();
    return DUK_RET_ERROR;
  }
}

duk_ret_t vec3f(duk_context* ctx) {
  duk_idx_t colour = duk_push_array(ctx);
  for (duk_uarridx_t i = 0; i < 3; ++i) {
    duk_push_number(ctx, duk_to_number(ctx, static_cast<duk_idx_t>(i)));
    duk_put_prop_index(ctx, colour, i);
  }
  return 1;
}

}  // namespace

void install_script_methods(duk_context* ctx, ScriptEngine& engine) {
  duk_push_global_stash(ctx);
  duk_push_pointer(ctx, &engine);
  duk_put_prop_string(ctx, -2, "engine");
  duk_pop(ctx);
  duk_push_global_object(ctx);
  duk_push_c_function(ctx, vec3f, 3);
  duk_put_prop_string(ctx, -2, "Vec3f");
  for (duk_uint_t index = 0; index < std::size(kMethods); ++index) {
    const MethodRow& row = kMethods[index];
    if (!duk_get_prop_string(ctx, -1, row.object)) {
      duk_pop(ctx);
      duk_push_object(ctx);
      duk_dup_top(ctx);
      duk_put_prop_string(ctx, -3, row.object);
    }
    duk_push_c_function(ctx, call_method, DUK_VARARGS);
    duk_push_uint(ctx, index);
    duk_put_prop_string(ctx, -2, DUK_HIDDEN_SYMBOL("row"));
    duk_put_prop_string(ctx, -2, row.method);
    duk_pop(ctx);
  }
  duk_pop(ctx);
}

}  // namespace orvenna
