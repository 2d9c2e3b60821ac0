// The inputs of an alarm-SMS page that both controller programs share: the
// list of SMS dial-in numbers kept in the configuration file with its save
// and delete buttons, and the checks of the dial-in number, the outside-line
// prefix and the additional text while the operator types.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "controller/operation_ui.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace widgets {

struct AlarmSmsControls {
    QComboBox* dialNumber;  // editable; its list holds the stored numbers
    QAbstractButton* save;
    QAbstractButton* remove;
    QLineEdit* prefix;
    QLineEdit* extraText;
};

// Where the list of dial-in numbers is kept: save and delete by number.
struct SmsNumberList {
    std::function<void(const std::string& number)> save;
    std::function<void(const std::string& number)> remove;
};

class AlarmSmsInputs : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDialNumberDigits = 20;
    static constexpr int kPrefixDigits = 4;
    static constexpr int kExtraTextCharacters = 30;

    AlarmSmsInputs(controller::OperationUi& ui, SmsNumberList numbers, AlarmSmsControls controls,
                   QObject* parent);

  private:
    void checkDigitsField(QLineEdit* field, int maxDigits);
    void checkExtraText();
    void saveNumber();
    void deleteNumber();
    QString typedNumber() const;

    controller::OperationUi& ui_;
    SmsNumberList numbers_;
    AlarmSmsControls controls_;
    bool checking_ = false;
};

}  // namespace widgets
