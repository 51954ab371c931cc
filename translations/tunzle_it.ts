<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <location filename="../speech/CharacterTable.cpp" line="+18"/>
        <source>comma</source>
        <extracomment>The characters a voice reads by name when a typed key is said: here a comma.</extracomment>
        <translation>virgola</translation>
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
        <translation>minore di</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greater</source>
        <extracomment>The character &gt; read aloud (a greater-than sign).</extracomment>
        <translation>maggiore di</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>question</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exclaim</source>
        <translation>punto esclamativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>chiocciola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>number sign</source>
        <translation>cancelletto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar</source>
        <translation>dollaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent</source>
        <translation>percento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>accento circonflesso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>e commerciale</translation>
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
        <translation>parentesi aperta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right parren</source>
        <extracomment>The character ) read aloud (a closing parenthesis).</extracomment>
        <translation>parentesi chiusa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>trattino basso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grave accent</source>
        <translation>accento grave</translation>
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
        <translation>trattino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semi colan</source>
        <extracomment>The character ; read aloud (a semicolon).</extracomment>
        <translation>punto e virgola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apostrophe</source>
        <translation>apostrofo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>colan</source>
        <extracomment>The character : read aloud (a colon).</extracomment>
        <translation>due punti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quote</source>
        <extracomment>The character &quot; read aloud (a double quotation mark).</extracomment>
        <translation>virgolette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>parentesi quadra aperta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>parentesi quadra chiusa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>parentesi graffa aperta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>parentesi graffa chiusa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back slash</source>
        <translation>barra rovesciata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>barra verticale</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="+157"/>
        <source>selected</source>
        <extracomment>Said of an option button (one of a group) that is chosen; &quot;unselected&quot; when it is not.</extracomment>
        <translation>selezionato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unselected</source>
        <translation>non selezionato</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This folder is empty.</source>
        <translation>Questa cartella è vuota.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Empty.</source>
        <extracomment>Said of a list with nothing in it.</extracomment>
        <translation>Vuoto.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+166"/>
        <source>Unchecked</source>
        <extracomment>Said of a check box that is not ticked; &quot;checked&quot; when it is, &quot;greyed&quot; when partly.
----------
Said when a check box is toggled: now ticked (&quot;Unchecked&quot; when no longer).</extracomment>
        <translation>Non selezionata</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>checked</source>
        <translation>selezionata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greyed</source>
        <extracomment>A check box that is neither checked nor unchecked (partly checked).</extracomment>
        <translation>parzialmente selezionata</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>Checked</source>
        <translation>Selezionata</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select</source>
        <extracomment>The title of a pick list&apos;s window: choose one item.</extracomment>
        <translation>Seleziona</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../dialogs/SelectFile.cpp" line="+239"/>
        <source>OK</source>
        <extracomment>The buttons of a pick list: take the choice, or leave it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../dialogs/SelectFile.cpp" line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Freccia su e Freccia giù per scegliere, Invio per selezionare, Esc per annullare.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../help/FRMHelp.cpp" line="+58"/>
        <source>Help index</source>
        <translation>Indice della guida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Close</source>
        <extracomment>The help window&apos;s close button; &amp; marks the letter Alt takes (keep it unlike other keys).</extracomment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>The close button&apos;s name as a screen reader says it.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Errore nel caricamento della guida.  Numero di errore: %1, file %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+32"/>
        <source>Error! </source>
        <translation>Errore! </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error in help data. </source>
        <translation>Errore nei dati della guida. </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Errore del file della guida nel caricare le voci sotto %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>The title of a message about the help.</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Help. %1</source>
        <extracomment>Said when the help opens: the window, then %1, the index line selected.</extracomment>
        <translation>Guida. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close button</source>
        <extracomment>Said when the focus reaches the close button.</extracomment>
        <translation>Pulsante Chiudi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Testo della guida, vuoto. Scegliere prima un argomento nell&apos;indice.</translation>
    </message>
    <message>
        <location line="-252"/>
        <source>HELP</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>GUIDA</translation>
    </message>
    <message>
        <location line="+338"/>
        <location line="+21"/>
        <source>End of the topic.</source>
        <translation>Fine dell&apos;argomento.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the topic.</source>
        <translation>Inizio dell&apos;argomento.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="-157"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes</source>
        <extracomment>Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.</extracomment>
        <translation>Sì</translation>
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
        <translation>sì</translation>
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
        <translation>Ripeti messaggio</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <location line="+137"/>
        <source>folder</source>
        <extracomment>Said after a folder&apos;s name in the song selector.</extracomment>
        <translation>cartella</translation>
    </message>
    <message>
        <location filename="../dialogs/SelectFile.cpp" line="+21"/>
        <location line="+79"/>
        <source>Error</source>
        <extracomment>The title of a message box about a file that cannot be used.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>filename</source>
        <extracomment>The label of the box where a file name is typed.</extracomment>
        <translation>nome del file</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File name</source>
        <extracomment>The name of the box where a file name is typed, as a screen reader says it.</extracomment>
        <translation>Nome del file</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key. The delete button&apos;s caption: the word, then the name of the key that deletes (Del).</extracomment>
        <translation>Elimina Canc</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <source>Delete</source>
        <extracomment>The delete button&apos;s name as a screen reader says it; also the title of the question whether to delete a song.</extracomment>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No filename was entered as new filename.</source>
        <translation>Non è stato inserito nessun nuovo nome di file.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not found.</source>
        <extracomment>%1 is the name of a file or folder that was typed.</extracomment>
        <translation>%1 non trovato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1?</source>
        <translation>Eliminare %1?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File %1 already exists.</source>
        <translation>Il file %1 esiste già.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File %1 not found.</source>
        <translation>File %1 non trovato.</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>Folder %1</source>
        <translation>Cartella %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../sound/OggPlayers.cpp" line="+75"/>
        <source>OGG DLL is missing.</source>
        <translation>Manca la libreria OGG.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../sound/SongPlayers.cpp" line="+82"/>
        <source>File: %1 does not exist!</source>
        <translation>Il file %1 non esiste!</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>File not found.</source>
        <translation>File non trovato.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>insufficient OGG Handles available.</source>
        <translation>Non ci sono abbastanza riproduttori OGG disponibili.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standard OGG Files can not be 3d. File: %1</source>
        <translation>I file OGG normali non possono essere in 3D. File: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+19"/>
        <source>Error.</source>
        <translation>Errore.</translation>
    </message>
    <message>
        <location filename="../sound/Sound.cpp" line="+28"/>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>Il gioco non ha trovato nessuna uscita audio. Controllare la scheda audio o il server audio; il gioco continua senza suono.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Errore nel file sounds.ini: parametro non riconosciuto alla riga %1</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1</source>
        <translation>Un file wave con carattere jolly deve avere un numero da 1 a 3 cifre dopo l&apos;asterisco. File: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in PlaySound</source>
        <translation>Errore nella riproduzione del suono</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>%1 will not play.  Trying to use a stereo sound in a 3D buffer.</source>
        <translation>%1 non verrà riprodotto.  Si sta cercando di usare un suono stereo in un buffer 3D.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning </source>
        <translation>Attenzione </translation>
    </message>
    <message>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>Standard MP3 Files can not be 3d. File: %1</source>
        <translation>I file MP3 normali non possono essere in 3D. File: %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../speech/FRMTTS.cpp" line="+9"/>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Errore nell&apos;avvio del lettore di schermo o della voce integrata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../speech/VoiceSettings.cpp" line="+134"/>
        <source>Error! </source>
        <translation>Errore! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>Il lettore di schermo ha smesso di parlare. Parla al suo posto la voce integrata; premere F5 per scegliere di nuovo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech</source>
        <extracomment>The title of the speech window: the speech output, not a language.</extracomment>
        <translation>Sintesi vocale</translation>
    </message>
    <message>
        <location filename="../speech/VoiceSettings.cpp" line="-100"/>
        <source>Voice %1</source>
        <extracomment>A voice without a name: %1 is its number.</extracomment>
        <translation>Voce %1</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Usare le frecce per scegliere la voce. Premere Invio alla fine.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No voices were found for the built-in voice.</source>
        <translation>Non è stata trovata nessuna voce per la voce integrata.</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Usare le frecce per regolare la velocità. Premere Invio alla fine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rate</source>
        <extracomment>The speaking rate of the built-in voice, said before its value.</extracomment>
        <translation>Velocità</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Usare le frecce per regolare il volume. Premere Invio alla fine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume</source>
        <extracomment>The loudness of the built-in voice, said before its value.</extracomment>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>resume</name>
    <message>
        <location filename="../core/Texts.cpp" line="+21"/>
        <source>Would you like to play your saved game?</source>
        <translation>Vuoi continuare la partita salvata?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to go on with the saved game (not whether to save it).</extracomment>
        <translation>Partita salvata</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location line="-10"/>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Premi F1 per la guida</translation>
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
        <translation>Un gioco Korvel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By the Music Tunzle developers.</source>
        <translation>Degli sviluppatori di Music Tunzle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Errore nel copiare sample.mp3 nella cartella del giocatore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>La partita salvata è danneggiata e non si può giocare. Inizia una nuova partita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Non è stato possibile riprodurre la canzone %1 della partita salvata. La partita salvata viene conservata. Scegli una canzone per una nuova partita.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <extracomment>Titles of message boxes, said before their message.</extracomment>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to save the game on quitting.</extracomment>
        <translation>Salvare la partita?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations</source>
        <extracomment>The title of the question after a solved puzzle.</extracomment>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Song Too Short</source>
        <extracomment>The title of the warning that a song has fewer tiles than the board needs.</extracomment>
        <translation>Canzone troppo corta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music File to tunzle</source>
        <translation>Scegli il file musicale da mescolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape plays the sample song.</source>
        <translation>Con Esc si gioca con la canzone di esempio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Non è stato possibile riprodurre la canzone %1. Scegli un&apos;altra canzone.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Non è stato possibile riprodurre la canzone %1. Scegli un&apos;altra canzone, oppure premi Esc per tornare indietro senza una nuova partita.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <extracomment>The start of a sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>La canzone è troppo corta. Riduci la durata delle tessere, riduci il numero di righe e colonne, oppure scegli un MP3 più lungo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Nessuna partita. Premi N per una nuova partita o Q per uscire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New game</source>
        <extracomment>Said as a new game begins, before its size.</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <extracomment>Said as a saved game goes on, before its size.</extracomment>
        <translation>Partita salvata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 per %3. Il cursore è sulla riga %4, colonna %5, la casella vuota sulla riga %6, colonna %7.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound effects %1 percent.</source>
        <extracomment>F11 and F12 change the volume of the game&apos;s sounds (notes, bumps), not the song&apos;s; %1 is 0 to 100.</extracomment>
        <translation>Effetti sonori al %1 per cento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>vuota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct</source>
        <extracomment>Said of a tile already part of the run in order (its place is right), before it plays.</extracomment>
        <translation>giusta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong</source>
        <extracomment>Said of a tile not yet part of the run in order (its place is not yet right).</extracomment>
        <translation>sbagliata</translation>
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
        <translation>Riga e colonna attive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row and column off</source>
        <translation>Riga e colonna disattivate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong on</source>
        <translation>Giusta e sbagliata attive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong off</source>
        <translation>Giusta e sbagliata disattivate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here.</source>
        <translation>Qui non c&apos;è nessuna tessera da segnare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Qui non c&apos;è nessuna tessera da segnare. Il segno è stato tolto.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n hour(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>un&apos;ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>un minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location line="+33"/>
        <source>%n second(s)</source>
        <extracomment>A part of a time said aloud; also a tile length of whole seconds.</extracomment>
        <translation>
            <numerusform>un secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n second(s)</source>
        <comment>none</comment>
        <extracomment>No time yet: &quot;0 seconds&quot; (French and Brazilian Portuguese count 0 with 1, yet say no &quot;une&quot;/&quot;um&quot; for it).</extracomment>
        <translation>
            <numerusform>%n secondi</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n move(s)</source>
        <extracomment>A count of moves said aloud.</extracomment>
        <translation>
            <numerusform>una mossa</numerusform>
            <numerusform>%n mosse</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 by %1 with tiles of %2</source>
        <extracomment>%1 by %1 is the board&apos;s size; %2 the tile length in words, such as &quot;2 seconds&quot; or &quot;1.5 seconds&quot;.</extracomment>
        <translation>%1 per %1 con tessere di %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n second(s)</source>
        <comment>fraction</comment>
        <extracomment>A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).</extracomment>
        <translation>
            <numerusform>%n secondi</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 of %n tiles in order, %2, %3.</source>
        <extracomment>%1 tiles in order of all %n tiles, then the moves and the time, each already in words.</extracomment>
        <translation>
            <numerusform>Tessere in ordine: %1 su %n, %2, %3.</numerusform>
            <numerusform>Tessere in ordine: %1 su %n, %2, %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your first result for %1: your best so far.</source>
        <translation>Il tuo primo risultato per %1: il tuo migliore finora.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Would you like another game?</source>
        <translation>Vuoi fare un&apos;altra partita?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to save your game?</source>
        <translation>Vuoi salvare la partita?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the settings file %1</source>
        <translation>Impossibile scrivere il file delle impostazioni %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the saved game %1</source>
        <translation>Impossibile scrivere la partita salvata %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Grazie per aver giocato a Music Tunzle. Gli sviluppatori di Music Tunzle ti salutano. Visita la pagina del progetto Music Tunzle per nuove versioni e aiuto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Scegli la cartella della musica selezionando un file qualsiasi in quella cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape keeps the folder as it is.</source>
        <translation>Esc lascia la cartella com&apos;è.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music library folder %1</source>
        <translation>Cartella della musica %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Speech Type</source>
        <translation>Scegli il tipo di voce</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No speech</source>
        <translation>Nessuna voce</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Screen reader</source>
        <translation>Lettore di schermo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Built-in voice</source>
        <translation>Voce integrata</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select square size</source>
        <translation>Scegli la dimensione della scacchiera</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Song tile duration in seconds</source>
        <translation>Durata delle tessere in secondi</translation>
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
        <translation>Risolto con %1 in %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the fewest moves and the fastest time</source>
        <translation>il minor numero di mosse e il tempo più rapido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fewest moves</source>
        <translation>il minor numero di mosse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fastest time</source>
        <translation>il tempo più rapido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best for %1: %2.</source>
        <translation>Il tuo record per %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: mosse minime %2, tempo più rapido %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No best results yet.</source>
        <translation>Ancora nessun miglior risultato.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>Il suono non c&apos;è più. Il gioco aspetta che torni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sound is back.</source>
        <translation>Il suono è tornato.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Ora le tessere durano %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles stay %1 long.</source>
        <translation>Le tessere continuano a durare %1.</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>The game goes on.</source>
        <translation>La partita continua.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the board.</source>
        <translation>Di nuovo sulla scacchiera.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>La canzone è troppo corta. Riduci la durata delle tessere, riduci il numero di righe e colonne, oppure scegli un file %1 più lungo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to choose another song?</source>
        <translation>Vuoi scegliere un&apos;altra canzone?</translation>
    </message>
</context>
<context>
    <name>time</name>
    <message>
        <location line="+51"/>
        <source>%1 %2</source>
        <extracomment>Joins the two parts of a time, such as &quot;2 minutes&quot; and &quot;4 seconds&quot; (English says them side by side).</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 %3</source>
        <extracomment>Joins the three parts of a time: hours, minutes and seconds (English says them side by side).</extracomment>
        <translation>%1, %2 e %3</translation>
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
        <translation>Vuoi prima un breve tutorial? Ti insegna il gioco un tasto alla volta su una piccola scacchiera. T lo fa ripartire quando vuoi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and three columns, with one square empty. You slide the tiles until the song plays in order. Each step waits for you. T says the step again, Escape leaves the tutorial.</source>
        <translation>Tutorial. Una canzone è divisa in tessere di un secondo, messe in disordine su una scacchiera di tre righe e tre colonne, con una casella vuota. Fai scorrere le tessere finché la canzone suona in ordine. Ogni passo ti aspetta. T ripete il passo, Esc esce dal tutorial.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The cursor is on the top left square. The arrow keys move it: you hear the square&apos;s row and column, whether its tile is in order, then the tile. Press an arrow key.</source>
        <translation>Il cursore è sulla casella in alto a sinistra. I tasti freccia lo spostano: senti la riga e la colonna della casella, se la sua tessera è al posto giusto, poi la tessera. Premi un tasto freccia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every square is the home of one piece of the song. Press O to hear the piece that belongs on the square under the cursor.</source>
        <translation>Ogni casella è il posto di un pezzo della canzone. Premi O per sentire il pezzo che va sulla casella sotto il cursore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press B to hear where the empty square is.</source>
        <translation>Premi B per sentire dov&apos;è la casella vuota.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press Control+B to go to the empty square.</source>
        <extracomment>Control+B: the keys as a player presses them, said aloud.</extracomment>
        <translation>Premi Control+B per andare alla casella vuota.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A tile beside the empty square slides into it. Move to a square next to the empty one and press Space.</source>
        <translation>Una tessera accanto alla casella vuota può scorrere dentro di essa. Vai su una casella vicina a quella vuota e premi Spazio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Space also slides several tiles at once, from two squares away in the empty square&apos;s row or column. The empty square is in the middle now, where nothing is two squares away: slide one tile first.</source>
        <translation>Spazio fa scorrere anche più tessere insieme, da due caselle di distanza nella riga o nella colonna della casella vuota. Ora la casella vuota è al centro, dove niente è a due caselle: prima fai scorrere una tessera.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The cursor went with the empty square. Space also slides several tiles at once: go two squares away from the empty square, in its row or column, and press Space.</source>
        <translation>Il cursore è andato con la casella vuota. Spazio fa scorrere anche più tessere insieme: vai a due caselle dalla casella vuota, nella sua riga o colonna, e premi Spazio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When a slide brings tiles home in order from the first, a note sounds for each tile that joins, then the tiles in order play. Press P to hear the tiles in order from the first.</source>
        <translation>Quando uno scorrimento mette tessere in ordine a partire dalla prima, suona una nota per ogni tessera che si aggiunge, poi suonano le tessere in ordine. Premi P per sentire le tessere in ordine dalla prima.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press E to go to the last tile in order.</source>
        <translation>Premi E per andare all&apos;ultima tessera in ordine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press M to mark the tile under the cursor.</source>
        <translation>Premi M per segnare la tessera sotto il cursore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, then press G to go back to it.</source>
        <translation>Ogni volta che arrivi sulla tessera segnata, dopo la tessera senti il suono del segno. Allontanati con le frecce, poi premi G per tornarci.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press I to hear how many tiles are in order, your moves and your time.</source>
        <translation>Premi I per sentire quante tessere sono in ordine, le tue mosse e il tuo tempo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press U to take back your last slide.</source>
        <translation>Premi U per annullare l&apos;ultimo scorrimento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now put the whole song in order. F plays the board from the first square to the last. Press H for a hint; after a minute without progress, a hint comes by itself.</source>
        <extracomment>H is the tutorial&apos;s hint key.</extracomment>
        <translation>Ora metti in ordine tutta la canzone. F suona la scacchiera dalla prima casella all&apos;ultima. Premi H per un suggerimento; dopo un minuto senza progressi, un suggerimento arriva da solo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Good.</source>
        <translation>Bene.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not that key now.</source>
        <translation>Non è il tasto giusto adesso.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That beep means nothing can slide from there: only a tile in the empty square&apos;s row or column can.</source>
        <translation>Quel segnale acustico vuol dire che da lì non può scorrere niente: può farlo solo una tessera nella riga o nella colonna della casella vuota.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That slid one tile.</source>
        <translation>Questo ha fatto scorrere una tessera.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: slide the tile on row %1, column %2.</source>
        <translation>Suggerimento: fai scorrere la tessera sulla riga %1, colonna %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved! That was the song in order.</source>
        <translation>Risolto! Era la canzone in ordine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial is over. Press T whenever you want to take it again.</source>
        <translation>Il tutorial è finito. Premi T quando vuoi rifarlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to leave the tutorial?</source>
        <translation>Vuoi uscire dal tutorial?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial goes on.</source>
        <translation>Il tutorial continua.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sample song cannot be played, so the tutorial cannot start.</source>
        <translation>Non è possibile riprodurre la canzone di esempio, quindi il tutorial non può iniziare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to your game.</source>
        <translation>Ritorno alla tua partita.</translation>
    </message>
</context>
</TS>
