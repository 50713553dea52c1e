<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CheckCommand</name>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid option -- &apos;%1&apos;</source>
        <translation>ungültige Option -- &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>&apos;%1 --help&apos; gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1: no such file, so Function Mapping would list no decoder types</source>
        <translation>%1: keine solche Datei, Function Mapping würde also keine Decodertypen anbieten</translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation>%1: ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1: not a regular file, which Function Mapping does not read</source>
        <translation>%1: keine gewöhnliche Datei, solche liest Function Mapping nicht</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>1 decoder type</source>
        <translation>1 Decodertyp</translation>
    </message>
    <message>
        <source>%1 decoder types</source>
        <translation>%1 Decodertypen</translation>
    </message>
    <message>
        <source>no warnings</source>
        <translation>keine Warnungen</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 (Function Mapping) %2
Copyright (C) 2026 Function Mapping maintainers
License MIT: &lt;https://opensource.org/licenses/MIT&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>%1 (Function Mapping) %2
Copyright (C) 2026 Function Mapping maintainers
Lizenz MIT: &lt;https://opensource.org/licenses/MIT&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE]...
  or:  %1 --from-jmri PATH [--model TEXT]
Check decoder lists for Function Mapping: report every line that the program
ignores although it looks meant, or reads otherwise than it looks.
With no FILE, check decoders.ini in the current folder, as the program reads it.

  -l, --list            print the decoder types as the program shows them,
                        written as a decoders.ini, instead of checking
      --from-jmri PATH  write a decoders.ini section for each model of JMRI&apos;s
                        decoder library: PATH is a family file or the
                        xml/decoders folder of a JMRI installation; what
                        could not be placed is said on standard error
      --model TEXT      only the models whose manufacturer, family or name
                        contains TEXT, in any letter case
      --help            display this help and exit
      --version         output version information and exit

Each finding is one line, FILE:LINE:COLUMN: warning: what happens, and why.
Exit status is 0 if nothing was found, 1 if something was, and 2 if a file
could not be read or an option was wrong. With --from-jmri, 0 if every model
was written whole, 1 if something could not be placed.

Example: %1 --from-jmri /opt/JMRI/xml/decoders --model Tsunami \
             &gt;&gt; ~/.local/share/function-mapping/decoders.ini
</source>
        <translation>Aufruf: %1 [OPTION]... [DATEI]...
  oder:  %1 --from-jmri PFAD [--model TEXT]
Prüft Decoderlisten für Function Mapping: meldet jede Zeile, die das Programm
übergeht, obwohl sie gemeint aussieht, oder anders liest, als sie aussieht.
Ohne DATEI wird decoders.ini im aktuellen Ordner geprüft, wie das Programm sie liest.

  -l, --list            die Decodertypen so ausgeben, wie das Programm sie zeigt,
                        als decoders.ini geschrieben, statt zu prüfen
      --from-jmri PFAD  für jedes Modell der Decoderbibliothek von JMRI einen
                        Abschnitt für decoders.ini schreiben: PFAD ist eine
                        Familiendatei oder der Ordner xml/decoders einer
                        JMRI-Installation; was sich nicht unterbringen ließ,
                        steht in der Standardfehlerausgabe
      --model TEXT      nur die Modelle, deren Hersteller, Familie oder Name
                        TEXT enthält, in beliebiger Groß- und Kleinschreibung
      --help            diese Hilfe anzeigen und beenden
      --version         Versionsinformation anzeigen und beenden

Jeder Befund ist eine Zeile, DATEI:ZEILE:SPALTE: warning: was geschieht, und warum.
Der Rückgabewert ist 0, wenn nichts gefunden wurde, 1, wenn etwas gefunden wurde,
und 2, wenn eine Datei nicht gelesen werden konnte oder eine Option falsch war.
Mit --from-jmri 0, wenn jedes Modell ganz geschrieben wurde, 1, wenn sich etwas
nicht unterbringen ließ.

Beispiel: %1 --from-jmri /opt/JMRI/xml/decoders --model Tsunami \
             &gt;&gt; ~/.local/share/function-mapping/decoders.ini
</translation>
    </message>
    <message>
        <source>Report bugs to: %1
</source>
        <translation>Fehler melden an: %1
</translation>
    </message>
    <message>
        <source>Function Mapping home page: &lt;%1&gt;
</source>
        <translation>Homepage von Function Mapping: &lt;%1&gt;
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>Option &apos;%1&apos; verlangt ein Argument</translation>
    </message>
    <message>
        <source>--model picks models of --from-jmri only</source>
        <translation>--model wählt nur Modelle von --from-jmri aus</translation>
    </message>
    <message>
        <source>--list and --from-jmri cannot be given together</source>
        <translation>--list und --from-jmri lassen sich nicht zusammen angeben</translation>
    </message>
    <message>
        <source>--from-jmri reads one PATH and checks no FILE</source>
        <translation>--from-jmri liest einen PFAD und prüft keine DATEI</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>each written whole</source>
        <translation>jeder ganz geschrieben</translation>
    </message>
    <message>
        <source>1 with something not placed</source>
        <translation>1 mit etwas nicht Untergebrachtem</translation>
    </message>
    <message>
        <source>%1 with something not placed</source>
        <translation>%1 mit etwas nicht Untergebrachtem</translation>
    </message>
    <message>
        <source>%1: no decoder types written</source>
        <translation>%1: keine Decodertypen geschrieben</translation>
    </message>
</context>
<context>
    <name>EncodingCheck</name>
    <message>
        <source>byte 0x%1 is not valid UTF-8, although the file&apos;s byte-order mark says UTF-8: it reads as &apos;%2&apos;</source>
        <translation>Byte 0x%1 ist kein gültiges UTF-8, obwohl die Bytereihenfolge-Marke der Datei UTF-8 angibt: es wird als &apos;%2&apos; gelesen</translation>
    </message>
    <message>
        <source>byte 0x%1 is not valid UTF-8, so the whole file is read in %2, the system&apos;s encoding, where it reads as &apos;%3&apos;</source>
        <translation>Byte 0x%1 ist kein gültiges UTF-8, deshalb wird die ganze Datei in %2 gelesen, der Kodierung des Systems, in der es &apos;%3&apos; ergibt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is written in UTF-8, but the file is read in %2 because of line %3, so it shows as &apos;%4&apos;</source>
        <translation>&apos;%1&apos; ist in UTF-8 geschrieben, die Datei wird aber wegen Zeile %3 in %2 gelesen, daher erscheint es als &apos;%4&apos;</translation>
    </message>
    <message>
        <source>the text is not valid %1 here, although the file&apos;s byte-order mark says %1: half a surrogate pair stands for no character</source>
        <translation>der Text ist hier kein gültiges %1, obwohl die Bytereihenfolge-Marke der Datei %1 angibt: ein halbes Surrogatpaar steht für kein Zeichen</translation>
    </message>
    <message>
        <source>byte 0x%1 is not valid UTF-8, and the system&apos;s encoding, in which the file is then read, is UTF-8 too: it reads as &apos;%2&apos;</source>
        <translation>Byte 0x%1 ist kein gültiges UTF-8, und die Kodierung des Systems, in der die Datei dann gelesen wird, ist ebenfalls UTF-8: es wird als &apos;%2&apos; gelesen</translation>
    </message>
    <message>
        <source>a carriage return without a line feed (an old Mac line end; %1 in the file) is no line end for the window: it reads what follows as part of this line</source>
        <translation>ein Wagenrücklauf ohne Zeilenvorschub (ein altes Mac-Zeilenende; %1 in der Datei) ist für das Fenster kein Zeilenende: es liest das Folgende als Teil dieser Zeile</translation>
    </message>
</context>
<context>
    <name>IgnoredLine</name>
    <message>
        <source>a blank</source>
        <translation type="unfinished">ein Leerzeichen</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation type="unfinished">ein Tabulator</translation>
    </message>
    <message>
        <source>an invisible byte-order mark (U+FEFF)</source>
        <translation type="unfinished">eine unsichtbare Bytereihenfolge-Marke (U+FEFF)</translation>
    </message>
    <message>
        <source>an invisible character (%1)</source>
        <translation type="unfinished">ein unsichtbares Zeichen (%1)</translation>
    </message>
    <message>
        <source>%1 is ignored: it must begin at the very start of the line, but %2 stands in front</source>
        <translation type="unfinished">%1 wird übergangen: sie muss ganz am Zeilenanfang beginnen, doch davor steht %2</translation>
    </message>
    <message>
        <source>%1 is ignored: a section header must end with &apos;]&apos;</source>
        <translation type="unfinished">%1 wird übergangen: eine Abschnittsüberschrift muss mit &apos;]&apos; enden</translation>
    </message>
    <message>
        <source>%1 is ignored: a section header must end with &apos;]&apos;, but blanks follow it</source>
        <translation type="unfinished">%1 wird übergangen: eine Abschnittsüberschrift muss mit &apos;]&apos; enden, doch danach folgen Leerzeichen</translation>
    </message>
    <message>
        <source>%1 is ignored: a section header must end with &apos;]&apos;, but text follows it</source>
        <translation type="unfinished">%1 wird übergangen: eine Abschnittsüberschrift muss mit &apos;]&apos; enden, doch danach folgt Text</translation>
    </message>
    <message>
        <source>%1 is ignored: an output line starts with a lower-case &apos;i&apos;</source>
        <translation type="unfinished">%1 wird übergangen: eine Ausgangszeile beginnt mit einem kleinen &apos;i&apos;</translation>
    </message>
    <message>
        <source>%1 is ignored: a CV line starts with upper-case &apos;CV&apos;</source>
        <translation type="unfinished">%1 wird übergangen: eine CV-Zeile beginnt mit großem &apos;CV&apos;</translation>
    </message>
    <message>
        <source>%1 is ignored: the output number must follow &apos;i&apos; directly, without a blank</source>
        <translation type="unfinished">%1 wird übergangen: die Ausgangsnummer muss direkt auf &apos;i&apos; folgen, ohne Leerzeichen</translation>
    </message>
    <message>
        <source>%1 is ignored: the CV number must follow &apos;CV&apos; directly, without a blank</source>
        <translation type="unfinished">%1 wird übergangen: die CV-Nummer muss direkt auf &apos;CV&apos; folgen, ohne Leerzeichen</translation>
    </message>
    <message>
        <source>%1 is ignored: the output number is missing after &apos;i&apos;</source>
        <translation type="unfinished">%1 wird übergangen: nach &apos;i&apos; fehlt die Ausgangsnummer</translation>
    </message>
    <message>
        <source>%1 is ignored: the CV number is missing after &apos;CV&apos;</source>
        <translation type="unfinished">%1 wird übergangen: nach &apos;CV&apos; fehlt die CV-Nummer</translation>
    </message>
    <message>
        <source>%1 is ignored: there is no output %2; outputs are numbered 1 to %3</source>
        <translation type="unfinished">%1 wird übergangen: einen Ausgang %2 gibt es nicht; die Ausgänge sind von 1 bis %3 nummeriert</translation>
    </message>
    <message>
        <source>%1 is ignored: only CV%2 to CV%3, the function-mapping CVs, are read</source>
        <translation type="unfinished">%1 wird übergangen: nur CV%2 bis CV%3, die CVs der Funktionszuordnung, werden gelesen</translation>
    </message>
    <message>
        <source>%1 is ignored: &apos;%2&apos; is not an output number</source>
        <translation type="unfinished">%1 wird übergangen: &apos;%2&apos; ist keine Ausgangsnummer</translation>
    </message>
    <message>
        <source>%1 is ignored: &apos;%2&apos; is not a CV number</source>
        <translation type="unfinished">%1 wird übergangen: &apos;%2&apos; ist keine CV-Nummer</translation>
    </message>
    <message>
        <source>a no-break space</source>
        <translation type="unfinished">ein geschütztes Leerzeichen</translation>
    </message>
    <message>
        <source>%1 is ignored: a blank must follow the output number, and %2 is none</source>
        <translation type="unfinished">%1 wird übergangen: auf die Ausgangsnummer muss ein Leerzeichen folgen, und %2 ist keines</translation>
    </message>
    <message>
        <source>%1 is ignored: a blank must follow the CV number, and %2 is none</source>
        <translation type="unfinished">%1 wird übergangen: auf die CV-Nummer muss ein Leerzeichen folgen, und %2 ist keines</translation>
    </message>
    <message>
        <source>%1 is ignored: a blank must follow the output number</source>
        <translation type="unfinished">%1 wird übergangen: auf die Ausgangsnummer muss ein Leerzeichen folgen</translation>
    </message>
    <message>
        <source>%1 is ignored: a blank must follow the CV number</source>
        <translation type="unfinished">%1 wird übergangen: auf die CV-Nummer muss ein Leerzeichen folgen</translation>
    </message>
</context>
<context>
    <name>LineDiagnosis</name>
    <message>
        <source>%1 names a decoder type with blanks only: the choice shows it as an empty entry</source>
        <translation>%1 benennt einen Decodertyp nur mit Leerzeichen: die Auswahl zeigt ihn als leeren Eintrag</translation>
    </message>
    <message>
        <source>%1 names output %2 &apos;%3&apos;: without double quotes the name is the whole line less its last character</source>
        <translation>%1 benennt Ausgang %2 &apos;%3&apos;: ohne doppelte Anführungszeichen ist der Name die ganze Zeile ohne ihr letztes Zeichen</translation>
    </message>
    <message>
        <source>%1 names output %2 &apos;%3&apos;: the name needs a closing double quote at the end of the line, or its last character is dropped</source>
        <translation>%1 benennt Ausgang %2 &apos;%3&apos;: der Name braucht ein schließendes doppeltes Anführungszeichen am Zeilenende, sonst fällt sein letztes Zeichen weg</translation>
    </message>
    <message>
        <source>%1 names output %2 &apos;%3&apos;: the name runs to the line&apos;s last character but one, so nothing may follow the closing double quote, not even a blank</source>
        <translation>%1 benennt Ausgang %2 &apos;%3&apos;: der Name reicht bis zum vorletzten Zeichen der Zeile, daher darf nach dem schließenden doppelten Anführungszeichen nichts stehen, auch kein Leerzeichen</translation>
    </message>
    <message>
        <source>%1 sets CV%2 to %3, more than a CV can hold (0 to 255): the boxes show only its low eight bits, %4</source>
        <translation>%1 setzt CV%2 auf %3, mehr als eine CV fassen kann (0 bis 255): die Kästchen zeigen nur seine unteren acht Bits, %4</translation>
    </message>
    <message>
        <source>%1 sets CV%2 to %3: a locked value goes down to -255 only, and the boxes show only the low eight bits of %4, %5</source>
        <translation>%1 setzt CV%2 auf %3: ein gesperrter Wert reicht nur bis -255, und die Kästchen zeigen nur die unteren acht Bits von %4, %5</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2: without &apos;=&apos; the whole line is taken as the value</source>
        <translation>%1 speichert 0 in CV%2: ohne &apos;=&apos; gilt die ganze Zeile als Wert</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2: the value after &apos;=&apos; is missing</source>
        <translation>%1 speichert 0 in CV%2: der Wert nach &apos;=&apos; fehlt</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2: values are read in decimal only, so &apos;%3&apos; is no number</source>
        <translation>%1 speichert 0 in CV%2: Werte werden nur dezimal gelesen, daher ist &apos;%3&apos; keine Zahl</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2: &apos;%3&apos; is not a whole decimal number</source>
        <translation>%1 speichert 0 in CV%2: &apos;%3&apos; ist keine ganze Dezimalzahl</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2: %3 is too large to be read as a number</source>
        <translation>%1 speichert 0 in CV%2: %3 ist zu groß, um als Zahl gelesen zu werden</translation>
    </message>
    <message>
        <source>%1 stores 0 in CV%2, not %3: the value must be a whole decimal number and nothing else, but &apos;%4&apos; follows it</source>
        <translation>%1 speichert 0 in CV%2, nicht %3: der Wert muss eine ganze Dezimalzahl sein und sonst nichts, doch ihr folgt &apos;%4&apos;</translation>
    </message>
</context>
<context>
    <name>ListCheck</name>
    <message>
        <source>%1 starts a section without a name, which the window leaves out: none of its lines up to the next section are shown</source>
        <translation>%1 beginnt einen Abschnitt ohne Namen, den das Fenster auslässt: keine seiner Zeilen bis zum nächsten Abschnitt wird gezeigt</translation>
    </message>
    <message>
        <source>%1 is a second decoder type named &apos;%2&apos; (the first is at line %3): the choice lists both under the same name</source>
        <translation>%1 ist ein zweiter Decodertyp namens &apos;%2&apos; (der erste steht in Zeile %3): die Auswahl bietet beide unter demselben Namen an</translation>
    </message>
    <message>
        <source>%1 and the decoder type at line %2 differ only in blanks around the name: the choice lists both, looking alike</source>
        <translation>%1 und der Decodertyp in Zeile %2 unterscheiden sich nur durch Leerzeichen um den Namen: die Auswahl bietet beide an, und sie sehen gleich aus</translation>
    </message>
    <message>
        <source>; the lines below it stand before the first section</source>
        <translation>; die Zeilen darunter stehen vor dem ersten Abschnitt</translation>
    </message>
    <message>
        <source>; the lines below it belong to the section without a name at line %1</source>
        <translation>; die Zeilen darunter gehören zum Abschnitt ohne Namen in Zeile %1</translation>
    </message>
    <message>
        <source>; the lines below it belong to &apos;%1&apos; at line %2</source>
        <translation>; die Zeilen darunter gehören zu &apos;%1&apos; in Zeile %2</translation>
    </message>
    <message>
        <source>%1 is never shown: it stands before the first section</source>
        <translation>%1 wird nie gezeigt: sie steht vor dem ersten Abschnitt</translation>
    </message>
    <message>
        <source>%1 is never shown: it belongs to the section without a name at line %2</source>
        <translation>%1 wird nie gezeigt: sie gehört zum Abschnitt ohne Namen in Zeile %2</translation>
    </message>
    <message>
        <source>%1 names output %2 again: it overrides line %3, since the later line wins</source>
        <translation>%1 benennt Ausgang %2 noch einmal: sie ersetzt Zeile %3, denn die spätere Zeile gilt</translation>
    </message>
    <message>
        <source>%1 sets CV%2 again: it overrides line %3, since the later line wins</source>
        <translation>%1 setzt CV%2 noch einmal: sie ersetzt Zeile %3, denn die spätere Zeile gilt</translation>
    </message>
</context>
<context>
    <name>JmriLibrary</name>
    <message>
        <source>not a JMRI decoder definition: its outermost element is &lt;%1&gt;, not &lt;decoder-config&gt;</source>
        <translation>keine Decoderdefinition von JMRI: ihr äußerstes Element ist &lt;%1&gt;, nicht &lt;decoder-config&gt;</translation>
    </message>
    <message>
        <source>not well-formed XML at line %1, column %2: %3</source>
        <translation>kein wohlgeformtes XML in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>not in JMRI&apos;s decoder library</source>
        <translation>nicht in der Decoderbibliothek von JMRI</translation>
    </message>
    <message>
        <source>an include loop: the file is already being read</source>
        <translation>eine Einbindungsschleife: die Datei wird schon gelesen</translation>
    </message>
    <message>
        <source>includes nested more than %1 deep</source>
        <translation>Einbindungen mehr als %1 Stufen tief verschachtelt</translation>
    </message>
    <message>
        <source>more than %1 includes in one family</source>
        <translation>mehr als %1 Einbindungen in einer Familie</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 bytes, too large for a decoder definition</source>
        <translation>%1 Bytes, zu groß für eine Decoderdefinition</translation>
    </message>
    <message>
        <source>not a JMRI decoder definition: it holds no &lt;decoder&gt;</source>
        <translation>keine Decoderdefinition von JMRI: sie enthält kein &lt;decoder&gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: keine solche Datei und kein solcher Ordner</translation>
    </message>
    <message>
        <source>%1: holds %2 XML files, more than the %3 a decoder library has: name one family file or JMRI&apos;s xml/decoders folder</source>
        <translation>%1: enthält %2 XML-Dateien, mehr als die %3 einer Decoderbibliothek: eine Familiendatei oder den Ordner xml/decoders von JMRI angeben</translation>
    </message>
    <message>
        <source>%1: holds no decoder definitions (.xml files)</source>
        <translation>%1: enthält keine Decoderdefinitionen (.xml-Dateien)</translation>
    </message>
    <message>
        <source>JMRI decoder</source>
        <translation>JMRI-Decoder</translation>
    </message>
    <message>
        <source>another model is also named &apos;%1&apos;, so this one is called &apos;%2&apos;</source>
        <translation>ein anderes Modell heißt ebenfalls &apos;%1&apos;, darum heißt dieses &apos;%2&apos;</translation>
    </message>
    <message>
        <source>its name cannot be written so that it reads back</source>
        <translation>sein Name lässt sich nicht so schreiben, dass er unverändert zurückgelesen wird</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>it has no outputs</source>
        <translation>er hat keine Ausgänge</translation>
    </message>
    <message>
        <source>it has %1 outputs; the grid shows outputs 1 to 14, so %2 are left out</source>
        <translation>er hat %1 Ausgänge; das Raster zeigt die Ausgänge 1 bis 14, %2 fehlen also</translation>
    </message>
    <message>
        <source>%1 outputs named otherwise than by a number are left out: %2</source>
        <translation>%1 Ausgänge, die anders als mit einer Nummer benannt sind, fehlen: %2</translation>
    </message>
    <message>
        <source>the include of %1 in its outputs could not be read (%2), so what it holds is missing</source>
        <translation>die Einbindung von %1 in seinen Ausgängen ließ sich nicht lesen (%2), was sie enthält, fehlt also</translation>
    </message>
    <message>
        <source>the include of %1 in its variables could not be read (%2), so what it holds is missing</source>
        <translation>die Einbindung von %1 in seinen Variablen ließ sich nicht lesen (%2), was sie enthält, fehlt also</translation>
    </message>
    <message>
        <source>the include of %1 could not be read (%2), so what it holds is missing</source>
        <translation>die Einbindung von %1 ließ sich nicht lesen (%2), was sie enthält, fehlt also</translation>
    </message>
    <message>
        <source>the label of output %1 holds a line break or a control character, written as a blank</source>
        <translation>die Bezeichnung von Ausgang %1 enthält einen Zeilenumbruch oder ein Steuerzeichen, als Leerzeichen geschrieben</translation>
    </message>
    <message>
        <source>the label of output %1 cannot be written so that it reads back</source>
        <translation>die Bezeichnung von Ausgang %1 lässt sich nicht so schreiben, dass sie unverändert zurückgelesen wird</translation>
    </message>
    <message>
        <source>%1 not written: this decoder maps its bits otherwise than the NMRA layout</source>
        <translation>%1 nicht geschrieben: dieser Decoder ordnet die Bits anders zu als die NMRA-Belegung</translation>
    </message>
    <message>
        <source>its fixed mapping &apos;%1&apos; has no place in the grid</source>
        <translation>seine feste Zuordnung &apos;%1&apos; hat keinen Platz im Raster</translation>
    </message>
    <message>
        <source>it maps functions to outputs in its own way, not in CV33 to CV46: no CV lines written</source>
        <translation>er ordnet Funktionen auf eigene Weise Ausgängen zu, nicht in CV33 bis CV46: keine CV-Zeilen geschrieben</translation>
    </message>
    <message>
        <source>; maps functions in its own way, not in CV33 to CV46</source>
        <translation>; ordnet Funktionen auf eigene Weise zu, nicht in CV33 bis CV46</translation>
    </message>
    <message>
        <source>; JMRI gives no default values: read the decoder from the station to fill them in</source>
        <translation>; JMRI nennt keine Vorgabewerte: den Decoder über die Zentrale auslesen, um sie einzutragen</translation>
    </message>
</context>
</TS>
