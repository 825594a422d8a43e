#include "sammlung/listenmodell.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"

#include <algorithm>

namespace {

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

}  // namespace

TListenModell::TListenModell(const TWissen& Wissen, QObject* Eltern) : QAbstractTableModel(Eltern), FPruefung(Wissen) {}

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
  // Gezeigt wird ein Anfang begrenzter Laenge: eine Zelle von 10 MB formte die Tabelle sonst bei
  // jedem Zeichnen ganz (Sekunden je Bild). Im Modell und beim Speichern bleibt der ganze Text.
  if (Rolle == Qt::DisplayRole)
    return Gekuerzt(Text(Index.row(), Index.column()), 300);
  if (Rolle == Qt::ToolTipRole || Rolle == Qt::AccessibleTextRole)
    return Gekuerzt(Text(Index.row(), Index.column()), 2000);
  if (Rolle == ArtRolle)
    return static_cast<int>(Z.Art);
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

void TListenModell::Setzen(QStringList Kopf, std::vector<QStringList> Zeilen, int Nummernspalte,
                           const std::vector<bool>& AlsZahl)
{
  beginResetModel();
  FKopf = std::move(Kopf);
  FNummernspalte = Nummernspalte;
  FZeilen.clear();
  FPruefung.Leeren();
  FZeilen.reserve(Zeilen.size());
  for (QStringList& Zellen : Zeilen) {
    FZeilen.push_back(NeueZeile(std::move(Zellen)));
    FZeilen.back().AlsZahl = FZeilen.size() <= AlsZahl.size() && AlsZahl[FZeilen.size() - 1];
  }
  FDoppelte.Neu(FZeilen.empty());
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
    FPruefung.Pruefen(FZeilen.back(), FKopf, FNummernspalte);
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
  FDoppelte.Unterbrechen();
}

QString TListenModell::Nummerntext(int ZeilenIndex) const { return Zeile(ZeilenIndex).Zellen.value(FNummernspalte); }

TErgebnis TListenModell::Auswertung(int ZeilenIndex) const
{
  const TZeile& Z = Zeile(ZeilenIndex);
  return ZeileAuswerten(FPruefung.Wissen(), FKopf, Z.Zellen, FNummernspalte, true, Z.AlsZahl);
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
    FPruefung.Pruefen(FZeilen[static_cast<std::size_t>(I)], FKopf, FNummernspalte);
  const auto Schluessel = [this](int I) { return SchluesselVon(I); };
  for (const int Erste : FDoppelte.Anmelden(FZeilen, Von, Bis, Schluessel)) {
    const QModelIndex Zelle = index(Erste, Benutzerspalten() + Doppelt);
    emit dataChanged(Zelle, Zelle);
  }
  emit dataChanged(index(Von, Benutzerspalten()), index(Bis - 1, columnCount() - 1));
}

void TListenModell::DoppelteSuchen()
{
  FDoppelte.Ganz(FZeilen, [this](int I) { return SchluesselVon(I); });
  if (!FZeilen.empty())
    emit dataChanged(index(0, Benutzerspalten() + Doppelt), index(rowCount() - 1, Benutzerspalten() + Doppelt));
}

void TListenModell::NummerSetzen(int ZeilenIndex, const QString& Nummer)
{
  TZeile& Z = FZeilen[static_cast<std::size_t>(ZeilenIndex)];
  while (Z.Zellen.size() <= FNummernspalte)
    Z.Zellen.append(QString());
  Z.Zellen[FNummernspalte] = Nummer;
  Z.AlsZahl = false;
  FPruefung.Pruefen(Z, FKopf, FNummernspalte);
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
