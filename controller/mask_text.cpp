#include "controller/mask_text.h"

#include <algorithm>

namespace controller {

bool isEditPosition(char maskCharacter) {
    return maskCharacter == '#' || maskCharacter == '?';
}

std::size_t editPositions(std::string_view mask) {
    return static_cast<std::size_t>(std::count_if(mask.begin(), mask.end(), isEditPosition));
}

std::string maskDisplay(std::string_view mask, std::string_view characters, char placeholder) {
    std::string display;
    std::size_t next = 0;
    for (const char m : mask) {
        if (!isEditPosition(m)) {
            display += m;
            continue;
        }
        display += next < characters.size() ? characters[next] : placeholder;
        ++next;
    }
    return display;
}

}  // namespace controller
