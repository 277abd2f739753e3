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
</context>
</TS>
