#include "platform/afx/object.h"

const CRuntimeClass CObject::classCObject{"CObject", static_cast<int>(sizeof(CObject)), nullptr};

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* at = this; at != nullptr; at = at->m_pBaseClass)
    if (at == base) return TRUE;
  return FALSE;
}

CRuntimeClass* CObject::GetRuntimeClass() const {
  return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* runtime_class) const {
  return GetRuntimeClass()->IsDerivedFrom(runtime_class);
}
