// A fixed-width masked numeric field: "#" a digit position, "?" a letter
// position, any other mask character a literal that is shown and never
// edited. Typing overwrites one position at a time and steps over literals,
// so the text never grows or shrinks.
#pragma once

#include <QLineEdit>

class SPMaskEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit SPMaskEdit(QWidget* parent = nullptr);

    // Stores mask and placeholder and shows the empty display.
    void setMask(const QString& mask, QChar placeholder = QChar('_'));
    // Fills the edit positions from the left with the given characters,
    // unchecked; the rest show the placeholder, surplus characters are dropped.
    void setMaskedText(const QString& characters);
    // The characters at the edit positions, placeholders included.
    QString maskedText() const;
    // The display with its literals (what QLineEdit::text() also gives).
    QString displayText() const { return display_; }

    const QString& mask() const { return mask_; }
    QChar placeholder() const { return placeholder_; }

    bool isEditPosition(int position) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onTextEdited(const QString& text);
    void showDisplay(int caret);
    QChar emptyAt(int position) const;
    int nextEditPosition(int from) const;

    QString mask_;
    QChar placeholder_ = QChar('_');
    QString display_;
    bool lastKeyDelete_ = false;
    bool lastKeyBackspace_ = false;
    bool showing_ = false;
};
