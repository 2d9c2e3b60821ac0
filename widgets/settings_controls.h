// The "Einstellungen" / "settings" group of a controller program's main
// window: the combo box of set names with its save, delete, export and
// import buttons, wired to a SettingsStore. The names list is sorted the
// way people read it ("Ärztehaus" with the A), takes no typed text as an
// item, offers no completion, and Enter, the arrow keys and the mouse wheel
// do nothing in it: a set is applied only when the operator picks it from
// the opened list.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "controller/operation_ui.h"
#include "controller/settings_store.h"

class QComboBox;
class QWidget;

namespace widgets {

struct SettingsControlIds {
    int names, save, remove, exportButton, importButton;
};

// The store's effects on the window: the names list here, message boxes,
// file dialogs, the status field and the end of the program through
// whoever runs the operation.
class SettingsWindowUi : public controller::SettingsUi {
  public:
    SettingsWindowUi(controller::OperationUi& ui, QComboBox* names);

    void addName(const std::string& name) override;
    void removeName(const std::string& name) override;
    void inform(const std::string& text, controller::SettingsIcon icon) override;
    bool confirmDelete(const std::string& text) override;
    void fatal(const std::string& text, controller::SettingsIcon icon) override;
    std::string exportFileName() override;
    std::string importFileName() override;
    void showLinkState() override;

  private:
    controller::OperationUi& ui_;
    QComboBox* names_;
    QString folder_;  // where the file dialogs open: the last folder used
};

class SettingsControls : public QObject {
  public:
    // window: where the group's controls are, by number.
    SettingsControls(QWidget& window, controller::OperationUi& ui, SettingsControlIds ids,
                     controller::SettingsProfile profile,
                     std::unique_ptr<controller::ParameterForm> form);
    ~SettingsControls() override;

    // Fills the names list from the store, with the factory entry.
    void loadNames();
    controller::SettingsStore& store() { return *store_; }
    QComboBox* namesBox() const { return names_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setUpNamesBox();
    void onNameEdited(const QString& text);

    QWidget& window_;
    QComboBox* names_;
    std::unique_ptr<controller::ParameterForm> form_;
    std::unique_ptr<SettingsWindowUi> ui_;
    std::unique_ptr<controller::SettingsStore> store_;
};

}  // namespace widgets
