#include "measuring/chart_dlg.h"

#include <QBuffer>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "files/file_write.h"
#include "measuring/trend_chart.h"
#include "shell/zoom_chart_view.h"

namespace measuring {

namespace {

// A full logger gives about 3.4 MB; anything far larger is no logger file.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

QString stamp(const CsvPoint& p) {
    return QString::asprintf("%02d.%02d.%02d %02d:%02d", p.day, p.month, p.year % 100, p.hour,
                             p.minute);
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

CChartDlg::CChartDlg(shell::MessageService& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setWindowTitle("Vantiqo \u2013 Verlauf");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildControls();
    resize(900, 560);
    redraw();
}

QString CChartDlg::fileFilter() {
    return "CSV-Dateien (*.csv);;Alle Dateien (*)";
}

void CChartDlg::buildControls() {
    auto* trend = new QChart;
    trend->legend()->setAlignment(Qt::AlignBottom);
    view_ = new shell::ZoomChartView(trend, this);

    quantity_ = new QComboBox(this);
    quantity_->setInsertPolicy(QComboBox::NoInsert);
    for (char variant : {'0', '1', '2', '3', '4', '5', '6'})
        quantity_->addItem(axisTitle(quantityOf(variant)), QChar(variant));
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });

    auto button = [this](const QString& text, auto handler) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8("Messgr\u00F6\u00DFe:"), this));
    top->addWidget(quantity_);
    top->addStretch(1);
    top->addWidget(
        button(QString::fromUtf8("Datei \u00F6ffnen \u2026"), [this] { onOpenClicked(); }));
    top->addWidget(
        button(QString::fromUtf8("Zur\u00FCcksetzen"), [this] { chart()->zoomReset(); }));
    top->addWidget(
        button(QString::fromUtf8("Als PNG speichern \u2026"), [this] { onSaveClicked(); }));
    top->addWidget(button(QString::fromUtf8("Schlie\u00DFen"), [this] { close(); }));

    summary_ = new QLabel(this);
    auto* hint = new QLabel(QString::fromUtf8("Mausrad: Zeitachse zoomen \u2013 Rechteck ziehen: "
                                              "Bereich vergr\u00F6\u00DFern"),
                            this);
    hint->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary_, 1);
    bottom->addWidget(hint);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
}

QChart* CChartDlg::chart() const {
    return view_->chart();
}

void CChartDlg::setVariant(char variant) {
    const int index = quantity_->findData(QChar(variant >= '1' && variant <= '6' ? variant : '0'));
    quantity_->setCurrentIndex(std::max(index, 0));
}

char CChartDlg::variant() const {
    return quantity_->currentData().toChar().toLatin1();
}

void CChartDlg::say(const QString& text, shell::MessageIcon icon) {
    messages_.show(this, shell::Message{text, "Vantiqo", icon});
}

bool CChartDlg::openFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxFileBytes) {
        say(QString::fromUtf8("Die Datei ist zu gro\u00DF f\u00FCr eine Messdatendatei:\n") + path,
            shell::MessageIcon::Exclamation);
        return false;
    }
    const auto bytes = files::readWholeFile(localPath(path));
    if (!bytes) {
        say("Die Datei kann nicht gelesen werden:\n" + path, shell::MessageIcon::Exclamation);
        return false;
    }
    content_ = parseCsv(*bytes);
    file_ = path;
    redraw();
    if (content_.points.empty()) {
        say(QString::fromUtf8("Die Datei enth\u00E4lt keine Messwerte:\n") + path,
            shell::MessageIcon::Exclamation);
        return false;
    }
    if (content_.skipped > 0)
        say(QString::fromUtf8("%1 Zeile(n) der Datei konnten nicht gelesen werden und wurden "
                              "\u00FCbersprungen.")
                .arg(content_.skipped),
            shell::MessageIcon::Information);
    return true;
}

QString CChartDlg::summary() const {
    const auto& points = content_.points;
    if (points.empty()) return file_.isEmpty() ? QString() : "Keine Messwerte";
    const auto [first, last] =
        std::minmax_element(points.begin(), points.end(), [](const CsvPoint& a, const CsvPoint& b) {
            return std::tie(a.year, a.month, a.day, a.hour, a.minute) <
                   std::tie(b.year, b.month, b.day, b.hour, b.minute);
        });
    const auto withoutTemperature = std::count_if(
        points.begin(), points.end(), [](const CsvPoint& p) { return p.temperature == -1.0; });
    QString text =
        QString("%1 Messwerte vom %2 bis %3").arg(points.size()).arg(stamp(*first), stamp(*last));
    if (withoutTemperature > 0) text += QString(", %1 ohne Temperatur").arg(withoutTemperature);
    if (content_.skipped > 0)
        text += QString::fromUtf8(", %1 Zeile(n) \u00FCbersprungen").arg(content_.skipped);
    return text;
}

void CChartDlg::redraw() {
    fillTrendChart(*chart(), content_.points, variant());
    summary_->setText(summary());
    const QString name = QFileInfo(file_).fileName();
    setWindowTitle(name.isEmpty() ? QString::fromUtf8("Vantiqo \u2013 Verlauf")
                                  : QString::fromUtf8("Vantiqo \u2013 Verlauf: ") + name);
}

void CChartDlg::onOpenClicked() {
    const QString path = messages_.openFileName(this, QString::fromUtf8("Messdaten \u00F6ffnen"),
                                                QFileInfo(file_).absolutePath(), fileFilter());
    if (!path.isEmpty()) openFile(path);
}

void CChartDlg::onSaveClicked() {
    QString suggestion = file_;
    if (suggestion.endsWith(".csv", Qt::CaseInsensitive)) suggestion.chop(4);
    QString path = messages_.saveFileName(this, "Als PNG speichern",
                                          suggestion.isEmpty() ? QString() : suggestion + ".png",
                                          "PNG-Bilder (*.png)");
    if (path.isEmpty()) return;
    if (!path.endsWith(".png", Qt::CaseInsensitive)) path += ".png";
    savePng(path);
}

bool CChartDlg::savePng(const QString& path) {
    // A zoom relabels the time axis and a new file refills the legend; the
    // chart lays them out on events it has posted itself, which the picture
    // must not be taken before.
    QCoreApplication::sendPostedEvents();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = view_->grab().save(&buffer, "PNG");
    if (encoded && files::replaceFile(
                       localPath(path),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return true;
    say("Das Bild kann nicht gespeichert werden:\n" + path, shell::MessageIcon::Exclamation);
    return false;
}

}  // namespace measuring
