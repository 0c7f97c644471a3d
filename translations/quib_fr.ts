<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib est gratuit : vous pouvez y jouer, le copier et le donner sans rien demander en échange.

Le jeu est fourni « tel quel », sans garantie d’aucune sorte, expresse ou implicite, notamment sans garantie de qualité marchande, d’adéquation à un usage particulier ou d’absence de contrefaçon. En aucun cas ses auteurs ne pourront être tenus responsables d’une réclamation, d’un dommage ou de toute autre responsabilité découlant de l’utilisation du jeu.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>Les flèches déplacent le curseur ; Espace ou Entrée choisit la grenouille dessous ou y saute ; Échap lâche la grenouille choisie.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>grenouille, ligne %1, colonne %2, choisie</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>grenouille, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>case vide, ligne %1, colonne %2, case d’arrivée</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>case vide, ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Mode : %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Niveau : %1 sur 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>%1 grenouille restante sur %2</numerusform>
            <numerusform>%1 grenouilles restantes sur %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Essais restants : %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score : %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Rouge %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Vert %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Bleu %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib ne peut rien conserver : son dossier pour votre partie, vos scores et vos options (%1) n’est pas accessible en écriture. Vous pouvez jouer, mais rien ne sera enregistré.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib n’a pas pu enregistrer votre partie : dans %1, %2. Ce que cette session y a changé n’est pas conservé.</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>cause inconnue</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>%1 n’a pas pu être lu au lancement du jeu (%2) et a donc été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 n’a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>ses fichiers n’ont pas pu être écrits</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib ne peut pas lire %1 (%2). Le fichier reste tel quel, et ce que cette session y changerait n’est pas enregistré.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib ne peut pas écrire dans le dossier à côté du programme (%1 : %2). Votre partie, vos scores et vos options sont conservés dans %3 à la place ; les fichiers de %1 restent tels quels.</translation>
    </message>
    <message>
        <source>Quib cannot start: it keeps a lock at %1 so that no second copy of the game writes over your game and scores, and it cannot make that lock there (%2). Remove what is at that place, then start Quib again.</source>
        <translation>Quib ne peut pas démarrer : il garde un verrou à %1 pour qu’aucune deuxième copie du jeu n’écrase votre partie et vos scores, et il ne peut pas créer ce verrou à cet endroit (%2). Retirez ce qui se trouve à cet emplacement, puis relancez Quib.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Jeu de logique gratuit</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Découvre Quib, un jeu de logique gratuit : on retire les grenouilles en sautant par-dessus. C’est un vrai défi et un excellent exercice pour le cerveau.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo Jump</source>
        <translation>Annuler le saut</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Don</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Jeux gratuits</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
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
        <translation>F</translation>
    </message>
    <message>
        <source>M</source>
        <comment>NewGameMenue(2)</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>D</source>
        <comment>NewGameMenue(3)</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>P</source>
        <comment>NewGameMenue(4)</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>Q</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>g</translation>
    </message>
    <message>
        <source>L</source>
        <comment>mnuload</comment>
        <translation>C</translation>
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
        <translation>e</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sndmenue</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>G</source>
        <comment>mnuGrids</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <comment>mnu_morefree</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HelpMenu</comment>
        <translation>i</translation>
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
        <translation>p</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>I</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Niveau %1 réussi</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Grenouilles retirées : %1  Essais : %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>SCORE : %1   Temps %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Partie terminée : félicitations</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Cliquez pour rejouer</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Vous entrez dans les meilleurs scores.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10 : Tous les niveaux sont résolus.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1 : Tous les niveaux sont résolus.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Score : %1   Temps %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Manche terminée : niveau non réussi</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2 : Il fallait encore sauter par-dessus %n grenouille.</numerusform>
            <numerusform>2 : Il fallait encore sauter par-dessus %n grenouilles.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>SCORE : %1  Temps %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Cliquez pour réessayer</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Partie terminée : niveau non réussi</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Vous entrez dans les meilleurs scores. Entrez votre nom.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3 : Il fallait encore sauter par-dessus %n grenouille</numerusform>
            <numerusform>3 : Il fallait encore sauter par-dessus %n grenouilles</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Score : %1  Temps %2</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6 : Il fallait encore sauter par-dessus %n grenouille</numerusform>
            <numerusform>6 : Il fallait encore sauter par-dessus %n grenouilles</numerusform>
        </translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Ralentir le vieillissement et aiguiser l’esprit</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Ralentir le vieillissement et réduire le stress</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Améliorer la santé mentale et physique</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Exercez votre esprit et votre corps</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Méditation, qi gong, tai-chi, hypnose</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>D’autres jeux gratuits sur %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partie en pause</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Aide de Quib</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Vos scores, parties enregistrées et réglages se trouvent dans :
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Le fichier d’aide est introuvable.

Quib l’a cherché ici :
%1

Il est installé avec le programme sous le nom help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Choisissez la difficulté</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Faites sauter les grenouilles les unes par-dessus les autres jusqu’à ce qu’il n’en reste qu’une.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Chaque partie vous laisse un nombre limité d’essais.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Chaque niveau réussi augmente votre score. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Plus la difficulté est grande, plus un niveau rapporte de points, mais moins vous avez d’essais.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>À propos de Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Version 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Édition pour le bureau Linux, compilation %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib est gratuit. Il est fourni tel quel, sans garantie d’aucune sorte ; vous y jouez à vos risques et périls. Vous pouvez le copier et le partager librement, mais pas le vendre. Voir le contrat de licence pour les conditions complètes.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Votre nom pour les meilleurs scores</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Couleurs…</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Résoluble</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Pas encore sûr</translation>
    </message>
</context>
</TS>
