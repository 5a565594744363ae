<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Le disque qui contient %1 est plein.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Le dossier %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Seuls %1 octets sur %2 ont pu être écrits.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Une autre instance du jeu est en train d&apos;enregistrer ses temps.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Impossible de créer un fichier verrou dans %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Le fichier est illisible, il a donc été laissé tel quel: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> secondes</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Réinitialiser ?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Sur mesure</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Hauteur:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mines:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Les meilleurs temps n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Le fichier est illisible, il a donc été laissé tel quel: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Vous avez le meilleur temps pour ce niveau. Veuillez entrer votre nom:</translation>
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
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Blocs de couleur (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Nuances de gris</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, agrandi</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisé...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Marques (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Meilleurs temps...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n case ouverte</numerusform>
            <numerusform>%n cases ouvertes</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Aucune case ouverte</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Mines restantes: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Temps: %n seconde</numerusform>
            <numerusform>Temps: %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partie perdue</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Partie perdue, mine explosée à la ligne %1, colonne %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Partie gagnée en %n seconde</numerusform>
            <numerusform>Partie gagnée en %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nouvelle partie, %1, %2 sur %3, %4 mines</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mine explosée</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>drapeau erroné</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>couverte</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 lignes sur %2 colonnes</translation>
    </message>
</context>
</TS>
