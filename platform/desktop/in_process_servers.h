// The in-process COM classes whose code the machine has, by class id: what a DLL registered on
// Windows would give. The registry decides whether a class is installed; this only holds the code.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

// Makes a new object of the class and gives its interface iid in *object, AddRef'd, or a failure.
using ClassFactory = std::function<HRESULT(REFIID iid, void** object)>;

class InProcessServers {
 public:
  // A second registration of a class id replaces the first.
  void add(const CLSID& clsid, ClassFactory factory);
  // Null when the machine has no code for the class.
  const ClassFactory* find(const CLSID& clsid) const;

 private:
  std::vector<std::pair<CLSID, ClassFactory>> classes_;
};

}  // namespace desktop
