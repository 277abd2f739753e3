<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:16pt; font-weight:600;&quot;&gt;KESP&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;;&quot;&gt;Version:3.4.4&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Copyright (C) Vexmora. All rights reserved.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;http://www.vexmora.com&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;http://www.vexmora.com&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;http://www.vexmora.com/software&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;http://www.vexmora.com/software&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;a href=&quot;http://www.vexmora.com/kesp&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;http://www.vexmora.com/kesp&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COM_Expand</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Config</source>
        <translation>保存设置</translation>
    </message>
</context>
<context>
    <name>CharacteristicWidget</name>
    <message>
        <source>Characteristic Name:</source>
        <translation>特征名称:</translation>
    </message>
    <message>
        <source>Characteristic UUID:</source>
        <translation>特征UUID:</translation>
    </message>
    <message>
        <source>Characteristic Permission:</source>
        <translation>特征权限:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNICODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hextools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenStreet Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baidu Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto scan serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPScalculate</name>
    <message>
        <source>GPS calculation</source>
        <translation>GPS计算</translation>
    </message>
    <message>
        <source>Original longitude:</source>
        <translation>起点经度:</translation>
    </message>
    <message>
        <source>Original latitude:</source>
        <translation>起点纬度:</translation>
    </message>
    <message>
        <source>Target longitude:</source>
        <translation>终点经度:</translation>
    </message>
    <message>
        <source>Target latitude:</source>
        <translation>终点纬度:</translation>
    </message>
    <message>
        <source>result:</source>
        <translation>结果:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>公里</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>UTM Conversions</source>
        <translation>UTM转换</translation>
    </message>
    <message>
        <source>longitude:</source>
        <translation>经度:</translation>
    </message>
    <message>
        <source>UTM Northing:</source>
        <translation>UTM北向:</translation>
    </message>
    <message>
        <source>latitude:</source>
        <translation>纬度:</translation>
    </message>
    <message>
        <source>UTM Easting:</source>
        <translation>UTM东向:</translation>
    </message>
    <message>
        <source>UNIT:meters</source>
        <translation>单位:米</translation>
    </message>
    <message>
        <source>UTM Zone:</source>
        <translation>UTM区域:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPSsignal</name>
    <message>
        <source>GPS Signal</source>
        <translation>GPS信号</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>使用帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>eg.:</source>
        <translation>示例:</translation>
    </message>
    <message>
        <source>TCP server receive format:</source>
        <translation>TCP服务器接收格式：</translation>
    </message>
    <message>
        <source>Temperature receive format:</source>
        <translation>温度接收格式：</translation>
    </message>
    <message>
        <source>Humidity receive format:</source>
        <translation>接收格式：</translation>
    </message>
    <message>
        <source>Ultraviolet receive format:</source>
        <translation>紫外线接收格式：</translation>
    </message>
    <message>
        <source>CO2 receive format:</source>
        <translation>CO2接收格式：</translation>
    </message>
    <message>
        <source>TVOC receive format:</source>
        <translation>TVOC接收格式：</translation>
    </message>
    <message>
        <source>Barometer receive format:</source>
        <translation>气压接收格式：</translation>
    </message>
    <message>
        <source>Temperature:xx.xxC\r\n</source>
        <translation>Temperature:xx.xxC\r\n</translation>
    </message>
    <message>
        <source>GPS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:xx.xxxxx,Longitude:xxx.xxxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;Latitude:39.92215,Longitude:116.46478\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;Temperature:25.25C\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity:xx.xx%\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;Humidity:60.71%\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultraviolet:xxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;Ultraviolet:300\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO2:xxxxxppm\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;CO2:5000ppm\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC:xxxxxppb\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;TVOC:200ppb&lt;/span&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;;&quot;&gt;\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer:xxxxPa\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;Barometer:1120Pa\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$0:xxxxx;$1:xxxxx;$2:xxxxx;$3:xxxxx;\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;SimSun&apos;; color:#008000;&quot;&gt;$0:34;$1:548;$2:0.547;$3:-1.579;\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra receive format(int):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;AS7341:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;AS7343:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\nFXL:xxxx\r\nFZ:xxxx\r\nFY:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\nFXL:687\r\nFZ:23\r\nFY:11\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;AS7265X:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nF9:xxxx\r\nF10:xxxx\r\nF11:xxxx\r\nF12:xxxx\r\nF13:xxxx\r\nF14:xxxx\r\nF15:xxxx\r\nF16:xxxx\r\nF17:xxxx\r\nF18:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nF9:130\r\nF10:687\r\nF11:23\r\nF12:11\r\nF13:247\r\nF14:874\r\nF15:12\r\nF16:77\r\nF17:726\r\nF18:814\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF receive format(int):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx...xxxx,xxxx,\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;2215,4478 ... 784,465\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE receive format(float):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIEX:x.xxxxx;CIEY:x.xxxxx;LUX:xxxx.xxxx;CCT:xxx.xxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;CIEX:0.587309;CIEY:0.424433;LUX:682.496000;CCT:1763.247393\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMU:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMU receive format(float):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W:x.xxxxx;X:x.xxxxx;Y:xxxx.xxxx;Z:xxx.xxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:12px; margin-bottom:12px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Courier New&apos;; color:#008000;&quot;&gt;W:0.587309;X:0.424433;Y:682.496000;Z:63.247393\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>I2CDump_ReadREG</name>
    <message>
        <source>I2C Read Reg</source>
        <translation>I2C 读寄存器</translation>
    </message>
    <message>
        <source>register addr:</source>
        <translation>寄存器地址:</translation>
    </message>
    <message>
        <source>length:</source>
        <translation>长度:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>I2CDump_WriteREG</name>
    <message>
        <source>I2C Write Reg</source>
        <translation>I2C 写寄存器</translation>
    </message>
    <message>
        <source>register addr:</source>
        <translation>寄存器地址:</translation>
    </message>
    <message>
        <source>e.g.: 0x12,0x34,0xab</source>
        <translation>例如: 0x12,0x34,0xab</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>LineSender</name>
    <message>
        <source>The port was closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检测更新</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>使用帮助</translation>
    </message>
    <message>
        <source>Serial Debug</source>
        <translation>Serial Debug</translation>
    </message>
    <message>
        <source>UDP Debug</source>
        <translation>UDP Debug</translation>
    </message>
    <message>
        <source>TCP Debug</source>
        <translation>TCP Debug</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation>发送数据</translation>
    </message>
    <message>
        <source>Keep Send</source>
        <translation>连续发送</translation>
    </message>
    <message>
        <source>Hex to Send</source>
        <translation>以十六进制发送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Clear Sendbox</source>
        <translation>清空发送框</translation>
    </message>
    <message>
        <source>Interval(MS)</source>
        <translation>间隔(毫秒)</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>接收数据</translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Serial No.</source>
        <translation>串 口</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear Receive</source>
        <translation>清空接收框</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>Clear Count</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>密钥</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Decryption</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>warning:</source>
        <translation>警告:</translation>
    </message>
    <message>
        <source>Error for Data</source>
        <translation>数据错误</translation>
    </message>
    <message>
        <source>Please enter &apos;0&apos; - &apos;9&apos;, &apos;A&apos; - &apos;F&apos;</source>
        <translation>请输入 &apos;0&apos; - &apos;9&apos;, &apos;A&apos; - &apos;F&apos;</translation>
    </message>
    <message>
        <source>Chinese To Unicode</source>
        <translation>中文转Unicode</translation>
    </message>
    <message>
        <source>Unicode To Chinese</source>
        <translation>Unicode转中文</translation>
    </message>
    <message>
        <source>Prefix &quot;\U&quot;</source>
        <translation>前缀 &quot;\U&quot;</translation>
    </message>
    <message>
        <source>UDP Setting</source>
        <translation>UDP设置</translation>
    </message>
    <message>
        <source>TCP Setting</source>
        <translation>TCP设置</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>本地IP:</translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation>本地端口:</translation>
    </message>
    <message>
        <source>Remote IP:</source>
        <translation>目标IP:</translation>
    </message>
    <message>
        <source>Remote Port:</source>
        <translation>目标端口:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Found a new version.</source>
        <translation>找到新版本.</translation>
    </message>
    <message>
        <source>Already the latest version.</source>
        <translation>已经是最新版本.</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation>发送短信</translation>
    </message>
    <message>
        <source>Call phone</source>
        <translation>拨打电话</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>拨号</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>挂断</translation>
    </message>
    <message>
        <source>Auto Redial</source>
        <translation>自动重拨</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>signal value</source>
        <translation>信号值</translation>
    </message>
    <message>
        <source>Read SMS</source>
        <translation>读取短信</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>GPRS Test - TCP Client</source>
        <translation>GPRS测试 - TCP客户端</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>服务器IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Function switch</source>
        <translation>功能开关</translation>
    </message>
    <message>
        <source>Show Caller</source>
        <translation>来电显示</translation>
    </message>
    <message>
        <source>Call Music</source>
        <translation>来电铃声</translation>
    </message>
    <message>
        <source>SMS text mode</source>
        <translation>短信文本模式</translation>
    </message>
    <message>
        <source>Initialization completed</source>
        <translation>初始化完成</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>call ended</source>
        <translation>通话结束</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>对方忙</translation>
    </message>
    <message>
        <source>Calling...</source>
        <translation>正在通话...</translation>
    </message>
    <message>
        <source>Have a new call:</source>
        <translation>有新来电:</translation>
    </message>
    <message>
        <source>Answer call</source>
        <translation>接听电话</translation>
    </message>
    <message>
        <source>Already cleared</source>
        <translation>已清除</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Info: </source>
        <translation>提示: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>错误: </translation>
    </message>
    <message>
        <source>For academic research only. Prohibiting telephone harassment!</source>
        <translation>仅供学术研究使用，禁止电话骚扰!</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>Successfully deleted</source>
        <translation>删除成功</translation>
    </message>
    <message>
        <source>SMS sent successfully</source>
        <translation>短信发送成功</translation>
    </message>
    <message>
        <source>SMS sent failed</source>
        <translation>短信发送失败</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Bar Chart</source>
        <translation>柱状图</translation>
    </message>
    <message>
        <source>Line Chart</source>
        <translation>曲线图</translation>
    </message>
    <message>
        <source>Quaternions:</source>
        <translation>四元数:</translation>
    </message>
    <message>
        <source>Euler Angles:</source>
        <translation>欧拉角:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>横滚角:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>俯仰角:</translation>
    </message>
    <message>
        <source>Yaw:</source>
        <translation>偏航角:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Read Reg</source>
        <translation>读寄存器</translation>
    </message>
    <message>
        <source>Write Reg</source>
        <translation>写寄存器</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Invalid input format. Please enter the correct format (e.g., 0x01,0x34,0xab)</source>
        <translation>输入格式无效，请按正确格式输入（例如 0x01,0x34,0xab）</translation>
    </message>
    <message>
        <source>Filter: OFF (RAW)</source>
        <translation>滤波：关 (原始)</translation>
    </message>
    <message>
        <source>Filter: ON (IIR 3:7)</source>
        <translation>滤波：开 (IIR 3:7)</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
    <message>
        <source>Receive has been cleared</source>
        <translation>接收区已清空</translation>
    </message>
    <message>
        <source>Successfully read %1 byte data</source>
        <translation>成功读取%1字节数据</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>无</translation>
    </message>
    <message>
        <source>GPS information</source>
        <translation>GPS信息</translation>
    </message>
    <message>
        <source>Serial Message</source>
        <translation>串口消息</translation>
    </message>
    <message>
        <source>Track the GPS moving map</source>
        <translation>地图跟随GPS移动</translation>
    </message>
    <message>
        <source>Save latitude and longitude</source>
        <translation>保存经纬度</translation>
    </message>
    <message>
        <source>Import  track</source>
        <translation>导入轨迹</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>经度:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>纬度:</translation>
    </message>
    <message>
        <source>Location state:</source>
        <translation>定位状态:</translation>
    </message>
    <message>
        <source>GPS satellite:</source>
        <translation>GPS卫星:</translation>
    </message>
    <message>
        <source>Beidou satellite:</source>
        <translation>北斗卫星:</translation>
    </message>
    <message>
        <source>Use satellite:</source>
        <translation>使用卫星:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>海拔高度:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>地面速度:</translation>
    </message>
    <message>
        <source>Location factor:</source>
        <translation>位置精度因子:</translation>
    </message>
    <message>
        <source>Vertical factor:</source>
        <translation>垂直精度因子:</translation>
    </message>
    <message>
        <source>Level factor:</source>
        <translation>水平精度因子:</translation>
    </message>
    <message>
        <source>Vexmora -- KESP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>230400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>460800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>921600 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1152000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;以十六进制方式发送数据（默认为字符方式）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已发送的字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已接收字节数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC:</source>
        <translation>UTC时间:</translation>
    </message>
    <message>
        <source>GSM Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>温度:</translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation>湿度:</translation>
    </message>
    <message>
        <source>Ultraviolet:</source>
        <translation>紫外线:</translation>
    </message>
    <message>
        <source>CO₂:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer:</source>
        <translation>气压:</translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DES - CBC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 0</source>
        <translation>通道0</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>通道1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>通道2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>通道3</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mqtt://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mqtts://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ws://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wss://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.0.19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VL53LMZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMF8828</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMF8829</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VL53L9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2D</source>
        <translation>二维</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>三维</translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>01(Read Coils)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>02(Read Discrete Inputs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>03(Read Holding Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>04(Read Input Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>05(Write Single Coil)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06(Write Single Register)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15(Write Multiple Coils)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16(Write Multiple Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>w:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. The program was not restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page cannot be shown while the program runs as root. Start it as another user, or with QTWEBENGINE_DISABLE_SANDBOX=1 set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection lost. Please check your network settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial failed to open, The serial does not exist or already used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial closed: the device is gone (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected TCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP or Port is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to TCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send has been cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port is not open in this panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP server not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT was not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT was disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WebSocket connection was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 was subcribed success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 was refused by the broker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 is not a valid topic name.</source>
        <translation>主题:%1 不是有效的主题名。</translation>
    </message>
    <message>
        <source>Topic:%1 is not a valid topic filter.</source>
        <translation>主题:%1 不是有效的主题过滤器。</translation>
    </message>
    <message>
        <source>MQTT settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: no serial port is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input data format is wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed: Failed to open this file, this may be due to insufficient permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success for send the data in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter has been cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP receive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from:%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server failed to start on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server has stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data need to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>newtxt.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed:Open file %1 failed, can&apos;t save
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success for read the data in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Keep sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Keep sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>99999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP receive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP failed to listen on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP stop listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid remote port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid remote IP: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Server failed to start: %1</source>
        <translation>服务器启动失败：%1</translation>
    </message>
    <message>
        <source>New client: </source>
        <translation>新客户端：</translation>
    </message>
    <message>
        <source>%1 Joined</source>
        <translation>%1 已连接</translation>
    </message>
    <message>
        <source>Client: </source>
        <translation>客户端：</translation>
    </message>
    <message>
        <source>%1 Left</source>
        <translation>%1 已断开</translation>
    </message>
    <message>
        <source>Line longer than %1 bytes dropped</source>
        <translation>超过 %1 字节的行已丢弃</translation>
    </message>
    <message>
        <source>Position without longitude skipped</source>
        <translation>缺少经度的位置已跳过</translation>
    </message>
    <message>
        <source>Position is not a number, not saved or shown on the map</source>
        <translation>位置不是有效数字，未保存，也未显示在地图上</translation>
    </message>
    <message>
        <source>Unable to save GPS data.</source>
        <translation>无法保存GPS数据。</translation>
    </message>
    <message>
        <source>Server has started on port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	lines: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid port &quot;%1&quot;: enter a number from 0 to 65535 (0 lets the system choose)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid port &quot;%1&quot;: enter a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP starts listening on port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed:Writing file %1 failed, the file is left as it was
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position out of range (latitude -90 to 90, longitude -180 to 180), not saved or shown on the map</source>
        <translation>位置超出范围（纬度 -90 到 90，经度 -180 到 180），未保存，也未显示在地图上</translation>
    </message>
    <message>
        <source>The modem does not answer</source>
        <translation>调制解调器无应答</translation>
    </message>
    <message>
        <source>The modem did not confirm the send in time</source>
        <translation>调制解调器未及时确认发送</translation>
    </message>
    <message>
        <source>Send refused: the device takes data more slowly than it is sent, or not at all; %1 bytes are still waiting</source>
        <translation>发送被拒绝：设备接收数据比发送慢，或者根本不接收；仍有 %1 字节在等待</translation>
    </message>
    <message>
        <source>TCP send refused: the peer %1 takes data more slowly than it is sent, or not at all; %2 bytes are still waiting</source>
        <translation>TCP 发送被拒绝：对端 %1 接收数据比发送慢，或者根本不接收；仍有 %2 字节在等待</translation>
    </message>
    <message>
        <source>TCP send refused: the link to %1 is not up yet; %2 bytes are waiting to be sent</source>
        <translation>TCP 发送被拒绝：到 %1 的连接尚未建立；仍有 %2 字节等待发送</translation>
    </message>
    <message>
        <source>%1; %2 bytes waiting for the link were not sent</source>
        <translation>%1；等待连接的 %2 字节未能发出</translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>The transport device is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker sent a malformed packet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unacceptable protocol version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client identifier rejected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not authorized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker refused the connection: %1 (code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker did not answer the connection request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker stopped answering (keep-alive).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>AUD(Australian Dollar)</source>
        <translation>AUD(澳大利亚元)</translation>
    </message>
    <message>
        <source>BGN(Bulgarian Lev)</source>
        <translation>BGN(保加利亚列弗)</translation>
    </message>
    <message>
        <source>BRL(Brazilian Real)</source>
        <translation>BRL(巴西雷亚尔)</translation>
    </message>
    <message>
        <source>CAD(Canadian Dollar)</source>
        <translation>CAD(加拿大元)</translation>
    </message>
    <message>
        <source>CHF(Swiss Franc)</source>
        <translation>CHF(瑞士法郎)</translation>
    </message>
    <message>
        <source>CNY(Chinese Yuan)</source>
        <translation>CNY(人民币)</translation>
    </message>
    <message>
        <source>CZK(Czech Koruna)</source>
        <translation>CZK(捷克克朗)</translation>
    </message>
    <message>
        <source>DKK(Danish Krone)</source>
        <translation>DKK(丹麦克朗)</translation>
    </message>
    <message>
        <source>EUR(Euro)</source>
        <translation>EUR(欧元)</translation>
    </message>
    <message>
        <source>GBP(British Pound Sterling)</source>
        <translation>GBP(英镑)</translation>
    </message>
    <message>
        <source>HKD(Hong Kong Dollar)</source>
        <translation>HKD(港元)</translation>
    </message>
    <message>
        <source>HUF(Hungarian Forint)</source>
        <translation>HUF(匈牙利福林)</translation>
    </message>
    <message>
        <source>IDR(Indonesian Rupiah)</source>
        <translation>IDR(印度尼西亚盾)</translation>
    </message>
    <message>
        <source>ILS(Israeli New Shekel)</source>
        <translation>ILS(以色列新谢克尔)</translation>
    </message>
    <message>
        <source>INR(Indian Rupee)</source>
        <translation>INR(印度卢比)</translation>
    </message>
    <message>
        <source>ISK(Icelandic Króna)</source>
        <translation>ISK(冰岛克朗)</translation>
    </message>
    <message>
        <source>JPY(Japanese Yen)</source>
        <translation>JPY(日元)</translation>
    </message>
    <message>
        <source>KRW(South Korean Won)</source>
        <translation>KRW(韩元)</translation>
    </message>
    <message>
        <source>MXN(Mexican Peso)</source>
        <translation>MXN(墨西哥比索)</translation>
    </message>
    <message>
        <source>MYR(Malaysian Ringgit)</source>
        <translation>MYR(马来西亚林吉特)</translation>
    </message>
    <message>
        <source>NOK(Norwegian Krone)</source>
        <translation>NOK(挪威克朗)</translation>
    </message>
    <message>
        <source>NZD(New Zealand Dollar)</source>
        <translation>NZD(新西兰元)</translation>
    </message>
    <message>
        <source>PHP(Philippine Peso)</source>
        <translation>PHP(菲律宾比索)</translation>
    </message>
    <message>
        <source>PLN(Polish Złoty)</source>
        <translation>PLN(波兰兹罗提)</translation>
    </message>
    <message>
        <source>RON(Romanian Leu)</source>
        <translation>RON(罗马尼亚列伊)</translation>
    </message>
    <message>
        <source>SEK(Swedish Krona)</source>
        <translation>SEK(瑞典克朗)</translation>
    </message>
    <message>
        <source>SGD(Singapore Dollar)</source>
        <translation>SGD(新加坡元)</translation>
    </message>
    <message>
        <source>THB(Thai Baht)</source>
        <translation>THB(泰铢)</translation>
    </message>
    <message>
        <source>TRY(Turkish Lira)</source>
        <translation>TRY(土耳其里拉)</translation>
    </message>
    <message>
        <source>USD(United States Dollar)</source>
        <translation>USD(美元)</translation>
    </message>
    <message>
        <source>ZAR(South African Rand)</source>
        <translation>ZAR(南非兰特)</translation>
    </message>
</context>
<context>
    <name>Vexmora_ModbusClient</name>
    <message>
        <source>Unsupported function code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty response received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid length in response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid protocol ID in response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid CRC in response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus exception response: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected function code in response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid byte count in response</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>Data:</source>
        <translation>数据:</translation>
    </message>
    <message>
        <source>Send Mode:</source>
        <translation>发送模式:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>写入数据</translation>
    </message>
</context>
<context>
    <name>vexmora_3d_imu</name>
    <message>
        <source>The 3D view needs OpenGL, which is not available here.</source>
        <translation>3D 视图需要 OpenGL，此处不可用。</translation>
    </message>
</context>
<context>
    <name>vexmora_ble</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_cie_widget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>CIE x :</source>
        <translation>CIE x :</translation>
    </message>
    <message>
        <source>CIE y :</source>
        <translation>CIE y :</translation>
    </message>
    <message>
        <source>Lux :</source>
        <translation>照度 :</translation>
    </message>
    <message>
        <source>CCT :</source>
        <translation>色温 :</translation>
    </message>
    <message>
        <source>标记位置</source>
        <translation>标记位置</translation>
    </message>
</context>
<context>
    <name>vexmora_convert</name>
    <message>
        <source>vexmora_convert</source>
        <translation>vexmora_convert</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Exchangerates</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>Lengths</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体积</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>扭矩</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>能量</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>电容</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>电阻</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>电导</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>电感</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>电荷</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>磁场</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>DataStorage</source>
        <translation>数据存储</translation>
    </message>
    <message>
        <source>km(kilometer)</source>
        <translation>km(千米)</translation>
    </message>
    <message>
        <source>m(meter)</source>
        <translation>m(米)</translation>
    </message>
    <message>
        <source>dm(decimeter)</source>
        <translation>dm(分米)</translation>
    </message>
    <message>
        <source>cm(centimeter)</source>
        <translation>cm(厘米)</translation>
    </message>
    <message>
        <source>mm(millimeter)</source>
        <translation>mm(毫米)</translation>
    </message>
    <message>
        <source>µm(micrometer)</source>
        <translation>µm(微米)</translation>
    </message>
    <message>
        <source>nm(nanometer)</source>
        <translation>nm(纳米)</translation>
    </message>
    <message>
        <source>Å(angstrom)</source>
        <translation>Å(埃)</translation>
    </message>
    <message>
        <source>pm(picometer)</source>
        <translation>pm(皮米)</translation>
    </message>
    <message>
        <source>mi(mile)</source>
        <translation>mi(英里)</translation>
    </message>
    <message>
        <source>ft(feet)</source>
        <translation>ft(英尺)</translation>
    </message>
    <message>
        <source>in(inch)</source>
        <translation>in(英寸)</translation>
    </message>
    <message>
        <source>mil(mill)</source>
        <translation>mil(密耳)</translation>
    </message>
    <message>
        <source>M(nautical mile)</source>
        <translation>M(海里)</translation>
    </message>
    <message>
        <source>yd(yard)</source>
        <translation>yd(码)</translation>
    </message>
    <message>
        <source>au(astronomical unit)</source>
        <translation>au(天文单位)</translation>
    </message>
    <message>
        <source>ly(light year)</source>
        <translation>ly(光年)</translation>
    </message>
    <message>
        <source>ls(light second)</source>
        <translation>ls(光秒)</translation>
    </message>
    <message>
        <source>pc(parsec)</source>
        <translation>pc(秒差距)</translation>
    </message>
    <message>
        <source>km²(square kilometre)</source>
        <translation>km²(平方千米)</translation>
    </message>
    <message>
        <source>m²(square metre)</source>
        <translation>m²(平方米)</translation>
    </message>
    <message>
        <source>cm²(square centimetre)</source>
        <translation>cm²(平方厘米)</translation>
    </message>
    <message>
        <source>mm²(square millimetre)</source>
        <translation>mm²(平方毫米)</translation>
    </message>
    <message>
        <source>in²(square inch)</source>
        <translation>in²(平方英寸)</translation>
    </message>
    <message>
        <source>ft²(square foot)</source>
        <translation>ft²(平方英尺)</translation>
    </message>
    <message>
        <source>yd²(square yard)</source>
        <translation>yd²(平方码)</translation>
    </message>
    <message>
        <source>mi²(square mile)</source>
        <translation>mi²(平方英里)</translation>
    </message>
    <message>
        <source>ha(hectare)</source>
        <translation>ha(公顷)</translation>
    </message>
    <message>
        <source>ac(acre)</source>
        <translation>ac(英亩)</translation>
    </message>
    <message>
        <source>a(square are)</source>
        <translation>a(公亩)</translation>
    </message>
    <message>
        <source>m³(cubic meter)</source>
        <translation>m³(立方米)</translation>
    </message>
    <message>
        <source>dm³(cubic decimeter)</source>
        <translation>dm³(立方分米)</translation>
    </message>
    <message>
        <source>cm³(cubic centimeter)</source>
        <translation>cm³(立方厘米)</translation>
    </message>
    <message>
        <source>mm³(cubic millimeter)</source>
        <translation>mm³(立方毫米)</translation>
    </message>
    <message>
        <source>in³(cubic inch)</source>
        <translation>in³(立方英寸)</translation>
    </message>
    <message>
        <source>ft³(cubic foot)</source>
        <translation>ft³(立方英尺)</translation>
    </message>
    <message>
        <source>L(liter)</source>
        <translation>L(升)</translation>
    </message>
    <message>
        <source>mL(milliliter)</source>
        <translation>mL(毫升)</translation>
    </message>
    <message>
        <source>cup(cup)</source>
        <translation>cup(杯)</translation>
    </message>
    <message>
        <source>UK gal(UK gallon)</source>
        <translation>UK gal(英制加仑)</translation>
    </message>
    <message>
        <source>UK pt(UK pint)</source>
        <translation>UK pt(英制品脱)</translation>
    </message>
    <message>
        <source>UK fl oz(UK Fluid ounce)</source>
        <translation>UK fl oz(英制液量盎司)</translation>
    </message>
    <message>
        <source>UK oz(UK ounce)</source>
        <translation>UK oz(英制盎司)</translation>
    </message>
    <message>
        <source>US gal(US gallon)</source>
        <translation>US gal(美制加仑)</translation>
    </message>
    <message>
        <source>US pt(US pint)</source>
        <translation>US pt(美制品脱)</translation>
    </message>
    <message>
        <source>US fl oz(US Fluid ounce)</source>
        <translation>US fl oz(美制液量盎司)</translation>
    </message>
    <message>
        <source>US oz(US ounce)</source>
        <translation>US oz(美制盎司)</translation>
    </message>
    <message>
        <source>tbsp(tablespoon)</source>
        <translation>tbsp(汤匙)</translation>
    </message>
    <message>
        <source>ng(nanogram)</source>
        <translation>ng(纳克)</translation>
    </message>
    <message>
        <source>µg(microgram)</source>
        <translation>µg(微克)</translation>
    </message>
    <message>
        <source>mg(milligram)</source>
        <translation>mg(毫克)</translation>
    </message>
    <message>
        <source>cg(centigram)</source>
        <translation>cg(厘克)</translation>
    </message>
    <message>
        <source>g(gram)</source>
        <translation>g(克)</translation>
    </message>
    <message>
        <source>kg(kilogram)</source>
        <translation>kg(千克)</translation>
    </message>
    <message>
        <source>t(ton)</source>
        <translation>t(吨)</translation>
    </message>
    <message>
        <source>lb(pound)</source>
        <translation>lb(磅)</translation>
    </message>
    <message>
        <source>st(stone)</source>
        <translation>st(英石)</translation>
    </message>
    <message>
        <source>oz(ounce)</source>
        <translation>oz(盎司)</translation>
    </message>
    <message>
        <source>ozt(troy ounce)</source>
        <translation>ozt(金衡盎司)</translation>
    </message>
    <message>
        <source>dwt(pennyweight)</source>
        <translation>dwt(英钱)</translation>
    </message>
    <message>
        <source>ct(carat)</source>
        <translation>ct(克拉)</translation>
    </message>
    <message>
        <source>u(unified atomic mass unit)</source>
        <translation>u(原子质量单位)</translation>
    </message>
    <message>
        <source>N(newton)</source>
        <translation>N(牛顿)</translation>
    </message>
    <message>
        <source>dyn(dyne)</source>
        <translation>dyn(达因)</translation>
    </message>
    <message>
        <source>lbf(pound-force)</source>
        <translation>lbf(磅力)</translation>
    </message>
    <message>
        <source>kgf(kilogram-force)</source>
        <translation>kgf(千克力)</translation>
    </message>
    <message>
        <source>pdl(poundal)</source>
        <translation>pdl(磅达)</translation>
    </message>
    <message>
        <source>N·m(Newton-meter)</source>
        <translation>N·m(牛顿米)</translation>
    </message>
    <message>
        <source>dyn·cm(Dyne·cm)</source>
        <translation>dyn·cm(达因厘米)</translation>
    </message>
    <message>
        <source>lbf·ft(Pound-force foot)</source>
        <translation>lbf·ft(磅力英尺)</translation>
    </message>
    <message>
        <source>kgf·m(Kilogram-force meter)</source>
        <translation>kgf·m(千克力米)</translation>
    </message>
    <message>
        <source>pdl·m(Poundal·m)</source>
        <translation>pdl·m(磅达米)</translation>
    </message>
    <message>
        <source>mPa(millipascal)</source>
        <translation>mPa(毫帕)</translation>
    </message>
    <message>
        <source>Pa(pascal)</source>
        <translation>Pa(帕斯卡)</translation>
    </message>
    <message>
        <source>hPa(hectopascal)</source>
        <translation>hPa(百帕)</translation>
    </message>
    <message>
        <source>kPa(kilopascal)</source>
        <translation>kPa(千帕)</translation>
    </message>
    <message>
        <source>GPa(gigapascal)</source>
        <translation>GPa(吉帕)</translation>
    </message>
    <message>
        <source>bar(bar)</source>
        <translation>bar(巴)</translation>
    </message>
    <message>
        <source>pz(pizz pascal)</source>
        <translation>pz(皮兹)</translation>
    </message>
    <message>
        <source>psi(pound per square inch)</source>
        <translation>psi(磅每平方英寸)</translation>
    </message>
    <message>
        <source>kpsi(kip per square inch)</source>
        <translation>kpsi(千磅每平方英寸)</translation>
    </message>
    <message>
        <source>atm(atmosphere)</source>
        <translation>atm(标准大气压)</translation>
    </message>
    <message>
        <source>at(technical atmosphere)</source>
        <translation>at(工程大气压)</translation>
    </message>
    <message>
        <source>torr(torr)</source>
        <translation>torr(托)</translation>
    </message>
    <message>
        <source>mmHg(millimeter of mercury)</source>
        <translation>mmHg(毫米汞柱)</translation>
    </message>
    <message>
        <source>mHg(meter of mercury)</source>
        <translation>mHg(米汞柱)</translation>
    </message>
    <message>
        <source>cmHg(centimeter of mercury)</source>
        <translation>cmHg(厘米汞柱)</translation>
    </message>
    <message>
        <source>inHg(inch of mercury)</source>
        <translation>inHg(英寸汞柱)</translation>
    </message>
    <message>
        <source>mmH2O(millimeter of water column)</source>
        <translation>mmH2O(毫米水柱)</translation>
    </message>
    <message>
        <source>cmH2O(centimeter of water column)</source>
        <translation>cmH2O(厘米水柱)</translation>
    </message>
    <message>
        <source>mH2O(meter of water column)</source>
        <translation>mH2O(米水柱)</translation>
    </message>
    <message>
        <source>inH2O(inch of water column)</source>
        <translation>inH2O(英寸水柱)</translation>
    </message>
    <message>
        <source>J(joule)</source>
        <translation>J(焦耳)</translation>
    </message>
    <message>
        <source>kJ(kilojoule)</source>
        <translation>kJ(千焦)</translation>
    </message>
    <message>
        <source>MJ(megajoule)</source>
        <translation>MJ(兆焦)</translation>
    </message>
    <message>
        <source>W·h(watt-hour)</source>
        <translation>W·h(瓦时)</translation>
    </message>
    <message>
        <source>kW·h(kilowatt-hour)</source>
        <translation>kW·h(千瓦时)</translation>
    </message>
    <message>
        <source>erg(erg)</source>
        <translation>erg(尔格)</translation>
    </message>
    <message>
        <source>kpm(kilogram-force meter)</source>
        <translation>kpm(千克力米)</translation>
    </message>
    <message>
        <source>btu(british thermal unit)</source>
        <translation>btu(英热单位)</translation>
    </message>
    <message>
        <source>ft·lbf(foot-pound force)</source>
        <translation>ft·lbf(英尺磅力)</translation>
    </message>
    <message>
        <source>cal(calorie)</source>
        <translation>cal(卡路里)</translation>
    </message>
    <message>
        <source>eV(electron volt)</source>
        <translation>eV(电子伏特)</translation>
    </message>
    <message>
        <source>W(watt)</source>
        <translation>W(瓦特)</translation>
    </message>
    <message>
        <source>kW(kilowatt)</source>
        <translation>kW(千瓦)</translation>
    </message>
    <message>
        <source>MW(megawatt)</source>
        <translation>MW(兆瓦)</translation>
    </message>
    <message>
        <source>GW(gigawatt)</source>
        <translation>GW(吉瓦)</translation>
    </message>
    <message>
        <source>BTU/h(british thermal unit per hour)</source>
        <translation>BTU/h(英热单位每小时)</translation>
    </message>
    <message>
        <source>BTU/min(british thermal unit per minute)</source>
        <translation>BTU/min(英热单位每分钟)</translation>
    </message>
    <message>
        <source>BTU/s(british thermal unit per second)</source>
        <translation>BTU/s(英热单位每秒)</translation>
    </message>
    <message>
        <source>ft·lbf/s(foot-pound force per second)</source>
        <translation>ft·lbf/s(英尺磅力每秒)</translation>
    </message>
    <message>
        <source>hp(horsepower)</source>
        <translation>hp(公制马力)</translation>
    </message>
    <message>
        <source>mhp(mechanical horsepower)</source>
        <translation>mhp(机械马力)</translation>
    </message>
    <message>
        <source>ehp(electrical horsepower)</source>
        <translation>ehp(电马力)</translation>
    </message>
    <message>
        <source>bhp(boiler horsepower)</source>
        <translation>bhp(锅炉马力)</translation>
    </message>
    <message>
        <source>c(century)</source>
        <translation>c(世纪)</translation>
    </message>
    <message>
        <source>a(year)</source>
        <translation>a(年)</translation>
    </message>
    <message>
        <source>m(month)</source>
        <translation>m(月)</translation>
    </message>
    <message>
        <source>w(week)</source>
        <translation>w(周)</translation>
    </message>
    <message>
        <source>d(day)</source>
        <translation>d(天)</translation>
    </message>
    <message>
        <source>h(hour)</source>
        <translation>h(小时)</translation>
    </message>
    <message>
        <source>min(minute)</source>
        <translation>min(分钟)</translation>
    </message>
    <message>
        <source>s(second)</source>
        <translation>s(秒)</translation>
    </message>
    <message>
        <source>ms(millisecond)</source>
        <translation>ms(毫秒)</translation>
    </message>
    <message>
        <source>μs(microsecond)</source>
        <translation>μs(微秒)</translation>
    </message>
    <message>
        <source>ns(nanosecond)</source>
        <translation>ns(纳秒)</translation>
    </message>
    <message>
        <source>fs(femtosecond)</source>
        <translation>fs(飞秒)</translation>
    </message>
    <message>
        <source>as(attosecond)</source>
        <translation>as(阿秒)</translation>
    </message>
    <message>
        <source>m/s(meter per second)</source>
        <translation>m/s(米每秒)</translation>
    </message>
    <message>
        <source>m/min(meter per minute)</source>
        <translation>m/min(米每分钟)</translation>
    </message>
    <message>
        <source>m/h(meter per hour)</source>
        <translation>m/h(米每小时)</translation>
    </message>
    <message>
        <source>km/min(kilometer per minute)</source>
        <translation>km/min(千米每分钟)</translation>
    </message>
    <message>
        <source>km/h(kilometer per hour)</source>
        <translation>km/h(千米每小时)</translation>
    </message>
    <message>
        <source>ft/s(foot per second)</source>
        <translation>ft/s(英尺每秒)</translation>
    </message>
    <message>
        <source>ft/min(foot per minute)</source>
        <translation>ft/min(英尺每分钟)</translation>
    </message>
    <message>
        <source>ft/h(foot per hour)</source>
        <translation>ft/h(英尺每小时)</translation>
    </message>
    <message>
        <source>mi/min(mile per minute)</source>
        <translation>mi/min(英里每分钟)</translation>
    </message>
    <message>
        <source>mi/h(mile per hour)</source>
        <translation>mi/h(英里每小时)</translation>
    </message>
    <message>
        <source>knot(knot)</source>
        <translation>knot(节)</translation>
    </message>
    <message>
        <source>°C(celsius)</source>
        <translation>°C(摄氏度)</translation>
    </message>
    <message>
        <source>°F(fahrenheit)</source>
        <translation>°F(华氏度)</translation>
    </message>
    <message>
        <source>K(kelvin)</source>
        <translation>K(开尔文)</translation>
    </message>
    <message>
        <source>°Ré(réaumur)</source>
        <translation>°Ré(列氏度)</translation>
    </message>
    <message>
        <source>°Rø(rømer)</source>
        <translation>°Rø(罗氏度)</translation>
    </message>
    <message>
        <source>°De(delisle)</source>
        <translation>°De(德氏度)</translation>
    </message>
    <message>
        <source>°R(rankine)</source>
        <translation>°R(兰氏度)</translation>
    </message>
    <message>
        <source>°N(newton)</source>
        <translation>°N(牛顿度)</translation>
    </message>
    <message>
        <source>°(degree)</source>
        <translation>°(度)</translation>
    </message>
    <message>
        <source>radian(radian)</source>
        <translation>radian(弧度)</translation>
    </message>
    <message>
        <source>arcminute(arcminute)</source>
        <translation>arcminute(角分)</translation>
    </message>
    <message>
        <source>arcsecond(arcsecond)</source>
        <translation>arcsecond(角秒)</translation>
    </message>
    <message>
        <source>circle(circle)</source>
        <translation>circle(圆周)</translation>
    </message>
    <message>
        <source>1/2circle(1/2circle)</source>
        <translation>1/2circle(半圆周)</translation>
    </message>
    <message>
        <source>1/4circle(1/4circle)</source>
        <translation>1/4circle(四分之一圆周)</translation>
    </message>
    <message>
        <source>angular mil(angular mil)</source>
        <translation>angular mil(密位)</translation>
    </message>
    <message>
        <source>¯(point)</source>
        <translation>¯(罗经点)</translation>
    </message>
    <message>
        <source>F(farad)</source>
        <translation>F(法拉)</translation>
    </message>
    <message>
        <source>μF(microfarad)</source>
        <translation>μF(微法)</translation>
    </message>
    <message>
        <source>nF(nanofarad)</source>
        <translation>nF(纳法)</translation>
    </message>
    <message>
        <source>pF(picofarad)</source>
        <translation>pF(皮法)</translation>
    </message>
    <message>
        <source>Ω(ohm)</source>
        <translation>Ω(欧姆)</translation>
    </message>
    <message>
        <source>kΩ(kiloohm)</source>
        <translation>kΩ(千欧)</translation>
    </message>
    <message>
        <source>MΩ(megaohm)</source>
        <translation>MΩ(兆欧)</translation>
    </message>
    <message>
        <source>GΩ(gigaohm)</source>
        <translation>GΩ(吉欧)</translation>
    </message>
    <message>
        <source>nS(nanosiemens)</source>
        <translation>nS(纳西门子)</translation>
    </message>
    <message>
        <source>µS(microsiemens)</source>
        <translation>µS(微西门子)</translation>
    </message>
    <message>
        <source>mS(millisiemens)</source>
        <translation>mS(毫西门子)</translation>
    </message>
    <message>
        <source>S(siemens)</source>
        <translation>S(西门子)</translation>
    </message>
    <message>
        <source>kS(kilosiemens)</source>
        <translation>kS(千西门子)</translation>
    </message>
    <message>
        <source>MS(megasiemens)</source>
        <translation>MS(兆西门子)</translation>
    </message>
    <message>
        <source>GS(gigasiemens)</source>
        <translation>GS(吉西门子)</translation>
    </message>
    <message>
        <source>nH(nanohenry)</source>
        <translation>nH(纳亨)</translation>
    </message>
    <message>
        <source>µH(microhenry)</source>
        <translation>µH(微亨)</translation>
    </message>
    <message>
        <source>mH(millihenry)</source>
        <translation>mH(毫亨)</translation>
    </message>
    <message>
        <source>H(henry)</source>
        <translation>H(亨利)</translation>
    </message>
    <message>
        <source>kH(kilohenry)</source>
        <translation>kH(千亨)</translation>
    </message>
    <message>
        <source>MH(megahenry)</source>
        <translation>MH(兆亨)</translation>
    </message>
    <message>
        <source>GH(gigahenry)</source>
        <translation>GH(吉亨)</translation>
    </message>
    <message>
        <source>A(ampere)</source>
        <translation>A(安培)</translation>
    </message>
    <message>
        <source>kA(kiloampere)</source>
        <translation>kA(千安)</translation>
    </message>
    <message>
        <source>MA(megaampere)</source>
        <translation>MA(兆安)</translation>
    </message>
    <message>
        <source>GA(gigaampere)</source>
        <translation>GA(吉安)</translation>
    </message>
    <message>
        <source>mA(milliampere)</source>
        <translation>mA(毫安)</translation>
    </message>
    <message>
        <source>µA(microampere)</source>
        <translation>µA(微安)</translation>
    </message>
    <message>
        <source>nA(nanoampere)</source>
        <translation>nA(纳安)</translation>
    </message>
    <message>
        <source>pA(picoampere)</source>
        <translation>pA(皮安)</translation>
    </message>
    <message>
        <source>C(coulomb)</source>
        <translation>C(库仑)</translation>
    </message>
    <message>
        <source>nC(nanocoulomb)</source>
        <translation>nC(纳库)</translation>
    </message>
    <message>
        <source>µC(microcoulomb)</source>
        <translation>µC(微库)</translation>
    </message>
    <message>
        <source>mC(millicoulomb)</source>
        <translation>mC(毫库)</translation>
    </message>
    <message>
        <source>kC(kilocoulomb)</source>
        <translation>kC(千库)</translation>
    </message>
    <message>
        <source>MC(megacoulomb)</source>
        <translation>MC(兆库)</translation>
    </message>
    <message>
        <source>GC(gigacoulomb)</source>
        <translation>GC(吉库)</translation>
    </message>
    <message>
        <source>Fr(franklin)</source>
        <translation>Fr(富兰克林)</translation>
    </message>
    <message>
        <source>nFr(nanofranklin)</source>
        <translation>nFr(纳富兰克林)</translation>
    </message>
    <message>
        <source>µFr(microfranklin)</source>
        <translation>µFr(微富兰克林)</translation>
    </message>
    <message>
        <source>mFr(milifranklin)</source>
        <translation>mFr(毫富兰克林)</translation>
    </message>
    <message>
        <source>kFr(kilofranklin)</source>
        <translation>kFr(千富兰克林)</translation>
    </message>
    <message>
        <source>MFr(megafranklin)</source>
        <translation>MFr(兆富兰克林)</translation>
    </message>
    <message>
        <source>GF(gigafranklin)</source>
        <translation>GF(吉富兰克林)</translation>
    </message>
    <message>
        <source>e(elementary charge)</source>
        <translation>e(元电荷)</translation>
    </message>
    <message>
        <source>Ah(ampere-hour)</source>
        <translation>Ah(安时)</translation>
    </message>
    <message>
        <source>T(tesla)</source>
        <translation>T(特斯拉)</translation>
    </message>
    <message>
        <source>MT(megatesla)</source>
        <translation>MT(兆特斯拉)</translation>
    </message>
    <message>
        <source>kT(kilotesla)</source>
        <translation>kT(千特斯拉)</translation>
    </message>
    <message>
        <source>mT(millitesla)</source>
        <translation>mT(毫特斯拉)</translation>
    </message>
    <message>
        <source>µT(microtesla)</source>
        <translation>µT(微特斯拉)</translation>
    </message>
    <message>
        <source>nT(nanotesla)</source>
        <translation>nT(纳特斯拉)</translation>
    </message>
    <message>
        <source>pT(picotesla)</source>
        <translation>pT(皮特斯拉)</translation>
    </message>
    <message>
        <source>G(gauss)</source>
        <translation>G(高斯)</translation>
    </message>
    <message>
        <source>Wb/m²(weber per square meter)</source>
        <translation>Wb/m²(韦伯每平方米)</translation>
    </message>
    <message>
        <source>Wb/cm²(weber per square centimeter)</source>
        <translation>Wb/cm²(韦伯每平方厘米)</translation>
    </message>
    <message>
        <source>γ(gamma)</source>
        <translation>γ(伽马)</translation>
    </message>
    <message>
        <source>Mx/m²(maxwell per square meter)</source>
        <translation>Mx/m²(麦克斯韦每平方米)</translation>
    </message>
    <message>
        <source>Mx/cm²(maxwell per square centimeter)</source>
        <translation>Mx/cm²(麦克斯韦每平方厘米)</translation>
    </message>
    <message>
        <source>Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_hex_tools</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>File1</source>
        <translation>文件1</translation>
    </message>
    <message>
        <source>File2</source>
        <translation>文件2</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Enter address (hex)</source>
        <translation>输入地址(十六进制)</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Search (hex)</source>
        <translation>搜索(十六进制)</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Save File1</source>
        <translation>保存文件1</translation>
    </message>
    <message>
        <source>Save File2</source>
        <translation>保存文件2</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>File %1 has been modified.
Do you want to save your changes?</source>
        <translation>文件 %1 已被修改。
是否保存更改?</translation>
    </message>
</context>
<context>
    <name>vexmora_i2c_tools</name>
    <message>
        <source>i2c addresss:</source>
        <translation>I2C 地址:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_spectroscopy</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_tof</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_tof_data</name>
    <message>
        <source>vexmora_tof_data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_tof_surface</name>
    <message>
        <source>The 3D view needs OpenGL, which this display does not offer.</source>
        <translation>3D 视图需要 OpenGL，当前显示环境不支持。</translation>
    </message>
    <message>
        <source>vexmora_tof_surface</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
