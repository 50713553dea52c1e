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
</context>
</TS>
