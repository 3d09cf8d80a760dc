<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Blancs : %1 ; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Noirs : %1 ; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>aucun pion</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>pions %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>aucune dame</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>dames %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Trait aux Blancs.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Trait aux Noirs.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Dernier coup : %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Règles officielles</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Interrompre le coup de l'ordinateur. Êtes-vous sûr ?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> ou </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>aucun coup légal ne s'écrit ainsi</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>« %1 » n'est pas un coup : écrivez-le comme c3-d4 ou 22-18</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>« %1 » n'est pas un coup : écrivez-le comme c3-d4 ou c3:e5</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>Il n'y a pas de pièce sur %1</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Trait aux Blancs</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Trait aux Noirs</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>La pièce ne peut pas aller là</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>La prise est obligatoire : %1 doit prendre</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Cette pièce n'a aucun coup légal</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Veuillez indiquer tout le chemin du coup.
Voir aussi le manuel (en anglais) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Veuillez indiquer le chemin du coup.
Voir aussi le manuel (en anglais) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Joueur 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Joueur 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Veuillez saisir un autre nom (BLANCS)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Veuillez saisir un autre nom (NOIRS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Veuillez saisir les noms (BLANCS ET NOIRS)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Veuillez saisir un nom (BLANCS)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Veuillez saisir un nom (NOIRS)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Partie terminée.
Les Blancs gagnent.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Partie terminée.
Les Noirs gagnent.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Partie terminée.
Aucune prise lors des 15 derniers coups.
La partie est nulle</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Le nombre maximal de coups est atteint.
Partie terminée.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>gain en %1</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>perte en %1</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>nulle</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Les Blancs gagnent</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Les Noirs gagnent</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Partie nulle</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Les Blancs gagnent en %1</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Les Noirs gagnent en %1</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Un pion blanc se trouve sur sa ligne de promotion, en %1.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Un pion noir se trouve sur sa ligne de promotion, en %1.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Un pion blanc se trouve en %1, où les pions blancs ne vont jamais.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Un pion noir se trouve en %1, où les pions noirs ne vont jamais.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Les Blancs n'ont aucune pièce.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Les Noirs n'ont aucune pièce.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Les Blancs ont %1 pièces ; une partie de %2 commence avec %3.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Les Noirs ont %1 pièces ; une partie de %2 commence avec %3.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Prise</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Erreur</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Déplacement</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Promotion</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Composition d'une position</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>L'Expert passe la partie en revue</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Partie terminée : les Blancs gagnent</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Partie terminée : les Noirs gagnent</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Partie terminée : nulle</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>La partie est arrêtée</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Aucune partie en cours</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>L'ordinateur réfléchit</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>L'ordinateur réfléchit (profondeur %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>En attente du coup de l'adversaire</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>En pause</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>Conseil : %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Les Blancs doivent prendre</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Les Noirs doivent prendre</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Trait aux Blancs</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Trait aux Noirs</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Veuillez saisir l'adresse IP du serveur.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Veuillez saisir le port du serveur.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Le numéro de port doit être au moins 1024.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Le numéro de port doit être au plus 65535.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>Le moteur ne joue pas cette variante :</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>Le moteur a signalé une erreur :</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>Le moteur a été fermé.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>Le moteur a joué un coup qui n'est pas légal ici :</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Votre adversaire n'a pas répondu depuis trop longtemps. Connexion perdue.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Connexion perdue. Erreur d'envoi.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Connexion perdue. Erreur de réception.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>Le serveur a envoyé une partie illisible. Connexion perdue.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>Le coup de votre adversaire n'est pas légal. La partie a été annulée.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>La partie a été annulée</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Votre adversaire a modifié la partie. Voulez-vous continuer ?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Votre adversaire a quitté la partie. Connexion perdue.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Interrompre l'envoi. Êtes-vous sûr ?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Interrompre la réception. Êtes-vous sûr ?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Impossible de créer le socket</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Impossible de lier le socket</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Impossible d'écouter sur le socket</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Ordinateur</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>attendu : %1, trouvé : %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>la case %1 est donnée deux fois</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>attendu : une case ou une plage comme 1-12, trouvé : %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>attendu : W ou B avant une liste de cases, trouvé : %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN : attendu au début le camp au trait, W ou B, trouvé : %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN : la couleur %1 est donnée deux fois</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, champ %1 : %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>une case de a1 à %1</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>un numéro de case de 1 à %1</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>ligne %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>le commentaire ouvert par "{" n'est pas fermé par "}"</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>la variante ouverte par "(" n'est pas fermée par ")"</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>attendu : un nom de balise après "[", comme dans [Event "..."]</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>une partie a plus de %1 balises</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>attendu : la valeur de la balise %1 entre guillemets</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>la valeur de la balise %1 n'est pas fermée par un guillemet</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>attendu : "]" pour fermer la balise %1</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>une partie compte au plus %1 coups</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>attendu : %1 dans le coup %2, trouvé : %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 peut être plus d'une prise ; attendu : son chemin complet</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 n'est pas ici un coup légal des Blancs</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 n'est pas ici un coup légal des Noirs</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>inattendu : %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>attendu : un coup, un numéro de coup ou un résultat, trouvé : %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 n'est pas une variante que ce programme joue</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Le fichier existe. L'écraser ?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Erreur lors de l'enregistrement de la partie.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Partie enregistrée.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Veuillez saisir un nom</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Un nom de fichier ne peut contenir aucun des caractères \ / : * ? " &lt; &gt; | ni de caractère de contrôle.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>Le nom est trop long pour un nom de fichier.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Simple</translation>
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
      <translation>4. Boutons</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Ciel</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Maison</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Pierre</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Les bases de finales connaissent la partie dès le départ : %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>Après %1, les bases de finales connaissent la partie : %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Analyse %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Analyse terminée.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Blancs : %1 erreurs (?), %2 gaffes (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Noirs : %1 erreurs (?), %2 gaffes (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Damier</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Liste des coups</translation>
    </message>
    <message>
      <source>About</source>
      <translation>À propos</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>Les dames en quatorze variantes : américaines, brésiliennes, canadiennes, serrées, frisonnes, gothiques, internationales, italiennes, pool, russes, espagnoles, clairsemées, thaïes et turques.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Version 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora est un logiciel libre : vous pouvez le partager et le modifier selon la licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later).</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Il est fourni sans aucune garantie, pas même la garantie implicite de qualité marchande ou d'adéquation à un usage particulier.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Apparence</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Afficher</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Progression de l'ordinateur</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Coordonnées</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Dernier coup</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Coups légaux</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Blancs en haut</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Numéros des cases</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Coups glissés</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Taille du damier</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Couleur</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Prendre du thème</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Fond :</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Texte :</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Police</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Choisir</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Pièce déplacée</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Ombre portée</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Opaque</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Thèmes</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Appliquer</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Par défaut</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Jouer contre un moteur</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Moteur</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>Programme &amp;Hub :</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Le programme du moteur et ses arguments</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Parcourir...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Programme du moteur</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>Programme &amp;DamExchange à :</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>L'adresse du programme DamExchange</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Port</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Port :</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange ne joue que les dames internationales et ne donne pas de conseils.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partie</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Blancs</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Noirs</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>Game type:</source>
      <translation>Variante :</translation>
    </message>
    <message>
      <source>You play:</source>
      <translation>Vous jouez :</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Temps du moteur par coup :</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>&amp;Commencer une nouvelle partie contre lui</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>Le conseil et l'é&amp;valuation viennent de ce moteur</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Indiquez le programme du moteur.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>Indiquez l'adresse IPv4 du programme DamExchange, par exemple 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Choix de la police</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Polices</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Ouvrir une partie</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Parties enregistrées</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Aucun fichier choisi</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Fichier introuvable</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Supprimer la partie enregistrée %1 ?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Erreur lors de la suppression du fichier</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Partie en réseau</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Commencer la partie comme</translation>
    </message>
    <message>
      <source>Server</source>
      <translation>Serveur</translation>
    </message>
    <message>
      <source>Client</source>
      <translation>Client</translation>
    </message>
    <message>
      <source>Server's address</source>
      <translation>Adresse du serveur</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP :</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>État de la partie</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Nouvelle partie</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Continuer l'actuelle</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Camp</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Variante</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Qui perd gagne</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Les parties en réseau suivent les règles classiques de Velmora.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>Humain</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Joueur blanc : type</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Joueur noir : type</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Joueur blanc : nom</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Joueur noir : nom</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Type :</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nom :</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Niveau de l'ordinateur</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Facile</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Avancé</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Expert</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Les règles de la fédération de la variante au lieu des règles classiques de Velmora</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Règles</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Enregistrer la partie</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Nom de la partie enregistrée</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Nom du fichier :</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Réglages du son</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Événements sonores</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Événement</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Nom du fichier</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Par défaut</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Écouter</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Choisir...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Tout activer</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Tout désactiver</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Veuillez choisir une ligne de la liste.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Veuillez choisir un fichier WAV</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>Fichier WAV (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>En attente du client.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Connexion au serveur en cours.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>Impossible d'accepter le client</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Impossible de se connecter au serveur</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>La connexion au programme DamExchange a été coupée.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>Le programme DamExchange n'a pas répondu à la proposition de partie.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>Connexion impossible au programme DamExchange à</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>Le programme DamExchange a refusé la partie, avec le code</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>Le moteur n'a pas répondu à temps.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>Le programme DamExchange a envoyé un message illisible :</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>Le programme DamExchange a terminé la partie.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>Le programme DamExchange a envoyé autre chose qu'un coup.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>La partie du moteur s'arrête ici :</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>Le moteur ne donne pas de conseil :</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Pas d'évaluation du moteur</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Manuel de Velmora (en anglais)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Précédent</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Suivant</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Accueil</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>Aucun navigateur web n'a pu être lancé pour %1.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Enregistrer la partie en cours ?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Exporter l'image du damier</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Taille en pixels :</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>Création des bases de finales pour %1</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>Lecture des bases de finales pour %1</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora ne peut pas conserver ses réglages ; il joue sans eux.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Les réglages n'ont pas été enregistrés :</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Aucun programme de moteur n'est indiqué.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Le moteur n'a pas pu être lancé :</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>Le moteur s'est planté.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>Le moteur s'est arrêté, avec le code de sortie</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>Le moteur a envoyé une ligne trop longue.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>gain</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(qui perd gagne, règles officielles)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(qui perd gagne)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(règles officielles)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>Exporter en PDN</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>Partie PDN (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>Importer un PDN</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>Parties PDN (*.pdn *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>Le fichier ne contient aucune partie.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>Le fichier contient plus de %1 parties ; les %1 premières sont listées :</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>Le fichier contient plusieurs parties :</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>Le presse-papiers ne contient aucune position de %1.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Composer une position</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Vider le damier</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Position initiale</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Trait : </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Variante : </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Retourner</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Tourner le damier : les blancs en haut ou en bas</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Terminé</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Partie</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Nouvelle...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>Con&amp;tinuer la partie</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>&amp;Reprendre le coup</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>A&amp;vancer</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>Con&amp;seil</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>&amp;Analyser la partie</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Pause</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>E&amp;xporter en PDN...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>Importer &amp;un PDN...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>&amp;Copier la position (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Coller &amp;la position (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>Co&amp;mposer une position...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>R&amp;éseau...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>&amp;Jouer contre un moteur...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>&amp;Imprimer</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Liste des coups...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Damier...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>&amp;Petit damier...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>Exporter l'image &amp;du damier...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Quitter</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>P&amp;ersonnaliser</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Apparence...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Son...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Coups en un clic</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>Afficher l'&amp;évaluation</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>&amp;Retourner le damier</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Langue</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>&amp;Langue du système</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Règles</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>&amp;Manuel (en anglais)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>À &amp;propos ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Site de Velmora</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Barre d'outils</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>La liste des coups est vide.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Dames américaines</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Dames brésiliennes</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Dames canadiennes</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Dames serrées</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Dames frisonnes</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Dames gothiques</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Dames internationales</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>Dames italiennes</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Dames pool</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Dames russes</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>Dames espagnoles</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Dames clairsemées</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Dames thaïes</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Dames turques</translation>
    </message>
  </context>
</TS>
