#include "softener/parameter_record.h"

#include "devlink/fields.h"

namespace softener {

void decodeParameters(const controller::UnitRecord& record, controller::ParameterForm& form) {
    controller::decodeRecord(softenerLayout(), record, form);
    if (!record.longForm()) return;
    const bool interval = devlink::decodeByte(record.text(), sms::kIntervalOn) & 1u;
    form.setChecked(1, 1156, interval);
    form.setEnabled(1, 1122, interval);
}

const controller::ParameterField* firstUnreadableFloat(const controller::ParameterForm& form) {
    return firstUnreadableFloat(softenerLayout(), form);
}

void encodeParameters(const controller::ParameterForm& form, controller::UnitRecord& record) {
    controller::encodeRecord(softenerLayout(), form, record);
    if (record.longForm())
        devlink::putField(record.text(), sms::kIntervalOn,
                          devlink::encodeByte(form.isChecked(1, 1156) ? 1 : 0));
}

}  // namespace softener
