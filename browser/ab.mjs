// Vergleich zweier Staende der Seite abwechselnd im selben Lauf (fuer docs/leistung.md).
// Aufruf: node ab.mjs a.html b.html [anzahl]
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromiumStarten, seiteOeffnen } from "./gemeinsam.mjs";

const seiten = process.argv.slice(2, 4).map((p) => pathToFileURL(resolve(p)).href);
const anzahl = Number(process.argv[4] || 15);
const MARKEN = ["tandrix-laden", "tandrix-entpackt", "tandrix-instanziert", "tandrix-modul", "tandrix-daten", "tandrix-geprueft", "tandrix-bereit"];
const median = (w) => w.slice().sort((a, b) => a - b)[Math.floor(w.length / 2)];
const ordner = mkdtempSync(join(tmpdir(), "tandrix-ab-"));
const leer = pathToFileURL(join(ordner, "leer.html")).href;
writeFileSync(join(ordner, "leer.html"), "<!DOCTYPE html><html lang=\"de\"><title>leer</title><p>leer</p></html>");
const { browser, schliessen } = await chromiumStarten();
const zeiten = seiten.map(() => MARKEN.map(() => []));
const leere = [];
try {
  for (let i = 0; i < anzahl; i++) {
    for (const [k, url] of seiten.entries()) {
      const s = await seiteOeffnen(browser, url + "#" + encodeURIComponent("31 80 6652 003-8"));
      const t = await s.evaluate((n) => n.map((m) => performance.getEntriesByName(m)[0]?.startTime ?? NaN), MARKEN);
      t.forEach((x, j) => zeiten[k][j].push(x ?? NaN));  // fehlende Marke: null aus evaluate
      await s.close();
    }
    const l = await browser.newPage();
    await l.goto(leer, { waitUntil: "load" });
    leere.push(await l.evaluate(() => performance.getEntriesByType("navigation")[0].loadEventEnd));
    await l.close();
  }
} finally {
  await schliessen();
  rmSync(ordner, { recursive: true, force: true });
}
const l = median(leere);
console.log(`leer ${l.toFixed(1)} ms`);
for (const [k, z] of zeiten.entries()) {
  const m = z.map(median);
  console.log(`${process.argv[2 + k]}: ${MARKEN.map((n, j) => n.replace("tandrix-", "") + " " + m[j].toFixed(1)).join(", ")}; ${(m[6] / l).toFixed(2)}fach`);
  // Die Abschnitte je Lauf (Marke minus die davor), als Median: unter fremder Last schwankt der
  // Beginn einer Seite stark, die Dauer eines Abschnitts weniger.
  const abschnitte = MARKEN.slice(1).map((n, j) => n.replace("tandrix-", "") + " +" +
    median(z[j + 1].map((t, i) => t - z[j][i])).toFixed(1));
  console.log(`  Abschnitte: ${abschnitte.join(", ")}`);
}
