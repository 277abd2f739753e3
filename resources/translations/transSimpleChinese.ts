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
        <translation type="unfinished" />
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished" />
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
        <source>Please enter '0' - '9', 'A' - 'F'</source>
        <translation>请输入 '0' - '9', 'A' - 'F'</translation>
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
    <name>vexmora_ble</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Device:</source>
        <translation>设备:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished" />
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
</TS>
