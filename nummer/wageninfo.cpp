#include "nummer/wageninfo.h"

#include "nummer/pruefziffer.h"
#include "zeichen/zeichensatz.h"

namespace {

// Stellen von Von bis Bis, von 1 an gezaehlt.
std::string_view Stellen(std::string_view Nummer, std::size_t Von, std::size_t Bis)
{
  return Nummer.substr(Von - 1, Bis - Von + 1);
}

std::string GeschwindigkeitText(int Stufe)
{
  if (Stufe <= 2)
    return "max. 120 km/h oder weniger";
  if (Stufe <= 6)
    return "max. 140 km/h, aber über 120 km/h"_cp1252;
  if (Stufe <= 8)
    return "max. 160 km/h, aber über 140 km/h"_cp1252;
  return "über 160 km/h"_cp1252;
}

}  // namespace

TWagenart Wagenart(const TStammdaten& Stammdaten, std::string_view Nummer)
{
  const std::string Typ = Stammdaten.TypListe.Wert(Nummer.substr(0, 1));
  return Typ == "G"   ? TWagenart::Gueterwagen
         : Typ == "R" ? TWagenart::Reisezugwagen
         : Typ == "T" ? TWagenart::Triebfahrzeug
                      : TWagenart::Unbekannt;
}

std::string EraGattung(const TStammdaten& Stammdaten, std::string_view Nummer)
{
  if (Nummer.size() < 8)
    return {};
  std::string Text = Stammdaten.GattungListe.Wert(Nummer.substr(4, 4));
  return Text.empty() ? Stammdaten.GattungListe.Wert(std::string(Nummer.substr(4, 3)) + "x") : Text;
}

TAnzeige WagenInfo(const TStammdaten& Stammdaten, std::string_view Eingabe)
{
  // Die Aufrufer geben 11 Zeichen; anderes darf trotzdem nie ueber das Ende lesen.
  std::string Nummer(Eingabe.substr(0, 11));
  Nummer.resize(11, ' ');

  TAnzeige Anzeige;
  Anzeige.Austauschverfahren = Stammdaten.AustauschListe.Wert(Stellen(Nummer, 1, 2));
  Anzeige.Eigentumsverwaltung = Stammdaten.BahnenListe.Wert(Stellen(Nummer, 3, 4));

  if (Wagenart(Stammdaten, Nummer) == TWagenart::Gueterwagen) {
    Anzeige.Eigentumsmerkmal =
        Stammdaten.EigentumListe.Wert(Stellen(Nummer, 2, 2)) + "; " + Stammdaten.RIVListe.Wert(Stellen(Nummer, 1, 1));
    Anzeige.Wagengattung = EraGattung(Stammdaten, Nummer);
    Anzeige.Geschwindigkeit = "siehe Wagengattung";
    return Anzeige;
  }

  Anzeige.Eigentumsmerkmal = "./.";
  Anzeige.Wagengattung = Stammdaten.GattungListe.Wert(Stellen(Nummer, 5, 5));
  const char Klasse = Nummer[4];
  if (Klasse == '1' || Klasse == '2' || Klasse == '3')
    Anzeige.Wagengattung += " " + Stammdaten.AbteileListe.Wert(Stellen(Nummer, 6, 6));
  if (Anzeige.Wagengattung.empty())
    Anzeige.Wagengattung = Stammdaten.GattungListe.Wert(Stellen(Nummer, 5, 6));
  if (Stellen(Nummer, 1, 2) == "65")
    Anzeige.Wagengattung = "Autotransportwagen";
  Anzeige.Geschwindigkeit = GeschwindigkeitText(ZiffernWert(Nummer[6]));
  return Anzeige;
}
