<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib — бесплатная игра: в неё можно играть, её можно копировать и бесплатно передавать другим.

Игра предоставляется «как есть», без каких-либо гарантий, явных или подразумеваемых, включая, помимо прочего, гарантии товарной пригодности, пригодности для определённой цели и ненарушения прав третьих лиц. Ни при каких обстоятельствах её авторы не несут ответственности по претензиям, за ущерб или иные обязательства, возникшие в связи с использованием игры.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>Стрелки перемещают курсор; пробел или Enter выбирает лягушку под ним или прыгает туда; Escape отпускает выбранную лягушку.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>лягушка, ряд %1, столбец %2, выбрана</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>лягушка, ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>пустая клетка, ряд %1, столбец %2, сюда можно прыгнуть</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>пустая клетка, ряд %1, столбец %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Режим: %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Уровень: %1 из 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>Осталась %1 лягушка из %2</numerusform>
            <numerusform>Осталось %1 лягушки из %2</numerusform>
            <numerusform>Осталось %1 лягушек из %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Осталось попыток: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Очки: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Красный %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Зелёный %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Синий %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Вы действительно хотите выйти из программы?</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>причина неизвестна</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>файл %1 не удалось прочитать при запуске игры (%2), поэтому он оставлен как есть</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>файл %1 не удалось записать (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>не удалось записать файлы игры</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib не может ничего сохранить: в папку для вашей игры, очков и настроек (%1) нельзя записывать. Играть можно, но ничего не сохранится.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib не смог сохранить вашу игру. В папке %1: %2. Изменения за этот сеанс там не сохранились.</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib не может прочитать файл %1 (%2). Файл остаётся как есть, а изменения за этот сеанс в нём не сохранятся.</translation>
    </message>
    <message>
        <source>the folder was moved or removed while the game ran, and another copy of Quib uses the folder at that place now, so nothing was written there</source>
        <translation>папку переместили или удалили во время игры, и теперь папку на этом месте использует другая копия Quib, поэтому туда ничего не записано</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib не может записывать в папку рядом с программой (%1: %2). Ваша игра, очки и настройки будут храниться в %3; файлы в %1 останутся как есть.</translation>
    </message>
    <message>
        <source>Quib cannot start: another program, %1 (process %2), holds the lock on the folder of your game and scores (%3), the lock by which Quib makes sure that no second copy of the game writes there. End that program, then start Quib again.</source>
        <translation>Quib не может запуститься: другая программа, %1 (процесс %2), удерживает блокировку папки с вашей игрой и очками (%3), с помощью которой Quib следит, чтобы вторая копия игры туда не записывала. Закройте эту программу и запустите Quib снова.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Бесплатная логическая игра</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Попробуй Quib — бесплатную логическую игру. Убирай лягушек, перепрыгивая через них. Это настоящий вызов и отличная тренировка для мозга.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo Jump</source>
        <translation>Отменить прыжок</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Сдаться</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Помочь</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Ещё игры</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Как играть</translation>
    </message>
</context>
<context>
    <name>MenuLetter</name>
    <message>
        <source>N</source>
        <comment>NewGame</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>E</source>
        <comment>NewGameMenue(1)</comment>
        <translation>Л</translation>
    </message>
    <message>
        <source>M</source>
        <comment>NewGameMenue(2)</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>D</source>
        <comment>NewGameMenue(3)</comment>
        <translation>Т</translation>
    </message>
    <message>
        <source>P</source>
        <comment>NewGameMenue(4)</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>в</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>L</source>
        <comment>mnuload</comment>
        <translation>З</translation>
    </message>
    <message>
        <source>G</source>
        <comment>GotoLevelMenue</comment>
        <translation>У</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>mnuQuit</comment>
        <translation>д</translation>
    </message>
    <message>
        <source>c</source>
        <comment>mnuHighScores</comment>
        <translation>Р</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>О</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sndmenue</comment>
        <translation>З</translation>
    </message>
    <message>
        <source>G</source>
        <comment>mnuGrids</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>Ц</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>м</translation>
    </message>
    <message>
        <source>M</source>
        <comment>mnu_morefree</comment>
        <translation>Е</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HelpMenu</comment>
        <translation>к</translation>
    </message>
    <message>
        <source>S</source>
        <comment>SolveMenue</comment>
        <translation>Р</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>Т</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>О</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>К</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>м</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>П</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Уровень %1 пройден</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Перепрыгнуто лягушек: %1  Попыток: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>ОЧКИ: %1   Время %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Игра окончена: поздравляем!</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Щёлкните, чтобы сыграть ещё раз</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Вы попали в таблицу рекордов.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Все уровни пройдены.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Все уровни пройдены.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Очки: %1   Время %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Раунд окончен: уровень не пройден</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Нужно было перепрыгнуть ещё %n лягушку.</numerusform>
            <numerusform>2: Нужно было перепрыгнуть ещё %n лягушки.</numerusform>
            <numerusform>2: Нужно было перепрыгнуть ещё %n лягушек.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>ОЧКИ: %1  Время %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Щёлкните для новой попытки</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Игра окончена: уровень не пройден</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Вы попали в таблицу рекордов. Введите своё имя.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Нужно было перепрыгнуть ещё %n лягушку</numerusform>
            <numerusform>3: Нужно было перепрыгнуть ещё %n лягушки</numerusform>
            <numerusform>3: Нужно было перепрыгнуть ещё %n лягушек</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Очки: %1  Время %2</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Нужно было перепрыгнуть ещё %n лягушку</numerusform>
            <numerusform>6: Нужно было перепрыгнуть ещё %n лягушки</numerusform>
            <numerusform>6: Нужно было перепрыгнуть ещё %n лягушек</numerusform>
        </translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Замедлите старение и укрепите ум</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Замедлите старение и снимите стресс</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Укрепите здоровье тела и ума</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Тренируйте ум и тело</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Медитация, цигун, тайцзи, гипноз</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Больше бесплатных игр на %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Игра на паузе</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Трудный</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Практика</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Справка Quib</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Ваши рекорды, сохранённые игры и настройки лежат в папке:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Файл справки не найден.

Quib искал его здесь:
%1

Он устанавливается вместе с программой как help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Выберите сложность</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Прыгайте лягушками друг через друга, пока не останется только одна.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>В каждой игре число попыток ограничено.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>За каждый пройденный уровень вы получаете очки. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Чем выше сложность, тем больше очков за уровень, но тем меньше попыток.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Об игре Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Версия 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Издание для Linux, сборка %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib — бесплатная игра. Она предоставляется как есть, без каких-либо гарантий; вы играете на свой страх и риск. Её можно свободно копировать и распространять, но нельзя продавать. Полные условия — в лицензионном соглашении.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Ваше имя для таблицы рекордов</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Anonymous</source>
        <translation>Аноним</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Цвета…</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Решаемо</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Тупик</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Неясно</translation>
    </message>
</context>
</TS>
