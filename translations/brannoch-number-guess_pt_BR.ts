<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Adivinhe o número que o computador escolheu entre dois limites que você digita.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (veja %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>não aceita argumentos, &apos;%1&apos; está sobrando (veja %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>Já tenho o número! Qual é o seu palpite?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Meu número é menor.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Meu número é maior.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>Você acertou meu número!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Digite os limites do número a adivinhar e aperte VAI!</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Licença</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Contrato de licença</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Banner da Brannoch</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Escrito pela equipe da Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>Como jogar.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Este programa é um jogo simples em que você tenta adivinhar um número entre dois </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>números que você digita. Por exemplo: se você quiser tentar adivinhar um número de </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>1 a 10, digite 10 como limite superior e 1 como limite inferior. Depois </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>clique em VAI! O jogo vai dizer que já tem o número e vai pedir o seu palpite. Ele vai</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>dizer então se o número que ele escolheu é maior ou menor que o seu palpite.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Se você conseguir adivinhar o número, o jogo vai parar e vai dizer que você </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>acertou o número. Se quiser jogar de novo, clique em Sim. Senão, clique em Não.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Para jogar de novo, você vai precisar escolher o tipo de jogo no menu Opções.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menu Opções</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Jogo normal</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Este tipo de jogo está descrito acima.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinâmico</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Este tipo de jogo é parecido com o jogo normal, mas com uma pequena diferença: você só</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>tem 5 palpites antes de o número mudar.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Sem limite superior</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Este jogo não tem limite superior. Você tem que adivinhar um número entre 1 e o infinito.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* Não há como calcular o infinito de verdade num computador, então o limite superior é o</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>mais alto possível.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Rosto</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>Não.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>Sim!</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Seu palpite</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>VAI!</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Limite inferior</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Limite superior</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Palpites</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Quer jogar de novo?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Digite o limite inferior</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Digite o limite superior</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Jogo normal</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dinâmico</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Sem limite superior</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Licença</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>MessageAnnouncer</name>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>What a screen reader says after each answer: %1 is the message line, %2 the caption of the count (&quot;Guesses&quot;) and %3 the count, as the window shows them.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Erro interno: %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Erro em tempo de execução &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>não foi possível carregar a imagem %1: arquivo não encontrado</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>não foi possível carregar a imagem %1: %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>não é possível tocar sons: %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>não é possível tocar sons: %1 está faltando</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>não foi possível abrir o som %1: arquivo não encontrado</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>não foi possível iniciar a thread de som</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>não foi possível abrir o som %1: %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>não foi possível tocar o som %1: não é um arquivo WAV ou Ogg Vorbis reproduzível</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>o servidor de áudio não responde</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>nenhum servidor de áudio (não foi possível estabelecer uma conexão)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>nenhum servidor de áudio (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>o servidor de áudio sumiu</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>a saída de áudio falhou (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>não foi possível tocar o som %1: ele é maior do que o servidor de áudio comporta (%2 bytes, no máximo %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>os sons voltaram: o servidor de áudio voltou a tocá-los</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>os sons estão mudos: %1</translation>
    </message>
</context>
</TS>
