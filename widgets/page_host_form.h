// A main window's hosted pages as the record codec sees them: page number
// n is the host's page n (0 the status page, then the parameter pages).
// The unit's texts are Windows-1252; the widgets work in Unicode.
#pragma once

#include <QWidget>

#include "controller/parameter_form.h"
#include "shell/page_host.h"

namespace widgets {

class PageHostForm : public controller::ParameterForm {
  public:
    explicit PageHostForm(const shell::PageHost& host) : host_(host) {}

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
    // Nothing by default; a program whose pages name units or know the
    // alarm-SMS form says so.
    void showHardnessUnit(int) override {}
    void showSmsCapability(bool) override {}

  protected:
    QWidget* page(int number) const;
    QWidget* widget(int page, int control) const;

  private:
    const shell::PageHost& host_;
};

}  // namespace widgets
