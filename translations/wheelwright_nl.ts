<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: German writes &quot;%1 %&quot;, Turkish &quot;%%1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 in %1</source>
        <extracomment>A chance: &quot;1 in 57&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
