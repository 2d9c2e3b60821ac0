"""Layouts of the reverse-osmosis program's main window, pages and about box."""

from controller_parts import (COL_W, LEFT, PAGE_H, PAGE_W, RIGHT, RIGHT_W, about_box,
                              alarm_sms_page, caption_rows, contact_radios, controller_window,
                              lamp_captions, language_group)
from uigen_lib import Column, Template

MASK_HEADER = {"SPMaskEdit": "widgets/sp_mask_edit.h"}

def main_window():
    ids = {"serial": 1000, "comLabel": None, "com": 1006, "statusGroup": 1003, "status": 1007,
           "connection": 1018, "modem": 1020, "nullModem": 1021, "baudGroup": 1218,
           "baud9600": 1219, "baud19200": 1220, "dialGroup": 1008, "dial": 1011, "connect": 1009,
           "disconnect": 1010, "serialGroup": 1012, "serialNumber": 1013, "locationGroup": 1014,
           "location": 1015, "saveLocation": 1016, "deleteLocation": 1017, "exit": 1019,
           "activeWindow": 1001, "placeholder": 1005, "settingsGroup": 1002, "interval": 1221,
           "read": 1022, "write": 1023, "settings": 1208, "saveSetting": 1209,
           "deleteSetting": 1210, "export": 1211, "import": 1212, "functions": 1004}
    pages = [(1037, "infoPageRadio", "Info", 66), (1038, "func1PageRadio", "Funktionen 1", 120),
             (1039, "func2PageRadio", "Funktionen 2", 120),
             (1217, "func3PageRadio", "Funktionen 3", 120)]
    commands = [(1024, "quitErrorButton", "Fehler quittieren"),
                (1025, "resetButton", "PLN zur\u00FCcksetzen"),
                (1027, "runStopButton", "Start / Stop"),
                (1028, "flushButton", "Sp\u00FClen"),
                (1213, "setClockButton", "Uhr stellen")]
    histories = [(1031, "errorHistoryGroup", "Fehlerhistorie", 1032, "errorHistoryButton")]
    return controller_window("AquendorPLN2Dlg", "Aquendor\u00AE PLN2", ids, pages, commands,
                             histories)


def about():
    return about_box("Pln2AboutDlg", "Info \u00FCber Aquendor\u00AE PLN2",
                     "Aquendor\u00AE PLN2 Version 1.2")


def value_row(c, y, label, field, unit, x=10, field_x=150, width=40):
    """A caption, a masked field and its unit, one line of a group. Each
    item is (number, name, text); numbers may be None."""
    c.label(label[0], label[1], label[2], x, y + 2, field_x - x - 4)
    c.mask(field[0], field[1], field_x, y, width)
    if unit:
        c.label(unit[0], unit[1], unit[2], field_x + width + 6, y + 2, 56)


def on_row(c, y, label, check, x=10, check_x=150):
    """A caption and the check box "Ein" behind it."""
    c.label(label[0], label[1], label[2], x, y + 2, check_x - x - 4)
    c.check(check[0], check[1], "Ein", check_x, y + 2, 60)


def info_page():
    t = Template("Pln2ChildDlgInfo", PAGE_W, PAGE_H)
    # The template gives these captions no numbers; these are the page's own.
    rows = [(1050, "plantStatusLabel", "Anlagenstatus:"),
            (1051, "conductivityLabel", "Leitf\u00E4higkeit:"),
            (1053, "temperatureLabel", "Temperatur:"),
            (1054, "pressureLabel", "Druck:"),
            (1055, "permeateLabel", "Permeat (WM 1)"),
            (1056, "concentrateLabel", "Konzentrat (WM 2)")]
    caption_rows(t, rows, 160)
    FX = 172
    t.edit(1041, "plantStatusEdit", FX, 10, PAGE_W - FX - 10, readonly=True)
    fields = [(1042, "conductivityEdit", 80, "\u00B5S/cm"), (1043, "temperatureEdit", 30, "\u00B0C"),
              (1044, "pressureEdit", 30, "bar"), (1199, "permeateEdit", 90, "m\u00B3"),
              (1200, "concentrateEdit", 90, "m\u00B3")]
    for i, (cid, name, w, unit) in enumerate(fields):
        t.mask(cid, name, FX, 38 + 28 * i, w)
        t.static(unit, FX + w + 6, 40 + 28 * i, 50)
    t.label(1057, "operationHoursLabel", "Betriebsstunden:", 330, 96, 150)
    t.edit(1049, "operationHoursEdit", 330, 116, 149, readonly=True)
    t.label(1058, "lastAccessLabel", "letzter Zugriff:", 330, 148, 150)
    t.edit(1048, "lastAccessEdit", 330, 168, 149, readonly=True, text="XX.XX.XX XX:XX")

    # Lamp captions; the page paints the lamps themselves at fixed pixels.
    lamp_captions(t, ["IV", "PU", "PV", "FV", "BP", "", "CD max.", ""], 220, 50)
    t.label(1046, "inputsLabel", "Eing\u00E4nge:", 4, 283, 68)
    lamp_captions(t, ["HP", "LP", "CO", "HL", "LL", "MP", "Stop", "Prog"], 285, 75)
    t.label(1047, "outputsLabel", "Ausg\u00E4nge:", 4, 348, 68)
    lamp_captions(t, ["PU1", "PU2", "IV", "PV", "FV", "BP", "PR", "AL"], 350, 75)
    t.label(None, "dropPictogram", "", 290, 240, 38, 18)
    t.label(None, "tapPictogram", "", 394, 240, 38, 18)
    return t


def contact_group(c, y, group, ids, names, height):
    c.group(group[0], group[1], group[2], 0, y, RIGHT_W, height)
    contact_radios(c, y + 18, 10, ids, names)


def delay_row(c, y, ids, names):
    """"Verzögerung", the seconds field and "Sek."."""
    value_row(c, y, (ids[0], names + "DelayLabel", "Verz\u00F6gerung"),
              (ids[1], names + "DelayEdit"), (ids[2], names + "SecondsLabel", "Sek.")
              if ids[2] else None, field_x=120, width=30)


def func1_page():
    t = Template("Pln2ChildDlgFunc1", PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    c.group(1056, "flushGroup", "Sp\u00FClen", 0, 2, W, 232)
    c.label(1061, "flushingModeLabel", "Sp\u00FClart", 10, 20, 200)
    c.check(1057, "withPump1Check", "Mit PU 1", 20, 40, 100)
    c.check(1058, "withPump2Check", "Mit PU 2", 124, 40, 106)
    c.check(1059, "withOutletValveCheck", "Mit Ausgangsventil", 20, 60, 210)
    c.check(1060, "withInletValveCheck", "Mit Eingangsventil", 20, 80, 210)
    value_row(c, 102, (1062, "flushDurationLabel", "Dauer"), (1063, "flushDurationEdit"),
              (1069, "flushMinutesLabel", "Min."), width=30)
    c.label(1064, "intervalFlushLabel", "Intervall Sp\u00FClen", 10, 126, 200)
    value_row(c, 144, (1065, "intervalDurationLabel", "Dauer"), (1066, "intervalDurationEdit"),
              (1070, "intervalMinutesLabel", "Min."), x=20, width=30)
    value_row(c, 166, (1067, "intervalLabel", "Intervall"), (1068, "intervalEdit"),
              (1072, "intervalHoursLabel", "Std."), x=20, width=40)
    on_row(c, 190, (1073, "qualityFlushLabel", "Qualit\u00E4ts-Sp\u00FClen"),
           (1074, "qualityFlushCheck"))
    value_row(c, 208, (1075, "qualityDurationLabel", "Dauer"), (1076, "qualityDurationEdit"),
              (1077, "qualityMinutesLabel", "Min."), x=20, width=30)
    c.group(1078, "pumpGroup", "Pumpe", 0, 236, W, 100)
    pumps = [(1079, "onlyPump1Radio", "nur Pumpe 1"), (1080, "onlyPump2Radio", "nur Pumpe 2"),
             (1081, "alternateRadio", "Wechsel"), (1082, "serialRadio", "Reihe")]
    for i, (cid, name, text) in enumerate(pumps):
        c.radio(cid, name, text, 10 + 112 * (i % 2), 252 + 20 * (i // 2), 110, "pumpButtons")
    value_row(c, 292, (1083, "delayPump1Label", "Verz\u00F6gerung Pumpe 1"),
              (1084, "delayPump1Edit"), (1109, "delayPump1SecondsLabel", "Sek."), width=30)
    value_row(c, 314, (1085, "delayPump2Label", "Verz\u00F6gerung Pumpe 2"),
              (1086, "delayPump2Edit"), (1110, "delayPump2SecondsLabel", "Sek."), width=30)
    c.group(1087, "pressureInputGroup", "Druckeingang", 0, 338, W, 42)
    value_row(c, 354, (1088, "maxPressureLabel", "Maximaler Druck"), (1089, "maxPressureEdit"),
              (1052, "barLabel", "bar"), width=30)
    c.group(1127, "relayGroup", "PR", 0, 382, W, 56)
    relay = [(1128, "relayConductivityCheck", "CD1 max."), (1129, "relayTankEmptyCheck", "Tank leer"),
             (1130, "relayProductionCheck", "Betrieb"), (1131, "relayStandbyCheck", "Stop/Standby")]
    for i, (cid, name, text) in enumerate(relay):
        c.check(cid, name, text, 10 + 112 * (i % 2), 398 + 18 * (i // 2), 110)

    r = Column(t, RIGHT)
    contact_group(r, 2, (1090, "lowPressureGroup", "Wassermangel"), (1091, 1092), "lowPressure",
                  88)
    delay_row(r, 40, (1093, 1094, 1112), "lowPressure")
    value_row(r, 62, (1095, "restartLabel", "Einschaltwiederholung"), (1096, "restartEdit"),
              (1113, "restartTimesLabel", "X"), field_x=150, width=24)
    contact_group(r, 92, (1097, "motorGroup", "Motorschutz"), (1098, 1099), "motor", 42)
    contact_group(r, 136, (1100, "excessPressureGroup", "\u00DCberdruck"), (1101, 1102),
                  "excessPressure", 64)
    delay_row(r, 174, (1103, 1104, 1114), "excessPressure")
    contact_group(r, 202, (1105, "concentrateGroup", "Konzentratmangel"), (1106, 1107),
                  "concentrate", 86)
    delay_row(r, 240, (1108, 1111, None), "concentrate")
    on_row(r, 262, (1115, "concentrateSwitchOffLabel", "Abschaltung"),
           (1202, "concentrateSwitchOffCheck"), check_x=120)
    contact_group(r, 290, (1117, "stopGroup", "STOP"), (1118, 1119), "stopInput", 64)
    delay_row(r, 328, (1120, 1121, None), "stopInput")
    contact_group(r, 356, (1122, "progGroup", "PROG"), (1123, 1124), "progInput", 82)
    r.radio(1203, "emergencyProgramRadio", "Notversorgung BP", 10, 394, 200, "progFunctionButtons")
    r.radio(1204, "tankOverflowRadio", "\u00DCberlauf", 10, 414, 200, "progFunctionButtons")
    return t


def func2_page():
    t = Template("Pln2ChildDlgFunc2", PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    FX = 124
    c.group(1045, "conductivityGroup", "Leitf\u00E4higkeit", 0, 2, W, 186)
    value_row(c, 20, (1132, "cellConstantLabel", "Zellkonstante"), (1133, "cellConstantEdit"),
              (1134, "cellConstantUnitLabel", "1/cm"), field_x=FX, width=44)
    value_row(c, 44, (1135, "maxLimitLabel", "Maximal GW"), (1136, "maxLimitEdit"),
              (1137, "maxLimitUnitLabel", "\u00B5S/cm"), field_x=FX, width=56)
    value_row(c, 68, (1138, "maxDelayLabel", "Verz\u00F6gerung"), (1139, "maxDelayEdit"),
              (1144, "maxDelayMinutesLabel", "Min."), field_x=FX, width=30)
    on_row(c, 92, (1140, "maxSwitchOffLabel", "Abschalten"), (1141, "maxSwitchOffCheck"),
           check_x=FX)
    value_row(c, 116, (1142, "minLimitLabel", "Minimum GW"), (1143, "minLimitEdit"),
              (1145, "minLimitUnitLabel", "\u00B5S/cm"), field_x=FX, width=56)
    value_row(c, 140, (1146, "minDelayLabel", "Verz\u00F6gerung"), (1147, "minDelayEdit"),
              (1148, "minDelaySecondsLabel", "Sek."), field_x=FX, width=30)
    on_row(c, 164, (1149, "minSwitchOffLabel", "Abschalten"), (1151, "minSwitchOffCheck"),
           check_x=FX)
    c.group(1152, "calibrationGroup", "Kalibrierung", 0, 192, W, 70)
    value_row(c, 210, (1153, "calibrationFactorLabel", "Kalibrierfaktor"),
              (1150, "calibrationFactorEdit"), None, field_x=FX, width=64)
    value_row(c, 234, (1155, "zeroPointLabel", "Nullpunkt"), (1156, "zeroPointEdit"),
              (1157, "zeroPointUnitLabel", "\u00B5S/cm"), field_x=FX, width=40)
    c.group(1158, "interfaceGroup", "Schnittstelle", 0, 266, W, 46)
    c.label(1159, "interfaceLabel", "CD", 10, 286, 30)
    c.radio(1160, "interface020Radio", "0 - 20mA", 44, 286, 90, "interfaceButtons")
    c.radio(1161, "interface420Radio", "4 - 20mA", 138, 286, 90, "interfaceButtons")
    # Dutch before Polish, unlike the softener.
    language_group(c, 1254, 316, 98,
                   [(1255, "german", "deutsch"), (1256, "english", "englisch"),
                    (1257, "french", "franz\u00F6sisch"), (1258, "italian", "italienisch"),
                    (1259, "dutch", "holl\u00E4ndisch"), (1260, "polish", "polnisch")])

    r = Column(t, RIGHT)
    W = RIGHT_W
    FX = 120
    r.group(1162, "temperatureGroup", "Temperatur", 0, 2, W, 210)
    r.label(1212, "compensationLabel", "Temperaturkompensation", 10, 20, W - 20)
    r.radio(1163, "manualRadio", "Manuell", 20, 42, 100, "compensationButtons")
    r.radio(1164, "autoRadio", "Auto", 124, 42, 90, "compensationButtons")
    value_row(r, 66, (1165, "compensationFactorLabel", "Komp.-Faktor"),
              (1166, "compensationFactorEdit"), (1167, "compensationUnitLabel", "%/\u00B0C"),
              field_x=FX, width=44)
    value_row(r, 90, (1168, "manualTemperatureLabel", "Temperatur"),
              (1169, "manualTemperatureEdit"), (1170, "manualTemperatureUnitLabel", "\u00B0C"),
              field_x=FX, width=30)
    value_row(r, 114, (1171, "temperatureLimitLabel", "GW Temp."), (1172, "temperatureLimitEdit"),
              (1173, "temperatureLimitUnitLabel", "\u00B0C"), field_x=FX, width=30)
    value_row(r, 138, (1174, "temperatureDelayLabel", "Verz\u00F6gerung"),
              (1175, "temperatureDelayEdit"), (1176, "temperatureDelaySecondsLabel", "Sek."),
              field_x=FX, width=30)
    on_row(r, 162, (1177, "temperatureSwitchOffLabel", "Abschalten"),
           (1178, "temperatureSwitchOffCheck"), check_x=FX)
    r.group(1179, "waterMeterGroup", "Wasserz\u00E4hler", 0, 216, W, 198)
    value_row(r, 234, (1180, "waterMeter1Label", "Wasserz\u00E4hler 1"), (1181, "waterMeter1Edit"),
              (1183, "waterMeter1UnitLabel", "L/Imp."), field_x=FX, width=64)
    value_row(r, 258, (1182, "waterMeter2Label", "Wasserz\u00E4hler 2"), (1185, "waterMeter2Edit"),
              (1184, "waterMeter2UnitLabel", "L/Imp."), field_x=FX, width=64)
    r.label(1186, "meteringLabel", "Dosierung", 10, 284, 200)
    r.radio(1188, "meteringMeter1Radio", "\u00FCber Wasserz\u00E4hler 1", 20, 304, 200,
            "meteringButtons")
    r.radio(1189, "meteringMeter2Radio", "\u00FCber Wasserz\u00E4hler 2", 20, 326, 200,
            "meteringButtons")
    value_row(r, 350, (1190, "resolutionLabel", "Aufl\u00F6sung"), (1191, "resolutionEdit"),
              (1192, "resolutionUnitLabel", "L/Imp."), field_x=FX, width=64)
    value_row(r, 374, (1193, "impulseLabel", "Impulsl\u00E4nge"), (1194, "impulseEdit"),
              (1195, "impulseSecondsLabel", "Sek."), field_x=FX, width=44)
    return t


def func3_page():
    ids = {"alarmGroup": 1222, "numberGroup": 1244, "number": 1208, "save": 1245, "delete": 1246,
           "providerGroup": 1239, "prefixLabel": 1240, "prefix": 1242, "accessCaption": 1241,
           "access": 1243, "infoGroup": 1237, "info": 1238, "textGroup": 1247, "text": 1248}
    alarms = [(1223, "powerFailure", "Spannungsausfall"),
              (1224, "permeateMax", "CD Permeat Max."),
              (1225, "permeateMin", "CD Permeat Min."),
              (1226, "temperatureMax", "Temperatur Max."),
              (1228, "lowPressure", "Wassermangel (LP)"),
              (1229, "excessPressure", "\u00DCberdruck (HP)"),
              (1230, "motorProtection", "Motorschutz"),
              (1231, "concentrateFlow", "Konzentratmangel"),
              (1233, "tankOverflow", "\u00DCberlauf"),
              (1234, "qualityFlushTime", "Max. Q - Sp\u00FClzeit"),
              (1236, "emergencyProgram", "Notversorgung / BP")]
    # Carried in the flags word but never shown.
    hidden = [(1227, "pressureMax", "Druck Max. (Sichtbar = False)"),
              (1232, "rangeExceeded", "CD Messbereich \u00FCberschritten"),
              (1235, "frost", "Frostgefahr")]
    return alarm_sms_page("Pln2ChildDlgFunc3", ids, alarms, hidden)


# The program, the namespace and the file of its named control numbers.
IDS = ("AquendorPLN2", "pln2::ids", "pln2_ids.h")

TEMPLATES = {
    "aquendorpln2_dlg.ui": main_window,
    "pln2_about_dlg.ui": about,
    "pln2_info.ui": info_page,
    "pln2_func1.ui": func1_page,
    "pln2_func2.ui": func2_page,
    "pln2_func3.ui": func3_page,
}
