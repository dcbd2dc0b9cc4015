// Date texts of the script API: "[-]YYYY-MM-DDTHH:MM:SS", "now" and relative steps.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvenna {

// Times are UTC seconds since 1970-01-01T00:00:00, on the proleptic Gregorian calendar.
struct DateContext {
  double current = 0;       // the simulated time a relative step starts from
  double now = 0;           // the desktop's wall clock
  double local_offset = 0;  // local time minus UTC, in seconds
};

// Whole seconds; the year has at least four digits and a "-" when negative.
std::string format_date(double seconds);
// An absolute text is read as local time when local is set; nullopt when it does not parse.
std::optional<double> parse_date(std::string_view text, const DateContext& context, bool local);

}  // namespace orvenna
