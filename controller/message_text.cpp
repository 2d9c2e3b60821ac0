#include "controller/message_text.h"

namespace controller {

std::string tr2(const devlink::LinkWindow& ui, const char* german, const char* english) {
    return ui.english() ? english : german;
}

std::string withArgs(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = place ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace controller
