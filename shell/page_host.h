// Hosts the pages of a main window: lays them over the placeholder, 2 px
// inside its border, and shows one at a time.
#pragma once

#include <QWidget>
#include <vector>

namespace shell {

class PageHost {
  public:
    // The pages become child widgets of the placeholder's window.
    void setPages(QWidget* placeholder, std::vector<QWidget*> pages);

    void placePages();
    // Re-places the pages when the window moves; the first move, which
    // arrives while the window is being created, only arms this.
    void windowMoved();
    void showPage(int index);
    void destroyPages();

    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    int currentPage() const { return current_; }
    // The rectangle the pages cover, in the coordinates of the window.
    QRect pageRect() const;

  private:
    QWidget* placeholder_ = nullptr;
    std::vector<QWidget*> pages_;
    int current_ = 0;
    bool placedOnce_ = false;
};

}  // namespace shell
