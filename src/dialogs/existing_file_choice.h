// The system's open-file dialog for one file that must exist, its read-only box hidden.
#pragma once

#include <optional>
#include <string>

#include "platform/afx/afx.h"

// The chosen file's full path; none when the presenter cancelled or chose no name.
std::optional<std::wstring> ChooseExistingFile(CWnd* parent, const wchar_t* initialName,
                                               const wchar_t* filter);
