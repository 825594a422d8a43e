#include "sammlung/listenmodell.h"

#include "auswertung/eingabe.h"
#include "nummer/wageninfo.h"
#include "oberflaeche/umwandlung.h"

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

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

TZeile NeueZeile(QStringList Zellen)
{
  TZeile Zeile;
  Zeile.Zellen = std::move(Zellen);
  return Zeile;
}

QString Gekuerzt(const QString& Text, qsizetype Hoechstens)
{
  if (Text.size() <= Hoechstens)
    return Text;
  // kein halbes Zeichen am Ende
  const qsizetype Bis = Text[Hoechstens - 1].isHighSurrogate() ? Hoechstens - 1 : Hoechstens;
  return Text.left(Bis) + QChar(0x2026);
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

QStringList BefundTexte(const std::vector<TLeseBefund>& Befunde)
{
  QStringList Texte;
  for (const TLeseBefund& Befund : Befunde)
    Texte << QStringLiteral("Zeile %1: %2").arg(Befund.Zeile).arg(AusCp1252(Befund.Text));
  return Texte;
}

TTextListe ListeAlsText(std::string_view Bytes, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch)
{
  TListenErgebnis Gelesen = ListeLesen(Bytes, Vorgabe);
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
  const auto Gemeinsam = [](const std::string* Text) { return Text ? AusCp1252(*Text) : QString(); };
  const auto Ziffer = [](char Zeichen) { return Zeichen ? QString(QChar(Zeichen)) : QString(); };
  switch (Spalte - Benutzerspalten()) {
    case Gelesen:
      return Z.Ziffern.size() == 12 ? AusCp1252(NummerGegliedert(Z.Ziffern)) : AusCp1252(Z.Ziffern);
    case Angeschrieben:
      return Ziffer(Z.Angeschrieben);
    case Berechnet:
      return Ziffer(Z.Berechnet);
    case Urteil: {
      static const QStringList Urteile = {QStringLiteral("nicht geprüft"), QStringLiteral("korrekt"),
                                          QStringLiteral("berechnet"),     QStringLiteral("falsch"),
                                          QStringLiteral("unvollständig"), QStringLiteral("unbrauchbar")};
      return Urteile[static_cast<int>(Z.Art)];
    }
    case Art:
      return Gemeinsam(Z.Wagenart);
    case Land:
      return Gemeinsam(Z.Land);
    case Halter:
      return Gemeinsam(Z.Halter);
    case Gattung:
      return Gemeinsam(Z.Gattung);
    case Doppelt:
      return AusCp1252(DoppelText(DoppeltZu(ZeilenIndex)));
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
  // Gezeigt wird ein Anfang begrenzter Laenge: eine Zelle von 10 MB formte die Tabelle sonst bei
  // jedem Zeichnen ganz (Sekunden je Bild). Im Modell und beim Speichern bleibt der ganze Text.
  if (Rolle == Qt::DisplayRole)
    return Gekuerzt(Text(Index.row(), Index.column()), 300);
  if (Rolle == Qt::ToolTipRole || Rolle == Qt::AccessibleTextRole)
    return Gekuerzt(Text(Index.row(), Index.column()), 2000);
  if (Rolle == Qt::DecorationRole && Eigene == Urteil)
    return Symbol(Z.Art);
  if (Rolle == Qt::DecorationRole && Eigene == Doppelt && Z.DoppelArt != TDoppelArt::Keine)
    return Symbol(TUrteilArt::Unvollstaendig);
  if (Rolle == Qt::BackgroundRole && (Eigene == Urteil || Eigene == Gelesen)) {
    const QColor Farbe = Hintergrund(Z.Art);
    return Farbe.isValid() ? QVariant(QBrush(Farbe)) : QVariant();
  }
  return {};
}

QVariant TListenModell::headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const
{
  if (Rolle == Qt::ToolTipRole && Richtung == Qt::Horizontal && Abschnitt >= Benutzerspalten()) {
    static const QStringList Erklaerungen = {
        QStringLiteral("Die Nummer, wie Tandrix sie gelesen hat, gegliedert"),
        QStringLiteral("Prüfziffer, wie sie auf dem Wagen steht"),
        QStringLiteral("Prüfziffer, aus den ersten 11 Ziffern berechnet"),
        QStringLiteral("korrekt, falsch, berechnet (11 Ziffern), unvollständig (mit ?) oder unbrauchbar"),
        QStringLiteral("Güterwagen, Reisezugwagen oder Art des Triebfahrzeugs"),
        QStringLiteral("Land bzw. Eigentumsverwaltung (Stellen 3–4)"),
        QStringLiteral("Halter laut Anschrift und Halterregister"),
        QStringLiteral("Wagengattung bzw. Baureihe"),
        QStringLiteral("Zeile mit denselben 11 Ziffern"),
        QStringLiteral("Abweichungen der Anschrift und Hinweise")};
    return Erklaerungen.value(Abschnitt - Benutzerspalten());
  }
  if (Rolle != Qt::DisplayRole)
    return {};
  if (Richtung == Qt::Vertical)
    return Abschnitt + 1;
  if (Abschnitt < Benutzerspalten())
    return FKopf[Abschnitt];
  static const QStringList Eigene = {QStringLiteral("Nummer gelesen"),
                                     QStringLiteral("Prüfziffer"),
                                     QStringLiteral("berechnet"),
                                     QStringLiteral("Urteil"),
                                     QStringLiteral("Art"),
                                     QStringLiteral("Land / Verwaltung"),
                                     QStringLiteral("Halter"),
                                     QStringLiteral("Gattung / Baureihe"),
                                     QStringLiteral("Doppelt"),
                                     QStringLiteral("Befunde")};
  return Eigene.value(Abschnitt - Benutzerspalten());
}

void TListenModell::Setzen(QStringList Kopf, std::vector<QStringList> Zeilen, int Nummernspalte)
{
  beginResetModel();
  FKopf = std::move(Kopf);
  FNummernspalte = Nummernspalte;
  FZeilen.clear();
  FTexte.clear();
  FZeilen.reserve(Zeilen.size());
  for (QStringList& Zellen : Zeilen)
    FZeilen.push_back(NeueZeile(std::move(Zellen)));
  FSuche = {};
  FDoppelteBis = 0;
  FDoppelteAktuell = FZeilen.empty();
  endResetModel();
}

void TListenModell::Anhaengen(const std::vector<QStringList>& Zeilen)
{
  if (Zeilen.empty())
    return;
  const int Erste = rowCount();
  beginInsertRows({}, Erste, Erste + static_cast<int>(Zeilen.size()) - 1);
  for (const QStringList& Zellen : Zeilen) {
    FZeilen.push_back(NeueZeile(Zellen));
    Auswerten(FZeilen.back());
  }
  endInsertRows();
  DoppelteSuchen();
}

void TListenModell::AnhaengenOffen(std::vector<QStringList> Zeilen)
{
  if (Zeilen.empty())
    return;
  const int Erste = rowCount();
  beginInsertRows({}, Erste, Erste + static_cast<int>(Zeilen.size()) - 1);
  for (QStringList& Zellen : Zeilen)
    FZeilen.push_back(NeueZeile(std::move(Zellen)));
  endInsertRows();
  // Die Suche Zeile fuer Zeile ist nach dem Ende der letzten Pruefung leer: danach gilt erst
  // wieder die Suche ueber die ganze Liste.
  FSuche = {};
  FDoppelteBis = -1;
  FDoppelteAktuell = false;
}

QString TListenModell::Nummerntext(int ZeilenIndex) const { return Zeile(ZeilenIndex).Zellen.value(FNummernspalte); }

TErgebnis TListenModell::Auswertung(int ZeilenIndex) const { return AuswertungVon(Zeile(ZeilenIndex), true); }

// Die eine Auswertung einer Zeile: die Nummernspalte, die uebrigen Zellen als Kontext.
TErgebnis TListenModell::AuswertungVon(const TZeile& Z, bool Erklaeren) const
{
  TListe Form;
  Form.Kennung = TKennung::Utf8;
  Form.Nummernspalte = static_cast<std::size_t>(FNummernspalte);
  for (const QString& Name : FKopf)
    Form.Kopf.push_back(Name.toStdString());
  TFelder Felder;
  for (const QString& Zelle : Z.Zellen)
    Felder.push_back(Zelle.toStdString());
  return ZelleAuswerten(FWissen, Z.Zellen.value(FNummernspalte).toStdString(), TKennung::Utf8, Erklaeren,
                        KontextDerZeile(Felder, Form));
}

const std::string* TListenModell::Geteilt(const std::string& Text)
{
  return Text.empty() ? nullptr : &*FTexte.insert(Text).first;
}

namespace {

TUrteilArt ArtVon(TUrteil Urteil)
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

}  // namespace

void TListenModell::Auswerten(TZeile& Z)
{
  const TErgebnis E = AuswertungVon(Z, false);
  Z = NeueZeile(std::move(Z.Zellen));
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
  Z.Art = ArtVon(E.Urteil);
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

std::string TListenModell::Zwoelf(int ZeilenIndex) const
{
  const TZeile& Z = Zeile(ZeilenIndex);
  return Z.Berechnet != 0 && Z.Ziffern.size() == 12 ? Z.Ziffern : std::string();
}

TDoppelt TListenModell::DoppeltZu(int ZeilenIndex) const
{
  const TZeile& Z = Zeile(ZeilenIndex);
  if (Z.DoppelArt == TDoppelArt::Keine)
    return {};
  const int Andere = static_cast<int>(Z.DoppelAndere) - 1;
  return {Z.DoppelArt, Z.DoppelAndere, {Zwoelf(Andere), Nummerntext(Andere).toStdString()}};
}

void TListenModell::Auswerten(int Von, int Bis)
{
  if (Von >= Bis)
    return;
  for (int I = Von; I < Bis; ++I)
    Auswerten(FZeilen[static_cast<std::size_t>(I)]);
  FDoppelteAktuell = false;
  if (FDoppelteBis == Von) {
    // wie DoppelteFinden, nur in Teilen: eine spaetere Zeile aendert hoechstens die erste ihrer Gruppe
    for (int I = Von; I < Bis; ++I) {
      TZeile& Z = FZeilen[static_cast<std::size_t>(I)];
      const TDoppelt Neu = FSuche.Anmelden(static_cast<std::size_t>(I), {Zwoelf(I), Nummerntext(I).toStdString()});
      Z.DoppelArt = Neu.Art;
      Z.DoppelAndere = static_cast<std::uint32_t>(Neu.Andere + 1);
      TZeile& Erste = FZeilen[Neu.Andere];
      if (Neu.Art != TDoppelArt::Keine && Erste.DoppelArt == TDoppelArt::Keine) {
        Erste.DoppelArt = Neu.Art;
        Erste.DoppelAndere = static_cast<std::uint32_t>(I + 1);
        const QModelIndex Zelle = index(static_cast<int>(Neu.Andere), Benutzerspalten() + Doppelt);
        emit dataChanged(Zelle, Zelle);
      }
    }
    FDoppelteBis = Bis;
    FDoppelteAktuell = Bis == rowCount();
    if (FDoppelteAktuell)
      FSuche = {};
  }
  emit dataChanged(index(Von, Benutzerspalten()), index(Bis - 1, columnCount() - 1));
}

void TListenModell::DoppelteSuchen()
{
  std::vector<TSchluessel> Schluessel;
  Schluessel.reserve(FZeilen.size());
  for (int I = 0; I < rowCount(); ++I)
    Schluessel.push_back({Zwoelf(I), Nummerntext(I).toStdString()});
  const std::vector<TDoppelt> Doppelte = DoppelteFinden(Schluessel);
  for (std::size_t I = 0; I < FZeilen.size(); ++I) {
    FZeilen[I].DoppelArt = Doppelte[I].Art;
    FZeilen[I].DoppelAndere = static_cast<std::uint32_t>(Doppelte[I].Andere + 1);
  }
  FSuche = {};
  FDoppelteBis = -1;
  FDoppelteAktuell = true;
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
         Z.DoppelArt != TDoppelArt::Keine;
}

std::vector<std::string> TListenModell::Belegt() const
{
  std::vector<std::string> Nummern;
  for (int I = 0; I < rowCount(); ++I)
    if (std::string Nummer = Zwoelf(I); !Nummer.empty())
      Nummern.push_back(std::move(Nummer));
  return Nummern;
}

void TListenFilter::NurAuffaelliges(bool Nur)
{
  FNur = Nur;
  invalidateFilter();
}

void TListenFilter::Anhalten()
{
  FAngehalten = true;
  QSortFilterProxyModel::sort(-1);
}

void TListenFilter::Fortsetzen()
{
  FAngehalten = false;
  // Erst filtern, solange unsortiert (keine Vergleiche), dann einmal sortieren.
  invalidateFilter();
  sort(FSpalte, FOrdnung);
}

void TListenFilter::sort(int Spalte, Qt::SortOrder Ordnung)
{
  FSpalte = Spalte;
  FOrdnung = Ordnung;
  if (FAngehalten)
    return;
  const auto* Modell = static_cast<const TListenModell*>(sourceModel());
  // Die Spalten des Benutzers liegen schon als Text vor; nur die berechneten lohnen den Vorrat.
  if (Modell && Spalte >= Modell->Benutzerspalten()) {
    FSchluessel.resize(static_cast<std::size_t>(Modell->rowCount()));
    for (int Zeile = 0; Zeile < Modell->rowCount(); ++Zeile)
      FSchluessel[static_cast<std::size_t>(Zeile)] = Modell->Text(Zeile, Spalte);
  }
  QSortFilterProxyModel::sort(Spalte, Ordnung);
  FSchluessel.clear();
  FSchluessel.shrink_to_fit();
}

bool TListenFilter::lessThan(const QModelIndex& Links, const QModelIndex& Rechts) const
{
  const auto* Modell = static_cast<const TListenModell*>(sourceModel());
  const auto Text = [&](const QModelIndex& Index) {
    return FSchluessel.empty() ? Modell->Text(Index.row(), Index.column())
                               : FSchluessel[static_cast<std::size_t>(Index.row())];
  };
  return Text(Links).compare(Text(Rechts), sortCaseSensitivity()) < 0;
}

bool TListenFilter::filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const
{
  Q_UNUSED(Eltern);
  return !FNur || static_cast<const TListenModell*>(sourceModel())->Auffaellig(Zeile);
}
