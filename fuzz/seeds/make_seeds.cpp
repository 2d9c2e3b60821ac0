// Writes the seed inputs of the fuzz targets into corpus/<target>/: the
// answers the unit simulator gives (the same the tests run against), the
// faults it can play, and files as the tests write them, each laid out as
// its target takes its input apart.
//
//   fuzz_seeds fuzz/corpus
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "devlink/telegram.h"
#include "osmosis/osmosis_settings.h"
#include "softener/softener_settings.h"
#include "tools/unitsim/answer_faults.h"
#include "tools/unitsim/unit.h"

namespace {

namespace fs = std::filesystem;

fs::path corpus;

void seed(const std::string& target, const std::string& name, const std::string& bytes) {
    const fs::path folder = corpus / target;
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// A string as FuzzedDataProvider::ConsumeRandomLengthString reads it: each
// backslash doubled, ended by a backslash and another character.
std::string lengthString(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\\') out += '\\';
    }
    return out + "\\ ";
}

// Integral choices are taken from the end of the input, the first from the
// last byte: `taken` lists them in the order the target takes them.
std::string withChoices(std::string front, const std::vector<unsigned char>& taken) {
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) front += static_cast<char>(*it);
    return front;
}

class Ask {
  public:
    explicit Ask(unitsim::Config config) : unit_(config) {}
    std::string operator()(const std::string& request) {
        const auto reply = unit_.answer(devlink::frameRequest(request));
        return reply ? unitsim::frameReply(*reply) : std::string();
    }
    unitsim::Unit& unit() { return unit_; }

  private:
    unitsim::Unit unit_;
};

unitsim::Config softenerUnit(bool longForm, bool twoParts) {
    unitsim::Config config;
    config.kind = unitsim::UnitKind::Softener;
    config.longForm = longForm;
    config.twoPartDpi = twoParts;
    config.twoPartDhi = twoParts;
    config.timeScale = 0;
    return config;
}

const std::string kLoginReadWrite = "CSN|2|0E\x04";

// The factory setting's value lines of a program, each ended by `end`.
std::string factoryLines(const char* end, const controller::SettingsProfile& profile =
                                              softener::softenerSettingsProfile()) {
    std::string lines;
    for (const auto& value : profile.values) lines += value.factory + end;
    return lines;
}

void deviceLinkSeeds() {
    Ask unit(softenerUnit(true, false));
    const std::string status = unit("DSI|"), parameters = unit("DPI|");
    const std::string echo = devlink::checksumEcho("DSI");
    const std::string overlong = unitsim::overlongAnswer("DSI");
    seed("answer_reader_fuzz", "status", '\0' + status);
    seed("answer_reader_fuzz", "status_and_parameters", '\x02' + status + parameters);
    seed("answer_reader_fuzz", "exchange", '\x10' + status + echo);
    seed("answer_reader_fuzz", "echo_measuring", '\x04' + echo);
    seed("answer_reader_fuzz", "overlong", '\x0A' + overlong);
    seed("answer_reader_fuzz", "cut_short", '\x01' + status.substr(0, 100));

    for (const char* answer : {"CSN|2|0E\x04", "CSN|1|0D\x04", "CSN|0|0C\x04", "CSN|CF|65\x04"}) {
        const std::string level(answer + 4, answer[5] == '|' ? 1 : 2);
        const std::string name = "level" + level;
        seed("controller_login_fuzz", name + "_read", withChoices(answer, {0x00}));
        seed("controller_login_fuzz", name + "_write_interval", withChoices(answer, {0x0A}));
    }
    seed("controller_login_fuzz", "echo", withChoices(devlink::checksumEcho("CSN"), {0x10}));
    seed("controller_login_fuzz", "typed_serial",
         withChoices("12a456" + kLoginReadWrite, {0x04, 6}));

    for (int variant = 0; variant <= 6; ++variant) {
        for (int level = 0; level <= 2; ++level) {
            unitsim::Config config;
            config.kind = unitsim::UnitKind::Measuring;
            config.variant = variant;
            config.level = level;
            Ask measuring(config);
            const std::string answer = measuring("CSN|123456|");
            seed("measuring_login_fuzz",
                 "variant" + std::to_string(variant) + "_level" + std::to_string(level),
                 withChoices(answer + answer, {static_cast<unsigned char>(level << 3)}));
        }
    }
    seed("measuring_login_fuzz", "wrong_serial", withChoices("CSN|CF|65\x04", {0x00}));

    // Steps: 0 wait for CONNECT, 1 wait for OK, 2 dial up, 3 hang up.
    const auto steps = [](std::string stepBytes, const std::string& line) {
        const auto count = static_cast<unsigned char>(stepBytes.size() - 1);
        return withChoices(stepBytes + line, {count});
    };
    seed("modem_waits_fuzz", "connect", steps(std::string(1, '\0'), "CONNECT\r\n"));
    seed("modem_waits_fuzz", "no_carrier", steps(std::string(1, '\0'), "NO CARRIER\r\n"));
    seed("modem_waits_fuzz", "connect_speed", steps(std::string(1, '\0'), "CONNECT 19200\r\n"));
    seed("modem_waits_fuzz", "busy", steps(std::string(1, '\0'), "BUSY\r\n"));
    seed("modem_waits_fuzz", "echo_then_connect",
         steps(std::string(1, '\x02'), "ATD0123456789\r\r\nCONNECT\r\n"));
    seed("modem_waits_fuzz", "dial_and_hang_up",
         steps(std::string("\x02\x03", 2), "CONNECT\r\nOK\r\nOK\r\n"));
    seed("modem_waits_fuzz", "hang_up_no_carrier",
         steps(std::string("\x03", 1), "\r\nNO CARRIER\r\nOK\r\n"));
    seed("modem_waits_fuzz", "ok_waits", steps(std::string("\x01\x01", 2), "OK\r\nNO C"));
}

void softenerSeeds() {
    for (int plantType : {1, 2, 4, 8}) {
        auto config = softenerUnit(true, false);
        config.plantType = plantType;
        Ask unit(config);
        unit.unit().softener();
        seed("softener_status_fuzz", "plant" + std::to_string(plantType), unit("DSI|"));
    }
    for (bool longForm : {false, true}) {
        for (bool twoParts : {false, true}) {
            Ask unit(softenerUnit(longForm, twoParts));
            const std::string first = unit("DPI|"), second = twoParts ? unit("DPI|") : "";
            const std::string name =
                std::string(longForm ? "long" : "short") + (twoParts ? "_two_parts" : "");
            seed("softener_parameters_fuzz", name,
                 withChoices(lengthString(first) + lengthString(second) + factoryLines("\n"), {0}));

            const std::string status = unit("DHI|"), status2 = twoParts ? unit("DHI|") : "";
            const std::string errors = unit("DEI|");
            seed("history_fuzz", name,
                 withChoices(lengthString(status) + lengthString(status2) + errors,
                             {static_cast<unsigned char>(longForm ? 2 : 0)}));
        }
    }
    seed("history_fuzz", "written_english",
         withChoices(lengthString(Ask(softenerUnit(true, false))("DHI|")) + lengthString("") +
                         Ask(softenerUnit(true, false))("DEI|"),
                     {7}));
}

unitsim::Config osmosisUnit(bool longForm, bool twoParts) {
    unitsim::Config config = softenerUnit(longForm, twoParts);
    config.kind = unitsim::UnitKind::Osmosis;
    return config;
}

void osmosisSeeds() {
    const std::string factory = factoryLines("\n", osmosis::osmosisSettingsProfile());
    for (bool longForm : {false, true}) {
        for (bool twoParts : {false, true}) {
            Ask unit(osmosisUnit(longForm, twoParts));
            const std::string status = unit("DSI|");
            const std::string first = unit("DPI|"), second = twoParts ? unit("DPI|") : "";
            const std::string name =
                std::string(longForm ? "long" : "short") + (twoParts ? "_two_parts" : "");
            seed("osmosis_records_fuzz", name,
                 withChoices(
                     lengthString(status) + lengthString(first) + lengthString(second) + factory,
                     {0}));
            // The error history only: no status history answers before it.
            seed("osmosis_history_fuzz", name,
                 withChoices(lengthString("") + lengthString("") + unit("DEI|"),
                             {static_cast<unsigned char>(longForm ? 6 : 5)}));
        }
    }
}

void measuringSeeds() {
    for (int variant = 1; variant <= 6; ++variant) {
        unitsim::Config config;
        config.kind = unitsim::UnitKind::Measuring;
        config.variant = variant;
        Ask unit(config);
        seed("measured_value_fuzz", "variant" + std::to_string(variant),
             unit("CSN|123456|") + unit("RMV|"));
    }
    for (std::size_t records : {1u, 15u, 16u, 40u}) {
        unitsim::Config config;
        config.kind = unitsim::UnitKind::Measuring;
        config.variant = 2;
        config.loggerRecords = records;
        Ask unit(config);
        std::string line = unit("CSN|123456|") + unit("DFL|");
        for (int block = 0; block < 8; ++block) {
            const std::string answer = unit("DFI|");
            line += answer;
            if (answer.empty() || answer[0] != ' ') break;
        }
        const std::string record(unit.unit().measuring().logger().data().substr(0, 32));
        seed("logger_fuzz", "records" + std::to_string(records), withChoices(record + line, {0}));
        seed("logger_fuzz", "clear" + std::to_string(records),
             withChoices(record + unit("CSN|123456|") + unit("DFL|") + unit("CLM|"), {0x80}));
    }
    seed("csv_reader_fuzz", "written",
         "00001  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07\r\n"
         "00002  ,  -000001.50  ,  -1.0  ,  31.12.99 , 23:59\r\n");
    seed("csv_reader_fuzz", "edited",
         "00017,1.25,20.5,3.6.9,14:7\n\n00099  ,  kaputt  ,  20.0  ,  03.06.09 , 14:22\n");
}

// The settings store and setting-file seeds of a program; `prefix` names
// its targets.
void storeSeeds(const std::string& prefix, const controller::SettingsProfile& profile,
                const std::string& header) {
    // A store with one set, from the factory values.
    const std::string set = factoryLines("\r\n", profile);
    // Steps: operation 0 apply, 1 save, 2 delete, 3 export, 4 import; then
    // the name, the answer and whether the name is picked from the list.
    const auto storeSeed = [&](const std::string& store, int operation, const std::string& name) {
        return withChoices(lengthString(store) + lengthString(set) + lengthString(header + set) +
                               lengthString(name),
                           {0, static_cast<unsigned char>(operation), 1, 0});
    };
    seed(prefix + "settings_store_fuzz", "save", storeSeed(header, 1, "Winter"));
    seed(prefix + "settings_store_fuzz", "save_second",
         storeSeed(header + "Sommer\r\n" + set, 1, "Winter"));
    seed(prefix + "settings_store_fuzz", "delete",
         storeSeed(header + "Sommer\r\n" + set, 2, "Sommer"));
    seed(prefix + "settings_store_fuzz", "apply",
         storeSeed(header + "Sommer\r\n" + set, 0, "Sommer"));
    // "Winter" cut off after its first value: kept in a copy, cut back.
    seed(prefix + "settings_store_fuzz", "damaged",
         storeSeed(header + "Sommer\r\n" + set + "Winter\r\n1\r\n", 1, "Herbst"));
    seed(prefix + "settings_store_fuzz", "export", storeSeed(header, 3, ""));
    seed(prefix + "settings_store_fuzz", "import", storeSeed(header, 4, ""));
    seed(prefix + "setting_file_fuzz", "factory_start", header + set);
    seed(prefix + "setting_file_fuzz", "linux_editor",
         "//never edit this file !//\n" + factoryLines("\n", profile));
    // Cut short and padded with empty lines to the full count.
    seed(prefix + "setting_file_fuzz", "padded",
         header + set.substr(0, set.size() / 2) + std::string(profile.values.size(), '\n'));
}

void fileSeeds() {
    const std::string header = "//never edit this file !//\r\n";
    const std::string config =
        header + "COM3\r\nWerk Nord|07111234\r\nAm See|0899\r\n0170111\r\n0170222\r\n";
    // Steps: operation 0 find, 1 add location, 2 remove location, 3 add SMS,
    // 4 remove SMS, 5 store the port; then the text, the number and the answer.
    const auto configSeed = [&](const std::string& file, int operation, const std::string& text,
                                const std::string& number, unsigned char setup) {
        return withChoices(
            (setup & 2 ? "" : lengthString(file)) + lengthString(text) + lengthString(number),
            {setup, static_cast<unsigned char>(operation), 1});
    };
    seed("config_file_fuzz", "add_location", configSeed(config, 1, "Neu", "0123", 0));
    seed("config_file_fuzz", "remove_location", configSeed(config, 2, "Am See", "", 0));
    seed("config_file_fuzz", "add_sms", configSeed(config, 3, "", "0170333", 1));
    seed("config_file_fuzz", "remove_sms", configSeed(config, 4, "", "0170111", 0));
    seed("config_file_fuzz", "store_port", configSeed(config, 5, "\x05", "", 0));
    seed("config_file_fuzz", "find", configSeed(config, 0, "a", "", 0));
    seed("config_file_fuzz", "linux_editor",
         configSeed("//never edit this file !//\nCOM1\nA|1\n", 1, "B", "2", 0));
    seed("config_file_fuzz", "missing", configSeed("", 1, "Werk", "0711", 2));

    storeSeeds("", softener::softenerSettingsProfile(), header);
    storeSeeds("osmosis_", osmosis::osmosisSettingsProfile(), header);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <corpus folder>\n";
        return 2;
    }
    corpus = argv[1];
    deviceLinkSeeds();
    softenerSeeds();
    osmosisSeeds();
    measuringSeeds();
    fileSeeds();
    return 0;
}
