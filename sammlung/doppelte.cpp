#include "sammlung/doppelte.h"

void TDoppelVerfolgung::Neu(bool Leer)
{
  FSuche = {};
  FBis = 0;
  FAktuell = Leer;
}

void TDoppelVerfolgung::Unterbrechen()
{
  FSuche = {};
  FBis = -1;
  FAktuell = false;
}

std::vector<int> TDoppelVerfolgung::Anmelden(std::vector<TZeile>& Zeilen, int Von, int Bis,
                                             const TSchluesselVon& Schluessel)
{
  std::vector<int> Geaendert;
  FAktuell = false;
  if (FBis != Von)
    return Geaendert;
  // wie DoppelteFinden, nur in Teilen: eine spaetere Zeile aendert hoechstens die erste ihrer Gruppe
  for (int I = Von; I < Bis; ++I) {
    TZeile& Z = Zeilen[static_cast<std::size_t>(I)];
    const TDoppelt Gefunden = FSuche.Anmelden(static_cast<std::size_t>(I), Schluessel(I));
    Z.DoppelArt = Gefunden.Art;
    Z.DoppelAndere = static_cast<std::uint32_t>(Gefunden.Andere + 1);
    TZeile& Erste = Zeilen[Gefunden.Andere];
    if (Gefunden.Art != TDoppelArt::Keine && Erste.DoppelArt == TDoppelArt::Keine) {
      Erste.DoppelArt = Gefunden.Art;
      Erste.DoppelAndere = static_cast<std::uint32_t>(I + 1);
      Geaendert.push_back(static_cast<int>(Gefunden.Andere));
    }
  }
  FBis = Bis;
  FAktuell = Bis == static_cast<int>(Zeilen.size());
  if (FAktuell)
    FSuche = {};
  return Geaendert;
}

void TDoppelVerfolgung::Ganz(std::vector<TZeile>& Zeilen, const TSchluesselVon& Schluessel)
{
  std::vector<TSchluessel> Alle;
  Alle.reserve(Zeilen.size());
  for (std::size_t I = 0; I < Zeilen.size(); ++I)
    Alle.push_back(Schluessel(static_cast<int>(I)));
  const std::vector<TDoppelt> Doppelte = DoppelteFinden(Alle);
  for (std::size_t I = 0; I < Zeilen.size(); ++I) {
    Zeilen[I].DoppelArt = Doppelte[I].Art;
    Zeilen[I].DoppelAndere = static_cast<std::uint32_t>(Doppelte[I].Andere + 1);
  }
  FSuche = {};
  FBis = -1;
  FAktuell = true;
}
