<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eg.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP server receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultraviolet receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO2 receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:xx.xxC\r\n</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex to Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Sendbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval(MS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a new version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Redial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS Test - TCP Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Caller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS text mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have a new call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
