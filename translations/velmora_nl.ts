<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Wit: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Zwart: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>geen schijven</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>schijven %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>geen dammen</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>dammen %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Wit aan zet.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Zwart aan zet.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Laatste zet: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Officiële regels</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>De zet van de computer afbreken. Weet u het zeker?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> of </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>geen geldige zet wordt zo geschreven</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>‘%1’ is geen zet: schrijf hem als c3-d4 of 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>‘%1’ is geen zet: schrijf hem als c3-d4 of c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>Op %1 staat geen stuk</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Wit is aan zet</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Zwart is aan zet</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>Het stuk kan daar niet heen</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>Slaan is verplicht: %1 moet slaan</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Dat stuk heeft geen geldige zet</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Kies de hele weg van de zet.
Zie ook de (Engelse) handleiding -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Kies de weg van de zet.
Zie ook de (Engelse) handleiding -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Speler 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Speler 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Voer een andere naam in (WIT)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Voer een andere naam in (ZWART)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Voer namen in (WIT EN ZWART)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Voer een naam in (WIT)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Voer een naam in (ZWART)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>De partij is uit.
Wit wint.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>De partij is uit.
Zwart wint.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>De partij is uit.
Geen slag in de laatste 15 zetten.
De partij is remise</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Het maximale aantal zetten is bereikt.
Einde van de partij.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>winst in %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>verlies in %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>remise</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Wit wint</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Zwart wint</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Remise</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Wit wint in %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Zwart wint in %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Een witte schijf staat op zijn promotierij, op %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Een zwarte schijf staat op zijn promotierij, op %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Een witte schijf staat op %1, waar witte schijven nooit komen.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Een zwarte schijf staat op %1, waar zwarte schijven nooit komen.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Wit heeft geen stuk.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Zwart heeft geen stuk.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Wit heeft %1 stukken; een partij %2 begint met %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Zwart heeft %1 stukken; een partij %2 begint met %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Slag</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Fout</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Zet</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Promotie</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Stelling opzetten</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>De Expert loopt de partij na</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Partij afgelopen: wit wint</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Partij afgelopen: zwart wint</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Partij afgelopen: remise</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>De partij is gestopt</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Er loopt geen partij</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>De computer denkt na</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>De computer denkt na (diepte %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Wachten op de zet van de tegenstander</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>Gepauzeerd</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Tip: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Wit moet slaan</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Zwart moet slaan</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Wit aan zet</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Zwart aan zet</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Voer uw naam in.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Voer het IP-adres van de server in.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Voer de poort van de server in.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Het poortnummer moet minstens 1024 zijn.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Het poortnummer mag hoogstens 65535 zijn.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>De engine speelt deze variant niet:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>De engine meldde een fout:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>De engine is gesloten.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>De engine speelde een zet die hier niet geldig is:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Uw tegenstander antwoordt al te lang niet. Verbinding verbroken.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Verbinding verbroken. Fout bij verzenden.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Verbinding verbroken. Fout bij ontvangen.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>De server stuurde een onleesbare partij. Verbinding verbroken.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>De zet van uw tegenstander is niet geldig. De partij is afgebroken.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>De partij is afgebroken</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Uw tegenstander heeft de partij veranderd. Wilt u doorgaan?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Uw tegenstander heeft de partij verlaten. Verbinding verbroken.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Verzenden afbreken. Weet u het zeker?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Ontvangen afbreken. Weet u het zeker?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Kon geen socket aanmaken</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Kon de socket niet binden</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Kon niet luisteren op de socket</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>verwacht: %1, gevonden: %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>veld %1 staat er twee keer in</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>verwacht: een veld of een reeks zoals 1-12, gevonden: %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>verwacht: W of B voor een lijst van velden, gevonden: %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: aan het begin wordt de kant aan zet verwacht, W of B, gevonden: %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: de kleur %1 staat er twee keer in</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, veld %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>een veld van a1 tot %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>een veldnummer van 1 tot %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>regel %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>het commentaar dat met "{" begint, wordt niet met "}" gesloten</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>de variant die met "(" begint, wordt niet met ")" gesloten</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>na "[" wordt een tagnaam verwacht, zoals in [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>een partij heeft meer dan %1 tags</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>de waarde van tag %1 wordt tussen aanhalingstekens verwacht</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>de waarde van tag %1 wordt niet met een aanhalingsteken gesloten</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>"]" wordt verwacht om tag %1 te sluiten</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>een partij heeft ten hoogste %1 zetten</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>verwacht in zet %2: %1, gevonden: %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 kan meer dan één slag zijn; verwacht wordt het hele pad</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 is hier geen geldige zet van wit</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 is hier geen geldige zet van zwart</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>onverwacht: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>verwacht: een zet, een zetnummer of een uitslag, gevonden: %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 is geen variant die dit programma speelt</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Het bestand bestaat al. Overschrijven?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Fout bij het opslaan van de partij.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partij opgeslagen.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Voer een naam in</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Een bestandsnaam mag geen van de tekens \ / : * ? " &lt; &gt; | en geen stuurtekens bevatten.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>De naam is te lang voor een bestandsnaam.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Eenvoudig</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Design</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Standaard</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Knopen</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Lucht</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Thuis</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Steen</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>De eindspeldatabanken kennen de partij vanaf het begin: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Na %1 kennen de eindspeldatabanken de partij: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analyse %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Analyse klaar.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Wit: %1 fouten (?), %2 blunders (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Zwart: %1 fouten (?), %2 blunders (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Bord</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Zettenlijst</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Over</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Dammen in veertien varianten: Amerikaans, Braziliaans, Canadees, Volgepakt, Fries, Gotisch, Internationaal, Italiaans, Pool, Russisch, Spaans, Dunbezet, Thais en Turks.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Versie 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora is vrije software: u mag het delen en wijzigen onder de GNU General Public License, versie 3 of elke latere versie (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Het wordt geleverd zonder enige garantie, zelfs zonder de impliciete garantie van verkoopbaarheid of geschiktheid voor een bepaald doel.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Weergave</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Tonen</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Voortgang computer</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Coördinaten</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Laatste zet</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Geldige zetten</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Wit boven</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Veldnummers</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Glijdende zetten</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Grootte van het bord</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Passend in venster</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Kleur</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Uit het thema nemen</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Achtergrond:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Tekst:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Lettertype</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Kiezen</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Gesleept stuk</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Schaduw</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Dekkend</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Thema's</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Toepassen</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Standaard herstellen</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Help</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuleren</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Tegen een engine spelen</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Engine</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>&amp;Hub-programma:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Het programma van de engine en zijn argumenten</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Bladeren...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Engineprogramma</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>&amp;DamExchange-programma op:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>Het adres van het DamExchange-programma</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Poort</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Poort:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange speelt alleen internationaal dammen en geeft geen tips.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partij</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Wit</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Zwart</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>Game type:</source>
      <translation>Variant:</translation>
    </message>
    <message>
      <source>You play:</source>
      <translation>U speelt:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Bedenktijd van de engine per zet:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>Een nieuwe partij ertegen &amp;starten</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>Tip en &amp;evaluatie komen van deze engine</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Geef het programma van de engine op.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Geef het IPv4-adres van het DamExchange-programma op, bijvoorbeeld 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Lettertype kiezen</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Lettertypen</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Partij laden</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Opgeslagen partijen</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Verwijderen</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Geen bestand gekozen</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Bestand niet gevonden</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>De opgeslagen partij %1 verwijderen?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Fout bij het verwijderen van het bestand</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Netwerkpartij</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Naam</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Partij beginnen als</translation>
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
      <translation>Adres van de server</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Stand van de partij</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Nieuwe partij</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Huidige voortzetten</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Kleur</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variant</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Winnen door verliezen</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Netwerkpartijen volgen de klassieke regels van Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Mens</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Speler wit: soort</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Speler zwart: soort</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Speler wit: naam</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Speler zwart: naam</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Soort:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Naam:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Sterkte computer</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Makkelijk</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normaal</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Bovengemiddeld</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Expert</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>De regels van de bond van de variant in plaats van de klassieke regels van Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Regels</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Partij opslaan</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Naam van de opgeslagen partij</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Bestandsnaam:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Geluidsinstellingen</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Geluidsgebeurtenissen</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Gebeurtenis</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Bestandsnaam</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Standaard herstellen</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Afspelen</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Kiezen...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Alles aan</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Alles uit</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Kies een regel in de lijst.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Kies een WAV-bestand</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>WAV-bestand (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>Wachten op de client.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Verbinden met de server.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Kon de client niet aannemen</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Kon geen verbinding maken met de server</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>De verbinding met het DamExchange-programma is verbroken.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>Het DamExchange-programma beantwoordde het partijverzoek niet.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Kan geen verbinding maken met het DamExchange-programma op</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>Het DamExchange-programma weigerde de partij, met code</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>De engine antwoordde niet op tijd.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>Het DamExchange-programma stuurde een onleesbaar bericht:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>Het DamExchange-programma beëindigde de partij.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>Het DamExchange-programma stuurde iets anders dan een zet.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>De partij van de engine eindigt hier:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>De engine geeft geen tip:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Geen evaluatie van de engine</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Handleiding van Velmora (Engels)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Terug</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Vooruit</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Begin</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Er kon geen webbrowser worden gestart voor %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Huidige partij opslaan?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Afbeelding van het bord exporteren</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>PNG-afbeelding (*.png);;SVG-afbeelding (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Grootte in pixels:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>De eindspeldatabanken voor %1 worden gemaakt</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>De eindspeldatabanken voor %1 worden gelezen</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora kan zijn instellingen niet bewaren; het speelt zonder.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>De instellingen zijn niet opgeslagen:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Er is geen engineprogramma ingesteld.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>De engine kon niet worden gestart:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>De engine is vastgelopen.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>De engine stopte, met afsluitcode</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>De engine stuurde een te lange regel.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>winst</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(winnen door verliezen, officiële regels)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(winnen door verliezen)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(officiële regels)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>PDN exporteren</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>PDN-partij (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>PDN importeren</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>PDN-partijen (*.pdn *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>Het bestand bevat geen partij.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>Het bestand bevat meer dan %1 partijen; de eerste %1 staan in de lijst:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>Het bestand bevat meerdere partijen:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>Het klembord bevat geen stelling van %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Stelling opzetten</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Bord leegmaken</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Beginstelling</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Aan zet: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Variant: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Draaien</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Het bord omdraaien: wit boven of onder</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Klaar</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partij</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Nieuw...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Partij &amp;voortzetten</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>Zet ter&amp;ugnemen</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>&amp;Zet opnieuw spelen</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;Tip</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>Pa&amp;rtij analyseren</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Pauze</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Laden...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Opslaan...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>PDN &amp;exporteren...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>PDN &amp;importeren...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>Stelling &amp;kopiëren (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Stellin&amp;g plakken (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>&amp;Stelling opzetten...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>Net&amp;werk...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>Tegen een &amp;computerprogramma spelen...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>A&amp;fdrukken</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Zettenlijst...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Bord...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>&amp;Klein bord...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Afbeelding van &amp;het bord exporteren...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Afsluiten</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>&amp;Aanpassen</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Weergave...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Geluid...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Zetten met één klik</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>&amp;Beoordeling tonen</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>Bord &amp;omdraaien</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Taal</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>Taal &amp;van het systeem</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Regels</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Handleiding (Engels)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;Over ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Website van Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Werkbalk</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>De zettenlijst is leeg.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Amerikaans</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Braziliaans</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Canadees</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Volgepakt</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Fries</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Gotisch</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Internationaal dammen</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Italiaans</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Pool</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Russisch</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Spaans</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Dunbezet</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Thais</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Turks</translation>
    </message>
  </context>
</TS>
