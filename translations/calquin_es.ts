<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>las comillas que abren este campo no se cierran nunca, así que el resto del archivo se convertiría en un solo texto</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>hay texto después de las comillas que cierran un campo; ponga todo el texto entre las comillas o añada una coma</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>el archivo contiene un byte NUL, así que no es un archivo de texto plano</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>el archivo termina en mitad del registro que empieza en esta línea: falta el signo de operación (un registro tiene cuatro campos: texto del ejercicio, cifras del primer número, cifras del segundo número, signo de operación)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>el archivo termina en mitad del registro que empieza en esta línea: faltan las cifras del segundo número y el signo de operación (un registro tiene cuatro campos: texto del ejercicio, cifras del primer número, cifras del segundo número, signo de operación)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>el archivo termina en mitad del registro que empieza en esta línea: faltan las cifras del primer número, las cifras del segundo número y el signo de operación (un registro tiene cuatro campos: texto del ejercicio, cifras del primer número, cifras del segundo número, signo de operación)</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>este es el registro número 102, pero un catálogo tiene como máximo 101 registros</translation>
    </message>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>no existe ese archivo; el programa lee sus ejercicios de un archivo llamado «index.txt» en la carpeta desde la que se inicia</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>no se puede examinar el archivo</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>no se puede leer el archivo hasta el final</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>es una carpeta, no un archivo de texto</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>el archivo es mucho más grande de lo que puede ser un catálogo de 101 ejercicios como máximo (más de 16 MiB); no es un catálogo</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>el archivo creció más allá del tamaño de cualquier catálogo mientras se estaba leyendo</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>No se puede usar el catálogo de ejercicios.

Archivo: %1
Línea %2, columna %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>No se puede usar el catálogo de ejercicios.

Archivo: %1
Línea %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>No se puede usar el catálogo de ejercicios.

Archivo: %1
%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>el archivo contiene bytes NUL entre sus letras, así que parece que se guardó como UTF-16 («Unicode») sin marca de orden de bytes; guárdelo como UTF-8, por ejemplo en el Bloc de notas (Notepad) con «Guardar como» y la codificación «UTF-8»</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>el archivo está guardado como UTF-16 («Unicode»), pero termina en mitad de un carácter, así que probablemente se cortó al copiarlo o guardarlo; vuelva a guardarlo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>el carácter de esta posición está dañado: el archivo está guardado como UTF-16 («Unicode»), que guarda algunos caracteres (como los emojis) en dos mitades, y aquí hay una primera mitad sin su segunda mitad; borre el carácter y vuelva a escribirlo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>el carácter de esta posición está dañado: el archivo está guardado como UTF-16 («Unicode»), que guarda algunos caracteres (como los emojis) en dos mitades, y aquí hay una segunda mitad sin su primera mitad; borre el carácter y vuelva a escribirlo</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>esta línea separa sus campos con comas, pero las líneas de arriba usan punto y coma; separe los campos de la misma forma en todas las líneas</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>esta línea separa sus campos con punto y coma, pero las líneas de arriba usan comas; separe los campos de la misma forma en todas las líneas</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: su signo de operación es +, así que plantea sumas, aunque está en el apartado «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: su signo de operación es -, así que plantea restas, aunque está en el apartado «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: su signo de operación es *, así que plantea multiplicaciones, aunque está en el apartado «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Nota: su signo de operación es /, así que plantea divisiones, aunque está en el apartado «%1».</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Fila %1, línea %2: vacía.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Fila %1: vacía.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Fila %1, línea %2: «%3». %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Fila %1, línea %2: «%3». Se puede empezar, por ejemplo con %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Consejo: la línea %1 parece separar sus campos con punto y coma, pero los campos se separan con comas.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>En el archivo no figura ningún ejercicio.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 ejercicio: se puede empezar.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 ejercicio: no se puede empezar.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n ejercicio. Se puede empezar: %1. No se puede empezar: %2.</numerusform>
            <numerusform>%n ejercicios. Se pueden empezar: %1. No se pueden empezar: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Catálogo: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Fuera de la lista</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Registro %1, línea %2: «%3» está guardado en el archivo, pero nunca aparece en la lista.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>Los campos están separados por punto y coma, como los guardan las hojas de cálculo, y se han leído así.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Filas %1–%2: vacías.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediana (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Último día activo</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Cambio en aciertos</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Cambio en rapidez</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Frente al periodo de la misma duración justo anterior</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 punto</numerusform>
            <numerusform>▲ %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 punto</numerusform>
            <numerusform>▼ %1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s más rápido</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s más lento</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= igual</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Resultados de la clase en Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Últimas cuatro semanas</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Fluido hasta:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Operaciones: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Filas: el primer número. Columnas: el segundo número.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Filas: el número que se resta. Columnas: el resultado.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Filas: el divisor. Columnas: el resultado.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n archivo de resultados leído.</numerusform>
            <numerusform>%n archivos de resultados leídos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>La carpeta de resultados %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>Se canceló la lectura; las cifras mostradas son las anteriores.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>fluido</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>correcto pero lento</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>todavía no</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>no preguntado</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 correctas, mediana %4 segundos, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Muestra cómo le fue a la clase en la carpeta de resultados CARPETA (por defecto: la indicada en calquin.conf), alumno por alumno y operación por operación. Solo lee la carpeta.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>La carpeta de resultados que se muestra.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Solo se puede mostrar una carpeta.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Elige la carpeta de resultados</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds en %1 debe ser un número de segundos entre 0,5 y 60, no «%2»; se usa 3.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Fechas elegidas</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Más falladas</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 mal)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Resultados de la clase en Calquin: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Guardar como &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>&amp;Exportar la tabla como CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Ningún programa de este equipo abre %1 para imprimirlo.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>resultados-clase</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Semana %1, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2, %3 correctas, mediana %4 segundos</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>No hay respuestas en estas fechas.</translation>
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
        <translation>Código de salida:
  0  se ha cerrado la ventana, o --check ha comprobado que se pueden empezar todos los ejercicios de la lista
  1  no se puede leer el catálogo
  2  la línea de comandos es incorrecta
  3  --check ha encontrado un ejercicio de la lista que no se puede empezar
</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Comprueba el catálogo de ejercicios ARCHIVO (por defecto: index.txt en el directorio de trabajo) e informa, fila por fila, de qué ejercicios se pueden empezar, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Práctica de cálculo para alumnos. Sin opciones, abre la ventana de práctica con el archivo index.txt del directorio de trabajo.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Con --check: el catálogo que se va a comprobar.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check admite como máximo un archivo.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Para indicar un archivo hay que usar --check.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Abre la ventana del profesor con la carpeta de resultados CARPETA (por defecto: la indicada en calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window admite como máximo una carpeta y ningún otro modo.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: no se puede iniciar la ventana del profesor %1: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results y --forget-pupil admiten como mucho una carpeta y ningún otro modo.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARPETA</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Eliminar las respuestas más antiguas que results/keep-days de calquin.conf de cada archivo de resultados de la carpeta FOLDER (por defecto: la indicada en calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Eliminar todas las respuestas del alumno NAME de la carpeta de resultados y decir cuántas.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results o --forget-pupil no pudo cambiar todos los archivos de resultados
Con --prune-results y --forget-pupil, 0 significa que se cambió cada archivo, 4 que la carpeta no se puede leer, y 2 también que results/keep-days no es un número de días.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 necesita una carpeta, y no hay ninguna carpeta de resultados indicada en calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results necesita results/keep-days en calquin.conf: cuántos días se guardan las respuestas, por ejemplo 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days en calquin.conf debe ser un número entero de días de 1 a 36500, no «%1».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: no se puede leer la carpeta de resultados %1: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Respuestas anteriores al %1 (guardadas %2 días) eliminadas de %3: %n.
</numerusform>
            <numerusform>Respuestas anteriores al %1 (guardadas %2 días) eliminadas de %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Respuestas de %1 eliminadas de %2: %n.
</numerusform>
            <numerusform>Respuestas de %1 eliminadas de %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Archivos eliminados, porque no les quedaba ninguna respuesta: %n.
</numerusform>
            <numerusform>Archivos eliminados, porque no les quedaba ninguna respuesta: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: archivos de resultados que no se pudieron cambiar: %1. El primero es %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil necesita un nombre.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Test Selection Area</source>
        <translation>Elección del ejercicio</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Elige en la lista de abajo el tipo de números:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Elige una de las opciones de abajo:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Volver a la lista</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>Res.</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Op.</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Escribe la respuesta en «Res.» y pulsa Intro.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Media = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Fallos = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Aciertos = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Corregir cada operación y ver la solución</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Ver solo el resultado final</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Pulsa este botón para dejar el ejercicio y volver a la lista</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Práctica de cálculo «Calquin»</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 entre %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Escribe el resultado de la operación y pulsa Intro</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Al elegir un ejercicio, empiezas enseguida</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Página web de la editorial</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Abre la página web de la editorial en el navegador</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logotipo de la editorial</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Número de aciertos</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Número de fallos</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Tiempo medio por operación en segundos</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Este ejercicio no se puede empezar: su signo de operación tiene que ser exactamente +, -, * o /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Este ejercicio no se puede empezar: los dos números tienen que tener de 1 a 9 cifras.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Este ejercicio no se puede empezar: con - y / el primer número no puede tener menos cifras que el segundo.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Este ejercicio no se puede empezar: sus resultados podrían ser demasiado grandes para comprobarlos.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Esta fila de la lista no tiene ningún ejercicio.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Elige tu nombre y luego pulsa Intro o haz clic en él:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: no hay nombres para elegir, porque no se puede leer %1: %2. Las respuestas se registran con el nombre de usuario.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: no hay nombres para elegir, porque %1 no contiene ninguno. Las respuestas se registran con el nombre de usuario.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: la línea %1 de %2 no es texto UTF-8 y se omite.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Alumnos: cada uno elige primero su nombre de %1 (nombres: %n).
</numerusform>
            <numerusform>Alumnos: cada uno elige primero su nombre de %1 (nombres: %n).
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
        <translation>calquin: las respuestas no se registran en %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: las respuestas no se registran en %1: %2; se guardan en %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: las respuestas no se registran en %1: el programa terminó mientras aún esperaban un bloqueo o la carpeta (respuestas perdidas: %2)
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
        <translation>Registra cada respuesta en CARPETA en esta ejecución, en lugar de en la carpeta indicada en calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Muestra los resultados de la clase a partir de la carpeta de resultados CARPETA (por defecto: la indicada en calquin.conf), sin abrir la ventana.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Con --report: solo las respuestas dadas el día FECHA (AAAA-MM-DD) o después.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report y --check no pueden indicarse a la vez.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report admite como máximo una carpeta.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since solo puede indicarse con --report.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Con --report: la carpeta de resultados que se va a leer.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report no puede leer la carpeta de resultados
Con --report, 0 significa que se mostró el informe y 2 una fecha o una opción errónea.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Resultados: no se registran, porque no hay ninguna carpeta de resultados indicada.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Resultados: no se pueden registrar en %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Resultados: cada respuesta se registra en %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report necesita una carpeta, y no hay ninguna carpeta de resultados indicada en calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since necesita una fecha escrita AAAA-MM-DD, por ejemplo 2026-12-08, no «%1».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: no se puede leer la carpeta de resultados %1: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Resultados en %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Resultados en %1 desde el %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>No hay respuestas registradas.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Alumno y ejercicio</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Operaciones más falladas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrectas</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Planteadas</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Filas ilegibles, omitidas: %1. La primera es la línea %2 de %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Archivos ilegibles, omitidos: %1. El primero es %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Filas que nombran a otro alumno que su archivo, omitidas: %1. La primera es la línea %2 de %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Archivos que no son de resultados, omitidos: %1. El primero es %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Correct Ans = %1</source>
        <translation>Aciertos = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Fallos = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>¡Incorrecto! La solución es %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Media %1s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Cuentas</translation>
    </message>
</context>
</TS>
