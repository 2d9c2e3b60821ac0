// Logins of every kind of unit, the echo of garbled or unknown requests and
// the softener's status answer.
#include "devlink/fields.h"
#include "program_side.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

Config unitOf(UnitKind kind, int variant = 0) {
    Config config;
    config.kind = kind;
    config.variant = variant;
    return config;
}

}  // namespace

TEST_F(RunningUnit, ControllerLoginAnswersTheLevelOfItsOwnSerialNumberOnly) {
    start(unitOf(UnitKind::Osmosis));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
    sim->setLevel(1);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|1|0D"));
    sim->setLevel(0);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|0|0C"));
    EXPECT_EQ(ask("CSN|654321|"), withEnd("CSN|CF|65"));
    sim->setSerialNumber("654321");
    EXPECT_EQ(ask("CSN|654321|"), withEnd("CSN|0|0C"));
    EXPECT_EQ(ask("DHI|"), withEnd("DHI|51"));  // the softener's status history, unknown here
}

TEST_F(RunningUnit, MeasuringUnitVariantsPutTheVariantBeforeTheLevel) {
    start(unitOf(UnitKind::Measuring, 4));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|42|42"));
    EXPECT_EQ(ask("CSN|12345|"), withEnd("CSN|CF|65"));
    sim->setVariant(0);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}

TEST_F(RunningUnit, GarbledAndUnknownRequestsGetTheEchoOfTheirCommandWord) {
    start(unitOf(UnitKind::Softener));
    program->send(withEnd("DSI|5D"));
    EXPECT_EQ(program->read(), withEnd("DSI|5C"));
    program->send(withEnd("DSI|5c"));  // the unit's checksums are upper case
    EXPECT_EQ(program->read(), withEnd("DSI|5C"));
    EXPECT_EQ(ask("XYZ|"), withEnd("XYZ|87"));

    // A wrong checksum is never acted on, even for a known request.
    const std::string record = sim->parameterRecord();
    program->send(withEnd("DPS|" + std::string(404, '1') + "|00"));
    EXPECT_EQ(program->read(), withEnd("DPS|63"));
    EXPECT_EQ(sim->parameterRecord(), record);
}

TEST_F(RunningUnit, StatusAnswerCarriesTheAreaAndTheMeterInServiceRuns) {
    start(unitOf(UnitKind::Softener));
    const std::string first = ask("DSI|");
    ASSERT_EQ(first.size(), 4u + 190 + 1 + 2 + 1);
    EXPECT_EQ(first.substr(0, 4), "DSI|");
    EXPECT_TRUE(devlink::verifyAnswer(first.c_str()));
    const std::string area = first.substr(4, 190);
    EXPECT_NEAR(devlink::decodeFloat(area, 48), 8.4, 0.2);  // measured hardness
    const double capacity = devlink::decodeFloat(area, 8);
    EXPECT_GT(capacity, 0.0);
    EXPECT_LE(capacity, 250.0);

    usleep(50000);
    const std::string later = sim->statusArea();
    EXPECT_GT(devlink::decodeFloat(later, 72), devlink::decodeFloat(area, 72));  // meter 1
    // A one-filter plant has no second filter to count for.
    EXPECT_EQ(devlink::decodeFloat(later, 80), devlink::decodeFloat(area, 80));
}
