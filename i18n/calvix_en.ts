<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Bus</name>
    <message>
        <location filename="../bus/buscommon.cpp" line="+13"/>
        <source>Fehler: Daten</source>
        <translation>Error: data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: Senden</source>
        <translation>Error: send</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: TimeOut</source>
        <translation>Error: timeout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: Init</source>
        <translation>Error: init</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler: Länge</source>
        <translation>Error: length</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: Checksumme</source>
        <translation>Error: checksum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: Adresse</source>
        <translation>Error: address</translation>
    </message>
</context>
<context>
    <name>D2XXUnit</name>
    <message>
        <location filename="../link/d2xx.cpp" line="+13"/>
        <source> - Invalid handle...</source>
        <translation> - Invalid handle...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Device not found...</source>
        <translation> - Device not found...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Device not opened...</source>
        <translation> - Device not opened...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - General IO error...</source>
        <translation> - General IO error...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Insufficient resources...</source>
        <translation> - Insufficient resources...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Invalid parameter...</source>
        <translation> - Invalid parameter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Invalid baud rate...</source>
        <translation> - Invalid baud rate...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Device not opened for erase...</source>
        <translation> Device not opened for erase...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Device not opened for write...</source>
        <translation> Device not opened for write...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Failed to write...</source>
        <translation> - Failed to write...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - EEPROM read failed...</source>
        <translation> - EEPROM read failed...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - EEPROM write failed...</source>
        <translation> - EEPROM write failed...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - EEPROM erase failed...</source>
        <translation> - EEPROM erase failed...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - EEPROM not present...</source>
        <translation> - EEPROM not present...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - EEPROM not programmed...</source>
        <translation> - EEPROM not programmed...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Invalid arguments...</source>
        <translation> - Invalid arguments...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> - Other error ...</source>
        <translation> - Other error ...</translation>
    </message>
</context>
<context>
    <name>DataListForm</name>
    <message>
        <location filename="../ui/views/datalistform.cpp" line="+18"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>FtdiDriver</name>
    <message>
        <location filename="../link/ftdidriver.cpp" line="+156"/>
        <source>     Der USB-Adapter an Bus/Gerät </source>
        <translation>     The USB adapter at bus/device </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> darf nicht geöffnet werden (</source>
        <translation> may not be opened (</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>).<byte value="xd"/>
Es fehlt die udev-Regel </source>
        <translation>).<byte value="xd"/>
The udev rule is missing: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.     </source>
        <translation>.     </translation>
    </message>
</context>
<context>
    <name>KLine</name>
    <message>
        <location filename="../bus/klinetexts.cpp" line="+13"/>
        <source>Steuergerätefehler</source>
        <translation>Control unit fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung - Entriegelung nötig</source>
        <translation>Heater lock-out - unlocking required</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keine EOL-Programmierung</source>
        <translation>no EOL programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Start in Sicherheitszeit</source>
        <translation>No start within safety time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruch</source>
        <translation>Flame-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Kurzschluss Kl.31</source>
        <translation>Flame detector short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Flame detector open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzung (Unterbrechung Magnetventil)</source>
        <translation>Overheating (solenoid valve open circuit)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kurzschluss Kl. 31</source>
        <translation>Temperature sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Temperature sensor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlicht</source>
        <translation>Extraneous light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Kurzschluss Kl. 31</source>
        <translation>Solenoid valve short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Solenoid valve open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 31</source>
        <translation>Motor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Motor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Kurzschluss Kl. 31</source>
        <translation>Spark generator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Spark generator open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Kurzschluss Kl. 31</source>
        <translation>Circulation pump short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Circulation pump open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Auszustand</source>
        <translation>Off state</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Initialisierung</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Vorlauf</source>
        <translation>Pre-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Vorlaufverlängerung</source>
        <translation>Pre-run extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Fremdlichtabfrage</source>
        <translation>Extraneous light check</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Vorzündung</source>
        <translation>Pre-ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Startversuch</source>
        <translation>Start attempt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Brennbetrieb Standheizen</source>
        <translation>Combustion, parking heating</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Brennbetrieb Zuheizen</source>
        <translation>Combustion, supplementary heating</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Brennstörung Zuheizen</source>
        <translation>Combustion fault, supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Brennstörung Standheizen</source>
        <translation>Combustion fault, parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Überspannung</source>
        <translation>Wait loop, overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störnachlauf</source>
        <translation>Fault after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher aktualisieren</source>
        <translation>Updating fault memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Störnachlauf 1</source>
        <translation>Fault after-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Störnachlauf 2</source>
        <translation>Fault after-run 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Störverriegelung</source>
        <translation>Fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe ohne Heizfunktion</source>
        <translation>Circulation pump without heating function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife</source>
        <translation>Wait loop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Standheizen</source>
        <translation>Control pause, parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Zuheizen ohne Umwälzpumpe</source>
        <translation>Control pause, supplementary heating without circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Zuheizen mit Umwälzpumpe</source>
        <translation>Control pause, supplementary heating with circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung Umwälzpumpe</source>
        <translation>Fault lock-out, circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung UP2</source>
        <translation>Fault lock-out, CP2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aus-Nachlauf</source>
        <translation>Switch-off after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aus-Nachlauf 1</source>
        <translation>Switch-off after-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aus-Nachlauf 2</source>
        <translation>Switch-off after-run 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher aktualisieren 2</source>
        <translation>Updating fault memory 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause-Nachlauf</source>
        <translation>Control pause after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Regelpause-Nachlauf 1</source>
        <translation>Control pause after-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause-Nachlauf 2</source>
        <translation>Control pause after-run 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Verlängerung Unterspannung</source>
        <translation>Extension, undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kurzschluss</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell</source>
        <translation>bright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell (Hysterese)</source>
        <translation>bright (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel (Hysterese)</source>
        <translation>dark (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel</source>
        <translation>dark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterbrechung</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>MAIN_KX3024</name>
    <message>
        <location filename="../diag/modules/kx3024datapoints.cpp" line="+12"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kunden-Identnummer</source>
        <translation>Customer ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum</source>
        <translation>Manufacturing date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KW/Jahr</source>
        <translation>week/year</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Version</source>
        <translation>HW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version</source>
        <translation>SW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prüfprogrammnummer</source>
        <translation>Test program number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerätebezeichnung</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraftstofftyp</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brennzeit</source>
        <translation>Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Hauptschalter</source>
        <translation>Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Umwälzpumpe</source>
        <translation>Circulation pump on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler</source>
        <translation>Start counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensorspan.</source>
        <translation>Temp. sensor voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsspannung</source>
        <translation>Operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung am Motor</source>
        <translation>Motor voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterspannung</source>
        <translation>Flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untere Schaltschwelle</source>
        <translation>Lower switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obere Schaltschwelle</source>
        <translation>Upper switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter</source>
        <translation>Flame detector</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPAR</source>
        <translation>ECO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61</source>
        <translation>Term. 61</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FA</source>
        <translation>FI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TS</source>
        <translation>TS</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Code</source>
        <translation>     Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zähler</source>
        <translation>     Counter</translation>
    </message>
</context>
<context>
    <name>MAIN_KX3090</name>
    <message>
        <location filename="../diag/modules/kx3090datapoints.cpp" line="+17"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerätebezeichnung</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Kraftstofftyp</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz-Identnummer</source>
        <translation>Parameter set ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software-Identnummer</source>
        <translation>Software ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Version</source>
        <translation>HW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version</source>
        <translation>SW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version (EEPROM)</source>
        <translation>SW version (EEPROM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Steuergerät</source>
        <translation>Manufacturing date, control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Heizgerät</source>
        <translation>Manufacturing date, heater</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kunden-Identnummer</source>
        <translation>Customer ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prüfstandskennung</source>
        <translation>Test bench ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brennzeit</source>
        <translation>Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Hauptschalter</source>
        <translation>Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler</source>
        <translation>Start counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannungsschwelle</source>
        <translation>Undervoltage threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannungsschwelle</source>
        <translation>Overvoltage threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit Unterspannungserkennung</source>
        <translation>Undervoltage detection time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit Überspannungserkennung</source>
        <translation>Overvoltage detection time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsspannung</source>
        <translation>Operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe</source>
        <translation>Circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterspannung</source>
        <translation>Flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+11"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FZG</source>
        <translation>VF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dst</source>
        <translation>NHP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61</source>
        <translation>Term. 61</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 15</source>
        <translation>Term. 15</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>STFL</source>
        <translation>STFL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ÜHFL</source>
        <translation>ÜHFL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAFL</source>
        <translation>SAFL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RZFL</source>
        <translation>RZFL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Code</source>
        <translation>     Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Fehlerstatus</source>
        <translation>     Fault status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zähler</source>
        <translation>     Counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Temperatur</source>
        <translation>     Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zustand</source>
        <translation>     State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Spannung</source>
        <translation>     Voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Betriebsstunde</source>
        <translation>     Operating hours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
</context>
<context>
    <name>MAIN_KX3117</name>
    <message>
        <location filename="../diag/modules/kx3117datapoints.cpp" line="+17"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerätebezeichnung</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>Kraftstofftyp</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz-Identnummer</source>
        <translation>Parameter set ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software-Identnummer</source>
        <translation>Software ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Version</source>
        <translation>HW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version</source>
        <translation>SW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version (EEPROM)</source>
        <translation>SW version (EEPROM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Steuergerät</source>
        <translation>Manufacturing date, control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Heizgerät</source>
        <translation>Manufacturing date, heater</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kunden-Identnummer</source>
        <translation>Customer ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prüfstandskennung</source>
        <translation>Test bench ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannungsschwelle</source>
        <translation>Undervoltage threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannungsschwelle</source>
        <translation>Overvoltage threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit Unterspannungserkennung</source>
        <translation>Undervoltage detection time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit Überspannungserkennung</source>
        <translation>Overvoltage detection time</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brennzeit</source>
        <translation>Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Hauptschalter</source>
        <translation>Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler</source>
        <translation>Start counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temp. Überhitzungsschutz</source>
        <translation>Temp. overheating protection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temp. Düsenstockvorwärmung</source>
        <translation>Temp. nozzle holder preheating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur Steuergerät</source>
        <translation>Control unit temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe</source>
        <translation>Circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störzähler</source>
        <translation>Fault counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzähler</source>
        <translation>Flame-out counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Solldrehzahl</source>
        <translation>Motor target speed</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+10"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Düsenstockvorwärmung Einschalttemperatur</source>
        <translation>Nozzle holder preheating switch-on temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Temperaturschwelle</source>
        <translation>Overheating protection temperature threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebszeit Steuergerät</source>
        <translation>Control unit operating time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Umwälzpumpe</source>
        <translation>Circulation pump on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsspannung</source>
        <translation>Operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untere Schaltschwelle</source>
        <translation>Lower switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obere Schaltschwelle</source>
        <translation>Upper switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor PWM-Wert</source>
        <translation>Motor PWM value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motordrehzahl</source>
        <translation>Motor speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterspannung</source>
        <translation>Flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizleistung</source>
        <translation>Heat output</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FA</source>
        <translation>FI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FZG</source>
        <translation>VF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVW</source>
        <translation>NHP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61</source>
        <translation>Term. 61</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPAR1</source>
        <translation>ECO1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPAR2</source>
        <translation>ECO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 15</source>
        <translation>Term. 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter</source>
        <translation>Flame detector</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>STFL</source>
        <translation>STFL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ÜHFL</source>
        <translation>ÜHFL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NL2FL</source>
        <translation>NL2FL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HAMA1</source>
        <translation>HAMA1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HAMA2</source>
        <translation>HAMA2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAF</source>
        <translation>MAF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BSFL</source>
        <translation>BSFL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Code</source>
        <translation>     Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Fehlerstatus</source>
        <translation>     Fault status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zähler</source>
        <translation>     Counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Temperatur</source>
        <translation>     Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zustand</source>
        <translation>     State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Spannung</source>
        <translation>     Voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Betriebsstunde</source>
        <translation>     Operating hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Brennzeit nach Start</source>
        <translation>     Burning time after start</translation>
    </message>
</context>
<context>
    <name>MAIN_KX3141</name>
    <message>
        <location filename="../diag/modules/kx3141datapoints.cpp" line="+25"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerätebezeichnung</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraftstofftyp</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Version</source>
        <translation>HW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version</source>
        <translation>SW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Steuergerät</source>
        <translation>Manufacturing date, control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstelldatum Heizgerät</source>
        <translation>Manufacturing date, heater</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Herstellerkennung</source>
        <translation>Manufacturer ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgerätekennung</source>
        <translation>Heater ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kunden-Identnummer</source>
        <translation>Customer ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Heizgeräteverriegelung</source>
        <translation>Flag heater lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzähler</source>
        <translation>Flame-out counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabrisszähler</source>
        <translation>Flame break-off counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störzähler</source>
        <translation>Fault counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Hauptschalter</source>
        <translation>Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennzeit</source>
        <translation>Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Umwälzpumpe</source>
        <translation>Circulation pump on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler gesamt</source>
        <translation>Start counter, total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler Temperatur -10°C bis +10°C</source>
        <translation>Start counter, temperature -10°C to +10°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler Temperatur -20°C bis  -10°C</source>
        <translation>Start counter, temperature -20°C to  -10°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler Temperatur -30°C bis  -20°C</source>
        <translation>Start counter, temperature -30°C to  -20°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler Temperatur -40°C bis  -30°C</source>
        <translation>Start counter, temperature -40°C to  -30°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler Temperatur &lt; -40°C</source>
        <translation>Start counter, temperature &lt; -40°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startversuchszähler Temperatur &lt; -40°C</source>
        <translation>Start attempt counter, temperature &lt; -40°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Flammwächter aktiv</source>
        <translation>Flag flame detector active</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ÜHS</source>
        <translation>OHS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFM</source>
        <translation>SM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../diag/modules/kx3141texts.cpp" line="+121"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERH</source>
        <translation>RH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV1</source>
        <translation>SV1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV2</source>
        <translation>SV2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag S-BUS Hauptschalter</source>
        <translation>Flag S-BUS main switch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag S-BUS Umwälzpumpenfremdansteuerung</source>
        <translation>Flag S-BUS external circulation pump control</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Brennstörung</source>
        <translation>Flag combustion fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Störverriegelung</source>
        <translation>Flag fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Unterspannung STV/HGV</source>
        <translation>Flag undervoltage STV/HGV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung HS</source>
        <translation>MS voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsspannung</source>
        <translation>Operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterspannung</source>
        <translation>Flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung Gates</source>
        <translation>Gate voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung UPFA</source>
        <translation>ECP voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung ZFM</source>
        <translation>SM voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untere Schaltschwelle</source>
        <translation>Lower switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obere Schaltschwelle</source>
        <translation>Upper switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperaturgradient</source>
        <translation>Temperature gradient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zustand Zeit</source>
        <translation>State time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennzeit aktuell</source>
        <translation>Current burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter</source>
        <translation>Flame detector</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmchecksumme</source>
        <translation>Program checksum</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Temperatur ÜHS</source>
        <translation>OHS temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Strom</source>
        <translation>Circulation pump current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Überstromzähler</source>
        <translation>Circulation pump overcurrent counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät Strom</source>
        <translation>Control unit current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät Überstromzähler</source>
        <translation>Control unit overcurrent counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reglerheizung Stromerhöhung</source>
        <translation>Regulator heating current increase</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Code</source>
        <translation>     Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zähler</source>
        <translation>     Counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zustand</source>
        <translation>     State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Einschaltzeit Hauptschalter</source>
        <translation>     Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Brennzeit</source>
        <translation>     Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Spannung</source>
        <translation>     Voltage</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <location filename="../diag/modules/kx3141texts.cpp" line="-107"/>
        <source>Auszustand</source>
        <translation>Off state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initialisierung</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einsatzbereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Umwälzpumpe ohne Heizfunktion</source>
        <translation>Circulation pump without heating function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung</source>
        <translation>Fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>Heizgeräteverriegelung</source>
        <translation>Heater lock-out</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Warteschleife Überspannung</source>
        <translation>Wait loop, overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Unterspannung</source>
        <translation>Wait loop, undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorwärmung</source>
        <translation>Preheating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf</source>
        <translation>Pre-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorzündung</source>
        <translation>Pre-ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündung</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spülen</source>
        <translation>Purging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizen</source>
        <translation>Heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuheizen</source>
        <translation>Supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstörung</source>
        <translation>Combustion fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 1</source>
        <translation>After-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 2</source>
        <translation>After-run 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+50"/>
        <location line="+1"/>
        <location line="+3"/>
        <source>Steuergerätefehler</source>
        <translation>Control unit fault</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Watchdog</source>
        <translation>Watchdog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falsche Checksumme des EOL-Parametersatzes</source>
        <translation>Wrong checksum of the EOL parameter set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Störzählerschwelle überschritten</source>
        <translation>Fault counter threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzählerverriegelungsschwelle überschritten</source>
        <translation>Flame-out counter lock-out threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmierung ist nicht erfolgt</source>
        <translation>Programming has not been done</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Start in Sicherheitszeit</source>
        <translation>No start within safety time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruch</source>
        <translation>Flame-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Kurzschluss</source>
        <translation>Flame detector short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Unterbrechung</source>
        <translation>Flame detector open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Kurzschluss</source>
        <translation>Overheating protection short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Unterbrechung</source>
        <translation>Overheating protection open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Überhitzung</source>
        <translation>Overheating</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Überhitzung Delta T</source>
        <translation>Overheating delta T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Kurzschluss</source>
        <translation>Coolant temperature sensor short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Unterbrechung</source>
        <translation>Coolant temperature sensor open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel/Überhitzung defekt Delta T</source>
        <translation>Coolant/overheating temperature sensor defective, delta T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flamme vor dem Zustand &quot;Zündung&quot;</source>
        <translation>Flame before the state &quot;Ignition&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flamme im Zustand &quot;Nachlauf 2&quot;</source>
        <translation>Flame in the state &quot;After-run 2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 1 o. 2 Kurzschluss/Unterbrechung</source>
        <translation>Solenoid valve 1 or 2 short circuit/open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 1 o. 2 Unterbrechung</source>
        <translation>Solenoid valve 1 or 2 open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 1 o. 2 Kurzschluss Kl. 30</source>
        <translation>Solenoid valve 1 or 2 short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 31</source>
        <translation>Motor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Unterbrechung oder Sicherung defekt</source>
        <translation>Motor open circuit or fuse defective</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 30</source>
        <translation>Motor short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Kurzschluss Kl. 31 o. keine Induktion</source>
        <translation>Spark module short circuit to terminal 31 or no induction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Unterbrechung</source>
        <translation>Spark module open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Kurzschluss Kl. 30</source>
        <translation>Spark module short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Select Kurzschluss Kl. 31 o. keine Induktion</source>
        <translation>Spark module select short circuit to terminal 31 or no induction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Select Unterbrechung</source>
        <translation>Spark module select open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkenmodul Select Kurzschluss Kl. 30</source>
        <translation>Spark module select short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Kurzschluss Kl. 31</source>
        <translation>Circulation pump short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Unterbrechung</source>
        <translation>Circulation pump open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Kurzschluss Kl. 30</source>
        <translation>Circulation pump short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung PT-Sensor Kurzschluss Kl. 31</source>
        <translation>Nozzle holder heater cartridge PT sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung PT-Sensor Unterbrechung</source>
        <translation>Nozzle holder heater cartridge PT sensor open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 31</source>
        <translation>Nozzle holder heater cartridge short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Unterbrechung</source>
        <translation>Nozzle holder heater cartridge open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 30</source>
        <translation>Nozzle holder heater cartridge short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammanzeige Kurzschluss Kl. 31</source>
        <translation>Flame indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 2 defekt</source>
        <translation>Solenoid valve 2 defective</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsanzeige Kurzschluss Kl. 31</source>
        <translation>Operating indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor Drehzahlsignal nicht in Ordnung</source>
        <translation>Motor speed signal not OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mindestbrennzeit mehrfach unterschritten</source>
        <translation>Minimum burning time repeatedly not reached</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler (Flash defekt)</source>
        <translation>Control unit fault (flash defective)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler (Komparator hat ausgelöst)</source>
        <translation>Control unit fault (comparator has tripped)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Steuergerätefehler (Flammwächter defekt)</source>
        <translation>Control unit fault (flame detector defective)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Kurzschluss o. Unterbrechung</source>
        <translation>Overheating protection short circuit or open circuit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperatursensor &lt; -50°C</source>
        <translation>Temperature sensor &lt; -50°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reglerheizung Kurzschluss Kl. 31</source>
        <translation>Regulator heating short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reglerheizung Unterbrechung</source>
        <translation>Regulator heating open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensoren unplausibel</source>
        <translation>Temperature sensors implausible</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>keine Flamme</source>
        <translation>no flame</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>fehlerhaft</source>
        <translation>faulty</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>MAIN_KX3166</name>
    <message>
        <location filename="../diag/modules/kx3166datapoints.cpp" line="+29"/>
        <source>Kraftstofftyp</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SG-ID zur Erkennung für die PWX</source>
        <translation>Control unit ID for recognition by the PWX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obere Schaltschwelle</source>
        <translation>Upper switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untere Schaltschwelle</source>
        <translation>Lower switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Solldrehzahl</source>
        <translation>Motor target speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motordrehzahl</source>
        <translation>Motor speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ÜHS</source>
        <translation>OHS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsspannung</source>
        <translation>Operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur ÜHS</source>
        <translation>OHS temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterspannung</source>
        <translation>Flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter</source>
        <translation>Flame detector</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Flag Störverriegelung</source>
        <translation>Flag fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Komponententest</source>
        <translation>Flag component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61</source>
        <translation>Term. 61</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPAR</source>
        <translation>ECO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FA</source>
        <translation>FI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zustand BUS </source>
        <translation>BUS state </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zustand Komponententest</source>
        <translation>Component test state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Schaltschwelle unten</source>
        <translation>Flag lower switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag Schaltschwelle oben</source>
        <translation>Flag upper switching threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU-Temperatur</source>
        <translation>CPU temperature</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Testvariable 1</source>
        <translation>Test variable 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Testvariable 2</source>
        <translation>Test variable 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Identnummer</source>
        <translation>HW ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Datum</source>
        <translation>HW date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HW-Version</source>
        <translation>HW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz-Identnummer</source>
        <translation>Parameter set ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerätebezeichnung [Systemname]</source>
        <translation>Device name [system name]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmierdatum</source>
        <translation>Programming date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizleistungsklasse</source>
        <translation>Heat output class</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Hauptschalter</source>
        <translation>Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennzeit</source>
        <translation>Burning time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einschaltzeit Umwälzpumpe</source>
        <translation>Circulation pump on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startzähler</source>
        <translation>Start counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störzähler</source>
        <translation>Fault counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzähler</source>
        <translation>Flame-out counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mindestbrennzeitunterschreitung</source>
        <translation>Minimum burning time not reached</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mindestbrennzeitunterschreitung Gesamtzahl</source>
        <translation>Minimum burning time not reached, total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Überhitzungsschutz</source>
        <translation>Input overheating protection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Magnetventil</source>
        <translation>Input solenoid valve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Zündfunkengeber</source>
        <translation>Input spark generator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Überhitzungstemperatur</source>
        <translation>Input overheating temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Betriebsspannung</source>
        <translation>Input operating voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang HS-Spannung</source>
        <translation>Input MS voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang UPFA-Spannung</source>
        <translation>Input ECP voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang KL61-Spannung</source>
        <translation>Input term. 61 voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Sparbetrieb-Spannung</source>
        <translation>Input economy mode voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Flammenwächterspannung</source>
        <translation>Input flame detector voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Umwälzpumpenstrom</source>
        <translation>Input circulation pump current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Umwälzpumpenspannung</source>
        <translation>Input circulation pump voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Magnetventilrückmessung</source>
        <translation>Input solenoid valve feedback</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Zündfunkengeberrückmessung</source>
        <translation>Input spark generator feedback</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang CPU-Temperatur</source>
        <translation>Input CPU temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Wassertemperatur</source>
        <translation>Input water temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang Brennermotor Drehzahlsignal</source>
        <translation>Input burner motor speed signal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Identnummer</source>
        <translation>SW bootloader ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Hersteller</source>
        <translation>SW bootloader manufacturer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Version</source>
        <translation>SW bootloader version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Zuordnung HW-Identnummer</source>
        <translation>SW application, assigned HW ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Identnummer</source>
        <translation>SW application ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Hersteller</source>
        <translation>SW application manufacturer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-RTOS Version</source>
        <translation>SW RTOS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Simulink Version</source>
        <translation>SW Simulink version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Version</source>
        <translation>SW version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Programmlänge</source>
        <translation>SW application program length</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Checksumme</source>
        <translation>SW application checksum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät Herstelldatum</source>
        <translation>Control unit manufacturing date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät Seriennummer</source>
        <translation>Control unit serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät Prüfergebnis</source>
        <translation>Control unit test result</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgerät Prüfergebnis</source>
        <translation>Heater test result</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgerät Hersteller</source>
        <translation>Heater manufacturer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgerät Seriennummer</source>
        <translation>Heater serial number</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Code</source>
        <translation>     Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zähler</source>
        <translation>     Counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Zustand</source>
        <translation>     State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Temperatur</source>
        <translation>     Temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Spannung</source>
        <translation>     Voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Einschaltzeit Hauptschalter</source>
        <translation>     Main switch on-time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Brennzeit</source>
        <translation>     Burning time</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KW/Jahr</source>
        <translation>week/year</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T.M.J h:m</source>
        <translation>D.M.Y h:m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Byte</source>
        <translation>bytes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <location filename="../diag/modules/kx3166texts.cpp" line="+27"/>
        <location line="+2"/>
        <source>Einsatzbereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Initialisierung</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einsatzbereit, UP aktiv</source>
        <translation>Ready, CP active</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe ohne Heizfunktion</source>
        <translation>Circulation pump without heating function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung</source>
        <translation>Fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung</source>
        <translation>Heater lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Überspannung</source>
        <translation>Wait loop, overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Unterspannung</source>
        <translation>Wait loop, undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf</source>
        <translation>Pre-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf Verlängerung</source>
        <translation>Pre-run extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorzündung</source>
        <translation>Pre-ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündung</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standheizen</source>
        <translation>Parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuheizen</source>
        <translation>Supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstörung</source>
        <translation>Combustion fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 1</source>
        <translation>After-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 2</source>
        <translation>After-run 2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kurzschluss</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell</source>
        <translation>bright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell (Hysterese)</source>
        <translation>bright (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel (Hysterese)</source>
        <translation>dark (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel</source>
        <translation>dark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abbruch</source>
        <translation>aborted</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Steuergerätefehler (Flash defekt, falsche Checksumme)</source>
        <translation>Control unit fault (flash defective, wrong checksum)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler (Watchdog)</source>
        <translation>Control unit fault (watchdog)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler (falsche Checksumme des EOL-Parametersatzes)</source>
        <translation>Control unit fault (wrong checksum of the EOL parameter set)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keine EOL - Programmierung</source>
        <translation>no EOL programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung - Entriegelung nötig</source>
        <translation>Heater lock-out - unlocking required</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störzählerschwelle überschritten</source>
        <translation>Fault counter threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzählerschwelle überschritten</source>
        <translation>Flame-out counter threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Start in Sicherheitszeit</source>
        <translation>No start within safety time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruch</source>
        <translation>Flame-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler (Flammwächter Kurzschluss Kl.31)</source>
        <translation>Control unit fault (flame detector short circuit to terminal 31)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Überhitzungsschutz Kurzschluss Kl. 31</source>
        <translation>Overheating protection short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Overheating protection open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzung T&gt;135°C</source>
        <translation>Overheating T&gt;135°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzung - Delta T (Zündung - Heizen)</source>
        <translation>Overheating - delta T (ignition - heating)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Kurzschluss Kl. 31</source>
        <translation>Coolant temperature sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Unterbrechung oder Kurzschluss Kl. 30</source>
        <translation>Coolant temperature sensor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel/Überhitzung defekt - Delta T (Vorlauf)</source>
        <translation>Coolant/overheating temperature sensor defective - delta T (pre-run)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlicht (Flammwächter hell vor Zündung)</source>
        <translation>Extraneous light (flame detector bright before ignition)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlicht (Flammwächter hell im Nachlauf 2)</source>
        <translation>Extraneous light (flame detector bright in after-run 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Kurzschluss Kl. 31</source>
        <translation>Solenoid valve short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetventil Kurzschluss Kl. 30</source>
        <translation>Solenoid valve short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Kurzschluss Kl. 31</source>
        <translation>Spark generator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Kurzschluss Kl. 30</source>
        <translation>Spark generator short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umwälzpumpe (DVW) Kurzschluss Kl. 31</source>
        <translation>Circulation pump (NHP) short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe (DVW) Kurzschluss Kl. 30</source>
        <translation>Circulation pump (NHP) short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammanzeige Kurzschluss Kl. 31</source>
        <translation>Flame indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsanzeige Kurzschluss Kl. 31</source>
        <translation>Operating indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlsignal nicht in Ordnung</source>
        <translation>Speed signal not OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komparator 150°C hat ausgelöst</source>
        <translation>Comparator 150°C has tripped</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>MAIN_LOADER</name>
    <message>
        <location filename="../diag/modules/loadermodule.cpp" line="+51"/>
        <source>BUS Version</source>
        <translation>BUS version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergeräte-Identnummer</source>
        <translation>Control unit ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Identnummer</source>
        <translation>SW boot loader ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Hersteller</source>
        <translation>SW boot loader manufacturer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Bootloader Version</source>
        <translation>SW boot loader version</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <location line="+2"/>
        <source>KW/Jahr</source>
        <translation>week/year</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>SW-Applikation Zuordnung HW-Identnummer</source>
        <translation>SW application, assigned HW ID number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SW-Applikation Identnummer</source>
        <translation>SW application ID number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Hersteller</source>
        <translation>SW application manufacturer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-RTOS Version</source>
        <translation>SW RTOS version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SW-Simulink Version</source>
        <translation>SW Simulink version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SW-Applikation Programmlänge</source>
        <translation>SW application program length</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SW-Applikation Checksumme</source>
        <translation>SW application checksum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmierung Status</source>
        <translation>Programming status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmierung Rückwertszähler</source>
        <translation>Programming countdown counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmiergerät Ident-Nr.</source>
        <translation>Programming device ID no.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmiergerät Seriennummer</source>
        <translation>Programming device serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmierdatum</source>
        <translation>Programming date</translation>
    </message>
</context>
<context>
    <name>MAIN_TOOL</name>
    <message>
        <location filename="../core/dialoghelpers.cpp" line="+17"/>
        <source>      Eingabe fehlerhaft!      </source>
        <translation>      Invalid input!      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>      Wertebereich unterschritten!      </source>
        <translation>      Value below the range!      </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>      Wertebereich überschritten!       </source>
        <translation>      Value above the range!       </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nicht gefunden!</source>
        <translation>not found!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>überschreiben?</source>
        <translation>overwrite?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>konnte nicht erstellt werden!</source>
        <translation>could not be created!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>konnte nicht geöffnet werden!</source>
        <translation>could not be opened!</translation>
    </message>
</context>
<context>
    <name>MainSettings</name>
    <message>
        <location filename="../ui/settings.cpp" line="+42"/>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Schreibfehler</source>
        <translation>write error</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>kein Lesezugriff</source>
        <translation>no read access</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ungültiger Inhalt</source>
        <translation>invalid content</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Die Einstellungsdatei %1 kann nicht verwendet werden (%2).     <byte value="xd"/>
     Das Programm startet mit den Grundeinstellungen.     </source>
        <translation>     The settings file %1 cannot be used (%2).     <byte value="xd"/>
     The program starts with the default settings.     </translation>
    </message>
    <message>
        <location line="+67"/>
        <source>     Die Einstellungen konnten nicht in %1 gespeichert werden (%2).     </source>
        <translation>     The settings could not be saved in %1 (%2).     </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../ui/printing.cpp" line="+90"/>
        <source>     Der Drucker konnte nicht geöffnet werden!     </source>
        <translation>     The printer could not be opened!     </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>konnte nicht erstellt werden!</source>
        <translation>could not be created!</translation>
    </message>
</context>
<context>
    <name>ProductForm</name>
    <message>
        <location filename="../ui/helpforms.cpp" line="+51"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/main.cpp" line="+95"/>
        <source>NAVIRON Diagnose</source>
        <translation>NAVIRON Diagnosis</translation>
    </message>
</context>
<context>
    <name>SBus</name>
    <message>
        <location filename="../bus/sbustexts.cpp" line="+36"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: CRC oder Speicher</source>
        <translation>Error: CRC or memory</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler: Software inkompatibel</source>
        <translation>Error: software incompatible</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <location filename="../ui/statuspanel.cpp" line="+16"/>
        <location line="+11"/>
        <source>Diagnose gestartet</source>
        <translation>Diagnosis started</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+14"/>
        <source>Diagnose gestoppt</source>
        <translation>Diagnosis stopped</translation>
    </message>
</context>
<context>
    <name>TANSI_BETRIEB_Form</name>
    <message>
        <location filename="../ui/views/betriebform.cpp" line="+9"/>
        <source>Betriebsdaten</source>
        <translation>Operating data</translation>
    </message>
</context>
<context>
    <name>TANSI_ERROR_Form</name>
    <message>
        <location filename="../ui/views/errorform.cpp" line="+28"/>
        <source>Fehleranzeige</source>
        <translation>Fault display</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Fehlerspeicher &amp;löschen</source>
        <translation>&amp;Clear fault memory</translation>
    </message>
</context>
<context>
    <name>TANSI_KONFIG_Form</name>
    <message>
        <location filename="../ui/views/konfigform.cpp" line="+9"/>
        <source>Geräteinfos</source>
        <translation>Device information</translation>
    </message>
</context>
<context>
    <name>TANSI_OVERVIEW_Form</name>
    <message>
        <location filename="../ui/views/overviewform.cpp" line="+62"/>
        <source>Übersicht</source>
        <translation>Overview</translation>
    </message>
    <message>
        <location line="+245"/>
        <source>Fehler</source>
        <translation>Fault(s)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>kein Fehler</source>
        <translation>no fault</translation>
    </message>
    <message>
        <location filename="../ui/views/overviewtables.cpp" line="+9"/>
        <source>     Die Schaltschwellen werden vom Steuergerät dynamisch angepasst, je nach       <byte value="xd"/>
     Gradient der Wassertemperatur und der Brenndauer des Heizgerätes.<byte value="xd"/>
<byte value="xd"/>
     Sind die Schaltschwellen dauerhaft auf niedrige Temperaturen gesetzt,<byte value="xd"/>
     deutet dies auf einen zu geringen Wasserdurchsatz hin.</source>
        <translation>     The control unit adapts the switching thresholds dynamically, depending on the       <byte value="xd"/>
     gradient of the water temperature and the burning time of the heater.<byte value="xd"/>
<byte value="xd"/>
     If the switching thresholds stay set to low temperatures,<byte value="xd"/>
     this indicates too low a water flow rate.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+20"/>
        <location line="+22"/>
        <location line="+31"/>
        <location line="+24"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+20"/>
        <location line="+22"/>
        <location line="+31"/>
        <location line="+24"/>
        <source>Gerätestatus</source>
        <translation>Device status</translation>
    </message>
    <message>
        <location line="-92"/>
        <location line="+20"/>
        <location line="+23"/>
        <location line="+33"/>
        <location line="+24"/>
        <source>Brennluftmotor</source>
        <translation>Burner motor</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+20"/>
        <location line="+23"/>
        <location line="+58"/>
        <source>Magnetventil</source>
        <translation>Solenoid valve</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+20"/>
        <location line="+23"/>
        <location line="+56"/>
        <source>Zündfunkengeber</source>
        <translation>Spark generator</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+20"/>
        <location line="+23"/>
        <location line="+29"/>
        <location line="+24"/>
        <source>Umwälzpumpe</source>
        <translation>Circulation pump</translation>
    </message>
    <message>
        <location line="-95"/>
        <location line="+22"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+23"/>
        <source>Hauptschalter</source>
        <translation>Main switch</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+23"/>
        <location line="+23"/>
        <location line="+56"/>
        <source>Zuheizanforderung (Kl.61)</source>
        <translation>Supplementary heating request (term. 61)</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Zündung ein (Kl.15)</source>
        <translation>Ignition on (term. 15)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flamme erkannt</source>
        <translation>Flame detected</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+22"/>
        <location line="+31"/>
        <location line="+24"/>
        <source>Flammwächter</source>
        <translation>Flame detector</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+23"/>
        <location line="+56"/>
        <source>Flammanzeige</source>
        <translation>Flame indicator</translation>
    </message>
    <message>
        <location line="-78"/>
        <location line="+23"/>
        <location line="+26"/>
        <location line="+24"/>
        <source>Betriebsanzeige</source>
        <translation>Operating indicator</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+25"/>
        <location line="+53"/>
        <source>Umwälzpumpenfremdansteuerung</source>
        <translation>External circulation pump control</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+77"/>
        <source>Sparbetrieb</source>
        <translation>Economy mode</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Düsenstockvorwärmung</source>
        <translation>Nozzle holder preheating</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sparbetrieb 1</source>
        <translation>Economy mode 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb 2</source>
        <translation>Economy mode 2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Zündfunkenmodul</source>
        <translation>Spark module</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 1</source>
        <translation>Solenoid valve 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil 2</source>
        <translation>Solenoid valve 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reglerheizung</source>
        <translation>Regulator heating</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+25"/>
        <source>ÜHS</source>
        <translation>OHS</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+25"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
</context>
<context>
    <name>TANSI_PROT_Form</name>
    <message>
        <location filename="../ui/views/protokoll.cpp" line="+52"/>
        <source>Protokollanzeige</source>
        <translation>Log display</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Protokollierung &amp;starten</source>
        <translation>&amp;Start logging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung start</source>
        <translation>Logging start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokolierung &amp;anhalten</source>
        <translation>&amp;Pause logging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung stop </source>
        <translation>Logging stop </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung &amp;löschen</source>
        <translation>&amp;Clear log</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung löschen</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung in &amp;Datei</source>
        <translation>Log to &amp;file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung speichern</source>
        <translation>Save log</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>     Fehler beim schreiben in die Protokolldatei &apos;PWX.TXT&apos;     </source>
        <translation>     Error writing to the log file &apos;PWX.TXT&apos;     </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dateiaufzeichnung start: </source>
        <translation>File recording start: </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Dateiaufzeichnung stop: </source>
        <translation>File recording stop: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Protokolldatei auswählen</source>
        <translation>Select log file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Textdatei  (*.txt)|*.TXT</source>
        <translation>Text file  (*.txt)|*.TXT</translation>
    </message>
</context>
<context>
    <name>TANSI_TREND_Form</name>
    <message>
        <location filename="../service/trendtables.cpp" line="+36"/>
        <location line="+159"/>
        <location line="+4"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Kl. 61</source>
        <translation>Term. 61</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+6"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kl. 15</source>
        <translation>Term. 15</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <location line="+7"/>
        <location line="+15"/>
        <source>FA</source>
        <translation>FI</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+22"/>
        <source>SPAR</source>
        <translation>ECO</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+7"/>
        <source>SPAR2</source>
        <translation>ECO2</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>SPAR1</source>
        <translation>ECO1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MV1</source>
        <translation>SV1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFM</source>
        <translation>SM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV2</source>
        <translation>SV2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERH</source>
        <translation>RH</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flamme</source>
        <translation>Flame</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+105"/>
        <source>ÜHS</source>
        <translation>OHS</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UB</source>
        <translation>UB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FW</source>
        <translation>FD</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>T_US</source>
        <translation>T_US</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T_OS</source>
        <translation>T_OS</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>[0..20s]</source>
        <translation>[0..20s]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[0..30s]</source>
        <translation>[0..30s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[0..1min]</source>
        <translation>[0..1min]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[0..2min]</source>
        <translation>[0..2min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[0..5min]</source>
        <translation>[0..5min]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[0..10min]</source>
        <translation>[0..10min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[0..20min]</source>
        <translation>[0..20min]</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[0..30min]</source>
        <translation>[0..30min]</translation>
    </message>
    <message>
        <location filename="../ui/views/trendform.cpp" line="+74"/>
        <source>Trendgrafik</source>
        <translation>Trend chart</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitbasis:</source>
        <translation>Time base:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>20 s</source>
        <translation>20 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 Minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2 Minuten</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5 Minuten</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10 Minuten</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>20 Minuten</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>30 Minuten</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Löschen</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>TDEV_SEL_Form</name>
    <message>
        <location filename="../diag/devicelist.cpp" line="+8"/>
        <source>HVD 420</source>
        <translation>HVD 420</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calvix 140/180/220</source>
        <translation>Calvix 140/180/220</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calvix R</source>
        <translation>Calvix R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calvix N</source>
        <translation>Calvix N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calvix extra</source>
        <translation>Calvix extra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flashloader</source>
        <translation>Flashloader</translation>
    </message>
    <message>
        <location filename="../ui/devselform.cpp" line="+16"/>
        <source>Steuergeräteauswahl</source>
        <translation>Control unit selection</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>automatische Suche</source>
        <translation>Automatic search</translation>
    </message>
</context>
<context>
    <name>TDS_EOL_ADR_Form</name>
    <message>
        <location filename="../ui/service/eoladrform.cpp" line="+21"/>
        <source>EOL-Zelle</source>
        <translation>EOL cell</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> EOL-Zelle </source>
        <translation> EOL cell </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hex</source>
        <translation>hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dez</source>
        <translation>dec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bin</source>
        <translation>bin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>aktueller Inhalt</source>
        <translation>Current content</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>neuer Inhalt</source>
        <translation>New content</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schreiben</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TDS_EOL_RW_Form</name>
    <message>
        <location filename="../service/eolgrid.cpp" line="+90"/>
        <source>      Eingabe fehlerhaft!      </source>
        <translation>      Invalid input!      </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>      Wertebereich überschritten!       </source>
        <translation>      Value above the range!       </translation>
    </message>
    <message>
        <location filename="../service/eolparamset.cpp" line="+129"/>
        <source>Parametersatz öffnen</source>
        <translation>Open parameter set</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+79"/>
        <source>Parameter-Datei  (*.prn)|*.PRN|EOL-Datei (*.eol)|*.EOL</source>
        <translation>Parameter file  (*.prn)|*.PRN|EOL file (*.eol)|*.EOL</translation>
    </message>
    <message>
        <location line="-72"/>
        <location line="+79"/>
        <source>Editor Daten.</source>
        <translation>Editor data.</translation>
    </message>
    <message>
        <location line="-77"/>
        <location line="+79"/>
        <source>Zwischenablage Daten.</source>
        <translation>Buffer data.</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>Syntaxfehler beim öffnen!</source>
        <translation>has a syntax error!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Syntaxfehler beim öffnen in Zeile %d! </source>
        <translation>has a syntax error in line %d! </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Parametersatz übertragen</source>
        <translation>Transfer parameter set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sende </source>
        <translation>Sending </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Parametersatz konnte nicht gesendet werden!</source>
        <translation>The parameter set could not be sent!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Parametersatz sichern</source>
        <translation>Save parameter set</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Parametersatz auslesen</source>
        <translation>Read out parameter set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empfange </source>
        <translation>Receiving </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>konnte nicht erstellt werden!</source>
        <translation>could not be created!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Parametersatz konnte nicht empfangen werden!</source>
        <translation>The parameter set could not be received!</translation>
    </message>
    <message>
        <location filename="../ui/service/eolrwform.cpp" line="+28"/>
        <source>Parametersatz bearbeiten</source>
        <translation>Edit parameter set</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Programmieren</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In Datei &amp;speichern...</source>
        <translation>&amp;Save to file...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Drucken</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TEXTRA_FLASH_Form</name>
    <message>
        <location filename="../service/flashprogrammer.cpp" line="+44"/>
        <source>Programmdatei öffnen</source>
        <translation>Open program file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorola-S19-Datei  (*.s19)|*.S19</source>
        <translation>Motorola S19 file  (*.s19)|*.S19</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>     Programmdaten passen nicht zu diesem Steuergerät!      </source>
        <translation>     The program data do not suit this control unit!      </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Steuergerätesoftware übertragen</source>
        <translation>Transferring control unit software</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Applikation stoppen... </source>
        <translation>Stopping application... </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>     Die Steuergerätesoftware wurde erfolgreich übertragen.      <byte value="xd"/>
<byte value="xd"/>
     Bitte starten sie die Diagnose neu.      </source>
        <translation>     The control unit software was transferred successfully.      <byte value="xd"/>
<byte value="xd"/>
     Please restart the diagnosis.      </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Die Verbindung zum Steuergerät wurde getrennt!      </source>
        <translation>     The connection to the control unit was lost!      </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     Das Übertragen der Steuergerätesoftware ist für dieses Steuergerät nicht möglich!      </source>
        <translation>     Transferring control unit software is not possible for this control unit!      </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Die Steuergerätesoftware konnte nicht gesendet werden,     <byte value="xd"/>
     erforderlicher Funktionszustand nicht erreicht!</source>
        <translation>     The control unit software could not be sent,     <byte value="xd"/>
     the required operating state was not reached!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Das Übertragen der Steuergerätesoftware war nicht erfolgreich!      <byte value="xd"/>
<byte value="xd"/>
     Nach dem Neustart der Diagnose arbeitet das Steuergerät     <byte value="xd"/>
     ggf. nur noch im Flashloader-Modus!      </source>
        <translation>     Transferring the control unit software failed!      <byte value="xd"/>
<byte value="xd"/>
     After the diagnosis is restarted the control unit     <byte value="xd"/>
     may work in flash loader mode only!      </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>     Das Übertragen der Steuergerätesoftware wurde abgebrochen.     <byte value="xd"/>
<byte value="xd"/>
     Nach dem Neustart der Diagnose arbeitet das Steuergerät     <byte value="xd"/>
     ggf. nur noch im Flashloader-Modus!      </source>
        <translation>     Transferring the control unit software was cancelled.     <byte value="xd"/>
<byte value="xd"/>
     After the diagnosis is restarted the control unit     <byte value="xd"/>
     may work in flash loader mode only!      </translation>
    </message>
    <message>
        <location filename="../service/flashsbus.cpp" line="+177"/>
        <location filename="../service/flashwbus.cpp" line="+202"/>
        <source>Löschen... </source>
        <translation>Erasing... </translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../service/flashwbus.cpp" line="+10"/>
        <source>Programmieren... </source>
        <translation>Programming... </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Applikation starten... </source>
        <translation>Starting application... </translation>
    </message>
    <message>
        <location filename="../service/srecord.cpp" line="+140"/>
        <source>      Adresse fehlerhaft in Zeile %d!     </source>
        <translation>      Invalid address in line %d!     </translation>
    </message>
    <message>
        <location line="-65"/>
        <source>      Daten fehlerhaft in Zeile %d!     </source>
        <translation>      Invalid data in line %d!     </translation>
    </message>
    <message>
        <location line="+73"/>
        <source>      Checksumme fehlerhaft in Zeile %d!     </source>
        <translation>      Invalid checksum in line %d!     </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>      Keine Programmdaten in der Datei gefunden!     </source>
        <translation>      No program data found in the file!     </translation>
    </message>
    <message>
        <location filename="../ui/service/flashform.cpp" line="+14"/>
        <source>Steuergerätesoftware programmieren</source>
        <translation>Program control unit software</translation>
    </message>
</context>
<context>
    <name>TEXTRA_SPRACHE_Form</name>
    <message>
        <location filename="../ui/languageform.cpp" line="+14"/>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Programmsprache </source>
        <translation> Program language </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>     Die gewählte Sprache wird erst aktiv nach dem das Programm neu gestartet worden ist.     </source>
        <translation>     The selected language only takes effect after the program has been restarted.     </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Die Spracheinstellung konnte nicht gespeichert werden!     </source>
        <translation>     The language setting could not be saved!     </translation>
    </message>
</context>
<context>
    <name>TEXTRA_Tele_Form</name>
    <message>
        <location filename="../service/freetelegram.cpp" line="+52"/>
        <source>Telegrammeingabe fehlerhaft!</source>
        <translation>Invalid telegram input!</translation>
    </message>
    <message>
        <location filename="../ui/service/teleform.cpp" line="+45"/>
        <source>freie Telegrammeingabe</source>
        <translation>free telegram input</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Senden </source>
        <translation> Send </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+13"/>
        <source>Telegramm</source>
        <translation>Telegram</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Beispiel</source>
        <translation>Example</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Empfang </source>
        <translation> Receive </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TEXTRA_UNIT_Form</name>
    <message>
        <location filename="../ui/unitform.cpp" line="+9"/>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Temperatureinheit </source>
        <translation> Temperature unit </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grad Celsius</source>
        <translation>Degrees Celsius</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grad Fahrenheit</source>
        <translation>Degrees Fahrenheit</translation>
    </message>
</context>
<context>
    <name>TEXTRA_USB_Sel</name>
    <message>
        <location filename="../ui/usbselform.cpp" line="+14"/>
        <source>USB-Gerät auswählen</source>
        <translation>Select USB device</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Geräte-ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>THELP_Info_Form</name>
    <message>
        <location filename="../ui/helpforms.cpp" line="+42"/>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Für Schäden die durch Verwendung dieser Software</source>
        <translation>No liability is accepted for damage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entstehen wird keine Haftung übernommen!</source>
        <translation>caused by the use of this software!</translation>
    </message>
</context>
<context>
    <name>THELP_Update_Form</name>
    <message>
        <location line="+31"/>
        <source>Update Hinweis</source>
        <translation>Update notice</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+29"/>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Version unter</source>
        <translation>version is available at</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gibt. </source>
        <translation>. </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bitte informieren sie sich ob es eine neuere </source>
        <translation>Please check whether a newer </translation>
    </message>
</context>
<context>
    <name>TKALI_ALL_Form</name>
    <message>
        <location filename="../service/calibration.cpp" line="+91"/>
        <source>     Es ist eine Störung aufgetreten,<byte value="xd"/>
     beheben Sie zunächst die Fehlerursache.     </source>
        <translation>     A fault has occurred,<byte value="xd"/>
     first remove the cause of the fault.     </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Die CO2-Einstellung</source>
        <translation>The CO2 adjustment</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heizgerät</source>
        <translation>Heater</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Spannungskalibrierung</source>
        <translation>The voltage calibration</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>     Das Heizgerät konnte nicht gestartet werden.      </source>
        <translation>     The heater could not be started.      </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>     Die CO2-Einstellung ist nur aus den Zuständen &quot;Einsatzbereit&quot;     <byte value="xd"/>
     oder &quot;Umwälzpumpe ohne Heizfunktion&quot; möglich.      </source>
        <translation>     The CO2 adjustment is only possible from the states &quot;Ready&quot;     <byte value="xd"/>
     or &quot;Circulation pump without heating function&quot;.      </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>     Zur Ausführung dieser Funktion<byte value="xd"/>
     ist ein CO2-Messgerät erforderlich.     </source>
        <translation>     This function requires<byte value="xd"/>
     a CO2 meter.     </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Heizgerät für die CO2-Einstellung jetzt starten?     </source>
        <translation>     Start the heater for the CO2 adjustment now?     </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>     Soll die Einstellung </source>
        <translation>     Should the setting </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> übernommen werden?     </source>
        <translation> be applied?     </translation>
    </message>
    <message>
        <location filename="../ui/service/kaliallform.cpp" line="+14"/>
        <source>Spannungsabgleich</source>
        <translation>Voltage calibration</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Spannungsabgleich </source>
        <translation> Voltage calibration </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aktuelle Betriebsspannung:</source>
        <translation>Current operating voltage:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TKALI_CO2_EDIT_Form</name>
    <message>
        <location filename="../ui/service/kalico2forms.cpp" line="+77"/>
        <source>CO2-Einstellung</source>
        <translation>CO2 adjustment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Einstellung </source>
        <translation> Setting </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>untere Grenze</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>obere Grenze</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aktuelle Drehzahl</source>
        <translation>Current speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neue Drehzahl</source>
        <translation>New speed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CO2-Sollwert: 9,5 - 11 Vol-%</source>
        <translation>CO2 target value: 9.5 - 11 vol-%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuweisen</source>
        <translation>Assign</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TKALI_CO2_WAIT_Form</name>
    <message>
        <location line="-99"/>
        <source>CO2-Abgleich abwarten</source>
        <translation>Waiting for the CO2 adjustment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Status </source>
        <translation> Status </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Start des Heizgerätes abwarten!</source>
        <translation>Wait for the heater to start!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CO2 - Stabilisierung abwarten!</source>
        <translation>Wait for the CO2 to stabilize!</translation>
    </message>
</context>
<context>
    <name>TKOMP_TESTPDP</name>
    <message>
        <location filename="../service/kompcountdown.cpp" line="+26"/>
        <source>Sie haben noch %d Sekunden Zeit.</source>
        <translation>You have %d seconds left.</translation>
    </message>
    <message>
        <location filename="../ui/service/komptestpdp.cpp" line="+12"/>
        <source>Pumpendruckprüfung</source>
        <translation>Pump pressure test</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Test läuft </source>
        <translation> Test running </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bitte prüfen Sie den Pumpendruck</source>
        <translation>Please check the pump pressure</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TKOMP_TEST_Form</name>
    <message>
        <location filename="../service/komppumptest.cpp" line="+17"/>
        <source>     Vorbereitung <byte value="xd"/>
<byte value="xd"/>
     - Heizgerät aus<byte value="xd"/>
     - Temperatursensor und -begrenzer (Überhitzungsschutz) abstecken     <byte value="xd"/>
     - Brenner öffnen<byte value="xd"/>
     - Düse herausschrauben<byte value="xd"/>
     - Manometer einschrauben<byte value="xd"/>
     - Brücke am Temperaturbegrenzer (Überhitzungsschutz) anbringen</source>
        <translation>     Preparation <byte value="xd"/>
<byte value="xd"/>
     - Heater off<byte value="xd"/>
     - Disconnect the temperature sensor and limiter (overheating protection)     <byte value="xd"/>
     - Open the burner<byte value="xd"/>
     - Unscrew the nozzle<byte value="xd"/>
     - Screw in the pressure gauge<byte value="xd"/>
     - Fit a jumper to the temperature limiter (overheating protection)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>     Vorbereitung <byte value="xd"/>
<byte value="xd"/>
     Informationen zum Sollwert der Druckmessung entnehmen Sie bitte dem       <byte value="xd"/>
     Werkstatthandbuch.<byte value="xd"/>
<byte value="xd"/>
     - Brenner öffnen<byte value="xd"/>
     - Zündelektrode und Scheibe entfernen<byte value="xd"/>
     - Düse herausschrauben<byte value="xd"/>
     - Manometer einschrauben</source>
        <translation>     Preparation <byte value="xd"/>
<byte value="xd"/>
     For the target value of the pressure measurement please refer to the       <byte value="xd"/>
     workshop manual.<byte value="xd"/>
<byte value="xd"/>
     - Open the burner<byte value="xd"/>
     - Remove the ignition electrode and disc<byte value="xd"/>
     - Unscrew the nozzle<byte value="xd"/>
     - Screw in the pressure gauge</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>     Durchführung<byte value="xd"/>
<byte value="xd"/>
     Wenn Sie jetzt auf &quot;OK&quot; klicken, läuft der Motor für 20s. Gleichzeitig wird das Magnetventil<byte value="xd"/>
     geöffnet. Sie können in dieser Zeit den Einspritzdruck (siehe Werkstatthandbuch) einstellen.    <byte value="xd"/>
<byte value="xd"/>
     Bitte prüfen Sie, ob<byte value="xd"/>
     - das Manometer fest eingeschraubt ist<byte value="xd"/>
     - der Temperaturbegrenzer (Überhitzungsschutz) elektrisch gebrückt ist<byte value="xd"/>
     - der Temperatursensor NICHT angesteckt ist</source>
        <translation>     Procedure<byte value="xd"/>
<byte value="xd"/>
     When you click &quot;OK&quot; now, the motor runs for 20 s. At the same time the solenoid valve<byte value="xd"/>
     is opened. During this time you can adjust the injection pressure (see workshop manual).    <byte value="xd"/>
<byte value="xd"/>
     Please check that<byte value="xd"/>
     - the pressure gauge is screwed in tightly<byte value="xd"/>
     - the temperature limiter (overheating protection) is electrically bridged<byte value="xd"/>
     - the temperature sensor is NOT connected</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>     Durchführung<byte value="xd"/>
<byte value="xd"/>
     Wenn Sie jetzt auf &quot;OK&quot; klicken, läuft der Motor für 20s. Gleichzeitig wird das Magnetventil<byte value="xd"/>
     geöffnet. Sie können in dieser Zeit den Einspritzdruck (siehe Werkstatthandbuch) prüfen.    <byte value="xd"/>
<byte value="xd"/>
     Bitte prüfen Sie, ob das Manometer fest eingeschraubt ist.<byte value="xd"/>
</source>
        <translation>     Procedure<byte value="xd"/>
<byte value="xd"/>
     When you click &quot;OK&quot; now, the motor runs for 20 s. At the same time the solenoid valve<byte value="xd"/>
     is opened. During this time you can check the injection pressure (see workshop manual).    <byte value="xd"/>
<byte value="xd"/>
     Please check that the pressure gauge is screwed in tightly.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>     Beenden des Tests <byte value="xd"/>
<byte value="xd"/>
     - Manometer herausschrauben<byte value="xd"/>
     - austretenden Brennstoff aufnehmen<byte value="xd"/>
     - Düse einschrauben (20 Nm)<byte value="xd"/>
     - Brücke im Temperaturbegrenzer entfernen<byte value="xd"/>
     - Brenner schließen und Augenschrauben wechselseitig mit 7.5 Nm festziehen<byte value="xd"/>
     - Temperatursensor und -begrenzer anstecken<byte value="xd"/>
<byte value="xd"/>
     Montagehinweise gemäß Werkstatthandbuch beachten!     </source>
        <translation>     Ending the test <byte value="xd"/>
<byte value="xd"/>
     - Unscrew the pressure gauge<byte value="xd"/>
     - Collect the escaping fuel<byte value="xd"/>
     - Screw in the nozzle (20 Nm)<byte value="xd"/>
     - Remove the jumper from the temperature limiter<byte value="xd"/>
     - Close the burner and tighten the eye bolts alternately to 7.5 Nm<byte value="xd"/>
     - Connect the temperature sensor and limiter<byte value="xd"/>
<byte value="xd"/>
     Observe the assembly notes in the workshop manual!     </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>     Beenden des Tests <byte value="xd"/>
<byte value="xd"/>
     - Manometer herausschrauben<byte value="xd"/>
     - austretenden Brennstoff aufnehmen<byte value="xd"/>
     - Düse einschrauben<byte value="xd"/>
     - Zündelektrode und Scheibe anbauen<byte value="xd"/>
     - Brenner wieder montieren<byte value="xd"/>
<byte value="xd"/>
     Montagehinweise gemäß Werkstatthandbuch beachten!     </source>
        <translation>     Ending the test <byte value="xd"/>
<byte value="xd"/>
     - Unscrew the pressure gauge<byte value="xd"/>
     - Collect the escaping fuel<byte value="xd"/>
     - Screw in the nozzle<byte value="xd"/>
     - Fit the ignition electrode and disc<byte value="xd"/>
     - Reassemble the burner<byte value="xd"/>
<byte value="xd"/>
     Observe the assembly notes in the workshop manual!     </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>                                                              Achtung!<byte value="xd"/>
<byte value="xd"/>
     Bitte beachten Sie folgenden Hinweis genau!<byte value="xd"/>
<byte value="xd"/>
     - Bei Nichtbeachtung kann unverbrannter Brennstoff austreten.     <byte value="xd"/>
     - Dieser Test darf nur zur Prüfung des Pumpendrucks verwendet werden und kann nur einmal    <byte value="xd"/>
       pro Diagnosevorgang aufgerufen werden.<byte value="xd"/>
<byte value="xd"/>
     Warnung!<byte value="xd"/>
     Eine Verstellung des Pumpendruckes ist unzulässig und mit dem Verlust jeglicher<byte value="xd"/>
     Gewährleistungsansprüche verbunden. Durch Manipulation kann die Brennstoffpumpe undicht werden.<byte value="xd"/>
     Dadurch entsteht Brandgefahr und die Gefahr einer Umweltgefährdung.</source>
        <translation>                                                              Caution!<byte value="xd"/>
<byte value="xd"/>
     Please observe the following note carefully!<byte value="xd"/>
<byte value="xd"/>
     - If it is not observed, unburnt fuel can escape.     <byte value="xd"/>
     - This test may only be used to check the pump pressure and can only be called up once    <byte value="xd"/>
       per diagnosis session.<byte value="xd"/>
<byte value="xd"/>
     Warning!<byte value="xd"/>
     Adjusting the pump pressure is not permitted and voids all<byte value="xd"/>
     warranty claims. Tampering can make the fuel pump leak.<byte value="xd"/>
     This creates a risk of fire and a risk of harm to the environment.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>     Die Pumpendruckprüfung kann nur einmal pro Diagnosevorgang aufgerufen werden.      </source>
        <translation>     The pump pressure test can only be called up once per diagnosis session.      </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>     Ist der CO2-Wert nach Werkstatthandbuch korrekt eingestellt?     </source>
        <translation>     Is the CO2 value set correctly according to the workshop manual?     </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Eine Einstellung oder Überprüfung des Pumpendrucks ist nicht notwendig.     </source>
        <translation>     Adjusting or checking the pump pressure is not necessary.     </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Der CO2-Wert lässt sich nicht auf den richtigen Wert einstellen?     </source>
        <translation>     The CO2 value cannot be set to the correct value?     </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>     Temperatursensor abstecken!      <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>     Disconnect the temperature sensor!      <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../service/komptest.cpp" line="+21"/>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dosierpumpe</source>
        <translation>Dosing pump</translation>
    </message>
    <message>
        <source>Glühstift</source>
        <translation type="vanished">Glow pin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umwälzpumpe</source>
        <translation>Circulation pump</translation>
    </message>
    <message>
        <source>Fahrzeuggebläse</source>
        <translation type="vanished">Vehicle fan</translation>
    </message>
    <message>
        <source>gelbe LED</source>
        <translation type="vanished">yellow LED</translation>
    </message>
    <message>
        <source>grüne LED</source>
        <translation type="vanished">green LED</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zündfunkengeber</source>
        <translation>Spark generator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetventil (Ein ohne Taktung)</source>
        <translation>Solenoid valve (on without pulsing)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Betriebsanzeige</source>
        <translation>Operating indicator</translation>
    </message>
    <message>
        <source>Quarz</source>
        <translation type="vanished">Quartz crystal</translation>
    </message>
    <message>
        <source>LCD-Display und Tasten</source>
        <translation type="vanished">LCD display and keys</translation>
    </message>
    <message>
        <source>Düsenstockheizung</source>
        <translation type="vanished">Nozzle holder heating</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flammanzeige</source>
        <translation>Flame indicator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetventil 0,5 Hz</source>
        <translation>Solenoid valve 0.5 Hz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pumpendruckprüfung</source>
        <translation>Pump pressure test</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Düsenstockvorwärmung</source>
        <translation>Nozzle holder preheating</translation>
    </message>
    <message>
        <source>Output 1</source>
        <translation type="vanished">Output 1</translation>
    </message>
    <message>
        <source>Output 2</source>
        <translation type="vanished">Output 2</translation>
    </message>
    <message>
        <source>Power DHC</source>
        <translation type="vanished">Power DHC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flammüberwachung</source>
        <translation>Flame monitoring</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetventil 1</source>
        <translation>Solenoid valve 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetventil 2</source>
        <translation>Solenoid valve 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reglerheizung</source>
        <translation>Regulator heating</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZF-Modul</source>
        <translation>Spark module</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umwälzpumpe (DVW)</source>
        <translation>Circulation pump (NHP)</translation>
    </message>
    <message>
        <location line="+200"/>
        <source>     Der Komponententest ist derzeit nicht möglich!<byte value="xd"/>
<byte value="xd"/>
     Das Heizgerät befindet sich nicht im erforderlichen Betriebszustand.     <byte value="xd"/>
<byte value="xd"/>
     Das Heizgerät muss ausgeschaltet sein und muss sich im Zustand &quot;Einsatzbereit&quot; befinden.     <byte value="xd"/>
<byte value="xd"/>
     Eine Verriegelung muss vorher gelöscht werden.</source>
        <translation>     The component test is not possible at the moment!<byte value="xd"/>
<byte value="xd"/>
     The heater is not in the required operating state.     <byte value="xd"/>
<byte value="xd"/>
     The heater must be switched off and must be in the state &quot;Ready&quot;.     <byte value="xd"/>
<byte value="xd"/>
     A lock-out must be cleared beforehand.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>     Bitte den Prüfstecker anstelle des Temperatursensor anstecken.     </source>
        <translation>     Please connect the test plug in place of the temperature sensor.     </translation>
    </message>
    <message>
        <location line="+88"/>
        <source>U/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>     Die Kommunikation zum Heizgerät ist unterbrochen!     </source>
        <translation>     The communication with the heater is interrupted!     </translation>
    </message>
    <message>
        <location line="+81"/>
        <source>     Soll die Komponente dauerhaft eingeschaltet werden?      </source>
        <translation>     Switch the component on permanently?      </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Soll die Komponente für den Standardzeitraum eingeschaltet werden?      </source>
        <translation>     Switch the component on for the standard period?      </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>     Stellen sie sicher, dass die Gaszufuhr unterbrochen ist!      <byte value="xd"/>
<byte value="xd"/>
     Soll die Komponente eingeschaltet werden?     </source>
        <translation>     Make sure that the gas supply is shut off!      <byte value="xd"/>
<byte value="xd"/>
     Switch the component on?     </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>     Vorbereitung des Komponententests<byte value="xd"/>
<byte value="xd"/>
     - das Heizgerät vom Netz trennen<byte value="xd"/>
     - Temperatursensor abstecken und Prüfstecker anschließen<byte value="xd"/>
     - anschließend das Heizgerät wieder an das Bordnetz anschließen       <byte value="xd"/>
     - Diagnose neu starten<byte value="xd"/>
     - Komponententest starten</source>
        <translation>     Preparing the component test<byte value="xd"/>
<byte value="xd"/>
     - Disconnect the heater from the supply<byte value="xd"/>
     - Disconnect the temperature sensor and connect the test plug<byte value="xd"/>
     - Then reconnect the heater to the vehicle supply       <byte value="xd"/>
     - Restart the diagnosis<byte value="xd"/>
     - Start the component test</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>     Beenden des Komponententests<byte value="xd"/>
<byte value="xd"/>
     - das Heizgerät vom Netz trennen<byte value="xd"/>
     - Prüfstecker abstecken<byte value="xd"/>
     - Temperatursensor anstecken<byte value="xd"/>
     - anschließend das Heizgerät wieder an das Bordnetz anschließen       <byte value="xd"/>
     - Diagnose neu starten</source>
        <translation>     Ending the component test<byte value="xd"/>
<byte value="xd"/>
     - Disconnect the heater from the supply<byte value="xd"/>
     - Disconnect the test plug<byte value="xd"/>
     - Connect the temperature sensor<byte value="xd"/>
     - Then reconnect the heater to the vehicle supply       <byte value="xd"/>
     - Restart the diagnosis</translation>
    </message>
    <message>
        <location line="+253"/>
        <source>Die Pumpendruckprüfung</source>
        <translation>The pump pressure test</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Der Komponententest</source>
        <translation>The component test</translation>
    </message>
    <message>
        <location filename="../ui/service/komptestform.cpp" line="+15"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Komponente </source>
        <translation> Component </translation>
    </message>
    <message>
        <location line="+12"/>
        <source> optionale Sollwerte </source>
        <translation> Optional target values </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sollwert</source>
        <translation>Target value</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Laufzeit</source>
        <translation>Run time</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;alles aus</source>
        <translation>&amp;All off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
</context>
<context>
    <name>TMAIN_Form</name>
    <message>
        <location filename="../ui/settingslanguage.cpp" line="+48"/>
        <source>DEU</source>
        <translation>ENG</translation>
    </message>
    <message>
        <location filename="../diag/diagsession.cpp" line="+99"/>
        <source>NAVIRON Calvix Test</source>
        <translation>NAVIRON Calvix Test</translation>
    </message>
    <message>
        <location line="+80"/>
        <location line="+26"/>
        <source>Diagnose gestartet</source>
        <translation>Diagnosis started</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Wakeup...</source>
        <translation>Wake-up...</translation>
    </message>
    <message>
        <location filename="../diag/requestscheduler.cpp" line="+40"/>
        <source>Diagnose gestoppt</source>
        <translation>Diagnosis stopped</translation>
    </message>
    <message>
        <location filename="../diag/deferredmessages.cpp" line="+20"/>
        <source>     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    <byte value="xd"/>
     Bitte prüfen Sie die Stromversorgung und die Verkabelung.</source>
        <translation>     No connection to the heater could be established!    <byte value="xd"/>
     Please check the power supply and the wiring.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    <byte value="xd"/>
     Bitte prüfen Sie die Stromversorgung und die Verkabelung oder      <byte value="xd"/>
     wählen sie das Heizgerät manuell aus.</source>
        <translation>     No connection to the heater could be established!    <byte value="xd"/>
     Please check the power supply and the wiring or      <byte value="xd"/>
     select the heater manually.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Das angeschlossene Gerät wird von der Diagnose nicht unterstützt!    <byte value="xd"/>
     Bitte aktualisieren Sie die Diagnosesoftware.</source>
        <translation>     The connected device is not supported by the diagnosis!    <byte value="xd"/>
     Please update the diagnosis software.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     Das manuell ausgewählte Heizgerät wurde nicht gefunden!       <byte value="xd"/>
     Bitte prüfen Sie die Heizgeräteauswahl oder versuchen sie     <byte value="xd"/>
     die automatische Suche.</source>
        <translation>     The manually selected heater was not found!       <byte value="xd"/>
     Please check the heater selection or try     <byte value="xd"/>
     the automatic search.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Das manuell ausgewählte Heizgerät entspricht nicht dem angeschlossenen Heizgerät!       <byte value="xd"/>
<byte value="xd"/>
     Achtung: Angezeigte Informationen können fehlerhaft sein!<byte value="xd"/>
</source>
        <translation>     The manually selected heater does not match the connected heater!       <byte value="xd"/>
<byte value="xd"/>
     Caution: The information shown may be incorrect!<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Die Spannung konnte nicht kalibriert werden!      </source>
        <translation>     The voltage could not be calibrated!      </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Komponententest konnte nicht durchgeführt werden!      </source>
        <translation>     The component test could not be carried out!      </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Prüfstecker nicht angeschlossen!      <byte value="xd"/>
<byte value="xd"/>
     Komponententest konnte nicht durchgeführt werden!      </source>
        <translation>     Test plug not connected!      <byte value="xd"/>
<byte value="xd"/>
     The component test could not be carried out!      </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>     Es ist eine Störung aufgetreten,<byte value="xd"/>
     beheben Sie zunächst die Fehlerursache.     </source>
        <translation>     A fault has occurred,<byte value="xd"/>
     first remove the cause of the fault.     </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     Die Einstellung wurde möglicherweise gespeichert.     <byte value="xd"/>
     Das Heizgerät hat das Speichern nicht rechtzeitig bestätigt;     <byte value="xd"/>
     bitte prüfen Sie die Einstellung.     </source>
        <translation>     The setting was possibly stored.     <byte value="xd"/>
     The heater did not confirm the storing in time;     <byte value="xd"/>
     please check the setting.     </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Wenn sie aktiv per Diagnose Änderungen am Heizgerät vornehmen,      <byte value="xd"/>
     durch: HS, UPFA, Kl.61, Spar ein- oder ausschalten oder eine      <byte value="xd"/>
     CO2-Einstellung durchführen, wird ihr Computer zum Master      <byte value="xd"/>
     und die externen Bedienelemente für diese Sitzung ignoriert.      <byte value="xd"/>
<byte value="xd"/>
     Beenden sie die aktuelle Diagnosesitzung um diesen Status aufzuheben.      </source>
        <translation>     If you actively make changes to the heater through the diagnosis,      <byte value="xd"/>
     by switching MS, ECP, term. 61 or economy mode on or off or by      <byte value="xd"/>
     making a CO2 adjustment, your computer becomes the master      <byte value="xd"/>
     and the external controls are ignored for this session.      <byte value="xd"/>
<byte value="xd"/>
     End the current diagnosis session to cancel this status.      </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>     Die Kommunikation zum Heizgerät ist unterbrochen!     </source>
        <translation>     The communication with the heater is interrupted!     </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     %1 wurde abgebrochen.     </source>
        <translation>     %1 was interrupted.     </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Der Wert wurde möglicherweise gespeichert. Bitte prüfen Sie ihn in einer neuen Diagnosesitzung.     </source>
        <translation>     The value was possibly stored. Please check it in a new diagnosis session.     </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     Möglicherweise ist noch eingeschaltet: %1     </source>
        <translation>     Possibly still switched on: %1     </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>     Schalten Sie es am Heizgerät aus, oder starten Sie eine neue Diagnosesitzung     <byte value="xd"/>
     und schalten Sie es im Programm aus.     </source>
        <translation>     Switch it off at the heater, or start a new diagnosis session     <byte value="xd"/>
     and switch it off in the program.     </translation>
    </message>
    <message>
        <location filename="../ui/mainformactions.cpp" line="+55"/>
        <source>&amp;Geräteauswahl...</source>
        <translation>&amp;Device selection...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Geräteauswahl</source>
        <translation>Device selection</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Diagnose starten</source>
        <translation>Start diagnosis</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Diagnose beenden</source>
        <translation>End diagnosis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Komponententest...</source>
        <translation>&amp;Component test...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zusammenfassung &amp;öffnen...</source>
        <translation>&amp;Open summary...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zusammenfassung öffnen</source>
        <translation>Open summary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Zusammenfassung speichern...</source>
        <translation>&amp;Save summary...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zusammenfassung speichern</source>
        <translation>Save summary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zusammenfassung &amp;drucken</source>
        <translation>&amp;Print summary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zusammenfassung drucken</source>
        <translation>Print summary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Messwertprotokollierung starten...</source>
        <translation>Start &amp;measurement log...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Messwertprotokollierung starten</source>
        <translation>Start measurement log</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Protokollierung beenden</source>
        <translation>&amp;End logging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollierung beenden</source>
        <translation>End logging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Programm beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Übersichtsfenster...</source>
        <translation>&amp;Overview window...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übersichtsfenster anzeigen</source>
        <translation>Show overview window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Betriebsdaten...</source>
        <translation>Operating &amp;data...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsdaten anzeigen</source>
        <translation>Show operating data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Steuergeräteinfos...</source>
        <translation>Control &amp;unit information...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergeräteinfos anzeigen</source>
        <translation>Show control unit information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Trendgrafik...</source>
        <translation>&amp;Trend chart...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trendgrafik anzeigen</source>
        <translation>Show trend chart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fehlerliste anzeigen...</source>
        <translation>Show &amp;error list...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerliste anzeigen</source>
        <translation>Show error list</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Protokollanzeige...</source>
        <translation>Telegram &amp;log...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollanzeige</source>
        <translation>Telegram log</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Standheizen</source>
        <translation>&amp;Parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../ui/mainformstate.cpp" line="+236"/>
        <source>Standheizen</source>
        <translation>Parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zuheizen</source>
        <translation>&amp;Supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuheizen</source>
        <translation>Supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../ui/mainformstate.cpp" line="+3"/>
        <source>Sparbetrieb &amp;1</source>
        <translation>Economy mode &amp;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../ui/mainformstate.cpp" line="+1"/>
        <source>Sparbetrieb 1</source>
        <translation>Economy mode 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb &amp;2</source>
        <translation>Economy mode &amp;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb 2</source>
        <translation>Economy mode 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>&amp;Umwälzpumpe Ein</source>
        <translation>Circulation pump o&amp;n</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Umwälzpumpe einschalten</source>
        <translation>Switch the circulation pump on</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Fehlerspeicher &amp;löschen</source>
        <translation>&amp;Clear error memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher löschen</source>
        <translation>Clear error memory</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Umwälzpumpe Aus</source>
        <translation>Circulation pump o&amp;ff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe ausschalten</source>
        <translation>Switch the circulation pump off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heizen</source>
        <translation>&amp;Heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizen</source>
        <translation>Heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Alle Zähler löschen</source>
        <translation>Clear &amp;all counters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zähler und Zeiten werden gelöscht</source>
        <translation>Counters and times are cleared</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hauptschalter &amp;Ein</source>
        <translation>Main switch &amp;on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hauptschalter einschalten</source>
        <translation>Switch the main switch on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hauptschalter &amp;Aus</source>
        <translation>Main switch o&amp;ff</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+303"/>
        <source>Hauptschalter ausschalten</source>
        <translation>Switch the main switch off</translation>
    </message>
    <message>
        <location line="-302"/>
        <source>Hauptschalter &amp;Leitung</source>
        <translation>Main switch by &amp;wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hauptschalter auf Leitung schalten</source>
        <translation>Main switch follows the wire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>UPFA &amp;Ein</source>
        <translation>UPFA &amp;on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpenfremdansteuerung  einschalten</source>
        <translation>Switch external circulation pump control on</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>UPFA &amp;Aus</source>
        <translation>UPFA o&amp;ff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpenfremdansteuerung ausschalten</source>
        <translation>Switch external circulation pump control off</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>UPFA &amp;Leitung</source>
        <translation>UPFA by &amp;wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpenfremdansteurung auf Leitung schalten</source>
        <translation>External circulation pump control follows the wire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kl. 61 &amp;Ein</source>
        <translation>Term. 61 &amp;on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61 einschalten</source>
        <translation>Switch terminal 61 on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61 &amp;Aus</source>
        <translation>Term. 61 o&amp;ff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61 ausschalten</source>
        <translation>Switch terminal 61 off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61 &amp;Leitung</source>
        <translation>Term. 61 by &amp;wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kl. 61 auf Leitung schalten</source>
        <translation>Terminal 61 follows the wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb &amp;Ein</source>
        <translation>Economy mode &amp;on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb einschalten</source>
        <translation>Switch economy mode on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb &amp;Aus</source>
        <translation>Economy mode o&amp;ff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb ausschalten</source>
        <translation>Switch economy mode off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb &amp;Leitung</source>
        <translation>Economy mode by &amp;wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb auf Leitung schalten</source>
        <translation>Economy mode follows the wire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;CO2-Abgleich...</source>
        <translation>&amp;CO2 adjustment...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CO2-Abgleich</source>
        <translation>CO2 adjustment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannungsabgleich...</source>
        <translation>Voltage calibration...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannungsabgleich</source>
        <translation>Voltage calibration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in Steuergerät programieren...</source>
        <translation>program into control unit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in Steuergerät programieren</source>
        <translation>program into control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <location line="+6"/>
        <source>in Editor anzeigen...</source>
        <translation>show in editor...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+7"/>
        <location line="+6"/>
        <source>in Editor anzeigen</source>
        <translation>show in editor</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>in Zwischenspeicher laden...</source>
        <translation>load into buffer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <location line="+1"/>
        <source>in Zwischenspeicher laden</source>
        <translation>load into buffer</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <location line="+1"/>
        <source>in Datei speichern...</source>
        <translation>save to file...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>in Datei speichern</source>
        <translation>save to file</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>in Steuergerät programmieren</source>
        <translation>program into control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zwischenspeicher löschen</source>
        <translation>Clear buffer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einzelne EOL-Zelle lesen/schreiben...</source>
        <translation>Read/write single EOL cell...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einzelne EOL-Zelle lesen/schreiben</source>
        <translation>Read/write single EOL cell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;USB-Gerät...</source>
        <translation>&amp;USB device...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-Gerät auswählen</source>
        <translation>Select USB device</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>freie Telegrammeingabe...</source>
        <translation>free telegram input...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>freie Telegrammeingabe</source>
        <translation>free telegram input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sprache...</source>
        <translation>&amp;Language...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm Sprache</source>
        <translation>Program language</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Einheiten...</source>
        <translation>U&amp;nits...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einheiten Einstellungen</source>
        <translation>Unit settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerät programmieren...</source>
        <translation>Program control unit...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätesoftware programmieren</source>
        <translation>Program control unit software</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hilfeinhalt</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;ndex</source>
        <translation>I&amp;ndex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hilfeindex</source>
        <translation>Help index</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In&amp;fo...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>&amp;Diagnose</source>
        <translation>&amp;Diagnosis</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Programm beenden</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Steuerung</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>HS Steuerung</source>
        <translation>MS control</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hauptschalter Steuerung</source>
        <translation>Main switch control</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;UPFA Steuerung</source>
        <translation>&amp;UPFA control</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Umwälzpumpe Steuerung</source>
        <translation>Circulation pump control</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Kl. 61 Steuerung</source>
        <translation>&amp;Term. 61 control</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kl. 61 Steuerung</source>
        <translation>Terminal 61 control</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;SPAR Steuerung</source>
        <translation>&amp;Economy control</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sparbetrieb Steuerung</source>
        <translation>Economy mode control</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Kalibrierung</source>
        <translation>Cali&amp;bration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parametersatz </source>
        <translation>&amp;Parameter set </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parametersatz aus Datei lesen</source>
        <translation>Read parameter set from file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in Steuergerät programmieren...</source>
        <translation>program into control unit...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parametersatz aus Steuergerät auslesen</source>
        <translation>Read parameter set from control unit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz aus Steuergrät auslesen</source>
        <translation>Read parameter set from control unit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parametersatz aus Zwischenspeicher</source>
        <translation>Parameter set from buffer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Extras</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fe&amp;nster</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fensterbezogene Anweisungen</source>
        <translation>Window commands</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ü&amp;berlappend</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hori&amp;zontal anordnen</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Vertikal anordnen</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Alle verkleinern</source>
        <translation>&amp;Minimize all</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hilfethemen</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Werkzeugleiste</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>     Der Komponententest wird nicht unterstützt!      </source>
        <translation>     The component test is not supported!      </translation>
    </message>
    <message>
        <location filename="../ui/mainformstate.cpp" line="+2"/>
        <source>&amp;Sparbetrieb Ein/Aus</source>
        <translation>&amp;Economy mode on/off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sparbetrieb Ein- bzw. Ausschalten</source>
        <translation>Switch economy mode on or off</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>     Stellen Sie sicher das die Umwälzpumpe angesteuert       <byte value="xd"/>
     wird und ausreichend Kühlmittel vorhanden ist, so das     <byte value="xd"/>
     die erforderliche Durchflussmenge erreicht wird.</source>
        <translation>     Make sure that the circulation pump is driven       <byte value="xd"/>
     and that there is enough coolant, so that     <byte value="xd"/>
     the required flow rate is reached.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>     Sollen die Fehler wirklich gelöscht werden?     </source>
        <translation>     Do you really want to clear the errors?     </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Gleichzeitig wird eine eventuell vorliegende Verriegelung aufgehoben.</source>
        <translation>     A heater lock-out, if present, is released at the same time.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>     Fehler an der Temperatursensorik führen hard- und softwareseitig zu einer     <byte value="xd"/>
     Verriegelung. Bevor diese Heizgeräteverriegelung aufgehoben werden kann, muss     <byte value="xd"/>
     die hardwareseitige Verriegelung zurückgesetzt werden. Dazu bitte das Heizgerät<byte value="xd"/>
     für 10s vom Bordnetz trennen. Anschließend die Diagnose neu starten und die<byte value="xd"/>
     softwareseitige Heizgeräteverriegelung mit der Taste F5 löschen.</source>
        <translation>     Faults of the temperature sensors lead to a hardware and a software     <byte value="xd"/>
     lock-out. Before this heater lock-out can be released, the hardware     <byte value="xd"/>
     lock-out must be reset. To do so, disconnect the heater from the vehicle<byte value="xd"/>
     supply for 10 s. Then restart the diagnosis and clear the<byte value="xd"/>
     software heater lock-out with the F5 key.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>     Eine eventuell vorliegende Verriegelung muss separat aufgehoben werden.</source>
        <translation>     A heater lock-out, if present, must be released separately.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>     Hat ein Fehler am Überhitzungsschutz zur Verriegelung geführt, ist<byte value="xd"/>
     zusätzlich die Betriebsspannung zu trennen.</source>
        <translation>     If a fault of the overheating protection caused the lock-out,<byte value="xd"/>
     the supply voltage must be disconnected as well.</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>     Sollen die Zeiten und Zähler wirklich gelöscht werden?     <byte value="xd"/>
<byte value="xd"/>
     Achtung: Die Betriebsspannung muss anschließend getrennt werden!     </source>
        <translation>     Do you really want to clear the times and counters?     <byte value="xd"/>
<byte value="xd"/>
     Caution: the supply voltage must be disconnected afterwards!     </translation>
    </message>
    <message>
        <location filename="../ui/mainformstatus.cpp" line="+39"/>
        <source>     Die Hilfedatei wurde nicht gefunden:     <byte value="xd"/>
     %1     </source>
        <translation>     The help file was not found:     <byte value="xd"/>
     %1     </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     Für die Hilfedatei ist kein Programm zum Anzeigen eingerichtet:     <byte value="xd"/>
     %1     </source>
        <translation>     No program is set up to display the help file:     <byte value="xd"/>
     %1     </translation>
    </message>
</context>
<context>
    <name>TMAIN_Tranz_Form</name>
    <message>
        <location filename="../ui/service/tranzform.cpp" line="+15"/>
        <source>Anwenderprogramm Übertragen</source>
        <translation>Transfer application program</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Emfangen...</source>
        <translation>Receiving...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Abbruch</source>
        <translation>&amp;Abort</translation>
    </message>
</context>
<context>
    <name>TPROT_START_Form</name>
    <message>
        <location filename="../service/measurementlog.cpp" line="+89"/>
        <source>Fehler beim schreiben in die Messwerteprotokolldatei </source>
        <translation>Error writing to the measurement log file </translation>
    </message>
    <message>
        <location filename="../service/measurementlogcolumns.cpp" line="+24"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gerätestatus</source>
        <translation>Device status</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+16"/>
        <location line="+25"/>
        <location line="+49"/>
        <location line="+25"/>
        <source>UB [V]</source>
        <translation>UB [V]</translation>
    </message>
    <message>
        <location line="-110"/>
        <location line="+23"/>
        <location line="+22"/>
        <location line="+81"/>
        <source>ZFG</source>
        <translation>SG</translation>
    </message>
    <message>
        <location line="-125"/>
        <location line="+21"/>
        <location line="+22"/>
        <location line="+83"/>
        <source>MV</source>
        <translation>SV</translation>
    </message>
    <message>
        <location line="-125"/>
        <location line="+24"/>
        <location line="+21"/>
        <location line="+34"/>
        <location line="+47"/>
        <source>FA</source>
        <translation>FI</translation>
    </message>
    <message>
        <location line="-115"/>
        <location line="+30"/>
        <location line="+45"/>
        <location line="+29"/>
        <source>U_FW [V]</source>
        <translation>U_FD [V]</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+104"/>
        <source>SPAR</source>
        <translation>ECO</translation>
    </message>
    <message>
        <location line="-103"/>
        <location line="+32"/>
        <location line="+69"/>
        <source>Kl. 61</source>
        <translation>Term 61</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+32"/>
        <location line="+21"/>
        <location line="+48"/>
        <source>UPFA</source>
        <translation>ECP</translation>
    </message>
    <message>
        <location line="-100"/>
        <location line="+29"/>
        <location line="+22"/>
        <location line="+47"/>
        <source>HS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="-95"/>
        <location line="+22"/>
        <location line="+34"/>
        <location line="+44"/>
        <source>UP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+50"/>
        <location line="+50"/>
        <source>BM</source>
        <translation>BM</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+21"/>
        <location line="+26"/>
        <location line="+49"/>
        <source>BA</source>
        <translation>OI</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>TS</source>
        <translation>TS</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>DVW</source>
        <translation>NHP</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SPAR1</source>
        <translation>ECO1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPAR2</source>
        <translation>ECO2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>MV1</source>
        <translation>SV1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MV2</source>
        <translation>SV2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERH</source>
        <translation>RH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFM</source>
        <translation>SM</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+50"/>
        <source>ÜHS</source>
        <translation>OHS</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Flag Brennstörung</source>
        <translation>Flag combustion fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flag US STV/HGV</source>
        <translation>Flag UV STV/HGV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HS [V]</source>
        <translation>MS [V]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPFA [V]</source>
        <translation>ECP [V]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GATE [V]</source>
        <translation>GATE [V]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZFM [V]</source>
        <translation>SM [V]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I_UP [A]</source>
        <translation>I_CP [A]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I_UP_CNT</source>
        <translation>I_CP_CNT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I_SG [A]</source>
        <translation>I_CU [A]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I_SG_CNT</source>
        <translation>I_CU_CNT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I_VH [A]</source>
        <translation>I_VH [A]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T HEAT [s]</source>
        <translation>T HEAT [s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+32"/>
        <source>STARTS</source>
        <translation>STARTS</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>FARZ</source>
        <translation>FARZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+32"/>
        <source>FAZ</source>
        <translation>FAZ</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+30"/>
        <source>STZ</source>
        <translation>STZ</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+32"/>
        <source>STV</source>
        <translation>STV</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>HGV</source>
        <translation>HGV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebszustand</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>BM-Soll [U/min]</source>
        <translation>BM target [rpm]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BM-Ist [U/min]</source>
        <translation>BM actual [rpm]</translation>
    </message>
    <message>
        <location filename="../service/measurementlogfile.cpp" line="+72"/>
        <source>Zusammenfassung</source>
        <translation>Summary</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+8"/>
        <source>Fehler</source>
        <translation>Fault</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[hex/dez]</source>
        <translation>[hex/dec]</translation>
    </message>
    <message>
        <location filename="../ui/views/protstartform.cpp" line="+53"/>
        <location line="+108"/>
        <source>Protokolldatei</source>
        <translation>Log file</translation>
    </message>
    <message>
        <location line="-105"/>
        <source> Einstellungen </source>
        <translation> Settings </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Durchsuchen...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Protokolldateiname:</source>
        <translation>Log file name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aufzeichnungsintervall [sek]:</source>
        <translation>Recording interval [s]:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Bitte einen Dateinamen angeben.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Protokoll-Datei  (*.log)|*.LOG|Text-Datei  (*.txt)|*.TXT</source>
        <translation>Log file  (*.log)|*.LOG|Text file  (*.txt)|*.TXT</translation>
    </message>
</context>
<context>
    <name>TZUSAMFASS_Form</name>
    <message>
        <location filename="../service/diagreport.cpp" line="+42"/>
        <source>Diagnosebericht</source>
        <translation>Diagnosis report</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Konfiguration:</source>
        <translation>Configuration:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Betriebsdaten:</source>
        <translation>Operating data:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler:</source>
        <translation>Faults:</translation>
    </message>
    <message>
        <location filename="../ui/views/zusamfass.cpp" line="+27"/>
        <source>Textdatei  (*.txt)|*.TXT</source>
        <translation>Text file  (*.txt)|*.TXT</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+96"/>
        <source>Zusammenfassung anzeigen</source>
        <translation>Show summary</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Reportdatei öffnen</source>
        <translation>Open report file</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Reportdatei sichern</source>
        <translation>Save report file</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
</context>
<context>
    <name>TwoChoiceForm</name>
    <message>
        <location filename="../ui/choiceform.cpp" line="+56"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <location filename="../core/unittexts.cpp" line="+11"/>
        <source>     Vor einer Pumpendruckprüfung müssen folgende Wartungsarbeiten durchgeführt werden:     </source>
        <translation>     Before a pump pressure test the following maintenance must be done:     </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>     - Ist ein eventuell vorhandenes Absperrventil in der Brennstoffrückleitung offen?<byte value="xd"/>
     - Sind die Brennstofffilter in der Ansaugleitung gewechselt bzw. neu?<byte value="xd"/>
     - Ist die Düse gewechselt?<byte value="xd"/>
     - Sind die Siebe im Pumpeneintritt kontrolliert und sauber?<byte value="xd"/>
     - Wird der Brennstoff blasenfrei gefördert?</source>
        <translation>     - Is a shut-off valve in the fuel return line, if present, open?<byte value="xd"/>
     - Are the fuel filters in the suction line changed or new?<byte value="xd"/>
     - Is the nozzle changed?<byte value="xd"/>
     - Are the screens in the pump inlet checked and clean?<byte value="xd"/>
     - Is the fuel delivered free of bubbles?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>     Hinweis: Zur Überprüfung einen klaren Schlauch auf den Rücklaufanschluss stecken.<byte value="xd"/>
                   Nach einigen Minuten muss der Brennstoff blasenfrei austreten.</source>
        <translation>     Note: to check, fit a clear hose onto the return connection.<byte value="xd"/>
                   After a few minutes the fuel must come out free of bubbles.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Überhitzung T &gt; 275°F</source>
        <translation>Overheating T &gt; 275°F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperatur Überhitzungsschutz Sensor &gt; 212°F während Heizen</source>
        <translation>Overheating protection sensor temperature &gt; 212°F while heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komparator -58°F hat ausgelöst</source>
        <translation>Comparator -58°F has tripped</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     - Die Temperatur des Brennstoffes soll +59..+77°F betragen.</source>
        <translation>     - The fuel temperature should be +59..+77°F.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_ÜHS [°F]</source>
        <translation>T_OHP [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_DVW [°F]</source>
        <translation>T_DVW [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_SG [°F]</source>
        <translation>T_SG [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_WTS [°F]</source>
        <translation>T_WTS [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_US [°F]</source>
        <translation>T_US [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_OS [°F]</source>
        <translation>T_OS [°F]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_CPU [°F]</source>
        <translation>T_CPU [°F]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überhitzung T &gt; 135°C</source>
        <translation>Overheating T &gt; 135°C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperatur Überhitzungsschutz Sensor &gt; 100°C während Heizen</source>
        <translation>Overheating protection sensor temperature &gt; 100°C while heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komparator -50°C hat ausgelöst</source>
        <translation>Comparator -50°C has tripped</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     - Die Temperatur des Brennstoffes soll +15..+25°C betragen.</source>
        <translation>     - The fuel temperature should be +15..+25°C.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_ÜHS [°C]</source>
        <translation>T_OHP [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_DVW [°C]</source>
        <translation>T_DVW [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_SG [°C]</source>
        <translation>T_SG [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_WTS [°C]</source>
        <translation>T_WTS [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_US [°C]</source>
        <translation>T_US [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_OS [°C]</source>
        <translation>T_OS [°C]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T_CPU [°C]</source>
        <translation>T_CPU [°C]</translation>
    </message>
</context>
<context>
    <name>WBusS</name>
    <message>
        <location filename="../bus/wbustextss.cpp" line="+15"/>
        <source>Steuergerätefehler</source>
        <translation>Control unit fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watchdog</source>
        <translation>Watchdog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falsche Checksumme des EOL-Parametersatzes</source>
        <translation>Wrong checksum of the EOL parameter set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung - Entriegelung nötig</source>
        <translation>Heater lock-out - unlocking required</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störzählerschwelle überschritten</source>
        <translation>Fault counter threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruchzählerschwelle überschritten</source>
        <translation>Flame-out counter threshold exceeded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>keine EOL-Programmierung</source>
        <translation>no EOL programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Start in Sicherheitszeit</source>
        <translation>No start within safety time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabbruch</source>
        <translation>Flame-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Kurzschluss Kl. 31</source>
        <translation>Flame detector short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Flame detector open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Kurzschluss Kl. 31</source>
        <translation>Overheating protection short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Überhitzungsschutz Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Overheating protection open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Überhitzung Delta T</source>
        <translation>Overheating delta T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Kurzschluss Kl. 31</source>
        <translation>Coolant temperature sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Coolant temperature sensor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kühlmittel/Überhitzung defekt</source>
        <translation>Coolant/overheating temperature sensor defective</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlicht vor Zustand &quot;Zündung&quot;</source>
        <translation>Extraneous light before state &quot;Ignition&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlicht im Zustand &quot;Nachlauf 2&quot;</source>
        <translation>Extraneous light in state &quot;After-run 2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Kurzschluss Kl. 31</source>
        <translation>Solenoid valve short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Unterbrechung</source>
        <translation>Solenoid valve open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Kurzschluss Kl. 30</source>
        <translation>Solenoid valve short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 31</source>
        <translation>Motor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Unterbrechung oder Sicherung defekt</source>
        <translation>Motor open circuit or fuse defective</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 30</source>
        <translation>Motor short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Zündfunkengeber Kurzschluss Kl. 31</source>
        <translation>Spark generator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Zündfunkengeber Unterbrechung</source>
        <translation>Spark generator open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Zündfunkengeber Kurzschluss Kl. 30</source>
        <translation>Spark generator short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Spark generator open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umwälzpumpe Kurzschluss Kl. 31</source>
        <translation>Circulation pump short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Unterbrechung</source>
        <translation>Circulation pump open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Kurzschluss Kl. 30</source>
        <translation>Circulation pump short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Düsenstockvorwärmung Kurzschluss Kl. 31</source>
        <translation>Nozzle holder preheating sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Düsenstockvorwärmung Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Nozzle holder preheating sensor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 31</source>
        <translation>Nozzle holder heater cartridge short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Unterbrechung</source>
        <translation>Nozzle holder heater cartridge open circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 30</source>
        <translation>Nozzle holder heater cartridge short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammanzeige Kurzschluss Kl. 31</source>
        <translation>Flame indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammanzeige Kurzschluss Kl. 30</source>
        <translation>Flame indicator short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsanzeige Kurzschluss Kl. 31</source>
        <translation>Operating indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drehzahlsignal nicht in Ordnung</source>
        <translation>Speed signal not OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mindestbrennzeit mehrfach unterschritten</source>
        <translation>Minimum burning time repeatedly not reached</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flash defekt</source>
        <translation>Flash defective</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CAN-BUS-Fehler</source>
        <translation>CAN bus fault</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initialisierung</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einsatzbereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einsatzbereit, UP aktiv</source>
        <translation>Ready, CP active</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe ohne Heizfunktion</source>
        <translation>Circulation pump without heating function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung</source>
        <translation>Fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung</source>
        <translation>Heater lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Über-/Unterspannung</source>
        <translation>Wait loop, over-/undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorwärmung</source>
        <translation>Preheating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf</source>
        <translation>Pre-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf Verlängerung</source>
        <translation>Pre-run extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorzündung</source>
        <translation>Pre-ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündung</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stabilisierung</source>
        <translation>Stabilization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standheizen</source>
        <translation>Parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuheizen</source>
        <translation>Supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstörung</source>
        <translation>Combustion fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 1</source>
        <translation>After-run 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachlauf 2</source>
        <translation>After-run 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kurzschluss</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell</source>
        <translation>bright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hell (Hysterese)</source>
        <translation>bright (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel (Hysterese)</source>
        <translation>dark (hysteresis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dunkel</source>
        <translation>dark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unterbrechung</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>WBusV</name>
    <message>
        <location filename="../bus/wbusrowgroups.cpp" line="+31"/>
        <source>Nicht aktuell und nicht gespeichert</source>
        <translation>Not current and not stored</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nicht aktuell und gespeichert</source>
        <translation>Not current and stored</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aktuell</source>
        <translation>current</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aktuell und gespeichert</source>
        <translation>current and stored</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Benzin</source>
        <translation>Gasoline</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <location filename="../bus/wbustextsv.cpp" line="+14"/>
        <source>keine EOL-Programmierung</source>
        <translation>no EOL programming</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Kein Start in Sicherheitszeit</source>
        <translation>No start within safety time</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Flammabbruch</source>
        <translation>Flame-out</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Fremdlicht</source>
        <translation>Extraneous light</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Unterbrechung Magnetventil (Überhitzung)</source>
        <translation>Solenoid valve open circuit (overheating)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor Kurzschluss Kl. 31</source>
        <translation>Motor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Kurzschluss Kl. 31</source>
        <translation>Circulation pump short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Kurzschluss Kl. 31</source>
        <translation>Solenoid valve short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Kurzschluss Kl. 31</source>
        <translation>Temperature sensor short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Kurzschluss Kl. 31</source>
        <translation>Spark generator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Kurzschluss Kl. 31</source>
        <translation>Flame detector short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebsanzeige Kurzschluss Kl. 31</source>
        <translation>Operating indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammanzeige Kurzschluss Kl. 31</source>
        <translation>Flame indicator short circuit to terminal 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steuergerätefehler</source>
        <translation>Control unit fault</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Motor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Circulation pump open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnetventil Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Solenoid valve open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperatursensor Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Temperature sensor open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Spark generator open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Unterbrechung o. Kurzschluss Kl. 30</source>
        <translation>Flame detector open circuit or short circuit to terminal 30</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausbrennen</source>
        <translation>Burn-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abschaltung</source>
        <translation>Shutdown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ausbrennen TRS</source>
        <translation>Burn-out TRS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ausbrennrampe</source>
        <translation>Burn-out ramp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auszustand</source>
        <translation>Off state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennbetrieb Teillast</source>
        <translation>Combustion, part load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennbetrieb Vollast</source>
        <translation>Combustion, full load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstofffördern</source>
        <translation>Fuel delivery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorstart (Losreissen)</source>
        <translation>Motor start (break-loose)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstoffunterbr</source>
        <translation>Fuel interruption</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagnosezustand</source>
        <translation>Diagnostic state</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dosierpumpenunterbrechung</source>
        <translation>Dosing pump interruption</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EMK-Messung</source>
        <translation>EMF measurement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entprellen</source>
        <translation>Debouncing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterabfrage</source>
        <translation>Flame detector check</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächterkühlung</source>
        <translation>Flame detector cooling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammwächter Messphase</source>
        <translation>Flame detector measuring phase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammabfrage bei ZUE</source>
        <translation>Flame check at ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gebläseanlauf</source>
        <translation>Fan start-up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glühstiftrampe</source>
        <translation>Glow pin ramp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung</source>
        <translation>Heater lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initialisierung</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraftstoffblasenüberbrückung</source>
        <translation>Fuel bubble bridging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kaltgebläseanlauf</source>
        <translation>Cold fan start-up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kaltstartanreicherung</source>
        <translation>Cold start enrichment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kühlung</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lastwechsel Teil- / Volllast</source>
        <translation>Load change part / full load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lüften</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lastwechsel Voll- / Teillast</source>
        <translation>Load change full / part load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neue Initialisierung</source>
        <translation>Re-initialization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelbetrieb</source>
        <translation>Control operation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause</source>
        <translation>Control pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sanftanlauf</source>
        <translation>Soft start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sicherheitszeit</source>
        <translation>Safety time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spülen</source>
        <translation>Purging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stabilisierung</source>
        <translation>Stabilization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startrampe</source>
        <translation>Start ramp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stromlos</source>
        <translation>De-energized</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung</source>
        <translation>Fault lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung TRS</source>
        <translation>Fault lock-out TRS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stabilisierungszeit</source>
        <translation>Stabilization time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übergang Regelbetrieb</source>
        <translation>Transition to control operation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entscheidungsknoten</source>
        <translation>Decision node</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorfördern</source>
        <translation>Fuel pre-delivery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorglühen</source>
        <translation>Pre-glow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorglühen Leistungsregelung</source>
        <translation>Pre-glow power control</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verzögerung vor Abregeln</source>
        <translation>Delay before ramp-down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zähgebläseanlauf</source>
        <translation>Sluggish fan start-up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zuglühen</source>
        <translation>Additional glow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündpause</source>
        <translation>Ignition pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zündung</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zwischenglühen</source>
        <translation>Intermediate glow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Applikationsüberwachung</source>
        <translation>Application monitoring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelungsabspeicherung</source>
        <translation>Storing heater lock-out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteentriegelung</source>
        <translation>Heater unlocking</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizleistungsregelung</source>
        <translation>Heat output control</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpenregelung</source>
        <translation>Circulation pump control</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initialisierung µP</source>
        <translation>Initialization µP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fremdlichtabfrage</source>
        <translation>Extraneous light check</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf</source>
        <translation>Pre-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorzündung</source>
        <translation>Pre-ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammzündung</source>
        <translation>Flame ignition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flammstabilisierung</source>
        <translation>Flame stabilization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennbetrieb Standheizen</source>
        <translation>Combustion, parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennbetrieb Zuheizen</source>
        <translation>Combustion, supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstörung Standheizen</source>
        <translation>Combustion fault, parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennstörung Zuheizen</source>
        <translation>Combustion fault, supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aus Nachlauf</source>
        <translation>Switch-off after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Nachlauf</source>
        <translation>Control pause after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störnachlauf</source>
        <translation>Fault after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitlicher Störnachlauf</source>
        <translation>Timed fault after-run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störverriegelung Umwälzpumpe</source>
        <translation>Fault lock-out, circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Standheizen</source>
        <translation>Control pause, parking heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Zuheizen</source>
        <translation>Control pause, supplementary heating</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regelpause Zuheizen mit Umwälzpumpe</source>
        <translation>Control pause, supplementary heating with circulation pump</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umwälzpumpe ohne Heizfunktion</source>
        <translation>Circulation pump without heating function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife Überspannung</source>
        <translation>Wait loop, overvoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher aktualisieren</source>
        <translation>Updating fault memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warteschleife</source>
        <translation>Wait loop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Komponententest</source>
        <translation>Component test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boostbetrieb</source>
        <translation>Boost mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abkühlen</source>
        <translation>Cooling down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heizgeräteverriegelung permanent</source>
        <translation>Heater lock-out, permanent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gebläseunterbrechung</source>
        <translation>Fan interruption</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennermotor losreissen</source>
        <translation>Burner motor break-loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperaturabfrage</source>
        <translation>Temperature check</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlauf Unterspannung</source>
        <translation>Pre-run, undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unfallabfrage</source>
        <translation>Crash check</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Störnachlauf Magnetventil</source>
        <translation>Fault after-run, solenoid valve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher aktualisieren Magnetventil</source>
        <translation>Updating fault memory, solenoid valve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitlicher Störnachlauf Magnetventil</source>
        <translation>Timed fault after-run, solenoid valve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startversuch</source>
        <translation>Start attempt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vorlaufverlängerung</source>
        <translation>Pre-run extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennbetrieb</source>
        <translation>Combustion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zeitlicher Störnachlauf bei Unterspannung</source>
        <translation>timed fault after-run on undervoltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerspeicher aktualisieren beim Ausschalten</source>
        <translation>Updating fault memory at switch-off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rampe Vollast</source>
        <translation>Full load ramp</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>zeitlicher Störnachlauf Unterspannung</source>
        <translation>timed fault after-run, undervoltage</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Routine gestartet</source>
        <translation>Routine started</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wertebereich ungültig</source>
        <translation>Invalid value range</translation>
    </message>
</context>
</TS>
