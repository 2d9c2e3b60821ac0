#include "widgets/page_host_form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "files/cp1252.h"
#include "shell/controls.h"
#include "widgets/sp_mask_edit.h"

namespace widgets {

namespace {

// The unit's texts are Windows-1252, like the suite's files ("€" is 0x80).
QString fromUnit(const std::string& bytes) {
    return QString::fromStdString(files::cp1252ToUtf8(bytes));
}
std::string toUnit(const QString& text) {
    return files::utf8ToCp1252(text.toStdString());
}

}  // namespace

QWidget* PageHostForm::page(int number) const {
    return number >= 0 && number < host_.pageCount() ? host_.page(number) : nullptr;
}

QWidget* PageHostForm::widget(int pageNumber, int control) const {
    return shell::control(page(pageNumber), control);
}

void PageHostForm::setMaskText(int pageNumber, int control, const std::string& characters) {
    if (auto* edit = qobject_cast<SPMaskEdit*>(widget(pageNumber, control)))
        edit->setMaskedText(fromUnit(characters));
}

std::string PageHostForm::maskWindowText(int pageNumber, int control) const {
    auto* edit = qobject_cast<SPMaskEdit*>(widget(pageNumber, control));
    return edit ? toUnit(edit->displayText()) : std::string();
}

std::string PageHostForm::maskCharacters(int pageNumber, int control) const {
    auto* edit = qobject_cast<SPMaskEdit*>(widget(pageNumber, control));
    return edit ? toUnit(edit->maskedText()) : std::string();
}

void PageHostForm::setRadioIndex(int pageNumber, const std::vector<int>& buttons, int index) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = qobject_cast<QAbstractButton*>(widget(pageNumber, buttons[i]));
        if (!button) continue;
        // Clearing every button needs the group's exclusiveness lifted for a moment.
        QButtonGroup* group = button->group();
        const bool exclusive = group && group->exclusive();
        if (group) group->setExclusive(false);
        button->setChecked(static_cast<int>(i) == index);
        if (group) group->setExclusive(exclusive);
    }
}

int PageHostForm::radioIndex(int pageNumber, const std::vector<int>& buttons) const {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = qobject_cast<QAbstractButton*>(widget(pageNumber, buttons[i]));
        if (button && button->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void PageHostForm::setChecked(int pageNumber, int control, bool checked) {
    if (auto* box = qobject_cast<QAbstractButton*>(widget(pageNumber, control)))
        box->setChecked(checked);
}

bool PageHostForm::isChecked(int pageNumber, int control) const {
    auto* box = qobject_cast<QAbstractButton*>(widget(pageNumber, control));
    return box && box->isChecked();
}

void PageHostForm::setText(int pageNumber, int control, const std::string& text) {
    QWidget* target = widget(pageNumber, control);
    if (auto* combo = qobject_cast<QComboBox*>(target))
        combo->setEditText(fromUnit(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setText(fromUnit(text));
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(fromUnit(text));
}

std::string PageHostForm::text(int pageNumber, int control) const {
    QWidget* target = widget(pageNumber, control);
    if (auto* combo = qobject_cast<QComboBox*>(target)) return toUnit(combo->currentText());
    if (auto* edit = qobject_cast<QLineEdit*>(target)) return toUnit(edit->text());
    if (auto* label = qobject_cast<QLabel*>(target)) return toUnit(label->text());
    return {};
}

void PageHostForm::setEnabled(int pageNumber, int control, bool enabled) {
    if (QWidget* target = widget(pageNumber, control)) target->setEnabled(enabled);
}

}  // namespace widgets
