// The resources of the tests' program: a few strings and a sample dialog.
#include <iterator>

#include "platform/win/win32.h"
#include "tests/afx/afx_fixture.h"

namespace {

constexpr StringResource kStrings[] = {
    {3000, L"EARTH"},
    {3001, L"TERRA"},
    {3003, L"TIERRA"},
    {9001, L"&Ok"},
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DialogItemTemplate kSampleItems[] = {
    {L"Static", 1001, L"Name:", 7, 9, 40, 8, kChild, 0},
    {L"Edit", 1002, L"", 50, 7, 100, 12, kChild | WS_TABSTOP | WS_BORDER, 0},
    {L"Button", 1010, L"One", 7, 30, 40, 14, kChild | WS_TABSTOP | WS_GROUP, 0},
    {L"Button", 1011, L"Two", 50, 30, 40, 14, kChild | WS_TABSTOP, 0},
    {L"Button", 1012, L"Three", 93, 30, 40, 14, kChild | WS_TABSTOP, 0},
    {L"Button", IDOK, L"OK", 50, 60, 50, 14, kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0},
    {L"Button", IDCANCEL, L"Cancel", 104, 60, 50, 14, kChild | WS_TABSTOP, 0},
};

constexpr DialogItemTemplate kChoiceItems[] = {
    {L"ComboBox", 1020, L"", 7, 7, 100, 60, kChild | WS_TABSTOP | 0x3 /* CBS_DROPDOWNLIST */, 0},
    {L"Static", 1021, L"", 7, 30, 100, 8, kChild, 0},
};

constexpr DialogItemTemplate kControlItems[] = {
    {L"Edit", 1030, L"", 7, 7, 50, 12, kChild | WS_TABSTOP | WS_BORDER | 0x2000 /* ES_NUMBER */, 0},
    {L"msctls_updown32", 1031, L"", 0, 0, 10, 12,
     kChild | 0x2 /* UDS_SETBUDDYINT */ | 0x4 /* UDS_ALIGNRIGHT */ | 0x10 /* UDS_AUTOBUDDY */, 0},
    {L"SysDateTimePick32", 1032, L"", 70, 7, 60, 12, kChild | WS_TABSTOP | 0x9 /* DTS_TIMEFORMAT */, 0},
    {L"SysListView32", 1033, L"", 7, 25, 150, 50,
     kChild | WS_TABSTOP | WS_BORDER | 0x1 /* LVS_REPORT */ | 0x4 /* LVS_SINGLESEL */, 0},
    {L"Static", 1034, L"", 7, 80, 150, 8, kChild, 0},
    {L"SysMonthCal32", 1035, L"", 165, 7, 125, 100, kChild | WS_TABSTOP, 0},
};

// A group box around a button, and a button that asks a question over them.
constexpr DialogItemTemplate kGroupItems[] = {
    {L"Button", 1040, L"Speeds", 7, 7, 146, 50, kChild | 0x7 /* BS_GROUPBOX */, 0},
    {L"Button", 1041, L"Faster", 50, 25, 60, 20, kChild | WS_TABSTOP, 0},
    {L"Static", 1042, L"", 7, 62, 60, 8, kChild, 0},
    {L"Button", 1043, L"Ask", 100, 60, 50, 14, kChild | WS_TABSTOP, 0},
};

constexpr DialogResource kDialogs[] = {
    {100,
     {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 10, 10, 160, 80, L"Sample",
      L"MS Sans Serif", 8, kSampleItems, 7}},
    {101,
     {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 20, 20, 120, 60, L"Inner",
      L"MS Sans Serif", 8, kSampleItems + 5, 2}},
    {102,
     {WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 120, 60, L"Choices", L"MS Sans Serif", 8, kChoiceItems,
      2}},
    {103,
     {WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 300, 112, L"Controls", L"MS Sans Serif", 8, kControlItems,
      6}},
    {104,
     {WS_POPUP | WS_CAPTION | DS_SETFONT | DS_CENTER, 0, 0, 0, 160, 80, L"Group", L"MS Sans Serif", 8,
      kGroupItems, 4}},
};

constexpr std::uint32_t kArrowRuns[] = {2, 0xFF00FF, 1, 0x808080, 1, 0x123456};
constexpr BitmapResource kBitmaps[] = {
    {ImageKind::Bitmap, 5410, 2, 2, kArrowRuns, 6},
    {ImageKind::Icon, 128, 2, 2, kArrowRuns, 6},
};

}  // namespace

const ResourceTable kSampleResources{kStrings, std::size(kStrings), kDialogs, std::size(kDialogs),
                                     kBitmaps, std::size(kBitmaps)};
