#pragma once

// Anwendungsweite Einstellungen vor dem ersten Fenster: Name, Version, Schrift, Symbol.
// Braucht ein bestehendes QApplication-Objekt.
void AnwendungEinrichten();
