<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Acerca de Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright reparte los números que quieres jugar en el menor número de apuestas posible, con una garantía que se cumple: las reducciones de lotería. Cada reducción que ofrece está comprobada línea a línea antes de publicarse.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. Se ofrece sin ninguna garantía; ninguna reducción puede prometer un premio.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Estas apuestas no se pueden abrir.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright no conoce loterías del país «%1»</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright no conoce la lotería «%1» de %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 apuestas</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>No se pudieron imprimir las apuestas: la impresora no se puede usar.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: no se pudo crear el PDF.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Elige una lotería</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>La lotería «%1» de %2 no está en la base de reducciones.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Elige al menos %1 números</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Elige al menos %n número extra</numerusform>
            <numerusform>Elige al menos %n números extra</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>No se pudo guardar la reducción en tu biblioteca: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>¡Debes elegir una opción x if y!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>La reducción «%1» para %2 números está dañada: %3. No se ha generado ninguna apuesta con ella.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright usará este idioma a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Extra al azar</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Borrar extra</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Cuadrícula de números extra</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Deja que el programa elija un número extra por ti</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Quitar todos los números extra elegidos</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Cifra extra</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>El extra de esta lotería es una cifra del 0 al 9 que trae el resguardo o que marcas en el boleto; no se elige aquí, y las apuestas solo llevan los números principales.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Números extra: elige del 1 al %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Cada apuesta lleva 1 número extra. Elige uno, o varios para repartirlos por igual entre las apuestas.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Cada apuesta lleva %1 números extra. Elige al menos %1; los demás se reparten por igual entre las apuestas.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Extra %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Extra: ninguno elegido</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Extra: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>Tu lotería, modificada %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Tu lotería</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Datos a %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Gráfico de coste frente a probabilidad</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Un punto por reducción; la tabla de arriba tiene las mismas cifras</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Aún no se ha calculado ninguna reducción</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Probabilidad de %1 por sorteo</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (escala en pasos de diez)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Coste por sorteo (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, escala en pasos de diez</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Error: no se pudo preparar la consulta, mensaje «%1».</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>Falta la base de reducciones data.sqlite3: no está ni en %1 ni en %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>Falta la base de reducciones %1.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>No se puede abrir la base de reducciones %1.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>No se puede leer la base de reducciones %1: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Error: no se pudo leer la base de reducciones hasta el final: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acierto</numerusform>
            <numerusform>%n aciertos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n acierto extra</numerusform>
            <numerusform>%n aciertos extra</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 extra</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>«%1» no es un número de lotería</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>no se ha dado ningún número sorteado</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 está fuera de los números 1 a %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 sale dos veces</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>En esta lotería se sortea %n número, se han dado %1</numerusform>
            <numerusform>En esta lotería se sortean %n números, se han dado %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>esta lotería no sortea complementarios además de sus números extra</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>el complementario %1 está fuera de los números 1 a %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>el complementario %1 también es uno de los números principales sorteados</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>el complementario %1 sale dos veces</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>En esta lotería se sortea %n complementario, se han dado %1</numerusform>
            <numerusform>En esta lotería se sortean %n complementarios, se han dado %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>las apuestas de esta lotería no llevan cifra propia</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>tu cifra %1 no está entre 0 y %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>esta lotería no sortea números extra</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>el número extra %1 está fuera de los números %2 a %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>el número extra %1 también es uno de los números principales sorteados</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>el número extra %1 sale dos veces</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>En esta lotería se sortea %n número extra, se han dado %1</numerusform>
            <numerusform>En esta lotería se sortean %n números extra, se han dado %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>los números extra</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>los complementarios</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>la cifra sorteada</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>tu cifra</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>no se escribieron %1</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>no se escribió %1</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>las apuestas no llevan números extra</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>sin premio</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 si acierta el extra, si no %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n apuesta gana %1</numerusform>
            <numerusform>%n apuestas ganan %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n gana %1</numerusform>
            <numerusform>%n ganan %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Ninguna apuesta tiene premio</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n apuesta sin evaluar: %1</numerusform>
            <numerusform>; %n apuestas sin evaluar: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>premios a repartir</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>premios desconocidos aquí</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>las apuestas sin evaluar</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>sin aciertos</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 con %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n apuesta</numerusform>
            <numerusform>%n apuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>ninguna apuesta</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Ninguna apuesta llega al premio más bajo (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n apuesta llega al premio más bajo (%1)</numerusform>
            <numerusform>%n apuestas llegan al premio más bajo (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n acierto: %1</numerusform>
            <numerusform>%n aciertos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, extra %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complementario %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Comprobar un sorteo</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotería</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Escribe los números sorteados, separados por espacios o comas.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>Números &amp;sorteados:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Números sorteados</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>Números &amp;extra:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>puede quedar vacío</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Números extra</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Problema con el sorteo</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Apuestas por número de aciertos</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Premio más bajo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Marcar los aciertos de cada apuesta con este sorteo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Complementarios</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>&amp;Complementarios:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Tu cifra</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 a 9, la cifra de tu boleto</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Tu cifra:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Categorías ganadas</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Premio de cada apuesta</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n apuesta</numerusform>
            <numerusform>%n apuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Escribe los %1 números sorteados (1 a %2), separados por espacios o comas.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> El número extra es la cifra sorteada (0 a %1); la cifra propia de tus apuestas va al lado.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Los números extra salen de su propio bombo (1 a %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Los números extra o complementarios se sortean entre los mismos números.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Los complementarios se sortean entre los mismos números que los principales.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Se pueden omitir.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Extra (cifra sorteada):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>Número &amp;extra:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Complementario (bola extra):</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Números sorteados: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Números extra: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Complementarios: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Tu cifra: escribe una cifra, del 0 al 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Sorteo: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, extra %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complementario %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, tu cifra %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Escribe también los números extra para ver qué apuestas llegan al premio más bajo.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Las apuestas no llevan números extra, así que no se puede evaluar el premio más bajo.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Las categorías de premio de esta lotería no se conocen aquí.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Apuesta %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Número principal</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Número extra</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complementario</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>contiene datos binarios, no líneas de texto: no es un archivo de resultados</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>No se leyó %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>No se pudo volver a leer %1 desde el principio.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Ninguna línea de %1 se lee como una fecha y los números sorteados: indica qué contiene cada columna.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>la línea tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>la línea no es texto</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n columna encontrada, se esperaban %1</numerusform>
            <numerusform>%n columnas encontradas, se esperaban %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>la columna %1 está vacía</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>«%1» no es un número de lotería</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>el sorteo del %1 ya está en la línea %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Ninguna línea de %1 es un sorteo de esta lotería (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n línea errónea</numerusform>
            <numerusform>%n líneas erróneas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>No se leyó %1: ocupa %2 MB, y un archivo de resultados no pasa de %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>No se leyeron los resultados: más de %1 MB no es un archivo de resultados.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Los resultados</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>No se añadió ningún sorteo</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n sorteo añadido</numerusform>
            <numerusform>%n sorteos añadidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 ya guardados</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n fecha ya tiene otros números, se mantienen los guardados: %1</numerusform>
            <numerusform>; %n fechas ya tienen otros números, se mantienen los guardados: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 sin evaluar</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acierto</numerusform>
            <numerusform>%n aciertos</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Sorteos: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Apuestas jugadas: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Coste: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Coste: desconocido (sin precio de apuesta)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>premios a repartir</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>premios desconocidos aquí</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n apuesta sin evaluar</numerusform>
            <numerusform>%n apuestas sin evaluar</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Categorías de premio: desconocidas aquí; apuestas por número de aciertos:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Algún premio</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 o más aciertos</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Sorteos anteriores</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Sorteos anteriores</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>primer sorteo</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>último sorteo</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Comprobar los sorteos entre las fechas</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>&amp;Importar resultados…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Sorteos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Mejor acierto</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Apuestas premiadas</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Premios fijos</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 apuestas de %2, %3 frente a los sorteos guardados</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Escribe las fechas como 2026-12-05, o déjalas vacías para todos los sorteos.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>No hay sorteos de esta lotería guardados entre estas fechas: importa un archivo de resultados.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Comprobando %1 sorteos…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Haz doble clic en un sorteo para ver cada apuesta en la comprobación de ese sorteo.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Mejor acierto por sorteo</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n sorteo; el mejor acierto es %1</numerusform>
            <numerusform>%n sorteos; el mejor acierto de todos es %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Lo que dieron los sorteos, junto a las probabilidades exactas</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Sorteos anteriores junto a las probabilidades exactas</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Sorteos
ganados</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Probabilidad exacta
por sorteo</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Apuestas pasadas
por sorteo</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Apuestas esperadas
por sorteo</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Calculando las probabilidades exactas de estas apuestas…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>No se pueden calcular las probabilidades exactas de estas apuestas: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>ningún sorteo</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 de %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 de %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Premios fijos: %1 esperados por sorteo.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Premios fijos por sorteo: %1 ganados en estos sorteos, %2 esperados.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 apuestas cuya categoría depende de números que los resultados no dan no están en ninguna fila.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Formato de apuesta %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Ayuda de Wheelwright</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Falta la página de ayuda welcome.html en esta instalación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>La ayuda siguiente está en inglés.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principales</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complementario</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>&amp;Copiar para editar</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Ex&amp;portar...</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loterías</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Loterías del país</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>N&amp;ueva lotería</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Nueva lotería</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Copiar la lotería incluida para editarla</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Eliminar o restablecer la lotería</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Exportar la lotería a un archivo</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Importar loterías de un archivo</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: problema</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Bombo:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Bombo</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Números por &amp;apuesta:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Números por apuesta</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>&amp;Sorteados:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Números sorteados</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Comp&amp;lementarios sorteados:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Complementarios sorteados</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Bombo ex&amp;tra:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bombo de números extra</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>E&amp;xtra sorteados:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Números extra sorteados</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>P&amp;recio:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Precio de una apuesta</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>Categ&amp;orías de premio, de mayor a menor:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Categorías de premio</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Categorías de premio: problema</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Aña&amp;dir categoría</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Añadir una categoría de premio</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Quitar categoría</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Quitar la categoría de premio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Guardar la lotería</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>&amp;Volver al original</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, en lugar de los datos incluidos</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Cópiala para editarla.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Categoría %1: %2 debe ser un número entero</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Categoría %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>La lotería no se guardó: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Guardada. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>¿Olvidar tus datos de «%1» y volver a usar los incluidos?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>¿Eliminar tu lotería «%1»?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Una copia de los datos incluidos: conserva el nombre para usarla en lugar de la lotería incluida.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Una lotería nueva de %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Exportar la lotería</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Archivos de lotería (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportada a %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>No se importó ninguna lotería: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>el archivo no contiene ninguna</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>No se importaron más loterías: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>Importadas %1 de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n lotería</numerusform>
            <numerusform>%n loterías</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Importar una lotería</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 debe ser un número entero</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>una categoría es nombre, principales, complementarios, extra, premio, moneda</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>los %1 aciertos de la categoría deben ser un número entero</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>contiene un byte NUL</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Página de lotería</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Elige tu país y luego la lotería a la que juegas.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Loterías:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loterías</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Haz clic en una lotería y pulsa Siguiente para marcar tus números.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotería</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Cuándo se leyeron los datos de la lotería</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;oterías...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Loterías: añadir, copiar o editar las tuyas</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(tuya)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>tu lotería</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>«%1» no es un país que ofrezca el programa</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>la lotería necesita un nombre</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>el nombre ocupa más de 80 bytes</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>el nombre contiene un carácter que no se imprime</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>el nombre empieza o termina con un espacio</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>el bombo tiene de 2 a 99 números</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>una apuesta tiene al menos 1 número</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>una apuesta tiene 1 número, así que el bombo necesita al menos %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>una apuesta tiene %1 números, así que el bombo necesita al menos %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>el sorteo saca de 1 a %1 números de un bombo de %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>tras sacar 1 número, quedan %1 en el bombo para los complementarios</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>tras sacar %1 números, quedan %2 en el bombo para los complementarios</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>el bombo extra tiene de 0 (ninguno) a 99 números</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>no hay bombo extra, así que no se sortean números extra</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>el bombo extra de %1 da de 1 a %2 números extra</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>los aciertos principales y extra del premio más bajo se dan juntos o no se dan</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>el premio más bajo necesita de 0 a %1 aciertos principales</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>el premio más bajo necesita de 0 a %1 aciertos extra</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>el premio más bajo no puede no necesitar ningún acierto</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>un precio es un importe como 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>un precio es más que nada</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>un precio necesita su moneda</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>una moneda necesita un precio</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>la moneda es un código de tres letras como EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>el mes se escribe como 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>la categoría necesita un nombre de 1 a 80 bytes</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>el nombre de la categoría contiene una coma o un carácter que no se imprime</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>principales debe ser un número entero de 0 a %1 para «%2»</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>complementarios debe ser un número entero de 0 a %1 para «%2»</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>extra debe ser un número entero de 0 a %1 para «%2»</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>una apuesta tiene %1 números: no puede acertar %2 principales y %3 complementarios</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>una categoría no puede no necesitar ningún acierto</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>una moneda solo va con un importe fijo</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>el premio debe estar vacío, ser shared o un importe con dos decimales como 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>un importe fijo necesita un código de moneda de tres letras (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>ninguna apuesta puede llegar a «%1»: «%2» va antes y se queda con todas las apuestas que llegarían</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>ninguna apuesta puede llegar a «%1»: «%2» (línea %3) va antes y se queda con todas las apuestas que llegarían</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>categoría «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Lotería</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Números</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Reducción</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Apuestas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Reducciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Generar apuestas</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Abrir un archivo de apuestas guardado</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Imprimir las apuestas</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Ver las páginas antes de imprimirlas</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar P&amp;DF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Escribir las páginas impresas en un archivo PDF</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exportar &amp;CSV…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Escribir las apuestas para una hoja de cálculo, un número por celda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>&amp;Ayuda de Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Reducciones</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>Acerca &amp;de Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, elegido</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, número clave</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Página de números</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotería</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Cuadrícula de la lotería</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Números:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Toca números en la cuadrícula; el primero es tu número clave</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Total de números: 0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Total de números</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Quitar el último número elegido</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Borrar todos los números elegidos</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Mostrar en orden ascendente</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Elegir al azar…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Deja que el programa saque números por ti</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Cuadrícula de números</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Solo puedes quitar el número clave borrando todos los números (botón «Borrar»)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>No hay ningún número que quitar</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>¿Seguro que quieres borrar todos los números elegidos?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Total de números: %1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Elegir al azar</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>¿Cuántos números debe sacar el programa por ti?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Selector de cantidad</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Los números sacados se suman a los que ya elegiste; si no había ninguno, el primero pasa a ser el número clave.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>«%1» no es una cantidad de números. Escribe un número entero de %2 a %3.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>No se indicó ningún archivo para la biblioteca de reducciones.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>No se puede crear tu biblioteca de reducciones %1: no se puede crear su carpeta %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>No se puede usar tu biblioteca de reducciones %1: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>No se pudo empezar una biblioteca de reducciones nueva %1: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>No se puede abrir tu biblioteca de reducciones %1: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>está dañada por dentro</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>no es una biblioteca de reducciones</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>La biblioteca de reducciones no está abierta.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>La reducción no cumple su garantía (%1); no se guardó.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> La reducción no se guardó.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>No se puede escribir en la biblioteca de reducciones: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Sus reducciones no se pudieron leer ahora mismo.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>sus tablas no se pueden leer</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>La biblioteca no está abierta; no se añadió ningún sorteo.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> No se añadió ningún sorteo.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>No se puede escribir en tu biblioteca %1 (%2); no se añadió ningún sorteo.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>La biblioteca no está abierta.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>No se pueden leer los sorteos de tu biblioteca %1: %2.</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save tickets</source>
        <translation>Guardar apuestas</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Abrir apuestas</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Archivos de apuestas (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Alerta</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>La lotería %1 de %2 no se puede jugar: la base de reducciones no tiene ningún tamaño utilizable para ella (un bombo de 2 a 99 números, y menos en una apuesta).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>La lotería %1 de %2 no se puede jugar: la base de reducciones pide %3 números extra de un bombo extra de %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>una apuesta de %1 tiene %2 números, esta tiene %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>La reducción «%1» para %2 números está dañada: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>No se pueden comprobar los sorteos de «%1» de %2: la lotería no se conoce aquí.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>no se pudieron leer tus loterías %1: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>no hay ningún sitio donde guardar tus loterías</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Premios fijos ganados: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (sin contar %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>a repartir</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Archivos de resultados (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Sorteos de %1, %2 desde %3. Indica encima de cada columna qué contiene:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Primeras líneas del archivo</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>La columna %1 contiene</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La primera línea nombra las columnas</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Líneas erróneas</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Importar las líneas correctas</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>No importar nada</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Elige una columna de fechas y las columnas de los números principales.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 sorteos, todas las líneas correctas.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 líneas correctas; %2, listadas abajo, no se importarán.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n línea errónea</numerusform>
            <numerusform>%n líneas erróneas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Apuestas como texto</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Texto de las apuestas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>falta un %1 (dos separadores seguidos, o uno en un extremo)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 es demasiado largo para un número de lotería</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 no es un número de lotería (empiezan en 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 aparece dos veces en esta apuesta</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>el archivo está en UTF-8, pero los archivos de apuestas se escriben en UTF-16</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>no es un archivo de apuestas: no empieza con una marca de orden de bytes UTF-16</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>el archivo se corta en medio de un carácter</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>esta línea no es texto UTF-16 válido</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>la línea está vacía</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>« + » aparece más de una vez en esta apuesta</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>ningún número extra sigue a « + »</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>número extra</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>el archivo no contiene apuestas</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>hay una línea vacía entre las apuestas</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>esta apuesta tiene %n número, la primera tiene %1</numerusform>
            <numerusform>esta apuesta tiene %n números, la primera tiene %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>esta apuesta tiene %n número extra, la primera tiene %1</numerusform>
            <numerusform>esta apuesta tiene %n números extra, la primera tiene %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>el archivo es demasiado grande para ser un archivo de apuestas</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>el archivo termina antes de la línea «%1»</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>se esperaba «%1» aquí, se encontró %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>el número clave %1 no es un número entero</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>el archivo termina antes de la línea vacía que sigue a la clave</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>se esperaba una línea vacía tras la clave, se encontró %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>el archivo termina dentro de esta línea: se cortó</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>el número clave %1 está fuera de los números 1 a %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 está fuera de los números 1 a %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>esta lotería no tiene números extra, pero la apuesta lleva alguno</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>el número extra %1 está fuera de los números extra 1 a %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>el archivo es demasiado grande para ser una lista de apuestas</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>el texto no es ni un archivo de apuestas UTF-16 ni líneas UTF-8</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>no es un archivo normal, así que no se lee como apuestas</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Página de apuestas</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotería</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Total de apuestas: 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Total de apuestas</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Guardar las apuestas como archivo de texto</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Vista de texto</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Mostrar las apuestas como texto</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Comprobar un sorteo…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Escribe los números sorteados y mira qué apuestas los aciertan</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Comprobar sorteos…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Comprobar estas apuestas con cada sorteo guardado de la lotería</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Comprobar sorteos</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Las apuestas se guardan como texto UTF-16, que abre cualquier editor.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Total de apuestas: %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Reducción: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Números jugados (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Número clave: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Números extra jugados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n apuesta</numerusform>
            <numerusform>%n apuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - apuestas %2 a %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 apuestas</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Imprimir apuestas</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>No se puede imprimir: no se pudo cargar el módulo de impresión (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>No se pudo crear el archivo para escribir, mensaje «%1».</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Apuesta</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acierto</numerusform>
            <numerusform>%n aciertos</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + extra</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, premio</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>apuesta %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, llega al premio más bajo</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>&amp;Jugar esta reducción</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparar reducciones</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Presupuesto por sorteo</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Mejor &amp;probabilidad de:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Probabilidad comparada</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Elige la reducción seleccionada en la página de reducciones</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Mejor reducción dentro del presupuesto</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Estado del cálculo</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Reducciones comparadas</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Mejor reducción para cada cantidad de números</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Mejor reducción</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Cálculo detenido.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>cualquier premio</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>la categoría %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Como máximo </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 por sorteo</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; todas las reducciones para %3 números%4, calculadas sobre todos los sorteos posibles.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, una apuesta %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; el precio de una apuesta no se conoce, así que los costes están en apuestas</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>No se pueden leer las reducciones: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Reducción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Coste (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Cualquier premio</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Retorno por sorteo</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Retorno por unidad</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Calculando %1 reducciones…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Calculando %1 reducciones más…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, todas las combinaciones</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, la tuya</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>no se puede calcular</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>supera el presupuesto</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>la mejor dentro del presupuesto</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>No se pueden leer las reducciones para otras cantidades: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Cuántos números jugar:&lt;/b&gt; la mejor reducción dentro de %1 para cada cantidad de números (las cifras valen para cualquier grupo de números de ese tamaño)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; calculando…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (la tuya)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>ninguna reducción dentro del presupuesto</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>calculando %1 de %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Todas las combinaciones de tus números no están guardadas como reducción, así que no se pueden elegir en la página de reducciones.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 por sorteo</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 o más aciertos</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>clave %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (todas las combinaciones)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (la tuya)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n apuesta</numerusform>
            <numerusform>%n apuestas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n apuesta</numerusform>
            <numerusform>%1, %n apuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>No hay ninguna reducción guardada para estos números.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Ninguna reducción cabe en %1: la más barata cuesta %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Aún no se ha podido calcular ninguna reducción dentro de %1.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: supera el presupuesto; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: mejor probabilidad de %2 dentro de %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n otra reducción igual de buena cuesta lo mismo)</numerusform>
            <numerusform> (otras %n reducciones igual de buenas cuestan lo mismo)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>No se encontró ninguna reducción en el tiempo dado.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Una apuesta debe tener al menos un número.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Elige de %1 a 99 números para apuestas de %2.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Se pueden crear reducciones de hasta %1 números.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>En una garantía «x if y», x debe ser al menos 1 y como máximo y.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Una garantía «x if y» para apuestas de %1 números necesita una y de %1 como máximo.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>La reducción debe admitir al menos una apuesta.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>El tiempo de búsqueda debe ser de más de 0 segundos y de un día como máximo.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>El número de hilos debe ir de 1 a 1024 (o 0 para todos los núcleos).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Una reducción con clave de todas las combinaciones de %1 de %2 números</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Todas las combinaciones de %1 de %2 números</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 son %2 apuestas, más de las %3 permitidas.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 son %2 apuestas, más de las que Wheelwright puede crear (%3).</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Crear una reducción</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright parte de la mejor reducción que conoce, busca una con menos apuestas y comprueba su garantía sorteo a sorteo antes de ofrecerla.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Reducción de tipo A</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Reducción con clave (tu clave en cada apuesta)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Aciertos garantizados</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Números sorteados entre los tuyos</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Números:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garantía:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>Como &amp;máximo:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Cota inferior:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 por apuesta</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>ninguna reducción así tiene menos de %1 apuestas</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>al menos %1 apuestas: más de las %2 que permites</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Buscar me&amp;nos</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> ¿Buscar menos?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Ninguna reducción puede tener menos.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Tu biblioteca ya tiene esta reducción con %1 apuestas; está en la lista de reducciones. Una búsqueda parte de ella y solo guarda una nueva si tiene menos.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright incluye esta reducción con %1 apuestas; está en la lista de reducciones. Una búsqueda parte de ella.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Deteniendo y comprobando la mejor reducción hasta ahora…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Buscando… quedan %1 s</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Mejor hasta ahora: %1 apuestas (cota inferior %2). Quedan %3 s.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Comprobada: %1 con %2 números en %3 apuestas%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, el mínimo que puede tener una reducción</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Detenida antes de encontrar ninguna reducción.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Se detuvo la búsqueda. ¿Guardar la mejor reducción encontrada hasta ahora (%1 apuestas, comprobada)?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Guardada: %1 con %2 apuestas.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Detenida; no se guardó nada.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n número principal</numerusform>
            <numerusform>%n números principales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n extra</numerusform>
            <numerusform> + %n extra</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Probabilidades exactas de esta reducción, calculadas sobre todos los sorteos posibles</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Tabla de probabilidades</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Categorías de premio:&lt;/b&gt; la probabilidad por sorteo de que al menos una de tus apuestas gane cada una (una apuesta cuenta solo en su mejor categoría)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Categorías de premio</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Estado de las categorías</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Probabilidades por categoría</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Cada fila: una categoría de premio, su premio, la probabilidad de que al menos una apuesta la gane y las apuestas esperadas en ella por sorteo</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Cualquier premio y el retorno fijo</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Calculando las probabilidades de “%1”…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>No se pueden calcular las probabilidades de “%1”: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Las categorías de premio de esta lotería no se conocen: solo se calculan los aciertos de arriba.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Calculando la probabilidad de cada categoría de premio…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>No se pueden calcular las categorías de premio: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Al menos una apuesta</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Apuestas por sorteo</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>La probabilidad por sorteo de que al menos una de tus apuestas gane esta categoría</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Cuántas de tus apuestas ganan esta categoría por sorteo, de media</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Cualquier premio:&lt;/b&gt; al menos una apuesta gana una categoría en el %1 de los sorteos%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Premios fijos:&lt;/b&gt; devuelven %1 por sorteo de media</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, frente a un coste de %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Las categorías con premios a repartir no están en este retorno.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Ninguna categoría paga un importe fijo, así que no se calcula ningún retorno por sorteo; los premios a repartir dependen del bote y de los acertantes.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Calculado sin números extra: ninguna apuesta gana aquí una categoría que los necesite.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Calculado con los números extra repartidos entre las apuestas tal como se juegan.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Tuyos sorteados</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Cada fila: cuántos de los números sorteados están entre los tuyos, qué probabilidad tiene eso y, para cada columna b, la probabilidad de que tu mejor apuesta acierte entonces al menos b de ellos.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>La garantía “%1”</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>la garantía</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Cualquier sorteo</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Probabilidades exactas de “%1” con %2 números: %3, %4 de %5 sorteados</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n apuesta</numerusform>
            <numerusform>%n apuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Cuántos de los números sorteados están entre los tuyos</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Reducción con clave: las filas cuentan los sorteos que contienen tu número clave (%1 de todos los sorteos); la última fila cuenta todos los sorteos.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Resaltada: la garantía “%1”. Cuando %2 de los números sorteados están entre los tuyos%3, tu mejor apuesta acierta al menos %4 de ellos: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, uno de ellos la clave</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>El premio más bajo de esta lotería no se conoce aquí.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>El premio más bajo se gana solo con el número extra; estas probabilidades cuentan solo los números principales.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>La probabilidad del premio más bajo (%1) no se calcula aquí.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Al menos un premio:&lt;/b&gt; alguna apuesta gana el premio más bajo (%1)%2 en el %3 de los sorteos%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, contando solo los números principales,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Apuestas por sorteo, de media, con exactamente  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Probabilidad por sorteo de al menos cada número de aciertos</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Por sorteo, tu mejor apuesta acierta al menos:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Página de reducciones</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Elige una reducción para tus números</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Crear una reducción…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Buscar y comprobar una reducción propia para los números elegidos</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Comparar reducciones…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Todas las reducciones para tus números, una al lado de otra: coste, probabilidades y la mejor dentro de un presupuesto</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparar reducciones</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Sorteos anteriores…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Cómo le habría ido a la reducción elegida con tus números en los sorteos guardados</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Sorteos anteriores</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Cómo leer una reducción…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” significa: si 4 de los números sorteados están entre los tuyos, al menos una apuesta tiene 3 de ellos.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Tipo de reducción</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Reducciones de tipo A</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Elige una &amp;reducción (garantía y número de apuestas):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Reducción</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>No hay ninguna reducción de tipo A guardada para esta cantidad de números. Prueba las reducciones con clave, o elige más o menos números.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Reducciones con clave</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>Número &amp;clave:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Número clave</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Cada apuesta de una reducción con clave lleva tu número clave.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>No hay ninguna reducción con clave guardada para esta cantidad de números. Prueba las reducciones de tipo A, o elige más o menos números.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Formato de apuesta</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Precio por apuesta:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Precio por apuesta</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Precio por apuesta: desconocido - escríbelo</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Escribe el precio de una apuesta como número, por ejemplo 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Coste: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>No se pueden calcular las probabilidades de “%1”: la reducción está dañada (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>su línea %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>tiene %1 líneas donde la lista de reducciones promete %2</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>su nombre contiene caracteres que no son texto</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>nombra la posición %1 dos veces</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>nombra una posición fuera de tu selección</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>tiene %1 posiciones donde una apuesta tiene %2</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>no contiene la posición 01 del número clave</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>no está en tu biblioteca de reducciones</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>ya no está en tu biblioteca de reducciones</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>su garantía %1 no se lee como «x if y»</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>no cumple su garantía (%1)</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>No se pueden guardar tus propias reducciones: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n apuesta x %1 = %2</numerusform>
            <numerusform>%n apuestas x %1 = %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: German writes &quot;%1 %&quot;, Turkish &quot;%%1&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <extracomment>A chance: &quot;1 in 57&quot;.</extracomment>
        <translation>1 entre %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Reducciones</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Cómo leer una reducción&lt;/h3&gt;&lt;p&gt;Una entrada como &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; dice: si 4 de los números sorteados están entre los números que elegiste, al menos una de las 12 apuestas tiene 3 de ellos. El número de apuestas es lo que te cuesta la reducción.&lt;/p&gt;&lt;h3&gt;Reducciones de tipo A&lt;/h3&gt;&lt;p&gt;Reparten todos tus números por igual; la garantía se cumple para cualesquiera números sorteados entre los tuyos.&lt;/p&gt;&lt;h3&gt;Reducciones con clave&lt;/h3&gt;&lt;p&gt;Ponen tu número clave (el primer número que elegiste) en cada apuesta. La garantía se cumple cuando sale la clave, y una reducción con clave necesita muchas menos apuestas.&lt;/p&gt;&lt;h3&gt;Reducciones completas&lt;/h3&gt;&lt;p&gt;Una reducción como &lt;b&gt;6 if 6&lt;/b&gt; juega todas las combinaciones de tus números, como una apuesta múltiple: el premio mayor es seguro si todos los números sorteados son tuyos, al precio más alto.&lt;/p&gt;&lt;p&gt;La lista muestra primero la reducción más barata. Una reducción solo aparece si ninguna otra para tus números promete lo mismo con tan pocas apuestas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Acerca de las reducciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
