// Tests der Seite in Debians Chromium: dieselben Antworten wie wagennummer --csv, keine einzige
// Anfrage, Bedienbarkeit auf dem Telefon, Bildschirmfotos.
// Aufruf: node seite_test.mjs tandrix.html wagennummer a.csv,b.csv bilderordner
import { spawnSync } from "node:child_process";
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { dirname, extname, join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromiumStarten, csvLesen, seiteOeffnen, zufallsNummern } from "./gemeinsam.mjs";

const [seitePfad, wagennummer, anschriftenPfade, bilder] = process.argv.slice(2);
const seiteUrl = pathToFileURL(resolve(seitePfad)).href;
let fehler = 0;
function pruefe(bedingung, meldung) {
  if (!bedingung) {
    fehler++;
    console.error("FEHLER: " + meldung);
  }
}

// Die Felder, die beide zeigen muessen: Nummer, Pruefziffern, Urteil, die fuenf Felder.
const VERGLICHEN = ["Nummer", "Prüfziffer angeschrieben", "Prüfziffer berechnet", "Urteil", "Eigentumsmerkmal",
  "Austauschverfahren", "Eigentumsverwaltung", "Wagengattung", "Höchstgeschwindigkeit"];

function erwartet(eingaben) {
  // Exit-Status 1 und 2 sagen nur, dass falsche oder unbrauchbare Nummern dabei sind.
  const lauf = spawnSync(wagennummer, ["--csv", "--utf8"], { input: eingaben.join("\n") + "\n", maxBuffer: 1 << 28 });
  pruefe(lauf.status !== null && lauf.status <= 2, `wagennummer: Exit-Status ${lauf.status}`);
  const zeilen = csvLesen(lauf.stdout.toString("utf8").replace(/^\ufeff/, ""));
  const kopf = zeilen.shift();
  return zeilen.map((z) => VERGLICHEN.map((name) => z[kopf.indexOf(name)]));
}

async function gleichWieWagennummer(seite, eingaben, was) {
  const soll = erwartet(eingaben);
  pruefe(soll.length === eingaben.length, `${was}: wagennummer gab ${soll.length} Zeilen fuer ${eingaben.length}`);
  const ist = await seite.evaluate((liste) => liste.map((t) => {
    const e = window.tandrix.pruefen(t);
    return [e.nummer, e.angeschrieben, e.berechnet, e.urteil, ...e.spalten];
  }), eingaben);
  let abweichend = 0;
  for (let i = 0; i < eingaben.length; i++) {
    const a = JSON.stringify(ist[i]), b = JSON.stringify(soll[i]);
    if (a !== b && abweichend++ < 5) pruefe(false, `${was} „${eingaben[i]}“: Seite ${a}, wagennummer ${b}`);
  }
  pruefe(abweichend === 0, `${was}: ${abweichend} von ${eingaben.length} weichen ab`);
  console.log(`${was}: ${eingaben.length} Eingaben verglichen, ${abweichend} abweichend`);
}

// Jede Zeile der Sammlung echter Anschriften auch durch die Ansicht: das Urteil erscheint.
async function ansichtZeigtUrteil(seite, eingaben) {
  const falsch = await seite.evaluate((liste) => {
    const feld = document.getElementById("eingabe");
    return liste.filter((t) => {
      feld.value = t;
      feld.dispatchEvent(new Event("input"));
      const e = window.tandrix.pruefen(t);
      const text = document.querySelector("#urteil .text").textContent;
      return !(e.meldung ? text.includes(e.meldung) : text.includes(e.nummer));
    });
  }, eingaben);
  pruefe(falsch.length === 0, `Ansicht ohne passendes Urteil: ${falsch.slice(0, 3).join(" / ")}`);
}

// Einzelfaelle: was das Ergebnis fuer die Ansicht tragen muss, ueber die Paritaet hinaus
// (Rechenweg, Befunde, Vorschlaege mit Grund, Triebfahrzeugfelder, Meldungen, Akzente).
const EINZELFAELLE = [
  ["31 80 6652 003-8", { urteil: "korrekt", berechnet: "8", produkte: "6 1 16 0 12 6 10 2 0 0 6", summe: 32 }],
  ["21 81 2471 217-3", { urteil: "korrekt", summe: 37 }],
  ["31 80 6652 003-9 D-DB Fals", { urteil: "falsch", vorschlag: "31 80 6652 003-8  Stelle 12: 8 statt 9; Fals" }],
  ["31 80 6652 0O3-8", { urteil: "korrekt", hinweis: "„0O3-8“ als „0038“ gelesen" }],
  ["91 80 6 186 130-1 D-DB", { urteil: "korrekt", zeile: "Baureihe=186, Nr. 186 130", ohneRechenweg: false }],
  ["31 80 665? 003-8", { urteil: "unvollständig", vorschlag: "31 80 6652 003-8  Fals, Deutschland", ohneRechenweg: true }],
  ["31 54 6652 003-2 CZ-ČD Fals", { urteil: "falsch", zeile: "Anschrift=CZ-ČD Fals – passt zur Nummer" }],
  ["SM42-2244", { urteil: "ohne Prüfziffer" }],
  ["x1 2", { urteil: "unbrauchbar", meldung: "„x1“ enthält Buchstaben oder Zeichen zwischen den Ziffern" }],
  ["1 2", { urteil: "unbrauchbar", meldung: "„1 2“ hat 2 Ziffern, erwartet werden 11 oder 12" }],
];

function einzelfallPruefen(eingabe, e, soll) {
  const was = `„${eingabe}“`;
  pruefe(e.urteil === soll.urteil, `${was}: Urteil ${e.urteil}`);
  if (soll.berechnet) pruefe(e.berechnet === soll.berechnet, `${was}: Prüfziffer ${e.berechnet}`);
  if (soll.produkte) pruefe(e.rechenweg.schritte.map((s) => s.produkt).join(" ") === soll.produkte, `${was}: Produkte`);
  if (soll.summe) pruefe(e.rechenweg.summe === soll.summe, `${was}: Summe ${e.rechenweg && e.rechenweg.summe}`);
  if (soll.ohneRechenweg) pruefe(e.rechenweg === null, `${was}: Rechenweg ohne bekannte Ziffern`);
  if (soll.vorschlag)
    pruefe(e.vorschlaege.some((v) => v.text.startsWith(soll.vorschlag)), `${was}: ${JSON.stringify(e.vorschlaege[0])}`);
  if (soll.hinweis) pruefe(e.befunde.some((b) => !b.abweichung && b.text.includes(soll.hinweis)), `${was}: Hinweise`);
  if (soll.zeile) pruefe(e.zeilen.some(([b, t]) => `${b}=${t}` === soll.zeile), `${was}: ${JSON.stringify(e.zeilen)}`);
  if (soll.meldung) pruefe(e.meldung === soll.meldung, `${was}: Meldung ${e.meldung}`);
}

async function paritaet(browser) {
  const anschriften = anschriftenPfade.split(",").flatMap((pfad) =>
    csvLesen(readFileSync(pfad, "utf8")).slice(1).map((z) => z[0]).filter((t) => t));
  const seite = await seiteOeffnen(browser, seiteUrl);
  for (const [eingabe, soll] of EINZELFAELLE)
    einzelfallPruefen(eingabe, await seite.evaluate((t) => window.tandrix.pruefen(t), eingabe), soll);
  await gleichWieWagennummer(seite, anschriften, "Anschriften");
  await gleichWieWagennummer(seite, zufallsNummern(10000, 31), "Zufallsnummern");
  await ansichtZeigtUrteil(seite, anschriften);
  await seite.close();
}

// Ein Webserver wie jeder andere fuer build-web/: die Dateien mit ihrem Typ, sonst 404.
const TYPEN = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".webmanifest": "application/manifest+json" };
async function webserver(ordner) {
  const server = createServer((anfrage, antwort) => {
    const name = decodeURIComponent(new URL(anfrage.url, "http://x").pathname).slice(1);
    let inhalt;
    try {
      inhalt = /^[\w.-]+$/.test(name) ? readFileSync(join(ordner, name)) : null;
    } catch (_) {
      inhalt = null;
    }
    antwort.writeHead(inhalt ? 200 : 404, { "Content-Type": TYPEN[extname(name)] || "application/octet-stream" });
    antwort.end(inhalt);
  });
  await new Promise((r) => server.listen(0, "127.0.0.1", r));
  return {
    adresse: `http://127.0.0.1:${server.address().port}/`,
    beenden: () => new Promise((r) => {
      server.close(r);
      server.closeAllConnections();
    }),
  };
}

// Jede Anfrage ausser dem Laden der Seite selbst (und den erlaubten) zaehlt, auch data: und blob:
// (DevTools sieht alle).
async function anfragenZaehlen(browser, adresse, handlung, erlaubt = []) {
  const seite = await browser.newPage();
  const cdp = await seite.createCDPSession();
  await cdp.send("Network.enable");
  const anfragen = [];
  cdp.on("Network.requestWillBeSent", (e) => anfragen.push(e.request.url));
  const verstoesse = [];
  seite.on("console", (m) => m.type() === "error" && verstoesse.push("Konsole: " + m.text()));
  seite.on("pageerror", (e) => verstoesse.push("Seitenfehler: " + e.message));
  await seite.evaluateOnNewDocument(() =>
    document.addEventListener("securitypolicyviolation", (e) => console.error("CSP " + e.violatedDirective)));
  await seite.goto(adresse, { waitUntil: "networkidle0" });
  await seite.evaluate(() => window.tandrix.bereit);
  if (handlung) await handlung(seite);
  await new Promise((r) => setTimeout(r, 500));  // was spaet noch kaeme
  const fremde = anfragen.filter((url) => url.split("#")[0] !== adresse.split("#")[0] && !erlaubt.includes(url));
  pruefe(fremde.length === 0, `${adresse}: Anfragen ${fremde.slice(0, 3).join(", ")}`);
  pruefe(verstoesse.length === 0, `${adresse}: ${verstoesse.join("; ")}`);
  console.log(`${adresse.slice(0, 60)}…: ${anfragen.length - fremde.length} Laden der Seite (und erlaubte), ${fremde.length} weitere`);
  return seite;
}

async function ohneAnfragen(browser) {
  const mitNummer = seiteUrl + "#" + encodeURIComponent("31 80 6652 003-8");
  const seite = await anfragenZaehlen(browser, mitNummer, async (s) => {
    await s.type("#eingabe", " Fals");
    await s.type("#listeneingabe", "31 80 6652 003-8\n31 80 6652 003-8\n21 80 ?43 5 232-2\n");
    await s.click("#liste-pruefen");
  });
  const text = await seite.$eval("#urteil .text", (e) => e.textContent);
  pruefe(text.startsWith("Korrekt: 31 80 6652 003-8"), `Nummer aus der Adresse nicht geprueft: „${text}“`);
  await seite.close();
  // Ueber HTTP nur Manifest und Service Worker vom selben Server; Chromium suchte sonst nach
  // /favicon.ico.
  const { adresse, beenden } = await webserver(dirname(seitePfad));
  const ueberHttp = await anfragenZaehlen(browser, adresse + "tandrix.html#31800000000", undefined,
    [adresse + "tandrix-sw.js", adresse + "tandrix.webmanifest"]);
  await ueberHttp.close();
  await beenden();
}

// Von einem Webserver: Service Worker bereit, Manifest erkannt und die App installierbar; eine neue
// Seite auf dem Server loest die alte in der Ablage ab; nach dem Ende des Servers laedt die Seite
// aus der Ablage des Workers und prueft weiter.
async function alsApp(browser) {
  const ordner = mkdtempSync(join(tmpdir(), "tandrix-server-"));
  for (const datei of ["tandrix.html", "tandrix-sw.js", "tandrix.webmanifest"])
    copyFileSync(join(dirname(seitePfad), datei), join(ordner, datei));
  const { adresse, beenden } = await webserver(ordner);
  const seite = await seiteOeffnen(browser, adresse + "tandrix.html#" + encodeURIComponent("31 80 6652 003-8"));
  await seite.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await seite.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const cdp = await seite.createCDPSession();
  const manifest = await cdp.send("Page.getAppManifest");
  pruefe(manifest.url === adresse + "tandrix.webmanifest" && manifest.errors.length === 0,
    `Manifest ${manifest.url}: ${JSON.stringify(manifest.errors)}`);
  const daten = JSON.parse(manifest.data || "{}");
  pruefe(daten.short_name === "Tandrix" && daten.display === "standalone", `Manifest: ${manifest.data}`);
  const { installabilityErrors: hindernisse } = await cdp.send("Page.getInstallabilityErrors");
  pruefe(hindernisse.length === 0, `nicht installierbar: ${JSON.stringify(hindernisse)}`);

  // Neue Fassung auf dem Server, wie sie scripts/web schriebe: andere Seite, anderer Stand.
  const alt = readFileSync(join(ordner, "tandrix-sw.js"), "utf8").match(/"(tandrix-[0-9a-f]+)"/)[1];
  const html = readFileSync(join(ordner, "tandrix.html"), "utf8");
  writeFileSync(join(ordner, "tandrix.html"), html.replace("<title>Tandrix", "<title>Neu: Tandrix"));
  writeFileSync(join(ordner, "tandrix-sw.js"), readFileSync(join(ordner, "tandrix-sw.js"), "utf8").replace(alt, "tandrix-neu"));
  await seite.reload({ waitUntil: "load" });
  await seite.waitForFunction(() => caches.keys().then((n) => n.join() === "tandrix-neu"), { polling: 200 });
  await seite.reload({ waitUntil: "load" });
  pruefe((await seite.title()).startsWith("Neu: Tandrix"), `nach der neuen Fassung: „${await seite.title()}“`);

  await beenden();
  const ohneServer = await fetch(adresse + "tandrix.html").then(() => "erreichbar", () => "weg");
  pruefe(ohneServer === "weg", "Server laeuft noch");
  await seite.reload({ waitUntil: "load" });
  await seite.waitForFunction(() => window.tandrix !== undefined);
  await seite.evaluate(() => window.tandrix.bereit);
  const text = await seite.$eval("#urteil .text", (e) => e.textContent);
  pruefe(text.startsWith("Korrekt: 31 80 6652 003-8") && (await seite.title()).startsWith("Neu: Tandrix"),
    `ohne Server: „${text}“`);
  console.log(`Als App: Manifest erkannt, installierbar, neue Fassung uebernommen, ohne Server neu geladen: „${text}“`);
  await seite.close();
  rmSync(ordner, { recursive: true, force: true });
}

// Telefon: nichts breiter als der Bildschirm, jede Bedienflaeche mindestens 44 px hoch.
async function telefon(browser) {
  const seite = await seiteOeffnen(browser, seiteUrl + "#" + encodeURIComponent("31 80 665? 003-8"), 360, 640);
  await seite.type("#listeneingabe", "Wagen;Nummer\nA;31 80 6652 003-8\nB;31 80 6652 003-9\nC;31 80 6652 003-8\n");
  await seite.click("#liste-pruefen");
  const urteil = await seite.$eval("#urteil .text", (e) => e.textContent);
  pruefe(urteil.startsWith("Unvollständig: 31 80 665? 003-8"), `„?“ aus der Adresse: „${urteil}“`);
  const breite = await seite.evaluate(() => document.documentElement.scrollWidth);
  pruefe(breite <= 360, `Telefon: Seite ${breite} px breit`);
  const klein = await seite.evaluate(() => [...document.querySelectorAll("button, input, textarea, summary, .knopf")]
    .filter((e) => e.offsetParent !== null && !e.classList.contains("unsichtbar"))
    .map((e) => [e.id || e.textContent.slice(0, 20), e.getBoundingClientRect().height])
    .filter(([, h]) => h < 44));
  pruefe(klein.length === 0, `Telefon: Bedienflaechen unter 44 px: ${JSON.stringify(klein)}`);
  const stand = await seite.$eval("#listenstand", (e) => e.textContent);
  // B hat dieselben 11 Ziffern wie A und C, also sind alle drei doppelt; Zeilen zaehlen mit Kopf.
  pruefe(stand.includes("3 Zeilen") && stand.includes("3 mit Doppelten"), `Liste: „${stand}“`);
  const doppelt = await seite.$$eval("#listentabelle td.doppelt-zelle", (l) => l.map((e) => e.textContent));
  pruefe(doppelt[0].includes("Zeile 3") && doppelt[2] === "doppelt: dieselbe Nummer wie Zeile 2",
    `Doppelte: ${JSON.stringify(doppelt)}`);
  const csv = await seite.evaluate(() => window.tandrix.alsCsv(window.tandrix.liste(
    "Wagen;Nummer\nA;31 80 6652 003-8\nB;31 80 6652 003-9\n")));
  pruefe(csv.split("\r\n")[0] === "\ufeffWagen;Nummer;Zeile;" + ["Nummer", "Prüfziffer angeschrieben",
    "Prüfziffer berechnet", "Urteil"].join(";") + ";Eigentumsmerkmal;Austauschverfahren;Eigentumsverwaltung;" +
    "Wagengattung;Höchstgeschwindigkeit;Halter;Befunde;Doppelt", `CSV-Kopf: ${csv.split("\r\n")[0]}`);
  pruefe(csv.split("\r\n")[2].startsWith("B;31 80 6652 003-9;3;31 80 6652 003-9;9;8;falsch;"),
    `CSV-Zeile: ${csv.split("\r\n")[2]}`);
  await seite.evaluate(() => window.scrollTo(0, 0));
  await seite.screenshot({ path: `${bilder}/browser-telefon.png` });
  await seite.close();
}

// Eine gewaehlte Datei, wie Excel "Unicode-Text" speichert: UTF-16 LE mit Kennung, Tabulatoren.
async function dateiWaehlen(browser) {
  const ordner = mkdtempSync(join(tmpdir(), "tandrix-datei-"));
  const pfad = join(ordner, "liste.txt");
  const text = "Wagen\tNummer\r\nFals\t31 80 6652 003-8\r\nČD\t31 54 6652 003-0 CZ-ČD\r\nkaputt\t31 80 6652 003-9\r\n";
  writeFileSync(pfad, Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(text, "utf16le")]));
  const seite = await seiteOeffnen(browser, seiteUrl, 360, 640);
  const feld = await seite.$("#datei");
  await feld.uploadFile(pfad);
  await seite.waitForFunction(() => document.getElementById("listenstand").textContent.includes("geprüft"));
  const stand = await seite.$eval("#listenstand", (e) => e.textContent);
  // Zeile 2 und 4 haben dieselben 11 Ziffern.
  pruefe(stand.startsWith("3 Zeilen geprüft: 2 korrekt, 1 falsch; 2 mit Doppelten."), `Datei: „${stand}“`);
  const eingaben = await seite.$$eval("#listentabelle tbody tr td:nth-child(2)", (l) => l.map((e) => e.textContent));
  pruefe(eingaben[1] === "31 54 6652 003-0 CZ-ČD", `Datei: Zelle „${eingaben[1]}“`);
  // Mit der Tastatur: Tab fuehrt vom Eingabefeld ueber die Liste zum Dateiknopf.
  await seite.focus("#liste-pruefen");
  await seite.keyboard.press("Tab");
  pruefe(await seite.evaluate(() => document.activeElement.id) === "datei", "Tab erreicht den Dateiknopf nicht");
  await seite.close();
  rmSync(ordner, { recursive: true, force: true });
}

// Eine lange Liste: jede Zeile erreichbar (Blaettern mit der Tastatur und der Auswahl), die
// letzte mit dem Urteil von wagennummer; nichts ragt auf dem Telefon hinaus.
async function langeListe(browser, breite, hoehe, bild) {
  const nummern = zufallsNummern(10000, 5);
  const seite = await seiteOeffnen(browser, seiteUrl, breite, hoehe);
  await seite.$eval("#listeneingabe", (e, t) => { e.value = t; }, nummern.join("\n"));
  await seite.click("#liste-pruefen");
  const zeilen = () => seite.$$eval("#listentabelle tbody tr", (l) => l.map((tr) =>
    [...tr.children].map((td) => td.textContent)));
  const erste = await zeilen();
  pruefe(erste.length === 200 && erste[0][1] === nummern[0], `erste Seite: ${erste.length} Zeilen, ${erste[0]}`);
  pruefe(await seite.$eval("#seite-zurueck", (e) => e.disabled), "Zurück auf der ersten Seite nicht gesperrt");
  await seite.focus("#seite-weiter");
  await seite.keyboard.press("Enter");
  const zweite = await zeilen();
  pruefe(zweite[0][0] === "201" && zweite[0][1] === nummern[200], `zweite Seite: ${zweite[0]}`);
  pruefe(await seite.evaluate(() => document.activeElement.id) === "seite-weiter", "Fokus nach dem Blaettern weg");
  const letzte = await seite.$eval("#seite-wahl", (e) => e.options[e.options.length - 1].value);
  await seite.select("#seite-wahl", letzte);
  const ende = await zeilen();
  const wahl = await seite.$eval("#seite-wahl", (e) => e.selectedOptions[0].textContent);
  pruefe(wahl === "9801–10000 von 10000", `Auswahl „${wahl}“`);
  const [soll] = erwartet([nummern[9999]]);
  const zuletzt = ende[ende.length - 1];
  pruefe(ende.length === 200 && zuletzt[0] === "10000" && zuletzt[1] === nummern[9999] && zuletzt[2].endsWith(" " + soll[3]) &&
    zuletzt[3] === soll[0], `letzte Zeile ${JSON.stringify(zuletzt)}, wagennummer ${JSON.stringify(soll)}`);
  pruefe(await seite.$eval("#seite-weiter", (e) => e.disabled), "Weiter auf der letzten Seite nicht gesperrt");
  const seitlich = await seite.evaluate(() => document.documentElement.scrollWidth);
  pruefe(seitlich <= breite, `lange Liste: Seite ${seitlich} px breit bei ${breite} px`);
  const klein = await seite.$$eval("#blaettern button, #blaettern select", (l) =>
    l.filter((e) => e.getBoundingClientRect().height < 44 || e.getBoundingClientRect().width < 44).map((e) => e.id));
  pruefe(klein.length === 0, `Blaettern: Bedienflaechen unter 44 px: ${klein}`);
  const csv = await seite.evaluate((t) => window.tandrix.alsCsv(window.tandrix.liste(t)).split("\r\n").length, nummern.join("\n"));
  pruefe(csv === 10002, `CSV: ${csv - 2} Zeilen`);
  // Fuer das Bild: Zaehlung und Leiste oben, die ersten Zeilen der letzten Seite darunter.
  await seite.evaluate(() => window.scrollTo(0, document.getElementById("listenstand").getBoundingClientRect().top + window.scrollY - 8));
  await seite.screenshot({ path: `${bilder}/${bild}` });
  console.log(`Lange Liste bei ${breite} px: letzte Zeile ${zuletzt[0]} „${zuletzt[1]}“ ${zuletzt[2]}`);
  await seite.close();
}

async function bildschirm(browser) {
  const seite = await seiteOeffnen(browser, seiteUrl + "#" + encodeURIComponent("31 RIV 80 D-DB 665 2 003-8 Fals"));
  // Mit Buchstaben wartet die erste Pruefung auf die nachgeladenen Halter.
  const felder = await seite.$eval("#felder", (e) => e.textContent);
  pruefe(felder.includes("HalterDB – Deutsche Bahn"), `Halter aus der Adresse fehlt: „${felder}“`);
  await seite.evaluate(() => { document.getElementById("rechnung").open = true; });
  await seite.screenshot({ path: `${bilder}/browser.png` });
  await seite.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  await seite.screenshot({ path: `${bilder}/browser-dunkel.png` });
  await seite.close();
}

const { browser, schliessen } = await chromiumStarten();
try {
  await paritaet(browser);
  await ohneAnfragen(browser);
  await telefon(browser);
  await dateiWaehlen(browser);
  await langeListe(browser, 360, 640, "browser-liste-telefon.png");
  await langeListe(browser, 1280, 800, "browser-liste.png");
  await alsApp(browser);
  await bildschirm(browser);
} finally {
  await schliessen();
}
console.log(fehler === 0 ? "Seite: alle Pruefungen bestanden" : `Seite: ${fehler} Fehler`);
process.exit(fehler === 0 ? 0 : 1);
