<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>less</source>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>größer als</translation>
    </message>
    <message>
        <source>question</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>exclaim</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>left parren</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>right parren</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>dash</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>semi colan</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>colan</source>
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>geschweifte Klammer auf</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>geschweifte Klammer zu</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>At-Zeichen</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>Zirkumflex</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>Und-Zeichen</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>back slash</source>
        <translation>Backslash</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>nicht ausgewählt</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <source>Empty.</source>
        <translation>Leer.</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Nicht aktiviert</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>greyed</source>
        <translation>teilweise aktiviert</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Pfeil nach oben und Pfeil nach unten zum Wählen, Eingabetaste zum Übernehmen, Escape zum Abbrechen.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help index</source>
        <translation>Hilfeindex</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Fehler beim Laden der Hilfe.  Fehlernummer: %1, Datei %2</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Fehler! </translation>
    </message>
    <message>
        <source>Error in help data. </source>
        <translation>Fehler in den Hilfedaten. </translation>
    </message>
    <message>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Fehler in der Hilfedatei beim Laden der Einträge unter %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help. %1</source>
        <translation>Hilfe. %1</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Schaltfläche Schließen</translation>
    </message>
    <message>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Hilfetext, leer. Wählen Sie zuerst ein Thema im Index.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>End of the topic.</source>
        <translation>Ende des Themas.</translation>
    </message>
    <message>
        <source>Start of the topic.</source>
        <translation>Anfang des Themas.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Repeat Message</source>
        <translation>Meldung wiederholen</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key.</extracomment>
        <translation>Löschen Entf</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No filename was entered as new filename.</source>
        <translation>Es wurde kein neuer Dateiname eingegeben.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>File %1 already exists.</source>
        <translation>Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation>Ordner %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>File: %1 does not exist!</source>
        <translation>Datei: %1 ist nicht vorhanden!</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>Das Spiel hat keine Tonausgabe gefunden. Prüfen Sie die Soundkarte oder den Soundserver; das Spiel läuft ohne Ton weiter.</translation>
    </message>
    <message>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Fehler in der Datei sounds.ini: unbekannter Parameter in Zeile %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Fehler beim Starten des Screenreaders oder der eingebauten Stimme.</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Fehler! </translation>
    </message>
    <message>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>Der Screenreader spricht nicht mehr. Stattdessen spricht die eingebaute Stimme; drücken Sie F5, um neu zu wählen.</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Stimme %1</translation>
    </message>
    <message>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Wählen Sie die Stimme mit den Pfeiltasten. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>No voices were found for the built-in voice.</source>
        <translation>Für die eingebaute Stimme wurden keine Stimmen gefunden.</translation>
    </message>
    <message>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Stellen Sie die Geschwindigkeit mit den Pfeiltasten ein. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Stellen Sie die Lautstärke mit den Pfeiltasten ein. Drücken Sie die Eingabetaste, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Drücken Sie F1 für die Hilfe</translation>
    </message>
    <message>
        <source>Music Tunzle.</source>
        <translation>Music Tunzle.</translation>
    </message>
    <message>
        <source>A Korvel Game.</source>
        <extracomment>The game&apos;s maker, a name: keep it.</extracomment>
        <translation>Ein Spiel von Korvel.</translation>
    </message>
    <message>
        <source>By the Music Tunzle developers.</source>
        <translation>Von den Entwicklern von Music Tunzle.</translation>
    </message>
    <message>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Fehler beim Kopieren von sample.mp3 in den Spielerordner</translation>
    </message>
    <message>
        <source>Would you like to play your saved game?</source>
        <translation>Möchten Sie Ihr gespeichertes Spiel spielen?</translation>
    </message>
    <message>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>Das gespeicherte Spiel ist beschädigt und kann nicht gespielt werden. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Das Lied %1 Ihres gespeicherten Spiels konnte nicht abgespielt werden. Ihr gespeichertes Spiel bleibt erhalten. Bitte wählen Sie ein Lied für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Spiel speichern?</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Song Too Short</source>
        <translation>Lied zu kurz</translation>
    </message>
    <message>
        <source>Select Music File to tunzle</source>
        <translation>Musikdatei zum Tunzeln auswählen</translation>
    </message>
    <message>
        <source>Escape plays the sample song.</source>
        <translation>Escape spielt das Beispiellied.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Das Lied %1 konnte nicht abgespielt werden. Bitte wählen Sie ein anderes Lied.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Das Lied %1 konnte nicht abgespielt werden. Bitte wählen Sie ein anderes Lied, oder drücken Sie Escape, um ohne neues Spiel zurückzukehren.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <translation>Das Lied ist zu kurz. Verkürzen Sie entweder die Kachellänge, verringern Sie die Zahl der Zeilen und Spalten, oder wählen Sie ein längeres Lied.</translation>
    </message>
    <message>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Kein Spiel. Drücken Sie N für ein neues Spiel oder Q zum Beenden.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Gespeichertes Spiel</translation>
    </message>
    <message>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 mal %3. Der Cursor steht auf Zeile %4, Spalte %5, das leere Feld auf Zeile %6, Spalte %7.</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A square&apos;s row, then its column.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Row and column on</source>
        <translation>Zeile und Spalte ein</translation>
    </message>
    <message>
        <source>Row and column off</source>
        <translation>Zeile und Spalte aus</translation>
    </message>
    <message>
        <source>Correct and wrong on</source>
        <translation>Richtig und falsch ein</translation>
    </message>
    <message>
        <source>Correct and wrong off</source>
        <translation>Richtig und falsch aus</translation>
    </message>
    <message>
        <source>No tile to mark here.</source>
        <translation>Hier ist keine Kachel zum Markieren.</translation>
    </message>
    <message>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Hier ist keine Kachel zum Markieren. Die Markierung wurde entfernt.</translation>
    </message>
    <message>
        <source>Would you like another game?</source>
        <translation>Möchten Sie noch ein Spiel spielen?</translation>
    </message>
    <message>
        <source>Would you like to save your game?</source>
        <translation>Möchten Sie Ihr Spiel speichern?</translation>
    </message>
    <message>
        <source>Could not write the settings file %1</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not write the saved game %1</source>
        <translation>Das gespeicherte Spiel %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Danke, dass Sie Music Tunzle gespielt haben, von den Entwicklern von Music Tunzle. Auf der Projektseite von Music Tunzle finden Sie neue Versionen und Hilfe.</translation>
    </message>
    <message>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Wählen Sie den Musikordner, indem Sie eine beliebige Datei in diesem Ordner auswählen</translation>
    </message>
    <message>
        <source>Escape keeps the folder as it is.</source>
        <translation>Escape lässt den Ordner, wie er ist.</translation>
    </message>
    <message>
        <source>Music library folder %1</source>
        <translation>Musikordner %1</translation>
    </message>
    <message>
        <source>Select Speech Type</source>
        <translation>Art der Sprachausgabe wählen</translation>
    </message>
    <message>
        <source>No speech</source>
        <translation>Keine Sprachausgabe</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>Screenreader</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Eingebaute Stimme</translation>
    </message>
    <message>
        <source>Select square size</source>
        <translation>Größe des Spielbretts wählen</translation>
    </message>
    <message>
        <source>Song tile duration in seconds</source>
        <translation>Kachellänge in Sekunden</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal mark of numbers such as 1.5 (seconds), as a voice reads it best.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 move</source>
        <translation>%1 Zug</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 Züge</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 second</source>
        <extracomment>%1 by %1 is the board&apos;s size, %2 the tile length in seconds.</extracomment>
        <translation>%1 mal %1 mit Kacheln von %2 Sekunde</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 seconds</source>
        <translation>%1 mal %1 mit Kacheln von %2 Sekunden</translation>
    </message>
    <message>
        <source>%1 of %2 tiles in order, %3, %4.</source>
        <extracomment>Tiles in order of all the tiles, then the moves and the time, each already in words.</extracomment>
        <translation>%1 von %2 Kacheln geordnet, %3, %4.</translation>
    </message>
    <message>
        <source>Solved in %1 and %2.</source>
        <translation>Gelöst: %1 in %2.</translation>
    </message>
    <message>
        <source>the fewest moves and the fastest time</source>
        <translation>die wenigsten Züge und die schnellste Zeit</translation>
    </message>
    <message>
        <source>the fewest moves</source>
        <translation>die wenigsten Züge</translation>
    </message>
    <message>
        <source>the fastest time</source>
        <translation>die schnellste Zeit</translation>
    </message>
    <message>
        <source>Your first result for %1: your best so far.</source>
        <translation>Erstes Ergebnis für %1, und damit der Bestwert bisher.</translation>
    </message>
    <message>
        <source>Your best for %1: %2.</source>
        <translation>Neuer Bestwert für %1: %2.</translation>
    </message>
    <message>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: wenigste Züge %2, schnellste Zeit %3.</translation>
    </message>
    <message>
        <source>No best results yet.</source>
        <translation>Noch keine Bestwerte.</translation>
    </message>
    <message>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>Der Ton ist weg. Das Spiel wartet, bis er wiederkommt.</translation>
    </message>
    <message>
        <source>The sound is back.</source>
        <translation>Der Ton ist wieder da.</translation>
    </message>
    <message>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Kacheln sind jetzt %1 lang.</translation>
    </message>
    <message>
        <source>Tiles stay %1 long.</source>
        <translation>Kacheln bleiben %1 lang.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>Das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Back to the board.</source>
        <translation>Zurück auf dem Spielbrett.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC.</extracomment>
        <translation>Das Lied ist zu kurz. Verkürzen Sie entweder die Kachellänge, verringern Sie die Zahl der Zeilen und Spalten, oder wählen Sie eine längere %1-Datei.</translation>
    </message>
    <message>
        <source>Would you like to choose another song?</source>
        <translation>Möchten Sie ein anderes Lied wählen?</translation>
    </message>
</context>
</TS>
