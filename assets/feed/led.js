// LED digits on a canvas, in the board's two styles: seven bevelled segments ("lines") or a 5 x 7 matrix
// of round dots ("dots"). Unlit segments and dots stay faintly visible, as on a real LED board.
"use strict";

const Led = (() => {
    const segmentDigits = [0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f];
    const segmentMinus = 0x40;
    const dotDigits = [
        [0x0e, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0e], [0x04, 0x0c, 0x04, 0x04, 0x04, 0x04, 0x0e],
        [0x0e, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1f], [0x1f, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0e],
        [0x02, 0x06, 0x0a, 0x12, 0x1f, 0x02, 0x02], [0x1f, 0x10, 0x1e, 0x01, 0x01, 0x11, 0x0e],
        [0x06, 0x08, 0x10, 0x1e, 0x11, 0x11, 0x0e], [0x1f, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08],
        [0x0e, 0x11, 0x11, 0x0e, 0x11, 0x11, 0x0e], [0x0e, 0x11, 0x11, 0x0f, 0x01, 0x02, 0x0c],
    ];
    const dotMinus = [0, 0, 0, 0x1f, 0, 0, 0];
    const digitAspect = 0.55;
    const separatorShare = 0.4;

    // A colour between two "#rrggbb" colours: share 0 gives a, 1 gives b.
    function mix(a, b, share) {
        const channel = (color, i) => parseInt(color.substr(1 + 2 * i, 2), 16);
        let out = "#";
        for (let i = 0; i < 3; ++i) {
            const value = Math.round(channel(a, i) * (1 - share) + channel(b, i) * share);
            out += value.toString(16).padStart(2, "0");
        }
        return out;
    }

    // The seven segments a to g of a digit in box x, y, w, h, each a bevelled bar of thickness t.
    function segments(x, y, w, h, t) {
        const gap = t * 0.12;
        const across = (x1, x2, yc) => [[x1 + gap, yc], [x1 + gap + t / 2, yc - t / 2], [x2 - gap - t / 2, yc - t / 2],
            [x2 - gap, yc], [x2 - gap - t / 2, yc + t / 2], [x1 + gap + t / 2, yc + t / 2]];
        const down = (xc, y1, y2) => [[xc, y1 + gap], [xc + t / 2, y1 + gap + t / 2], [xc + t / 2, y2 - gap - t / 2],
            [xc, y2 - gap], [xc - t / 2, y2 - gap - t / 2], [xc - t / 2, y1 + gap + t / 2]];
        const left = x + t / 2, right = x + w - t / 2, top = y + t / 2, middle = y + h / 2, bottom = y + h - t / 2;
        return [across(left, right, top), down(right, top, middle), down(right, middle, bottom),
            across(left, right, bottom), down(left, middle, bottom), down(left, top, middle),
            across(left, right, middle)];
    }

    function drawPolygon(context, points) {
        context.beginPath();
        context.moveTo(points[0][0], points[0][1]);
        for (const [px, py] of points.slice(1))
            context.lineTo(px, py);
        context.closePath();
        context.fill();
    }

    function drawDot(context, cx, cy, radius) {
        context.beginPath();
        context.arc(cx, cy, radius, 0, 2 * Math.PI);
        context.fill();
    }

    function drawDigit(context, c, x, y, w, h, style, lit, unlit) {
        const digit = c >= "0" && c <= "9" ? c.charCodeAt(0) - 48 : -1;
        if (style === "dots") {
            const rows = digit >= 0 ? dotDigits[digit] : c === "-" ? dotMinus : [0, 0, 0, 0, 0, 0, 0];
            const pitch = Math.min(w / 5, h / 7);
            const left = x + (w - pitch * 5) / 2, top = y + (h - pitch * 7) / 2;
            for (let row = 0; row < 7; ++row) {
                for (let column = 0; column < 5; ++column) {
                    context.fillStyle = rows[row] & (0x10 >> column) ? lit : unlit;
                    drawDot(context, left + (column + 0.5) * pitch, top + (row + 0.5) * pitch, pitch * 0.4);
                }
            }
            return;
        }
        const mask = digit >= 0 ? segmentDigits[digit] : c === "-" ? segmentMinus : 0;
        segments(x, y, w, h, w * 0.2).forEach((points, i) => {
            context.fillStyle = mask & (1 << i) ? lit : unlit;
            drawPolygon(context, points);
        });
    }

    function drawSeparator(context, c, x, y, w, h, color) {
        const radius = Math.min(w * 0.3, h * 0.06);
        context.fillStyle = color;
        if (c === ":") {
            drawDot(context, x + w / 2, y + h * 0.3, radius);
            drawDot(context, x + w / 2, y + h * 0.7, radius);
        } else {
            drawDot(context, x + w / 2, y + h - radius, radius);
        }
    }

    // Draws text ("10:00", " 7", "25:23") into the canvas, filling its height and centred; every other
    // character is a digit cell, ':' and '.' are narrow separator cells in separatorColor.
    function draw(canvas, text, options) {
        const ratio = window.devicePixelRatio || 1;
        const width = Math.max(1, Math.round(canvas.clientWidth * ratio));
        const height = Math.max(1, Math.round(canvas.clientHeight * ratio));
        if (canvas.width !== width || canvas.height !== height) {
            canvas.width = width;
            canvas.height = height;
        }
        const context = canvas.getContext("2d");
        context.fillStyle = options.back;
        context.fillRect(0, 0, width, height);
        const chars = Array.from(text);
        const units = chars.reduce((sum, c) => sum + (c === ":" || c === "." ? separatorShare : 1), 0);
        const pad = height * 0.12;
        const digitHeight = height - 2 * pad;
        const pitch = Math.min(digitHeight * digitAspect * 1.35, (width - 2 * pad) / Math.max(units, 1));
        const digitWidth = pitch / 1.35;
        let x = (width - units * pitch) / 2;
        const unlit = mix(options.back, options.lit, 0.14);
        for (const c of chars) {
            if (c === ":" || c === ".") {
                drawSeparator(context, c, x, pad, pitch * separatorShare, digitHeight, options.separator || options.lit);
                x += pitch * separatorShare;
            } else {
                drawDigit(context, c, x + (pitch - digitWidth) / 2, pad, digitWidth, digitHeight, options.style,
                    options.lit, unlit);
                x += pitch;
            }
        }
    }

    return { draw };
})();
