// The accented letters of the interface languages' names folded to the plain letters the
// on-screen keyboard has, so that GUNEY finds "Güney" and LIEB "Liebre".
#pragma once

#include <string>

// Only the letters of Italian, French, Spanish and Turkish names; others stay as they are.
std::wstring FoldAccents(std::wstring text);
