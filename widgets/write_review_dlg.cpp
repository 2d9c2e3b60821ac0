#include "widgets/write_review_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/changes_table.h"

namespace widgets {

namespace {

QString pick(bool english, const char* german, const char* englishText) {
    return QString::fromUtf8(english ? englishText : german);
}

QString summaryText(std::size_t changes, bool english) {
    if (changes == 0)
        return pick(english,
                    "Die Seiten enthalten keine \u00C4nderung gegen\u00FCber den zuletzt aus dem "
                    "Ger\u00E4t gelesenen Parametern.\nTrotzdem senden?",
                    "The pages hold no change against the parameters last read from the "
                    "unit.\nSend anyway?");
    if (changes == 1)
        return pick(english, "Das Schreiben \u00E4ndert einen Parameter im Ger\u00E4t:",
                    "Writing changes one parameter in the unit:");
    return pick(english, "Das Schreiben \u00E4ndert %1 Parameter im Ger\u00E4t:",
                "Writing changes %1 parameters in the unit:")
        .arg(changes);
}

}  // namespace

WriteReviewDlg::WriteReviewDlg(const std::vector<controller::ValueChange>& changes,
                               QStringList pageNames, bool english, QWidget* parent)
    : QDialog(parent) {
    setObjectName("writeReviewDlg");
    setWindowTitle(pick(english, "Parameter schreiben", "Write parameters"));
    summary_ = new QLabel(summaryText(changes.size(), english), this);
    summary_->setObjectName("reviewSummary");
    summary_->setWordWrap(true);
    table_ = new ChangesTable(
        {pick(english, "Seite", "Page"), pick(english, "Parameter", "Parameter"),
         pick(english, "Im Ger\u00E4t", "In the unit"), pick(english, "Neu", "New")},
        std::move(pageNames), english, this);
    table_->setObjectName("reviewChanges");
    table_->setAccessibleName(pick(english, "Ge\u00E4nderte Parameter", "Changed parameters"));
    table_->showChanges(changes);
    table_->setVisible(!changes.empty());
    dontShow_ = new QCheckBox(
        pick(english, "Vor dem Schreiben nicht mehr anzeigen", "don't show before writing"), this);
    dontShow_->setObjectName("dontShowBeforeWriting");
    dontShow_->setChecked(false);
    send_ = new QPushButton(pick(english, "Senden", "Send"), this);
    send_->setObjectName("sendButton");
    cancel_ = new QPushButton(pick(english, "Abbrechen", "Cancel"), this);
    cancel_->setObjectName("cancelButton");
    // The operator pressed "schreiben" to send: Enter sends, Escape sends nothing.
    send_->setDefault(true);
    connect(send_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(dontShow_);
    buttons->addStretch(1);
    buttons->addWidget(send_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(changes.empty() ? QSize(520, 140) : QSize(680, 380));
}

}  // namespace widgets
