<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>El disco que contiene %1 está lleno.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>La carpeta %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>No tienes permiso para escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>No se puede escribir nada en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Solo se pudieron escribir %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Otra copia abierta del juego todavía está guardando sus tiempos.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>No se puede crear un archivo de bloqueo en %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>El archivo no se puede leer, así que se ha dejado como estaba: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>¿Restablecer?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>Al&amp;to:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>A&amp;ncho:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minas:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>No se pudieron guardar los mejores tiempos en %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>El archivo no se puede leer, así que se ha dejado como estaba: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Felicidades</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Tienes el mejor tiempo de este nivel. Escribe tu nombre:</translation>
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
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Bloques de colores (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, ampliado</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Nueva partida</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Marcas (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Mejores tiempos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n casilla abierta</numerusform>
            <numerusform>%n casillas abiertas</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Ninguna casilla abierta</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Tiempo: %n segundo</numerusform>
            <numerusform>Tiempo: %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partida perdida</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Partida perdida, mina explotada en la fila %1, columna %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Partida ganada en %n segundo</numerusform>
            <numerusform>Partida ganada en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Nueva partida, %1, %2 por %3, %4 minas</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>bandera</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explotada</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandera incorrecta</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>cubierta</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 filas por %2 columnas</translation>
    </message>
</context>
</TS>
