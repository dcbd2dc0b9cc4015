// Resources compiled into a program: the string table, dialog templates, bitmaps, icons and
// cursors, by numeric id. A program names its table once at start (SetModuleResources); the
// resource calls then find it through the calling thread's process.
#pragma once

#include <cstdint>

#include "platform/win/dialog_api.h"
#include "platform/win/win_types.h"

struct StringResource {
  UINT id;
  LPCWSTR text;
};

struct DialogResource {
  WORD id;
  DialogTemplate dialog;
};

enum class ImageKind { Bitmap, Icon, Cursor };

// Pixels as runs: count, then the colour 0x00RRGGBB, row by row from the top. Icons and
// cursors are transparent where the colour is magenta.
struct BitmapResource {
  ImageKind kind;
  WORD id;
  int width;
  int height;
  const std::uint32_t* runs;
  int run_values;  // count and colour of each run, so twice the number of runs
};

struct ResourceTable {
  const StringResource* strings;  // sorted by id
  int string_count;
  const DialogResource* dialogs;
  int dialog_count;
  const BitmapResource* bitmaps;  // bitmaps, icons and cursors share the list
  int bitmap_count;
};

void SetModuleResources(const ResourceTable* table);
const ResourceTable* GetModuleResources();
const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCWSTR name);

inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x00000000;
inline constexpr UINT LR_LOADMAP3DCOLORS = 0x00001000;
inline constexpr UINT LR_CREATEDIBSECTION = 0x00002000;
inline constexpr UINT LR_DEFAULTSIZE = 0x00000040;
inline constexpr UINT LR_SHARED = 0x00008000;
inline constexpr UINT DI_NORMAL = 0x0003;

// The system's icons of the message boxes.
inline const LPCWSTR IDI_HAND = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32513));
inline const LPCWSTR IDI_QUESTION = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32514));
inline const LPCWSTR IDI_EXCLAMATION = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32515));
inline const LPCWSTR IDI_ASTERISK = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32516));
inline const LPCWSTR IDI_ERROR = IDI_HAND;
inline const LPCWSTR IDI_WARNING = IDI_EXCLAMATION;
inline const LPCWSTR IDI_INFORMATION = IDI_ASTERISK;

// A bitmap resource as a 32-bit bitmap of the screen's format.
HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);
// Bitmaps as new objects: a DIB section with LR_CREATEDIBSECTION; LR_LOADMAP3DCOLORS turns the
// greys 128, 192 and 223 into the 3D shadow, face and light colours. Icons and cursors are
// shared for the life of the program.
HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
// A program's icon; with a null instance also the system's IDI_ icons.
HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name);
// Draws an icon (or a program's cursor) with its transparency, stretched to cx by cy (0: its size).
BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flicker_free,
                       UINT flags);
BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon);
BOOL WINAPI DestroyIcon(HICON icon);
// The program's own cursor of that id, or null.
HCURSOR LoadProgramCursor(LPCWSTR name);

// A missing id gives 0 and an empty text; with max_count 0 the buffer receives a read-only
// pointer to the text, as on Windows.
int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int max_count);
