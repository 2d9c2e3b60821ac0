// A ParameterForm kept in maps, for codec tests without windows.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "controller/parameter_form.h"

class FakeForm : public controller::ParameterForm {
  public:
    using Key = std::pair<int, int>;
    std::map<Key, std::string> masks, texts;
    std::map<Key, int> radios;  // by first button
    std::map<Key, bool> checks, enabled;
    int hardnessUnit = -1;
    int smsCapability = -1;

    void setMaskText(int page, int control, const std::string& characters) override {
        masks[{page, control}] = characters;
    }
    std::string maskWindowText(int page, int control) const override {
        return get(masks, {page, control});
    }
    std::string maskCharacters(int page, int control) const override {
        return get(masks, {page, control});
    }
    void setRadioIndex(int page, const std::vector<int>& buttons, int index) override {
        radios[{page, buttons.front()}] = index;
    }
    int radioIndex(int page, const std::vector<int>& buttons) const override {
        const auto found = radios.find({page, buttons.front()});
        return found == radios.end() ? -1 : found->second;
    }
    void setChecked(int page, int control, bool checked) override {
        checks[{page, control}] = checked;
    }
    bool isChecked(int page, int control) const override {
        const auto found = checks.find({page, control});
        return found != checks.end() && found->second;
    }
    void setText(int page, int control, const std::string& text) override {
        texts[{page, control}] = text;
    }
    std::string text(int page, int control) const override { return get(texts, {page, control}); }
    void setEnabled(int page, int control, bool on) override { enabled[{page, control}] = on; }
    void showHardnessUnit(int unit) override { hardnessUnit = unit; }
    void showSmsCapability(bool longForm) override { smsCapability = longForm; }

    // Readable shorthands for tests.
    std::string mask(int page, int control) const { return get(masks, {page, control}); }
    std::string textOf(int page, int control) const { return get(texts, {page, control}); }
    int radio(int page, int first) const { return radioIndex(page, {first}); }
    bool check(int page, int control) const { return isChecked(page, control); }
    bool isEnabled(int page, int control) const {
        const auto found = enabled.find({page, control});
        return found != enabled.end() && found->second;
    }

  private:
    static std::string get(const std::map<Key, std::string>& map, Key key) {
        const auto found = map.find(key);
        return found == map.end() ? std::string() : found->second;
    }
};
