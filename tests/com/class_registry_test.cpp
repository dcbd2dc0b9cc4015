// Objects are made only from classes the registry lists, whose code the machine has.
#include <gtest/gtest.h>

#include "platform/com/com_api.h"
#include "platform/win/win32.h"
#include "tests/com/fake_control.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class ClassRegistryTest : public DesktopTest {
 protected:
  HRESULT make() {
    void* object = nullptr;
    HRESULT result =
        CoCreateInstance(kFakeControlClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &object);
    if (object != nullptr) static_cast<IUnknown*>(object)->Release();
    EXPECT_EQ(SUCCEEDED(result), object != nullptr);
    return result;
  }

  std::shared_ptr<FakeControlRecord> record = register_fake_control(machine);
};

TEST_F(ClassRegistryTest, InitialisingTwiceSaysSoAndNeedsTwoEnds) {
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  CoUninitialize();
  install_fake_control();
  EXPECT_EQ(make(), S_OK);
  OleUninitialize();
  EXPECT_EQ(make(), CO_E_NOTINITIALIZED);
}

TEST_F(ClassRegistryTest, AClassIsMadeOnlyWhileItsKeyIsInstalled) {
  CoInitialize(nullptr);
  EXPECT_EQ(make(), REGDB_E_CLASSNOTREG);
  install_fake_control();
  EXPECT_EQ(make(), S_OK);
  uninstall_fake_control();
  EXPECT_EQ(make(), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(record->made, 1);
  EXPECT_EQ(record->alive, 0);
  CoUninitialize();
}

TEST_F(ClassRegistryTest, AnInstalledClassWithoutItsCodeIsAMissingModule) {
  CoInitialize(nullptr);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{00000000-1111-2222-3333-444444444444}", 0, nullptr,
                            0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  CLSID unknown{};
  CLSIDFromString(L"{00000000-1111-2222-3333-444444444444}", &unknown);
  void* object = nullptr;
  EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
            HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(object, nullptr);
  CoUninitialize();
}

TEST_F(ClassRegistryTest, TheClassesRootIsTheMachinesSoftwareClasses) {
  install_fake_control();
  HKEY key = nullptr;
  EXPECT_EQ(
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\CLSID\\{1B2C3D4E-0102-0304-0506-0708090A0B0C}",
                    0, KEY_READ, &key),
      ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(ClassRegistryTest, AProgIdNamesItsClass) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"Fake.Control\\CLSID", 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  std::wstring text = kFakeControlClassText;
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromProgID(L"Fake.Control", &clsid), S_OK);
  EXPECT_EQ(clsid, kFakeControlClassId);
  EXPECT_EQ(CLSIDFromProgID(L"Not.There", &clsid), CO_E_CLASSSTRING);
}

}  // namespace
