// The review before a write, in both controller programs and both
// interface languages: it lists exactly the parameters the pages change
// against the unit's record (a float, a choice, a check box, an alarm-SMS
// text) as the pages show them; "Abbrechen" sends and saves nothing;
// "Senden" sends the record the write always sent; with nothing changed it
// says so; its off switch is the operator's own and holds across a restart.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "controller/parameter_values.h"
#include "controller/value_slots.h"
#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "osmosis/parameter_values.h"
#include "osmosis/pln2_fixture.h"
#include "shell/controls.h"
#include "softener/parameter_values.h"
#include "telegrams.h"
#include "widgets/changes_table.h"
#include "widgets/sp_mask_edit.h"
#include "widgets/write_review.h"
#include "widgets/write_review_dlg.h"

// Texts in failure messages as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

// One edit on the pages, as a person makes it, and the row the review
// shows for it; the rows come in record order.
struct Edit {
    enum Kind { Digits, Button, Box, Text };
    const char* value;
    Kind kind;
    const char* input;    // digits typed from the field's start, a button's index, a text
    const char* setText;  // the same value as a text setParameterValue takes
    const char* germanPage;
    const char* englishPage;
    const char* german;  // the row in German: parameter, in the unit, new
    const char* germanBefore;
    const char* germanAfter;
    const char* english;
    const char* englishBefore;
    const char* englishAfter;
};

struct Softener {
    using Window = CAquendorKSV2Dlg;
    static constexpr const char* kProgram = "AquendorKSV2";
    static unitsim::Config unit() { return unitsim::Config{}; }
    static const controller::ParameterValueTable& table() { return softener::softenerValueTable(); }
    static std::vector<Edit> edits() {
        return {
            {"raw_water_hardness", Edit::Digits, "0123", "12,3", "Funktionen 1", "functions 1",
             "Rohwasserh\u00E4rte", "  8,4", " 12,3", "total water hardness", "  8,4", " 12,3"},
            {"hardness_unit", Edit::Button, "1", "f", "Funktionen 1", "functions 1",
             "H\u00E4rteeinheit", "\u00B0dH", "\u00B0f", "hardness unit", "\u00B0dH", "\u00B0f"},
            {"regeneration_delay", Edit::Box, "", "1", "Funktionen 1", "functions 1",
             "Regenerationsverz\u00F6gerung", "aus", "ein", "regeneration delay", "off", "on"},
            {"sms_extra_text", Edit::Text, "Halle 3", "Halle 3", "Funktionen 4", "functions 4",
             "Zus\u00E4tzlicher Text zur Alarm - SMS", "", "Halle 3",
             "additional text for alarm - sms", "", "Halle 3"},
        };
    }
};

struct Osmosis {
    using Window = CAquendorPLN2Dlg;
    static constexpr const char* kProgram = "AquendorPLN2";
    static unitsim::Config unit() { return testsupport::osmosisUnit(true); }
    static const controller::ParameterValueTable& table() { return osmosis::osmosisValueTable(); }
    static std::vector<Edit> edits() {
        return {
            {"compensation_factor", Edit::Digits, "215", "2,15", "Funktionen 2", "functions 2",
             "Komp.-Faktor", "2,00", "2,15", "comp. factor", "2,00", "2,15"},
            {"quality_flush", Edit::Box, "", "1", "Funktionen 1", "functions 1",
             "Qualit\u00E4ts-Sp\u00FClen", "aus", "ein", "quality flush", "off", "on"},
            {"pump_mode", Edit::Button, "3", "serial", "Funktionen 1", "functions 1", "Pumpe",
             "nur Pumpe 1", "Reihe", "pump", "only pump 1", "serial"},
            {"sms_extra_text", Edit::Text, "Halle 3", "Halle 3", "Funktionen 3", "functions 3",
             "Zus\u00E4tzlicher Text zur Alarm - SMS", "", "Halle 3",
             "additional text for alarm - sms", "", "Halle 3"},
        };
    }
};

template <typename Program>
class WriteReview : public testsupport::ControllerWindowTest<typename Program::Window> {
  protected:
    void SetUp() override { this->start(Program::unit(), Program::kProgram); }
    void restart(const std::string& commandLine) {
        this->window.reset();
        this->sim.reset();
        this->start(Program::unit(), commandLine);
    }
    void readUnit() {
        this->readyNullModem();
        this->click(this->ids().read);
        ASSERT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
        this->sim->clearReceived();
    }

    QWidget* pageOf(const controller::ValueSlot& slot) {
        const int page = slot.field ? slot.field->page : Program::table().layout->sms.page;
        this->window->showPage(page);
        return this->window->pageHost().page(page);
    }
    void make(const Edit& edit) {
        const std::vector<controller::ValueSlot> all = controller::valueSlots(Program::table());
        const controller::ValueSlot* slot = controller::slotNamed(all, edit.value);
        ASSERT_NE(slot, nullptr) << edit.value;
        QWidget* page = pageOf(*slot);
        switch (edit.kind) {
            case Edit::Digits: {
                auto* field = shell::controlAs<SPMaskEdit>(page, slot->field->control);
                field->setFocus();
                field->setCursorPosition(0);
                QTest::keyClicks(field, edit.input);
                break;
            }
            case Edit::Button:
                QTest::mouseClick(shell::controlAs<QAbstractButton>(
                                      page, slot->field->buttons.at(std::stoul(edit.input))),
                                  Qt::LeftButton);
                break;
            case Edit::Box:
                QTest::mouseClick(shell::controlAs<QAbstractButton>(page, slot->field->control),
                                  Qt::LeftButton);
                break;
            case Edit::Text: {
                const controller::SmsLayout& smsLayout = Program::table().layout->sms;
                auto* field = shell::controlAs<QLineEdit>(
                    page, controller::smsTextPlace(smsLayout, slot->text).control);
                field->clear();
                QTest::keyClicks(field, edit.input);
                break;
            }
        }
    }

    // Presses "schreiben"; the review dialog goes to look, then to press.
    void write(std::function<void(widgets::WriteReviewDlg&)> look, bool send) {
        this->messages.dialogHandlers.push_back([look, send](QDialog& dialog) {
            auto* review = qobject_cast<widgets::WriteReviewDlg*>(&dialog);
            ASSERT_NE(review, nullptr);
            look(*review);
            QTest::mouseClick(send ? review->sendButton() : review->cancelButton(), Qt::LeftButton);
        });
        this->click(this->ids().write);
        EXPECT_TRUE(this->messages.dialogHandlers.empty()) << "no review was shown";
    }

    std::vector<std::vector<QString>> rows(const widgets::WriteReviewDlg& review) {
        std::vector<std::vector<QString>> shown;
        const widgets::ChangesTable* table = review.table();
        for (int row = 0; row < table->rowCount(); ++row)
            shown.push_back({table->textAt(row, 0), table->textAt(row, 1), table->textAt(row, 2),
                             table->textAt(row, 3)});
        return shown;
    }

    std::size_t backups() const {
        const std::string folder = this->workFolder.path() + "/backup 123456";
        if (!std::filesystem::exists(folder)) return 0;
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }
};

using Programs = ::testing::Types<Softener, Osmosis>;
TYPED_TEST_SUITE(WriteReview, Programs);

TYPED_TEST(WriteReview, ListsExactlyTheChangedFieldsInBothLanguages) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "english" : "german");
        if (english) this->restart(std::string(TypeParam::kProgram) + " english");
        this->readUnit();
        const controller::UnitRecord before = this->window->parameterRecord();
        for (const Edit& edit : TypeParam::edits()) this->make(edit);

        std::vector<std::vector<QString>> expected;
        for (const Edit& edit : TypeParam::edits())
            expected.push_back({QString::fromUtf8(english ? edit.englishPage : edit.germanPage),
                                QString::fromUtf8(english ? edit.english : edit.german),
                                QString::fromUtf8(english ? edit.englishBefore : edit.germanBefore),
                                QString::fromUtf8(english ? edit.englishAfter : edit.germanAfter)});
        std::vector<std::vector<QString>> cancelled;
        this->write([&](widgets::WriteReviewDlg& review) { cancelled = this->rows(review); },
                    false);
        EXPECT_EQ(cancelled, expected);
        // "Abbrechen": nothing on the line, no backup.
        EXPECT_TRUE(this->sim->received().empty());
        EXPECT_EQ(this->backups(), 0u);
        EXPECT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();

        // "Senden" sends what the values set one by one give.
        controller::UnitRecord sent = before;
        for (const Edit& edit : TypeParam::edits())
            EXPECT_EQ(controller::setParameterValue(TypeParam::table(), sent, edit.value,
                                                    edit.setText, false),
                      "")
                << edit.value;
        std::vector<std::vector<QString>> accepted;
        this->write([&](widgets::WriteReviewDlg& review) { accepted = this->rows(review); }, true);
        EXPECT_EQ(accepted, expected);
        EXPECT_EQ(testsupport::lastDps(*this->sim),
                  devlink::frameRequest("DPS|" + sent.writeBody() + "|"));
        EXPECT_EQ(this->sim->parameterRecord(), sent.writeBody());
        EXPECT_EQ(this->backups(), 1u);
        std::filesystem::remove_all(this->workFolder.path() + "/backup 123456");
    }
}

TYPED_TEST(WriteReview, WithNothingChangedItSaysSoAndSendsTheRecordAsEver) {
    this->readUnit();
    const std::string before = this->sim->parameterRecord();
    QString summary;
    bool tableShown = true;
    this->write(
        [&](widgets::WriteReviewDlg& review) {
            summary = review.summary()->text();
            tableShown = review.table()->isVisible();
            EXPECT_EQ(review.table()->rowCount(), 0);
            EXPECT_EQ(review.sendButton()->text(), "Senden");
            EXPECT_EQ(review.cancelButton()->text(), "Abbrechen");
        },
        true);
    EXPECT_TRUE(summary.startsWith(QString::fromUtf8("Die Seiten enthalten keine \u00C4nderung")))
        << summary.toStdString();
    EXPECT_TRUE(summary.endsWith("Trotzdem senden?"));
    EXPECT_FALSE(tableShown);
    EXPECT_EQ(testsupport::lastDps(*this->sim), devlink::frameRequest("DPS|" + before + "|"));
}

// The box turns the review off for this operator in every start folder;
// the program's own configuration file never holds it; the menu turns it
// on again.
TYPED_TEST(WriteReview, TheOffSwitchHoldsAcrossARestartAndTheMenuTurnsItOn) {
    this->readUnit();
    QAction* item = this->window->writeReview().menuItem();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(this->window->windowMenu()->actions().contains(item));
    EXPECT_EQ(item->text(), QString::fromUtf8("\u00C4nderungen vor dem Schreiben anzeigen"));
    EXPECT_TRUE(item->isChecked());
    this->write(
        [](widgets::WriteReviewDlg& review) {
            EXPECT_EQ(review.dontShowBox()->text(), "Vor dem Schreiben nicht mehr anzeigen");
            QTest::mouseClick(review.dontShowBox(), Qt::LeftButton);
        },
        false);
    EXPECT_TRUE(this->sim->received().empty());  // "Abbrechen" still sends nothing
    EXPECT_FALSE(item->isChecked());

    this->restart(std::string(TypeParam::kProgram) + " english");
    this->readUnit();
    this->messages.dialogs.clear();
    this->click(this->ids().write);
    EXPECT_TRUE(this->messages.dialogs.empty());
    EXPECT_FALSE(testsupport::lastDps(*this->sim).empty());
    const std::string choices =
        this->userChoices.path() + "/aquendor/" + TypeParam::kProgram + ".conf";
    EXPECT_NE(testsupport::fileBytes(choices).find("reviewBeforeWrite=false"), std::string::npos);
    for (const auto& file : std::filesystem::directory_iterator(this->workFolder.path())) {
        if (!file.is_regular_file()) continue;
        EXPECT_EQ(testsupport::fileBytes(file.path().string()).find("review"), std::string::npos)
            << file.path();
    }

    QAction* english = this->window->writeReview().menuItem();
    EXPECT_EQ(english->text(), "show changes before writing");
    EXPECT_FALSE(english->isChecked());
    english->trigger();
    this->sim->clearReceived();
    this->write(
        [](widgets::WriteReviewDlg& review) {
            EXPECT_EQ(review.sendButton()->text(), "Send");
            EXPECT_EQ(review.cancelButton()->text(), "Cancel");
            EXPECT_EQ(review.dontShowBox()->text(), "don't show before writing");
        },
        false);
    EXPECT_TRUE(this->sim->received().empty());
}

}  // namespace
