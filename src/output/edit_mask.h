#pragma once
// The edit masks of the program's one-line text prompt ("99/99/99;1;_": mask, keep literals,
// blank character) in the notation of the window toolkit's input fields, where "9" is a
// required and "0" an optional digit the other way round, and letters have other codes.
#include <string>
#include <string_view>

namespace tev {

struct InputFieldMask {
    std::string pattern; // empty: no mask
    int maxLength = 0;   // 0: no limit beyond the caller's
};

// mask: the caller's mask (empty for none); width: -17 a date range, below 1 no limit, else
// at most that many characters of any kind.
InputFieldMask InputMaskFor(std::string_view mask, int width);

// One mask in toolkit notation.
std::string TranslateEditMask(std::string_view mask);

} // namespace tev
