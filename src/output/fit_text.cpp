#include "output/text_routines.h"

#include <cstdlib>

namespace tev {

std::string FitText(std::string_view text, int width) {
    const size_t size = static_cast<size_t>(std::abs(width));
    if (text.size() > size) {
        const size_t firstChar = text.find_first_not_of(' ');
        text.remove_prefix(firstChar == std::string_view::npos ? text.size() : firstChar);
        if (text.size() > size) text = text.substr(0, size);
    }
    const std::string blanks(size - text.size(), ' ');
    return width < 0 ? blanks + std::string(text) : std::string(text) + blanks;
}

} // namespace tev
