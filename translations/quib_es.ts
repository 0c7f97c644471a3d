<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>Quib es gratuito: puedes jugarlo, copiarlo y regalarlo sin cobrar nada.

El juego se ofrece «tal cual», sin garantía de ningún tipo, expresa o implícita, incluidas, entre otras, las garantías de comerciabilidad, idoneidad para un fin determinado y no infracción. En ningún caso sus autores serán responsables de ninguna reclamación, daño u otra responsabilidad derivada del uso del juego.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>Las flechas mueven el cursor; Espacio o Intro eligen la rana que hay debajo o saltan allí; Escape suelta la rana elegida.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>rana, fila %1, columna %2, elegida</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>rana, fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>casilla vacía, fila %1, columna %2, casilla de llegada</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>casilla vacía, fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Mode: %1</source>
        <translation>Modo: %1</translation>
    </message>
    <message>
        <source>Level: %1 of 200</source>
        <translation>Nivel: %1 de 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>queda %1 de %2</numerusform>
            <numerusform>quedan %1 de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Intentos restantes: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Rojo %1</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Verde %1</translation>
    </message>
    <message>
        <source>Blue %1</source>
        <translation>Azul %1</translation>
    </message>
</context>
<context>
    <name>Exit</name>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>¿Seguro que quieres salir del programa?</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>Quib no puede conservar nada: no se puede escribir en su carpeta para tu partida, tus puntos y tus opciones (%1). Puedes jugar, pero no se guardará nada.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>Quib no ha podido guardar tu partida: en %1, %2. Lo que esta sesión cambió allí no se conserva.</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>causa desconocida</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>%1 no se pudo leer al empezar el juego (%2), así que se dejó como estaba</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 no se pudo escribir (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>no se pudieron escribir sus archivos</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>Quib no puede leer %1 (%2). El archivo se queda como está, y lo que esta sesión cambie en él no se guarda.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>Quib no puede escribir en la carpeta junto al programa (%1: %2). Tu partida, tus puntos y tus opciones se guardan en %3; los archivos de %1 se quedan como están.</translation>
    </message>
    <message>
        <source>Quib cannot start: it keeps a lock at %1 so that no second copy of the game writes over your game and scores, and it cannot make that lock there (%2). Remove what is at that place, then start Quib again.</source>
        <translation>Quib no puede empezar: guarda un bloqueo en %1 para que ninguna segunda copia del juego escriba sobre tu partida y tus puntos, y no puede crear ese bloqueo allí (%2). Quita lo que haya en ese lugar y vuelve a iniciar Quib.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Free logic game</source>
        <translation>Juego de lógica gratuito</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Prueba Quib, un juego de lógica gratuito: las ranas desaparecen cuando saltas por encima de ellas. Es todo un reto y un gran ejercicio para el cerebro.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo Jump</source>
        <translation>Deshacer salto</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Recomendar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Juegos gratis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>x</source>
        <comment>exitGame</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>R</source>
        <comment>RestartLevelMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <comment>mnusave</comment>
        <translation>G</translation>
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
        <translation>s</translation>
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
        <translation>C</translation>
    </message>
    <message>
        <source>C</source>
        <comment>coloursDialog</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mnu_tellafriend</comment>
        <translation>m</translation>
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
        <translation>y</translation>
    </message>
    <message>
        <source>S</source>
        <comment>SolveMenue</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>T</source>
        <comment>TestMenue</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>C</source>
        <comment>contentsmenue</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>U</source>
        <comment>UndoJumpMenue</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>H</source>
        <comment>HintMenue</comment>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Nivel %1 superado</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Ranas saltadas: %1  Intentos: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>PUNTOS: %1   Tiempo %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Fin de la partida: enhorabuena</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Haz clic para volver a jugar</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Has entrado en los récords.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Todos los niveles resueltos.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Todos los niveles resueltos.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Puntos: %1   Tiempo %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Fin de la ronda: nivel sin superar</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Te faltaba saltar %n rana más.</numerusform>
            <numerusform>2: Te faltaba saltar %n ranas más.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>PUNTOS: %1  Tiempo %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Haz clic para intentarlo de nuevo</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Fin de la partida: nivel sin superar</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Has entrado en los récords. Escribe tu nombre.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Te faltaba saltar %n rana más</numerusform>
            <numerusform>3: Te faltaba saltar %n ranas más</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Puntos: %1  Tiempo %2</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Te faltaba saltar %n rana más</numerusform>
            <numerusform>6: Te faltaba saltar %n ranas más</numerusform>
        </translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Envejece más despacio y agudiza la mente</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Envejece más despacio y reduce el estrés</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Mejora tu salud mental y física</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Ejercita la mente y el cuerpo</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Meditación, qigong, taichí, hipnosis</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Más juegos gratis en %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partida en pausa</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Ayuda de Quib</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Tus puntos, partidas guardadas y ajustes están en:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>No se ha encontrado el archivo de ayuda.

Quib lo ha buscado aquí:
%1

Se instala con el programa como help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Elige la dificultad</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Haz que las ranas salten unas sobre otras hasta que solo quede una.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Cada partida te da un número limitado de intentos.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Cada nivel superado aumenta tus puntos. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Cuanto mayor es la dificultad, más puntos da cada nivel, pero tienes menos intentos.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Acerca de Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Versión 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Edición para escritorio Linux, compilación %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>Quib es gratuito. Se ofrece tal cual, sin garantía de ningún tipo; juegas bajo tu propia responsabilidad. Puedes copiarlo y compartirlo libremente, pero no venderlo. Consulta el acuerdo de licencia para ver las condiciones completas.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Acuerdo de licencia</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
</context>
<context>
    <name>quib::desktop::KeyboardPlay</name>
    <message>
        <source>Your name for the high-score table</source>
        <translation>Tu nombre para los récords</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Colores…</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Resoluble</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Sin solución</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Aún no se sabe</translation>
    </message>
</context>
</TS>
