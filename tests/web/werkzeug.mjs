// Shared by the browser tests and the benchmark: a static server for
// build/web/ on 127.0.0.1 and the system chromium, headless, driven through
// cdp.mjs with a fresh profile and nothing fetched from outside.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { starteBrowser } from './cdp.mjs';

const Arten = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.data': 'application/octet-stream',
};

// Serves the folder gzip-compressed, as a web server would; counts the bytes sent.
export function starteServer(ordner) {
  const stand = { gesendet: 0 };
  const gepackt = new Map();
  const server = http.createServer((anfrage, antwort) => {
    let pfad = decodeURIComponent(new URL(anfrage.url, 'http://x').pathname);
    if (pfad.endsWith('/')) pfad += 'index.html';
    const datei = path.join(ordner, path.normalize(pfad));
    if (!datei.startsWith(ordner) || !fs.existsSync(datei) || fs.statSync(datei).isDirectory()) {
      antwort.writeHead(404).end();
      return;
    }
    if (!gepackt.has(datei)) gepackt.set(datei, zlib.gzipSync(fs.readFileSync(datei), { level: 9 }));
    const inhalt = gepackt.get(datei);
    stand.gesendet += inhalt.length;
    antwort.writeHead(200, {
      'Content-Type': Arten[path.extname(datei)] || 'application/octet-stream',
      'Content-Encoding': 'gzip', 'Cache-Control': 'no-cache',
    });
    antwort.end(inhalt);
  });
  return new Promise((fertig) => server.listen(0, '127.0.0.1', () => {
    stand.url = `http://127.0.0.1:${server.address().port}/`;
    stand.schliessen = () => new Promise((r) => server.close(r));
    fertig(stand);
  }));
}

export function starteChromium() {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmark-chromium-'));
  const argumente = ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--disable-dev-shm-usage', '--disable-breakpad', '--disable-extensions',
    '--disable-default-apps', '--password-store=basic', '--hide-scrollbars', '--mute-audio',
    // pages in the background keep their pace: the benchmark measures them
    '--disable-background-timer-throttling', '--disable-backgrounding-occluded-windows',
    '--disable-renderer-backgrounding', `--user-data-dir=${profil}`];
  if (process.getuid && process.getuid() === 0) argumente.push('--no-sandbox');
  return starteBrowser(process.env.CHROMIUM || '/usr/bin/chromium', argumente,
    () => fs.rmSync(profil, { recursive: true, force: true, maxRetries: 3 }));
}

export const webOrdner = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../build/web');
