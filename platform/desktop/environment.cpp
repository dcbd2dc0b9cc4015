#include "platform/desktop/environment.h"

#include <algorithm>

#include "platform/desktop/windows_path.h"

namespace desktop {

namespace {

template <typename Char>
Environment parse_block(const Char* block) {
  Environment environment;
  for (const Char* at = block; *at != 0;) {
    std::wstring entry;
    for (; *at != 0; ++at)
      entry += static_cast<wchar_t>(static_cast<std::make_unsigned_t<Char>>(*at));
    ++at;
    // A leading "=" belongs to the name, as in the hidden "=C:" entries.
    std::size_t equals = entry.find(L'=', 1);
    if (equals != std::wstring::npos) environment.set(entry.substr(0, equals), entry.substr(equals + 1));
  }
  return environment;
}

}  // namespace

std::vector<std::pair<std::wstring, std::wstring>>::iterator Environment::position_of(
    std::wstring_view name) {
  return std::lower_bound(
      variables_.begin(), variables_.end(), name,
      [](const auto& variable, std::wstring_view key) { return name_before(variable.first, key); });
}

const std::wstring* Environment::find(std::wstring_view name) const {
  for (const auto& [key, value] : variables_)
    if (equal_names(key, name)) return &value;
  return nullptr;
}

void Environment::set(std::wstring_view name, std::wstring value) {
  auto at = position_of(name);
  if (at != variables_.end() && equal_names(at->first, name))
    at->second = std::move(value);
  else
    variables_.insert(at, {std::wstring(name), std::move(value)});
}

bool Environment::remove(std::wstring_view name) {
  auto at = position_of(name);
  if (at == variables_.end() || !equal_names(at->first, name)) return false;
  variables_.erase(at);
  return true;
}

std::wstring Environment::expand(std::wstring_view text) const {
  std::wstring out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t open = text.find(L'%', at);
    if (open == std::wstring_view::npos) break;
    out.append(text.substr(at, open - at));
    std::size_t close = text.find(L'%', open + 1);
    if (close == std::wstring_view::npos) {
      at = open;
      break;
    }
    std::wstring_view name = text.substr(open + 1, close - open - 1);
    const std::wstring* value = name.empty() ? nullptr : find(name);
    if (value != nullptr) {
      out += *value;
      at = close + 1;
    } else {
      // The closing "%" may open the next name, as Windows reads it.
      out.append(text.substr(open, close - open));
      at = close;
    }
  }
  out.append(text.substr(std::min(at, text.size())));
  return out;
}

std::wstring Environment::block() const {
  std::wstring block;
  for (const auto& [name, value] : variables_) {
    block += name;
    block += L'=';
    block += value;
    block += L'\0';
  }
  block += L'\0';
  return block;
}

Environment Environment::from_block(const wchar_t* block) {
  return parse_block(block);
}

Environment Environment::from_block(const char* block) {
  return parse_block(block);
}

}  // namespace desktop
