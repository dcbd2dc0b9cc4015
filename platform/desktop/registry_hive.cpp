#include "platform/desktop/registry_hive.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"

namespace desktop {
namespace {

constexpr const wchar_t* kCurrentUser = L"HKEY_CURRENT_USER";
constexpr const wchar_t* kLocalMachine = L"HKEY_LOCAL_MACHINE";
constexpr const wchar_t* kWow64Node = L"Wow6432Node";
constexpr const wchar_t* kSoftware = L"SOFTWARE";
constexpr const wchar_t* kClasses = L"Classes";

// Keys that every Windows machine has, for a registry that starts without a file.
struct FreshKey {
  const wchar_t* root;
  const wchar_t* name;
  const wchar_t* subkey;
};
constexpr FreshKey kFreshKeys[] = {
    {kCurrentUser, L"Software", nullptr},
    {kLocalMachine, kSoftware, kWow64Node},
};

}  // namespace

RegistryHive::RegistryHive(const Clock& clock) : clock_(clock) {
  give_fresh_machine();
}

std::shared_ptr<RegistryKey> RegistryHive::make_root(const wchar_t* name) {
  auto root = std::make_shared<RegistryKey>();
  root->name = name;
  return root;
}

void RegistryHive::give_fresh_machine() {
  current_user_ = make_root(kCurrentUser);
  local_machine_ = make_root(kLocalMachine);
  for (const FreshKey& fresh : kFreshKeys) {
    RegistryKey& root = same_name(fresh.root, kCurrentUser) ? *current_user_ : *local_machine_;
    auto key = add_subkey(root, fresh.name, false);
    if (fresh.subkey != nullptr) add_subkey(*key, fresh.subkey, false);
  }
  link_classes_root();
}

// HKEY_CLASSES_ROOT shows the machine's classes, HKEY_LOCAL_MACHINE\SOFTWARE\Classes, which every
// machine has; a hive kept before it was there gets it.
void RegistryHive::link_classes_root() {
  std::shared_ptr<RegistryKey> at = local_machine_;
  for (const wchar_t* name : {kSoftware, kClasses}) {
    auto below = at->subkey(name);
    at = below ? below : add_subkey(*at, name, false);
  }
  classes_root_ = at;
}

void RegistryHive::attach_file(std::filesystem::path file) {
  file_ = std::move(file);
  std::error_code error;
  if (!std::filesystem::exists(file_, error)) {
    give_fresh_machine();
    save();
    return;
  }
  std::ifstream in(file_, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    keep_aside("it cannot be read");
    return;
  }
  RegistryFileContents contents = parse_registry_file(text);
  if (contents.bad_line != 0) {
    keep_aside("line " + std::to_string(contents.bad_line) + ": " + contents.problem);
    return;
  }
  if (!build(contents)) keep_aside("a key is not below HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE");
}

bool RegistryHive::build(const RegistryFileContents& contents) {
  current_user_ = make_root(kCurrentUser);
  local_machine_ = make_root(kLocalMachine);
  for (const RegistryFileKey& file_key : contents.keys) {
    std::shared_ptr<RegistryKey> key;
    if (same_name(file_key.path.front(), kCurrentUser))
      key = current_user_;
    else if (same_name(file_key.path.front(), kLocalMachine))
      key = local_machine_;
    else
      return false;
    for (std::size_t i = 1; i < file_key.path.size(); ++i) {
      auto below = key->subkey(file_key.path[i]);
      key = below ? below : add_subkey(*key, file_key.path[i], false);
    }
    for (const RegistryValue& value : file_key.values)
      if (RegistryValue* existing = key->value(value.name))
        *existing = value;
      else
        key->values.push_back(value);
    key->written_unix_ms = file_key.written_unix_ms;
  }
  link_classes_root();
  return true;
}

void RegistryHive::keep_aside(const std::string& problem) {
  std::filesystem::path aside = file_;
  aside += ".damaged";
  std::error_code error;
  for (int n = 2; std::filesystem::exists(aside, error); ++n) {
    aside = file_;
    aside += ".damaged-" + std::to_string(n);
  }
  std::filesystem::rename(file_, aside, error);
  std::fprintf(stderr, "desktop: the registry file %s is damaged (%s); %s, and the registry starts afresh\n",
               file_.c_str(), problem.c_str(),
               error ? "it could not be kept aside" : ("it is kept as " + aside.string()).c_str());
  give_fresh_machine();
  save();
}

LONG RegistryHive::key_of(HKEY handle, DWORD access, std::shared_ptr<RegistryKey>& key) const {
  if (handle == HKEY_CURRENT_USER) {
    key = current_user_;
  } else if (handle == HKEY_LOCAL_MACHINE) {
    key = local_machine_;
  } else if (handle == HKEY_CLASSES_ROOT) {
    key = classes_root_;
  } else {
    const OpenKey* open = handles_.get(reinterpret_cast<std::uintptr_t>(handle));
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    if ((open->access & access) != access) return ERROR_ACCESS_DENIED;
    key = open->key;
  }
  return key->deleted ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

HKEY RegistryHive::add_handle(std::shared_ptr<RegistryKey> key, DWORD access) {
  return reinterpret_cast<HKEY>(handles_.add(std::make_shared<OpenKey>(OpenKey{std::move(key), access})));
}

bool RegistryHive::close_handle(HKEY handle) {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (handles_.get(value) == nullptr) return false;
  handles_.remove(value);
  return true;
}

// In the 32-bit view a walk that reaches HKEY_LOCAL_MACHINE\SOFTWARE goes on in its Wow6432Node,
// unless the path names that node itself.
bool RegistryHive::redirects(const RegistryKey& at, const std::wstring* next, bool view_32) const {
  return view_32 && at.parent == local_machine_.get() && same_name(at.name, L"SOFTWARE") &&
         (next == nullptr || !same_name(*next, kWow64Node));
}

std::shared_ptr<RegistryKey> RegistryHive::find(std::shared_ptr<RegistryKey> from,
                                                const std::vector<std::wstring>& path, bool view_32) const {
  std::shared_ptr<RegistryKey> at = std::move(from);
  for (const std::wstring& name : path) {
    if (redirects(*at, &name, view_32)) at = at->subkey(kWow64Node);
    if (at) at = at->subkey(name);
    if (!at) return nullptr;
  }
  return redirects(*at, nullptr, view_32) ? at->subkey(kWow64Node) : at;
}

LONG RegistryHive::create(std::shared_ptr<RegistryKey> from, const std::vector<std::wstring>& path,
                          bool view_32, bool is_volatile, std::shared_ptr<RegistryKey>& key) {
  key = find(from, path, view_32);
  if (key) return ERROR_SUCCESS;
  if (read_only_) return ERROR_ACCESS_DENIED;
  std::shared_ptr<RegistryKey> at = std::move(from);
  // Only the first key made can have a volatile parent of its own: the keys after it are
  // made with the volatility asked for, so a refusal never leaves part of the path behind.
  auto step = [&](const std::wstring& name) {
    auto below = at->subkey(name);
    if (!below) {
      if (at->is_volatile && !is_volatile) return false;
      below = add_subkey(*at, name, is_volatile);
    }
    at = below;
    return true;
  };
  for (const std::wstring& name : path) {
    if (redirects(*at, &name, view_32) && !step(kWow64Node)) return ERROR_CHILD_MUST_BE_VOLATILE;
    if (!step(name)) return ERROR_CHILD_MUST_BE_VOLATILE;
  }
  if (redirects(*at, nullptr, view_32) && !step(kWow64Node)) return ERROR_CHILD_MUST_BE_VOLATILE;
  key = at;
  save();
  return ERROR_SUCCESS;
}

std::shared_ptr<RegistryKey> RegistryHive::add_subkey(RegistryKey& parent, const std::wstring& name,
                                                      bool is_volatile) {
  auto key = std::make_shared<RegistryKey>();
  key->name = name;
  key->parent = &parent;
  key->is_volatile = is_volatile;
  parent.subkeys[upper_cased(name)] = key;
  touch(*key);
  touch(parent);
  return key;
}

LONG RegistryHive::set_value(RegistryKey& key, std::wstring_view name, DWORD type, std::vector<BYTE> data) {
  if (read_only_) return ERROR_ACCESS_DENIED;
  RegistryValue* value = key.value(name);
  if (value == nullptr) value = &key.values.emplace_back(RegistryValue{std::wstring(name), 0, {}});
  value->type = type;
  value->data = std::move(data);
  touch(key);
  save();
  return ERROR_SUCCESS;
}

LONG RegistryHive::delete_value(RegistryKey& key, std::wstring_view name) {
  if (read_only_) return ERROR_ACCESS_DENIED;
  RegistryValue* value = key.value(name);
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  key.values.erase(key.values.begin() + (value - key.values.data()));
  touch(key);
  save();
  return ERROR_SUCCESS;
}

LONG RegistryHive::delete_key(RegistryKey& key) {
  if (read_only_ || key.parent == nullptr || !key.subkeys.empty()) return ERROR_ACCESS_DENIED;
  RegistryKey& parent = *key.parent;
  auto at = parent.subkeys.find(upper_cased(key.name));
  std::shared_ptr<RegistryKey> kept = at->second;  // the key may be gone once unlinked
  parent.subkeys.erase(at);
  kept->deleted = true;
  kept->parent = nullptr;
  touch(parent);
  save();
  return ERROR_SUCCESS;
}

LONG RegistryHive::flush() {
  if (unsaved_) save();
  return unsaved_ ? ERROR_REGISTRY_IO_FAILED : ERROR_SUCCESS;
}

void RegistryHive::touch(RegistryKey& key) {
  key.written_unix_ms = clock_.unix_ms();
}

// The whole hive is written to a new file that then replaces the old one, so a crash leaves
// either the old or the new hive, never half of one.
void RegistryHive::save() {
  if (file_.empty()) return;
  std::string text = format_registry_file({current_user_.get(), local_machine_.get()});
  std::filesystem::path written = file_;
  written += ".new";
  std::ofstream out(written, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(written, file_, error);
  unsaved_ = !out || error;
  // A new file that could not take the old one's place is no hive: none is left beside it.
  if (unsaved_ && std::filesystem::is_regular_file(written, error)) std::filesystem::remove(written, error);
}

}  // namespace desktop
