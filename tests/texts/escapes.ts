<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Larkspan Drive is ready.</source>
        <translation>Line one\nLine two\n</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <translation>Larkspan\tDrive</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1:\n\tready</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <translation>Upper \N and \T stay</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>On\tline</translation>
    </message>
</context>
</TS>
