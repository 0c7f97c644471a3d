<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Quib is free: you may play it, copy it and give it away at no charge.

The game is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and non-infringement. In no event shall its makers be liable for any claim, damages or other liability arising from the use of the game.</source>
        <translation>O Quib é grátis: você pode jogá-lo, copiá-lo e dá-lo de presente sem cobrar nada.

O jogo é fornecido “no estado em que se encontra”, sem garantia de qualquer tipo, expressa ou implícita, incluindo, mas não se limitando a, garantias de comercialização, adequação a uma finalidade específica e não violação. Em nenhuma hipótese seus criadores serão responsáveis por qualquer reclamação, dano ou outra responsabilidade decorrente do uso do jogo.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter selects the frog under it or jumps there; Escape lets go of the selected frog.</source>
        <translation>As setas movem o cursor; Espaço ou Enter escolhe o sapo embaixo dele ou pula para lá; Esc solta o sapo escolhido.</translation>
    </message>
    <message>
        <source>frog, row %1, column %2, selected</source>
        <translation>sapo, linha %1, coluna %2, escolhido</translation>
    </message>
    <message>
        <source>frog, row %1, column %2</source>
        <translation>sapo, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2, landing cell</source>
        <translation>casa vazia, linha %1, coluna %2, casa de chegada</translation>
    </message>
    <message>
        <source>empty cell, row %1, column %2</source>
        <translation>casa vazia, linha %1, coluna %2</translation>
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
        <translation>Nível: %1 de 200</translation>
    </message>
    <message numerus="yes">
        <source>%1 left out of %2</source>
        <translation>
            <numerusform>%1 sapo restante de %2</numerusform>
            <numerusform>%1 sapos restantes de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Tries Left: %1</source>
        <translation>Tentativas restantes: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Red %1</source>
        <translation>Vermelho %1</translation>
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
        <translation>Tem certeza de que quer sair do programa?</translation>
    </message>
    <message>
        <source>cause unknown</source>
        <translation>causa desconhecida</translation>
    </message>
    <message>
        <source>%1 could not be read when the game started (%2), so it was left as it was</source>
        <translation>não foi possível ler %1 ao abrir o jogo (%2), então ele ficou como estava</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>não foi possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>its files could not be written</source>
        <translation>não foi possível gravar os arquivos</translation>
    </message>
    <message>
        <source>Quib cannot keep anything: its folder for your game, scores and options (%1) cannot be written. You can play, but nothing will be saved.</source>
        <translation>O Quib não pode guardar nada: não dá para gravar na pasta do seu jogo, pontos e opções (%1). Você pode jogar, mas nada será salvo.</translation>
    </message>
    <message>
        <source>Quib could not save your game: in %1, %2. What this session changed there is not kept.</source>
        <translation>O Quib não conseguiu salvar seu jogo em %1: %2. O que esta sessão mudou lá foi perdido.</translation>
    </message>
    <message>
        <source>Quib cannot read %1 (%2). The file is left as it is, and what this session changes in it is not saved.</source>
        <translation>O Quib não consegue ler %1 (%2). O arquivo fica como está, e o que esta sessão mudar nele não será salvo.</translation>
    </message>
    <message>
        <source>the folder was moved or removed while the game ran, and another copy of Quib uses the folder at that place now, so nothing was written there</source>
        <translation>a pasta foi movida ou removida enquanto o jogo rodava, e agora outra cópia do Quib usa a pasta nesse lugar, então nada foi gravado lá</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Quib cannot write in the folder beside the program (%1: %2). Your game, scores and options are kept in %3 instead; the files in %1 are left as they are.</source>
        <translation>O Quib não pode gravar na pasta ao lado do programa (%1: %2). Seu jogo, pontos e opções ficam guardados em %3; os arquivos em %1 ficam como estão.</translation>
    </message>
    <message>
        <source>Quib cannot start: another program, %1 (process %2), holds the lock on the folder of your game and scores (%3), the lock by which Quib makes sure that no second copy of the game writes there. End that program, then start Quib again.</source>
        <translation>O Quib não pode iniciar: outro programa, %1 (processo %2), mantém a trava da pasta do seu jogo e dos seus pontos (%3), a trava com que o Quib garante que nenhuma segunda cópia do jogo grave nela. Feche esse programa e inicie o Quib de novo.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
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
        <translation>Jogo de lógica grátis</translation>
    </message>
    <message>
        <source>Check out a free logic game called Quib. Remove frogs by jumping over them. It is very challenging and a great way to exercise your brain.</source>
        <translation>Conheça o Quib, um jogo de lógica grátis: tire os sapos do tabuleiro pulando por cima deles. É bem desafiador e um ótimo exercício para o cérebro.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Restart Level</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Goto Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Indicar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>More free games</source>
        <translation>Jogos grátis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Undo Jump</source>
        <translation>Desfazer pulo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
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
        <translation>T</translation>
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
        <translation>v</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>mnuQuit</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>c</source>
        <comment>mnuHighScores</comment>
        <translation>e</translation>
    </message>
    <message>
        <source>P</source>
        <comment>mnupreferences</comment>
        <translation>p</translation>
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
        <translation>I</translation>
    </message>
    <message>
        <source>D</source>
        <comment>mnu_donate</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>M</source>
        <comment>mnu_morefree</comment>
        <translation>J</translation>
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
        <translation>T</translation>
    </message>
    <message>
        <source>A</source>
        <comment>aboutmenue</comment>
        <translation>S</translation>
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
        <translation>i</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Level %1 Completed</source>
        <translation>Nível %1 concluído</translation>
    </message>
    <message>
        <source>Frogs Jumped: %1  Tries: %2</source>
        <translation>Sapos pulados: %1  Tentativas usadas: %2</translation>
    </message>
    <message>
        <source>SCORE: %1   Time %2</source>
        <translation>PONTOS: %1   Tempo %2</translation>
    </message>
    <message>
        <source>Game Over: Congratulations</source>
        <translation>Fim de jogo: parabéns!</translation>
    </message>
    <message>
        <source>Press Mouse button to play again</source>
        <translation>Clique para jogar de novo</translation>
    </message>
    <message>
        <source>You got a high score.</source>
        <translation>Você entrou nos recordes.</translation>
    </message>
    <message>
        <source>10: All levels solved.</source>
        <translation>10: Todos os níveis resolvidos.</translation>
    </message>
    <message>
        <source>1: All levels solved.</source>
        <translation>1: Todos os níveis resolvidos.</translation>
    </message>
    <message>
        <source>Score: %1   Time %2</source>
        <translation>Pontos: %1   Tempo %2</translation>
    </message>
    <message>
        <source>Round Over: Level Incomplete</source>
        <translation>Fim da rodada: nível não concluído</translation>
    </message>
    <message numerus="yes">
        <source>2: You needed to jump %n more frog(s).</source>
        <translation>
            <numerusform>2: Ainda faltava pular %n sapo.</numerusform>
            <numerusform>2: Ainda faltava pular %n sapos.</numerusform>
        </translation>
    </message>
    <message>
        <source>SCORE: %1  Time %2</source>
        <translation>PONTOS: %1  Tempo %2</translation>
    </message>
    <message>
        <source>Press Mouse button to try again</source>
        <translation>Clique para uma nova tentativa</translation>
    </message>
    <message>
        <source>Game Over: Level Incomplete</source>
        <translation>Fim de jogo: nível não concluído</translation>
    </message>
    <message>
        <source>You got a high score. Please enter your name.</source>
        <translation>Você entrou nos recordes. Digite seu nome.</translation>
    </message>
    <message numerus="yes">
        <source>3: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>3: Ainda faltava pular %n sapo</numerusform>
            <numerusform>3: Ainda faltava pular %n sapos</numerusform>
        </translation>
    </message>
    <message>
        <source>Score: %1  Time %2</source>
        <translation>Pontos: %1  Tempo %2</translation>
    </message>
    <message>
        <source>Slow aging &amp; improve mental abilities</source>
        <translation>Envelheça mais devagar e afie a mente</translation>
    </message>
    <message>
        <source>Slow aging &amp; reduce stress</source>
        <translation>Envelheça mais devagar e reduza o estresse</translation>
    </message>
    <message>
        <source>Improve mental and physical heath</source>
        <translation>Melhore a saúde mental e física</translation>
    </message>
    <message>
        <source>Excersise your mind and body</source>
        <translation>Exercite a mente e o corpo</translation>
    </message>
    <message>
        <source>Meditation, Qigong, Tai Chi, Hypnosis</source>
        <translation>Meditação, qigong, tai chi, hipnose</translation>
    </message>
    <message>
        <source>More free games at %1</source>
        <translation>Mais jogos grátis em %1</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Jogo pausado</translation>
    </message>
    <message numerus="yes">
        <source>6: You needed to jump %n more frogs</source>
        <translation>
            <numerusform>6: Ainda faltava pular %n sapo</numerusform>
            <numerusform>6: Ainda faltava pular %n sapos</numerusform>
        </translation>
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
        <translation>Médio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Quib Help</source>
        <translation>Ajuda do Quib</translation>
    </message>
    <message>
        <source>Your scores, saved games and settings are in:
  %1

</source>
        <translation>Seus pontos, jogos salvos e configurações estão em:
  %1

</translation>
    </message>
    <message>
        <source>The help file could not be found.

Quib looked for it here:
%1

It is installed with the program as help.txt.</source>
        <translation>O arquivo de ajuda não foi encontrado.

O Quib procurou por ele aqui:
%1

Ele é instalado com o programa como help.txt.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Select Difficulty</source>
        <translation>Escolha a dificuldade</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Remove the frogs by jumping them over each other until only one frog is left.</source>
        <translation>Tire os sapos do tabuleiro fazendo um pular por cima do outro até sobrar só um.</translation>
    </message>
    <message>
        <source>You are given a limited number of chances for each game.</source>
        <translation>Cada jogo dá um número limitado de tentativas.</translation>
    </message>
    <message>
        <source>Your score increases each time you complete a level. </source>
        <translation>Cada nível concluído aumenta seus pontos. </translation>
    </message>
    <message>
        <source>The higher the difficulty level the more points you get per level but you are given fewer chances.</source>
        <translation>Quanto maior a dificuldade, mais pontos você ganha por nível, mas menos tentativas você tem.</translation>
    </message>
</context>
<context>
    <name>quib::desktop::AboutBox</name>
    <message>
        <source>About Quib</source>
        <translation>Sobre o Quib</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Versão 1.5</translation>
    </message>
    <message>
        <source>Linux desktop edition, build %1</source>
        <translation>Edição para desktop Linux, build %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Quib is free. It is provided as is, without warranty of any kind; you play it at your own risk. You may copy and share it freely, but you may not sell it. See the License Agreement for the full terms.</source>
        <translation>O Quib é grátis. Ele é fornecido como está, sem garantia de qualquer tipo; você joga por sua conta e risco. Você pode copiar e compartilhar o jogo à vontade, mas não pode vendê-lo. Os termos completos estão no Contrato de Licença.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrato de Licença</translation>
    </message>
</context>
<context>
    <name>quib::desktop::ColourDialog</name>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Seu nome para os recordes</translation>
    </message>
</context>
<context>
    <name>quib::desktop::MainWindow</name>
    <message>
        <source>Anonymous</source>
        <translation>Anônimo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Colours…</source>
        <translation>Cores…</translation>
    </message>
</context>
<context>
    <name>quib::desktop::PracticeNotice</name>
    <message>
        <source>Solvable</source>
        <translation>Tem solução</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Not sure yet</source>
        <translation>Incerto</translation>
    </message>
</context>
</TS>
