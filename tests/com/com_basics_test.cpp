#include <gtest/gtest.h>

#include "platform/com/com_api.h"
#include "platform/com/ole_auto_api.h"
#include "tests/com/fake_control.h"

namespace {

struct ClassText {
  const wchar_t* text;
  HRESULT result;
};

class ClassIdTextTest : public ::testing::TestWithParam<ClassText> {};

TEST_P(ClassIdTextTest, ReadsOnlyTheBracedForm) {
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromString(GetParam().text, &clsid), GetParam().result);
  if (GetParam().result == S_OK) {
    EXPECT_EQ(clsid, kFakeControlClassId);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClassIdTextTest,
    ::testing::Values(ClassText{L"{1B2C3D4E-0102-0304-0506-0708090A0B0C}", S_OK},
                      ClassText{kFakeControlClassText, S_OK},
                      ClassText{L"1B2C3D4E-0102-0304-0506-0708090A0B0C", CO_E_CLASSSTRING},
                      ClassText{L"{1B2C3D4E-0102-0304-0506-0708090A0B0}", CO_E_CLASSSTRING},
                      ClassText{L"{1B2C3D4E-0102-0304-0506+0708090A0B0C}", CO_E_CLASSSTRING},
                      ClassText{L"{1B2C3D4E-0102-0304-0506-0708090A0B0G}", CO_E_CLASSSTRING}));

TEST(ClassIdText, IsWrittenBracedInCapitals) {
  wchar_t text[39];
  ASSERT_EQ(StringFromGUID2(kFakeControlClassId, text, 39), 39);
  EXPECT_STREQ(text, L"{1B2C3D4E-0102-0304-0506-0708090A0B0C}");
  EXPECT_EQ(StringFromGUID2(kFakeControlClassId, text, 38), 0);
}

TEST(AutomationString, KeepsItsLengthAndInnerTerminators) {
  BSTR text = SysAllocStringLen(L"a\0b", 3);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(text[1], L'\0');
  EXPECT_EQ(text[3], L'\0');
  SysFreeString(text);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
}

TEST(Variant, CopiesItsStringAndClearsToEmpty) {
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_BSTR;
  source.bstrVal = SysAllocString(L"page");
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_NE(copy.bstrVal, source.bstrVal);
  EXPECT_STREQ(copy.bstrVal, L"page");
  VariantClear(&source);
  EXPECT_EQ(source.vt, VT_EMPTY);
  EXPECT_STREQ(copy.bstrVal, L"page");
  VariantClear(&copy);
}

}  // namespace
