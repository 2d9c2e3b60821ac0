// The connection panel of a controller window: the COM field, the serial
// number, the dial number and the location list with its phonebook
// buttons, the modem / null-modem and baud radios, and connect /
// disconnect. Each field is checked on every change; the port opens under
// the COM field's name at start and when the field is left.
#pragma once

#include <string>

class QLineEdit;

namespace shell {

class MainWindowBase;

class ConnectionPanel {
  public:
    explicit ConnectionPanel(MainWindowBase& window) : window_(window) {}

    void connectControls();
    // Offline, modem operation, 19200 bit/s.
    void showStartState();
    void openPortFromComField();
    // The COM field lost the focus: a changed digit opens its port.
    void comDigitLeft();
    // Fields that are only for reading pass the focus on to the button of
    // the next step: connect in modem operation, read in null-modem operation.
    void focusNextStep() const;

    std::string serialNumberText() const;
    std::string dialNumberText() const;

  private:
    QLineEdit* edit(int id) const;
    void onComDigitChanged();
    void onSerialNumberChanged();
    void onDialNumberChanged();
    void checkDigitsIn(QLineEdit* field, int maxLength);
    void onLocationEdited();
    void onLinkMode(bool modem);
    void onBaudClicked();
    void onLocationSelected(int index);
    void onSaveLocation();
    void onDeleteLocation();
    void complainAt(QLineEdit* field, int position, const std::string& text,
                    const QString& caption);

    MainWindowBase& window_;
    bool checking_ = false;  // a check writes its text back into the field
};

}  // namespace shell
