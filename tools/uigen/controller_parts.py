"""Layout parts that both controller programs share: the main window's
frame (connection column, page area, settings and functions column), the
about box, contact inputs, the captions of the lamp rows and the alarm-SMS
page. Each program passes its own control numbers and texts."""

from uigen_lib import Column, Template

PAGE_W, PAGE_H = 489, 440
LEFT, RIGHT, COL_W = 6, 248, 236  # the pages' two columns
RIGHT_W = PAGE_W - RIGHT - 6


def controller_window(cls, title, ids, pages, commands, histories):
    """ids: control numbers by role (None: a static text without number).
    pages: (number, name, caption, width) of the page selectors.
    commands: (number, name, caption) of the function buttons.
    histories: (group number, group name, caption, button number, button name)."""
    t = Template(cls, 855, 540, title)
    L, LW = 8, 170  # left column
    t.group(ids["serial"], "serialConnectorGroup", "Serieller Anschluss", L, 4, LW, 52)
    t.label(ids["comLabel"], "comLabel", "COM", L + 12, 26, 34)
    t.edit(ids["com"], "comDigitEdit", L + 50, 24, 30)
    t.group(ids["statusGroup"], "statusGroup", "Status", L, 60, LW, 52)
    t.edit(ids["status"], "statusEdit", L + 10, 82, LW - 20, readonly=True)
    t.group(ids["connection"], "connectionGroup", "Verbindung", L, 116, LW, 68)
    t.radio(ids["modem"], "modemRadio", "   Modem", L + 10, 136, LW - 20, "linkModeGroup")
    t.radio(ids["nullModem"], "nullModemRadio", "   Null - Modem", L + 10, 158, LW - 20,
            "linkModeGroup")
    t.group(ids["baudGroup"], "baudRateGroup", "Baudrate", L, 188, LW, 68)
    t.radio(ids["baud9600"], "baud9600Radio", "   9600 bit/s", L + 10, 208, LW - 20,
            "baudRateButtons")
    t.radio(ids["baud19200"], "baud19200Radio", "   19200 bit/s", L + 10, 230, LW - 20,
            "baudRateButtons")
    t.group(ids["dialGroup"], "dialNumberGroup", "W\u00E4hlnummer", L, 260, LW, 84)
    t.edit(ids["dial"], "dialNumberEdit", L + 10, 282, LW - 20)
    t.button(ids["connect"], "connectButton", "verbinden", L + 10, 310, 72)
    t.button(ids["disconnect"], "disconnectButton", "trennen", L + 88, 310, 72)
    t.group(ids["serialGroup"], "serialNumberGroup", "Seriennummer", L, 348, LW, 52)
    t.edit(ids["serialNumber"], "serialNumberEdit", L + 10, 370, LW - 20)
    t.group(ids["locationGroup"], "locationGroup", "Standort", L, 404, LW, 86)
    t.combo(ids["location"], "locationCombo", L + 10, 426, LW - 20)
    t.button(ids["saveLocation"], "saveLocationButton", "speichern", L + 10, 456, 72)
    t.button(ids["deleteLocation"], "deleteLocationButton", "l\u00F6schen", L + 88, 456, 72)
    t.button(ids["exit"], "exitButton", "Beenden", L, 500, LW, 30)

    C = L + LW + 8  # centre: page selector and the page area
    t.group(ids["activeWindow"], "activeWindowGroup", "Aktives Fenster", C, 4, PAGE_W + 4, 48)
    x = C + 10
    for cid, name, text, w in pages:
        t.radio(cid, name, text, x, 24, w, "pageSelectorGroup")
        x += w
    t.label(ids["placeholder"], "pagePlaceholder", " placeholder for child dialogs", C, 56,
            PAGE_W + 4, PAGE_H + 4, frame=True)

    R, RW = C + PAGE_W + 4 + 8, 160  # right column
    BW = (RW - 26) // 2
    t.group(ids["settingsGroup"], "settingsGroup", "Einstellungen", R, 4, RW, 182)
    t.check(ids["interval"], "intervalReadingCheck", "Intervall (lesen)", R + 10, 24, RW - 20)
    t.button(ids["read"], "readButton", "lesen", R + 10, 48, BW)
    t.button(ids["write"], "writeButton", "schreiben", R + 16 + BW, 48, BW)
    t.combo(ids["settings"], "settingsCombo", R + 10, 84, RW - 20)
    t.button(ids["saveSetting"], "saveSettingButton", "speichern", R + 10, 114, BW)
    t.button(ids["deleteSetting"], "deleteSettingButton", "l\u00F6schen", R + 16 + BW, 114, BW)
    t.button(ids["export"], "exportButton", "Export", R + 10, 146, BW)
    t.button(ids["import"], "importButton", "Import", R + 16 + BW, 146, BW)
    t.group(ids["functions"], "functionsGroup", "Funktionen", R, 190, RW, 26 + 30 * len(commands))
    for i, (cid, name, text) in enumerate(commands):
        t.button(cid, name, text, R + 10, 210 + 30 * i, RW - 20)
    y = 190 + 26 + 30 * len(commands) + 4
    for group, group_name, text, button, button_name in histories:
        t.group(group, group_name, text, R, y, RW, 52)
        t.button(button, button_name, "lesen", R + 10, y + 20, RW - 20)
        y += 56
    return t


def about_box(cls, title, version, icon_name="iconFrame"):
    t = Template(cls, 330, 120, title)
    t.frame(None, icon_name, 16, 20, 40, 40)
    t.label(None, "versionLabel", version, 72, 24, 240)
    t.button(1, "okButton", "OK", 240, 80, 74)
    return t


def caption_rows(t, rows, width):
    """The captions of a status page's value fields, one row each 28 px."""
    for i, (cid, name, text) in enumerate(rows):
        t.label(cid, name, text, 10, 12 + 28 * i, width)


def language_group(c, group, top, height, languages):
    """The unit's language: (number, name, caption) of each button, two a row."""
    c.group(group, "unitLanguageGroup", "Sprache", 0, top, RIGHT_W if c.left == RIGHT else COL_W,
            height)
    for i, (cid, name, text) in enumerate(languages):
        c.radio(cid, name + "Radio", text, 10 + 108 * (i % 2), top + 20 + 24 * (i // 2), 106,
                "unitLanguageButtons")


def lamp_captions(t, texts, lamp_top, first_left):
    """Captions centred over a row of eight lamps 50 px apart."""
    for i, text in enumerate(texts):
        if text:
            lamp_caption(t, text, first_left + 50 * i, lamp_top - 21)


def lamp_caption(t, text, lamp_left, y, w=50):
    t.static(text, lamp_left + 7 - w // 2, y, w, 18, "Qt::AlignHCenter|Qt::AlignBottom")


def contact_block(c, y, x, ids, names, alarm=None, title=None):
    """A contact input in column c: normally open / normally closed, delay in
    seconds, optionally an alarm check box. ids = (open, closed, delay label,
    delay field, seconds label)."""
    if title:
        c.label(title[0], title[1], title[2], x - 8, y, 200)
        y += 20
    opened, closed, delay_label, delay, seconds = ids
    contact_radios(c, y, x, (opened, closed), names)
    c.label(delay_label, names + "DelayLabel", "Verz\u00F6gerung", x, y + 24, 104)
    c.mask(delay, names + "DelayEdit", x + 108, y + 22, 30)
    c.label(seconds, names + "SecondsLabel", "Sek.", x + 144, y + 24, 40)
    if alarm:
        c.check(alarm[0], alarm[1], alarm[2], x, y + 48, 200)


def contact_radios(c, y, x, ids, names):
    group = names + "ContactGroup"
    c.radio(ids[0], names + "NormOpenRadio", "Schliesser", x, y, 100, group)
    c.radio(ids[1], names + "NormClosedRadio", "\u00D6ffner", x + 108, y, 100, group)


def alarm_sms_page(cls, ids, alarms, hidden):
    """The alarm-SMS page: alarm boxes on the left (hidden ones stacked under
    the first, carried but never shown), dial-in number, provider access
    number and the availability notice on the right, the additional text
    below. alarms and hidden: (number, name, caption)."""
    t = Template(cls, PAGE_W, PAGE_H)
    c = Column(t, LEFT)
    W = COL_W
    c.group(ids["alarmGroup"], "smsOnAlarmGroup", "SMS senden bei Fehlermeldung", 0, 2, W,
            26 + 24 * len(alarms))
    for i, (cid, name, text) in enumerate(alarms):
        c.check(cid, name + "Check", text, 10, 22 + 24 * i, W - 14)
    for cid, name, text in hidden:
        c.check(cid, name + "Check", text, 10, 22, W - 14)

    r = Column(t, RIGHT)
    W = RIGHT_W
    r.group(ids["numberGroup"], "smsNumberGroup", "SMS - W\u00E4hlnummer", 0, 2, W, 84)
    r.combo(ids["number"], "smsNumberCombo", 10, 22, W - 20)
    r.button(ids["save"], "saveSmsNumberButton", "speichern", 10, 52, (W - 26) // 2)
    r.button(ids["delete"], "deleteSmsNumberButton", "l\u00F6schen", 16 + (W - 26) // 2, 52,
             (W - 26) // 2)
    r.group(ids["providerGroup"], "providerGroup", "Provider Zugriffsnummer", 0, 90, W, 76)
    r.label(ids["prefixLabel"], "prefixLabel", "Amtsvorwahl", 10, 110, 110)
    r.edit(ids["prefix"], "prefixEdit", 122, 108, 60)
    r.label(ids["accessCaption"], "accessNumberCaption", "Zugriffsnummer", 10, 136, 110)
    r.label(ids["access"], "accessNumberLabel", "-", 122, 136, W - 130)
    r.group(ids["infoGroup"], "infoGroup", "Info", 0, 170, W, 146)
    r.multiline(ids["info"], "infoText", 10, 190, W - 20, 118)
    t.group(ids["textGroup"], "additionalTextGroup", "Zus\u00E4tzlicher Text zur Alarm - SMS", LEFT,
            322, PAGE_W - 2 * LEFT, 56)
    t.edit(ids["text"], "additionalTextEdit", 16, 344, PAGE_W - 32)
    return t
