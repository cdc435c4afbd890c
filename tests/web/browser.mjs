// The browser edition in headless chromium: a phone with touch and a desktop;
// a search, the values and their sources, steam, units and offsets, a reload
// without network (service worker), no console error, no request to another
// origin, and the page's values equal to the native Maßblatt.
// node browser.mjs [PELMARK]  (PELMARK: the native program, for the comparison)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { starteServer, starteChromium, webOrdner } from './werkzeug.mjs';

const fehler = [];
function pruefe(name, bedingung, text = '') {
  if (!bedingung) fehler.push(`${name}: ${text}`);
  console.log(`${bedingung ? 'ok     ' : 'FEHLER '} ${name}${bedingung ? '' : ` ${text}`}`);
}

async function neueSeite(browser, server, ansicht) {
  const seite = await browser.newPage();
  await seite.setViewport(ansicht);
  seite.on('console', (m) => { if (m.type() === 'error') fehler.push(`Konsole: ${m.text()}`); });
  seite.on('pageerror', (e) => fehler.push(`Seitenfehler: ${e.message}`));
  seite.on('request', (r) => {
    if (!r.url().startsWith(server.url) && !r.url().startsWith('data:')) fehler.push(`fremde Anfrage: ${r.url()}`);
  });
  return seite;
}

async function oeffne(seite, url) {
  await seite.goto(url);
  await seite.waitForSelector('html[data-bereit]');
}

// The sheet as the page shows it: group, caption, "value unit".
function blattAusSeite(seite) {
  return seite.$$eval('#blatt .gruppe', (gruppen) => gruppen.flatMap((g) =>
    [...g.querySelectorAll('summary')].map((s) => [g.querySelector('h3').textContent,
      s.querySelector('.beschriftung').textContent, s.querySelector('.wert').textContent])));
}

function blattNativ(pelmark, auswahl) {
  const datei = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'pelmark-blatt-')), 'blatt.csv');
  execFileSync(pelmark, ['--massblatt', auswahl, '--csv', datei], { stdio: 'ignore' });
  // Windows-1252, or UTF-8 with a byte-order mark when a character does not fit.
  const bytes = fs.readFileSync(datei);
  const utf8 = bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf;
  const text = utf8 ? bytes.subarray(3).toString('utf8') : bytes.toString('latin1');
  const zeilen = text.split('\r\n').slice(2).filter(Boolean);
  fs.rmSync(path.dirname(datei), { recursive: true });
  return zeilen.map((z) => z.split(';'))
    .filter(([gruppe]) => !['Maßblatt', 'Programm', 'Datum'].includes(gruppe))
    .map(([gruppe, text, wert, einheit]) => [gruppe, text, wert ? `${wert} ${einheit}`.trim() : wert]);
}

async function telefon(browser, server) {
  const seite = await neueSeite(browser, server,
    { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  await oeffne(seite, `${server.url}#DN%20100%20PN%2016`);
  const vorLaden = await seite.evaluate(() => performance.getEntriesByName('pelmark-erstes-ergebnis')[0].startTime
    <= performance.getEntriesByType('navigation')[0].domContentLoadedEventStart);
  pruefe('Telefon: Werte stehen vor dem Laden der Seite (--dump-dom)', vorLaden);
  const titel = await seite.$eval('#blatttitel', (e) => e.textContent);
  pruefe('Telefon: Auswahl aus der Adresse', titel.includes('DN 100 PN 16'), titel);
  const zeilen = await blattAusSeite(seite);
  pruefe('Telefon: Werte des Maßblatts', zeilen.length > 30 && zeilen.some(([, t, w]) => t === 'Aussendm. 1' && w === '114,3 mm'),
    JSON.stringify(zeilen.slice(0, 8)));

  await seite.tap('#blatt details[data-feld="E_DA1"] summary');
  await seite.waitForFunction(() => document.querySelector('#blatt details[open] .quelle').innerText !== '');
  const quelle = await seite.$eval('#blatt details[open] .quelle', (e) => e.innerText);
  pruefe('Telefon: Quelle nach Tippen', /P_Din\.CSV/.test(quelle), quelle);

  const klein = await seite.$$eval('summary, button, input, select, nav a', (es) => es
    .filter((e) => e.offsetParent !== null).map((e) => [e.tagName, e.getBoundingClientRect().height])
    .filter(([, h]) => h < 44));
  pruefe('Telefon: Tippflächen mindestens 44 px', klein.length === 0, JSON.stringify(klein.slice(0, 5)));
  const breite = await seite.evaluate(() => document.documentElement.scrollWidth);
  pruefe('Telefon: nichts breiter als der Bildschirm', breite <= 390, String(breite));

  await seite.tap('#suchfeld');
  await seite.$eval('#suchfeld', (e) => { e.value = ''; });
  await seite.type('#suchfeld', 'NPS 4 Class 300');
  await seite.keyboard.press('Enter');
  await seite.waitForFunction(() => document.querySelector('#blatttitel').textContent.includes('Class 300'));
  pruefe('Telefon: Suche', (await seite.evaluate(() => location.hash)) === '#NPS%204%20Class%20300');

  await seite.tap('nav a[data-ansicht="dampf"]');
  await seite.tap('#E_Dampfdruck');
  await seite.$eval('#E_Dampfdruck', (e) => { e.value = ''; });
  await seite.type('#E_Dampfdruck', '10');
  await seite.$eval('#E_Dampfdruck', (e) => e.dispatchEvent(new Event('change')));
  const dampf = await seite.$eval('#E_Dampftemperatur', (e) => e.textContent);
  pruefe('Telefon: Dampftafel bei 10 bar', /^17\d,\d/.test(dampf), dampf);
  const tastatur = await seite.$eval('#E_Dampfdruck', (e) => e.inputMode);
  pruefe('Telefon: Zifferntastatur mit Komma', tastatur === 'decimal', tastatur);

  await seite.tap('nav a[data-ansicht="einheiten"]');
  await seite.$eval('#E_Anz_Quellmass', (e) => { e.value = '2,5'; e.dispatchEvent(new Event('change')); });
  const einheit = await seite.$eval('#E_Anz_Zielmass', (e) => e.textContent);
  pruefe('Telefon: Maßumwandlung', /\d/.test(einheit), einheit);

  // Without network the service worker serves everything again.
  await seite.evaluate(() => navigator.serviceWorker.ready);
  await seite.reload();
  await seite.waitForSelector('html[data-bereit]');
  await seite.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await seite.setOfflineMode(true);
  await seite.reload();
  await seite.waitForSelector('html[data-bereit]');
  const offline = await blattAusSeite(seite);
  pruefe('Telefon: ohne Netz neu geladen', offline.length > 30, String(offline.length));
  await seite.setOfflineMode(false);
  await seite.close();
}

// The offset on the phone: typed values, the radio buttons, a source and a "-" with its reason.
async function rohrbau(browser, server) {
  const seite = await neueSeite(browser, server,
    { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  await oeffne(seite, `${server.url}#DN%20100%20PN%2016`);
  await seite.tap('nav a[data-ansicht="rohrbau"]');
  const auswahl = await seite.$eval('#L_Rohrbau_Auswahl', (e) => e.textContent);
  pruefe('Rohrbau: Nennweite und Radius der Auswahl', auswahl.startsWith('DN 100 (DIN)') && auswahl.includes('R 152,5 mm'), auswahl);
  const wert = (feld) => seite.$eval(`details[data-feld="${feld}"] output`, (e) => e.textContent);
  const tippe = async (feld, text) => {
    await seite.tap(`#${feld}`);
    await seite.$eval(`#${feld}`, (e) => { e.value = ''; });
    await seite.type(`#${feld}`, text);
    await seite.keyboard.press('Enter');
  };
  const quelle = async (feld) => {
    await seite.tap(`details[data-feld="${feld}"] summary`);
    await seite.waitForFunction(() => [...document.querySelectorAll('#rohrbau details[open] .quelle')]
      .every((q) => q.innerText !== ''));
    return seite.$eval(`details[data-feld="${feld}"] .quelle`, (e) => e.innerText);
  };

  await tippe('E_Etage_Versatz', '500');
  await tippe('E_Etage_Winkel', '30');
  pruefe('Rohrbau: Zuschnittlänge bei 30°', (await wert('E_Etage_Zuschnitt')) === '918,3', await wert('E_Etage_Zuschnitt'));
  await tippe('E_Etage_Winkel', '45');
  const werte = [await wert('E_Etage_Zuschnitt'), await wert('E_Etage_Abzug')];
  pruefe('Rohrbau: Zuschnittlänge und Abzug bei 45°', werte.join() === '580,8,63,2', werte.join(' '));
  await seite.tap('#RB_Etage_Laenge');
  pruefe('Rohrbau: Längenversatz vorgegeben', (await wert('E_Etage_Alpha')) === '26,6', await wert('E_Etage_Alpha'));
  await seite.tap('#RB_Etage_Winkel');
  const abzug = await quelle('E_Etage_Abzug');
  pruefe('Rohrbau: Quelle des Abzugs nach Tippen', abzug.includes('L(α) = R · tan(α/2)') && abzug.includes('E9_Din.CSV'), abzug);

  await tippe('E_Etage_Versatz', '50');
  const grund = await quelle('E_Etage_Zuschnitt');
  pruefe('Rohrbau: zu kleiner Versatz zeigt "-" mit Grund', (await wert('E_Etage_Zuschnitt')) === '-' &&
    grund.includes('Die Bögen allein sind länger als die Schräglänge; kleinster Versatz 89,3 mm'), grund);

  const klein = await seite.$$eval('#rohrbau summary, #rohrbau input:not([type=radio]), #rohrbau label.schalter',
    (es) => es.map((e) => [e.id || e.tagName, e.getBoundingClientRect().height]).filter(([, h]) => h < 44));
  pruefe('Rohrbau: Tippflächen mindestens 44 px', klein.length === 0, JSON.stringify(klein.slice(0, 5)));
  const tastatur = await seite.$$eval('#rohrbau input:not([type=radio])', (es) => es.every((e) => e.inputMode === 'decimal'));
  const breite = await seite.evaluate(() => document.documentElement.scrollWidth);
  pruefe('Rohrbau: Zifferntastatur, nichts breiter als der Bildschirm', tastatur && breite <= 390, String(breite));
  await seite.close();
}

async function schreibtisch(browser, server, pelmark) {
  const seite = await neueSeite(browser, server, { width: 1280, height: 900 });
  for (const auswahl of ['DN 100 PN 16', 'NPS 4 Class 300', 'IPE 200']) {
    await oeffne(seite, `${server.url}#${encodeURIComponent(auswahl)}`);
    const web = await blattAusSeite(seite);
    pruefe(`Schreibtisch: ${auswahl} hat Werte`, web.length > 5, String(web.length));
    if (pelmark) {
      assert.ok(fs.existsSync(pelmark), pelmark);
      const nativ = blattNativ(pelmark, auswahl);
      const unterschiede = nativ.filter((z, i) => JSON.stringify(z) !== JSON.stringify(web[i]));
      pruefe(`Schreibtisch: ${auswahl} gleich dem Maßblatt`, nativ.length === web.length && unterschiede.length === 0,
        `${nativ.length} gegen ${web.length} Zeilen; ${JSON.stringify(unterschiede.slice(0, 3))}`);
    }
  }
  await seite.close();
}

const server = await starteServer(webOrdner);
const browser = await starteChromium();
try {
  await telefon(browser, server);
  await rohrbau(browser, server);
  await schreibtisch(browser, server, process.argv[2]);
} catch (e) {
  fehler.push(`Abbruch: ${e.stack}`);
} finally {
  await browser.close();
  await server.schliessen();
}
pruefe('keine Konsolenfehler, keine fremden Anfragen', fehler.length === 0, fehler.join('\n'));
process.exit(fehler.length === 0 ? 0 : 1);
