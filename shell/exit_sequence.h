// How a controller window ends. The exit button, Escape and the window's
// close box all take this one path: while a modem link is up the operator
// is asked first; then the COM digit is kept in the configuration file,
// the port is closed, every timer stops and the window closes.
#pragma once

class QCloseEvent;

namespace shell {

class MainWindowBase;

class ExitSequence {
  public:
    explicit ExitSequence(MainWindowBase& window) : window_(window) {}

    void run();
    // Escape or the close box: the COM field, losing the focus to the
    // question or to the closing, opens no port.
    void requested();
    // A close request the sequence did not make itself is turned into one.
    void closeRequested(QCloseEvent* event);

  private:
    bool confirmedWhileConnected();
    void storePortDigit();

    MainWindowBase& window_;
    bool exiting_ = false;
};

}  // namespace shell
