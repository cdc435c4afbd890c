// The view "Rohrbau", tab "Etage und Bogen": an offset's travel, run, take-out
// and cut length, the rolling offset and the elbow cut to an angle, for the
// size and elbow the search selected. The core computes every value and says
// why one shows "-"; this module draws its fields and hands it the input.

const $ = (id) => document.getElementById(id);

const Eingaben = ['E_Etage_Versatz', 'E_Etage_Winkel', 'E_Etage_Laenge', 'E_Etage_Spalt',
  'E_Etage_Seitenversatz', 'E_Bogen_Winkel'];
const Schalter = ['RB_Etage_Winkel', 'RB_Etage_Laenge'];

// Each panel's results: field, caption and unit as the desktop page has them.
const Ergebnisse = {
  etagenwerte: [
    ['E_Etage_Alpha', 'Winkel α', '°'], ['E_Etage_Schraeg', 'Schräglänge', 'mm'],
    ['E_Etage_Lauf', 'Lauf', 'mm'], ['E_Etage_Abzug', 'Abzug L(α) je Bogen', 'mm'],
    ['E_Etage_Zuschnitt', 'Zuschnittlänge', 'mm'], ['E_Etage_Kleinster', 'Kleinster Versatz', 'mm'],
  ],
  raumetagenwerte: [
    ['E_Etage_Wahrer_Versatz', 'Wahrer Versatz', 'mm'], ['E_Etage_Drehwinkel', 'Drehwinkel', '°'],
  ],
  bogenwerte: [
    ['E_Bogen_Alpha', 'Winkel α', '°'], ['E_Bogen_Ruecken', 'Rücken', 'mm'],
    ['E_Bogen_Kehle', 'Kehle', 'mm'], ['E_Bogen_Mitte', 'Mitte', 'mm'], ['E_Bogen_Abzug', 'Abzug L(α)', 'mm'],
  ],
};
const Hervorgehoben = 'E_Etage_Zuschnitt';

function element(tag, klasse, text) {
  const e = document.createElement(tag);
  if (klasse) e.className = klasse;
  if (text !== undefined) e.textContent = text;
  return e;
}

// The lines behind a value (source, rule, or why it is "-"), asked for when open.
function zeigeQuelle(frage, details) {
  const quelle = details.querySelector('.quelle');
  quelle.replaceChildren();
  if (!details.open) return;
  const texte = frage('pm_quelle', details.dataset.feld);
  quelle.append(...texte.map((text) => element('p', '', text)));
}

function baueErgebnisse(frage) {
  for (const [ziel, zeilen] of Object.entries(Ergebnisse)) {
    $(ziel).replaceChildren(...zeilen.map(([feld, text, einheit]) => {
      const details = element('details', feld === Hervorgehoben ? 'haupt' : '');
      details.dataset.feld = feld;
      const summary = element('summary');
      const wert = element('span', 'wert');
      wert.append(element('output'), element('span', 'einheit', einheit));
      summary.append(element('span', 'beschriftung', text), wert);
      details.append(summary, element('div', 'quelle'));
      details.addEventListener('toggle', () => zeigeQuelle(frage, details));
      return details;
    }));
  }
}

export function zeichneRohrbau(frage) {
  if (!$('etagenwerte').childElementCount) baueErgebnisse(frage);
  const felder = Object.values(Ergebnisse).flat().map(([feld]) => feld);
  const werte = frage('pm_zustand', ['L_Rohrbau_Auswahl', ...Eingaben, ...Schalter, ...felder].join('\n'));
  $('L_Rohrbau_Auswahl').textContent = werte.L_Rohrbau_Auswahl;
  for (const name of Eingaben) {
    if (document.activeElement !== $(name)) $(name).value = werte[name];
  }
  for (const name of Schalter) $(name).checked = werte[name] === 'an';
  for (const details of document.querySelectorAll('#rohrbau details')) {
    details.querySelector('output').textContent = werte[details.dataset.feld];
    zeigeQuelle(frage, details);
  }
}

// geaendert(antwort) runs after every input the core took, to show its
// messages and draw the page again.
export function verbindeRohrbau(frage, geaendert) {
  for (const name of Eingaben) {
    $(name).addEventListener('change', () => geaendert(frage('pm_tippe', name, $(name).value)));
    // "Done" on the phone's keypad leaves the field, which hands it over.
    $(name).addEventListener('keydown', (ereignis) => {
      if (ereignis.key === 'Enter') $(name).blur();
    });
  }
  for (const name of Schalter) {
    $(name).addEventListener('change', () => geaendert(frage('pm_klicke', name)));
  }
}
