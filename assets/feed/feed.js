// The live feed's client, shared by the pages: connects to the feed's WebSocket, hands every state of the
// match to the page and reconnects by itself when the program restarts or the network drops.
"use strict";

const Feed = {
    // onState(state) gets each state; onConnection(true|false) hears the connection come and go.
    connect(onState, onConnection) {
        let delay = 250;
        const open = () => {
            const scheme = location.protocol === "https:" ? "wss://" : "ws://";
            const socket = new WebSocket(scheme + location.host + "/feed");
            socket.onopen = () => {
                delay = 250;
                if (onConnection)
                    onConnection(true);
            };
            socket.onmessage = (event) => {
                let state;
                try {
                    state = JSON.parse(event.data);
                } catch (error) {
                    return;
                }
                Feed.last = state;
                onState(state);
            };
            socket.onclose = () => {
                if (onConnection)
                    onConnection(false);
                setTimeout(open, delay);
                delay = Math.min(delay * 2, 4000);
            };
        };
        open();
    },

    // A field's value as shown: an empty field shows nothing.
    text(value) {
        return value === null || value === undefined ? "" : String(value);
    },

    // The last state received, for whoever wants to look.
    last: null,
};
