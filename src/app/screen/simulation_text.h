// The information box's text of Orvenna's rate, time and place, as output.txt gave them.
#pragma once

#include <string>

struct SimulationData {
  std::wstring rate;
  std::wstring utcTime;
  std::wstring localTime;
  std::wstring planet;
  std::wstring longitude;
  std::wstring latitude;
  // Orvenna had not written output.txt since it was asked: the values are an older answer.
  bool stale = false;
};

std::wstring FormatSimulationData(const SimulationData& data);
