#include "nummer/datei.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
#endif

std::optional<std::string> LiesDatei(const std::filesystem::path& Datei, std::uintmax_t Hoechstgroesse)
{
  // Vorab geprueft, damit das Oeffnen eines FIFO nicht auf einen Schreiber wartet.
  std::error_code Fehler;
  if (!std::filesystem::is_regular_file(Datei, Fehler))
    return std::nullopt;
  std::ifstream Strom(Datei, std::ios::binary);
  if (!Strom)
    return std::nullopt;
  // Die gemeldete Groesse ist nur ein Hinweis: Dateien wie /proc/... melden 0 und liefern doch.
  std::string Inhalt;
  const auto Gemeldet = std::filesystem::file_size(Datei, Fehler);
  Inhalt.reserve(Fehler ? 0 : static_cast<std::size_t>(std::min(Gemeldet, Hoechstgroesse) + 1));
  char Stueck[65536];
  while (Strom.read(Stueck, sizeof Stueck) || Strom.gcount() > 0) {
    Inhalt.append(Stueck, static_cast<std::size_t>(Strom.gcount()));
    if (Inhalt.size() > Hoechstgroesse)
      return std::nullopt;
  }
  if (Strom.bad())
    return std::nullopt;
  return Inhalt;
}

std::filesystem::path ProgrammVerzeichnis()
{
  std::error_code Fehler;
#ifdef _WIN32
  std::wstring Pfad(MAX_PATH, L'\0');
  for (;;) {
    const DWORD Laenge = ::GetModuleFileNameW(nullptr, Pfad.data(), static_cast<DWORD>(Pfad.size()));
    if (Laenge == 0)
      return {};
    if (Laenge < Pfad.size()) {
      Pfad.resize(Laenge);
      break;
    }
    Pfad.resize(Pfad.size() * 2);
  }
  const auto Echt = std::filesystem::weakly_canonical(Pfad, Fehler);
  return (Fehler ? std::filesystem::path(Pfad) : Echt).parent_path();
#else
  // Der Kernel liefert hier schon den Pfad der echten Datei, ohne Verknuepfungen.
  const auto Pfad = std::filesystem::read_symlink("/proc/self/exe", Fehler);
  return Fehler ? std::filesystem::path{} : Pfad.parent_path();
#endif
}
