<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Over Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versie 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright verdeelt de getallen die je wilt spelen over zo weinig mogelijk rijen, met een garantie die standhoudt: systeemspel. Elk systeem dat het aanbiedt, is rij voor rij bewezen voordat het wordt meegeleverd.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Vrije software onder de GNU General Public License, versie 3 of later. Zonder enige garantie; geen systeem kan een prijs beloven.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Deze rijen kunnen niet worden geopend.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright kent geen loterijen van het land “%1”</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright kent de loterij “%1” van %2 niet</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Rijen voor %1</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>De rijen zijn niet afgedrukt: de printer is niet bruikbaar.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: de PDF kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Kies een loterij</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>De loterij “%1” van %2 staat niet in de systeemdatabase.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Kies minstens %1 getallen</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Kies minstens %n bonusgetal</numerusform>
            <numerusform>Kies minstens %n bonusgetallen</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Het systeem kon niet in je verzameling worden bewaard: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Je moet een xy-optie kiezen!!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>Het systeem “%1” voor %2 getallen is beschadigd: %3. Er zijn geen rijen van gemaakt.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Weet je zeker dat je wilt afsluiten?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright spreekt deze taal vanaf de volgende start.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Willekeurig bonusgetal</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Bonus wissen</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Raster van bonusgetallen</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Laat het programma een bonusgetal voor je kiezen</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Alle gekozen bonusgetallen terugnemen</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Bonuscijfer</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Het bonusgetal van deze loterij is een cijfer van 0 tot 9 dat op het lot staat of dat je op het formulier aankruist; het wordt hier niet gekozen, en de rijen bevatten alleen de hoofdgetallen.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Bonusgetallen: kies uit 1 tot %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Elke rij heeft 1 bonusgetal. Kies er één, of meerdere om ze gelijk over de rijen te verdelen.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Elke rij heeft %1 bonusgetallen. Kies er minstens %1; meer worden gelijk over de rijen verdeeld.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bonus: geen gekozen</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bonus: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>Jouw loterij, gewijzigd %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Jouw loterij</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Gegevens van %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Grafiek van kosten tegen kans</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Eén punt per systeem; de tabel erboven bevat dezelfde cijfers</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Nog geen systeem berekend</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Kans op %1 per trekking</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (schaal in stappen van tien)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Kosten per trekking (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, schaal in stappen van tien</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Fout: opdracht kon niet worden voorbereid, melding: ‘%1’.</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>De systeemdatabase data.sqlite3 ontbreekt: hij staat niet in %1 en niet in %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>De systeemdatabase %1 ontbreekt.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>De systeemdatabase %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>De systeemdatabase %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Fout: de systeemdatabase kon niet tot het einde worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n treffer</numerusform>
            <numerusform>%n treffers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n bonustreffer</numerusform>
            <numerusform>%n bonustreffers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 bonus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1” is geen lotto-getal</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>er zijn geen getrokken getallen opgegeven</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 ligt buiten de getallen 1 tot %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 is twee keer getrokken</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In deze loterij wordt %n getal getrokken, %1 opgegeven</numerusform>
            <numerusform>In deze loterij worden %n getallen getrokken, %1 opgegeven</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>deze loterij trekt naast de bonusgetallen geen reservegetallen</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>reservegetal %1 ligt buiten de getallen 1 tot %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>reservegetal %1 is ook een van de getrokken hoofdgetallen</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>reservegetal %1 is twee keer getrokken</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In deze loterij wordt %n reservegetal getrokken, %1 opgegeven</numerusform>
            <numerusform>In deze loterij worden %n reservegetallen getrokken, %1 opgegeven</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>de rijen van deze loterij hebben geen eigen cijfer</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>je cijfer %1 ligt niet tussen 0 en %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>deze loterij trekt geen bonusgetallen</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>bonusgetal %1 ligt buiten de getallen %2 tot %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>bonusgetal %1 is ook een van de getrokken hoofdgetallen</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>bonusgetal %1 is twee keer getrokken</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In deze loterij wordt %n bonusgetal getrokken, %1 opgegeven</numerusform>
            <numerusform>In deze loterij worden %n bonusgetallen getrokken, %1 opgegeven</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>de bonusgetallen</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>de reservegetallen</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>het getrokken cijfer</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>je cijfer</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 zijn niet ingevuld</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 is niet ingevuld</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>de rijen hebben geen bonusgetallen</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>geen prijs</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 als het bonusgetal klopt, anders %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n rij wint %1</numerusform>
            <numerusform>%n rijen winnen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n wint %1</numerusform>
            <numerusform>%n winnen %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Geen enkele rij wint een prijs</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n rij niet beoordeeld: %1</numerusform>
            <numerusform>; %n rijen niet beoordeeld: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>gedeelde prijzen</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hier onbekende prijzen</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>de niet beoordeelde rijen</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>geen treffers</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 met %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>geen rijen</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Geen rij haalt de laagste prijs (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n rij haalt de laagste prijs (%1)</numerusform>
            <numerusform>%n rijen halen de laagste prijs (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n treffer: %1</numerusform>
            <numerusform>%n treffers: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, reserve %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Trekking controleren</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterij</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Vul de getrokken getallen in, gescheiden door spaties of komma’s.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>&amp;Getrokken getallen:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Getrokken getallen</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>&amp;Bonusgetallen:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>mag leeg blijven</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Bonusgetallen</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Probleem met de trekking</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Rijen per aantal treffers</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Laagste prijs</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>De treffers van elke rij met deze trekking markeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Reservegetallen</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>&amp;Reservegetallen:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Jouw cijfer</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 tot 9, het cijfer op je lot</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Jouw cijfer:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Gewonnen prijsklassen</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Prijs per rij</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Vul de %1 getrokken getallen in (1 tot %2), gescheiden door spaties of komma’s.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Het bonusgetal is het getrokken cijfer (0 tot %1); het eigen cijfer van je rijen komt ernaast.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> De bonusgetallen komen uit een eigen bereik (1 tot %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> De bonus- of reservegetallen worden uit dezelfde getallen getrokken.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> De reservegetallen worden uit dezelfde getallen getrokken als de hoofdgetallen.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Ze mogen ontbreken.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bonus (getrokken cijfer):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>&amp;Bonusgetal:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Reservegetal:</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Getrokken getallen: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Bonusgetallen: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Reservegetallen: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Jouw cijfer: vul één cijfer in, 0 tot 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Trekking: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, reserve %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, jouw cijfer %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Vul ook de bonusgetallen in om te zien welke rijen de laagste prijs halen.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>De rijen hebben geen bonusgetallen, dus de laagste prijs kan niet worden beoordeeld.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>De prijsklassen van deze loterij zijn hier niet bekend.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Niet gebruikt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Hoofdgetal</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Bonusgetal</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Reservegetal</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>het bevat binaire gegevens, geen tekstregels: het is geen uitslagenbestand</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 is niet gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 kon niet opnieuw vanaf het begin worden gelezen.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Geen enkele regel van %1 leest als een datum met getrokken getallen: geef aan welke kolom wat bevat.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>de regel is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>de regel is geen tekst</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n kolom gevonden, %1 verwacht</numerusform>
            <numerusform>%n kolommen gevonden, %1 verwacht</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>“%1” is geen datum</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>kolom %1 is leeg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1” is geen lotto-getal</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>de trekking van %1 staat al op regel %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Geen enkele regel van %1 is een trekking van deze loterij (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n foute regel</numerusform>
            <numerusform>%n foute regels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is geen bestand.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 is niet gelezen: het is %2 MB, en een uitslagenbestand is nooit groter dan %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>De uitslagen zijn niet gelezen: meer dan %1 MB is geen uitslagenbestand.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>De uitslagen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… en nog %1</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Geen trekking toegevoegd</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n trekking toegevoegd</numerusform>
            <numerusform>%n trekkingen toegevoegd</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 al bewaard</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n datum heeft al andere getallen, bewaard gelaten: %1</numerusform>
            <numerusform>; %n datums hebben al andere getallen, bewaard gelaten: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 niet beoordeeld</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n treffer</numerusform>
            <numerusform>%n treffers</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Trekkingen: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Gekochte rijen: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kosten: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Kosten: onbekend (geen inzet per rij)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>gedeelde prijzen</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hier onbekende prijzen</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n rij niet beoordeeld</numerusform>
            <numerusform>%n rijen niet beoordeeld</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Prijsklassen: hier onbekend; rijen per aantal treffers:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Een prijs</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 of meer treffers</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Eerdere trekkingen</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Eerdere trekkingen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>eerste trekking</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Vanaf datum</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>laatste trekking</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Tot datum</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>De trekkingen tussen de datums controleren</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>Uitslagen &amp;importeren…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Uitslagen importeren</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Trekkingen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Getallen</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Beste treffer</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Winnende rijen</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Vaste prijzen</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 rijen van %2, %3 tegen de bewaarde trekkingen</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Geef de datums als 2026-12-05, of laat ze leeg voor alle trekkingen.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Tussen deze datums zijn geen trekkingen van deze loterij bewaard: importeer een uitslagenbestand.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>%1 trekkingen controleren…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Dubbelklik op een trekking om elke rij in de controle van die trekking te zien.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Beste treffer per trekking</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n trekking; de beste treffer van alle trekkingen is %1</numerusform>
            <numerusform>%n trekkingen; de beste treffer van alle trekkingen is %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Wat de trekkingen gaven, naast de exacte kansen</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Eerdere trekkingen naast de exacte kansen</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Eerdere trekkingen
gewonnen</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Exacte kans
per trekking</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Eerdere rijen
per trekking</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Verwachte rijen
per trekking</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>De exacte kansen van deze rijen worden geteld…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>De exacte kansen van deze rijen kunnen niet worden geteld: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffers</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>geen trekkingen</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 van %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 van %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Vaste prijzen: %1 per trekking verwacht.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Vaste prijzen per trekking: %1 gewonnen in deze trekkingen, %2 verwacht.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 rijen waarvan de klasse afhangt van getallen die de uitslagen niet geven, staan in geen enkele regel.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Rijformaat %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Wheelwright-help</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De helppagina welcome.html ontbreekt in deze installatie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>De help hieronder is in het Engels.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hoofd</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>&amp;Kopiëren om te bewerken</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporteren…</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loterijen</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Loterijen van het land</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>&amp;Nieuwe loterij</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Nieuwe loterij</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>De meegeleverde loterij kopiëren om te bewerken</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>De loterij verwijderen of terugzetten</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>De loterij naar een bestand exporteren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Loterijen uit een bestand importeren</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: probleem</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Bereik:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Bereik</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Getallen per &amp;rij:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Getallen per rij</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>&amp;Getrokken:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Getrokken getallen</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>R&amp;eservegetallen getrokken:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Getrokken reservegetallen</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Bon&amp;usbereik:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bonusbereik</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Bonusgetallen ge&amp;trokken:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Getrokken bonusgetallen</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>In&amp;zet:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Inzet per rij</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>V&amp;aluta:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>Prijsk&amp;lassen, beste eerst:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Prijsklassen</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Prijsklassen: probleem</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Kla&amp;sse toevoegen</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Een prijsklasse toevoegen</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Klasse verwijderen</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>De prijsklasse verwijderen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>De loterij opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>&amp;Herstellen naar origineel</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, in plaats van de meegeleverde gegevens</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Kopieer om te bewerken.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>een geheel getal</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Klasse %1: %2 moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Klasse %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>De loterij is niet bewaard: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Bewaard. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Je gegevens van “%1” vergeten en weer de meegeleverde gebruiken?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Je loterij “%1” verwijderen?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Een kopie van de meegeleverde gegevens: houd de naam om hem te gebruiken in plaats van de meegeleverde loterij.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Een nieuwe loterij van %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>De loterij exporteren</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Loterijbestanden (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Er is geen loterij geïmporteerd: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>het bestand bevat er geen</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Er zijn geen loterijen meer geïmporteerd: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 geïmporteerd uit %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n loterij</numerusform>
            <numerusform>%n loterijen</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Een loterij importeren</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>een klasse is naam, hoofd, reserve, bonus, prijs, valuta</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>de %1 treffers van de klasse moeten een geheel getal zijn</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>bevat een NUL-byte</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>is geen UTF-8-tekst</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Loterijpagina</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Kies je land en dan de loterij die je speelt.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Loterijen:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loterijen</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Klik op een loterij en druk dan op Volgende om je getallen aan te kruisen.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterij</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Wanneer de gegevens van de loterij zijn gelezen</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;oterijen…</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Loterijen: eigen loterijen toevoegen, kopiëren of bewerken</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(van jou)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>jouw loterij</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>“%1” is geen land dat het programma aanbiedt</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>de loterij heeft een naam nodig</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>de naam is langer dan 80 bytes</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>de naam bevat een teken dat niet afdrukbaar is</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>de naam begint of eindigt met een spatie</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>het bereik telt 2 tot 99 getallen</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>een rij bevat minstens 1 getal</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>een rij bevat 1 getal, dus het bereik moet minstens %1 tellen</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>een rij bevat %1 getallen, dus het bereik moet minstens %2 tellen</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>de trekking neemt 1 tot %1 getallen uit een bereik van %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>na trekking van 1 getal blijven er in het bereik %1 over voor reservegetallen</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>na trekking van %1 getallen blijven er in het bereik %2 over voor reservegetallen</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>het bonusbereik telt 0 (geen) tot 99 getallen</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>er is geen bonusbereik, dus er worden geen bonusgetallen getrokken</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>het bonusbereik van %1 geeft 1 tot %2 bonusgetallen</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>de hoofd- en bonustreffers van de laagste prijs worden samen gegeven of helemaal niet</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>de laagste prijs vraagt 0 tot %1 hoofdtreffers</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>de laagste prijs vraagt 0 tot %1 bonustreffers</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>de laagste prijs moet minstens één treffer vragen</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>een inzet is een bedrag zoals 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>een inzet is meer dan niets</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>een inzet heeft zijn valuta nodig</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>een valuta heeft een inzet nodig</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>de valuta is een code van drie letters zoals EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>de maand wordt geschreven als 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>de klasse heeft een naam van 1 tot 80 bytes nodig</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>de naam van de klasse bevat een komma of een teken dat niet afdrukbaar is</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>main moet een geheel getal van 0 tot %1 zijn voor “%2”</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>supplementary moet een geheel getal van 0 tot %1 zijn voor “%2”</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>bonus moet een geheel getal van 0 tot %1 zijn voor “%2”</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>een rij bevat %1 getallen: hij kan geen %2 hoofd- en %3 reservegetallen treffen</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>een klasse moet minstens één treffer vragen</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>een valuta hoort alleen bij een vast bedrag</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>prize moet leeg zijn, shared, of een bedrag met twee decimalen zoals 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>een vast bedrag heeft een valutacode van drie letters nodig (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>geen rij kan “%1” halen: “%2” komt eerst en neemt elke rij die het zou halen</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>geen rij kan “%1” halen: “%2” (regel %3) komt eerst en neemt elke rij die het zou halen</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>klasse “%1”: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Stappen</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Loterij</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Getallen</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Systeem</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Rijen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Systemen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Vorige</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Rijen maken</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Een bewaard rijenbestand openen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>De rijen afdrukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Afdruk&amp;voorbeeld…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>De afgedrukte pagina’s bekijken voor het afdrukken</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporteren als &amp;PDF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>De afgedrukte pagina’s naar een PDF-bestand schrijven</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exporteren als &amp;CSV…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>De rijen voor een rekenblad schrijven, één getal per cel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>Wheelwright-&amp;help</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Systemen</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>&amp;Over Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, gekozen</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, bankgetal</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Getallenpagina</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterij</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Raster van de loterij</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Getallen:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Getallen</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Tik getallen aan in het raster; het eerste is je bankgetal</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Totaal getallen: 0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Totaal getallen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Het laatst gekozen getal terugnemen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Alle gekozen getallen wissen</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Oplopend tonen</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Willekeurig kiezen…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Laat het programma getallen voor je trekken</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Getallenraster</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Je kunt het bankgetal alleen verwijderen door alle getallen te wissen (knop ‘Wissen’)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Geen getal om terug te nemen</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Weet je zeker dat je alle gekozen getallen wilt wissen?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Totaal getallen: %1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Willekeurig kiezen</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Hoeveel getallen moet het programma voor je trekken?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Aantal:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Aantalknop</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Getrokken getallen komen bij de getallen die je al koos; bij een lege keuze wordt het eerste getal het bankgetal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>“%1” is geen aantal getallen. Vul een geheel getal van %2 tot %3 in.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Er is geen bestand opgegeven voor de systeemverzameling.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Je systeemverzameling %1 kan niet worden gemaakt: de map %2 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Je systeemverzameling %1 kan niet worden gebruikt: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Een nieuwe systeemverzameling %1 kon niet worden begonnen: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Je systeemverzameling %1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>hij is van binnen beschadigd</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>het is geen systeemverzameling</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>De systeemverzameling is niet geopend.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Het systeem houdt zijn garantie (%1) niet; het is niet bewaard.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Het systeem is niet bewaard.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>De systeemverzameling kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> De systemen konden nu niet worden gelezen.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>de tabellen kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>De verzameling is niet geopend; er is geen trekking toegevoegd.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Er is geen trekking toegevoegd.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Je verzameling %1 kan niet worden geschreven (%2); er is geen trekking toegevoegd.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>De verzameling is niet geopend.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>De trekkingen in je verzameling %1 kunnen niet worden gelezen: %2.</translation>
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
        <translation>Rijen opslaan</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Rijen openen</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Rijenbestanden (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>De loterij %1 van %2 kan niet worden gespeeld: de systeemdatabase bevat er geen bruikbare grootte voor (een bereik van 2 tot 99 getallen, en minder per rij).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>De loterij %1 van %2 kan niet worden gespeeld: de systeemdatabase vraagt %3 bonusgetallen uit een bonusbereik van %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>een rij van %1 bevat %2 getallen, deze bevat er %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>Het systeem “%1” voor %2 getallen is beschadigd: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>De trekkingen van “%1” van %2 kunnen niet worden gecontroleerd: de loterij is hier niet bekend.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>je loterijen %1 konden niet worden gelezen: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>er is geen plek om je loterijen te bewaren</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Gewonnen vaste prijzen: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (zonder %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>gedeeld</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Uitslagen importeren</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Uitslagenbestanden (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Uitslagen importeren</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Trekkingen van %1, %2 uit %3. Geef boven elke kolom aan wat die bevat:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Eerste regels van het bestand</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>Kolom %1 bevat</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>De eerste regel noemt de kolommen</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Foute regels</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>De goede regels importeren</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Niets importeren</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Kies één kolom met datums en de kolommen van de hoofdgetallen.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 trekkingen, elke regel in orde.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 goede regels; %2, hieronder vermeld, worden niet geïmporteerd.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n foute regel</numerusform>
            <numerusform>%n foute regels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Rijen als tekst</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Tekst van de rijen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>er ontbreekt een %1 (twee scheidingstekens achter elkaar, of één aan een uiteinde)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is geen getal</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 is te lang voor een lotto-getal</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 is geen lotto-getal (ze beginnen bij 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 komt twee keer voor in deze rij</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>het bestand is UTF-8, maar rijenbestanden worden in UTF-16 geschreven</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>geen rijenbestand: het begint niet met een UTF-16-byte-order-mark</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>het bestand is midden in een teken afgebroken</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>deze regel is geen geldige UTF-16-tekst</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>de regel is leeg</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>“ + ” komt meer dan eens voor in deze rij</translation>
    </message>
    <message>
        <source>number</source>
        <translation>getal</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>er volgen geen bonusgetallen na “ + ”</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>bonusgetal</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>het bestand bevat geen rijen</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>er staat een lege regel tussen de rijen</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>deze rij heeft %n getal, de eerste heeft er %1</numerusform>
            <numerusform>deze rij heeft %n getallen, de eerste heeft er %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>deze rij heeft %n bonusgetal, de eerste heeft er %1</numerusform>
            <numerusform>deze rij heeft %n bonusgetallen, de eerste heeft er %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>het bestand is te groot voor een rijenbestand</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>het bestand eindigt voor de regel “%1”</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>hier werd “%1” verwacht, gevonden: %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>het bankgetal %1 is geen geheel getal</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>het bestand eindigt voor de lege regel na het bankgetal</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>na het bankgetal werd een lege regel verwacht, gevonden: %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>het bestand eindigt binnen deze regel: het is afgekapt</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>het bankgetal %1 ligt buiten de getallen 1 tot %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 ligt buiten de getallen 1 tot %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>deze loterij heeft geen bonusgetallen, maar de rij bevat er wel</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>bonusgetal %1 ligt buiten de bonusgetallen 1 tot %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>het bestand is te groot voor een lijst van rijen</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>de tekst is geen UTF-16-rijenbestand en ook geen UTF-8-regels</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>is geen gewoon bestand, dus het wordt niet als rijen gelezen</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Rijenpagina</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterij</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Totaal rijen: 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Totaal rijen</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Opslaan…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>De rijen als tekstbestand opslaan</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Tekstweergave</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>De rijen als tekst tonen</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Trekking controleren…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Vul de getrokken getallen in en zie welke rijen ze treffen</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Trekkingen controleren…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Deze rijen controleren tegen elke bewaarde trekking van de loterij</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Trekkingen controleren</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Rijen worden opgeslagen als UTF-16-tekst die elke editor opent.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Totaal rijen: %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Afgedrukt %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Systeem: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Gespeelde getallen (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Bankgetal: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Gespeelde bonusgetallen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - rijen %2 tot %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Rijen voor %1</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Rijen afdrukken</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Afdrukken is niet mogelijk: de afdrukmodule kon niet worden geladen (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Kon geen schrijfbaar bestand maken, melding: ‘%1’.</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Rij</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n treffer</numerusform>
            <numerusform>%n treffers</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + bonus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, prijs</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>rij %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, haalt de laagste prijs</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>Dit systeem &amp;spelen</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Systemen vergelijken</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Budget per trekking</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Beste &amp;kans op:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Vergeleken kans</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Kiest het geselecteerde systeem op de systeempagina</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Beste systeem binnen het budget</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Stand van de berekening</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Vergeleken systemen</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Beste systeem per aantal getallen</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Getallen</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Beste systeem</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Berekening gestopt.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>een prijs</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>de klasse %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Hoogstens </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 per trekking</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; elk systeem voor %3 getallen%4, berekend over alle mogelijke trekkingen.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, een rij %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; de inzet per rij is onbekend, dus de kosten staan in rijen</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>De systemen kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Kosten (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Een prijs</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Opbrengst per trekking</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Opbrengst per eenheid</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>%1 systemen berekenen…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Nog %1 systemen berekenen…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, alle combinaties</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, het jouwe</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>berekenen…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>niet te berekenen</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>boven budget</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>beste binnen budget</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>De systemen voor andere aantallen kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Hoeveel getallen spelen:&lt;/b&gt; het beste systeem binnen %1 voor elk aantal getallen (de cijfers gelden voor alle getallen van dat aantal)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; berekenen…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (het jouwe)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>geen systeem binnen het budget</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>%1 van %2 berekenen…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>‘Alle combinaties van je getallen’ is niet als systeem bewaard, dus het kan niet op de systeempagina worden gekozen.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 per trekking</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 of meer treffers</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>bank %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (alle combinaties)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (het jouwe)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n rij</numerusform>
            <numerusform>%1, %n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Er is geen systeem bewaard voor deze getallen.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Geen systeem past binnen %1: het goedkoopste kost %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Nog geen systeem binnen %1 kon worden berekend.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: boven budget; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: beste kans op %2 binnen %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n ander systeem, even goed, kost evenveel)</numerusform>
            <numerusform> (%n andere systemen, even goed, kosten evenveel)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Er is binnen de gegeven tijd geen systeem gevonden.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Een rij moet minstens één getal bevatten.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Kies %1 tot 99 getallen voor rijen van %2.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Systemen kunnen worden gemaakt voor hoogstens %1 getallen.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>In een garantie “x if y” moet x minstens 1 en hoogstens y zijn.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Een garantie “x if y” voor rijen van %1 getallen vraagt een y van hoogstens %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Het systeem moet minstens één rij mogen hebben.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>De zoektijd moet meer dan 0 seconden en hoogstens een dag zijn.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>Het aantal threads moet van 1 tot 1024 zijn (of 0 voor alle kernen).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Een banksysteem van alle combinaties van %1 uit %2 getallen</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Alle combinaties van %1 uit %2 getallen</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 is %2 rijen, meer dan de toegestane %3.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 is %2 rijen, meer dan Wheelwright kan maken (%3).</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Systeem maken</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright begint bij het beste systeem dat het kent, zoekt er een met minder rijen en bewijst dan de garantie trekking voor trekking voordat het dit aanbiedt.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Type-A-systeem</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Banksysteem (je bankgetal op elke rij)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Gegarandeerde treffers</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Getrokken getallen onder de jouwe</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Getallen:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garantie:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>&amp;Hoogstens:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Zoeken naar:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Ondergrens:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 per rij</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>zo’n systeem heeft nooit minder dan %1 rijen</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>minstens %1 rijen: meer dan de %2 die je toestaat</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Zoeken naar &amp;minder</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Zoeken naar minder?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Geen systeem kan minder hebben.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Je verzameling bevat dit systeem al met %1 rijen; het staat in de systeemlijst. Een zoektocht begint ermee en houdt alleen een nieuw systeem als dat minder rijen heeft.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright levert dit systeem met %1 rijen; het staat in de systeemlijst. Een zoektocht begint ermee.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Zoeken…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Stoppen en het beste systeem tot nu toe bewijzen…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Zoeken… nog %1 s</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Beste tot nu toe: %1 rijen (ondergrens %2). Nog %3 s.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Bewezen: %1 op %2 getallen met %3 rijen%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, zo weinig als een systeem kan hebben</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Gestopt voordat er een systeem was gevonden.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Het zoeken is gestopt. Het beste systeem tot nu toe bewaren (%1 rijen, bewezen)?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Bewaard: %1 met %2 rijen.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Gestopt; er is niets bewaard.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n hoofdgetal</numerusform>
            <numerusform>%n hoofdgetallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n bonus</numerusform>
            <numerusform> + %n bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Exacte kansen van dit systeem, berekend over alle mogelijke trekkingen</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Kansentabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Prijsklassen:&lt;/b&gt; de kans per trekking dat minstens één van je rijen elke klasse wint (een rij telt alleen in zijn beste klasse)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Prijsklassen</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Stand van de prijsklassen</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Kansen per prijsklasse</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Elke regel: een prijsklasse, de prijs, de kans dat minstens één rij die wint, en de verwachte rijen erin per trekking</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Een prijs en de vaste opbrengst</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Kansen van “%1” berekenen…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>De kansen van “%1” kunnen niet worden berekend: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>De prijsklassen van deze loterij zijn niet bekend: alleen de aantallen treffers hierboven worden berekend.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>De kans van elke prijsklasse berekenen…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>De prijsklassen kunnen niet worden berekend: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Minstens één rij</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Rijen per trekking</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>De kans per trekking dat minstens één van je rijen deze klasse wint</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Hoeveel van je rijen deze klasse gemiddeld per trekking winnen</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Een prijs:&lt;/b&gt; minstens één rij wint een klasse in %1 van de trekkingen%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Vaste prijzen:&lt;/b&gt; ze leveren gemiddeld %1 per trekking op</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, tegen kosten van %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Klassen met gedeelde prijzen zitten niet in deze opbrengst.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Geen klasse betaalt een vast bedrag, dus er wordt geen opbrengst per trekking berekend; gedeelde prijzen hangen af van de pot en de winnaars.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Berekend zonder bonusgetallen: een klasse die er een vraagt, wordt hier door geen rij gewonnen.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Berekend met de bonusgetallen zoals ze over de rijen verdeeld worden gespeeld.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Van jou getrokken</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Elke regel: hoeveel van de getrokken getallen bij de jouwe zitten, hoe waarschijnlijk dat is, en per kolom b de kans dat je beste rij dan minstens b ervan treft.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>De garantie “%1”</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>de garantie</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Elke trekking</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Exacte kansen van “%1” op %2 getallen: %3, %4 uit %5 getrokken</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Hoeveel van de getrokken getallen bij de jouwe zitten</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Banksysteem: de regels tellen de trekkingen met je bankgetal (%1 van alle trekkingen); de laatste regel telt elke trekking.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Gemarkeerd: de garantie “%1”. Als %2 van de getrokken getallen bij de jouwe zitten%3, treft je beste rij er minstens %4: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, het bankgetal daaronder</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>De laagste prijs van deze loterij is hier niet bekend.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>De laagste prijs wordt met alleen het bonusgetal gewonnen; deze kansen tellen alleen de hoofdgetallen.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>De kans op de laagste prijs (%1) wordt hier niet berekend.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Minstens één prijs:&lt;/b&gt; een rij wint de laagste prijs (%1)%2 in %3 van de trekkingen%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, alleen hoofdgetallen geteld,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Rijen per trekking, gemiddeld, met precies  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Kans per trekking op minstens elk aantal treffers</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Per trekking treft je beste rij minstens:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Systeempagina</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Kies een systeem voor je getallen</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Systeem maken…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Zoek en bewijs een eigen systeem voor de getallen die je koos</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Systemen vergelijken…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Alle systemen voor je getallen naast elkaar: kosten, kansen en het beste binnen een budget</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Systemen vergelijken</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Eerdere trekkingen…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Hoe het gekozen systeem met je getallen het in de bewaarde trekkingen had gedaan</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Eerdere trekkingen</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Hoe lees je een systeem…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” betekent: als 4 van de getrokken getallen bij de jouwe zitten, bevat minstens één rij er 3 van.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Soort systeem</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Type-A-systemen</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Kies een &amp;systeem (garantie en aantal rijen):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Voor zoveel getallen is geen type-A-systeem bewaard. Probeer de banksystemen, of kies meer of minder getallen.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Banksystemen</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>&amp;Bankgetal:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Bankgetal</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Elke rij van een banksysteem bevat je bankgetal.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Voor zoveel getallen is geen banksysteem bewaard. Probeer de type-A-systemen, of kies meer of minder getallen.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Rijformaat</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Inzet per rij:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Inzet per rij</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Inzet per rij: onbekend - vul hem in</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Vul de inzet van één rij in als getal, zoals 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kosten: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>De kansen van “%1” kunnen niet worden berekend: het systeem is beschadigd (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>regel %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>het heeft %1 regels waar de systeemlijst er %2 belooft</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>de naam bevat tekens die geen tekst zijn</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>is leeg</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>noemt plaats %1 twee keer</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>noemt een plaats buiten je keuze</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>heeft %1 plaatsen waar een rij er %2 bevat</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>bevat niet plaats 01 van het bankgetal</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>het staat niet in je systeemverzameling</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>het staat niet meer in je systeemverzameling</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>de garantie %1 leest niet als “x if y”</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>het houdt zijn garantie (%1) niet</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Je eigen systemen kunnen niet worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n rij x %1 = %2</numerusform>
            <numerusform>%n rijen x %1 = %2</numerusform>
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
        <translation>1 op %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Systemen</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Een systeem lezen&lt;/h3&gt;&lt;p&gt;Een regel zoals &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; zegt: als 4 van de getrokken getallen bij de getallen zitten die je koos, bevat minstens één van de 12 rijen er 3 van. Het aantal rijen is wat het systeem je kost.&lt;/p&gt;&lt;h3&gt;Type-A-systemen&lt;/h3&gt;&lt;p&gt;Ze verdelen al je getallen gelijkmatig; de garantie geldt voor alle getrokken getallen onder de jouwe.&lt;/p&gt;&lt;h3&gt;Banksystemen&lt;/h3&gt;&lt;p&gt;Ze zetten je bankgetal (het eerste getal dat je koos) op elke rij. De garantie geldt als het bankgetal wordt getrokken, en een banksysteem heeft veel minder rijen nodig.&lt;/p&gt;&lt;h3&gt;Volledige systemen&lt;/h3&gt;&lt;p&gt;Een systeem als &lt;b&gt;6 if 6&lt;/b&gt; speelt alle combinaties van je getallen: de jackpot is zeker als alle getrokken getallen de jouwe zijn, tegen de hoogste kosten.&lt;/p&gt;&lt;p&gt;De lijst toont het goedkoopste systeem eerst. Een systeem staat er alleen in als geen ander systeem voor je getallen evenveel belooft voor even weinig rijen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Over systemen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
