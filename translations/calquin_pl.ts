<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Catalogue</name>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>taki plik nie istnieje; program wczytuje ćwiczenia z pliku o nazwie „index.txt” w folderze, w którym został uruchomiony</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>to jest folder, a nie plik tekstowy</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>nie można sprawdzić pliku</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>plik jest znacznie większy, niż może być katalog z najwyżej 101 ćwiczeniami (ponad 16 MiB); to nie jest katalog</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>podczas wczytywania plik urósł ponad rozmiar jakiegokolwiek katalogu</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>nie można odczytać pliku do końca</translation>
    </message>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>cudzysłów otwierający to pole nigdy nie zostaje zamknięty, więc cała reszta pliku stałaby się jednym tekstem</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>po cudzysłowie zamykającym pole jest jeszcze tekst; proszę umieścić cały tekst w cudzysłowie albo dodać przecinek</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>plik kończy się w środku rekordu, który zaczyna się w tym wierszu: brakuje znaku działania (rekord ma cztery pola: tekst ćwiczenia, liczba cyfr pierwszej liczby, liczba cyfr drugiej liczby, znak działania)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>plik kończy się w środku rekordu, który zaczyna się w tym wierszu: brakuje liczby cyfr drugiej liczby i znaku działania (rekord ma cztery pola: tekst ćwiczenia, liczba cyfr pierwszej liczby, liczba cyfr drugiej liczby, znak działania)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>plik kończy się w środku rekordu, który zaczyna się w tym wierszu: brakuje liczby cyfr pierwszej liczby, liczby cyfr drugiej liczby i znaku działania (rekord ma cztery pola: tekst ćwiczenia, liczba cyfr pierwszej liczby, liczba cyfr drugiej liczby, znak działania)</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>plik zawiera bajty NUL między literami, więc wygląda na zapisany jako UTF-16 („Unicode”) bez znacznika kolejności bajtów; proszę zapisać go jako UTF-8, na przykład w Notatniku poleceniem „Zapisz jako” z kodowaniem „UTF-8”</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>plik zawiera bajt NUL, więc nie jest zwykłym plikiem tekstowym</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>to jest rekord numer 102, a katalog mieści najwyżej 101 rekordów</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>plik jest zapisany jako UTF-16 („Unicode”), ale kończy się w środku znaku, więc prawdopodobnie został ucięty podczas kopiowania lub zapisywania; proszę zapisać go ponownie</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>znak w tym miejscu jest uszkodzony: plik jest zapisany jako UTF-16 („Unicode”), w którym niektóre znaki (np. emoji) są zapisane w dwóch połówkach, a tutaj pierwsza połówka nie ma drugiej; proszę usunąć ten znak i wpisać go ponownie</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>znak w tym miejscu jest uszkodzony: plik jest zapisany jako UTF-16 („Unicode”), w którym niektóre znaki (np. emoji) są zapisane w dwóch połówkach, a tutaj druga połówka nie ma pierwszej; proszę usunąć ten znak i wpisać go ponownie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>Nie można użyć katalogu ćwiczeń.

Plik: %1
Wiersz %2, kolumna %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>Nie można użyć katalogu ćwiczeń.

Plik: %1
Wiersz %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>Nie można użyć katalogu ćwiczeń.

Plik: %1
%2.</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>w tym wierszu pola są rozdzielone przecinkami, a w wierszach powyżej średnikami; proszę rozdzielać pola w każdym wierszu tak samo</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>w tym wierszu pola są rozdzielone średnikami, a w wierszach powyżej przecinkami; proszę rozdzielać pola w każdym wierszu tak samo</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Uwaga: jego znak działania to +, więc daje zadania na dodawanie, choć jest na liście w grupie „%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Uwaga: jego znak działania to -, więc daje zadania na odejmowanie, choć jest na liście w grupie „%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Uwaga: jego znak działania to *, więc daje zadania na mnożenie, choć jest na liście w grupie „%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Uwaga: jego znak działania to /, więc daje zadania na dzielenie, choć jest na liście w grupie „%1”.</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Pozycja %1, wiersz %2: pusta.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Pozycja %1: pusta.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Pozycja %1, wiersz %2: „%3”. %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Pozycja %1, wiersz %2: „%3”. Można je rozpocząć, na przykład %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Wskazówka: w wierszu %1 pola są chyba rozdzielone średnikami, a pola rozdziela się przecinkami.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>Plik nie zawiera żadnych ćwiczeń.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 ćwiczenie: można je rozpocząć.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 ćwiczenie: nie można go rozpocząć.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n ćwiczenie: %1 można rozpocząć, %2 nie.</numerusform>
            <numerusform>%n ćwiczenia: %1 można rozpocząć, %2 nie.</numerusform>
            <numerusform>%n ćwiczeń: %1 można rozpocząć, %2 nie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Katalog: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Poza listą</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Rekord %1, wiersz %2: „%3” jest w katalogu, ale nigdy nie pojawia się na liście.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>Pola są rozdzielone średnikami, tak jak zapisują je arkusze kalkulacyjne, i tak zostały odczytane.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Pozycje %1–%2: puste.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Odsetek poprawnych</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediana (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Ostatnio aktywny</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Zmiana odsetka</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Zmiana tempa</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>W porównaniu z równie długim okresem tuż przed</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Cała klasa</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 pkt</numerusform>
            <numerusform>▲ %1 pkt</numerusform>
            <numerusform>▲ %1 pkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 pkt</numerusform>
            <numerusform>▼ %1 pkt</numerusform>
            <numerusform>▼ %1 pkt</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s szybciej</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s wolniej</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= bez zmian</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Wyniki klasy w Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Ostatnie cztery tygodnie</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Ten tydzień</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Okres:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Płynnie w ciągu:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Działania: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Wiersze: pierwsza liczba. Kolumny: druga liczba.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Wiersze: liczba odejmowana. Kolumny: wynik.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Wiersze: dzielnik. Kolumny: wynik.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>Odczytano %n plik wyników.</numerusform>
            <numerusform>Odczytano %n pliki wyników.</numerusform>
            <numerusform>Odczytano %n plików wyników.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>Nie można odczytać folderu wyników %1: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Odczyt anulowano; pokazane liczby są wcześniejsze.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>płynnie</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>poprawnie, ale wolno</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>jeszcze nie</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nie pytano</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 poprawnie, mediana %4 s, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n odpowiedź</numerusform>
            <numerusform>%n odpowiedzi</numerusform>
            <numerusform>%n odpowiedzi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Pokazuje wyniki klasy z folderu wyników FOLDER (domyślnie: ustawionego w calquin.conf), uczeń po uczniu i działanie po działaniu. Folder jest tylko odczytywany.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>Folder wyników do pokazania.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Można pokazać tylko jeden folder.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Wybierz folder wyników</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds w %1 musi być liczbą sekund od 0,5 do 60, a nie „%2”; używane jest 3.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Wybrane daty</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>Od d&amp;nia:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Do dnia:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Najczęściej błędne</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (błędnie: %2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Wyniki klasy w Calquin: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Tygodnie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Zapisz jako &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>&amp;Eksportuj tabelę do CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Na tym komputerze nie ma programu, który otworzy %1 do druku.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>wyniki-klasy</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Tydzień %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2, %3 poprawnie, mediana %4 s</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Brak odpowiedzi w tym okresie.</translation>
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
        <translation>Kod wyjścia:
  0  okno zostało zamknięte albo --check stwierdził, że każde ćwiczenie z listy można rozpocząć
  1  nie można odczytać katalogu
  2  wiersz poleceń jest błędny
  3  --check znalazł na liście ćwiczenie, którego nie można rozpocząć
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Sprawdza katalog ćwiczeń PLIK (domyślnie: index.txt w bieżącym folderze) i podaje, pozycja po pozycji, które ćwiczenia można rozpocząć, bez otwierania okna.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Program do ćwiczenia rachunków dla uczniów. Bez opcji otwiera okno ćwiczeń z plikiem index.txt z bieżącego folderu.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Przy --check: katalog do sprawdzenia.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check przyjmuje najwyżej jeden plik.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Plik można podać tylko razem z --check.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Otwiera okno nauczyciela dla folderu wyników FOLDER (domyślnie: ustawionego w calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window przyjmuje najwyżej jeden folder i żadnego innego trybu.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: nie można uruchomić okna nauczyciela %1: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results i --forget-pupil przyjmują najwyżej jeden folder i żaden inny tryb.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Usuń odpowiedzi starsze niż results/keep-days z calquin.conf z każdego pliku wyników w folderze FOLDER (domyślnie: ustawionym w calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Usuń każdą odpowiedź ucznia NAME z folderu wyników i podaj, ile ich było.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results lub --forget-pupil nie mógł zmienić każdego pliku wyników
Przy --prune-results i --forget-pupil 0 oznacza, że każdy plik został zmieniony, 4, że folderu nie można odczytać, a 2 także, że results/keep-days nie jest liczbą dni.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 wymaga folderu, a w calquin.conf nie ustawiono folderu wyników.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results wymaga results/keep-days w calquin.conf: ile dni przechowywać odpowiedzi, np. 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days w calquin.conf musi być całkowitą liczbą dni od 1 do 36500, a nie „%1”.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: nie można odczytać folderu wyników %1: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Odpowiedzi sprzed %1 (przechowywane %2 dni) usunięte z %3: %n.
</numerusform>
            <numerusform>Odpowiedzi sprzed %1 (przechowywane %2 dni) usunięte z %3: %n.
</numerusform>
            <numerusform>Odpowiedzi sprzed %1 (przechowywane %2 dni) usunięte z %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Odpowiedzi ucznia %1 usunięte z %2: %n.
</numerusform>
            <numerusform>Odpowiedzi ucznia %1 usunięte z %2: %n.
</numerusform>
            <numerusform>Odpowiedzi ucznia %1 usunięte z %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Usunięte pliki, w których nie została żadna odpowiedź: %n.
</numerusform>
            <numerusform>Usunięte pliki, w których nie została żadna odpowiedź: %n.
</numerusform>
            <numerusform>Usunięte pliki, w których nie została żadna odpowiedź: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: pliki wyników, których nie można było zmienić: %1. Pierwszy to %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil wymaga imienia.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Addition</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 dodać %2</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmij</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 odjąć %2</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Pomnóż</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 razy %2</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 podzielić przez %2</translation>
    </message>
    <message>
        <source>Test Selection Area</source>
        <translation>Wybór ćwiczenia</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Wybierz z listy poniżej, na jakich liczbach chcesz liczyć:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Kliknij poniżej jedno z działań:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Wróć do listy</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Zad.</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Wpisz wynik w okienku i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Śr. = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Źle = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Dobrze = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Po każdym zadaniu pokazuj poprawny wynik</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Pokazuj tylko wynik końcowy</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Tym przyciskiem przerwiesz ćwiczenie i wrócisz do listy</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Wpisz wynik zadania i naciśnij Enter</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Gdy wybierzesz ćwiczenie, od razu zaczynasz</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Strona internetowa wydawcy</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Otwiera stronę internetową wydawcy w przeglądarce</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo wydawcy</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Liczba poprawnych odpowiedzi</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Liczba błędnych odpowiedzi</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Średni czas na zadanie w sekundach</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Ćwiczenia z liczenia „Calquin”</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Tego ćwiczenia nie można rozpocząć: znak działania musi być dokładnie +, -, * lub /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Tego ćwiczenia nie można rozpocząć: obie liczby muszą mieć od 1 do 9 cyfr.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Tego ćwiczenia nie można rozpocząć: przy - i / pierwsza liczba nie może mieć mniej cyfr niż druga.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Tego ćwiczenia nie można rozpocząć: wyniki mogłyby być za duże, żeby je sprawdzić.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Na tej pozycji listy nie ma żadnego ćwiczenia.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Wybierz swoje imię, a potem naciśnij Enter albo je kliknij:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: brak imion do wyboru, bo nie można odczytać %1: %2. Odpowiedzi są zapisywane pod nazwą konta.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: brak imion do wyboru, bo %1 nie zawiera żadnego. Odpowiedzi są zapisywane pod nazwą konta.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: wiersz %1 pliku %2 nie jest tekstem UTF-8 i zostaje pominięty.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Uczniowie: każdy najpierw wybiera swoje imię z %1 (imion: %n).
</numerusform>
            <numerusform>Uczniowie: każdy najpierw wybiera swoje imię z %1 (imion: %n).
</numerusform>
            <numerusform>Uczniowie: każdy najpierw wybiera swoje imię z %1 (imion: %n).
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
        <translation>calquin: odpowiedzi nie są zapisywane w %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: odpowiedzi nie są zapisywane w %1: %2; trafiają do %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: odpowiedzi nie są zapisywane w %1: program zakończył się, gdy wciąż czekały na blokadę lub folder (utracone odpowiedzi: %2)
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
        <translation>Przy tym uruchomieniu zapisuje każdą odpowiedź w FOLDER zamiast w folderze ustawionym w calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Wypisuje wyniki klasy z folderu wyników FOLDER (domyślnie: ustawionego w calquin.conf), bez otwierania okna.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Przy --report: tylko odpowiedzi z dnia DATA (RRRR-MM-DD) lub późniejsze.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>Nie można podać razem --report i --check.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report przyjmuje najwyżej jeden folder.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since można podać tylko razem z --report.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Przy --report: folder wyników do odczytania.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report nie może odczytać folderu wyników
Przy --report 0 oznacza, że raport został wypisany, a 2 błędną datę lub opcję.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Wyniki: nie są zapisywane, bo nie ustawiono folderu wyników.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Wyniki: nie można ich zapisać w %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Wyniki: każda odpowiedź jest zapisywana w %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report potrzebuje folderu, a w calquin.conf nie ustawiono folderu wyników.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since potrzebuje daty w postaci RRRR-MM-DD, na przykład 2026-12-08, a nie „%1”.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: nie można odczytać folderu wyników %1: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Wyniki w %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Wyniki w %1 od %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Nie zapisano żadnych odpowiedzi.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Uczeń i ćwiczenie</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Najczęściej źle rozwiązane zadania</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Źle</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Zadane</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Nieczytelne wiersze, pominięte: %1. Pierwszy to wiersz %2 w %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Nieczytelne pliki, pominięte: %1. Pierwszy to %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Wiersze wskazujące innego ucznia niż ich plik, pominięte: %1. Pierwszy to wiersz %2 w %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Pliki, które nie są plikami wyników, pominięte: %1. Pierwszy to %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATA</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Correct Ans = %1</source>
        <translation>Dobrze = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Źle = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Źle! Poprawny wynik to %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Śr. %1 s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Liczenie</translation>
    </message>
</context>
</TS>
