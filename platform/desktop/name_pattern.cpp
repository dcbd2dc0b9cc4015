#include "platform/desktop/name_pattern.h"

#include <cwctype>
#include <vector>

namespace desktop {

namespace {

// The pattern's characters after Windows' rewriting: a "?" is always the DOS question mark,
// a "*" before a dot stops at the name's last dot, and a dot before a wildcard or at the end
// also matches the end of the name.
enum class Token { Literal, Star, DosStar, DosQuestion, DosDot };

struct Piece {
  Token token;
  wchar_t c;
};

std::vector<Piece> tokens_of(std::wstring_view pattern) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    wchar_t c = pattern[i];
    wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (c == L'?')
      pieces.push_back({Token::DosQuestion, c});
    else if (c == L'*')
      pieces.push_back({next == L'.' ? Token::DosStar : Token::Star, c});
    else if (c == L'.' && (next == L'?' || next == L'*' || next == L'\0'))
      pieces.push_back({Token::DosDot, c});
    else
      pieces.push_back({Token::Literal, c});
  }
  return pieces;
}

}  // namespace

bool has_wildcards(std::wstring_view pattern) {
  return pattern.find_first_of(L"*?") != std::wstring_view::npos;
}

bool matches_pattern(std::wstring_view pattern, std::wstring_view name) {
  const std::vector<Piece> pieces = tokens_of(pattern);
  const std::size_t n = name.size();
  const std::size_t last_dot = name.rfind(L'.');
  // reach[k] is true when the pattern so far can end just before name[k].
  std::vector<char> reach(n + 1, 0), next(n + 1, 0);
  reach[0] = 1;
  for (const Piece& piece : pieces) {
    std::fill(next.begin(), next.end(), 0);
    for (std::size_t k = 0; k <= n; ++k) {
      if (!reach[k]) continue;
      switch (piece.token) {
        case Token::Literal:
          if (k < n && std::towupper(name[k]) == std::towupper(piece.c)) next[k + 1] = 1;
          break;
        case Token::Star:
          for (std::size_t m = k; m <= n; ++m)
            next[m] = 1;
          break;
        case Token::DosStar:
          // Any run that does not take the name's last dot.
          for (std::size_t m = k; m <= n; ++m) {
            next[m] = 1;
            if (m == last_dot) break;
          }
          break;
        case Token::DosQuestion:
          if (k == n || name[k] == L'.')
            next[k] = 1;
          else
            next[k + 1] = 1;
          break;
        case Token::DosDot:
          if (k < n && name[k] == L'.') next[k + 1] = 1;
          if (k == n) next[k] = 1;
          break;
      }
    }
    reach.swap(next);
  }
  return reach[n] != 0;
}

}  // namespace desktop
