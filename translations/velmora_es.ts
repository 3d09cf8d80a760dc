<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Blancas: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Negras: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>ningún peón</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>peones %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>ninguna dama</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>damas %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Juegan las blancas.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Juegan las negras.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Última jugada: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Reglas oficiales</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Interrumpir la jugada del ordenador. ¿Está seguro?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> o </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>ninguna jugada legal se escribe así</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>«%1» no es una jugada: escríbala como c3-d4 o 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>«%1» no es una jugada: escríbala como c3-d4 o c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>No hay ninguna pieza en %1</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Juegan las blancas</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Juegan las negras</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>La pieza no puede ir allí</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>La captura es obligatoria: %1 debe capturar</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Esa pieza no tiene ninguna jugada legal</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indique todo el camino de la jugada.
Véase también el manual (en inglés) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indique el camino de la jugada.
Véase también el manual (en inglés) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Jugador 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Jugador 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Escriba otro nombre (BLANCAS)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Escriba otro nombre (NEGRAS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Escriba los nombres (BLANCAS Y NEGRAS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Escriba un nombre (BLANCAS)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Escriba un nombre (NEGRAS)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Fin de la partida.
Ganan las blancas.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Fin de la partida.
Ganan las negras.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Fin de la partida.
Ninguna captura en las últimas 15 jugadas.
La partida es tablas</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Se ha alcanzado el número máximo de jugadas.
Fin de la partida.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>gana en %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>pierde en %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>tablas</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Ganan las blancas</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Ganan las negras</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Tablas</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Ganan las blancas en %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Ganan las negras en %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Un peón blanco está en su fila de coronación, en %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Un peón negro está en su fila de coronación, en %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Un peón blanco está en %1, adonde los peones blancos nunca llegan.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Un peón negro está en %1, adonde los peones negros nunca llegan.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Las blancas no tienen ninguna pieza.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Las negras no tienen ninguna pieza.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Las blancas tienen %1 piezas; una partida de %2 empieza con %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Las negras tienen %1 piezas; una partida de %2 empieza con %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Captura</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Movimiento</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Coronación</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Preparando una posición</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>El Experto repasa la partida</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Fin de la partida: ganan las blancas</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Fin de la partida: ganan las negras</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Fin de la partida: tablas</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>La partida está detenida</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>No hay ninguna partida en curso</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>El ordenador piensa</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>El ordenador piensa (profundidad %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Esperando la jugada del oponente</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>En pausa</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Pista: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Las blancas deben capturar</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Las negras deben capturar</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Juegan las blancas</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Juegan las negras</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Escriba su nombre.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Escriba la dirección IP del servidor.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Escriba el puerto del servidor.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>El número de puerto debe ser al menos 1024.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>El número de puerto debe ser como mucho 65535.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>El motor no juega esta variante:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>El motor informó de un error:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>El motor se cerró.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>El motor jugó un movimiento que aquí no es legal:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Su rival lleva demasiado tiempo sin responder. Conexión perdida.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Conexión perdida. Error al enviar datos.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Conexión perdida. Error al recibir datos.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>El servidor envió una partida ilegible. Conexión perdida.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>La jugada de su rival no es legal. La partida se ha cancelado.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>La partida se ha cancelado</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Su rival ha cambiado la partida. ¿Desea continuar?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Su oponente ha abandonado la partida. Conexión perdida.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Interrumpir el envío. ¿Está seguro?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Interrumpir la recepción. ¿Está seguro?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>No se pudo crear el socket</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>No se pudo enlazar el socket</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>No se pudo escuchar en el socket</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Ordenador</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>se esperaba %1, se encontró %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>la casilla %1 aparece dos veces</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>se esperaba una casilla o un intervalo como 1-12, se encontró %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>se esperaba W o B antes de una lista de casillas, se encontró %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: se esperaba al principio el bando que mueve, W o B, se encontró %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: el color %1 aparece dos veces</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, campo %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>una casilla de a1 a %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>un número de casilla de 1 a %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>línea %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>el comentario abierto con "{" no se cierra con "}"</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>la variante abierta con "(" no se cierra con ")"</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>se esperaba un nombre de etiqueta tras "[", como en [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>una partida tiene más de %1 etiquetas</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>se esperaba el valor de la etiqueta %1 entre comillas</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>el valor de la etiqueta %1 no se cierra con comillas</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>se esperaba "]" para cerrar la etiqueta %1</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>una partida tiene como máximo %1 jugadas</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>se esperaba %1 en la jugada %2, se encontró %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 puede ser más de una captura; se esperaba su recorrido completo</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 no es aquí una jugada legal de las blancas</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 no es aquí una jugada legal de las negras</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>inesperado: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>se esperaba una jugada, un número de jugada o un resultado, se encontró %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 no es una variante que este programa juegue</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>El archivo ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Error al guardar la partida.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partida guardada.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Escriba un nombre</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Un nombre de archivo no puede contener \ / : * ? " &lt; &gt; | ni caracteres de control.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>El nombre es demasiado largo para un nombre de archivo.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Sencillo</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Diseño</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Estándar</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Botones</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Cielo</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Hogar</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Piedra</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Las bases de datos de finales conocen la partida desde el inicio: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Tras %1 las bases de datos de finales conocen la partida: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analizando %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Análisis terminado.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Blancas: %1 errores (?), %2 errores graves (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Negras: %1 errores (?), %2 errores graves (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Tablero</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Lista de jugadas</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Acerca de</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Damas en catorce variantes: americanas, brasileñas, canadienses, apretadas, frisonas, góticas, internacionales, italianas, pool, rusas, españolas, dispersas, tailandesas y turcas.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Versión 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora es software libre: puede compartirlo y modificarlo según la Licencia Pública General de GNU, versión 3 o cualquier versión posterior (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Se ofrece sin ninguna garantía, ni siquiera la garantía implícita de comerciabilidad o de idoneidad para un fin determinado.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Apariencia</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Mostrar</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Progreso del ordenador</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Coordenadas</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Última jugada</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Jugadas legales</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Blancas arriba</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Números de las casillas</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Movimientos deslizantes</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Tamaño del tablero</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Ajustar a la ventana</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Color</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Tomar del tema</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Fondo:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Texto:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Fuente</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Elegir</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Pieza arrastrada</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Sombra</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Opaco</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Temas</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Aplicar</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Restablecer</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ayuda</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Jugar contra un motor</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motor</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>Programa &amp;Hub:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>El programa del motor y sus argumentos</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Examinar...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Programa del motor</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>Programa &amp;DamExchange en:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>La dirección del programa DamExchange</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Puerto</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Puerto:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange solo juega damas internacionales y no da pistas.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partida</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Blancas</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Negras</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>Game type:</source>
      <translation>Variante:</translation>
    </message>
    <message>
      <source>You play:</source>
      <translation>Usted juega:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Tiempo del motor por movimiento:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>&amp;Empezar una partida nueva contra él</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>La pista y la e&amp;valuación vienen de este motor</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Indique el programa del motor.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Indique la dirección IPv4 del programa DamExchange, por ejemplo 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Elegir fuente</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Fuentes</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Abrir partida</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Partidas guardadas</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Borrar</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Ningún archivo elegido</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Archivo no encontrado</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>¿Borrar la partida guardada %1?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Error al borrar el archivo</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Partida en red</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Empezar la partida como</translation>
    </message>
    <message>
      <source>Server</source>
      <translation>Servidor</translation>
    </message>
    <message>
      <source>Client</source>
      <translation>Cliente</translation>
    </message>
    <message>
      <source>Server's address</source>
      <translation>Dirección del servidor</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Estado de la partida</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Partida nueva</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Seguir la actual</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Bando</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variante</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Pierde-gana</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Las partidas en red siguen las reglas clásicas de Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humano</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Jugador de blancas: tipo</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Jugador de negras: tipo</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Jugador de blancas: nombre</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Jugador de negras: nombre</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tipo:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nombre:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Nivel del ordenador</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Fácil</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Avanzado</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Experto</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Las reglas de la federación de la variante en lugar de las reglas clásicas de Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Reglas</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Guardar partida</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Nombre de la partida guardada</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Nombre del archivo:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Ajustes de sonido</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Eventos de sonido</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Evento</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Nombre del archivo</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Restablecer</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Reproducir</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Elegir...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Activar todos</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Desactivar todos</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Elija una línea de la lista.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Elija un archivo WAV</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>Archivo WAV (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>Esperando al cliente.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Conectando con el servidor.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>No se pudo aceptar al cliente</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>No se pudo conectar con el servidor</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>Se cortó la conexión con el programa DamExchange.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>El programa DamExchange no respondió a la propuesta de partida.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>No se pudo conectar con el programa DamExchange en</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>El programa DamExchange rechazó la partida, con código</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>El motor no respondió a tiempo.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>El programa DamExchange envió un mensaje ilegible:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>El programa DamExchange terminó la partida.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>El programa DamExchange envió algo que no es un movimiento.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>La partida del motor termina aquí:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>El motor no da pista:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Sin evaluación del motor</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Manual de Velmora (en inglés)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Atrás</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Adelante</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Inicio</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>No se pudo abrir ningún navegador para %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>¿Guardar la partida actual?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Exportar imagen del tablero</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Tamaño en píxeles:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Creando las bases de datos de finales de %1</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Leyendo las bases de datos de finales de %1</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora no puede guardar su configuración; juega sin ella.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Los ajustes no se guardaron:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>No hay ningún programa de motor.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>No se pudo iniciar el motor:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>El motor se bloqueó.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>El motor terminó, con código de salida</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>El motor envió una línea demasiado larga.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>gana</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(pierde-gana, reglas oficiales)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(pierde-gana)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(reglas oficiales)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>Exportar PDN</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>Partida PDN (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>Importar PDN</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>Partidas PDN (*.pdn *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>El archivo no contiene ninguna partida.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>El archivo contiene más de %1 partidas; se muestran las primeras %1:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>El archivo contiene varias partidas:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>El portapapeles no contiene ninguna posición de %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Preparar posición</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Vaciar tablero</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Posición inicial</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Juegan: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Variante: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Girar</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Girar el tablero: las blancas arriba o abajo</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Hecho</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partida</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Nueva...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Seguir &amp;la partida</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>Rehacer &amp;jugada</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;Pista</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>&amp;Analizar partida</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>Pa&amp;usa</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>A&amp;brir...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Guardar...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>&amp;Exportar PDN...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>I&amp;mportar PDN...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>&amp;Copiar posición (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Pegar p&amp;osición (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>Preparar posici&amp;ón...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>&amp;Red...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>Jugar contra un motor e&amp;xterno...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>&amp;Imprimir</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Lista de jugadas...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Tablero...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>Tablero &amp;pequeño...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Exportar imagen del &amp;tablero...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Salir</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>P&amp;ersonalizar</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Apariencia...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Sonido...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Jugadas con un clic</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>&amp;Mostrar evaluación</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>&amp;Girar el tablero</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Idioma</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>Idi&amp;oma del sistema</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Ayuda</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Reglas</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Manual (en inglés)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Web de Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Barra de herramientas</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>La lista de jugadas está vacía.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Damas americanas</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Damas brasileñas</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Damas canadienses</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Damas apretadas</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Damas frisonas</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Damas góticas</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Damas internacionales</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Damas italianas</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Damas pool</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Damas rusas</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Damas españolas</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Damas dispersas</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Damas tailandesas</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Damas turcas</translation>
    </message>
  </context>
</TS>
