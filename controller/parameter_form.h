// Where the parameter record is shown and edited: the parameter pages, seen
// by page number (1 to 4) and control number. The record codec talks to
// this interface only, so it can be tested without windows. Texts are the
// unit's bytes (Windows-1252); the window side converts them.
#pragma once

#include <string>
#include <vector>

namespace controller {

class ParameterForm {
  public:
    virtual ~ParameterForm() = default;

    // Masked fields: set text hands characters to the edit positions; the
    // window text is the display with its literals; the characters are the
    // edit positions only.
    virtual void setMaskText(int page, int control, const std::string& characters) = 0;
    virtual std::string maskWindowText(int page, int control) const = 0;
    virtual std::string maskCharacters(int page, int control) const = 0;

    // Radio groups by their buttons in index order; -1 selects none / none selected.
    virtual void setRadioIndex(int page, const std::vector<int>& buttons, int index) = 0;
    virtual int radioIndex(int page, const std::vector<int>& buttons) const = 0;

    virtual void setChecked(int page, int control, bool checked) = 0;
    virtual bool isChecked(int page, int control) const = 0;

    // Plain edit fields, labels and the edit text of a combo box.
    virtual void setText(int page, int control, const std::string& text) = 0;
    virtual std::string text(int page, int control) const = 0;

    virtual void setEnabled(int page, int control, bool enabled) = 0;

    // Hardness unit 0, 1 or 2: the capacity and hardness unit labels.
    virtual void showHardnessUnit(int unit) = 0;
    // Long or short record form: page 4's info field (and, for the short
    // form, its emptied SMS fields).
    virtual void showSmsCapability(bool longForm) = 0;
};

}  // namespace controller
