// What the tool reads before it talks to a unit: its command line, the
// round file a person writes, and the JSON it writes (never in the user's
// number format).
#include <gtest/gtest.h>

#include <clocale>

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/round_file.h"

using cli::parseOptions;

TEST(ToolOptions, WordsAnywhereAndBothSpellingsOfAValue) {
    const auto parsed = parseOptions({"params", "--kind=osmosis", "set", "--serial", "123456",
                                      "a=1", "--port", "tcp://gw:4001", "--baud=9600", "b=2"});
    ASSERT_EQ(parsed.error, "");
    const cli::Options& o = parsed.options;
    EXPECT_EQ(o.command, "params");
    EXPECT_EQ(o.args, (std::vector<std::string>{"set", "a=1", "b=2"}));
    EXPECT_EQ(o.kind, cli::UnitKind::Osmosis);
    EXPECT_EQ(o.port, "tcp://gw:4001");
    EXPECT_EQ(o.baud, 9600);
}

TEST(ToolOptions, WhatTheLineMayNotSay) {
    struct Case {
        std::vector<std::string> words;  // after "--english"
        bool withUnit;                   // "--serial 123456 --kind softener" first
        const char* error;               // a part of it
    };
    const Case cases[] = {
        {{"--serial", "123456", "status"}, false, "--kind"},
        {{"--serial", "12345", "--kind", "softener", "status"}, false, "6 digits"},
        {{"--serial", "12345a", "--kind", "softener", "status"}, false, "6 digits"},
        {{"--kind", "boiler", "status"}, false, "not \"boiler\""},
        {{"status", "now"}, true, "wrong arguments"},
        {{"params", "write"}, true, "wrong arguments"},
        {{"params", "set", "=1"}, true, "NAME=VALUE"},
        {{"params", "set", "stage_count"}, true, "NAME=VALUE"},
        {{"history", "all"}, true, "wrong arguments"},
        {{"logger", "read", "--csv", "x"}, true, "does not take --csv"},
        {{"status", "--out", "x"}, true, "does not take --out"},
        {{"logger", "clear", "--out", "x"}, true, "logger read only"},
        {{"watch", "--interval", "0"}, true, "--interval"},
        {{"watch", "--interval", "1,5"}, true, "--interval"},
        {{"--modem", "status"}, true, "--dial NUMBER or --location"},
        {{"--dial", "123", "--location", "Werk", "status"}, true, "not both"},
        {{"--dial", "0301234\r\nATZ", "status"}, true, "--dial"},
        {{"--dial", "01234567890123456789", "status"}, true, "--dial"},
        {{"--ini", "a.ini", "status"}, true, "--location"},
        {{"--port"}, true, "needs a value"},
        {{"--yes=1", "status"}, true, "takes no value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"--english"};
        if (c.withUnit) words.insert(words.end(), {"--serial", "123456", "--kind", "softener"});
        words.insert(words.end(), c.words.begin(), c.words.end());
        const auto parsed = parseOptions(words);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos)
            << c.words.front() << ": " << parsed.error;
    }
    // The round names its units in its file, and needs the folder.
    EXPECT_NE(parseOptions({"--english", "round", "r.txt"}).error.find("--dir"), std::string::npos);
    EXPECT_NE(parseOptions({"--english", "--serial", "123456", "round", "r.txt", "--dir", "d"})
                  .error.find("round file"),
              std::string::npos);
    EXPECT_EQ(parseOptions({"round", "r.txt", "--dir", "d", "--port", "COM2"}).error, "");
    // In German unless --english.
    EXPECT_EQ(parseOptions({"status"}).error, "--kind softener|osmosis|measuring fehlt");
}

TEST(ToolRoundFile, UnitsWithCommentsAndBothLineEnds) {
    const cli::RoundFile file = cli::parseRoundFile(
        "# name, port or dial number, serial, kind\r\n"
        "  Plant 7 , COM3 ,123456, softener\r\n"
        "\n"
        "Hospital RO,0301234567W12,234567,osmosis\n"
        "Dosing east,rfc2217://gw-3:4001,345678,measuring\n"
        "Cellar,/dev/ttyUSB1,456789,softener",
        true);
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.units.size(), 4u);
    EXPECT_EQ(file.units[0].name, "Plant 7");
    EXPECT_EQ(file.units[0].place, "COM3");
    EXPECT_FALSE(file.units[0].dialled);
    EXPECT_EQ(file.units[0].line, 2);
    EXPECT_TRUE(file.units[1].dialled);
    EXPECT_EQ(file.units[1].kind, cli::UnitKind::Osmosis);
    EXPECT_FALSE(file.units[2].dialled);
    EXPECT_EQ(file.units[3].place, "/dev/ttyUSB1");
}

TEST(ToolRoundFile, LinesItRefuses) {
    const std::pair<const char*, const char*> cases[] = {
        {"Plant 7, COM3, 123456", "line 1: name, port or dial number, serial, kind expected"},
        {"Plant 7, COM3, 12345, softener", "line 1: the serial number has 6 digits"},
        {"Plant 7, COM3, 123456, boiler", "line 1: kind softener"},
        {"#\n../up, COM3, 123456, softener", "line 2: \"../up\" cannot name a folder"},
        {"a/b, COM3, 123456, softener", "cannot name a folder"},
        {"Plant, 030-1234, 123456, softener", "neither a port nor a dial number"},
        {"Plant, COM3, 123456, softener\nPlant, COM4, 234567, osmosis",
         "line 2: \"Plant\" is named in line 1 already"},
        {"# nothing\n\n", "the round file names no unit"},
    };
    for (const auto& [text, error] : cases) {
        const cli::RoundFile file = cli::parseRoundFile(text, true);
        EXPECT_NE(file.error.find(error), std::string::npos) << text << ": " << file.error;
    }
}

TEST(ToolJson, StringsEscapedAndNumbersNeverInTheLocalesFormat) {
    // A German desktop writes "8,4"; the tool's JSON never does.
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    cli::JsonWriter json;
    json.beginObject()
        .field("text", "a \"b\"\\\n\x01 \u00B0dH")
        .key("hardness")
        .number(8.4, 1)
        .key("zero")
        .number(-0.0001, 2)
        .key("shortest")
        .number(0.1)
        .key("list")
        .beginArray()
        .integer(-3)
        .boolean(true)
        .null()
        .endArray()
        .endObject();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(json.text(),
              "{\"text\":\"a \\\"b\\\"\\\\\\n\\u0001 \u00B0dH\",\"hardness\":8.4,\"zero\":0.00,"
              "\"shortest\":0.1,\"list\":[-3,true,null]}");
}
