// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a user of the browser build waits for, beside the floor (a bare Qt window built the same
// way): the page's download, as servers send it compressed, and the time from navigation to the
// first window painted, the median of several loads, each in a new browser profile.
//   node benchmarks/web.mjs PAGE_FOLDER FLOOR_FOLDER SESSION_ENV OUTPUT.md [LOADS]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const [pageFolder, floorFolder, session, output, loads = '7'] = process.argv.slice(2);
const driver = new URL('../tests/web/browser.mjs', import.meta.url).pathname;
const shots = mkdtempSync(join(tmpdir(), 'torrentix-bench-'));

const weigh = folder => readdirSync(folder).reduce((sum, name) => {
    const bytes = readFileSync(join(folder, name));
    sum.raw += bytes.length;
    sum.gzip += gzipSync(bytes, { level: 9 }).length;
    sum.brotli += brotliCompressSync(bytes, { params: {
        [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: bytes.length } })
        .length;
    return sum;
}, { raw: 0, gzip: 0, brotli: 0 });

const paint = folder => {
    const times = [];
    for (let n = 0; n < Number(loads); n++) {
        const run = spawnSync(process.execPath, [driver, 'paint', folder, session, shots],
            { encoding: 'utf8' });
        const painted = run.stdout.match(/^painted ([\d.]+)/m);
        if (!painted) throw new Error(`no paint time from ${folder}: ${run.stdout}${run.stderr}`);
        times.push(Number(painted[1]));
    }
    times.sort((a, b) => a - b);
    return { median: times[(times.length - 1) >> 1], low: times[0], high: times.at(-1) };
};

const MB = bytes => (bytes / 1e6).toFixed(2);
const s = ms => (ms / 1000).toFixed(2);
const rows = [['Torrentix', pageFolder], ['floor', floorFolder]].map(([name, folder]) => {
    const size = weigh(folder), time = paint(folder);
    return `| ${name} | ${MB(size.raw)} | ${MB(size.gzip)} | ${MB(size.brotli)} | ` +
        `${s(time.median)} (${s(time.low)}–${s(time.high)}) |`;
});
rmSync(shots, { recursive: true, force: true });
const browserVersion = spawnSync(process.env.TORRENTIX_CHROMIUM || 'chromium', ['--version'],
    { encoding: 'utf8' }).stdout.trim();
const written = new Date().toISOString().slice(0, 16).replace('T', ' ');
writeFileSync(output, `# The browser build\n\nWritten by \`./dev web --bench\` on ${written} UTC ` +
    `with ${browserVersion}. ` +
    `Download in MB (every file of the page: gzip -9, brotli quality 11) and seconds from ` +
    `navigation to the first window painted, median of ${loads} loads in new ` +
    `profiles of headless Chromium (lowest–highest), from a server on 127.0.0.1.\n\n` +
    `| page | raw | gzip | brotli | painted |\n|---|---|---|---|---|\n${rows.join('\n')}\n`);
console.log(readFileSync(output, 'utf8'));
