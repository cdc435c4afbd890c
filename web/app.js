// The page: draws what the core answers and hands it what the user asks.
// Every rule (reading the search, the values, their sources, steam and units)
// lives in the core; this file only calls it.
import Pelmark from './pelmark.js';
import WasmBase64 from './pelmark-wasm.js';

import { verbindeRohrbau, zeichneRohrbau } from './rohrbau.js';

performance.mark('pelmark-skript');

const $ = (id) => document.getElementById(id);
let kern;

function frage(name, ...argumente) {
  const typen = argumente.map((a) => (typeof a === 'number' ? 'number' : 'string'));
  return JSON.parse(kern.ccall(name, 'string', typen, argumente));
}

function zeigeMeldungen(antwort) {
  $('meldungen').textContent = (antwort.meldungen || []).join('\n');
}

function element(tag, klasse, text) {
  const e = document.createElement(tag);
  if (klasse) e.className = klasse;
  if (text !== undefined) e.textContent = text;
  return e;
}

const Maskiert = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
const html = (text) => String(text ?? '').replace(/[&<>"]/g, (z) => Maskiert[z]);

// The sheet goes in as one piece of HTML: its 150-odd rows built element by
// element were a good part of the first result on a slow phone.
let blattZeilen = [];

function zeileHtml(zeile) {
  const feld = zeile.feld ? ` data-feld="${html(zeile.feld)}"` : '';
  return `<details data-zeile="${blattZeilen.push(zeile) - 1}"${feld}><summary>`
    + `<span class="beschriftung">${html(zeile.beschriftung)}</span>`
    + `<span class="wert">${html(zeile.text)}</span></summary><div class="quelle"></div></details>`;
}

function zeichneBlatt(blatt) {
  $('blatttitel').textContent = blatt.titel;
  blattZeilen = [];
  $('blatt').innerHTML = blatt.gruppen.map((gruppe) => `<div class="gruppe"><h3>${html(gruppe.titel)}</h3>`
    + `${gruppe.zeilen.map(zeileHtml).join('')}</div>`).join('');
}

// The source is asked for when a value is tapped open.
function zeigeQuelle(ereignis) {
  const zeile = blattZeilen[ereignis.target.dataset.zeile];
  const quelle = ereignis.target.querySelector('.quelle');
  if (!zeile || !ereignis.target.open || quelle.childElementCount) return;
  const texte = zeile.feld ? frage('pm_quelle', zeile.feld) : [];
  for (const text of texte.length ? texte : [zeile.datei || 'Auswahl']) quelle.append(element('p', '', text));
}

function zeigeAnsicht(name) {
  for (const a of document.querySelectorAll('nav a')) {
    if (a.dataset.ansicht === name) a.setAttribute('aria-current', 'page');
    else a.removeAttribute('aria-current');
  }
  for (const id of ['masse', 'dampf', 'einheiten', 'rohrbau']) $(id).hidden = id !== name;
  if (Zeichner[name]) Zeichner[name]();
}

const Dampfwerte = [
  ['E_Dampftemperatur', 'Temperatur [°C]'], ['L_Wert_V', 'V" [m³/kg]'],
  ['L_Wert_h', 'h [Kj/kg]'], ['L_Wert_r', 'r [Kj/kg]'],
];

function zustand(namen) {
  return frage('pm_zustand', namen.join('\n'));
}

function zeichneDampf() {
  const werte = zustand(['E_Dampfdruck', ...Dampfwerte.map(([n]) => n)]);
  // No pressure yet shows "-" as the field's hint, so the keypad types at once.
  const druck = werte.E_Dampfdruck === '-' ? '' : werte.E_Dampfdruck;
  if (document.activeElement !== $('E_Dampfdruck')) $('E_Dampfdruck').value = druck;
  $('dampfwerte').replaceChildren(...Dampfwerte.flatMap(([name, text]) => {
    const dd = element('dd', '', werte[name]);
    dd.id = name;
    return [element('dt', '', text), dd];
  }));
}

// A list's state reads "I: TEXT"; its entries are joined by " | ".
function fuelleListe(name, werte) {
  const select = $(name);
  const eintraege = werte[`${name}.eintraege`] ? werte[`${name}.eintraege`].split(' | ') : [];
  select.replaceChildren(...eintraege.map((t, i) => new Option(t, i)));
  select.value = String(parseInt(werte[name], 10));
}

function zeichneEinheiten() {
  const listen = ['LB_Massart', 'LB_Quellmass', 'LB_Zielmass'];
  const werte = zustand([...listen, ...listen.map((n) => `${n}.eintraege`),
    'E_Anz_Quellmass', 'E_Anz_Zielmass', 'L_Ziel']);
  for (const name of listen) fuelleListe(name, werte);
  if (document.activeElement !== $('E_Anz_Quellmass')) $('E_Anz_Quellmass').value = werte.E_Anz_Quellmass;
  $('E_Anz_Zielmass').textContent = werte.E_Anz_Zielmass;
  $('L_Ziel').textContent = werte.L_Ziel;
}

const Zeichner = { dampf: zeichneDampf, einheiten: zeichneEinheiten, rohrbau: () => zeichneRohrbau(frage) };

// Only the view on screen is drawn; another one is drawn from the core's
// present state when it is shown.
function zeichneAlles() {
  const sichtbar = Object.keys(Zeichner).find((name) => !$(name).hidden);
  if (sichtbar) Zeichner[sichtbar]();
}

function suche(text, ansichtWechseln = true) {
  const antwort = frage('pm_suche', text);
  $('suchmeldung').textContent = antwort.meldung;
  zeigeMeldungen(antwort);
  if (!antwort.erkannt) return antwort;
  if (antwort.blatt) zeichneBlatt(antwort.blatt);
  zeichneAlles();
  const ansichten = { TS_Dehnung: 'dampf', TS_Rohrbau: 'rohrbau' };
  if (ansichtWechseln) zeigeAnsicht(ansichten[antwort.seite] || 'masse');
  return antwort;
}

function auswahlAusAdresse() {
  return decodeURIComponent(location.hash.replace(/^#/, ''));
}

function verbinde() {
  $('blatt').addEventListener('toggle', zeigeQuelle, true);
  $('suche').addEventListener('submit', (ereignis) => {
    ereignis.preventDefault();
    const text = $('suchfeld').value.trim();
    if (!text) return;
    const antwort = suche(text);
    if (antwort.erkannt) history.replaceState(null, '', `#${encodeURIComponent(text)}`);
  });
  $('suchfeld').addEventListener('input', () => {
    const vorschlaege = frage('pm_vorschlaege', $('suchfeld').value);
    $('vorschlaege').replaceChildren(...vorschlaege.map((t) => new Option(t)));
  });
  for (const a of document.querySelectorAll('nav a')) {
    a.addEventListener('click', (ereignis) => {
      ereignis.preventDefault();
      zeigeAnsicht(a.dataset.ansicht);
    });
  }
  for (const name of ['E_Dampfdruck', 'E_Anz_Quellmass']) {
    $(name).addEventListener('change', () => {
      zeigeMeldungen(frage('pm_tippe', name, $(name).value));
      zeichneAlles();
    });
  }
  for (const name of ['LB_Massart', 'LB_Quellmass', 'LB_Zielmass']) {
    $(name).addEventListener('change', () => {
      zeigeMeldungen(frage('pm_waehle', name, Number($(name).value)));
      zeichneAlles();
    });
  }
  verbindeRohrbau(frage, (antwort) => {
    zeigeMeldungen(antwort);
    zeichneAlles();
  });
  addEventListener('hashchange', () => {
    const auswahl = auswahlAusAdresse();
    if (auswahl) {
      $('suchfeld').value = auswahl;
      suche(auswahl);
    }
  });
}

// The compiled core (it carries its tables), decoded by the browser where it can.
function wasmBytes() {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(WasmBase64);
  const text = atob(WasmBase64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

// The core compiles at once where the browser allows that on the page's own
// thread; one that refuses (older ones do for a module this size) compiles
// it in the background, and the values follow a moment later. Either way the
// page instantiates it itself, so the bytes are not copied once more.
function kernAus(modul) {
  return Pelmark({
    instantiateWasm: (importe, annehmen) => {
      const instanz = new WebAssembly.Instance(modul, importe);
      annehmen(instanz, modul);
      return instanz.exports;
    },
  });
}

function kernLaden() {
  const bytes = wasmBytes();
  try {
    return kernAus(new WebAssembly.Module(bytes));
  } catch (fehler) {
    if (!(fehler instanceof RangeError)) throw fehler;
  }
  return WebAssembly.compile(bytes).then(kernAus);
}

function starteMit(geladen) {
  kern = geladen;
  performance.mark('pelmark-modul');
  zeigeMeldungen(frage('pm_start'));
  performance.mark('pelmark-start');
  const auswahl = auswahlAusAdresse() || 'DN 100 PN 16';
  $('suchfeld').value = auswahl;
  suche(auswahl);
  performance.mark('pelmark-erstes-ergebnis');
  verbinde();
}

function bereit(fehler) {
  if (fehler) $('meldungen').textContent = `Pelmark konnte nicht starten: ${fehler}`;
  document.documentElement.classList.remove('wartet');
  document.documentElement.dataset.bereit = 'ja';
}

try {
  const geladen = kernLaden();
  if (geladen instanceof Promise) {
    geladen.then(starteMit).then(() => bereit(), bereit);
  } else {
    starteMit(geladen);
    bereit();
  }
} catch (fehler) {
  bereit(fehler);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
