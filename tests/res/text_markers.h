// What a translation must keep from its English text: printf conversions and the
// accelerator mark of a caption.
#pragma once

#include <string>
#include <string_view>

namespace strings_check {

// The conversion letters of a printf format in order ("%d", "%02d" and "%I64u" give 'd', 'd'
// and 'u'; "%%" gives '%'). A '%' that starts no conversion, as in "50%, ", is plain text.
std::string FormatConversions(std::string_view text);

// Accelerator marks: an '&' followed by a visible character; "&&" and "& " are plain text.
// -1 when the text ends in a lone '&', which marks nothing.
int AcceleratorCount(std::string_view text);

// The character the first accelerator mark names, folded so that 'O' and 'o' (and the
// Turkish 'İ' and 'i') compare equal; empty when the text has no mark.
std::string AcceleratorKey(std::string_view text);

}  // namespace strings_check
