#include "sammlung/seitenbild.h"

#include "sammlung/urteildelegat.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <numeric>

namespace {

// Wie die Seiten aufgeteilt sind, in Punkten des Geraets.
struct TSatz {
  QRectF Flaeche;        // innerhalb der Raender
  double Kopfhoehe = 0;  // Titelzeile
  double Fusshoehe = 0;  // Seitenzahl
  double Polster = 0;    // Abstand in einer Zelle
  std::vector<double> Breiten;
  std::vector<double> Hoehen;  // je Zeile, mit Umbruch
  double Spaltenkopf = 0;
  std::vector<int> Seitenanfang;  // erste Zeile je Seite
};

QFont Schrift(double Punkte, bool Fett = false)
{
  QFont F;
  F.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  F.setPointSizeF(Punkte);
  F.setBold(Fett);
  return F;
}

constexpr int Umbruch = Qt::TextWordWrap | Qt::TextWrapAnywhere;

double Hoehe(const QFontMetricsF& Mass, double Breite, const QString& Text)
{
  return Mass.boundingRect(QRectF(0, 0, Breite, 1e6), Umbruch, Text).height();
}

// Breiten nach dem Inhalt (die ersten 500 Zeilen), jede hoechstens ein Viertel der Seite. Ist das
// zusammen zu breit, werden nur die breitesten auf eine gemeinsame Grenze gekuerzt (sie brechen
// um), schmale Spalten wie "Nr." behalten ihre Breite; ist es schmaler, wird alles gestreckt.
std::vector<double> Spaltenbreiten(const TSeitenInhalt& Inhalt, const QFontMetricsF& Mass, double Seite, double Polster)
{
  std::vector<double> Breiten;
  for (int Spalte = 0; Spalte < Inhalt.Kopf.size(); ++Spalte) {
    // Der Kopf steht fett: gut ein Zehntel breiter als gemessen.
    double Breit = Mass.horizontalAdvance(Inhalt.Kopf[Spalte]) * 1.12;
    for (std::size_t Z = 0; Z < std::min<std::size_t>(Inhalt.Zeilen.size(), 500); ++Z)
      Breit = std::max(Breit, Mass.horizontalAdvance(Inhalt.Zeilen[Z].value(Spalte)) +
                                  (Spalte == Inhalt.Urteilsspalte ? Mass.height() * 1.3 : 0.0));
    // ein Polster mehr: gerundete Masse der Schrift sollen kein Wort am Ende umbrechen
    Breiten.push_back(std::min(Breit + 3 * Polster, Seite / 4));
  }
  std::vector<double> Sortiert = Breiten;
  std::sort(Sortiert.begin(), Sortiert.end());
  double Rest = Seite;
  double Grenze = Sortiert.empty() ? Seite : Sortiert.back();
  for (std::size_t I = 0; I < Sortiert.size(); ++I) {
    const double Anteil = Rest / static_cast<double>(Sortiert.size() - I);
    if (Sortiert[I] > Anteil) {
      Grenze = Anteil;
      break;
    }
    Rest -= Sortiert[I];
  }
  for (double& Breite : Breiten)
    Breite = std::min(Breite, Grenze);
  const double Summe = std::accumulate(Breiten.begin(), Breiten.end(), 0.0);
  for (double& Breite : Breiten)
    Breite *= Seite / std::max(Summe, 1.0);
  return Breiten;
}

TSatz Setzen(QPainter& Maler, const TSeitenInhalt& Inhalt, const QRectF& Flaeche)
{
  TSatz Satz;
  Satz.Flaeche = Flaeche;
  const QFontMetricsF Mass(Schrift(8), Maler.device());
  Satz.Polster = Mass.height() / 4;
  Satz.Kopfhoehe = QFontMetricsF(Schrift(11, true), Maler.device()).height() * 1.8;
  Satz.Fusshoehe = Mass.height() * 1.8;
  Satz.Breiten = Spaltenbreiten(Inhalt, Mass, Flaeche.width(), Satz.Polster);
  const auto ZeilenHoehe = [&](const QStringList& Zellen, const QFontMetricsF& M) {
    double Hoch = M.height();
    for (int Spalte = 0; Spalte < Zellen.size() && Spalte < static_cast<int>(Satz.Breiten.size()); ++Spalte)
      Hoch =
          std::max(Hoch, Hoehe(M, Satz.Breiten[static_cast<std::size_t>(Spalte)] - 2 * Satz.Polster, Zellen[Spalte]));
    return Hoch + 2 * Satz.Polster;
  };
  Satz.Spaltenkopf = ZeilenHoehe(Inhalt.Kopf, QFontMetricsF(Schrift(8, true), Maler.device()));
  const double Platz = Flaeche.height() - Satz.Kopfhoehe - Satz.Fusshoehe - Satz.Spaltenkopf;
  double Belegt = Platz;  // erzwingt eine erste Seite
  for (std::size_t Z = 0; Z < Inhalt.Zeilen.size(); ++Z) {
    Satz.Hoehen.push_back(std::min(ZeilenHoehe(Inhalt.Zeilen[Z], Mass), Platz));
    if (Belegt + Satz.Hoehen.back() > Platz) {
      Satz.Seitenanfang.push_back(static_cast<int>(Z));
      Belegt = 0;
    }
    Belegt += Satz.Hoehen.back();
  }
  if (Satz.Seitenanfang.empty())
    Satz.Seitenanfang.push_back(0);
  return Satz;
}

// Eine Zeile der Tabelle ab Oben; liefert ihre Unterkante.
double ZeileMalen(QPainter& Maler, const TSatz& Satz, const QStringList& Zellen, double Oben, double Hoch,
                  const QColor& Grund, const QIcon& Symbol, int Symbolspalte)
{
  double Links = Satz.Flaeche.left();
  if (Grund.isValid())
    Maler.fillRect(QRectF(Links, Oben, Satz.Flaeche.width(), Hoch), Grund);
  for (std::size_t Spalte = 0; Spalte < Satz.Breiten.size(); ++Spalte) {
    QRectF Zelle(Links + Satz.Polster, Oben + Satz.Polster, Satz.Breiten[Spalte] - 2 * Satz.Polster,
                 Hoch - 2 * Satz.Polster);
    if (static_cast<int>(Spalte) == Symbolspalte && !Symbol.isNull()) {
      const double Seite = Maler.fontMetrics().height();
      const QPixmap Bild = Symbol.pixmap(16, 16);
      Maler.drawPixmap(QRectF(Zelle.left(), Zelle.top(), Seite, Seite), Bild, QRectF(Bild.rect()));
      Zelle.setLeft(Zelle.left() + Seite * 1.3);
    }
    Maler.drawText(Zelle, Umbruch, Zellen.value(static_cast<int>(Spalte)));
    Links += Satz.Breiten[Spalte];
  }
  Maler.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 0));
  Maler.drawLine(QPointF(Satz.Flaeche.left(), Oben + Hoch), QPointF(Satz.Flaeche.right(), Oben + Hoch));
  Maler.setPen(Qt::black);
  return Oben + Hoch;
}

// Titel, Datum, Seitenzahl; auf Tabellenseiten auch der Spaltenkopf. Liefert, wo der Inhalt beginnt.
double RahmenMalen(QPainter& Maler, const TSatz& Satz, const TSeitenInhalt& Inhalt, int Seite, int Seiten, bool MitKopf)
{
  const QRectF& F = Satz.Flaeche;
  Maler.setFont(Schrift(11, true));
  Maler.drawText(QRectF(F.left(), F.top(), F.width(), Satz.Kopfhoehe), Qt::AlignLeft | Qt::AlignTop, Inhalt.Titel);
  Maler.setFont(Schrift(8));
  Maler.drawText(QRectF(F.left(), F.top(), F.width(), Satz.Kopfhoehe), Qt::AlignRight | Qt::AlignTop, Inhalt.Datum);
  Maler.drawText(QRectF(F.left(), F.bottom() - Satz.Fusshoehe, F.width(), Satz.Fusshoehe),
                 Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Seite %1 von %2").arg(Seite).arg(Seiten));
  if (!MitKopf)
    return F.top() + Satz.Kopfhoehe;
  Maler.setFont(Schrift(8, true));
  const double Unten = ZeileMalen(Maler, Satz, Inhalt.Kopf, F.top() + Satz.Kopfhoehe, Satz.Spaltenkopf,
                                  QColor(0xe8, 0xe8, 0xe8), {}, -1);
  Maler.setFont(Schrift(8));
  return Unten;
}

// Die Zeilen einer Seite; liefert die Unterkante der letzten.
double SeiteMalen(QPainter& Maler, const TSatz& Satz, const TSeitenInhalt& Inhalt, int Seite, double Oben)
{
  QPalette Papier;
  Papier.setColor(QPalette::Base, Qt::white);
  const std::size_t Seiten = Satz.Seitenanfang.size();
  const auto S = static_cast<std::size_t>(Seite);
  const int Bis = S + 1 < Seiten ? Satz.Seitenanfang[S + 1] : static_cast<int>(Inhalt.Zeilen.size());
  for (int Z = Satz.Seitenanfang[S]; Z < Bis; ++Z) {
    const auto I = static_cast<std::size_t>(Z);
    const TUrteilArt Art = Inhalt.Arten[I];
    Oben = ZeileMalen(Maler, Satz, Inhalt.Zeilen[I], Oben, Satz.Hoehen[I], UrteilToenung(Art, Papier),
                      UrteilSymbol(Art), Inhalt.Urteilsspalte);
  }
  return Oben;
}

}  // namespace

bool SeitenMalen(QPagedPaintDevice& Geraet, const TSeitenInhalt& Inhalt)
{
  QPainter Maler;
  if (!Maler.begin(&Geraet))
    return false;
  // Der Maler beginnt an der Ecke innerhalb der Raender.
  const QRect Seite = Geraet.pageLayout().paintRectPixels(Geraet.logicalDpiX());
  const TSatz Satz = Setzen(Maler, Inhalt, QRectF(0, 0, Seite.width(), Seite.height()));
  const double Zeile = QFontMetricsF(Schrift(8), Maler.device()).height() * 1.3;
  const int Tabellenseiten = static_cast<int>(Satz.Seitenanfang.size());
  double Letzte = Satz.Kopfhoehe + Satz.Spaltenkopf;
  for (auto Z = static_cast<std::size_t>(Satz.Seitenanfang.back()); Z < Satz.Hoehen.size(); ++Z)
    Letzte += Satz.Hoehen[Z];
  // Passt die Zusammenfassung nicht mehr unter die letzte Zeile, bekommt sie eine eigene Seite.
  const bool Extra =
      Letzte + Zeile * static_cast<double>(Inhalt.Zusammenfassung.size() + 1) > Seite.height() - Satz.Fusshoehe;
  const int Seiten = Tabellenseiten + (Extra ? 1 : 0);
  double Unten = 0;
  for (int S = 0; S < Tabellenseiten; ++S) {
    if (S > 0)
      Geraet.newPage();
    Unten = SeiteMalen(Maler, Satz, Inhalt, S, RahmenMalen(Maler, Satz, Inhalt, S + 1, Seiten, true));
  }
  if (Extra) {
    Geraet.newPage();
    Unten = RahmenMalen(Maler, Satz, Inhalt, Seiten, Seiten, false);
  }
  Unten += Zeile / 2;
  for (const QString& Text : Inhalt.Zusammenfassung) {
    Maler.drawText(QRectF(0, Unten, Seite.width(), Zeile), Qt::AlignLeft | Qt::AlignVCenter, Text);
    Unten += Zeile;
  }
  return Maler.end();
}
