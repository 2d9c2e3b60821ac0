// Masks and initial texts of a page's masked fields, set once at start.
#pragma once

#include <QWidget>
#include <vector>

namespace softener {

struct MaskSpec {
    int id;
    const char* mask;
    const char* initialText;
};

void setUpMasks(const QWidget* page, const std::vector<MaskSpec>& fields);

}  // namespace softener
