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
</context>
</TS>
