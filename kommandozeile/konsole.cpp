#include "kommandozeile/konsole.h"

#include "zeichen/zeichensatz.h"

namespace {

void Anhaengen(std::u16string& Ziel, char32_t Zeichen)
{
  if (Zeichen < 0x10000) {
    Ziel.push_back(static_cast<char16_t>(Zeichen));
    return;
  }
  Zeichen -= 0x10000;
  Ziel.push_back(static_cast<char16_t>(0xD800 + (Zeichen >> 10)));
  Ziel.push_back(static_cast<char16_t>(0xDC00 + (Zeichen & 0x3FF)));
}

}  // namespace

std::string Utf8AusUtf16(std::u16string_view Text)
{
  std::string Bytes;
  Bytes.reserve(2 * Text.size());
  for (const char16_t Einheit : Text)
    Bytes.append({static_cast<char>(Einheit & 0xFF), static_cast<char>(Einheit >> 8)});
  return Utf16NachUtf8(Bytes, TKennung::Utf16LE);
}

std::u16string TextFuerKonsole(std::string_view Bytes, std::string* Rest)
{
  std::string Alles;
  if (Rest) {
    Alles = std::move(*Rest) + std::string(Bytes);
    Rest->clear();
    Bytes = Alles;
  }
  std::u16string Ergebnis;
  Ergebnis.reserve(Bytes.size());
  while (!Bytes.empty()) {
    const TUtf8Folge Folge = Utf8Folge(Bytes);
    if (Folge.Laenge == Utf8Unvollstaendig && Rest) {
      Rest->assign(Bytes);
      break;
    }
    if (Folge.Laenge > 0) {
      Anhaengen(Ergebnis, Folge.Zeichen);
      Bytes.remove_prefix(static_cast<std::size_t>(Folge.Laenge));
    } else {
      Anhaengen(Ergebnis, Cp1252NachUnicode(static_cast<unsigned char>(Bytes[0])));
      Bytes.remove_prefix(1);
    }
  }
  return Ergebnis;
}

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <fcntl.h>
#  include <io.h>
#  include <windows.h>
// nach windows.h
#  include <shellapi.h>

#  include <algorithm>
#  include <cstdio>
#  include <iostream>
#  include <streambuf>

std::vector<std::string> ArgumenteAusKommandozeile()
{
  int Anzahl = 0;
  LPWSTR* Liste = ::CommandLineToArgvW(::GetCommandLineW(), &Anzahl);
  std::vector<std::string> Ergebnis;
  if (!Liste)
    return Ergebnis;
  for (int I = 1; I < Anzahl; ++I) {
    const std::wstring_view Argument(Liste[I]);
    Ergebnis.push_back(Utf8AusUtf16(std::u16string(Argument.begin(), Argument.end())));
  }
  ::LocalFree(Liste);
  return Ergebnis;
}

namespace {

bool IstKonsole(HANDLE Griff)
{
  DWORD Modus = 0;
  return Griff != nullptr && Griff != INVALID_HANDLE_VALUE && ::GetConsoleMode(Griff, &Modus);
}

// Schreibt als UTF-16 in die Konsole: jedes Zeichen erscheint, welche Codepage sie auch hat,
// und ihre Codepage bleibt unberuehrt.
class TKonsolenAusgabe final : public std::streambuf {
public:
  explicit TKonsolenAusgabe(HANDLE Griff) : FGriff(Griff) { setp(FPuffer, FPuffer + sizeof FPuffer); }
  ~TKonsolenAusgabe() override
  {
    Leeren();
    const std::u16string Schluss = TextFuerKonsole(FRest, nullptr);
    Schreiben(Schluss);
  }

protected:
  int_type overflow(int_type Zeichen) override
  {
    if (!Leeren())
      return traits_type::eof();
    if (!traits_type::eq_int_type(Zeichen, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(Zeichen);
      pbump(1);
    }
    return traits_type::not_eof(Zeichen);
  }
  int sync() override { return Leeren() ? 0 : -1; }

private:
  bool Leeren()
  {
    const std::u16string Text =
        TextFuerKonsole(std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())), &FRest);
    setp(FPuffer, FPuffer + sizeof FPuffer);
    return Schreiben(Text);
  }
  bool Schreiben(const std::u16string& Text)
  {
    for (std::size_t Ab = 0; Ab < Text.size();) {
      DWORD Geschrieben = 0;
      const auto Stueck = static_cast<DWORD>(std::min<std::size_t>(Text.size() - Ab, 16384));
      if (!::WriteConsoleW(FGriff, Text.data() + Ab, Stueck, &Geschrieben, nullptr) || Geschrieben == 0)
        return false;
      Ab += Geschrieben;
    }
    return true;
  }

  HANDLE FGriff;
  char FPuffer[4096];
  std::string FRest;  // angefangene UTF-8-Folge
};

// Liest Zeilen der Tastatur als UTF-16 und gibt sie als UTF-8 weiter. Strg+Z am Zeilenanfang
// beendet die Eingabe, wie es unter Windows ueblich ist.
class TKonsolenEingabe final : public std::streambuf {
public:
  explicit TKonsolenEingabe(HANDLE Griff) : FGriff(Griff) {}

protected:
  int_type underflow() override
  {
    if (gptr() < egptr())
      return traits_type::to_int_type(*gptr());
    FText.clear();
    while (FText.empty() && !FEnde) {
      wchar_t Zeichen[1024];
      DWORD Gelesen = 0;
      if (!::ReadConsoleW(FGriff, Zeichen, 1024, &Gelesen, nullptr) || Gelesen == 0)
        return traits_type::eof();
      std::u16string Text = FHalbesPaar + std::u16string(Zeichen, Zeichen + Gelesen);
      FHalbesPaar.clear();
      if (Text.back() >= 0xD800 && Text.back() <= 0xDBFF) {
        FHalbesPaar = Text.back();
        Text.pop_back();
      }
      // Die Konsole liefert ganze Zeilen: Strg+Z am Anfang dieser Zeilen oder nach einem Zeilenende.
      if (const auto Strg = Text.find(static_cast<char16_t>(StrgZ));
          Strg != std::u16string::npos && (Strg == 0 || Text[Strg - 1] == u'\n')) {
        Text.resize(Strg);
        FEnde = true;
      }
      FText = Utf8AusUtf16(Text);
    }
    setg(FText.data(), FText.data(), FText.data() + FText.size());
    return FText.empty() ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }

private:
  HANDLE FGriff;
  std::string FText;
  std::u16string FHalbesPaar;
  bool FEnde = false;
};

}  // namespace

struct TKonsole::TTeile {
  std::unique_ptr<TKonsolenEingabe> EinPuffer;
  std::unique_ptr<TKonsolenAusgabe> AusPuffer;
  std::unique_ptr<TKonsolenAusgabe> FehlerPuffer;
  std::unique_ptr<std::istream> Ein;
  std::unique_ptr<std::ostream> Aus;
  std::unique_ptr<std::ostream> Fehler;
};

TKonsole::TKonsole() : F(std::make_unique<TTeile>())
{
  // Umgeleitet dieselben Bytes wie unter Linux: keine Umsetzung von Zeilenenden (CSV hat schon
  // CR LF, UTF-16 braucht jedes Byte).
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  if (HANDLE Griff = ::GetStdHandle(STD_INPUT_HANDLE); IstKonsole(Griff)) {
    F->EinPuffer = std::make_unique<TKonsolenEingabe>(Griff);
    F->Ein = std::make_unique<std::istream>(F->EinPuffer.get());
  }
  if (HANDLE Griff = ::GetStdHandle(STD_OUTPUT_HANDLE); IstKonsole(Griff)) {
    F->AusPuffer = std::make_unique<TKonsolenAusgabe>(Griff);
    F->Aus = std::make_unique<std::ostream>(F->AusPuffer.get());
  }
  if (HANDLE Griff = ::GetStdHandle(STD_ERROR_HANDLE); IstKonsole(Griff)) {
    F->FehlerPuffer = std::make_unique<TKonsolenAusgabe>(Griff);
    F->Fehler = std::make_unique<std::ostream>(F->FehlerPuffer.get());
  }
  // Wie std::cin an std::cout: vor jedem Lesen steht die Antwort auf die vorige Zeile da.
  Ein().tie(&Aus());
}

TKonsole::~TKonsole()
{
  // Stroeme vor ihren Puffern aufloesen; die Puffer schreiben beim Aufloesen den Rest.
  F->Ein.reset();
  F->Aus.reset();
  F->Fehler.reset();
}

std::istream& TKonsole::Ein() { return F->Ein ? *F->Ein : std::cin; }
std::ostream& TKonsole::Aus() { return F->Aus ? *F->Aus : std::cout; }
std::ostream& TKonsole::Fehler() { return F->Fehler ? *F->Fehler : std::cerr; }
#endif
