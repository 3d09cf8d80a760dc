<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>no men</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>men %1</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>no kings</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>kings %1</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White to move.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black to move.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source> or </source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White is to move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black is to move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White has no piece.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The game was canceled</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Could not create socket</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Error save game.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game saved.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please enter name</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Board</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Move listing</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>About</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Version 1.0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Appearance</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Show</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>AI progress</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Coordinates</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Last move</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Legal moves</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White on top</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Scale of board</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Fit to window</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Color</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Pick from skin</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Background:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Ink:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Font</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Dragging piece</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Drop shadow</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Opaque</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Skins</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Apply</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Set to default</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Help</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Cancel</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Font chooser</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Fonts</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Load game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Saved games</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Delete</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>File not selected</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>File not found</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Error delete file</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Network game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Name</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start game as</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Server</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Client</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Server's address</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Port:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>IP:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game status</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>New game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Continue current</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Side</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game type</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Give away</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Computer</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Human</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White player: type</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black player: type</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White player: name</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black player: name</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Type:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Name:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>AI level</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Easy</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Normal</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Above normal</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Expert</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Rules</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Save game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>File name:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Sound settings</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Sound events</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Event</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>File name</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Set default</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Play</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Set all</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Reset all</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Could not accept client</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Velmora manual</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>New...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Continue game</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Take back</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Play on</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Hint</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Pause</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Load...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Save...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Export PDN...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Import PDN...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Copy position (FEN)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Paste position (FEN)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Set up position...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Network...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Print</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Game listing...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Board...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Mini board...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Export board picture...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Customize</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Appearance...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Sound...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>One-click moves</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Language</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The system's language</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>User manual</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Velmora home page</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Save current game?</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Export board picture</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>(give away)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Export PDN</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Import PDN</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Set up position</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Clear board</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start position</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source> To move: </source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>White</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Black</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source> Variant: </source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Flip</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Done</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>American</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Brazilian</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Canadian</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Crowded</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Frisian</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Gothic</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>International</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Italian</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Pool checkers</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Russian</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Spanish</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Thai</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Turkish</source>
      <translation type="unfinished" />
    </message>
  </context>
</TS>
