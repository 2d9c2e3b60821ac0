// The softener window's parameter pages as the record codec sees them.
#pragma once

#include <QWidget>
#include <array>

#include "softener/parameter_form.h"

class CAquendorKSV2Dlg;

namespace softener {

class PagesForm : public ParameterForm {
  public:
    explicit PagesForm(CAquendorKSV2Dlg& window) : window_(window) {}

    void setMaskText(int page, int control, const std::string& characters) override;
    std::string maskWindowText(int page, int control) const override;
    std::string maskCharacters(int page, int control) const override;
    void setRadioIndex(int page, const std::vector<int>& buttons, int index) override;
    int radioIndex(int page, const std::vector<int>& buttons) const override;
    void setChecked(int page, int control, bool checked) override;
    bool isChecked(int page, int control) const override;
    void setText(int page, int control, const std::string& text) override;
    std::string text(int page, int control) const override;
    void setEnabled(int page, int control, bool enabled) override;
    void showHardnessUnit(int unit) override;
    void showSmsCapability(bool longForm) override;

  private:
    QWidget* page(int number) const;
    QWidget* widget(int page, int control) const;

    CAquendorKSV2Dlg& window_;
};

}  // namespace softener
