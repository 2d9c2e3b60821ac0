// The softener's values against its window: after a read the status page
// and every parameter page show exactly the texts of the values a program
// without a window decodes from the same status area and record, with the
// same masks and captions, in German and in English.
#include <gtest/gtest.h>

#include <utility>

#include "controller/status_values.h"
#include "devlink/fields.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_values.h"
#include "softener/status_values.h"
#include "values_on_pages.h"

using namespace ksv2::ids;

namespace {

// The status page's fields and the values they show.
const std::pair<int, const char*> kStatusFields[] = {
    {PlantStatusEdit, "plant_status"},     {ResidualCapacityEdit, "residual_capacity"},
    {HardnessEdit, "total_hardness"},      {RegenerationStageEdit, "regeneration_stage"},
    {RemainingTimeEdit, "remaining_time"}, {WaterMeter1Edit, "water_meter_1"},
    {WaterMeter2Edit, "water_meter_2"},    {OperationHoursEdit, "operation_hours"},
    {LastAccessEdit, "last_access"},
};

}  // namespace

class Ksv2Values : public testsupport::Ksv2Window {
  protected:
    void readFilterTwoRegenerating() {
        sim->setTimeScale(0);
        std::string record = sim->parameterRecord();
        devlink::putField(record, 108, "02");  // change-over plant
        devlink::putField(record, 114, "01");  // °f
        sim->setParameterRecord(record);
        sim->overrideStatusByte(176, 4);  // filter 2 in stage 4
        sim->overrideStatusByte(178, 9);  // for 9 more minutes
        readyNullModem();
        click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }

    void expectWindowShowsValues(bool english) {
        const controller::UnitValues status = softener::statusValues(
            window->statusArea(), window->parameterRecord(),
            shell::controlAs<QAbstractButton>(window->func1Page(), CalcCapacityCheck)->isChecked());
        for (const auto& [control, name] : kStatusFields)
            EXPECT_EQ(testsupport::widgetText(shell::control(window->infoPage(), control)),
                      controller::valueNamed(status, name).shown.in(english))
                << name;
        EXPECT_EQ(window->infoPage()->lamps(), controller::lampBitsOf(status));
        testsupport::expectPagesShowValues(window->pageHost(), softener::softenerValueTable(),
                                           window->parameterRecord(), english);
    }
};

TEST_F(Ksv2Values, PagesShowTheValuesTexts) {
    readFilterTwoRegenerating();
    EXPECT_EQ(testsupport::widgetText(shell::control(window->infoPage(), PlantStatusEdit)),
              "F1 Betrieb, F2 Regeneration");
    expectWindowShowsValues(false);
}

class Ksv2EnglishValues : public Ksv2Values {
  protected:
    void SetUp() override { start(unitsim::Config{}, "/usr/local/english/bin/AquendorKSV2"); }
};

TEST_F(Ksv2EnglishValues, PagesShowTheValuesEnglishTexts) {
    readFilterTwoRegenerating();
    EXPECT_EQ(testsupport::widgetText(shell::control(window->infoPage(), PlantStatusEdit)),
              "F1 Service, F2 Regeneration");
    expectWindowShowsValues(true);
}
