<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>À propos de Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright répartit les numéros que vous voulez jouer sur aussi peu de grilles que possible, avec une garantie qui tient : c&apos;est le jeu en système réducteur. Chaque système proposé est vérifié ligne par ligne avant d&apos;être livré.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure. Il est fourni sans aucune garantie ; aucun système ne peut promettre un gain.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Ces grilles ne peuvent pas être ouvertes.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright ne connaît aucune loterie du pays « %1 »</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright ne connaît pas la loterie « %1 » de %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 grilles</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Les grilles n&apos;ont pas pu être imprimées : l&apos;imprimante n&apos;est pas utilisable.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1 : le PDF n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Veuillez choisir une loterie</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>La loterie « %1 » de %2 n&apos;est pas dans la base des systèmes.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Choisissez au moins %1 numéros</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Veuillez choisir au moins %n numéro bonus</numerusform>
            <numerusform>Veuillez choisir au moins %n numéros bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Le système n&apos;a pas pu être gardé dans votre bibliothèque : %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Vous devez choisir une option x if y !</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>Le système « %1 » pour %2 numéros est endommagé : %3. Aucune grille n&apos;en a été tirée.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright parlera cette langue à son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Bonus au hasard</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Effacer le bonus</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Grille des numéros bonus</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Laisser le programme choisir un numéro bonus pour vous</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Retirer tous les numéros bonus choisis</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Chiffre bonus</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Le bonus de cette loterie est un chiffre de 0 à 9 que donne le ticket ou que vous cochez sur le bulletin ; il ne se choisit pas ici, et les grilles ne portent que les numéros principaux.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Numéros bonus : choisissez de 1 à %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Chaque grille porte 1 numéro bonus. Choisissez-en un, ou plusieurs pour les répartir également sur les grilles.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Chaque grille porte %1 numéros bonus. Choisissez-en au moins %1 ; les autres sont répartis également sur les grilles.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bonus : aucun choisi</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bonus : %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>Votre loterie, modifiée %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Votre loterie</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Données à jour en %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Graphique du coût face à la chance</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Un point par système ; le tableau ci-dessus donne les mêmes chiffres</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Aucun système encore calculé</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Chance de %1 par tirage</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (échelle par puissances de dix)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Coût par tirage (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, échelle par puissances de dix</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Erreur : la requête n&apos;a pas pu être préparée, message « %1 ».</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>La base des systèmes data.sqlite3 est absente : elle n&apos;est ni dans %1 ni dans %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>La base des systèmes %1 est absente.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>La base des systèmes %1 ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>La base des systèmes %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Erreur : la base des systèmes n&apos;a pas pu être lue jusqu&apos;au bout : %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n bon numéro</numerusform>
            <numerusform>%n bons numéros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n bon numéro bonus</numerusform>
            <numerusform>%n bons numéros bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 bonus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>« %1 » n&apos;est pas un numéro de loterie</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>aucun numéro tiré n&apos;a été donné</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 est hors des numéros 1 à %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 est tiré deux fois</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n numéro est tiré dans cette loterie, %1 donnés</numerusform>
            <numerusform>%n numéros sont tirés dans cette loterie, %1 donnés</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>cette loterie ne tire pas de numéros complémentaires en plus de ses numéros bonus</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>le numéro complémentaire %1 est hors des numéros 1 à %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>le numéro complémentaire %1 est aussi l&apos;un des numéros principaux tirés</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>le numéro complémentaire %1 est tiré deux fois</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n numéro complémentaire est tiré dans cette loterie, %1 donnés</numerusform>
            <numerusform>%n numéros complémentaires sont tirés dans cette loterie, %1 donnés</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>les grilles de cette loterie ne portent pas de chiffre propre</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>votre chiffre %1 n&apos;est pas entre 0 et %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>cette loterie ne tire pas de numéros bonus</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>le numéro bonus %1 est hors des numéros %2 à %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>le numéro bonus %1 est aussi l&apos;un des numéros principaux tirés</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>le numéro bonus %1 est tiré deux fois</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n numéro bonus est tiré dans cette loterie, %1 donnés</numerusform>
            <numerusform>%n numéros bonus sont tirés dans cette loterie, %1 donnés</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>les numéros bonus</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>les numéros complémentaires</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>le chiffre tiré</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>votre chiffre</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 n&apos;ont pas été saisis</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 n&apos;a pas été saisi</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>les grilles ne portent pas de numéros bonus</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>aucun gain</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 si le bonus est bon, sinon %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n grille gagne %1</numerusform>
            <numerusform>%n grilles gagnent %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n gagne %1</numerusform>
            <numerusform>%n gagnent %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Aucune grille ne gagne</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n grille n&apos;est pas jugée : %1</numerusform>
            <numerusform>; %n grilles ne sont pas jugées : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>gains partagés</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>gains inconnus ici</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>les grilles non jugées</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>aucun bon numéro</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 avec %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n grille</numerusform>
            <numerusform>%n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>aucune grille</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Aucune grille n&apos;atteint le plus petit rang (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n grille atteint le plus petit rang (%1)</numerusform>
            <numerusform>%n grilles atteignent le plus petit rang (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n bon numéro : %1</numerusform>
            <numerusform>%n bons numéros : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complémentaire %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Vérifier un tirage</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterie</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Saisissez les numéros tirés, séparés par des espaces ou des virgules.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>Numéros &amp;tirés :</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Numéros tirés</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>Numéros &amp;bonus :</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>peut rester vide</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Numéros bonus</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Problème avec le tirage</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Grilles par nombre de bons numéros</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Plus petit rang</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Marquer les bons numéros de chaque grille pour ce tirage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Numéros complémentaires</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>Numéros &amp;complémentaires :</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Votre chiffre</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 à 9, le chiffre de votre ticket</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Votre chiffre :</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Rangs gagnés</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Gain de chaque grille</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n grille</numerusform>
            <numerusform>%n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Saisissez les %1 numéros tirés (1 à %2), séparés par des espaces ou des virgules.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Le numéro bonus est le chiffre tiré (0 à %1) ; le chiffre propre de vos grilles se met à côté.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Les numéros bonus viennent de leur propre ensemble (1 à %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Les numéros bonus ou complémentaires sont tirés parmi les mêmes numéros.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Les numéros complémentaires sont tirés parmi les mêmes numéros que les principaux.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Ils peuvent être omis.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bonus (chiffre tiré) :</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>Numéro &amp;bonus :</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Complémentaire (boule bonus) :</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Numéros tirés : %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Numéros bonus : %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Numéros complémentaires : %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Votre chiffre : saisissez un chiffre, de 0 à 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Tirage : %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, complémentaire %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, votre chiffre %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Saisissez aussi les numéros bonus pour voir quelles grilles atteignent le plus petit rang.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Les grilles ne portent pas de numéros bonus : le plus petit rang ne peut pas être jugé.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Les rangs de gain de cette loterie ne sont pas connus ici.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Grille %1 : %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Non utilisée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Numéro principal</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Numéro bonus</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>il contient des données binaires, pas des lignes de texte : ce n&apos;est pas un fichier de résultats</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 n&apos;a pas été lu : %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 n&apos;a pas pu être relu depuis le début.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Aucune ligne de %1 ne se lit comme une date et des numéros tirés : indiquez ce que contient chaque colonne.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>la ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>la ligne n&apos;est pas du texte</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n colonne trouvée, %1 attendues</numerusform>
            <numerusform>%n colonnes trouvées, %1 attendues</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>« %1 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>la colonne %1 est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>« %1 » n&apos;est pas un numéro de loterie</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>le tirage du %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Aucune ligne de %1 n&apos;est un tirage de cette loterie (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n ligne invalide</numerusform>
            <numerusform>%n lignes invalides</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 n&apos;a pas été lu : il fait %2 Mo, et un fichier de résultats ne dépasse pas %3 Mo.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Les résultats n&apos;ont pas été lus : au-delà de %1 Mo, ce n&apos;est pas un fichier de résultats.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Les résultats</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Aucun tirage ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n tirage ajouté</numerusform>
            <numerusform>%n tirages ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 déjà enregistrés</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n date porte déjà d&apos;autres numéros, gardés tels quels : %1</numerusform>
            <numerusform>; %n dates portent déjà d&apos;autres numéros, gardés tels quels : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 non jugées</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n bon numéro</numerusform>
            <numerusform>%n bons numéros</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Tirages : %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Grilles jouées : %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Coût : %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Coût : inconnu (pas de prix de grille)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>gains partagés</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>gains inconnus ici</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n grille non jugée</numerusform>
            <numerusform>%n grilles non jugées</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Rangs de gain : inconnus ici ; grilles par nombre de bons numéros :</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Un gain quelconque</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 bons numéros ou plus</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Tirages passés</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Tirages passés</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>premier tirage</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>dernier tirage</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Vérifier les tirages entre ces dates</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>&amp;Importer des résultats…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Importer des résultats</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Meilleur résultat</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Grilles gagnantes</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Gains fixes</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 grilles de %2, %3 face aux tirages enregistrés</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Donnez les dates sous la forme 2026-12-05, ou laissez-les vides pour tous les tirages.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Aucun tirage de cette loterie n&apos;est enregistré entre ces dates : importez un fichier de résultats.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Vérification de %1 tirages…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Double-cliquez sur un tirage pour voir chaque grille dans la vérification de ce tirage.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Meilleur résultat par tirage</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n tirage ; le meilleur résultat est %1</numerusform>
            <numerusform>%n tirages ; le meilleur résultat de tous est %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Ce qu’ont donné les tirages, à côté des chances exactes</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Tirages passés à côté des chances exactes</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Tirages passés
gagnés</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Chance exacte
par tirage</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Grilles passées
par tirage</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Grilles attendues
par tirage</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Calcul des chances exactes de ces grilles…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Les chances exactes de ces grilles ne peuvent pas être calculées : %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Bons numéros</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>aucun tirage</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 sur %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Gains fixes : %1 attendus par tirage.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Gains fixes par tirage : %1 gagnés dans ces tirages, %2 attendus.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 grilles dont le rang dépend de numéros que les résultats ne donnent pas ne figurent dans aucune ligne.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Format de grille %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Aide de Wheelwright</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d&apos;aide welcome.html manque dans cette installation.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>L&apos;aide ci-dessous est en anglais.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principaux</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>&amp;Copier pour modifier</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Exp&amp;orter...</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loteries</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Loteries du pays</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>No&amp;uvelle loterie</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Nouvelle loterie</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Copier la loterie livrée pour la modifier</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Supprimer ou rétablir la loterie</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Exporter la loterie dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Importer des loteries d&apos;un fichier</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1 : problème</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Plage :</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Plage de numéros</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Numéros par &amp;grille :</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Numéros par grille</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>&amp;Tirés :</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Numéros tirés</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Comp&amp;lémentaires tirés :</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Numéros complémentaires tirés</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Plage &amp;bonus :</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Plage des numéros bonus</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Bonus ti&amp;rés :</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Numéros bonus tirés</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>Pri&amp;x :</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Prix d&apos;une grille</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>De&amp;vise :</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>Rangs de gain, du meilleur au &amp;moindre :</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Rangs de gain</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Rangs de gain : problème</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>A&amp;jouter un rang</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Ajouter un rang de gain</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Retirer le rang</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Retirer le rang de gain</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Enregistrer la loterie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>Rét&amp;ablir l&apos;original</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, à la place des données livrées</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Copiez-la pour la modifier.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Rang %1 : %2 doit être un nombre entier</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Rang %1 : %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>La loterie n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Enregistrée. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Oublier vos données de « %1 » et reprendre celles livrées ?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Supprimer votre loterie « %1 » ?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Une copie des données livrées : gardez le nom pour l&apos;utiliser à la place de la loterie livrée.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Une nouvelle loterie de %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Exporter la loterie</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Fichiers de loterie (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportée vers %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Aucune loterie importée : %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>le fichier n&apos;en contient aucune</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Aucune autre loterie importée : %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 importées de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n loterie</numerusform>
            <numerusform>%n loteries</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Importer une loterie</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 doit être un nombre entier</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>un rang s&apos;écrit nom, principaux, complémentaires, bonus, gain, devise</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>les %1 bons numéros du rang doivent être un nombre entier</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>contient un octet NUL</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Page de la loterie</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Choisissez votre pays, puis la loterie à laquelle vous jouez.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Pays :</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Loteries :</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loteries</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Cliquez sur une loterie, puis sur Suivant pour cocher vos numéros.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterie</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Date de lecture des données de la loterie</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;oteries...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Loteries : ajouter, copier ou modifier les vôtres</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(la vôtre)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>votre loterie</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>« %1 » n&apos;est pas un pays proposé par le programme</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>la loterie doit avoir un nom</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>le nom dépasse 80 octets</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>le nom contient un caractère non imprimable</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>le nom commence ou finit par une espace</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>la plage compte de 2 à 99 numéros</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>une grille compte au moins 1 numéro</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>une grille compte 1 numéro, la plage doit donc en compter au moins %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>une grille compte %1 numéros, la plage doit donc en compter au moins %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>le tirage prend de 1 à %1 numéros dans une plage de %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>une fois 1 numéro tiré, il reste %1 numéros dans la plage pour les complémentaires</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>une fois %1 numéros tirés, il reste %2 numéros dans la plage pour les complémentaires</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>la plage bonus compte de 0 (aucun) à 99 numéros</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>il n&apos;y a pas de plage bonus, donc aucun numéro bonus n&apos;est tiré</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>la plage bonus de %1 donne de 1 à %2 numéros bonus</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>les bons numéros principaux et bonus du plus petit rang se donnent ensemble ou pas du tout</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>le plus petit rang demande de 0 à %1 bons numéros principaux</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>le plus petit rang demande de 0 à %1 bons numéros bonus</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>le plus petit rang ne peut pas ne demander aucun bon numéro</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>un prix est un montant comme 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>un prix est plus que rien</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>un prix demande sa devise</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>une devise demande un prix</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>la devise est un code de trois lettres comme EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>le mois s&apos;écrit comme 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>le rang doit avoir un nom de 1 à 80 octets</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>le nom du rang contient une virgule ou un caractère non imprimable</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>principaux doit être un nombre entier de 0 à %1 pour « %2 »</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>complémentaires doit être un nombre entier de 0 à %1 pour « %2 »</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>bonus doit être un nombre entier de 0 à %1 pour « %2 »</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>une grille compte %1 numéros : elle ne peut pas avoir %2 bons principaux et %3 bons complémentaires</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>un rang ne peut pas ne demander aucun bon numéro</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>une devise ne va qu&apos;avec un montant fixe</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>le gain doit être vide, shared ou un montant à deux décimales comme 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>un montant fixe demande un code de devise de trois lettres (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>aucune grille ne peut atteindre « %1 » : « %2 » vient avant et prend toutes les grilles qui l&apos;atteindraient</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>aucune grille ne peut atteindre « %1 » : « %2 » (ligne %3) vient avant et prend toutes les grilles qui l&apos;atteindraient</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>rang « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Loterie</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Numéros</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Système</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Grilles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Créer les grilles</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Ouvrir un fichier de grilles enregistré</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Imprimer les grilles</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Voir les pages avant de les imprimer</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Écrire les pages imprimées dans un fichier PDF</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Écrire les grilles pour un tableur, un numéro par cellule</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>&amp;Aide de Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Systèmes</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>À &amp;propos de Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, choisi</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, numéro clé</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Page des numéros</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterie</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Grille de la loterie</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Numéros :</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Touchez les numéros sur la grille ; le premier est votre numéro clé</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Total des numéros : 0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Total des numéros</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Retirer le dernier numéro choisi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Effacer tous les numéros choisis</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Afficher dans l&apos;ordre croissant</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Choix au hasard…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Laisser le programme choisir des numéros pour vous</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Grille des numéros</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Vous ne pouvez retirer le numéro clé qu&apos;en effaçant tous les numéros (bouton « Effacer »)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Aucun numéro à retirer</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Voulez-vous vraiment effacer tous les numéros choisis ?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Total des numéros : %1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Choix au hasard</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Combien de numéros le programme doit-il choisir pour vous ?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Nombre :</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Compteur du nombre</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Les numéros choisis au hasard s&apos;ajoutent à ceux déjà choisis ; si la sélection est vide, le premier devient le numéro clé.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>« %1 » n&apos;est pas un nombre de numéros. Saisissez un nombre entier de %2 à %3.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Aucun fichier n&apos;a été indiqué pour la bibliothèque de systèmes.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Votre bibliothèque de systèmes %1 ne peut pas être créée : son dossier %2 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Votre bibliothèque de systèmes %1 ne peut pas être utilisée : %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Une nouvelle bibliothèque de systèmes %1 n&apos;a pas pu être commencée : %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Votre bibliothèque de systèmes %1 ne peut pas être ouverte : %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>ce n&apos;est pas une bibliothèque de systèmes</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>La bibliothèque de systèmes n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Le système ne tient pas sa garantie (%1) ; il n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Le système n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>La bibliothèque de systèmes ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Ses systèmes n&apos;ont pas pu être lus à l&apos;instant.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>ses tables ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>La bibliothèque n&apos;est pas ouverte ; aucun tirage n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Aucun tirage n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Votre bibliothèque %1 ne peut pas être écrite (%2) ; aucun tirage n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>La bibliothèque n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Les tirages de votre bibliothèque %1 ne peuvent pas être lus : %2.</translation>
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
        <translation>Enregistrer les grilles</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Ouvrir des grilles</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Fichiers de grilles (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Alerte</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>La loterie %1 de %2 ne peut pas être jouée : la base des systèmes n&apos;a pas de taille utilisable pour elle (une plage de 2 à 99 numéros, et moins sur une grille).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>La loterie %1 de %2 ne peut pas être jouée : la base des systèmes demande %3 numéros bonus dans une plage bonus de %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>une grille de %1 compte %2 numéros, celle-ci en compte %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>Le système « %1 » pour %2 numéros est endommagé : %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>Les tirages de « %1 » de %2 ne peuvent pas être vérifiés : la loterie n&apos;est pas connue ici.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>vos loteries %1 n&apos;ont pas pu être lues : %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>il n&apos;y a pas d&apos;endroit où garder vos loteries</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Gains fixes obtenus : %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (sans compter %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>partagé</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Importer des résultats</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers de résultats (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Importer des résultats</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Tirages de %1, %2 depuis %3. Indiquez au-dessus de chaque colonne ce qu&apos;elle contient :</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Premières lignes du fichier</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>La colonne %1 contient</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La première ligne nomme les colonnes</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Lignes invalides</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Importer les lignes valides</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Ne rien importer</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Choisissez une colonne de dates et les colonnes des numéros principaux.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 tirages, toutes les lignes valides.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 lignes valides ; %2, listées ci-dessous, ne seront pas importées.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n ligne invalide</numerusform>
            <numerusform>%n lignes invalides</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Grilles en texte</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Texte des grilles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>il manque un %1 (deux séparateurs à la suite, ou un en bout de ligne)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 est trop long pour un numéro de loterie</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 n&apos;est pas un numéro de loterie (ils commencent à 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 figure deux fois dans cette grille</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>le fichier est en UTF-8, mais les fichiers de grilles sont écrits en UTF-16</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>ce n&apos;est pas un fichier de grilles : il ne commence pas par une marque d&apos;ordre des octets UTF-16</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>le fichier est coupé au milieu d&apos;un caractère</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>cette ligne n&apos;est pas du texte UTF-16 valide</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>la ligne est vide</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>« + » figure plus d&apos;une fois dans cette grille</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>aucun numéro bonus ne suit « + »</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>numéro bonus</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>le fichier ne contient aucune grille</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>une ligne vide se trouve parmi les grilles</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>cette grille a %n numéro, la première en a %1</numerusform>
            <numerusform>cette grille a %n numéros, la première en a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>cette grille a %n numéro bonus, la première en a %1</numerusform>
            <numerusform>cette grille a %n numéros bonus, la première en a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>le fichier est trop gros pour être un fichier de grilles</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>le fichier se termine avant la ligne « %1 »</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>« %1 » attendu ici, trouvé %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>le numéro clé %1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>le fichier se termine avant la ligne vide qui suit la clé</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>une ligne vide était attendue après la clé, trouvé %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>le fichier se termine au milieu de cette ligne : il a été tronqué</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>le numéro clé %1 est hors des numéros 1 à %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 est hors des numéros 1 à %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>cette loterie n&apos;a pas de numéros bonus, mais la grille en porte</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>le numéro bonus %1 est hors des numéros bonus 1 à %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>le fichier est trop gros pour être une liste de grilles</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>le texte n&apos;est ni un fichier de grilles UTF-16 ni des lignes UTF-8</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>n&apos;est pas un fichier ordinaire, il n&apos;est donc pas lu comme des grilles</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Page des grilles</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loterie</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Total des grilles : 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Total des grilles</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Enregistrer les grilles dans un fichier texte</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Vue texte</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Afficher les grilles en texte</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Vérifier un tirage…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Saisissez les numéros tirés et voyez quelles grilles les contiennent</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Vérifier les tirages…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Vérifier ces grilles sur chaque tirage enregistré de la loterie</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Vérifier les tirages</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Les grilles sont enregistrées en texte UTF-16, lisible par tout éditeur.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Total des grilles : %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Système : %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Numéros joués (%1) : %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Numéro clé : %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Numéros bonus joués : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n grille</numerusform>
            <numerusform>%n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - grilles %2 à %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 grilles</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Imprimer les grilles</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Impression impossible : le module d’impression n’a pas pu être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Impossible de créer le fichier en écriture, message « %1 ».</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Grille</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n bon numéro</numerusform>
            <numerusform>%n bons numéros</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + bonus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, gain</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>grille %1 : %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, atteint le plus petit rang</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>&amp;Jouer ce système</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparer les systèmes</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Budget par tirage</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Meilleure &amp;chance de :</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Chance comparée</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Choisit le système sélectionné sur la page des systèmes</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Meilleur système dans le budget</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>État du calcul</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Systèmes comparés</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Meilleur système pour chaque nombre de numéros</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Meilleur système</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Calcul arrêté.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>n&apos;importe quel gain</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>le rang %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Au plus </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 par tirage</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2 :&lt;/b&gt; tous les systèmes pour %3 numéros%4, calculés sur tous les tirages possibles.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, une grille à %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; le prix d&apos;une grille n&apos;est pas connu, les coûts sont donc en grilles</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Les systèmes ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Coût (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Un gain</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Retour par tirage</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Retour par unité</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Calcul de %1 systèmes…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Calcul de %1 systèmes de plus…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, toutes les combinaisons</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, le vôtre</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>calcul…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>incalculable</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>hors budget</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>meilleur dans le budget</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Les systèmes pour les autres nombres ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Combien de numéros jouer :&lt;/b&gt; le meilleur système dans %1 pour chaque nombre de numéros (les chiffres valent pour tous numéros en même nombre)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; calcul…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (le vôtre)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>aucun système dans le budget</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>calcul %1 sur %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Toutes les combinaisons de vos numéros ne sont pas enregistrées comme système : elles ne peuvent donc pas être choisies sur la page des systèmes.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 par tirage</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 bons numéros ou plus</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>clé %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (toutes les combinaisons)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (le vôtre)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n grille</numerusform>
            <numerusform>%n grilles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n grille</numerusform>
            <numerusform>%1, %n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Aucun système n&apos;est enregistré pour ces numéros.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Aucun système ne tient dans %1 : le moins cher coûte %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Aucun système dans %1 n&apos;a encore pu être calculé.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1 : hors budget ; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1 : meilleure chance de %2 dans %3 : %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n autre système aussi bon coûte autant)</numerusform>
            <numerusform> (%n autres systèmes aussi bons coûtent autant)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Aucun système n&apos;a été trouvé dans le temps donné.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Une grille doit compter au moins un numéro.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Choisissez de %1 à 99 numéros pour des grilles de %2.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Les systèmes peuvent être créés pour %1 numéros au plus.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>Dans une garantie « x if y », x doit valoir au moins 1 et au plus y.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Une garantie « x if y » pour des grilles de %1 numéros demande un y d&apos;au plus %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Le système doit avoir droit à au moins une grille.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>Le temps de recherche doit dépasser 0 seconde et ne pas dépasser un jour.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>Le nombre de fils doit aller de 1 à 1024 (ou 0 pour tous les cœurs).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Un système à clé de toutes les combinaisons de %1 parmi %2 numéros</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Toutes les combinaisons de %1 parmi %2 numéros</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 fait %2 grilles, plus que les %3 permises.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 fait %2 grilles, plus que Wheelwright ne peut en créer (%3).</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Créer un système</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright part du meilleur système qu&apos;il connaît, en cherche un avec moins de grilles, puis prouve sa garantie tirage par tirage avant de le proposer.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Système de type A</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Système à clé (votre clé sur chaque grille)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Bons numéros garantis</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Numéros tirés parmi les vôtres</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Numéros :</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garantie :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>Au &amp;plus :</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Borne inférieure :</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 par grille</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>aucun système de ce genre n&apos;a moins de %1 grilles</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>au moins %1 grilles : plus que les %2 que vous permettez</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Chercher &amp;moins</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Chercher moins ?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Aucun système ne peut en avoir moins.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Votre bibliothèque contient déjà ce système avec %1 grilles ; il est dans la liste des systèmes. Une recherche part de lui et n&apos;en garde un nouveau que s&apos;il a moins de grilles.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright livre ce système avec %1 grilles ; il est dans la liste des systèmes. Une recherche part de lui.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Arrêt et preuve du meilleur système trouvé…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Recherche… %1 s restantes</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Meilleur à ce stade : %1 grilles (borne inférieure %2). %3 s restantes.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Prouvé : %1 sur %2 numéros avec %3 grilles%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, le minimum possible pour un système</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Arrêté avant qu&apos;un système soit trouvé.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>La recherche a été arrêtée. Garder le meilleur système trouvé (%1 grilles, prouvé) ?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Gardé : %1 avec %2 grilles.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Arrêté ; rien n&apos;a été gardé.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n numéro principal</numerusform>
            <numerusform>%n numéros principaux</numerusform>
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
        <translation>Chances exactes de ce système, calculées sur tous les tirages possibles</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Tableau des chances</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Rangs de gain :&lt;/b&gt; la chance par tirage qu&apos;au moins une de vos grilles gagne chaque rang (une grille ne compte que dans son meilleur rang)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Rangs de gain</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>État des rangs de gain</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Chances par rang de gain</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Chaque ligne : un rang de gain, son gain, la chance qu&apos;au moins une grille le gagne, et les grilles attendues dans ce rang par tirage</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Un gain et le retour fixe</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Calcul des chances de « %1 »…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>Les chances de « %1 » ne peuvent pas être calculées : %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Les rangs de gain de cette loterie ne sont pas connus : seuls les bons numéros ci-dessus sont calculés.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Calcul de la chance de chaque rang de gain…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>Les rangs de gain ne peuvent pas être calculés : %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Au moins une grille</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Grilles par tirage</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>La chance par tirage qu&apos;au moins une de vos grilles gagne ce rang</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Combien de vos grilles gagnent ce rang par tirage, en moyenne</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Un gain :&lt;/b&gt; au moins une grille gagne un rang dans %1 des tirages%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Gains fixes :&lt;/b&gt; ils rapportent %1 par tirage en moyenne</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, pour un coût de %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Les rangs à gains partagés ne sont pas dans ce retour.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Aucun rang ne paie un montant fixe, donc aucun retour par tirage n&apos;est calculé ; les gains partagés dépendent de la cagnotte et des gagnants.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Calculé sans numéros bonus : un rang qui en demande un n&apos;est gagné par aucune grille ici.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Calculé avec les numéros bonus répartis sur les grilles tels qu&apos;ils sont joués.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Vos numéros tirés</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Chaque ligne : combien des numéros tirés sont parmi les vôtres, la probabilité de ce cas, et pour chaque colonne b la chance que votre meilleure grille en ait alors au moins b.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>La garantie « %1 »</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>la garantie</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Tout tirage</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Chances exactes de « %1 » sur %2 numéros : %3, %4 tirés sur %5</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n grille</numerusform>
            <numerusform>%n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Combien des numéros tirés sont parmi les vôtres</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Système à clé : les lignes comptent les tirages qui contiennent votre numéro clé (%1 des tirages) ; la dernière ligne compte tous les tirages.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>En surbrillance : la garantie « %1 ». Quand %2 des numéros tirés sont parmi les vôtres%3, votre meilleure grille en a au moins %4 : %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, dont la clé</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>Le plus petit rang de cette loterie n&apos;est pas connu ici.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>Le plus petit rang se gagne avec le seul numéro bonus ; ces chances ne comptent que les numéros principaux.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>La chance du plus petit rang (%1) n&apos;est pas calculée ici.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Au moins un gain :&lt;/b&gt; une grille gagne le plus petit rang (%1)%2 dans %3 des tirages%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, en ne comptant que les numéros principaux,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Grilles par tirage, en moyenne, ayant exactement  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Chance par tirage d&apos;avoir au moins chaque nombre de bons numéros</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Par tirage, votre meilleure grille a au moins :</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Page des systèmes</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Choisissez un système pour vos numéros</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Créer un système…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Chercher et prouver votre propre système pour les numéros choisis</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Comparer les systèmes…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Tous les systèmes pour vos numéros côte à côte : coût, chances, et le meilleur dans un budget</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Comparer les systèmes</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Tirages passés…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Ce qu&apos;aurait donné le système choisi sur vos numéros dans les tirages enregistrés</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Tirages passés</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Lire un système…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” signifie : si 4 des numéros tirés sont parmi les vôtres, au moins une grille en contient 3.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Type de système</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Systèmes de type A</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Choisissez un &amp;système (garantie et nombre de grilles) :</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Aucun système de type A n&apos;est enregistré pour ce nombre de numéros. Essayez les systèmes à clé, ou choisissez plus ou moins de numéros.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Systèmes à clé</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>Numéro &amp;clé :</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Numéro clé</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Chaque grille d&apos;un système à clé porte votre numéro clé.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Aucun système à clé n&apos;est enregistré pour ce nombre de numéros. Essayez les systèmes de type A, ou choisissez plus ou moins de numéros.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Format de grille</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Prix par grille :</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Prix par grille</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Prix par grille : inconnu - saisissez-le</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Saisissez le prix d&apos;une grille sous forme de nombre, comme 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Coût : %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>Les chances de « %1 » ne peuvent pas être calculées : le système est endommagé (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>sa ligne %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>il a %1 lignes là où la liste des systèmes en promet %2</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>son nom contient des caractères qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>nomme la place %1 deux fois</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>nomme une place hors de votre sélection</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>a %1 places là où une grille en compte %2</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>ne contient pas la place 01 du numéro clé</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>il n&apos;est pas dans votre bibliothèque de systèmes</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>il n&apos;est plus dans votre bibliothèque de systèmes</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>sa garantie %1 ne se lit pas « x if y »</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>il ne tient pas sa garantie (%1)</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Vos propres systèmes ne peuvent pas être gardés : %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n grille x %1 = %2</numerusform>
            <numerusform>%n grilles x %1 = %2</numerusform>
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
        <translation>1 sur %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Lire un système&lt;/h3&gt;&lt;p&gt;Une entrée comme &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; signifie : si 4 des numéros tirés sont parmi les numéros que vous avez choisis, au moins une des 12 grilles en contient 3. Le nombre de grilles est ce que le système vous coûte.&lt;/p&gt;&lt;h3&gt;Systèmes de type A&lt;/h3&gt;&lt;p&gt;Ils répartissent tous vos numéros également ; la garantie tient pour tous numéros tirés parmi les vôtres.&lt;/p&gt;&lt;h3&gt;Systèmes à clé&lt;/h3&gt;&lt;p&gt;Ils mettent votre numéro clé (le premier numéro choisi) sur chaque grille. La garantie tient quand la clé est tirée, et un système à clé demande bien moins de grilles.&lt;/p&gt;&lt;h3&gt;Systèmes intégraux&lt;/h3&gt;&lt;p&gt;Un système comme &lt;b&gt;6 if 6&lt;/b&gt; joue toutes les combinaisons de vos numéros : le gros lot est certain si tous les numéros tirés sont les vôtres, au prix le plus élevé.&lt;/p&gt;&lt;p&gt;La liste montre d&apos;abord le système le moins cher. Un système n&apos;est listé que si aucun autre système pour vos numéros ne promet autant pour aussi peu de grilles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>À propos des systèmes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
