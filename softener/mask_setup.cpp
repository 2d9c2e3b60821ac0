#include "softener/mask_setup.h"

#include "shell/controls.h"
#include "softener/sp_mask_edit.h"

namespace softener {

void setUpMasks(const QWidget* page, const std::vector<MaskSpec>& fields) {
    for (const MaskSpec& field : fields) {
        if (auto* edit = shell::controlAs<SPMaskEdit>(page, field.id)) {
            edit->setMask(QString::fromUtf8(field.mask), QChar('_'));
            edit->setMaskedText(QString::fromUtf8(field.initialText));
        }
    }
}

}  // namespace softener
