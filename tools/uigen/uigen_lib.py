"""Writes Qt Designer .ui files for the dialog templates from compact layout
tables. The layouts keep the control numbers the programs have always used:
every widget gets a descriptive objectName and its number as the dynamic
property "controlId" (absent for unnumbered static texts)."""

from xml.sax.saxutils import escape


class Template:
    def __init__(self, cls, width, height, title=""):
        self.cls = cls
        self.width = width
        self.height = height
        self.title = title
        self.widgets = []
        self.groups = []
        self.names = set()
        self.custom = set()
        self.anon = 0

    def _name(self, name, prefix):
        if not name:
            self.anon += 1
            name = f"{prefix}{self.anon}"
        assert name not in self.names, name
        self.names.add(name)
        return name

    def _add(self, cls, cid, name, rect, props, attrs=None, prefix="w"):
        self.widgets.append((cls, cid, self._name(name, prefix), rect, props, attrs or {}))

    def group(self, cid, name, title, x, y, w, h):
        self._add("QGroupBox", cid, name, (x, y, w, h), [("title", "string", title)])

    def label(self, cid, name, text, x, y, w, h=20, align=None, frame=False):
        props = [("text", "string", text)]
        if align:
            props.append(("alignment", "set", align))
        if frame:
            props.append(("frameShape", "enum", "QFrame::Box"))
        self._add("QLabel", cid, name, (x, y, w, h), props, prefix="staticText")

    def static(self, text, x, y, w, h=20, align=None):
        self.label(None, None, text, x, y, w, h, align)

    def edit(self, cid, name, x, y, w, h=22, text=None, readonly=False, maxlen=None):
        props = []
        if text is not None:
            props.append(("text", "string", text))
        if readonly:
            props.append(("readOnly", "bool", "true"))
        if maxlen:
            props.append(("maxLength", "number", str(maxlen)))
        self._add("QLineEdit", cid, name, (x, y, w, h), props)

    def mask(self, cid, name, x, y, w, h=22):
        self.custom.add("SPMaskEdit")
        self._add("SPMaskEdit", cid, name, (x, y, w, h), [])

    def multiline(self, cid, name, x, y, w, h):
        self._add("QPlainTextEdit", cid, name, (x, y, w, h),
                  [("readOnly", "bool", "true"),
                   ("lineWrapMode", "enum", "QPlainTextEdit::NoWrap"),
                   ("horizontalScrollBarPolicy", "enum", "Qt::ScrollBarAlwaysOff")])

    def button(self, cid, name, text, x, y, w, h=26):
        self._add("QPushButton", cid, name, (x, y, w, h),
                  [("text", "string", text), ("autoDefault", "bool", "false")])

    def radio(self, cid, name, text, x, y, w, group, h=20):
        if group not in self.groups:
            self.groups.append(group)
        self._add("QRadioButton", cid, name, (x, y, w, h), [("text", "string", text)],
                  {"buttonGroup": group})

    def check(self, cid, name, text, x, y, w, h=20):
        self._add("QCheckBox", cid, name, (x, y, w, h), [("text", "string", text)])

    def combo(self, cid, name, x, y, w, h=24, editable=True):
        props = [("editable", "bool", "true" if editable else "false"),
                 ("insertPolicy", "enum", "QComboBox::NoInsert")]
        self._add("QComboBox", cid, name, (x, y, w, h), props)

    def frame(self, cid, name, x, y, w, h):
        self._add("QFrame", cid, name, (x, y, w, h), [])

    def xml(self, headers):
        out = ['<?xml version="1.0" encoding="UTF-8"?>', '<ui version="4.0">',
               f" <class>{self.cls}</class>",
               f' <widget class="QWidget" name="{self.cls}">',
               rect_xml("geometry", (0, 0, self.width, self.height), 2),
               f'  <property name="minimumSize"><size><width>{self.width}</width>'
               f"<height>{self.height}</height></size></property>"]
        if self.title:
            out.append(f'  <property name="windowTitle"><string>{escape(self.title)}</string></property>')
        for cls, cid, name, rect, props, attrs in self.widgets:
            out.append(f'  <widget class="{cls}" name="{name}">')
            for key, value in attrs.items():
                out.append(f'   <attribute name="{key}"><string notr="true">{value}</string></attribute>')
            out.append(rect_xml("geometry", rect, 3))
            for pname, kind, value in props:
                out.append(prop_xml(pname, kind, value))
            if cid is not None:
                out.append(f'   <property name="controlId" stdset="0"><number>{cid}</number></property>')
            out.append("  </widget>")
        out.append(" </widget>")
        if self.custom:
            out.append(" <customwidgets>")
            for cls in sorted(self.custom):
                out.append(f"  <customwidget><class>{cls}</class><extends>QLineEdit</extends>"
                           f"<header>{headers[cls]}</header></customwidget>")
            out.append(" </customwidgets>")
        if self.groups:
            out.append(" <buttongroups>")
            for group in self.groups:
                out.append(f'  <buttongroup name="{group}"/>')
            out.append(" </buttongroups>")
        out.append(" <resources/>")
        out.append(" <connections/>")
        out.append("</ui>")
        return "\n".join(out) + "\n"


class Column:
    """Places widgets relative to a column's left edge: every x given to it
    is counted from the column, so a column moves as a whole."""

    def __init__(self, template, left):
        self.t = template
        self.left = left

    def __getattr__(self, method):
        call = getattr(self.t, method)
        positions = {"group": 3, "label": 3, "edit": 2, "mask": 2, "multiline": 2, "button": 3,
                     "radio": 3, "check": 3, "combo": 2, "frame": 2, "static": 1}
        index = positions[method]

        def shifted(*args, **kwargs):
            args = list(args)
            args[index] += self.left
            return call(*args, **kwargs)
        return shifted


def rect_xml(name, rect, indent):
    x, y, w, h = rect
    pad = " " * indent
    return (f'{pad}<property name="{name}"><rect><x>{x}</x><y>{y}</y>'
            f"<width>{w}</width><height>{h}</height></rect></property>")


def prop_xml(name, kind, value):
    if kind == "string":
        return f'   <property name="{name}"><string>{escape(value)}</string></property>'
    return f'   <property name="{name}"><{kind}>{value}</{kind}></property>'


def ids_header(program, namespace, templates):
    """A C++ header naming every numbered control of one program's templates:
    the widget's objectName with its first letter in capitals, so that code
    and tests write CapacityEdit where the number would stand."""
    named = {}
    for filename, build in templates.items():
        for _cls, cid, name, _rect, _props, _attrs in build().widgets:
            if cid is None:
                continue
            const = name[0].upper() + name[1:]
            if named.setdefault(const, cid) != cid:
                raise ValueError(f"{filename}: {name} is {cid} here, {named[const]} elsewhere")
    out = [f"// The control numbers of {program}'s windows and pages, by name.",
           "// Written by tools/uigen/uigen.py from the layout tables, as the .ui",
           "// files are: change a layout there and run it again, never this file.",
           "#pragma once", "", f"namespace {namespace} {{", ""]
    for const, cid in sorted(named.items(), key=lambda item: (item[1], item[0])):
        out.append(f"inline constexpr int {const} = {cid};")
    out += ["", f"}}  // namespace {namespace}"]
    return "\n".join(out) + "\n"
