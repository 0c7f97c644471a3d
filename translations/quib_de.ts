<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib ist kostenlos: Du darfst es spielen, kopieren und unentgeltlich weitergeben.

Das Spiel wird „wie besehen“ bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, insbesondere ohne Gewähr für Marktgängigkeit, Eignung für einen bestimmten Zweck und Nichtverletzung von Rechten Dritter. Seine Urheber haften in keinem Fall für Ansprüche, Schäden oder sonstige Verpflichtungen, die aus der Nutzung des Spiels entstehen.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>Die Pfeiltasten bewegen die Markierung; Leertaste oder Eingabetaste wählen den Frosch darunter oder springen dorthin; Escape lässt den gewählten Frosch los.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>Frosch, Zeile %1, Spalte %2, gewählt</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>Frosch, Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>leeres Feld, Zeile %1, Spalte %2, Landefeld</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>leeres Feld, Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Modus: %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Level: %1 von 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>%1 von %2 übrig</numerusform>
            <numerusform>%1 von %2 übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Versuche übrig: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Rot %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Grün %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Blau %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Möchtest du das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib kann nichts aufbewahren: In seinen Ordner für dein Spiel, deine Punkte und Einstellungen (%1) kann nicht geschrieben werden. Du kannst spielen, aber nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib konnte dein Spiel nicht speichern. Im Ordner %1: %2. Was sich in dieser Sitzung dort geändert hat, geht verloren.</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>Ursache unbekannt</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>%1 konnte beim Start des Spiels nicht gelesen werden (%2) und blieb daher, wie es war</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>seine Dateien konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib kann %1 nicht lesen (%2). Die Datei bleibt unverändert; was sich in dieser Sitzung daran ändert, wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib kann nicht in den Ordner neben dem Programm schreiben (%1: %2). Dein Spiel, deine Punkte und Einstellungen werden stattdessen in %3 aufbewahrt; die Dateien in %1 bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Quib cannot start: it keeps a lock at %1 so that no second copy of the game writes over your game and scores, and it cannot make that lock there (%2). Remove what is at that place, then start Quib again.</source>
        <translation>Quib kann nicht starten: Es legt unter %1 eine Sperre an, damit keine zweite Kopie des Spiels dein Spiel und deine Punkte überschreibt, und kann diese Sperre dort nicht anlegen (%2). Entferne, was an dieser Stelle liegt, und starte Quib dann erneut.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Kostenloses Logikspiel</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Schau dir Quib an, ein kostenloses Logikspiel: Frösche verschwinden, wenn man sie überspringt. Es ist eine echte Herausforderung und ein tolles Training für den Kopf.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo Jump</source>
        <translation>Sprung zurücknehmen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Empfehlen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Gratisspiele</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quib</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>M</source>
        <comment>NewGameMenue(2)</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>D</source>
        <comment>NewGameMenue(3)</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>P</source>
        <comment>NewGameMenue(4)</comment>
        <translation>b</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>t</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>L</source>
        <comment>mnuload</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>G</source>
        <comment>GotoLevelMenue</comment>
        <translation>v</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>mnuQuit</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>c</source>
        <comment>mnuHighScores</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sndmenue</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>G</source>
        <comment>mnuGrids</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>p</translation>
    </message>
    <message>
        <source>M</source>
        <comment>mnu_morefree</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HelpMenu</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>S</source>
        <comment>SolveMenue</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>b</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>z</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>p</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Level %1 geschafft</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Übersprungene Frösche: %1  Versuche: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>PUNKTE: %1   Zeit %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Spielende: Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Maustaste drücken, um noch einmal zu spielen</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Du bist in der Bestenliste.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Alle Level gelöst.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Alle Level gelöst.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Punkte: %1   Zeit %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Runde vorbei: Level nicht geschafft</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Du hättest noch %n Frosch überspringen müssen.</numerusform>
            <numerusform>2: Du hättest noch %n Frösche überspringen müssen.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>PUNKTE: %1  Zeit %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Maustaste drücken für einen neuen Versuch</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Spielende: Level nicht geschafft</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Du bist in der Bestenliste. Bitte gib deinen Namen ein.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Du hättest noch %n Frosch überspringen müssen</numerusform>
            <numerusform>3: Du hättest noch %n Frösche überspringen müssen</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Punkte: %1  Zeit %2</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Du hättest noch %n Frosch überspringen müssen</numerusform>
            <numerusform>6: Du hättest noch %n Frösche überspringen müssen</numerusform>
        </translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Langsamer altern und geistig fit bleiben</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Langsamer altern und Stress abbauen</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Geistig und körperlich gesünder leben</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Trainiere Geist und Körper</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Meditation, Qigong, Tai-Chi, Hypnose</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Weitere Gratisspiele auf %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spiel angehalten</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Quib-Hilfe</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Deine Punkte, gespeicherten Spiele und Einstellungen liegen in:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.

Quib hat sie hier gesucht:
%1

Sie wird mit dem Programm als help.txt installiert.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Schwierigkeit wählen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Lass die Frösche übereinander springen, bis nur noch ein Frosch übrig ist.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Jedes Spiel gibt dir nur begrenzt viele Versuche.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Mit jedem geschafften Level steigen deine Punkte. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Je schwerer das Spiel, desto mehr Punkte gibt es pro Level, aber desto weniger Versuche hast du.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Über Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Version 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Ausgabe für den Linux-Desktop, Build %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib ist kostenlos. Es wird ohne jede Gewährleistung bereitgestellt; du spielst auf eigene Gefahr. Du darfst es frei kopieren und weitergeben, aber nicht verkaufen. Die vollständigen Bedingungen stehen in der Lizenzvereinbarung.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Dein Name für die Bestenliste</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Farben…</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Lösbar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Noch unklar</translation>
    </message>
</context>
</TS>
