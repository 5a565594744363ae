<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Disk se složkou %1 je plný.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Složka %1 je jen pro čtení.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Nemáte oprávnění zapisovat do složky %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Do složky %1 nelze nic zapsat: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Nejde o běžný soubor.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Podařilo se zapsat jen %1 z %2 bajtů.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Jiná spuštěná kopie hry ještě ukládá své časy.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Ve složce %1 nelze vytvořit zamykací soubor.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Nelze jej přečíst, proto zůstal beze změny: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Vynulovat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Vynulovat?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Opravdu?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Vlastní pole</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Výška:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>Šíř&amp;ka:</translation>
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
        <translation>Nejlepší časy</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Nejlepší časy se nepodařilo uložit do souboru %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Soubor nelze přečíst, proto zůstal beze změny: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Blahopřejeme</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Máte nejrychlejší čas na této úrovni. Zadejte své jméno:</translation>
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
        <translation>Černobílý</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Barevné bloky (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Odstíny šedi</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Krajina</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Hrací kostky</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, zvětšený</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Začátečník</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Pokročilý</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Vlastní...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Značky (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Nejlepší časy...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
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
        <translation>Hra</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Začátečník</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Pokročilý</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>Odkryto %n políčko</numerusform>
            <numerusform>Odkryta %n políčka</numerusform>
            <numerusform>Odkryto %n políček</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Nic se neodkrylo</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Zbývající miny: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Čas: %n sekunda</numerusform>
            <numerusform>Čas: %n sekundy</numerusform>
            <numerusform>Čas: %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Prohra</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Prohra, mina vybuchla v řádku %1, sloupci %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Výhra za %n sekundu</numerusform>
            <numerusform>Výhra za %n sekundy</numerusform>
            <numerusform>Výhra za %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nová hra, %1, %2 na %3, miny: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>vlajka</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>vybuchlá mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>chybná vlajka</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>otazník</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>zakryté</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Výhra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, řádek %2, sloupec %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Hrací pole</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>Řádky: %1, sloupce: %2</translation>
    </message>
</context>
</TS>
