<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <location filename="../speech/CharacterTable.cpp" line="+18"/>
        <source>comma</source>
        <extracomment>The characters a voice reads by name when a typed key is said: here a comma.</extracomment>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <extracomment>The character . read aloud (a full stop).</extracomment>
        <translation>Punkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>less</source>
        <extracomment>The character &lt; read aloud (a less-than sign).</extracomment>
        <translation>kleiner als</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greater</source>
        <extracomment>The character &gt; read aloud (a greater-than sign).</extracomment>
        <translation>größer als</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>question</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exclaim</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>At-Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>number sign</source>
        <translation>Raute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>Zirkumflex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>Und-Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left parren</source>
        <extracomment>The character ( read aloud (an opening parenthesis).</extracomment>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right parren</source>
        <extracomment>The character ) read aloud (a closing parenthesis).</extracomment>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grave accent</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dash</source>
        <extracomment>The character - read aloud (a hyphen or minus).</extracomment>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semi colan</source>
        <extracomment>The character ; read aloud (a semicolon).</extracomment>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>colan</source>
        <extracomment>The character : read aloud (a colon).</extracomment>
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quote</source>
        <extracomment>The character &quot; read aloud (a double quotation mark).</extracomment>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>geschweifte Klammer auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>geschweifte Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back slash</source>
        <translation>Backslash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="+157"/>
        <source>selected</source>
        <extracomment>Said of an option button (one of a group) that is chosen; &quot;unselected&quot; when it is not.</extracomment>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unselected</source>
        <translation>nicht ausgewählt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This folder is empty.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Empty.</source>
        <extracomment>Said of a list with nothing in it.</extracomment>
        <translation>Leer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+166"/>
        <source>Unchecked</source>
        <extracomment>Said of a check box that is not ticked; &quot;checked&quot; when it is, &quot;greyed&quot; when partly.
----------
Said when a check box is toggled: now ticked (&quot;Unchecked&quot; when no longer).</extracomment>
        <translation>Nicht aktiviert</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>checked</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greyed</source>
        <extracomment>A check box that is neither checked nor unchecked (partly checked).</extracomment>
        <translation>teilweise aktiviert</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>Checked</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select</source>
        <extracomment>The title of a pick list&apos;s window: choose one item.</extracomment>
        <translation>Auswählen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Pfeil nach oben und Pfeil nach unten zum Wählen, Eingabetaste zum Übernehmen, Escape zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../help/FRMHelp.cpp" line="+58"/>
        <source>Help index</source>
        <translation>Hilfeindex</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Close</source>
        <extracomment>The help window&apos;s close button; &amp; marks the letter Alt takes (keep it unlike other keys).</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>The close button&apos;s name as a screen reader says it.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Fehler beim Laden der Hilfe.  Fehlernummer: %1, Datei %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+32"/>
        <source>Error! </source>
        <translation>Fehler! </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error in help data. </source>
        <translation>Fehler in den Hilfedaten. </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Fehler in der Hilfedatei beim Laden der Einträge unter %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>The title of a message about the help.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Help. %1</source>
        <extracomment>Said when the help opens: the window, then %1, the index line selected.</extracomment>
        <translation>Hilfe. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close button</source>
        <extracomment>Said when the focus reaches the close button.</extracomment>
        <translation>Schaltfläche Schließen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Hilfetext, leer. Wählen Sie zuerst ein Thema im Index.</translation>
    </message>
    <message>
        <location line="-252"/>
        <source>HELP</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>HILFE</translation>
    </message>
    <message>
        <location line="+338"/>
        <location line="+21"/>
        <source>End of the topic.</source>
        <translation>Ende des Themas.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the topic.</source>
        <translation>Anfang des Themas.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes</source>
        <extracomment>Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <extracomment>Answer buttons as above: &quot;yes&quot; with &quot;No&quot;, the safe answer; &quot;no&quot; with &quot;Yes&quot; and &quot;Cancel&quot;.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Repeat Message</source>
        <extracomment>The button that says the question of a message box again.</extracomment>
        <translation>Meldung wiederholen</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <location line="+137"/>
        <source>folder</source>
        <extracomment>Said after a folder&apos;s name in the song selector.</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../dialogs/SelectFile.cpp" line="+21"/>
        <location line="+79"/>
        <source>Error</source>
        <extracomment>The title of a message box about a file that cannot be used.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>filename</source>
        <extracomment>The label of the box where a file name is typed.</extracomment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File name</source>
        <extracomment>The name of the box where a file name is typed, as a screen reader says it.</extracomment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key. The delete button&apos;s caption: the word, then the name of the key that deletes (Del).</extracomment>
        <translation>Löschen Entf</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <source>Delete</source>
        <extracomment>The delete button&apos;s name as a screen reader says it; also the title of the question whether to delete a song.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No filename was entered as new filename.</source>
        <translation>Es wurde kein neuer Dateiname eingegeben.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not found.</source>
        <extracomment>%1 is the name of a file or folder that was typed.</extracomment>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File %1 already exists.</source>
        <translation>Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File %1 not found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>Folder %1</source>
        <translation>Ordner %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../sound/OggPlayers.cpp" line="+75"/>
        <source>OGG DLL is missing.</source>
        <translation>Die OGG-Bibliothek fehlt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../sound/SongPlayers.cpp" line="+82"/>
        <source>File: %1 does not exist!</source>
        <translation>Datei: %1 ist nicht vorhanden!</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>insufficient OGG Handles available.</source>
        <translation>Nicht genug OGG-Player verfügbar.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standard OGG Files can not be 3d. File: %1</source>
        <translation>Normale OGG-Dateien können nicht räumlich sein. Datei: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+19"/>
        <source>Error.</source>
        <translation>Fehler.</translation>
    </message>
    <message>
        <location filename="../sound/Sound.cpp" line="+28"/>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>Das Spiel hat keine Tonausgabe gefunden. Prüfen Sie die Soundkarte oder den Soundserver; das Spiel läuft ohne Ton weiter.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Fehler in der Datei sounds.ini: unbekannter Parameter in Zeile %1</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1</source>
        <translation>Nach dem Sternchen im Namen einer Wave-Datei muss eine Zahl mit 1 bis 3 Ziffern stehen. Datei: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in PlaySound</source>
        <translation>Fehler beim Abspielen</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>%1 will not play.  Trying to use a stereo sound in a 3D buffer.</source>
        <translation>%1 wird nicht abgespielt.  Ein Stereoklang kann nicht räumlich abgespielt werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning </source>
        <translation>Warnung </translation>
    </message>
    <message>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>Standard MP3 Files can not be 3d. File: %1</source>
        <translation>Normale MP3-Dateien können nicht räumlich sein. Datei: %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../speech/FRMTTS.cpp" line="+9"/>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Fehler beim Starten des Screenreaders oder der eingebauten Stimme.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../speech/VoiceSettings.cpp" line="+134"/>
        <source>Error! </source>
        <translation>Fehler! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>Der Screenreader spricht nicht mehr. Stattdessen spricht die eingebaute Stimme; drücken Sie F5, um neu zu wählen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech</source>
        <extracomment>The title of the speech window: the speech output, not a language.</extracomment>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <location filename="../speech/VoiceSettings.cpp" line="-100"/>
        <source>Voice %1</source>
        <extracomment>A voice without a name: %1 is its number.</extracomment>
        <translation>Stimme %1</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Wählen Sie die Stimme mit den Pfeiltasten. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No voices were found for the built-in voice.</source>
        <translation>Für die eingebaute Stimme wurden keine Stimmen gefunden.</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Stellen Sie die Geschwindigkeit mit den Pfeiltasten ein. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rate</source>
        <extracomment>The speaking rate of the built-in voice, said before its value.</extracomment>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Stellen Sie die Lautstärke mit den Pfeiltasten ein. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume</source>
        <extracomment>The loudness of the built-in voice, said before its value.</extracomment>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>resume</name>
    <message>
        <location filename="../core/Texts.cpp" line="+21"/>
        <source>Would you like to play your saved game?</source>
        <translation>Möchten Sie Ihr gespeichertes Spiel fortsetzen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to go on with the saved game (not whether to save it).</extracomment>
        <translation>Gespeichertes Spiel</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location line="-10"/>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Drücken Sie F1 für die Hilfe</translation>
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
        <translation>Ein Spiel von Korvel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By the Music Tunzle developers.</source>
        <translation>Von den Entwicklern von Music Tunzle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Fehler beim Kopieren von sample.mp3 in den Spielerordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>Das gespeicherte Spiel ist beschädigt und kann nicht gespielt werden. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Das Lied %1 Ihres gespeicherten Spiels konnte nicht abgespielt werden. Ihr gespeichertes Spiel bleibt erhalten. Bitte wählen Sie ein Lied für ein neues Spiel.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <extracomment>Titles of message boxes, said before their message.</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to save the game on quitting.</extracomment>
        <translation>Spiel speichern?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations</source>
        <extracomment>The title of the question after a solved puzzle.</extracomment>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Song Too Short</source>
        <extracomment>The title of the warning that a song has fewer tiles than the board needs.</extracomment>
        <translation>Lied zu kurz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music File to tunzle</source>
        <translation>Musikdatei zum Tunzeln auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape plays the sample song.</source>
        <translation>Escape spielt das Beispiellied.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Das Lied %1 konnte nicht abgespielt werden. Bitte wählen Sie ein anderes Lied.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Das Lied %1 konnte nicht abgespielt werden. Bitte wählen Sie ein anderes Lied, oder drücken Sie Escape, um ohne neues Spiel zurückzukehren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <extracomment>The start of a sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>Das Lied ist zu kurz. Verkürzen Sie entweder die Kachellänge, verringern Sie die Zahl der Zeilen und Spalten, oder wählen Sie ein längeres Lied.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Kein Spiel. Drücken Sie N für ein neues Spiel oder Q zum Beenden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New game</source>
        <extracomment>Said as a new game begins, before its size.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <extracomment>Said as a saved game goes on, before its size.</extracomment>
        <translation>Gespeichertes Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 mal %3. Der Cursor steht auf Zeile %4, Spalte %5, das leere Feld auf Zeile %6, Spalte %7.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct</source>
        <extracomment>Said of a tile already part of the run in order (its place is right), before it plays.</extracomment>
        <translation>richtig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong</source>
        <extracomment>Said of a tile not yet part of the run in order (its place is not yet right).</extracomment>
        <translation>falsch</translation>
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
        <translation>Zeile und Spalte ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row and column off</source>
        <translation>Zeile und Spalte aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong on</source>
        <translation>Richtig und falsch ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong off</source>
        <translation>Richtig und falsch aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here.</source>
        <translation>Hier ist keine Kachel zum Markieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Hier ist keine Kachel zum Markieren. Die Markierung wurde entfernt.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n hour(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>eine Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>eine Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location line="+33"/>
        <source>%n second(s)</source>
        <extracomment>A part of a time said aloud; also a tile length of whole seconds.</extracomment>
        <translation>
            <numerusform>eine Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n second(s)</source>
        <comment>none</comment>
        <extracomment>No time yet: &quot;0 seconds&quot; (French and Brazilian Portuguese count 0 with 1, yet say no &quot;une&quot;/&quot;um&quot; for it).</extracomment>
        <translation>
            <numerusform>%n Sekunden</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n move(s)</source>
        <extracomment>A count of moves said aloud.</extracomment>
        <translation>
            <numerusform>ein Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 by %1 with tiles of %2</source>
        <extracomment>%1 by %1 is the board&apos;s size; %2 the tile length in words, such as &quot;2 seconds&quot; or &quot;1.5 seconds&quot;.</extracomment>
        <translation>%1 mal %1, Kachellänge %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n second(s)</source>
        <comment>fraction</comment>
        <extracomment>A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).</extracomment>
        <translation>
            <numerusform>%n Sekunden</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 of %n tiles in order, %2, %3.</source>
        <extracomment>%1 tiles in order of all %n tiles, then the moves and the time, each already in words.</extracomment>
        <translation>
            <numerusform>In der richtigen Reihenfolge: %1 von %n, %2, %3.</numerusform>
            <numerusform>In der richtigen Reihenfolge: %1 von %n, %2, %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your first result for %1: your best so far.</source>
        <translation>Erstes Ergebnis für %1, und damit der Bestwert bisher.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Would you like another game?</source>
        <translation>Möchten Sie noch ein Spiel spielen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to save your game?</source>
        <translation>Möchten Sie Ihr Spiel speichern?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the settings file %1</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the saved game %1</source>
        <translation>Das gespeicherte Spiel %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Das Team von Music Tunzle dankt Ihnen fürs Spielen. Neue Versionen und Hilfe finden Sie auf der Projektseite von Music Tunzle.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Wählen Sie den Musikordner, indem Sie eine beliebige Datei in diesem Ordner auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape keeps the folder as it is.</source>
        <translation>Escape lässt den Ordner, wie er ist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music library folder %1</source>
        <translation>Musikordner %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Speech Type</source>
        <translation>Art der Sprachausgabe wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No speech</source>
        <translation>Keine Sprachausgabe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Screen reader</source>
        <translation>Screenreader</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Built-in voice</source>
        <translation>Eingebaute Stimme</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select square size</source>
        <translation>Größe des Spielbretts wählen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Song tile duration in seconds</source>
        <translation>Kachellänge in Sekunden</translation>
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
        <translation>Gelöst: %1, Zeit: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the fewest moves and the fastest time</source>
        <translation>die wenigsten Züge und die schnellste Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fewest moves</source>
        <translation>die wenigsten Züge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fastest time</source>
        <translation>die schnellste Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best for %1: %2.</source>
        <translation>Neuer Bestwert für %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: wenigste Züge %2, schnellste Zeit %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No best results yet.</source>
        <translation>Noch keine Bestwerte.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>Der Ton ist weg. Das Spiel wartet, bis er wiederkommt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sound is back.</source>
        <translation>Der Ton ist wieder da.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Die Kachellänge ist jetzt %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles stay %1 long.</source>
        <translation>Die Kachellänge bleibt %1.</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>The game goes on.</source>
        <translation>Das Spiel geht weiter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the board.</source>
        <translation>Zurück auf dem Spielbrett.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>Das Lied ist zu kurz. Verkürzen Sie entweder die Kachellänge, verringern Sie die Zahl der Zeilen und Spalten, oder wählen Sie eine längere %1-Datei.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to choose another song?</source>
        <translation>Möchten Sie ein anderes Lied wählen?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sound effects %1 percent.</source>
        <extracomment>F11 and F12 change the volume of the game&apos;s sounds (notes, bumps), not the song&apos;s; %1 is 0 to 100.</extracomment>
        <translation>Geräusche %1 Prozent.</translation>
    </message>
</context>
<context>
    <name>time</name>
    <message>
        <location line="+37"/>
        <source>%1 %2</source>
        <extracomment>Joins the two parts of a time, such as &quot;2 minutes&quot; and &quot;4 seconds&quot; (English says them side by side).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 %3</source>
        <extracomment>Joins the three parts of a time: hours, minutes and seconds (English says them side by side).</extracomment>
        <translation>%1, %2 und %3</translation>
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
        <translation>Möchten Sie zuerst ein kurzes Tutorial machen? Es zeigt Ihnen das Spiel Taste für Taste auf einem kleinen Spielbrett. Mit T starten Sie es jederzeit wieder.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and three columns, with one square empty. You slide the tiles until the song plays in order. Each step waits for you. T says the step again, Escape leaves the tutorial.</source>
        <translation>Tutorial. Ein Lied ist in Kacheln von einer Sekunde zerlegt, die ungeordnet auf einem Spielbrett mit drei Zeilen und drei Spalten liegen; ein Feld ist leer. Sie schieben die Kacheln, bis das Lied in der richtigen Reihenfolge spielt. Jeder Schritt wartet auf Sie. T wiederholt den Schritt, Escape beendet das Tutorial.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The cursor is on the top left square. The arrow keys move it: you hear the square&apos;s row and column, whether its tile is in order, then the tile. Press an arrow key.</source>
        <translation>Der Cursor steht auf dem Feld oben links. Die Pfeiltasten bewegen ihn: Sie hören Zeile und Spalte des Felds, ob seine Kachel richtig liegt, und dann die Kachel. Drücken Sie eine Pfeiltaste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every square is the home of one piece of the song. Press O to hear the piece that belongs on the square under the cursor.</source>
        <translation>Jedes Feld ist der Platz eines Stücks des Lieds. Drücken Sie O, um das Stück zu hören, das auf das Feld unter dem Cursor gehört.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press B to hear where the empty square is.</source>
        <translation>Drücken Sie B, um zu hören, wo das leere Feld ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press Control+B to go to the empty square.</source>
        <extracomment>Control+B: the keys as a player presses them, said aloud.</extracomment>
        <translation>Drücken Sie Steuerung+B, um zum leeren Feld zu gehen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A tile beside the empty square slides into it. Move to a square next to the empty one and press Space.</source>
        <translation>Eine Kachel neben dem leeren Feld lässt sich hineinschieben. Gehen Sie auf ein Feld neben dem leeren und drücken Sie die Leertaste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Space also slides several tiles at once, from two squares away in the empty square&apos;s row or column. The empty square is in the middle now, where nothing is two squares away: slide one tile first.</source>
        <translation>Die Leertaste schiebt auch mehrere Kacheln auf einmal, von zwei Feldern Abstand in der Zeile oder Spalte des leeren Felds. Das leere Feld ist jetzt in der Mitte, wo nichts zwei Felder entfernt ist: Schieben Sie zuerst eine Kachel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The cursor went with the empty square. Space also slides several tiles at once: go two squares away from the empty square, in its row or column, and press Space.</source>
        <translation>Der Cursor ist mit dem leeren Feld mitgegangen. Die Leertaste schiebt auch mehrere Kacheln auf einmal: Gehen Sie zwei Felder vom leeren Feld weg, in seiner Zeile oder Spalte, und drücken Sie die Leertaste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When a slide brings tiles home in order from the first, a note sounds for each tile that joins, then the tiles in order play. Press P to hear the tiles in order from the first.</source>
        <translation>Wenn ein Schiebezug Kacheln ab der ersten in die richtige Reihenfolge bringt, erklingt für jede hinzugekommene Kachel ein Ton, dann spielen die geordneten Kacheln. Drücken Sie P, um die geordneten Kacheln ab der ersten zu hören.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press E to go to the last tile in order.</source>
        <translation>Drücken Sie E, um zur letzten geordneten Kachel zu gehen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press M to mark the tile under the cursor.</source>
        <translation>Drücken Sie M, um die Kachel unter dem Cursor zu markieren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, then press G to go back to it.</source>
        <translation>Immer wenn Sie auf die markierte Kachel kommen, hören Sie nach der Kachel den Ton der Markierung. Gehen Sie mit den Pfeiltasten weg und drücken Sie dann G, um zu ihr zurückzukehren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press I to hear how many tiles are in order, your moves and your time.</source>
        <translation>Drücken Sie I, um zu hören, wie viele Kacheln geordnet sind, Ihre Züge und Ihre Zeit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press U to take back your last slide.</source>
        <translation>Drücken Sie U, um Ihren letzten Schiebezug zurückzunehmen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now put the whole song in order. F plays the board from the first square to the last. Press H for a hint; after a minute without progress, a hint comes by itself.</source>
        <extracomment>H is the tutorial&apos;s hint key.</extracomment>
        <translation>Bringen Sie jetzt das ganze Lied in die richtige Reihenfolge. F spielt das Spielbrett vom ersten bis zum letzten Feld. Drücken Sie H für einen Hinweis; nach einer Minute ohne Fortschritt kommt ein Hinweis von selbst.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Good.</source>
        <translation>Gut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not that key now.</source>
        <translation>Diese Taste passt jetzt nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That beep means nothing can slide from there: only a tile in the empty square&apos;s row or column can.</source>
        <translation>Dieser Ton bedeutet: Von dort lässt sich nichts schieben. Das geht nur mit einer Kachel in der Zeile oder Spalte des leeren Felds.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That slid one tile.</source>
        <translation>Das hat eine Kachel geschoben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: slide the tile on row %1, column %2.</source>
        <translation>Hinweis: Schieben Sie die Kachel in Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved! That was the song in order.</source>
        <translation>Gelöst! Das war das Lied in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial is over. Press T whenever you want to take it again.</source>
        <translation>Das Tutorial ist zu Ende. Drücken Sie T, wann immer Sie es wiederholen möchten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to leave the tutorial?</source>
        <translation>Möchten Sie das Tutorial verlassen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial goes on.</source>
        <translation>Das Tutorial geht weiter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sample song cannot be played, so the tutorial cannot start.</source>
        <translation>Das Beispiellied kann nicht abgespielt werden, daher kann das Tutorial nicht beginnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to your game.</source>
        <translation>Zurück zu Ihrem Spiel.</translation>
    </message>
</context>
</TS>
