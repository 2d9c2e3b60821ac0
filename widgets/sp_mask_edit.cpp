#include "widgets/sp_mask_edit.h"

#include <QKeyEvent>

SPMaskEdit::SPMaskEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_) onTextEdited(text);
    });
}

bool SPMaskEdit::isEditPosition(int position) const {
    if (position < 0 || position >= mask_.size()) return false;
    return mask_[position] == QChar('#') || mask_[position] == QChar('?');
}

QChar SPMaskEdit::emptyAt(int position) const {
    return isEditPosition(position) ? placeholder_ : mask_[position];
}

int SPMaskEdit::nextEditPosition(int from) const {
    int position = std::max(from, 0);
    while (position < mask_.size() && !isEditPosition(position)) ++position;
    return position;
}

void SPMaskEdit::setMask(const QString& mask, QChar placeholder) {
    mask_ = mask;
    placeholder_ = placeholder;
    display_.clear();
    for (int i = 0; i < mask_.size(); ++i) display_ += emptyAt(i);
    showDisplay(0);
}

void SPMaskEdit::setMaskedText(const QString& characters) {
    int next = 0;
    for (int i = 0; i < mask_.size(); ++i) {
        if (!isEditPosition(i)) {
            display_[i] = mask_[i];
        } else {
            display_[i] = next < characters.size() ? characters[next] : placeholder_;
            ++next;
        }
    }
    showDisplay(0);
}

QString SPMaskEdit::maskedText() const {
    QString characters;
    for (int i = 0; i < mask_.size(); ++i)
        if (isEditPosition(i)) characters += display_[i];
    return characters;
}

void SPMaskEdit::showDisplay(int caret) {
    showing_ = true;
    setText(display_);
    setCursorPosition(std::clamp(caret, 0, static_cast<int>(display_.size())));
    showing_ = false;
}

void SPMaskEdit::keyPressEvent(QKeyEvent* event) {
    lastKeyDelete_ = event->key() == Qt::Key_Delete;
    lastKeyBackspace_ = event->key() == Qt::Key_Backspace;
    QLineEdit::keyPressEvent(event);
}

void SPMaskEdit::onTextEdited(const QString& text) {
    const int p = cursorPosition();
    if (text == display_) return;
    if (lastKeyBackspace_) {
        if (p < display_.size()) display_[p] = emptyAt(p);
        if (!isEditPosition(p) && p - 1 >= 0) display_[p - 1] = emptyAt(p - 1);
        showDisplay(p);
        return;
    }
    if (lastKeyDelete_) {
        if (p < display_.size()) display_[p] = emptyAt(p);
        showDisplay(nextEditPosition(p + 1));
        return;
    }
    if (p == 0) {
        showDisplay(0);
        return;
    }
    const int at = p - 1;
    const QChar typed = at < text.size() ? text[at] : QChar();
    const bool refused =
        at >= mask_.size() ||
        (mask_[at] == QChar('#') && !(typed >= QChar('0') && typed <= QChar('9'))) ||
        (mask_[at] == QChar('?') && !typed.isLetter());
    if (refused) {
        showDisplay(at);
        return;
    }
    if (isEditPosition(at)) display_[at] = typed;
    showDisplay(nextEditPosition(p));
}
