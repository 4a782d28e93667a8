<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Adivina el número que el ordenador ha elegido entre dos límites que escribes tú.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (consulta %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>no admite argumentos, &apos;%1&apos; sobra (consulta %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>¡Ya tengo el número! ¿Cuál crees que es?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Mi número es menor.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Mi número es mayor.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>¡Has adivinado mi número!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Escribe los límites del número a adivinar y pulsa ¡YA!</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Contrato de licencia</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Banner de Brannoch</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Escrito por el equipo de Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>Cómo se juega.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Este programa es un sencillo juego en el que tienes que adivinar un número entre dos </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>números que escribes tú. Por ejemplo: si quieres intentar adivinar un número del </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>1 al 10, escribe 10 como límite superior y 1 como límite inferior. Después </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>haz clic en ¡YA! El juego te dirá que ya tiene el número y te pedirá que lo adivines. Te dirá</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>entonces si el número que ha pensado es mayor o menor que el número que has dicho.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Si consigues adivinar el número, el juego se detendrá y te dirá que has </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>adivinado el número. Si quieres jugar otra vez, haz clic en Sí. Si no, haz clic en No.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Si quieres volver a jugar, tendrás que elegir el tipo de juego en el menú Opciones.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menú Opciones</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Juego normal</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Este tipo de juego se describe más arriba.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinámico</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Este tipo de juego es parecido al juego normal, pero con una pequeña diferencia: solo</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>tienes 5 intentos antes de que cambie el número.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Sin límite superior</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Este juego no tiene límite superior. Tienes que adivinar un número entre 1 e infinito.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* En un ordenador no hay forma real de calcular el infinito, así que el límite superior es</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>tan alto como se puede.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Cara</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>¡Sí!</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>¡YA!</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Escribe el límite inferior</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Escribe el límite superior</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Juego normal</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dinámico</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Sin límite superior</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>Acerca de</translation>
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
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Error interno: %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>no se puede cargar la imagen %1: archivo no encontrado</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>no se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>no se pueden reproducir sonidos: %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>no se pueden reproducir sonidos: falta %1</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>no se puede abrir el sonido %1: archivo no encontrado</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>no se pudo iniciar el hilo de sonido</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>no se puede abrir el sonido %1: %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>no se puede reproducir el sonido %1: no es un archivo WAV u Ogg Vorbis reproducible</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>el servidor de audio no responde</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>no hay servidor de audio (no se pudo establecer ninguna conexión)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>no hay servidor de audio (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>el servidor de audio ha desaparecido</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>la salida de audio ha fallado (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>no se puede reproducir el sonido %1: es más grande de lo que admite el servidor de audio (%2 bytes, como máximo %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>los sonidos han vuelto: el servidor de audio vuelve a reproducirlos</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>los sonidos están en silencio: %1</translation>
    </message>
</context>
</TS>
