// The full board in a browser: the board's colours and LED digits in its digit style, redrawn on every
// state from the feed and whenever the window changes size.
"use strict";

(() => {
    const element = (id) => document.getElementById(id);
    const setCanvases = Array.from(document.querySelectorAll("canvas.set"));
    let shown = null;

    // Right-aligned in two cells, as the board's number fields show them.
    const twoCells = (value) => Feed.text(value).padStart(2, " ");

    // The clock as the board shows it: at least two cells before the colon or point.
    function clockCells(text) {
        const separator = text.search(/[:.]/);
        return separator >= 0 && separator < 2 ? " ".repeat(2 - separator) + text : text;
    }

    function draw(state) {
        const colors = state.colors;
        const style = state.digitStyle;
        const led = (canvas, text, lit, separator) =>
            Led.draw(canvas, text, { style, lit, back: colors.LEDBack, separator });
        const root = document.documentElement.style;
        root.setProperty("--form-back", colors.FormBack);
        root.setProperty("--border", colors.BorderColor);
        root.setProperty("--home", colors.HomeColor);
        root.setProperty("--visitor", colors.VisitorColor);
        element("title").textContent = state.title;
        element("homeName").textContent = state.home.name;
        element("visitorName").textContent = state.visitor.name;
        element("possHome").style.color = state.possession === "home" ? colors.TimeColor : colors.LEDBack;
        element("possVisitor").style.color = state.possession === "visitor" ? colors.TimeColor : colors.LEDBack;
        led(element("homeScore"), twoCells(state.home.score), colors.ScoreColor);
        led(element("visitorScore"), twoCells(state.visitor.score), colors.ScoreColor);
        led(element("homeGames"), Feed.text(state.home.gamesWon).padStart(1, " "), colors.TimeColor);
        led(element("visitorGames"), Feed.text(state.visitor.gamesWon).padStart(1, " "), colors.TimeColor);
        led(element("clock"), clockCells(state.clock.text), colors.TimeColor, colors.BorderColor);
        setCanvases.forEach((canvas, i) => {
            const pair = state.sets[i] || [null, null];
            led(canvas, twoCells(pair[0]) + ":" + twoCells(pair[1]), colors.SetColor, colors.BorderColor);
        });
        document.body.dataset.version = state.version;
    }

    Feed.connect((state) => {
        shown = state;
        draw(state);
    }, (connected) => {
        element("offline").hidden = connected;
    });
    window.addEventListener("resize", () => {
        if (shown)
            draw(shown);
    });
})();
