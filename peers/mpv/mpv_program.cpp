#include "peers/mpv/mpv_program.h"

#include <vector>

#include "peers/mpv/player.h"

namespace mpv {

std::shared_ptr<MpvProbe> register_mpv_program(desktop::Desktop& machine) {
  auto probe = std::make_shared<MpvProbe>();
  // A run's objects outlive its thread when the desktop ends it from outside.
  auto players = std::make_shared<std::vector<std::unique_ptr<Player>>>();
  machine.register_program(L"mpv.exe", [probe, players](const std::wstring& command_line) {
    players->push_back(std::make_unique<Player>(probe));
    return players->back()->run(command_line);
  });
  machine.observations().dump_sections["mpv"] = [probe] { return probe->dump_json(); };
  return probe;
}

DWORD install_mpv(desktop::Desktop& machine, const std::wstring& folder) {
  DWORD result = 0;
  machine.call_from_outside([&] { result = machine.install_program(folder + L"mpv.exe"); });
  return result;
}

}  // namespace mpv
