<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Белые: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Чёрные: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>нет шашек</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>шашки %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>нет дамок</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>дамки %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Ход белых.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Ход чёрных.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Последний ход: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Официальные правила</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Прервать ход компьютера. Вы уверены?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> или </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>так не записывается ни один допустимый ход</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>«%1» — не ход: пишите так: c3-d4 или 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>«%1» — не ход: пишите так: c3-d4 или c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>На %1 нет шашки</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Ход белых</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Ход чёрных</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>Шашка не может пойти туда</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>Бить обязательно: бить должна %1</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>У этой шашки нет допустимого хода</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Пожалуйста, укажите весь путь хода.
См. также руководство (на английском) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Пожалуйста, укажите путь хода.
См. также руководство (на английском) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Игрок 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Игрок 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Пожалуйста, введите другое имя (БЕЛЫЕ)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Пожалуйста, введите другое имя (ЧЁРНЫЕ)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Пожалуйста, введите имена (БЕЛЫЕ И ЧЁРНЫЕ)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Пожалуйста, введите имя (БЕЛЫЕ)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Пожалуйста, введите имя (ЧЁРНЫЕ)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Партия окончена.
Белые выиграли.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Партия окончена.
Чёрные выиграли.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Партия окончена.
За последние 15 ходов не было взятий.
Ничья</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Достигнуто наибольшее число ходов.
Игра окончена.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>выигрыш за %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>проигрыш за %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>ничья</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Белые выиграли</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Чёрные выиграли</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Ничья</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Белые выигрывают за %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Чёрные выигрывают за %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Белая шашка стоит на поле превращения в дамку, на %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Чёрная шашка стоит на поле превращения в дамку, на %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Белая шашка стоит на %1, куда белые шашки никогда не попадают.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Чёрная шашка стоит на %1, куда чёрные шашки никогда не попадают.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>У белых нет ни одной шашки.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>У чёрных нет ни одной шашки.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Шашек у белых: %1; партия в варианте «%2» начинается с %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Шашек у чёрных: %1; партия в варианте «%2» начинается с %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Взятие</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Ошибка</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Ход</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Превращение</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Расстановка позиции</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>Эксперт разбирает партию</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Партия окончена: белые выиграли</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Партия окончена: чёрные выиграли</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Партия окончена: ничья</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>Партия остановлена</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Партия не идёт</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>Компьютер думает</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>Компьютер думает (глубина %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Ожидание хода соперника</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>Пауза</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Подсказка: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Белые должны бить</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Чёрные должны бить</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Ход белых</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Ход чёрных</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Пожалуйста, введите своё имя.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Пожалуйста, введите IP-адрес сервера.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Пожалуйста, введите порт сервера.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Номер порта должен быть не меньше 1024.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Номер порта должен быть не больше 65535.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>Движок не играет в этот вариант:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>Движок сообщил об ошибке:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>Движок закрыт.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>Движок сделал ход, который здесь не разрешён:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Соперник слишком долго не отвечает. Соединение потеряно.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Соединение потеряно. Ошибка отправки данных.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Соединение потеряно. Ошибка приёма данных.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>Сервер прислал партию, которую нельзя прочитать. Соединение потеряно.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>Ход соперника недопустим. Партия отменена.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>Партия отменена</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Соперник изменил партию. Продолжить?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Соперник покинул партию. Соединение потеряно.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Прервать отправку. Вы уверены?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Прервать приём. Вы уверены?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Не удалось создать сокет</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Не удалось привязать сокет</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Не удалось слушать сокет</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Компьютер</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>ожидалось: %1, найдено: %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>поле %1 указано дважды</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>ожидалось поле или диапазон вида 1-12, найдено: %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>ожидалось W или B перед списком полей, найдено: %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: в начале ожидалась сторона, чей ход, W или B, найдено: %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: цвет %1 указан дважды</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, поле %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>поле от a1 до %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>номер поля от 1 до %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>строка %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>комментарий, начатый "{", не закрыт "}"</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>вариант, начатый "(", не закрыт ")"</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>после "[" ожидалось имя тега, как в [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>в партии больше %1 тегов</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>значение тега %1 ожидалось в кавычках</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>значение тега %1 не закрыто кавычкой</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>ожидалась "]", закрывающая тег %1</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>в партии не больше %1 ходов</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>в ходе %2 ожидалось: %1, найдено: %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 может быть не одним взятием; ожидался полный путь</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 здесь не допустимый ход белых</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 здесь не допустимый ход чёрных</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>неожиданно: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>ожидался ход, номер хода или результат, найдено: %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 — не вариант, в который играет эта программа</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Файл существует. Перезаписать?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Ошибка сохранения партии.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Партия сохранена.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Пожалуйста, введите имя</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Имя файла не может содержать символы \ / : * ? " &lt; &gt; | и управляющие символы.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>Имя слишком длинное для имени файла.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Простой</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Дизайн</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Стандартный</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Пуговицы</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Небо</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Домашний</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Камень</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Базы эндшпилей знают партию с самого начала: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>После %1 базы эндшпилей знают партию: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Анализ %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Анализ завершён.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Белые: ошибок %1 (?), грубых ошибок %2 (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Чёрные: ошибок %1 (?), грубых ошибок %2 (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Доска</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Запись ходов</translation>
    </message>
    <message>
      <source>About</source>
      <translation>О программе</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Шашки в четырнадцати вариантах: американские, бразильские, канадские, тесные, фризские, готические, международные, итальянские, пул-чекерс, русские, испанские, редкие, тайские и турецкие.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Версия 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora — свободная программа: её можно распространять и изменять на условиях GNU General Public License версии 3 или любой более поздней версии (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Она предоставляется без каких-либо гарантий, даже без подразумеваемой гарантии товарной пригодности или пригодности для определённой цели.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>ОК</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Внешний вид</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Показывать</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Ход расчёта компьютера</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Координаты</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Последний ход</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Допустимые ходы</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Белые сверху</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Номера полей</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Плавные ходы</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Масштаб доски</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>По размеру окна</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Цвет</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Взять из оформления</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Фон:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Текст:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Шрифт</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Выбрать</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Перетаскиваемая шашка</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Отбрасывать тень</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Непрозрачность</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Оформления</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Применить</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>По умолчанию</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Справка</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Игра с движком</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Движок</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>Программа &amp;Hub:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Программа движка и её аргументы</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Обзор...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Программа движка</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>Программа &amp;DamExchange по адресу:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>Адрес программы DamExchange</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Порт</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Порт:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange играет только в международные шашки и не даёт подсказок.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Партия</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Белые</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Чёрные</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 с</translation>
    </message>
    <message>
      <source>Game type:</source>
      <translation>Вариант:</translation>
    </message>
    <message>
      <source>You play:</source>
      <translation>Вы играете:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Время движка на ход:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>&amp;Начать новую партию против него</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>Подсказка и о&amp;ценка берутся у этого движка</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Укажите программу движка.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Укажите IPv4-адрес программы DamExchange, например 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Выбор шрифта</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Шрифты</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Загрузить партию</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Сохранённые партии</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Удалить</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Файл не выбран</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Файл не найден</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Удалить сохранённую партию %1?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Ошибка удаления файла</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Игра по сети</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Имя</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Начать игру как</translation>
    </message>
    <message>
      <source>Server</source>
      <translation>Сервер</translation>
    </message>
    <message>
      <source>Client</source>
      <translation>Клиент</translation>
    </message>
    <message>
      <source>Server's address</source>
      <translation>Адрес сервера</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Состояние партии</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Новая партия</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Продолжить текущую</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Сторона</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Вид шашек</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Поддавки</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Сетевые партии идут по классическим правилам Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Человек</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Игрок белыми: тип</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Игрок чёрными: тип</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Игрок белыми: имя</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Игрок чёрными: имя</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Тип:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Имя:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Уровень компьютера</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Лёгкий</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Средний</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Выше среднего</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Эксперт</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Правила федерации этого вида шашек вместо классических правил Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Правила</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Сохранить партию</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Имя сохраняемой партии</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Имя файла:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Настройки звука</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Звуковые события</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Событие</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Имя файла</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>По умолчанию</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Прослушать</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Выбрать...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Включить все</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Выключить все</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Пожалуйста, выберите строку в списке.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Пожалуйста, выберите файл WAV</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>Файл WAV (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>Ожидание клиента.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Подключение к серверу.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Не удалось принять клиента</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Не удалось подключиться к серверу</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>Соединение с программой DamExchange прервано.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>Программа DamExchange не ответила на предложение партии.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Не удалось подключиться к программе DamExchange по адресу</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>Программа DamExchange отклонила партию, код</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>Движок не ответил вовремя.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>Программа DamExchange прислала нечитаемое сообщение:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>Программа DamExchange завершила партию.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>Программа DamExchange прислала не ход.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>Партия движка заканчивается здесь:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>Движок не даёт подсказки:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Движок не дал оценки</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Руководство Velmora (на английском)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Назад</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Вперёд</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>В начало</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Не удалось запустить веб-браузер для %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Сохранить текущую партию?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Сохранить изображение доски</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>Изображение PNG (*.png);;Изображение SVG (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Размер в пикселях:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Создаются базы эндшпилей для игры %1</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Читаются базы эндшпилей для игры %1</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora не может сохранить свои настройки; игра идёт без них.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Настройки не сохранены:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Программа движка не задана.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Не удалось запустить движок:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>Движок аварийно завершился.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>Движок завершился с кодом выхода</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>Движок прислал слишком длинную строку.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>выигрыш</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(поддавки, официальные правила)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(поддавки)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(официальные правила)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>Экспорт PDN</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>Партия PDN (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>Импорт PDN</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>Партии PDN (*.pdn *.txt);;Все файлы (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>В файле нет ни одной партии.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>В файле больше %1 партий; показаны первые %1:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>В файле несколько партий:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>В буфере обмена нет позиции для варианта «%1».</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Расстановка позиции</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Очистить доску</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Начальная позиция</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Ход: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Вариант: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Перевернуть</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Повернуть доску: белые сверху или снизу</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Готово</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Игра</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Новая...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Пр&amp;одолжить партию</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>&amp;Взять ход назад</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>Вернуть &amp;ход</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;Подсказка</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>&amp;Анализ партии</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>Па&amp;уза</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Загрузить...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Сохранить...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>&amp;Экспорт PDN...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>&amp;Импорт PDN...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>&amp;Копировать позицию (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Вс&amp;тавить позицию (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>&amp;Расставить позицию...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>С&amp;еть...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>И&amp;грать с движком...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>Пе&amp;чать</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Запись партии...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Доска...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>&amp;Маленькая доска...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Сохранить изображение &amp;доски...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>В&amp;ыход</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>&amp;Настройка</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Внешний вид...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Звук...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Ходы одним щелчком</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>&amp;Показывать оценку</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>Перевернуть &amp;доску</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Язык</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>&amp;Язык системы</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Справка</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Правила</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Руководство (на английском)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;О программе ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Сайт Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Панель инструментов</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>Запись ходов пуста.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Американские</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Бразильские</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Канадские</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Тесные</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Фризские</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Готические</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Международные</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Итальянские</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Пул-чекерс</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Русские</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Испанские</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Редкие</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Тайские</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Турецкие</translation>
    </message>
  </context>
</TS>
