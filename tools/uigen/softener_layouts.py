"""Layouts of the softener program's main window, pages and about box."""

from controller_parts import (COL_W, LEFT, PAGE_H, PAGE_W, RIGHT, about_box, alarm_sms_page,
                              caption_rows, contact_block, controller_window, language_group,
                              lamp_captions)
from uigen_lib import Column, Template

MASK_HEADER = {"SPMaskEdit": "widgets/sp_mask_edit.h"}


def main_window():
    ids = {"serial": 1000, "comLabel": 1294, "com": 1012, "statusGroup": 1001, "status": 1013,
           "connection": 1005, "modem": 1037, "nullModem": 1038, "baudGroup": 1010,
           "baud9600": 1039, "baud19200": 1040, "dialGroup": 1002, "dial": 1014, "connect": 1019,
           "disconnect": 1020, "serialGroup": 1003, "serialNumber": 1015, "locationGroup": 1004,
           "location": 1017, "saveLocation": 1021, "deleteLocation": 1022, "exit": 1023,
           "activeWindow": 1006, "placeholder": 1011, "settingsGroup": 1007, "interval": 1322,
           "read": 1024, "write": 1025, "settings": 1018, "saveSetting": 1026,
           "deleteSetting": 1027, "export": 1034, "import": 1035, "functions": 1008}
    pages = [(1264, "infoPageRadio", "Info", 66), (1265, "func1PageRadio", "Funktionen 1", 105),
             (1266, "func2PageRadio", "Funktionen 2", 105), (1267, "func3PageRadio", "Funktionen 3", 105),
             (1296, "func4PageRadio", "Funktionen 4", 105)]
    commands = [(1028, "quitErrorButton", "Fehler quittieren"),
                (1029, "resetButton", "KSV zur\u00FCcksetzen"),
                (1030, "regenerationButton", "Reg. Start / Stop"),
                (1031, "reserveFilterButton", "Reg. Reserve-Filter"),
                (1032, "changeFilterButton", "Filterwechsel"),
                (1289, "setClockButton", "Uhr stellen")]
    histories = [(1292, "statusHistoryGroup", "Statushistorie", 1293, "statusHistoryButton"),
                 (1009, "errorHistoryGroup", "Fehlerhistorie", 1033, "errorHistoryButton")]
    return controller_window("AquendorKSV2Dlg", "Aquendor\u00AE  KSV2", ids, pages, commands,
                             histories)


def about():
    return about_box("AboutDlg", "Info \u00FCber Aquendor\u00AE KSV2",
                     "Aquendor\u00AE KSV2 Version 1.3")


def info_page():
    t = Template("ChildDlgInfo", PAGE_W, PAGE_H)
    rows = [(1068, "plantStatusLabel", "Anlagenstatus"),
            (1069, "residualCapacityLabel", "Restkapazit\u00E4t"),
            (1070, "hardnessLabel", "Rohwasserh\u00E4rte"),
            (1071, "regenerationStageLabel", "Regenerationsstufe"),
            (1072, "remainingTimeLabel", "Restzeit Reg.-Stufe"),
            (1073, "waterMeter1Label", "Wasserz\u00E4hler 1"),
            (1074, "waterMeter2Label", "Wasserz\u00E4hler 2")]
    caption_rows(t, rows, 170)
    FX = 182
    t.edit(1076, "plantStatusEdit", FX, 10, PAGE_W - FX - 10, readonly=True)
    t.mask(1077, "residualCapacityEdit", FX, 38, 80)
    t.label(1087, "capacityUnitLabel", "------", FX + 86, 40, 70)
    t.mask(1078, "hardnessEdit", FX, 66, 80)
    t.label(1089, "hardnessUnitLabel", "------", FX + 86, 68, 70)
    t.mask(1079, "regenerationStageEdit", FX, 94, 30)
    t.mask(1080, "remainingTimeEdit", FX, 122, 40)
    t.static("min.", FX + 46, 124, 40)
    t.mask(1081, "waterMeter1Edit", FX, 150, 80)
    t.static("m\u00B3", FX + 86, 152, 30)
    t.mask(1082, "waterMeter2Edit", FX, 178, 80)
    t.static("m\u00B3", FX + 86, 180, 30)
    t.label(1043, "operationHoursLabel", "Betriebsstunden:", 330, 96, 150)
    t.edit(1085, "operationHoursEdit", 330, 116, 149, readonly=True)
    t.label(1075, "lastAccessLabel", "Letzter Zugriff:", 330, 148, 150)
    t.edit(1086, "lastAccessEdit", 330, 168, 149, readonly=True, text="XX.XX.XX XX:XX")

    # Lamp captions; the page paints the lamps themselves at fixed pixels.
    center = "Qt::AlignHCenter|Qt::AlignBottom"
    t.static("Reg", 50, 212, 65, 18, center)
    t.static("ZP", 150, 212, 65, 18, center)
    lamp_captions(t, ["F1", "F2", "1", "2", "", "Desinf.", "", ""], 253, 50)
    t.label(1044, "inputsLabel", "Eing\u00E4nge:", 4, 314, 68)
    lamp_captions(t, ["SVC1", "SVC2", "ALC1", "ALC2", "Start", "Stop", "Prog1", "Prog2"], 316, 75)
    t.label(1045, "outputsLabel", "Ausg\u00E4nge:", 4, 372, 68)
    lamp_captions(t, ["F1", "BV1", "F2", "BV2", "Sync./PR", "Z.-Pr.1", "Z.-Pr.2", "AL"], 374, 75)
    t.label(None, "dropPictogram", "", 240, 275, 38, 18)
    t.label(None, "chemicalsPictogram", "", 339, 274, 37, 18)
    t.label(None, "hornPictogram", "", 394, 230, 38, 18)
    return t


def func1_page():
    t = Template("ChildDlgFunc1", PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    c.group(1090, "plantTypeGroup", "Anlagentyp", 0, 2, W, 64)
    c.radio(1285, "oneFilterRadio", "Einfilter", 10, 20, 100, "plantTypeButtons")
    c.radio(1286, "changeOverRadio", "2-F. Wechsel", 110, 20, 124, "plantTypeButtons")
    c.radio(1288, "parallelRadio", "2-F. Parallel", 10, 42, 100, "plantTypeButtons")
    c.radio(1287, "serialRadio", "2-F. Reihe", 110, 42, 124, "plantTypeButtons")
    c.group(1095, "valveTypeGroup", "Ventilansteuerung", 0, 68, W, 64)
    c.radio(1096, "valveChangeOverRadio", "Wechsler", 10, 86, 108, "valveTypeButtons")
    c.radio(1097, "valveImpulseRadio", "Impuls", 120, 86, 112, "valveTypeButtons")
    c.radio(1098, "valvePilotRadio", "Pilotventile", 10, 108, 108, "valveTypeButtons")
    c.group(1099, "hardnessUnitGroup", "H\u00E4rteeinheit", 0, 134, W, 42)
    c.radio(1100, "unitDHRadio", "\u00B0dH", 10, 152, 56, "hardnessUnitButtons")
    c.radio(1101, "unitFRadio", "\u00B0f", 70, 152, 46, "hardnessUnitButtons")
    c.radio(1102, "unitPpmRadio", "ppmCaCO3", 120, 152, 112, "hardnessUnitButtons")
    c.label(1290, "rawHardnessLabel", "Rohwasserh\u00E4rte", 4, 184, 140)
    c.mask(1291, "rawHardnessEdit", 150, 182, 56)
    c.label(1103, "capacityLabel", "Austauscherkapazit\u00E4t", 4, 210, W - 4)
    c.mask(1105, "capacityEdit", 4, 230, 64)
    c.label(1104, "exchangeCapacityUnitLabel", "------", 74, 232, 80)
    c.check(1106, "calcCapacityCheck", "Filterkapazit\u00E4t berechnen", 4, 258, W - 4)
    c.group(1274, "regenerationCounterGroup", "Regenerationsz\u00E4hler", 0, 282, W, 44)
    c.label(1275, "maxNumberLabel", "max. Anzahl", 10, 302, 120)
    c.mask(1273, "maxNumberEdit", 150, 300, 24)

    r = Column(t, RIGHT)
    W = PAGE_W - RIGHT - 6
    r.group(1129, "regenerationTimesGroup", "Regeneration", 0, 2, W, 112)
    r.label(1108, "regenerationDelayLabel", "Regenerationsverz\u00F6gerung", 10, 20, 168)
    r.check(1109, "regenerationDelayCheck", "Ein", 180, 20, 50)
    r.label(1112, "regenerationFromLabel", "Regeneration ab", 10, 44, 150)
    r.mask(1110, "regenerationFromEdit", 172, 42, 56)
    r.label(1113, "regenerationToLabel", "Regeneration bis", 10, 68, 150)
    r.mask(1111, "regenerationToEdit", 172, 66, 56)
    r.check(1114, "bvOnCheck", "BV auf (1-F.)", 10, 92, 200)
    r.group(1107, "regenerationTriggerGroup", "Regeneration", 0, 118, W, 208)
    r.label(1115, "prematureTriggerLabel", "Vorzeitige Regenerationsausl\u00F6sung", 10, 136, W - 14)
    r.label(1116, "triggerCapacityLabel", "Restkapazit\u00E4t", 20, 158, 140)
    r.mask(1117, "triggerCapacityEdit", 172, 156, 30)
    r.static("%", 206, 158, 20)
    r.check(1119, "economicSaltingCheck", "Sparbesalzung", 10, 182, 200)
    r.label(1120, "regenerationIntervalLabel", "Regenerationsintervall", 10, 206, 200)
    r.check(1156, "intervalActiveCheck", "", 20, 228, 20)
    r.mask(1122, "intervalDaysEdit", 44, 226, 30)
    r.label(1121, "daysLabel", "Tage", 80, 228, 60)
    r.label(1123, "beforeServiceLabel", "Regeneration vor Betrieb", 10, 254, 168)
    r.check(1124, "beforeServiceCheck", "Ein", 180, 254, 50)
    r.label(1125, "minPauseLabel", "Minimaler Regenerationsabstand", 10, 278, W - 14)
    r.mask(1126, "minPauseEdit", 20, 298, 40)
    r.static("min.", 66, 300, 40)

    t.group(1128, "stagesGroup", "Regenerationsstufen", LEFT, 330, PAGE_W - 2 * LEFT, 106)
    t.label(1130, "stageCountLabel", "Anzahl Stufen", 16, 350, 120)
    t.mask(1131, "stageCountEdit", 140, 348, 24)
    stages = [(1132, 1136), (1133, 1137), (1134, 1138), (1135, 1139),
              (1144, 1145), (1147, 1150), (1148, 1151), (1149, 1152)]
    for i, (label, field) in enumerate(stages):
        x, y = 16 + 118 * (i % 4), 376 + 28 * (i // 4)
        t.label(label, f"stage{i + 1}Label", f"Stufe {i + 1}:", x, y + 2, 52)
        t.mask(field, f"stage{i + 1}Edit", x + 54, y, 30)
        t.static("min.", x + 88, y + 2, 28)
    return t


def func2_page():
    t = Template("ChildDlgFunc2", PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    c.group(1156, "program1Group", "Zusatzprogramm 1", 0, 2, W, 120)
    c.radio(1269, "startProg1Radio", "Start Prog1", 10, 20, 108, "program1StartButtons")
    c.radio(1270, "startRegRadio", "Start Reg.", 120, 20, 112, "program1StartButtons")
    c.label(1159, "program1StageLabel", "Start-Stufe:", 10, 46, 130)
    c.mask(1160, "program1StageEdit", 150, 44, 24)
    c.label(1161, "program1DurationLabel", "Dauer", 10, 70, 130)
    c.mask(1162, "program1DurationEdit", 150, 68, 40)
    c.static("min.", 194, 70, 36)
    c.check(1272, "bvOffCheck", "BV zu bei Start ZP1", 10, 94, W - 14)
    c.group(1164, "program2Group", "Zusatzprogramm 2", 0, 126, W, 142)
    c.label(1165, "program2StageLabel", "Start-Stufe:", 10, 144, 130)
    c.mask(1166, "program2StageEdit", 150, 142, 24)
    times = [(1167, 1171, "Zeit 1  AUS"), (1168, 1172, "Zeit 2  EIN"),
             (1169, 1173, "Zeit 3  AUS"), (1170, 1174, "Zeit 4  EIN")]
    for i, (label, field, text) in enumerate(times):
        y = 168 + 24 * i
        c.label(label, f"program2Time{i + 1}Label", text, 10, y, 130)
        c.mask(field, f"program2Time{i + 1}Edit", 150, y - 2, 30)
        c.static("min.", 186, y, 40)
    c.group(1197, "startInputGroup", "Start-Eingang", 0, 272, W, 74)
    contact_block(c, 290, 10, (1205, 1206, 1207, 1208, 1209), "startInput")

    r = Column(t, RIGHT)
    W = PAGE_W - RIGHT - 6
    r.group(1175, "waterMeterGroup", "Wasserz\u00E4hler", 0, 2, W, 70)
    r.label(1176, "waterMeter1RateLabel", "Wasserz\u00E4hler 1", 10, 22, 110)
    r.mask(1178, "waterMeter1RateEdit", 122, 20, 64)
    r.label(1180, "waterMeter1UnitLabel", "L/Imp.", 190, 22, 44)
    r.label(1177, "waterMeter2RateLabel", "Wasserz\u00E4hler 2", 10, 46, 110)
    r.mask(1179, "waterMeter2RateEdit", 122, 44, 64)
    r.label(1181, "waterMeter2UnitLabel", "L/Imp.", 190, 46, 44)
    r.group(1182, "dosingGroup", "Dosierung", 0, 76, W, 118)
    r.radio(1183, "dosingMeter1Radio", "\u00FCber Wasserz\u00E4hler 1", 10, 94, 210, "dosingButtons")
    r.radio(1184, "dosingMeter2Radio", "\u00FCber Wasserz\u00E4hler 2", 10, 116, 210, "dosingButtons")
    r.label(1185, "resolutionLabel", "Aufl\u00F6sung", 10, 142, 110)
    r.mask(1186, "resolutionEdit", 122, 140, 64)
    r.label(1187, "resolutionUnitLabel", "L/Imp.", 190, 142, 44)
    r.label(1188, "impulseLengthLabel", "Impulsl\u00E4nge", 10, 166, 110)
    r.mask(1189, "impulseLengthEdit", 122, 164, 44)
    r.static("s", 172, 166, 30)
    r.group(1191, "disinfectionGroup", "Desinfektion", 0, 198, W, 92)
    r.check(1192, "disinfectionCheck", "Ein", 10, 216, 100)
    r.label(1193, "disinfectionStageLabel", "Start-Stufe", 10, 240, 150)
    r.mask(1194, "disinfectionStageEdit", 162, 238, 24)
    r.label(1195, "suctionTimeLabel", "Minimale Saugzeit", 10, 264, 150)
    r.mask(1196, "suctionTimeEdit", 162, 262, 30)
    r.static("min.", 196, 264, 34)
    r.group(1198, "stopInputGroup", "Stop-Eingang", 0, 294, W, 100)
    contact_block(r, 312, 10, (1199, 1200, 1201, 1202, 1203), "stopInput",
                  alarm=(1204, "stopInputAlarmCheck", "Funktion Alarm"))
    return t


def func3_page():
    t = Template("ChildDlgFunc3", PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    c.group(1225, "valveMonitoringGroup", "Ventil\u00FCberwachung", 0, 2, W, 206)
    contact_block(c, 20, 18, (1227, 1228, 1229, 1230, 1231), "svc1",
                  alarm=(1232, "svc1AlarmCheck", "Funktion Alarm"),
                  title=(1226, "svc1Label", "Funktion SVC 1"))
    contact_block(c, 114, 18, (1234, 1235, 1236, 1237, 1238), "svc2",
                  alarm=(1239, "svc2AlarmCheck", "Funktion Alarm"),
                  title=(1233, "svc2Label", "Funktion SVC 2"))
    c.group(1210, "hardnessMonitoringGroup", "\u00DCberwachung der H\u00E4rte-Messger\u00E4te",
            0, 212, W, 216)
    contact_block(c, 230, 18, (1212, 1213, 1214, 1215, 1216), "alc1",
                  alarm=(1217, "alc1AlarmCheck", "Funktion Alarm"),
                  title=(1211, "alc1Label", "Funktion ALC 1"))
    contact_block(c, 324, 18, (1219, 1220, 1221, 1222, 1223), "alc2",
                  alarm=(1224, "alc2AlarmCheck", "Funktion Alarm"),
                  title=(1218, "alc2Label", "Funktion ALC 2"))

    r = Column(t, RIGHT)
    W = PAGE_W - RIGHT - 6
    r.group(None, "prog1Group", "PROG1", 0, 2, W, 96)
    contact_block(r, 20, 10, (1241, 1242, 1243, 1244, 1245), "prog1",
                  alarm=(1246, "chemicalsLowCheck", "Solemangel"))
    r.group(None, "prog2Group", "PROG2", 0, 102, W, 96)
    contact_block(r, 120, 10, (1248, 1249, 1250, 1251, 1252), "prog2",
                  alarm=(1253, "chemicalsOverflowCheck", "Sole\u00FCberlauf"))
    r.group(1254, "interfaceGroup", "Schnittstelle", 0, 202, W, 120)
    r.radio(1255, "interface020Radio", "0 - 20 mA", 10, 220, 100, "interfaceButtons")
    r.radio(1256, "interface420Radio", "4 - 20 mA", 118, 220, 100, "interfaceButtons")
    r.check(1257, "k3300DuoCheck", "K3300 DUO", 10, 244, 200)
    r.label(1258, "maxHardnessLabel", "max. H\u00E4rte", 10, 270, 104)
    r.mask(1259, "maxHardnessEdit", 118, 268, 50)
    r.static("\u00B0dH", 174, 270, 40)
    r.label(1261, "minHardnessLabel", "min. H\u00E4rte", 10, 294, 104)
    r.mask(1262, "minHardnessEdit", 118, 292, 50)
    r.static("\u00B0dH", 174, 294, 40)
    language_group(r, 1276, 326, 102,
                   [(1277, "german", "deutsch"), (1278, "english", "englisch"),
                    (1279, "french", "franz\u00F6sisch"), (1280, "italian", "italienisch"),
                    (1281, "polish", "polnisch"), (1282, "dutch", "holl\u00E4ndisch")])
    return t


def func4_page():
    ids = {"alarmGroup": 1298, "numberGroup": 1010, "number": 1034, "save": 1035, "delete": 1036,
           "providerGroup": 1317, "prefixLabel": 1320, "prefix": 1318, "accessCaption": 1321,
           "access": 1319, "infoGroup": 1313, "info": 1315, "textGroup": 1312, "text": 1291}
    alarms = [(1299, "powerFailure", "Spannungsausfall"), (1300, "errorFilter1", "Fehler Filter 1"),
              (1301, "errorFilter2", "Fehler Filter 2"), (1302, "errorK33001", "Fehler K3300 1"),
              (1303, "errorK33002", "Fehler K3300 2"), (1304, "smsChemicalsLow", "Solemangel"),
              (1305, "smsChemicalsOverflow", "Sole\u00FCberlauf"),
              (1307, "errorDisinfection", "Fehler Desinf."),
              (1308, "minPause", "Min. Reg-Abstand"), (1309, "maxRegeneration", "Max. Regenerat."),
              (1310, "plantOverride", "Anlage \u00FCberfahren"),
              (1311, "errorHardness", "Fehler H\u00E4rtemessung")]
    # Carried in the flags word but never shown.
    hidden = [(1306, "regStop", "Reg. STOP / Halt (Sichtbar = False)")]
    return alarm_sms_page("ChildDlgFunc4", ids, alarms, hidden)


# The program, the namespace and the file of its named control numbers.
IDS = ("AquendorKSV2", "ksv2::ids", "ksv2_ids.h")

TEMPLATES = {
    "aquendorksv2_dlg.ui": main_window,
    "about_dlg.ui": about,
    "childdlg_info.ui": info_page,
    "childdlg_func1.ui": func1_page,
    "childdlg_func2.ui": func2_page,
    "childdlg_func3.ui": func3_page,
    "childdlg_func4.ui": func4_page,
}
