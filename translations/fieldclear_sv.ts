<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Disken där %1 finns är full.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Mappen %1 är skrivskyddad.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Du har inte behörighet att skriva i mappen %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Det går inte att skriva något i mappen %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Det är ingen vanlig fil.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Bara %1 av filens %2 byte kunde skrivas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Det går inte att skapa mappen %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Spelet håller fortfarande på att spara tiderna i ett annat fönster.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Det går inte att skapa någon låsfil i %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Filen kan inte läsas och lämnades därför som den är: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Nollställ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> sekunder</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Nollställa tiderna?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Är du säker?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Egen spelplan</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minor</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Höjd:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Bredd:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minor:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Bästa tider</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>De bästa tiderna kunde inte sparas i %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Filen kan inte läsas och lämnades därför som den är: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Grattis</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Du har den snabbaste tiden på den här nivån. Skriv ditt namn:</translation>
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
        <translation>Svartvitt</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Färgblock (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Gråskala</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landskap</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärningar</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, stor</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Anpassad...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Markeringar (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Bästa tider...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n ruta öppnad</numerusform>
            <numerusform>%n rutor öppnade</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Inget öppnades</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Minor kvar: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Tid: %n sekund</numerusform>
            <numerusform>Tid: %n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Du förlorade</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Du förlorade, minan exploderade på rad %1, kolumn %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Du vann på %n sekund</numerusform>
            <numerusform>Du vann på %n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nytt spel, %1, %2 gånger %3, %4 minor</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>flaggad</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>exploderad mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>felaktig flagga</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>frågetecken</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>oöppnad</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Du vann</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, rad %2, kolumn %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 rader gånger %2 kolumner</translation>
    </message>
</context>
</TS>
