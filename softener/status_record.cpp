#include "softener/status_record.h"

#include "devlink/fields.h"

namespace softener {

namespace {

bool bit(int byte, int n) {
    return (byte >> n) & 1;
}

int oneFilterCode(int s1, bool bv1, bool w1) {
    int code = 0;
    if (s1 == 0 && bv1 && !w1) code = 2;
    if (s1 == 0 && bv1 && w1) code = 5;
    if (s1 == 0 && !bv1 && w1) code = 3;
    if (s1 != 0) code = 4;
    return code;
}

int changeOverCode(int s1, int s2, bool bv1, bool bv2, bool w1, bool w2) {
    int code = 0;
    if (s1 == 0 && s2 != 0) code = 0x42;
    if (s1 != 0 && s2 == 0) code = 0x24;
    if (bv1 && s2 == 0 && !w2) code = 0x12;
    if (bv2 && s1 == 0 && !w1) code = 0x21;
    if (s1 == 0 && s2 == 0 && bv1 && w2) code = 0x32;
    if (s1 == 0 && s2 == 0 && bv2 && w1) code = 0x23;
    return code;
}

int twoInServiceCode(int s1, int s2) {
    int code = 0;
    if (s1 == 0 && s2 == 0) code = 0x22;
    if (s1 == 0 && s2 != 0) code = 0x42;
    if (s1 != 0 && s2 == 0) code = 0x24;
    return code;
}

}  // namespace

int plantStatusCode(int plantType, std::string_view area) {
    using devlink::decodeByte;
    const int s1 = decodeByte(area, status::kStage1);
    const int s2 = decodeByte(area, status::kStage2);
    const int outputs = decodeByte(area, status::kOutputs);
    const int blink = decodeByte(area, status::kBlink);
    const bool bv1 = bit(outputs, 6), bv2 = bit(outputs, 4);
    const bool w1 = bit(blink, 0), w2 = bit(blink, 1);
    int code = 0;
    switch (plantType) {
        case OneFilter:
            code = oneFilterCode(s1, bv1, w1);
            break;
        case ChangeOver:
            code = changeOverCode(s1, s2, bv1, bv2, w1, w2);
            break;
        case Parallel:
        case Serial:
            code = twoInServiceCode(s1, s2);
            break;
        default:
            break;
    }
    if (bit(decodeByte(area, status::kInputs), 5)) code = 0x88;
    return code;
}

PlantStatus plantStatusText(int code) {
    using S = StageShown;
    switch (code) {
        case 2:
            return {"F1 Betrieb", "F1 Service", S::Reset};
        case 3:
            return {"F1 Wartet auf Regeneration", "F1 wait for regeneration", S::Reset};
        case 4:
            return {"F1 Regeneration", "F1 Regeneration", S::Filter1};
        case 5:
            return {"F1 Betrieb, wartet auf Reg.", "F1 Service, wait for reg.", S::Filter1};
        case 0x12:
            return {"F1 Betrieb, F2 Standby", "F1 Service, F2 Standby", S::Reset};
        case 0x21:
            return {"F1 Standby, F2 Betrieb", "F1 Standby, F2 Service", S::Reset};
        case 0x22:
            return {"F1 Betrieb, F2 Betrieb", "F1 Service, F2 Service", S::Reset};
        case 0x23:
            return {"F1 Wartet auf Regeneration, F2 Betrieb",
                    "F1 wait for regeneration, F2 Service", S::Reset};
        case 0x24:
            return {"F1 Regeneration, F2 Betrieb", "F1 Regeneration, F2 Service", S::Filter1};
        case 0x32:
            return {"F1 Betrieb, F2 Wartet auf Regeneration",
                    "F1 Service, F2 wait for regeneration", S::Reset};
        case 0x42:
            return {"F1 Betrieb, F2 Regeneration", "F1 Service, F2 Regeneration", S::Filter2};
        case 0x88:
            return {"Stop", "Stop", S::Reset};
        default:
            return {nullptr, nullptr, S::Reset};
    }
}

std::string lastAccessText(std::string_view area) {
    return controller::lastAccessText(area, status::kLastAccessHour);
}

controller::LampBits lampBits(std::string_view area) {
    using devlink::decodeByte;
    return controller::lampBits(decodeByte(area, status::kFunctions),
                                decodeByte(area, status::kInputs),
                                decodeByte(area, status::kOutputs));
}

}  // namespace softener
