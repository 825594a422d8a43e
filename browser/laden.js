"use strict";
// Ganz oben in der Seite: das WebAssembly entpacken, waehrend der Browser den Rest der Seite liest.
// Eingebettet ist es mit gzip gepackt, in base64: der viermal kuerzere Text ist schneller gelesen,
// als das Entpacken dauert. seite.js nimmt die Bytes aus TANDRIX_WASM.
// Auch fuer den Block mit den Haltern am Ende der Seite (seite.js): die Bytes eines Datenblocks.
function tandrixEntpacken(id, marke) {
  // Als Datenblock der Seite statt als Zeichenkette im Skript: den Text liest so nur der
  // HTML-Leser, nicht dazu der JavaScript-Scanner (gemessen 6-10 ms frueher entpackt).
  const block = document.getElementById(id);
  const text = block.textContent;
  block.remove();
  let gepackt;
  if (Uint8Array.fromBase64) {
    gepackt = Uint8Array.fromBase64(text);
  } else {
    const roh = atob(text);
    gepackt = new Uint8Array(roh.length);
    for (let i = 0; i < roh.length; i++) gepackt[i] = roh.charCodeAt(i);
  }
  if (typeof DecompressionStream === "undefined") return Promise.reject(new Error("ohne DecompressionStream"));
  // Direkt in den Entpacker geschrieben: ueber Blob.stream() kaemen die Stuecke in eigenen
  // Aufgaben hinter dem Lesen der Seite an (gemessen doppelt so lange bis zum Modul).
  const entpacker = new DecompressionStream("gzip");
  const schreiber = entpacker.writable.getWriter();
  schreiber.write(gepackt).catch(() => {});
  schreiber.close().catch(() => {});
  // Die Stuecke selbst gelesen und einmal zusammengesetzt: ueber Response.arrayBuffer() dauerte
  // es gemessen rund doppelt so lange.
  const leser = entpacker.readable.getReader();
  const stuecke = [];
  let laenge = 0;
  const lesen = () => leser.read().then(({ done, value }) => {
    if (!done) {
      stuecke.push(value);
      laenge += value.length;
      return lesen();
    }
    const wasm = new Uint8Array(laenge);
    let stelle = 0;
    for (const stueck of stuecke) {
      wasm.set(stueck, stelle);
      stelle += stueck.length;
    }
    performance.mark(marke);
    return wasm;
  });
  return lesen();
}
performance.mark("tandrix-laden");
var TANDRIX_WASM = tandrixEntpacken("tandrix-wasm", "tandrix-entpackt");
