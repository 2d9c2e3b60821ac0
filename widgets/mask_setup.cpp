#include "widgets/mask_setup.h"

#include "shell/controls.h"
#include "widgets/sp_mask_edit.h"

namespace widgets {

void setUpMasks(const QWidget* page, const std::vector<MaskSpec>& fields, QChar placeholder) {
    for (const MaskSpec& field : fields) {
        if (auto* edit = shell::controlAs<SPMaskEdit>(page, field.id)) {
            edit->setMask(QString::fromUtf8(field.mask), placeholder);
            edit->setMaskedText(QString::fromUtf8(field.initialText));
        }
    }
}

}  // namespace widgets
