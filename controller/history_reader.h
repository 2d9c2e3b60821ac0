// Reading a unit's log into a list file: the status history (DHI, into the
// current folder) and the error history (DEI, into the start folder). Both
// controller programs use it with their own code tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controller/history_codes.h"
#include "controller/history_record.h"
#include "controller/list_file.h"
#include "controller/local_clock.h"
#include "controller/operation_context.h"

namespace controller {

class HistoryReader {
  public:
    explicit HistoryReader(OperationContext context);

    // longForm: the unit's last parameter record was the long form; a short
    // form unit lists at most ten status records. Each returns the list
    // file written, nothing after a failure it has shown.
    std::optional<std::string> readStatusHistory(const CodeTable& codes, bool longForm);
    std::optional<std::string> readErrorHistory(const CodeTable& codes);

    // The PC's clock for the file name, read once per reading; tests fix it.
    LocalClock clock = systemLocalTime;

  private:
    bool takeSerialNumber(std::string& serial);
    bool readStatusData(std::string& data);
    bool currentFolder(std::string& folder);
    bool refuseUncounted(const HistoryRecords& history, const char* label);
    void sayIfCut(const HistoryRecords& history, const char* label);
    // The list file written, nothing after a failure it has shown.
    std::optional<std::string> writeList(const std::string& baseFolder, const ListFileKind& kind,
                                         const std::string& serial,
                                         const std::vector<HistoryEntry>& entries,
                                         const CodeTable& codes);

    OperationContext context_;
};

}  // namespace controller
