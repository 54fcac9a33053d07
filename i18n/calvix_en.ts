<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>TMAIN_Form</name>
    <message>
        <location filename="../ui/settingslanguage.cpp" line="+41"/>
        <source>DEU</source>
        <translation>ENG</translation>
    </message>
</context>
</TS>
