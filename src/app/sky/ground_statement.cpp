#include "src/app/sky/ground_statement.h"

#include "src/link/script_literal.h"

std::wstring LandscapeUnlessCurrent(std::wstring_view landscape) {
  const std::wstring name = ScriptStringLiteral(landscape);
  return L"if (LandscapeMgr.getCurrentLandscapeName() != " + name +
         L")\r   LandscapeMgr.setCurrentLandscapeName(" + name + L",false);\r";
}
