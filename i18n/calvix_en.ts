<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Bus</name>
    <message>
        <location filename="../bus/buscommon.cpp" line="+12"/>
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
    <name>FtdiDriver</name>
    <message>
        <location filename="../link/ftdidriver.cpp" line="+162"/>
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
    <name>MAIN_KX3090</name>
    <message>
        <location filename="../diag/kx3090datapoints.cpp" line="+17"/>
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
    <name>MAIN_TOOL</name>
    <message>
        <location filename="../core/dialoghelpers.cpp" line="+15"/>
        <source>      Eingabe fehlerhaft!      </source>
        <translation>      Invalid input!      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>      Wertebereich unterschritten!      </source>
        <translation>      Value below the range!      </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>      Wertebereich überschritten!       </source>
        <translation>      Value above the range!       </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nicht gefunden!</source>
        <translation>not found!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>überschreiben?</source>
        <translation>overwrite?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>konnte nicht erstellt werden!</source>
        <translation>could not be created!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>konnte nicht geöffnet werden!</source>
        <translation>could not be opened!</translation>
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
    <name>TANSI_ERROR_Form</name>
    <message>
        <location filename="../ui/views/errorform.cpp" line="+81"/>
        <source>Fehleranzeige</source>
        <translation>Fault display</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+33"/>
        <source>Fehlerspeicher &amp;löschen</source>
        <translation>&amp;Clear fault memory</translation>
    </message>
</context>
<context>
    <name>TANSI_OVERVIEW_Form</name>
    <message>
        <location filename="../ui/views/overviewform.cpp" line="+61"/>
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
        <location filename="../ui/views/overviewtables.cpp" line="+7"/>
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
        <location filename="../ui/views/protokoll.cpp" line="+51"/>
        <source>Protokollanzeige</source>
        <translation>Log display</translation>
    </message>
    <message>
        <location line="+13"/>
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
    <name>TDEV_SEL_Form</name>
    <message>
        <location filename="../diag/devicelist.cpp" line="+7"/>
        <source>HVD 420</source>
        <translation>HVD 420</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calvix 140/180/220</source>
        <translation>Calvix 140/180/220</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calvix R</source>
        <translation>Calvix R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calvix N</source>
        <translation>Calvix N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calvix extra</source>
        <translation>Calvix extra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flashloader</source>
        <translation>Flashloader</translation>
    </message>
</context>
<context>
    <name>TMAIN_Form</name>
    <message>
        <location filename="../ui/settingslanguage.cpp" line="+41"/>
        <source>DEU</source>
        <translation>ENG</translation>
    </message>
    <message>
        <location filename="../diag/diagsession.cpp" line="+95"/>
        <source>NAVIRON Calvix Test</source>
        <translation>NAVIRON Calvix Test</translation>
    </message>
    <message>
        <location line="+81"/>
        <location line="+20"/>
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
        <location line="+6"/>
        <source>     Wenn sie aktiv per Diagnose Änderungen am Heizgerät vornehmen,      <byte value="xd"/>
     durch: HS, UPFA, Kl.61, Spar ein- oder ausschalten oder eine      <byte value="xd"/>
     CO2-Einstellung durchführen, wird ihr Computer zum Master      <byte value="xd"/>
     und die externen Bedienelemente für diese Sitzung ignoriert.      <byte value="xd"/>
<byte value="xd"/>
     Beenden sie die aktuelle Diagnosesitzung um diesen Status aufzuheben.      </source>
        <translation>     If you actively make changes to the heater through the diagnosis,      <byte value="xd"/>
     by switching MS, ECP, term. 61 or economy mode on or off or by making a      <byte value="xd"/>
     CO2 adjustment, your computer becomes the master      <byte value="xd"/>
     and the external controls are ignored for this session.      <byte value="xd"/>
<byte value="xd"/>
     End the current diagnosis session to cancel this status.      </translation>
    </message>
</context>
<context>
    <name>WBusV</name>
    <message>
        <location filename="../bus/wbusdecodev.cpp" line="+44"/>
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
        <location line="+9"/>
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
        <location filename="../bus/wbustextsv.cpp" line="+13"/>
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
        <location line="+25"/>
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
