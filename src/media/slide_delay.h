// The slide show's delay between pictures, in whole seconds, kept in OCconfig.ini.
#pragma once

inline constexpr int DefaultSlideDelay = 5;
inline constexpr int MinimumSlideDelay = 1;
inline constexpr int MaximumSlideDelay = 60;

// The stored delay; the default when it is missing, empty, not a number or out of range.
int ReadSlideDelay();
void WriteSlideDelay(int seconds);
