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
        <translation>no existe ese archivo; el programa lee sus ejercicios de un archivo llamado &quot;index.txt&quot; en la carpeta desde la que se inicia</translation>
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
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Test Selection Area</source>
        <translation>Selección de la prueba</translation>
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
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>Res</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>Op.</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>Escribe la respuesta en &apos;Res&apos; y pulsa &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>T/P = ... s</translation>
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
        <translation>Corregir cada pregunta y ver la solución</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Ver solo el resultado final</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Pulsa este botón para dejar la prueba y volver a la lista</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Prueba de nivel &apos;Calquin&apos;</translation>
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
        <translation>¡Incorrecto! La respuesta es %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>T/P %1 s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Cuentas</translation>
    </message>
</context>
</TS>
