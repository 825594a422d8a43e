#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Der ganze Inhalt einer gewoehnlichen Datei bis Hoechstgroesse Byte. Fehlt sie, ist sie ein
// Verzeichnis, Geraet oder FIFO, nicht lesbar oder groesser: nichts (und kein Warten).
std::optional<std::string> LiesDatei(const std::filesystem::path& Datei, std::uintmax_t Hoechstgroesse);

// Verzeichnis der laufenden Programmdatei, Verknuepfungen aufgeloest; leer, wenn unbekannt.
std::filesystem::path ProgrammVerzeichnis();

// Der Inhalt einer Datendatei bis zur Hoechstgroesse; leer, wenn sie nicht zu lesen ist. Ohne
// Pfad die Datei dieses Namens neben der Programmdatei.
std::string LiesDatendatei(const std::filesystem::path& Datei);
std::string LiesDatendateiNebenProgramm(std::string_view Name);
