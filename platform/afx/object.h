// CObject and run-time class information: a class's name and its base, as GetRuntimeClass and
// IsKindOf report them.
#pragma once

#include "platform/win/win_types.h"

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  const CRuntimeClass* m_pBaseClass;

  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* runtime_class) const;

  static const CRuntimeClass classCObject;

 protected:
  CObject() = default;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)             \
 public:                                        \
  static const CRuntimeClass class##class_name; \
  CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                  \
  const CRuntimeClass class_name::class##class_name {                                   \
#class_name, static_cast < int>(sizeof(class_name)), RUNTIME_CLASS(base_class_name) \
  };                                                                                    \
  CRuntimeClass* class_name::GetRuntimeClass() const {                                  \
    return RUNTIME_CLASS(class_name);                                                   \
  }

#define DECLARE_DYNCREATE(class_name) DECLARE_DYNAMIC(class_name)
#define IMPLEMENT_DYNCREATE(class_name, base_class_name) IMPLEMENT_DYNAMIC(class_name, base_class_name)
