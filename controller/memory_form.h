// Parameter pages held in memory: a unit's record decoded as the pages
// would show it, without touching the pages the operator is editing. The
// masked fields behave as on the pages: the characters fill the field's
// edit positions from the left, missing ones show the placeholder, surplus
// ones are dropped. The window text of a masked field shows its mask's
// literals where the form knows the mask (a float field is read back from
// it: "8,4" and not the characters "84"); without the mask it is the
// characters alone, which serves value lines but no encoding of floats.
// Radio groups start on their first button.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controller/mask_text.h"
#include "controller/parameter_form.h"
#include "controller/setting_values.h"

namespace controller {

class MemoryForm : public ParameterForm {
  public:
    // The value list gives the width of every masked field, a mask its
    // width and literals; empty positions show the program's placeholder.
    explicit MemoryForm(const std::vector<SettingValue>& values, char placeholder = '_',
                        const std::vector<FieldMask>& masks = {});

    void setMaskText(int page, int control, const std::string& characters) override;
    std::string maskWindowText(int page, int control) const override;
    std::string maskCharacters(int page, int control) const override;
    void setRadioIndex(int page, const std::vector<int>& buttons, int index) override;
    int radioIndex(int page, const std::vector<int>& buttons) const override;
    void setChecked(int page, int control, bool checked) override;
    bool isChecked(int page, int control) const override;
    void setText(int page, int control, const std::string& text) override;
    std::string text(int page, int control) const override;
    void setEnabled(int, int, bool) override {}
    void showHardnessUnit(int) override {}
    void showSmsCapability(bool) override {}

  private:
    using Key = std::pair<int, int>;
    char placeholder_;
    std::map<Key, std::size_t> widths_;
    std::map<Key, std::string> maskOf_;
    std::map<Key, std::string> masks_, texts_;
    std::map<Key, int> radios_;  // by first button
    std::map<Key, bool> checks_;
};

}  // namespace controller
