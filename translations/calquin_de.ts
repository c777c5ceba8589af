<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>das Anführungszeichen am Anfang dieses Feldes wird nie geschlossen, sodass der ganze Rest der Datei ein einziger Text würde</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>nach dem schließenden Anführungszeichen eines Feldes steht noch Text; setzen Sie den ganzen Text in die Anführungszeichen oder fügen Sie ein Komma ein</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>die Datei enthält ein NUL-Byte und ist daher keine reine Textdatei</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>die Datei endet mitten im Datensatz, der in dieser Zeile beginnt: das Rechenzeichen fehlt (ein Datensatz hat vier Felder: Text der Übung, Stellenzahl der ersten Zahl, Stellenzahl der zweiten Zahl, Rechenzeichen)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>die Datei endet mitten im Datensatz, der in dieser Zeile beginnt: die Stellenzahl der zweiten Zahl und das Rechenzeichen fehlen (ein Datensatz hat vier Felder: Text der Übung, Stellenzahl der ersten Zahl, Stellenzahl der zweiten Zahl, Rechenzeichen)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>die Datei endet mitten im Datensatz, der in dieser Zeile beginnt: die Stellenzahl der ersten Zahl, die Stellenzahl der zweiten Zahl und das Rechenzeichen fehlen (ein Datensatz hat vier Felder: Text der Übung, Stellenzahl der ersten Zahl, Stellenzahl der zweiten Zahl, Rechenzeichen)</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>dies ist Datensatz Nummer 102, aber ein Katalog enthält höchstens 101 Datensätze</translation>
    </message>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>diese Datei gibt es nicht; das Programm liest seine Übungen aus einer Datei namens „index.txt“ in dem Ordner, in dem es gestartet wird</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>die Datei lässt sich nicht prüfen</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>die Datei lässt sich nicht bis zum Ende lesen</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>dies ist ein Ordner, keine Textdatei</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>dies ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>die Datei ist viel größer, als ein Katalog mit höchstens 101 Übungen sein kann (über 16 MiB); sie ist kein Katalog</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>die Datei ist während des Lesens über die Größe jedes Katalogs hinausgewachsen</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>Der Übungskatalog kann nicht verwendet werden.

Datei: %1
Zeile %2, Spalte %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>Der Übungskatalog kann nicht verwendet werden.

Datei: %1
Zeile %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>Der Übungskatalog kann nicht verwendet werden.

Datei: %1
%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>die Datei enthält NUL-Bytes zwischen ihren Buchstaben, sie wurde also offenbar als UTF-16 („Unicode“) ohne Byte-Order-Mark gespeichert; speichern Sie sie stattdessen als UTF-8, zum Beispiel im Editor (Notepad) mit „Speichern unter“ und der Codierung „UTF-8“</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>die Datei ist als UTF-16 („Unicode“) gespeichert, endet aber mitten in einem Zeichen und wurde daher wahrscheinlich beim Kopieren oder Speichern abgeschnitten; speichern Sie sie erneut</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>das Zeichen an dieser Stelle ist beschädigt: die Datei ist als UTF-16 („Unicode“) gespeichert, das manche Zeichen (etwa Emojis) in zwei Hälften speichert, und hier fehlt zu einer ersten Hälfte die zweite; löschen Sie das Zeichen und geben Sie es erneut ein</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>das Zeichen an dieser Stelle ist beschädigt: die Datei ist als UTF-16 („Unicode“) gespeichert, das manche Zeichen (etwa Emojis) in zwei Hälften speichert, und hier fehlt zu einer zweiten Hälfte die erste; löschen Sie das Zeichen und geben Sie es erneut ein</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>in dieser Zeile sind die Felder durch Kommas getrennt, in den Zeilen darüber aber durch Semikolons; trennen Sie die Felder in jeder Zeile auf dieselbe Weise</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>in dieser Zeile sind die Felder durch Semikolons getrennt, in den Zeilen darüber aber durch Kommas; trennen Sie die Felder in jeder Zeile auf dieselbe Weise</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Hinweis: Das Rechenzeichen dieser Übung ist +, sie stellt also Additionsaufgaben, obwohl sie unter „%1“ aufgeführt ist.</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Hinweis: Das Rechenzeichen dieser Übung ist -, sie stellt also Subtraktionsaufgaben, obwohl sie unter „%1“ aufgeführt ist.</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Hinweis: Das Rechenzeichen dieser Übung ist *, sie stellt also Multiplikationsaufgaben, obwohl sie unter „%1“ aufgeführt ist.</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Hinweis: Das Rechenzeichen dieser Übung ist /, sie stellt also Divisionsaufgaben, obwohl sie unter „%1“ aufgeführt ist.</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Listenplatz %1, Zeile %2: leer.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Listenplatz %1: leer.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Listenplatz %1, Zeile %2: „%3“. %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Listenplatz %1, Zeile %2: „%3“. Diese Übung kann gestartet werden, zum Beispiel %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Hinweis: In Zeile %1 sind die Felder anscheinend durch Semikolons getrennt, in dieser Datei werden Felder aber durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>Die Datei enthält keine Übungen.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 Übung: Sie kann gestartet werden.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 Übung: Sie kann nicht gestartet werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n Übung: %1 startbar, %2 nicht startbar.</numerusform>
            <numerusform>%n Übungen: %1 startbar, %2 nicht startbar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Katalog: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Nicht in der Liste</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Datensatz %1, Zeile %2: „%3“ steht im Katalog, wird aber nie in der Liste angezeigt.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>Die Felder sind durch Semikolons getrennt, wie Tabellenkalkulationen sie speichern, und wurden so gelesen.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Listenplätze %1–%2: leer.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Median Sekunden</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Zuletzt aktiv</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Änderung Anteil</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Änderung Tempo</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Verglichen mit dem gleich langen Zeitraum davor</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Ganze Klasse</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 Punkt</numerusform>
            <numerusform>▲ %1 Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 Punkt</numerusform>
            <numerusform>▼ %1 Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s schneller</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s langsamer</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= gleich</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Calquin-Klassenergebnisse</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Letzte vier Wochen</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Flüssig innerhalb:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Aufgaben: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Zeilen: die erste Zahl. Spalten: die zweite Zahl.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Zeilen: die abgezogene Zahl. Spalten: das Ergebnis.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Zeilen: die Zahl, durch die geteilt wird. Spalten: das Ergebnis.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n Ergebnisdatei gelesen.</numerusform>
            <numerusform>%n Ergebnisdateien gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>Der Ergebnisordner %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Das Lesen wurde abgebrochen; die angezeigten Zahlen sind die früheren.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>richtig, aber langsam</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>noch nicht</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nicht gefragt</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 richtig, Median %4 Sekunden, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Zeigt, wie die Klasse im Ergebnisordner ORDNER (Vorgabe: der in calquin.conf eingestellte) abgeschnitten hat, Kind für Kind und Aufgabe für Aufgabe. Der Ordner wird nur gelesen.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>Der anzuzeigende Ergebnisordner.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Es kann nur ein Ordner angezeigt werden.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Ergebnisordner wählen</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds in %1 muss eine Zahl von Sekunden zwischen 0,5 und 60 sein, nicht „%2“; es wird 3 verwendet.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Eigener Zeitraum</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Am häufigsten falsch</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2-mal falsch)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Calquin-Klassenergebnisse: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>Tabelle als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Kein Programm auf diesem Computer öffnet %1 zum Drucken.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>klassenergebnisse</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Woche %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2, %3 richtig, Median %4 Sekunden</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Keine Antworten in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status:
  0  the window was closed, or --check found every listed item can be started
  1  the catalogue cannot be read
  2  the command line is wrong
  3  --check found a listed item that cannot be started
</source>
        <translation>Exit-Status:
  0  das Fenster wurde geschlossen oder --check hat festgestellt, dass jede Übung in der Liste gestartet werden kann
  1  der Katalog kann nicht gelesen werden
  2  die Befehlszeile ist fehlerhaft
  3  --check hat in der Liste eine Übung gefunden, die nicht gestartet werden kann
</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Prüft den Übungskatalog DATEI (Standard: index.txt im Arbeitsverzeichnis), ohne das Fenster zu öffnen, und meldet Listenplatz für Listenplatz, welche Übungen gestartet werden können.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Ein Rechentrainer für Schulkinder. Ohne Optionen öffnet das Programm das Übungsfenster mit der Datei index.txt aus dem Arbeitsverzeichnis.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Mit --check: der zu prüfende Katalog.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check akzeptiert höchstens eine Datei.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Eine Datei kann nur zusammen mit --check angegeben werden.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Das Lehrerfenster für den Ergebnisordner ORDNER öffnen (Vorgabe: der in calquin.conf eingestellte).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window nimmt höchstens einen Ordner und keine andere Betriebsart.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: Das Lehrerfenster %1 kann nicht gestartet werden: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results und --forget-pupil nehmen höchstens einen Ordner und keine andere Betriebsart.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Die Antworten, die älter als results/keep-days in calquin.conf sind, aus jeder Ergebnisdatei im Ordner FOLDER entfernen (Vorgabe: der in calquin.conf eingestellte).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Jede Antwort des Schülers NAME aus dem Ergebnisordner entfernen und sagen, wie viele es waren.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results oder --forget-pupil konnte nicht jede Ergebnisdatei ändern
Bei --prune-results und --forget-pupil heißt 0, dass jede Datei geändert wurde, 4, dass der Ordner nicht gelesen werden kann, und 2 auch, dass results/keep-days keine Zahl von Tagen ist.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 braucht einen Ordner, und in calquin.conf ist kein Ergebnisordner eingestellt.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results braucht results/keep-days in calquin.conf: wie viele Tage Antworten aufbewahrt werden, etwa 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days in calquin.conf muss eine ganze Zahl von Tagen von 1 bis 36500 sein, nicht „%1“.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: Der Ergebnisordner %1 kann nicht gelesen werden: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Antworten vor dem %1 (aufbewahrt für %2 Tage) aus %3 entfernt: %n.
</numerusform>
            <numerusform>Antworten vor dem %1 (aufbewahrt für %2 Tage) aus %3 entfernt: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Antworten von %1 aus %2 entfernt: %n.
</numerusform>
            <numerusform>Antworten von %1 aus %2 entfernt: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Entfernte Dateien, weil keine Antwort in ihnen blieb: %n.
</numerusform>
            <numerusform>Entfernte Dateien, weil keine Antwort in ihnen blieb: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: Ergebnisdateien, die nicht geändert werden konnten: %1. Die erste ist %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil braucht einen Namen.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Test Selection Area</source>
        <translation>Übung wählen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Wähle aus der Liste unten, mit welchen Zahlen du rechnest:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Klicke unten auf eine Rechenart:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Zurück zur Liste</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>Erg.</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Aufg</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Tippe das Ergebnis bei „Erg.“ ein und drücke Enter.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Ø Zeit = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Falsch = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Richtig = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Nach jeder Aufgabe die Lösung zeigen</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Nur das Gesamtergebnis zeigen</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Hier brichst du die Übung ab und gehst zurück zur Liste</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Rechentraining „Calquin“</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Tippe das Ergebnis der Aufgabe ein und drücke Enter</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Wenn du eine Übung wählst, geht es gleich los</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Webseite des Herausgebers</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Öffnet die Webseite des Herausgebers im Browser</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo des Herausgebers</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Anzahl der richtigen Antworten</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Anzahl der falschen Antworten</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Durchschnittliche Zeit pro Aufgabe in Sekunden</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Diese Übung kann nicht gestartet werden: Das Rechenzeichen muss genau +, -, * oder / sein.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Diese Übung kann nicht gestartet werden: Beide Zahlen müssen 1 bis 9 Stellen haben.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Diese Übung kann nicht gestartet werden: Bei - und / darf die erste Zahl nicht weniger Stellen haben als die zweite.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Diese Übung kann nicht gestartet werden: Die Ergebnisse könnten zu groß werden, um sie zu prüfen.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Auf diesem Listenplatz steht keine Übung.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Wähle deinen Namen und drücke dann die Eingabetaste oder klicke ihn an:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: Keine Namen zur Auswahl, da %1 nicht gelesen werden kann: %2. Die Antworten werden unter dem Anmeldenamen aufgezeichnet.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: Keine Namen zur Auswahl, da %1 keine enthält. Die Antworten werden unter dem Anmeldenamen aufgezeichnet.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: Zeile %1 von %2 ist kein UTF-8-Text und wird ausgelassen.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Schüler: Jeder wählt zuerst seinen Namen aus %1 (Namen: %n).
</numerusform>
            <numerusform>Schüler: Jeder wählt zuerst seinen Namen aus %1 (Namen: %n).
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>·</translation>
    </message>
    <message>
        <source>/</source>
        <translation>:</translation>
    </message>
    <message>
        <source>0123456789</source>
        <extracomment>The digits zero to nine, in this order, as the pupils&apos; schools write them.</extracomment>
        <translation>0123456789</translation>
    </message>
    <message>
        <source>QUESTION_DIRECTION</source>
        <extracomment>Translate this to &quot;RTL&quot; where the pupils&apos; schools write a sum from the right, its first number rightmost (as Arabic school books do), or to &quot;LTR&quot; where they write it from the left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>calquin: answers are not recorded in %1: %2
</source>
        <translation>calquin: Antworten werden nicht in %1 aufgezeichnet: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: Antworten werden nicht in %1 aufgezeichnet: %2; sie gehen nach %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: Antworten werden nicht in %1 aufgezeichnet: Das Programm endete, während sie noch auf eine Sperre oder den Ordner warteten (verlorene Antworten: %2)
</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>For this run, record every answer in DIR instead of the folder set in calquin.conf.</source>
        <translation>Zeichnet bei diesem Start jede Antwort in ORDNER auf statt im Ordner aus calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Gibt die Ergebnisse der Klasse aus dem Ergebnisordner ORDNER aus (Vorgabe: der Ordner aus calquin.conf), ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Mit --report: nur Antworten vom Tag DATUM (JJJJ-MM-TT) an.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report und --check können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report akzeptiert höchstens einen Ordner.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since kann nur mit --report angegeben werden.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Mit --report: der Ergebnisordner, der gelesen wird.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report kann den Ergebnisordner nicht lesen
Bei --report heißt 0, dass der Bericht ausgegeben wurde, und 2 ein falsches Datum oder eine falsche Option.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Ergebnisse: werden nicht aufgezeichnet, da kein Ergebnisordner eingestellt ist.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Ergebnisse: können nicht in %1 aufgezeichnet werden: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Ergebnisse: jede Antwort wird in %1 aufgezeichnet.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report braucht einen Ordner, und in calquin.conf ist kein Ergebnisordner eingestellt.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since braucht ein Datum der Form JJJJ-MM-TT, etwa 2026-12-08, nicht „%1“.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: der Ergebnisordner %1 kann nicht gelesen werden: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Ergebnisse in %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Ergebnisse in %1 ab dem %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Es sind keine Antworten aufgezeichnet.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Kind und Übung</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Am häufigsten falsch gelöste Aufgaben</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Nicht lesbare Zeilen, übersprungen: %1. Die erste ist Zeile %2 von %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Nicht lesbare Dateien, ausgelassen: %1. Die erste ist %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Zeilen, die einen anderen Schüler nennen als ihre Datei, übersprungen: %1. Die erste ist Zeile %2 von %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Dateien, die keine Ergebnisdateien sind, weggelassen: %1. Die erste ist %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Correct Ans = %1</source>
        <translation>Richtig = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Falsch = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Leider falsch! Die Lösung ist %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Ø Zeit %1s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Rechenübung</translation>
    </message>
</context>
</TS>
