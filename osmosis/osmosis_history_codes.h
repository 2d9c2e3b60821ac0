// The reverse-osmosis unit's error codes, the alarms of its error history.
// Codes 1 to 8192 are the bits of the send-SMS-on-alarm flags as well.
#pragma once

#include "controller/history_codes.h"

namespace osmosis {

extern const controller::CodeTable kOsmosisErrorCodes;

}  // namespace osmosis
