<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Über Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright verteilt die Zahlen, die Sie spielen möchten, auf so wenige Tipps wie möglich, mit einer Garantie, die hält: Systemspiel. Jedes angebotene System wird Tipp für Tipp geprüft, bevor es ausgeliefert wird.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später. Ohne jede Gewährleistung; kein System kann einen Gewinn versprechen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Diese Tipps lassen sich nicht öffnen.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright kennt keine Lotterien des Landes „%1“</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright kennt die Lotterie „%1“ aus %2 nicht</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Tipps für %1</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Die Tipps wurden nicht gedruckt: Der Drucker ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: Das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Bitte wählen Sie eine Lotterie</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>Die Lotterie „%1“ aus %2 ist nicht in der Systemdatenbank.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Wählen Sie mindestens %1 Zahlen</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Bitte wählen Sie mindestens %n Bonuszahl</numerusform>
            <numerusform>Bitte wählen Sie mindestens %n Bonuszahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Das System konnte nicht in Ihrer Sammlung gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Sie müssen eine xy-Option wählen!!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>Das System „%1“ für %2 Zahlen ist beschädigt: %3. Es wurden keine Tipps daraus erstellt.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright spricht diese Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Zufallsbonus</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Bonus löschen</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Bonuszahlen-Raster</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Das Programm eine Bonuszahl für Sie wählen lassen</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Alle gewählten Bonuszahlen zurücknehmen</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Bonusziffer</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Die Bonuszahl dieser Lotterie ist eine Ziffer von 0 bis 9, die auf dem Schein steht oder die Sie auf dem Spielschein ankreuzen; sie wird hier nicht gewählt, und die Tipps enthalten nur die Hauptzahlen.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Bonuszahlen: wählen Sie aus 1 bis %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Jeder Tipp trägt 1 Bonuszahl. Wählen Sie eine oder mehrere, die gleichmäßig auf die Tipps verteilt werden.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Jeder Tipp trägt %1 Bonuszahlen. Wählen Sie mindestens %1; weitere werden gleichmäßig auf die Tipps verteilt.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bonus: keine gewählt</translation>
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
        <translation>Ihre Lotterie, geändert %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Ihre Lotterie</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Stand %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Diagramm: Kosten gegen Chance</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Ein Punkt je System; die Tabelle darüber enthält dieselben Werte</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Noch kein System berechnet</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Chance auf %1 je Ziehung</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (Skala in Zehnerschritten)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Kosten je Ziehung (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, Skala in Zehnerschritten</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Fehler: Anweisung konnte nicht vorbereitet werden, Meldung: „%1“.</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>Die Systemdatenbank data.sqlite3 fehlt: Sie ist weder in %1 noch in %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>Die Systemdatenbank %1 fehlt.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>Die Systemdatenbank %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>Die Systemdatenbank %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Fehler: Die Systemdatenbank konnte nicht bis zum Ende gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n Bonustreffer</numerusform>
            <numerusform>%n Bonustreffer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 Bonus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>„%1“ ist keine Lottozahl</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>es wurden keine gezogenen Zahlen angegeben</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 liegt nicht im Bereich 1 bis %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 ist doppelt gezogen</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In dieser Lotterie wird %n Zahl gezogen, %1 angegeben</numerusform>
            <numerusform>In dieser Lotterie werden %n Zahlen gezogen, %1 angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>diese Lotterie zieht außer ihren Bonuszahlen keine Zusatzzahlen</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>Zusatzzahl %1 liegt nicht im Bereich 1 bis %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>Zusatzzahl %1 ist auch eine der gezogenen Hauptzahlen</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>Zusatzzahl %1 ist doppelt gezogen</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In dieser Lotterie wird %n Zusatzzahl gezogen, %1 angegeben</numerusform>
            <numerusform>In dieser Lotterie werden %n Zusatzzahlen gezogen, %1 angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>die Tipps dieser Lotterie tragen keine eigene Ziffer</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>Ihre Ziffer %1 liegt nicht im Bereich 0 bis %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>diese Lotterie zieht keine Bonuszahlen</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>Bonuszahl %1 liegt nicht im Bereich %2 bis %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>Bonuszahl %1 ist auch eine der gezogenen Hauptzahlen</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>Bonuszahl %1 ist doppelt gezogen</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>In dieser Lotterie wird %n Bonuszahl gezogen, %1 angegeben</numerusform>
            <numerusform>In dieser Lotterie werden %n Bonuszahlen gezogen, %1 angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>die Bonuszahlen</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>die Zusatzzahlen</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>die gezogene Ziffer</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>Ihre Ziffer</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 wurden nicht eingegeben</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 wurde nicht eingegeben</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>die Tipps tragen keine Bonuszahlen</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>kein Gewinn</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1, wenn die Bonuszahl trifft, sonst %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n Tipp gewinnt %1</numerusform>
            <numerusform>%n Tipps gewinnen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n gewinnt %1</numerusform>
            <numerusform>%n gewinnen %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Kein Tipp gewinnt</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n Tipp nicht gewertet: %1</numerusform>
            <numerusform>; %n Tipps nicht gewertet: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>geteilte Gewinne</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hier unbekannte Gewinne</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>die nicht gewerteten Tipps</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>keine Treffer</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%2: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>keine Tipps</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Kein Tipp erreicht die niedrigste Gewinnklasse (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n Tipp erreicht die niedrigste Gewinnklasse (%1)</numerusform>
            <numerusform>%n Tipps erreichen die niedrigste Gewinnklasse (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n Treffer: %1</numerusform>
            <numerusform>%n Treffer: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, Bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, Zusatzzahl %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Ziehung prüfen</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotterie</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Geben Sie die gezogenen Zahlen ein, getrennt durch Leerzeichen oder Kommas.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>&amp;Gezogene Zahlen:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Gezogene Zahlen</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>&amp;Bonuszahlen:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>darf leer bleiben</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Bonuszahlen</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Problem mit der Ziehung</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Tipps je Trefferzahl</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Niedrigste Gewinnklasse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Die Treffer jedes Tipps mit dieser Ziehung markieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Zusatzzahlen</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>&amp;Zusatzzahlen:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Ihre Ziffer</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 bis 9, die Ziffer auf Ihrem Schein</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Ihre Ziffer:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Gewonnene Gewinnklassen</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Gewinn je Tipp</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Geben Sie die %1 gezogenen Zahlen ein (1 bis %2), getrennt durch Leerzeichen oder Kommas.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Die Bonuszahl ist die gezogene Ziffer (0 bis %1); die eigene Ziffer Ihrer Tipps kommt daneben.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Die Bonuszahlen stammen aus einem eigenen Zahlenraum (1 bis %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Die Bonus- oder Zusatzzahlen werden aus denselben Zahlen gezogen.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Die Zusatzzahlen werden aus denselben Zahlen gezogen wie die Hauptzahlen.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Sie dürfen fehlen.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bonus (gezogene Ziffer):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>&amp;Bonuszahl:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Zusatzzahl:</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Gezogene Zahlen: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Bonuszahlen: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Zusatzzahlen: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Ihre Ziffer: geben Sie eine Ziffer ein, 0 bis 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Ziehung: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, Bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, Zusatzzahl %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, Ihre Ziffer %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Geben Sie auch die Bonuszahlen ein, um zu sehen, welche Tipps die niedrigste Gewinnklasse erreichen.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Die Tipps tragen keine Bonuszahlen, daher lässt sich die niedrigste Gewinnklasse nicht beurteilen.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Die Gewinnklassen dieser Lotterie sind hier nicht bekannt.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Tipp %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Hauptzahl</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Bonuszahl</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>sie enthält Binärdaten statt Textzeilen: Das ist keine Ergebnisdatei</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 konnte nicht erneut von vorn gelesen werden.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Keine Zeile von %1 liest sich als Datum mit gezogenen Zahlen: Geben Sie an, welche Spalte was enthält.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>die Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>die Zeile ist kein Text</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n Spalte gefunden, %1 erwartet</numerusform>
            <numerusform>%n Spalten gefunden, %1 erwartet</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>Spalte %1 ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>„%1“ ist keine Lottozahl</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>die Ziehung vom %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Keine Zeile von %1 ist eine Ziehung dieser Lotterie (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile</numerusform>
            <numerusform>%n fehlerhafte Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 wurde nicht gelesen: Die Datei hat %2 MB, und eine Ergebnisdatei hat nie mehr als %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Die Ergebnisse wurden nicht gelesen: Mehr als %1 MB sind keine Ergebnisdatei.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Die Ergebnisse</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Keine Ziehung hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n Ziehung hinzugefügt</numerusform>
            <numerusform>%n Ziehungen hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 bereits gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n Datum hat bereits andere Zahlen, gespeicherte behalten: %1</numerusform>
            <numerusform>; %n Daten haben bereits andere Zahlen, gespeicherte behalten: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 nicht gewertet</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Ziehungen: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Gekaufte Tipps: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kosten: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Kosten: unbekannt (kein Tipppreis)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>geteilte Gewinne</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hier unbekannte Gewinne</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n Tipp nicht gewertet</numerusform>
            <numerusform>%n Tipps nicht gewertet</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Gewinnklassen: hier nicht bekannt; Tipps je Trefferzahl:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Irgendein Gewinn</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 oder mehr Treffer</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Frühere Ziehungen</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Frühere Ziehungen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>erste Ziehung</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Von Datum</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>letzte Ziehung</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Bis Datum</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Die Ziehungen zwischen den Daten prüfen</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>Ergebnisse &amp;importieren…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Ziehungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Bester Treffer</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Gewinnende Tipps</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Feste Gewinne</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 Tipps von %2, %3 gegen die gespeicherten Ziehungen</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Geben Sie die Daten als 2026-12-05 an, oder lassen Sie sie leer für alle Ziehungen.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Zwischen diesen Daten sind keine Ziehungen dieser Lotterie gespeichert: Importieren Sie eine Ergebnisdatei.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Prüfe %1 Ziehungen…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Doppelklicken Sie auf eine Ziehung, um jeden Tipp in der Prüfung dieser Ziehung zu sehen.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Bester Treffer je Ziehung</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n Ziehung; der beste Treffer aller Ziehungen ist %1</numerusform>
            <numerusform>%n Ziehungen; der beste Treffer aller Ziehungen ist %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Was die Ziehungen ergaben, neben den genauen Chancen</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Frühere Ziehungen neben den genauen Chancen</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Gewonnen in
früheren Ziehungen</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Genaue Chance
je Ziehung</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Frühere Tipps
je Ziehung</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Erwartete Tipps
je Ziehung</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Die genauen Chancen dieser Tipps werden gezählt…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Die genauen Chancen dieser Tipps lassen sich nicht zählen: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>keine Ziehungen</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 von %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 von %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Feste Gewinne: %1 je Ziehung erwartet.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Feste Gewinne je Ziehung: %1 in diesen Ziehungen gewonnen, %2 erwartet.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 Tipps, deren Klasse von Zahlen abhängt, die die Ergebnisse nicht nennen, stehen in keiner Zeile.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Tippformat %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Wheelwright-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite welcome.html fehlt in dieser Installation.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>Die folgende Hilfe ist auf Englisch.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>Zum Bearbeiten &amp;kopieren</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Lotterien</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Lotterien des Landes</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>&amp;Neue Lotterie</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Neue Lotterie</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Die mitgelieferte Lotterie zum Bearbeiten kopieren</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Die Lotterie löschen oder zurücksetzen</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Die Lotterie in eine Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Lotterien aus einer Datei importieren</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: Problem</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Zahlenraum:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Zahlenraum</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Zahlen je &amp;Tipp:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Zahlen je Tipp</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>&amp;Gezogen:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Gezogene Zahlen</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Z&amp;usatzzahlen gezogen:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Gezogene Zusatzzahlen</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>&amp;Bonus-Zahlenraum:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bonus-Zahlenraum</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Bonuszahlen gezog&amp;en:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Gezogene Bonuszahlen</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>P&amp;reis:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Preis eines Tipps</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>W&amp;ährung:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>Gewinnkl&amp;assen, beste zuerst:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Gewinnklassen</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Gewinnklassen: Problem</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Klasse &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Eine Gewinnklasse hinzufügen</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Klasse entfernen</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Die Gewinnklasse entfernen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Die Lotterie speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>Auf &amp;Original zurücksetzen</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, anstelle der mitgelieferten Angaben</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Zum Bearbeiten kopieren.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Klasse %1: %2 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Klasse %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>Die Lotterie wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Gespeichert. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Ihre Angaben zu „%1“ verwerfen und wieder die mitgelieferten verwenden?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Ihre Lotterie „%1“ löschen?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Eine Kopie der mitgelieferten Angaben: Behalten Sie den Namen, um sie anstelle der mitgelieferten Lotterie zu verwenden.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Eine neue Lotterie aus %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Die Lotterie exportieren</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Lotteriedateien (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Keine Lotterie wurde importiert: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>die Datei enthält keine</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Keine weiteren Lotterien wurden importiert: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 aus %2 importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n Lotterie</numerusform>
            <numerusform>%n Lotterien</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Eine Lotterie importieren</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>eine Klasse ist Name, Haupt, Zusatz, Bonus, Gewinn, Währung</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>die %1 Treffer der Klasse müssen eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Lotterieseite</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Wählen Sie Ihr Land, dann die Lotterie, die Sie spielen.</translation>
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
        <translation>&amp;Lotterien:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Lotterien</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Klicken Sie auf eine Lotterie und dann auf Weiter, um Ihre Zahlen anzukreuzen.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotterie</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Stand der Lotterieangaben</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;otterien…</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Lotterien: eigene hinzufügen, kopieren oder bearbeiten</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(Ihre)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>Ihre Lotterie</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>„%1“ ist kein Land, das das Programm anbietet</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>die Lotterie braucht einen Namen</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>der Name ist länger als 80 Bytes</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>der Name enthält ein nicht druckbares Zeichen</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>der Name beginnt oder endet mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>der Zahlenraum umfasst 2 bis 99 Zahlen</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>ein Tipp enthält mindestens 1 Zahl</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>ein Tipp enthält 1 Zahl, also braucht der Zahlenraum mindestens %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>ein Tipp enthält %1 Zahlen, also braucht der Zahlenraum mindestens %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>die Ziehung nimmt 1 bis %1 Zahlen aus einem Zahlenraum von %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>nachdem 1 Zahl gezogen ist, bleiben im Zahlenraum %1 für Zusatzzahlen</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>nachdem %1 Zahlen gezogen sind, bleiben im Zahlenraum %2 für Zusatzzahlen</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>der Bonus-Zahlenraum umfasst 0 (keinen) bis 99 Zahlen</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>es gibt keinen Bonus-Zahlenraum, also werden keine Bonuszahlen gezogen</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>der Bonus-Zahlenraum von %1 ergibt 1 bis %2 Bonuszahlen</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>Haupt- und Bonustreffer der niedrigsten Gewinnklasse werden zusammen oder gar nicht angegeben</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>die niedrigste Gewinnklasse braucht 0 bis %1 Haupttreffer</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>die niedrigste Gewinnklasse braucht 0 bis %1 Bonustreffer</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>die niedrigste Gewinnklasse muss mindestens einen Treffer verlangen</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>ein Preis ist ein Betrag wie 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>ein Preis ist mehr als nichts</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>ein Preis braucht seine Währung</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>eine Währung braucht einen Preis</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>die Währung ist ein Code aus drei Buchstaben wie EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>der Monat wird wie 2026-12 geschrieben</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>die Klasse braucht einen Namen von 1 bis 80 Bytes</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>der Name der Klasse enthält ein Komma oder ein nicht druckbares Zeichen</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>main muss eine ganze Zahl von 0 bis %1 sein für „%2“</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>supplementary muss eine ganze Zahl von 0 bis %1 sein für „%2“</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>bonus muss eine ganze Zahl von 0 bis %1 sein für „%2“</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>ein Tipp enthält %1 Zahlen: Er kann nicht %2 Haupt- und %3 Zusatzzahlen treffen</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>eine Klasse muss mindestens einen Treffer verlangen</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>eine Währung gehört nur zu einem festen Betrag</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>prize muss leer, shared oder ein Betrag mit zwei Nachkommastellen wie 10.00 sein</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>ein fester Betrag braucht einen Währungscode aus drei Buchstaben (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>kein Tipp kann „%1“ erreichen: „%2“ kommt zuerst und nimmt jeden Tipp, den sie träfe</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>kein Tipp kann „%1“ erreichen: „%2“ (Zeile %3) kommt zuerst und nimmt jeden Tipp, den sie träfe</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>Klasse „%1“: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Lotterie</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Zahlen</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  System</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Tipps</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Tipps erstellen</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Eine gespeicherte Tippdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Die Tipps drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Die Druckseiten vor dem Drucken ansehen</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Als PD&amp;F exportieren…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Die Druckseiten in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Die Tipps für eine Tabellenkalkulation schreiben, eine Zahl je Zelle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>Wheelwright-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Systeme</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>&amp;Über Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, gewählt</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, Bankzahl</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Zahlenseite</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotterie</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Zahlenraster der Lotterie</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Zahlen:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Tippen Sie Zahlen im Raster an; die erste ist Ihre Bankzahl</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Zahlen gesamt: 0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Zahlen gesamt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Die zuletzt gewählte Zahl zurücknehmen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Alle gewählten Zahlen löschen</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Aufsteigend anzeigen</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Zufallsauswahl…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Das Programm Zahlen für Sie ziehen lassen</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Zahlenraster</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Die Bankzahl lässt sich nur entfernen, indem Sie alle Zahlen löschen (Schaltfläche „Löschen“)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Keine Zahl zum Zurücknehmen</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Wirklich alle gewählten Zahlen löschen?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Zahlen gesamt: %1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Zufallsauswahl</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Wie viele Zahlen soll das Programm für Sie ziehen?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Anzahl:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Anzahl-Regler</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Gezogene Zahlen kommen zu den schon gewählten hinzu; bei leerer Auswahl wird die erste Zahl die Bankzahl.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>„%1“ ist keine Anzahl. Geben Sie eine ganze Zahl von %2 bis %3 ein.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Für die Systemsammlung wurde keine Datei angegeben.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Ihre Systemsammlung %1 lässt sich nicht anlegen: Ihr Ordner %2 lässt sich nicht erstellen.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Ihre Systemsammlung %1 ist nicht verwendbar: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Eine neue Systemsammlung %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Ihre Systemsammlung %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>sie ist intern beschädigt</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>sie ist keine Systemsammlung</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>Die Systemsammlung ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Das System hält seine Garantie (%1) nicht; es wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Das System wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>Die Systemsammlung lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Ihre Systeme ließen sich gerade nicht lesen.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>ihre Tabellen lassen sich nicht lesen</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>Die Sammlung ist nicht geöffnet; keine Ziehung wurde hinzugefügt.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Keine Ziehung wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Ihre Sammlung %1 lässt sich nicht schreiben (%2); keine Ziehung wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>Die Sammlung ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Die Ziehungen in Ihrer Sammlung %1 lassen sich nicht lesen: %2.</translation>
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
        <translation>Tipps speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Tipps öffnen</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Tippdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>Die Lotterie %1 aus %2 lässt sich nicht spielen: Die Systemdatenbank enthält keine verwendbare Größe dafür (ein Zahlenraum von 2 bis 99 Zahlen und weniger je Tipp).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>Die Lotterie %1 aus %2 lässt sich nicht spielen: Die Systemdatenbank verlangt %3 Bonuszahlen aus einem Bonus-Zahlenraum von %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>ein Tipp von %1 enthält %2 Zahlen, dieser enthält %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>Das System „%1“ für %2 Zahlen ist beschädigt: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>Die Ziehungen von „%1“ aus %2 lassen sich nicht prüfen: Die Lotterie ist hier nicht bekannt.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>Ihre Lotterien %1 konnten nicht gelesen werden: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>es gibt keinen Ort, um Ihre Lotterien zu speichern</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Gewonnene feste Gewinne: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (ohne %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>geteilt</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Ergebnisdateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Ziehungen von %1, %2 aus %3. Geben Sie über jeder Spalte an, was sie enthält:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Erste Zeilen der Datei</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>Spalte %1 enthält</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>Die erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Fehlerhafte Zeilen</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Die fehlerfreien Zeilen importieren</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Nichts importieren</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Wählen Sie eine Spalte mit Daten und die Spalten der Hauptzahlen.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 Ziehungen, jede Zeile fehlerfrei.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 fehlerfreie Zeilen; %2, unten aufgeführt, werden nicht importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile</numerusform>
            <numerusform>%n fehlerhafte Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Tipps als Text</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Tipptext</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>eine %1 fehlt (zwei Trennzeichen hintereinander oder eines am Ende)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 ist zu lang für eine Lottozahl</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 ist keine Lottozahl (sie beginnen bei 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 kommt in diesem Tipp doppelt vor</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>die Datei ist UTF-8, aber Tippdateien werden in UTF-16 geschrieben</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>keine Tippdatei: Sie beginnt nicht mit einer UTF-16-Bytereihenfolgemarke</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>die Datei endet mitten in einem Zeichen</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>diese Zeile ist kein gültiger UTF-16-Text</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>die Zeile ist leer</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>„ + “ kommt in diesem Tipp mehr als einmal vor</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>nach „ + “ folgen keine Bonuszahlen</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>Bonuszahl</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>die Datei enthält keine Tipps</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>zwischen den Tipps steht eine leere Zeile</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>dieser Tipp hat %n Zahl, der erste hat %1</numerusform>
            <numerusform>dieser Tipp hat %n Zahlen, der erste hat %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>dieser Tipp hat %n Bonuszahl, der erste hat %1</numerusform>
            <numerusform>dieser Tipp hat %n Bonuszahlen, der erste hat %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>die Datei ist zu groß für eine Tippdatei</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>die Datei endet vor der Zeile „%1“</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>hier wurde „%1“ erwartet, gefunden: %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>die Bankzahl %1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>die Datei endet vor der leeren Zeile nach der Bankzahl</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>nach der Bankzahl wurde eine leere Zeile erwartet, gefunden: %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>die Datei endet in dieser Zeile: Sie wurde abgeschnitten</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>die Bankzahl %1 liegt nicht im Bereich 1 bis %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 liegt nicht im Bereich 1 bis %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>diese Lotterie hat keine Bonuszahlen, aber der Tipp trägt welche</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>Bonuszahl %1 liegt nicht im Bereich der Bonuszahlen 1 bis %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>die Datei ist zu groß für eine Liste von Tipps</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>der Text ist weder eine UTF-16-Tippdatei noch UTF-8-Zeilen</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>ist keine normale Datei und wird daher nicht als Tipps gelesen</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lässt sich nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Tippseite</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Lotterie</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Tipps gesamt: 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Tipps gesamt</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Die Tipps als Textdatei speichern</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Textansicht</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Die Tipps als Text anzeigen</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Ziehung prüfen…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Die gezogenen Zahlen eingeben und sehen, welche Tipps treffen</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Ziehungen prüfen…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Diese Tipps mit jeder gespeicherten Ziehung der Lotterie prüfen</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Ziehungen prüfen</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Tipps werden als UTF-16-Text gespeichert, den jeder Editor öffnet.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Tipps gesamt: %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Gespielte Zahlen (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Bankzahl: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Gespielte Bonuszahlen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 – Tipps %2 bis %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Tipps für %1</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Tipps drucken</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Drucken ist nicht möglich: das Druckmodul ließ sich nicht laden (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Beschreibbare Datei konnte nicht angelegt werden, Meldung: „%1“.</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Tipp</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + Bonus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, Gewinn</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>Tipp %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, erreicht die niedrigste Gewinnklasse</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>Dieses System s&amp;pielen</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Systeme vergleichen</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Budget je Ziehung</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Beste &amp;Chance auf:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Verglichene Chance</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Wählt das markierte System auf der Systemseite</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Bestes System im Budget</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Berechnungsstand</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Verglichene Systeme</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Bestes System je Zahlenanzahl</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Bestes System</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Berechnung angehalten.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>irgendein Gewinn</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>die Klasse %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Höchstens </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 je Ziehung</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; jedes System für %3 Zahlen%4, berechnet über alle möglichen Ziehungen.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, ein Tipp %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; der Tipppreis ist unbekannt, daher sind Kosten in Tipps angegeben</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Die Systeme lassen sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Kosten (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Irgendein Gewinn</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Ertrag je Ziehung</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Ertrag je Einheit</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Berechne %1 Systeme…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Berechne %1 weitere Systeme…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, alle Kombinationen</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, Ihres</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>berechne…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>nicht berechenbar</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>über Budget</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>bestes im Budget</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Die Systeme für andere Zahlenanzahlen lassen sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Wie viele Zahlen spielen:&lt;/b&gt; das beste System innerhalb von %1 je Zahlenanzahl (die Werte gelten für beliebige Zahlen dieser Anzahl)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; berechne…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (Ihres)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>kein System im Budget</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>berechne %1 von %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>„Alle Kombinationen Ihrer Zahlen“ ist nicht als System gespeichert und lässt sich daher auf der Systemseite nicht wählen.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 je Ziehung</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 oder mehr Treffer</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (alle Kombinationen)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (Ihres)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n Tipp</numerusform>
            <numerusform>%1, %n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Für diese Zahlen ist kein System gespeichert.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Kein System passt in %1: Das günstigste kostet %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Noch kein System innerhalb von %1 konnte berechnet werden.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: über Budget; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: beste Chance auf %2 innerhalb von %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n anderes ebenso gutes System kostet gleich viel)</numerusform>
            <numerusform> (%n andere ebenso gute Systeme kosten gleich viel)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>In der vorgegebenen Zeit wurde kein System gefunden.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Ein Tipp muss mindestens eine Zahl enthalten.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Wählen Sie %1 bis 99 Zahlen für Tipps mit %2 Zahlen.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Systeme lassen sich für bis zu %1 Zahlen erstellen.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>In einer Garantie „x if y“ muss x mindestens 1 und höchstens y sein.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Eine Garantie „x if y“ für Tipps mit %1 Zahlen braucht ein y von höchstens %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Das System muss mindestens einen Tipp haben dürfen.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>Die Suchzeit muss mehr als 0 Sekunden und höchstens einen Tag betragen.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>Die Zahl der Threads muss zwischen 1 und 1024 liegen (oder 0 für alle Kerne).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Ein Banksystem aller Kombinationen von %1 aus %2 Zahlen</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Alle Kombinationen von %1 aus %2 Zahlen</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 sind %2 Tipps, mehr als die erlaubten %3.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 sind %2 Tipps, mehr als Wheelwright erstellen kann (%3).</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>System erstellen</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright beginnt mit dem besten bekannten System, sucht eines mit weniger Tipps und prüft dann seine Garantie Ziehung für Ziehung, bevor es angeboten wird.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Typ-A-System</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Banksystem (Ihre Bankzahl auf jedem Tipp)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Garantierte Treffer</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Gezogene unter Ihren Zahlen</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Zahlen:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garantie:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>&amp;Höchstens:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>S&amp;uchen nach:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Untergrenze:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 je Tipp</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>kein solches System hat weniger als %1 Tipps</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>mindestens %1 Tipps: mehr als die %2, die Sie erlauben</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Nach &amp;weniger suchen</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Nach weniger suchen?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Kein System kann weniger haben.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Ihre Sammlung enthält dieses System bereits mit %1 Tipps; es steht in der Systemliste. Eine Suche beginnt damit und behält ein neues nur, wenn es weniger hat.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright liefert dieses System mit %1 Tipps; es steht in der Systemliste. Eine Suche beginnt damit.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Halte an und prüfe das bisher beste System…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Suche… noch %1 s</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Bisher bestes: %1 Tipps (Untergrenze %2). Noch %3 s.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Geprüft: %1 mit %2 Zahlen und %3 Tipps%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, so wenige wie bei jedem System möglich</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Angehalten, bevor ein System gefunden wurde.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilung</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Die Suche wurde angehalten. Das bisher beste System (%1 Tipps, geprüft) behalten?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Behalten: %1 mit %2 Tipps.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Angehalten; nichts wurde behalten.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n Hauptzahl</numerusform>
            <numerusform>%n Hauptzahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n Bonus</numerusform>
            <numerusform> + %n Bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Genaue Chancen dieses Systems, berechnet über alle möglichen Ziehungen</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Chancentabelle</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Gewinnklassen:&lt;/b&gt; die Chance je Ziehung, dass mindestens einer Ihrer Tipps sie gewinnt (ein Tipp zählt nur in seiner besten Klasse)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Gewinnklassen</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Stand der Gewinnklassen</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Chancen der Gewinnklassen</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Jede Zeile: eine Gewinnklasse, ihr Gewinn, die Chance, dass mindestens ein Tipp sie gewinnt, und die erwarteten Tipps darin je Ziehung</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Irgendein Gewinn und fester Ertrag</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Berechne die Chancen von „%1“…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>Die Chancen von „%1“ lassen sich nicht berechnen: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Die Gewinnklassen dieser Lotterie sind nicht bekannt: Nur die Trefferzahlen oben werden berechnet.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Berechne die Chance jeder Gewinnklasse…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>Die Gewinnklassen lassen sich nicht berechnen: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Mindestens ein Tipp</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Tipps je Ziehung</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>Die Chance je Ziehung, dass mindestens einer Ihrer Tipps diese Klasse gewinnt</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Wie viele Ihrer Tipps diese Klasse je Ziehung im Mittel gewinnen</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Irgendein Gewinn:&lt;/b&gt; mindestens ein Tipp gewinnt eine Klasse in %1 der Ziehungen%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Feste Gewinne:&lt;/b&gt; Sie bringen im Mittel %1 je Ziehung</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, bei Kosten von %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Klassen mit geteilten Gewinnen sind in diesem Ertrag nicht enthalten.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Keine Klasse zahlt einen festen Betrag, daher wird kein Ertrag je Ziehung berechnet; geteilte Gewinne hängen vom Jackpot und den Gewinnern ab.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Ohne Bonuszahlen berechnet: Eine Klasse, die eine braucht, gewinnt hier kein Tipp.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Mit den Bonuszahlen berechnet, so wie sie auf die Tipps verteilt gespielt werden.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Ihre gezogenen</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Jede Zeile: wie viele der gezogenen Zahlen unter Ihren sind, wie wahrscheinlich das ist, und für jede Spalte b die Chance, dass Ihr bester Tipp dann mindestens b davon trifft.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Die Garantie „%1“</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>die Garantie</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Jede Ziehung</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Genaue Chancen von „%1“ mit %2 Zahlen: %3, %4 aus %5 gezogen</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Wie viele der gezogenen Zahlen unter Ihren sind</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Banksystem: Die Zeilen zählen die Ziehungen, die Ihre Bankzahl enthalten (%1 aller Ziehungen); die letzte Zeile zählt jede Ziehung.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Hervorgehoben: die Garantie „%1“. Wenn %2 der gezogenen Zahlen unter Ihren sind%3, trifft Ihr bester Tipp mindestens %4 davon: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, die Bankzahl darunter</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>Die niedrigste Gewinnklasse dieser Lotterie ist hier nicht bekannt.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>Die niedrigste Gewinnklasse gewinnt man allein mit der Bonuszahl; diese Chancen zählen nur die Hauptzahlen.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>Die Chance der niedrigsten Gewinnklasse (%1) wird hier nicht berechnet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Mindestens ein Gewinn:&lt;/b&gt; irgendein Tipp gewinnt die niedrigste Klasse (%1)%2 in %3 der Ziehungen%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, nur Hauptzahlen gezählt,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Tipps je Ziehung im Mittel mit genau  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Chance je Ziehung auf mindestens jede Trefferzahl</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Je Ziehung trifft Ihr bester Tipp mindestens:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Systemseite</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Wählen Sie ein System für Ihre Zahlen</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>System erstellen…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Ein eigenes System für die gewählten Zahlen suchen und prüfen</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Systeme vergleichen…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Alle Systeme für Ihre Zahlen nebeneinander: Kosten, Chancen und das beste im Budget</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Systeme vergleichen</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Frühere Ziehungen…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Wie das gewählte System mit Ihren Zahlen in den gespeicherten Ziehungen abgeschnitten hätte</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Frühere Ziehungen</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Wie man ein System liest…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>„3 if 4“ bedeutet: Wenn 4 der gezogenen Zahlen unter Ihren sind, enthält mindestens ein Tipp 3 davon.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Systemart</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Typ-A-Systeme</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>&amp;System wählen (Garantie und Tippanzahl):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>System</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Für so viele Zahlen ist kein Typ-A-System gespeichert. Versuchen Sie die Banksysteme oder wählen Sie mehr oder weniger Zahlen.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Banksysteme</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>&amp;Bankzahl:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Bankzahl</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Jeder Tipp eines Banksystems enthält Ihre Bankzahl.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Für so viele Zahlen ist kein Banksystem gespeichert. Versuchen Sie die Typ-A-Systeme oder wählen Sie mehr oder weniger Zahlen.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Tippformat</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Preis je Tipp:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Preis je Tipp</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Preis je Tipp: unbekannt – bitte eingeben</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Bitte geben Sie den Preis eines Tipps als Zahl ein, etwa 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kosten: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>Die Chancen von „%1“ lassen sich nicht berechnen: Das System ist beschädigt (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>seine Zeile %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>es hat %1 Zeilen, wo die Systemliste %2 verspricht</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>sein Name enthält Zeichen, die kein Text sind</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>nennt Platz %1 doppelt</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>nennt einen Platz außerhalb Ihrer Auswahl</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>hat %1 Plätze, wo ein Tipp %2 enthält</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>enthält nicht den Platz 01 der Bankzahl</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>es ist nicht in Ihrer Systemsammlung</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>es ist nicht mehr in Ihrer Systemsammlung</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>seine Garantie %1 hat nicht die Form „x if y“</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>es hält seine Garantie (%1) nicht</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Ihre eigenen Systeme lassen sich nicht speichern: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n Tipp x %1 = %2</numerusform>
            <numerusform>%n Tipps x %1 = %2</numerusform>
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
        <translation>1 zu %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Ein System lesen&lt;/h3&gt;&lt;p&gt;Ein Eintrag wie &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; bedeutet: Wenn 4 der gezogenen Zahlen unter den von Ihnen gewählten sind, enthält mindestens einer der 12 Tipps 3 davon. Die Zahl der Tipps ist das, was Sie das System kostet.&lt;/p&gt;&lt;h3&gt;Typ-A-Systeme&lt;/h3&gt;&lt;p&gt;Sie verteilen alle Ihre Zahlen gleichmäßig; die Garantie gilt für beliebige gezogene Zahlen unter Ihren.&lt;/p&gt;&lt;h3&gt;Banksysteme&lt;/h3&gt;&lt;p&gt;Sie setzen Ihre Bankzahl (die erste gewählte Zahl) auf jeden Tipp. Die Garantie gilt, wenn die Bankzahl gezogen wird, und ein Banksystem braucht weit weniger Tipps.&lt;/p&gt;&lt;h3&gt;Vollsysteme&lt;/h3&gt;&lt;p&gt;Ein System wie &lt;b&gt;6 if 6&lt;/b&gt; spielt alle Kombinationen Ihrer Zahlen: Der Jackpot ist sicher, wenn alle gezogenen Zahlen Ihre sind, zum höchsten Preis.&lt;/p&gt;&lt;p&gt;Die Liste zeigt das günstigste System zuerst. Ein System wird nur aufgeführt, wenn kein anderes System für Ihre Zahlen ebenso viel für ebenso wenige Tipps verspricht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Über Systeme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
