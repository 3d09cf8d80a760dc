<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Weiß: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Schwarz: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>keine Steine</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>Steine %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>keine Damen</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>Damen %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Weiß am Zug.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Schwarz am Zug.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Letzter Zug: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Offizielle Regeln</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Den Zug des Computers abbrechen. Sind Sie sicher?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> oder </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>kein gültiger Zug wird so geschrieben</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>„%1“ ist kein Zug: schreiben Sie ihn wie c3-d4 oder 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>„%1“ ist kein Zug: schreiben Sie ihn wie c3-d4 oder c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>Auf %1 steht kein Stein</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Weiß ist am Zug</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Schwarz ist am Zug</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>Der Stein kann nicht dorthin ziehen</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>Schlagzwang: %1 muss schlagen</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Dieser Stein hat keinen gültigen Zug</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Bitte wählen Sie den ganzen Weg des Zuges.
Siehe auch das (englische) Handbuch -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Bitte wählen Sie den Weg des Zuges.
Siehe auch das (englische) Handbuch -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Spieler 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Spieler 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Bitte geben Sie einen anderen Namen ein (WEISS)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Bitte geben Sie einen anderen Namen ein (SCHWARZ)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Bitte geben Sie Namen ein (WEISS UND SCHWARZ)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Bitte geben Sie einen Namen ein (WEISS)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Bitte geben Sie einen Namen ein (SCHWARZ)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Partie beendet.
Weiß gewinnt.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Partie beendet.
Schwarz gewinnt.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Partie beendet.
Kein Schlagen in den letzten 15 Zügen.
Die Partie ist remis</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Die Höchstzahl der Züge ist erreicht.
Partie beendet.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>Gewinn in %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>Verlust in %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>Remis</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Weiß gewinnt</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Schwarz gewinnt</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Remis</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Weiß gewinnt in %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Schwarz gewinnt in %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Ein weißer Stein steht auf seiner Umwandlungsreihe, auf %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Ein schwarzer Stein steht auf seiner Umwandlungsreihe, auf %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Ein weißer Stein steht auf %1, wohin weiße Steine nie kommen.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Ein schwarzer Stein steht auf %1, wohin schwarze Steine nie kommen.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Weiß hat keinen Stein.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Schwarz hat keinen Stein.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Weiß hat %1 Steine; eine Partie %2 beginnt mit %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Schwarz hat %1 Steine; eine Partie %2 beginnt mit %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Schlagen</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Fehler</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Zug</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Umwandlung</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Stellung wird aufgebaut</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>Der Experte geht die Partie durch</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Partie beendet: Weiß gewinnt</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Partie beendet: Schwarz gewinnt</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Partie beendet: Remis</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>Die Partie ist angehalten</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Keine Partie läuft</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>Der Computer denkt</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>Der Computer denkt (Tiefe %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Warten auf den Zug des Gegners</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Tipp: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Weiß muss schlagen</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Schwarz muss schlagen</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Weiß am Zug</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Schwarz am Zug</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Bitte geben Sie die IP-Adresse des Servers ein.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Bitte geben Sie den Port des Servers ein.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Die Portnummer muss mindestens 1024 sein.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Die Portnummer darf höchstens 65535 sein.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>Die Engine spielt diese Variante nicht:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>Die Engine meldete einen Fehler:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>Die Engine wurde beendet.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>Die Engine spielte einen Zug, der hier nicht erlaubt ist:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Ihr Gegner hat zu lange nicht geantwortet. Verbindung verloren.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Verbindung verloren. Fehler beim Senden.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Verbindung verloren. Fehler beim Empfangen.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>Der Server hat eine unlesbare Partie gesendet. Verbindung verloren.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>Der Zug Ihres Gegners ist nicht gültig. Die Partie wurde abgebrochen.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>Die Partie wurde abgebrochen</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Ihr Gegner hat die Partie geändert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Ihr Gegner hat die Partie verlassen. Verbindung getrennt.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Senden abbrechen. Sind Sie sicher?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Empfangen abbrechen. Sind Sie sicher?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Der Socket konnte nicht angelegt werden</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Der Socket konnte nicht gebunden werden</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Am Socket kann nicht gelauscht werden</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computer</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>erwartet: %1, gefunden: %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>Feld %1 ist doppelt angegeben</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>erwartet: ein Feld oder ein Bereich wie 1-12, gefunden: %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>erwartet: W oder B vor einer Liste von Feldern, gefunden: %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: am Anfang wird die Seite am Zug erwartet, W oder B, gefunden: %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: die Farbe %1 ist doppelt angegeben</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, Feld %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>ein Feld von a1 bis %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>eine Feldnummer von 1 bis %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>Zeile %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>der mit "{" begonnene Kommentar wird nicht mit "}" geschlossen</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>die mit "(" begonnene Variante wird nicht mit ")" geschlossen</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>nach "[" wird ein Tag-Name erwartet, wie in [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>eine Partie hat mehr als %1 Tags</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>der Wert des Tags %1 wird in Anführungszeichen erwartet</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>der Wert des Tags %1 wird nicht mit einem Anführungszeichen geschlossen</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>"]" wird erwartet, um das Tag %1 zu schließen</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>eine Partie hat höchstens %1 Züge</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>im Zug %2 erwartet: %1, gefunden: %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 kann mehr als ein Schlagzug sein; erwartet wird sein ganzer Weg</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 ist hier kein regelgerechter Zug von Weiß</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 ist hier kein regelgerechter Zug von Schwarz</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>unerwartet: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>erwartet: ein Zug, eine Zugnummer oder ein Ergebnis, gefunden: %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 ist keine Variante, die dieses Programm spielt</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Die Datei gibt es schon. Überschreiben?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Fehler beim Speichern der Partie.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partie gespeichert.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Bitte geben Sie einen Namen ein</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Ein Dateiname darf keines der Zeichen \ / : * ? " &lt; &gt; | und keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>Der Name ist zu lang für einen Dateinamen.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Schlicht</translation>
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
      <translation>4. Knöpfe</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Himmel</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Zuhause</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Stein</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Die Endspieldatenbanken kennen die Partie von Beginn an: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Nach %1 kennen die Endspieldatenbanken die Partie: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analyse %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Analyse fertig.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Weiß: %1 Fehler (?), %2 grobe Fehler (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Schwarz: %1 Fehler (?), %2 grobe Fehler (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Brett</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Zugliste</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Über</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Dame in vierzehn Varianten: Amerikanisch, Brasilianisch, Kanadisch, Gedrängte Dame, Friesisch, Gotisch, International, Italienisch, Pool-Dame, Russisch, Spanisch, Spärliche Dame, Thailändisch und Türkisch.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Version 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora ist freie Software: Sie dürfen sie unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern.</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Sie wird ohne jede Gewährleistung angeboten, sogar ohne die implizite Gewährleistung der Marktreife oder der Eignung für einen bestimmten Zweck.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Darstellung</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Anzeigen</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Fortschritt des Computers</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Koordinaten</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Letzter Zug</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Gültige Züge</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Weiß oben</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Feldnummern</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Gleitende Züge</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Brettgröße</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>An Fenster anpassen</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Farbe</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Aus dem Design übernehmen</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Hintergrund:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Schrift:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Schriftart</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Auswählen</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Gezogener Stein</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Schatten werfen</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Deckend</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Designs</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Anwenden</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Auf Standard setzen</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Hilfe</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Gegen eine Engine spielen</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Engine</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>&amp;Hub-Programm:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Das Programm der Engine und seine Argumente</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Engine-Programm</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>&amp;DamExchange-Programm unter:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>Die Adresse des DamExchange-Programms</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Port</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Port:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange spielt nur Internationales Damespiel und gibt keine Tipps.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partie</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Weiß</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Schwarz</translation>
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
      <translation>Sie spielen:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Bedenkzeit der Engine je Zug:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>Eine neue Partie gegen sie &amp;starten</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>Tipp und &amp;Bewertung kommen von dieser Engine</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Geben Sie das Programm der Engine an.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Geben Sie die IPv4-Adresse des DamExchange-Programms an, etwa 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Schriftart wählen</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Schriftarten</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Partie laden</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Gespeicherte Partien</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Keine Datei gewählt</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Datei nicht gefunden</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Die gespeicherte Partie %1 löschen?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Fehler beim Löschen der Datei</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Netzwerkpartie</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Partie beginnen als</translation>
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
      <translation>Adresse des Servers</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Stand der Partie</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Neue Partie</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Aktuelle fortsetzen</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Seite</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variante</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Schlagdame</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Netzwerkpartien folgen Velmoras klassischen Regeln.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Mensch</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Spieler Weiß: Art</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Spieler Schwarz: Art</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Spieler Weiß: Name</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Spieler Schwarz: Name</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Art:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Name:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Spielstärke</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Leicht</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Überdurchschnittlich</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Experte</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Die Regeln des Verbands der Variante statt Velmoras klassischer Regeln</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Regeln</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Partie speichern</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Name der gespeicherten Partie</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Dateiname:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Klangeinstellungen</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Klangereignisse</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Ereignis</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Dateiname</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Auf Standard setzen</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Abspielen</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Auswählen...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Alle an</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Alle aus</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Bitte wählen Sie eine Zeile der Liste.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Bitte wählen Sie eine Wave-Datei</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>Wave-Datei (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>Warten auf den Client.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Verbindung zum Server wird versucht.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Der Client konnte nicht angenommen werden</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Keine Verbindung zum Server möglich</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>Die Verbindung zum DamExchange-Programm ist abgebrochen.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>Das DamExchange-Programm hat die Partieanfrage nicht beantwortet.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Keine Verbindung zum DamExchange-Programm unter</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>Das DamExchange-Programm hat die Partie abgelehnt, mit Code</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>Die Engine hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>Das DamExchange-Programm sandte eine unlesbare Nachricht:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>Das DamExchange-Programm hat die Partie beendet.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>Das DamExchange-Programm sandte etwas anderes als einen Zug.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>Die Partie der Engine endet hier:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>Die Engine gibt keinen Tipp:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Keine Bewertung von der Engine</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Velmora-Handbuch (englisch)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Vor</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Startseite</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Für %1 konnte kein Webbrowser gestartet werden.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Aktuelle Partie speichern?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Brettbild exportieren</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Größe in Pixeln:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Die Endspieldatenbanken für %1 werden erstellt</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Die Endspieldatenbanken für %1 werden gelesen</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora kann seine Einstellungen nicht behalten; es spielt ohne sie.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Die Einstellungen wurden nicht gespeichert:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Es ist kein Engine-Programm eingestellt.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Die Engine konnte nicht gestartet werden:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>Die Engine ist abgestürzt.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>Die Engine wurde beendet, mit Exit-Code</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>Die Engine sandte eine zu lange Zeile.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>Gewinn</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(Schlagdame, offizielle Regeln)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(Schlagdame)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(offizielle Regeln)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>PDN exportieren</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>PDN-Partie (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>PDN importieren</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>PDN-Partien (*.pdn *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>Die Datei enthält keine Partie.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>Die Datei enthält mehr als %1 Partien; die ersten %1 sind aufgeführt:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>Die Datei enthält mehrere Partien:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>Die Zwischenablage enthält keine Stellung der Variante %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Stellung aufbauen</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Brett leeren</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Grundstellung</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Am Zug: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Variante: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Drehen</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Das Brett drehen: Weiß oben oder unten</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Fertig</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partie</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>Ne&amp;u...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Partie &amp;fortsetzen</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;Tipp</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>Partie &amp;analysieren</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Pause</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Laden...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Speichern...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>PDN e&amp;xportieren...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>PDN &amp;importieren...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>Stellung &amp;kopieren (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Stellung &amp;einfügen (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>Stellun&amp;g aufbauen...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>&amp;Netzwerk...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>Gegen ein Engine-Pr&amp;ogramm spielen...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>&amp;Drucken</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Partieliste...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Brett...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>&amp;Kleines Brett...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>B&amp;rettbild exportieren...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Beenden</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>&amp;Anpassen</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Darstellung...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Klang...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Züge mit einem Klick</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>&amp;Bewertung anzeigen</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>Brett &amp;wenden</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Sprache</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>Sp&amp;rache des Systems</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Regeln</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Handbuch (englisch)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>Ü&amp;ber ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Velmora-Webseite</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Werkzeugleiste</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>Die Zugliste ist leer.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Amerikanisch</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Brasilianisch</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Kanadisch</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Gedrängte Dame</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Friesisch</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Gotisch</translation>
    </message>
    <message>
      <source>International</source>
      <translation>International</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Italienisch</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Pool-Dame</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Russisch</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Spanisch</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Spärliche Dame</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Thailändisch</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Türkisch</translation>
    </message>
  </context>
</TS>
