<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CharacteristicWidget</name>
    <message>
        <source>Characteristic Name:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Characteristic UUID:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Characteristic Permission:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>eg.:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TCP server receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temperature receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Humidity receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ultraviolet receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CO2 receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TVOC receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Barometer receive format:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temperature:xx.xxC\r\n</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Serial Debug</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>UDP Debug</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TCP Debug</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Send Data</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keep Send</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hex to Send</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Sendbox</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Interval(MS)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Receive Data</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Serial Setting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Serial No.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Receive</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>send</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>receive</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Clear Count</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error for Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter '0' - '9', 'A' - 'F'</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese To Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode To Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix &quot;\U&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Setting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TCP Setting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Local IP:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Local Port:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remote IP:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Remote Port:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Found a new version.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Already the latest version.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>Data:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Send Mode:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Write Data</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>File1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>File2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enter address (hex)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Go to</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Search (hex)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Prev</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save File1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save File2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>File %1 has been modified.
Do you want to save your changes?</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>
