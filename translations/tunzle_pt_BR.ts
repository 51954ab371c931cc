<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <location filename="../speech/CharacterTable.cpp" line="+18"/>
        <source>comma</source>
        <extracomment>The characters a voice reads by name when a typed key is said: here a comma.</extracomment>
        <translation>vírgula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <extracomment>The character . read aloud (a full stop).</extracomment>
        <translation>ponto</translation>
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
        <translation>maior que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>question</source>
        <translation>interrogação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exclaim</source>
        <translation>exclamação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>number sign</source>
        <translation>cerquilha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar</source>
        <translation>cifrão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent</source>
        <translation>por cento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>circunflexo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>e comercial</translation>
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
        <translation>abre parêntese</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right parren</source>
        <extracomment>The character ) read aloud (a closing parenthesis).</extracomment>
        <translation>fecha parêntese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>sublinhado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>til</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dash</source>
        <extracomment>The character - read aloud (a hyphen or minus).</extracomment>
        <translation>hífen</translation>
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
        <translation>ponto e vírgula</translation>
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
        <translation>dois pontos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quote</source>
        <extracomment>The character &quot; read aloud (a double quotation mark).</extracomment>
        <translation>aspas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>abre colchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>fecha colchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>abre chave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>fecha chave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>space</source>
        <translation>espaço</translation>
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
        <translation>selecionado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unselected</source>
        <translation>não selecionado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This folder is empty.</source>
        <translation>Esta pasta está vazia.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Empty.</source>
        <extracomment>Said of a list with nothing in it.</extracomment>
        <translation>Vazio.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+166"/>
        <source>Unchecked</source>
        <extracomment>Said of a check box that is not ticked; &quot;checked&quot; when it is, &quot;greyed&quot; when partly.
----------
Said when a check box is toggled: now ticked (&quot;Unchecked&quot; when no longer).</extracomment>
        <translation>Desmarcado</translation>
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
        <translation>parcialmente marcado</translation>
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
        <translation>Selecionar</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Setas para cima e para baixo para escolher, Enter para selecionar, Esc para cancelar.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../help/FRMHelp.cpp" line="+58"/>
        <source>Help index</source>
        <translation>Índice da ajuda</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Close</source>
        <extracomment>The help window&apos;s close button; &amp; marks the letter Alt takes (keep it unlike other keys).</extracomment>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>The close button&apos;s name as a screen reader says it.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Erro ao carregar a ajuda.  Número do erro: %1, arquivo %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+32"/>
        <source>Error! </source>
        <translation>Erro! </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error in help data. </source>
        <translation>Erro nos dados da ajuda. </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Erro no arquivo de ajuda ao carregar as linhas de índice abaixo de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>The title of a message about the help.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Help. %1</source>
        <extracomment>Said when the help opens: the window, then %1, the index line selected.</extracomment>
        <translation>Ajuda. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close button</source>
        <extracomment>Said when the focus reaches the close button.</extracomment>
        <translation>Botão Fechar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Texto da ajuda, vazio. Escolha primeiro um tópico no índice.</translation>
    </message>
    <message>
        <location line="-252"/>
        <source>HELP</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>AJUDA</translation>
    </message>
    <message>
        <location line="+338"/>
        <location line="+21"/>
        <source>End of the topic.</source>
        <translation>Fim do tópico.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the topic.</source>
        <translation>Início do tópico.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes</source>
        <extracomment>Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.</extracomment>
        <translation>Sim</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <extracomment>Answer buttons as above: &quot;yes&quot; with &quot;No&quot;, the safe answer; &quot;no&quot; with &quot;Yes&quot; and &quot;Cancel&quot;.</extracomment>
        <translation>sim</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Repeat Message</source>
        <extracomment>The button that says the question of a message box again.</extracomment>
        <translation>Repetir mensagem</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <location line="+137"/>
        <source>folder</source>
        <extracomment>Said after a folder&apos;s name in the song selector.</extracomment>
        <translation>pasta</translation>
    </message>
    <message>
        <location filename="../dialogs/SelectFile.cpp" line="+21"/>
        <location line="+79"/>
        <source>Error</source>
        <extracomment>The title of a message box about a file that cannot be used.</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>filename</source>
        <extracomment>The label of the box where a file name is typed.</extracomment>
        <translation>nome do arquivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File name</source>
        <extracomment>The name of the box where a file name is typed, as a screen reader says it.</extracomment>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key. The delete button&apos;s caption: the word, then the name of the key that deletes (Del).</extracomment>
        <translation>Excluir Delete</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <source>Delete</source>
        <extracomment>The delete button&apos;s name as a screen reader says it; also the title of the question whether to delete a song.</extracomment>
        <translation>Excluir</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No filename was entered as new filename.</source>
        <translation>Nenhum nome de arquivo foi digitado como novo nome.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not found.</source>
        <extracomment>%1 is the name of a file or folder that was typed.</extracomment>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File %1 already exists.</source>
        <translation>O arquivo %1 já existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File %1 not found.</source>
        <translation>O arquivo %1 não foi encontrado.</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>Folder %1</source>
        <translation>Pasta %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../sound/OggPlayers.cpp" line="+75"/>
        <source>OGG DLL is missing.</source>
        <translation>A biblioteca OGG não foi encontrada.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../sound/SongPlayers.cpp" line="+82"/>
        <source>File: %1 does not exist!</source>
        <translation>Arquivo: %1 não existe!</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>File not found.</source>
        <translation>Arquivo não encontrado.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>insufficient OGG Handles available.</source>
        <translation>Não há reprodutores OGG suficientes disponíveis.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standard OGG Files can not be 3d. File: %1</source>
        <translation>Arquivos OGG comuns não podem ser 3D. Arquivo: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+19"/>
        <source>Error.</source>
        <translation>Erro.</translation>
    </message>
    <message>
        <location filename="../sound/Sound.cpp" line="+28"/>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>O jogo não encontrou saída de som. Verifique a placa de som ou o servidor de som; o jogo continua sem som.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Erro no arquivo sounds.ini: parâmetro não reconhecido na linha %1</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1</source>
        <translation>Um arquivo wave com curinga precisa de um número de 1 a 3 dígitos depois do asterisco. Arquivo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in PlaySound</source>
        <translation>Erro ao tocar o som</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>%1 will not play.  Trying to use a stereo sound in a 3D buffer.</source>
        <translation>%1 não vai tocar.  Não é possível usar um som estéreo em um buffer 3D.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning </source>
        <translation>Aviso </translation>
    </message>
    <message>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>Standard MP3 Files can not be 3d. File: %1</source>
        <translation>Arquivos MP3 comuns não podem ser 3D. Arquivo: %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../speech/FRMTTS.cpp" line="+9"/>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Erro ao iniciar o leitor de tela ou a voz integrada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../speech/VoiceSettings.cpp" line="+134"/>
        <source>Error! </source>
        <translation>Erro! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>O leitor de tela parou de falar. A voz integrada fala no lugar dele; pressione F5 para escolher de novo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech</source>
        <extracomment>The title of the speech window: the speech output, not a language.</extracomment>
        <translation>Fala</translation>
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
        <translation>Use as setas para escolher a voz. Pressione Enter quando terminar.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No voices were found for the built-in voice.</source>
        <translation>Nenhuma voz foi encontrada para a voz integrada.</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Use as setas para ajustar a velocidade. Pressione Enter quando terminar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rate</source>
        <extracomment>The speaking rate of the built-in voice, said before its value.</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Use as setas para ajustar o volume. Pressione Enter quando terminar.</translation>
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
        <translation>Quer continuar a sua partida salva?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to go on with the saved game (not whether to save it).</extracomment>
        <translation>Partida salva</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location line="-10"/>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Pressione F1 para ajuda</translation>
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
        <translation>Um jogo da Korvel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By the Music Tunzle developers.</source>
        <translation>Pelos desenvolvedores do Music Tunzle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Erro ao copiar sample.mp3 para a pasta do jogador</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>A partida salva está danificada e não pode ser jogada. Uma nova partida vai começar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Não foi possível tocar a música %1 da sua partida salva. A sua partida salva continua guardada. Escolha uma música para uma nova partida.</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to save the game on quitting.</extracomment>
        <translation>Salvar a partida?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations</source>
        <extracomment>The title of the question after a solved puzzle.</extracomment>
        <translation>Parabéns</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Song Too Short</source>
        <extracomment>The title of the warning that a song has fewer tiles than the board needs.</extracomment>
        <translation>Música curta demais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music File to tunzle</source>
        <translation>Selecione o arquivo de música para o Tunzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape plays the sample song.</source>
        <translation>Esc toca a música de exemplo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Não foi possível tocar a música %1. Escolha outra música.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Não foi possível tocar a música %1. Escolha outra música, ou pressione Esc para voltar sem uma nova partida.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <extracomment>The start of a sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>A música é curta demais. Diminua a duração das peças, diminua o número de linhas e colunas, ou selecione uma música mais longa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Nenhuma partida. Pressione N para uma nova partida ou Q para sair.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New game</source>
        <extracomment>Said as a new game begins, before its size.</extracomment>
        <translation>Nova partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <extracomment>Said as a saved game goes on, before its size.</extracomment>
        <translation>Partida salva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 por %3. O cursor está na linha %4, coluna %5, a casa vazia na linha %6, coluna %7.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>Vazio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct</source>
        <extracomment>Said of a tile already part of the run in order (its place is right), before it plays.</extracomment>
        <translation>certo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong</source>
        <extracomment>Said of a tile not yet part of the run in order (its place is not yet right).</extracomment>
        <translation>errado</translation>
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
        <translation>Linha e coluna ligadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row and column off</source>
        <translation>Linha e coluna desligadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong on</source>
        <translation>Certo e errado ligados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong off</source>
        <translation>Certo e errado desligados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here.</source>
        <translation>Não há peça para marcar aqui.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Não há peça para marcar aqui. A marca foi removida.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n hour(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>uma hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>um minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location line="+33"/>
        <source>%n second(s)</source>
        <extracomment>A part of a time said aloud; also a tile length of whole seconds.</extracomment>
        <translation>
            <numerusform>um segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n second(s)</source>
        <comment>none</comment>
        <extracomment>No time yet: &quot;0 seconds&quot; (French and Brazilian Portuguese count 0 with 1, yet say no &quot;une&quot;/&quot;um&quot; for it).</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n move(s)</source>
        <extracomment>A count of moves said aloud.</extracomment>
        <translation>
            <numerusform>%n movimento</numerusform>
            <numerusform>%n movimentos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 by %1 with tiles of %2</source>
        <extracomment>%1 by %1 is the board&apos;s size; %2 the tile length in words, such as &quot;2 seconds&quot; or &quot;1.5 seconds&quot;.</extracomment>
        <translation>%1 por %1 com peças de %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n second(s)</source>
        <comment>fraction</comment>
        <extracomment>A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 of %n tiles in order, %2, %3.</source>
        <extracomment>%1 tiles in order of all %n tiles, then the moves and the time, each already in words.</extracomment>
        <translation>
            <numerusform>Peças em ordem: %1 de %n, %2, %3.</numerusform>
            <numerusform>Peças em ordem: %1 de %n, %2, %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your first result for %1: your best so far.</source>
        <translation>Primeiro resultado em %1: seu melhor até agora.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Would you like another game?</source>
        <translation>Quer jogar outra partida?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to save your game?</source>
        <translation>Quer salvar a sua partida?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the settings file %1</source>
        <translation>Não foi possível gravar o arquivo de configurações %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the saved game %1</source>
        <translation>Não foi possível gravar a partida salva %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Obrigado por jogar Music Tunzle! Um abraço da equipe do Music Tunzle. Visite a página do projeto Music Tunzle para obter novas versões e ajuda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Selecione a pasta da biblioteca de músicas escolhendo qualquer arquivo dessa pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape keeps the folder as it is.</source>
        <translation>Esc deixa a pasta como está.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music library folder %1</source>
        <translation>Pasta da biblioteca de músicas %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Speech Type</source>
        <translation>Selecione o tipo de fala</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No speech</source>
        <translation>Sem fala</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Screen reader</source>
        <translation>Leitor de tela</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Built-in voice</source>
        <translation>Voz integrada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select square size</source>
        <translation>Selecione o tamanho do tabuleiro</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Song tile duration in seconds</source>
        <translation>Duração das peças em segundos</translation>
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
        <translation>Resolvido com %1 em %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the fewest moves and the fastest time</source>
        <translation>o menor número de movimentos e o menor tempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fewest moves</source>
        <translation>o menor número de movimentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fastest time</source>
        <translation>o menor tempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best for %1: %2.</source>
        <translation>Novo melhor resultado em %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: menos movimentos, %2; menor tempo, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No best results yet.</source>
        <translation>Ainda não há melhores resultados.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>O som sumiu. O jogo espera que ele volte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sound is back.</source>
        <translation>O som voltou.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>As peças agora duram %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles stay %1 long.</source>
        <translation>As peças continuam durando %1.</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>The game goes on.</source>
        <translation>A partida continua.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the board.</source>
        <translation>De volta ao tabuleiro.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>A música é curta demais. Diminua a duração das peças, diminua o número de linhas e colunas, ou selecione um arquivo %1 mais longo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to choose another song?</source>
        <translation>Quer escolher outra música?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sound effects %1 percent.</source>
        <extracomment>F11 and F12 change the volume of the game&apos;s sounds (notes, bumps), not the song&apos;s; %1 is 0 to 100.</extracomment>
        <translation>Efeitos sonoros %1 por cento.</translation>
    </message>
</context>
<context>
    <name>time</name>
    <message>
        <location line="+37"/>
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
        <translation>Quer fazer um breve tutorial primeiro? Ele ensina o jogo uma tecla de cada vez, em um tabuleiro pequeno. T começa o tutorial de novo quando você quiser.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and three columns, with one square empty. You slide the tiles until the song plays in order. Each step waits for you. T says the step again, Escape leaves the tutorial.</source>
        <translation>Tutorial. Uma música é cortada em peças de um segundo, postas fora de ordem em um tabuleiro de três linhas e três colunas, com uma casa vazia. Você desliza as peças até a música tocar em ordem. Cada passo espera por você. T repete o passo, Esc sai do tutorial.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The cursor is on the top left square. The arrow keys move it: you hear the square&apos;s row and column, whether its tile is in order, then the tile. Press an arrow key.</source>
        <translation>O cursor está na casa do canto superior esquerdo. As setas movem o cursor: você ouve a linha e a coluna da casa, se a peça dela está no lugar certo, e depois a peça. Pressione uma seta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every square is the home of one piece of the song. Press O to hear the piece that belongs on the square under the cursor.</source>
        <translation>Cada casa é o lugar de um pedaço da música. Pressione O para ouvir o pedaço que pertence à casa sob o cursor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press B to hear where the empty square is.</source>
        <translation>Pressione B para ouvir onde está a casa vazia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press Control+B to go to the empty square.</source>
        <extracomment>Control+B: the keys as a player presses them, said aloud.</extracomment>
        <translation>Pressione Control+B para ir para a casa vazia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A tile beside the empty square slides into it. Move to a square next to the empty one and press Space.</source>
        <translation>Uma peça ao lado da casa vazia pode deslizar para dentro dela. Vá para uma casa vizinha à vazia e pressione a barra de espaço.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Space also slides several tiles at once, from two squares away in the empty square&apos;s row or column. The empty square is in the middle now, where nothing is two squares away: slide one tile first.</source>
        <translation>A barra de espaço também desliza várias peças de uma vez, a duas casas de distância na linha ou coluna da casa vazia. Agora a casa vazia está no meio, onde nada fica a duas casas: deslize uma peça primeiro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The cursor went with the empty square. Space also slides several tiles at once: go two squares away from the empty square, in its row or column, and press Space.</source>
        <translation>O cursor foi junto com a casa vazia. A barra de espaço também desliza várias peças de uma vez: vá para duas casas de distância da casa vazia, na linha ou coluna dela, e pressione a barra de espaço.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When a slide brings tiles home in order from the first, a note sounds for each tile that joins, then the tiles in order play. Press P to hear the tiles in order from the first.</source>
        <translation>Quando um deslizamento coloca peças em ordem a partir da primeira, toca uma nota para cada peça que entra, e depois tocam as peças em ordem. Pressione P para ouvir as peças em ordem a partir da primeira.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press E to go to the last tile in order.</source>
        <translation>Pressione E para ir para a última peça em ordem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press M to mark the tile under the cursor.</source>
        <translation>Pressione M para marcar a peça sob o cursor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, then press G to go back to it.</source>
        <translation>Sempre que você chega na peça marcada, o som da marca toca depois da peça. Saia dali com as setas e depois pressione G para voltar até ela.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press I to hear how many tiles are in order, your moves and your time.</source>
        <translation>Pressione I para ouvir quantas peças estão em ordem, os seus movimentos e o seu tempo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press U to take back your last slide.</source>
        <translation>Pressione U para desfazer o seu último deslizamento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now put the whole song in order. F plays the board from the first square to the last. Press H for a hint; after a minute without progress, a hint comes by itself.</source>
        <extracomment>H is the tutorial&apos;s hint key.</extracomment>
        <translation>Agora coloque a música inteira em ordem. F toca o tabuleiro da primeira casa até a última. Pressione H para uma dica; depois de um minuto sem progresso, uma dica vem sozinha.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Good.</source>
        <translation>Muito bem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not that key now.</source>
        <translation>Essa tecla não serve agora.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That beep means nothing can slide from there: only a tile in the empty square&apos;s row or column can.</source>
        <translation>Esse bipe quer dizer que nada pode deslizar dali: só uma peça na linha ou na coluna da casa vazia pode.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That slid one tile.</source>
        <translation>Isso deslizou uma peça.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: slide the tile on row %1, column %2.</source>
        <translation>Dica: deslize a peça da linha %1, coluna %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved! That was the song in order.</source>
        <translation>Resolvido! Essa era a música em ordem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial is over. Press T whenever you want to take it again.</source>
        <translation>O tutorial terminou. Pressione T sempre que quiser fazê-lo de novo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to leave the tutorial?</source>
        <translation>Quer sair do tutorial?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial goes on.</source>
        <translation>O tutorial continua.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sample song cannot be played, so the tutorial cannot start.</source>
        <translation>Não é possível tocar a música de exemplo, então o tutorial não pode começar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to your game.</source>
        <translation>De volta à sua partida.</translation>
    </message>
</context>
</TS>
