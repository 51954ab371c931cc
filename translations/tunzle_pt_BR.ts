<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
    </message>
    <message>
        <source>period</source>
        <translation>ponto</translation>
    </message>
    <message>
        <source>less</source>
        <translation>menor que</translation>
    </message>
    <message>
        <source>greater</source>
        <translation>maior que</translation>
    </message>
    <message>
        <source>question</source>
        <translation>interrogação</translation>
    </message>
    <message>
        <source>exclaim</source>
        <translation>exclamação</translation>
    </message>
    <message>
        <source>left parren</source>
        <translation>abre parêntese</translation>
    </message>
    <message>
        <source>right parren</source>
        <translation>fecha parêntese</translation>
    </message>
    <message>
        <source>dash</source>
        <translation>hífen</translation>
    </message>
    <message>
        <source>semi colan</source>
        <translation>ponto e vírgula</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>colan</source>
        <translation>dois pontos</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>aspas</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>abre colchete</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>fecha colchete</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>abre chave</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>fecha chave</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espaço</translation>
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
        <translation>cerquilha</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>cifrão</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por cento</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>circunflexo</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>e comercial</translation>
    </message>
    <message>
        <source>star</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>sublinhado</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>til</translation>
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
        <translation>selecionado</translation>
    </message>
    <message>
        <source>unselected</source>
        <translation>não selecionado</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta pasta está vazia.</translation>
    </message>
    <message>
        <source>Empty.</source>
        <translation>Vazio.</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Desmarcado</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>greyed</source>
        <translation>parcialmente marcado</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Setas para cima e para baixo para escolher, Enter para selecionar, Esc para cancelar.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help index</source>
        <translation>Índice da ajuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Erro ao carregar a ajuda.  Número do erro: %1, arquivo %2</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Erro! </translation>
    </message>
    <message>
        <source>Error in help data. </source>
        <translation>Erro nos dados da ajuda. </translation>
    </message>
    <message>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Erro no arquivo de ajuda ao carregar as linhas de índice abaixo de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help. %1</source>
        <translation>Ajuda. %1</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Botão Fechar</translation>
    </message>
    <message>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Texto da ajuda, vazio. Escolha primeiro um tópico no índice.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AJUDA</translation>
    </message>
    <message>
        <source>End of the topic.</source>
        <translation>Fim do tópico.</translation>
    </message>
    <message>
        <source>Start of the topic.</source>
        <translation>Início do tópico.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Repeat Message</source>
        <translation>Repetir mensagem</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>nome do arquivo</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key.</extracomment>
        <translation>Excluir Delete</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>No filename was entered as new filename.</source>
        <translation>Nenhum nome de arquivo foi digitado como novo nome.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
    <message>
        <source>File %1 already exists.</source>
        <translation>O arquivo %1 já existe.</translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation>O arquivo %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation>Pasta %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>File: %1 does not exist!</source>
        <translation>Arquivo: %1 não existe!</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Arquivo não encontrado.</translation>
    </message>
    <message>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>O jogo não encontrou saída de som. Verifique a placa de som ou o servidor de som; o jogo continua sem som.</translation>
    </message>
    <message>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Erro no arquivo sounds.ini: parâmetro não reconhecido na linha %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Erro ao iniciar o leitor de tela ou a voz integrada.</translation>
    </message>
    <message>
        <source>Error! </source>
        <translation>Erro! </translation>
    </message>
    <message>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>O leitor de tela parou de falar. A voz integrada fala no lugar dele; pressione F5 para escolher de novo.</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Voz %1</translation>
    </message>
    <message>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Use as setas para escolher a voz. Pressione Enter quando terminar.</translation>
    </message>
    <message>
        <source>No voices were found for the built-in voice.</source>
        <translation>Nenhuma voz foi encontrada para a voz integrada.</translation>
    </message>
    <message>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Use as setas para ajustar a velocidade. Pressione Enter quando terminar.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Use as setas para ajustar o volume. Pressione Enter quando terminar.</translation>
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
        <translation>Music Tunzle   Pressione F1 para ajuda</translation>
    </message>
    <message>
        <source>Music Tunzle.</source>
        <translation>Music Tunzle.</translation>
    </message>
    <message>
        <source>A Korvel Game.</source>
        <extracomment>The game&apos;s maker, a name: keep it.</extracomment>
        <translation>Um jogo da Korvel.</translation>
    </message>
    <message>
        <source>By the Music Tunzle developers.</source>
        <translation>Pelos desenvolvedores do Music Tunzle.</translation>
    </message>
    <message>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Erro ao copiar sample.mp3 para a pasta do jogador</translation>
    </message>
    <message>
        <source>Would you like to play your saved game?</source>
        <translation>Quer jogar o seu jogo salvo?</translation>
    </message>
    <message>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>O jogo salvo está danificado e não pode ser jogado. Um novo jogo vai começar.</translation>
    </message>
    <message>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Não foi possível tocar a música %1 do seu jogo salvo. O seu jogo salvo continua guardado. Escolha uma música para um novo jogo.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Salvar o jogo?</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Song Too Short</source>
        <translation>Música curta demais</translation>
    </message>
    <message>
        <source>Select Music File to tunzle</source>
        <translation>Selecione o arquivo de música para o Tunzle</translation>
    </message>
    <message>
        <source>Escape plays the sample song.</source>
        <translation>Esc toca a música de exemplo.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Não foi possível tocar a música %1. Escolha outra música.</translation>
    </message>
    <message>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Não foi possível tocar a música %1. Escolha outra música, ou pressione Esc para voltar sem um novo jogo.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <translation>a música é curta demais. Diminua a duração das peças, diminua o número de linhas e colunas, ou selecione uma música mais longa.</translation>
    </message>
    <message>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Nenhum jogo. Pressione N para um novo jogo ou Q para sair.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Jogo salvo</translation>
    </message>
    <message>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 por %3. O cursor está na linha %4, coluna %5, a casa vazia na linha %6, coluna %7.</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>certo</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errado</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A square&apos;s row, then its column.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Row and column on</source>
        <translation>Linha e coluna ligadas</translation>
    </message>
    <message>
        <source>Row and column off</source>
        <translation>Linha e coluna desligadas</translation>
    </message>
    <message>
        <source>Correct and wrong on</source>
        <translation>Certo e errado ligados</translation>
    </message>
    <message>
        <source>Correct and wrong off</source>
        <translation>Certo e errado desligados</translation>
    </message>
    <message>
        <source>No tile to mark here.</source>
        <translation>Não há peça para marcar aqui.</translation>
    </message>
    <message>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Não há peça para marcar aqui. A marca foi removida.</translation>
    </message>
    <message>
        <source>Would you like another game?</source>
        <translation>Quer jogar outra partida?</translation>
    </message>
    <message>
        <source>Would you like to save your game?</source>
        <translation>Quer salvar o seu jogo?</translation>
    </message>
    <message>
        <source>Could not write the settings file %1</source>
        <translation>Não foi possível gravar o arquivo de configurações %1</translation>
    </message>
    <message>
        <source>Could not write the saved game %1</source>
        <translation>Não foi possível gravar o jogo salvo %1</translation>
    </message>
    <message>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Obrigado por jogar Music Tunzle, dos desenvolvedores do Music Tunzle. Visite a página do projeto Music Tunzle para obter novas versões e ajuda.</translation>
    </message>
    <message>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Selecione a pasta da biblioteca de músicas escolhendo qualquer arquivo dessa pasta</translation>
    </message>
    <message>
        <source>Escape keeps the folder as it is.</source>
        <translation>Esc deixa a pasta como está.</translation>
    </message>
    <message>
        <source>Music library folder %1</source>
        <translation>Pasta da biblioteca de músicas %1</translation>
    </message>
    <message>
        <source>Select Speech Type</source>
        <translation>Selecione o tipo de fala</translation>
    </message>
    <message>
        <source>No speech</source>
        <translation>Sem fala</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>Leitor de tela</translation>
    </message>
    <message>
        <source>Built-in voice</source>
        <translation>Voz integrada</translation>
    </message>
    <message>
        <source>Select square size</source>
        <translation>Selecione o tamanho do tabuleiro</translation>
    </message>
    <message>
        <source>Song tile duration in seconds</source>
        <translation>Duração das peças em segundos</translation>
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
        <translation>%1 movimento</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 movimentos</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 second</source>
        <extracomment>%1 by %1 is the board&apos;s size, %2 the tile length in seconds.</extracomment>
        <translation>%1 por %1 com peças de %2 segundo</translation>
    </message>
    <message>
        <source>%1 by %1 with tiles of %2 seconds</source>
        <translation>%1 por %1 com peças de %2 segundos</translation>
    </message>
    <message>
        <source>%1 of %2 tiles in order, %3, %4.</source>
        <extracomment>Tiles in order of all the tiles, then the moves and the time, each already in words.</extracomment>
        <translation>%1 de %2 peças em ordem, %3, %4.</translation>
    </message>
    <message>
        <source>Solved in %1 and %2.</source>
        <translation>Resolvido com %1 em %2.</translation>
    </message>
    <message>
        <source>the fewest moves and the fastest time</source>
        <translation>o menor número de movimentos e o menor tempo</translation>
    </message>
    <message>
        <source>the fewest moves</source>
        <translation>o menor número de movimentos</translation>
    </message>
    <message>
        <source>the fastest time</source>
        <translation>o menor tempo</translation>
    </message>
    <message>
        <source>Your first result for %1: your best so far.</source>
        <translation>Primeiro resultado em %1: seu melhor até agora.</translation>
    </message>
    <message>
        <source>Your best for %1: %2.</source>
        <translation>Novo melhor resultado em %1: %2.</translation>
    </message>
    <message>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: mínimo de %2, menor tempo de %3.</translation>
    </message>
    <message>
        <source>No best results yet.</source>
        <translation>Ainda não há melhores resultados.</translation>
    </message>
    <message>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>O som sumiu. O jogo espera que ele volte.</translation>
    </message>
    <message>
        <source>The sound is back.</source>
        <translation>O som voltou.</translation>
    </message>
    <message>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>As peças agora duram %1.</translation>
    </message>
    <message>
        <source>Tiles stay %1 long.</source>
        <translation>As peças continuam durando %1.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>O jogo continua.</translation>
    </message>
    <message>
        <source>Back to the board.</source>
        <translation>De volta ao tabuleiro.</translation>
    </message>
    <message>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC.</extracomment>
        <translation>a música é curta demais. Diminua a duração das peças, diminua o número de linhas e colunas, ou selecione um arquivo %1 mais longo.</translation>
    </message>
    <message>
        <source>Would you like to choose another song?</source>
        <translation>Quer escolher outra música?</translation>
    </message>
</context>
</TS>
