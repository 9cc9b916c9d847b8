// The phone remote: the score at a glance and the commands, each sent with the PIN shown on the
// operator's console. The PIN is kept for this browser tab only.
"use strict";

(() => {
    const element = (id) => document.getElementById(id);
    const pin = element("pin");
    const message = element("message");
    pin.value = sessionStorage.getItem("vantaroPin") || "";

    function show(state) {
        element("homeName").textContent = state.home.name;
        element("visitorName").textContent = state.visitor.name;
        element("homeScore").textContent = Feed.text(state.home.score);
        element("visitorScore").textContent = Feed.text(state.visitor.score);
        element("clock").textContent = state.clock.text;
        element("homeName").classList.toggle("serving", state.possession === "home");
        element("visitorName").classList.toggle("serving", state.possession === "visitor");
        document.body.dataset.version = state.version;
    }

    function report(text, failed) {
        message.textContent = text;
        message.classList.toggle("failed", failed);
    }

    async function send(command) {
        sessionStorage.setItem("vantaroPin", pin.value);
        let response;
        try {
            response = await fetch("/command", {
                method: "POST",
                headers: { "Content-Type": "application/json" },
                body: JSON.stringify({ pin: pin.value, command }),
            });
        } catch (error) {
            report("Vantaro cannot be reached.", true);
            return;
        }
        const body = await response.json().catch(() => ({}));
        if (response.ok) {
            show(body);
            report("", false);
        } else {
            report(body.error || "The command was refused (" + response.status + ").", true);
        }
        document.body.dataset.lastStatus = response.status;
    }

    for (const button of document.querySelectorAll("button[data-command]"))
        button.addEventListener("click", () => send(button.dataset.command));
    Feed.connect(show, (connected) => {
        if (!connected)
            report("Waiting for Vantaro…", true);
        else if (message.textContent === "Waiting for Vantaro…")
            report("", false);
    });
})();
