#include "shell/interval_reading.h"

#include <QAbstractButton>
#include <QCheckBox>

#include "shell/controls.h"
#include "shell/main_window_base.h"

namespace shell {

IntervalReading::IntervalReading(MainWindowBase& window) : window_(window) {
    timer_.setParent(&window);
    timer_.setInterval(15000);
    QObject::connect(&timer_, &QTimer::timeout, &window,
                     [this] { window_.runOperation([this] { readOnce(); }); });
}

void IntervalReading::connectControls() {
    const MainWindowControls& controls = window_.controls();
    if (auto* box = controlAs<QAbstractButton>(&window_, controls.intervalCheck))
        QObject::connect(box, &QAbstractButton::clicked, &window_, [this](bool checked) {
            window_.runOperation([this, checked] { onClicked(checked); });
        });
    window_.connectOperation(controls.read, [this] { readOnce(); });
}

bool IntervalReading::ticked() const {
    auto* box = controlAs<QCheckBox>(&window_, window_.controls().intervalCheck);
    return box && box->isChecked();
}

void IntervalReading::onClicked(bool checked) {
    const WindowButtons& buttons = window_.buttons();
    const Session& session = window_.session();
    if (checked) {
        buttons.disableOperationButtons();
        buttons.enableLinkAndSpeedRadios(false, session.connected);
        timer_.start(15000);
        readOnce();
        return;
    }
    timer_.stop();
    readOnce();
    if (!session.connected && session.linkMode == LinkMode::Modem) return;
    buttons.enable(window_.controls().read, true);
    buttons.enableLinkAndSpeedRadios(true, session.connected);
}

void IntervalReading::readOnce() {
    if (!window_.readAll()) stop();
}

void IntervalReading::stop() {
    auto* box = controlAs<QCheckBox>(&window_, window_.controls().intervalCheck);
    if (!box || !box->isChecked()) return;
    timer_.stop();
    const WindowButtons& buttons = window_.buttons();
    buttons.enable(window_.controls().read, true);
    buttons.enable(window_.controls().intervalCheck, false);
    buttons.enableLinkAndSpeedRadios(true, window_.session().connected);
    box->setChecked(false);
}

}  // namespace shell
