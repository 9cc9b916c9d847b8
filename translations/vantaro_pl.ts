<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>Ekran tablicy %1 nie jest podłączony: tablica jest na %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>wyczyszczono</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 wyczyszczony</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nikt</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Zegar wyzerowany na %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Zegar ustawiony na %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Zegar uruchomiony przy %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Zegar zatrzymany przy %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>Tablica pokazuje godzinę</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>Tablica pokazuje czas gry</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Wznowiono przerwany mecz</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 punkty %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 wygrane sety %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Zagrywka: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Ponowiono: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 przerwy %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>Port transmisji musi być liczbą od %1 do %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>PIN pilota musi mieć dokładnie %1 cyfr.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Wybierz port od %1 do %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;adres tego komputera&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>W przeglądarce: http://%1:%2/overlay (1920 × 1080, dla OBS), /board lub /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Brak plików tekstowych]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Ustawienia: problemy (%1) w %2; do zapisania opcji obowiązują tam wartości domyślne.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Ustawienia: nie można odczytać %1; używane są wartości domyślne.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Nie można zapisać dziennika meczu %1 (%2). Mecz nie zostanie odzyskany, jeśli Vantaro nieoczekiwanie się zamknie.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Brak urządzenia audio: syrena nie może zabrzmieć.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Nie można odczytać dziennika ostatniego meczu (%1); zaczyna się nowy mecz.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro nie zamknął się prawidłowo. Wznowić przerwany mecz?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nowy mecz</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Zakończyć mecz i zamknąć Vantaro?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Zakończ mecz</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Graj dalej</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Nie działa.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Strony: /board, /overlay, /remote&lt;br&gt;PIN pilota: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 wygrywa mecz.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Piłka meczowa: %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Piłka setowa: %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Set %1 (decydujący): do %2 punktów.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1: do %2 punktów.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Wykorzystane przerwy: %1 %2, %3 %4 (z %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Przerwa %1: zostało %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Zmiana stron teraz.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>MECZ WYGRANY</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>PIŁKA MECZOWA</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>PIŁKA SETOWA</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automatycznie: pierwszy ekran, który nie jest główny</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>Ekran, na którym jest teraz tablica (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (główny)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (niepodłączony)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Set %1 dla %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Enter: potwierdź · Esc: jeszcze nie</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro nie mógł użyć niektórych ustawień i zamiast nich stosuje wartości domyślne.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro nie mógł odczytać ustawień i działa z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Ustawienia Vantaro</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Ten klawisz jest niedozwolony. Wybierz inny albo zamknij to okno, aby wrócić.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Wybierz klawisz</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Naciśnij klawisz, którym chcesz %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Konsola Vantaro</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Cofnij  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Ponów  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Ostatnie zmiany</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Ostrzeżenia</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Start / stop zegara</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Zeruj zegar</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Czas gry / godzina</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Punkty gospodarzy +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Punkty gości +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Syrena</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Wyczyść pole</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Cofnij / ponów</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Pomoc / opcje</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsola</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Transmisja na żywo</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Potwierdź  (Enter)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Jeszcze nie  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>biegnie</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymany</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>Tablica pokazuje godzinę.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Plik pomocy został przeniesiony ze swojego zwykłego miejsca.  Zainstaluj program ponownie.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Pomoc Vantaro</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>uruchamiać / zatrzymywać zegar</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>zerować zegar</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>przełączać między godziną a czasem gry</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>czyścić liczbę</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>włączać syrenę</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>dodawać 1 punkt gospodarzom</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>dodawać 1 punkt gościom</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>brać czas dla gospodarzy</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>brać czas dla gości</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Czy na pewno przywrócić domyślne kolory?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Resetuj kolory</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Czy na pewno przywrócić domyślne klawisze?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Resetuj klawisze</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Start / stop zegara</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Zeruj zegar</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Gra / godzina</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Gospodarze +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Goście +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Kasowanie</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Syrena</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Num Lock:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normalnie</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Zawsze włączony</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Zawsze wyłączony</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Zmień dźwięk syreny...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Kolor czasu:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Kolor gospodarzy:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Kolor gości:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Kolor punktów:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Kolor setów:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Tło diod:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Kolor tła:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>Wybrana dioda</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Grubość:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Kolor ramki:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nazwa tablicy:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nazwa gospodarzy:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nazwa gości:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Segmenty</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Kropki</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Obraz gospodarzy</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Obraz gości</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Obraz tablicy</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Rodzaj cyfr:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Ekran tablicy:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Przy dwóch ekranach tablica wypełnia swój ekran bez ramki, a konsola otwiera się na drugim.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Konsola operatora:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>pokazuje lub ukrywa konsolę obok tablicy.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Hala</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plaża</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Wygrana dwoma punktami</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Zasady:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Własne zasady:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sety do wygranej:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Punkty w secie:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Set decydujący:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Pomoc:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>Zagrywka za punktem</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Piłka setowa / meczowa na tablicy</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Syrena na koniec przerwy</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Przerwa na zegarze tablicy</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Czas gospodarzy</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Czas gości</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Transmisja na żywo:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Dostępna z:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Tylko ten komputer</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>Sieć lokalna</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN pilota:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nowy PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Pliki tekstowe:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Teksty</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Ekrany</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Transmisja</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nie wybrano pliku]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Wygrane sety</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Kliknij, aby zacząć.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; otwiera opcje z poziomu tablicy.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; otwiera pomoc z poziomu tablicy.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>Quillwork</translation>
    </message>
</context>
</TS>
