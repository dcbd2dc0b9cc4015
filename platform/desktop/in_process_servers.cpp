#include "platform/desktop/in_process_servers.h"

namespace desktop {

void InProcessServers::add(const CLSID& clsid, ClassFactory factory) {
  for (auto& [id, existing] : classes_)
    if (id == clsid) {
      existing = std::move(factory);
      return;
    }
  classes_.emplace_back(clsid, std::move(factory));
}

const ClassFactory* InProcessServers::find(const CLSID& clsid) const {
  for (const auto& [id, factory] : classes_)
    if (id == clsid) return &factory;
  return nullptr;
}

}  // namespace desktop
