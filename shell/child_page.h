// A page hosted in a main window. Enter and Escape never close a page:
// its default OK and Cancel actions do nothing.
#pragma once

#include <QDialog>

namespace shell {

class MainWindowBase;

class ChildPage : public QDialog {
    Q_OBJECT
  public:
    explicit ChildPage(MainWindowBase& owner);
    MainWindowBase& owner() const { return owner_; }

    void accept() override {}
    void reject() override {}

  private:
    MainWindowBase& owner_;
};

}  // namespace shell
