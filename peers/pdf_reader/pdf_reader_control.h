// The PDF reader's document control, in process: a window of its own class that shows one page
// of a document fitted to its width, and the automation method LoadFile (dispatch id 2).
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "peers/pdf_reader/pdf_document.h"
#include "peers/pdf_reader/reader_probe.h"
#include "platform/com/com_types.h"
#include "platform/com/hosted_control.h"

namespace pdf_reader {

inline constexpr DISPID kLoadFileDispatchId = 2;
inline constexpr const wchar_t* kViewWindowClass = L"PdfReaderView";
// The colour round the page and behind the message.
inline constexpr COLORREF kBackdropColour = 0x00606060;
inline constexpr COLORREF kMessageColour = 0x00FFFFFF;

class PdfReaderControl final : public IDispatch, public IHostedControl {
 public:
  explicit PdfReaderControl(std::shared_ptr<ReaderProbe> probe);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument_error) override;

  HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT& rect, DWORD style, UINT id,
                                                HWND* window) override;
  HRESULT STDMETHODCALLTYPE DestroyControlWindow() override;

  // Reads the file through the desktop's files and shows its first page, or a line saying
  // why it cannot.
  bool LoadFile(const std::wstring& path);

 private:
  ~PdfReaderControl();
  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void show_failure(const std::wstring& path, const std::wstring& reason);
  void show_page(int page);
  void draw_page();
  void paint();
  void on_wheel(short delta);
  void report();

  std::atomic<ULONG> references_{1};
  std::shared_ptr<ReaderProbe> probe_;
  int number_;
  ReaderView view_;
  std::unique_ptr<PdfDocument> document_;
  HBITMAP page_bitmap_ = nullptr;
  SIZE page_size_{};
  int wheel_remainder_ = 0;
};

}  // namespace pdf_reader
