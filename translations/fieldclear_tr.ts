<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>%1 klasörünün bulunduğu disk dolu.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>%1 klasörü salt okunur.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>%1 klasörüne yazma izniniz yok.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>%1 klasörüne hiçbir şey yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Bu normal bir dosya değil.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Dosyanın %2 baytından yalnızca %1 bayt yazılabildi.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Oyun başka bir pencerede hâlâ süreleri kaydediyor.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>%1 klasöründe kilit dosyası oluşturulamıyor.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Dosya okunamadığı için olduğu gibi bırakıldı: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Sıfırla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> saniye</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Süreler sıfırlansın mı?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Emin misiniz?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Özel oyun alanı</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mayın sayısı</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Yükseklik</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Genişlik</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mayın</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>En iyi süreler</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>En iyi süreler %1 dosyasına kaydedilemedi.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Dosya okunamadığı için olduğu gibi bırakıldı: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Tebrikler</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Bu seviyedeki en hızlı süre sizin. Lütfen adınızı yazın:</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Windows 98</source>
        <translation>Windows 98</translation>
    </message>
    <message>
        <source>Windows 2000</source>
        <translation>Windows 2000</translation>
    </message>
    <message>
        <source>Black and White</source>
        <translation>Siyah beyaz</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Renkli bloklar (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Gri tonları</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Manzara</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zarlar</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, büyük</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Acemi</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Özel...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>İşaretler (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>En iyi süreler...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafikler</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Acemi</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n kare açıldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Hiçbir kare açılmadı</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Kalan mayın: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Süre: %n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Kaybettiniz</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Kaybettiniz, mayın patladı: satır %1, sütun %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>%n saniyede kazandınız</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Yeni oyun, %1, %2 sütun, %3 satır, %4 mayın</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>bayraklı</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mayın</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>patlamış mayın</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>yanlış bayrak</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>soru işareti</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Kazandınız</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, satır %2, sütun %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Oyun alanı</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 satır, %2 sütun</translation>
    </message>
</context>
</TS>
