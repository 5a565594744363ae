<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Il disco che contiene %1 è pieno.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>La cartella %1 è di sola lettura.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Non hai i permessi per scrivere nella cartella %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>È stato possibile scrivere solo %1 byte su %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Un&apos;altra copia aperta del gioco sta ancora salvando i suoi tempi.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Impossibile creare un file di blocco in %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Il file non è leggibile, quindi è stato lasciato com&apos;è: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> secondi</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Azzerare?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Su misura</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>Al&amp;tezza:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Base:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mine:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Tempi migliori</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Non è stato possibile salvare i tempi migliori in %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Il file non è leggibile, quindi è stato lasciato com&apos;è: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Hai il tempo migliore per questo livello. Scrivi il tuo nome:</translation>
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
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Blocchi colorati (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paesaggio</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, ingrandito</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizzato...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Marcatori (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Tempi migliori...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n casella aperta</numerusform>
            <numerusform>%n caselle aperte</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Nessuna casella aperta</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Mine rimanenti: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Tempo: %n secondo</numerusform>
            <numerusform>Tempo: %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partita persa</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Partita persa, mina esplosa alla riga %1, colonna %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Partita vinta in %n secondo</numerusform>
            <numerusform>Partita vinta in %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nuova partita, %1, %2 per %3, %4 mine</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>bandiera</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina esplosa</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandiera sbagliata</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partita vinta</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 righe per %2 colonne</translation>
    </message>
</context>
</TS>
