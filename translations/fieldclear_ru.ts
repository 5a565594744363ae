<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>records::BestTimesFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>Диск с папкой %1 заполнен.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Папка %1 доступна только для чтения.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1.</source>
        <translation>Нет прав на запись в папку %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1: %2</source>
        <translation>В папку %1 ничего не удаётся записать: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>Only %1 of its %2 bytes could be written.</source>
        <translation>Удалось записать только %1 из %2 байт.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Another copy of the game is still saving its times.</source>
        <translation>Другая запущенная копия игры ещё сохраняет свои результаты.</translation>
    </message>
    <message>
        <source>No lock file can be made in %1.</source>
        <translation>Не удаётся создать файл блокировки в папке %1.</translation>
    </message>
    <message>
        <source>It cannot be read, so it was left as it is: %1</source>
        <translation>Его не удаётся прочитать, поэтому он оставлен как есть: %1</translation>
    </message>
</context>
<context>
    <name>records::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <extracomment>A button 81 pixels wide; &amp; marks the access key.</extracomment>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> seconds</source>
        <extracomment>After the three digits of a record&apos;s time, its blank included; it must end before the name column, about 100 pixels from the time&apos;s start.</extracomment>
        <translation> сек.</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Сбросить?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>records::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Особое поле</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>What a screen reader calls the three boxes of the custom field dialog.</extracomment>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Мины</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Buttons 73 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <extracomment>The captions left of the boxes: at most 64 pixels for Height, 49 for Width and Mines; &amp; marks the access key, and the three keys must differ from each other and from OK&apos;s and Cancel&apos;s.</extracomment>
        <translation>&amp;Выс.:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Шир.:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Мины:</translation>
    </message>
</context>
<context>
    <name>records::RecordKeeper</name>
    <message>
        <source>Best Times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>The best times could not be saved to %1.</source>
        <translation>Не удалось сохранить рекорды в файл %1.</translation>
    </message>
    <message>
        <source>The file cannot be read, so it was left as it is: %1</source>
        <translation>Файл не удаётся прочитать, поэтому он оставлен как есть: %1</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>У вас лучшее время на этом уровне. Введите своё имя:</translation>
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
        <translation>Чёрно-белый</translation>
    </message>
    <message>
        <source>Color Blocks (Windows 2000)</source>
        <translation>Цветные блоки (Windows 2000)</translation>
    </message>
    <message>
        <source>Shades of Grey</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Пейзаж</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Игральные кости</translation>
    </message>
    <message>
        <source>Larger Windows 98</source>
        <translation>Windows 98, крупный</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The menus have no access keys, in any language.</extracomment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Особый...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Отметки (?)</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Colour pictures; always greyed out.</extracomment>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Best Times...</source>
        <translation>Лучшее время...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
</context>
<context>
    <name>ui::Speech</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Особый</translation>
    </message>
    <message numerus="yes">
        <source>%n squares opened</source>
        <translation>
            <numerusform>Открыта %n клетка</numerusform>
            <numerusform>Открыты %n клетки</numerusform>
            <numerusform>Открыто %n клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing opened</source>
        <translation>Ничего не открыто</translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Осталось мин: %1</translation>
    </message>
    <message numerus="yes">
        <source>Time: %n seconds</source>
        <translation>
            <numerusform>Время: %n секунда</numerusform>
            <numerusform>Время: %n секунды</numerusform>
            <numerusform>Время: %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Поражение</translation>
    </message>
    <message>
        <source>Game lost, exploded mine at row %1, column %2</source>
        <translation>Поражение, мина взорвалась в строке %1, столбце %2</translation>
    </message>
    <message numerus="yes">
        <source>Game won in %n seconds</source>
        <translation>
            <numerusform>Победа за %n секунду</numerusform>
            <numerusform>Победа за %n секунды</numerusform>
            <numerusform>Победа за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>New game, %1, %2 by %3, %4 mines</source>
        <extracomment>%1 is the level&apos;s name, %2 columns by %3 rows.</extracomment>
        <translation>Новая игра, %1, %2 на %3, мин: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>флажок</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>мина</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>взорвавшаяся мина</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>неверный флажок</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>знак вопроса</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>закрытая</translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A square as a screen reader reads it: %1 is what it shows (&quot;covered&quot;, &quot;3&quot;).</extracomment>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>Строк: %1, столбцов: %2</translation>
    </message>
</context>
</TS>
