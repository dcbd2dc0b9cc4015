// The keys under HKEY_CLASSES_ROOT that make a class installed: written in order with their
// default values, and deleted in the order given.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win/registry_api.h"

namespace com {

using ClassKey = std::pair<std::wstring, std::wstring>;  // path, default value

// Stops at the first key that cannot be written and gives its status.
LSTATUS write_class_keys(const std::vector<ClassKey>& keys);
// A key that is already gone is no failure.
LSTATUS delete_class_keys(const std::vector<std::wstring>& paths);

}  // namespace com
