<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>FastMain</name>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>快速启动</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Switching off...</source>
        <translation>正在关机...</translation>
    </message>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>截图已保存到文件：</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>未保存截图！</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>电池电量低！
界面正在关闭...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
