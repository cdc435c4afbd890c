// A small driver for headless chromium through the DevTools protocol, with
// nothing but node: chromium is started with --remote-debugging-pipe, reads
// the commands from its descriptor 3 and writes answers and events to 4, each
// message JSON ended by a NUL byte. Pages are targets attached in flat mode;
// their messages carry the session's id. The calls offered are the few the
// browser tests and the benchmark use, with the names and meanings they have
// in puppeteer.
import { spawn } from 'node:child_process';
import { EventEmitter } from 'node:events';

// No wait lasts longer: a page that never gets there fails with the reason.
const Frist = 30000;
const pause = (ms) => new Promise((weiter) => setTimeout(weiter, ms));

class Leitung {
  constructor(prozess) {
    this.prozess = prozess;
    this.naechste = 1;
    this.offen = new Map();
    this.sitzungen = new Map([['', new Sitzung(this, '')]]);
    this.stderr = [];
    let puffer = Buffer.alloc(0);
    prozess.stdio[4].on('data', (stueck) => {
      puffer = Buffer.concat([puffer, stueck]);
      for (let ende = puffer.indexOf(0); ende >= 0; ende = puffer.indexOf(0)) {
        this.empfange(JSON.parse(puffer.subarray(0, ende).toString('utf8')));
        puffer = puffer.subarray(ende + 1);
      }
    });
    prozess.stderr.on('data', (stueck) => {
      this.stderr.push(...stueck.toString().split('\n').filter(Boolean));
      this.stderr.splice(0, this.stderr.length - 20);
    });
    // Writing to a chromium that is gone is reported by the pending answer.
    prozess.stdio[3].on('error', () => {});
  }

  get browser() { return this.sitzungen.get(''); }

  sitzung(id) {
    const sitzung = new Sitzung(this, id);
    this.sitzungen.set(id, sitzung);
    return sitzung;
  }

  sende(methode, parameter, sitzung) {
    const id = this.naechste++;
    const fehler = new Error(methode);
    return new Promise((ja, nein) => {
      if (this.beendet) {
        fehler.message = `${methode}: ${this.beendet}`;
        nein(fehler);
        return;
      }
      const uhr = setTimeout(() => {
        this.offen.delete(id);
        fehler.message = `${methode}: nach ${Frist / 1000} s keine Antwort`;
        nein(fehler);
      }, Frist);
      this.offen.set(id, { ja, nein, fehler, uhr });
      const nachricht = { id, method: methode, params: parameter };
      if (sitzung) nachricht.sessionId = sitzung;
      this.prozess.stdio[3].write(`${JSON.stringify(nachricht)}\0`);
    });
  }

  empfange(nachricht) {
    if (nachricht.id === undefined) {
      this.sitzungen.get(nachricht.sessionId ?? '')?.emit(nachricht.method, nachricht.params);
      if (nachricht.method === 'Target.detachedFromTarget') this.sitzungen.delete(nachricht.params.sessionId);
      return;
    }
    const wartend = this.offen.get(nachricht.id);
    if (!wartend) return;
    this.offen.delete(nachricht.id);
    clearTimeout(wartend.uhr);
    if (nachricht.error) {
      wartend.fehler.message += `: ${nachricht.error.message}${nachricht.error.data ? ` (${nachricht.error.data})` : ''}`;
      wartend.nein(wartend.fehler);
    } else {
      wartend.ja(nachricht.result);
    }
  }

  beende(grund) {
    this.beendet = [grund, ...this.stderr.slice(-5)].join('\n');
    for (const { nein, fehler, uhr } of this.offen.values()) {
      clearTimeout(uhr);
      fehler.message += `: ${this.beendet}`;
      nein(fehler);
    }
    this.offen.clear();
  }
}

class Sitzung extends EventEmitter {
  constructor(leitung, id) {
    super();
    this.leitung = leitung;
    this.id = id;
  }

  send(methode, parameter = {}) { return this.leitung.sende(methode, parameter, this.id); }
}

// An exception in the page as an Error of its own, the page's stack kept.
function seitenfehler(details) {
  const beschreibung = details.exception?.description ?? details.exception?.value ?? details.text;
  const fehler = new Error(String(beschreibung).split('\n')[0].replace(/^\w*Error: /, ''));
  fehler.stack = String(beschreibung);
  return fehler;
}

const Tasten = {
  Enter: { key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13, text: '\r' },
};

const netz = (offline) => ({ offline, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });

class Seite extends EventEmitter {
  constructor(browser, sitzung, ziel, kontext) {
    super();
    this.browser = browser;
    this.sitzung = sitzung;
    this.ziel = ziel;
    this.kontext = kontext;
    this.beruehrung = false;
    this.keyboard = {
      press: async (taste) => {
        const t = Tasten[taste];
        if (!t) throw new Error(`keyboard.press: Taste ${taste} unbekannt`);
        await this.sitzung.send('Input.dispatchKeyEvent', { type: 'keyDown', ...t, unmodifiedText: t.text });
        await this.sitzung.send('Input.dispatchKeyEvent',
          { type: 'keyUp', key: t.key, code: t.code, windowsVirtualKeyCode: t.windowsVirtualKeyCode });
      },
    };
  }

  async richteEin() {
    const s = this.sitzung;
    s.on('Runtime.consoleAPICalled', ({ type, args }) => this.emit('console', {
      type: () => (type === 'warning' ? 'warn' : type),
      text: () => args.map((a) => (a.value !== undefined ? String(a.value) : a.description ?? a.type)).join(' '),
    }));
    // What chromium itself reports, a resource that failed to load for one.
    s.on('Log.entryAdded', ({ entry }) => {
      if (entry.source !== 'worker') {
        this.emit('console', { type: () => (entry.level === 'warning' ? 'warn' : entry.level), text: () => entry.text });
      }
    });
    s.on('Runtime.exceptionThrown', ({ exceptionDetails }) => this.emit('pageerror', seitenfehler(exceptionDetails)));
    s.on('Network.requestWillBeSent', ({ request }) => this.emit('request', { url: () => request.url }));
    s.on('Page.lifecycleEvent', ({ frameId, loaderId, name }) => {
      if (frameId === this.rahmen && name === 'init') this.lader = loaderId;
    });
    await Promise.all(['Page.enable', 'Runtime.enable', 'Network.enable', 'Log.enable'].map((m) => s.send(m)));
    await s.send('Page.setLifecycleEventsEnabled', { enabled: true });
    const { frameTree } = await s.send('Page.getFrameTree');
    this.rahmen = frameTree.frame.id;
    this.lader = frameTree.frame.loaderId;
  }

  async wert(ausdruck) {
    const { result, exceptionDetails } = await this.sitzung.send('Runtime.evaluate',
      { expression: ausdruck, awaitPromise: true, returnByValue: true, userGesture: true });
    if (exceptionDetails) throw seitenfehler(exceptionDetails);
    return result.value;
  }

  // Asks again until the expression is true; a page in the middle of loading
  // may throw, that only counts if it stays so.
  async bisWahr(ausdruck, was) {
    const ende = Date.now() + Frist;
    for (;;) {
      let grund = '';
      try {
        if (await this.wert(ausdruck)) return;
      } catch (e) {
        grund = ` (${e.message})`;
      }
      if (Date.now() > ende) throw new Error(`${was}: nach ${Frist / 1000} s nicht erfüllt${grund}`);
      await pause(50);
    }
  }

  // Starts a navigation and waits for its end: `load` in the main frame of
  // the document `ausloesen` names (a test of the loader's id), or, when it
  // names none, the change of address within the document and the page's
  // handling of it (hashchange).
  async navigiere(was, ausloesen) {
    const geladen = [];
    let imDokument = false;
    const last = ({ frameId, loaderId, name }) => {
      if (frameId === this.rahmen && name === 'load') geladen.push(loaderId);
    };
    const sprung = ({ frameId }) => { if (frameId === this.rahmen) imDokument = true; };
    this.sitzung.on('Page.lifecycleEvent', last);
    this.sitzung.on('Page.navigatedWithinDocument', sprung);
    try {
      const neu = await ausloesen();
      const ende = Date.now() + Frist;
      while (!(neu ? geladen.some(neu) : imDokument)) {
        if (Date.now() > ende) throw new Error(`${was}: nach ${Frist / 1000} s nicht geladen`);
        await pause(10);
      }
      if (!neu) await this.wert('new Promise((r) => setTimeout(r))');
    } finally {
      this.sitzung.off('Page.lifecycleEvent', last);
      this.sitzung.off('Page.navigatedWithinDocument', sprung);
    }
  }

  goto(url) {
    return this.navigiere(url, async () => {
      const { loaderId, errorText } = await this.sitzung.send('Page.navigate', { url });
      if (errorText) throw new Error(`${url}: ${errorText}`);
      return loaderId && ((l) => l === loaderId);
    });
  }

  reload() {
    const vorher = this.lader;
    return this.navigiere('neu laden', async () => {
      await this.sitzung.send('Page.reload');
      return (l) => l !== vorher;
    });
  }

  waitForSelector(selektor) {
    return this.bisWahr(`document.querySelector(${JSON.stringify(selektor)}) !== null`, `warten auf ${selektor}`);
  }

  waitForFunction(funktion) {
    return this.bisWahr(`(${funktion})()`, `warten auf ${funktion}`);
  }

  evaluate(funktion, ...argumente) {
    return this.wert(`(${funktion})(${argumente.map((a) => JSON.stringify(a)).join(', ')})`);
  }

  $eval(selektor, funktion) {
    const s = JSON.stringify(selektor);
    return this.wert(`((e) => { if (!e) throw new Error(${JSON.stringify(`kein Element ${selektor}`)}); `
      + `return (${funktion})(e); })(document.querySelector(${s}))`);
  }

  $$eval(selektor, funktion) {
    return this.wert(`(${funktion})([...document.querySelectorAll(${JSON.stringify(selektor)})])`);
  }

  async setViewport({ width, height, isMobile = false, hasTouch = false, deviceScaleFactor = 1 }) {
    await this.sitzung.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile: isMobile });
    await this.sitzung.send('Emulation.setTouchEmulationEnabled', { enabled: hasTouch });
    this.beruehrung = hasTouch;
  }

  // A finger (a mouse on a page without touch) on the middle of the element,
  // scrolled into view; done once the page has seen the click or after a
  // while without one.
  async tap(selektor) {
    const s = JSON.stringify(selektor);
    await this.bisWahr(`(() => { const e = document.querySelector(${s}); if (!e) return false;
      e.scrollIntoView({ block: 'center', inline: 'center' });
      const r = e.getBoundingClientRect(); return r.width > 0 && r.height > 0; })()`, `${selektor} sichtbar`);
    const { x, y } = await this.wert(`(() => { const e = document.querySelector(${s});
      globalThis.__pelmarkGetippt = false;
      e.addEventListener('click', () => { globalThis.__pelmarkGetippt = true; }, { once: true, capture: true });
      const r = e.getBoundingClientRect();
      return { x: Math.round(r.left + r.width / 2), y: Math.round(r.top + r.height / 2) }; })()`);
    if (this.beruehrung) {
      await this.sitzung.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
      await this.sitzung.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    } else {
      await this.sitzung.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
      for (const type of ['mousePressed', 'mouseReleased']) {
        await this.sitzung.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
      }
    }
    for (let i = 0; i < 40 && !(await this.wert('globalThis.__pelmarkGetippt').catch(() => true)); ++i) await pause(50);
  }

  async type(selektor, text) {
    await this.$eval(selektor, (e) => e.focus());
    for (const zeichen of text) {
      await this.sitzung.send('Input.dispatchKeyEvent', { type: 'keyDown', key: zeichen, text: zeichen, unmodifiedText: zeichen });
      await this.sitzung.send('Input.dispatchKeyEvent', { type: 'keyUp', key: zeichen });
    }
  }

  async setOfflineMode(offline) {
    await this.sitzung.send('Network.emulateNetworkConditions', netz(offline));
    await this.browser.netzFuerArbeiter(this.kontext, offline);
  }

  async createCDPSession() {
    const { sessionId } = await this.browser.leitung.browser.send('Target.attachToTarget', { targetId: this.ziel, flatten: true });
    return this.browser.leitung.sitzung(sessionId);
  }

  async close() {
    await this.browser.leitung.browser.send('Target.closeTarget', { targetId: this.ziel });
  }
}

class Browser {
  constructor(prozess, aufraeumen) {
    this.prozess = prozess;
    this.aufraeumen = aufraeumen;
    this.leitung = new Leitung(prozess);
    this.ende = new Promise((fertig) => {
      prozess.on('exit', (status, signal) => {
        this.leitung.beende(`chromium beendet (${signal ?? status})`);
        fertig();
      });
      prozess.on('error', (e) => {
        this.leitung.beende(`chromium: ${e.message}`);
        fertig();
      });
    });
    // Service workers fetch for themselves: offline must reach them as well,
    // every one of the context the page belongs to.
    this.offline = new Set();
    this.arbeiter = new Map();
    this.leitung.browser.on('Target.targetCreated', ({ targetInfo }) => {
      if (targetInfo.type === 'service_worker') this.arbeiter.set(targetInfo.targetId, this.verbindeArbeiter(targetInfo));
    });
    this.leitung.browser.on('Target.targetDestroyed', ({ targetId }) => this.arbeiter.delete(targetId));
  }

  async verbindeArbeiter({ targetId, browserContextId }) {
    try {
      const { sessionId } = await this.leitung.browser.send('Target.attachToTarget', { targetId, flatten: true });
      const sitzung = this.leitung.sitzung(sessionId);
      await sitzung.send('Network.enable');
      await sitzung.send('Network.emulateNetworkConditions', netz(this.offline.has(browserContextId)));
      return { sitzung, browserContextId };
    } catch {
      return undefined; // ended before it could be reached
    }
  }

  async netzFuerArbeiter(kontext, offline) {
    if (offline) this.offline.add(kontext);
    else this.offline.delete(kontext);
    for (const arbeiter of await Promise.all(this.arbeiter.values())) {
      if (arbeiter?.browserContextId === kontext) {
        await arbeiter.sitzung.send('Network.emulateNetworkConditions', netz(offline)).catch(() => {});
      }
    }
  }

  async seite(browserContextId) {
    const b = this.leitung.browser;
    const { targetId } = await b.send('Target.createTarget', { url: 'about:blank', browserContextId });
    const { targetInfo } = await b.send('Target.getTargetInfo', { targetId });
    const { sessionId } = await b.send('Target.attachToTarget', { targetId, flatten: true });
    const seite = new Seite(this, this.leitung.sitzung(sessionId), targetId, targetInfo.browserContextId);
    await seite.richteEin();
    return seite;
  }

  newPage() { return this.seite(undefined); }

  async createBrowserContext() {
    const { browserContextId } = await this.leitung.browser.send('Target.createBrowserContext', { disposeOnDetach: true });
    return {
      newPage: () => this.seite(browserContextId),
      close: () => this.leitung.browser.send('Target.disposeBrowserContext', { browserContextId }),
    };
  }

  // Asks chromium to quit and kills it if it does not.
  async close() {
    if (this.prozess.exitCode === null && this.prozess.signalCode === null) {
      await this.leitung.browser.send('Browser.close').catch(() => {});
      const uhr = setTimeout(() => this.prozess.kill('SIGKILL'), 5000);
      await this.ende;
      clearTimeout(uhr);
    }
    this.aufraeumen();
  }
}

// Starts chromium; `aufraeumen` runs once it has ended, by close() or with node.
export async function starteBrowser(programm, argumente, aufraeumen = () => {}) {
  const prozess = spawn(programm, ['--headless', '--remote-debugging-pipe', ...argumente, 'about:blank'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
  const beiEnde = () => {
    prozess.kill('SIGKILL');
    aufraeumen();
  };
  process.on('exit', beiEnde);
  const browser = new Browser(prozess, () => {
    process.off('exit', beiEnde);
    aufraeumen();
  });
  try {
    await browser.leitung.browser.send('Target.setDiscoverTargets', { discover: true });
  } catch (e) {
    await browser.close();
    throw new Error(`chromium (${programm}) startet nicht: ${e.message}`);
  }
  return browser;
}
