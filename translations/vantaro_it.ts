<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>Lo schermo %1 del tabellone non è collegato: il tabellone è su %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>azzerato</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 azzerato</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Cronometro azzerato a %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Cronometro impostato a %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Cronometro avviato a %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Cronometro fermato a %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>Il tabellone mostra l&apos;ora</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>Il tabellone mostra il tempo di gioco</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Partita interrotta ripresa</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 punti %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 set vinti %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Battuta: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Ripristinato: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 time-out %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>La porta del feed deve essere un numero da %1 a %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>Il PIN del telecomando deve avere esattamente %1 cifre.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Scegliere una porta da %1 a %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;indirizzo di questo computer&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>In un browser: http://%1:%2/overlay (1920 × 1080, per OBS), /board o /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Nessun file di testo]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Impostazioni: %1 problema/i in %2; lì valgono i valori predefiniti finché le opzioni non vengono salvate.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Impostazioni: impossibile leggere %1; si usano i valori predefiniti.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Impossibile scrivere il registro della partita %1 (%2). La partita non verrà recuperata se Vantaro si chiude in modo imprevisto.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Nessun dispositivo audio: la sirena non può suonare.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Impossibile leggere il registro dell&apos;ultima partita (%1); inizia una nuova partita.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro non si è chiuso normalmente. Riprendere la partita interrotta?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Terminare la partita e chiudere Vantaro?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Termina partita</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continua a giocare</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Non attivo.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Pagine: /board, /overlay, /remote&lt;br&gt;PIN del telecomando: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 ha vinto la partita.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Match point %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Set point %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Set %1 (set decisivo): a %2 punti.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1: a %2 punti.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Time-out chiamati: %1 %2, %3 %4 (su %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Time-out %1: mancano %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Cambio di campo ora.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>PARTITA VINTA</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>MATCH POINT</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>SET POINT</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automatico: il primo schermo che non è quello principale</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>Lo schermo su cui si trova ora il tabellone (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principale)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non collegato)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Set %1 a %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Invio: conferma · Esc: non ancora</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro non ha potuto usare alcune impostazioni e al loro posto usa i valori predefiniti.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro non ha potuto leggere le impostazioni e funziona con quelle predefinite.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Impostazioni di Vantaro</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Questo tasto non è valido: sceglierne un altro o chiudere questa finestra per tornare indietro.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Scegli tasto</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Premere il tasto con cui %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Console di Vantaro</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Annulla  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Ripristina  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Ultime modifiche</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Avvia / ferma cronometro</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Azzera cronometro</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Tempo di gioco / ora</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Punti casa +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Punti ospiti +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Svuota un campo</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Annulla / ripristina</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Guida / opzioni</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Feed dal vivo</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Conferma  (Invio)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Non ancora  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermo</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>Il tabellone mostra l&apos;ora.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Il file della guida è stato spostato dalla sua posizione abituale.  Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Guida di Vantaro</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>avviare / fermare il cronometro</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>azzerare il cronometro</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>passare tra ora e tempo di gioco</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>cancellare un numero</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>suonare la sirena</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>aumentare di 1 i punti di casa</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>aumentare di 1 i punti degli ospiti</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>chiamare un time-out per la squadra di casa</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>chiamare un time-out per gli ospiti</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Ripristinare davvero i colori?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Ripristina colori</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Ripristinare davvero i tasti?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Ripristina tasti</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Avvia / ferma tempo</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Azzera tempo</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Gioco / ora</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Punti casa +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Punti ospiti +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tasto cancella</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloc Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Sempre attivo</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Sempre disattivo</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Cambia suono sirena...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Colore tempo:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Colore casa:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Colore ospiti:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Colore punti:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Colore set:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Sfondo LED:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Colore sfondo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED selezionato</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Spessore:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Colore bordo:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nome tabellone:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nome casa:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nome ospiti:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Segmenti</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Immagine casa</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Immagine ospiti</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Immagine tabellone</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo di cifre:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Schermo del tabellone:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Con due schermi il tabellone riempie il suo schermo senza cornice e la console si apre sull&apos;altro.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Console dell&apos;operatore:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>mostra o nasconde la console accanto al tabellone.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Indoor</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Beach</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzate</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Due punti di scarto</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regole:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Regole personalizzate:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Set per vincere:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punti per set:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Set decisivo:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Assistenza:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>La battuta segue il punto</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Set / match point sul tabellone</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Sirena a fine time-out</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Time-out sul cronometro</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Time-out casa</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Time-out ospiti</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Feed dal vivo:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Raggiungibile da:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Solo questo computer</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>La rete locale</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN telecomando:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuovo PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>File di testo:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Schermi</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nessun file scelto]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Set vinti</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Fare clic per continuare.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; apre le opzioni dal tabellone.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; apre la guida dal tabellone.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>di Quillwork</translation>
    </message>
</context>
</TS>
