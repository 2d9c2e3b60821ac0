// What a masked field of the pages shows: "#" a digit position, "?" a
// letter position, any other mask character a literal. The characters a
// field is handed fill its edit positions from the left; positions left
// over show the placeholder, characters beyond the last position are
// dropped. The same rule as the window's masked field, for code without
// one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace controller {

// A masked control of a page and its mask.
struct FieldMask {
    int page;
    int control;
    const char* mask;
};

bool isEditPosition(char maskCharacter);
std::size_t editPositions(std::string_view mask);

// The display: the literals of the mask with the characters in between.
std::string maskDisplay(std::string_view mask, std::string_view characters, char placeholder);

}  // namespace controller
