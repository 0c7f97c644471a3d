<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib è gratuito: puoi giocarci, copiarlo e regalarlo senza chiedere nulla in cambio.

Il gioco è fornito “così com&apos;è”, senza garanzie di alcun tipo, esplicite o implicite, comprese, a titolo esemplificativo, le garanzie di commerciabilità, di idoneità a uno scopo particolare e di non violazione dei diritti altrui. In nessun caso i suoi autori potranno essere ritenuti responsabili di pretese, danni o altre responsabilità derivanti dall&apos;uso del gioco.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>I tasti freccia spostano il cursore; Spazio o Invio sceglie la rana sotto il cursore o salta lì; Esc lascia la rana scelta.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>rana, riga %1, colonna %2, scelta</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>rana, riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>casella vuota, riga %1, colonna %2, casella di arrivo</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>casella vuota, riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Modalità: %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Livello: %1 di 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>%1 rana rimasta su %2</numerusform>
            <numerusform>%1 rane rimaste su %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Tentativi rimasti: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punti: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Rosso %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Verde %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Blu %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Vuoi davvero uscire dal programma?</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>causa sconosciuta</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>all&apos;avvio del gioco non è stato possibile leggere %1 (%2), quindi è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>non è stato possibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>non è stato possibile scrivere i suoi file</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib non può conservare nulla: non riesce a scrivere nella cartella della tua partita, dei punteggi e delle opzioni (%1). Puoi giocare, ma niente verrà salvato.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib non è riuscito a salvare la partita in %1: %2. Le modifiche di questa sessione lì vanno perse.</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib non riesce a leggere %1 (%2). Il file resta com&apos;è, e ciò che questa sessione vi cambia non viene salvato.</translation>
    </message>
    <message>
        <source>the folder was moved or removed while the game ran, and another copy of Quib uses the folder at that place now, so nothing was written there</source>
        <translation>la cartella è stata spostata o eliminata mentre il gioco era in corso, e ora un&apos;altra copia di Quib usa la cartella in quel punto, quindi lì non è stato scritto nulla</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib non può scrivere nella cartella accanto al programma (%1: %2). La partita, i punteggi e le opzioni vengono conservati in %3; i file in %1 restano come sono.</translation>
    </message>
    <message>
        <source>Quib cannot start: another program, %1 (process %2), holds the lock on the folder of your game and scores (%3), the lock by which Quib makes sure that no second copy of the game writes there. End that program, then start Quib again.</source>
        <translation>Quib non può partire: un altro programma, %1 (processo %2), tiene il blocco sulla cartella della tua partita e dei tuoi punteggi (%3), il blocco con cui Quib si assicura che nessuna seconda copia del gioco vi scriva. Chiudi quel programma, poi avvia di nuovo Quib.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Gioco di logica gratuito</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Prova Quib, un gioco di logica gratuito: elimina le rane saltandoci sopra. È una vera sfida e un ottimo allenamento per la mente.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Consiglia</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Giochi gratis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Undo Jump</source>
        <translation>Annulla salto</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
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
        <translation>c</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>L</source>
        <comment>mnuload</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>G</source>
        <comment>GotoLevelMenue</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>mnuQuit</comment>
        <translation>b</translation>
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
        <translation>i</translation>
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
        <translation>A</translation>
    </message>
    <message>
        <source>S</source>
        <comment>SolveMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Livello %1 superato</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Rane tolte coi salti: %1  Tentativi usati: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>PUNTI: %1   Tempo %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Partita finita: complimenti!</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Fai clic per giocare ancora</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Sei nella tabella dei record.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Tutti i livelli risolti.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Tutti i livelli risolti.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Punti: %1   Tempo %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Round finito: livello non superato</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Mancava ancora %n rana da saltare.</numerusform>
            <numerusform>2: Mancavano ancora %n rane da saltare.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>PUNTI: %1  Tempo %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Fai clic per un nuovo tentativo</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Partita finita: livello non superato</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Sei nella tabella dei record. Scrivi il tuo nome.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Mancava ancora %n rana da saltare</numerusform>
            <numerusform>3: Mancavano ancora %n rane da saltare</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Punti: %1  Tempo %2</translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Invecchia più lentamente e affina la mente</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Invecchia più lentamente e riduci lo stress</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Migliora la salute mentale e fisica</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Esercita mente e corpo</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Meditazione, qigong, tai chi, ipnosi</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Altri giochi gratis su %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Mancava ancora %n rana da saltare</numerusform>
            <numerusform>6: Mancavano ancora %n rane da saltare</numerusform>
        </translation>
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
        <translation>Medio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Esercizio</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Guida di Quib</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>I tuoi punteggi, le partite salvate e le impostazioni sono in:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>Il file della guida non è stato trovato.

Quib lo ha cercato qui:
%1

Viene installato con il programma come help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Scegli la difficoltà</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Elimina le rane facendole saltare l&apos;una sull&apos;altra finché resta una sola rana.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Ogni partita ti dà un numero limitato di tentativi.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Ogni livello superato ti fa salire il punteggio. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Più alta è la difficoltà, più punti ottieni per ogni livello, ma hai meno tentativi.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Informazioni su Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Versione 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Edizione per desktop Linux, build %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib è gratuito. Viene fornito così com&apos;è, senza garanzie di alcun tipo; giochi a tuo rischio. Puoi copiarlo e condividerlo liberamente, ma non venderlo. I termini completi sono nel contratto di licenza.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contratto di licenza</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Il tuo nome per la tabella dei record</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonimo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Colori…</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Risolvibile</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Incerto</translation>
    </message>
</context>
</TS>
