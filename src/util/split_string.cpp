#include "src/util/split_string.h"

int SplitString(std::wstring_view text, std::wstring_view delimiters, std::vector<std::wstring>& pieces) {
  int appended = 0;
  for (std::size_t at = text.find_first_of(delimiters); at != std::wstring_view::npos;
       at = text.find_first_of(delimiters)) {
    pieces.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
    ++appended;
  }
  if (!text.empty()) {
    pieces.emplace_back(text);
    ++appended;
  }
  return appended;
}
