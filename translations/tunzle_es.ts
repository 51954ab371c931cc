<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>period</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>less</source>
        <translation>menor que</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>mayor que</translation>
    </message>
    <message>
        <source>question</source>
        <translation>interrogación</translation>
    </message>
    <message>
        <source>exclaim</source>
        <translation>exclamación</translation>
    </message>
    <message>
        <source>left parren</source>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <source>right parren</source>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <source>dash</source>
        <translation>guion</translation>
    </message>
    <message>
        <source>semi colan</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>colan</source>
        <translation>dos puntos</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>comillas</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>abrir corchete</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>cerrar corchete</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>abrir llave</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>cerrar llave</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>almohadilla</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>dólar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>circunflejo</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>et</translation>
    </message>
    <message>
        <source>star</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>guion bajo</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>back slash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>selected</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>no seleccionado</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta carpeta está vacía.</translation>
    </message>
    <message>
        <source>Empty.</source>
        <translation>Vacío.</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>No marcado</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>greyed</source>
        <translation>atenuado</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Flecha arriba y flecha abajo para elegir, Intro para seleccionar, Escape para cancelar.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help index</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Error al cargar la ayuda.  Número de error: %1, archivo %2</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>¡Error! </translation>
    </message>
    <message>
        <source>Error in help data. </source>
        <translation>Error en los datos de la ayuda. </translation>
    </message>
    <message>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Error del archivo de ayuda al cargar las entradas que dependen de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help. %1</source>
        <translation>Ayuda. %1</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Botón Cerrar</translation>
    </message>
    <message>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Texto de la ayuda, vacío. Elija primero un tema en el índice.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>End of the topic.</source>
        <translation>Fin del tema.</translation>
    </message>
    <message>
        <source>Start of the topic.</source>
        <translation>Principio del tema.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Repeat Message</source>
        <translation>Repetir mensaje</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>nombre de archivo</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key.</extracomment>
        <translation>Eliminar (Suprimir)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>No filename was entered as new filename.</source>
        <translation>No se ha escrito ningún nombre de archivo nuevo.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
    <message>
        <source>File %1 already exists.</source>
        <translation>El archivo %1 ya existe.</translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation>No se ha encontrado el archivo %1.</translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation>Carpeta %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>File: %1 does not exist!</source>
        <translation>¡El archivo %1 no existe!</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>No se ha encontrado el archivo.</translation>
    </message>
    <message>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>El juego no ha encontrado ninguna salida de sonido. Compruebe la tarjeta de sonido o el servidor de sonido; el juego sigue sin sonido.</translation>
    </message>
    <message>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Error en el archivo sounds.ini: parámetro no reconocido en la línea %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Error al iniciar el lector de pantalla o la voz integrada.</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>¡Error! </translation>
    </message>
    <message>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>El lector de pantalla ha dejado de hablar. Ahora habla la voz integrada; pulse F5 para volver a elegir.</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Voz %1</translation>
    </message>
    <message>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Use las flechas para elegir la voz. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <source>No voices were found for the built-in voice.</source>
        <translation>No se han encontrado voces para la voz integrada.</translation>
    </message>
    <message>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Use las flechas para ajustar la velocidad. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Use las flechas para ajustar el volumen. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Pulse F1 para obtener ayuda</translation>
    </message>
    <message>
        <source>Music Tunzle.</source>
        <translation>Music Tunzle.</translation>
    </message>
    <message>
        <source>A Korvel Game.</source>
        <extracomment>The game&apos;s maker, a name: keep it.</extracomment>
        <translation>Un juego de Korvel.</translation>
    </message>
    <message>
        <source>By the Music Tunzle developers.</source>
        <translation>De los desarrolladores de Music Tunzle.</translation>
    </message>
    <message>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Error al copiar sample.mp3 en la carpeta de jugador</translation>
    </message>
    <message>
        <source>Would you like to play your saved game?</source>
        <translation>¿Quiere jugar su partida guardada?</translation>
    </message>
    <message>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>La partida guardada está dañada y no se puede jugar. Empieza una partida nueva.</translation>
    </message>
    <message>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>No se ha podido reproducir la canción %1 de su partida guardada. Su partida guardada se conserva. Elija una canción para una partida nueva.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>¿Guardar la partida?</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Song Too Short</source>
        <translation>Canción demasiado corta</translation>
    </message>
    <message>
        <source>Select Music File to tunzle</source>
        <translation>Seleccione un archivo de música para el Tunzle</translation>
    </message>
    <message>
        <source>Escape plays the sample song.</source>
        <translation>Escape juega con la canción de ejemplo.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>No se ha podido reproducir la canción %1. Elija otra canción.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>No se ha podido reproducir la canción %1. Elija otra canción, o pulse Escape para volver sin empezar una partida nueva.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <translation>la canción es demasiado corta. Reduzca la duración de las piezas, reduzca el número de filas y columnas, o elija un MP3 más largo.</translation>
    </message>
    <message>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>No hay ninguna partida. Pulse N para empezar una partida nueva o Q para salir.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Partida guardada</translation>
    </message>
    <message>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 por %3. El cursor está en la fila %4, columna %5, la casilla vacía en la fila %6, columna %7.</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A square&apos;s row, then its column.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Row and column on</source>
        <translation>Fila y columna activadas</translation>
    </message>
    <message>
        <source>Row and column off</source>
        <translation>Fila y columna desactivadas</translation>
    </message>
    <message>
        <source>Correct and wrong on</source>
        <translation>Correcto e incorrecto activados</translation>
    </message>
    <message>
        <source>Correct and wrong off</source>
        <translation>Correcto e incorrecto desactivados</translation>
    </message>
    <message>
        <source>No tile to mark here.</source>
        <translation>Aquí no hay ninguna pieza que marcar.</translation>
    </message>
    <message>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Aquí no hay ninguna pieza que marcar. Se ha quitado la marca.</translation>
    </message>
    <message>
        <source>Would you like another game?</source>
        <translation>¿Quiere jugar otra partida?</translation>
    </message>
    <message>
        <source>Would you like to save your game?</source>
        <translation>¿Quiere guardar la partida?</translation>
    </message>
    <message>
        <source>Could not write the settings file %1</source>
        <translation>No se ha podido escribir el archivo de configuración %1</translation>
    </message>
    <message>
        <source>Could not write the saved game %1</source>
        <translation>No se ha podido escribir la partida guardada %1</translation>
    </message>
    <message>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Gracias por jugar a Music Tunzle, de los desarrolladores de Music Tunzle. Visite la página del proyecto Music Tunzle para obtener nuevas versiones y ayuda.</translation>
    </message>
    <message>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Elija la carpeta de la biblioteca musical seleccionando cualquier archivo de esa carpeta</translation>
    </message>
    <message>
        <source>Escape keeps the folder as it is.</source>
        <translation>Escape deja la carpeta como está.</translation>
    </message>
    <message>
        <source>Music library folder %1</source>
        <translation>Carpeta de la biblioteca musical %1</translation>
    </message>
    <message>
        <source>Select Speech Type</source>
        <translation>Elija el modo de voz</translation>
    </message>
    <message>
        <source>No speech</source>
        <translation>Sin voz</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>Lector de pantalla</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Voz integrada</translation>
    </message>
    <message>
        <source>Select square size</source>
        <translation>Elija el tamaño del tablero</translation>
    </message>
    <message>
        <source>Song tile duration in seconds</source>
        <translation>Duración de las piezas en segundos</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal mark of numbers such as 1.5 (seconds), as a voice reads it best.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 move</source>
        <translation>%1 movimiento</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 movimientos</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 second</source>
        <extracomment>%1 by %1 is the board&apos;s size, %2 the tile length in seconds.</extracomment>
        <translation>%1 por %1 con piezas de %2 segundo</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 seconds</source>
        <translation>%1 por %1 con piezas de %2 segundos</translation>
    </message>
    <message>
        <source>%1 of %2 tiles in order, %3, %4.</source>
        <extracomment>Tiles in order of all the tiles, then the moves and the time, each already in words.</extracomment>
        <translation>%1 de %2 piezas en orden, %3, %4.</translation>
    </message>
    <message>
        <source>Solved in %1 and %2.</source>
        <translation>Resuelto en %1 y %2.</translation>
    </message>
    <message>
        <source>the fewest moves and the fastest time</source>
        <translation>el menor número de movimientos y el mejor tiempo</translation>
    </message>
    <message>
        <source>the fewest moves</source>
        <translation>el menor número de movimientos</translation>
    </message>
    <message>
        <source>the fastest time</source>
        <translation>el mejor tiempo</translation>
    </message>
    <message>
        <source>Your first result for %1: your best so far.</source>
        <translation>Su primer resultado en %1: su mejor resultado hasta ahora.</translation>
    </message>
    <message>
        <source>Your best for %1: %2.</source>
        <translation>Su mejor resultado en %1: %2.</translation>
    </message>
    <message>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: menor número de movimientos, %2; mejor tiempo, %3.</translation>
    </message>
    <message>
        <source>No best results yet.</source>
        <translation>Todavía no hay mejores resultados.</translation>
    </message>
    <message>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>El sonido se ha perdido. El juego espera a que vuelva.</translation>
    </message>
    <message>
        <source>The sound is back.</source>
        <translation>El sonido ha vuelto.</translation>
    </message>
    <message>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Las fichas duran ahora %1.</translation>
    </message>
    <message>
        <source>Tiles stay %1 long.</source>
        <translation>Las fichas siguen durando %1.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>El juego continúa.</translation>
    </message>
    <message>
        <source>Back to the board.</source>
        <translation>De vuelta al tablero.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC.</extracomment>
        <translation>la canción es demasiado corta. Reduzca la duración de las piezas, reduzca el número de filas y columnas, o elija un %1 más largo.</translation>
    </message>
    <message>
        <source>Would you like to choose another song?</source>
        <translation>¿Quiere elegir otra canción?</translation>
    </message>
</context>
</TS>
