// The softener unit's event codes: the status history (regenerations and
// filter changes) and the error history (alarms).
#pragma once

#include "softener/history_codes.h"

namespace softener {

extern const CodeTable kSoftenerStatusCodes;
extern const CodeTable kSoftenerErrorCodes;

}  // namespace softener
