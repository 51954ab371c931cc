<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>period</source>
        <translation>point</translation>
    </message>
    <message>
        <source>less</source>
        <translation>inférieur</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>supérieur</translation>
    </message>
    <message>
        <source>question</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>exclaim</source>
        <translation>point d&apos;exclamation</translation>
    </message>
    <message>
        <source>left parren</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>right parren</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>dash</source>
        <translation>tiret</translation>
    </message>
    <message>
        <source>semi colan</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <source>colan</source>
        <translation>deux-points</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>guillemet</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>accolade ouvrante</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>accolade fermante</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arobase</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>dièse</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>dollar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>accent circonflexe</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>esperluette</translation>
    </message>
    <message>
        <source>star</source>
        <translation>astérisque</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>tiret bas</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>accent grave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>back slash</source>
        <translation>barre oblique inverse</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barre verticale</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>non sélectionné</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ce dossier est vide.</translation>
    </message>
    <message>
        <source>Empty.</source>
        <translation>Vide.</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Non coché</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>greyed</source>
        <translation>grisé</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Flèches haut et bas pour choisir, Entrée pour valider, Échap pour annuler.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help index</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Erreur de chargement de l&apos;aide.  Numéro d&apos;erreur&#xa0;: %1, fichier %2</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Erreur&#xa0;! </translation>
    </message>
    <message>
        <source>Error in help data. </source>
        <translation>Erreur dans les données de l&apos;aide. </translation>
    </message>
    <message>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Erreur du fichier d&apos;aide lors du chargement des entrées d&apos;index placées sous %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help. %1</source>
        <translation>Aide. %1</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Bouton Fermer</translation>
    </message>
    <message>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Texte de l&apos;aide, vide. Choisissez d&apos;abord un sujet dans l&apos;index.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>End of the topic.</source>
        <translation>Fin du sujet.</translation>
    </message>
    <message>
        <source>Start of the topic.</source>
        <translation>Début du sujet.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Repeat Message</source>
        <translation>Répéter le message</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>nom de fichier</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key.</extracomment>
        <translation>Supprimer Suppr</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No filename was entered as new filename.</source>
        <translation>Aucun nom de fichier n&apos;a été saisi comme nouveau nom.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 introuvable.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>File %1 already exists.</source>
        <translation>Le fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation>Fichier %1 introuvable.</translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation>Dossier %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>File: %1 does not exist!</source>
        <translation>Le fichier %1 n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>Le jeu n&apos;a trouvé aucune sortie audio. Vérifiez la carte son ou le serveur de son&#xa0;; le jeu continue sans son.</translation>
    </message>
    <message>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Erreur dans le fichier sounds.ini&#xa0;: paramètre non reconnu à la ligne %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Erreur au démarrage du lecteur d&apos;écran ou de la voix intégrée.</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Erreur&#xa0;! </translation>
    </message>
    <message>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>Le lecteur d&apos;écran ne parle plus. La voix intégrée prend le relais&#xa0;; appuyez sur F5 pour choisir de nouveau.</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Voix %1</translation>
    </message>
    <message>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Utilisez les flèches pour choisir la voix. Appuyez sur Entrée quand vous avez terminé.</translation>
    </message>
    <message>
        <source>No voices were found for the built-in voice.</source>
        <translation>Aucune voix n&apos;a été trouvée pour la voix intégrée.</translation>
    </message>
    <message>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Utilisez les flèches pour régler le débit. Appuyez sur Entrée quand vous avez terminé.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Utilisez les flèches pour régler le volume. Appuyez sur Entrée quand vous avez terminé.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Appuyez sur F1 pour l&apos;aide</translation>
    </message>
    <message>
        <source>Music Tunzle.</source>
        <translation>Music Tunzle.</translation>
    </message>
    <message>
        <source>A Korvel Game.</source>
        <extracomment>The game&apos;s maker, a name: keep it.</extracomment>
        <translation>Un jeu Korvel.</translation>
    </message>
    <message>
        <source>By the Music Tunzle developers.</source>
        <translation>Par les développeurs de Music Tunzle.</translation>
    </message>
    <message>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Erreur lors de la copie de sample.mp3 dans le dossier du joueur</translation>
    </message>
    <message>
        <source>Would you like to play your saved game?</source>
        <translation>Voulez-vous reprendre votre partie sauvegardée&#xa0;?</translation>
    </message>
    <message>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>La partie sauvegardée est endommagée et ne peut pas être reprise. Une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>La chanson %1 de votre partie sauvegardée n&apos;a pas pu être jouée. Votre partie sauvegardée est conservée. Veuillez choisir une chanson pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Sauvegarder la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Song Too Short</source>
        <translation>Chanson trop courte</translation>
    </message>
    <message>
        <source>Select Music File to tunzle</source>
        <translation>Choisissez le fichier musical à mélanger</translation>
    </message>
    <message>
        <source>Escape plays the sample song.</source>
        <translation>Échap joue la chanson d&apos;exemple.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>La chanson %1 n&apos;a pas pu être jouée. Veuillez choisir une autre chanson.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>La chanson %1 n&apos;a pas pu être jouée. Veuillez choisir une autre chanson, ou appuyez sur Échap pour revenir en arrière sans nouvelle partie.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <translation>la chanson est trop courte. Réduisez la durée des tuiles, réduisez le nombre de lignes et de colonnes, ou choisissez une chanson plus longue.</translation>
    </message>
    <message>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Aucune partie. Appuyez sur N pour une nouvelle partie ou sur Q pour quitter.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Partie sauvegardée</translation>
    </message>
    <message>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 sur %3. Le curseur est en ligne %4, colonne %5, la case vide en ligne %6, colonne %7.</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>Vide</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrect</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A square&apos;s row, then its column.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Row and column on</source>
        <translation>Ligne et colonne activées</translation>
    </message>
    <message>
        <source>Row and column off</source>
        <translation>Ligne et colonne désactivées</translation>
    </message>
    <message>
        <source>Correct and wrong on</source>
        <translation>Correct et incorrect activés</translation>
    </message>
    <message>
        <source>Correct and wrong off</source>
        <translation>Correct et incorrect désactivés</translation>
    </message>
    <message>
        <source>No tile to mark here.</source>
        <translation>Aucune tuile à marquer ici.</translation>
    </message>
    <message>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Aucune tuile à marquer ici. La marque est retirée.</translation>
    </message>
    <message>
        <source>Would you like another game?</source>
        <translation>Voulez-vous jouer une autre partie&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like to save your game?</source>
        <translation>Voulez-vous sauvegarder votre partie&#xa0;?</translation>
    </message>
    <message>
        <source>Could not write the settings file %1</source>
        <translation>Impossible d&apos;écrire le fichier de réglages %1</translation>
    </message>
    <message>
        <source>Could not write the saved game %1</source>
        <translation>Impossible d&apos;écrire la partie sauvegardée %1</translation>
    </message>
    <message>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Merci d&apos;avoir joué à Music Tunzle, des développeurs de Music Tunzle. Consultez la page du projet Music Tunzle pour les nouvelles versions et de l&apos;aide.</translation>
    </message>
    <message>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Choisissez le dossier de la bibliothèque musicale en sélectionnant n&apos;importe quel fichier de ce dossier</translation>
    </message>
    <message>
        <source>Escape keeps the folder as it is.</source>
        <translation>Échap laisse le dossier tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>Music library folder %1</source>
        <translation>Dossier de la bibliothèque musicale %1</translation>
    </message>
    <message>
        <source>Select Speech Type</source>
        <translation>Choisissez le type de parole</translation>
    </message>
    <message>
        <source>No speech</source>
        <translation>Aucune parole</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>Lecteur d&apos;écran</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Voix intégrée</translation>
    </message>
    <message>
        <source>Select square size</source>
        <translation>Choisissez la taille du plateau</translation>
    </message>
    <message>
        <source>Song tile duration in seconds</source>
        <translation>Durée des tuiles en secondes</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal mark of numbers such as 1.5 (seconds), as a voice reads it best.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 move</source>
        <translation>%1 coup</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 coups</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 second</source>
        <extracomment>%1 by %1 is the board&apos;s size, %2 the tile length in seconds.</extracomment>
        <translation>%1 sur %1 avec des tuiles de %2 seconde</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 seconds</source>
        <translation>%1 sur %1 avec des tuiles de %2 secondes</translation>
    </message>
    <message>
        <source>%1 of %2 tiles in order, %3, %4.</source>
        <extracomment>Tiles in order of all the tiles, then the moves and the time, each already in words.</extracomment>
        <translation>%1 sur %2 tuiles en ordre, %3, %4.</translation>
    </message>
    <message>
        <source>Solved in %1 and %2.</source>
        <translation>Résolu en %1 et %2.</translation>
    </message>
    <message>
        <source>the fewest moves and the fastest time</source>
        <translation>le moins de coups et le temps le plus court</translation>
    </message>
    <message>
        <source>the fewest moves</source>
        <translation>le moins de coups</translation>
    </message>
    <message>
        <source>the fastest time</source>
        <translation>le temps le plus court</translation>
    </message>
    <message>
        <source>Your first result for %1: your best so far.</source>
        <translation>Votre premier résultat pour %1&#xa0;: votre meilleur à ce jour.</translation>
    </message>
    <message>
        <source>Your best for %1: %2.</source>
        <translation>Votre meilleur résultat pour %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1&#xa0;: le moins de coups, %2&#xa0;; le temps le plus court, %3.</translation>
    </message>
    <message>
        <source>No best results yet.</source>
        <translation>Aucun meilleur résultat pour le moment.</translation>
    </message>
    <message>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>Le son est coupé. Le jeu attend son retour.</translation>
    </message>
    <message>
        <source>The sound is back.</source>
        <translation>Le son est revenu.</translation>
    </message>
    <message>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Les tuiles durent maintenant %1.</translation>
    </message>
    <message>
        <source>Tiles stay %1 long.</source>
        <translation>Les tuiles durent toujours %1.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>La partie continue.</translation>
    </message>
    <message>
        <source>Back to the board.</source>
        <translation>Retour au plateau.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC.</extracomment>
        <translation>la chanson est trop courte. Réduisez la durée des tuiles, réduisez le nombre de lignes et de colonnes, ou choisissez un fichier %1 plus long.</translation>
    </message>
    <message>
        <source>Would you like to choose another song?</source>
        <translation>Voulez-vous choisir une autre chanson ?</translation>
    </message>
</context>
</TS>
