#include "softener/softener_history_codes.h"

namespace softener {

namespace {

constexpr controller::CodeText kStatusTexts[] = {
    {1, "autom. Regeneration Filter 1", "autom. regeneration filter 1"},
    {2, "autom. Regeneration Filter 2", "autom. regeneration filter 2"},
    {4, "autom. Regeneration Filter 3", "autom. regeneration filter 3"},
    {8, "man. Regeneration Filter 1", "man. regeneration filter 1"},
    {16, "man. Regeneration Filter 2", "man. regeneration filter 2"},
    {32, "man. Regeneration Filter 3", "man. regeneration filter 3"},
    {64, "ext. Regeneration Filter 1", "ext. regeneration filter 1"},
    {128, "ext. Regeneration Filter 2", "ext. regeneration filter 2"},
    {256, "ext. Regeneration Filter 3", "ext. regeneration filter 3"},
    {512, "man. Filterwechsel F1 -> F2", "man. filter change f1 -> f2"},
    {1024, "man. Filterwechsel F2 -> F1", "man. filter change f2 -> f1"},
};

constexpr controller::CodeText kErrorTexts[] = {
    {1, "Spannungsausfall", "Power failure"},
    {2, "Fehler Ventil/Filter 1 (SVC1)", "Error valve/filter 1 (SVC1)"},
    {4, "Fehler Ventil/Filter 2 (SVC2)", "Error valve/filter 2 (SVC2)"},
    {8, "Fehler K3300 (ALC1)", "Error K3300 (ALC1)"},
    {16, "Fehler K3300 (ALC2)", "Error K3300 (ALC2)"},
    {32, "Solemangel (Prog1)", "Chemicals/brine low (Prog1)"},
    {64, "Sole\u00FCberlauf (Prog2)", "Chemicals/brine overflow (Prog2)"},
    {128, "Reg.- Stop/Hold (Stop)", "Reg.- Stop/Hold (Stop)"},
    {256, "Fehler Desinfektion (keine Sole)", "Error disinfection (no brine)"},
    {512, "Saugzeit unterschritten", "Suction time under minimum"},
    {1024, "Min. Reg.-abstand unterschritten", "Fell below min. regeneration interval"},
    {2048, "Max. Anzahl Reg. erreicht", "Reached max. number of regenerations"},
    {4096, "Anlage \u00FCberfahren", "Overrun plant"},
    {8192, "Fehler H\u00E4rtemessung (0-20mA Eingang)",
     "Error hardness measurement (0-20mA input)"},
    {16384, "SMS Fehler 1", "SMS Error 1"},
    {32768, "SMS Fehler 2", "SMS Error 2"},
    {65536, "SMS Fehler 3", "SMS Error 3"},
};

}  // namespace

// Status texts are padded so that the withdrawal column lines up.
const controller::CodeTable kSoftenerStatusCodes{kStatusTexts, "Kein Status...", "no status...", 31,
                                                 30};
const controller::CodeTable kSoftenerErrorCodes{kErrorTexts, "Kein Fehler", "no error"};

}  // namespace softener
