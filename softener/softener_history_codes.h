// The softener unit's event codes: the status history (regenerations and
// filter changes) and the error history (alarms).
#pragma once

#include "controller/history_codes.h"

namespace softener {

extern const controller::CodeTable kSoftenerStatusCodes;
extern const controller::CodeTable kSoftenerErrorCodes;

}  // namespace softener
