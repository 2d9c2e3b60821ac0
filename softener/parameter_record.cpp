#include "softener/parameter_record.h"

#include "devlink/fields.h"
#include "resources/ids/ksv2_ids.h"

namespace softener {

using namespace ksv2::ids;

void decodeParameters(const ParameterRecord& record, controller::ParameterForm& form) {
    controller::decodeRecord(softenerLayout(), record, form);
    if (!record.longForm()) return;
    const bool interval = devlink::decodeByte(record.text(), sms::kIntervalOn) & 1u;
    form.setChecked(1, IntervalActiveCheck, interval);
    form.setEnabled(1, IntervalDaysEdit, interval);
}

const controller::ParameterField* firstUnreadableFloat(const controller::ParameterForm& form) {
    return firstUnreadableFloat(softenerLayout(), form);
}

void encodeParameters(const controller::ParameterForm& form, ParameterRecord& record) {
    controller::encodeRecord(softenerLayout(), form, record);
    if (record.longForm())
        devlink::putField(record.text(), sms::kIntervalOn,
                          devlink::encodeByte(form.isChecked(1, IntervalActiveCheck) ? 1 : 0));
}

}  // namespace softener
