#include "shell/labels.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "shell/controls.h"

namespace shell {

LanguageFlag determineLanguage(const std::string& commandLine) {
    if (commandLine.find("german") != std::string::npos) return German;
    if (commandLine.find("english") != std::string::npos) return English;
    return German;
}

std::string commandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (i > 0) line += ' ';
        line += argv[i];
    }
    return line;
}

namespace {

void setCaption(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
}

}  // namespace

QString captionOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    return {};
}

void applyLabels(const QWidget* window, const std::vector<LabelEntry>& table,
                 LanguageFlag language) {
    for (const LabelEntry& entry : table) {
        if (QWidget* widget = control(window, entry.id))
            setCaption(widget,
                       QString::fromUtf8(language == English ? entry.english : entry.german));
    }
}

}  // namespace shell
