<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>Der Bildschirm %1 der Anzeigetafel ist nicht angeschlossen: die Tafel ist auf %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Satz %1 gelöscht</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Satz %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Uhr zurückgesetzt auf %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Uhr gestellt auf %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Uhr gestartet bei %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Uhr angehalten bei %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>Tafel zeigt die Uhrzeit</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>Tafel zeigt die Spielzeit</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Unterbrochenes Spiel fortgesetzt</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 Punkte %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 gewonnene Sätze %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Aufschlag: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 Auszeiten %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>Der Port des Live-Feeds muss eine Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>Die PIN der Fernbedienung muss genau %1 Ziffern haben.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Wählen Sie einen Port von %1 bis %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;Adresse dieses Computers&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>Im Browser: http://%1:%2/overlay (1920 × 1080, für OBS), /board oder /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Keine Textdateien]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Einstellungen: %1 Problem(e) in %2; dort gelten die Standardwerte, bis die Optionen gespeichert werden.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Einstellungen: %1 kann nicht gelesen werden; es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Das Spielprotokoll %1 kann nicht geschrieben werden (%2). Endet Vantaro unerwartet, kann das Spiel nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Kein Audiogerät: die Hupe kann nicht ertönen.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Das Protokoll des letzten Spiels (%1) kann nicht gelesen werden; ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro wurde nicht normal beendet. Das unterbrochene Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Spiel beenden und Vantaro schließen?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Läuft nicht.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Seiten: /board, /overlay, /remote&lt;br&gt;Fernbedienungs-PIN: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 hat das Spiel gewonnen.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Matchball %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Satzball %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Satz %1 (Entscheidungssatz): bis %2 Punkte.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Satz %1: bis %2 Punkte.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Genommene Auszeiten: %1 %2, %3 %4 (von %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Auszeit %1: noch %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Jetzt Seitenwechsel.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>SPIEL GEWONNEN</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>MATCHBALL</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>SATZBALL</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automatisch: erster Bildschirm außer dem Hauptbildschirm</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>Der Bildschirm, auf dem die Tafel jetzt ist (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (Hauptbildschirm)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Satz %1 an %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Enter: bestätigen · Esc: noch nicht</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro konnte einige Einstellungen nicht verwenden und nutzt an ihrer Stelle die Standardwerte.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro konnte seine Einstellungen nicht lesen und läuft mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Vantaro-Einstellungen</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Diese Taste ist nicht zulässig. Bitte wählen Sie eine andere oder schließen Sie dieses Fenster.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Drücken Sie die Taste, mit der Sie %1 möchten.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Vantaro-Konsole</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Spieluhr</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Rückgängig  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Wiederholen  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Uhr starten / anhalten</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Uhr zurücksetzen</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Spielzeit / Uhrzeit</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Punkte Heim +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Punkte Gast +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Feld leeren</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Rückgängig / wiederholen</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Hilfe / Optionen</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Live-Feed</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Bestätigen  (Enter)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Noch nicht  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>Die Anzeigetafel zeigt die Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Die Hilfedatei ist nicht an ihrem üblichen Ort.  Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Vantaro-Hilfe</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>die Uhr starten / anhalten</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>die Uhr zurücksetzen</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>zwischen Uhrzeit und Spielzeit wechseln</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>eine Zahl löschen</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>die Hupe ertönen lassen</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>die Punkte von Heim um 1 erhöhen</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>die Punkte von Gast um 1 erhöhen</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>eine Auszeit für Heim nehmen</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>eine Auszeit für Gast nehmen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Möchten Sie die Farben wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Möchten Sie die Tasten wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Uhr Start / Stopp</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Uhr zurücksetzen</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Spielzeit / Uhrzeit</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Punkte Heim +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Punkte Gast +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Löschtaste</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>NumLock-Optionen:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>NumLock immer an</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>NumLock immer aus</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Hupenton ändern...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Zeitfarbe:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Heimfarbe:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Gastfarbe:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Punktefarbe:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Satzfarbe:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>LED-Hintergrund:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED-Auswahl</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Rahmenfarbe:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Name der Tafel:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Name Heim:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Name Gast:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Striche</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Bild Heim</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Bild Gast</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Bild der Tafel</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Ziffernart:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Bildschirm der Tafel:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Bei zwei Bildschirmen füllt die Tafel ihren Bildschirm ohne Rahmen, und die Konsole öffnet sich auf dem anderen.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Bedienkonsole:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>zeigt oder verbirgt die Konsole neben der Tafel.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Halle</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Beach</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Zwei Punkte Vorsprung</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Eigene Regeln:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Gewinnsätze:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punkte je Satz:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Entscheidungssatz:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Hilfen:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>Aufschlag folgt dem Punkt</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Satz-/Matchball auf der Tafel</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Hupe am Ende der Auszeit</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Auszeit auf der Tafeluhr</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Auszeit Heim</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Auszeit Gast</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Live-Feed:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Erreichbar von:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Nur diesem Computer</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>Dem lokalen Netzwerk</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>Remote-PIN:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Neue PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Textdateien:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Keine Datei gewählt]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Gewonnene Sätze</translation>
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
        <translation>Zum Fortfahren klicken.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; öffnet auf der Tafel die Optionen.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; öffnet auf der Tafel die Hilfe.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>von Quillwork</translation>
    </message>
</context>
</TS>
