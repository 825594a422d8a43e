"use strict";
// Service Worker fuer Tandrix im Browser auf einem Webserver: haelt die Seite (eine Datei) und das
// Manifest vor, damit die installierte App ohne Netz startet. scripts/web setzt den Stand ein
// (Pruefsumme von Seite und Manifest): eine neue Fassung ergibt einen neuen Worker, der sie holt
// und die alte Kopie loescht. Der Browser prueft den Worker bei jedem Oeffnen auf eine neue Fassung.
const STAND = "tandrix-@STAND@";
const DATEIEN = ["tandrix.html", "tandrix.webmanifest"];

// Am Cache des Browsers vorbei: sonst kaeme mit dem neuen Worker womoeglich die alte Seite in die Ablage.
self.addEventListener("install", (ereignis) => {
  ereignis.waitUntil(caches.open(STAND)
    .then((ablage) => ablage.addAll(DATEIEN.map((datei) => new Request(datei, { cache: "reload" }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (ereignis) => {
  ereignis.waitUntil(caches.keys()
    .then((namen) => Promise.all(namen.filter((n) => n.startsWith("tandrix-") && n !== STAND).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Erst die Ablage, sonst das Netz: beide Dateien aendern sich nur mit dem Worker.
self.addEventListener("fetch", (ereignis) => {
  if (ereignis.request.method !== "GET") return;
  ereignis.respondWith(caches.open(STAND)
    .then((ablage) => ablage.match(ereignis.request, { ignoreSearch: true }))
    .then((treffer) => treffer || fetch(ereignis.request)));
});
