<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>De schijf waarop %1 staat, is vol.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>De map %1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Je mag niet in de map %1 schrijven.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>In de map %1 kan niets worden geschreven: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Er konden maar %1 van de %2 bytes worden geschreven.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Het spel is in een ander venster nog bezig de tijden op te slaan.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>In %1 kan geen vergrendelingsbestand worden gemaakt.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Het bestand kan niet worden gelezen en is daarom ongewijzigd gelaten: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> seconden</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Tijden wissen?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Eigen veld</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mijnen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mijnen</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Beste tijden</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>De beste tijden konden niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Het bestand kan niet worden gelezen en is daarom ongewijzigd gelaten: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Je hebt de snelste tijd voor dit niveau. Typ je naam:</translation>
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
        <translation>Zwart-wit</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Kleurblokken (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Grijstinten</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschap</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, groot</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Aangepast...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Markeringen (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Beste tijden...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Uiterlijk</translation>
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
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n vakje geopend</numerusform>
            <numerusform>%n vakjes geopend</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Niets geopend</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Mijnen over: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Tijd: %n seconde</numerusform>
            <numerusform>Tijd: %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Je hebt verloren</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Je hebt verloren, de mijn ontplofte op rij %1, kolom %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Je hebt gewonnen in %n seconde</numerusform>
            <numerusform>Je hebt gewonnen in %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nieuw spel, %1, %2 bij %3, %4 mijnen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>met vlag</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mijn</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>ontplofte mijn</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>foute vlag</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>vraagteken</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Je hebt gewonnen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 rijen bij %2 kolommen</translation>
    </message>
</context>
</TS>
