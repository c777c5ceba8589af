<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Catalogue</name>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>le guillemet qui ouvre ce champ n&apos;est jamais fermé, si bien que tout le reste du fichier deviendrait un seul texte</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>du texte suit le guillemet qui ferme un champ&#xa0;; mettez tout le texte entre les guillemets ou ajoutez une virgule</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>le fichier contient un octet NUL&#xa0;: ce n&apos;est donc pas un simple fichier texte</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>le fichier se termine au milieu de l&apos;entrée qui commence à cette ligne&#xa0;: il manque le signe d&apos;opération (une entrée compte quatre champs&#xa0;: intitulé de l&apos;exercice, nombre de chiffres du premier nombre, nombre de chiffres du second nombre, signe d&apos;opération)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>le fichier se termine au milieu de l&apos;entrée qui commence à cette ligne&#xa0;: il manque le nombre de chiffres du second nombre et le signe d&apos;opération (une entrée compte quatre champs&#xa0;: intitulé de l&apos;exercice, nombre de chiffres du premier nombre, nombre de chiffres du second nombre, signe d&apos;opération)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>le fichier se termine au milieu de l&apos;entrée qui commence à cette ligne&#xa0;: il manque le nombre de chiffres du premier nombre, celui du second nombre et le signe d&apos;opération (une entrée compte quatre champs&#xa0;: intitulé de l&apos;exercice, nombre de chiffres du premier nombre, nombre de chiffres du second nombre, signe d&apos;opération)</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>c&apos;est l&apos;entrée numéro 102, mais un catalogue contient au plus 101 entrées</translation>
    </message>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>ce fichier n&apos;existe pas&#xa0;; le programme lit ses exercices dans un fichier nommé «&#xa0;index.txt&#xa0;» placé dans le dossier depuis lequel il est lancé</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>le fichier ne peut pas être examiné</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>le fichier ne peut pas être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>c&apos;est un dossier, pas un fichier texte</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>le fichier est bien trop gros pour un catalogue d&apos;au plus 101 exercices (plus de 16&#xa0;Mio)&#xa0;; ce n&apos;est pas un catalogue</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>pendant sa lecture, le fichier est devenu plus gros que n&apos;importe quel catalogue</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>Le catalogue d&apos;exercices ne peut pas être utilisé.

Fichier&#xa0;: %1
Ligne %2, colonne %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>Le catalogue d&apos;exercices ne peut pas être utilisé.

Fichier&#xa0;: %1
Ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>Le catalogue d&apos;exercices ne peut pas être utilisé.

Fichier&#xa0;: %1
%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>le fichier contient des octets NUL entre ses lettres&#xa0;: il semble donc avoir été enregistré en UTF-16 («&#xa0;Unicode&#xa0;») sans marque d&apos;ordre des octets&#xa0;; enregistrez-le plutôt en UTF-8, par exemple dans le Bloc-notes (Notepad) avec «&#xa0;Enregistrer sous&#xa0;» et le codage «&#xa0;UTF-8&#xa0;»</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>le fichier est enregistré en UTF-16 («&#xa0;Unicode&#xa0;») mais se termine au milieu d&apos;un caractère&#xa0;: il a sans doute été coupé pendant une copie ou un enregistrement&#xa0;; enregistrez-le de nouveau</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>le caractère à cet endroit est endommagé&#xa0;: le fichier est enregistré en UTF-16 («&#xa0;Unicode&#xa0;»), qui stocke certains caractères (comme les émojis) en deux moitiés, et ici une première moitié n&apos;est suivie d&apos;aucune seconde moitié&#xa0;; supprimez ce caractère et tapez-le de nouveau</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>le caractère à cet endroit est endommagé&#xa0;: le fichier est enregistré en UTF-16 («&#xa0;Unicode&#xa0;»), qui stocke certains caractères (comme les émojis) en deux moitiés, et ici une seconde moitié n&apos;est précédée d&apos;aucune première moitié&#xa0;; supprimez ce caractère et tapez-le de nouveau</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>cette ligne sépare ses champs par des virgules, mais les lignes au-dessus utilisent des points-virgules&#xa0;; séparez les champs de la même façon sur chaque ligne</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>cette ligne sépare ses champs par des points-virgules, mais les lignes au-dessus utilisent des virgules&#xa0;; séparez les champs de la même façon sur chaque ligne</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Remarque&#xa0;: son signe d&apos;opération est +, cet exercice pose donc des additions, bien qu&apos;il soit classé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Remarque&#xa0;: son signe d&apos;opération est -, cet exercice pose donc des soustractions, bien qu&apos;il soit classé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Remarque&#xa0;: son signe d&apos;opération est *, cet exercice pose donc des multiplications, bien qu&apos;il soit classé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Remarque&#xa0;: son signe d&apos;opération est /, cet exercice pose donc des divisions, bien qu&apos;il soit classé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Position %1, ligne %2&#xa0;: vide.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Position %1&#xa0;: vide.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Position %1, ligne %2&#xa0;: «&#xa0;%3&#xa0;». %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Position %1, ligne %2&#xa0;: «&#xa0;%3&#xa0;». Cet exercice peut être commencé, par exemple&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Conseil&#xa0;: la ligne %1 semble séparer ses champs par des points-virgules, alors que les champs se séparent par des virgules.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>Le fichier ne contient aucun exercice.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 exercice&#xa0;: il peut être commencé.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 exercice&#xa0;: il ne peut pas être commencé.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n exercice. Utilisables&#xa0;: %1&#xa0;; inutilisables&#xa0;: %2.</numerusform>
            <numerusform>%n exercices. Utilisables&#xa0;: %1&#xa0;; inutilisables&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Catalogue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Absents de la liste</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Entrée %1, ligne %2&#xa0;: l&apos;exercice «&#xa0;%3&#xa0;» figure dans le catalogue mais n&apos;apparaît jamais dans la liste.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>Les champs sont séparés par des points-virgules, comme les enregistrent les tableurs, et ont été lus ainsi.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Positions %1 à %2&#xa0;: vides.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
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
        <translation>Élève</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Part juste</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Médiane (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Dernier jour actif</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Évolution de la part</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Évolution de la vitesse</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Par rapport à la période de même durée juste avant</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Toute la classe</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 point</numerusform>
            <numerusform>▲ %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 point</numerusform>
            <numerusform>▼ %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s plus rapide</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s plus lent</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= pareil</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Résultats de la classe dans Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Quatre dernières semaines</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Fluide jusqu&apos;à&#xa0;:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Calculs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Lignes&#xa0;: le premier nombre. Colonnes&#xa0;: le second nombre.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Lignes&#xa0;: le nombre soustrait. Colonnes&#xa0;: le résultat.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Lignes&#xa0;: le diviseur. Colonnes&#xa0;: le résultat.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n fichier de résultats lu.</numerusform>
            <numerusform>%n fichiers de résultats lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>Le dossier de résultats %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Lecture annulée&#xa0;; les chiffres affichés sont les précédents.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>fluide</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>juste mais lent</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>pas demandé</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1&#xa0;: %2, %3 justes, médiane %4 secondes, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Montre comment la classe a réussi dans le dossier de résultats DOSSIER (par défaut&#xa0;: celui défini dans calquin.conf), élève par élève et calcul par calcul. Le dossier est seulement lu.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>Le dossier de résultats à afficher.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Un seul dossier peut être affiché.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Choisir le dossier de résultats</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin&#xa0;: report/fluent-seconds dans %1 doit être un nombre de secondes entre 0,5 et 60, et non «&#xa0;%2&#xa0;»&#xa0;; 3 est utilisé.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Dates choisies</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;u&#xa0;:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Les plus ratées</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 fausses)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Résultats de la classe dans Calquin&#xa0;: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semaines</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>&amp;Exporter le tableau en CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Aucun programme de cet ordinateur n’ouvre %1 pour l’imprimer.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>resultats-classe</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Semaine %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1&#xa0;: %2, %3 justes, médiane %4 secondes</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Aucune réponse à ces dates.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
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
        <translation>Code de sortie&#xa0;:
  0  la fenêtre a été fermée, ou --check a constaté que tous les exercices de la liste peuvent être commencés
  1  le catalogue ne peut pas être lu
  2  la ligne de commande est incorrecte
  3  --check a trouvé dans la liste un exercice qui ne peut pas être commencé
</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Vérifie le catalogue d&apos;exercices FICHIER (par défaut&#xa0;: index.txt dans le répertoire de travail) et indique, position par position dans la liste, quels exercices peuvent être commencés, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Exercices de calcul pour les élèves. Sans option, le programme ouvre la fenêtre d&apos;exercices avec le fichier index.txt du répertoire de travail.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Avec --check&#xa0;: le catalogue à vérifier.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check accepte au plus un fichier.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Un fichier ne peut être indiqué qu&apos;avec --check.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche la version du programme.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Ouvrir la fenêtre de l&apos;enseignant sur le dossier de résultats DOSSIER (par défaut : celui défini dans calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window accepte au plus un dossier et aucun autre mode.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin : impossible de démarrer la fenêtre de l&apos;enseignant %1 : %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results et --forget-pupil prennent au plus un dossier et aucun autre mode.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DOSSIER</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Supprimer les réponses plus anciennes que results/keep-days de calquin.conf de chaque fichier de résultats du dossier FOLDER (par défaut : celui défini dans calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Supprimer toutes les réponses de l’élève NAME du dossier des résultats, et dire combien.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results ou --forget-pupil n’a pas pu modifier tous les fichiers de résultats
Avec --prune-results et --forget-pupil, 0 signifie que chaque fichier a été modifié, 4 que le dossier ne peut pas être lu, et 2 aussi que results/keep-days n’est pas un nombre de jours.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin : %1 a besoin d’un dossier, et aucun dossier de résultats n’est défini dans calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin : --prune-results a besoin de results/keep-days dans calquin.conf : le nombre de jours pendant lesquels les réponses sont gardées, par exemple 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin : results/keep-days dans calquin.conf doit être un nombre entier de jours de 1 à 36500, et non « %1 ».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin : impossible de lire le dossier des résultats %1 : %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Réponses datées d’avant le %1 (gardées %2 jours) supprimées de %3 : %n.
</numerusform>
            <numerusform>Réponses datées d’avant le %1 (gardées %2 jours) supprimées de %3 : %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Réponses de %1 supprimées de %2 : %n.
</numerusform>
            <numerusform>Réponses de %1 supprimées de %2 : %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Fichiers supprimés, car il n’y restait aucune réponse : %n.
</numerusform>
            <numerusform>Fichiers supprimés, car il n’y restait aucune réponse : %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin : fichiers de résultats qui n’ont pas pu être modifiés : %1. Le premier est %2 : %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin : --forget-pupil a besoin d’un nom.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Test Selection Area</source>
        <translation>Choix de l&apos;exercice</translation>
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
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Choisis le type de nombres dans la liste ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Clique sur une des options ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Retour à la liste</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Q.</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Écris dans la case «&#xa0;Rép.&#xa0;» et appuie sur Entrée.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Moy. = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Mauvaises réponses = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Bonnes réponses = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Voir la correction après chaque question</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Voir seulement le bilan final</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Clique sur ce bouton pour arrêter et revenir à la liste</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Entraînement au calcul «&#xa0;Calquin&#xa0;»</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 moins %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 divisé par %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Écris la réponse à la question et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Quand tu choisis un exercice, il commence</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Site web de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Ouvre le site web de l&apos;éditeur dans le navigateur</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Nombre de bonnes réponses</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Nombre de mauvaises réponses</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Temps moyen par question, en secondes</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Impossible de commencer cet exercice&#xa0;: son signe d&apos;opération doit être exactement +, -, * ou /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Impossible de commencer cet exercice&#xa0;: chaque nombre doit avoir de 1 à 9 chiffres.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Impossible de commencer cet exercice&#xa0;: pour - et /, le premier nombre ne doit pas avoir moins de chiffres que le second.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Impossible de commencer cet exercice&#xa0;: ses résultats pourraient être trop grands pour être vérifiés.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Il n&apos;y a aucun exercice à cet endroit de la liste.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Choisis ton nom, puis appuie sur Entrée ou clique dessus :</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin : aucun nom à choisir, car %1 ne peut pas être lu : %2. Les réponses sont enregistrées sous le nom de connexion.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin : aucun nom à choisir, car %1 n’en contient aucun. Les réponses sont enregistrées sous le nom de connexion.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin : la ligne %1 de %2 n’est pas du texte UTF-8 et est ignorée.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Élèves : chacun choisit d’abord son nom dans %1 (noms : %n).
</numerusform>
            <numerusform>Élèves : chacun choisit d’abord son nom dans %1 (noms : %n).
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
        <translation>calquin&#xa0;: les réponses ne sont pas enregistrées dans %1&#xa0;: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin&#xa0;: les réponses ne sont pas enregistrées dans %1&#xa0;: %2&#xa0;; elles vont dans %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin&#xa0;: les réponses ne sont pas enregistrées dans %1&#xa0;: le programme s’est terminé alors qu’elles attendaient encore un verrou ou le dossier (réponses perdues&#xa0;: %2)
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
        <translation>Enregistre chaque réponse dans DOSSIER pour ce lancement, au lieu du dossier défini dans calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Affiche les résultats de la classe à partir du dossier de résultats DOSSIER (par défaut&#xa0;: celui défini dans calquin.conf), sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Avec --report&#xa0;: seulement les réponses données le jour DATE (AAAA-MM-JJ) ou après.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report et --check ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report prend au plus un dossier.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since ne peut être donné qu&apos;avec --report.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Avec --report&#xa0;: le dossier de résultats à lire.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report ne peut pas lire le dossier de résultats
Avec --report, 0 signifie que le rapport a été affiché et 2 une date ou une option erronée.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Résultats&#xa0;: non enregistrés, car aucun dossier de résultats n&apos;est défini.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Résultats&#xa0;: impossible de les enregistrer dans %1&#xa0;: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Résultats&#xa0;: chaque réponse est enregistrée dans %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin&#xa0;: --report a besoin d&apos;un dossier, et aucun dossier de résultats n&apos;est défini dans calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin&#xa0;: --since a besoin d&apos;une date écrite AAAA-MM-JJ, par exemple 2026-12-08, et non «&#xa0;%1&#xa0;».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin&#xa0;: impossible de lire le dossier de résultats %1&#xa0;: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Résultats dans %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Résultats dans %1 à partir du %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Aucune réponse n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Élève et exercice</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Questions les plus souvent ratées</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Posées</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Lignes illisibles, ignorées&#xa0;: %1. La première est la ligne %2 de %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Fichiers illisibles, laissés de côté&#xa0;: %1. Le premier est %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Lignes qui nomment un autre élève que leur fichier, ignorées : %1. La première est la ligne %2 de %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Fichiers qui ne sont pas des fichiers de résultats, laissés de côté : %1. Le premier est %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Correct Ans = %1</source>
        <translation>Bonnes réponses = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Mauvaises réponses = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Bravo, c&apos;est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Faux&#xa0;! La bonne réponse est %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Moy. %1 s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Calcul</translation>
    </message>
</context>
</TS>
