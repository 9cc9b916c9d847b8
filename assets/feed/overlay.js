// The scorebug for a stream: names, scores, games won, the sets played so far, who serves and the
// clock, on a transparent page of 1920 x 1080. Hidden while the feed is out of reach, so that a stale
// score is never on air.
"use strict";

(() => {
    const bug = document.getElementById("bug");

    function showSide(row, side, serving, state, index) {
        row.querySelector(".serve").classList.toggle("on", serving);
        row.querySelector(".name").textContent = side.name;
        row.querySelector(".games").textContent = Feed.text(side.gamesWon);
        row.querySelector(".score").textContent = Feed.text(side.score);
        row.querySelectorAll(".set").forEach((cell, set) => {
            const pair = state.sets[set];
            cell.textContent = pair ? Feed.text(pair[index]) : "";
            // A set column shows once either side has points in it.
            cell.hidden = !pair;
        });
    }

    Feed.connect((state) => {
        const style = document.documentElement.style;
        style.setProperty("--score", state.colors.ScoreColor);
        style.setProperty("--sets", state.colors.SetColor);
        style.setProperty("--time", state.colors.TimeColor);
        document.getElementById("title").textContent = state.title;
        document.getElementById("clock").textContent = state.clock.text;
        showSide(document.getElementById("home"), state.home, state.possession === "home", state, 0);
        showSide(document.getElementById("visitor"), state.visitor, state.possession === "visitor", state, 1);
        document.body.dataset.version = state.version;
        bug.hidden = false;
    }, (connected) => {
        if (!connected)
            bug.hidden = true;
    });
})();
