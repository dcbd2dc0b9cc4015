// The loader script "orvenna-console.ovs" that Orvenna's shortcut '1' runs: active, it includes
// the per-run script; idle, it includes nothing; in its user-file form, a script the presenter chose.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/afx/file_exception.h"

enum class LoaderForm { Active, Idle, UserFile };

// The four pieces before the include: the name line Orvenna finds the loader by, two notes and
// the description (which ends in two line breaks only in the user-file form).
std::vector<std::wstring> LoaderScriptHeader(LoaderForm form);
// The include piece; the path is written as it is (Windows paths hold no double quote).
std::wstring LoaderScriptInclude(LoaderForm form, std::wstring_view includedPath);
std::vector<std::wstring> LoaderScriptPieces(LoaderForm form, std::wstring_view includedPath);

// APPDATA + "\Orvenna\orvenna-console.ovs", read anew at every call.
std::wstring LoaderScriptPath();
std::optional<CFileException> WriteLoaderScript(const std::vector<std::wstring>& pieces);
// Writes the idle form; a loader that cannot be written is left as it is, silently.
void ResetLoaderScript();
