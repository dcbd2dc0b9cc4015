#include "peers/orvenna/install/installer.h"

#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/install_writer.h"

namespace orvenna {

namespace {

constexpr const wchar_t* kFolder = L"C:\\Program Files\\Orvenna\\";
constexpr const wchar_t* kFolderOn64BitMachine = L"C:\\Program Files (x86)\\Orvenna\\";

InstallResult install_program(desktop::Desktop& machine, const InstallSettings& settings) {
  std::wstring folder = install_folder_of(settings);
  InstallWriter writer(machine, settings.pictures);
  write_landscapes(writer, folder);
  write_sky_cultures(writer, folder);
  write_star_positions(writer, folder);
  write_nebula_pictures(writer, folder);
  if (!writer.result()) return writer.result();
  std::wstring executable = folder + kExecutableName;
  if (DWORD error = machine.install_program(executable)) return {error, executable};
  return write_uninstall_entry(machine, settings);
}

}  // namespace

std::wstring install_folder_of(const InstallSettings& settings) {
  if (settings.install_folder.empty()) return settings.machine_64_bit ? kFolderOn64BitMachine : kFolder;
  return settings.install_folder.back() == L'\\' ? settings.install_folder : settings.install_folder + L'\\';
}

std::wstring user_folder_of(desktop::Desktop& machine) {
  const std::wstring* app_data = machine.environment().find(L"APPDATA");
  return (app_data != nullptr ? *app_data : std::wstring()) + L"\\Orvenna";
}

InstallResult install_orvenna(desktop::Desktop& machine, const InstallSettings& settings) {
  InstallResult result;
  machine.call_from_outside([&] {
    if (settings.installed) result = install_program(machine, settings);
    if (result && settings.user_folder) {
      InstallWriter writer(machine, settings.pictures);
      write_user_folder(writer, user_folder_of(machine) + L"\\");
      if (settings.catalogues) write_console_catalogues(writer, user_folder_of(machine) + L"\\");
      result = writer.result();
    }
  });
  return result;
}

InstallResult install_on_first_run(desktop::Desktop& machine) {
  bool fresh = false;
  machine.call_from_outside([&] { fresh = !has_uninstall_entry(machine); });
  return fresh ? install_orvenna(machine) : InstallResult{};
}

}  // namespace orvenna
