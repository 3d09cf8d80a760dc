<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Brancas: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Pretas: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>nenhuma pedra</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>pedras %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>nenhuma dama</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>damas %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Brancas jogam.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Pretas jogam.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Último lance: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Regras oficiais</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Interromper o lance do computador. Tem certeza?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> ou </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>nenhum lance válido se escreve assim</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>“%1” não é um lance: escreva como c3-d4 ou 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>“%1” não é um lance: escreva como c3-d4 ou c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>Não há peça em %1</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>É a vez das brancas</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>É a vez das pretas</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>A peça não pode ir para lá</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>A captura é obrigatória: %1 deve capturar</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Essa peça não tem lance válido</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indique o caminho completo do lance.
Veja também o manual (em inglês) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indique o caminho do lance.
Veja também o manual (em inglês) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Jogador 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Jogador 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Digite outro nome (BRANCAS)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Digite outro nome (PRETAS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Digite os nomes (BRANCAS E PRETAS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Digite um nome (BRANCAS)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Digite um nome (PRETAS)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Fim de jogo.
As brancas vencem.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Fim de jogo.
As pretas vencem.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Fim de jogo.
Nenhuma captura nos últimos 15 lances.
A partida está empatada</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>O número máximo de lances foi atingido.
Fim de jogo.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>vitória em %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>derrota em %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>empate</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Brancas vencem</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Pretas vencem</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Empate</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Brancas vencem em %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Pretas vencem em %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Uma pedra branca está na sua linha de coroação, em %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Uma pedra preta está na sua linha de coroação, em %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Uma pedra branca está em %1, onde pedras brancas nunca chegam.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Uma pedra preta está em %1, onde pedras pretas nunca chegam.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>As brancas não têm nenhuma peça.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>As pretas não têm nenhuma peça.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>As brancas têm %1 peças; uma partida de %2 começa com %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>As pretas têm %1 peças; uma partida de %2 começa com %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Captura</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Erro</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Movimento</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Promoção</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Montando uma posição</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>O Especialista revisa a partida</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Fim de jogo: brancas vencem</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Fim de jogo: pretas vencem</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Fim de jogo: empate</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>A partida está parada</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Nenhuma partida em andamento</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>O computador está pensando</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>O computador está pensando (profundidade %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Aguardando o lance do adversário</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>Pausado</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Dica: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>As brancas devem capturar</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>As pretas devem capturar</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Brancas jogam</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Pretas jogam</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Digite o seu nome.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Digite o endereço IP do servidor.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Digite a porta do servidor.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>O número da porta deve ser no mínimo 1024.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>O número da porta deve ser no máximo 65535.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>O motor não joga esta variante:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>O motor informou um erro:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>O motor foi fechado.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>O motor jogou um lance que não é legal aqui:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>O adversário não responde há muito tempo. Conexão perdida.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Conexão perdida. Erro ao enviar dados.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Conexão perdida. Erro ao receber dados.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>O servidor enviou uma partida ilegível. Conexão perdida.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>O lance do adversário não é válido. A partida foi cancelada.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>A partida foi cancelada</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>O adversário alterou a partida. Deseja continuar?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Seu adversário saiu da partida. Conexão perdida.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Interromper o envio. Tem certeza?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Interromper o recebimento. Tem certeza?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Não foi possível criar o socket</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Não foi possível vincular o socket</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Não foi possível escutar no socket</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computador</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>esperado %1, encontrado %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>a casa %1 aparece duas vezes</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>esperada uma casa ou um intervalo como 1-12, encontrado %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>esperado W ou B antes de uma lista de casas, encontrado %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: esperado no início o lado que joga, W ou B, encontrado %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: a cor %1 aparece duas vezes</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, campo %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>uma casa de a1 a %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>um número de casa de 1 a %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>linha %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>o comentário aberto com "{" não é fechado com "}"</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>a variante aberta com "(" não é fechada com ")"</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>esperado um nome de tag após "[", como em [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>uma partida tem mais de %1 tags</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>esperado o valor da tag %1 entre aspas</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>o valor da tag %1 não é fechado com aspas</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>esperado "]" para fechar a tag %1</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>uma partida tem no máximo %1 lances</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>esperado %1 no lance %2, encontrado %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 pode ser mais de uma captura; esperado o caminho completo</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 não é aqui um lance legal das brancas</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 não é aqui um lance legal das pretas</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>inesperado: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>esperado um lance, um número de lance ou um resultado, encontrado %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 não é uma variante que este programa joga</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>O arquivo já existe. Substituir?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Erro ao salvar a partida.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partida salva.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Digite um nome</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Um nome de arquivo não pode conter \ / : * ? " &lt; &gt; | nem caracteres de controle.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>O nome é longo demais para um nome de arquivo.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Simples</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Design</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Padrão</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Botões</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Céu</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Casa</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Pedra</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Os bancos de dados de finais conhecem a partida desde o início: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Após %1 os bancos de dados de finais conhecem a partida: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analisando %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Análise concluída.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Brancas: %1 erros (?), %2 erros graves (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Pretas: %1 erros (?), %2 erros graves (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Tabuleiro</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Lista de lances</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Sobre</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Damas em catorze variantes: americana, brasileira, canadense, apertada, frísia, gótica, internacional, italiana, pool, russa, espanhola, esparsa, tailandesa e turca.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Versão 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora é software livre: você pode compartilhá-lo e modificá-lo sob a Licença Pública Geral GNU, versão 3 ou qualquer versão posterior (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>É distribuído sem nenhuma garantia, nem mesmo a garantia implícita de comerciabilidade ou de adequação a um propósito específico.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Aparência</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Mostrar</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Progresso do computador</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Coordenadas</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Último lance</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Lances válidos</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Brancas em cima</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Números das casas</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Lances deslizantes</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Tamanho do tabuleiro</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Ajustar à janela</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Cor</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Tirar do tema</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Fundo:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Texto:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Fonte</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Escolher</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Peça arrastada</translation>
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
      <translation>Restaurar padrão</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajuda</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Jogar contra um motor</translation>
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
      <translation>O programa do motor e seus argumentos</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Procurar...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Programa do motor</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>Programa &amp;DamExchange em:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>O endereço do programa DamExchange</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Porta</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Porta:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>O DamExchange só joga damas internacionais e não dá dicas.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partida</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Brancas</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Pretas</translation>
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
      <translation>Você joga:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Tempo do motor por lance:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>&amp;Começar uma nova partida contra ele</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>A dica e a a&amp;valiação vêm deste motor</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Informe o programa do motor.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Informe o endereço IPv4 do programa DamExchange, por exemplo 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Escolha da fonte</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Fontes</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Abrir partida</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Partidas salvas</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Excluir</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Nenhum arquivo escolhido</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Arquivo não encontrado</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Apagar o jogo salvo %1?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Erro ao excluir o arquivo</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Partida em rede</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Começar a partida como</translation>
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
      <translation>Endereço do servidor</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Estado da partida</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Nova partida</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Continuar a atual</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Lado</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variante</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Perde-ganha</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Partidas em rede seguem as regras clássicas do Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humano</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Jogador das brancas: tipo</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Jogador das pretas: tipo</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Jogador das brancas: nome</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Jogador das pretas: nome</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tipo:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nome:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Nível do computador</translation>
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
      <translation>Acima do normal</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Especialista</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>As regras da federação da variante em vez das regras clássicas do Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Regras</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Salvar partida</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Nome da partida salva</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Nome do arquivo:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Configurações de som</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Eventos sonoros</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Evento</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Nome do arquivo</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Restaurar padrão</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Tocar</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Escolher...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Ativar todos</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Desativar todos</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Escolha uma linha da lista.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Escolha um arquivo WAV</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>Arquivo WAV (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>Aguardando o cliente.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Conectando ao servidor.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Não foi possível aceitar o cliente</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Não foi possível conectar ao servidor</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>A conexão com o programa DamExchange caiu.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>O programa DamExchange não respondeu ao pedido de partida.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Não foi possível conectar ao programa DamExchange em</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>O programa DamExchange recusou a partida, com código</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>O motor não respondeu a tempo.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>O programa DamExchange enviou uma mensagem ilegível:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>O programa DamExchange encerrou a partida.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>O programa DamExchange enviou algo que não é um lance.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>A partida do motor termina aqui:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>O motor não dá dica:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Sem avaliação do motor</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Manual do Velmora (em inglês)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Voltar</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Avançar</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Início</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Nenhum navegador pôde ser aberto para %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Salvar a partida atual?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Exportar imagem do tabuleiro</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>Imagem PNG (*.png);;Imagem SVG (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Tamanho em pixels:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Criando os bancos de dados de finais para %1</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Lendo os bancos de dados de finais para %1</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>O Velmora não pode guardar suas configurações; ele joga sem elas.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>As configurações não foram salvas:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Nenhum programa de motor foi definido.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Não foi possível iniciar o motor:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>O motor travou.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>O motor terminou, com código de saída</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>O motor enviou uma linha longa demais.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>vitória</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(perde-ganha, regras oficiais)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(perde-ganha)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(regras oficiais)</translation>
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
      <translation>Partidas PDN (*.pdn *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>O arquivo não contém nenhuma partida.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>O arquivo contém mais de %1 partidas; as primeiras %1 estão listadas:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>O arquivo contém várias partidas:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>A área de transferência não contém posição de %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Montar posição</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Limpar tabuleiro</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Posição inicial</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Joga: </translation>
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
      <translation>Girar o tabuleiro: as brancas em cima ou embaixo</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Pronto</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Jogo</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Novo...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Contin&amp;uar partida</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>&amp;Voltar lance</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>Re&amp;fazer lance</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;Dica</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>&amp;Analisar partida</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Pausa</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>A&amp;brir...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>Sa&amp;lvar...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>&amp;Exportar PDN...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>Imp&amp;ortar PDN...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>&amp;Copiar posição (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Colar posi&amp;ção (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>&amp;Montar posição...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>&amp;Rede...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>&amp;Jogar contra um motor...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>&amp;Imprimir</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Lista de lances...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Tabuleiro...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>Tabuleiro &amp;pequeno...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Exportar imagem do &amp;tabuleiro...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Sair</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>&amp;Personalizar</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Aparência...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Som...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Lances com um clique</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>&amp;Mostrar avaliação</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>&amp;Girar o tabuleiro</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Idioma</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>Idi&amp;oma do sistema</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Ajuda</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Regras</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Manual (em inglês)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;Sobre ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>Site &amp;do Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Barra de ferramentas</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>A lista de lances está vazia.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Damas americanas</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Damas brasileiras</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Damas canadenses</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Damas apertadas</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Damas frísias</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Damas góticas</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Damas internacionais</translation>
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
      <translation>Damas russas</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Damas espanholas</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Damas esparsas</translation>
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
