<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>Het scherm %1 van het scorebord is niet aangesloten: het scorebord staat op %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>gewist</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 gewist</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Klok teruggezet op %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Klok ingesteld op %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Klok gestart bij %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Klok gestopt bij %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>Scorebord toont de tijd</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>Scorebord toont de speeltijd</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Onderbroken wedstrijd hervat</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 punten %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 gewonnen sets %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Service: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Ongedaan: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 time-outs %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>De poort van de feed moet een getal van %1 tot %2 zijn.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>De pincode van de afstandsbediening moet precies %1 cijfers hebben.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Kies een poort van %1 tot %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;adres van deze computer&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>In een browser: http://%1:%2/overlay (1920 × 1080, voor OBS), /board of /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Geen tekstbestanden]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Instellingen: %1 probleem/problemen in %2; daar gelden de standaardwaarden tot de opties worden opgeslagen.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Instellingen: %1 kan niet worden gelezen; de standaardwaarden worden gebruikt.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Het wedstrijdlogboek %1 kan niet worden geschreven (%2). De wedstrijd wordt niet hersteld als Vantaro onverwacht stopt.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Geen audioapparaat: de zoemer kan niet klinken.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Het logboek van de laatste wedstrijd (%1) kan niet worden gelezen; er begint een nieuwe wedstrijd.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro is niet normaal afgesloten. De onderbroken wedstrijd hervatten?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nieuwe wedstrijd</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Wedstrijd beëindigen en Vantaro sluiten?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Wedstrijd beëindigen</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Doorspelen</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Niet actief.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Pagina&apos;s: /board, /overlay, /remote&lt;br&gt;Pincode afstandsbediening: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 heeft de wedstrijd gewonnen.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Matchpoint %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Setpoint %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Set %1 (beslissende set): tot %2 punten.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1: tot %2 punten.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Time-outs genomen: %1 %2, %3 %4 (van %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Time-out %1: nog %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Nu van speelhelft wisselen.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>WEDSTRIJD GEWONNEN</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>MATCHPUNT</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>SETPUNT</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automatisch: het eerste scherm dat niet het hoofdscherm is</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>Het scherm waarop het scorebord nu staat (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (hoofdscherm)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (niet aangesloten)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Set %1 naar %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Enter: bevestigen · Esc: nog niet</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro kon sommige instellingen niet gebruiken en gebruikt in plaats daarvan de standaardwaarden.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro kon zijn instellingen niet lezen en draait met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Vantaro-instellingen</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Deze toets is niet geldig. Kies een andere of sluit dit venster om terug te gaan.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Toets kiezen</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Druk op de toets waarmee u %1 wilt.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Vantaro-console</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Ongedaan maken  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Opnieuw  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Laatste wijzigingen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Klok starten / stoppen</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Klok terugzetten</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Speeltijd / tijd</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Score thuis +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Score gasten +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zoemer</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Veld wissen</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Ongedaan maken / opnieuw</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Help / opties</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Livefeed</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Bevestigen  (Enter)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Nog niet  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>loopt</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestopt</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>Het bord toont de tijd van de dag.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Het helpbestand staat niet meer op zijn gewone plaats.  Installeer het programma opnieuw.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Vantaro-help</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>de klok starten / stoppen</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>de klok terugzetten</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>wisselen tussen tijd en speeltijd</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>een getal wissen</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>de zoemer laten klinken</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>de score van thuis met 1 verhogen</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>de score van de gasten met 1 verhogen</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>een time-out voor thuis nemen</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>een time-out voor de gasten nemen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Weet u zeker dat u de kleuren wilt herstellen?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Kleuren herstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Weet u zeker dat u de toetsen wilt herstellen?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Toetsen herstellen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Klok start / stop</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Klok terugzetten</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Speeltijd / tijd</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Score thuis +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Score gasten +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Wistoets</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zoemer</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Num Lock:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Altijd aan</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Altijd uit</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Zoemergeluid wijzigen...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Kleur tijd:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Kleur thuis:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Kleur gasten:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Kleur score:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Kleur sets:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Led-achtergrond:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Achtergrond:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Led geselecteerd</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Kleur rand:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Naam scorebord:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Naam thuis:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Naam gasten:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Strepen</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Stippen</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Afbeelding thuis</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Afbeelding gasten</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Afbeelding scorebord</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Cijfertype:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Voorbeeld:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Scherm van het scorebord:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Met twee schermen vult het scorebord zijn scherm zonder rand en opent de console op het andere.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Bedieningsconsole:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>toont of verbergt de console naast het scorebord.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Zaal</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Beach</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Winnen met twee punten</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regels:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Eigen regels:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Winnende sets:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punten per set:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Beslissende set:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Hulp:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>Service volgt het punt</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Set-/matchpunt op het scorebord</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Zoemer aan einde time-out</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Time-out op de klok</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Time-out thuis</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Time-out gasten</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Livefeed:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Bereikbaar vanaf:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Alleen deze computer</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>Het lokale netwerk</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>Pincode:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nieuwe pincode</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Tekstbestanden:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Teksten</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Schermen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Geen bestand gekozen]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Gewonnen sets</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Klik om verder te gaan.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; opent de opties vanaf het scorebord.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; opent de help vanaf het scorebord.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>door Quillwork</translation>
    </message>
</context>
</TS>
