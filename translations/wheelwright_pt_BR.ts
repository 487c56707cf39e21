<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Sobre o Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>O Wheelwright distribui os números que você quer jogar no menor número de jogos possível, com uma garantia que se cumpre: o fechamento de loteria. Cada fechamento oferecido é verificado linha por linha antes de ser publicado.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior. Vem sem nenhuma garantia; nenhum fechamento pode prometer um prêmio.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Estes jogos não podem ser abertos.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>O Wheelwright não conhece loterias do país &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>O Wheelwright não conhece a loteria &quot;%1&quot; de %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 jogos</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Os jogos não puderam ser impressos: a impressora não pode ser usada.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: não foi possível criar o PDF.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Escolha uma loteria</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>A loteria &quot;%1&quot; de %2 não está na base de fechamentos.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Escolha pelo menos %1 números</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Escolha pelo menos %n número bônus</numerusform>
            <numerusform>Escolha pelo menos %n números bônus</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Não foi possível guardar o fechamento na sua biblioteca: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Você precisa escolher uma opção x if y!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>O fechamento &quot;%1&quot; para %2 números está danificado: %3. Nenhum jogo foi gerado com ele.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Tem certeza de que quer sair?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>O Wheelwright usará este idioma a partir da próxima vez que for aberto.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Bônus aleatório</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Limpar bônus</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Grade de números bônus</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Deixe o programa escolher um número bônus para você</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Devolver todos os números bônus escolhidos</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Dígito bônus</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>O bônus desta loteria é um dígito de 0 a 9 que vem no bilhete ou que você marca no volante; ele não é escolhido aqui, e os jogos levam só os números principais.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Números bônus: escolha de 1 a %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Cada jogo leva 1 número bônus. Escolha um, ou vários para distribuí-los por igual entre os jogos.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Cada jogo leva %1 números bônus. Escolha pelo menos %1; os demais são distribuídos por igual entre os jogos.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bônus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bônus: nenhum escolhido</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bônus: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>Sua loteria, alterada %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Sua loteria</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Dados de %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Gráfico de custo contra chance</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Um ponto por fechamento; a tabela acima traz os mesmos valores</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Nenhum fechamento calculado ainda</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Chance de %1 por sorteio</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (escala em passos de dez vezes)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Custo por sorteio (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, escala em passos de dez vezes</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Erro: falha ao preparar a consulta, com a mensagem &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>A base de fechamentos data.sqlite3 está faltando: ela não está em %1 nem em %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>A base de fechamentos %1 está faltando.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>A base de fechamentos %1 não pode ser aberta.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>A base de fechamentos %1 não pode ser lida: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Erro: não foi possível ler a base de fechamentos até o fim: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acerto</numerusform>
            <numerusform>%n acertos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n acerto bônus</numerusform>
            <numerusform>%n acertos bônus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 bônus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>&quot;%1&quot; não é um número da loteria</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>nenhum número sorteado foi informado</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 está fora dos números de 1 a %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 foi sorteado duas vezes</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n número é sorteado nesta loteria, %1 informados</numerusform>
            <numerusform>%n números são sorteados nesta loteria, %1 informados</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>esta loteria não sorteia números complementares além dos números bônus</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>o número complementar %1 está fora dos números de 1 a %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>o número complementar %1 também é um dos números principais sorteados</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>o número complementar %1 foi sorteado duas vezes</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n número complementar é sorteado nesta loteria, %1 informados</numerusform>
            <numerusform>%n números complementares são sorteados nesta loteria, %1 informados</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>os jogos desta loteria não têm dígito próprio</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>seu dígito %1 não está entre 0 e %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>esta loteria não sorteia números bônus</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>o número bônus %1 está fora dos números de %2 a %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>o número bônus %1 também é um dos números principais sorteados</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>o número bônus %1 foi sorteado duas vezes</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n número bônus é sorteado nesta loteria, %1 informados</numerusform>
            <numerusform>%n números bônus são sorteados nesta loteria, %1 informados</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>os números bônus</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>os números complementares</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>o dígito sorteado</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>seu dígito</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 não foram digitados</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 não foi digitado</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>os jogos não têm números bônus</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>sem prêmio</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 se o bônus acertar, senão %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n jogo ganha %1</numerusform>
            <numerusform>%n jogos ganham %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n ganha %1</numerusform>
            <numerusform>%n ganham %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Nenhum jogo ganha prêmio</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n jogo não foi avaliado: %1</numerusform>
            <numerusform>; %n jogos não foram avaliados: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>prêmios rateados</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>prêmios desconhecidos aqui</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>os jogos não avaliados</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>nenhum acerto</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 com %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>nenhum jogo</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Nenhum jogo chega à menor faixa (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n jogo chega à menor faixa (%1)</numerusform>
            <numerusform>%n jogos chegam à menor faixa (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n acerto: %1</numerusform>
            <numerusform>%n acertos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bônus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complementar %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Conferir um sorteio</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteria</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Digite os números sorteados, separados por espaços ou vírgulas.</translation>
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
        <translation>Números &amp;bônus:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>pode ficar vazio</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Números bônus</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Problema com o sorteio</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Jogos por número de acertos</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Menor faixa</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Marcar os acertos de cada jogo com este sorteio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Números complementares</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>Números &amp;complementares:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Seu dígito</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 a 9, o dígito do seu bilhete</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>Seu &amp;dígito:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Faixas ganhas</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Prêmio de cada jogo</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Digite os %1 números sorteados (1 a %2), separados por espaços ou vírgulas.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> O número bônus é o dígito sorteado (0 a %1); o dígito próprio dos seus jogos vai ao lado.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Os números bônus vêm do seu próprio universo (1 a %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Os números bônus ou complementares são sorteados entre os mesmos números.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Os números complementares são sorteados entre os mesmos números que os principais.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Eles podem ficar de fora.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bônus (dígito sorteado):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>Número &amp;bônus:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Complementar (bola bônus):</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Números sorteados: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Números bônus: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Números complementares: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Seu dígito: digite um dígito, de 0 a 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Sorteio: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bônus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complementar %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, seu dígito %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Digite também os números bônus para ver quais jogos chegam à menor faixa.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Os jogos não têm números bônus, então a menor faixa não pode ser avaliada.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>As faixas de prêmio desta loteria não são conhecidas aqui.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Jogo %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Não usado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Número principal</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Número bônus</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complementar</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>ele contém dados binários, não linhas de texto: não é um arquivo de resultados</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 não foi lido: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 não pôde ser lido de novo desde o início.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Nenhuma linha de %1 pode ser lida como uma data e os números sorteados: diga o que cada coluna contém.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>a linha tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>a linha não é texto</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n coluna encontrada, %1 esperadas</numerusform>
            <numerusform>%n colunas encontradas, %1 esperadas</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>&quot;%1&quot; não é uma data</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>a coluna %1 está vazia</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>&quot;%1&quot; não é um número da loteria</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>o sorteio de %1 já está na linha %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Nenhuma linha de %1 é um sorteio desta loteria (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n linha inválida</numerusform>
            <numerusform>%n linhas inválidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 não pode ser aberto: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 não foi lido: ele tem %2 MB, e um arquivo de resultados não passa de %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Os resultados não foram lidos: mais de %1 MB não é um arquivo de resultados.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Os resultados</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e mais %1</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Nenhum sorteio adicionado</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n sorteio adicionado</numerusform>
            <numerusform>%n sorteios adicionados</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 já guardados</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n data já tem outros números, mantidos como estavam: %1</numerusform>
            <numerusform>; %n datas já têm outros números, mantidos como estavam: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 não avaliados</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acerto</numerusform>
            <numerusform>%n acertos</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Sorteios: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Jogos feitos: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Custo: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Custo: desconhecido (sem preço do jogo)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>prêmios rateados</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>prêmios desconhecidos aqui</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n jogo não avaliado</numerusform>
            <numerusform>%n jogos não avaliados</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Faixas de prêmio: desconhecidas aqui; jogos por número de acertos:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Qualquer prêmio</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 ou mais acertos</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Sorteios anteriores</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Sorteios anteriores</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>primeiro sorteio</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Data inicial</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>último sorteio</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Data final</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Conferir</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Conferir os sorteios entre as datas</translation>
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
        <translation>Sorteios</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Melhor acerto</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Jogos premiados</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Prêmios fixos</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 jogos de %2, %3 contra os sorteios guardados</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Informe as datas como 2026-12-05, ou deixe-as vazias para todos os sorteios.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Nenhum sorteio desta loteria está guardado entre estas datas: importe um arquivo de resultados.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Conferindo %1 sorteios…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Clique duas vezes em um sorteio para ver cada jogo na conferência desse sorteio.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Melhor acerto por sorteio</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n sorteio; o melhor acerto é %1</numerusform>
            <numerusform>%n sorteios; o melhor acerto de todos é %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>O que os sorteios deram, ao lado das chances exatas</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Sorteios anteriores ao lado das chances exatas</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Sorteios
premiados</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Chance exata
por sorteio</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Jogos passados
por sorteio</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Jogos esperados
por sorteio</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Calculando as chances exatas destes jogos…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Não é possível calcular as chances exatas destes jogos: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>nenhum sorteio</translation>
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
        <translation>Prêmios fixos: %1 esperados por sorteio.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Prêmios fixos por sorteio: %1 ganhos nestes sorteios, %2 esperados.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 jogos cuja faixa depende de números que os resultados não informam não estão em nenhuma linha.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Formato de jogo %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Ajuda do Wheelwright</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A página de ajuda welcome.html está faltando nesta instalação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>A ajuda abaixo está em inglês.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principais</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complementar</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prêmio</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
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
        <translation>Loterias</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Loterias do país</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>&amp;Nova loteria</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Nova loteria</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Copiar a loteria original para editar</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Excluir ou restaurar a loteria</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Exportar a loteria para um arquivo</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Importar loterias de um arquivo</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: problema</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>N&amp;ome:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Universo:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Universo</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Números por &amp;jogo:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Números por jogo</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>Sor&amp;teados:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Números sorteados</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Comp&amp;lementares sorteados:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Números complementares sorteados</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Universo &amp;bônus:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Universo bônus</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Bônus sortea&amp;dos:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Números bônus sorteados</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>P&amp;reço:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Preço de um jogo</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Moeda:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>F&amp;aixas de prêmio, da maior para a menor:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Faixas de prêmio</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Faixas de prêmio: problema</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Adicionar &amp;faixa</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Adicionar uma faixa de prêmio</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Remover faixa</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Remover a faixa de prêmio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Salvar a loteria</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>Restaurar ori&amp;ginal</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, no lugar dos dados originais</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Copie-a para editar.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Faixa %1: %2 precisa ser um número inteiro</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Faixa %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>A loteria não foi salva: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Salva. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Esquecer seus dados de &quot;%1&quot; e voltar a usar os originais?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Excluir sua loteria &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Uma cópia dos dados originais: mantenha o nome para usá-la no lugar da loteria original.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Uma nova loteria de %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Exportar a loteria</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Arquivos de loteria (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 não pôde ser gravado: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportada para %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 não pôde ser lido: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Nenhuma loteria foi importada: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>o arquivo não contém nenhuma</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Nenhuma outra loteria foi importada: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 importadas de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n loteria</numerusform>
            <numerusform>%n loterias</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Importar uma loteria</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 precisa ser um número inteiro</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>uma faixa é nome, principais, complementares, bônus, prêmio, moeda</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>os %1 acertos da faixa precisam ser um número inteiro</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>contém um byte NUL</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Página da loteria</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Escolha seu país e depois a loteria que você joga.</translation>
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
        <translation>&amp;Loterias:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loterias</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Clique em uma loteria e depois em Próximo para marcar seus números.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteria</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Quando os dados da loteria foram lidos</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;oterias...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Loterias: adicionar, copiar ou editar as suas</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(sua)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>sua loteria</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>&quot;%1&quot; não é um país oferecido pelo programa</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>a loteria precisa de um nome</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>o nome tem mais de 80 bytes</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>o nome contém um caractere que não é impresso</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>o nome começa ou termina com um espaço</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>o universo tem de 2 a 99 números</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>um jogo tem pelo menos 1 número</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>um jogo tem 1 número, então o universo precisa de pelo menos %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>um jogo tem %1 números, então o universo precisa de pelo menos %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>o sorteio tira de 1 a %1 números de um universo de %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>depois de sortear 1 número, restam %1 no universo para os números complementares</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>depois de sortear %1 números, restam %2 no universo para os números complementares</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>o universo bônus tem de 0 (nenhum) a 99 números</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>não há universo bônus, então nenhum número bônus é sorteado</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>o universo bônus de %1 dá de 1 a %2 números bônus</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>os acertos principais e bônus da menor faixa são informados juntos ou não são informados</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>a menor faixa precisa de 0 a %1 acertos principais</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>a menor faixa precisa de 0 a %1 acertos bônus</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>a menor faixa não pode dispensar todos os acertos</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>um preço é um valor como 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>um preço é mais do que nada</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>um preço precisa da sua moeda</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>uma moeda precisa de um preço</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>a moeda é um código de três letras como EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>o mês é escrito como 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>a faixa precisa de um nome de 1 a 80 bytes</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>o nome da faixa contém uma vírgula ou um caractere que não é impresso</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>principais precisa ser um número inteiro de 0 a %1 para &quot;%2&quot;</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>complementares precisa ser um número inteiro de 0 a %1 para &quot;%2&quot;</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>bônus precisa ser um número inteiro de 0 a %1 para &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>um jogo tem %1 números: não pode acertar %2 principais e %3 complementares</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>uma faixa não pode dispensar todos os acertos</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>uma moeda só acompanha um valor fixo</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>o prêmio precisa ser vazio, shared ou um valor com duas casas decimais como 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>um valor fixo precisa de um código de moeda de três letras (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>nenhum jogo pode chegar a &quot;%1&quot;: &quot;%2&quot; vem antes e fica com todos os jogos que chegariam lá</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>nenhum jogo pode chegar a &quot;%1&quot;: &quot;%2&quot; (linha %3) vem antes e fica com todos os jogos que chegariam lá</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>faixa &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Etapas</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Loteria</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Números</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Fechamento</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Jogos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Fechamentos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Próximo &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Gerar jogos</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Abrir um arquivo de jogos salvo</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Imprimir os jogos</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Visualizar impressão…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Ver as páginas antes de imprimir</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar P&amp;DF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Gravar as páginas impressas em um arquivo PDF</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exportar &amp;CSV…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Gravar os jogos para uma planilha, um número por célula</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>&amp;Ajuda do Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Fechamentos</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>&amp;Sobre o Wheelwright</translation>
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
        <translation>%1, escolhido</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, número fixo</translation>
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
        <translation>Loteria</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Grade da loteria</translation>
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
        <translation>Toque nos números da grade; o primeiro é seu número fixo</translation>
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
        <translation>Apagar último</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Retirar o último número escolhido</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Limpar todos os números escolhidos</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Mostrar em ordem crescente</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Escolha aleatória…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Deixe o programa sortear números para você</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Grade de números</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Você só pode retirar o número fixo limpando todos os números (botão &quot;Limpar&quot;)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Nenhum número para apagar</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Tem certeza de que quer limpar todos os números escolhidos?</translation>
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
        <translation>Escolha aleatória</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Quantos números o programa deve sortear para você?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Quantidade:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Seletor de quantidade</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Os números sorteados se juntam aos que você já escolheu; se nenhum foi escolhido, o primeiro vira o número fixo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; não é uma quantidade de números. Digite um número inteiro de %2 a %3.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Nenhum arquivo foi indicado para a biblioteca de fechamentos.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Sua biblioteca de fechamentos %1 não pode ser criada: a pasta %2 não pode ser criada.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Sua biblioteca de fechamentos %1 não pode ser usada: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Não foi possível iniciar uma nova biblioteca de fechamentos %1: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Sua biblioteca de fechamentos %1 não pode ser aberta: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>ela está danificada por dentro</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>não é uma biblioteca de fechamentos</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>A biblioteca de fechamentos não está aberta.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>O fechamento não cumpre sua garantia (%1); ele não foi guardado.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> O fechamento não foi guardado.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>A biblioteca de fechamentos não pode ser gravada: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Seus fechamentos não puderam ser lidos agora.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>suas tabelas não podem ser lidas</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>A biblioteca não está aberta; nenhum sorteio foi adicionado.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Nenhum sorteio foi adicionado.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Sua biblioteca %1 não pode ser gravada (%2); nenhum sorteio foi adicionado.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>A biblioteca não está aberta.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Os sorteios da sua biblioteca %1 não podem ser lidos: %2.</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save tickets</source>
        <translation>Salvar jogos</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Abrir jogos</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Arquivos de jogos (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
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
        <translation>A loteria %1 de %2 não pode ser jogada: a base de fechamentos não tem nenhum tamanho utilizável para ela (um universo de 2 a 99 números, e menos em um jogo).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>A loteria %1 de %2 não pode ser jogada: a base de fechamentos pede %3 números bônus de um universo bônus de %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>um jogo de %1 tem %2 números, este tem %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>O fechamento &quot;%1&quot; para %2 números está danificado: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>Os sorteios de &quot;%1&quot; de %2 não podem ser conferidos: a loteria não é conhecida aqui.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>suas loterias %1 não puderam ser lidas: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>não há lugar para guardar suas loterias</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 não pôde ser gravado: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Prêmios fixos ganhos: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (sem contar %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>rateado</translation>
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
        <translation>Arquivos de resultados (*.csv *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Sorteios de %1, %2 desde %3. Diga acima de cada coluna o que ela contém:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Primeiras linhas do arquivo</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>A coluna %1 contém</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>A primeira linha dá nome às colunas</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Linhas inválidas</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Importar as linhas válidas</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Não importar nada</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Escolha uma coluna de datas e as colunas dos números principais.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 sorteios, todas as linhas válidas.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 linhas válidas; %2, listadas abaixo, não serão importadas.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n linha inválida</numerusform>
            <numerusform>%n linhas inválidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Jogos como texto</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Texto dos jogos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>falta um %1 (dois separadores seguidos, ou um na ponta)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 é longo demais para um número de loteria</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 não é um número de loteria (eles começam em 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 aparece duas vezes neste jogo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>o arquivo está em UTF-8, mas os arquivos de jogos são gravados em UTF-16</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>não é um arquivo de jogos: ele não começa com uma marca de ordem de bytes UTF-16</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>o arquivo termina no meio de um caractere</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>esta linha não é texto UTF-16 válido</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>a linha está vazia</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>&quot; + &quot; aparece mais de uma vez neste jogo</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>nenhum número bônus vem depois de &quot; + &quot;</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>número bônus</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>o arquivo não contém jogos</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>há uma linha vazia entre os jogos</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>este jogo tem %n número, o primeiro tem %1</numerusform>
            <numerusform>este jogo tem %n números, o primeiro tem %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>este jogo tem %n número bônus, o primeiro tem %1</numerusform>
            <numerusform>este jogo tem %n números bônus, o primeiro tem %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>o arquivo é grande demais para ser um arquivo de jogos</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>o arquivo termina antes da linha &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>esperado &quot;%1&quot; aqui, encontrado %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>o número fixo %1 não é um número inteiro</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>o arquivo termina antes da linha vazia depois do número fixo</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>esperada uma linha vazia depois do número fixo, encontrado %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>o arquivo termina dentro desta linha: ele foi cortado</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>o número fixo %1 está fora dos números de 1 a %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 está fora dos números de 1 a %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>esta loteria não tem números bônus, mas o jogo tem</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>o número bônus %1 está fora dos números bônus de 1 a %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>o arquivo é grande demais para ser uma lista de jogos</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>o texto não é um arquivo de jogos UTF-16 nem linhas UTF-8</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>não é um arquivo comum, então não é lido como jogos</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>não pode ser aberto: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Página de jogos</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteria</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Total de jogos: 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Total de jogos</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Salvar os jogos como arquivo de texto</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Ver como texto</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Mostrar os jogos como texto</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Conferir um sorteio…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Digite os números sorteados e veja quais jogos acertam</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Conferir sorteios…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Conferir estes jogos com cada sorteio guardado da loteria</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Conferir sorteios</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Os jogos são salvos como texto UTF-16, que qualquer editor abre.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Total de jogos: %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Impresso em %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Fechamento: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Números jogados (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Número fixo: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Números bônus jogados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - jogos %2 a %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 jogos</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Imprimir jogos</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Não é possível imprimir: o módulo de impressão não pôde ser carregado (%1).</translation>
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
        <translation>Falha ao criar arquivo gravável, com a mensagem &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Jogo</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n acerto</numerusform>
            <numerusform>%n acertos</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + bônus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, prêmio</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>jogo %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, chega à menor faixa</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>&amp;Jogar este fechamento</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparar fechamentos</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Orçamento por sorteio</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Melhor &amp;chance de:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Chance comparada</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Escolhe o fechamento selecionado na página de fechamentos</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Melhor fechamento dentro do orçamento</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Situação do cálculo</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Fechamentos comparados</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Melhor fechamento para cada quantidade de números</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Melhor fechamento</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Cálculo interrompido.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>qualquer prêmio</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>a faixa %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>No máximo </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 por sorteio</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; todos os fechamentos para %3 números%4, calculados sobre todos os sorteios possíveis.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, um jogo %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; o preço de um jogo não é conhecido, então os custos estão em jogos</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Os fechamentos não podem ser lidos: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Fechamento</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Custo (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Qualquer prêmio</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Retorno por sorteio</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Retorno por unidade</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Calculando %1 fechamentos…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Calculando mais %1 fechamentos…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, todas as combinações</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, o seu</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>não pode ser calculado</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>acima do orçamento</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>melhor dentro do orçamento</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Os fechamentos para outras quantidades não podem ser lidos: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Quantos números jogar:&lt;/b&gt; o melhor fechamento dentro de %1 para cada quantidade de números (os valores valem para quaisquer números nessa quantidade)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; calculando…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (o seu)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>nenhum fechamento dentro do orçamento</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>calculando %1 de %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Todas as combinações dos seus números não estão guardadas como fechamento, então não podem ser escolhidas na página de fechamentos.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 por sorteio</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 ou mais acertos</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>fixo %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (todas as combinações)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (o seu)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n jogo</numerusform>
            <numerusform>%1, %n jogos</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Nenhum fechamento está guardado para estes números.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Nenhum fechamento cabe em %1: o mais barato custa %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Nenhum fechamento dentro de %1 pôde ser calculado ainda.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: acima do orçamento; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: melhor chance de %2 dentro de %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n outro fechamento tão bom custa o mesmo)</numerusform>
            <numerusform> (outros %n fechamentos tão bons custam o mesmo)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Nenhum fechamento foi encontrado no tempo dado.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Um jogo precisa ter pelo menos um número.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Escolha de %1 a 99 números para jogos de %2.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Fechamentos podem ser criados para até %1 números.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>Em uma garantia &quot;x if y&quot;, x precisa ser pelo menos 1 e no máximo y.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Uma garantia &quot;x if y&quot; para jogos de %1 números precisa de um y de no máximo %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>O fechamento precisa permitir pelo menos um jogo.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>O tempo de busca precisa ser maior que 0 segundos e de no máximo um dia.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>O número de threads precisa ser de 1 a 1024 (ou 0 para todos os núcleos).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Um fechamento com número fixo de todas as combinações de %1 em %2 números</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Todas as combinações de %1 em %2 números</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 são %2 jogos, mais do que os %3 permitidos.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 são %2 jogos, mais do que o Wheelwright consegue criar (%3).</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Criar um fechamento</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>O Wheelwright parte do melhor fechamento que conhece, busca um com menos jogos e então comprova sua garantia sorteio a sorteio antes de oferecê-lo.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Fechamento tipo A</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Fechamento com número fixo (seu número fixo em cada jogo)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Acertos garantidos</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Números sorteados entre os seus</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Números:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garantia:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>No &amp;máximo:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Limite inferior:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 por jogo</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>nenhum fechamento assim tem menos de %1 jogos</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>pelo menos %1 jogos: mais do que os %2 que você permite</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Buscar m&amp;enos</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Buscar menos?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Nenhum fechamento pode ter menos.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Sua biblioteca já tem este fechamento com %1 jogos; ele está na lista de fechamentos. Uma busca parte dele e só guarda um novo se tiver menos.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>O Wheelwright traz este fechamento com %1 jogos; ele está na lista de fechamentos. Uma busca parte dele.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Parando e comprovando o melhor fechamento até agora…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Buscando… faltam %1 s</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Melhor até agora: %1 jogos (limite inferior %2). Faltam %3 s.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Comprovado: %1 com %2 números em %3 jogos%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, o mínimo que um fechamento pode ter</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Interrompido antes de encontrar algum fechamento.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>A busca foi interrompida. Guardar o melhor fechamento encontrado até agora (%1 jogos, comprovado)?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Guardado: %1 com %2 jogos.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Interrompido; nada foi guardado.</translation>
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
            <numerusform>%n números principais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n bônus</numerusform>
            <numerusform> + %n bônus</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Probabilidades exatas deste fechamento, calculadas sobre todos os sorteios possíveis</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Tabela de probabilidades</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Faixas de prêmio:&lt;/b&gt; a chance por sorteio de que pelo menos um dos seus jogos ganhe cada uma (um jogo conta só na sua melhor faixa)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Faixas de prêmio</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Situação das faixas de prêmio</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Probabilidades por faixa</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Cada linha: uma faixa de prêmio, seu prêmio, a chance de que pelo menos um jogo a ganhe e os jogos esperados nela por sorteio</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Qualquer prêmio e o retorno fixo</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Calculando as probabilidades de “%1”…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>As probabilidades de “%1” não podem ser calculadas: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>As faixas de prêmio desta loteria não são conhecidas: só os acertos acima são calculados.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Calculando a chance de cada faixa de prêmio…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>As faixas de prêmio não podem ser calculadas: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prêmio</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Pelo menos um jogo</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Jogos por sorteio</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>A chance por sorteio de que pelo menos um dos seus jogos ganhe esta faixa</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Quantos dos seus jogos ganham esta faixa por sorteio, em média</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Qualquer prêmio:&lt;/b&gt; pelo menos um jogo ganha uma faixa em %1 dos sorteios%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Prêmios fixos:&lt;/b&gt; eles devolvem %1 por sorteio, em média</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, contra um custo de %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Faixas com prêmios rateados não entram neste retorno.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Nenhuma faixa paga um valor fixo, então nenhum retorno por sorteio é calculado; os prêmios rateados dependem da arrecadação e dos ganhadores.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Calculado sem números bônus: uma faixa que precisa de um não é ganha por nenhum jogo aqui.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Calculado com os números bônus distribuídos entre os jogos como são jogados.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Seus sorteados</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Cada linha: quantos dos números sorteados estão entre os seus, qual a chance disso e, para cada coluna b, a chance de que seu melhor jogo acerte então pelo menos b deles.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>A garantia “%1”</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>a garantia</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Qualquer sorteio</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Probabilidades exatas de “%1” com %2 números: %3, %4 de %5 sorteados</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Quantos dos números sorteados estão entre os seus</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Fechamento com número fixo: as linhas contam os sorteios que contêm seu número fixo (%1 de todos os sorteios); a última linha conta todos os sorteios.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Destacada: a garantia “%1”. Quando %2 dos números sorteados estão entre os seus%3, seu melhor jogo acerta pelo menos %4 deles: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, um deles o número fixo</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>A menor faixa desta loteria não é conhecida aqui.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>A menor faixa é ganha só com o número bônus; estas probabilidades contam só os números principais.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>A chance da menor faixa (%1) não é calculada aqui.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Pelo menos um prêmio:&lt;/b&gt; algum jogo ganha a menor faixa (%1)%2 em %3 dos sorteios%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, contando só os números principais,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Jogos por sorteio, em média, com exatamente  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Chance por sorteio de pelo menos cada número de acertos</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Por sorteio, seu melhor jogo acerta pelo menos:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Página de fechamentos</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Escolha um fechamento para seus números</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Criar um fechamento…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Buscar e comprovar um fechamento próprio para os números escolhidos</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Comparar fechamentos…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Todos os fechamentos para seus números lado a lado: custo, chances e o melhor dentro de um orçamento</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparar fechamentos</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Sorteios anteriores…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Como o fechamento escolhido com seus números teria se saído nos sorteios guardados</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Sorteios anteriores</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Como ler um fechamento…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” significa: se 4 dos números sorteados estão entre os seus, pelo menos um jogo tem 3 deles.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Tipo de fechamento</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Fechamentos tipo A</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Escolha um &amp;fechamento (garantia e número de jogos):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Fechamento</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Nenhum fechamento tipo A está guardado para esta quantidade de números. Tente os fechamentos com número fixo, ou escolha mais ou menos números.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Fechamentos com número fixo</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>&amp;Número fixo:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Número fixo</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Cada jogo de um fechamento com número fixo leva seu número fixo.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Nenhum fechamento com número fixo está guardado para esta quantidade de números. Tente os fechamentos tipo A, ou escolha mais ou menos números.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Formato de jogo</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Preço por jogo:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Preço por jogo</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Preço por jogo: desconhecido - informe-o</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Informe o preço de um jogo como número, por exemplo 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Custo: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>As probabilidades de “%1” não podem ser calculadas: o fechamento está danificado (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>sua linha %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>ele tem %1 linhas onde a lista de fechamentos promete %2</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>seu nome contém caracteres que não são texto</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vazia</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>cita a posição %1 duas vezes</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>cita uma posição fora da sua seleção</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>tem %1 posições onde um jogo tem %2</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>não contém a posição 01 do número fixo</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>ele não está na sua biblioteca de fechamentos</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>ele não está mais na sua biblioteca de fechamentos</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>sua garantia %1 não se lê como &quot;x if y&quot;</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>ele não cumpre sua garantia (%1)</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Seus próprios fechamentos não podem ser guardados: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n jogo x %1 = %2</numerusform>
            <numerusform>%n jogos x %1 = %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: German writes &quot;%1 %&quot;, Turkish &quot;%%1&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <extracomment>A chance: &quot;1 in 57&quot;.</extracomment>
        <translation>1 em %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Fechamentos</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Como ler um fechamento&lt;/h3&gt;&lt;p&gt;Uma entrada como &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; diz: se 4 dos números sorteados estão entre os números que você escolheu, pelo menos um dos 12 jogos tem 3 deles. O número de jogos é o que o fechamento custa para você.&lt;/p&gt;&lt;h3&gt;Fechamentos tipo A&lt;/h3&gt;&lt;p&gt;Distribuem todos os seus números por igual; a garantia vale para quaisquer números sorteados entre os seus.&lt;/p&gt;&lt;h3&gt;Fechamentos com número fixo&lt;/h3&gt;&lt;p&gt;Põem seu número fixo (o primeiro número que você escolheu) em cada jogo. A garantia vale quando o número fixo é sorteado, e um fechamento com número fixo precisa de bem menos jogos.&lt;/p&gt;&lt;h3&gt;Fechamentos completos&lt;/h3&gt;&lt;p&gt;Um fechamento como &lt;b&gt;6 if 6&lt;/b&gt; joga todas as combinações dos seus números: o prêmio principal é certo se todos os números sorteados forem seus, pelo preço mais alto.&lt;/p&gt;&lt;p&gt;A lista mostra primeiro o fechamento mais barato. Um fechamento só aparece se nenhum outro para seus números promete o mesmo com tão poucos jogos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Sobre os fechamentos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
