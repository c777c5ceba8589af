<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogue</name>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>este arquivo não existe; o programa lê os exercícios de um arquivo chamado “index.txt” na pasta em que é iniciado</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>isto é uma pasta, não um arquivo de texto</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>isto não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>o arquivo não pode ser examinado</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>o arquivo é muito maior do que pode ser um catálogo de no máximo 101 exercícios (mais de 16 MiB); ele não é um catálogo</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>o arquivo ficou maior que qualquer catálogo enquanto era lido</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>o arquivo não pode ser lido até o fim</translation>
    </message>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>as aspas que abrem este campo nunca são fechadas, então todo o resto do arquivo viraria um único texto</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>há texto depois das aspas que fecham um campo; coloque todo o texto entre as aspas ou acrescente uma vírgula</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>o arquivo termina no meio do registro que começa nesta linha: falta o sinal da operação (um registro tem quatro campos: texto do exercício, quantidade de algarismos do primeiro número, quantidade de algarismos do segundo número, sinal da operação)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>o arquivo termina no meio do registro que começa nesta linha: faltam a quantidade de algarismos do segundo número e o sinal da operação (um registro tem quatro campos: texto do exercício, quantidade de algarismos do primeiro número, quantidade de algarismos do segundo número, sinal da operação)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>o arquivo termina no meio do registro que começa nesta linha: faltam a quantidade de algarismos do primeiro número, a quantidade de algarismos do segundo número e o sinal da operação (um registro tem quatro campos: texto do exercício, quantidade de algarismos do primeiro número, quantidade de algarismos do segundo número, sinal da operação)</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>o arquivo tem bytes NUL entre as letras, então parece ter sido salvo como UTF-16 (“Unicode”) sem marca de ordem de bytes; salve-o como UTF-8, por exemplo no Bloco de Notas com “Salvar como” e a codificação “UTF-8”</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>o arquivo contém um byte NUL, então não é um arquivo de texto simples</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>este é o registro número 102, mas um catálogo tem no máximo 101 registros</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>o arquivo está salvo como UTF-16 (“Unicode”), mas termina no meio de um caractere, então provavelmente foi cortado ao ser copiado ou salvo; salve-o de novo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>o caractere aqui está corrompido: o arquivo está salvo como UTF-16 (“Unicode”), que guarda alguns caracteres (como emojis) em duas metades, e aqui uma primeira metade não tem a segunda; apague o caractere e digite-o de novo</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>o caractere aqui está corrompido: o arquivo está salvo como UTF-16 (“Unicode”), que guarda alguns caracteres (como emojis) em duas metades, e aqui uma segunda metade não tem a primeira; apague o caractere e digite-o de novo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>O catálogo de exercícios não pode ser usado.

Arquivo: %1
Linha %2, coluna %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>O catálogo de exercícios não pode ser usado.

Arquivo: %1
Linha %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>O catálogo de exercícios não pode ser usado.

Arquivo: %1
%2.</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>esta linha separa os campos com vírgulas, mas as linhas acima usam ponto e vírgula; separe os campos do mesmo jeito em todas as linhas</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>esta linha separa os campos com ponto e vírgula, mas as linhas acima usam vírgulas; separe os campos do mesmo jeito em todas as linhas</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Observação: o sinal é +, então este exercício traz contas de adição, embora esteja na lista “%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Observação: o sinal é -, então este exercício traz contas de subtração, embora esteja na lista “%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Observação: o sinal é *, então este exercício traz contas de multiplicação, embora esteja na lista “%1”.</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>Observação: o sinal é /, então este exercício traz contas de divisão, embora esteja na lista “%1”.</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>Posição %1, linha %2: vazia.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>Posição %1: vazia.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>Posição %1, linha %2: “%3”. %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>Posição %1, linha %2: “%3”. Pode ser iniciado, por exemplo %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>Dica: a linha %1 parece separar os campos com ponto e vírgula, mas os campos são separados por vírgulas.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>O arquivo não lista nenhum exercício.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>1 exercício: pode ser iniciado.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>1 exercício: não pode ser iniciado.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>%n exercício — pode ser iniciado: %1; não pode: %2.</numerusform>
            <numerusform>%n exercícios — podem ser iniciados: %1; não podem: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>Catálogo: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>Fora da lista</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>Registro %1, linha %2: “%3” está no catálogo, mas nunca aparece na lista.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>Os campos são separados por ponto e vírgula, como as planilhas os salvam, e foram lidos assim.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>Posições %1–%2: vazias.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Mediana (s)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>Último dia ativo</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>Mudança nos acertos</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>Mudança na rapidez</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>Em relação ao período de mesma duração logo antes</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>Turma toda</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 ponto</numerusform>
            <numerusform>▲ %1 pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 ponto</numerusform>
            <numerusform>▼ %1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ %1 s mais rápido</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ %1 s mais lento</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= igual</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>Resultados da turma no Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>Últimas quatro semanas</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Fluente em até:</translation>
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
        <translation>Contas: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>Linhas: o primeiro número. Colunas: o segundo número.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>Linhas: o número subtraído. Colunas: o resultado.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>Linhas: o divisor. Colunas: o resultado.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>%n arquivo de resultados lido.</numerusform>
            <numerusform>%n arquivos de resultados lidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>A pasta de resultados %1 não pode ser lida: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>A leitura foi cancelada; os números mostrados são os anteriores.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>fluente</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>correto, mas lento</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>ainda não</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>não perguntado</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2, %3 corretas, mediana %4 segundos, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n resposta</numerusform>
            <numerusform>%n respostas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>Mostra como a turma foi na pasta de resultados PASTA (padrão: a definida em calquin.conf), aluno por aluno e conta por conta. Apenas lê a pasta.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>A pasta de resultados a mostrar.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>Só é possível mostrar uma pasta.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Escolha a pasta de resultados</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: report/fluent-seconds em %1 deve ser um número de segundos de 0,5 a 60, não &quot;%2&quot;; usa-se 3.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>Datas escolhidas</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;té:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Mais erradas</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 erros)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>Resultados da turma no Calquin: %1</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Salvar como &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>&amp;Exportar tabela como CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>Nenhum programa neste computador abre %1 para imprimi-lo.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>resultados-turma</translation>
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
        <translation>%1: %2, %3 corretas, mediana %4 segundos</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>Nenhuma resposta nessas datas.</translation>
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
        <translation>Status de saída:
  0  a janela foi fechada, ou --check verificou que todo exercício da lista pode ser iniciado
  1  o catálogo não pode ser lido
  2  a linha de comando está errada
  3  --check encontrou na lista um exercício que não pode ser iniciado
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>Verifica o catálogo de exercícios ARQUIVO (padrão: index.txt na pasta atual) e informa, posição por posição, quais exercícios podem ser iniciados, sem abrir a janela.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>Um programa para alunos treinarem contas. Sem opções, abre a janela de exercícios com o index.txt da pasta atual.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>Com --check: o catálogo a verificar.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>--check aceita no máximo um arquivo.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>Um arquivo só pode ser informado junto com --check.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>Abre a janela do professor na pasta de resultados PASTA (padrão: a definida em calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>--results-window aceita no máximo uma pasta e nenhum outro modo.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: não é possível iniciar a janela do professor %1: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>--prune-results e --forget-pupil aceitam no máximo uma pasta e nenhum outro modo.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>PASTA</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>Remover as respostas mais antigas que results/keep-days do calquin.conf de cada arquivo de resultados da pasta FOLDER (padrão: a definida no calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>Remover todas as respostas do aluno NAME da pasta de resultados e dizer quantas.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  5  --prune-results ou --forget-pupil não conseguiu alterar todos os arquivos de resultados
Com --prune-results e --forget-pupil, 0 significa que cada arquivo foi alterado, 4 que a pasta não pode ser lida, e 2 também que results/keep-days não é um número de dias.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: %1 precisa de uma pasta, e nenhuma pasta de resultados está definida no calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: --prune-results precisa de results/keep-days no calquin.conf: por quantos dias as respostas são guardadas, por exemplo 365.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: results/keep-days no calquin.conf deve ser um número inteiro de dias de 1 a 36500, não &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: não é possível ler a pasta de resultados %1: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>Respostas anteriores a %1 (guardadas por %2 dias) removidas de %3: %n.
</numerusform>
            <numerusform>Respostas anteriores a %1 (guardadas por %2 dias) removidas de %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>Respostas de %1 removidas de %2: %n.
</numerusform>
            <numerusform>Respostas de %1 removidas de %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>Arquivos removidos, porque não restou nenhuma resposta neles: %n.
</numerusform>
            <numerusform>Arquivos removidos, porque não restou nenhuma resposta neles: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: arquivos de resultados que não puderam ser alterados: %1. O primeiro é %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: --forget-pupil precisa de um nome.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 mais %2</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 vezes %2</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 dividido por %2</translation>
    </message>
    <message>
        <source>Test Selection Area</source>
        <translation>Escolha do exercício</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>Escolha na lista abaixo com que números vai fazer as contas:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>Clique em uma das operações abaixo:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>Voltar à lista</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>Exercício</translation>
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
        <translation>Digite a resposta em “Res.” e aperte Enter.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>Média = ... s</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>Erros = 0</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>Acertos = 0</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>Corrigir cada conta e mostrar a resposta certa</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>Mostrar só o resultado final</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>Clique neste botão para parar e voltar à lista</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>Digite a resposta da conta e aperte Enter</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>Quando você escolhe um exercício, ele começa na hora</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>Site da editora</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>Abre o site da editora no navegador</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logotipo da editora</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>Número de acertos</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>Número de erros</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>Tempo médio por conta, em segundos</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>Treino de contas “Calquin”</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>Este exercício não pode ser iniciado: o sinal da operação tem que ser exatamente +, -, * ou /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>Este exercício não pode ser iniciado: os dois números precisam ter de 1 a 9 algarismos.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>Este exercício não pode ser iniciado: com - e / o primeiro número não pode ter menos algarismos que o segundo.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>Este exercício não pode ser iniciado: as respostas poderiam ser grandes demais para conferir.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>Nesta posição da lista não há nenhum exercício.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>Escolha seu nome e depois pressione Enter ou clique nele:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: nenhum nome para escolher, pois %1 não pode ser lido: %2. As respostas são registradas com o nome de login.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: nenhum nome para escolher, pois %1 não contém nenhum. As respostas são registradas com o nome de login.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: a linha %1 de %2 não é texto UTF-8 e foi ignorada.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>Alunos: cada um escolhe primeiro seu nome em %1 (nomes: %n).
</numerusform>
            <numerusform>Alunos: cada um escolhe primeiro seu nome em %1 (nomes: %n).
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
        <translation>÷</translation>
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
        <translation>calquin: as respostas não são registradas em %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: as respostas não são registradas em %1: %2; elas vão para %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: as respostas não são registradas em %1: o programa terminou enquanto elas ainda esperavam uma trava ou a pasta (respostas perdidas: %2)
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
        <translation>Registra cada resposta em PASTA nesta execução, em vez de na pasta definida em calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>Mostra os resultados da turma a partir da pasta de resultados PASTA (padrão: a definida em calquin.conf), sem abrir a janela.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>Com --report: só as respostas dadas em DATA (AAAA-MM-DD) ou depois.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>--report e --check não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>--report aceita no máximo uma pasta.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>--since só pode ser usado junto com --report.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>Com --report: a pasta de resultados a ler.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  4  --report não consegue ler a pasta de resultados
Com --report, 0 significa que o relatório foi mostrado e 2 uma data ou opção errada.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>Resultados: não registrados, pois nenhuma pasta de resultados foi definida.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>Resultados: não podem ser registrados em %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>Resultados: cada resposta é registrada em %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: --report precisa de uma pasta, e nenhuma pasta de resultados foi definida em calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: --since precisa de uma data no formato AAAA-MM-DD, como 2026-12-08, e não “%1”.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: não é possível ler a pasta de resultados %1: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>Resultados em %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>Resultados em %1 a partir de %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>Nenhuma resposta registrada.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>Aluno e exercício</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Aproveitamento</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>Contas mais erradas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>Linhas ilegíveis, puladas: %1. A primeira é a linha %2 de %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>Arquivos ilegíveis, deixados de fora: %1. O primeiro é %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>Linhas que citam outro aluno que não o do seu arquivo, puladas: %1. A primeira é a linha %2 de %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>Arquivos que não são de resultados, deixados de fora: %1. O primeiro é %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>PASTA</translation>
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
        <translation>Acertos = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>Erros = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>Errado! A resposta certa é %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>Média %1s</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>Contas</translation>
    </message>
</context>
</TS>
