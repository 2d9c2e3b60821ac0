// The values a program without pages gets against what the window's pages
// show after the same read: every masked field its value's text with the
// table's mask, every radio group its value's choice under the caption of
// the table's option, every box its flag, every SMS text its text.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "controller/parameter_values.h"
#include "controller/value_slots.h"
#include "shell/controls.h"
#include "shell/page_host.h"
#include "widgets/sp_mask_edit.h"

namespace testsupport {

inline std::string widgetText(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
    return "?";
}

inline void expectFieldShown(const shell::PageHost& pages, const controller::ValueSlot& slot,
                             const controller::UnitValue& value, bool english) {
    const controller::ParameterField& f = *slot.field;
    QWidget* page = pages.page(f.page);
    if (slot.kind == controller::SlotKind::FieldBit) {
        auto* box = shell::controlAs<QAbstractButton>(page, f.buttons.at(slot.bit));
        ASSERT_NE(box, nullptr) << slot.name;
        EXPECT_EQ(box->isChecked(), value.flag) << slot.name;
        return;
    }
    if (f.kind == controller::FieldKind::Check) {
        EXPECT_EQ(shell::controlAs<QAbstractButton>(page, f.control)->isChecked(), value.flag)
            << slot.name;
    } else if (f.kind == controller::FieldKind::Choice) {
        for (std::size_t i = 0; i < f.buttons.size(); ++i) {
            auto* button = shell::controlAs<QAbstractButton>(page, f.buttons[i]);
            ASSERT_NE(button, nullptr) << slot.name;
            EXPECT_EQ(button->isChecked(), value.choice == static_cast<int>(i)) << slot.name;
            const controller::OptionName& option = slot.names->options.at(i);
            EXPECT_EQ(button->text().trimmed().toStdString(),
                      english ? option.english : option.german)
                << slot.name;
        }
    } else {
        auto* field = shell::controlAs<SPMaskEdit>(page, f.control);
        ASSERT_NE(field, nullptr) << slot.name;
        EXPECT_EQ(field->mask().toStdString(), slot.names->mask) << slot.name;
        EXPECT_EQ(field->text().toStdString(), value.shown.german) << slot.name;
    }
}

inline void expectPagesShowValues(const shell::PageHost& pages,
                                  const controller::ParameterValueTable& table,
                                  const controller::UnitRecord& record, bool english) {
    const controller::UnitValues values = controller::parameterValues(table, record);
    const controller::SmsLayout& sms = table.layout->sms;
    int compared = 0;
    for (const controller::ValueSlot& slot : controller::valueSlots(table)) {
        const controller::UnitValue* value = controller::findValue(values, slot.name);
        if (!value) continue;
        ++compared;
        if (slot.kind == controller::SlotKind::SmsText) {
            QWidget* widget = shell::control(pages.page(sms.page),
                                             controller::smsTextPlace(sms, slot.text).control);
            EXPECT_EQ(widgetText(widget), value->text) << slot.name;
        } else if (slot.kind == controller::SlotKind::SmsFlag) {
            EXPECT_EQ(
                shell::controlAs<QAbstractButton>(pages.page(sms.page), sms.flagBoxes.at(slot.bit))
                    ->isChecked(),
                value->flag)
                << slot.name;
        } else {
            expectFieldShown(pages, slot, *value, english);
        }
    }
    EXPECT_EQ(compared, static_cast<int>(values.size()));
}

}  // namespace testsupport
