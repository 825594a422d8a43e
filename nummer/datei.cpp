#include "nummer/datei.h"

#include "nummer/stammdaten.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
#else
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#  include <cerrno>
#endif

namespace {

// Erst oeffnen, dann die geoeffnete Datei pruefen: zwischen einer Pruefung des Pfads und dem
// Oeffnen koennte eine Verknuepfung auf ein FIFO umgebogen werden, und das Oeffnen wartete dann
// auf einen Schreiber. Geoeffnet wird ohne Warten; gelesen wird nur eine gewoehnliche Datei.
#ifdef _WIN32
class TDatei {
public:
  explicit TDatei(const std::filesystem::path& Pfad)
      : FGriff(::CreateFileW(Pfad.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
  {
  }
  ~TDatei()
  {
    if (FGriff != INVALID_HANDLE_VALUE)
      ::CloseHandle(FGriff);
  }
  TDatei(const TDatei&) = delete;
  TDatei& operator=(const TDatei&) = delete;
  bool Gewoehnlich() const { return FGriff != INVALID_HANDLE_VALUE && ::GetFileType(FGriff) == FILE_TYPE_DISK; }
  // Bytes gelesen, 0 am Ende, -1 bei Fehler
  long long Lies(char* Puffer, std::size_t Groesse)
  {
    DWORD Gelesen = 0;
    if (!::ReadFile(FGriff, Puffer, static_cast<DWORD>(Groesse), &Gelesen, nullptr))
      return -1;
    return Gelesen;
  }

private:
  HANDLE FGriff;
};
#else
class TDatei {
public:
  explicit TDatei(const std::filesystem::path& Pfad)
      : FFd(::open(Pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC))
  {
  }
  ~TDatei()
  {
    if (FFd >= 0)
      ::close(FFd);
  }
  TDatei(const TDatei&) = delete;
  TDatei& operator=(const TDatei&) = delete;
  bool Gewoehnlich() const
  {
    struct stat Status {};
    return FFd >= 0 && ::fstat(FFd, &Status) == 0 && S_ISREG(Status.st_mode);
  }
  long long Lies(char* Puffer, std::size_t Groesse)
  {
    for (;;) {
      const ssize_t Gelesen = ::read(FFd, Puffer, Groesse);
      if (Gelesen >= 0 || errno != EINTR)
        return Gelesen;
    }
  }

private:
  int FFd;
};
#endif

}  // namespace

std::optional<std::string> LiesDatei(const std::filesystem::path& Datei, std::uintmax_t Hoechstgroesse)
{
  TDatei Offen(Datei);
  if (!Offen.Gewoehnlich())
    return std::nullopt;
  // Die gemeldete Groesse ist nur ein Hinweis: Dateien wie /proc/... melden 0 und liefern doch.
  std::string Inhalt;
  std::error_code Fehler;
  const auto Gemeldet = std::filesystem::file_size(Datei, Fehler);
  Inhalt.reserve(Fehler ? 0 : static_cast<std::size_t>(std::min(Gemeldet, Hoechstgroesse) + 1));
  char Stueck[65536];
  for (;;) {
    const long long Gelesen = Offen.Lies(Stueck, sizeof Stueck);
    if (Gelesen < 0)
      return std::nullopt;
    if (Gelesen == 0)
      return Inhalt;
    Inhalt.append(Stueck, static_cast<std::size_t>(Gelesen));
    if (Inhalt.size() > Hoechstgroesse)
      return std::nullopt;
  }
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

std::string LiesDatendatei(const std::filesystem::path& Datei)
{
  return LiesDatei(Datei, DateiHoechstgroesse).value_or(std::string());
}

std::string LiesDatendateiNebenProgramm(std::string_view Name)
{
  const auto Verzeichnis = ProgrammVerzeichnis();
  return Verzeichnis.empty() ? std::string() : LiesDatendatei(Verzeichnis / Name);
}
