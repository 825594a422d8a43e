#include "mappe/archiv.h"

#include "mappe/intern.h"

// expat_config.h sagt, ob expat mit DTD-Verarbeitung gebaut ist (XML_DTD); nur dann gibt es den
// Schutz gegen Entitaeten-Ausdehnung zum Einstellen.
#if __has_include(<expat_config.h>)
#  include <expat_config.h>
#endif
#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <utility>

namespace mappe_intern {

TZip::TZip(std::string_view Bytes)
{
  zip_error_t Grund;
  zip_error_init(&Grund);
  zip_source_t* Quelle = zip_source_buffer_create(Bytes.data(), Bytes.size(), 0, &Grund);
  if (Quelle)
    FZip = zip_open_from_source(Quelle, ZIP_RDONLY, &Grund);
  if (!FZip) {
    if (Quelle)
      zip_source_free(Quelle);
    Fehler = Meldung(TMappenFehler::Beschaedigt);
  }
  zip_error_fini(&Grund);
}

TZip::~TZip()
{
  if (FZip)
    zip_discard(FZip);
}

bool TZip::Da(const std::string& Name) const { return FZip && zip_name_locate(FZip, Name.c_str(), 0) >= 0; }

template <class TStueck>
bool TZip::Entpacken(const std::string& Name, TStueck Stueck)
{
  const zip_int64_t Index = FZip ? zip_name_locate(FZip, Name.c_str(), 0) : -1;
  zip_stat_t Angaben;
  if (Index < 0 || zip_stat_index(FZip, static_cast<zip_uint64_t>(Index), 0, &Angaben) != 0) {
    Fehler = Meldung(TMappenFehler::Beschaedigt);
    return false;
  }
  if ((Angaben.valid & ZIP_STAT_ENCRYPTION_METHOD) && Angaben.encryption_method != ZIP_EM_NONE) {
    Fehler = Meldung(TMappenFehler::Verschluesselt);
    return false;
  }
  // Die gepackte Groesse begrenzt nur das Verhaeltnis; gezaehlt wird, was wirklich herauskommt.
  const std::size_t Gepackt = std::max<zip_uint64_t>((Angaben.valid & ZIP_STAT_COMP_SIZE) ? Angaben.comp_size : 1, 1);
  zip_file_t* Datei = zip_fopen_index(FZip, static_cast<zip_uint64_t>(Index), 0);
  if (!Datei) {
    Fehler = Meldung(TMappenFehler::Beschaedigt);
    return false;
  }
  std::array<char, std::size_t{64} * 1024> Puffer;
  std::size_t Teil = 0;
  bool Weiter = true;
  while (Weiter) {
    const zip_int64_t Gelesen = zip_fread(Datei, Puffer.data(), Puffer.size());
    if (Gelesen < 0)
      Fehler = Meldung(TMappenFehler::Beschaedigt);
    if (Gelesen <= 0)
      break;  // Weiter bleibt: am Ende kommt das letzte (leere) Stueck
    const auto Laenge = static_cast<std::size_t>(Gelesen);
    Teil += Laenge;
    FEntpackt += Laenge;
    if (FEntpackt > MappeHoechstensEntpackt)
      Fehler = Meldung(TMappenFehler::ZuGross);
    else if (Teil > MappeVerhaeltnisAb && Teil / Gepackt > MappeHoechstensVerhaeltnis)
      Fehler = Meldung(TMappenFehler::ZipBombe);
    Weiter = Fehler.empty() && Stueck(Puffer.data(), Laenge);
  }
  zip_fclose(Datei);
  return Fehler.empty() && Weiter && Stueck(nullptr, std::size_t{0});
}

bool TZip::Lesen(const std::string& Name, std::string& Inhalt, std::size_t Hoechstens)
{
  Inhalt.clear();
  return Entpacken(Name, [&](const char* Daten, std::size_t Laenge) {
    Inhalt.append(Daten ? Daten : "", std::min(Laenge, Hoechstens - std::min(Hoechstens, Inhalt.size())));
    return true;
  });
}

bool TZip::XmlLesen(const std::string& Name, TXml& Xml)
{
  const bool Gut = Entpacken(Name, [&](const char* Daten, std::size_t Laenge) {
    return Xml.Stueck(Daten ? Daten : "", Laenge, Daten == nullptr);
  });
  if (!Gut && Fehler.empty())
    Fehler = Xml.Fehler.empty() ? Meldung(TMappenFehler::Beschaedigt) : Xml.Fehler;
  return Gut;
}

TXml::TXml() : FParser(XML_ParserCreateNS(nullptr, ' '))
{
  XML_SetUserData(FParser, this);
  XML_SetElementHandler(FParser, AnfangRuf, EndeRuf);
  XML_SetCharacterDataHandler(FParser, TextRuf);
  // Keine Tabellenkalkulation schreibt DOCTYPE oder Entitaeten: beides bricht ab, bevor expat
  // etwas ausdehnt ("billion laughs"); expats eigener Schutz (seit 2.4) bleibt dahinter.
  XML_SetStartDoctypeDeclHandler(FParser, DoctypeRuf);
  XML_SetEntityDeclHandler(FParser, EntitaetRuf);
#if defined(XML_DTD) && (XML_MAJOR_VERSION > 2 || (XML_MAJOR_VERSION == 2 && XML_MINOR_VERSION >= 4))
  XML_SetBillionLaughsAttackProtectionMaximumAmplification(FParser, 10.0F);
  XML_SetBillionLaughsAttackProtectionActivationThreshold(FParser, std::uint64_t{1} << 20);
#endif
}

TXml::~TXml() { XML_ParserFree(FParser); }

bool TXml::Stueck(const char* Daten, std::size_t Laenge, bool Letztes)
{
  if (!FParser || !Fehler.empty())
    return false;
  while (Laenge > 0 || Letztes) {
    const auto Teil = static_cast<int>(std::min<std::size_t>(Laenge, INT_MAX / 2));
    const bool Schluss = Letztes && static_cast<std::size_t>(Teil) == Laenge;
    if (XML_Parse(FParser, Daten, Teil, Schluss ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
      if (Fehler.empty())
        Fehler = Meldung(TMappenFehler::Beschaedigt);
      return false;
    }
    Daten += Teil;
    Laenge -= static_cast<std::size_t>(Teil);
    if (Schluss)
      break;
  }
  return true;
}

std::string_view TXml::Lokal(std::string_view Name)
{
  const std::size_t Leer = Name.rfind(' ');
  return Leer == std::string_view::npos ? Name : Name.substr(Leer + 1);
}

const char* TXml::Wert(const char** Attribute, std::string_view Name, std::string_view Namensraum)
{
  for (; Attribute && *Attribute; Attribute += 2) {
    const std::string_view Voll = *Attribute;
    const std::size_t Leer = Voll.rfind(' ');
    const std::string_view Raum = Leer == std::string_view::npos ? std::string_view() : Voll.substr(0, Leer);
    if (Lokal(Voll) == Name && (Namensraum.empty() || Raum == Namensraum))
      return Attribute[1];
  }
  return nullptr;
}

void TXml::Abbrechen(std::string Grund)
{
  if (Fehler.empty())
    Fehler = std::move(Grund);
  XML_StopParser(FParser, XML_FALSE);
}

void TXml::AnfangRuf(void* Ich, const char* Name, const char** Attribute)
{
  auto* Xml = static_cast<TXml*>(Ich);
  if (Xml->Fehler.empty())
    Xml->Anfang(Name, Attribute);
}

void TXml::EndeRuf(void* Ich, const char* Name)
{
  auto* Xml = static_cast<TXml*>(Ich);
  if (Xml->Fehler.empty())
    Xml->Ende(Name);
}

void TXml::TextRuf(void* Ich, const char* Daten, int Laenge)
{
  auto* Xml = static_cast<TXml*>(Ich);
  if (Xml->Fehler.empty())
    Xml->Text(std::string_view(Daten, static_cast<std::size_t>(Laenge)));
}

void TXml::DoctypeRuf(void* Ich, const char*, const char*, const char*, int)
{
  static_cast<TXml*>(Ich)->Abbrechen(Meldung(TMappenFehler::Entitaeten));
}

void TXml::EntitaetRuf(void* Ich, const char*, int, const char*, int, const char*, const char*, const char*,
                       const char*)
{
  static_cast<TXml*>(Ich)->Abbrechen(Meldung(TMappenFehler::Entitaeten));
}

}  // namespace mappe_intern
