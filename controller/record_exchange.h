// The exchanges behind a controller program's "lesen" and "schreiben":
// read-all fetches the status area (DSI) and the parameter record (DPI, in
// one or two answers); the write sends the record back (DPS). Both
// controller programs use them with their own lengths and layouts.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "controller/operation_context.h"
#include "controller/parameter_form.h"
#include "controller/record_layout.h"
#include "controller/unit_record.h"

namespace controller {

struct StatusAndRecord {
    std::size_t statusLength;  // characters behind "DSI|" that make the status area
    std::string& statusArea;
    UnitRecord& record;
    std::size_t secondAnswerCut;  // characters that close a second DPI answer
};

// Read-all up to the decoding: empties the port's receive and send
// buffers, runs beforeLogin (the status page stops blinking), logs in for
// reading, then DSI and DPI. False, with the message shown, on any failure;
// what was received so far is kept.
bool fetchStatusAndRecord(const OperationContext& context, const std::function<void()>& beforeLogin,
                          const StatusAndRecord& into);

// True, with the message shown, while no read has filled the record: its
// carried positions would be undefined and nothing could be gone back to.
bool refuseWithoutRecord(OperationUi& ui, const UnitRecord& record);

// True, with the message shown and the offending field at hand, when
// nothing may go to the unit: no read has filled the record yet (its
// carried positions would be undefined), or a float field holds no number.
bool refuseUnreadyWrite(OperationUi& ui, const UnitRecord& record, const RecordLayout& layout,
                        const ParameterForm& form);

// DPS with the record's form length; true when the unit confirms it.
bool sendRecord(devlink::DeviceLink& link, const UnitRecord& record);

}  // namespace controller
