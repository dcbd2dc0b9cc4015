#include "src/link/script_file.h"

#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"
#include "src/util/stdio_file_ex.h"

namespace {

constexpr std::wstring_view PositionScript = L"position.ovs";
constexpr std::wstring_view RecordedShowScript = L"MACRO.ovs";
constexpr std::wstring_view ClearLabelsStatement = L"LabelMgr.deleteAllLabels();\r";
constexpr std::wstring_view MeteorShowerStatements[] = {
    L"MeteorShowers.setEnableLabels(true);",
    L"MeteorShowers.setEnableMarker(true);",
};

void RemoveAll(std::wstring& text, std::wstring_view statement) {
  for (std::size_t at = text.find(statement); at != std::wstring::npos; at = text.find(statement, at))
    text.erase(at, statement.size());
}

CFileException LastErrorOf(const std::wstring& path) {
  const LONG error = static_cast<LONG>(GetLastError());
  return CFileException(CFileException::OsErrorToException(error), error, path);
}

}  // namespace

std::optional<CFileException> WriteScriptFile(const std::wstring& path,
                                              std::span<const std::wstring> pieces) {
  CStdioFileEx file;
  file.codePage = Utf8CodePage;
  CFileException openError;
  if (!file.Open(path.c_str(), ScriptFileOpenFlags, &openError)) return openError;
  try {
    for (const std::wstring& piece : pieces)
      file.WriteString(piece.c_str());
    file.Close();
  } catch (CFileException* error) {
    CFileException failure = *error;
    error->Delete();
    file.Abort();
    return failure;
  }
  return std::nullopt;
}

std::optional<CFileException> DeleteScriptFile(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return std::nullopt;
  return LastErrorOf(path);
}

std::wstring PreparePerRunText(std::wstring text, std::wstring_view name, bool& clearLabelsFirst,
                               bool meteorPluginLoaded) {
  if (clearLabelsFirst && name != PositionScript) {
    text.insert(0, ClearLabelsStatement);
    clearLabelsFirst = false;
  }
  if (name == RecordedShowScript && !meteorPluginLoaded)
    for (std::wstring_view statement : MeteorShowerStatements)
      RemoveAll(text, statement);
  return text;
}
