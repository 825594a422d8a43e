#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Der ganze Inhalt einer gewoehnlichen Datei bis Hoechstgroesse Byte. Fehlt sie, ist sie ein
// Verzeichnis, Geraet oder FIFO, nicht lesbar oder groesser: nichts (und kein Warten).
std::optional<std::string> LiesDatei(const std::filesystem::path& Datei, std::uintmax_t Hoechstgroesse);

// Verzeichnis der laufenden Programmdatei, Verknuepfungen aufgeloest; leer, wenn unbekannt.
std::filesystem::path ProgrammVerzeichnis();
