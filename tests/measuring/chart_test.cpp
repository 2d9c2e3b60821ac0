// The trend window: a readout's CSV as value and temperature over time,
// gaps where the temperature is missing, skipped lines said, the time axis
// labelled with the logger's own clock in any time zone, zoom, reset and
// the chart saved as PNG.
#include <QChart>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QRegularExpression>
#include <QValueAxis>
#include <QWheelEvent>
#include <cmath>
#include <ctime>
#include <fstream>

#include "measuring/chart_dlg.h"
#include "measuring/csv_export.h"
#include "measuring/trend_chart.h"
#include "resources/ids/vantiqo_ids.h"
#include "shell/time_ticks.h"
#include "shell/trend_curve.h"
#include "shell/zoom_chart_view.h"
#include "tools/unitsim/logger.h"
#include "vantiqo_fixture.h"

using namespace vantiqo::ids;

// Labels in failure messages as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

using testsupport::fileBytes;
using testsupport::TempFolder;
using testsupport::VantiqoWindow;

namespace {

// A CSV as a readout of the simulator's generated logger writes it.
std::string generatedCsv(std::size_t records, int variant) {
    measuring::RecordCollector collector(records);
    for (std::size_t i = 0; i < records; ++i)
        collector.add(unitsim::encodeLoggerEntry(unitsim::generatedEntry(i, variant)));
    return measuring::csvText(collector.records(), records);
}

std::string writeFile(const TempFolder& folder, const std::string& name, const std::string& bytes) {
    const std::string path = folder.path() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

template <typename Series>
std::vector<Series*> seriesOf(QChart* chart) {
    std::vector<Series*> found;
    for (QAbstractSeries* series : chart->series())
        if (auto* s = qobject_cast<Series*>(series)) found.push_back(s);
    return found;
}

QValueAxis* valueAxis(QChart* chart, Qt::Alignment side) {
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(side == Qt::AlignLeft ? 0 : 1));
}

QValueAxis* timeAxis(QChart* chart) {
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).at(0));
}

std::size_t missing(const std::vector<QPointF>& points) {
    return static_cast<std::size_t>(std::count_if(
        points.begin(), points.end(), [](const QPointF& p) { return std::isnan(p.y()); }));
}

std::vector<qsizetype> pieceSizes(const std::vector<QPolygonF>& pieces) {
    std::vector<qsizetype> sizes;
    for (const QPolygonF& piece : pieces) sizes.push_back(piece.size());
    return sizes;
}

// A CSV of records every `minutes` from a start, with every `gapEvery`-th
// temperature missing (0: none missing).
std::string regularCsv(std::size_t records, int minutes, int day, int month, int gapEvery = 0) {
    std::string csv;
    const double start = shell::wallClockMs(2009, month, day, 0, 0);
    for (std::size_t i = 0; i < records; ++i) {
        const double at = start + static_cast<double>(i) * minutes * shell::kMinuteMs;
        const QString stamp = shell::wallClockText(at);  // "dd.MM.yy hh:mm"
        const bool gap = gapEvery > 0 && i % gapEvery == static_cast<std::size_t>(gapEvery - 1);
        char line[128];
        std::snprintf(line, sizeof line, "%05u  ,  %010.2f  ,  %3.1f  ,  %s , %s\r\n",
                      static_cast<unsigned>(i % 65536), 7.0 + std::sin(i * 0.01),
                      gap ? -1.0 : 20.0 + std::cos(i * 0.02), stamp.left(8).toLatin1().constData(),
                      stamp.mid(9).toLatin1().constData());
        csv += line;
    }
    return csv;
}

// The labels of the time axis as the window shows them, left to right,
// each with the horizontal centre of its text.
struct ShownLabel {
    QString text;
    double centre;
};
std::vector<ShownLabel> timeLabels(QChart* chart) {
    static const QRegularExpression dateLabel(R"(^\d\d\.\d\d\.\d\d( \d\d:\d\d)?$)");
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    std::vector<ShownLabel> labels;
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || !dateLabel.match(text->toPlainText()).hasMatch())
            continue;
        const QRectF shown = text->sceneBoundingRect();
        if (shown.top() < plot.bottom()) continue;  // not below the plot
        labels.push_back({text->toPlainText(), shown.center().x()});
    }
    std::sort(labels.begin(), labels.end(),
              [](const ShownLabel& a, const ShownLabel& b) { return a.centre < b.centre; });
    return labels;
}

// The wall-clock time a label names.
double labelTime(const QString& text) {
    const int hour = text.size() > 8 ? text.mid(9, 2).toInt() : 0;
    const int minute = text.size() > 8 ? text.mid(12, 2).toInt() : 0;
    return shell::wallClockMs(2000 + text.mid(6, 2).toInt(), text.mid(3, 2).toInt(),
                              text.left(2).toInt(), hour, minute);
}

// Sets the process's time zone for a test and restores it.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old, hadOne_ = true;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (hadOne_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

  private:
    std::string old_;
    bool hadOne_ = false;
};

}  // namespace

TEST(TrendChart, ThreeHundredRecordsOverFourDaysSavedAsPng) {
    TempFolder folder;
    const std::string csv = writeFile(folder, "pH.csv", generatedCsv(300, 2));
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    chart.setVariant('2');
    ASSERT_TRUE(chart.openFile(QString::fromStdString(csv)));
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    chart.show();

    const auto curves = measuring::trendCurves(*chart.chart());
    ASSERT_EQ(curves.size(), 2);  // the value and the temperature
    EXPECT_EQ(curves[0]->points().size(), 300u);
    EXPECT_EQ(missing(curves[0]->points()), 0u);
    EXPECT_EQ(curves[1]->points().size(), 300u);
    EXPECT_EQ(missing(curves[1]->points()), 20u);  // records 281 to 300 have no temperature
    const auto legend = seriesOf<QLineSeries>(chart.chart());
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ(legend[1]->name(), QString::fromUtf8("Temperatur [\u00B0C]"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    // Three days and a bit: the ticks fall on whole days or hours.
    const auto labels = timeLabels(chart.chart());
    ASSERT_GE(labels.size(), 3u);
    for (const auto& label : labels)
        EXPECT_TRUE(label.text.size() == 8 || label.text.endsWith(":00"))
            << label.text.toStdString();
    EXPECT_EQ(labels.front().text.left(8), "01.06.09");
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(), "pH-Wert");
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignRight)->titleText(),
              QString::fromUtf8("Temperatur [\u00B0C]"));
    EXPECT_EQ(chart.summary(),
              "300 Messwerte vom 01.06.09 00:00 bis 04.06.09 02:45, "
              "20 ohne Temperatur");
    chart.setVariant('1');
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(),
              QString::fromUtf8("Leitf\u00E4higkeit [\u00B5S/cm]"));
    chart.setVariant('2');

    const std::string png = folder.path() + "/pH.png";
    ASSERT_TRUE(chart.savePng(QString::fromStdString(png)));
    EXPECT_EQ(fileBytes(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    if (const char* keep = std::getenv("VANTIQO_CHART_PNG"))
        chart.savePng(QString::fromLocal8Bit(keep));
}

TEST(TrendChart, GapsBreakTheTemperatureLineAndMalformedLinesAreSkippedAndSaid) {
    TempFolder folder;
    const double temperatures[] = {20, 21, -1, 22, -1, -1, 23, 24, -1, 25};
    std::string csv;
    for (int i = 0; i < 10; ++i) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "%05d  ,  0000001.%02d  ,  %3.1f  ,  03.06.09 , 14:%02d\r\n", i + 1, i,
                      temperatures[i], i * 5);
        csv += line;
        if (i == 4) csv += "00099  ,  kaputt  ,  20.0  ,  03.06.09 , 14:22\r\n";
    }
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    ASSERT_TRUE(chart.openFile(QString::fromStdString(writeFile(folder, "gaps.csv", csv))));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("1 Zeile(n) der Datei konnten nicht gelesen "
                                                     "werden und wurden \u00FCbersprungen."));
    EXPECT_EQ(chart.content().points.size(), 10u);
    EXPECT_EQ(chart.content().skipped, 1u);
    EXPECT_TRUE(chart.summary().endsWith("4 ohne Temperatur, 1 Zeile(n) \u00FCbersprungen"));

    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const auto curves = measuring::trendCurves(*chart.chart());
    ASSERT_EQ(curves.size(), 2);
    EXPECT_EQ(pieceSizes(curves[0]->pieces()), std::vector<qsizetype>({10}));
    // The stretches 1-2 and 7-8; records 4 and 10 stand alone.
    EXPECT_EQ(pieceSizes(curves[1]->pieces()), std::vector<qsizetype>({2, 1, 2, 1}));
    EXPECT_EQ(valueAxis(chart.chart(), Qt::AlignLeft)->titleText(), "Messwert");
}

TEST(TrendChart, WheelZoomsTheTimeAxisAndResetRestoresIt) {
    TempFolder folder;
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    ASSERT_TRUE(
        chart.openFile(QString::fromStdString(writeFile(folder, "a.csv", generatedCsv(96, 4)))));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QValueAxis* time = timeAxis(chart.chart());
    const double full = time->max() - time->min();
    const QPointF centre = chart.chart()->plotArea().center();
    QWheelEvent wheel(centre, chart.view()->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart.view()->viewport(), &wheel);
    const double zoomed = time->max() - time->min();
    EXPECT_NEAR(zoomed, full / 1.5625, full * 0.02);
    chart.chart()->zoomReset();
    EXPECT_EQ(time->max() - time->min(), full);
}

TEST(TrendChart, UnreadableAndEmptyFilesAreTold) {
    TempFolder folder;
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    EXPECT_FALSE(chart.openFile(QString::fromStdString(folder.path() + "/missing.csv")));
    EXPECT_TRUE(messages.lastText().startsWith("Die Datei kann nicht gelesen werden:\n"));
    EXPECT_FALSE(chart.openFile(QString::fromStdString(writeFile(folder, "e.csv", "x\r\n"))));
    EXPECT_TRUE(messages.lastText().startsWith(
        QString::fromUtf8("Die Datei enth\u00E4lt keine Messwerte")));
}

TEST_F(VantiqoWindow, VerlaufShowsTheLastReadoutOrAFileTheOperatorPicks) {
    TempFolder folder;
    const std::string old = writeFile(folder, "old.csv", generatedCsv(10, 4));
    messages.fileNames = {QString::fromStdString(old)};
    click(TrendButton);
    ASSERT_NE(window->chartWindow(), nullptr);
    EXPECT_EQ(window->chartWindow()->file(), QString::fromStdString(old));
    EXPECT_TRUE(window->chartWindow()->isVisible());

    sim->fillLogger(30);
    messages.answers = {shell::MessageAnswer::Yes, shell::MessageAnswer::No};
    click(LoggerReadButton);
    click(TrendButton);
    EXPECT_EQ(window->chartWindow()->file(), window->lastReadout());
    EXPECT_EQ(window->chartWindow()->content().points.size(), 30u);
    EXPECT_EQ(window->chartWindow()->variant(), '4');  // the unit's quantity: chlorine
}

// The logger writes its own local time; the axis shows it unchanged on
// a PC in any zone, in summer and in winter, and each label stands where
// its time lies on the axis.
TEST(TrendChart, TimeLabelsShowTheLoggersClockInEveryTimeZone) {
    TempFolder folder;
    for (const int month : {6, 1}) {
        // 00:00 to 02:45, every 15 minutes.
        const std::string csv = writeFile(folder, "a.csv", regularCsv(12, 15, 3, month));
        std::vector<QString> first;
        for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York", "Asia/Kolkata"}) {
            TimeZone inZone(zone);
            shell::ScriptedMessageService messages;
            measuring::CChartDlg chart(messages);
            ASSERT_TRUE(chart.openFile(QString::fromStdString(csv)));
            chart.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
            QValueAxis* time = timeAxis(chart.chart());
            EXPECT_EQ(shell::wallClockText(time->min()),
                      QString::asprintf("03.%02d.09 00:00", month));
            EXPECT_EQ(shell::wallClockText(time->max()),
                      QString::asprintf("03.%02d.09 02:45", month));
            const auto labels = timeLabels(chart.chart());
            ASSERT_GE(labels.size(), 3u) << zone;
            const QRectF plot = chart.chart()->mapRectToScene(chart.chart()->plotArea());
            std::vector<QString> texts;
            for (const auto& label : labels) {
                texts.push_back(label.text);
                EXPECT_TRUE(label.text.startsWith(QString::asprintf("03.%02d.09 0", month)))
                    << zone << " " << label.text.toStdString();
                const double at = labelTime(label.text);
                EXPECT_EQ(std::fmod(at, 15 * shell::kMinuteMs), 0.0) << label.text.toStdString();
                const double x =
                    plot.left() + (at - time->min()) / (time->max() - time->min()) * plot.width();
                EXPECT_NEAR(label.centre, x, 3.0) << zone << " " << label.text.toStdString();
            }
            if (first.empty()) first = texts;
            EXPECT_EQ(texts, first) << zone;
        }
    }
}

TEST(TimeTicks, FallOnWholeMinutesHoursDaysWeeksAndMonths) {
    using shell::wallClockMs;
    const struct {
        double from, to;
        int most;
        std::vector<QString> labels;
    } cases[] = {
        {wallClockMs(2009, 6, 3, 10, 7),
         wallClockMs(2009, 6, 3, 11, 52),
         8,
         {"03.06.09 10:15", "03.06.09 10:30", "03.06.09 10:45", "03.06.09 11:00", "03.06.09 11:15",
          "03.06.09 11:30", "03.06.09 11:45"}},
        {wallClockMs(2009, 6, 1, 0, 0),
         wallClockMs(2009, 6, 4, 2, 45),
         7,
         {"01.06.09 00:00", "01.06.09 12:00", "02.06.09 00:00", "02.06.09 12:00", "03.06.09 00:00",
          "03.06.09 12:00", "04.06.09 00:00"}},
        {wallClockMs(2009, 3, 28, 13, 27),
         wallClockMs(2009, 3, 30, 1, 55),
         2,
         {"29.03.09", "30.03.09"}},  // over a change to summer time: still whole days
        {wallClockMs(2009, 6, 3, 0, 0),
         wallClockMs(2009, 6, 30, 0, 0),
         5,
         {"08.06.09", "15.06.09", "22.06.09", "29.06.09"}},  // Mondays
        {wallClockMs(2009, 6, 1, 0, 0),
         wallClockMs(2011, 4, 13, 18, 30),
         7,
         {"01.07.09", "01.01.10", "01.07.10", "01.01.11"}},  // a full logger
        {wallClockMs(1999, 11, 1, 0, 0),
         wallClockMs(2000, 3, 1, 0, 0),
         6,
         {"01.11.99", "01.12.99", "01.01.00", "01.02.00", "01.03.00"}},
    };
    for (const auto& c : cases) {
        std::vector<QString> labels;
        for (const auto& tick : shell::timeTicks(c.from, c.to, c.most)) {
            labels.push_back(tick.label);
            EXPECT_EQ(shell::wallClockText(tick.ms, tick.label.size() > 8), tick.label);
        }
        EXPECT_EQ(labels, c.labels) << shell::wallClockText(c.from).toStdString();
    }
}

// A full logger whose every third record lacks a temperature: two lines
// whatever the gaps, the overview thinned to the pixels, the gaps seen
// when zoomed in.
TEST(TrendChart, AFullLoggerWithGapsIsTwoLinesThinnedToThePlot) {
    TempFolder folder;
    const std::string csv = writeFile(folder, "full.csv", regularCsv(65535, 15, 1, 6, 3));
    shell::ScriptedMessageService messages;
    measuring::CChartDlg chart(messages);
    ASSERT_TRUE(chart.openFile(QString::fromStdString(csv)));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    EXPECT_EQ(chart.chart()->series().size(), 2);
    const auto curves = measuring::trendCurves(*chart.chart());
    ASSERT_EQ(curves.size(), 2);
    EXPECT_EQ(missing(curves[1]->points()), 21845u);
    const double width = chart.chart()->plotArea().width();
    for (const auto* curve : curves) {
        const auto pieces = curve->pieces();
        EXPECT_EQ(pieces.size(), 1u);  // no gap is as wide as a pixel
        EXPECT_LE(pieces.front().size(), 4 * (width + 2));
    }
    // Records 1 to 30 only: ten stretches of two.
    QValueAxis* time = timeAxis(chart.chart());
    time->setRange(time->min(), time->min() + 29 * 15 * shell::kMinuteMs);
    EXPECT_EQ(pieceSizes(curves[1]->pieces()), std::vector<qsizetype>(10, 2));
}

TEST(TrendCurve, PiecesBreakAtGapsMergeWithinAColumnAndEndAtTheEdges) {
    const double gap = std::nan("");
    std::vector<QPointF> points;
    for (int i = 0; i < 10; ++i) points.emplace_back(i, i == 3 || i == 6 ? gap : i);
    shell::PlotMapping mapping{0, 9, 0, 9, QRectF(0, 0, 90, 90)};
    EXPECT_EQ(pieceSizes(shell::visiblePieces(points, mapping)), std::vector<qsizetype>({3, 2, 3}));

    // Squeezed into two pixel columns: the gaps cannot be seen.
    mapping.area = QRectF(0, 0, 1.5, 90);
    const auto squeezed = shell::visiblePieces(points, mapping);
    ASSERT_EQ(squeezed.size(), 1u);
    EXPECT_LE(squeezed.front().size(), 8);

    // A range between the points: the line runs to both edges.
    mapping = {0.5, 4.5, 0, 9, QRectF(0, 0, 40, 90)};
    const auto cut = shell::visiblePieces(points, mapping);
    ASSERT_EQ(pieceSizes(cut), std::vector<qsizetype>({3, 2}));
    EXPECT_EQ(cut[0].front(), QPointF(0, 85));
    EXPECT_EQ(cut[1].back(), QPointF(40, 45));
}
