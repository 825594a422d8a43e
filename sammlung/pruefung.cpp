#include "sammlung/pruefung.h"

#include "nummer/wageninfo.h"

TUrteilArt UrteilArtVon(TUrteil Urteil)
{
  switch (Urteil) {
    case TUrteil::Korrekt:
      return TUrteilArt::Korrekt;
    case TUrteil::Berechnet:
      return TUrteilArt::Berechnet;
    case TUrteil::Falsch:
      return TUrteilArt::Falsch;
    case TUrteil::Unvollstaendig:
    case TUrteil::OhnePruefziffer:
      return TUrteilArt::Unvollstaendig;
    case TUrteil::Unbrauchbar:
      break;
  }
  return TUrteilArt::Unbrauchbar;
}

TErgebnis ZeileAuswerten(const TWissen& Wissen, const QStringList& Kopf, const QStringList& Zellen, int Nummernspalte,
                         bool Erklaeren, bool AlsZahl)
{
  // Die uebrigen Zellen zaehlen wie neben die Nummer geschrieben (Gattungszeichen, Halter).
  TListe Form;
  Form.Kennung = TKennung::Utf8;
  Form.Nummernspalte = static_cast<std::size_t>(std::max(Nummernspalte, 0));
  for (const QString& Name : Kopf)
    Form.Kopf.push_back(Name.toStdString());
  TFelder Felder;
  for (const QString& Zelle : Zellen)
    Felder.push_back(Zelle.toStdString());
  return ZelleAuswerten(Wissen, Zellen.value(Nummernspalte).toStdString(), TKennung::Utf8, Erklaeren,
                        KontextDerZeile(Felder, Form), AlsZahl);
}

const std::string* TZeilenPruefung::Geteilt(const std::string& Text)
{
  return Text.empty() ? nullptr : &*FTexte.insert(Text).first;
}

void TZeilenPruefung::Pruefen(TZeile& Z, const QStringList& Kopf, int Nummernspalte)
{
  const TErgebnis E = ZeileAuswerten(FWissen, Kopf, Z.Zellen, Nummernspalte, false, Z.AlsZahl);
  TZeile Neu;
  Neu.Zellen = std::move(Z.Zellen);
  Neu.AlsZahl = Z.AlsZahl;
  Z = std::move(Neu);
  if (!E.Meldung.empty()) {
    Z.Art = TUrteilArt::Unbrauchbar;
    Z.Befunde = E.Meldung;
    return;
  }
  // Eine nationale Loknummer ("460 077-1") bleibt, wie wagennummer sie gliedert.
  Z.Ziffern = E.Ziffern.size() == 12 ? E.Ziffern : E.Nummer;
  Z.Angeschrieben = E.Angeschrieben.empty() ? '\0' : E.Angeschrieben.front();
  Z.Berechnet = E.Berechnet.empty() ? '\0' : E.Berechnet.front();
  Z.Halter = Geteilt(E.Halter);
  Z.Abweichungen = E.Abweichungen;
  Z.Art = UrteilArtVon(E.Urteil);
  for (const TBefund& Befund : E.Befunde)
    Z.Befunde += (Z.Befunde.empty() ? "" : " | ") + BefundText(Befund);
  if (Z.Berechnet != 0 && FWissen.MitDaten) {
    const TWagenart Lesart =
        Z.Ziffern.size() == 12 ? ::Wagenart(FWissen.Stammdaten, Z.Ziffern.substr(0, 11)) : TWagenart::Triebfahrzeug;
    Z.Wagenart = Geteilt(Lesart == TWagenart::Gueterwagen     ? "Güterwagen"_cp1252
                         : Lesart == TWagenart::Reisezugwagen ? "Reisezugwagen"_cp1252
                         : Lesart == TWagenart::Triebfahrzeug ? CsvSpalten(E)[1]
                                                              : std::string());
    const std::array<std::string, 5> Spalten = CsvSpalten(E);
    Z.Land = Geteilt(Spalten[2]);
    Z.Gattung = Geteilt(Spalten[3]);
  }
}
