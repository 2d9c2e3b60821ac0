// The measured value: the login and the RMV answer of a measuring unit that
// sends anything, and the display line for every unit variant.
#include <fuzzer/FuzzedDataProvider.h>

#include "devlink/login.h"
#include "measuring/measured_value.h"
#include "measuring/read_measured_value.h"
#include "support/fuzz_check.h"
#include "support/fuzz_measuring_ui.h"
#include "support/fuzz_port.h"

namespace {

// The display line: numbers with a point whatever the desktop's locale,
// no control characters, and valid UTF-8 for the label.
void checkLine(const std::string& line) {
    FUZZ_CHECK(line.find(',') == std::string::npos, "a measured value never has a comma");
    FUZZ_CHECK(line.find(" T= ") != std::string::npos, "the temperature part is there");
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        FUZZ_CHECK(c >= 0x20, "no control character on the display");
        if (c >= 0x80) {
            const std::size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
            FUZZ_CHECK(c >= 0xC2 && i + extra < line.size(), "valid UTF-8 on the display");
            for (std::size_t k = 1; k <= extra; ++k)
                FUZZ_CHECK((static_cast<unsigned char>(line[i + k]) & 0xC0) == 0x80,
                           "valid UTF-8 on the display");
            i += extra;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The answer alone, for every variant the window knows and one it does not.
    if (const auto measured = measuring::decodeMeasuredValue(bytes))
        for (char variant : {'0', '1', '2', '3', '4', '5', '6', '7'})
            checkLine(measuring::measuredValueText(variant, *measured));
    else
        FUZZ_CHECK(bytes.size() < 27, "an answer that holds both fields gives a value");

    // The whole reading against a unit that sends these bytes.
    fuzzing::FuzzPort port(bytes, "COM1");
    fuzzing::FuzzMeasuringUi ui;
    devlink::DeviceLink link(port, ui, devlink::LinkProfile{"Vantiqo", true});
    devlink::MeasuringLogin login;
    measuring::OperationContext context{link, login, ui};
    measuring::ReadMeasuredValue(context);
    FUZZ_CHECK(ui.status == "BEREIT", "the status field is at rest afterwards");
    FUZZ_CHECK(ui.measured.size() <= 1, "one reading shows at most one value");
    if (!ui.measured.empty()) {
        checkLine(ui.measured.front());
        FUZZ_CHECK(login.deviceType() != '0', "a value is shown only for a known device type");
        FUZZ_CHECK(port.written.find("RMV|") != std::string::npos, "a shown value was asked for");
    }
    return 0;
}
