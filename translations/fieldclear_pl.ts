<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Dysk z folderem %1 jest pełny.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Folder %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Brak uprawnień do zapisu w folderze %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Nie można nic zapisać w folderze %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Udało się zapisać tylko %1 z %2 bajtów.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Inna uruchomiona kopia gry wciąż zapisuje swoje czasy.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Nie można utworzyć pliku blokady w folderze %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Nie można go odczytać, więc pozostawiono go bez zmian: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> sek.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Wyczyścić?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Własna plansza</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Wys.:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Szer.:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Miny:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Nie udało się zapisać najlepszych czasów do pliku %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Nie można odczytać pliku, więc pozostawiono go bez zmian: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Masz najlepszy czas na tym poziomie. Wpisz swoje imię:</translation>
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
        <translation>Czarno-biały</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Kolorowe bloki (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Odcienie szarości</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Krajobraz</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostki do gry</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, powiększony</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Znaczniki (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Najlepsze czasy...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafika</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>Odkryto %n pole</numerusform>
            <numerusform>Odkryto %n pola</numerusform>
            <numerusform>Odkryto %n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Nic nie odkryto</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Pozostałe miny: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Czas: %n sekunda</numerusform>
            <numerusform>Czas: %n sekundy</numerusform>
            <numerusform>Czas: %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Przegrana, mina wybuchła w wierszu %1, kolumnie %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Wygrana w %n sekundę</numerusform>
            <numerusform>Wygrana w %n sekundy</numerusform>
            <numerusform>Wygrana w %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nowa gra, %1, %2 na %3, miny: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>flaga</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>zdetonowana mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>błędna flaga</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>znak zapytania</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>zakryte</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>Wiersze: %1, kolumny: %2</translation>
    </message>
</context>
</TS>
