#include "widgets/settings_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

#include "controller/message_text.h"
#include "shell/controls.h"
#include "shell/list_combo.h"

namespace widgets {

namespace {

const char* const kFilter = "Setting Files (*.stg)";

controller::MessageIcon messageIcon(controller::SettingsIcon icon) {
    switch (icon) {
        case controller::SettingsIcon::Information:
            return controller::MessageIcon::Information;
        case controller::SettingsIcon::Exclamation:
            return controller::MessageIcon::Exclamation;
        case controller::SettingsIcon::None:
            break;
    }
    return controller::MessageIcon::None;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

// ---- the window side of the store -------------------------------------------------

SettingsWindowUi::SettingsWindowUi(controller::OperationUi& ui, QComboBox* names)
    : ui_(ui), names_(names), folder_(QString::fromLocal8Bit(ui.startDirectory())) {}

void SettingsWindowUi::addName(const std::string& utf8) {
    shell::insertSorted(names_, text(utf8), ui_.english() ? shell::English : shell::German);
}

void SettingsWindowUi::removeName(const std::string& utf8) {
    const QString shown = names_->currentText();
    const int index = names_->findText(text(utf8), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) names_->removeItem(index);
    names_->setEditText(shown);
}

void SettingsWindowUi::inform(const std::string& message, controller::SettingsIcon icon) {
    ui_.say({message, devlink::MessageCaption::ProgramCaption, messageIcon(icon)});
}

bool SettingsWindowUi::confirmDelete(const std::string& message) {
    return ui_.say({message, devlink::MessageCaption::ProgramCaption, controller::MessageIcon::Stop,
                    controller::MessageButtons::YesNo, true}) == controller::MessageAnswer::Yes;
}

void SettingsWindowUi::fatal(const std::string& message, controller::SettingsIcon icon) {
    ui_.say({message, devlink::MessageCaption::ProgramName, messageIcon(icon)});
    ui_.endProgramNow();
}

// The file gets the extension "stg" when the operator gave none; a file of
// that name is replaced only when the operator agrees.
std::string SettingsWindowUi::exportFileName() {
    QString name =
        text(ui_.saveFileName(controller::tr2(ui_, "Einstellung exportieren", "export setting"),
                              (folder_ + "/SettingFile.stg").toStdString(), kFilter));
    if (name.isEmpty()) return {};
    if (QFileInfo(name).suffix().isEmpty()) {
        name += ".stg";
        const std::string question =
            controller::tr2(ui_, "%1 existiert bereits.\nSoll die Datei ersetzt werden ?",
                            "%1 already exists.\nDo you want to replace it ?");
        if (QFileInfo::exists(name) &&
            ui_.say({controller::withArgs(question, {name.toStdString()}),
                     devlink::MessageCaption::ProgramCaption, controller::MessageIcon::Question,
                     controller::MessageButtons::YesNo}) != controller::MessageAnswer::Yes)
            return {};
    }
    folder_ = QFileInfo(name).absolutePath();
    return name.toStdString();
}

std::string SettingsWindowUi::importFileName() {
    const QString name =
        text(ui_.openFileName(controller::tr2(ui_, "Einstellung importieren", "import setting"),
                              folder_.toStdString(), kFilter));
    if (name.isEmpty()) return {};
    folder_ = QFileInfo(name).absolutePath();
    return name.toStdString();
}

void SettingsWindowUi::showLinkState() {
    ui_.showLinkState();
}

// ---- the settings group -----------------------------------------------------------

SettingsControls::SettingsControls(QWidget& window, controller::OperationUi& ui,
                                   SettingsControlIds ids, controller::SettingsProfile profile,
                                   std::unique_ptr<controller::ParameterForm> form)
    : window_(window),
      names_(shell::controlAs<QComboBox>(&window, ids.names)),
      form_(std::move(form)) {
    ui_ = std::make_unique<SettingsWindowUi>(ui, names_);
    store_ = std::make_unique<controller::SettingsStore>(std::move(profile), ui.startDirectory(),
                                                         *form_, *ui_);
    store_->setEnglish(ui.english());
    setUpNamesBox();
    auto clicked = [this](int id, auto handler) {
        if (auto* button = shell::controlAs<QAbstractButton>(&window_, id))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    clicked(ids.save, [this] { store_->SaveSet(names_->currentText().toStdString()); });
    clicked(ids.remove, [this] { store_->DeleteSet(names_->currentText().toStdString()); });
    clicked(ids.exportButton, [this] { store_->Export(); });
    clicked(ids.importButton, [this] { store_->Import(); });
}

SettingsControls::~SettingsControls() = default;

void SettingsControls::setUpNamesBox() {
    names_->setEditable(true);
    shell::prepareListCombo(names_);
    names_->installEventFilter(this);
    names_->lineEdit()->installEventFilter(this);
    connect(names_->lineEdit(), &QLineEdit::textEdited, this, &SettingsControls::onNameEdited);
    connect(names_, &QComboBox::activated, this,
            [this](int index) { store_->ApplySet(names_->itemText(index).toStdString()); });
}

void SettingsControls::loadNames() {
    store_->LoadNames();
    names_->setEditText(QString());
}

// A name never begins with a blank and never holds "|": the store's
// records and the list could not take it back.
void SettingsControls::onNameEdited(const QString& typed) {
    QString name = typed.startsWith(' ') ? QString() : typed;
    name.remove('|');
    if (name == typed) return;
    QLineEdit* field = names_->lineEdit();
    field->setText(name);
    field->setCursorPosition(static_cast<int>(name.size()));
}

// A set replaces what the pages hold, edits included: only a pick from the
// opened list applies one. Enter, the arrow keys and the mouse wheel, which
// would step through the names and apply each, do nothing in the box;
// Alt+Down and F4 still open the list.
bool SettingsControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == names_ && event->type() == QEvent::Wheel) return true;
    if (watched == names_->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::AltModifier) return false;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                return true;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace widgets
