<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Der Datenträger, auf dem %1 liegt, ist voll.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Der Ordner %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Sie haben keine Schreibrechte im Ordner %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Im Ordner %1 kann nichts gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Ein weiteres geöffnetes Spiel speichert gerade seine Zeiten.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>In %1 kann keine Sperrdatei angelegt werden.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Die Datei ist nicht lesbar und wurde daher nicht verändert: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Eigenes Feld</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minen:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Die Bestzeiten konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Die Datei ist nicht lesbar und wurde daher nicht verändert: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Sie haben die Bestzeit für diesen Schwierigkeitsgrad. Bitte geben Sie Ihren Namen ein:</translation>
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
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Farbblöcke (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, groß</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Markierungen (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Bestzeiten...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n Feld geöffnet</numerusform>
            <numerusform>%n Felder geöffnet</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Kein Feld geöffnet</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Verbleibende Minen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Zeit: %n Sekunde</numerusform>
            <numerusform>Zeit: %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Spiel verloren</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Spiel verloren, explodierte Mine in Zeile %1, Spalte %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Spiel in %n Sekunde gewonnen</numerusform>
            <numerusform>Spiel in %n Sekunden gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Neues Spiel, %1, %2 mal %3, %4 Minen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>explodierte Mine</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>falsche Flagge</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 Zeilen mal %2 Spalten</translation>
    </message>
</context>
</TS>
