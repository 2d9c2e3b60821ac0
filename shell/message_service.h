// Every message box and file dialog of the programs goes through one
// service: a Qt implementation for people and a scripted one for tests,
// which records each message and answers questions from a script.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "controller/operation_ui.h"

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
};

class QtMessageService : public MessageService {
  public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
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

    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;
    std::deque<QString> fileNames;

    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }
};

}  // namespace shell
