// The console's flat values under its one key of the current user: readers that never fail
// and writers that never report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/registry_api.h"

inline constexpr wchar_t ConsoleRegistryKey[] = L"Software\\Halcyra Software\\Orvenna-Console";

// The key opened for reading; when it cannot be opened every value reads as missing.
class SettingsReader {
 public:
  SettingsReader();
  ~SettingsReader();
  SettingsReader(const SettingsReader&) = delete;
  SettingsReader& operator=(const SettingsReader&) = delete;

  // A REG_DWORD of exactly four bytes; any other type or size counts as missing.
  std::optional<DWORD> Dword(const std::wstring& name) const;
  std::optional<int> Int(const std::wstring& name) const;
  // Present and non-zero.
  std::optional<bool> Flag(const std::wstring& name) const;
  // A REG_SZ of at most capacity characters, taken by the size the registry returns (so a
  // text that fills the buffer exactly still ends where it should) and cut at a zero.
  std::optional<std::wstring> Text(const std::wstring& name, std::size_t capacity) const;

 private:
  HKEY key_ = nullptr;
};

// The key opened for writing. Writers create the key first, except the few that must write
// nothing while it does not exist; when the key cannot be had every write is dropped.
class SettingsWriter {
 public:
  enum class Open { CreatingKey, ExistingKeyOnly };
  explicit SettingsWriter(Open open = Open::CreatingKey);
  ~SettingsWriter();
  SettingsWriter(const SettingsWriter&) = delete;
  SettingsWriter& operator=(const SettingsWriter&) = delete;

  void Dword(const std::wstring& name, DWORD value);
  void Int(const std::wstring& name, int value) { Dword(name, static_cast<DWORD>(value)); }
  void Flag(const std::wstring& name, bool value) { Dword(name, value ? 1 : 0); }
  // Without the terminating zero, as the console has always stored its texts.
  void Text(const std::wstring& name, std::wstring_view text);

 private:
  HKEY key_ = nullptr;
};

// "Date_" and 1 make "Date_1": the per-slot value names.
std::wstring SlotValueName(std::wstring_view prefix, int number);
