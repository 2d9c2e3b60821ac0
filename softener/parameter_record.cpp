#include "softener/parameter_record.h"

#include "devlink/fields.h"

namespace softener {

void decodeParameters(const ParameterRecord& record, ParameterForm& form) {
    decodeRecord(softenerLayout(), record, form);
    if (!record.longForm()) return;
    const bool interval = devlink::decodeByte(record.text(), sms::kIntervalOn) & 1u;
    form.setChecked(1, 1156, interval);
    form.setEnabled(1, 1122, interval);
}

const ParameterField* firstUnreadableFloat(const ParameterForm& form) {
    return firstUnreadableFloat(softenerLayout(), form);
}

void encodeParameters(const ParameterForm& form, ParameterRecord& record) {
    encodeRecord(softenerLayout(), form, record);
    if (record.longForm())
        devlink::putField(record.text(), sms::kIntervalOn,
                          devlink::encodeByte(form.isChecked(1, 1156) ? 1 : 0));
}

}  // namespace softener
