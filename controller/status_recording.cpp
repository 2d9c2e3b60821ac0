#include "controller/status_recording.h"

#include <cctype>

namespace controller {

namespace {

// Lamp rows ("lamps_functions" ...) show their lamps left to right.
bool isLampRow(const UnitValue& value) {
    return value.name.rfind("lamps_", 0) == 0;
}

std::string headerOf(const UnitValue& value, bool english) {
    const std::string& unit = value.unit.in(english);
    return value.label.in(english) + (unit.empty() ? "" : " [" + unit + "]");
}

}  // namespace

std::string shownNumber(const UnitValue& value) {
    const std::string& shown = value.shown.german;
    const std::size_t point = shown.find_first_of(",.");
    int decimals = 0;
    if (point != std::string::npos)
        while (point + 1 + decimals < shown.size() &&
               std::isdigit(static_cast<unsigned char>(shown[point + 1 + decimals])))
            ++decimals;
    return files::recordingNumber(value.number, decimals);
}

std::vector<StatusColumn> statusColumns(const UnitValues& values, bool english) {
    std::vector<StatusColumn> columns;
    for (const UnitValue& value : values) {
        if (!isLampRow(value)) {
            columns.push_back({value.name, -1, headerOf(value, english)});
            continue;
        }
        const std::string lamp = english ? "lamp " : "Lampe ";
        for (int i = 0; i < static_cast<int>(value.shown.german.size()); ++i)
            columns.push_back(
                {value.name, i, lamp + value.label.in(english) + " " + std::to_string(i + 1)});
    }
    return columns;
}

std::vector<std::string> statusFields(const std::vector<StatusColumn>& columns,
                                      const UnitValues& values, bool english) {
    std::vector<std::string> fields;
    fields.reserve(columns.size());
    for (const StatusColumn& column : columns) {
        const UnitValue* value = findValue(values, column.value);
        if (!value || !value->present) {
            fields.emplace_back();
        } else if (column.lamp >= 0) {
            const std::string& lamps = value->shown.german;
            const auto at = static_cast<std::size_t>(column.lamp);
            fields.push_back(at < lamps.size() && lamps[at] == '1' ? "1" : "0");
        } else if (value->type == ValueType::Number) {
            fields.push_back(shownNumber(*value));
        } else if (value->type == ValueType::Flag) {
            fields.push_back(value->flag ? "1" : "0");
        } else {
            fields.push_back(value->shown.in(english));
        }
    }
    return fields;
}

files::NewRecording StatusRecording::start(const std::string& startFolder,
                                           const std::string& serial, const files::WallTime& now,
                                           const UnitValues& values, bool english) {
    columns_ = statusColumns(values, english);
    english_ = english;
    std::vector<std::string> headers;
    for (const StatusColumn& column : columns_) headers.push_back(column.header);
    files::NewRecording made = files::createRecordingFile(
        startFolder, kStatusRecordPrefix, serial, now, files::recordingHeader(headers, english));
    path_ = made.created ? made.path : std::string();
    return made;
}

bool StatusRecording::append(const files::WallTime& at, const UnitValues& values) const {
    return !path_.empty() &&
           files::appendRecordingLine(
               path_, files::recordingLine(at, statusFields(columns_, values, english_)));
}

}  // namespace controller
