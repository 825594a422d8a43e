#include "sammlung/textliste.h"

#include "oberflaeche/umwandlung.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>

namespace {

// Was ListeLesen liefert, als Unicode fuer das Modell; gemeinsam fuer Text und Arbeitsmappe.
TTextListe TextListeVon(TListenErgebnis Gelesen, const std::atomic<bool>& Abbruch)
{
  TListe& Liste = Gelesen.Tabelle;
  TTextListe Text;
  Text.Trenner = Liste.Trenner;
  Text.MitKopf = Liste.MitKopf;
  Text.Nummernspalte = static_cast<int>(Liste.Nummernspalte);
  Text.Befunde = BefundTexte(Liste.Befunde);
  for (std::size_t Spalte = 0; Spalte < std::max<std::size_t>(Liste.Spalten, 1); ++Spalte) {
    const QString Name =
        Spalte < Liste.Kopf.size() ? ZelleAlsText(Liste.Kopf[Spalte], Liste.Kennung).trimmed() : QString();
    Text.Kopf << (Name.isEmpty() ? QStringLiteral("Spalte %1").arg(Spalte + 1) : Name);
  }
  Text.Zeilen.reserve(Liste.Zeilen.size());
  for (TFelder& Felder : Liste.Zeilen) {
    if (Abbruch.load(std::memory_order_relaxed))
      break;
    Text.AlsZahl.push_back(AlsZahl(Liste, Text.Zeilen.size(), Liste.Nummernspalte));
    QStringList Zellen;
    Zellen.reserve(static_cast<qsizetype>(Felder.size()));
    for (const std::string& Feld : Felder)
      Zellen << ZelleAlsText(Feld, Liste.Kennung);
    Text.Zeilen.push_back(std::move(Zellen));
    // gleich freigeben: sonst liegt die Liste beim Laden zweimal im Speicher
    TFelder().swap(Felder);
  }
  return Text;
}

}  // namespace

QString ZelleAlsText(const std::string& Zelle, TKennung Kennung)
{
  if (Kennung == TKennung::Utf8 || (Kennung == TKennung::Keine && IstMehrbyteUtf8(Zelle)))
    return QString::fromStdString(Zelle);
  return AusCp1252(Zelle);
}

QStringList BefundTexte(const std::vector<TLeseBefund>& Befunde)
{
  QStringList Texte;
  for (const TLeseBefund& Befund : Befunde)
    Texte << QStringLiteral("Zeile %1: %2").arg(Befund.Zeile).arg(AusCp1252(Befund.Text));
  return Texte;
}

TTextListe ListeAlsText(std::string_view Bytes, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch)
{
  return TextListeVon(ListeLesen(Bytes, Vorgabe), Abbruch);
}

std::optional<TMappe> AlsMappe(std::string_view Bytes)
{
  if (MappenArtErkennen(Bytes) == TMappenArt::Text)
    return std::nullopt;
  return MappeLesen(Bytes);
}

bool IstXlsx(std::string_view Bytes) { return MappenArtErkennen(Bytes) == TMappenArt::Xlsx; }

TTextListe BlattAlsText(const TBlatt& Blatt, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch)
{
  TTextListe Text = TextListeVon(BlattLesen(Blatt, Vorgabe), Abbruch);
  Text.Trenner = '\0';
  return Text;
}

int BlattMitNummernIndex(const TMappe& Mappe) { return static_cast<int>(BlattMitNummern(Mappe)); }
