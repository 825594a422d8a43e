// Messungen der Seite fuer docs/leistung.md, in einem Lauf von Debians Chromium ohne Fenster.
// Aufruf: node messen.mjs tandrix.html
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { chromiumStarten, seiteOeffnen, zufallsNummern } from "./gemeinsam.mjs";

const seitePfad = process.argv[2];
const seiteUrl = pathToFileURL(resolve(seitePfad)).href;
const median = (werte) => {
  const s = werte.slice().sort((a, b) => a - b);
  return s[Math.floor(s.length / 2)];
};
const ms = (x) => x.toFixed(1).replace(".", ",") + " ms";

// Ab Beginn der Navigation: bis das erste Ergebnis steht bzw. bis eine leere Seite geladen ist;
// dazu die Marken der Seite (laden.js, seite.js), um zu sehen, wohin die Zeit geht.
const MARKEN = ["tandrix-laden", "tandrix-entpackt", "tandrix-instanziert", "tandrix-modul", "tandrix-daten", "tandrix-geprueft", "tandrix-bereit"];
async function ersteErgebnisse(browser, anzahl) {
  const ordner = mkdtempSync(join(tmpdir(), "tandrix-leer-"));
  const leer = join(ordner, "leer.html");
  writeFileSync(leer, "<!DOCTYPE html><html lang=\"de\"><title>leer</title><p>leer</p></html>");
  const marken = MARKEN.map(() => []), leere = [];
  for (let i = 0; i < anzahl; i++) {
    const s = await seiteOeffnen(browser, seiteUrl + "#" + encodeURIComponent("31 80 6652 003-8"));
    const zeiten = await s.evaluate((namen) => namen.map((n) => performance.getEntriesByName(n)[0].startTime), MARKEN);
    zeiten.forEach((t, k) => marken[k].push(t));
    await s.close();
    const l = await browser.newPage();
    await l.goto(pathToFileURL(leer).href, { waitUntil: "load" });
    leere.push(await l.evaluate(() => performance.getEntriesByType("navigation")[0].loadEventEnd));
    await l.close();
  }
  rmSync(ordner, { recursive: true, force: true });
  return [marken.map(median), median(leere)];
}

// Taste (DevTools Input.dispatchKeyEvent) bis das Ergebnis im DOM steht und gelayoutet ist.
async function tastendruecke(browser, anzahl) {
  const s = await seiteOeffnen(browser, seiteUrl, 360, 640);
  await s.evaluate(() => {
    window.dauern = [];
    let beginn = 0;
    const feld = document.getElementById("eingabe");
    feld.addEventListener("keydown", (e) => { beginn = e.timeStamp; });
    feld.addEventListener("input", () => {
      void document.body.offsetHeight;
      window.dauern.push(performance.now() - beginn);
    });
  });
  await s.focus("#eingabe");
  const text = "31 80 6652 003-8";
  for (let gedrueckt = 0; gedrueckt < anzahl;) {
    for (const z of text) if (gedrueckt++ < anzahl) await s.keyboard.press(z);
    for (let i = 0; i < text.length; i++) if (gedrueckt++ < anzahl) await s.keyboard.press("Backspace");
  }
  const dauern = await s.evaluate(() => window.dauern);
  await s.close();
  return dauern;
}

// Eingefuegte Liste: Klick bis die Tabelle steht (Auswertung in C++ und Aufbau der Tabelle).
async function liste(browser, zeilen) {
  const s = await seiteOeffnen(browser, seiteUrl);
  const text = zufallsNummern(zeilen, 7).join("\n");
  const zeiten = [];
  for (let i = 0; i < 5; i++) {
    zeiten.push(await s.evaluate((t) => {
      document.getElementById("listeneingabe").value = t;
      const beginn = performance.now();
      document.getElementById("liste-pruefen").click();
      void document.body.offsetHeight;
      return [performance.now() - beginn, document.querySelectorAll("#listentabelle tbody tr").length];
    }, text));
  }
  // Blaettern: Klick auf "Weiter" bis die naechste Seite gelayoutet ist.
  const blaettern = [];
  for (let i = 0; i < 9; i++) {
    blaettern.push(await s.evaluate(() => {
      const beginn = performance.now();
      document.getElementById("seite-weiter").click();
      void document.body.offsetHeight;
      return performance.now() - beginn;
    }));
  }
  const nurAuswertung = await s.evaluate((t) => {
    const beginn = performance.now();
    window.tandrix.liste(t);
    return performance.now() - beginn;
  }, text);
  await s.close();
  return [median(zeiten.map((z) => z[0])), zeiten[0][1], nurAuswertung, median(blaettern)];
}

const datei = readFileSync(seitePfad);
console.log(`Datei: ${(datei.length / 1024).toFixed(0)} KiB, mit gzip -9 ${(gzipSync(datei, { level: 9 }).length / 1024).toFixed(0)} KiB`);
const { browser, schliessen } = await chromiumStarten();
try {
  const anzahl = 11;
  const [[laden, entpackt, instanziert, modul, daten, geprueft, erstes], leer] = await ersteErgebnisse(browser, anzahl);
  console.log(`Erstes Ergebnis (Nummer in der Adresse): ${ms(erstes)} ab Navigation, leere Seite geladen: ${ms(leer)}, ` +
    `${(erstes / leer).toFixed(1).replace(".", ",")}fach (Median aus ${anzahl})`);
  console.log(`  Marken (Mediane ab Navigation): laden.js beginnt ${ms(laden)}, entpackt ${ms(entpackt)}, ` +
    `instanziert ${ms(instanziert)}, Modul bereit ${ms(modul)}, Daten geladen ${ms(daten)}, geprueft ${ms(geprueft)}, erstes Ergebnis ${ms(erstes)}`);
  const dauern = await tastendruecke(browser, 1000);
  const sortiert = dauern.slice().sort((a, b) => a - b);
  console.log(`Tastendruck bis Ergebnis: Median ${ms(median(dauern))}, 95 % ${ms(sortiert[Math.floor(sortiert.length * 0.95)])}, ${dauern.length} Tastendruecke`);
  const [gesamt, zeilen, nur, seite] = await liste(browser, 10000);
  console.log(`Liste mit 10.000 Zeilen: ${ms(gesamt)} bis die Tabelle (${zeilen} Zeilen gezeigt) steht (Median aus 5), davon Auswertung ${ms(nur)}; ` +
    `Blaettern zur naechsten Seite ${ms(seite)} (Median aus 9)`);
} finally {
  await schliessen();
}
