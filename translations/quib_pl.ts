<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib jest darmowy: możesz w niego grać, kopiować go i rozdawać innym bez żadnych opłat.

Gra jest udostępniana „tak jak jest”, bez jakiejkolwiek gwarancji, wyraźnej ani dorozumianej, w tym między innymi gwarancji przydatności handlowej, przydatności do określonego celu i nienaruszania praw osób trzecich. Jej twórcy w żadnym wypadku nie odpowiadają za roszczenia, szkody ani inne zobowiązania wynikające z korzystania z gry.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>Strzałki przesuwają kursor; Spacja lub Enter wybiera żabę pod nim albo skacze na to pole; Escape puszcza wybraną żabę.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>żaba, wiersz %1, kolumna %2, wybrana</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>żaba, wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>puste pole, wiersz %1, kolumna %2, tu można skoczyć</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>puste pole, wiersz %1, kolumna %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Tryb: %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Poziom: %1 z 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>Została %1 żaba z %2</numerusform>
            <numerusform>Zostały %1 żaby z %2</numerusform>
            <numerusform>Zostało %1 żab z %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Pozostało prób: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wynik: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Czerwony %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Zielony %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Niebieski %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Czy na pewno chcesz zakończyć program?</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>przyczyna nieznana</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>przy starcie gry nie udało się odczytać pliku %1 (%2), więc pozostał bez zmian</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>nie udało się zapisać pliku %1 (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>nie udało się zapisać plików gry</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib nie może niczego zachować: nie da się zapisywać w folderze na twoją grę, wyniki i opcje (%1). Możesz grać, ale nic nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib nie mógł zapisać twojej gry. W folderze %1: %2. Zmiany z tej sesji nie zostały tam zachowane.</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib nie może odczytać pliku %1 (%2). Plik pozostaje bez zmian, a zmiany z tej sesji nie zostaną w nim zapisane.</translation>
    </message>
    <message>
        <source>the folder was moved or removed while the game ran, and another copy of Quib uses the folder at that place now, so nothing was written there</source>
        <translation>folder został przeniesiony lub usunięty w trakcie gry, a teraz folderu w tym miejscu używa inna kopia Quib, więc nic tam nie zapisano</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib nie może zapisywać w folderze obok programu (%1: %2). Twoja gra, wyniki i opcje będą przechowywane w %3; pliki w %1 pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>Quib cannot start: another program, %1 (process %2), holds the lock on the folder of your game and scores (%3), the lock by which Quib makes sure that no second copy of the game writes there. End that program, then start Quib again.</source>
        <translation>Quib nie może się uruchomić: inny program, %1 (proces %2), trzyma blokadę folderu z twoją grą i wynikami (%3), dzięki której Quib pilnuje, by żadna druga kopia gry tam nie zapisywała. Zamknij ten program, a potem uruchom Quib ponownie.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Darmowa gra logiczna</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Zobacz Quib, darmową grę logiczną. Usuwasz w niej żaby, przeskakując nad nimi. To prawdziwe wyzwanie i świetny trening dla mózgu.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo Jump</source>
        <translation>Cofnij skok</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Poddaj się</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Poleć</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Wesprzyj</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Darmowe gry</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Jak grać</translation>
    </message>
</context>
<context>
    <name>MenuLetter</name>
    <message>
        <source>N</source>
        <comment>NewGame</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>NewGameMenue(1)</comment>
        <translation>a</translation>
    </message>
    <message>
        <source>M</source>
        <comment>NewGameMenue(2)</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>D</source>
        <comment>NewGameMenue(3)</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>P</source>
        <comment>NewGameMenue(4)</comment>
        <translation>g</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>L</source>
        <comment>mnuload</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>G</source>
        <comment>GotoLevelMenue</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>mnuQuit</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>c</source>
        <comment>mnuHighScores</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>c</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sndmenue</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>G</source>
        <comment>mnuGrids</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>l</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>M</source>
        <comment>mnu_morefree</comment>
        <translation>g</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HelpMenu</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>S</source>
        <comment>SolveMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Poziom %1 ukończony</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Przeskoczone żaby: %1  Próby: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>WYNIK: %1   Czas %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Koniec gry: gratulacje!</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Kliknij, aby zagrać jeszcze raz</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Jesteś na liście rekordów.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Wszystkie poziomy ukończone.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Wszystkie poziomy ukończone.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Wynik: %1   Czas %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Koniec rundy: poziom nieukończony</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Trzeba było przeskoczyć jeszcze %n żabę.</numerusform>
            <numerusform>2: Trzeba było przeskoczyć jeszcze %n żaby.</numerusform>
            <numerusform>2: Trzeba było przeskoczyć jeszcze %n żab.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>WYNIK: %1  Czas %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Kliknij, aby podjąć nową próbę</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Koniec gry: poziom nieukończony</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Jesteś na liście rekordów. Wpisz swoje imię.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Trzeba było przeskoczyć jeszcze %n żabę</numerusform>
            <numerusform>3: Trzeba było przeskoczyć jeszcze %n żaby</numerusform>
            <numerusform>3: Trzeba było przeskoczyć jeszcze %n żab</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Wynik: %1  Czas %2</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Trzeba było przeskoczyć jeszcze %n żabę</numerusform>
            <numerusform>6: Trzeba było przeskoczyć jeszcze %n żaby</numerusform>
            <numerusform>6: Trzeba było przeskoczyć jeszcze %n żab</numerusform>
        </translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Spowolnij starzenie i wzmocnij umysł</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Spowolnij starzenie i zmniejsz stres</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Zadbaj o zdrowie ciała i umysłu</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Ćwicz umysł i ciało</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Medytacja, qigong, tai chi, hipnoza</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Więcej darmowych gier na %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Gra wstrzymana</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Trening</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Quib – pomoc</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Twoje rekordy, zapisane gry i ustawienia są w folderze:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Nie znaleziono pliku pomocy.

Quib szukał go tutaj:
%1

Jest instalowany razem z programem jako help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Wybierz poziom trudności</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Usuwaj żaby, przeskakując jedną nad drugą, aż zostanie tylko jedna.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>W każdej grze masz ograniczoną liczbę prób.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Za każdy ukończony poziom dostajesz punkty. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Im trudniejsza gra, tym więcej punktów za poziom, ale tym mniej prób.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>O grze Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Wersja 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Wydanie na Linuksa, kompilacja %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib jest darmowy. Jest udostępniany w obecnej postaci, bez żadnej gwarancji; grasz na własne ryzyko. Możesz go swobodnie kopiować i udostępniać, ale nie wolno go sprzedawać. Pełne warunki znajdziesz w umowie licencyjnej.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Umowa licencyjna</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Twoje imię na liście rekordów</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonim</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Kolory…</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Do wygrania</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Nie wiadomo</translation>
    </message>
</context>
</TS>
