<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Characters</name>
    <message>
        <location filename="../speech/CharacterTable.cpp" line="+18"/>
        <source>comma</source>
        <extracomment>The characters a voice reads by name when a typed key is said: here a comma.</extracomment>
        <translation>запятая</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <extracomment>The character . read aloud (a full stop).</extracomment>
        <translation>точка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>косая черта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>less</source>
        <extracomment>The character &lt; read aloud (a less-than sign).</extracomment>
        <translation>меньше</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greater</source>
        <extracomment>The character &gt; read aloud (a greater-than sign).</extracomment>
        <translation>больше</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>question</source>
        <translation>вопросительный знак</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exclaim</source>
        <translation>восклицательный знак</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>собака</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>number sign</source>
        <translation>решётка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar</source>
        <translation>доллар</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent</source>
        <translation>процент</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>крышка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>амперсанд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>звёздочка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left parren</source>
        <extracomment>The character ( read aloud (an opening parenthesis).</extracomment>
        <translation>открывающая скобка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right parren</source>
        <extracomment>The character ) read aloud (a closing parenthesis).</extracomment>
        <translation>закрывающая скобка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>подчёркивание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grave accent</source>
        <translation>обратный апостроф</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>тильда</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dash</source>
        <extracomment>The character - read aloud (a hyphen or minus).</extracomment>
        <translation>дефис</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals</source>
        <translation>равно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semi colan</source>
        <extracomment>The character ; read aloud (a semicolon).</extracomment>
        <translation>точка с запятой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>apostrophe</source>
        <translation>апостроф</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>colan</source>
        <extracomment>The character : read aloud (a colon).</extracomment>
        <translation>двоеточие</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quote</source>
        <extracomment>The character &quot; read aloud (a double quotation mark).</extracomment>
        <translation>кавычка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>открывающая квадратная скобка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>закрывающая квадратная скобка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>открывающая фигурная скобка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>закрывающая фигурная скобка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>space</source>
        <translation>пробел</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back slash</source>
        <translation>обратная косая черта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>вертикальная черта</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="+157"/>
        <source>selected</source>
        <extracomment>Said of an option button (one of a group) that is chosen; &quot;unselected&quot; when it is not.</extracomment>
        <translation>выбрано</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unselected</source>
        <translation>не выбрано</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This folder is empty.</source>
        <translation>Эта папка пуста.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Empty.</source>
        <extracomment>Said of a list with nothing in it.</extracomment>
        <translation>Пусто.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+166"/>
        <source>Unchecked</source>
        <extracomment>Said of a check box that is not ticked; &quot;checked&quot; when it is, &quot;greyed&quot; when partly.
----------
Said when a check box is toggled: now ticked (&quot;Unchecked&quot; when no longer).</extracomment>
        <translation>Не отмечено</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>checked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>greyed</source>
        <extracomment>A check box that is neither checked nor unchecked (partly checked).</extracomment>
        <translation>частично отмечено</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>Checked</source>
        <translation>Отмечено</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select</source>
        <extracomment>The title of a pick list&apos;s window: choose one item.</extracomment>
        <translation>Выбрать</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../dialogs/SelectFile.cpp" line="+239"/>
        <source>OK</source>
        <extracomment>The buttons of a pick list: take the choice, or leave it.</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../dialogs/SelectFile.cpp" line="+2"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up and Down to choose, Enter to select, Escape to cancel.</source>
        <translation>Стрелки вверх и вниз для выбора, Enter чтобы выбрать, Escape для отмены.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../help/FRMHelp.cpp" line="+58"/>
        <source>Help index</source>
        <translation>Оглавление справки</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Close</source>
        <extracomment>The help window&apos;s close button; &amp; marks the letter Alt takes (keep it unlike other keys).</extracomment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <extracomment>The close button&apos;s name as a screen reader says it.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Error loading help.  Error number :%1 file %2</source>
        <translation>Ошибка загрузки справки.  Номер ошибки: %1, файл %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+32"/>
        <source>Error! </source>
        <translation>Ошибка! </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Error in help data. </source>
        <translation>Ошибка в данных справки. </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Help file error loading indexes subordinate to %1</source>
        <translation>Ошибка файла справки при загрузке пунктов раздела %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>The title of a message about the help.</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Help. %1</source>
        <extracomment>Said when the help opens: the window, then %1, the index line selected.</extracomment>
        <translation>Справка. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close button</source>
        <extracomment>Said when the focus reaches the close button.</extracomment>
        <translation>Кнопка Закрыть</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Help text, empty. Choose a topic in the index first.</source>
        <translation>Текст справки, пусто. Сначала выберите тему в оглавлении.</translation>
    </message>
    <message>
        <location line="-252"/>
        <source>HELP</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <location line="+338"/>
        <location line="+21"/>
        <source>End of the topic.</source>
        <translation>Конец темы.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the topic.</source>
        <translation>Начало темы.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <location filename="../dialogs/GenProcs.cpp" line="-157"/>
        <source>Ok</source>
        <translation>Хорошо</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes</source>
        <extracomment>Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.</extracomment>
        <translation>Да</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <extracomment>Answer buttons as above: &quot;yes&quot; with &quot;No&quot;, the safe answer; &quot;no&quot; with &quot;Yes&quot; and &quot;Cancel&quot;.</extracomment>
        <translation>да</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Repeat Message</source>
        <extracomment>The button that says the question of a message box again.</extracomment>
        <translation>Повторить сообщение</translation>
    </message>
</context>
<context>
    <name>SelectFile</name>
    <message>
        <location line="+137"/>
        <source>folder</source>
        <extracomment>Said after a folder&apos;s name in the song selector.</extracomment>
        <translation>папка</translation>
    </message>
    <message>
        <location filename="../dialogs/SelectFile.cpp" line="+21"/>
        <location line="+79"/>
        <source>Error</source>
        <extracomment>The title of a message box about a file that cannot be used.</extracomment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>filename</source>
        <extracomment>The label of the box where a file name is typed.</extracomment>
        <translation>имя файла</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File name</source>
        <extracomment>The name of the box where a file name is typed, as a screen reader says it.</extracomment>
        <translation>Имя файла</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Del</source>
        <extracomment>A button: what it does, then its key. The delete button&apos;s caption: the word, then the name of the key that deletes (Del).</extracomment>
        <translation>Удалить Delete</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <source>Delete</source>
        <extracomment>The delete button&apos;s name as a screen reader says it; also the title of the question whether to delete a song.</extracomment>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No filename was entered as new filename.</source>
        <translation>Новое имя файла не введено.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not found.</source>
        <extracomment>%1 is the name of a file or folder that was typed.</extracomment>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File %1 already exists.</source>
        <translation>Файл %1 уже существует.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File %1 not found.</source>
        <translation>Файл %1 не найден.</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>Folder %1</source>
        <translation>Папка %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../sound/OggPlayers.cpp" line="+75"/>
        <source>OGG DLL is missing.</source>
        <translation>Нет библиотеки OGG.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../sound/SongPlayers.cpp" line="+82"/>
        <source>File: %1 does not exist!</source>
        <translation>Файл %1 не существует!</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>File not found.</source>
        <translation>Файл не найден.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>insufficient OGG Handles available.</source>
        <translation>Недостаточно свободных проигрывателей OGG.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standard OGG Files can not be 3d. File: %1</source>
        <translation>Обычные файлы OGG не могут быть объёмными. Файл: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../sound/SongPlayers.cpp" line="+19"/>
        <source>Error.</source>
        <translation>Ошибка.</translation>
    </message>
    <message>
        <location filename="../sound/Sound.cpp" line="+28"/>
        <source>The game found no sound output. Check the sound card or the sound server; the game goes on without sound.</source>
        <translation>Игра не нашла звукового выхода. Проверьте звуковую карту или звуковой сервер; игра продолжается без звука.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Error in sounds.ini file - unrecognized parameter in line %1</source>
        <translation>Ошибка в файле sounds.ini: неизвестный параметр в строке %1</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1</source>
        <translation>После звёздочки в имени звукового файла должно быть число из 1–3 цифр. Файл: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in PlaySound</source>
        <translation>Ошибка воспроизведения звука</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>%1 will not play.  Trying to use a stereo sound in a 3D buffer.</source>
        <translation>%1 не будет воспроизведён.  Стереозвук нельзя использовать в объёмном буфере.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning </source>
        <translation>Предупреждение </translation>
    </message>
    <message>
        <location filename="../sound/SongPlayers.cpp" line="+0"/>
        <source>Standard MP3 Files can not be 3d. File: %1</source>
        <translation>Обычные файлы MP3 не могут быть объёмными. Файл: %1</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../speech/FRMTTS.cpp" line="+9"/>
        <source>Error starting the screen reader or the built-in voice.</source>
        <translation>Ошибка запуска программы чтения с экрана или встроенного голоса.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../speech/VoiceSettings.cpp" line="+134"/>
        <source>Error! </source>
        <translation>Ошибка! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The screen reader stopped speaking. The built-in voice speaks instead; press F5 to choose again.</source>
        <translation>Программа чтения с экрана перестала говорить. Вместо неё говорит встроенный голос; нажмите F5, чтобы выбрать снова.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech</source>
        <extracomment>The title of the speech window: the speech output, not a language.</extracomment>
        <translation>Речь</translation>
    </message>
    <message>
        <location filename="../speech/VoiceSettings.cpp" line="-100"/>
        <source>Voice %1</source>
        <extracomment>A voice without a name: %1 is its number.</extracomment>
        <translation>Голос %1</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Use the arrows  to select voice. Press Enter when done.</source>
        <translation>Выберите голос стрелками. Нажмите Enter, когда закончите.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No voices were found for the built-in voice.</source>
        <translation>Для встроенного голоса не найдено ни одного голоса.</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Use the arrows to adjust rate. Press Enter when done.</source>
        <translation>Настройте скорость стрелками. Нажмите Enter, когда закончите.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rate</source>
        <extracomment>The speaking rate of the built-in voice, said before its value.</extracomment>
        <translation>Скорость</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the arrows to adjust volume. Press Enter when done.</source>
        <translation>Настройте громкость стрелками. Нажмите Enter, когда закончите.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume</source>
        <extracomment>The loudness of the built-in voice, said before its value.</extracomment>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>resume</name>
    <message>
        <location filename="../core/Texts.cpp" line="+21"/>
        <source>Would you like to play your saved game?</source>
        <translation>Хотите продолжить сохранённую игру?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to go on with the saved game (not whether to save it).</extracomment>
        <translation>Сохранённая игра</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location line="-10"/>
        <source>Music Tunzle   Press F1 for Help</source>
        <extracomment>The window&apos;s caption; the game&apos;s name stays as it is.</extracomment>
        <translation>Music Tunzle   Справка: F1</translation>
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
        <translation>Игра от Korvel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By the Music Tunzle developers.</source>
        <translation>От разработчиков Music Tunzle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error copying sample.mp3 to user&apos;s game folder</source>
        <translation>Ошибка копирования sample.mp3 в папку игрока</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The saved game is damaged and cannot be played. A new game starts.</source>
        <translation>Сохранённая игра повреждена, и её нельзя продолжить. Начинается новая игра.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.</source>
        <translation>Не удалось воспроизвести песню %1 из сохранённой игры. Сохранённая игра сохранена. Выберите песню для новой игры.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <extracomment>Titles of message boxes, said before their message.</extracomment>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Game?</source>
        <extracomment>The title of the question whether to save the game on quitting.</extracomment>
        <translation>Сохранить игру?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations</source>
        <extracomment>The title of the question after a solved puzzle.</extracomment>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Song Too Short</source>
        <extracomment>The title of the warning that a song has fewer tiles than the board needs.</extracomment>
        <translation>Песня слишком короткая</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music File to tunzle</source>
        <translation>Выберите музыкальный файл для головоломки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape plays the sample song.</source>
        <translation>По Escape игра возьмёт песню-образец.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The song %1 could not be played. Please choose another song.</source>
        <translation>Не удалось воспроизвести песню %1. Выберите другую песню.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The song %1 could not be played. Please choose another song, or press Escape to go back without a new game.</source>
        <translation>Не удалось воспроизвести песню %1. Выберите другую песню или нажмите Escape, чтобы вернуться без новой игры.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.</source>
        <extracomment>The start of a sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>Песня слишком короткая. Уменьшите длину фишек, уменьшите число строк и столбцов или выберите более длинный MP3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No game. Press N for a new game or Q to quit.</source>
        <translation>Игры нет. Нажмите N для новой игры или Q для выхода.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New game</source>
        <extracomment>Said as a new game begins, before its size.</extracomment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <extracomment>Said as a saved game goes on, before its size.</extracomment>
        <translation>Сохранённая игра</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7.</source>
        <extracomment>%1 is &quot;New game&quot; or &quot;Saved game&quot;; %2 by %3 the board&apos;s size.</extracomment>
        <translation>%1, %2 на %3. Курсор в строке %4, столбце %5, пустая клетка в строке %6, столбце %7.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound effects %1 percent.</source>
        <extracomment>F11 and F12 change the volume of the game&apos;s sounds (notes, bumps), not the song&apos;s; %1 is 0 to 100.</extracomment>
        <translation>Звуковые эффекты: %1 из 100.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Space</source>
        <extracomment>Said of the empty square when &quot;correct&quot; and &quot;wrong&quot; are on.</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>correct</source>
        <extracomment>Said of a tile already part of the run in order (its place is right), before it plays.</extracomment>
        <translation>верно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong</source>
        <extracomment>Said of a tile not yet part of the run in order (its place is not yet right).</extracomment>
        <translation>неверно</translation>
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
        <translation>Строка и столбец включены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row and column off</source>
        <translation>Строка и столбец выключены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong on</source>
        <translation>Верно и неверно включены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct and wrong off</source>
        <translation>Верно и неверно выключены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here.</source>
        <translation>Здесь нет фишки для отметки.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No tile to mark here. The mark is removed.</source>
        <translation>Здесь нет фишки для отметки. Отметка снята.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n hour(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <extracomment>A part of a time said aloud.</extracomment>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location line="+33"/>
        <source>%n second(s)</source>
        <extracomment>A part of a time said aloud; also a tile length of whole seconds.</extracomment>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n second(s)</source>
        <comment>none</comment>
        <extracomment>No time yet: &quot;0 seconds&quot; (French and Brazilian Portuguese count 0 with 1, yet say no &quot;une&quot;/&quot;um&quot; for it).</extracomment>
        <translation>
            <numerusform>%n секунд</numerusform>
            <numerusform>%n секунд</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n move(s)</source>
        <extracomment>A count of moves said aloud.</extracomment>
        <translation>
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 by %1 with tiles of %2</source>
        <extracomment>%1 by %1 is the board&apos;s size; %2 the tile length in words, such as &quot;2 seconds&quot; or &quot;1.5 seconds&quot;.</extracomment>
        <translation>%1 на %1, длина фишек %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%n second(s)</source>
        <comment>fraction</comment>
        <extracomment>A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).</extracomment>
        <translation>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунды</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%1 of %n tiles in order, %2, %3.</source>
        <extracomment>%1 tiles in order of all %n tiles, then the moves and the time, each already in words.</extracomment>
        <translation>
            <numerusform>На своих местах: %1 из %n фишки, %2, %3.</numerusform>
            <numerusform>На своих местах: %1 из %n фишек, %2, %3.</numerusform>
            <numerusform>На своих местах: %1 из %n фишек, %2, %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your first result for %1: your best so far.</source>
        <translation>Ваш первый результат для поля %1: пока ваш лучший.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Would you like another game?</source>
        <translation>Хотите сыграть ещё?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to save your game?</source>
        <translation>Хотите сохранить игру?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the settings file %1</source>
        <translation>Не удалось записать файл настроек %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the saved game %1</source>
        <translation>Не удалось записать сохранённую игру %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help.</source>
        <translation>Спасибо, что играли в Music Tunzle! Разработчики Music Tunzle благодарят вас. Новые версии и помощь — на странице проекта Music Tunzle.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Music Library Folder by Selecting Any File from that Folder</source>
        <translation>Выберите папку музыки, выбрав любой файл в этой папке</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Escape keeps the folder as it is.</source>
        <translation>Escape оставляет папку как есть.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music library folder %1</source>
        <translation>Папка музыки %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Speech Type</source>
        <translation>Выберите тип речи</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No speech</source>
        <translation>Без речи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Screen reader</source>
        <translation>Программа чтения с экрана</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Built-in voice</source>
        <translation>Встроенный голос</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select square size</source>
        <translation>Выберите размер поля</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Song tile duration in seconds</source>
        <translation>Длина фишек в секундах</translation>
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
        <translation>Собрано за %1, время: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the fewest moves and the fastest time</source>
        <translation>наименьшее число ходов и лучшее время</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fewest moves</source>
        <translation>наименьшее число ходов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the fastest time</source>
        <translation>лучшее время</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your best for %1: %2.</source>
        <translation>Ваш рекорд для поля %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: fewest moves %2, fastest %3.</source>
        <translation>%1: наименьшее число ходов %2, лучшее время %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No best results yet.</source>
        <translation>Лучших результатов пока нет.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The sound is gone. The game waits for it to come back.</source>
        <translation>Звук пропал. Игра ждёт, пока он вернётся.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sound is back.</source>
        <translation>Звук вернулся.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Tiles are now %1 long.</source>
        <extracomment>%1 is a length in words, such as &quot;2.5 seconds&quot;.</extracomment>
        <translation>Теперь длина фишек: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles stay %1 long.</source>
        <translation>Длина фишек остаётся: %1.</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>The game goes on.</source>
        <translation>Игра продолжается.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the board.</source>
        <translation>Снова на поле.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1.</source>
        <extracomment>%1 is the song&apos;s format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.</extracomment>
        <translation>Песня слишком короткая. Уменьшите длину фишек, уменьшите число строк и столбцов или выберите более длинный файл %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to choose another song?</source>
        <translation>Хотите выбрать другую песню?</translation>
    </message>
</context>
<context>
    <name>time</name>
    <message>
        <location line="+51"/>
        <source>%1 %2</source>
        <extracomment>Joins the two parts of a time, such as &quot;2 minutes&quot; and &quot;4 seconds&quot; (English says them side by side).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 %3</source>
        <extracomment>Joins the three parts of a time: hours, minutes and seconds (English says them side by side).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>tutorial</name>
    <message>
        <location line="+110"/>
        <source>Tutorial</source>
        <extracomment>The title of the tutorial&apos;s questions.</extracomment>
        <translation>Обучение</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Would you like a short tutorial first? It teaches the game one key at a time on a small board. T starts it again whenever you like.</source>
        <extracomment>Asked once, at the first start. T is the key that starts the tutorial.</extracomment>
        <translation>Хотите сначала пройти короткое обучение? Оно знакомит с игрой по одной клавише за раз на маленьком поле. Клавиша T снова запускает его в любое время.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and three columns, with one square empty. You slide the tiles until the song plays in order. Each step waits for you. T says the step again, Escape leaves the tutorial.</source>
        <translation>Обучение. Песня разрезана на фишки по одной секунде, они лежат не по порядку на поле из трёх строк и трёх столбцов, одна клетка пустая. Вы сдвигаете фишки, пока песня не зазвучит по порядку. Каждый шаг ждёт вас. T повторяет шаг, Escape завершает обучение.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The cursor is on the top left square. The arrow keys move it: you hear the square&apos;s row and column, whether its tile is in order, then the tile. Press an arrow key.</source>
        <translation>Курсор на левой верхней клетке. Стрелки перемещают его: вы слышите строку и столбец клетки, на своём ли месте её фишка, а затем саму фишку. Нажмите стрелку.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every square is the home of one piece of the song. Press O to hear the piece that belongs on the square under the cursor.</source>
        <translation>У каждого кусочка песни есть своя клетка. Нажмите O, чтобы услышать кусочек, который должен стоять на клетке под курсором.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press B to hear where the empty square is.</source>
        <translation>Нажмите B, чтобы услышать, где пустая клетка.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press Control+B to go to the empty square.</source>
        <extracomment>Control+B: the keys as a player presses them, said aloud.</extracomment>
        <translation>Нажмите Ctrl+B, чтобы перейти на пустую клетку.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A tile beside the empty square slides into it. Move to a square next to the empty one and press Space.</source>
        <translation>Фишку рядом с пустой клеткой можно сдвинуть в неё. Перейдите на клетку рядом с пустой и нажмите пробел.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Space also slides several tiles at once, from two squares away in the empty square&apos;s row or column. The empty square is in the middle now, where nothing is two squares away: slide one tile first.</source>
        <translation>Пробел сдвигает и несколько фишек сразу, если встать через клетку от пустой, в её строке или столбце. Сейчас пустая клетка в середине, и через клетку от неё ничего нет: сначала сдвиньте одну фишку.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The cursor went with the empty square. Space also slides several tiles at once: go two squares away from the empty square, in its row or column, and press Space.</source>
        <translation>Курсор переместился вместе с пустой клеткой. Пробел сдвигает и несколько фишек сразу: встаньте через клетку от пустой, в её строке или столбце, и нажмите пробел.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When a slide brings tiles home in order from the first, a note sounds for each tile that joins, then the tiles in order play. Press P to hear the tiles in order from the first.</source>
        <translation>Когда сдвиг ставит фишки на свои места по порядку начиная с первой, за каждую присоединившуюся фишку звучит нота, а затем звучит собранный ряд. Нажмите P, чтобы услышать собранный ряд с первой фишки.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press E to go to the last tile in order.</source>
        <translation>Нажмите E, чтобы перейти к последней фишке собранного ряда.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press M to mark the tile under the cursor.</source>
        <translation>Нажмите M, чтобы отметить фишку под курсором.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, then press G to go back to it.</source>
        <translation>Когда вы попадаете на отмеченную фишку, после неё звучит звук отметки. Отойдите стрелками, затем нажмите G, чтобы вернуться к ней.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press I to hear how many tiles are in order, your moves and your time.</source>
        <translation>Нажмите I, чтобы услышать, сколько фишек на своих местах, ваши ходы и время.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press U to take back your last slide.</source>
        <translation>Нажмите U, чтобы отменить последний сдвиг.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now put the whole song in order. F plays the board from the first square to the last. Press H for a hint; after a minute without progress, a hint comes by itself.</source>
        <extracomment>H is the tutorial&apos;s hint key.</extracomment>
        <translation>Теперь соберите всю песню по порядку. F проигрывает поле от первой клетки до последней. Нажмите H для подсказки; если минуту нет продвижения, подсказка прозвучит сама.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Good.</source>
        <translation>Хорошо.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not that key now.</source>
        <translation>Сейчас нужна другая клавиша.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That beep means nothing can slide from there: only a tile in the empty square&apos;s row or column can.</source>
        <translation>Этот сигнал значит, что отсюда ничего не сдвинуть: сдвинуть можно только фишку в строке или столбце пустой клетки.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That slid one tile.</source>
        <translation>Сдвинулась одна фишка.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint: slide the tile on row %1, column %2.</source>
        <translation>Подсказка: сдвиньте фишку в строке %1, столбце %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solved! That was the song in order.</source>
        <translation>Собрано! Это была песня по порядку.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial is over. Press T whenever you want to take it again.</source>
        <translation>Обучение закончено. Нажмите T, когда захотите пройти его снова.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would you like to leave the tutorial?</source>
        <translation>Хотите выйти из обучения?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The tutorial goes on.</source>
        <translation>Обучение продолжается.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The sample song cannot be played, so the tutorial cannot start.</source>
        <translation>Песню-образец не удаётся воспроизвести, поэтому обучение не может начаться.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to your game.</source>
        <translation>Возвращаемся к вашей игре.</translation>
    </message>
</context>
</TS>
