// OLE2-Verbunde: .xls (BIFF8, Excel 97-2003) ueber libfreexl, und verschluesselte .xlsx, die Excel
// in einem OLE2-Verbund mit den Teilen "EncryptionInfo" und "EncryptedPackage" ablegt.

#include "mappe/intern.h"

#include <string>

#ifdef TANDRIX_MIT_XLS
#  include <freexl.h>

#  include <charconv>
#  include <climits>
#  include <cmath>
#  include <filesystem>
#  include <fstream>
#  include <random>
// Unter POSIX liest libfreexl in einem eigenen Prozess (Abgeschottet).
#  if __has_include(<sys/wait.h>) && __has_include(<poll.h>)
#    define TANDRIX_XLS_ABGESCHOTTET
#    include <poll.h>
#    include <sys/wait.h>
#    include <unistd.h>

#    include <cerrno>
#    include <chrono>
#    include <csignal>
#    include <cstring>
#  endif
#endif

namespace mappe_intern {

namespace {

// Der Name eines Teils im Verzeichnis des Verbunds steht dort in UTF-16LE.
bool HatTeil(std::string_view Bytes, std::string_view Name)
{
  std::string Utf16;
  for (const char Zeichen : Name) {
    Utf16 += Zeichen;
    Utf16 += '\0';
  }
  return Bytes.find(Utf16) != std::string_view::npos;
}

#ifdef TANDRIX_MIT_XLS

// Formeln liest libfreexl 1.0.6 nicht (weder den Wert einer Zahl noch den eines Textes): ihre
// Zellen bleiben leer.

// Eine Zahl aus der .xls: ganze Zahlen (bis 2^53 genau als double) mit allen Ziffern ohne ".0",
// sonst die kuerzeste Schreibweise, die genau diesen Wert ergibt.
std::string ZahlText(double Wert)
{
  if (std::isfinite(Wert) && std::fabs(Wert) < 9007199254740992.0 && Wert == std::floor(Wert))
    return std::to_string(static_cast<long long>(Wert));
  char Puffer[64];
  const auto [Ende, Fehler] = std::to_chars(Puffer, Puffer + sizeof Puffer, Wert);
  return Fehler == std::errc() ? ZahlAusgeschrieben(std::string_view(Puffer, static_cast<std::size_t>(Ende - Puffer)))
                               : std::string();
}

// libfreexl liest nur aus Dateien: die Bytes liegen so lange in einer eigenen im temporaeren
// Verzeichnis, wie das Objekt lebt.
class TZwischendatei {
public:
  explicit TZwischendatei(std::string_view Bytes)
  {
    std::error_code Fehler;
    const std::filesystem::path Ordner = std::filesystem::temp_directory_path(Fehler);
    std::random_device Zufall;
    for (int Versuch = 0; Versuch < 8 && !Fehler && FPfad.empty(); ++Versuch) {
      const std::filesystem::path Neu = Ordner / ("tandrix-" + std::to_string(Zufall()) + ".xls");
      if (std::filesystem::exists(Neu, Fehler))
        continue;
      std::ofstream Datei(Neu, std::ios::binary);
      Datei.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
      Datei.close();
      if (Datei)
        FPfad = Neu;
      else
        std::filesystem::remove(Neu, Fehler);
    }
  }
  ~TZwischendatei()
  {
    std::error_code Fehler;
    if (!FPfad.empty())
      std::filesystem::remove(FPfad, Fehler);
  }
  TZwischendatei(const TZwischendatei&) = delete;
  TZwischendatei& operator=(const TZwischendatei&) = delete;
  const std::filesystem::path& Pfad() const { return FPfad; }

private:
  std::filesystem::path FPfad;
};

// Alle Zellen des gewaehlten Blatts; false mit Fehler.
bool BlattLesen(const void* Mappe, TBlattSammler& Sammler)
{
  unsigned int Zeilen = 0;
  unsigned short Spalten = 0;
  if (freexl_worksheet_dimensions(Mappe, &Zeilen, &Spalten) != FREEXL_OK) {
    Sammler.Fehler = Meldung(TMappenFehler::Beschaedigt);
    return false;
  }
  for (unsigned int Zeile = 0; Zeile < Zeilen; ++Zeile)
    for (unsigned short Spalte = 0; Spalte < Spalten; ++Spalte) {
      FreeXL_CellValue Wert;
      if (freexl_get_cell_value(Mappe, Zeile, Spalte, &Wert) != FREEXL_OK) {
        Sammler.Fehler = Meldung(TMappenFehler::Beschaedigt);
        return false;
      }
      std::string Text;
      bool Zahl = false;
      if (Wert.type == FREEXL_CELL_INT) {
        Text = std::to_string(Wert.value.int_value);
        Zahl = true;
      } else if (Wert.type == FREEXL_CELL_DOUBLE) {
        Text = ZahlText(Wert.value.double_value);
        Zahl = true;
      } else if (Wert.type != FREEXL_CELL_NULL && Wert.value.text_value) {
        Text = Wert.value.text_value;
      }
      if (!Sammler.Zelle(Zeile, Spalte, std::move(Text), Zahl))
        return false;
    }
  return true;
}

// libfreexl legt je Blatt ein Feld aus Zeilen mal Spalten an, wie der DIMENSION-Eintrag sie
// nennt (bis 256 MB): vorher nachsehen, ob alle zusammen unter MappeHoechstensZellen bleiben.
bool GroesseErlaubt(const std::string& Pfad)
{
  const void* Mappe = nullptr;
  unsigned int Blaetter = 0;
  double Zellen = 0;
  if (freexl_open_info(Pfad.c_str(), &Mappe) == FREEXL_OK &&
      freexl_get_info(Mappe, FREEXL_BIFF_SHEET_COUNT, &Blaetter) == FREEXL_OK)
    for (unsigned int Blatt = 0; Blatt < Blaetter && Blatt <= USHRT_MAX; ++Blatt) {
      unsigned int Zeilen = 0;
      unsigned short Spalten = 0;
      if (freexl_select_active_worksheet(Mappe, static_cast<unsigned short>(Blatt)) == FREEXL_OK &&
          freexl_worksheet_dimensions(Mappe, &Zeilen, &Spalten) == FREEXL_OK)
        Zellen += static_cast<double>(Zeilen) * Spalten;
    }
  freexl_close(Mappe);
  return Zellen <= static_cast<double>(MappeHoechstensZellen);
}

void MitFreexl(const std::string& Pfad, TMappe& Ergebnis)
{
  if (!GroesseErlaubt(Pfad)) {
    Ergebnis.Fehler = Meldung(TMappenFehler::ZuVieleZellen);
    return;
  }
  const void* Mappe = nullptr;
  const int Offen = freexl_open(Pfad.c_str(), &Mappe);
  unsigned int Kennwort = 0, Blaetter = 0;
  if (Offen == FREEXL_OK && freexl_get_info(Mappe, FREEXL_BIFF_PASSWORD, &Kennwort) == FREEXL_OK &&
      Kennwort == FREEXL_BIFF_OBFUSCATED)
    Ergebnis.Fehler = Meldung(TMappenFehler::Verschluesselt);
  else if (Offen == FREEXL_BIFF_WORKBOOK_NOT_FOUND)
    Ergebnis.Fehler = Meldung(TMappenFehler::KeineMappe);
  else if (Offen != FREEXL_OK || freexl_get_info(Mappe, FREEXL_BIFF_SHEET_COUNT, &Blaetter) != FREEXL_OK)
    Ergebnis.Fehler = Meldung(TMappenFehler::Beschaedigt);
  TMappenMass Zellen;
  for (unsigned int Blatt = 0; Ergebnis.Fehler.empty() && Blatt < Blaetter && Blatt <= USHRT_MAX; ++Blatt) {
    const char* Name = nullptr;
    const auto Index = static_cast<unsigned short>(Blatt);
    if (freexl_get_worksheet_name(Mappe, Index, &Name) != FREEXL_OK ||
        freexl_select_active_worksheet(Mappe, Index) != FREEXL_OK) {
      Ergebnis.Fehler = Meldung(TMappenFehler::Beschaedigt);
      break;
    }
    Ergebnis.Blaetter.push_back({Name ? Name : "", {}});
    TBlattSammler Sammler(Ergebnis.Blaetter.back(), Zellen);
    if (!BlattLesen(Mappe, Sammler))
      Ergebnis.Fehler = Sammler.Fehler;
  }
  freexl_close(Mappe);
}

#  ifdef TANDRIX_XLS_ABGESCHOTTET

// Die Mappe als Bytes fuer den Weg durch die Pipe: Laengen als 8 Bytes, dann der Inhalt.
void Anhaengen(std::string& Bytes, std::size_t Zahl) { Bytes.append(reinterpret_cast<const char*>(&Zahl), 8); }
void Anhaengen(std::string& Bytes, const std::string& Text)
{
  Anhaengen(Bytes, Text.size());
  Bytes += Text;
}

std::string Verpackt(const TMappe& Mappe)
{
  std::string Bytes;
  Anhaengen(Bytes, Mappe.Fehler);
  Anhaengen(Bytes, Mappe.Blaetter.size());
  for (const TBlatt& Blatt : Mappe.Blaetter) {
    Anhaengen(Bytes, Blatt.Name);
    Anhaengen(Bytes, Blatt.Zeilen.size());
    for (const TMappenZeile& Zeile : Blatt.Zeilen) {
      Anhaengen(Bytes, Zeile.size());
      for (const TMappenZelle& Zelle : Zeile) {
        Bytes += Zelle.Zahl ? '1' : '0';
        Anhaengen(Bytes, Zelle.Text);
      }
    }
  }
  return Bytes;
}

// Liest Verpackt zurueck; false, wenn die Bytes nicht stimmen.
class TEntpacker {
public:
  explicit TEntpacker(std::string_view Bytes) : FBytes(Bytes) {}
  bool Zahl(std::size_t& Wert, std::size_t Hoechstens)
  {
    if (FBytes.size() - FPos < 8)
      return false;
    std::memcpy(&Wert, FBytes.data() + FPos, 8);
    FPos += 8;
    return Wert <= Hoechstens;
  }
  bool Text(std::string& Wert)
  {
    std::size_t Laenge = 0;
    if (!Zahl(Laenge, FBytes.size() - FPos))
      return false;
    Wert.assign(FBytes.substr(FPos, Laenge));
    FPos += Laenge;
    return true;
  }
  bool Zeichen(char& Wert)
  {
    if (FPos >= FBytes.size())
      return false;
    Wert = FBytes[FPos++];
    return true;
  }
  bool Ende() const { return FPos == FBytes.size(); }

private:
  std::string_view FBytes;
  std::size_t FPos = 0;
};

bool Entpackt(std::string_view Bytes, TMappe& Mappe)
{
  TEntpacker Leser(Bytes);
  std::size_t Blaetter = 0;
  if (!Leser.Text(Mappe.Fehler) || !Leser.Zahl(Blaetter, Bytes.size()))
    return false;
  for (std::size_t B = 0; B < Blaetter; ++B) {
    TBlatt& Blatt = Mappe.Blaetter.emplace_back();
    std::size_t Zeilen = 0;
    if (!Leser.Text(Blatt.Name) || !Leser.Zahl(Zeilen, MappeHoechstensZeilen))
      return false;
    for (std::size_t Z = 0; Z < Zeilen; ++Z) {
      TMappenZeile& Zeile = Blatt.Zeilen.emplace_back();
      std::size_t Zellen = 0;
      if (!Leser.Zahl(Zellen, MappeHoechstensSpalten))
        return false;
      Zeile.resize(Zellen);
      for (TMappenZelle& Zelle : Zeile) {
        char Art = '0';
        if (!Leser.Zeichen(Art) || !Leser.Text(Zelle.Text))
          return false;
        Zelle.Zahl = Art == '1';
      }
    }
  }
  return Leser.Ende();
}

// So lange darf libfreexl an einer Mappe lesen.
constexpr int XlsHoechstensSekunden = 60;

// libfreexl 1.0.6 liest bei manchen zerstoerten .xls ueber ihre Puffer hinaus (gefunden mit
// fuzz/mappe, AddressSanitizer): sie laeuft deshalb in einem eigenen Prozess, der die Blaetter
// durch eine Pipe zurueckgibt. Stirbt er oder braucht er zu lange, ist die Datei beschaedigt,
// und nichts davon trifft das Programm.
void Abgeschottet(const std::string& Pfad, TMappe& Ergebnis)
{
  int Rohr[2];
  if (pipe(Rohr) != 0) {
    Ergebnis.Fehler = Meldung(TMappenFehler::Beschaedigt);
    return;
  }
  const pid_t Kind = fork();
  if (Kind == 0) {
    close(Rohr[0]);
    TMappe Mappe;
    MitFreexl(Pfad, Mappe);
    const std::string Bytes = Verpackt(Mappe);
    for (std::size_t Pos = 0; Pos < Bytes.size();) {
      const ssize_t Geschrieben = write(Rohr[1], Bytes.data() + Pos, Bytes.size() - Pos);
      if (Geschrieben <= 0)
        _exit(1);
      Pos += static_cast<std::size_t>(Geschrieben);
    }
    _exit(0);  // ohne atexit und ohne die Puffer des Programms zu leeren
  }
  close(Rohr[1]);
  std::string Bytes;
  bool Zeit = Kind > 0;
  const auto Schluss = std::chrono::steady_clock::now() + std::chrono::seconds(XlsHoechstensSekunden);
  while (Zeit) {
    pollfd Warten{Rohr[0], POLLIN, 0};
    const auto Rest = std::chrono::duration_cast<std::chrono::milliseconds>(Schluss - std::chrono::steady_clock::now());
    const int Bereit = Rest.count() > 0 ? poll(&Warten, 1, static_cast<int>(Rest.count())) : 0;
    if (Bereit < 0 && errno == EINTR)
      continue;
    if (Bereit <= 0) {
      Zeit = false;  // abgelaufen
      continue;
    }
    char Stueck[65536];
    const ssize_t Gelesen = read(Rohr[0], Stueck, sizeof Stueck);
    if (Gelesen <= 0)
      break;
    Bytes.append(Stueck, static_cast<std::size_t>(Gelesen));
  }
  close(Rohr[0]);
  int Status = 0;
  if (Kind > 0) {
    if (!Zeit)
      kill(Kind, SIGKILL);
    while (waitpid(Kind, &Status, 0) < 0 && errno == EINTR) {
    }
  }
  if (!Zeit || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0 || !Entpackt(Bytes, Ergebnis)) {
    Ergebnis.Blaetter.clear();
    Ergebnis.Fehler = Meldung(TMappenFehler::Beschaedigt);
  }
}

#  endif

#endif

}  // namespace

void XlsLesen(std::string_view Bytes, TMappe& Mappe)
{
  if (HatTeil(Bytes, "EncryptionInfo") && HatTeil(Bytes, "EncryptedPackage")) {
    Mappe.Art = TMappenArt::Xlsx;
    Mappe.Fehler = Meldung(TMappenFehler::Verschluesselt);
    return;
  }
#ifdef TANDRIX_MIT_XLS
  const TZwischendatei Datei(Bytes);
  if (Datei.Pfad().empty()) {
    Mappe.Fehler = Meldung(TMappenFehler::Zwischenablage);
    return;
  }
#  ifdef TANDRIX_XLS_ABGESCHOTTET
  Abgeschottet(Datei.Pfad().string(), Mappe);
#  else
  MitFreexl(Datei.Pfad().string(), Mappe);
#  endif
#else
  Mappe.Fehler = Meldung(TMappenFehler::OhneXls);
#endif
}

}  // namespace mappe_intern
