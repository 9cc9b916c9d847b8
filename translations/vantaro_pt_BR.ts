<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BoardPlacement</name>
    <message>
        <source>The board&apos;s screen %1 is not connected: the board is on %2.</source>
        <translation>A tela %1 do placar não está conectada: o placar está em %2.</translation>
    </message>
</context>
<context>
    <name>ChangeDescription</name>
    <message>
        <source>cleared</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>Set %1 cleared</source>
        <translation>Set %1 apagado</translation>
    </message>
    <message>
        <source>Set %1: %2–%3</source>
        <translation>Set %1: %2–%3</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>ninguém</translation>
    </message>
    <message>
        <source>Clock reset to %1</source>
        <translation>Relógio zerado em %1</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Relógio ajustado para %1</translation>
    </message>
    <message>
        <source>Clock started at %1</source>
        <translation>Relógio iniciado em %1</translation>
    </message>
    <message>
        <source>Clock stopped at %1</source>
        <translation>Relógio parado em %1</translation>
    </message>
    <message>
        <source>Board shows the time of day</source>
        <translation>O placar mostra a hora</translation>
    </message>
    <message>
        <source>Board shows the game clock</source>
        <translation>O placar mostra o tempo de jogo</translation>
    </message>
    <message>
        <source>Interrupted match resumed</source>
        <translation>Partida interrompida retomada</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 pontos %2</translation>
    </message>
    <message>
        <source>%1 games won %2</source>
        <translation>%1 sets vencidos %2</translation>
    </message>
    <message>
        <source>Serve: %1</source>
        <translation>Saque: %1</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>%1 timeouts %2</source>
        <translation>%1 tempos %2</translation>
    </message>
</context>
<context>
    <name>FeedOptions</name>
    <message>
        <source>The feed&apos;s port must be a number from %1 to %2.</source>
        <translation>A porta da transmissão deve ser um número de %1 a %2.</translation>
    </message>
    <message>
        <source>The remote&apos;s PIN must be exactly %1 digits.</source>
        <translation>O PIN do controle remoto deve ter exatamente %1 dígitos.</translation>
    </message>
    <message>
        <source>Choose a port from %1 to %2.</source>
        <translation>Escolha uma porta de %1 a %2.</translation>
    </message>
    <message>
        <source>&lt;this computer&apos;s address&gt;</source>
        <translation>&lt;endereço deste computador&gt;</translation>
    </message>
    <message>
        <source>In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.</source>
        <translation>Em um navegador: http://%1:%2/overlay (1920 × 1080, para o OBS), /board ou /remote.</translation>
    </message>
    <message>
        <source>[No Text Files]</source>
        <translation>[Sem arquivos de texto]</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Settings: %1 problem(s) in %2; defaults are used there until the options are saved.</source>
        <translation>Configurações: %1 problema(s) em %2; os valores padrão valem ali até as opções serem salvas.</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read; the defaults are in use.</source>
        <translation>Configurações: não é possível ler %1; os valores padrão estão em uso.</translation>
    </message>
    <message>
        <source>The match journal %1 cannot be written (%2). The match will not be recovered if Vantaro ends unexpectedly.</source>
        <translation>Não é possível gravar o registro da partida %1 (%2). A partida não será recuperada se o Vantaro fechar inesperadamente.</translation>
    </message>
    <message>
        <source>No audio device: the buzzer cannot sound.</source>
        <translation>Nenhum dispositivo de áudio: a sirene não pode tocar.</translation>
    </message>
    <message>
        <source>The journal of the last match (%1) cannot be read; a new match starts.</source>
        <translation>Não é possível ler o registro da última partida (%1); uma nova partida começa.</translation>
    </message>
    <message>
        <source>Vantaro did not close normally. Resume the interrupted match?</source>
        <translation>O Vantaro não foi fechado normalmente. Retomar a partida interrompida?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>End the match and close Vantaro?</source>
        <translation>Encerrar a partida e fechar o Vantaro?</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>Encerrar partida</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continuar jogando</translation>
    </message>
    <message>
        <source>Not running.</source>
        <translation>Não está ativo.</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;Pages: /board, /overlay, /remote&lt;br&gt;Remote PIN: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>%1&lt;br&gt;Páginas: /board, /overlay, /remote&lt;br&gt;PIN do controle remoto: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>RulesDescription</name>
    <message>
        <source>%1 won the match.</source>
        <translation>%1 venceu a partida.</translation>
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
        <translation>Set %1 (set decisivo): até %2 pontos.</translation>
    </message>
    <message>
        <source>Set %1: to %2 points.</source>
        <translation>Set %1: até %2 pontos.</translation>
    </message>
    <message>
        <source>Timeouts taken: %1 %2, %3 %4 (of %5).</source>
        <translation>Tempos pedidos: %1 %2, %3 %4 (de %5).</translation>
    </message>
    <message>
        <source>Timeout %1: %2 s left.</source>
        <translation>Tempo %1: faltam %2 s.</translation>
    </message>
    <message>
        <source>Switch sides now.</source>
        <translation>Troca de lado agora.</translation>
    </message>
</context>
<context>
    <name>RulesOverlay</name>
    <message>
        <source>MATCH WON</source>
        <translation>PARTIDA VENCIDA</translation>
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
        <translation>Automática: a primeira tela que não é a principal</translation>
    </message>
    <message>
        <source>The screen the board is on now (%1)</source>
        <translation>A tela em que o placar está agora (%1)</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principal)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (não conectada)</translation>
    </message>
</context>
<context>
    <name>SetEnd</name>
    <message>
        <source>Set %1 to %2, %3–%4?</source>
        <translation>Set %1 para %2, %3–%4?</translation>
    </message>
    <message>
        <source>Enter: confirm · Esc: not yet</source>
        <translation>Enter: confirmar · Esc: ainda não</translation>
    </message>
</context>
<context>
    <name>SettingsWarning</name>
    <message>
        <source>Vantaro could not use some of its settings and runs with the defaults in their place.</source>
        <translation>O Vantaro não pôde usar algumas configurações e usa os valores padrão no lugar delas.</translation>
    </message>
    <message>
        <source>Vantaro could not read its settings and runs with the default settings.</source>
        <translation>O Vantaro não pôde ler suas configurações e funciona com as configurações padrão.</translation>
    </message>
    <message>
        <source>Vantaro settings</source>
        <translation>Configurações do Vantaro</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>Esta tecla não é válida. Escolha outra ou feche esta janela para voltar.</translation>
    </message>
    <message>
        <source>Choose Key</source>
        <translation>Escolher tecla</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <translation>Pressione a tecla com a qual deseja %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Vantaro Console</source>
        <translation>Console do Vantaro</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Tempo de jogo</translation>
    </message>
    <message>
        <source>Undo  (Ctrl+Z)</source>
        <translation>Desfazer  (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo  (Ctrl+Y)</source>
        <translation>Refazer  (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Latest changes</source>
        <translation>Últimas alterações</translation>
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
        <translation>Iniciar / parar relógio</translation>
    </message>
    <message>
        <source>Reset clock</source>
        <translation>Zerar relógio</translation>
    </message>
    <message>
        <source>Game clock / time of day</source>
        <translation>Tempo de jogo / hora</translation>
    </message>
    <message>
        <source>Home score +1</source>
        <translation>Pontos mandante +1</translation>
    </message>
    <message>
        <source>Visitor score +1</source>
        <translation>Pontos visitante +1</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <source>Clear a field</source>
        <translation>Apagar um campo</translation>
    </message>
    <message>
        <source>Undo / redo</source>
        <translation>Desfazer / refazer</translation>
    </message>
    <message>
        <source>Help / options</source>
        <translation>Ajuda / opções</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Live feed</source>
        <translation>Transmissão ao vivo</translation>
    </message>
    <message>
        <source>Confirm  (Enter)</source>
        <translation>Confirmar  (Enter)</translation>
    </message>
    <message>
        <source>Not yet  (Esc)</source>
        <translation>Ainda não  (Esc)</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>correndo</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>The board shows the time of day.</source>
        <translation>O placar mostra a hora.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>O arquivo de ajuda foi movido do seu local habitual.  Reinstale o programa.</translation>
    </message>
    <message>
        <source>Vantaro Help</source>
        <translation>Ajuda do Vantaro</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>start / stop the clock</source>
        <translation>iniciar / parar o relógio</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>zerar o relógio</translation>
    </message>
    <message>
        <source>switch between clock and game time</source>
        <translation>alternar entre a hora e o tempo de jogo</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>apagar um número</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>tocar a sirene</translation>
    </message>
    <message>
        <source>increase home score by 1</source>
        <translation>somar 1 ponto ao mandante</translation>
    </message>
    <message>
        <source>increase visitor score by 1</source>
        <translation>somar 1 ponto ao visitante</translation>
    </message>
    <message>
        <source>take a timeout for home</source>
        <translation>pedir tempo para o mandante</translation>
    </message>
    <message>
        <source>take a timeout for the visitor</source>
        <translation>pedir tempo para o visitante</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Tem certeza de que deseja restaurar as cores?</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restaurar cores</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Tem certeza de que deseja restaurar as teclas?</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restaurar teclas</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Start / Stop  Clock</source>
        <translation>Iniciar / parar relógio</translation>
    </message>
    <message>
        <source>Reset Clock</source>
        <translation>Zerar relógio</translation>
    </message>
    <message>
        <source>Game / Clock Switch</source>
        <translation>Jogo / hora</translation>
    </message>
    <message>
        <source>Home Score +1</source>
        <translation>Pontos mandante +1</translation>
    </message>
    <message>
        <source>Visitor Score +1</source>
        <translation>Pontos visitante +1</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># Tecla apagar</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Num Lock:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Sempre ligado</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Sempre desligado</translation>
    </message>
    <message>
        <source>Change Buzzer Sound...</source>
        <translation>Alterar som da sirene...</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>Cor do tempo:</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Cor mandante:</translation>
    </message>
    <message>
        <source>Visitor Color:</source>
        <translation>Cor visitante:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Cor dos pontos:</translation>
    </message>
    <message>
        <source>Sets Color:</source>
        <translation>Cor dos sets:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fundo dos LEDs:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Cor de fundo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED selecionado</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Cor da borda:</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>Nome do placar:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>Nome do mandante:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>Nome do visitante:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>Imagem mandante</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>Imagem visitante</translation>
    </message>
    <message>
        <source>Scoreboard Picture</source>
        <translation>Imagem do placar</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de dígitos:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Prévia:</translation>
    </message>
    <message>
        <source>Board Screen:</source>
        <translation>Tela do placar:</translation>
    </message>
    <message>
        <source>With two screens the board fills its screen without a frame and the console opens on the other.</source>
        <translation>Com duas telas, o placar ocupa a sua tela sem moldura e o console abre na outra.</translation>
    </message>
    <message>
        <source>Operator Console:</source>
        <translation>Console do operador:</translation>
    </message>
    <message>
        <source>shows or hides the console beside the board.</source>
        <translation>mostra ou oculta o console ao lado do placar.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Praia</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Win by two points</source>
        <translation>Vencer por dois pontos</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regras:</translation>
    </message>
    <message>
        <source>Custom Rules:</source>
        <translation>Regras personalizadas:</translation>
    </message>
    <message>
        <source>Sets to win:</source>
        <translation>Sets para vencer:</translation>
    </message>
    <message>
        <source>Points per set:</source>
        <translation>Pontos por set:</translation>
    </message>
    <message>
        <source>Deciding set:</source>
        <translation>Set decisivo:</translation>
    </message>
    <message>
        <source>Assistance:</source>
        <translation>Assistência:</translation>
    </message>
    <message>
        <source>Serve follows the point</source>
        <translation>O saque segue o ponto</translation>
    </message>
    <message>
        <source>Set / match point on board</source>
        <translation>Set / match point no placar</translation>
    </message>
    <message>
        <source>Buzzer when a timeout ends</source>
        <translation>Sirene no fim do tempo técnico</translation>
    </message>
    <message>
        <source>Timeout on the board clock</source>
        <translation>Tempo técnico no relógio</translation>
    </message>
    <message>
        <source>Home Timeout</source>
        <translation>Tempo mandante</translation>
    </message>
    <message>
        <source>Visitor Timeout</source>
        <translation>Tempo visitante</translation>
    </message>
    <message>
        <source>Live Feed:</source>
        <translation>Transmissão ao vivo:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Reachable From:</source>
        <translation>Acessível de:</translation>
    </message>
    <message>
        <source>This computer only</source>
        <translation>Só este computador</translation>
    </message>
    <message>
        <source>The local network</source>
        <translation>A rede local</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Remote PIN:</source>
        <translation>PIN do controle:</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Novo PIN</translation>
    </message>
    <message>
        <source>Text files:</source>
        <translation>Arquivos de texto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Key Controls</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Text Controls</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Telas</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Transmissão</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nenhum arquivo escolhido]</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Games Won</source>
        <translation>Sets vencidos</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Clique para continuar.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>&apos; F2 &apos; abre as opções a partir do placar.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>&apos; F1 &apos; abre a ajuda a partir do placar.</translation>
    </message>
    <message>
        <source>by Quillwork</source>
        <translation>por Quillwork</translation>
    </message>
</context>
</TS>
