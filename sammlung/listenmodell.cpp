#include "sammlung/listenmodell.h"

#include "fenster/umwandlung.h"
#include "nummer/eingabe.h"
#include "nummer/wageninfo.h"

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

std::string Ziffern(const std::string& Text)
{
  std::string Ergebnis;
  std::copy_if(Text.begin(), Text.end(), std::back_inserter(Ergebnis), [](char Z) { return Z >= '0' && Z <= '9'; });
  return Ergebnis;
}

// Jedes Urteil hat eine eigene Form, nicht nur eine Farbe: Haken, Kreuz, Fragezeichen, Ausrufezeichen.
QIcon Symbol(TUrteilArt Art)
{
  static const auto Zeichnen = [](const QColor& Farbe, const QString& Zeichen) {
    QPixmap Bild(16, 16);
    Bild.fill(Qt::transparent);
    QPainter Maler(&Bild);
    Maler.setRenderHint(QPainter::Antialiasing);
    Maler.setBrush(Farbe);
    Maler.setPen(Qt::NoPen);
    Maler.drawEllipse(1, 1, 14, 14);
    Maler.setPen(QPen(Qt::white, 2));
    if (Zeichen == QLatin1String("ok")) {
      Maler.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 5)}));
    } else if (Zeichen == QLatin1String("x")) {
      Maler.drawLine(5, 5, 11, 11);
      Maler.drawLine(11, 5, 5, 11);
    } else {
      QFont Schrift;
      Schrift.setPixelSize(11);
      Schrift.setBold(true);
      Maler.setFont(Schrift);
      Maler.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, Zeichen);
    }
    return QIcon(Bild);
  };
  static const QIcon Korrekt = Zeichnen(QColor(0x1b, 0x7f, 0x2a), QStringLiteral("ok"));
  static const QIcon Berechnet = Zeichnen(QColor(0x2a, 0x5d, 0xb0), QStringLiteral("="));
  static const QIcon Falsch = Zeichnen(QColor(0xc0, 0x1c, 0x28), QStringLiteral("x"));
  static const QIcon Unvollstaendig = Zeichnen(QColor(0xb3, 0x6b, 0x00), QStringLiteral("?"));
  static const QIcon Unbrauchbar = Zeichnen(QColor(0x5e, 0x5c, 0x64), QStringLiteral("!"));
  switch (Art) {
  case TUrteilArt::Korrekt:
    return Korrekt;
  case TUrteilArt::Berechnet:
    return Berechnet;
  case TUrteilArt::Falsch:
    return Falsch;
  case TUrteilArt::Unvollstaendig:
    return Unvollstaendig;
  case TUrteilArt::Unbrauchbar:
    return Unbrauchbar;
  case TUrteilArt::Offen:
    break;
  }
  return {};
}

QColor Hintergrund(TUrteilArt Art)
{
  switch (Art) {
  case TUrteilArt::Falsch:
    return {0xf8, 0xd7, 0xda};
  case TUrteilArt::Unvollstaendig:
    return {0xff, 0xec, 0xc7};
  case TUrteilArt::Unbrauchbar:
    return {0xe4, 0xe3, 0xe8};
  default:
    return {};
  }
}

}  // namespace

QString ZelleAlsText(const std::string& Zelle, TKennung Kennung)
{
  if (Kennung == TKennung::Utf8 || (Kennung == TKennung::Keine && IstMehrbyteUtf8(Zelle)))
    return QString::fromStdString(Zelle);
  return AusCp1252(Zelle);
}

TListenModell::TListenModell(const TWissen& Wissen, QObject* Eltern) : QAbstractTableModel(Eltern), FWissen(Wissen) {}

int TListenModell::rowCount(const QModelIndex& Eltern) const
{
  return Eltern.isValid() ? 0 : static_cast<int>(FZeilen.size());
}

int TListenModell::columnCount(const QModelIndex& Eltern) const
{
  return Eltern.isValid() ? 0 : Benutzerspalten() + Anzahl;
}

QString TListenModell::Text(int ZeilenIndex, int Spalte) const
{
  const TZeile& Z = Zeile(ZeilenIndex);
  if (Spalte < Benutzerspalten())
    return Spalte < Z.Zellen.size() ? Z.Zellen[Spalte] : QString();
  if (Z.Art == TUrteilArt::Offen)
    return Spalte - Benutzerspalten() == Urteil ? QStringLiteral("nicht geprüft") : QString();
  switch (Spalte - Benutzerspalten()) {
  case Gelesen:
    return AusCp1252(Z.Nummer);
  case Angeschrieben:
    return AusCp1252(Z.Angeschrieben);
  case Berechnet:
    return AusCp1252(Z.Berechnet);
  case Urteil:
    return AusCp1252(Z.Urteil);
  case Art:
    return AusCp1252(Z.Wagenart);
  case Land:
    return AusCp1252(Z.Land);
  case Halter:
    return AusCp1252(Z.Halter);
  case Gattung:
    return AusCp1252(Z.Gattung);
  case Doppelt:
    return AusCp1252(DoppelText(Z.Doppelt));
  case Befunde:
    return AusCp1252(Z.Befunde);
  default:
    return {};
  }
}

QVariant TListenModell::data(const QModelIndex& Index, int Rolle) const
{
  if (!Index.isValid())
    return {};
  const TZeile& Z = Zeile(Index.row());
  const int Eigene = Index.column() - Benutzerspalten();
  if (Rolle == Qt::DisplayRole || Rolle == Qt::ToolTipRole || Rolle == Qt::AccessibleTextRole)
    return Text(Index.row(), Index.column());
  if (Rolle == Qt::DecorationRole && Eigene == Urteil)
    return Symbol(Z.Art);
  if (Rolle == Qt::DecorationRole && Eigene == Doppelt && Z.Doppelt.Art != TDoppelArt::Keine)
    return Symbol(TUrteilArt::Unvollstaendig);
  if (Rolle == Qt::BackgroundRole && (Eigene == Urteil || Eigene == Gelesen)) {
    const QColor Farbe = Hintergrund(Z.Art);
    return Farbe.isValid() ? QVariant(QBrush(Farbe)) : QVariant();
  }
  return {};
}

QVariant TListenModell::headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const
{
  if (Rolle != Qt::DisplayRole)
    return {};
  if (Richtung == Qt::Vertical)
    return Abschnitt + 1;
  if (Abschnitt < Benutzerspalten())
    return FKopf[Abschnitt];
  static const QStringList Eigene = {QStringLiteral("Nummer gelesen"), QStringLiteral("Prüfziffer angeschrieben"),
                                     QStringLiteral("Prüfziffer berechnet"), QStringLiteral("Urteil"),
                                     QStringLiteral("Art"), QStringLiteral("Land / Verwaltung"),
                                     QStringLiteral("Halter"), QStringLiteral("Gattung / Baureihe"),
                                     QStringLiteral("Doppelt"), QStringLiteral("Befunde")};
  return Eigene.value(Abschnitt - Benutzerspalten());
}

void TListenModell::Setzen(QStringList Kopf, std::vector<QStringList> Zeilen, int Nummernspalte)
{
  beginResetModel();
  FKopf = std::move(Kopf);
  FNummernspalte = Nummernspalte;
  FZeilen.clear();
  FZeilen.reserve(Zeilen.size());
  for (QStringList& Zellen : Zeilen)
    FZeilen.push_back(TZeile{std::move(Zellen), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 0, {}, {}});
  endResetModel();
}

void TListenModell::Anhaengen(const std::vector<QStringList>& Zeilen)
{
  if (Zeilen.empty())
    return;
  const int Erste = rowCount();
  beginInsertRows({}, Erste, Erste + static_cast<int>(Zeilen.size()) - 1);
  for (const QStringList& Zellen : Zeilen) {
    FZeilen.push_back(TZeile{Zellen, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 0, {}, {}});
    Auswerten(FZeilen.back());
  }
  endInsertRows();
  DoppelteSuchen();
}

QString TListenModell::Nummerntext(int ZeilenIndex) const { return Zeile(ZeilenIndex).Zellen.value(FNummernspalte); }

TErgebnis TListenModell::Auswertung(int ZeilenIndex) const
{
  return ::Auswerten(FWissen, EingabeUmsetzen(Nummerntext(ZeilenIndex).toStdString(), TKennung::Utf8), true);
}

void TListenModell::Auswerten(TZeile& Z) const
{
  const std::string Zelle = Z.Zellen.value(FNummernspalte).toStdString();
  const TErgebnis E = ::Auswerten(FWissen, EingabeUmsetzen(Zelle, TKennung::Utf8), false);
  Z.Befunde.clear();
  Z.Wagenart.clear();
  Z.Land.clear();
  Z.Gattung.clear();
  if (!E.Meldung.empty()) {
    Z.Art = TUrteilArt::Unbrauchbar;
    Z.Urteil = "unbrauchbar";
    Z.Befunde = E.Meldung;
    Z.Nummer = Z.Angeschrieben = Z.Berechnet = Z.Halter = {};
    Z.Schluessel = {};
    return;
  }
  Z.Nummer = E.Nummer;
  Z.Angeschrieben = E.Angeschrieben;
  Z.Berechnet = E.Berechnet;
  Z.Urteil = E.Urteil;
  Z.Halter = E.Halter;
  Z.Abweichungen = E.Abweichungen;
  Z.Art = E.Urteil == "korrekt"     ? TUrteilArt::Korrekt
          : E.Urteil == "berechnet" ? TUrteilArt::Berechnet
          : E.Urteil == "falsch"    ? TUrteilArt::Falsch
                                    : TUrteilArt::Unvollstaendig;
  for (const TBefund& Befund : E.Befunde)
    Z.Befunde += (Z.Befunde.empty() ? "" : " | ") + std::string(Befund.Abweichung ? "Abweichung: " : "Hinweis: ") +
                 Befund.Text;
  const std::string Elf = Ziffern(E.Nummer).substr(0, 11);
  if (!E.Berechnet.empty() && FWissen.MitDaten) {
    const TWagenart Wagenart = ::Wagenart(FWissen.Stammdaten, Elf);
    Z.Wagenart = Wagenart == TWagenart::Gueterwagen      ? "Güterwagen"_cp1252
                 : Wagenart == TWagenart::Reisezugwagen ? "Reisezugwagen"_cp1252
                 : Wagenart == TWagenart::Triebfahrzeug ? E.Spalten[1]
                                                         : std::string();
    Z.Land = E.Spalten[2];
    Z.Gattung = E.Spalten[3];
  }
  Z.Schluessel = {E.Berechnet.empty() ? std::string() : Ziffern(E.Nummer), Zelle};
}

void TListenModell::Auswerten(int Von, int Bis)
{
  for (int I = Von; I < Bis; ++I)
    Auswerten(FZeilen[static_cast<std::size_t>(I)]);
  if (Von < Bis)
    emit dataChanged(index(Von, Benutzerspalten()), index(Bis - 1, columnCount() - 1));
}

void TListenModell::DoppelteSuchen()
{
  std::vector<TSchluessel> Schluessel;
  Schluessel.reserve(FZeilen.size());
  for (const TZeile& Z : FZeilen)
    Schluessel.push_back(Z.Schluessel);
  std::vector<TDoppelt> Doppelte = DoppelteFinden(Schluessel);
  for (std::size_t I = 0; I < FZeilen.size(); ++I) {
    FZeilen[I].Doppelt = std::move(Doppelte[I]);
    ++FZeilen[I].Doppelt.Andere;  // wie die Zeilenkoepfe, ab 1
  }
  if (!FZeilen.empty())
    emit dataChanged(index(0, Benutzerspalten() + Doppelt), index(rowCount() - 1, Benutzerspalten() + Doppelt));
}

void TListenModell::NummerSetzen(int ZeilenIndex, const QString& Nummer)
{
  TZeile& Z = FZeilen[static_cast<std::size_t>(ZeilenIndex)];
  while (Z.Zellen.size() <= FNummernspalte)
    Z.Zellen.append(QString());
  Z.Zellen[FNummernspalte] = Nummer;
  Auswerten(Z);
  emit dataChanged(index(ZeilenIndex, 0), index(ZeilenIndex, columnCount() - 1));
  DoppelteSuchen();
}

bool TListenModell::Auffaellig(int ZeilenIndex) const
{
  const TZeile& Z = Zeile(ZeilenIndex);
  return (Z.Art != TUrteilArt::Korrekt && Z.Art != TUrteilArt::Berechnet) || Z.Abweichungen > 0 ||
         Z.Doppelt.Art != TDoppelArt::Keine;
}

std::vector<std::string> TListenModell::Belegt() const
{
  std::vector<std::string> Nummern;
  for (const TZeile& Z : FZeilen)
    if (!Z.Schluessel.Zwoelf.empty())
      Nummern.push_back(Z.Schluessel.Zwoelf);
  return Nummern;
}

void TListenFilter::NurAuffaelliges(bool Nur)
{
  FNur = Nur;
  invalidateFilter();
}

bool TListenFilter::filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const
{
  Q_UNUSED(Eltern);
  return !FNur || static_cast<const TListenModell*>(sourceModel())->Auffaellig(Zeile);
}
