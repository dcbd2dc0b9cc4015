// The registry of a desktop: the current user's and the local machine's keys, the handles that
// programs hold on them, and the text file that keeps them from one start to the next.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/clock.h"
#include "platform/desktop/handle_table.h"
#include "platform/desktop/registry_file.h"
#include "platform/desktop/registry_key.h"
#include "platform/win/win_types.h"

namespace desktop {

struct OpenKey {
  std::shared_ptr<RegistryKey> key;
  DWORD access = 0;
};

class RegistryHive {
 public:
  explicit RegistryHive(const Clock& clock);

  // Loads the hive kept in file, or gives a fresh machine's keys when there is no file, and
  // from then on saves every change there. A file that cannot be read is kept aside, renamed.
  void attach_file(std::filesystem::path file);

  // Failure injection: while read-only, every change and every open for writing is refused
  // with ERROR_ACCESS_DENIED, as for a key whose rights allow reading only.
  void set_read_only(bool read_only) { read_only_ = read_only; }
  bool read_only() const { return read_only_; }

  // The key a handle stands for, if the handle grants every right in access; otherwise
  // ERROR_INVALID_HANDLE, ERROR_ACCESS_DENIED or ERROR_KEY_DELETED. The predefined handles of
  // the current user, the local machine and the classes root grant every right.
  LONG key_of(HKEY handle, DWORD access, std::shared_ptr<RegistryKey>& key) const;
  // Null when the handle table is full.
  HKEY add_handle(std::shared_ptr<RegistryKey> key, DWORD access);
  bool close_handle(HKEY handle);

  // The key at path below from, or null. In the 32-bit view HKEY_LOCAL_MACHINE\SOFTWARE stands
  // for its Wow6432Node subkey, as 64-bit Windows shows it to 32-bit programs.
  std::shared_ptr<RegistryKey> find(std::shared_ptr<RegistryKey> from, const std::vector<std::wstring>& path,
                                    bool view_32) const;
  // Finds the key, or creates it and the missing keys on its way with the volatility asked for.
  LONG create(std::shared_ptr<RegistryKey> from, const std::vector<std::wstring>& path, bool view_32,
              bool is_volatile, std::shared_ptr<RegistryKey>& key);
  LONG set_value(RegistryKey& key, std::wstring_view name, DWORD type, std::vector<BYTE> data);
  LONG delete_value(RegistryKey& key, std::wstring_view name);
  // Only a key without subkeys may go; the handles still open on it then see ERROR_KEY_DELETED.
  LONG delete_key(RegistryKey& key);
  // Saves what a failed save left unsaved: ERROR_REGISTRY_IO_FAILED while the file cannot be written.
  LONG flush();

 private:
  static std::shared_ptr<RegistryKey> make_root(const wchar_t* name);
  bool redirects(const RegistryKey& at, const std::wstring* next, bool view_32) const;
  void give_fresh_machine();
  void link_classes_root();
  bool build(const RegistryFileContents& contents);
  void keep_aside(const std::string& problem);
  std::shared_ptr<RegistryKey> add_subkey(RegistryKey& parent, const std::wstring& name, bool is_volatile);
  void touch(RegistryKey& key);
  void save();

  const Clock& clock_;
  std::shared_ptr<RegistryKey> current_user_;
  std::shared_ptr<RegistryKey> local_machine_;
  std::shared_ptr<RegistryKey> classes_root_;
  HandleTable<OpenKey> handles_{2};
  std::filesystem::path file_;
  bool read_only_ = false;
  bool unsaved_ = false;
};

}  // namespace desktop
