<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>La pantalla %1 del marcador no está conectada: el marcador está en %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>borrado</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 borrado</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nadie</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Reloj puesto a %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Reloj ajustado a %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Reloj iniciado en %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Reloj detenido en %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>El marcador muestra la hora</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>El marcador muestra el tiempo de juego</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Partido interrumpido reanudado</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 puntos %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 sets ganados %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Saque: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 tiempos muertos %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>El puerto de la emisión debe ser un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>El PIN del mando a distancia debe tener exactamente %1 dígitos.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Elija un puerto de %1 a %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;dirección de este equipo&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>En un navegador: http://%1:%2/overlay (1920 × 1080, para OBS), /board o /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Sin archivos de texto]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Ajustes: %1 problema(s) en %2; allí se usan los valores predeterminados hasta que se guarden las opciones.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Ajustes: no se puede leer %1; se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>No se puede escribir el registro del partido %1 (%2). El partido no se recuperará si Vantaro se cierra inesperadamente.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>No hay dispositivo de audio: la bocina no puede sonar.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>No se puede leer el registro del último partido (%1); empieza un partido nuevo.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>Vantaro no se cerró correctamente. ¿Reanudar el partido interrumpido?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Partido nuevo</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>¿Terminar el partido y cerrar Vantaro?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Terminar partido</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>No está activo.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Páginas: /board, /overlay, /remote&lt;br&gt;PIN del mando: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 ha ganado el partido.</translation>
    </message>
    <message>
        <source>Match point %1.</source>
        <translation>Punto de partido %1.</translation>
    </message>
    <message>
        <source>Set point %1.</source>
        <translation>Punto de set %1.</translation>
    </message>
    <message>
        <source>Set %1 (deciding set): to %2 points.</source>
        <translation>Set %1 (set decisivo): a %2 puntos.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1: a %2 puntos.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Tiempos muertos: %1 %2, %3 %4 (de %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Tiempo muerto %1: quedan %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Cambio de campo ahora.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>PARTIDO GANADO</translation>
    </message>
    <message>
        <source>MATCH POINT</source>
        <translation>PUNTO DE PARTIDO</translation>
    </message>
    <message>
        <source>SET POINT</source>
        <translation>PUNTO DE SET</translation>
    </message>
</context>
<context>
    <name>ScreensTab</name>
    <message>
        <source>Automatic: the first screen that is not the primary one</source>
        <translation>Automática: la primera pantalla que no sea la principal</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>La pantalla donde está ahora el marcador (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principal)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectada)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>¿Set %1 para %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Intro: confirmar · Esc: todavía no</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>Vantaro no pudo usar algunos de sus ajustes y usa los valores predeterminados en su lugar.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>Vantaro no pudo leer sus ajustes y funciona con los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Ajustes de Vantaro</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Esta tecla no es válida. Elija otra o cierre esta ventana para volver.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Elegir tecla</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Pulse la tecla con la que desea %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Consola de Vantaro</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Deshacer  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Rehacer  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Últimos cambios</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Start / stop clock</source>
        <translation>Iniciar / detener reloj</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Reiniciar reloj</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Tiempo de juego / hora</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Puntos local +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Puntos visitante +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Borrar un campo</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Deshacer / rehacer</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Ayuda / opciones</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Consola</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Emisión en directo</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Confirmar  (Intro)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Todavía no  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>El marcador muestra la hora.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>El archivo de ayuda no está en su ubicación habitual.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Ayuda de Vantaro</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>iniciar / detener el reloj</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>reiniciar el reloj</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>cambiar entre la hora y el tiempo de juego</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>borrar un número</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>hacer sonar la bocina</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>sumar 1 punto al local</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>sumar 1 punto al visitante</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>pedir un tiempo muerto para el local</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>pedir un tiempo muerto para el visitante</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>¿Seguro que desea restablecer los colores?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer colores</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>¿Seguro que desea restablecer las teclas?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer teclas</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Iniciar / parar reloj</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Reiniciar reloj</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Juego / hora</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Puntos local +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Puntos visitante +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tecla borrar</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloq Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Siempre activado</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Siempre desactivado</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Cambiar sonido de bocina...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Color del tiempo:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Color local:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Color visitante:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Color de puntos:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Color de sets:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fondo de LED:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED seleccionado</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Grosor:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Color del borde:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nombre del marcador:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nombre local:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nombre visitante:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Imagen local</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Imagen visitante</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Imagen del marcador</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de dígitos:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Pantalla del marcador:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Con dos pantallas, el marcador ocupa su pantalla sin marco y la consola se abre en la otra.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Consola del operador:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>muestra u oculta la consola junto al marcador.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Playa</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Ganar por dos puntos</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Reglas:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Reglas personalizadas:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sets para ganar:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Puntos por set:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Set decisivo:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Asistencia:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>El saque sigue al punto</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Punto de set / partido en marcador</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Bocina al acabar el tiempo muerto</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Tiempo muerto en el reloj</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Tiempo muerto local</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Tiempo muerto visitante</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Emisión en directo:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Accesible desde:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Solo este equipo</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>La red local</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN del mando:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuevo PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Archivos de texto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Emisión</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Ningún archivo elegido]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Sets ganados</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Haga clic para continuar.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; abre las opciones desde el marcador.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; abre la ayuda desde el marcador.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>de Quillwork</translation>
    </message>
</context>
</TS>
