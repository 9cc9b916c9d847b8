<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>L&apos;écran %1 du tableau n&apos;est pas branché : le tableau est sur %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>effacé</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 effacé</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1 : %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>personne</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Chrono remis à %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Chrono réglé à %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Chrono démarré à %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Chrono arrêté à %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>Le tableau affiche l&apos;heure</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>Le tableau affiche le chrono de jeu</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Match interrompu repris</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 score %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 sets gagnés %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Service : %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 temps morts %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>Le port du flux doit être un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>Le code PIN de la télécommande doit comporter exactement %1 chiffres.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Choisissez un port de %1 à %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;adresse de cet ordinateur&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>Dans un navigateur : http://%1:%2/overlay (1920 × 1080, pour OBS), /board ou /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Aucun fichier texte]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Réglages : %1 problème(s) dans %2 ; les valeurs par défaut s&apos;appliquent jusqu&apos;à l&apos;enregistrement des options.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Réglages : %1 est illisible ; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Le journal du match %1 ne peut pas être écrit (%2). Le match ne sera pas récupéré si Vantaro s&apos;arrête de façon inattendue.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Aucun périphérique audio : la sirène ne peut pas retentir.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Le journal du dernier match (%1) est illisible ; un nouveau match commence.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro ne s&apos;est pas fermé normalement. Reprendre le match interrompu ?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Terminer le match et fermer Vantaro ?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Terminer le match</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Pages : /board, /overlay, /remote&lt;br&gt;PIN de la télécommande : &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 a gagné le match.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Balle de match %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Balle de set %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Set %1 (set décisif) : en %2 points.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1 : en %2 points.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Temps morts pris : %1 %2, %3 %4 (sur %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Temps mort %1 : encore %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Changement de côté maintenant.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>MATCH GAGNÉ</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>BALLE DE MATCH</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>BALLE DE SET</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automatique : le premier écran qui n&apos;est pas l&apos;écran principal</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>L&apos;écran où se trouve le tableau (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principal)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non branché)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Set %1 pour %2, %3–%4 ?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Entrée : confirmer · Échap : pas encore</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro n&apos;a pas pu utiliser certains de ses réglages et emploie les valeurs par défaut à leur place.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro n&apos;a pas pu lire ses réglages et fonctionne avec les réglages par défaut.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Réglages de Vantaro</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Cette touche n&apos;est pas valable. Choisissez-en une autre ou fermez cette fenêtre pour revenir.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Choisir une touche</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Appuyez sur la touche qui doit %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Console Vantaro</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Chrono de jeu</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Annuler  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Rétablir  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Dernières modifications</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Démarrer / arrêter le chrono</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Remettre le chrono à zéro</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Chrono de jeu / heure</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Score local +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Score visiteur +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Effacer un champ</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Annuler / rétablir</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Aide / options</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Flux en direct</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Confirmer  (Entrée)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Pas encore  (Échap)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marche</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>Le tableau affiche l&apos;heure.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Le fichier d&apos;aide a été déplacé de son emplacement habituel.  Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Aide de Vantaro</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>démarrer / arrêter le chrono</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>remettre le chrono à zéro</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>basculer entre l&apos;heure et le temps de jeu</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>effacer un nombre</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>déclencher la sirène</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>augmenter de 1 le score local</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>augmenter de 1 le score visiteur</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>demander un temps mort pour l&apos;équipe locale</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>demander un temps mort pour les visiteurs</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Voulez-vous vraiment rétablir les couleurs ?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Rétablir couleurs</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Voulez-vous vraiment rétablir les touches ?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Rétablir touches</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Marche / arrêt chrono</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Jeu / heure</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Score local +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Score visiteur +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Effacement</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Verr. num. :</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Toujours activé</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Toujours désactivé</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Changer le son de la sirène...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Couleur du temps :</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Couleur locale :</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Couleur visiteur :</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Couleur du score :</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Couleur des sets :</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fond des LED :</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Couleur de fond :</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED sélectionnée</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Couleur du cadre :</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nom du tableau :</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nom local :</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nom visiteur :</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Image locale</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Image visiteur</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Image du tableau</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Type de chiffres :</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Écran du tableau :</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Avec deux écrans, le tableau occupe son écran sans cadre et la console s&apos;ouvre sur l&apos;autre.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Console de l&apos;opérateur :</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>affiche ou masque la console à côté du tableau.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Salle</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Beach</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Deux points d&apos;écart</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Règles :</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Règles personnalisées :</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sets gagnants :</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Points par set :</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Set décisif :</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Assistance :</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>Le service suit le point</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Balle de set / match au tableau</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Sirène à la fin du temps mort</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Temps mort sur le chrono</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Temps mort local</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Temps mort visiteur</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Flux en direct :</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Accessible depuis :</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Cet ordinateur seulement</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>Le réseau local</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN télécommande :</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nouveau PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Fichiers texte :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Aucun fichier choisi]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Sets gagnés</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Cliquez pour continuer.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; ouvre les options depuis le tableau.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; ouvre l&apos;aide depuis le tableau.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>par Quillwork</translation>
    </message>
</context>
</TS>
