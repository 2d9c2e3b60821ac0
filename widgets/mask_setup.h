// Masks and initial texts of a page's masked fields, set once at start.
#pragma once

#include <QWidget>
#include <vector>

namespace widgets {

struct MaskSpec {
    int id;
    const char* mask;
    const char* initialText;
};

// Every field with the same placeholder: the softener program shows "_" in
// empty positions, the reverse-osmosis program a blank.
void setUpMasks(const QWidget* page, const std::vector<MaskSpec>& fields,
                QChar placeholder = QChar('_'));

}  // namespace widgets
