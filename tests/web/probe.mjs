import { starteServer, starteChromium, webOrdner } from '/work/main/tests/web/werkzeug.mjs';
const server = await starteServer(webOrdner);
const browser = await starteChromium();
for (let i = 0; i < 3; ++i) {
  const k = await browser.createBrowserContext();
  const s = await k.newPage();
  const cdp = await s.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: Number(process.env.RATE || 4) });
  await s.goto(`${server.url}#DN%20100%20PN%2016`);
  await s.waitForSelector('html[data-bereit]');
  console.log(await s.evaluate(() => JSON.stringify({
    marks: performance.getEntriesByType('mark').map((m) => [m.name, Math.round(m.startTime)]),
    res: performance.getEntriesByType('resource').map((r) => [r.name.split('/').pop(), Math.round(r.startTime), Math.round(r.responseEnd)]),
    nav: (({ responseEnd, domInteractive, domContentLoadedEventStart }) => ({ responseEnd: Math.round(responseEnd), domInteractive: Math.round(domInteractive), dcl: Math.round(domContentLoadedEventStart) }))(performance.getEntriesByType('navigation')[0]),
  })));
  await k.close();
}
await browser.close(); await server.schliessen();
