// The stand-in PDF reader's document control as the desktop has it: its code registered as an
// in-process class, and its install (the class's key under HKEY_CLASSES_ROOT\CLSID), without
// which programs find it not installed.
#pragma once

#include <memory>

#include "peers/pdf_reader/reader_probe.h"
#include "platform/desktop/desktop.h"
#include "platform/win/registry_api.h"

namespace pdf_reader {

inline constexpr CLSID kPdfReaderClassId{
    0xCA8A9780, 0x280D, 0x11CF, {0xA2, 0x4D, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr const wchar_t* kPdfReaderProgId = L"PdfReader.Document";

// Gives the machine the control's code; the probe returned sees every control made, and its JSON
// is the section "pdf_reader" of the desktop's dumps. Register once per desktop.
std::shared_ptr<ReaderProbe> register_pdf_reader(desktop::Desktop& machine);

// On a desktop thread: writes the class's registry keys, as the reader's installer does, or
// removes them. The registry's status.
LSTATUS install_pdf_reader();
LSTATUS uninstall_pdf_reader();

}  // namespace pdf_reader
