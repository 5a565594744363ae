<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Диск із текою %1 заповнений.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Тека %1 доступна лише для читання.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Немає прав на запис до теки %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>До теки %1 нічого не вдається записати: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Це не звичайний файл.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Вдалося записати лише %1 з %2 байтів.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не вдається створити теку %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Інша запущена копія гри ще зберігає свої результати.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Не вдається створити файл блокування в теці %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Його не вдається прочитати, тому його залишено як є: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Скинути</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> с</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Скинути?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Ви впевнені?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Власне поле</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Міни</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Вис.:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Шир.:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Міни:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Найкращий час</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Не вдалося зберегти рекорди до файлу %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Файл не вдається прочитати, тому його залишено як є: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Вітаємо</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>У вас найкращий час на цьому рівні. Введіть своє ім’я:</translation>
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
        <translation>Чорно-білий</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Кольорові блоки (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Відтінки сірого</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Краєвид</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Гральні кості</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, збільшений</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Аматор</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Власний...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Позначки (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Найкращий час...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графіка</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Аматор</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>Відкрито %n клітинку</numerusform>
            <numerusform>Відкрито %n клітинки</numerusform>
            <numerusform>Відкрито %n клітинок</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Нічого не відкрито</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Залишилося мін: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Час: %n секунда</numerusform>
            <numerusform>Час: %n секунди</numerusform>
            <numerusform>Час: %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Поразка</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Поразка, міна вибухнула в рядку %1, стовпці %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Перемога за %n секунду</numerusform>
            <numerusform>Перемога за %n секунди</numerusform>
            <numerusform>Перемога за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Нова гра, %1, %2 на %3, мін: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожня</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>прапорець</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>міна</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>вибухла міна</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>хибний прапорець</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>знак питання</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>закрита</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Перемога</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, рядок %2, стовпець %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>Рядків: %1, стовпців: %2</translation>
    </message>
</context>
</TS>
