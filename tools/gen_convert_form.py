#!/usr/bin/env python3
"""Writes what the converter's 22 alike groups are made of, from one table
each instead of by hand:
  forms/vexmora_convert.ui          the form, with every unit combo's items
  utilities/unit_tables.cpp         the conversions of tools/convert_units.txt
  resources/translations/*.ts       the context "vexmora_convert" (titles, items)

Run from the source tree:  python3 tools/gen_convert_form.py
With --check it only compares and fails when a committed file is stale.
"""
import os
import re
import sys
from xml.sax.saxutils import escape

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# member prefix, group box, group grid, unit grid, "To" label; the title is the
# member prefix, followed by its Chinese title
GROUPS = [
    ("Exchangerates", "groupBox_10", "gridLayout_22", "gridLayout_23", "label_11", "汇率"),
    ("Lengths", "groupBox", "gridLayout_3", "gridLayout", "label", "长度"),
    ("Mass", "groupBox_mass", "gridLayout_11", "gridLayout_12", "label_6", "质量"),
    ("Area", "groupBox_2", "gridLayout_4", "gridLayout_2", "label_2", "面积"),
    ("Volume", "groupBox_3", "gridLayout_5", "gridLayout_6", "label_3", "体积"),
    ("Force", "groupBox_6", "gridLayout_13", "gridLayout_14", "label_7", "力"),
    ("Torque", "groupBox_7", "gridLayout_15", "gridLayout_16", "label_8", "扭矩"),
    ("Time", "groupBox_4", "gridLayout_7", "gridLayout_8", "label_4", "时间"),
    ("Speed", "groupBox_5", "gridLayout_9", "gridLayout_10", "label_5", "速度"),
    ("Temperature", "groupBox_8", "gridLayout_17", "gridLayout_18", "label_9", "温度"),
    ("Pressure", "groupBox_9", "gridLayout_19", "gridLayout_20", "label_10", "压力"),
    ("Energy", "groupBox_11", "gridLayout_21", "gridLayout_25", "label_12", "能量"),
    ("Power", "groupBox_12", "gridLayout_26", "gridLayout_27", "label_13", "功率"),
    ("Capacitance", "groupBox_13", "gridLayout_28", "gridLayout_29", "label_14", "电容"),
    ("Resistance", "groupBox_14", "gridLayout_30", "gridLayout_31", "label_15", "电阻"),
    ("Conductance", "groupBox_15", "gridLayout_32", "gridLayout_33", "label_16", "电导"),
    ("Inductance", "groupBox_16", "gridLayout_34", "gridLayout_35", "label_17", "电感"),
    ("Current", "groupBox_17", "gridLayout_36", "gridLayout_37", "label_18", "电流"),
    ("Charge", "groupBox_18", "gridLayout_38", "gridLayout_39", "label_19", "电荷"),
    ("Magnetic", "groupBox_19", "gridLayout_40", "gridLayout_41", "label_20", "磁场"),
    ("Angle", "groupBox_20", "gridLayout_42", "gridLayout_43", "label_21", "角度"),
    ("DataStorage", "groupBox_21", "gridLayout_44", "gridLayout_45", "label_22", "数据存储"),
]
IN_VERTICAL_LAYOUT = 12  # the first twelve share one box layout in row 0


def string(text):
    return "<string>%s</string>" % escape(text) if text else "<string/>"


def read_units():
    """{group: [(item text, key, into, out, chinese name)]} in file order."""
    groups = {}
    current = None
    with open(os.path.join(ROOT, "tools", "convert_units.txt"), encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = [c.strip() for c in line.split(" | ")]
            where = "convert_units.txt:%d" % n
            if cells[0] == "group":
                current = groups.setdefault(cells[1], [])
                continue
            text, key, into, out, zh = cells[1:6]
            if re.sub(r"\(.*\)", "", text) != key:
                sys.exit("%s: key %r is not the item text without its name" % (where, key))
            for expr in (into, out):
                # a quotient of two integer literals would be an integer division in C++
                if re.search(r"\(\s*\d+\s*/\s*\d+\s*\)", expr) or "x" not in expr:
                    sys.exit("%s: bad operation %r" % (where, expr))
            if any(key == u[1] for u in current):
                sys.exit("%s: key %r twice in its group" % (where, key))
            current.append((text, key, into, out, zh))
    return groups


UNITS = read_units()


def unit_items(member):
    """Unit item texts of a group, in order (none for the currencies, which
    get flags at run time)."""
    return [u[0] for u in UNITS.get(member, [])]


def group_box(member, box, grid, unit_grid, to_label, zh_title, ind):
    q = member.lower()
    sp = " " * ind
    out = []
    w = out.append
    w(sp + '<widget class="QGroupBox" name="%s">' % box)
    w(sp + ' <property name="title">')
    w(sp + '  <string/>')
    w(sp + ' </property>')
    w(sp + ' <layout class="QGridLayout" name="%s">' % grid)
    w(sp + '  <item row="0" column="0">')
    w(sp + '   <layout class="QHBoxLayout" name="horizontalLayout_%s">' % q)
    w(sp + '    <property name="leftMargin">')
    w(sp + '     <number>0</number>')
    w(sp + '    </property>')
    w(sp + '    <item>')
    w(sp + '     <widget class="QLabel" name="label_svg_%s">' % q)
    w(sp + '      <property name="font">')
    w(sp + '       <font>')
    w(sp + '        <pointsize>20</pointsize>')
    w(sp + '       </font>')
    w(sp + '      </property>')
    w(sp + '      <property name="text">')
    w(sp + '       <string/>')
    w(sp + '      </property>')
    w(sp + '     </widget>')
    w(sp + '    </item>')
    w(sp + '    <item>')
    w(sp + '     <widget class="QLabel" name="label_text_%s">' % q)
    w(sp + '      <property name="font">')
    w(sp + '       <font>')
    w(sp + '        <family>Arvo</family>')
    w(sp + '        <pointsize>20</pointsize>')
    w(sp + '       </font>')
    w(sp + '      </property>')
    w(sp + '      <property name="text">')
    w(sp + '       ' + string(member))
    w(sp + '      </property>')
    w(sp + '      <property name="alignment">')
    w(sp + '       <set>Qt::AlignCenter</set>')
    w(sp + '      </property>')
    w(sp + '     </widget>')
    w(sp + '    </item>')
    w(sp + '   </layout>')
    w(sp + '  </item>')
    w(sp + '  <item row="1" column="0">')
    w(sp + '   <layout class="QGridLayout" name="%s">' % unit_grid)

    def cell(row, col, body):
        w(sp + '    <item row="%d" column="%d">' % (row, col))
        out.extend(sp + '     ' + line for line in body)
        w(sp + '    </item>')

    def combo(name):
        items = unit_items(member)
        if member == "Exchangerates":
            return ['<widget class="QComboBox" name="%s"/>' % name]
        body = ['<widget class="QComboBox" name="%s">' % name,
                ' <property name="currentIndex">',
                '  <number>0</number>',
                ' </property>']
        for text in items:
            body += [' <item>', '  <property name="text">', '   ' + string(text),
                     '  </property>', ' </item>']
        return body + ['</widget>']

    cell(0, 0, ['<widget class="QLineEdit" name="%s_inputEdit_source"/>' % q])
    cell(0, 1, ['<widget class="QLabel" name="%s">' % to_label,
                ' <property name="text">', '  <string>To</string>', ' </property>',
                ' <property name="alignment">', '  <set>Qt::AlignCenter</set>', ' </property>',
                '</widget>'])
    cell(0, 2, ['<widget class="QLineEdit" name="%s_inputEdit_to"/>' % q])
    cell(1, 0, combo("%s_fromUnitCombox" % q))
    cell(1, 1, ['<widget class="QPushButton" name="%s_interchangeable_pushButton">' % q,
                ' <property name="text">', '  <string/>', ' </property>',
                ' <property name="icon">',
                '  <iconset>',
                '   <normaloff>:/property_icons/convert.svg</normaloff>:/property_icons/convert.svg</iconset>',
                ' </property>',
                '</widget>'])
    cell(1, 2, combo("%s_toUnitCombox" % q))
    w(sp + '   </layout>')
    w(sp + '  </item>')
    w(sp + ' </layout>')
    w(sp + '</widget>')
    return out


def form():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- Written by tools/gen_convert_form.py; edit that, not this. -->',
           '<ui version="4.0">',
           ' <class>vexmora_convert</class>',
           ' <widget class="QWidget" name="vexmora_convert">',
           '  <property name="geometry">',
           '   <rect>', '    <x>0</x>', '    <y>0</y>', '    <width>738</width>',
           '    <height>670</height>', '   </rect>',
           '  </property>',
           '  <property name="sizePolicy">',
           '   <sizepolicy hsizetype="Minimum" vsizetype="Preferred">',
           '    <horstretch>0</horstretch>', '    <verstretch>0</verstretch>',
           '   </sizepolicy>',
           '  </property>',
           '  <property name="windowTitle">',
           '   <string>vexmora_convert</string>',
           '  </property>',
           '  <layout class="QGridLayout" name="gridLayout_46">',
           '   <item row="0" column="0">',
           '    <widget class="QScrollArea" name="scrollArea">',
           '     <property name="sizePolicy">',
           '      <sizepolicy hsizetype="Minimum" vsizetype="Expanding">',
           '       <horstretch>0</horstretch>', '       <verstretch>0</verstretch>',
           '      </sizepolicy>',
           '     </property>',
           '     <property name="widgetResizable">',
           '      <bool>true</bool>',
           '     </property>',
           '     <widget class="QWidget" name="scrollAreaWidgetContents">',
           '      <layout class="QGridLayout" name="gridLayout_24">',
           '       <item row="0" column="0">',
           '        <layout class="QVBoxLayout" name="verticalLayout">']
    for g in GROUPS[:IN_VERTICAL_LAYOUT]:
        out.append('         <item>')
        out += group_box(*g, ind=10)
        out.append('         </item>')
    out += ['        </layout>', '       </item>']
    for row, g in enumerate(GROUPS[IN_VERTICAL_LAYOUT:], start=1):
        out.append('       <item row="%d" column="0">' % row)
        out += group_box(*g, ind=8)
        out.append('       </item>')
    out += ['      </layout>', '     </widget>', '    </widget>', '   </item>', '  </layout>',
            ' </widget>', ' <resources/>', ' <connections/>', '</ui>', '']
    return "\n".join(out)


def tables():
    out = ["// Written by tools/gen_convert_form.py from tools/convert_units.txt; edit those, not this.",
           '#include "utilities/unit_convert.h"', "", "#include <iterator>", "", "namespace UnitConvert {", "",
           "namespace {", ""]
    for name, units in UNITS.items():
        out.append("const Unit k%s[] = {" % name)
        for text, key, into, fro, zh in units:
            out.append('    {"%s", [](double x) { return %s; }, [](double x) { return %s; }},' % (key, into, fro))
        out += ["};", ""]
    out += ["} // namespace", "", "Table table(Quantity q)", "{", "    switch (q) {"]
    for name in UNITS:
        out.append("    case Quantity::%s:" % name)
        out.append("        return {k%s, int(std::size(k%s))};" % (name, name))
    out += ["    }", "    return {nullptr, 0};", "}", "", "const char *name(Quantity q)", "{", "    switch (q) {"]
    for name in UNITS:
        out.append('    case Quantity::%s:' % name)
        out.append('        return "%s";' % name)
    out += ["    }", '    return "";', "}", "", "} // namespace UnitConvert", ""]
    return "\n".join(out)


def context(chinese):
    """The translation context of the converter's form."""
    messages = [("vexmora_convert", "vexmora_convert"), ("To", "到")]
    messages += [(g[0], g[5]) for g in GROUPS]
    for units in UNITS.values():
        for text, key, into, fro, zh in units:
            if "(" in text and all(text != m[0] for m in messages):
                messages.append((text, text[:text.index("(")] + "(" + zh + ")"))
    # The bare data-storage symbols stay as they are in every language; they
    # are listed unfinished, as lupdate lists them.
    bare = []
    for units in UNITS.values():
        for text, key, into, fro, zh in units:
            if "(" not in text and text not in bare:
                bare.append(text)
    out = ["<context>", "    <name>vexmora_convert</name>"]
    for source, translation in messages + [(b, None) for b in bare]:
        out += ["    <message>", "        <source>%s</source>" % escape(source)]
        if chinese and translation is not None:
            out.append("        <translation>%s</translation>" % escape(translation))
        else:
            out.append('        <translation type="unfinished"></translation>')
        out.append("    </message>")
    out.append("</context>")
    return "\n".join(out) + "\n"


def with_context(ts_text, chinese):
    block = re.compile(r"<context>\n    <name>vexmora_convert</name>\n.*?</context>\n", re.S)
    if not block.search(ts_text):
        sys.exit("no context vexmora_convert in a .ts file")
    return block.sub(lambda m: context(chinese), ts_text, count=1)


def outputs():
    files = {"forms/vexmora_convert.ui": form(), "utilities/unit_tables.cpp": tables()}
    for ts, chinese in (("transSimpleChinese.ts", True), ("transEnglish.ts", False)):
        path = "resources/translations/" + ts
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            files[path] = with_context(f.read(), chinese)
    return files


if __name__ == "__main__":
    check = "--check" in sys.argv[1:]
    stale = []
    for path, text in outputs().items():
        full = os.path.join(ROOT, path)
        old = open(full, encoding="utf-8").read() if os.path.exists(full) else None
        if old == text:
            continue
        if check:
            stale.append(path)
        else:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
    if stale:
        sys.exit("stale, rerun tools/gen_convert_form.py: " + ", ".join(stale))
