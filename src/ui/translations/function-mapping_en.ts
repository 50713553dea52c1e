<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>Function Mapping</source>
        <translation>Function Mapping</translation>
    </message>
    <message>
        <source>&lt;Decodertyp wählen&gt;</source>
        <translation>&lt;Choose decoder type&gt;</translation>
    </message>
    <message>
        <source>Licht vorwärts</source>
        <translation>Light forward</translation>
    </message>
    <message>
        <source>Licht rückwärts</source>
        <translation>Light reverse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>F0 v</source>
        <translation>F0 f</translation>
    </message>
    <message>
        <source>F0 r</source>
        <translation>F0 r</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>Decodertyp</source>
        <translation>Decoder type</translation>
    </message>
    <message>
        <source>Funktionszuordnung</source>
        <translation>Function mapping</translation>
    </message>
    <message>
        <source>Menüleiste</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>Statusleiste</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Fenstergröße ändern</source>
        <translation>Resize window</translation>
    </message>
    <message>
        <source>Decodertypen</source>
        <translation>Decoder types</translation>
    </message>
    <message>
        <source>Alle Zellen auswählen</source>
        <translation>Select all cells</translation>
    </message>
    <message>
        <source>Ausgang %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>nicht belegt</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>%1 bearbeiten</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Nichts kopiert: es ist kein Decodertyp gewählt.</source>
        <translation>Nothing copied: no decoder type is chosen.</translation>
    </message>
    <message>
        <source>Decodertyp „%1“ als Zeilen für decoders.ini kopiert.</source>
        <translation>Decoder type “%1” copied as lines for decoders.ini.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: es ist kein Decodertyp gewählt.</source>
        <translation>Nothing pasted: no decoder type is chosen.</translation>
    </message>
    <message>
        <source>Nichts rückgängig zu machen.</source>
        <translation>Nothing to undo.</translation>
    </message>
    <message>
        <source>Rückgängig gemacht: %1.</source>
        <translation>Undone: %1.</translation>
    </message>
    <message>
        <source>Nichts zu wiederholen.</source>
        <translation>Nothing to redo.</translation>
    </message>
    <message>
        <source>Wiederholt: %1.</source>
        <translation>Redone: %1.</translation>
    </message>
    <message>
        <source>Kästchen %1</source>
        <translation>Box %1</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>CV%1</source>
        <translation>CV%1</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Bei CV%1 fehlt der Wert; nicht eingefügt.</source>
        <translation>CV%1 has no value; not pasted.</translation>
    </message>
    <message>
        <source>Bei CV%1 ist „%2“ keine ganze Zahl; nicht eingefügt.</source>
        <translation>For CV%1, “%2” is no whole number; not pasted.</translation>
    </message>
    <message>
        <source>CV%1 ordnet keine Funktion zu, nur CV33 bis CV46; nicht eingefügt.</source>
        <translation>CV%1 maps no function, only CV33 to CV46 do; not pasted.</translation>
    </message>
    <message>
        <source>CV%1 ist gesperrt; nicht eingefügt.</source>
        <translation>CV%1 is locked; not pasted.</translation>
    </message>
    <message>
        <source>CV%1 = %2 liegt nicht zwischen 0 und 255; eingefügt wie getippt.</source>
        <translation>CV%1 = %2 is not between 0 and 255; pasted as if typed.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: der Text enthält keinen Wert für CV33 bis CV46.</source>
        <translation>Nothing pasted: the text holds no value for CV33 to CV46.</translation>
    </message>
    <message>
        <source>Nichts eingefügt.</source>
        <translation>Nothing pasted.</translation>
    </message>
    <message>
        <source>Weitere Stellen, die nicht passen: %1.</source>
        <translation>Further places that do not fit: %1.</translation>
    </message>
    <message>
        <source>CV%1 ohne Wert als %2 kopiert (was die Kästchen zeigen).</source>
        <translation>CV%1 without a value copied as %2 (what the boxes show).</translation>
    </message>
    <message>
        <source>CV%1 = %2 als %3 kopiert (was die Kästchen zeigen).</source>
        <translation>CV%1 = %2 copied as %3 (what the boxes show).</translation>
    </message>
    <message>
        <source>Nichts eingefügt: „%1“ ist ein Ordner.</source>
        <translation>Nothing pasted: “%1” is a folder.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: gelesen werden nur .xml-, .csv-, .txt- und .ini-Dateien, nicht „%1“.</source>
        <translation>Nothing pasted: only .xml, .csv, .txt and .ini files are read, not “%1”.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: „%1“ ist größer als 10 MB.</source>
        <translation>Nothing pasted: “%1” is larger than 10 MB.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: „%1“ lässt sich nicht lesen (%2).</source>
        <translation>Nothing pasted: “%1” cannot be read (%2).</translation>
    </message>
    <message>
        <source>Nichts eingefügt: „%1“ ist weder UTF-8 noch in der Zeichenkodierung des Systems geschrieben.</source>
        <translation>Nothing pasted: “%1” is written neither in UTF-8 nor in the system’s encoding.</translation>
    </message>
    <message>
        <source>CV%1 steht mehrmals mit verschiedenen Werten im Text; der letzte, %2, gilt.</source>
        <translation>CV%1 is given several times with different values; the last one, %2, is used.</translation>
    </message>
    <message>
        <source>Die Vorgabe für CV%1 ist in der Decoderdefinition nicht eindeutig; nicht eingefügt.</source>
        <translation>The decoder definition’s default for CV%1 is not certain; not pasted.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: die Zahlenreihe braucht %1 Spalten, frei sind ab hier nur %2. Eine Reihe wird nur ganz eingefügt.</source>
        <translation>Nothing pasted: the numbers need %1 columns, and only %2 are left from here. A run of numbers is pasted whole or not at all.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: die Zahlen sehen aus wie eine Spalte mit CV-Nummern. Mit ihrer Kopfzeile kopiert wird die Tabelle gelesen.</source>
        <translation>Nothing pasted: the numbers look like a column of CV numbers. Copied with its header row, the table is read.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: der Text enthält %1 Decodertypen ([…]-Abschnitte). Bitte nur den einen kopieren, der gemeint ist.</source>
        <translation>Nothing pasted: the text holds %1 decoder types ([…] sections). Please copy only the one you mean.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: der Text nennt keine CV mit einem Wert.</source>
        <translation>Nothing pasted: the text names no CV with a value.</translation>
    </message>
    <message>
        <source>aus CV-Angaben im Text</source>
        <translation>from the CVs named in the text</translation>
    </message>
    <message>
        <source>aus Zeilen für decoders.ini</source>
        <translation>from decoders.ini lines</translation>
    </message>
    <message>
        <source>aus einer Zahlenreihe</source>
        <translation>from a run of numbers</translation>
    </message>
    <message>
        <source>aus einer Tabelle, Spalte „%1“</source>
        <translation>from a table, column “%1”</translation>
    </message>
    <message>
        <source>aus einer JMRI-Lokdatei</source>
        <translation>from a JMRI roster entry</translation>
    </message>
    <message>
        <source>aus den Vorgaben einer JMRI-Decoderdefinition</source>
        <translation>from a JMRI decoder definition’s defaults</translation>
    </message>
    <message>
        <source>Eingefügt: %1 %2.</source>
        <translation>Pasted: %1 %2.</translation>
    </message>
    <message>
        <source>Nichts eingefügt: das sind %1 Dateien; gelesen wird nur eine auf einmal.</source>
        <translation>Nothing pasted: these are %1 files; only one is read at a time.</translation>
    </message>
    <message>
        <source>Vom Decoder lesen</source>
        <translation>Read from the decoder</translation>
    </message>
    <message>
        <source>In den Decoder schreiben …</source>
        <translation>Write to the decoder …</translation>
    </message>
    <message>
        <source>Verbindung zur Zentrale …</source>
        <translation>Connection to the command station …</translation>
    </message>
    <message>
        <source>Lesen oder Schreiben abbrechen</source>
        <translation>Cancel reading or writing</translation>
    </message>
    <message>
        <source>Wird abgebrochen, sobald die laufende CV fertig ist.</source>
        <translation>Cancelling once the CV under way is done.</translation>
    </message>
    <message>
        <source>Das Fenster schließt, sobald die laufende CV fertig ist.</source>
        <translation>The window closes once the CV under way is done.</translation>
    </message>
    <message>
        <source>Die Zentrale ist noch bei der Arbeit; Esc bricht ab.</source>
        <translation>The command station is still at work; Esc cancels.</translation>
    </message>
    <message>
        <source>Nichts gelesen.</source>
        <translation>Nothing read.</translation>
    </message>
    <message>
        <source>Jeder Decoder auf dem Programmiergleis wird gelesen.</source>
        <translation>Every decoder on the programming track is read.</translation>
    </message>
    <message>
        <source>Nichts geschrieben.</source>
        <translation>Nothing written.</translation>
    </message>
    <message>
        <source>Jeder Decoder auf dem Programmiergleis wird gelesen und beschrieben.</source>
        <translation>Every decoder on the programming track is read and written.</translation>
    </message>
    <message>
        <source>Die Zentrale schaltet dazu auf ihr Programmiergleis. Bei vielen Zentralen, auch bei der Z21, hält das jeden Zug auf der Anlage an.</source>
        <translation>For this the command station switches to its programming track. On many stations, the Z21 among them, that stops every train on the layout.</translation>
    </message>
    <message>
        <source>Programmiergleis</source>
        <translation>Programming track</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Gesperrt und nicht übernommen: %1.</source>
        <translation>Locked and not taken: %1.</translation>
    </message>
    <message>
        <source>Nichts geschrieben: keine CV weicht ab.</source>
        <translation>Nothing written: no CV differs.</translation>
    </message>
    <message>
        <source>Diese CVs werden geschrieben:</source>
        <translation>These CVs will be written:</translation>
    </message>
    <message>
        <source>In den Decoder schreiben</source>
        <translation>Write to the decoder</translation>
    </message>
    <message>
        <source>&amp;Schreiben</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nichts gelesen: es ist kein Decodertyp gewählt.</source>
        <translation>Nothing read: no decoder type is chosen.</translation>
    </message>
    <message>
        <source>Nichts geschrieben: es ist kein Decodertyp gewählt.</source>
        <translation>Nothing written: no decoder type is chosen.</translation>
    </message>
    <message>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Die Verbindung zur Zentrale ist getrennt.</source>
        <translation>The connection to the command station is closed.</translation>
    </message>
    <message>
        <source>Danach wird die Gleisspannung wieder eingeschaltet; Züge fahren dann mit ihrer letzten Geschwindigkeit weiter.</source>
        <translation>Afterwards track power is switched back on; trains then move on at their last speed.</translation>
    </message>
    <message>
        <source>Danach bleibt die Gleisspannung aus, bis Sie sie wieder einschalten.</source>
        <translation>Afterwards track power stays off until you switch it back on.</translation>
    </message>
</context>
<context>
    <name>MappingChanges</name>
    <message>
        <source>Gesperrt und nie geschrieben: %1.</source>
        <translation>Locked and never written: %1.</translation>
    </message>
</context>
<context>
    <name>StationDialog</name>
    <message>
        <source>&amp;Adresse:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Serieller Anschluss:</source>
        <translation>&amp;Serial port:</translation>
    </message>
    <message>
        <source>Zentrale</source>
        <translation>Command station</translation>
    </message>
    <message>
        <source>Z21 im Netzwerk</source>
        <translation>Z21 on the network</translation>
    </message>
    <message>
        <source>DCC-EX im Netzwerk</source>
        <translation>DCC-EX on the network</translation>
    </message>
    <message>
        <source>DCC-EX über USB</source>
        <translation>DCC-EX over USB</translation>
    </message>
    <message>
        <source>Art der Zentrale</source>
        <translation>Kind of command station</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Name oder IP-Adresse</source>
        <translation>Name or IP address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serieller Anschluss</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>&amp;Zentrale:</source>
        <translation>&amp;Command station:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Danach &amp;Gleisspannung wieder einschalten</source>
        <translation>Switch &amp;track power back on afterwards</translation>
    </message>
    <message>
        <source>Züge auf der Anlage fahren dann mit ihrer letzten Geschwindigkeit wieder los.</source>
        <translation>Trains on the layout then move off again at their last speed.</translation>
    </message>
    <message>
        <source>&amp;Verbindung prüfen</source>
        <translation>C&amp;heck connection</translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>Schreiben abgebrochen; nichts wurde geschrieben.</source>
        <translation>Writing cancelled; nothing was written.</translation>
    </message>
    <message>
        <source>Lesen abgebrochen; nichts wurde übernommen.</source>
        <translation>Reading cancelled; nothing was taken over.</translation>
    </message>
    <message>
        <source>Es ist keine Zentrale eingestellt.</source>
        <translation>No command station is set.</translation>
    </message>
    <message>
        <source>Keine CV weicht ab; nichts wurde geschrieben.</source>
        <translation>No CV differs; nothing was written.</translation>
    </message>
    <message>
        <source>Verbindung zur Zentrale wird aufgebaut …</source>
        <translation>Connecting to the command station …</translation>
    </message>
    <message>
        <source>Die Zentrale hat für CV%1 geantwortet, gefragt war CV%2.</source>
        <translation>The command station answered for CV%1; CV%2 was asked for.</translation>
    </message>
    <message>
        <source>CV%1 gelesen, %2 von %3</source>
        <translation>CV%1 read, %2 of %3</translation>
    </message>
    <message>
        <source>CV%1 nicht beantwortet, %2 von %3</source>
        <translation>CV%1 not answered, %2 of %3</translation>
    </message>
    <message>
        <source>CV%1 hält nach dem Schreiben %2 statt %3.</source>
        <translation>After writing, CV%1 holds %2 instead of %3.</translation>
    </message>
    <message>
        <source>CV%1 geschrieben und geprüft, %2 von %3</source>
        <translation>CV%1 written and verified, %2 of %3</translation>
    </message>
    <message>
        <source>Schreiben abgebrochen.</source>
        <translation>Writing cancelled.</translation>
    </message>
    <message>
        <source>Die Zentrale unter %1 ist nicht erreichbar.</source>
        <translation>The command station at %1 cannot be reached.</translation>
    </message>
    <message>
        <source>Den Anschluss %1 gibt es nicht.</source>
        <translation>There is no port %1.</translation>
    </message>
    <message>
        <source>Den Anschluss %1 hält ein anderes Programm.</source>
        <translation>Another program holds the port %1.</translation>
    </message>
    <message>
        <source>Die Verbindung zur Zentrale (%1) ist abgerissen.</source>
        <translation>The connection to the command station (%1) was lost.</translation>
    </message>
    <message>
        <source>Die Zentrale antwortet nicht.</source>
        <translation>The command station does not answer.</translation>
    </message>
    <message>
        <source>CV33 bis CV46 gelesen.</source>
        <translation>CV33 to CV46 read.</translation>
    </message>
    <message>
        <source>Gelesen; keine Antwort für %1, diese bleiben, wie sie waren.</source>
        <translation>Read; no answer for %1, which stay as they were.</translation>
    </message>
    <message>
        <source>Nichts wurde geschrieben.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Geschrieben und geprüft: %1.</source>
        <translation>Written and verified: %1.</translation>
    </message>
    <message>
        <source>Nicht geschrieben: %1.</source>
        <translation>Not written: %1.</translation>
    </message>
    <message>
        <source>Die Z21 bleibt im Programmiermodus: das Hauptgleis bleibt ohne Spannung, bis Sie die Gleisspannung an der Zentrale oder am Handregler wieder einschalten.</source>
        <translation>The Z21 stays in programming mode: the main track stays without power until you switch the track power on again at the command station or a handset.</translation>
    </message>
    <message>
        <source>Kein Decoder antwortet auf dem Programmiergleis.</source>
        <translation>No decoder answers on the programming track.</translation>
    </message>
    <message>
        <source>Die Zentrale meldet einen Kurzschluss.</source>
        <translation>The command station reports a short circuit.</translation>
    </message>
    <message>
        <source>Die Zentrale ist im Nothalt.</source>
        <translation>The command station is in emergency stop.</translation>
    </message>
    <message>
        <source>Die Zentrale ist beschäftigt oder kennt den Befehl nicht.</source>
        <translation>The command station is busy or does not know the command.</translation>
    </message>
    <message>
        <source>Die Zentrale hat eine unverständliche Antwort geschickt.</source>
        <translation>The command station sent a reply that cannot be understood.</translation>
    </message>
    <message>
        <source>Prüfung abgebrochen.</source>
        <translation>Check cancelled.</translation>
    </message>
    <message>
        <source>Die Zentrale startet …</source>
        <translation>The command station is starting …</translation>
    </message>
    <message>
        <source>Die Zentrale ist im Nothalt; es wird trotzdem versucht.</source>
        <translation>The command station is in emergency stop; trying all the same.</translation>
    </message>
    <message>
        <source>Die Zentrale ist beim Öffnen des USB-Anschlusses neu gestartet; die Gleisspannung bleibt aus, bis Sie sie wieder einschalten.</source>
        <translation>The command station restarted when its USB port was opened; track power stays off until you switch it back on.</translation>
    </message>
    <message>
        <source>Die Zentrale war beim Verbindungsaufbau im Nothalt.</source>
        <translation>The command station was in emergency stop when the connection was made.</translation>
    </message>
    <message>
        <source>Die Gleisspannung ist wieder eingeschaltet.</source>
        <translation>Track power is switched back on.</translation>
    </message>
    <message>
        <source>Gelesen; keine Antwort für %1, sie bleibt, wie sie war.</source>
        <translation>Read; no answer for %1, which stays as it was.</translation>
    </message>
    <message>
        <source>Nichts wurde gelesen.</source>
        <translation>Nothing was read.</translation>
    </message>
    <message>
        <source>Gelesen waren %1; nichts wurde übernommen.</source>
        <translation>%1 had been read; nothing was taken.</translation>
    </message>
    <message>
        <source>Die Zentrale antwortet: %1</source>
        <translation>The command station answers: %1</translation>
    </message>
    <message>
        <source>Gleisspannung aus</source>
        <translation>track power off</translation>
    </message>
    <message>
        <source>Gleisspannung ein</source>
        <translation>track power on</translation>
    </message>
    <message>
        <source>Nothalt</source>
        <translation>emergency stop</translation>
    </message>
    <message>
        <source>Programmiermodus</source>
        <translation>programming mode</translation>
    </message>
    <message>
        <source>Die Z21 antwortet: %1.</source>
        <translation>The Z21 answers: %1.</translation>
    </message>
    <message>
        <source>Die Gleisspannung wurde eingeschaltet; damit hat die Zentrale das Programmieren beendet.</source>
        <translation>Track power was switched on, which ended programming on the command station.</translation>
    </message>
    <message>
        <source>Das Programmiergleis kann keinen Strom messen: prüfen Sie seine Verdrahtung und die Strommessung der Zentrale.</source>
        <translation>The programming track cannot measure current: check its wiring and the command station's current sensing.</translation>
    </message>
    <message>
        <source>Die Zentrale hat kein Programmiergleis eingerichtet.</source>
        <translation>The command station has no programming track configured.</translation>
    </message>
</context>
</TS>
