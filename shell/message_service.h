// Every message box and file dialog of the programs goes through one
// service: a Qt implementation for people and a scripted one for tests,
// which records each message and answers questions from a script.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "controller/operation_ui.h"

class QDialog;
class QWidget;

namespace shell {

// The operations' own kinds of message boxes.
using controller::MessageAnswer;
using controller::MessageButtons;
using controller::MessageIcon;

struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool keepOnTop = false;
};

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
    // An empty text when the operator cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // A dialog of the programs' own, run modally; its result (QDialog::Accepted
    // or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
};

class QtMessageService : public MessageService {
  public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    int runDialog(QDialog& dialog) override;
};

// Records every message; questions take the next scripted answer (No when
// the script is empty), file dialogs the next scripted name (empty: cancel).
class ScriptedMessageService : public MessageService {
  public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;

    // A dialog is shown without a modal loop of its own and handed to the
    // next scripted handler, which clicks in it what a person would; without
    // a handler its default button is clicked (none: it is rejected).
    int runDialog(QDialog& dialog) override;

    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;
    std::deque<QString> fileNames;
    std::deque<std::function<void(QDialog&)>> dialogHandlers;
    std::vector<QString> dialogs;  // the window titles of the dialogs run

    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }
};

}  // namespace shell
