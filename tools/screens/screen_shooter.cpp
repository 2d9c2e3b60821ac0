#include "tools/screens/screen_shooter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>

#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "shell/message_service.h"
#include "shell/recording_chart.h"
#include "shell/recording_chart_dlg.h"
#include "widgets/compare_dlg.h"
#include "widgets/controller_window.h"
#include "widgets/status_page.h"
#include "widgets/status_recorder.h"
#include "widgets/write_review_dlg.h"

namespace screens {

bool ScreenShooter::startUnit(unitsim::Config config) {
    sim_ = std::make_unique<unitsim::Simulator>(config);
    const QString ports = folder_ + "/ports";
    qputenv("AQUENDOR_PORTS", ports.toLocal8Bit());
    if (!sim_->open() || !sim_->bindComName(ports.toStdString(), "COM2")) return false;
    sim_->start();
    return true;
}

bool ScreenShooter::openWindow(shell::MainWindowBase& window, const std::string& program) {
    if (!window.startUp(program + " " + language_)) return false;
    window.show();
    click(window, window.controls().nullModemRadio);
    shell::controlAs<QLineEdit>(&window, window.controls().serialNumber)->setText("123456");
    return true;
}

void ScreenShooter::click(const QWidget& window, int id) {
    shell::controlAs<QAbstractButton>(&window, id)->click();
}

bool ScreenShooter::save(QWidget& window, const QString& what) {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString name = QString("%1/%2-%3-%4.png").arg(folder_, program_, language_, what);
    std::printf("%s\n", qPrintable(name));
    return window.grab().save(name);
}

void ScreenShooter::setLamps(const LampBytes& at, const std::array<int, 4>& values) {
    const std::size_t offsets[] = {at.functions, at.inputs, at.outputs, at.blink};
    for (std::size_t i = 0; i < 4; ++i)
        sim_->overrideStatusByte(offsets[i], static_cast<std::uint8_t>(values[i]));
}

bool ScreenShooter::shootStatusAndPages(shell::MainWindowBase& window, widgets::StatusPage& status,
                                        const LampBytes& at, const std::array<int, 4>& blinking) {
    const int read = window.controls().read;
    setLamps(at, {0x00, 0x00, 0x00, 0x00});
    click(window, read);
    if (!save(window, "status-lamps-off")) return false;
    setLamps(at, {0xFF, 0xFF, 0xFF, 0x00});
    click(window, read);
    if (!save(window, "status-lamps-on")) return false;
    setLamps(at, blinking);
    click(window, read);
    status.blinkTick();
    if (!save(window, "status-blink-on")) return false;
    status.blinkTick();
    if (!save(window, "status-blink-off")) return false;
    for (int page = 1; page < window.pageHost().pageCount(); ++page) {
        click(window, window.controls().pageSelectors.at(static_cast<std::size_t>(page)));
        if (!save(window, QString("page%1").arg(page))) return false;
    }
    return true;
}

bool ScreenShooter::shootReviewBackupsAndTrend(widgets::ControllerWindow& window,
                                               shell::ScriptedMessageService& messages) {
    bool saved = true;
    const std::string factory = window.settings().store().factoryName();
    window.settings().store().ApplySet(factory);
    messages.dialogHandlers.push_back([&](QDialog& dialog) {
        saved = save(dialog, "review") && saved;
        qobject_cast<widgets::WriteReviewDlg*>(&dialog)->sendButton()->click();
    });
    click(window, window.controls().write);
    messages.dialogHandlers.push_back([&](QDialog& dialog) {
        auto* backups = qobject_cast<widgets::CompareDlg*>(&dialog);
        backups->backupList()->setCurrentRow(0);
        saved = save(dialog, "backups") && saved;
        backups->closeButton()->click();
    });
    window.chooseBackup();

    click(window, window.controls().read);
    click(window, window.controls().intervalCheck);
    widgets::StatusRecorder& recorder = window.statusRecorder();
    int reading = 0;
    recorder.clock = [&reading] {
        const int minutes = 8 * 60 + 15 * reading++;
        return files::WallTime{2026, 12, 7 + minutes / 1440, minutes / 60 % 24, minutes % 60, 0};
    };
    recorder.recordItem()->trigger();
    for (int i = 0; i < 100; ++i) {
        sim_->advanceMinutes(15);
        window.readAll();
    }
    click(window, window.controls().intervalCheck);
    recorder.showTrend();
    shell::RecordingChartDlg* chart = recorder.chart();
    if (!chart) return false;
    // The values chosen at first and four lamps: those that switched, then
    // those that were lit.
    std::vector<std::size_t> shown = chart->chosen();
    const std::size_t lamps = shown.size() + 4;
    const files::RecordingContent& content = chart->content();
    for (const bool switched : {true, false})
        for (std::size_t i = 0; i < content.columns.size() && shown.size() < lamps; ++i) {
            if (!shell::isStepColumn(content, i) ||
                std::find(shown.begin(), shown.end(), i) != shown.end())
                continue;
            bool changed = false, lit = false;
            for (const files::RecordingRow& row : content.rows) {
                changed = changed || row.values[i] != content.rows.front().values[i];
                lit = lit || row.values[i] == 1.0;
            }
            if (switched ? changed : lit) shown.push_back(i);
        }
    chart->choose(shown);
    return save(*chart, "trend") && saved;
}

int screensMain(int argc, char** argv,
                const std::function<bool(const QString& folder, const char* language)>& shoot) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Qt takes the C library's locale from the desktop; numbers on the wire
    // and in files must keep the point ("8.4"), not a German comma.
    std::setlocale(LC_NUMERIC, "C");
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screens").absolutePath();
    QDir().mkpath(folder);
    // The window keeps its configuration file in the folder it starts from.
    QDir::setCurrent(folder);
    for (const char* language : {"german", "english"})
        if (!shoot(folder, language)) return 1;
    return 0;
}

}  // namespace screens
