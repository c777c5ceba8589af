<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Catalogue</name>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>questo file non esiste; il programma legge i suoi esercizi da un file chiamato «index.txt» nella cartella da cui viene avviato</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>il file non si può aprire</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>questa è una cartella, non un file di testo</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>questo non è un file normale</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>il file non si può esaminare</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>il file è molto più grande di quanto possa essere un catalogo di al massimo 101 esercizi (oltre 16 MiB); non è un catalogo</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>il file è diventato più grande di qualsiasi catalogo mentre veniva letto</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>il file non si può leggere fino alla fine</translation>
    </message>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>le virgolette che aprono questo campo non vengono mai chiuse, quindi tutto il resto del file diventerebbe un unico testo</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>dopo le virgolette che chiudono un campo c&apos;è altro testo; metta tutto il testo tra le virgolette o aggiunga una virgola</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>il file finisce a metà della voce che inizia in questa riga: manca il segno dell&apos;operazione (una voce ha quattro campi: testo dell&apos;esercizio, numero di cifre del primo numero, numero di cifre del secondo numero, segno dell&apos;operazione)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>il file finisce a metà della voce che inizia in questa riga: mancano il numero di cifre del secondo numero e il segno dell&apos;operazione (una voce ha quattro campi: testo dell&apos;esercizio, numero di cifre del primo numero, numero di cifre del secondo numero, segno dell&apos;operazione)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>il file finisce a metà della voce che inizia in questa riga: mancano il numero di cifre del primo numero, il numero di cifre del secondo numero e il segno dell&apos;operazione (una voce ha quattro campi: testo dell&apos;esercizio, numero di cifre del primo numero, numero di cifre del secondo numero, segno dell&apos;operazione)</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>il file contiene byte NUL tra le lettere, quindi sembra salvato come UTF-16 («Unicode») senza byte order mark; lo salvi invece come UTF-8, per esempio nel Blocco note con «Salva con nome» e la codifica «UTF-8»</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>il file contiene un byte NUL, quindi non è un semplice file di testo</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>questa è la voce numero 102, ma un catalogo contiene al massimo 101 voci</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>il file è salvato come UTF-16 («Unicode») ma finisce a metà di un carattere, quindi probabilmente è stato troncato durante la copia o il salvataggio; lo salvi di nuovo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>il carattere in questo punto è danneggiato: il file è salvato come UTF-16 («Unicode»), che memorizza alcuni caratteri (come le emoji) in due metà, e qui a una prima metà manca la seconda; cancelli il carattere e lo digiti di nuovo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>il carattere in questo punto è danneggiato: il file è salvato come UTF-16 («Unicode»), che memorizza alcuni caratteri (come le emoji) in due metà, e qui a una seconda metà manca la prima; cancelli il carattere e lo digiti di nuovo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>Il catalogo degli esercizi non si può usare.

Percorso: %1
Riga %2, colonna %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>Il catalogo degli esercizi non si può usare.

Percorso: %1
Riga %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>Il catalogo degli esercizi non si può usare.

Percorso: %1
%2.</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>questa riga separa i campi con la virgola, ma le righe precedenti usano il punto e virgola; separi i campi allo stesso modo in ogni riga</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>questa riga separa i campi con il punto e virgola, ma le righe precedenti usano la virgola; separi i campi allo stesso modo in ogni riga</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: il suo segno è +, quindi propone addizioni, anche se è elencato sotto «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: il suo segno è -, quindi propone sottrazioni, anche se è elencato sotto «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: il suo segno è *, quindi propone moltiplicazioni, anche se è elencato sotto «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: il suo segno è /, quindi propone divisioni, anche se è elencato sotto «%1».</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Posizione %1, riga %2: vuota.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Posizione %1: vuota.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Posizione %1, riga %2: «%3». %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Posizione %1, riga %2: «%3». Si può iniziare, per esempio %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Suggerimento: la riga %1 sembra separare i campi con il punto e virgola, ma i campi si separano con la virgola.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>Il file non elenca nessun esercizio.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 esercizio: si può iniziare.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 esercizio: non si può iniziare.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n esercizio — si può iniziare: %1; non si può iniziare: %2.</numerusform>
            <numerusform>%n esercizi — si possono iniziare: %1; non si possono iniziare: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Catalogo: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Non in elenco</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Voce %1, riga %2: «%3» è nel catalogo ma non compare mai nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>I campi sono separati dal punto e virgola, come li salvano i fogli di calcolo, e sono stati letti così.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Posizioni %1–%2: vuote.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizioni</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazioni</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazioni</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisioni</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Alunno</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Quota corrette</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediana (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Ultimo giorno attivo</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Variazione quota</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Variazione velocità</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Rispetto al periodo di pari durata appena precedente</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Tutta la classe</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 punto</numerusform>
            <numerusform>▲ %1 punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 punto</numerusform>
            <numerusform>▼ %1 punti</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s più veloce</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s più lento</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= uguale</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Risultati della classe in Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Ultime quattro settimane</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Fluente entro:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Calcoli: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Righe: il primo numero. Colonne: il secondo numero.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Righe: il numero sottratto. Colonne: il risultato.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Righe: il divisore. Colonne: il risultato.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n file di risultati letto.</numerusform>
            <numerusform>%n file di risultati letti.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>La cartella dei risultati %1 non può essere letta: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Lettura annullata; i dati mostrati sono quelli precedenti.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>fluente</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>corretto ma lento</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>non ancora</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>non chiesto</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 corrette, mediana %4 secondi, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n risposta</numerusform>
            <numerusform>%n risposte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Mostra come è andata la classe nella cartella dei risultati CARTELLA (predefinita: quella impostata in calquin.conf), alunno per alunno e calcolo per calcolo. La cartella viene solo letta.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>La cartella dei risultati da mostrare.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Si può mostrare una sola cartella.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Scegli la cartella dei risultati</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds in %1 deve essere un numero di secondi da 0,5 a 60, non «%2»; si usa 3.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Date scelte</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;l:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Più sbagliate</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 errate)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Risultati della classe in Calquin: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Settimane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Salva come &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>Esporta la tabella in &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Nessun programma su questo computer apre %1 per stamparlo.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>risultati-classe</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Settimana %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2, %3 corrette, mediana %4 secondi</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Nessuna risposta in queste date.</translation>
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
        <translation>Stato di uscita:
  0  la finestra è stata chiusa, oppure --check ha trovato che ogni esercizio dell&apos;elenco si può iniziare
  1  il catalogo non si può leggere
  2  la riga di comando è sbagliata
  3  --check ha trovato nell&apos;elenco un esercizio che non si può iniziare
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Controlla il catalogo degli esercizi FILE (predefinito: index.txt nella cartella di lavoro) e indica, posizione per posizione, quali esercizi si possono iniziare, senza aprire la finestra.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Un programma con cui gli alunni si esercitano nel calcolo. Senza opzioni apre la finestra degli esercizi con index.txt della cartella di lavoro.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Con --check: il catalogo da controllare.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check accetta al massimo un file.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Un file si può indicare solo insieme a --check.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Apre la finestra dell&apos;insegnante sulla cartella dei risultati CARTELLA (predefinita: quella impostata in calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window accetta al massimo una cartella e nessun&apos;altra modalità.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: impossibile avviare la finestra dell&apos;insegnante %1: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results e --forget-pupil accettano al massimo una cartella e nessun&apos;altra modalità.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARTELLA</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Rimuovere le risposte più vecchie di results/keep-days in calquin.conf da ogni file dei risultati nella cartella FOLDER (predefinita: quella impostata in calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Rimuovere ogni risposta dell&apos;alunno NAME dalla cartella dei risultati e dire quante.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results o --forget-pupil non ha potuto modificare tutti i file dei risultati
Con --prune-results e --forget-pupil, 0 significa che ogni file è stato modificato, 4 che la cartella non può essere letta, e 2 anche che results/keep-days non è un numero di giorni.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 richiede una cartella, e in calquin.conf non è impostata alcuna cartella dei risultati.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results richiede results/keep-days in calquin.conf: per quanti giorni si conservano le risposte, per esempio 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days in calquin.conf deve essere un numero intero di giorni da 1 a 36500, non «%1».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: impossibile leggere la cartella dei risultati %1: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Risposte datate prima del %1 (conservate per %2 giorni) rimosse da %3: %n.
</numerusform>
            <numerusform>Risposte datate prima del %1 (conservate per %2 giorni) rimosse da %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Risposte di %1 rimosse da %2: %n.
</numerusform>
            <numerusform>Risposte di %1 rimosse da %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>File rimossi, perché non vi restava alcuna risposta: %n.
</numerusform>
            <numerusform>File rimossi, perché non vi restava alcuna risposta: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: file dei risultati che non è stato possibile modificare: %1. Il primo è %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil richiede un nome.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Addition</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 più %2</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 meno %2</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 diviso %2</translation>
    </message>
    <message>
        <source>Test Selection Area</source>
        <translation>Scelta dell&apos;esercizio</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Scegli dall&apos;elenco qui sotto con quali numeri calcolare:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Clicca su un&apos;operazione qui sotto:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Torna all&apos;elenco</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>Ris.</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Op.</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Scrivi il risultato in «Ris.» e premi Invio.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Media = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Sbagliate = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Giuste = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Correzione dopo ogni operazione</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Solo il risultato finale</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Con questo pulsante interrompi e torni all&apos;elenco</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Scrivi il risultato dell&apos;operazione e premi Invio</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Quando scegli un esercizio, cominci subito</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Sito web dell&apos;editore</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Apre il sito web dell&apos;editore nel browser</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo dell&apos;editore</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Numero di risposte giuste</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Numero di risposte sbagliate</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Tempo medio per operazione, in secondi</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Esercizi di calcolo «Calquin»</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Questo esercizio non si può iniziare: il suo segno deve essere esattamente +, -, * o /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Questo esercizio non si può iniziare: i due numeri devono avere da 1 a 9 cifre.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Questo esercizio non si può iniziare: con - e / il primo numero non deve avere meno cifre del secondo.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Questo esercizio non si può iniziare: i risultati potrebbero essere troppo grandi da controllare.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>In questa posizione dell&apos;elenco non c&apos;è nessun esercizio.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Scegli il tuo nome, poi premi Invio o fai clic su di esso:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: nessun nome da scegliere, perché %1 non può essere letto: %2. Le risposte vengono registrate con il nome di accesso.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: nessun nome da scegliere, perché %1 non ne contiene. Le risposte vengono registrate con il nome di accesso.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: la riga %1 di %2 non è testo UTF-8 e viene tralasciata.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Alunni: ognuno sceglie prima il proprio nome da %1 (nomi: %n).
</numerusform>
            <numerusform>Alunni: ognuno sceglie prima il proprio nome da %1 (nomi: %n).
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
        <translation>calquin: le risposte non vengono registrate in %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: le risposte non vengono registrate in %1: %2; vanno in %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: le risposte non vengono registrate in %1: il programma è terminato mentre aspettavano ancora un blocco o la cartella (risposte perse: %2)
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
        <translation>Per questo avvio, registra ogni risposta in CARTELLA invece che nella cartella indicata in calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Mostra i risultati della classe dalla cartella dei risultati CARTELLA (predefinita: quella indicata in calquin.conf), senza aprire la finestra.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Con --report: solo le risposte date il giorno DATA (AAAA-MM-GG) o dopo.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report e --check non si possono indicare insieme.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report accetta al massimo una cartella.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since si può indicare solo insieme a --report.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Con --report: la cartella dei risultati da leggere.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report non riesce a leggere la cartella dei risultati
Con --report, 0 vuol dire che il resoconto è stato mostrato e 2 una data o un&apos;opzione sbagliata.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Risultati: non registrati, perché non è indicata nessuna cartella dei risultati.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Risultati: non si possono registrare in %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Risultati: ogni risposta viene registrata in %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report ha bisogno di una cartella, e in calquin.conf non è indicata nessuna cartella dei risultati.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since ha bisogno di una data scritta AAAA-MM-GG, come 2026-12-08, non «%1».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: non si può leggere la cartella dei risultati %1: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Risultati in %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Risultati in %1 dal %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Non c&apos;è nessuna risposta registrata.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Alunno ed esercizio</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Operazioni sbagliate più spesso</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Proposte</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Righe illeggibili, saltate: %1. La prima è la riga %2 di %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>File illeggibili, esclusi: %1. Il primo è %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Righe che nominano un alunno diverso da quello del loro file, saltate: %1. La prima è la riga %2 di %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>File che non sono file di risultati, esclusi: %1. Il primo è %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARTELLA</translation>
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
        <translation>Giuste = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Sbagliate = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Esatto!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Sbagliato! Il risultato giusto è %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Media %1s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Calcoli</translation>
    </message>
</context>
</TS>
