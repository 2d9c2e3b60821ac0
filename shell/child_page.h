// A page hosted in a main window. Enter and Escape never close a page:
// its default OK and Cancel actions do nothing.
#pragma once

#include <QDialog>
#include <QEvent>
#include <functional>
#include <map>

namespace shell {

class MainWindowBase;

class ChildPage : public QDialog {
    Q_OBJECT
  public:
    explicit ChildPage(MainWindowBase& owner);
    MainWindowBase& owner() const { return owner_; }
    // The fields' masks, limits and first contents, once the window's
    // language has given the labels.
    virtual void setUpFields() {}

    void accept() override {}
    void reject() override {}

  protected:
    // Runs action when field gains (FocusIn) or loses (FocusOut) the focus.
    // Actions never run inside each other nor while the window goes away.
    void onFocus(QWidget* field, QEvent::Type type, std::function<void()> action);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindowBase& owner_;
    std::map<std::pair<QObject*, QEvent::Type>, std::function<void()>> focusActions_;
    bool acting_ = false;
};

}  // namespace shell
