#include "peers/orvenna/orvenna_program.h"

#include <vector>

#include "peers/orvenna/program.h"

namespace orvenna {

std::shared_ptr<ProgramProbe> register_orvenna_program(desktop::Desktop& machine, ProgramSettings settings) {
  auto probe = std::make_shared<ProgramProbe>();
  // A program's script thread may outlive its main thread when the program is ended from outside,
  // so the programs live as long as the registration.
  auto programs = std::make_shared<std::vector<std::unique_ptr<Program>>>();
  machine.register_program(L"orvenna.exe", [settings, probe, programs](const std::wstring&) {
    programs->push_back(std::make_unique<Program>(settings, probe));
    return programs->back()->run();
  });
  machine.observations().dump_sections["orvenna"] = [probe] { return probe->dump_json(); };
  return probe;
}

}  // namespace orvenna
