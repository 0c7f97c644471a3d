<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib is gratis: je mag het spelen, kopiëren en kosteloos weggeven.

Het spel wordt geleverd ‘zoals het is’, zonder enige garantie, uitdrukkelijk of stilzwijgend, met inbegrip van maar niet beperkt tot de garanties van verkoopbaarheid, geschiktheid voor een bepaald doel en het niet inbreuk maken op rechten van derden. De makers zijn in geen geval aansprakelijk voor enige claim, schade of andere aansprakelijkheid die voortvloeit uit het gebruik van het spel.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>De pijltjestoetsen verplaatsen de cursor; Spatie of Enter kiest de kikker eronder of springt daarheen; Escape laat de gekozen kikker los.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>kikker, rij %1, kolom %2, gekozen</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>kikker, rij %1, kolom %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>leeg vak, rij %1, kolom %2, landingsvak</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>leeg vak, rij %1, kolom %2</translation>
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
        <translation>Level: %1 van 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>%1 van %2 kikkers over</numerusform>
            <numerusform>%1 van %2 kikkers over</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Pogingen over: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punten: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Rood %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Groen %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Blauw %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Wil je het programma echt afsluiten?</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>oorzaak onbekend</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>%1 kon bij de start van het spel niet gelezen worden (%2) en is daarom gelaten zoals het was</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 kon niet geschreven worden (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>de bestanden konden niet geschreven worden</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib kan niets bewaren: de map voor je spel, punten en opties (%1) is niet beschrijfbaar. Je kunt spelen, maar er wordt niets opgeslagen.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib kon je spel niet opslaan in %1: %2. Wat deze sessie daar veranderde, is niet bewaard.</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib kan %1 niet lezen (%2). Het bestand blijft zoals het is, en wat deze sessie erin verandert, wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>the folder was moved or removed while the game ran, and another copy of Quib uses the folder at that place now, so nothing was written there</source>
        <translation>de map is verplaatst of verwijderd terwijl het spel liep, en nu gebruikt een andere kopie van Quib de map op die plek, dus daar is niets geschreven</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib kan niet schrijven in de map naast het programma (%1: %2). Je spel, punten en opties worden in plaats daarvan bewaard in %3; de bestanden in %1 blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>Quib cannot start: another program, %1 (process %2), holds the lock on the folder of your game and scores (%3), the lock by which Quib makes sure that no second copy of the game writes there. End that program, then start Quib again.</source>
        <translation>Quib kan niet starten: een ander programma, %1 (proces %2), houdt de vergrendeling vast op de map van je spel en punten (%3), de vergrendeling waarmee Quib ervoor zorgt dat geen tweede kopie van het spel daar schrijft. Sluit dat programma en start Quib daarna opnieuw.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Gratis logicaspel</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Probeer Quib eens, een gratis logicaspel: haal kikkers weg door eroverheen te springen. Het is een echte uitdaging en een prima training voor je hersens.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
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
        <translation>Opgeven</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Aanraden</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doneren</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Gratis spellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Quib</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Undo Jump</source>
        <translation>Sprong terug</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
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
        <translation>M</translation>
    </message>
    <message>
        <source>M</source>
        <comment>NewGameMenue(2)</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>D</source>
        <comment>NewGameMenue(3)</comment>
        <translation>l</translation>
    </message>
    <message>
        <source>P</source>
        <comment>NewGameMenue(4)</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>s</translation>
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
        <translation>p</translation>
    </message>
    <message>
        <source>c</source>
        <comment>mnuHighScores</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>i</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sndmenue</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>G</source>
        <comment>mnuGrids</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>D</translation>
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
        <translation>p</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>e</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>T</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Level %1 gehaald</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Overgesprongen kikkers: %1  Gebruikte pogingen: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>PUNTEN: %1   Tijd %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Spel voorbij: gefeliciteerd!</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Klik om nog eens te spelen</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Je staat in de topscores.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Alle levels opgelost.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Alle levels opgelost.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Punten: %1   Tijd %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Ronde voorbij: level niet gehaald</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Je moest nog over %n kikker heen springen.</numerusform>
            <numerusform>2: Je moest nog over %n kikkers heen springen.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>PUNTEN: %1  Tijd %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Klik voor een nieuwe poging</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Spel voorbij: level niet gehaald</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Je staat in de topscores. Typ je naam.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Je moest nog over %n kikker heen springen</numerusform>
            <numerusform>3: Je moest nog over %n kikkers heen springen</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Punten: %1  Tijd %2</translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Word langzamer oud en houd je geest scherp</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Word langzamer oud en verminder stress</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Verbeter je geestelijke en lichamelijke gezondheid</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Train je geest en je lichaam</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Meditatie, qigong, tai chi, hypnose</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Meer gratis spellen op %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spel gepauzeerd</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Je moest nog over %n kikker heen springen</numerusform>
            <numerusform>6: Je moest nog over %n kikkers heen springen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Quib-help</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Je punten, opgeslagen spellen en instellingen staan in:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Het helpbestand is niet gevonden.

Quib heeft hier gezocht:
%1

Het wordt met het programma geïnstalleerd als help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Kies de moeilijkheid</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Laat de kikkers over elkaar heen springen tot er nog maar één kikker over is.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Elk spel geeft je een beperkt aantal pogingen.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Met elk gehaald level stijgen je punten. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Hoe moeilijker het spel, hoe meer punten per level, maar hoe minder pogingen je krijgt.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Over Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Versie 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Editie voor de Linux-desktop, build %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib is gratis. Het wordt geleverd zoals het is, zonder enige garantie; je speelt op eigen risico. Je mag het vrij kopiëren en delen, maar niet verkopen. De volledige voorwaarden staan in de licentieovereenkomst.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licentieovereenkomst</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Je naam voor de topscores</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Anonymous</source>
        <translation>Anoniem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Kleuren…</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Oplosbaar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Onzeker</translation>
    </message>
</context>
</TS>
