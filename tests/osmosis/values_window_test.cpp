// The reverse-osmosis values against its window: after a read the status
// page, the calibration factor on page 2 and every parameter page show
// exactly the texts of the values a program without a window decodes from
// the same status area and record, with the same masks and captions.
#include <gtest/gtest.h>

#include <utility>

#include "controller/status_values.h"
#include "devlink/fields.h"
#include "osmosis/parameter_values.h"
#include "osmosis/status_values.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"
#include "values_on_pages.h"

using namespace pln2::ids;

namespace {

const std::pair<int, const char*> kStatusFields[] = {
    {PlantStatusEdit, "plant_status"},       {ConductivityEdit, "conductivity"},
    {TemperatureEdit, "temperature"},        {PressureEdit, "pressure"},
    {PermeateEdit, "permeate_meter"},        {ConcentrateEdit, "concentrate_meter"},
    {OperationHoursEdit, "operation_hours"}, {LastAccessEdit, "last_access"},
};

}  // namespace

class Pln2Values : public testsupport::Pln2Window {
  protected:
    void readFlushing() {
        const std::string conductivity = devlink::encodeFloat(12.5);
        for (std::size_t i = 0; i < 8; i += 2)
            sim->overrideStatusByte(i, devlink::decodeByte(conductivity, i));
        sim->overrideStatusByte(96, 4);
        readUnit();
    }

    void expectWindowShowsValues(bool english) {
        const controller::UnitValues status = osmosis::statusValues(window->statusArea());
        for (const auto& [control, name] : kStatusFields)
            EXPECT_EQ(testsupport::widgetText(pageControl(0, control)),
                      controller::valueNamed(status, name).shown.in(english))
                << name;
        EXPECT_EQ(testsupport::widgetText(pageControl(2, CalibrationFactorEdit)),
                  controller::valueNamed(status, "calibration_factor").shown.german);
        EXPECT_EQ(window->infoPage()->lamps(), controller::lampBitsOf(status));
        testsupport::expectPagesShowValues(window->pageHost(), osmosis::osmosisValueTable(),
                                           window->parameterRecord(), english);
    }
};

TEST_F(Pln2Values, PagesShowTheValuesTexts) {
    readFlushing();
    EXPECT_EQ(testsupport::widgetText(pageControl(0, ConductivityEdit)), "0012,50");
    expectWindowShowsValues(false);
}

TEST_F(Pln2Values, PagesShowTheValuesEnglishTexts) {
    restart(testsupport::osmosisUnit(), "AquendorPLN2 english");
    readFlushing();
    expectWindowShowsValues(true);
}

TEST_F(Pln2Values, AShortFormUnitShowsWhatItHas) {
    restart(testsupport::osmosisUnit(false));
    readFlushing();
    expectWindowShowsValues(false);
}
