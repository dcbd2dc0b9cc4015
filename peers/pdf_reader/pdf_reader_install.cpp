#include <string>

#include "peers/pdf_reader/pdf_reader.h"
#include "peers/pdf_reader/pdf_reader_control.h"
#include "platform/com/class_keys.h"
#include "platform/com/com_api.h"

namespace pdf_reader {
namespace {

constexpr const wchar_t* kControlName = L"PDF document control";
constexpr const wchar_t* kServerPath = L"C:\\Program Files\\PDF Reader\\pdfreader.ocx";

std::wstring class_key() {
  wchar_t text[40];
  StringFromGUID2(kPdfReaderClassId, text, 40);
  return std::wstring(L"CLSID\\") + text;
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
  const std::wstring prog_id = kPdfReaderProgId;
  return com::write_class_keys({{key, kControlName},
                                {key + L"\\InprocServer32", kServerPath},
                                {key + L"\\ProgID", prog_id},
                                {prog_id + L"\\CLSID", clsid}});
}

LSTATUS uninstall_pdf_reader() {
  const std::wstring key = class_key();
  const std::wstring prog_id = kPdfReaderProgId;
  return com::delete_class_keys(
      {key + L"\\InprocServer32", key + L"\\ProgID", key, prog_id + L"\\CLSID", prog_id});
}

}  // namespace pdf_reader
