#include "tests/dialogs/dialog_program.h"

#include "res/console_resources.h"

desktop::Process& StartDialogProgram(desktop::Desktop& machine, std::function<INT_PTR(CWnd* owner)> run,
                                     RECT ownerRect, const wchar_t* image) {
  desktop::Process& process = machine.create_process(image);
  machine.start_thread(process, [run, ownerRect] {
    SetModuleResources(&console_resources());
    CWinApp app(L"Orvenna-Console");
    app.SetRegistryKey(L"Halcyra Software");
    CWnd owner;
    owner.CreateEx(0, L"Static", L"Console", WS_POPUP | WS_VISIBLE, ownerRect.left, ownerRect.top,
                   ownerRect.right - ownerRect.left, ownerRect.bottom - ownerRect.top, nullptr, nullptr);
    const INT_PTR result = run(&owner);
    owner.DestroyWindow();
    return static_cast<DWORD>(result);
  });
  return process;
}
