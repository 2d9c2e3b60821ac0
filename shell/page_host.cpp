#include "shell/page_host.h"

#include "shell/controls.h"

namespace shell {

void PageHost::setPages(QWidget* placeholder, std::vector<QWidget*> pages) {
    placeholder_ = placeholder;
    pages_ = std::move(pages);
    for (QWidget* page : pages_) {
        page->setParent(placeholder_->parentWidget(), Qt::Widget);
        markAsPage(page);
        page->setAutoFillBackground(true);
        page->hide();
    }
}

QRect PageHost::pageRect() const {
    return placeholder_ ? placeholder_->geometry().adjusted(2, 2, -2, -2) : QRect();
}

void PageHost::placePages() {
    const QRect rect = pageRect();
    for (QWidget* page : pages_) {
        page->setGeometry(rect);
        page->raise();
        page->update();
    }
}

void PageHost::windowMoved() {
    if (placedOnce_) placePages();
    placedOnce_ = true;
}

void PageHost::showPage(int index) {
    if (index < 0 || index >= pageCount()) return;
    current_ = index;
    for (int i = 0; i < pageCount(); ++i)
        if (i != index) pages_[static_cast<std::size_t>(i)]->hide();
    page(index)->show();
}

void PageHost::destroyPages() {
    for (QWidget* page : pages_) page->hide();
}

}  // namespace shell
