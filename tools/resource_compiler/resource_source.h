// Writes the C++ source that compiles a program's resources into it: one ResourceTable, reached
// through a function of the given name.
#pragma once

#include <string>
#include <vector>

#include "tools/resource_compiler/bitmap_script.h"
#include "tools/resource_compiler/dialog_script.h"
#include "tools/resource_compiler/string_table.h"

namespace resource_script {

struct DrawnPicture {
  const PictureDescription* description;
  std::vector<std::uint32_t> pixels;
};

std::string resource_source(const std::string& function_name, const std::vector<StringEntry>& strings,
                            const std::vector<DialogDescription>& dialogs,
                            const std::vector<DrawnPicture>& pictures);

// A wide string literal for any text, escaping what C++ would not take as it is.
std::string wide_literal(const std::wstring& text);

}  // namespace resource_script
