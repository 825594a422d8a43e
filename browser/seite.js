"use strict";
// Die Seite: Eingabe -> modul.pruefen (C++), Ergebnis in die Ansicht; Listen -> modul.liste.
// Alles bleibt auf dem Geraet; die Adresse traegt nur die Nummer hinter "#".

// Ein Block statt einer Funktion um alles: nichts davon wird global.
{
  const $ = (id) => document.getElementById(id);
  let modul = null;
  let letzteListe = null;
  // Die Halter kommen nach der ersten Pruefung (halterLaden); bis dahin wartet jede Eingabe mit
  // mehr als Ziffern, ? und Trennzeichen darauf, ebenso jede Liste.
  let halterDa = false;
  let halterGeladen = null;
  const NUR_ZIFFERN = /^[\d\s?.,:/\-\u2013\u2014]*$/;

  // Symbol und Wort je Urteil; die Farbe kommt aus der Klasse (seite.css).
  const URTEILE = {
    "korrekt": ["✓", "Korrekt"],
    "falsch": ["✗", "Falsch"],
    "berechnet": ["=", "Prüfziffer berechnet"],
    "unvollständig": ["?", "Unvollständig"],
    "ohne Prüfziffer": ["–", "Ohne Prüfziffer"],
    "unbrauchbar": ["!", "Unbrauchbar"],
  };
  // "unvollständig" -> "unvollstaendig", "ohne Prüfziffer" -> "ohne-pruefziffer": CSS-Klassen.
  const klasseVon = (urteil) => urteil.toLowerCase().replace(/ä/g, "ae").replace(/ü/g, "ue").replace(/ /g, "-");

  // Jede Meldung ein Text mit Platzhaltern %1, %2 … (wie Ersetzt in der Nummernlogik), damit
  // grep sie ganz findet.
  const ersetzt = (text, ...werte) => text.replace(/%(\d)/g, (_, n) => String(werte[Number(n) - 1]));

  function element(name, text, klasse) {
    const e = document.createElement(name);
    if (text !== undefined) e.textContent = text;
    if (klasse) e.className = klasse;
    return e;
  }

  function urteilZeigen(klasse, symbol, text) {
    const u = $("urteil");
    u.className = "urteil " + klasse;
    u.querySelector(".symbol").textContent = symbol;
    u.querySelector(".text").textContent = text;
  }

  function urteilText(e) {
    if (e.meldung) return ersetzt("Unbrauchbar: %1", e.meldung);
    const [, wort] = URTEILE[e.urteil] || ["", e.urteil];
    if (!e.nummer) return wort;
    if (e.urteil === "falsch" && e.berechnet) return ersetzt("%1: %2 – richtig wäre Prüfziffer %3", wort, e.nummer, e.berechnet);
    if (e.berechnet) return ersetzt("%1: %2 (Prüfziffer %3)", wort, e.nummer, e.berechnet);
    return ersetzt("%1: %2", wort, e.nummer);
  }

  function felderZeigen(e) {
    const dl = $("felder");
    dl.replaceChildren();
    const paare = e.zeilen.slice();
    if (e.halter) paare.push(["Halter", e.halter]);
    for (const [bezeichnung, text] of paare) {
      dl.append(element("dt", bezeichnung), element("dd", text));
    }
  }

  function befundeZeigen(e) {
    const ul = $("befunde");
    ul.replaceChildren();
    for (const b of e.befunde) {
      const li = element("li", undefined, b.abweichung ? "abweichung" : "hinweis");
      li.append(element("strong", b.abweichung ? "Abweichung:" : "Hinweis:"), document.createTextNode(b.text));
      li.title = b.bezug;
      ul.append(li);
    }
  }

  // Ein Vorschlag: die Nummer zum Antippen, Aenderung, Deutung und Grund darunter.
  function vorschlaegeZeigen(e) {
    const teil = $("vorschlaege");
    const ol = $("vorschlag-liste");
    ol.replaceChildren();
    teil.hidden = e.vorschlaege.length === 0;
    $("vorschlag-kopf").textContent = e.vorschlagKopf;
    $("vorschlag-kopf").hidden = !e.vorschlagKopf;
    for (const v of e.vorschlaege) {
      const knopf = element("button", v.nummer);
      knopf.type = "button";
      knopf.setAttribute("aria-label", ersetzt("Übernehmen: %1", v.text));
      knopf.addEventListener("click", () => {
        $("eingabe").value = v.nummer;
        eingabeGeaendert();
        $("eingabe").focus();
      });
      const li = element("li");
      li.append(knopf);
      const rest = [v.aenderung, v.deutung, v.grund].filter((t) => t).join("; ");
      if (rest) li.append(element("span", rest, "vorschlag-grund"));
      ol.append(li);
    }
  }

  // Stelle, Ziffer, Gewicht, Produkt, Quersumme: eine Spalte je Stelle.
  function rechnungZeigen(e) {
    const d = $("rechnung");
    d.hidden = !e.rechenweg;
    if (!e.rechenweg) return;
    const tabelle = $("rechnung-tabelle");
    tabelle.replaceChildren();
    const zeilen = [["Ziffer", "ziffer"], ["Gewicht", "gewicht"], ["Produkt", "produkt"], ["Quersumme", "quersumme"]];
    for (const [titel, feld] of zeilen) {
      const tr = element("tr");
      const th = element("th", titel);
      th.scope = "row";
      tr.append(th);
      for (const s of e.rechenweg.schritte) tr.append(element("td", String(s[feld])));
      tabelle.append(tr);
    }
    const w = e.rechenweg;
    $("rechnung-summe").textContent =
      ersetzt("Summe der Quersummen %1; bis zum nächsten Vielfachen von 10 fehlen %2: Prüfziffer %2.", w.summe, w.pruefziffer);
  }

  function ergebnisZeigen(e) {
    const [symbol] = URTEILE[e.urteil] || ["!"];
    urteilZeigen(klasseVon(e.urteil), symbol, urteilText(e));
    const teil = $("ergebnis");
    teil.hidden = !!e.meldung;
    if (e.meldung) return;
    $("kopf").textContent = e.kopf;
    felderZeigen(e);
    befundeZeigen(e);
    vorschlaegeZeigen(e);
    rechnungZeigen(e);
  }

  function eingabeGeaendert() {
    if (!modul) return;
    const text = $("eingabe").value;
    // Die Adresse folgt der Eingabe (Lesezeichen, Weitergeben); manche Betrachter fuer Dateien aus
    // dem Download-Ordner erlauben das nicht, die Pruefung geht dann trotzdem.
    // Nur wenn sie sich aendert: beim Oeffnen mit der Nummer in der Adresse kostete der Aufruf
    // einige Millisekunden bis zum ersten Ergebnis.
    const adresse = text.trim() ? "#" + encodeURIComponent(text) : "";
    try {
      if (adresse !== location.hash) history.replaceState(null, "", adresse || location.pathname + location.search);
    } catch (_) {
      // Adresse bleibt, wie sie war.
    }
    if (!text.trim()) {
      urteilZeigen("leer", "", "Bitte eine Nummer eingeben.");
      $("ergebnis").hidden = true;
      return;
    }
    if (!halterDa && !NUR_ZIFFERN.test(text)) {
      halterGeladen.then(eingabeGeaendert);
      return;
    }
    const ergebnis = modul.pruefen(text);
    performance.mark("tandrix-geprueft");
    ergebnisZeigen(ergebnis);
  }

  function ausAdresse() {
    if (!location.hash || location.hash.length < 2) return;
    let text;
    try {
      text = decodeURIComponent(location.hash.slice(1));
    } catch (_) {
      text = location.hash.slice(1);
    }
    $("eingabe").value = text;
  }

  // ---- Listen ----

  // Eine Zelle fuer die CSV wie CsvFeld in der Nummernlogik: in Anfuehrungszeichen, wenn noetig.
  function csvFeld(text) {
    const s = String(text);
    return /[";\r\n]/.test(s) || /^\s|\s$/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
  }

  function befundeText(z) {
    return z.meldung ? z.meldung : z.befunde.map((b) => (b.abweichung ? "Abweichung: " : "Hinweis: ") + b.text).join(" | ");
  }

  const CSV_KOPF = ["Zeile", "Nummer", "Prüfziffer angeschrieben", "Prüfziffer berechnet", "Urteil", "Eigentumsmerkmal",
    "Austauschverfahren", "Eigentumsverwaltung", "Wagengattung", "Höchstgeschwindigkeit", "Halter", "Befunde", "Doppelt"];

  function alsCsv(l) {
    const breite = Math.max(l.kopf.length, ...l.zeilen.map((z) => z.zellen.length), 0);
    const eigene = [];
    for (let i = 0; i < breite; i++) eigene.push(l.kopf[i] !== undefined ? l.kopf[i] : ersetzt("Spalte %1", i + 1));
    const zeilen = [eigene.concat(CSV_KOPF)];
    for (const z of l.zeilen) {
      const zellen = z.zellen.slice();
      while (zellen.length < breite) zellen.push("");
      zeilen.push(zellen.concat([z.zeile, z.nummer, z.angeschrieben, z.berechnet, z.urteil, ...z.spalten, z.halter,
        befundeText(z), z.doppelt]));
    }
    // Mit Kennung, damit Tabellenkalkulationen UTF-8 erkennen.
    return "\ufeff" + zeilen.map((r) => r.map(csvFeld).join(";")).join("\r\n") + "\r\n";
  }

  function zelle(text, klasse) {
    const s = String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;");
    return klasse ? '<td class="' + klasse + '">' + s + "</td>" : "<td>" + s + "</td>";
  }

  // Die Tabelle zeigt eine Seite zu SEITE Zeilen; zum Blaettern die Knoepfe und die Auswahl ueber
  // der Tabelle. Alle 10.000 Zeilen auf einmal zu layouten dauerte Sekunden, und auf dem Telefon
  // bliebe die Seite dabei stehen. Zaehlung und CSV umfassen immer alle Zeilen.
  const SEITE = 200;
  let seite = 0;

  function zeileHtml(l, z) {
    const eingabe = z.zellen[l.nummernspalte] !== undefined ? z.zellen[l.nummernspalte] : "";
    const [symbol] = URTEILE[z.urteil] || [""];
    return '<tr class="' + klasseVon(z.urteil) + (z.doppelt ? " doppelt" : "") + '">' + zelle(z.zeile) +
      zelle(eingabe) + zelle(symbol + " " + z.urteil, "urteil-zelle") + zelle(z.nummer) + zelle(z.berechnet) +
      zelle(z.spalten[3]) + zelle(z.halter) + zelle(z.doppelt, "doppelt-zelle") + zelle(befundeText(z)) + "</tr>";
  }

  const TABELLENKOPF = "<thead><tr><th>Zeile</th><th>Eingabe</th><th>Urteil</th><th>Nummer</th><th>Prüfziffer</th>" +
    "<th>Wagengattung</th><th>Halter</th><th>Doppelt</th><th>Befunde</th></tr></thead>";

  // Als ein HTML-Text: viel schneller als Element fuer Element.
  function seiteZeigen(nummer) {
    const l = letzteListe;
    const seiten = Math.max(1, Math.ceil(l.zeilen.length / SEITE));
    seite = Math.min(Math.max(nummer, 0), seiten - 1);
    const teile = [TABELLENKOPF, "<tbody>"];
    const ende = Math.min(l.zeilen.length, (seite + 1) * SEITE);
    for (let i = seite * SEITE; i < ende; i++) teile.push(zeileHtml(l, l.zeilen[i]));
    teile.push("</tbody>");
    $("listentabelle").innerHTML = teile.join("");
    $("blaettern").hidden = seiten < 2;
    $("seite-zurueck").disabled = seite === 0;
    $("seite-weiter").disabled = seite === seiten - 1;
    $("seite-wahl").value = String(seite);
  }

  function seitenwahlFuellen(anzahl) {
    const teile = [];
    for (let von = 0; von < anzahl; von += SEITE) {
      const bis = Math.min(anzahl, von + SEITE);
      teile.push('<option value="' + von / SEITE + '">' + ersetzt("%1–%2 von %3", von + 1, bis, anzahl) + "</option>");
    }
    $("seite-wahl").innerHTML = teile.join("");
  }

  // Blaettern mit Knopf oder Auswahl: der Fokus bleibt; lag der Anfang der Tabelle oben ausser Sicht
  // (die Leiste klebt am oberen Rand), kommt er gleich unter die Leiste.
  function blaettern(nummer) {
    if (!letzteListe) return;
    seiteZeigen(nummer);
    const oben = $("listenrahmen").getBoundingClientRect().top;
    const leiste = $("blaettern").getBoundingClientRect().height;
    if (oben < leiste) window.scrollBy(0, oben - leiste);
  }

  function listeZeigen(l) {
    letzteListe = l;
    const stand = $("listenstand");
    $("herunterladen").disabled = l.zeilen.length === 0;
    $("listenrahmen").hidden = l.zeilen.length === 0;
    if (l.fehler) {
      $("blaettern").hidden = true;
      stand.textContent = ersetzt("Liste nicht lesbar: %1", l.fehler);
      return;
    }
    const zaehler = {};
    let doppelt = 0;
    for (const z of l.zeilen) {
      zaehler[z.urteil] = (zaehler[z.urteil] || 0) + 1;
      if (z.doppelt) doppelt++;
    }
    seitenwahlFuellen(l.zeilen.length);
    seiteZeigen(0);
    const teilsummen = Object.entries(zaehler).map(([u, n]) => ersetzt("%1 %2", n, u)).join(", ");
    const saetze = [l.zeilen.length === 0 ? "Keine Zeile mit Inhalt."
      : ersetzt("%1 Zeilen geprüft: %2; %3 mit Doppelten.", l.zeilen.length, teilsummen, doppelt)];
    if (l.zeilen.length > SEITE) saetze.push(ersetzt("Die Tabelle zeigt je %1 Zeilen; die CSV enthält alle.", SEITE));
    if (l.befunde.length) saetze.push(ersetzt("Beim Lesen: %1", l.befunde.join(" ")));
    stand.textContent = saetze.join(" ");
  }

  function listePruefen(bytes) {
    if (!modul) return;
    if (!halterDa) {
      halterGeladen.then(() => listePruefen(bytes));
      return;
    }
    listeZeigen(modul.liste(bytes));
  }

  // Den Block hinter dem Skript liest der HTML-Leser erst nach ihm; entpackt wie das WebAssembly.
  function halterLaden() {
    const seiteGelesen = document.readyState === "loading"
      ? new Promise((fertig) => document.addEventListener("DOMContentLoaded", fertig, { once: true }))
      : Promise.resolve();
    return seiteGelesen.then(() => tandrixEntpacken("tandrix-halter", "tandrix-halter-entpackt")).then((bytes) => {
      modul.halterLaden(bytes);
      halterDa = true;
      performance.mark("tandrix-halter");
    });
  }

  function herunterladen() {
    if (!letzteListe) return;
    const a = element("a");
    a.href = URL.createObjectURL(new Blob([alsCsv(letzteListe)], { type: "text/csv;charset=utf-8" }));
    a.download = "tandrix-liste.csv";
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  function dateiGewaehlt(ereignis) {
    const datei = ereignis.target.files[0];
    if (!datei) return;
    $("listenstand").textContent = ersetzt("„%1“ wird gelesen …", datei.name);
    datei.arrayBuffer().then((puffer) => listePruefen(new Uint8Array(puffer)));
  }

  // Von einem Webserver (HTTP(S)) als App installierbar: Manifest und Service Worker liegen dort
  // neben der Seite (scripts/web schreibt sie). Aus file:// geht nichts hinaus; fehlen die Dateien,
  // bleibt die Seite eine Seite, ohne Meldung.
  function alsApp() {
    if (!/^https?:$/.test(location.protocol) || !("serviceWorker" in navigator)) return;
    const manifest = element("link");
    manifest.rel = "manifest";
    manifest.href = "tandrix.webmanifest";
    document.head.append(manifest);
    navigator.serviceWorker.register("tandrix-sw.js").catch(() => {});
  }

  $("eingabe").addEventListener("input", eingabeGeaendert);
  window.addEventListener("hashchange", () => {
    ausAdresse();
    eingabeGeaendert();
  });
  $("liste-pruefen").addEventListener("click", () => listePruefen(new TextEncoder().encode($("listeneingabe").value)));
  $("datei").addEventListener("change", dateiGewaehlt);
  $("herunterladen").addEventListener("click", herunterladen);
  $("seite-zurueck").addEventListener("click", () => blaettern(seite - 1));
  $("seite-weiter").addEventListener("click", () => blaettern(seite + 1));
  $("seite-wahl").addEventListener("change", () => blaettern(Number($("seite-wahl").value)));
  ausAdresse();
  alsApp();

  // Fuer die Tests (scripts/web-test): dieselben Aufrufe wie die Seite, und wann alles bereit ist.
  window.tandrix = {
    // Uebersetzt und instanziert ohne Warten, sobald laden.js entpackt hat (meist schon jetzt): mit
    // WebAssembly.instantiate kaeme das Modul erst in einer eigenen Aufgabe nach dem ersten
    // Zeichnen der Seite zurueck (gemessen rund 17 ms spaeter). Uebersetzt wird dabei nur
    // geprueft; die Funktionen uebersetzt der Browser erst beim ersten Aufruf.
    bereit: TandrixModul({ instantiateWasm: (importe, fertig) => {
      TANDRIX_WASM.then((bytes) => {
        const wasm = new WebAssembly.Module(bytes);
        const instanz = new WebAssembly.Instance(wasm, importe);
        performance.mark("tandrix-instanziert");
        fertig(instanz, wasm);
      }).catch(() => urteilZeigen("unbrauchbar", "!", "Dieser Browser kann die Prüfung nicht ausführen."));
      return {};
    } }).then((m) => {
      modul = m;
      performance.mark("tandrix-modul");
      const stand = modul.datenStand();
      performance.mark("tandrix-daten");
      if (!stand.wagen || !stand.kennzeichen) urteilZeigen("unbrauchbar", "!", "Die eingebauten Daten sind nicht lesbar.");
      halterGeladen = halterLaden();
      eingabeGeaendert();
      // Fuer scripts/web-messen: wann das Modul da war (oben) und wann das erste Ergebnis stand.
      performance.mark("tandrix-bereit");
      // Die Tests pruefen erst, wenn auch die Halter da sind.
      return halterGeladen.then(() => true);
    }),
    pruefen: (text) => modul.pruefen(text),
    liste: (text) => modul.liste(new TextEncoder().encode(text)),
    alsCsv: (l) => alsCsv(l),
  };
}
