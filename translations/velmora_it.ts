<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Bianco: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Nero: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>nessuna pedina</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>pedine %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>nessuna dama</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>dame %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Muove il Bianco.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Muove il Nero.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Ultima mossa: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Regole ufficiali</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Interrompere la mossa del computer. Sei sicuro?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> o </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>nessuna mossa valida si scrive così</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>«%1» non è una mossa: scrivila come c3-d4 o 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>«%1» non è una mossa: scrivila come c3-d4 o c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>Non c'è nessun pezzo in %1</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Muove il Bianco</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Muove il Nero</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>Il pezzo non può andare lì</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>La presa è obbligatoria: %1 deve prendere</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Quel pezzo non ha mosse valide</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indica tutto il percorso della mossa.
Vedi anche il manuale (in inglese) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Indica il percorso della mossa.
Vedi anche il manuale (in inglese) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Giocatore 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Giocatore 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Inserisci un altro nome (BIANCO)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Inserisci un altro nome (NERO)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Inserisci i nomi (BIANCO E NERO)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Inserisci un nome (BIANCO)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Inserisci un nome (NERO)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Partita finita.
Vince il Bianco.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Partita finita.
Vince il Nero.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Partita finita.
Nessuna presa nelle ultime 15 mosse.
La partita è patta</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>È stato raggiunto il numero massimo di mosse.
Partita finita.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>vince in %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>perde in %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>patta</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Vince il Bianco</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Vince il Nero</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Patta</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Vince il Bianco in %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Vince il Nero in %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Una pedina bianca è sulla sua riga di promozione, in %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Una pedina nera è sulla sua riga di promozione, in %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Una pedina bianca è in %1, dove le pedine bianche non arrivano mai.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Una pedina nera è in %1, dove le pedine nere non arrivano mai.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Il Bianco non ha nessun pezzo.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Il Nero non ha nessun pezzo.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Il Bianco ha %1 pezzi; una partita di %2 comincia con %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Il Nero ha %1 pezzi; una partita di %2 comincia con %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Presa</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Errore</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Movimento</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Promozione</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Impostazione di una posizione</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>L'Esperto ripercorre la partita</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Partita finita: vince il Bianco</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Partita finita: vince il Nero</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Partita finita: patta</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>La partita è ferma</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Nessuna partita in corso</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>Il computer pensa</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>Il computer pensa (profondità %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>In attesa della mossa dell'avversario</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>In pausa</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Suggerimento: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Il Bianco deve prendere</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Il Nero deve prendere</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Muove il Bianco</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Muove il Nero</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Inserisci il tuo nome.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Inserisci l'indirizzo IP del server.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Inserisci la porta del server.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Il numero di porta deve essere almeno 1024.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Il numero di porta deve essere al massimo 65535.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>Il motore non gioca questa variante:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>Il motore ha segnalato un errore:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>Il motore è stato chiuso.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>Il motore ha giocato una mossa non legale qui:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>L'avversario non risponde da troppo tempo. Connessione persa.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Connessione persa. Errore di invio.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Connessione persa. Errore di ricezione.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>Il server ha inviato una partita illeggibile. Connessione persa.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>La mossa dell'avversario non è valida. La partita è stata annullata.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>La partita è stata annullata</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>L'avversario ha cambiato la partita. Vuoi continuare?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>L'avversario ha lasciato la partita. Connessione persa.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Interrompere l'invio. Sei sicuro?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Interrompere la ricezione. Sei sicuro?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Impossibile creare il socket</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Impossibile associare il socket</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Impossibile ascoltare sul socket</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>atteso %1, trovato %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>la casella %1 è indicata due volte</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>attesa una casella o un intervallo come 1-12, trovato %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>atteso W o B prima di un elenco di caselle, trovato %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: all'inizio era atteso il lato che muove, W o B, trovato %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: il colore %1 è indicato due volte</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, campo %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>una casella da a1 a %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>un numero di casella da 1 a %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>riga %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>il commento aperto con "{" non è chiuso da "}"</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>la variante aperta con "(" non è chiusa da ")"</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>atteso un nome di tag dopo "[", come in [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>una partita ha più di %1 tag</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>atteso il valore del tag %1 tra virgolette</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>il valore del tag %1 non è chiuso da una virgoletta</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>atteso "]" per chiudere il tag %1</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>una partita ha al massimo %1 mosse</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>atteso %1 nella mossa %2, trovato %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 può essere più di una presa; atteso il percorso completo</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 qui non è una mossa legale del Bianco</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 qui non è una mossa legale del Nero</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>inatteso: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>attesa una mossa, un numero di mossa o un risultato, trovato %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 non è una variante giocata da questo programma</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Errore nel salvataggio della partita.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partita salvata.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Inserisci un nome</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Un nome di file non può contenere \ / : * ? " &lt; &gt; | né caratteri di controllo.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>Il nome è troppo lungo per un nome di file.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Semplice</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Design</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Standard</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Bottoni</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Cielo</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Casa</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Pietra</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>I database dei finali conoscono la partita dall'inizio: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Dopo %1 i database dei finali conoscono la partita: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analisi %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Analisi terminata.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Bianco: %1 errori (?), %2 errori gravi (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Nero: %1 errori (?), %2 errori gravi (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Damiera</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Elenco delle mosse</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Informazioni</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>La dama in quattordici varianti: americana, brasiliana, canadese, affollata, frisone, gotica, internazionale, italiana, pool, russa, spagnola, rada, thailandese e turca.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Versione 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora è software libero: puoi condividerlo e modificarlo secondo la GNU General Public License, versione 3 o qualsiasi versione successiva (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>È fornito senza alcuna garanzia, nemmeno la garanzia implicita di commerciabilità o di idoneità a uno scopo particolare.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Aspetto</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Mostra</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Avanzamento del computer</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Coordinate</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Ultima mossa</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Mosse valide</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Bianco in alto</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Numeri delle case</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Mosse scorrevoli</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Dimensione della damiera</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Adatta alla finestra</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Colore</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Prendi dal tema</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Sfondo:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Testo:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Carattere</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Scegli</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Pezzo trascinato</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Ombra</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Opaco</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Temi</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Applica</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Ripristina predefiniti</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Aiuto</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Gioca contro un motore</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motore</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>Programma &amp;Hub:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Il programma del motore e i suoi argomenti</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Programma del motore</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>Programma &amp;DamExchange a:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>L'indirizzo del programma DamExchange</translation>
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
      <translation>DamExchange gioca solo la dama internazionale e non dà suggerimenti.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partita</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Bianco</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Nero</translation>
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
      <translation>Tu giochi:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Tempo del motore per mossa:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>&amp;Inizia una nuova partita contro di lui</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>Suggerimento e &amp;valutazione vengono da questo motore</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Indica il programma del motore.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Indica l'indirizzo IPv4 del programma DamExchange, per esempio 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Scelta del carattere</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Caratteri</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Apri partita</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Partite salvate</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Nessun file scelto</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>File non trovato</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Eliminare la partita salvata %1?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Errore nell'eliminazione del file</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Partita in rete</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Inizia la partita come</translation>
    </message>
    <message>
      <source>Server</source>
      <translation>Server</translation>
    </message>
    <message>
      <source>Client</source>
      <translation>Client</translation>
    </message>
    <message>
      <source>Server's address</source>
      <translation>Indirizzo del server</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Stato della partita</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Nuova partita</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Continua l'attuale</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Colore</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variante</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Vinciperdi</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Le partite in rete seguono le regole classiche di Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Umano</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Giocatore bianco: tipo</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Giocatore nero: tipo</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Giocatore bianco: nome</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Giocatore nero: nome</translation>
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
      <translation>Livello del computer</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Facile</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normale</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Sopra la media</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Esperto</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Le regole della federazione della variante invece delle regole classiche di Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Regole</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Salva partita</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Nome della partita salvata</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Nome del file:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Impostazioni audio</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Eventi sonori</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Evento</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Nome del file</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Ripristina predefiniti</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Ascolta</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Scegli...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Attiva tutti</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Disattiva tutti</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Scegli una riga dell'elenco.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Scegli un file WAV</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>File WAV (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>In attesa del client.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Connessione al server in corso.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Impossibile accettare il client</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Impossibile connettersi al server</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>La connessione al programma DamExchange si è interrotta.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>Il programma DamExchange non ha risposto alla proposta di partita.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Impossibile collegarsi al programma DamExchange a</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>Il programma DamExchange ha rifiutato la partita, con codice</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>Il motore non ha risposto in tempo.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>Il programma DamExchange ha inviato un messaggio illeggibile:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>Il programma DamExchange ha terminato la partita.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>Il programma DamExchange ha inviato qualcosa che non è una mossa.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>La partita del motore finisce qui:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>Il motore non dà suggerimenti:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Nessuna valutazione dal motore</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Manuale di Velmora (in inglese)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Indietro</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Avanti</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Inizio</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Impossibile avviare un browser per %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Salvare la partita attuale?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Esporta immagine della damiera</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>Immagine PNG (*.png);;Immagine SVG (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Dimensione in pixel:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Creazione dei database dei finali per %1</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Lettura dei database dei finali per %1</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora non può conservare le sue impostazioni; gioca senza di esse.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Le impostazioni non sono state salvate:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Nessun programma di motore impostato.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Non è stato possibile avviare il motore:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>Il motore si è bloccato.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>Il motore è terminato, con codice di uscita</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>Il motore ha inviato una riga troppo lunga.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>vince</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(vinciperdi, regole ufficiali)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(vinciperdi)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(regole ufficiali)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>Esporta PDN</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>Partita PDN (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>Importa PDN</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>Partite PDN (*.pdn *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>Il file non contiene nessuna partita.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>Il file contiene più di %1 partite; sono elencate le prime %1:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>Il file contiene più partite:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>Gli appunti non contengono una posizione di %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Imposta posizione</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Svuota damiera</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Posizione iniziale</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Muove: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Variante: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Ruota</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Girare la damiera: il Bianco in alto o in basso</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Fatto</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partita</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Nuova...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Continua &amp;la partita</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>Ann&amp;ulla mossa</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>&amp;Vai avanti</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>Anali&amp;zza partita</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Pausa</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Apri...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Salva...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>Esp&amp;orta PDN...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>&amp;Importa PDN...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>&amp;Copia posizione (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Incolla posizione (&amp;FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>I&amp;mposta posizione...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>&amp;Rete...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>Gioca contro un motore &amp;Hub o DXP...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>S&amp;tampa</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Elenco delle mosse...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Damiera...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>Damiera &amp;piccola...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Esporta immagine &amp;della damiera...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Esci</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>P&amp;ersonalizza</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>A&amp;spetto...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Audio...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Mosse con un clic</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>Mostra &amp;valutazione</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>&amp;Capovolgi la damiera</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Lingua</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>&amp;Lingua del sistema</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aiuto</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Regole</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Manuale (in inglese)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;Informazioni ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Sito di Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Barra degli strumenti</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>L'elenco delle mosse è vuoto.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Dama americana</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Dama brasiliana</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Dama canadese</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Dama affollata</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Dama frisone</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Dama gotica</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Dama internazionale</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Dama italiana</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Dama pool</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Dama russa</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Dama spagnola</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Dama rada</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Dama thailandese</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Dama turca</translation>
    </message>
  </context>
</TS>
