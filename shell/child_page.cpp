#include "shell/child_page.h"

#include "shell/main_window_base.h"

namespace shell {

ChildPage::ChildPage(MainWindowBase& owner) : QDialog(&owner, Qt::Widget), owner_(owner) {}

}  // namespace shell
