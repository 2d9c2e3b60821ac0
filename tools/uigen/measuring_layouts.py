"""Layouts of the Vantiqo program's main window and about box."""

from uigen_lib import Template

MASK_HEADER = {}


def main_window():
    t = Template("VantiqoDlg", 470, 300, "Vantiqo")
    L, LW = 8, 200  # left column: port, serial number, status, link mode
    t.group(1000, "serialConnectorGroup", "Serieller Anschluss", L, 6, LW, 52)
    t.static("COM", L + 12, 28, 34)
    t.edit(1001, "comDigitEdit", L + 50, 26, 30, maxlen=1)
    t.group(1004, "serialNumberGroup", "Seriennummer", L, 62, LW, 52)
    t.edit(1005, "serialNumberEdit", L + 10, 84, LW - 20)
    t.group(1007, "statusGroup", "Status", L, 118, LW, 52)
    t.edit(1006, "statusEdit", L + 10, 140, LW - 20, readonly=True)
    t.group(1010, "connectionGroup", "Verbindung", L, 174, LW, 70)
    t.radio(1014, "modemRadio", "   Modem", L + 10, 194, LW - 20, "linkModeGroup")
    t.radio(1015, "nullModemRadio", "   Null - Modem", L + 10, 216, LW - 20, "linkModeGroup")
    t.label(1021, "variantLabel", "Vantiqo", L, 256, LW, 30, align="Qt::AlignLeft|Qt::AlignVCenter")

    R, RW = L + LW + 8, 246  # right column: dialling, measured value, data logger
    BW = (RW - 30) // 2
    t.group(1009, "dialNumberGroup", "W\u00E4hlnummer", R, 6, RW, 84)
    t.edit(1011, "dialNumberEdit", R + 10, 28, RW - 20)
    t.button(1012, "connectButton", "verbinden", R + 10, 56, BW)
    t.button(1013, "disconnectButton", "trennen", R + 20 + BW, 56, BW)
    t.group(1019, "measuredValueGroup", "Messwert", R, 94, RW, 84)
    t.edit(1020, "measuredValueEdit", R + 10, 116, RW - 20, readonly=True)
    t.button(1018, "measuredValueButton", "lesen", R + 10, 144, BW)
    t.group(1016, "dataLoggerGroup", "Datenlogger", R, 182, RW, 62)
    LBW = (RW - 40) // 3
    t.button(1002, "loggerReadButton", "lesen", R + 10, 206, LBW)
    t.button(1008, "loggerClearButton", "l\u00F6schen", R + 20 + LBW, 206, LBW)
    t.button(1022, "trendButton", "Verlauf", R + 30 + 2 * LBW, 206, LBW)
    t.button(1017, "exitButton", "Beenden", R + 20 + BW, 256, BW, 30)
    return t


def about_box():
    t = Template("VantiqoAboutDlg", 300, 120, "Info \u00FCber Vantiqo")
    t.frame(None, "iconFrame", 16, 20, 40, 40)
    t.label(None, "versionLabel", "Vantiqo Version 1.1", 72, 24, 210)
    t.button(1, "okButton", "OK", 210, 80, 74)
    return t


# The program, the namespace and the file of its named control numbers.
IDS = ("Vantiqo", "vantiqo::ids", "vantiqo_ids.h")

TEMPLATES = {
    "vantiqo_dlg.ui": main_window,
    "vantiqo_about_dlg.ui": about_box,
}
