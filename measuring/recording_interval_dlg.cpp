#include "measuring/recording_interval_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace measuring {

RecordingIntervalDlg::RecordingIntervalDlg(int seconds, QWidget* parent) : QDialog(parent) {
    setObjectName("recordingIntervalDlg");
    setWindowTitle("Messwert aufzeichnen");
    seconds_ = new QSpinBox(this);
    seconds_->setRange(1, 3600);
    seconds_->setSuffix(" s");
    seconds_->setValue(seconds);
    auto* explanation = new QLabel(
        QString::fromUtf8("Der Messwert wird in diesem Abstand gelesen und mit Datum und Uhrzeit "
                          "in eine Datei geschrieben, bis die Aufzeichnung im Men\u00FC beendet "
                          "wird."),
        this);
    explanation->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow("Abstand der Messungen:", seconds_);
    start_ = new QPushButton("Aufzeichnen", this);
    start_->setDefault(true);
    cancel_ = new QPushButton("Abbrechen", this);
    connect(start_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

int RecordingIntervalDlg::seconds() const {
    return seconds_->value();
}

}  // namespace measuring
