// Was Test (seite_test.mjs) und Messung (messen.mjs) teilen: Chromium starten, die Seite
// oeffnen, Zufallsnummern, CSV lesen.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";

// Debians Chromium, ohne alles, was von sich aus ins Netz geht.
export async function chromiumStarten() {
  const profil = mkdtempSync(join(tmpdir(), "tandrix-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: profil,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync"],
  });
  return {
    browser,
    schliessen: async () => {
      await browser.close();
      rmSync(profil, { recursive: true, force: true });
    },
  };
}

// Oeffnet die Seite und wartet, bis das WebAssembly geladen ist.
export async function seiteOeffnen(browser, adresse, breite = 1280, hoehe = 800) {
  const seite = await browser.newPage();
  await seite.setViewport({ width: breite, height: hoehe });
  await seite.goto(adresse, { waitUntil: "load" });
  await seite.waitForFunction(() => window.tandrix !== undefined);
  await seite.evaluate(() => window.tandrix.bereit);
  return seite;
}

// Reproduzierbar: dieselben Nummern in jedem Lauf (mulberry32).
export function zufall(startwert) {
  let a = startwert >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Nummern in den Schreibweisen der Praxis: gegliedert mit Strich, am Stueck, 11 Ziffern, mit "?".
export function zufallsNummern(anzahl, startwert) {
  const z = zufall(startwert);
  const ziffer = () => String(Math.floor(z() * 10));
  const nummern = [];
  for (let i = 0; i < anzahl; i++) {
    const d = Array.from({ length: 12 }, ziffer);
    const art = z();
    if (art < 0.05) d[1 + Math.floor(z() * 9)] = "?";
    const s = d.join("");
    if (art < 0.5) nummern.push(`${s.slice(0, 2)} ${s.slice(2, 4)} ${s.slice(4, 8)} ${s.slice(8, 11)}-${s[11]}`);
    else if (art < 0.8) nummern.push(s);
    else nummern.push(s.slice(0, 11));
  }
  return nummern;
}

// CSV mit ';' und Anfuehrungszeichen wie von wagennummer geschrieben.
export function csvLesen(text) {
  const zeilen = [];
  let feld = "", zeile = [], zitat = false;
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (zitat) {
      if (c === '"' && text[i + 1] === '"') { feld += '"'; i++; } else if (c === '"') zitat = false; else feld += c;
    } else if (c === '"' && feld === "") zitat = true;
    else if (c === ";") { zeile.push(feld); feld = ""; }
    else if (c === "\n") { zeile.push(feld.replace(/\r$/, "")); zeilen.push(zeile); zeile = []; feld = ""; }
    else feld += c;
  }
  if (feld !== "" || zeile.length) { zeile.push(feld); zeilen.push(zeile); }
  return zeilen;
}
