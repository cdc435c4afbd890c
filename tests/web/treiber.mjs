// The chromium driver (cdp.mjs) against a small page of its own: what the
// browser tests rely on, above all that offline reaches the service worker.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { starteServer, starteChromium } from './werkzeug.mjs';

const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmark-treiber-'));
fs.writeFileSync(path.join(ordner, 'index.html'), `<!doctype html><meta charset="utf-8"><link rel="icon" href="data:,">
<form id="f"><input id="q"></form><details><summary style="height:50px">Maß</summary></details><p id="aus"></p>
<script>
const aus = (t) => { document.getElementById('aus').textContent = t; };
document.getElementById('f').addEventListener('submit', (e) => { e.preventDefault(); aus('Suche ' + document.getElementById('q').value); });
addEventListener('hashchange', () => aus(location.hash));
console.log('Maß', 2, '✓');
navigator.serviceWorker.register('sw.js');
</script>`);
fs.writeFileSync(path.join(ordner, 'sw.js'), `
self.addEventListener('install', (e) => e.waitUntil(caches.open('c').then((c) => c.add('./')).then(() => self.skipWaiting())));
self.addEventListener('activate', (e) => e.waitUntil(self.clients.claim()));
self.addEventListener('fetch', (e) => e.respondWith(caches.match(e.request).then((t) => t || fetch(e.request))));`);

const server = await starteServer(ordner);
const browser = await starteChromium();
try {
  const seite = await browser.newPage();
  await seite.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  const konsole = [];
  const fehler = [];
  const anfragen = [];
  seite.on('console', (m) => konsole.push(`${m.type()} ${m.text()}`));
  seite.on('pageerror', (e) => fehler.push(e.message));
  seite.on('request', (r) => anfragen.push(r.url()));

  await seite.goto(`${server.url}#a`);
  assert.deepEqual(konsole, ['log Maß 2 ✓']);
  assert.deepEqual(anfragen, [server.url]);
  await seite.goto(`${server.url}#b`);
  assert.equal(await seite.$eval('#aus', (e) => e.textContent), '#b');

  await seite.tap('summary');
  assert.equal(await seite.$eval('details', (e) => e.open), true);
  await seite.type('#q', 'DN 100 Ä');
  await seite.keyboard.press('Enter');
  assert.equal(await seite.$eval('#aus', (e) => e.textContent), 'Suche DN 100 Ä');
  assert.deepEqual(await seite.$$eval('form, p', (es) => es.map((e) => e.id)), ['f', 'aus']);
  assert.equal(await seite.evaluate((a, b) => a * b, 6, 7), 42);
  await assert.rejects(seite.$eval('#fehlt', (e) => e.id), /#fehlt/);

  await seite.evaluate(() => {
    setTimeout(() => { throw new Error('absichtlich'); });
    return new Promise((r) => setTimeout(r, 50));
  });
  assert.deepEqual(fehler, ['absichtlich']);

  // Offline the page comes from the worker's store, and the worker itself
  // reaches the network no more.
  await seite.evaluate(() => navigator.serviceWorker.ready);
  await seite.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const holeFehlende = () => seite.evaluate(() => fetch('fehlt').then((a) => a.status, () => 'offline'));
  await seite.setOfflineMode(true);
  const gesendet = server.gesendet;
  await seite.reload();
  await seite.waitForSelector('details');
  assert.equal(server.gesendet, gesendet);
  assert.equal(await holeFehlende(), 'offline');
  await seite.setOfflineMode(false);
  assert.equal(await holeFehlende(), 404);
  await seite.close();

  // Without touch a tap is a click.
  const kontext = await browser.createBrowserContext();
  const maus = await kontext.newPage();
  await maus.goto(server.url);
  await maus.tap('summary');
  assert.equal(await maus.$eval('details', (e) => e.open), true);
  await kontext.close();
} finally {
  await browser.close();
  await server.schliessen();
  fs.rmSync(ordner, { recursive: true });
}
console.log('ok      Treiber');
