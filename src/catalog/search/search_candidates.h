// The type-ahead of the search dialog: up to seven objects whose names begin with the typed
// text, each with its label, the picture that shows it and the code the dialog keeps for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "src/catalog/search/search_name_lists.h"

inline constexpr std::size_t CandidateSlots = 7;
inline constexpr int EmptySlotCode = -1;
inline constexpr int StarCode = 99999;
inline constexpr int BodyCode = 99998;

// What a slot's code indexes: Messier keys, name rows (or a star or body), NGC keys.
enum CandidateMode : int { NoCandidateMode = 0, MessierMode = 1, NamesMode = 2, NgcMode = 3 };

enum class CandidatePicture { None, File, Star, Body };

struct Candidate {
  int code = EmptySlotCode;
  int hip = 0;  // a star's Hipparcos number
  // The catalogue key that a Messier or NGC slot selects.
  std::wstring key;
  std::wstring label;
  CandidatePicture picture = CandidatePicture::None;
  std::wstring pictureFile;  // below Orvenna's install folder
  // A constellation's label when its picture cannot be shown.
  std::wstring labelWithoutPicture;
};

struct CandidateSearch {
  int mode = NoCandidateMode;         // NoCandidateMode when nothing was typed
  std::vector<Candidate> candidates;  // slot 0 first, at most CandidateSlots
};

// The objects whose names begin with typed (without its cursor), matched in the interface
// language given (0 English ... 5 Chinese) or in Latin as the lists' settings say.
CandidateSearch SearchCandidates(const SearchNameLists& lists, std::wstring_view typed, unsigned language);

// "m31" as a label: every letter in upper case.
std::wstring UpperCaseKey(std::wstring_view key);
