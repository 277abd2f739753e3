#!/usr/bin/env python3
"""Writes forms/vexmora_convert.ui: the converter's 22 groups are alike, so
they are generated from one table instead of kept by hand in Designer.

Run from the source tree:  python3 tools/gen_convert_form.py [output.ui]
"""
import sys
from xml.sax.saxutils import escape

# member prefix, group box, group grid, unit grid, "To" label, title
GROUPS = [
    ("Exchangerates", "groupBox_10", "gridLayout_22", "gridLayout_23", "label_11"),
    ("Lengths", "groupBox", "gridLayout_3", "gridLayout", "label"),
    ("Mass", "groupBox_mass", "gridLayout_11", "gridLayout_12", "label_6"),
    ("Area", "groupBox_2", "gridLayout_4", "gridLayout_2", "label_2"),
    ("Volume", "groupBox_3", "gridLayout_5", "gridLayout_6", "label_3"),
    ("Force", "groupBox_6", "gridLayout_13", "gridLayout_14", "label_7"),
    ("Torque", "groupBox_7", "gridLayout_15", "gridLayout_16", "label_8"),
    ("Time", "groupBox_4", "gridLayout_7", "gridLayout_8", "label_4"),
    ("Speed", "groupBox_5", "gridLayout_9", "gridLayout_10", "label_5"),
    ("Temperature", "groupBox_8", "gridLayout_17", "gridLayout_18", "label_9"),
    ("Pressure", "groupBox_9", "gridLayout_19", "gridLayout_20", "label_10"),
    ("Energy", "groupBox_11", "gridLayout_21", "gridLayout_25", "label_12"),
    ("Power", "groupBox_12", "gridLayout_26", "gridLayout_27", "label_13"),
    ("Capacitance", "groupBox_13", "gridLayout_28", "gridLayout_29", "label_14"),
    ("Resistance", "groupBox_14", "gridLayout_30", "gridLayout_31", "label_15"),
    ("Conductance", "groupBox_15", "gridLayout_32", "gridLayout_33", "label_16"),
    ("Inductance", "groupBox_16", "gridLayout_34", "gridLayout_35", "label_17"),
    ("Current", "groupBox_17", "gridLayout_36", "gridLayout_37", "label_18"),
    ("Charge", "groupBox_18", "gridLayout_38", "gridLayout_39", "label_19"),
    ("Magnetic", "groupBox_19", "gridLayout_40", "gridLayout_41", "label_20"),
    ("Angle", "groupBox_20", "gridLayout_42", "gridLayout_43", "label_21"),
    ("DataStorage", "groupBox_21", "gridLayout_44", "gridLayout_45", "label_22"),
]
IN_VERTICAL_LAYOUT = 12  # the first twelve share one box layout in row 0


def string(text):
    return "<string>%s</string>" % escape(text) if text else "<string/>"


def unit_items(member):
    """Unit item texts of a group, in order (none for the currencies, which
    get flags at run time)."""
    return []


def group_box(member, box, grid, unit_grid, to_label, ind):
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


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "forms/vexmora_convert.ui"
    with open(path, "w", encoding="utf-8") as f:
        f.write(form())
