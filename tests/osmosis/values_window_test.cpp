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
#include "values_on_pages.h"

namespace {

const std::pair<int, const char*> kStatusFields[] = {
    {1041, "plant_status"},    {1042, "conductivity"},   {1043, "temperature"},
    {1044, "pressure"},        {1199, "permeate_meter"}, {1200, "concentrate_meter"},
    {1049, "operation_hours"}, {1048, "last_access"},
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
        EXPECT_EQ(testsupport::widgetText(pageControl(2, 1150)),
                  controller::valueNamed(status, "calibration_factor").shown.german);
        EXPECT_EQ(window->infoPage()->lamps(), controller::lampBitsOf(status));
        testsupport::expectPagesShowValues(window->pageHost(), osmosis::osmosisValueTable(),
                                           window->parameterRecord(), english);
    }
};

TEST_F(Pln2Values, PagesShowTheValuesTexts) {
    readFlushing();
    EXPECT_EQ(testsupport::widgetText(pageControl(0, 1042)), "0012,50");
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
