<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vexmora_convert</name>
    <message>
        <source>Euro</source>
        <translation>欧元</translation>
    </message>
</context>
</TS>
