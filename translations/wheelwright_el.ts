<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Σχετικά με το Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Έκδοση 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Το Wheelwright μοιράζει τους αριθμούς που θέλετε να παίξετε σε όσο το δυνατόν λιγότερα δελτία, με εγγύηση που ισχύει: συστήματα λοταρίας. Κάθε σύστημα που προσφέρει έχει ελεγχθεί δελτίο προς δελτίο πριν διανεμηθεί.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Ελεύθερο λογισμικό υπό την GNU General Public License, έκδοση 3 ή νεότερη. Παρέχεται χωρίς καμία εγγύηση· κανένα σύστημα δεν υπόσχεται κέρδος.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Αυτά τα δελτία δεν μπορούν να ανοιχτούν.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Το Wheelwright δεν γνωρίζει παιχνίδια της χώρας «%1»</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Το Wheelwright δεν γνωρίζει το παιχνίδι «%1» της χώρας %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Δελτία %1</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Τα δελτία δεν εκτυπώθηκαν: ο εκτυπωτής δεν είναι διαθέσιμος.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Εξαγωγή PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Αρχεία PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: το PDF δεν δημιουργήθηκε.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Εξαγωγή CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Υπενθύμιση</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Επιλέξτε παιχνίδι</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>Το παιχνίδι «%1» της χώρας %2 δεν υπάρχει στη βάση συστημάτων.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Επιλέξτε τουλάχιστον %1 αριθμούς</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Επιλέξτε τουλάχιστον %n αριθμό μπόνους</numerusform>
            <numerusform>Επιλέξτε τουλάχιστον %n αριθμούς μπόνους</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Το σύστημα δεν αποθηκεύτηκε στη βιβλιοθήκη σας: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Ειδοποίηση</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Πρέπει να επιλέξετε μια επιλογή xy!!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>Το σύστημα «%1» για %2 αριθμούς είναι κατεστραμμένο: %3. Δεν δημιουργήθηκαν δελτία από αυτό.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Θέλετε σίγουρα να βγείτε;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Το Wheelwright θα μιλά αυτή τη γλώσσα από την επόμενη εκκίνηση.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Τυχαίο μπόνους</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Καθαρισμός μπόνους</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Πλέγμα αριθμών μπόνους</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Αφήστε το πρόγραμμα να διαλέξει έναν αριθμό μπόνους</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Αναίρεση όλων των αριθμών μπόνους</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Ψηφίο μπόνους</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Το μπόνους αυτού του παιχνιδιού είναι ένα ψηφίο από 0 έως 9 που δίνει το δελτίο ή που σημειώνετε εσείς· δεν επιλέγεται εδώ, και τα δελτία έχουν μόνο τους κύριους αριθμούς.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Αριθμοί μπόνους: επιλέξτε από 1 έως %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Κάθε δελτίο έχει 1 αριθμό μπόνους. Επιλέξτε έναν, ή περισσότερους για να μοιραστούν ισόποσα στα δελτία.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Κάθε δελτίο έχει %1 αριθμούς μπόνους. Επιλέξτε τουλάχιστον %1· οι επιπλέον μοιράζονται ισόποσα στα δελτία.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Μπόνους %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Μπόνους: κανένα</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Μπόνους: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>Δικό σας παιχνίδι, αλλαγή %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Δικό σας παιχνίδι</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Στοιχεία του %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Διάγραμμα κόστους και πιθανότητας</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Ένα σημείο ανά σύστημα· ο πίνακας πάνω δίνει τα ίδια στοιχεία</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Κανένα σύστημα δεν υπολογίστηκε ακόμη</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Πιθανότητα για %1 ανά κλήρωση</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (κλίμακα ανά δεκαπλάσιο)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Κόστος ανά κλήρωση (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, κλίμακα ανά δεκαπλάσιο</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Σφάλμα: η εντολή δεν προετοιμάστηκε, με μήνυμα «%1».</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>Η βάση συστημάτων data.sqlite3 λείπει: δεν είναι ούτε στο %1 ούτε στο %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>Η βάση συστημάτων %1 λείπει.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>Η βάση συστημάτων %1 δεν ανοίγει.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>Η βάση συστημάτων %1 δεν διαβάζεται: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Σφάλμα: η βάση συστημάτων δεν διαβάστηκε ως το τέλος: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 και %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n επιτυχία</numerusform>
            <numerusform>%n επιτυχίες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n επιτυχία μπόνους</numerusform>
            <numerusform>%n επιτυχίες μπόνους</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 μπόνους</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>το «%1» δεν είναι αριθμός του παιχνιδιού</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>δεν δόθηκαν αριθμοί κλήρωσης</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>το %1 είναι εκτός των αριθμών 1 έως %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>το %1 κληρώνεται δύο φορές</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Σε αυτό το παιχνίδι κληρώνεται %n αριθμός, δόθηκαν %1</numerusform>
            <numerusform>Σε αυτό το παιχνίδι κληρώνονται %n αριθμοί, δόθηκαν %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>αυτό το παιχνίδι δεν κληρώνει συμπληρωματικούς αριθμούς πέρα από τα μπόνους</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>ο συμπληρωματικός %1 είναι εκτός των αριθμών 1 έως %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>ο συμπληρωματικός %1 είναι και ένας από τους κύριους αριθμούς της κλήρωσης</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>ο συμπληρωματικός %1 κληρώνεται δύο φορές</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Σε αυτό το παιχνίδι κληρώνεται %n συμπληρωματικός, δόθηκαν %1</numerusform>
            <numerusform>Σε αυτό το παιχνίδι κληρώνονται %n συμπληρωματικοί, δόθηκαν %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>τα δελτία αυτού του παιχνιδιού δεν έχουν δικό τους ψηφίο</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>το ψηφίο σας %1 δεν είναι από 0 έως %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>αυτό το παιχνίδι δεν κληρώνει αριθμούς μπόνους</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>ο αριθμός μπόνους %1 είναι εκτός των αριθμών %2 έως %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>ο αριθμός μπόνους %1 είναι και ένας από τους κύριους αριθμούς της κλήρωσης</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>ο αριθμός μπόνους %1 κληρώνεται δύο φορές</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Σε αυτό το παιχνίδι κληρώνεται %n αριθμός μπόνους, δόθηκαν %1</numerusform>
            <numerusform>Σε αυτό το παιχνίδι κληρώνονται %n αριθμοί μπόνους, δόθηκαν %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>οι αριθμοί μπόνους</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>οι συμπληρωματικοί αριθμοί</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>το ψηφίο της κλήρωσης</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>το ψηφίο σας</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>δεν πληκτρολογήθηκαν %1</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>δεν πληκτρολογήθηκε %1</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>τα δελτία δεν έχουν αριθμούς μπόνους</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>χωρίς κέρδος</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 αν πετύχει το μπόνους, αλλιώς %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n δελτίο κερδίζει %1</numerusform>
            <numerusform>%n δελτία κερδίζουν %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n κερδίζει %1</numerusform>
            <numerusform>%n κερδίζουν %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Κανένα δελτίο δεν κερδίζει</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>· %n δελτίο δεν κρίνεται: %1</numerusform>
            <numerusform>· %n δελτία δεν κρίνονται: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>μοιραζόμενα κέρδη</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>κέρδη άγνωστα εδώ</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>τα δελτία που δεν κρίνονται</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>καμία επιτυχία</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 με %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n δελτίο</numerusform>
            <numerusform>%n δελτία</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>καμία</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>κανένα δελτίο</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Κανένα δελτίο δεν φτάνει το κατώτερο κέρδος (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n δελτίο φτάνει το κατώτερο κέρδος (%1)</numerusform>
            <numerusform>%n δελτία φτάνουν το κατώτερο κέρδος (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n επιτυχία: %1</numerusform>
            <numerusform>%n επιτυχίες: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, μπόνους %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, συμπληρωματικός %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Έλεγχος κλήρωσης</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Πληκτρολογήστε τους αριθμούς της κλήρωσης, χωρισμένους με κενά ή κόμματα.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>Αριθμοί &amp;κλήρωσης:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Αριθμοί κλήρωσης</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>Αριθμοί &amp;μπόνους:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>μπορεί να μείνει κενό</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Αριθμοί μπόνους</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Πρόβλημα με την κλήρωση</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Δελτία ανά αριθμό επιτυχιών</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Κατώτερο κέρδος</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Σημείωση των επιτυχιών κάθε δελτίου με αυτή την κλήρωση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Συμπληρωματικοί αριθμοί</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>&amp;Συμπληρωματικοί:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Το ψηφίο σας</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 έως 9, το ψηφίο στο δελτίο σας</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Το ψηφίο σας:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Κατηγορίες που κερδήθηκαν</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Κέρδος κάθε δελτίου</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n δελτίο</numerusform>
            <numerusform>%n δελτία</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Πληκτρολογήστε τους %1 αριθμούς της κλήρωσης (1 έως %2), χωρισμένους με κενά ή κόμματα.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Ο αριθμός μπόνους είναι το ψηφίο της κλήρωσης (0 έως %1)· το ψηφίο των δελτίων σας μπαίνει δίπλα.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Οι αριθμοί μπόνους έρχονται από δικό τους εύρος (1 έως %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Οι αριθμοί μπόνους ή οι συμπληρωματικοί κληρώνονται από τους ίδιους αριθμούς.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Οι συμπληρωματικοί κληρώνονται από τους ίδιους αριθμούς με τους κύριους.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Μπορούν να παραλειφθούν.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Μπόνους (ψηφίο κλήρωσης):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>Αριθμός &amp;μπόνους:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Συμπληρωματικός (μπάλα μπόνους):</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Αριθμοί κλήρωσης: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Αριθμοί μπόνους: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Συμπληρωματικοί: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Το ψηφίο σας: πληκτρολογήστε ένα ψηφίο, 0 έως 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Κλήρωση: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, μπόνους %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, συμπληρωματικός %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, το ψηφίο σας %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Πληκτρολογήστε και τους αριθμούς μπόνους για να δείτε ποια δελτία φτάνουν το κατώτερο κέρδος.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Τα δελτία δεν έχουν αριθμούς μπόνους, οπότε το κατώτερο κέρδος δεν κρίνεται.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Οι κατηγορίες κερδών αυτού του παιχνιδιού δεν είναι γνωστές εδώ.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Δελτίο %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Δεν χρησιμοποιείται</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Κύριος αριθμός</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Αριθμός μπόνους</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Συμπληρωματικός</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>περιέχει δυαδικά δεδομένα, όχι γραμμές κειμένου: δεν είναι αρχείο αποτελεσμάτων</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>Το %1 δεν διαβάστηκε: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>Το %1 δεν ξαναδιαβάστηκε από την αρχή.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Καμία γραμμή του %1 δεν διαβάζεται ως ημερομηνία και αριθμοί κλήρωσης: πείτε ποια στήλη περιέχει τι.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>η γραμμή είναι μεγαλύτερη από %1 χαρακτήρες</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>η γραμμή δεν είναι κείμενο</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>βρέθηκε %n στήλη, αναμένονταν %1</numerusform>
            <numerusform>βρέθηκαν %n στήλες, αναμένονταν %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>το «%1» δεν είναι ημερομηνία</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>η στήλη %1 είναι κενή</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>το «%1» δεν είναι αριθμός του παιχνιδιού</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>η κλήρωση της %1 υπάρχει ήδη στη γραμμή %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Καμία γραμμή του %1 δεν είναι κλήρωση αυτού του παιχνιδιού (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n λάθος γραμμή</numerusform>
            <numerusform>%n λάθος γραμμές</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>Το %1 δεν είναι αρχείο.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Το %1 δεν ανοίγει: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>Το %1 δεν υπάρχει.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>Το %1 δεν διαβάστηκε: είναι %2 MB, και ένα αρχείο αποτελεσμάτων δεν ξεπερνά τα %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Τα αποτελέσματα δεν διαβάστηκαν: πάνω από %1 MB δεν είναι αρχείο αποτελεσμάτων.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Τα αποτελέσματα</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Γραμμή %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... και %1 ακόμη</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Δεν προστέθηκε κλήρωση</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>Προστέθηκε %n κλήρωση</numerusform>
            <numerusform>Προστέθηκαν %n κληρώσεις</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 ήδη αποθηκευμένες</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>· %n ημερομηνία έχει ήδη άλλους αριθμούς, κρατήθηκε ως είχε: %1</numerusform>
            <numerusform>· %n ημερομηνίες έχουν ήδη άλλους αριθμούς, κρατήθηκαν ως είχαν: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 δεν κρίθηκαν</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n επιτυχία</numerusform>
            <numerusform>%n επιτυχίες</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>καμία</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Κληρώσεις: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Δελτία που αγοράστηκαν: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Κόστος: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Κόστος: άγνωστο (χωρίς τιμή δελτίου)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>μοιραζόμενα κέρδη</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>κέρδη άγνωστα εδώ</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n δελτίο δεν κρίθηκε</numerusform>
            <numerusform>%n δελτία δεν κρίθηκαν</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Κατηγορίες κερδών: άγνωστες εδώ· δελτία ανά αριθμό επιτυχιών:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Κάποιο κέρδος</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 ή περισσότερες επιτυχίες</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Ιστορικό κληρώσεων</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Ιστορικό κληρώσεων</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Από:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>πρώτη κλήρωση</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Από ημερομηνία</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>Έ&amp;ως:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>τελευταία κλήρωση</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Έως ημερομηνία</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Έ&amp;λεγχος</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Έλεγχος των κληρώσεων ανάμεσα στις ημερομηνίες</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>&amp;Εισαγωγή αποτελεσμάτων…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Εισαγωγή αποτελεσμάτων</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Κληρώσεις</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Αριθμοί</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Καλύτερη επιτυχία</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Δελτία που κερδίζουν</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Σταθερά κέρδη</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 δελτία του %2, %3 έναντι των αποθηκευμένων κληρώσεων</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Δώστε τις ημερομηνίες ως 2026-12-05, ή αφήστε τες κενές για όλες τις κληρώσεις.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Δεν υπάρχουν αποθηκευμένες κληρώσεις αυτού του παιχνιδιού ανάμεσα σε αυτές τις ημερομηνίες: εισαγάγετε ένα αρχείο αποτελεσμάτων.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Έλεγχος %1 κληρώσεων…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Κάντε διπλό κλικ σε μια κλήρωση για να δείτε κάθε δελτίο στον έλεγχο μίας κλήρωσης.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Καλύτερη επιτυχία ανά κλήρωση</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n κλήρωση· η καλύτερη επιτυχία είναι %1</numerusform>
            <numerusform>%n κληρώσεις· η καλύτερη επιτυχία σε κάθε κλήρωση είναι %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Τι έδωσαν οι κληρώσεις, δίπλα στις ακριβείς πιθανότητες</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Ιστορικό κληρώσεων δίπλα στις ακριβείς πιθανότητες</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Κατηγορία</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Κληρώσεις
με κέρδος</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Ακριβής πιθανότητα
ανά κλήρωση</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Δελτία στο παρελθόν
ανά κλήρωση</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Αναμενόμενα δελτία
ανά κλήρωση</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Υπολογίζονται οι ακριβείς πιθανότητες αυτών των δελτίων…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Οι ακριβείς πιθανότητες αυτών των δελτίων δεν υπολογίζονται: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Επιτυχίες</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>καμία κλήρωση</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 από %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 από %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Σταθερά κέρδη: %1 αναμενόμενα ανά κλήρωση.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Σταθερά κέρδη ανά κλήρωση: %1 κερδήθηκαν σε αυτές τις κληρώσεις, %2 αναμενόμενα.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 δελτία των οποίων η κατηγορία εξαρτάται από αριθμούς που δεν δίνουν τα αποτελέσματα δεν είναι σε καμία γραμμή.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Μορφή δελτίου %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Βοήθεια του Wheelwright</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Σελίδα βοήθειας</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Η σελίδα βοήθειας welcome.html λείπει από αυτή την εγκατάσταση.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>Η βοήθεια παρακάτω είναι στα αγγλικά.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Κύριοι</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Συμπληρωματικός</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Μπόνους</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Κέρδος</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Νόμισμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>Αντι&amp;γραφή για επεξεργασία</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Ε&amp;ξαγωγή...</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Παιχνίδια</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Χώρα</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Παιχνίδια της χώρας</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>&amp;Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Αντιγραφή του ενσωματωμένου παιχνιδιού για επεξεργασία</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Διαγραφή ή επαναφορά του παιχνιδιού</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Εξαγωγή του παιχνιδιού σε αρχείο</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Ε&amp;ισαγωγή...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Εισαγωγή παιχνιδιών από αρχείο</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: πρόβλημα</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Όνομα:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Εύρος:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Εύρος</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Αριθμοί ανά δε&amp;λτίο:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Αριθμοί ανά δελτίο</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>&amp;Κληρώνονται:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Αριθμοί που κληρώνονται</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>&amp;Συμπληρωματικοί:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Συμπληρωματικοί που κληρώνονται</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Εύρος μ&amp;πόνους:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Εύρος μπόνους</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Μπόνους που κλη&amp;ρώνονται:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Αριθμοί μπόνους που κληρώνονται</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>&amp;Τιμή:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Τιμή δελτίου</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>Νό&amp;μισμα:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>Κατ&amp;ηγορίες, η καλύτερη πρώτη:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Κατηγορίες κερδών</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Κατηγορίες κερδών: πρόβλημα</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Προσ&amp;θήκη κατηγορίας</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Προσθήκη κατηγορίας κερδών</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Αφαίρεση κατηγορίας</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Αφαίρεση της κατηγορίας κερδών</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Αποθήκευση του παιχνιδιού</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>Επανα&amp;φορά ενσωματωμένου</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, στη θέση των ενσωματωμένων στοιχείων</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Αντιγράψτε το για επεξεργασία.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Κατηγορία %1: το %2 πρέπει να είναι ακέραιος</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Κατηγορία %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>Το παιχνίδι δεν αποθηκεύτηκε: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Αποθηκεύτηκε. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Να ξεχαστούν τα δικά σας στοιχεία του «%1» και να χρησιμοποιηθούν ξανά τα ενσωματωμένα;</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Διαγραφή του παιχνιδιού σας «%1»;</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Υπενθύμιση</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Αντίγραφο των ενσωματωμένων στοιχείων: κρατήστε το όνομα για να το χρησιμοποιείτε στη θέση του ενσωματωμένου παιχνιδιού.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Νέο παιχνίδι της χώρας %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Εξαγωγή του παιχνιδιού</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Αρχεία παιχνιδιών (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Το %1 δεν γράφτηκε: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Εξήχθη στο %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Το %1 δεν διαβάστηκε: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Δεν εισήχθη κανένα παιχνίδι: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>το αρχείο δεν περιέχει κανένα</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Δεν εισήχθησαν άλλα παιχνίδια: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>Εισήχθησαν %1 από το %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n παιχνίδι</numerusform>
            <numerusform>%n παιχνίδια</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Εισαγωγή παιχνιδιού</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>το %1 πρέπει να είναι ακέραιος</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>μια κατηγορία είναι όνομα, κύριοι, συμπληρωματικοί, μπόνους, κέρδος, νόμισμα</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>οι %1 επιτυχίες της κατηγορίας πρέπει να είναι ακέραιος</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>περιέχει byte NUL</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>δεν είναι κείμενο UTF-8</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Σελίδα παιχνιδιού</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Επιλέξτε τη χώρα σας και μετά το παιχνίδι που παίζετε.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Χώρα:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Χώρα</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Παιχνίδια:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Παιχνίδια</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Κάντε κλικ σε ένα παιχνίδι και πατήστε Επόμενο για να σημειώσετε τους αριθμούς σας.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Πότε διαβάστηκαν τα στοιχεία του παιχνιδιού</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>Παιχνί&amp;δια...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Παιχνίδια: προσθέστε, αντιγράψτε ή επεξεργαστείτε τα δικά σας</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(δικό σας)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>το παιχνίδι σας</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>το «%1» δεν είναι χώρα που προσφέρει το πρόγραμμα</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>το παιχνίδι χρειάζεται όνομα</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>το όνομα ξεπερνά τα 80 byte</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>το όνομα έχει χαρακτήρα που δεν εκτυπώνεται</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>το όνομα αρχίζει ή τελειώνει με κενό</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>το εύρος έχει 2 έως 99 αριθμούς</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>ένα δελτίο έχει τουλάχιστον 1 αριθμό</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>ένα δελτίο έχει 1 αριθμό, οπότε το εύρος χρειάζεται τουλάχιστον %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>ένα δελτίο έχει %1 αριθμούς, οπότε το εύρος χρειάζεται τουλάχιστον %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>η κλήρωση βγάζει 1 έως %1 αριθμούς από εύρος %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>αφού κληρωθεί 1 αριθμός, το εύρος έχει %1 για συμπληρωματικούς</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>αφού κληρωθούν %1 αριθμοί, το εύρος έχει %2 για συμπληρωματικούς</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>το εύρος μπόνους έχει 0 (κανέναν) έως 99 αριθμούς</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>δεν υπάρχει εύρος μπόνους, οπότε δεν κληρώνονται αριθμοί μπόνους</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>το εύρος μπόνους %1 δίνει 1 έως %2 αριθμούς μπόνους</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>οι κύριες επιτυχίες και οι επιτυχίες μπόνους του κατώτερου κέρδους δίνονται μαζί ή καθόλου</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>το κατώτερο κέρδος θέλει 0 έως %1 κύριες επιτυχίες</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>το κατώτερο κέρδος θέλει 0 έως %1 επιτυχίες μπόνους</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>το κατώτερο κέρδος δεν μπορεί να μη θέλει καμία επιτυχία</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>η τιμή είναι ποσό όπως 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>η τιμή είναι μεγαλύτερη από μηδέν</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>η τιμή χρειάζεται νόμισμα</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>το νόμισμα χρειάζεται τιμή</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>το νόμισμα είναι κωδικός τριών γραμμάτων όπως EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>ο μήνας γράφεται όπως 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>η κατηγορία χρειάζεται όνομα από 1 έως 80 byte</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>το όνομα της κατηγορίας έχει κόμμα ή χαρακτήρα που δεν εκτυπώνεται</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>το πεδίο «κύριοι» πρέπει να είναι ακέραιος από 0 έως %1 για το «%2»</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>το πεδίο «συμπληρωματικοί» πρέπει να είναι ακέραιος από 0 έως %1 για το «%2»</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>το πεδίο «μπόνους» πρέπει να είναι ακέραιος από 0 έως %1 για το «%2»</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>ένα δελτίο έχει %1 αριθμούς: δεν μπορεί να πετύχει %2 κύριους και %3 συμπληρωματικούς</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>μια κατηγορία δεν μπορεί να μη θέλει καμία επιτυχία</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>νόμισμα μπαίνει μόνο με σταθερό ποσό</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>το κέρδος πρέπει να είναι empty, shared ή ποσό με δύο δεκαδικά όπως 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>ένα σταθερό ποσό χρειάζεται κωδικό νομίσματος τριών γραμμάτων (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>κανένα δελτίο δεν φτάνει το «%1»: το «%2» έρχεται πρώτο και παίρνει κάθε δελτίο που θα το έφτανε</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>κανένα δελτίο δεν φτάνει το «%1»: το «%2» (γραμμή %3) έρχεται πρώτο και παίρνει κάθε δελτίο που θα το έφτανε</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>κατηγορία «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Βήματα</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Παιχνίδι</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Αριθμοί</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Σύστημα</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Δελτία</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Συστήματα</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Προηγούμενο</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Επόμενο &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Δημιουργία δελτίων</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Από την αρχή</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ά&amp;νοιγμα…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Άνοιγμα αποθηκευμένου αρχείου δελτίων</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Εκτύπωση…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Εκτύπωση των δελτίων</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Προεπισκόπηση εκτύπωσης…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Δείτε τις σελίδες πριν την εκτύπωση</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Εξαγωγή P&amp;DF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Εγγραφή των σελίδων εκτύπωσης σε αρχείο PDF</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Εξαγωγή &amp;CSV…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Εγγραφή των δελτίων για υπολογιστικό φύλλο, ένας αριθμός ανά κελί</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>&amp;Βοήθεια του Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Συστήματα</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>Σ&amp;χετικά με το Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, επιλεγμένος</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, αριθμός-κλειδί</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Σελίδα αριθμών</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Πλέγμα του παιχνιδιού</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Αριθμοί:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Αριθμοί</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Πατήστε αριθμούς στο πλέγμα· ο πρώτος είναι ο αριθμός-κλειδί σας</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Σύνολο αριθμών:0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Σύνολο αριθμών</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Αναίρεση του τελευταίου αριθμού</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Καθαρισμός όλων των αριθμών</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Σε αύξουσα σειρά</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Τυχαία επιλογή…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Αφήστε το πρόγραμμα να κληρώσει αριθμούς για εσάς</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Πλέγμα αριθμών</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Ειδοποίηση</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Το κλειδί δεν αφαιρείται παρά μόνο με καθαρισμό όλων των αριθμών (κουμπί «Καθαρισμός»)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Κανένας αριθμός για αναίρεση</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Θέλετε σίγουρα να καθαρίσετε όλους τους επιλεγμένους αριθμούς;</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Σύνολο αριθμών:%1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Τυχαία επιλογή</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Πόσους αριθμούς να κληρώσει το πρόγραμμα για εσάς;</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Πλήθος:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Πλήθος</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Ρυθμιστής πλήθους</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Οι αριθμοί που κληρώνονται προστίθενται σε όσους έχετε ήδη επιλέξει· σε κενή επιλογή ο πρώτος γίνεται κλειδί.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>Το «%1» δεν είναι πλήθος αριθμών. Πληκτρολογήστε ακέραιο από %2 έως %3.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Δεν δόθηκε αρχείο για τη βιβλιοθήκη συστημάτων.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Η βιβλιοθήκη συστημάτων %1 δεν δημιουργείται: ο φάκελός της %2 δεν δημιουργείται.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Η βιβλιοθήκη συστημάτων %1 δεν χρησιμοποιείται: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Νέα βιβλιοθήκη συστημάτων %1 δεν ξεκίνησε: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Η βιβλιοθήκη συστημάτων %1 δεν ανοίγει: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>είναι κατεστραμμένη εσωτερικά</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>δεν είναι βιβλιοθήκη συστημάτων</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>Η βιβλιοθήκη συστημάτων δεν είναι ανοιχτή.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Το σύστημα δεν τηρεί την εγγύησή του (%1)· δεν αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Το σύστημα δεν αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>Η βιβλιοθήκη συστημάτων δεν γράφεται: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Τα συστήματά της δεν διαβάστηκαν αυτή τη στιγμή.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>οι πίνακές της δεν διαβάζονται</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>Η βιβλιοθήκη δεν είναι ανοιχτή· δεν προστέθηκε κλήρωση.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Δεν προστέθηκε κλήρωση.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Η βιβλιοθήκη σας %1 δεν γράφεται (%2)· δεν προστέθηκε κλήρωση.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>Η βιβλιοθήκη δεν είναι ανοιχτή.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Οι κληρώσεις στη βιβλιοθήκη σας %1 δεν διαβάζονται: %2.</translation>
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
        <translation>Αποθήκευση δελτίων</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Αρχεία κειμένου (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Άνοιγμα δελτίων</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Αρχεία δελτίων (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Προειδοποίηση</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>Το παιχνίδι %1 της χώρας %2 δεν παίζεται: η βάση συστημάτων δεν έχει χρήσιμο μέγεθος γι&apos; αυτό (εύρος 2 έως 99 αριθμών, και λιγότεροι στο δελτίο).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>Το παιχνίδι %1 της χώρας %2 δεν παίζεται: η βάση συστημάτων ζητά %3 αριθμούς μπόνους από εύρος μπόνους %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>ένα δελτίο του %1 έχει %2 αριθμούς, αυτό έχει %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>Το σύστημα «%1» για %2 αριθμούς είναι κατεστραμμένο: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>Οι κληρώσεις του «%1» της χώρας %2 δεν ελέγχονται: το παιχνίδι δεν είναι γνωστό εδώ.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>τα παιχνίδια σας %1 δεν διαβάστηκαν: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>δεν υπάρχει θέση για να κρατηθούν τα παιχνίδια σας</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Το %1 δεν γράφτηκε: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>καμία</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 και %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Σταθερά κέρδη: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ή %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (χωρίς %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>μοιραζόμενο</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Εισαγωγή αποτελεσμάτων</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Αρχεία αποτελεσμάτων (*.csv *.txt);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Εισαγωγή αποτελεσμάτων</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Κληρώσεις του %1, %2 από το %3. Πείτε πάνω από κάθε στήλη τι περιέχει:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Πρώτες γραμμές του αρχείου</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>Η στήλη %1 περιέχει</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>Η πρώτη γραμμή ονομάζει τις στήλες</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Λάθος γραμμές</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Εισαγωγή των σωστών γραμμών</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Καμία εισαγωγή</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Επιλέξτε μία στήλη ημερομηνιών και τις στήλες των κύριων αριθμών.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 κληρώσεις, όλες οι γραμμές σωστές.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 σωστές γραμμές· %2, παρακάτω, δεν θα εισαχθούν.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n λάθος γραμμή</numerusform>
            <numerusform>%n λάθος γραμμές</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Δελτία ως κείμενο</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Κείμενο δελτίων</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>λείπει ένας %1 (δύο διαχωριστικά στη σειρά, ή ένα στο τέλος)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>το %1 δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>το %1 είναι πολύ μακρύ για αριθμό του παιχνιδιού</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>το %1 δεν είναι αριθμός του παιχνιδιού (αρχίζουν από το 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>το %1 εμφανίζεται δύο φορές σε αυτό το δελτίο</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>το αρχείο είναι κενό</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>το αρχείο είναι UTF-8, αλλά τα αρχεία δελτίων γράφονται σε UTF-16</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>δεν είναι αρχείο δελτίων: δεν αρχίζει με σήμα σειράς byte UTF-16</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>το αρχείο κόβεται στη μέση ενός χαρακτήρα</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>αυτή η γραμμή δεν είναι έγκυρο κείμενο UTF-16</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>η γραμμή είναι κενή</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>το « + » εμφανίζεται πάνω από μία φορά σε αυτό το δελτίο</translation>
    </message>
    <message>
        <source>number</source>
        <translation>αριθμός</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>κανένας αριθμός μπόνους μετά το « + »</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>αριθμός μπόνους</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>το αρχείο δεν έχει δελτία</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>μια κενή γραμμή βρίσκεται ανάμεσα στα δελτία</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>αυτό το δελτίο έχει %n αριθμό, το πρώτο έχει %1</numerusform>
            <numerusform>αυτό το δελτίο έχει %n αριθμούς, το πρώτο έχει %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>αυτό το δελτίο έχει %n αριθμό μπόνους, το πρώτο έχει %1</numerusform>
            <numerusform>αυτό το δελτίο έχει %n αριθμούς μπόνους, το πρώτο έχει %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>το αρχείο είναι πολύ μεγάλο για αρχείο δελτίων</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>το αρχείο τελειώνει πριν από τη γραμμή «%1»</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>αναμενόταν «%1» εδώ, βρέθηκε %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>ο αριθμός-κλειδί %1 δεν είναι ακέραιος</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>το αρχείο τελειώνει πριν από την κενή γραμμή μετά το κλειδί</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>αναμενόταν κενή γραμμή μετά το κλειδί, βρέθηκε %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>το αρχείο τελειώνει μέσα σε αυτή τη γραμμή: κόπηκε</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>ο αριθμός-κλειδί %1 είναι εκτός των αριθμών 1 έως %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>το %1 είναι εκτός των αριθμών 1 έως %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>αυτό το παιχνίδι δεν έχει αριθμούς μπόνους, αλλά το δελτίο έχει</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>ο αριθμός μπόνους %1 είναι εκτός των αριθμών μπόνους 1 έως %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>το αρχείο είναι πολύ μεγάλο για λίστα δελτίων</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>το κείμενο δεν είναι ούτε αρχείο δελτίων UTF-16 ούτε γραμμές UTF-8</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>δεν είναι κανονικό αρχείο, οπότε δεν διαβάζεται ως δελτία</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>δεν ανοίγει: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>δεν διαβάζεται: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Σελίδα δελτίων</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Σύνολο δελτίων:0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Σύνολο δελτίων</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Δελτία</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Αποθήκευση…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Αποθήκευση των δελτίων ως αρχείο κειμένου</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Προβολή κειμένου</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Εμφάνιση των δελτίων ως κείμενο</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Έλεγχος κλήρωσης…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Πληκτρολογήστε τους αριθμούς της κλήρωσης και δείτε ποια δελτία τους πετυχαίνουν</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Έλεγχος κληρώσεων…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Έλεγχος αυτών των δελτίων σε κάθε αποθηκευμένη κλήρωση του παιχνιδιού</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Έλεγχος κληρώσεων</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Τα δελτία αποθηκεύονται ως κείμενο UTF-16 που ανοίγει κάθε επεξεργαστής.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Σύνολο δελτίων:%1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Εκτύπωση %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Σύστημα: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Αριθμοί που παίζονται (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Αριθμός-κλειδί: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Αριθμοί μπόνους που παίζονται: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n δελτίο</numerusform>
            <numerusform>%n δελτία</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - δελτία %2 έως %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Δελτία %1</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Εκτύπωση δελτίων</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Η εκτύπωση δεν είναι διαθέσιμη: η μονάδα εκτύπωσης δεν φορτώθηκε (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Δεν δημιουργήθηκε εγγράψιμο αρχείο, με μήνυμα «%1».</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Δελτίο</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n επιτυχία</numerusform>
            <numerusform>%n επιτυχίες</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + μπόνους</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, κέρδος</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>δελτίο %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, φτάνει το κατώτερο κέρδος</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>&amp;Παίξτε αυτό το σύστημα</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Σύγκριση συστημάτων</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Προϋπολογισμός ανά κλήρωση</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Καλύτερη π&amp;ιθανότητα για:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Πιθανότητα σύγκρισης</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Επιλέγει το επιλεγμένο σύστημα στη σελίδα συστήματος</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Καλύτερο σύστημα εντός προϋπολογισμού</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Κατάσταση υπολογισμού</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Συστήματα σε σύγκριση</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Καλύτερο σύστημα για κάθε πλήθος αριθμών</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Αριθμοί</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Καλύτερο σύστημα</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Δελτία</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Κόστος</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Πιθανότητα</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Ο υπολογισμός σταμάτησε.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>κάποιο κέρδος</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>την κατηγορία %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Έως </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 ανά κλήρωση</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; κάθε σύστημα για %3 αριθμούς%4, υπολογισμένο σε κάθε δυνατή κλήρωση.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, δελτίο %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>· η τιμή δελτίου δεν είναι γνωστή, οπότε το κόστος είναι σε δελτία</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Τα συστήματα δεν διαβάζονται: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Κόστος (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Κάποιο κέρδος</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Απόδοση ανά κλήρωση</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Απόδοση ανά μονάδα</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Υπολογισμός %1 συστημάτων…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Υπολογισμός %1 ακόμη συστημάτων…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, όλοι οι συνδυασμοί</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, δικό σας</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>υπολογισμός…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>δεν υπολογίζεται</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>πάνω από τον προϋπολογισμό</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>καλύτερο εντός προϋπολογισμού</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Τα συστήματα για άλλα πλήθη δεν διαβάζονται: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Πόσους αριθμούς να παίξετε:&lt;/b&gt; το καλύτερο σύστημα εντός %1 για κάθε πλήθος αριθμών (τα στοιχεία ισχύουν για οποιουσδήποτε αριθμούς αυτού του πλήθους)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>· υπολογισμός…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (δικό σας)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>κανένα σύστημα εντός προϋπολογισμού</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>υπολογισμός %1 από %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Το σύνολο των συνδυασμών των αριθμών σας δεν είναι αποθηκευμένο ως σύστημα, οπότε δεν επιλέγεται στη σελίδα συστήματος.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 ανά κλήρωση</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 ή περισσότερες επιτυχίες</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>κλειδί %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (όλοι οι συνδυασμοί)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (δικό σας)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n δελτίο</numerusform>
            <numerusform>%n δελτία</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n δελτίο</numerusform>
            <numerusform>%1, %n δελτία</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Κανένα σύστημα δεν είναι αποθηκευμένο για αυτούς τους αριθμούς.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Κανένα σύστημα δεν χωράει σε %1: το φθηνότερο είναι %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Κανένα σύστημα εντός %1 δεν υπολογίστηκε ακόμη.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: πάνω από τον προϋπολογισμό· </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: καλύτερη πιθανότητα για %2 εντός %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n ακόμη σύστημα εξίσου καλό κοστίζει το ίδιο)</numerusform>
            <numerusform> (%n ακόμη συστήματα εξίσου καλά κοστίζουν το ίδιο)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Δεν βρέθηκε σύστημα στον χρόνο που δόθηκε.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Ένα δελτίο πρέπει να έχει τουλάχιστον έναν αριθμό.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Επιλέξτε από %1 έως 99 αριθμούς για δελτία των %2.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Συστήματα φτιάχνονται για έως %1 αριθμούς.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>Σε μια εγγύηση «x if y» το x πρέπει να είναι τουλάχιστον 1 και το πολύ y.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Μια εγγύηση «x if y» για δελτία %1 αριθμών θέλει y το πολύ %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Το σύστημα πρέπει να επιτρέπει τουλάχιστον ένα δελτίο.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>Ο χρόνος αναζήτησης πρέπει να είναι πάνω από 0 δευτερόλεπτα και το πολύ μία ημέρα.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>Το πλήθος νημάτων πρέπει να είναι από 1 έως 1024 (ή 0 για όλους τους πυρήνες).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Σύστημα με κλειδί όλων των συνδυασμών %1 από %2 αριθμούς</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Όλοι οι συνδυασμοί %1 από %2 αριθμούς</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>Το %1 είναι %2 δελτία, περισσότερα από τα %3 που επιτρέπονται.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>Το %1 είναι %2 δελτία, περισσότερα από όσα φτιάχνει το Wheelwright (%3).</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>Έ&amp;ναρξη</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ά&amp;κυρο</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Δημιουργία συστήματος</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Το Wheelwright ξεκινά από το καλύτερο σύστημα που γνωρίζει, ψάχνει ένα με λιγότερα δελτία και μετά ελέγχει την εγγύησή του κλήρωση προς κλήρωση πριν το προσφέρει.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Σύστημα τύπου A</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Σύστημα με κλειδί (το κλειδί σας σε κάθε δελτίο)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Εγγυημένες επιτυχίες</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Αριθμοί κλήρωσης μέσα στους δικούς σας</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Αριθμοί:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Εγγύηση:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Τύπος:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>Το &amp;πολύ:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>Αναζήτηση &amp;για:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Κάτω όριο:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 σε ένα δελτίο</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>κανένα τέτοιο σύστημα δεν έχει λιγότερα από %1 δελτία</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>τουλάχιστον %1 δελτία: περισσότερα από τα %2 που επιτρέπετε</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Αναζήτηση για &amp;λιγότερα</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Αναζήτηση για λιγότερα;</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Κανένα σύστημα δεν μπορεί να έχει λιγότερα.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Η βιβλιοθήκη σας έχει ήδη αυτό το σύστημα με %1 δελτία· είναι στη λίστα συστημάτων. Η αναζήτηση ξεκινά από αυτό και κρατά νέο μόνο αν έχει λιγότερα.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Το Wheelwright έχει ενσωματωμένο αυτό το σύστημα με %1 δελτία· είναι στη λίστα συστημάτων. Η αναζήτηση ξεκινά από αυτό.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Αναζήτηση…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Διακοπή και έλεγχος του καλύτερου συστήματος ως τώρα…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Αναζήτηση… απομένουν %1 δευτ.</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Καλύτερο ως τώρα: %1 δελτία (κάτω όριο %2). Απομένουν %3 δευτ.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Ελέγχθηκε: %1 σε %2 αριθμούς με %3 δελτία%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, όσο λίγα μπορεί να έχει κάθε σύστημα</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Διακόπηκε πριν βρεθεί κάποιο σύστημα.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Ειδοποίηση</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Η αναζήτηση διακόπηκε. Να κρατηθεί το καλύτερο σύστημα ως τώρα (%1 δελτία, ελεγμένο);</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Κρατήθηκε: %1 με %2 δελτία.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Διακόπηκε· τίποτα δεν κρατήθηκε.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Προειδοποίηση</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n κύριος αριθμός</numerusform>
            <numerusform>%n κύριοι αριθμοί</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n μπόνους</numerusform>
            <numerusform> + %n μπόνους</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Ακριβείς πιθανότητες αυτού του συστήματος, υπολογισμένες σε κάθε δυνατή κλήρωση</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Πίνακας πιθανοτήτων</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Κατηγορίες κερδών:&lt;/b&gt; η πιθανότητα ανά κλήρωση να κερδίσει κάθε μία τουλάχιστον ένα από τα δελτία σας (ένα δελτίο μετρά μόνο στην καλύτερη κατηγορία του)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Κατηγορίες κερδών</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Κατάσταση κατηγοριών κερδών</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Πιθανότητες κατηγοριών</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Κάθε γραμμή: μια κατηγορία, το κέρδος της, η πιθανότητα να την κερδίσει τουλάχιστον ένα δελτίο, και τα αναμενόμενα δελτία σε αυτή ανά κλήρωση</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Κάποιο κέρδος και σταθερή απόδοση</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Υπολογισμός των πιθανοτήτων του «%1»…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>Οι πιθανότητες του «%1» δεν υπολογίζονται: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Οι κατηγορίες κερδών αυτού του παιχνιδιού δεν είναι γνωστές: υπολογίζονται μόνο οι επιτυχίες παραπάνω.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Υπολογισμός της πιθανότητας κάθε κατηγορίας…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>Οι κατηγορίες κερδών δεν υπολογίζονται: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Κατηγορία</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Κέρδος</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Τουλάχιστον ένα δελτίο</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Δελτία ανά κλήρωση</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>Η πιθανότητα ανά κλήρωση να κερδίσει αυτή την κατηγορία τουλάχιστον ένα από τα δελτία σας</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Πόσα από τα δελτία σας κερδίζουν αυτή την κατηγορία ανά κλήρωση, κατά μέσο όρο</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Κάποιο κέρδος:&lt;/b&gt; τουλάχιστον ένα δελτίο κερδίζει μια κατηγορία στο %1 των κληρώσεων%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Σταθερά κέρδη:&lt;/b&gt; αποδίδουν %1 ανά κλήρωση κατά μέσο όρο</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, έναντι κόστους %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Οι κατηγορίες με μοιραζόμενα κέρδη δεν μετρούν σε αυτή την απόδοση.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Καμία κατηγορία δεν πληρώνει σταθερό ποσό, οπότε δεν υπολογίζεται απόδοση ανά κλήρωση· τα μοιραζόμενα κέρδη εξαρτώνται από το ποσό και τους νικητές.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Υπολογίστηκε χωρίς αριθμούς μπόνους: μια κατηγορία που θέλει μπόνους δεν κερδίζεται εδώ από κανένα δελτίο.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Υπολογίστηκε με τους αριθμούς μπόνους μοιρασμένους στα δελτία όπως παίζονται.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Δικοί σας</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Πιθανότητα</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Κάθε γραμμή: πόσοι από τους αριθμούς της κλήρωσης είναι δικοί σας, πόσο πιθανό είναι αυτό, και για κάθε στήλη b η πιθανότητα το καλύτερο δελτίο σας να πετύχει τουλάχιστον b από αυτούς.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Η εγγύηση «%1»</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>η εγγύηση</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Κάθε κλήρωση</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Ακριβείς πιθανότητες του «%1» σε %2 αριθμούς: %3, κληρώνονται %4 από %5</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n δελτίο</numerusform>
            <numerusform>%n δελτία</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Πόσοι από τους αριθμούς της κλήρωσης είναι δικοί σας</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Σύστημα με κλειδί: οι γραμμές μετρούν τις κληρώσεις που έχουν τον αριθμό-κλειδί σας (%1 όλων των κληρώσεων)· η τελευταία γραμμή μετρά κάθε κλήρωση.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Επισημασμένη: η εγγύηση «%1». Όταν %2 από τους αριθμούς της κλήρωσης είναι δικοί σας%3, το καλύτερο δελτίο σας πετυχαίνει τουλάχιστον %4 από αυτούς: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, ανάμεσά τους το κλειδί</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>Το κατώτερο κέρδος αυτού του παιχνιδιού δεν είναι γνωστό εδώ.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>Το κατώτερο κέρδος κερδίζεται μόνο με τον αριθμό μπόνους· αυτές οι πιθανότητες μετρούν μόνο τους κύριους αριθμούς.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>Η πιθανότητα του κατώτερου κέρδους (%1) δεν υπολογίζεται εδώ.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Τουλάχιστον ένα κέρδος:&lt;/b&gt; κάποιο δελτίο κερδίζει το κατώτερο κέρδος (%1)%2 στο %3 των κληρώσεων%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, μόνο με τους κύριους αριθμούς,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Δελτία ανά κλήρωση, κατά μέσο όρο, με ακριβώς  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Πιθανότητα ανά κλήρωση για τουλάχιστον κάθε αριθμό επιτυχιών</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Ανά κλήρωση, το καλύτερο δελτίο σας πετυχαίνει τουλάχιστον:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Σελίδα συστήματος</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Επιλέξτε σύστημα για τους αριθμούς σας</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Δημιουργία συστήματος…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Αναζήτηση και έλεγχος δικού σας συστήματος για τους αριθμούς που επιλέξατε</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Σύγκριση συστημάτων…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Όλα τα συστήματα για τους αριθμούς σας δίπλα-δίπλα: κόστος, πιθανότητες και το καλύτερο εντός προϋπολογισμού</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Σύγκριση συστημάτων</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Ιστορικό κληρώσεων…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Πώς θα τα πήγαινε το επιλεγμένο σύστημα με τους αριθμούς σας στις αποθηκευμένες κληρώσεις</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Ιστορικό κληρώσεων</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Πώς διαβάζεται ένα σύστημα…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>Το «3 if 4» σημαίνει: αν 4 από τους αριθμούς της κλήρωσης είναι δικοί σας, τουλάχιστον ένα δελτίο έχει 3 από αυτούς.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Τύπος συστήματος</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Συστήματα τύπου A</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Επιλέξτε &amp;σύστημα (εγγύηση και πλήθος δελτίων):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Δεν υπάρχει αποθηκευμένο σύστημα τύπου A για τόσους αριθμούς. Δοκιμάστε τα συστήματα με κλειδί, ή επιλέξτε περισσότερους ή λιγότερους αριθμούς.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Συστήματα με κλειδί</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>Αριθμός-&amp;κλειδί:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Αριθμός-κλειδί</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Κάθε δελτίο ενός συστήματος με κλειδί έχει τον αριθμό-κλειδί σας.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Δεν υπάρχει αποθηκευμένο σύστημα με κλειδί για τόσους αριθμούς. Δοκιμάστε τα συστήματα τύπου A, ή επιλέξτε περισσότερους ή λιγότερους αριθμούς.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Μορφή δελτίου</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Τιμή δελτίου:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Τιμή δελτίου</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Τιμή δελτίου: άγνωστη - πληκτρολογήστε την</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Πληκτρολογήστε την τιμή ενός δελτίου ως αριθμό, όπως 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Κόστος: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>Οι πιθανότητες του «%1» δεν υπολογίζονται: το σύστημα είναι κατεστραμμένο (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>η γραμμή %1 του συστήματος %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>έχει %1 γραμμές ενώ η λίστα συστημάτων υπόσχεται %2</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>το όνομά του έχει χαρακτήρες που δεν είναι κείμενο</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>είναι κενή</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>ορίζει τη θέση %1 δύο φορές</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>ορίζει θέση έξω από την επιλογή σας</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>έχει %1 θέσεις ενώ ένα δελτίο έχει %2</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>δεν έχει τη θέση 01 του αριθμού-κλειδιού</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>δεν είναι στη βιβλιοθήκη συστημάτων σας</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>δεν είναι πια στη βιβλιοθήκη συστημάτων σας</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>η εγγύησή του %1 δεν έχει τη μορφή «x if y»</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>δεν τηρεί την εγγύησή του (%1)</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Τα δικά σας συστήματα δεν αποθηκεύονται: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n δελτίο x %1 = %2</numerusform>
            <numerusform>%n δελτία x %1 = %2</numerusform>
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
        <translation>1 στα %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Συστήματα</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Πώς διαβάζεται ένα σύστημα&lt;/h3&gt;&lt;p&gt;Μια καταχώριση όπως &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; σημαίνει: αν 4 από τους αριθμούς της κλήρωσης είναι ανάμεσα στους αριθμούς που επιλέξατε, τουλάχιστον ένα από τα 12 δελτία έχει 3 από αυτούς. Το πλήθος των δελτίων είναι το κόστος του συστήματος.&lt;/p&gt;&lt;h3&gt;Συστήματα τύπου A&lt;/h3&gt;&lt;p&gt;Μοιράζουν όλους τους αριθμούς σας ισόποσα· η εγγύηση ισχύει για οποιουσδήποτε αριθμούς κλήρωσης ανάμεσα στους δικούς σας.&lt;/p&gt;&lt;h3&gt;Συστήματα με κλειδί&lt;/h3&gt;&lt;p&gt;Βάζουν τον αριθμό-κλειδί σας (τον πρώτο αριθμό που επιλέξατε) σε κάθε δελτίο. Η εγγύηση ισχύει όταν κληρωθεί το κλειδί, και ένα σύστημα με κλειδί θέλει πολύ λιγότερα δελτία.&lt;/p&gt;&lt;h3&gt;Πλήρη συστήματα&lt;/h3&gt;&lt;p&gt;Ένα σύστημα όπως το &lt;b&gt;6 if 6&lt;/b&gt; παίζει όλους τους συνδυασμούς των αριθμών σας: το τζάκποτ είναι βέβαιο αν όλοι οι αριθμοί της κλήρωσης είναι δικοί σας, με το υψηλότερο κόστος.&lt;/p&gt;&lt;p&gt;Η λίστα δείχνει πρώτα το φθηνότερο σύστημα. Ένα σύστημα εμφανίζεται μόνο όταν κανένα άλλο σύστημα για τους αριθμούς σας δεν υπόσχεται τόσα με τόσο λίγα δελτία.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Σχετικά με τα συστήματα</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
</TS>
