#include "widgets/write_review.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "shell/main_window_base.h"
#include "widgets/write_review_dlg.h"

namespace widgets {

WriteReview::WriteReview(shell::MainWindowBase& window)
    : window_(window), choices_(window.texts().name) {}

void WriteReview::addMenuItem(QMenu& menu) {
    item_ = menu.addAction(window_.english() ? "show changes before writing"
                                             : QString::fromUtf8("\u00C4nderungen vor dem "
                                                                 "Schreiben anzeigen"));
    item_->setObjectName("reviewBeforeWriteItem");
    item_->setCheckable(true);
    item_->setChecked(choices_.reviewBeforeWrite());
    QObject::connect(item_, &QAction::toggled, &window_, [this](bool on) { setOn(on); });
}

void WriteReview::setOn(bool on) {
    choices_.setReviewBeforeWrite(on);
    if (item_ && item_->isChecked() != on) item_->setChecked(on);
}

bool WriteReview::approved(const std::vector<controller::ValueChange>& changes,
                           const QStringList& pageNames) {
    if (!choices_.reviewBeforeWrite()) return true;
    WriteReviewDlg review(changes, pageNames, window_.english(), &window_);
    const bool send = window_.messages().runDialog(review) == QDialog::Accepted;
    if (review.dontShowBox()->isChecked()) setOn(false);
    return send;
}

}  // namespace widgets
