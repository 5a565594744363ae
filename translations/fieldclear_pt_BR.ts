<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>O disco onde fica %1 está cheio.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>A pasta %1 é somente leitura.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Você não tem permissão para gravar na pasta %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>Não é possível gravar nada na pasta %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Só foi possível gravar %1 dos %2 bytes.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>O jogo ainda está salvando os tempos em outra janela.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Não é possível criar um arquivo de bloqueio em %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>O arquivo não pode ser lido, por isso foi deixado como está: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Zerar tempos?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
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
        <translation>Altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
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
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Não foi possível salvar os melhores tempos em %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>O arquivo não pode ser lido, por isso foi deixado como está: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Você fez o melhor tempo deste nível. Digite seu nome:</translation>
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
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Blocos coloridos (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Tons de cinza</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, maior</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
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
        <translation>Cor</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Melhores tempos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>%n quadrado aberto</numerusform>
            <numerusform>%n quadrados abertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Nenhum quadrado aberto</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Tempo: %n segundo</numerusform>
            <numerusform>Tempo: %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Você perdeu, a mina explodiu na linha %1, coluna %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Você venceu em %n segundo</numerusform>
            <numerusform>Você venceu em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Novo jogo, %1, %2 por %3, %4 minas</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>com bandeira</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explodida</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandeira errada</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>fechado</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 linhas por %2 colunas</translation>
    </message>
</context>
</TS>
