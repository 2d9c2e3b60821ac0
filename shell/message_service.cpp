#include "shell/message_service.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageService::show(QWidget* parent, const Message& message) {
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    parent);
    if (message.buttons != MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const bool safeNo = message.buttons == MessageButtons::YesNoDefaultNo;
        box.setDefaultButton(safeNo ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (message.keepOnTop) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int answer = box.exec();
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtMessageService::openFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtMessageService::saveFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

int QtMessageService::runDialog(QDialog& dialog) {
    return dialog.exec();
}

MessageAnswer ScriptedMessageService::show(QWidget*, const Message& message) {
    shown.push_back(message);
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedMessageService::openFileName(QWidget*, const QString&, const QString&,
                                             const QString&) {
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedMessageService::saveFileName(QWidget* parent, const QString& caption,
                                             const QString& folder, const QString& filter) {
    return openFileName(parent, caption, folder, filter);
}

int ScriptedMessageService::runDialog(QDialog& dialog) {
    dialogs.push_back(dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!dialogHandlers.empty()) {
        const auto handler = std::move(dialogHandlers.front());
        dialogHandlers.pop_front();
        handler(dialog);
    } else {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isDefault() && button->isEnabled() && dialog.isVisible()) button->click();
    }
    const int result = dialog.result();
    dialog.hide();
    return result;
}

}  // namespace shell
