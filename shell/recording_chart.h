// The chart of a recording (files/recording_csv.h): the chosen columns
// over the date and time of the readings. Each value gets an axis of its
// own in its colour, alternately left and right; the columns that only
// ever hold 0 and 1 (the lamps, flags) are step lines, stacked one above
// the other on a shared axis, so that each switching shows as an edge.
// Times are the wall-clock times written, to the second, never shifted.
#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "files/recording_csv.h"

class QChart;

namespace shell {

class TrendCurveItem;

// The time of a reading on the charts' time axis, to the second.
double readingMs(const files::WallTime& time);

// A column whose values, where there are any, are all 0 or 1.
bool isStepColumn(const files::RecordingContent& content, std::size_t column);

// Replaces everything in chart by the chosen columns of the recording.
void fillRecordingChart(QChart& chart, const files::RecordingContent& content,
                        const std::vector<std::size_t>& chosen, bool english);

// The lines drawn, in the order of the chosen columns.
QList<TrendCurveItem*> recordingCurves(const QChart& chart);

}  // namespace shell
