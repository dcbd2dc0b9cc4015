#include "tests/settings/console_program.h"

#include <array>

#include "platform/win/dialog_api.h"
#include "platform/win/resource_api.h"

namespace {

constexpr std::array<StringResource, 5> Strings{{
    {3930, L"Error reading latitude and longitude from registry.\n\n Error # %d"},
    {3931, L"Errore nella lettura di latitudine e longitudine dal registro.\n\n Errore # %d"},
    {4310, L"Can't read/write to the config file (OCconfig.ini).\n\nError # %d."},
    {4311, L"Impossibile leggere/scrivere il file di configurazione (OCconfig.ini).\n\nErrore # %d."},
    {4580, L"I can't open %s file"},
}};
const ResourceTable ConsoleStrings{Strings.data(), static_cast<int>(Strings.size()), nullptr, 0, nullptr, 0};

}  // namespace

int RecordingApp::DoMessageBox(LPCWSTR prompt, UINT type, UINT) {
  shown.push_back({prompt, type});
  return IDOK;
}

std::vector<ShownMessage> ConsoleProgramTest::RunAsConsole(const std::function<void()>& body) {
  std::vector<ShownMessage> shown;
  start_program(L"console.exe", [&body, &shown] {
    SetModuleResources(&ConsoleStrings);
    RecordingApp app;
    body();
    shown = app.shown;
    return DWORD{0};
  });
  machine.run_until_idle();
  return shown;
}

void PrintTo(const ShownMessage& message, std::ostream* out) {
  std::string narrow;
  for (wchar_t c : message.text)
    narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  *out << "\"" << narrow << "\" type " << message.type;
}
