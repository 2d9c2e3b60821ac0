#include "controller/memory_form.h"

namespace controller {

namespace {

template <typename Map>
typename Map::mapped_type valueAt(const Map& map, typename Map::key_type key,
                                  typename Map::mapped_type otherwise) {
    const auto found = map.find(key);
    return found == map.end() ? otherwise : found->second;
}

}  // namespace

MemoryForm::MemoryForm(const std::vector<SettingValue>& values, char placeholder,
                       const std::vector<FieldMask>& masks)
    : placeholder_(placeholder) {
    for (const SettingValue& value : values)
        if (value.kind == ValueKind::Digits) widths_[{value.page, value.control}] = value.width;
    for (const FieldMask& mask : masks) {
        maskOf_[{mask.page, mask.control}] = mask.mask;
        widths_[{mask.page, mask.control}] = editPositions(mask.mask);
    }
}

void MemoryForm::setMaskText(int page, int control, const std::string& characters) {
    std::string shown = characters;
    const auto width = widths_.find({page, control});
    if (width != widths_.end()) shown.resize(width->second, placeholder_);
    masks_[{page, control}] = shown;
}

std::string MemoryForm::maskWindowText(int page, int control) const {
    const std::string characters = valueAt(masks_, {page, control}, std::string());
    const auto mask = maskOf_.find({page, control});
    return mask == maskOf_.end() ? characters : maskDisplay(mask->second, characters, placeholder_);
}

std::string MemoryForm::maskCharacters(int page, int control) const {
    return valueAt(masks_, {page, control}, std::string());
}

void MemoryForm::setRadioIndex(int page, const std::vector<int>& buttons, int index) {
    if (!buttons.empty()) radios_[{page, buttons.front()}] = index;
}

int MemoryForm::radioIndex(int page, const std::vector<int>& buttons) const {
    return buttons.empty() ? -1 : valueAt(radios_, {page, buttons.front()}, 0);
}

void MemoryForm::setChecked(int page, int control, bool checked) {
    checks_[{page, control}] = checked;
}

bool MemoryForm::isChecked(int page, int control) const {
    return valueAt(checks_, {page, control}, false);
}

void MemoryForm::setText(int page, int control, const std::string& text) {
    texts_[{page, control}] = text;
}

std::string MemoryForm::text(int page, int control) const {
    return valueAt(texts_, {page, control}, std::string());
}

}  // namespace controller
