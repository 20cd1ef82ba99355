// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The browser build as a user meets it: the page served from this machine, opened in Debian's
// Chromium without a screen, and driven through the DevTools protocol with clicks and keys.
// What the windows show is read from Qt's accessibility mirror of them in the page, what is
// copied from the browser's clipboard; the end state is kept as CASE.png.
//   node browser.mjs CASE PAGE_FOLDER SESSION_ENV OUTPUT_DIR
// CASE is one of the names in `cases` below. Node.js 20 alone; no packages.
import { spawn, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, resolve, sep } from 'node:path';

const [caseName, pageFolder, sessionFile, shots] = process.argv.slice(2);
const deadlineSeconds = 90;

class Failure extends Error {}
const fail = message => { throw new Failure(message); };
const sleep = ms => new Promise(done => setTimeout(done, ms));

// The titles and the centres of the controls, as the build wrote them; bash reads its own syntax.
const session = Object.fromEntries(spawnSync('bash', ['-c',
    '. "$1" && for n in $(compgen -v | grep -E "^AT_|_TITLE$"); do printf "%s=%s\\0" "$n" "${!n}"; done',
    '_', sessionFile], { encoding: 'utf8' }).stdout.split('\0').filter(Boolean)
    .map(line => [line.slice(0, line.indexOf('=')), line.slice(line.indexOf('=') + 1)]));

// The program's German for one of its English texts.
const german = english => {
    const ts = readFileSync(new URL('../../translations/torrentix_de.ts', import.meta.url), 'utf8');
    const xml = text => text.replace(/&apos;/g, "'").replace(/&quot;/g, '"').replace(/&lt;/g, '<')
        .replace(/&gt;/g, '>').replace(/&amp;/g, '&');
    for (const [, source, translation] of ts.matchAll(
        /<source>([^<]*)<\/source>\s*<translation>([^<]*)<\/translation>/g)) {
        if (xml(source) === english) return xml(translation);
    }
    fail(`no German for '${english}' in torrentix_de.ts`);
};

// What a web server does for the page: its files, with the types a browser insists on.
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.ico': 'image/x-icon' };
const root = resolve(pageFolder);
const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = resolve(root, '.' + (path.endsWith('/') ? path + 'index.html' : path));
    let body;
    try {
        if (!file.startsWith(root + sep)) throw new Error('outside');
        body = readFileSync(file);
    } catch {
        response.writeHead(404).end();
        return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-store' }).end(body);
});

// Chromium, its own process group so that it goes with all its helpers, with a new profile that
// holds its temporary files too: all go when the case ends, however it ends.
const profile = mkdtempSync(join(tmpdir(), 'torrentix-browser-'));
let chromium, ending = false;
const end = async (status, message) => {
    if (ending) return;
    ending = true;
    if (chromium?.exitCode === null && chromium.signalCode === null) {
        const gone = new Promise(done => chromium.once('exit', done));
        try { process.kill(-chromium.pid, 'SIGKILL'); } catch { /* gone already */ }
        await Promise.race([gone, sleep(2000)]);
    }
    server.close();
    rmSync(profile, { recursive: true, force: true, maxRetries: 3 });
    console[status ? 'error' : 'log'](message);
    process.exit(status);
};
setTimeout(() => end(1, `FAIL: ${caseName} did not end within ${deadlineSeconds} s`),
    deadlineSeconds * 1000);

// The DevTools protocol on the pipe: JSON messages ended by NUL, fd 3 out, fd 4 in.
let nextId = 0, sessionId;
const consoleLines = []; // what the page wrote on its console, for a failure's message
const pending = new Map();
const browser = (method, params = {}, onPage = true) => new Promise((resolve_, reject) => {
    const id = ++nextId;
    pending.set(id, { resolve: resolve_, reject, method });
    chromium.stdio[3].write(JSON.stringify({ id, method, params,
        ...(onPage && sessionId ? { sessionId } : {}) }) + '\0');
});
// The program's language is the browser's, which Qt reads from navigator.languages.
const launch = async language => {
    // Flags that keep a browser on a machine without a network from calling out.
    chromium = spawn(process.env.TORRENTIX_CHROMIUM || 'chromium', ['--headless', '--no-sandbox',
        '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
        '--window-size=1280,800', '--remote-debugging-pipe'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'], detached: true,
        env: { ...process.env, TMPDIR: profile } });
    chromium.stderr.resume();
    chromium.on('error', error => end(1, `FAIL: no Chromium: ${error.message}`));
    chromium.on('exit', code => end(1, `FAIL: Chromium ended (${code}) during ${caseName}`));
    let received = '';
    chromium.stdio[4].on('data', data => {
        received += data;
        for (let nul; (nul = received.indexOf('\0')) >= 0; received = received.slice(nul + 1)) {
            const message = JSON.parse(received.slice(0, nul));
            const { args, exceptionDetails } = message.params ?? {};
            if (message.method === 'Runtime.consoleAPICalled')
                consoleLines.push(args.map(arg => arg.value ?? arg.description).join(' '));
            if (message.method === 'Runtime.exceptionThrown')
                consoleLines.push(exceptionDetails.exception?.description ?? exceptionDetails.text);
            const waiting = pending.get(message.id);
            if (!waiting) continue;
            pending.delete(message.id);
            if (message.error)
                waiting.reject(new Failure(`${waiting.method}: ${message.error.message}`));
            else waiting.resolve(message.result);
        }
    });
    const { targetId } = await browser('Target.createTarget', { url: 'about:blank' });
    ({ sessionId } = await browser('Target.attachToTarget', { targetId, flatten: true }));
    await browser('Runtime.enable');
    // Headless, the page never has the focus a clipboard asks for unless told to.
    await browser('Emulation.setFocusEmulationEnabled', { enabled: true });
    // Headless, --lang changes neither navigator.languages nor Intl; the languages the browser
    // asks pages in do, as a user's choice of languages does.
    if (language) {
        const { userAgent } = await browser('Browser.getVersion', {}, false);
        await browser('Network.setUserAgentOverride', { userAgent, acceptLanguage: language });
    }
};

// Runs in the page: the windows Qt puts in a shadow root under #screen, and its accessibility
// mirror of them, where each control is an element whose id ends in its object name.
const inPage = String.raw`
    const screen = () => document.getElementById('qt-shadow-container')?.shadowRoot;
    const shown = e => e && e.checkVisibility() && e.getClientRects().length > 0;
    const windows = () => [...(screen()?.querySelectorAll('.qt-window') ?? [])].filter(shown);
    const win = title => windows().find(w => w.querySelector('.window-name')?.textContent === title);
    const area = title => {
        const r = win(title)?.querySelector('.qt-window-contents').getBoundingClientRect();
        return r && { x: r.x, y: r.y };
    };
    const mirror = title => [...(win(title)?.querySelectorAll('.qt-window-a11y-container [id]') ?? [])];
    const control = (title, name) => mirror(title).find(e => e.id.endsWith('.' + name));
    const said = e => e.tagName === 'TEXTAREA' ? e.value : e.textContent;
    const texts = title => mirror(title).map(said).filter(Boolean);
    const buttons = title => mirror(title).filter(e => e.tagName === 'BUTTON').map(said);
    const text = (title, name) => {
        const e = control(title, name);
        return e && e.getAttribute('aria-hidden') !== 'true' ? said(e) : null;
    };
`;
const page = async expression => {
    const { result, exceptionDetails } = await browser('Runtime.evaluate', {
        expression: `(async () => { ${inPage}; return ${expression}; })()`,
        awaitPromise: true, returnByValue: true });
    if (exceptionDetails)
        fail(`in the page: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    return result.value;
};
// Asks the page again and again until it answers something, for at most `seconds`.
const until = async (what, expression, seconds = 10) => {
    for (const stop = Date.now() + seconds * 1000; Date.now() < stop; await sleep(100)) {
        const answer = await page(expression);
        if (answer !== null && answer !== undefined && answer !== false) return answer;
    }
    fail(`${what} (waited ${seconds} s)`);
};
const q = JSON.stringify;

// The user's hands: a click at a point ("x y") of a window's content area, and keys.
const mouse = (type, x, y, clickCount = 0, button = 'left') =>
    browser('Input.dispatchMouseEvent', { type, x, y, clickCount, button });
const click = async (title, at, options) => {
    const area = await until(`no window titled '${title}'`, `area(${q(title)})`);
    const [x, y] = at.split(' ').map(Number);
    await clickPage(area.x + x, area.y + y, options);
};
const clickPage = async (x, y, { count = 1, button = 'left' } = {}) => {
    await mouse('mouseMoved', x, y);
    for (let n = 1; n <= count; n++) {
        await mouse('mousePressed', x, y, n, button);
        await mouse('mouseReleased', x, y, n, button);
    }
};
// Keys by name: Tab, Enter, a digit or a small letter, each with Ctrl+ before it if held.
const press = async name => {
    const [, ctrl, main] = name.match(/^(Ctrl\+)?(.+)$/);
    const key = { Tab: { key: 'Tab', code: 'Tab', windowsVirtualKeyCode: 9 },
        Enter: { key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13, text: '\r' } }[main] ?? {
        key: main, code: /\d/.test(main) ? `Digit${main}` : `Key${main.toUpperCase()}`,
        windowsVirtualKeyCode: main.toUpperCase().charCodeAt(0), text: main };
    const down = ctrl ? { ...key, modifiers: 2, text: undefined } : key;
    await browser('Input.dispatchKeyEvent', { type: down.text ? 'keyDown' : 'rawKeyDown', ...down });
    await browser('Input.dispatchKeyEvent', { type: 'keyUp', ...down, text: undefined });
};
const type = async (title, at, text) => {
    await click(title, at);
    for (const character of text) await press(character);
};
const shoot = async name => {
    await sleep(300); // the canvas shows a change a frame after the mirror does
    const { data } = await browser('Page.captureScreenshot', { format: 'png' });
    writeFileSync(join(shots, `${name}.png`), Buffer.from(data, 'base64'));
};
const expectText = async (title, name, want) => {
    const now = `text(${q(title)}, ${q(name)})`;
    await until('', `${now} === ${q(want)}`).catch(async () =>
        fail(`${name} in '${title}' shows ${q(await page(now))}, not ${q(want)}`));
};

// Opens the page and waits for the calculator; switches the mirror on, as a screen reader's
// user does.
// Notes in the page when a window of the program is first painted (its canvas shown and drawn
// on), in milliseconds from the start of navigation: the time the benchmark reads. Timers, not
// animation frames, which a headless page may hold back.
const watchPaint = String.raw`
    const drawn = c => c.checkVisibility() && c.width > 0 &&
        c.getContext('2d')?.getImageData(c.width >> 1, c.height >> 1, 1, 1).data[3] > 0;
    const look = setInterval(() => {
        const shadow = document.getElementById('qt-shadow-container')?.shadowRoot;
        if ([...(shadow?.querySelectorAll('.qt-window canvas') ?? [])].some(drawn)) {
            window.torrentixPainted = performance.now();
            clearInterval(look);
        }
    }, 5);
`;
const start = async (language, calculator = true, zoom = 1) => {
    server.listen(0, '127.0.0.1');
    await new Promise(done => server.once('listening', done));
    await launch(language);
    const origin = `http://127.0.0.1:${server.address().port}`;
    await browser('Browser.grantPermissions', { origin,
        permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] }, false);
    await browser('Page.enable');
    await browser('Page.addScriptToEvaluateOnNewDocument', { source: watchPaint });
    if (zoom !== 1) {
        await browser('Emulation.setDeviceMetricsOverride',
            { width: Math.round(1280 / zoom), height: Math.round(800 / zoom),
                deviceScaleFactor: zoom, mobile: false });
    }
    await browser('Page.navigate', { url: `${origin}/` });
    if (calculator) await calculatorShown();
};
const calculatorShown = async () => {
    await until('', `area(${q(C())})`, 30).catch(async () => {
        const titles = await page(`windows().map(w => w.querySelector('.window-name').textContent)`);
        fail(`no window titled '${C()}' but ${q(titles)}, with navigator.languages ${
            await page('navigator.languages')}`);
    });
    await page(`win(${q(C())}).querySelector('.qt-window-a11y-container > button')?.click()`);
    await until('the accessibility mirror did not come', `control(${q(C())}, 'Command1')`);
};

const C = () => session.CALCULATOR_TITLE; // the calculator's title, in its language
// The centre of a control of the calculator, where Qt's mirror of it says it is.
const centre = name => page(`(({ left, top, width, height }) =>
    [left, top, width, height].map(parseFloat))(control(${q(C())}, ${q(name)}).style)`)
    .then(([x, y, w, h]) => `${x + w / 2} ${y + h / 2}`);
const solve = async inputs => {
    for (const [box, value] of Object.entries(inputs)) await type(C(), session[box], value);
    await click(C(), session.AT_SOLVE);
};
const example = { AT_Q: '10', AT_H: '50', AT_N: '90', AT_M: '95' };

// Each case: what the user does and what must be seen; `language` is the browser's, if not English.
const cases = {
    example: { run: async () => {
        await solve(example);
        await expectText(C(), 'Lbl_v', '4193.775');
        await expectText(C(), 'Lbl_v2', '4.193775');
    } },
    zero: { run: async () => {
        await solve({ AT_Q: '0' });
        const box = session.TORRENTIX_TITLE;
        await until(`no box titled '${box}'`, `area(${q(box)})`);
        await expectText(box, 'qt_msgbox_label', "You can't enter Zero");
        const offered = await page(`buttons(${q(box)})`);
        if (q(offered) !== q(['OK'])) fail(`the box offers the buttons ${q(offered)}, not OK alone`);
        if (!await page(`win(${q(C())}).classList.contains('blocked')`))
            fail('the calculator takes clicks while the box is open');
        await shoot('zero-box');
        await press('Enter');
        await until('Enter left the box open', `!win(${q(box)})`);
        await expectText(C(), 'Lbl_e', 'OOOps..A Mistake !');
        await until('the results are still shown', ['Lbl_v', 'Lbl_v2'].map(name =>
            `control(${q(C())}, ${q(name)})?.getAttribute('aria-hidden') === 'true'`).join(' && '));
    } },
    reference: { run: async () => {
        for (const window of ['FORMULA', 'DIAGRAM', 'ABOUT']) {
            const title = session[`${window}_TITLE`];
            await click(C(), session[`AT_${window}`]);
            await until(`no window titled '${title}'`, `area(${q(title)})`);
            await shoot(`reference-${window.toLowerCase()}`);
            await click(title, session[`AT_${window}_${window === 'ABOUT' ? 'CLOSE' : 'MAIN_PAGE'}`]);
            await until(`'${title}' stayed open`, `!win(${q(title)}) && area(${q(C())})`);
        }
    } },
    copy: { run: async () => {
        await solve(example);
        // The kW result by a double click and Ctrl+C, the MW one by Copy in its menu.
        for (const [label, want, menu] of [['Lbl_v', '4193.775', false],
            ['Lbl_v2', '4.193775', true]]) {
            await expectText(C(), label, want);
            await page(`navigator.clipboard.writeText('nothing yet')`);
            await click(C(), await centre(label), menu ? { button: 'right' } : { count: 2 });
            if (menu) {
                await until('no menu with Copy', `texts('').includes('Copy\\tCtrl+C')`);
                await shoot('copy-menu');
            }
            await press(menu ? 'c' : 'Ctrl+C');
            const copied = await until('', `navigator.clipboard.readText()
                .then(t => t !== 'nothing yet' && t)`, 5).catch(() => 'nothing');
            if (copied !== want) fail(`copying ${label} gave ${q(copied)}, not ${q(want)}`);
        }
    } },
    tab: { run: async () => {
        await type(C(), session.AT_Q, '1');
        for (const digit of '234') {
            await press('Tab');
            await press(digit);
        }
        for (const [name, want] of [['Txt_Q', '1'], ['Txt_H', '2'], ['Txt_n', '3'], ['Txt_m', '4']])
            await expectText(C(), name, want);
    } },
    // Once opened, the page opens again with the server gone.
    offline: { run: async () => {
        await until('the page did not keep its files', `Promise.race([navigator.serviceWorker.ready
            .then(r => r.active?.state === 'activated'), new Promise(r => setTimeout(r, 500))])`,
        30);
        server.closeAllConnections();
        server.close();
        await browser('Page.reload');
        await calculatorShown();
        await solve(example);
        await expectText(C(), 'Lbl_v', '4193.775');
    } },
    // The browser's zoom: at 150 % the windows are drawn with 1.5 times the pixels, not
    // enlarged, and the calculator still fits a 1280 × 800 screen.
    zoom: { zoom: 1.5, run: async () => {
        await solve(example);
        await expectText(C(), 'Lbl_v2', '4.193775');
        const scale = await page(`(c => c.width / c.getBoundingClientRect().width)(
            win(${q(C())}).querySelector('canvas'))`);
        if (Math.abs(scale - 1.5) > 0.01)
            fail(`at 150 % the calculator is drawn at ${scale} pixels a pixel`);
    } },
    exit: { run: async () => {
        await click(C(), session.AT_EXIT);
        const link = await until('after Exit the page shows neither the program nor its start link',
            `(() => { const a = document.getElementById('start'), r = a.getBoundingClientRect();
            return shown(a) && !a.classList.contains('loading')
                && a.querySelector('img').naturalWidth > 0
                && { text: a.textContent.trim(), x: r.x + r.width / 2, y: r.y + r.height / 2 }; })()`);
        if (link.text !== session.TORRENTIX_TITLE) fail(`the start link says ${q(link.text)}`);
        if (await page('windows().length')) fail('a window is still shown after Exit');
        await shoot('exit-link');
        // The link starts the program again.
        await clickPage(link.x, link.y);
        await calculatorShown();
    } },
    // For the benchmark, which loads the floor's page too: when the first window was painted.
    paint: { anyWindow: true, run: async () =>
        `painted ${await until('no window was painted', 'window.torrentixPainted', 30)}` },
    language: { language: 'de', run: async () => {
        const solveSays = await page(`text(${q(C())}, 'Command1')`);
        if (solveSays !== german('Solve')) {
            fail(`Solve says ${q(solveSays)} with navigator.languages ${
                await page('navigator.languages')}`);
        }
        // Qt's own words come in the language too: Copy in a result's menu.
        await solve(example);
        await click(C(), await centre('Lbl_v'), { button: 'right' });
        await until(`the menu has no Kopieren but ${q(await page(`texts('')`))}`,
            `texts('').some(t => t.startsWith('Kopieren'))`, 5);
    } },
};

try {
    if (!cases[caseName]) fail(`no case ${caseName}; there are: ${Object.keys(cases).join(' ')}`);
    mkdirSync(shots, { recursive: true });
    // The calculator's title, in the language it speaks, tells that it has come.
    if (cases[caseName].language) session.CALCULATOR_TITLE = german(session.CALCULATOR_TITLE);
    await start(cases[caseName].language, !cases[caseName].anyWindow, cases[caseName].zoom);
    const said = await cases[caseName].run();
    await shoot(caseName);
    await end(0, said ?? `${caseName}: passed`);
} catch (error) {
    if (!(error instanceof Failure)) await end(1, `FAIL: ${caseName}: ${error.stack}`);
    if (chromium) await shoot(caseName).catch(() => {});
    const lines = consoleLines.slice(-5).join('\n  ');
    const console_ = lines ? `\nthe page's console, last:\n  ${lines}` : '';
    await end(1, `FAIL: ${caseName}: ${error.message}${console_}`);
}
