<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Catalogue</name>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>dit bestand bestaat niet; het programma leest zijn oefeningen uit een bestand met de naam “index.txt” in de map waarin het wordt gestart</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>het bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>dit is een map, geen tekstbestand</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>dit is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>het bestand kan niet worden onderzocht</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>het bestand is veel groter dan een catalogus van hoogstens 101 oefeningen kan zijn (meer dan 16 MiB); het is geen catalogus</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>het bestand werd tijdens het lezen groter dan welke catalogus ook</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>het bestand kan niet tot het einde worden gelezen</translation>
    </message>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>het aanhalingsteken aan het begin van dit veld wordt nooit gesloten, zodat de hele rest van het bestand één tekst zou worden</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>na het sluitende aanhalingsteken van een veld staat nog tekst; zet de hele tekst tussen de aanhalingstekens of voeg een komma toe</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>het bestand eindigt midden in het record dat op deze regel begint: het rekenteken ontbreekt (een record heeft vier velden: tekst van de oefening, aantal cijfers van het eerste getal, aantal cijfers van het tweede getal, rekenteken)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>het bestand eindigt midden in het record dat op deze regel begint: het aantal cijfers van het tweede getal en het rekenteken ontbreken (een record heeft vier velden: tekst van de oefening, aantal cijfers van het eerste getal, aantal cijfers van het tweede getal, rekenteken)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>het bestand eindigt midden in het record dat op deze regel begint: het aantal cijfers van het eerste getal, het aantal cijfers van het tweede getal en het rekenteken ontbreken (een record heeft vier velden: tekst van de oefening, aantal cijfers van het eerste getal, aantal cijfers van het tweede getal, rekenteken)</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>het bestand bevat NUL-bytes tussen de letters, dus het lijkt als UTF-16 (“Unicode”) zonder byte-order-mark te zijn opgeslagen; sla het in plaats daarvan op als UTF-8, bijvoorbeeld in Kladblok met “Opslaan als” en de codering “UTF-8”</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>het bestand bevat een NUL-byte, dus het is geen gewoon tekstbestand</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>dit is record nummer 102, maar een catalogus bevat hoogstens 101 records</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>het bestand is opgeslagen als UTF-16 (“Unicode”), maar eindigt midden in een teken, dus het is waarschijnlijk afgebroken tijdens het kopiëren of opslaan; sla het opnieuw op</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>het teken hier is beschadigd: het bestand is opgeslagen als UTF-16 (“Unicode”), dat sommige tekens (zoals emoji) in twee helften opslaat, en hier heeft een eerste helft geen tweede helft; verwijder het teken en typ het opnieuw</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>het teken hier is beschadigd: het bestand is opgeslagen als UTF-16 (“Unicode”), dat sommige tekens (zoals emoji) in twee helften opslaat, en hier heeft een tweede helft geen eerste helft; verwijder het teken en typ het opnieuw</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>De catalogus met oefeningen kan niet worden gebruikt.

Bestand: %1
Regel %2, kolom %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>De catalogus met oefeningen kan niet worden gebruikt.

Bestand: %1
Regel %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>De catalogus met oefeningen kan niet worden gebruikt.

Bestand: %1
%2.</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>deze regel scheidt zijn velden met komma&apos;s, maar de regels erboven gebruiken puntkomma&apos;s; scheid de velden op elke regel op dezelfde manier</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>deze regel scheidt zijn velden met puntkomma&apos;s, maar de regels erboven gebruiken komma&apos;s; scheid de velden op elke regel op dezelfde manier</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Let op: het rekenteken is +, dus deze oefening geeft plussommen, hoewel ze onder “%1” staat.</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Let op: het rekenteken is -, dus deze oefening geeft minsommen, hoewel ze onder “%1” staat.</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Let op: het rekenteken is *, dus deze oefening geeft keersommen, hoewel ze onder “%1” staat.</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Let op: het rekenteken is /, dus deze oefening geeft deelsommen, hoewel ze onder “%1” staat.</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Plaats %1, regel %2: leeg.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Plaats %1: leeg.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Plaats %1, regel %2: “%3”. %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Plaats %1, regel %2: “%3”. Deze oefening kan worden gestart, bijvoorbeeld %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Tip: regel %1 lijkt de velden met puntkomma&apos;s te scheiden, maar velden worden gescheiden door komma&apos;s.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>Het bestand bevat geen oefeningen.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 oefening: die kan worden gestart.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 oefening: die kan niet worden gestart.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n oefening: %1 te starten, %2 niet.</numerusform>
            <numerusform>%n oefeningen: %1 te starten, %2 niet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Catalogus: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Niet in de lijst</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Record %1, regel %2: “%3” staat in de catalogus, maar wordt nooit in de lijst getoond.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>De velden zijn gescheiden door puntkomma&apos;s, zoals spreadsheets ze opslaan, en zijn zo gelezen.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Plaatsen %1–%2: leeg.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Delen</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Aandeel goed</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediaan (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Laatst actief</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Verandering aandeel</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Verandering tempo</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Vergeleken met de even lange periode ervoor</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Hele klas</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 punt</numerusform>
            <numerusform>▲ %1 punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 punt</numerusform>
            <numerusform>▼ %1 punten</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s sneller</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s langzamer</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= gelijk</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Calquin-klasresultaten</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Laatste vier weken</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Deze week</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Vlot binnen:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Sommen: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Rijen: het eerste getal. Kolommen: het tweede getal.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Rijen: het getal dat eraf gaat. Kolommen: de uitkomst.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Rijen: het getal waardoor gedeeld wordt. Kolommen: de uitkomst.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n resultatenbestand gelezen.</numerusform>
            <numerusform>%n resultatenbestanden gelezen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>De resultatenmap %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Het lezen is geannuleerd; de getoonde cijfers zijn de eerdere.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>vlot</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>goed maar traag</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>nog niet</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>niet gevraagd</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 goed, mediaan %4 seconden, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n antwoord</numerusform>
            <numerusform>%n antwoorden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Toont hoe de klas het deed in de resultatenmap MAP (standaard: die in calquin.conf), per leerling en per som. De map wordt alleen gelezen.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>De resultatenmap die getoond wordt.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Er kan maar één map getoond worden.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Kies de resultatenmap</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds in %1 moet een aantal seconden van 0,5 tot 60 zijn, niet &quot;%2&quot;; 3 wordt gebruikt.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Oefeningen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Oefening</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Gekozen data</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>Va&amp;n:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Vaakst fout</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 keer fout)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Calquin-klasresultaten: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Weken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Opslaan als &amp;pdf…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>Tabel &amp;exporteren als csv…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Csv-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 opgeslagen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Geen programma op deze computer opent %1 om af te drukken.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot en met %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>klasresultaten</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Week %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2, %3 goed, mediaan %4 seconden</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Geen antwoorden in deze periode.</translation>
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
        <translation>Afsluitstatus:
  0  het venster is gesloten, of --check vond dat elke oefening in de lijst kan worden gestart
  1  de catalogus kan niet worden gelezen
  2  de opdrachtregel is onjuist
  3  --check vond in de lijst een oefening die niet kan worden gestart
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont versie-informatie.</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Controleert de catalogus BESTAND (standaard: index.txt in de werkmap) en meldt per plaats welke oefeningen kunnen worden gestart, zonder het venster te openen.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Een rekenoefenprogramma voor leerlingen. Zonder opties wordt het oefenvenster geopend met index.txt uit de werkmap.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Met --check: de catalogus die moet worden gecontroleerd.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check accepteert hoogstens één bestand.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Een bestand kan alleen met --check worden opgegeven.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Het venster van de leraar openen op de resultatenmap MAP (standaard: die in calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window neemt hoogstens één map en geen andere modus.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: het venster van de leraar %1 kan niet worden gestart: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results en --forget-pupil nemen hoogstens één map en geen andere modus.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>MAP</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Verwijder de antwoorden ouder dan results/keep-days in calquin.conf uit elk resultatenbestand in de map FOLDER (standaard: de map die in calquin.conf is ingesteld).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Verwijder elk antwoord van de leerling NAME uit de resultatenmap, en zeg hoeveel.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results of --forget-pupil kon niet elk resultatenbestand wijzigen
Bij --prune-results en --forget-pupil betekent 0 dat elk bestand gewijzigd is, 4 dat de map niet gelezen kan worden, en 2 ook dat results/keep-days geen aantal dagen is.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 heeft een map nodig, en in calquin.conf is geen resultatenmap ingesteld.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results heeft results/keep-days in calquin.conf nodig: hoeveel dagen antwoorden bewaard worden, bijvoorbeeld 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days in calquin.conf moet een geheel aantal dagen van 1 tot 36500 zijn, niet &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: de resultatenmap %1 kan niet gelezen worden: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Antwoorden van vóór %1 (%2 dagen bewaard) verwijderd uit %3: %n.
</numerusform>
            <numerusform>Antwoorden van vóór %1 (%2 dagen bewaard) verwijderd uit %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Antwoorden van %1 verwijderd uit %2: %n.
</numerusform>
            <numerusform>Antwoorden van %1 verwijderd uit %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Verwijderde bestanden, omdat er geen antwoord in overbleef: %n.
</numerusform>
            <numerusform>Verwijderde bestanden, omdat er geen antwoord in overbleef: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: resultatenbestanden die niet gewijzigd konden worden: %1. Het eerste is %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil heeft een naam nodig.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Addition</source>
        <translation>Plussom</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minsom</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 min %2</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Keersom</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 keer %2</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Deelsom</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 gedeeld door %2</translation>
    </message>
    <message>
        <source>Test Selection Area</source>
        <translation>Kies een oefening</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Kies in de lijst hieronder met welke getallen je rekent:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Klik hieronder op een soort som:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Terug naar de lijst</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Typ de uitkomst in het vakje en druk op Enter.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Gem. = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Fout = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Goed = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Na elke som zien of hij goed is, met het antwoord</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Alleen het eindresultaat laten zien</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Met deze knop stop je en ga je terug naar de lijst</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Typ het antwoord op de som en druk op Enter</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Oefeningen</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Als je een oefening kiest, begin je meteen</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Website van de uitgever</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Opent de website van de uitgever in de webbrowser</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo van de uitgever</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Aantal goede antwoorden</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Aantal foute antwoorden</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Gemiddelde tijd per som in seconden</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Rekentraining “Calquin”</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Deze oefening kan niet starten: het rekenteken moet precies +, -, * of / zijn.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Deze oefening kan niet starten: beide getallen moeten 1 tot 9 cijfers hebben.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Deze oefening kan niet starten: bij - en / mag het eerste getal niet minder cijfers hebben dan het tweede.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Deze oefening kan niet starten: de uitkomsten kunnen te groot worden om na te kijken.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Op deze plaats in de lijst staat geen oefening.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Kies je naam en druk dan op Enter of klik erop:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: geen namen om uit te kiezen, omdat %1 niet gelezen kan worden: %2. De antwoorden worden onder de inlognaam vastgelegd.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: geen namen om uit te kiezen, omdat %1 er geen bevat. De antwoorden worden onder de inlognaam vastgelegd.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: regel %1 van %2 is geen UTF-8-tekst en wordt overgeslagen.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Leerlingen: ieder kiest eerst de eigen naam uit %1 (namen: %n).
</numerusform>
            <numerusform>Leerlingen: ieder kiest eerst de eigen naam uit %1 (namen: %n).
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
        <translation>×</translation>
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
        <translation>calquin: antwoorden worden niet opgeslagen in %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: antwoorden worden niet opgeslagen in %1: %2; ze gaan naar %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: antwoorden worden niet opgeslagen in %1: het programma stopte terwijl ze nog op een vergrendeling of de map wachtten (verloren antwoorden: %2)
</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>For this run, record every answer in DIR instead of the folder set in calquin.conf.</source>
        <translation>Slaat bij deze start elk antwoord op in MAP in plaats van in de map uit calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Toont de resultaten van de klas uit de resultatenmap MAP (standaard: die uit calquin.conf), zonder het venster te openen.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Met --report: alleen antwoorden van DATUM (JJJJ-MM-DD) of later.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report en --check kunnen niet samen worden opgegeven.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report accepteert hoogstens één map.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since kan alleen met --report worden opgegeven.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Met --report: de resultatenmap die wordt gelezen.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report kan de resultatenmap niet lezen
Bij --report betekent 0 dat het overzicht is getoond en 2 een verkeerde datum of optie.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Resultaten: niet opgeslagen, want er is geen resultatenmap ingesteld.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Resultaten: kunnen niet worden opgeslagen in %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Resultaten: elk antwoord wordt opgeslagen in %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report heeft een map nodig, en in calquin.conf is geen resultatenmap ingesteld.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since heeft een datum nodig in de vorm JJJJ-MM-DD, zoals 2026-12-08, niet “%1”.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: de resultatenmap %1 kan niet worden gelezen: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Resultaten in %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Resultaten in %1 vanaf %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Er zijn geen antwoorden opgeslagen.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Leerling en oefening</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Percentage goed</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Vaakst fout gemaakte sommen</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gevraagd</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Onleesbare regels, overgeslagen: %1. De eerste is regel %2 van %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Onleesbare bestanden, weggelaten: %1. Het eerste is %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Regels die een andere leerling noemen dan hun bestand, overgeslagen: %1. De eerste is regel %2 van %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Bestanden die geen resultatenbestand zijn, weggelaten: %1. Het eerste is %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>MAP</translation>
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
        <translation>Goed = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Fout = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Helaas, fout! Het goede antwoord is %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Gem. %1 s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Rekenen</translation>
    </message>
</context>
</TS>
