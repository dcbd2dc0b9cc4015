#include <string>

#include "peers/pdf_reader/pdf_reader.h"
#include "peers/pdf_reader/pdf_reader_control.h"
#include "platform/com/com_api.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"

namespace pdf_reader {
namespace {

constexpr const wchar_t* kControlName = L"PDF document control";
constexpr const wchar_t* kServerPath = L"C:\\Program Files\\PDF Reader\\pdfreader.ocx";

std::wstring class_key() {
  wchar_t text[40];
  StringFromGUID2(kPdfReaderClassId, text, 40);
  return std::wstring(L"CLSID\\") + text;
}

LSTATUS write_default(const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  LSTATUS status =
      RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status;
}

}  // namespace

std::shared_ptr<ReaderProbe> register_pdf_reader(desktop::Desktop& machine) {
  auto probe = std::make_shared<ReaderProbe>();
  machine.in_process_servers().add(kPdfReaderClassId, [probe](REFIID iid, void** object) {
    auto* control = new PdfReaderControl(probe);
    HRESULT result = control->QueryInterface(iid, object);
    control->Release();
    return result;
  });
  machine.observations().dump_sections["pdf_reader"] = [probe] { return probe->dump_json(); };
  return probe;
}

LSTATUS install_pdf_reader() {
  wchar_t clsid[40];
  StringFromGUID2(kPdfReaderClassId, clsid, 40);
  const std::wstring key = class_key();
  for (const auto& [path, value] :
       {std::pair{key, std::wstring(kControlName)},
        std::pair{key + L"\\InprocServer32", std::wstring(kServerPath)},
        std::pair{key + L"\\ProgID", std::wstring(kPdfReaderProgId)},
        std::pair{std::wstring(kPdfReaderProgId) + L"\\CLSID", std::wstring(clsid)}})
    if (LSTATUS status = write_default(path, value); status != ERROR_SUCCESS) return status;
  return ERROR_SUCCESS;
}

LSTATUS uninstall_pdf_reader() {
  const std::wstring key = class_key();
  for (const std::wstring& path :
       {key + L"\\InprocServer32", key + L"\\ProgID", key, std::wstring(kPdfReaderProgId) + L"\\CLSID",
        std::wstring(kPdfReaderProgId)})
    if (LSTATUS status = RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
        status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
      return status;
  return ERROR_SUCCESS;
}

}  // namespace pdf_reader
