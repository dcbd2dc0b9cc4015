// The 62 bodies an event stands on or looks at, in the order of the console's body list, whose
// indices the events store.
#pragma once

#include <string>
#include <vector>

// The bodies' texts in the interface language: the major bodies from the string table, the
// others by their own names.
std::vector<std::wstring> EventBodyTexts(int language);
