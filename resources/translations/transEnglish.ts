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
</context>
<context>
    <name>QObject</name>
    <message>
        <source>AUD(Australian Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BGN(Bulgarian Lev)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRL(Brazilian Real)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD(Canadian Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHF(Swiss Franc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNY(Chinese Yuan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CZK(Czech Koruna)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DKK(Danish Krone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR(Euro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GBP(British Pound Sterling)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HKD(Hong Kong Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HUF(Hungarian Forint)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDR(Indonesian Rupiah)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ILS(Israeli New Shekel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INR(Indian Rupee)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISK(Icelandic Króna)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPY(Japanese Yen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KRW(South Korean Won)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MXN(Mexican Peso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MYR(Malaysian Ringgit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOK(Norwegian Krone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NZD(New Zealand Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PHP(Philippine Peso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLN(Polish Złoty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RON(Romanian Leu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEK(Swedish Krona)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SGD(Singapore Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THB(Thai Baht)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRY(Turkish Lira)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USD(United States Dollar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZAR(South African Rand)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexmora_convert</name>
    <message>
        <source>vexmora_convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchangerates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DataStorage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
