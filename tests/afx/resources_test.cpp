// Resources by id through the calling program's table: strings, bitmaps, icons, cursors.
#include <vector>

#include "tests/afx/afx_fixture.h"

namespace {

class ResourcesTest : public AfxTest {
 protected:
  ResourcesTest() { SetModuleResources(&kSampleResources); }
  HINSTANCE instance = GetModuleHandleW(nullptr);
};

TEST_F(ResourcesTest, AStringOfALanguageTheTableLacksIsEmpty) {
  wchar_t text[16] = L"unchanged";
  EXPECT_EQ(LoadStringW(instance, 3001, text, 16), 5);
  EXPECT_STREQ(text, L"TERRA");
  EXPECT_EQ(LoadStringW(instance, 3002, text, 16), 0);
  EXPECT_STREQ(text, L"");
  EXPECT_EQ(LoadStringW(instance, 3000, text, 3), 2);  // cut to fit with its terminator
  EXPECT_STREQ(text, L"EA");
  const wchar_t* in_place = nullptr;
  EXPECT_EQ(LoadStringW(instance, 3003, reinterpret_cast<LPWSTR>(&in_place), 0), 6);
  EXPECT_STREQ(in_place, L"TIERRA");
}

TEST_F(ResourcesTest, WithoutAResourceTableEveryStringIsEmpty) {
  SetModuleResources(nullptr);
  wchar_t text[8] = L"x";
  EXPECT_EQ(LoadStringW(instance, 3000, text, 8), 0);
  EXPECT_STREQ(text, L"");
  EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCEW(5410)), nullptr);
}

COLORREF pixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return colour;
}

TEST_F(ResourcesTest, BitmapsLoadAsDrawnAndMapTheirGreysToThe3DColoursWhenAsked) {
  HBITMAP plain = LoadBitmapW(instance, MAKEINTRESOURCEW(5410));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(pixel(plain, 0, 0), RGB(255, 0, 255));
  EXPECT_EQ(pixel(plain, 0, 1), RGB(128, 128, 128));
  EXPECT_EQ(pixel(plain, 1, 1), RGB(0x12, 0x34, 0x56));
  auto mapped = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(5410), IMAGE_BITMAP, 0, 0,
                                                LR_LOADMAP3DCOLORS | LR_CREATEDIBSECTION));
  ASSERT_NE(mapped, nullptr);
  EXPECT_EQ(pixel(mapped, 0, 1), GetSysColor(COLOR_3DSHADOW));
  DIBSECTION section{};
  EXPECT_EQ(GetObjectW(mapped, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_NE(section.dsBm.bmBits, nullptr);
  EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCEW(5411)), nullptr);
  DeleteObject(plain);
  DeleteObject(mapped);
}

TEST_F(ResourcesTest, IconsAreSharedAndDrawnWithTheirMagentaTransparent) {
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(128));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconW(instance, MAKEINTRESOURCEW(128)), icon);
  EXPECT_EQ(LoadIconW(instance, MAKEINTRESOURCEW(129)), nullptr);
  EXPECT_EQ(LoadCursorW(instance, MAKEINTRESOURCEW(128)), nullptr);  // an icon is not a cursor

  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, target);
  RECT all{0, 0, 2, 2};
  HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
  FillRect(dc, &all, green);
  EXPECT_TRUE(DrawIcon(dc, 0, 0, icon));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 200, 0));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0x12, 0x34, 0x56));
  SelectObject(dc, previous);
  DeleteObject(green);
  DeleteObject(target);
  DeleteDC(dc);
}

TEST_F(ResourcesTest, TheSystemsMessageBoxIconsAreSharedSignsOnATransparentGround) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateBitmap(32, 32, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, target);
  RECT all{0, 0, 32, 32};
  HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
  std::vector<COLORREF> faces;
  for (LPCWSTR name : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
    HICON icon = LoadIconW(nullptr, name);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, name), icon);
    BITMAP size{};
    GetObjectW(icon, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 32);
    FillRect(dc, &all, green);
    EXPECT_TRUE(DrawIcon(dc, 0, 0, icon));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 200, 0));
    faces.push_back(GetPixel(dc, 8, 24));
    EXPECT_NE(faces.back(), RGB(0, 200, 0));
  }
  EXPECT_NE(faces[0], faces[1]);
  EXPECT_NE(faces[1], faces[2]);
  // Only a program's own icons come from a program's instance.
  EXPECT_EQ(LoadIconW(instance, IDI_QUESTION), nullptr);
  SelectObject(dc, previous);
  DeleteObject(green);
  DeleteObject(target);
  DeleteDC(dc);
}

TEST_F(ResourcesTest, DialogTemplatesAreFoundByTheirId) {
  EXPECT_NE(FindDialogTemplate(instance, MAKEINTRESOURCEW(100)), nullptr);
  EXPECT_EQ(FindDialogTemplate(instance, MAKEINTRESOURCEW(199)), nullptr);
  EXPECT_EQ(CreateDialogParamW(instance, MAKEINTRESOURCEW(199), nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
}

}  // namespace
