// The standard controls' classes belong to the desktop (process 0), so every program finds them.
#include "platform/desktop/desktop.h"
#include "platform/desktop/system_cursors.h"
#include "platform/desktop/window_class.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

struct SystemClass {
  const wchar_t* name;
  WNDPROC proc;
  UINT style;
  LPCWSTR cursor;
};

constexpr UINT kComboListStyle = CS_DBLCLKS | CS_SAVEBITS;

const SystemClass kSystemClasses[] = {
    {WC_BUTTONW, &button_procedure, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {WC_STATICW, &static_procedure, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW},
    {WC_EDITW, &edit_procedure, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM},
    {WC_LISTBOXW, &list_box_procedure, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW},
    {WC_COMBOBOXW, &combo_box_procedure, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {L"ComboLBox", &combo_list_procedure, kComboListStyle, IDC_ARROW},
    {PROGRESS_CLASSW, &progress_procedure, CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {TRACKBAR_CLASSW, &trackbar_procedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {TOOLTIPS_CLASSW, &tooltip_procedure, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW},
    {UPDOWN_CLASSW, &up_down_procedure, CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {WC_HEADERW, &header_procedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {WC_LISTVIEWW, &list_view_procedure, CS_DBLCLKS, IDC_ARROW},
    {DATETIMEPICK_CLASSW, &date_time_picker_procedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
    {MONTHCAL_CLASSW, &month_calendar_procedure, CS_HREDRAW | CS_VREDRAW, IDC_ARROW},
};

}  // namespace

void register_system_classes(desktop::Desktop& machine) {
  for (const SystemClass& entry : kSystemClasses) {
    desktop::WindowClass window_class;
    window_class.name = entry.name;
    window_class.style = entry.style;
    window_class.proc = entry.proc;
    window_class.window_extra = kStateBytes;
    window_class.cursor =
        desktop::system_cursor(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(entry.cursor)));
    window_class.process_id = 0;
    machine.classes().add(std::move(window_class));
  }
}

}  // namespace controls
