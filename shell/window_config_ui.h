// The configuration file's effects on a main window: the COM digit, the
// dial number, the sorted location list, the SMS-number list of the
// alarm-SMS page, and messages through the window's message service.
#pragma once

#include <QString>
#include <functional>

#include "shell/config_file.h"

class QComboBox;

namespace shell {

class MainWindowBase;

class WindowConfigUi : public ConfigFileUi {
  public:
    explicit WindowConfigUi(MainWindowBase& window) : window_(window) {}

    void setComDigit(char digit) override;
    void setDialNumber(const std::string& number) override;
    void addLocation(const std::string& name) override;
    void removeLocation(const std::string& name) override;
    void addSmsNumber(const std::string& number) override;
    void removeSmsNumber(const std::string& number) override;
    void inform(const std::string& text, ConfigCaption caption, ConfigIcon icon) override;
    bool confirmDelete(const std::string& text, ConfigCaption caption) override;
    bool ask(const std::string& text) override;
    void fatal(const std::string& text, ConfigIcon icon) override;

  private:
    QString caption(ConfigCaption caption) const;
    MainWindowBase& window_;
};

}  // namespace shell
