#include "osmosis/osmosis_history_codes.h"

namespace osmosis {

namespace {

constexpr controller::CodeText kErrorTexts[] = {
    {1, "Spannungsausfall", "Power failure"},
    {2, "CD Permeat Max.", "CD Permeate Max"},
    {4, "CD Permeat Min.", "CD Permeate Min"},
    {8, "Temperatur Max", "Temperature Max"},
    {16, "Druck Max", "Pressure Max"},
    {32, "Wassermangel", "Low water pressure"},
    {64, "\u00DCberdruck", "Excess pressure"},
    {128, "Motorschutz", "Motor protect"},
    {256, "Konzentratmangel", "Concentrate flow"},
    {512, "CD Messbereich \u00FCberschritten", "Exceed range CD"},
    {1024, "\u00DCberlauf", "Tank overflow"},
    {2048, "Max. Q.-Sp\u00FClzeit", "Excess .Q-flush time"},
    {4096, "Frostgefahr", "Temperature low"},
    {8192, "Notversorgung", "Emergency Program/BP"},
    {16384, "SMS Fehler 1", "SMS Error 1"},
    {32768, "SMS Fehler 2", "SMS Error 2"},
    {65536, "SMS Fehler 3", "SMS Error 3"},
};

}  // namespace

const controller::CodeTable kOsmosisErrorCodes{kErrorTexts, "Kein Fehler", "no error"};

}  // namespace osmosis
