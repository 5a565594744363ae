<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Windows 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n square opened</numerusform>
            <numerusform>%n squares opened</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Time: %n second</numerusform>
            <numerusform>Time: %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Game won in %n second</numerusform>
            <numerusform>Game won in %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flagged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
