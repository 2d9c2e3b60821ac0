#include "osmosis/status_record.h"

#include "devlink/fields.h"

namespace osmosis {

const char* plantStatusText(int code) {
    switch (code) {
        case 1:
            return "Standby";
        case 2:
            return "Abnahme";
        case 4:
            return "Sp\u00FClen";
        case 8:
            return "Stop";
        case 16:
            return "Qualit\u00E4ts-Sp\u00FClen";
        default:
            return nullptr;
    }
}

controller::LampBits lampBits(std::string_view area) {
    using devlink::decodeByte;
    return controller::lampBits(decodeByte(area, status::kFunctions),
                                decodeByte(area, status::kInputs),
                                decodeByte(area, status::kOutputs));
}

}  // namespace osmosis
