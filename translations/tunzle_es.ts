<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <location filename="../speech/CharacterTable.cpp" line="+18"/>
        <source>comma</source>
        <extracomment>The characters a voice reads by name when a typed key is said: here a comma.</extracomment>
        <translation>coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <extracomment>The character . read aloud (a full stop).</extracomment>
        <translation>punto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>less</source>
        <extracomment>The character &lt; read aloud (a less-than sign).</extracomment>
        <translation>menor que</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greater</source>
        <extracomment>The character &gt; read aloud (a greater-than sign).</extracomment>
        <translation>mayor que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>question</source>
        <translation>interrogación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exclaim</source>
        <translation>exclamación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>number sign</source>
        <translation>almohadilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar</source>
        <translation>dólar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>circunflejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>et</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left parren</source>
        <extracomment>The character ( read aloud (an opening parenthesis).</extracomment>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right parren</source>
        <extracomment>The character ) read aloud (a closing parenthesis).</extracomment>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>guion bajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dash</source>
        <extracomment>The character - read aloud (a hyphen or minus).</extracomment>
        <translation>guion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semi colan</source>
        <extracomment>The character ; read aloud (a semicolon).</extracomment>
        <translation>punto y coma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>colan</source>
        <extracomment>The character : read aloud (a colon).</extracomment>
        <translation>dos puntos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quote</source>
        <extracomment>The character &quot; read aloud (a double quotation mark).</extracomment>
        <translation>comillas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>abrir corchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>cerrar corchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>abrir llave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>cerrar llave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back slash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="+157"/>
        <source>selected</source>
        <extracomment>Said of an option button (one of a group) that is chosen; &quot;unselected&quot; when it is not.</extracomment>
        <translation>seleccionado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unselected</source>
        <translation>no seleccionado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This folder is empty.</source>
        <translation>Esta carpeta está vacía.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Empty.</source>
        <extracomment>Said of a list with nothing in it.</extracomment>
        <translation>Vacío.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+166"/>
        <source>Unchecked</source>
        <extracomment>Said of a check box that is not ticked; &quot;checked&quot; when it is, &quot;greyed&quot; when partly.
----------
Said when a check box is toggled: now ticked (&quot;Unchecked&quot; when no longer).</extracomment>
        <translation>No marcado</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greyed</source>
        <extracomment>A check box that is neither checked nor unchecked (partly checked).</extracomment>
        <translation>parcialmente marcada</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>Checked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select</source>
        <extracomment>The title of a pick list&apos;s window: choose one item.</extracomment>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../dialogs/SelectFile.cpp" line="+239"/>
        <source>OK</source>
        <extracomment>The buttons of a pick list: take the choice, or leave it.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../dialogs/SelectFile.cpp" line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Flecha arriba y flecha abajo para elegir, Intro para seleccionar, Escape para cancelar.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../help/FRMHelp.cpp" line="+58"/>
        <source>Help index</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help text</source>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Close</source>
        <extracomment>The help window&apos;s close button; &amp; marks the letter Alt takes (keep it unlike other keys).</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>The close button&apos;s name as a screen reader says it.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Error al cargar la ayuda.  Número de error: %1, archivo %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+32"/>
        <source>Error! </source>
        <translation>¡Error! </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error in help data. </source>
        <translation>Error en los datos de la ayuda. </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Error del archivo de ayuda al cargar las entradas que dependen de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>The title of a message about the help.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Help. %1</source>
        <extracomment>Said when the help opens: the window, then %1, the index line selected.</extracomment>
        <translation>Ayuda. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close button</source>
        <extracomment>Said when the focus reaches the close button.</extracomment>
        <translation>Botón Cerrar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Texto de la ayuda, vacío. Elija primero un tema en el índice.</translation>
    </message>
    <message>
        <location line="-252"/>
        <source>HELP</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>AYUDA</translation>
    </message>
    <message>
        <location line="+338"/>
        <location line="+21"/>
        <source>End of the topic.</source>
        <translation>Fin del tema.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the topic.</source>
        <translation>Principio del tema.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="-157"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes</source>
        <extracomment>Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <extracomment>Answer buttons as above: &quot;yes&quot; with &quot;No&quot;, the safe answer; &quot;no&quot; with &quot;Yes&quot; and &quot;Cancel&quot;.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Repeat Message</source>
        <extracomment>The button that says the question of a message box again.</extracomment>
        <translation>Repetir mensaje</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <location line="+137"/>
        <source>folder</source>
        <extracomment>Said after a folder&apos;s name in the song selector.</extracomment>
        <translation>carpeta</translation>
    </message>
    <message>
        <location filename="../dialogs/SelectFile.cpp" line="+21"/>
        <location line="+79"/>
        <source>Error</source>
        <extracomment>The title of a message box about a file that cannot be used.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>filename</source>
        <extracomment>The label of the box where a file name is typed.</extracomment>
        <translation>nombre de archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File name</source>
        <extracomment>The name of the box where a file name is typed, as a screen reader says it.</extracomment>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key. The delete button&apos;s caption: the word, then the name of the key that deletes (Del).</extracomment>
        <translation>Eliminar (Suprimir)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <source>Delete</source>
        <extracomment>The delete button&apos;s name as a screen reader says it; also the title of the question whether to delete a song.</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No filename was entered as new filename.</source>
        <translation>No se ha escrito ningún nombre de archivo nuevo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not found.</source>
        <extracomment>%1 is the name of a file or folder that was typed.</extracomment>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File %1 already exists.</source>
        <translation>El archivo %1 ya existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File %1 not found.</source>
        <translation>No se ha encontrado el archivo %1.</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>Folder %1</source>
        <translation>Carpeta %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../sound/OggPlayers.cpp" line="+75"/>
        <source>OGG DLL is missing.</source>
        <translation>Falta la biblioteca OGG.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../sound/SongPlayers.cpp" line="+82"/>
        <source>File: %1 does not exist!</source>
        <translation>¡El archivo %1 no existe!</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>File not found.</source>
        <translation>No se ha encontrado el archivo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>insufficient OGG Handles available.</source>
        <translation>No hay suficientes reproductores OGG disponibles.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standard OGG Files can not be 3d. File: %1</source>
        <translation>Los archivos OGG normales no pueden ser 3D. Archivo: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+19"/>
        <source>Error.</source>
        <translation>Error.</translation>
    </message>
    <message>
        <location filename="../sound/Sound.cpp" line="+28"/>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>El juego no ha encontrado ninguna salida de sonido. Compruebe la tarjeta de sonido o el servidor de sonido; el juego sigue sin sonido.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Error en el archivo sounds.ini: parámetro no reconocido en la línea %1</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1</source>
        <translation>Un archivo wave con comodín debe llevar un número de 1 a 3 cifras después del asterisco. Archivo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in PlaySound</source>
        <translation>Error al reproducir el sonido</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>%1 will not play.  Trying to use a stereo sound in a 3D buffer.</source>
        <translation>%1 no se reproducirá.  No se puede usar un sonido estéreo en un búfer 3D.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning </source>
        <translation>Aviso </translation>
    </message>
    <message>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>Standard MP3 Files can not be 3d. File: %1</source>
        <translation>Los archivos MP3 normales no pueden ser 3D. Archivo: %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../speech/FRMTTS.cpp" line="+9"/>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Error al iniciar el lector de pantalla o la voz integrada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../speech/VoiceSettings.cpp" line="+134"/>
        <source>Error! </source>
        <translation>¡Error! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>El lector de pantalla ha dejado de hablar. Ahora habla la voz integrada; pulse F5 para volver a elegir.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech</source>
        <extracomment>The title of the speech window: the speech output, not a language.</extracomment>
        <translation>Voz</translation>
    </message>
    <message>
        <location filename="../speech/VoiceSettings.cpp" line="-100"/>
        <source>Voice %1</source>
        <extracomment>A voice without a name: %1 is its number.</extracomment>
        <translation>Voz %1</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Use las flechas para elegir la voz. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No voices were found for the built-in voice.</source>
        <translation>No se han encontrado voces para la voz integrada.</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Use las flechas para ajustar la velocidad. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rate</source>
        <extracomment>The speaking rate of the built-in voice, said before its value.</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Use las flechas para ajustar el volumen. Pulse Intro cuando termine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume</source>
        <extracomment>The loudness of the built-in voice, said before its value.</extracomment>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>resume</name>
    <message>
        <location filename="../core/Texts.cpp" line="+21"/>
        <source>Would you like to play your saved game?</source>
        <translation>¿Quiere continuar su partida guardada?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to go on with the saved game (not whether to save it).</extracomment>
        <translation>Partida guardada</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location line="-10"/>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Pulse F1 para obtener ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Music Tunzle.</source>
        <translation>Music Tunzle.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A Korvel Game.</source>
        <extracomment>The game&apos;s maker, a name: keep it.</extracomment>
        <translation>Un juego de Korvel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By the Music Tunzle developers.</source>
        <translation>De los desarrolladores de Music Tunzle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Error al copiar sample.mp3 en la carpeta de jugador</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>La partida guardada está dañada y no se puede jugar. Empieza una partida nueva.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>No se ha podido reproducir la canción %1 de su partida guardada. Su partida guardada se conserva. Elija una canción para una partida nueva.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <extracomment>Titles of message boxes, said before their message.</extracomment>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to save the game on quitting.</extracomment>
        <translation>¿Guardar la partida?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations</source>
        <extracomment>The title of the question after a solved puzzle.</extracomment>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Song Too Short</source>
        <extracomment>The title of the warning that a song has fewer tiles than the board needs.</extracomment>
        <translation>Canción demasiado corta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music File to tunzle</source>
        <translation>Seleccione un archivo de música para el Tunzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape plays the sample song.</source>
        <translation>Con Escape se usa la canción de ejemplo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>No se ha podido reproducir la canción %1. Elija otra canción.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>No se ha podido reproducir la canción %1. Elija otra canción, o pulse Escape para volver sin empezar una partida nueva.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <extracomment>The start of a sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>La canción es demasiado corta. Reduzca la duración de las piezas, reduzca el número de filas y columnas, o elija un MP3 más largo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>No hay ninguna partida. Pulse N para empezar una partida nueva o Q para salir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New game</source>
        <extracomment>Said as a new game begins, before its size.</extracomment>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <extracomment>Said as a saved game goes on, before its size.</extracomment>
        <translation>Partida guardada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 por %3. El cursor está en la fila %4, columna %5, la casilla vacía en la fila %6, columna %7.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct</source>
        <extracomment>Said of a tile already part of the run in order (its place is right), before it plays.</extracomment>
        <translation>correcto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong</source>
        <extracomment>Said of a tile not yet part of the run in order (its place is not yet right).</extracomment>
        <translation>incorrecto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>A square&apos;s row, then its column.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row and column on</source>
        <translation>Fila y columna activadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row and column off</source>
        <translation>Fila y columna desactivadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong on</source>
        <translation>Correcto e incorrecto activados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong off</source>
        <translation>Correcto e incorrecto desactivados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here.</source>
        <translation>Aquí no hay ninguna pieza que marcar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Aquí no hay ninguna pieza que marcar. Se ha quitado la marca.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n hour(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>una hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>un minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location line="+33"/>
        <source>%n second(s)</source>
        <extracomment>A part of a time said aloud; also a tile length of whole seconds.</extracomment>
        <translation>
            <numerusform>un segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n second(s)</source>
        <comment>none</comment>
        <extracomment>No time yet: &quot;0 seconds&quot; (French and Brazilian Portuguese count 0 with 1, yet say no &quot;une&quot;/&quot;um&quot; for it).</extracomment>
        <translation>
            <numerusform>%n segundos</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n move(s)</source>
        <extracomment>A count of moves said aloud.</extracomment>
        <translation>
            <numerusform>un movimiento</numerusform>
            <numerusform>%n movimientos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 by %1 with tiles of %2</source>
        <extracomment>%1 by %1 is the board&apos;s size; %2 the tile length in words, such as &quot;2 seconds&quot; or &quot;1.5 seconds&quot;.</extracomment>
        <translation>%1 por %1 con piezas de %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n second(s)</source>
        <comment>fraction</comment>
        <extracomment>A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).</extracomment>
        <translation>
            <numerusform>%n segundos</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 of %n tiles in order, %2, %3.</source>
        <extracomment>%1 tiles in order of all %n tiles, then the moves and the time, each already in words.</extracomment>
        <translation>
            <numerusform>Piezas en orden: %1 de %n, %2, %3.</numerusform>
            <numerusform>Piezas en orden: %1 de %n, %2, %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your first result for %1: your best so far.</source>
        <translation>Su primer resultado en %1: su mejor resultado hasta ahora.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Would you like another game?</source>
        <translation>¿Quiere jugar otra partida?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to save your game?</source>
        <translation>¿Quiere guardar la partida?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the settings file %1</source>
        <translation>No se ha podido escribir el archivo de configuración %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the saved game %1</source>
        <translation>No se ha podido escribir la partida guardada %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Gracias por jugar a Music Tunzle. Un saludo del equipo de Music Tunzle. Visite la página del proyecto Music Tunzle para obtener nuevas versiones y ayuda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Elija la carpeta de la biblioteca musical seleccionando cualquier archivo de esa carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape keeps the folder as it is.</source>
        <translation>Escape deja la carpeta como está.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music library folder %1</source>
        <translation>Carpeta de la biblioteca musical %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Speech Type</source>
        <translation>Elija el modo de voz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No speech</source>
        <translation>Sin voz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Screen reader</source>
        <translation>Lector de pantalla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Built-in voice</source>
        <translation>Voz integrada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select square size</source>
        <translation>Elija el tamaño del tablero</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Song tile duration in seconds</source>
        <translation>Duración de las piezas en segundos</translation>
    </message>
    <message>
        <location line="-84"/>
        <source>.</source>
        <extracomment>The decimal mark of numbers such as 1.5 (seconds), as a voice reads it best.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Solved in %1 and %2.</source>
        <translation>Resuelto en %1, en %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the fewest moves and the fastest time</source>
        <translation>el menor número de movimientos y el mejor tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fewest moves</source>
        <translation>el menor número de movimientos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fastest time</source>
        <translation>el mejor tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best for %1: %2.</source>
        <translation>Su mejor resultado en %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: menor número de movimientos, %2; mejor tiempo, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No best results yet.</source>
        <translation>Todavía no hay mejores resultados.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>El sonido se ha perdido. El juego espera a que vuelva.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sound is back.</source>
        <translation>El sonido ha vuelto.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Las piezas duran ahora %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles stay %1 long.</source>
        <translation>Las piezas siguen durando %1.</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>The game goes on.</source>
        <translation>El juego continúa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the board.</source>
        <translation>De vuelta al tablero.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>La canción es demasiado corta. Reduzca la duración de las piezas, reduzca el número de filas y columnas, o elija un %1 más largo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to choose another song?</source>
        <translation>¿Quiere elegir otra canción?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sound effects %1 percent.</source>
        <extracomment>F11 and F12 change the volume of the game&apos;s sounds (notes, bumps), not the song&apos;s; %1 is 0 to 100.</extracomment>
        <translation>Efectos de sonido %1 por ciento.</translation>
    </message>
</context>
<context>
    <name>time</name>
    <message>
        <location line="+37"/>
        <source>%1 %2</source>
        <extracomment>Joins the two parts of a time, such as &quot;2 minutes&quot; and &quot;4 seconds&quot; (English says them side by side).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 %3</source>
        <extracomment>Joins the three parts of a time: hours, minutes and seconds (English says them side by side).</extracomment>
        <translation>%1, %2 y %3</translation>
    </message>
</context>
<context>
    <name>tutorial</name>
    <message>
        <location line="+110"/>
        <source>Tutorial</source>
        <extracomment>The title of the tutorial&apos;s questions.</extracomment>
        <translation>Tutorial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Would you like a short tutorial first? It teaches the game one key at a time on a small board. T starts it again whenever you like.</source>
        <extracomment>Asked once, at the first start. T is the key that starts the tutorial.</extracomment>
        <translation>¿Quiere hacer antes un breve tutorial? Le enseña el juego tecla a tecla en un tablero pequeño. Con T lo vuelve a empezar cuando quiera.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and three columns, with one square empty. You slide the tiles until the song plays in order. Each step waits for you. T says the step again, Escape leaves the tutorial.</source>
        <translation>Tutorial. Una canción se corta en piezas de un segundo, colocadas desordenadas en un tablero de tres filas y tres columnas, con una casilla vacía. Usted desliza las piezas hasta que la canción suena en orden. Cada paso le espera. T repite el paso, Escape sale del tutorial.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The cursor is on the top left square. The arrow keys move it: you hear the square&apos;s row and column, whether its tile is in order, then the tile. Press an arrow key.</source>
        <translation>El cursor está en la casilla de arriba a la izquierda. Las flechas lo mueven: oye la fila y la columna de la casilla, si su pieza está en su sitio y después la pieza. Pulse una flecha.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every square is the home of one piece of the song. Press O to hear the piece that belongs on the square under the cursor.</source>
        <translation>Cada casilla es el sitio de un trozo de la canción. Pulse O para oír el trozo que va en la casilla bajo el cursor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press B to hear where the empty square is.</source>
        <translation>Pulse B para oír dónde está la casilla vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press Control+B to go to the empty square.</source>
        <extracomment>Control+B: the keys as a player presses them, said aloud.</extracomment>
        <translation>Pulse Control+B para ir a la casilla vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A tile beside the empty square slides into it. Move to a square next to the empty one and press Space.</source>
        <translation>Una pieza junto a la casilla vacía se desliza hacia ella. Vaya a una casilla al lado de la vacía y pulse la barra espaciadora.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Space also slides several tiles at once, from two squares away in the empty square&apos;s row or column. The empty square is in the middle now, where nothing is two squares away: slide one tile first.</source>
        <translation>La barra espaciadora también desliza varias piezas a la vez, desde dos casillas de distancia en la fila o la columna de la casilla vacía. Ahora la casilla vacía está en el centro, donde nada está a dos casillas: deslice antes una pieza.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The cursor went with the empty square. Space also slides several tiles at once: go two squares away from the empty square, in its row or column, and press Space.</source>
        <translation>El cursor se ha ido con la casilla vacía. La barra espaciadora también desliza varias piezas a la vez: vaya a dos casillas de la casilla vacía, en su fila o su columna, y pulse la barra espaciadora.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When a slide brings tiles home in order from the first, a note sounds for each tile that joins, then the tiles in order play. Press P to hear the tiles in order from the first.</source>
        <translation>Cuando un deslizamiento coloca piezas en orden desde la primera, suena una nota por cada pieza que se une y después suenan las piezas en orden. Pulse P para oír las piezas en orden desde la primera.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press E to go to the last tile in order.</source>
        <translation>Pulse E para ir a la última pieza en orden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press M to mark the tile under the cursor.</source>
        <translation>Pulse M para marcar la pieza que está bajo el cursor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, then press G to go back to it.</source>
        <translation>Cada vez que llegue a la pieza marcada, después de la pieza suena la marca. Aléjese con las flechas y luego pulse G para volver a ella.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press I to hear how many tiles are in order, your moves and your time.</source>
        <translation>Pulse I para oír cuántas piezas están en orden, sus movimientos y su tiempo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press U to take back your last slide.</source>
        <translation>Pulse U para deshacer su último deslizamiento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now put the whole song in order. F plays the board from the first square to the last. Press H for a hint; after a minute without progress, a hint comes by itself.</source>
        <extracomment>H is the tutorial&apos;s hint key.</extracomment>
        <translation>Ahora ponga toda la canción en orden. F reproduce el tablero desde la primera casilla hasta la última. Pulse H para obtener una pista; tras un minuto sin avanzar, la pista llega sola.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Good.</source>
        <translation>Bien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not that key now.</source>
        <translation>Ahora no toca esa tecla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That beep means nothing can slide from there: only a tile in the empty square&apos;s row or column can.</source>
        <translation>Ese pitido significa que desde ahí no se puede deslizar nada: solo puede deslizarse una pieza de la fila o la columna de la casilla vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That slid one tile.</source>
        <translation>Eso ha deslizado una pieza.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: slide the tile on row %1, column %2.</source>
        <translation>Pista: deslice la pieza de la fila %1, columna %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved! That was the song in order.</source>
        <translation>¡Resuelto! Esa era la canción en orden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial is over. Press T whenever you want to take it again.</source>
        <translation>El tutorial ha terminado. Pulse T cuando quiera volver a hacerlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to leave the tutorial?</source>
        <translation>¿Quiere salir del tutorial?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial goes on.</source>
        <translation>El tutorial continúa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sample song cannot be played, so the tutorial cannot start.</source>
        <translation>No se puede reproducir la canción de ejemplo, así que el tutorial no puede empezar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to your game.</source>
        <translation>De vuelta a su partida.</translation>
    </message>
</context>
</TS>
