#include "src/link/loader_script.h"

#include "src/link/planetarium_profile.h"
#include "src/link/script_file.h"
#include "src/util/user_folder.h"

namespace {

constexpr std::wstring_view NameLine = L"// Name: !Orvenna-Console\n";
constexpr std::wstring_view FirstNote =
    L"// Written by Orvenna Console before each script it has Orvenna run.\n";
constexpr std::wstring_view SecondNote =
    L"// Shortcut 1 runs it; it includes the script to run, or nothing.\n";
constexpr std::wstring_view Description =
    L"// Description: It's used by Orvenna-Console program. It must be the first script of the list. "
    L"Please, don't remove or change its position!  DO NOT RUN FROM WITHIN ORVENNA!";
constexpr std::wstring_view UserFileDescriptionEnd = L"\r\n\r\n";
constexpr std::wstring_view IdleIncludedPath = L"##########";

}  // namespace

std::vector<std::wstring> LoaderScriptHeader(LoaderForm form) {
  std::wstring description(Description);
  if (form == LoaderForm::UserFile) description += UserFileDescriptionEnd;
  return {std::wstring(NameLine), std::wstring(FirstNote), std::wstring(SecondNote), description};
}

std::wstring LoaderScriptInclude(LoaderForm form, std::wstring_view includedPath) {
  const std::wstring quoted =
      L"\"" + std::wstring(form == LoaderForm::Idle ? IdleIncludedPath : includedPath) + L"\"";
  switch (form) {
    case LoaderForm::Active:
      return L"\r\n\r\ninclude(" + quoted + L");\r\n";
    case LoaderForm::Idle:
      return L"\r\n\r\ninclude(" + quoted + L");\n";
    case LoaderForm::UserFile:
      return L"include(" + quoted + L");\r";
  }
  return {};
}

std::vector<std::wstring> LoaderScriptPieces(LoaderForm form, std::wstring_view includedPath) {
  std::vector<std::wstring> pieces = LoaderScriptHeader(form);
  pieces.push_back(LoaderScriptInclude(form, includedPath));
  return pieces;
}

std::wstring LoaderScriptPath() {
  return PlanetariumUserFile(PlanetariumProfile::LoaderScriptFile);
}

std::optional<CFileException> WriteLoaderScript(const std::vector<std::wstring>& pieces) {
  return WriteScriptFile(LoaderScriptPath(), pieces);
}

void ResetLoaderScript() {
  WriteLoaderScript(LoaderScriptPieces(LoaderForm::Idle, {}));
}
