<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>Perihal Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versi 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright menyebarkan nombor yang ingin anda main ke atas sesedikit tiket yang boleh, dengan jaminan yang pasti: sistem loteri. Setiap sistem yang ditawarkan telah dibuktikan baris demi baris sebelum dikeluarkan.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>Perisian bebas di bawah GNU General Public License, versi 3 atau lebih baharu. Ia datang tanpa sebarang waranti; tiada sistem yang boleh menjanjikan kemenangan.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>Tiket ini tidak dapat dibuka.
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright tidak mengenali loteri negara &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright tidak mengenali loteri &quot;%1&quot; dari %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Tiket %1</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>Tiket tidak dapat dicetak: pencetak tidak boleh digunakan.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fail PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1: PDF tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fail CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>Sila pilih loteri</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>Loteri &quot;%1&quot; dari %2 tiada dalam pangkalan data sistem.</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>Anda perlu memilih sekurang-kurangnya %1 nombor</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>Sila pilih sekurang-kurangnya %n nombor bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>Sistem tidak dapat disimpan dalam pustaka anda: %1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Makluman</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>Anda mesti memilih satu pilihan xy!!</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>Sistem &quot;%1&quot; untuk %2 nombor rosak: %3. Tiada tiket dibuat daripadanya.</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Adakah anda pasti mahu keluar?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright akan menggunakan bahasa ini mulai permulaan seterusnya.</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>Bonus rawak</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>Kosongkan bonus</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>Grid nombor bonus</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>Biar program memilih nombor bonus untuk anda</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>Batalkan semua nombor bonus yang dipilih</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>Digit bonus</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>Bonus loteri ini ialah satu digit 0 hingga 9 yang diberi oleh tiket atau yang anda tanda pada slip; ia tidak dipilih di sini, dan tiket hanya memuat nombor utama.</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>Nombor bonus: pilih dari 1 hingga %1</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>Setiap tiket membawa 1 nombor bonus. Pilih satu, atau beberapa untuk dibahagi sama rata ke atas tiket.</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>Setiap tiket membawa %1 nombor bonus. Pilih sekurang-kurangnya %1; lebihannya dibahagi sama rata ke atas tiket.</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>Bonus: tiada dipilih</translation>
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
        <translation>Loteri anda, diubah %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>Loteri anda</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>Fakta setakat %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>Carta kos berbanding peluang</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>Satu titik bagi setiap sistem; jadual di atas memuat angka yang sama</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>Belum ada sistem dikira</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>Peluang %1 setiap cabutan</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> (skala gandaan sepuluh)</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>Kos setiap cabutan (%1)</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>, skala gandaan sepuluh</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>Ralat: penyata gagal disediakan dengan mesej &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>Pangkalan data sistem data.sqlite3 tiada: ia tiada dalam %1 mahupun dalam %2.</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>Pangkalan data sistem %1 tiada.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>Pangkalan data sistem %1 tidak dapat dibuka.</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>Pangkalan data sistem %1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>Ralat: pangkalan data sistem tidak dapat dibaca hingga habis: %1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1 dan %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n padanan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>%n padanan bonus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 bonus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>&quot;%1&quot; bukan nombor loteri</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>tiada nombor cabutan diberi</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 di luar nombor 1 hingga %2</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 dicabut dua kali</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n nombor dicabut dalam loteri ini, %1 diberi</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>loteri ini tidak mencabut nombor tambahan selain nombor bonus</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>nombor tambahan %1 di luar nombor 1 hingga %2</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>nombor tambahan %1 juga salah satu nombor utama yang dicabut</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>nombor tambahan %1 dicabut dua kali</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n nombor tambahan dicabut dalam loteri ini, %1 diberi</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>tiket loteri ini tidak membawa digit sendiri</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>digit anda %1 bukan antara 0 hingga %2</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>loteri ini tidak mencabut nombor bonus</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>nombor bonus %1 di luar nombor %2 hingga %3</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>nombor bonus %1 juga salah satu nombor utama yang dicabut</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>nombor bonus %1 dicabut dua kali</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>%n nombor bonus dicabut dalam loteri ini, %1 diberi</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>nombor bonus</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>nombor tambahan</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>digit yang dicabut</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>digit anda</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>%1 tidak ditaip</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>%1 tidak ditaip</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>tiket tidak membawa nombor bonus</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>tiada hadiah</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>%1 jika bonus padan, jika tidak %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n tiket memenangi %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n memenangi %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>Tiada tiket memenangi hadiah</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>; %n tiket tidak dinilai: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>hadiah dikongsi</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hadiah tidak diketahui di sini</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>tiket yang tidak dinilai</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>tiada padanan</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1 dengan %2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n tiket</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>tiada</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>tiada tiket</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>Tiada tiket mencapai hadiah terendah (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n tiket mencapai hadiah terendah (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>%n padanan: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, tambahan %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>Semak cabutan</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>Taip nombor cabutan, dipisahkan dengan ruang atau koma.</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>Nombor &amp;cabutan:</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Nombor cabutan</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>Nombor &amp;bonus:</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>boleh dibiarkan kosong</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>Nombor bonus</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>Masalah dengan cabutan</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>Tiket mengikut bilangan padanan</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>Hadiah terendah</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Semak</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>Tandakan padanan setiap tiket dengan cabutan ini</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>Nombor tambahan</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>Nombor &amp;tambahan:</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>Digit anda</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 hingga 9, digit pada tiket anda</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>&amp;Digit anda:</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>Peringkat hadiah dimenangi</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>Hadiah setiap tiket</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n tiket</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>Taip %1 nombor cabutan (1 hingga %2), dipisahkan dengan ruang atau koma.</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> Nombor bonus ialah digit yang dicabut (0 hingga %1); digit tiket anda diletak di sebelahnya.</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> Nombor bonus datang dari julatnya sendiri (1 hingga %1).</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> Nombor bonus atau tambahan dicabut daripada nombor yang sama.</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> Nombor tambahan dicabut daripada nombor yang sama dengan nombor utama.</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> Ia boleh ditinggalkan.</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>&amp;Bonus (digit dicabut):</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>Nombor &amp;bonus:</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>Nombor &amp;tambahan (bola bonus):</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>Nombor cabutan: %1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>Nombor bonus: %1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>Nombor tambahan: %1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>Digit anda: taip satu digit, 0 hingga 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>Cabutan: %1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>, bonus %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>, tambahan %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>, digit anda %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>Taip juga nombor bonus untuk melihat tiket mana yang mencapai hadiah terendah.</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>Tiket tidak membawa nombor bonus, jadi hadiah terendah tidak dapat dinilai.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>Peringkat hadiah loteri ini tidak diketahui di sini.</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>Tiket %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>Tidak digunakan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>Nombor utama</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Nombor bonus</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Tambahan</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>ia memuat data binari, bukan baris teks: ia bukan fail keputusan</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 tidak dibaca: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>%1 tidak dapat dibaca semula dari awal.</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>Tiada baris dalam %1 yang dibaca sebagai tarikh dan nombor cabutan: nyatakan lajur mana memuat apa.</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>baris lebih panjang daripada %1 aksara</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>baris bukan teks</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>%n lajur ditemui, %1 dijangka</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>&quot;%1&quot; bukan tarikh</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>lajur %1 kosong</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>&quot;%1&quot; bukan nombor loteri</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>cabutan %1 sudah ada pada baris %2</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>Tiada baris dalam %1 yang merupakan cabutan loteri ini (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n baris rosak</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 bukan fail.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 tidak dapat dibuka: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 tidak wujud.</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>%1 tidak dibaca: saiznya %2 MB, dan fail keputusan tidak melebihi %3 MB.</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>Keputusan tidak dibaca: lebih daripada %1 MB bukan fail keputusan.</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>Keputusan</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Baris %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... dan %1 lagi</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>Tiada cabutan ditambah</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>%n cabutan ditambah</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>, %1 sudah disimpan</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>; %n tarikh sudah memuat nombor lain, dikekalkan seperti disimpan: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 tidak dinilai</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n padanan</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>tiada</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Cabutan: %1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>Tiket dibeli: %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kos: %1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>Kos: tidak diketahui (tiada harga tiket)</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>hadiah dikongsi</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>hadiah tidak diketahui di sini</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n tiket tidak dinilai</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>Peringkat hadiah: tidak diketahui di sini; tiket mengikut bilangan padanan:</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Sebarang hadiah</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 padanan atau lebih</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>Cabutan Lalu</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Cabutan lalu</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dari:</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>cabutan pertama</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Dari tarikh</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hingga:</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>cabutan terakhir</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Hingga tarikh</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Semak</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>Semak cabutan antara tarikh-tarikh itu</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>&amp;Import keputusan…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Import keputusan</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Cabutan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombor</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Padanan terbaik</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>Tiket menang</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>Hadiah tetap</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%1 tiket %2, %3 berbanding cabutan yang disimpan</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>Beri tarikh seperti 2026-12-05, atau biarkan kosong untuk semua cabutan.</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>Tiada cabutan loteri ini disimpan antara tarikh-tarikh ini: import fail keputusan.</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>Menyemak %1 cabutan…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>Dwiklik cabutan untuk melihat setiap tiket dalam semakan satu cabutan.</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>Padanan terbaik setiap cabutan</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n cabutan; padanan terbaik mana-mana cabutan ialah %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>Hasil cabutan, di sebelah peluang tepat</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>Cabutan lalu di sebelah peluang tepat</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Peringkat</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>Cabutan lalu
yang menang</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>Peluang tepat
setiap cabutan</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>Tiket lalu
setiap cabutan</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>Tiket dijangka
setiap cabutan</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>Mengira peluang tepat tiket-tiket ini…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>Peluang tepat tiket-tiket ini tidak dapat dikira: %1.</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Padanan</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>tiada cabutan</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>0 daripada %1</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 daripada %2 (%3)</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>Hadiah tetap: %1 dijangka setiap cabutan.</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>Hadiah tetap setiap cabutan: %1 dimenangi dalam cabutan ini, %2 dijangka.</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 tiket yang peringkatnya bergantung pada nombor yang tidak diberi oleh keputusan tidak berada dalam mana-mana baris.</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>Format tiket %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Bantuan Wheelwright</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Halaman bantuan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Halaman bantuan welcome.html tiada dalam pemasangan ini.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>Bantuan di bawah dalam bahasa Inggeris.</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Utama</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>Tambahan</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Hadiah</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Mata wang</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Pa&amp;dam</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>Sa&amp;lin untuk sunting</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;ksport...</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>Loteri negara ini</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>Loteri &amp;baharu</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>Loteri baharu</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>Salin loteri terbina untuk disunting</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>Padam atau set semula loteri</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>Eksport loteri ke fail</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>Import loteri dari fail</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1: masalah</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Julat:</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Julat</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>Nombor se&amp;tiket:</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>Nombor setiket</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>Di&amp;cabut:</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>Nombor dicabut</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>Tambahan dicab&amp;ut:</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>Nombor tambahan dicabut</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>Julat b&amp;onus:</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Julat bonus</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>Bonus dic&amp;abut:</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>Nombor bonus dicabut</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>&amp;Harga:</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>Harga setiket</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Mata wang:</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>&amp;Peringkat hadiah, terbaik dahulu:</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Peringkat hadiah</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>Peringkat hadiah: masalah</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>Tambah pe&amp;ringkat</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>Tambah peringkat hadiah</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>Buang peringkat</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>Buang peringkat hadiah</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>Simpan loteri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>Set s&amp;emula ke asal</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1, menggantikan fakta terbina</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1. Salin untuk menyunting.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>nombor bulat</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>Peringkat %1: %2 mesti nombor bulat</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>Peringkat %1: %2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Amaran</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>Loteri tidak disimpan: %1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>Disimpan. %1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>Lupakan fakta anda bagi &quot;%1&quot; dan guna semula fakta terbina?</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>Padam loteri anda &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>Salinan fakta terbina: kekalkan nama untuk menggunakannya menggantikan loteri terbina.</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>Loteri baharu %1.</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>Eksport loteri</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>Fail loteri (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 tidak dapat ditulis: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Dieksport ke %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>Tiada loteri diimport: %1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>fail tidak memuat sebarang loteri</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>Tiada lagi loteri diimport: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 diimport dari %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n loteri</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>Import loteri</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua fail (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 mesti nombor bulat</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>peringkat ialah nama, utama, tambahan, bonus, hadiah, mata wang</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>%1 padanan peringkat mesti nombor bulat</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>memuat bait NUL</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>bukan teks UTF-8</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>Halaman loteri</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>Pilih negara anda, kemudian loteri yang anda main.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Negara:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>&amp;Loteri:</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>Klik loteri, kemudian tekan Seterusnya untuk menanda nombor anda.</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>Bila fakta loteri dibaca</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>L&amp;oteri...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>Loteri: tambah, salin atau sunting loteri anda sendiri</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>(anda)</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>loteri anda</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>&quot;%1&quot; bukan negara yang ditawarkan program</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>loteri perlukan nama</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>nama lebih panjang daripada 80 bait</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>nama memuat aksara yang tidak boleh dicetak</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>nama bermula atau berakhir dengan ruang</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>julat memuat 2 hingga 99 nombor</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>tiket memuat sekurang-kurangnya 1 nombor</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>tiket memuat 1 nombor, jadi julat perlukan sekurang-kurangnya %1</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>tiket memuat %1 nombor, jadi julat perlukan sekurang-kurangnya %2</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>cabutan mengambil 1 hingga %1 nombor daripada julat %2</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>selepas 1 nombor dicabut, julat tinggal %1 untuk nombor tambahan</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>selepas %1 nombor dicabut, julat tinggal %2 untuk nombor tambahan</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>julat bonus memuat 0 (tiada) hingga 99 nombor</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>tiada julat bonus, jadi tiada nombor bonus dicabut</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>julat bonus %1 memberi 1 hingga %2 nombor bonus</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>padanan utama dan bonus hadiah terendah diberi bersama atau tidak langsung</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>hadiah terendah perlukan 0 hingga %1 padanan utama</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>hadiah terendah perlukan 0 hingga %1 padanan bonus</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>hadiah terendah tidak boleh tanpa sebarang padanan</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>harga ialah jumlah seperti 2.50</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>harga mesti lebih daripada kosong</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>harga perlukan mata wangnya</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>mata wang perlukan harga</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>mata wang ialah kod tiga huruf seperti EUR (ISO 4217)</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>bulan ditulis seperti 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>peringkat perlukan nama 1 hingga 80 bait</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>nama peringkat memuat koma atau aksara yang tidak boleh dicetak</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>utama mesti nombor bulat dari 0 hingga %1 bagi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>tambahan mesti nombor bulat dari 0 hingga %1 bagi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>bonus mesti nombor bulat dari 0 hingga %1 bagi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>tiket memuat %1 nombor: ia tidak boleh padan %2 utama dan %3 tambahan</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>peringkat tidak boleh tanpa sebarang padanan</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>mata wang hanya bersama jumlah tetap</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>hadiah mesti empty, shared, atau jumlah dengan dua perpuluhan seperti 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>jumlah tetap perlukan kod mata wang tiga huruf (ISO 4217)</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>tiada tiket boleh mencapai &quot;%1&quot;: &quot;%2&quot; datang dahulu dan mengambil setiap tiket yang akan mencapainya</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>tiada tiket boleh mencapai &quot;%1&quot;: &quot;%2&quot; (baris %3) datang dahulu dan mengambil setiap tiket yang akan mencapainya</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>peringkat &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>Langkah</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  Loteri</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  Nombor</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  Sistem</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  Tiket</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Sebelum</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Seterusnya &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>Jana tiket</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Mula semula</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Buka…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>Buka fail tiket yang disimpan</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>Cetak tiket</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Pratonton cetak…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>Lihat halaman cetakan sebelum mencetak</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Eksport P&amp;DF…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>Tulis halaman cetakan ke fail PDF</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>Eksport CS&amp;V…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>Tulis tiket untuk hamparan, satu nombor satu sel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>&amp;Bantuan Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>&amp;Sistem</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>&amp;Perihal Wheelwright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Ba&amp;hasa</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1, dipilih</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1, nombor kunci</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>Halaman nombor</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>Grid loteri</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Nombor:</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombor</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>Ketik nombor pada grid; yang pertama ialah nombor kunci anda</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>Jumlah Nombor:0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>Jumlah nombor</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Undur</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>Tarik balik nombor yang dipilih terakhir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Kosongkan</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>Kosongkan semua nombor yang dipilih</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>Tunjuk mengikut tertib menaik</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>Pilihan rawak…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>Biar program mencabut nombor untuk anda</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>Grid nombor</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Makluman</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>Anda tidak boleh membuang kunci kecuali dengan mengosongkan semua butang dan nombor (klik butang &apos;Kosongkan&apos;)</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Amaran</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>Tiada nombor untuk diundur</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>Adakah anda pasti mahu mengosongkan semua nombor yang dipilih?</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>Jumlah Nombor:%1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>Pilihan rawak</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>Berapa nombor yang perlu dicabut program untuk anda?</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Bilangan:</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Bilangan</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>Pelaras bilangan</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>Nombor yang dicabut menyertai nombor yang sudah anda pilih; nombor pertama pilihan yang kosong menjadi kunci.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Amaran</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; bukan bilangan nombor. Taip nombor bulat dari %2 hingga %3.</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>Tiada fail dinamakan untuk pustaka sistem.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>Pustaka sistem anda %1 tidak dapat dibuat: foldernya %2 tidak dapat dicipta.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>Pustaka sistem anda %1 tidak dapat digunakan: %2.</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>Pustaka sistem baharu %1 tidak dapat dimulakan: %2.</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>Pustaka sistem anda %1 tidak dapat dibuka: %2.</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>ia rosak di dalam</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>ia bukan pustaka sistem</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>Pustaka sistem tidak dibuka.</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>Sistem tidak menepati jaminannya (%1); ia tidak disimpan.</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> Sistem tidak disimpan.</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>Pustaka sistem tidak dapat ditulis: %1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> Sistemnya tidak dapat dibaca buat masa ini.
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>jadualnya tidak dapat dibaca</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>Pustaka tidak dibuka; tiada cabutan ditambah.</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> Tiada cabutan ditambah.</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>Pustaka anda %1 tidak dapat ditulis (%2); tiada cabutan ditambah.</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>Pustaka tidak dibuka.</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>Cabutan dalam pustaka anda %1 tidak dapat dibaca: %2.</translation>
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
        <translation>Simpan tiket</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fail teks (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Buka tiket</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>Fail tiket (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua fail (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>Amaran</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>Loteri %1 dari %2 tidak boleh dimain: pangkalan data sistem tiada saiz yang boleh diguna untuknya (julat 2 hingga 99 nombor, dan kurang pada tiket).</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>Loteri %1 dari %2 tidak boleh dimain: pangkalan data sistem meminta %3 nombor bonus daripada julat bonus %4.</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>tiket %1 memuat %2 nombor, tiket ini memuat %3</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>Sistem &quot;%1&quot; untuk %2 nombor rosak: %3.</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>Cabutan &quot;%1&quot; dari %2 tidak dapat disemak: loteri ini tidak diketahui di sini.</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>loteri anda %1 tidak dapat dibaca: %2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>tiada tempat untuk menyimpan loteri anda</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 tidak dapat ditulis: %2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>tiada</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 dan %2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>Hadiah tetap dimenangi: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 atau %2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1 (tidak termasuk %2)</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>dikongsi</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>Import Keputusan</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>Fail keputusan (*.csv *.txt);;Semua fail (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>Import keputusan</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>Cabutan %1, %2 dari %3. Nyatakan di atas setiap lajur apa isinya:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Baris pertama fail</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>Lajur %1 memuat</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>Baris pertama menamakan lajur</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>Baris rosak</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>Import baris yang baik</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Jangan import</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>Pilih satu lajur tarikh dan lajur-lajur nombor utama.</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 cabutan, setiap baris baik.</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 baris baik; %2, disenaraikan di bawah, tidak akan diimport.</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n baris rosak</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>Tiket sebagai teks</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>Teks tiket</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>%1 tiada (dua pemisah berturut-turut, atau satu di hujung)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 bukan nombor</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 terlalu panjang untuk nombor loteri</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 bukan nombor loteri (ia bermula dari 1)</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 muncul dua kali dalam tiket ini</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>fail kosong</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>fail ini UTF-8, tetapi fail tiket ditulis dalam UTF-16</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>bukan fail tiket: ia tidak bermula dengan tanda tertib bait UTF-16</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>fail terpotong di tengah-tengah aksara</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>baris ini bukan teks UTF-16 yang sah</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>baris kosong</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>&quot; + &quot; muncul lebih daripada sekali dalam tiket ini</translation>
    </message>
    <message>
        <source>number</source>
        <translation>nombor</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>tiada nombor bonus selepas &quot; + &quot;</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>nombor bonus</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>fail tidak memuat tiket</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>ada baris kosong di antara tiket</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>tiket ini ada %n nombor, tiket pertama ada %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>tiket ini ada %n nombor bonus, tiket pertama ada %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>fail terlalu besar untuk menjadi fail tiket</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>fail berakhir sebelum baris &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>dijangka &quot;%1&quot; di sini, ditemui %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>nombor kunci %1 bukan nombor bulat</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>fail berakhir sebelum baris kosong selepas kunci</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>dijangka baris kosong selepas kunci, ditemui %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>fail berakhir di dalam baris ini: ia terpotong</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>nombor kunci %1 di luar nombor 1 hingga %2</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 di luar nombor 1 hingga %2</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>loteri ini tiada nombor bonus, tetapi tiket membawanya</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>nombor bonus %1 di luar nombor bonus 1 hingga %2</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>fail terlalu besar untuk menjadi senarai tiket</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>teks ini bukan fail tiket UTF-16 mahupun baris UTF-8</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>bukan fail biasa, jadi ia tidak dibaca sebagai tiket</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>tidak dapat dibuka: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>tidak dapat dibaca: %1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>Halaman tiket</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>Loteri</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>Jumlah Tiket:0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>Jumlah tiket</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tiket</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Simpan…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>Simpan tiket sebagai fail teks</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>Paparan teks</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>Tunjuk tiket sebagai teks</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>Semak cabutan…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>Taip nombor cabutan dan lihat tiket mana yang padan</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>Semak cabutan lalu…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>Semak tiket ini dengan setiap cabutan loteri yang disimpan</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>Semak cabutan lalu</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>Tiket disimpan sebagai teks UTF-16 yang boleh dibuka oleh mana-mana penyunting.</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>Jumlah Tiket:%1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>Dicetak %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>Sistem: %1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>Nombor dimain (%1): %2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   Nombor kunci: %1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>Nombor bonus dimain: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n tiket</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - tiket %2 hingga %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Halaman %1 daripada %2</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>Tiket %1</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Pratonton cetak</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>Cetak tiket</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>Pencetakan tidak tersedia: modul cetak tidak dapat dimuatkan (%1).</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>Amaran</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>Gagal mencipta fail boleh tulis dengan mesej &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>Tiket</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n padanan</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + bonus</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>, hadiah</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>tiket %1: %2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>, mencapai hadiah terendah</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>tidak diketahui</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>&amp;Main sistem ini</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Banding sistem</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>Bajet setiap cabutan</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>Peluang &amp;terbaik untuk:</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>Peluang dibanding</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>Memilih sistem terpilih pada halaman sistem</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>Sistem terbaik dalam bajet</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>Status pengiraan</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>Sistem dibanding</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>Sistem terbaik bagi setiap bilangan nombor</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombor</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>Sistem terbaik</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tiket</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kos</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Peluang</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>Pengiraan dihentikan.</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>sebarang hadiah</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>peringkat %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>Paling banyak </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1 setiap cabutan</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1, %2:&lt;/b&gt; setiap sistem untuk %3 nombor%4, dikira ke atas setiap cabutan yang mungkin.</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>, setiket %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>; harga tiket tidak diketahui, jadi kos dalam tiket</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>Sistem tidak dapat dibaca: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>Kos (%1)</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>Sebarang hadiah</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>Pulangan setiap cabutan</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>Pulangan setiap unit</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>Mengira %1 sistem…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>Mengira %1 sistem lagi…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>, setiap kombinasi</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, milik anda</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>mengira…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>tidak dapat dikira</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>melebihi bajet</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>terbaik dalam bajet</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>Sistem bagi bilangan lain tidak dapat dibaca: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;Berapa nombor untuk dimain:&lt;/b&gt; sistem terbaik dalam %1 bagi setiap bilangan nombor (angka ini sah untuk mana-mana nombor bilangan itu)%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>; mengira…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (milik anda)</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>tiada sistem dalam bajet</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>mengira %1 daripada %2…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>Setiap kombinasi nombor anda tidak disimpan sebagai sistem, jadi ia tidak boleh dipilih pada halaman sistem.</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>%1 setiap cabutan</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>%1 padanan atau lebih</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>kunci %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1 (setiap kombinasi)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (milik anda)</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n tiket</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n tiket</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>Tiada sistem disimpan untuk nombor ini.</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>Tiada sistem muat dalam %1: yang termurah ialah %2.</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>Belum ada sistem dalam %1 yang dapat dikira.</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1: melebihi bajet; </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1: peluang terbaik %2 dalam %3: %4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> (%n sistem lain yang sama baik berharga sama)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>Tiada sistem ditemui dalam masa yang diberi.</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>Tiket mesti memuat sekurang-kurangnya satu nombor.</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>Pilih dari %1 hingga 99 nombor untuk tiket %2 nombor.</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>Sistem boleh dibuat untuk sehingga %1 nombor.</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>Dalam jaminan &quot;x if y&quot;, x mesti sekurang-kurangnya 1 dan paling banyak y.</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>Jaminan &quot;x if y&quot; untuk tiket %1 nombor perlukan y paling banyak %1.</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>Sistem mesti dibenarkan sekurang-kurangnya satu tiket.</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>Masa carian mesti lebih daripada 0 saat dan paling lama sehari.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>Bilangan bebenang mesti dari 1 hingga 1024 (atau 0 untuk setiap teras).</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>Sistem kunci setiap kombinasi %1 daripada %2 nombor</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>Setiap kombinasi %1 daripada %2 nombor</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 ialah %2 tiket, lebih daripada %3 yang dibenarkan.</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 ialah %2 tiket, lebih daripada yang dapat dibuat Wheelwright (%3).</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Mula</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>Buat sistem</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright bermula dari sistem terbaik yang diketahuinya, mencari satu dengan kurang tiket, kemudian membuktikan jaminannya cabutan demi cabutan sebelum menawarkannya.</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>Sistem jenis A</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>Sistem kunci (kunci anda pada setiap tiket)</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>Padanan dijamin</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>Nombor cabutan antara nombor anda</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Nombor:</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>&amp;Jaminan:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>Je&amp;nis:</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>&amp;Paling banyak:</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>Cari &amp;selama:</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>Had bawah:</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1, %2 pada satu tiket</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>tiada sistem sedemikian dengan kurang daripada %1 tiket</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>sekurang-kurangnya %1 tiket: lebih daripada %2 yang anda benarkan</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>Cari yang lebih se&amp;dikit</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> Cari yang lebih sedikit?</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> Tiada sistem boleh kurang lagi.</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>Pustaka anda sudah memuat sistem ini dengan %1 tiket; ia ada dalam senarai sistem. Carian bermula darinya dan menyimpan yang baharu hanya jika tiketnya lebih sedikit.%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright membekalkan sistem ini dengan %1 tiket; ia ada dalam senarai sistem. Carian bermula darinya.%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Mencari…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>Menghentikan dan membuktikan sistem terbaik setakat ini…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>Mencari… tinggal %1 s</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>Terbaik setakat ini: %1 tiket (had bawah %2). Tinggal %3 s.</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>Dibuktikan: %1 pada %2 nombor dengan %3 tiket%4. %5.</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>, sesedikit yang boleh ada pada mana-mana sistem</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>Dihentikan sebelum sebarang sistem ditemui.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Makluman</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>Carian dihentikan. Simpan sistem terbaik yang ditemui setakat ini (%1 tiket, dibuktikan)?</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>Disimpan: %1 dengan %2 tiket.</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>Dihentikan; tiada apa disimpan.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Amaran</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n nombor utama</numerusform>
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
        <translation>Peluang tepat sistem ini, dikira ke atas setiap cabutan yang mungkin</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>Jadual peluang</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;Peringkat hadiah:&lt;/b&gt; peluang setiap cabutan bahawa sekurang-kurangnya satu tiket anda memenangi setiap peringkat (tiket dikira dalam peringkat terbaiknya sahaja)</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>Peringkat hadiah</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>Status peringkat hadiah</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>Peluang peringkat hadiah</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>Setiap baris: satu peringkat hadiah, hadiahnya, peluang sekurang-kurangnya satu tiket memenanginya, dan jangkaan tiket di dalamnya setiap cabutan</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>Sebarang hadiah dan pulangan tetap</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Mengira peluang “%1”…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>Peluang “%1” tidak dapat dikira: %2.</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>Peringkat hadiah loteri ini tidak diketahui: hanya bilangan padanan di atas yang dikira.</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>Mengira peluang setiap peringkat hadiah…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>Peringkat hadiah tidak dapat dikira: %1.</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>Peringkat</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Hadiah</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>Sekurang-kurangnya satu tiket</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Tiket setiap cabutan</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>Peluang setiap cabutan bahawa sekurang-kurangnya satu tiket anda memenangi peringkat ini</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>Berapa tiket anda memenangi peringkat ini setiap cabutan, secara purata</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>tidak diketahui</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;Sebarang hadiah:&lt;/b&gt; sekurang-kurangnya satu tiket memenangi satu peringkat dalam %1 cabutan%2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;Hadiah tetap:&lt;/b&gt; pulangannya %1 setiap cabutan secara purata</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>, berbanding kos %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>. Peringkat dengan hadiah dikongsi tidak termasuk dalam pulangan ini.</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>Tiada peringkat membayar jumlah tetap, jadi tiada pulangan setiap cabutan dikira; hadiah dikongsi bergantung pada tabung dan pemenang.</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>Dikira tanpa nombor bonus: peringkat yang perlukan bonus tidak dimenangi mana-mana tiket di sini.</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>Dikira dengan nombor bonus dibahagi ke atas tiket seperti yang dimain.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Milik anda dicabut</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Peluang</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>Setiap baris: berapa nombor cabutan ada antara nombor anda, betapa mungkinnya, dan bagi setiap lajur b peluang tiket terbaik anda kemudian padan sekurang-kurangnya b daripadanya.</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>Jaminan “%1”</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>jaminan</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>Sebarang cabutan</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>Peluang tepat “%1” pada %2 nombor: %3, %4 daripada %5 dicabut</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n tiket</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>Berapa nombor cabutan ada antara nombor anda</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>Sistem kunci: baris mengira cabutan yang memuat nombor kunci anda (%1 daripada semua cabutan); baris terakhir mengira setiap cabutan.</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>Diserlahkan: jaminan “%1”. Apabila %2 nombor cabutan ada antara nombor anda%3, tiket terbaik anda padan sekurang-kurangnya %4 daripadanya: %5.</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>, termasuk nombor kunci</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>Hadiah terendah loteri ini tidak diketahui di sini.</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>Hadiah terendah dimenangi dengan nombor bonus sahaja; peluang ini mengira nombor utama sahaja.</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>Peluang hadiah terendah (%1) tidak dikira di sini.</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;Sekurang-kurangnya satu hadiah:&lt;/b&gt; sesuatu tiket memenangi hadiah terendah (%1)%2 dalam %3 cabutan%4.</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>, dengan nombor utama sahaja dikira,</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>Tiket setiap cabutan, secara purata, yang padan tepat  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>Peluang setiap cabutan bagi sekurang-kurangnya setiap bilangan padanan</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>Setiap cabutan, tiket terbaik anda padan sekurang-kurangnya:</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>Halaman sistem</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>Pilih sistem untuk nombor anda</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>Buat sistem…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>Cari dan buktikan sistem anda sendiri untuk nombor yang anda pilih</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>Banding sistem…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>Setiap sistem untuk nombor anda bersebelahan: kos, peluang, dan yang terbaik dalam bajet</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>Banding sistem</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>Cabutan lalu…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>Bagaimana sistem terpilih dengan nombor anda akan berjaya dalam cabutan yang disimpan</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Cabutan lalu</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>Cara membaca sistem…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4” bermaksud: jika 4 nombor cabutan ada antara nombor anda, sekurang-kurangnya satu tiket memuat 3 daripadanya.</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>Jenis sistem</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>Sistem jenis A</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>Pilih &amp;sistem (jaminan dan bilangan tiket):</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>Tiada sistem jenis A disimpan untuk bilangan nombor ini. Cuba sistem kunci, atau pilih lebih atau kurang nombor.</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>Sistem kunci</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>Nombor &amp;kunci:</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Nombor kunci</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>Setiap tiket sistem kunci membawa nombor kunci anda.</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>Tiada sistem kunci disimpan untuk bilangan nombor ini. Cuba sistem jenis A, atau pilih lebih atau kurang nombor.</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>Format tiket</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>&amp;Harga setiket:</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>Harga setiket</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>Harga setiket: tidak diketahui - masukkannya</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>Sila masukkan harga satu tiket sebagai nombor, seperti 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>Kos: %1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>Peluang “%1” tidak dapat dikira: sistem rosak (%2).</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>barisnya %1 %2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>ia ada %1 baris sedangkan senarai sistem menjanjikan %2</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>namanya memuat aksara yang bukan teks</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>menamakan kedudukan %1 dua kali</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>menamakan kedudukan di luar pilihan anda</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>ada %1 kedudukan sedangkan tiket memuat %2</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>tidak memuat kedudukan nombor kunci 01</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>ia tiada dalam pustaka sistem anda</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>ia tiada lagi dalam pustaka sistem anda</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>jaminannya %1 tidak berbentuk &quot;x if y&quot;</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>ia tidak menepati jaminannya (%1)</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>Sistem anda sendiri tidak dapat disimpan: %1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n tiket x %1 = %2</numerusform>
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
        <translation>1 dalam %1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;Membaca sistem&lt;/h3&gt;&lt;p&gt;Entri sistem seperti &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; bermaksud: jika 4 nombor cabutan ada antara nombor yang anda pilih, sekurang-kurangnya satu daripada 12 tiket memuat 3 daripadanya. Bilangan tiket ialah kos sistem itu kepada anda.&lt;/p&gt;&lt;h3&gt;Sistem jenis A&lt;/h3&gt;&lt;p&gt;Sebarkan semua nombor anda sama rata; jaminan sah untuk mana-mana nombor cabutan antara nombor anda.&lt;/p&gt;&lt;h3&gt;Sistem kunci&lt;/h3&gt;&lt;p&gt;Letakkan nombor kunci anda (nombor pertama yang anda pilih) pada setiap tiket. Jaminan sah apabila kunci dicabut, dan sistem kunci perlukan jauh lebih sedikit tiket.&lt;/p&gt;&lt;h3&gt;Sistem penuh&lt;/h3&gt;&lt;p&gt;Sistem seperti &lt;b&gt;6 if 6&lt;/b&gt; memainkan setiap kombinasi nombor anda: jackpot pasti jika semua nombor cabutan milik anda, pada harga tertinggi.&lt;/p&gt;&lt;p&gt;Senarai menunjukkan sistem termurah dahulu. Sistem disenaraikan hanya apabila tiada sistem lain untuk nombor anda menjanjikan sebanyak itu dengan tiket sesedikit itu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>Perihal sistem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
</TS>
