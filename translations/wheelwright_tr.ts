<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Wheelwright Hakkında</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Sürüm 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright oynamak istediğiniz sayıları olabildiğince az kolona, tutan bir garantiyle dağıtır: sistem oyunu. Sunduğu her sistem, dağıtılmadan önce kolon kolon kanıtlanır.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>GNU Genel Kamu Lisansı, sürüm 3 veya sonrası altında özgür yazılım. Hiçbir garanti verilmez; hiçbir sistem kazanç vaat edemez.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Bu kolonlar açılamıyor.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright “%1” ülkesinin hiçbir lotosunu tanımıyor</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright, %2 ülkesinin “%1” lotosunu tanımıyor</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 kolonları</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Kolonlar yazdırılamadı: yazıcı kullanılamıyor.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF olarak dışa aktar</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: PDF oluşturulamadı.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Hatırlatma</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Lütfen bir loto seçin</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>%2 ülkesinin “%1” lotosu sistem veritabanında yok.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>En az %1 sayı seçmelisiniz</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Lütfen en az %n bonus sayı seçin</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Sistem arşivinize kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Bildirim</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Bir xy seçeneği seçmelisiniz!!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>%2 sayı için “%1” sistemi bozuk: %3. Ondan hiç kolon oluşturulmadı.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright bir sonraki açılıştan itibaren bu dili konuşur.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Rastgele bonus</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Bonusu temizle</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Bonus sayı tablosu</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Programın sizin için bir bonus sayı seçmesini sağlayın</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Seçilen tüm bonus sayıları geri al</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Bonus rakam</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Bu lotonun bonusu, kuponun verdiği ya da oyun kâğıdında işaretlediğiniz 0 ile 9 arası bir rakamdır; burada seçilmez ve kolonlar yalnızca ana sayıları içerir.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Bonus sayılar: 1 ile %1 arasından seçin</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Her kolonda 1 bonus sayı bulunur. Bir tane seçin ya da kolonlara eşit dağıtılmak üzere birkaç tane seçin.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Her kolonda %1 bonus sayı bulunur. En az %1 tane seçin; fazlası kolonlara eşit dağıtılır.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bonus: seçilmedi</translation>
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
        <translation>Sizin lotonuz, değiştirilme: %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Sizin lotonuz</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Bilgi tarihi: %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Maliyet ve olasılık grafiği</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Her sistem için bir nokta; yukarıdaki tablo aynı rakamları içerir</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Henüz hiçbir sistem hesaplanmadı</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Çekiliş başına %1 olasılığı</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (onar katlı ölçek)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Çekiliş başına maliyet (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, onar katlı ölçek</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Hata: sorgu hazırlanamadı, ileti: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>Sistem veritabanı data.sqlite3 eksik: ne %1 içinde ne de %2 içinde.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>Sistem veritabanı %1 eksik.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>Sistem veritabanı %1 açılamıyor.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>Sistem veritabanı %1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Hata: sistem veritabanı sonuna kadar okunamadı: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 ve %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n isabet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n bonus isabet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 bonus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1” bir loto sayısı değil</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>çekilen sayılar girilmedi</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1, 1 ile %2 arasındaki sayıların dışında</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 iki kez çekilmiş</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Bu lotoda %n sayı çekilir, %1 girildi</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>bu loto bonus sayıları dışında ek sayı çekmez</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>ek sayı %1, 1 ile %2 arasındaki sayıların dışında</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>ek sayı %1 aynı zamanda çekilen ana sayılardan biri</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>ek sayı %1 iki kez çekilmiş</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Bu lotoda %n ek sayı çekilir, %1 girildi</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>bu lotonun kolonlarında kendi rakamı yok</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>rakamınız %1, 0 ile %2 arasında değil</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>bu loto bonus sayı çekmez</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>bonus sayı %1, %2 ile %3 arasındaki sayıların dışında</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>bonus sayı %1 aynı zamanda çekilen ana sayılardan biri</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>bonus sayı %1 iki kez çekilmiş</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>Bu lotoda %n bonus sayı çekilir, %1 girildi</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>bonus sayılar</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>ek sayılar</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>çekilen rakam</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>rakamınız</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 girilmedi</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 girilmedi</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>kolonlarda bonus sayı yok</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>ikramiye yok</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>bonus tutarsa %1, tutmazsa %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n kolon %1 kazanıyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n kolon %1 kazanıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Hiçbir kolon ikramiye kazanmıyor</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n kolon değerlendirilmedi: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>paylaşılan ikramiyeler</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>burada bilinmeyen ikramiyeler</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>değerlendirilmeyen kolonlar</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>isabet yok</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%2: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n kolon</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>isabetsiz</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>kolon yok</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Hiçbir kolon en düşük ikramiyeye (%1) ulaşmıyor</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n kolon en düşük ikramiyeye (%1) ulaşıyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n isabet: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, ek sayı %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Çekilişi kontrol et</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Çekilen sayıları boşluk ya da virgülle ayırarak yazın.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>&amp;Çekilen sayılar:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Çekilen sayılar</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>&amp;Bonus sayılar:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>boş bırakılabilir</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Bonus sayılar</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Çekilişte sorun</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>İsabet sayısına göre kolonlar</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>En düşük ikramiye</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrol et</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Her kolonun bu çekilişteki isabetlerini işaretle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Ek sayılar</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>&amp;Ek sayılar:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Rakamınız</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 ile 9 arası, kuponunuzdaki rakam</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Rakamınız:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Kazanılan kademeler</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Her kolonun ikramiyesi</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n kolon</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Çekilen %1 sayıyı (1 ile %2 arası) boşluk ya da virgülle ayırarak yazın.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Bonus sayı, çekilen rakamdır (0 ile %1 arası); kolonlarınızın kendi rakamı yanına yazılır.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Bonus sayılar kendi havuzlarından çekilir (1 ile %1 arası).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Bonus ya da ek sayılar aynı sayılardan çekilir.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Ek sayılar ana sayılarla aynı sayılardan çekilir.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Boş bırakılabilirler.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bonus (çekilen rakam):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>&amp;Bonus sayı:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>&amp;Ek sayı:</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Çekilen sayılar: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Bonus sayılar: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Ek sayılar: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Rakamınız: 0 ile 9 arası tek bir rakam yazın</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Çekiliş: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, ek sayı %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, rakamınız %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Hangi kolonların en düşük ikramiyeye ulaştığını görmek için bonus sayıları da yazın.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Kolonlarda bonus sayı yok, bu yüzden en düşük ikramiye değerlendirilemez.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Bu lotonun ikramiye kademeleri burada bilinmiyor.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Kolon %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Kullanılmıyor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Ana sayı</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Bonus sayı</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Ek sayı</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>metin satırları değil ikili veri içeriyor: bir sonuç dosyası değil</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 okunmadı: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 baştan yeniden okunamadı.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>%1 dosyasının hiçbir satırı bir tarih ve çekilen sayılar olarak okunmuyor: hangi sütunun neyi içerdiğini belirtin.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>satır %1 karakterden uzun</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>satır metin değil</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n sütun bulundu, %1 bekleniyordu</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>“%1” bir tarih değil</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>%1. sütun boş</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1” bir loto sayısı değil</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>%1 tarihli çekiliş zaten %2. satırda</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>%1 dosyasının hiçbir satırı bu lotonun (%2) çekilişi değil.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n hatalı satır</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 bir dosya değil.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 açılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 yok.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 okunmadı: boyutu %2 MB, oysa %3 MB&apos;tan büyük bir dosya sonuç dosyası olamaz.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Sonuçlar okunmadı: %1 MB&apos;tan büyük bir dosya sonuç dosyası olamaz.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ve %1 tane daha</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Hiç çekiliş eklenmedi</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n çekiliş eklendi</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 zaten kayıtlı</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n tarihte zaten başka sayılar var, kayıtlı hâliyle bırakıldı: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 değerlendirilmedi</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n isabet</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Çekilişler: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Alınan kolonlar: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Maliyet: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Maliyet: bilinmiyor (kolon fiyatı yok)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>paylaşılan ikramiyeler</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>burada bilinmeyen ikramiyeler</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n kolon değerlendirilmedi</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>İkramiye kademeleri: burada bilinmiyor; isabet sayısına göre kolonlar:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Herhangi bir ikramiye</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 veya daha fazla isabet</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Geçmiş Çekilişler</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Geçmiş çekilişler</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Başlangıç:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>ilk çekiliş</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Başlangıç tarihi</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>Bi&amp;tiş:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>son çekiliş</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Bitiş tarihi</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Kontrol et</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Tarihler arasındaki çekilişleri kontrol et</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>Sonuçları &amp;içe aktar…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Sonuçları içe aktar</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Çekilişler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>En iyi isabet</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Kazanan kolonlar</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Sabit ikramiyeler</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 kolon, %2, %3, kayıtlı çekilişlere karşı</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Tarihleri 2026-12-05 biçiminde yazın ya da tüm çekilişler için boş bırakın.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Bu tarihler arasında bu lotonun kayıtlı çekilişi yok: bir sonuç dosyası içe aktarın.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>%1 çekiliş kontrol ediliyor…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Tek bir çekilişin kontrolünde her kolonu görmek için bir çekilişe çift tıklayın.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Çekiliş başına en iyi isabet</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n çekiliş; tüm çekilişlerdeki en iyi isabet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Çekilişlerin verdiği, kesin olasılıkların yanında</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Geçmiş çekilişler kesin olasılıkların yanında</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Kademe</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Kazanılan
geçmiş çekiliş</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Çekiliş başına
kesin olasılık</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Çekiliş başına
geçmiş kolon</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Çekiliş başına
beklenen kolon</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Bu kolonların kesin olasılıkları hesaplanıyor…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Bu kolonların kesin olasılıkları hesaplanamıyor: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>İsabet</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>çekiliş yok</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 / %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 / %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Sabit ikramiyeler: çekiliş başına %1 bekleniyor.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Çekiliş başına sabit ikramiyeler: bu çekilişlerde %1 kazanıldı, %2 bekleniyor.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>Kademesi sonuçların vermediği sayılara bağlı olan %1 kolon hiçbir satırda yer almıyor.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Kolon biçimi %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Wheelwright Yardımı</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Yardım sayfası</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;welcome.html yardım sayfası bu kurulumda eksik.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>Aşağıdaki yardım İngilizcedir.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Ana</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Ek</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>İkramiye</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Para birimi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>Düzenlemek için k&amp;opyala</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Dışa aktar…</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Lotolar</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Ülkenin lotoları</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>&amp;Yeni loto</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Yeni loto</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Programla gelen lotoyu düzenlemek için kopyala</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Lotoyu sil ya da sıfırla</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Lotoyu bir dosyaya aktar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>İçe ak&amp;tar…</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Bir dosyadan loto içe aktar</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: sorun</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ad:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Havuz:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Havuz</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Ko&amp;lon başına sayı:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Kolon başına sayı</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>Çe&amp;kilen:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Çekilen sayılar</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Çek&amp;ilen ek sayı:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Çekilen ek sayılar</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>&amp;Bonus havuzu:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bonus havuzu</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Çekilen bo&amp;nus sayı:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Çekilen bonus sayılar</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>&amp;Fiyat:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Bir kolonun fiyatı</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Para birimi:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>İkramiye kade&amp;meleri, en iyisi önce:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>İkramiye kademeleri</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>İkramiye kademeleri: sorun</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Kademe &amp;ekle</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Bir ikramiye kademesi ekle</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Kademeyi kaldır</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>İkramiye kademesini kaldır</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Lotoyu kaydet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>&amp;Varsayılana dön</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, programla gelen bilgilerin yerine</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Düzenlemek için kopyalayın.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>bir tam sayı</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Kademe %1: %2 bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Kademe %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>Loto kaydedilmedi: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Kaydedildi. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>“%1” için kendi bilgileriniz silinip yeniden programla gelenler kullanılsın mı?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>“%1” adlı lotonuz silinsin mi?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Hatırlatma</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Programla gelen bilgilerin bir kopyası: programla gelen loto yerine kullanmak için adını koruyun.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>%1 için yeni bir loto.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Lotoyu dışa aktar</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Loto dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Dışa aktarıldı: %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Hiç loto içe aktarılmadı: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>dosyada hiç yok</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Başka loto içe aktarılmadı: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>İçe aktarıldı: %1, kaynak %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n loto</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Bir loto içe aktar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>bir kademe şudur: ad, ana, ek, bonus, ikramiye, para birimi</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>kademenin %1 isabeti bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>NUL baytı içeriyor</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>UTF-8 metin değil</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Loto sayfası</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Ülkenizi, ardından oynadığınız lotoyu seçin.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Ülke:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Lotolar:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Lotolar</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Bir lotoya tıklayın, ardından sayılarınızı işaretlemek için İleri&apos;ye basın.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Lotonun bilgilerinin okunduğu tarih</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;otolar…</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Lotolar: kendi lotolarınızı ekleyin, kopyalayın ya da düzenleyin</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(sizin)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>sizin lotonuz</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>“%1”, programın sunduğu bir ülke değil</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>lotonun bir adı olmalı</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>ad 80 bayttan uzun</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>ad yazdırılamayan bir karakter içeriyor</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>ad boşlukla başlıyor ya da bitiyor</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>havuz 2 ile 99 arası sayı içerir</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>bir kolon en az 1 sayı içerir</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>bir kolon 1 sayı içeriyor, bu yüzden havuzda en az %1 sayı olmalı</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>bir kolon %1 sayı içeriyor, bu yüzden havuzda en az %2 sayı olmalı</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>çekilişte %2 sayılık havuzdan 1 ile %1 arası sayı çekilir</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>1 sayı çekildikten sonra havuzda ek sayılar için %1 sayı kalır</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>%1 sayı çekildikten sonra havuzda ek sayılar için %2 sayı kalır</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>bonus havuzu 0 (yok) ile 99 arası sayı içerir</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>bonus havuzu yok, bu yüzden bonus sayı çekilmez</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>%1 sayılık bonus havuzu 1 ile %2 arası bonus sayı verir</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>en düşük ikramiyenin ana ve bonus isabetleri ya birlikte verilir ya da hiç verilmez</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>en düşük ikramiye 0 ile %1 arası ana isabet gerektirir</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>en düşük ikramiye 0 ile %1 arası bonus isabet gerektirir</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>en düşük ikramiye hiç isabet gerektirmeyemez</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>fiyat 2.50 gibi bir tutardır</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>fiyat sıfırdan büyük olmalı</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>fiyatın para birimi olmalı</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>para biriminin bir fiyatı olmalı</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>para birimi EUR gibi üç harfli bir koddur (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>ay 2026-12 biçiminde yazılır</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>kademenin 1 ile 80 bayt arası bir adı olmalı</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>kademenin adı virgül ya da yazdırılamayan bir karakter içeriyor</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>“%2” için main 0 ile %1 arası bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>“%2” için supplementary 0 ile %1 arası bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>“%2” için bonus 0 ile %1 arası bir tam sayı olmalı</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>bir kolon %1 sayı içeriyor: %2 ana ve %3 ek isabet yapamaz</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>bir kademe hiç isabet gerektirmeyemez</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>para birimi yalnızca sabit bir tutarla birlikte olur</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>prize boş, shared ya da 10.00 gibi iki ondalıklı bir tutar olmalı</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>sabit bir tutar üç harfli bir para birimi kodu gerektirir (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>hiçbir kolon “%1” kademesine ulaşamaz: “%2” önce gelir ve ulaşacağı her kolonu alır</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>hiçbir kolon “%1” kademesine ulaşamaz: “%2” (satır %3) önce gelir ve ulaşacağı her kolonu alır</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>“%1” kademesi: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Adımlar</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Loto</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Sayılar</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Sistem</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Kolonlar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Sistemler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Geri</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>İleri &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Kolonları oluştur</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Baştan başla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Aç…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Kayıtlı bir kolon dosyasını aç</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Kolonları yazdır</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Baskı önizleme…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Yazdırmadan önce sayfaları görün</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>&amp;PDF olarak dışa aktar…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Yazdırılacak sayfaları bir PDF dosyasına yaz</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>&amp;CSV olarak dışa aktar…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Kolonları bir hesap tablosu için yaz, her hücreye bir sayı</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>Wheelwright &amp;Yardımı</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Sistemler</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>Wheelwright &amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>D&amp;il</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, seçildi</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, banko sayı</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Sayı sayfası</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Loto tablosu</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Sayılar:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Tablodan sayılara dokunun; ilki banko sayınızdır</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Toplam sayı: 0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Toplam sayı</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Geri sil</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Son seçilen sayıyı geri al</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Seçilen tüm sayıları temizle</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Artan sırada göster</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Rastgele seçim…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Programın sizin için sayı çekmesini sağlayın</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Sayı tablosu</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Bildirim</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Banko sayıyı ancak tüm sayıları temizleyerek kaldırabilirsiniz (&apos;Temizle&apos; düğmesi)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Geri silinecek sayı yok</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Seçilen tüm sayıları temizlemek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Toplam sayı: %1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Rastgele seçim</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Program sizin için kaç sayı çeksin?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Adet:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Adet</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Adet ayarı</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Çekilen sayılar seçtiklerinize eklenir; seçim boşsa ilk sayı banko sayı olur.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>“%1” bir sayı adedi değil. %2 ile %3 arası bir tam sayı yazın.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Sistem arşivi için bir dosya belirtilmedi.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Sistem arşiviniz %1 oluşturulamıyor: klasörü %2 oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Sistem arşiviniz %1 kullanılamıyor: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Yeni sistem arşivi %1 başlatılamadı: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Sistem arşiviniz %1 açılamıyor: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>içi bozuk</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>bir sistem arşivi değil</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>Sistem arşivi açık değil.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Sistem garantisini (%1) tutmuyor; kaydedilmedi.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Sistem kaydedilmedi.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>Sistem arşivine yazılamıyor: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Sistemleri şu anda okunamadı.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>tabloları okunamıyor</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>Arşiv açık değil; hiç çekiliş eklenmedi.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Hiç çekiliş eklenmedi.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Arşiviniz %1 yazılamıyor (%2); hiç çekiliş eklenmedi.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>Arşiv açık değil.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Arşiviniz %1 içindeki çekilişler okunamıyor: %2.</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save tickets</source>
        <translation>Kolonları kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Metin dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Kolonları aç</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Kolon dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Uyarı</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>%2 ülkesinin %1 lotosu oynanamıyor: sistem veritabanında onun için kullanılabilir bir boyut yok (2 ile 99 arası sayılık bir havuz ve bir kolonda daha az sayı).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>%2 ülkesinin %1 lotosu oynanamıyor: sistem veritabanı %4 sayılık bir bonus havuzundan %3 bonus sayı istiyor.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>%1 lotosunun bir kolonu %2 sayı içerir, bu kolon %3 sayı içeriyor</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>%2 sayı için “%1” sistemi bozuk: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>%2 ülkesinin “%1” lotosunun çekilişleri kontrol edilemiyor: loto burada bilinmiyor.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>lotolarınız %1 okunamadı: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>lotolarınızı saklayacak bir yer yok</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Kazanılan sabit ikramiyeler: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ya da %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (%2 hariç)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>paylaşılan</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Sonuçları İçe Aktar</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Sonuç dosyaları (*.csv *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Sonuçları içe aktar</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>%1, %2 çekilişleri, kaynak %3. Her sütunun üstünde neyi içerdiğini belirtin:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Dosyanın ilk satırları</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>%1. sütunun içeriği</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>İlk satır sütunları adlandırır</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Hatalı satırlar</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Sağlam satırları içe aktar</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Hiçbir şey içe aktarma</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Bir tarih sütunu ve ana sayıların sütunlarını seçin.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 çekiliş, her satır sağlam.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 sağlam satır; aşağıda listelenen %2 içe aktarılmayacak.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n hatalı satır</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Metin olarak kolonlar</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Kolon metni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>bir %1 eksik (art arda iki ayırıcı ya da sonda bir ayırıcı)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 bir sayı değil</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 bir loto sayısı için fazla uzun</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 bir loto sayısı değil (sayılar 1&apos;den başlar)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 bu kolonda iki kez geçiyor</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>dosya UTF-8, ama kolon dosyaları UTF-16 olarak yazılır</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>kolon dosyası değil: UTF-16 bayt sırası işaretiyle başlamıyor</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>dosya bir karakterin ortasında kesilmiş</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>bu satır geçerli bir UTF-16 metni değil</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>satır boş</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>bu kolonda “ + ” birden fazla geçiyor</translation>
    </message>
    <message>
        <source>number</source>
        <translation>sayı</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>“ + ” işaretinden sonra bonus sayı gelmiyor</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>bonus sayı</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>dosyada hiç kolon yok</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>kolonların arasında boş bir satır var</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>bu kolonda %n sayı var, ilkinde %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>bu kolonda %n bonus sayı var, ilkinde %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>dosya bir kolon dosyası olamayacak kadar büyük</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>dosya “%1” satırından önce bitiyor</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>burada “%1” bekleniyordu, bulunan: %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>banko sayı %1 bir tam sayı değil</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>dosya, banko sayıdan sonraki boş satırdan önce bitiyor</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>banko sayıdan sonra boş bir satır bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>dosya bu satırın içinde bitiyor: yarıda kesilmiş</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>banko sayı %1, 1 ile %2 arasındaki sayıların dışında</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1, 1 ile %2 arasındaki sayıların dışında</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>bu lotoda bonus sayı yok, ama kolonda var</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>bonus sayı %1, 1 ile %2 arasındaki bonus sayıların dışında</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>dosya bir kolon listesi olamayacak kadar büyük</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>metin ne UTF-16 bir kolon dosyası ne de UTF-8 satırlar</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>normal bir dosya değil, bu yüzden kolon olarak okunmuyor</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>açılamıyor: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>okunamıyor: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Kolon sayfası</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Toplam kolon: 0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Toplam kolon</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Kolonlar</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Kaydet…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Kolonları bir metin dosyası olarak kaydet</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Metin görünümü</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Kolonları metin olarak göster</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Çekilişi kontrol et…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Çekilen sayıları yazın ve hangi kolonların tuttuğunu görün</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Çekilişleri kontrol et…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Bu kolonları lotonun kayıtlı her çekilişine karşı kontrol et</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Çekilişleri kontrol et</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Kolonlar, her düzenleyicinin açabildiği UTF-16 metin olarak kaydedilir.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Toplam kolon: %1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Yazdırılma: %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Sistem: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Oynanan sayılar (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Banko sayı: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Oynanan bonus sayılar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n kolon</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - kolon %2 - %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 kolonları</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Baskı önizleme</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Kolonları yazdır</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Yazdırılamıyor: yazdırma modülü yüklenemedi (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Yazılabilir dosya oluşturulamadı, ileti: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Kolon</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n isabet</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + bonus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, ikramiye</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>kolon %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, en düşük ikramiyeye ulaşıyor</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>Bu sistemi &amp;oyna</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Sistemleri karşılaştır</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Çekiliş başına bütçe</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>En iyi &amp;şans:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Karşılaştırılan şans</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Seçili sistemi sistem sayfasında seçer</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Bütçe içindeki en iyi sistem</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Hesaplama durumu</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Karşılaştırılan sistemler</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Her sayı adedi için en iyi sistem</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Sayılar</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>En iyi sistem</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Kolonlar</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Maliyet</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Şans</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Hesaplama durduruldu.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>herhangi bir ikramiye</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>%1 kademesi</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>En çok </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 / çekiliş</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; %3 sayı için her sistem%4, olası her çekiliş üzerinden hesaplandı.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, bir kolon %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; kolon fiyatı bilinmiyor, bu yüzden maliyetler kolon cinsinden</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Sistemler okunamıyor: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Maliyet (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Herhangi bir ikramiye</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Çekiliş başına getiri</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Birim başına getiri</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>%1 sistem hesaplanıyor…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>%1 sistem daha hesaplanıyor…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, tüm kombinasyonlar</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, sizinki</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>hesaplanıyor…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>hesaplanamıyor</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>bütçe aşıldı</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>bütçe içinde en iyisi</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Diğer adetler için sistemler okunamıyor: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Kaç sayı oynanmalı:&lt;/b&gt; her sayı adedi için %1 içindeki en iyi sistem (rakamlar o adetteki her sayı için geçerlidir)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; hesaplanıyor…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (sizinki)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>bütçe içinde sistem yok</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>%1 / %2 hesaplanıyor…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Sayılarınızın tüm kombinasyonları bir sistem olarak kayıtlı değil, bu yüzden sistem sayfasında seçilemez.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>Çekiliş başına %1</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 veya daha çok isabet</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>banko %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (tüm kombinasyonlar)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (sizinki)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n kolon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n kolon</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Bu sayılar için kayıtlı sistem yok.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Hiçbir sistem %1 içine sığmıyor: en ucuzu %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>%1 içinde henüz hiçbir sistem hesaplanamadı.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: bütçe aşıldı; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: %3 içinde %2 için en iyi şans: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (aynı iyilikte %n başka sistem aynı maliyette)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Verilen sürede hiçbir sistem bulunamadı.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Bir kolon en az bir sayı içermeli.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>%2 sayılık kolonlar için %1 ile 99 arası sayı seçin.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Sistemler en çok %1 sayı için oluşturulabilir.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>“x if y” garantisinde x en az 1, en çok y olmalı.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>%1 sayılık kolonlar için “x if y” garantisinde y en çok %1 olmalı.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Sisteme en az bir kolon izni verilmeli.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>Arama süresi 0 saniyeden uzun ve en çok bir gün olmalı.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>İş parçacığı sayısı 1 ile 1024 arası olmalı (ya da tüm çekirdekler için 0).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>%2 sayının %1&apos;li tüm kombinasyonlarından bir banko sistem</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>%2 sayının %1&apos;li tüm kombinasyonları</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1: %2 kolon, izin verilen %3 kolondan fazla.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1: %2 kolon, Wheelwright&apos;ın oluşturabileceğinden (%3) fazla.</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Başlat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Sistem oluştur</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright bildiği en iyi sistemden başlar, daha az kolonlu birini arar, sonra sunmadan önce garantisini çekiliş çekiliş kanıtlar.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>A tipi sistem</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Banko sistem (banko sayınız her kolonda)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Garanti edilen isabet</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Sizinkiler arasında çekilen</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Sayılar:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Garanti:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tür:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>&amp;En çok:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Aranan:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Alt sınır:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, kolonda %2 sayı</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>böyle bir sistemin %1 kolondan azı olamaz</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>en az %1 kolon: izin verdiğiniz %2 kolondan fazla</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>&amp;Daha azını ara</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Daha azı aransın mı?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Hiçbir sistem daha az kolonlu olamaz.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Arşivinizde bu sistem zaten %1 kolonla var; sistem listesinde. Arama ondan başlar ve yenisini yalnızca daha az kolonluysa saklar.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright bu sistemi %1 kolonla sunar; sistem listesinde. Arama ondan başlar.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Aranıyor…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Durduruluyor ve şimdiye kadarki en iyi sistem kanıtlanıyor…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Aranıyor… %1 sn kaldı</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Şimdiye kadarki en iyi: %1 kolon (alt sınır %2). %3 sn kaldı.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Kanıtlandı: %2 sayı üzerinde %1, %3 kolonla%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, bir sistemin olabileceği en az kolon</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Hiçbir sistem bulunmadan durduruldu.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Bildirim</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Arama durduruldu. Şimdiye kadar bulunan en iyi sistem (%1 kolon, kanıtlandı) saklansın mı?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Saklandı: %1, %2 kolon.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Durduruldu; hiçbir şey saklanmadı.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Uyarı</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n ana sayı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>Bu sistemin olası her çekiliş üzerinden hesaplanan kesin olasılıkları</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Olasılık tablosu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;İkramiye kademeleri:&lt;/b&gt; çekiliş başına kolonlarınızdan en az birinin her kademeyi kazanma olasılığı (bir kolon yalnızca en iyi kademesinde sayılır)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>İkramiye kademeleri</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>İkramiye kademelerinin durumu</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>İkramiye kademesi olasılıkları</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Her satır: bir ikramiye kademesi, ikramiyesi, en az bir kolonun onu kazanma olasılığı ve çekiliş başına o kademede beklenen kolonlar</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Herhangi bir ikramiye ve sabit getiri</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>“%1” olasılıkları hesaplanıyor…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>“%1” olasılıkları hesaplanamıyor: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Bu lotonun ikramiye kademeleri bilinmiyor: yalnızca yukarıdaki isabet sayıları hesaplanır.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Her ikramiye kademesinin olasılığı hesaplanıyor…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>İkramiye kademeleri hesaplanamıyor: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Kademe</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>İkramiye</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>En az bir kolon</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Çekiliş başına kolon</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>Çekiliş başına kolonlarınızdan en az birinin bu kademeyi kazanma olasılığı</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Ortalama olarak çekiliş başına kolonlarınızdan kaçının bu kademeyi kazandığı</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Herhangi bir ikramiye:&lt;/b&gt; çekilişlerin %1 kadarında en az bir kolon bir kademe kazanır%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Sabit ikramiyeler:&lt;/b&gt; çekiliş başına ortalama %1 getirir</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, %1 maliyete karşı</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Paylaşılan ikramiyeli kademeler bu getiriye dahil değil.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Hiçbir kademe sabit tutar ödemiyor, bu yüzden çekiliş başına getiri hesaplanmaz; paylaşılan ikramiyeler havuza ve kazananlara bağlıdır.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Bonus sayılar olmadan hesaplandı: bonus gerektiren bir kademeyi burada hiçbir kolon kazanmaz.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Bonus sayılar, oynandıkları gibi kolonlara dağıtılmış olarak hesaplandı.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Sizinkilerden çekilen</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Şans</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Her satır: çekilen sayılardan kaçının sizinkiler arasında olduğu, bunun olasılığı ve her b sütunu için en iyi kolonunuzun bunlardan en az b tanesini tutturma olasılığı.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>“%1” garantisi</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>garanti</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Herhangi bir çekiliş</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>%2 sayı üzerinde “%1” için kesin olasılıklar: %3, %5 sayıdan %4 çekilir</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n kolon</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Çekilen sayılardan kaçının sizinkiler arasında olduğu</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Banko sistem: satırlar banko sayınızı içeren çekilişleri sayar (tüm çekilişlerin %1 kadarı); son satır her çekilişi sayar.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Vurgulanan: “%1” garantisi. Çekilen sayılardan %2 tanesi sizinkiler arasında olduğunda%3, en iyi kolonunuz bunlardan en az %4 tanesini tutturur: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, banko sayı da aralarında</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>Bu lotonun en düşük ikramiyesi burada bilinmiyor.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>En düşük ikramiye yalnızca bonus sayıyla kazanılır; bu olasılıklar yalnızca ana sayıları sayar.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>En düşük ikramiyenin (%1) olasılığı burada hesaplanmaz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;En az bir ikramiye:&lt;/b&gt; çekilişlerin %3 kadarında bir kolon en düşük ikramiyeyi (%1)%2 kazanır%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, yalnızca ana sayılar sayılarak,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Ortalama olarak çekiliş başına tam şu isabetle kolonlar:  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Çekiliş başına her isabet sayısına en az ulaşma olasılığı</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Çekiliş başına en iyi kolonunuz en az şunu tutturur:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Sistem sayfası</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Sayılarınız için bir sistem seçin</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Sistem oluştur…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Seçtiğiniz sayılar için kendi sisteminizi arayın ve kanıtlayın</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Sistemleri karşılaştır…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Sayılarınız için tüm sistemler yan yana: maliyet, şans ve bütçe içindeki en iyisi</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Sistemleri karşılaştır</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Geçmiş çekilişler…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Seçilen sistemin sayılarınızla kayıtlı çekilişlerde nasıl sonuç vereceği</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Geçmiş çekilişler</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Bir sistem nasıl okunur…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” şu anlama gelir: çekilen sayılardan 4&apos;ü sizinkiler arasındaysa, en az bir kolon bunlardan 3&apos;ünü içerir.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Sistem türü</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>A tipi sistemler</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Bir &amp;sistem seçin (garanti ve kolon sayısı):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Bu kadar sayı için kayıtlı A tipi sistem yok. Banko sistemleri deneyin ya da daha çok veya daha az sayı seçin.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Banko sistemler</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>&amp;Banko sayı:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Banko sayı</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Bir banko sistemin her kolonu banko sayınızı içerir.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Bu kadar sayı için kayıtlı banko sistem yok. A tipi sistemleri deneyin ya da daha çok veya daha az sayı seçin.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Kolon biçimi</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Kolon fiyatı:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Kolon fiyatı</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Kolon fiyatı: bilinmiyor - girin</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Lütfen bir kolonun fiyatını 2.50 gibi bir sayı olarak girin</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Maliyet: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>“%1” olasılıkları hesaplanamıyor: sistem bozuk (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>%1 satırı %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>sistem listesi %2 satır vaat ederken %1 satırı var</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>adı metin olmayan karakterler içeriyor</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>%1. yeri iki kez anıyor</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>seçiminizin dışında bir yer anıyor</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>bir kolon %2 sayı içerirken %1 yeri var</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>banko sayının 01 yerini içermiyor</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>sistem arşivinizde değil</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>artık sistem arşivinizde değil</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>garantisi %1, “x if y” biçiminde değil</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>garantisini (%1) tutmuyor</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Kendi sistemleriniz saklanamıyor: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n kolon x %1 = %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: German writes &quot;%1 %&quot;, Turkish &quot;%%1&quot;.</extracomment>
        <translation>%%1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <extracomment>A chance: &quot;1 in 57&quot;.</extracomment>
        <translation>1/%1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Sistemler</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Bir sistemi okumak&lt;/h3&gt;&lt;p&gt;&lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; gibi bir sistem kaydı şunu söyler: çekilen sayılardan 4&apos;ü seçtiğiniz sayılar arasındaysa, 12 kolondan en az biri bunlardan 3&apos;ünü içerir. Kolon sayısı, sistemin size maliyetidir.&lt;/p&gt;&lt;h3&gt;A tipi sistemler&lt;/h3&gt;&lt;p&gt;Tüm sayılarınızı eşit dağıtır; garanti, sizinkiler arasındaki her çekilen sayı için geçerlidir.&lt;/p&gt;&lt;h3&gt;Banko sistemler&lt;/h3&gt;&lt;p&gt;Banko sayınızı (seçtiğiniz ilk sayı) her kolona koyar. Garanti, banko sayı çekildiğinde geçerlidir ve bir banko sistem çok daha az kolon gerektirir.&lt;/p&gt;&lt;h3&gt;Tam sistemler&lt;/h3&gt;&lt;p&gt;&lt;b&gt;6 if 6&lt;/b&gt; gibi bir sistem sayılarınızın tüm kombinasyonlarını oynar: çekilen sayıların hepsi sizinse büyük ikramiye kesindir, en yüksek fiyata.&lt;/p&gt;&lt;p&gt;Liste en ucuz sistemi önce gösterir. Bir sistem yalnızca, sayılarınız için başka hiçbir sistem bu kadar az kolonla o kadarını vaat etmiyorsa listelenir.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Sistemler Hakkında</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
</TS>
