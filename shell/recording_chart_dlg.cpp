#include "shell/recording_chart_dlg.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "files/file_write.h"
#include "shell/recording_chart.h"
#include "shell/zoom_chart_view.h"

namespace shell {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString stamp(const files::WallTime& t) {
    return QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                             t.minute, t.second);
}

}  // namespace

RecordingChartDlg::RecordingChartDlg(MessageService& messages, bool english, QString caption,
                                     QWidget* parent)
    : QDialog(parent), messages_(messages), english_(english), caption_(std::move(caption)) {
    setObjectName("recordingChartDlg");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildControls();
    resize(1000, 580);
    redraw();
}

QString RecordingChartDlg::tr2(const char* german, const char* english) const {
    return QString::fromUtf8(english_ ? english : german);
}

QString RecordingChartDlg::fileFilter(bool english) {
    return english ? "Recordings (*.csv);;All files (*)"
                   : "Aufzeichnungen (*.csv);;Alle Dateien (*)";
}

void RecordingChartDlg::buildControls() {
    auto* trend = new QChart;
    trend->legend()->setAlignment(Qt::AlignBottom);
    view_ = new ZoomChartView(trend, this);

    columns_ = new QListWidget(this);
    columns_->setAccessibleName(tr2("Werte", "Values"));
    columns_->setMaximumWidth(260);
    connect(columns_, &QListWidget::itemChanged, this, [this] {
        if (!filling_) redraw();
    });

    auto button = [this](const QString& text, auto handler) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    open_ =
        button(tr2("Datei \u00F6ffnen \u2026", "Open file \u2026"), [this] { onOpenClicked(); });
    save_ =
        button(tr2("Als PNG speichern \u2026", "Save as PNG \u2026"), [this] { onSaveClicked(); });
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(open_);
    top->addWidget(button(tr2("Zur\u00FCcksetzen", "Reset"), [this] { chart()->zoomReset(); }));
    top->addWidget(save_);
    top->addWidget(button(tr2("Schlie\u00DFen", "Close"), [this] { close(); }));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(tr2("Angezeigte Werte:", "Values shown:"), this));
    side->addWidget(columns_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(side);
    middle->addWidget(view_, 1);

    summary_ = new QLabel(this);
    auto* hint = new QLabel(tr2("Mausrad: Zeitachse zoomen \u2013 Rechteck ziehen: Bereich "
                                "vergr\u00F6\u00DFern",
                                "Mouse wheel: zoom the time axis \u2013 drag a rectangle: "
                                "enlarge it"),
                            this);
    hint->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary_, 1);
    bottom->addWidget(hint);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

QChart* RecordingChartDlg::chart() const {
    return view_->chart();
}

void RecordingChartDlg::say(const QString& text, MessageIcon icon) {
    messages_.show(this, Message{text, caption_, icon});
}

bool RecordingChartDlg::openFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxFileBytes) {
        say(tr2("Die Datei ist zu gro\u00DF f\u00FCr eine Aufzeichnung:\n",
                "The file is too large for a recording:\n") +
                path,
            MessageIcon::Exclamation);
        return false;
    }
    const auto bytes = files::readFileUpTo(localPath(path), kMaxFileBytes);
    if (!bytes) {
        say(tr2("Die Datei kann nicht gelesen werden:\n", "The file cannot be read:\n") + path,
            MessageIcon::Exclamation);
        return false;
    }
    content_ = files::parseRecording(*bytes);
    file_ = path;
    folder_ = info.absolutePath();
    fillColumnList();
    redraw();
    if (content_.rows.empty()) {
        say(tr2("Die Datei enth\u00E4lt keine Ablesungen:\n", "The file holds no readings:\n") +
                path,
            MessageIcon::Exclamation);
        return false;
    }
    if (content_.skipped > 0)
        say(tr2("%1 Zeile(n) der Datei konnten nicht gelesen werden und wurden "
                "\u00FCbersprungen.",
                "%1 line(s) of the file could not be read and were skipped.")
                .arg(content_.skipped),
            MessageIcon::Information);
    return true;
}

// The first two columns that hold numbers other than 0 and 1 are chosen.
void RecordingChartDlg::fillColumnList() {
    filling_ = true;
    columns_->clear();
    int chosen = 0;
    for (std::size_t i = 0; i < content_.columns.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(content_.columns[i]), columns_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        bool numbers = false;
        for (const files::RecordingRow& row : content_.rows)
            if (std::isfinite(row.values[i])) numbers = true;
        const bool choose = chosen < 2 && numbers && !isStepColumn(content_, i);
        if (choose) ++chosen;
        item->setCheckState(choose ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

void RecordingChartDlg::choose(const std::vector<std::size_t>& columns) {
    filling_ = true;
    for (int i = 0; i < columns_->count(); ++i) {
        const bool on =
            std::find(columns.begin(), columns.end(), static_cast<std::size_t>(i)) != columns.end();
        columns_->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    redraw();
}

std::vector<std::size_t> RecordingChartDlg::chosen() const {
    std::vector<std::size_t> columns;
    for (int i = 0; i < columns_->count(); ++i)
        if (columns_->item(i)->checkState() == Qt::Checked)
            columns.push_back(static_cast<std::size_t>(i));
    return columns;
}

QString RecordingChartDlg::summary() const {
    const auto& rows = content_.rows;
    if (rows.empty()) return file_.isEmpty() ? QString() : tr2("Keine Ablesungen", "No readings");
    QString text = tr2("%1 Ablesungen vom %2 bis %3", "%1 readings from %2 to %3")
                       .arg(rows.size())
                       .arg(stamp(rows.front().time), stamp(rows.back().time));
    if (content_.skipped > 0)
        text +=
            tr2(", %1 Zeile(n) \u00FCbersprungen", ", %1 line(s) skipped").arg(content_.skipped);
    return text;
}

void RecordingChartDlg::redraw() {
    fillRecordingChart(*chart(), content_, chosen(), english_);
    summary_->setText(summary());
    const QString name = QFileInfo(file_).fileName();
    const QString title = caption_ + " \u2013 " + tr2("Verlauf", "Trend");
    setWindowTitle(name.isEmpty() ? title : title + ": " + name);
}

void RecordingChartDlg::onOpenClicked() {
    const QString path = messages_.openFileName(
        this, tr2("Aufzeichnung \u00F6ffnen", "Open a recording"), folder_, fileFilter(english_));
    if (!path.isEmpty()) openFile(path);
}

void RecordingChartDlg::onSaveClicked() {
    QString suggestion = file_;
    if (suggestion.endsWith(".csv", Qt::CaseInsensitive)) suggestion.chop(4);
    QString path = messages_.saveFileName(this, tr2("Als PNG speichern", "Save as PNG"),
                                          suggestion.isEmpty() ? QString() : suggestion + ".png",
                                          english_ ? "PNG images (*.png)" : "PNG-Bilder (*.png)");
    if (path.isEmpty()) return;
    if (!path.endsWith(".png", Qt::CaseInsensitive)) path += ".png";
    savePng(path);
}

bool RecordingChartDlg::savePng(const QString& path) {
    // The chart lays out a new legend and relabels its time axis on events
    // it has posted itself, and takes the drawings of the axes it no longer
    // has away later; the picture waits for both.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = view_->grab().save(&buffer, "PNG");
    if (encoded && files::replaceFile(
                       localPath(path),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return true;
    say(tr2("Das Bild kann nicht gespeichert werden:\n", "The picture cannot be saved:\n") + path,
        MessageIcon::Exclamation);
    return false;
}

}  // namespace shell
