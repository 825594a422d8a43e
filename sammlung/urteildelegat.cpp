#include "sammlung/urteildelegat.h"

#include "sammlung/listenmodell.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon Zeichnen(const QColor& Farbe, const QString& Zeichen)
{
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
}

}  // namespace

QColor UrteilFarbe(TUrteilArt Art)
{
  // scripts/sammlung-ansehen sucht die Farben von korrekt und falsch, unvollstaendig oder berechnet im Bild.
  switch (Art) {
    case TUrteilArt::Korrekt:
      return {0x1b, 0x7f, 0x2a};
    case TUrteilArt::Berechnet:
      return {0x2a, 0x5d, 0xb0};
    case TUrteilArt::Falsch:
      return {0xc0, 0x1c, 0x28};
    case TUrteilArt::Unvollstaendig:
      return {0xb3, 0x6b, 0x00};
    case TUrteilArt::Unbrauchbar:
      return {0x5e, 0x5c, 0x64};
    case TUrteilArt::Offen:
      break;
  }
  return {};
}

QIcon UrteilSymbol(TUrteilArt Art)
{
  static const QIcon Korrekt = Zeichnen(UrteilFarbe(TUrteilArt::Korrekt), QStringLiteral("ok"));
  static const QIcon Berechnet = Zeichnen(UrteilFarbe(TUrteilArt::Berechnet), QStringLiteral("="));
  static const QIcon Falsch = Zeichnen(UrteilFarbe(TUrteilArt::Falsch), QStringLiteral("x"));
  static const QIcon Unvollstaendig = Zeichnen(UrteilFarbe(TUrteilArt::Unvollstaendig), QStringLiteral("?"));
  static const QIcon Unbrauchbar = Zeichnen(UrteilFarbe(TUrteilArt::Unbrauchbar), QStringLiteral("!"));
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

QColor UrteilToenung(TUrteilArt Art, const QPalette& Palette)
{
  const QColor Farbe = UrteilFarbe(Art);
  if (!Farbe.isValid())
    return {};
  const QColor Grund = Palette.color(QPalette::Base);
  // Auf dunklem Grund deckt die Farbe etwas mehr, sonst saehe man sie kaum; der Text bleibt
  // in beiden Faellen nahe an seinem Kontrast (gemessen am Bild, docs/sammlung.png).
  const bool Dunkel = Grund.lightnessF() < 0.5;
  const double Anteil = Art == TUrteilArt::Korrekt ? (Dunkel ? 0.16 : 0.10) : (Dunkel ? 0.30 : 0.18);
  const auto Mischen = [&](int G, int F) { return static_cast<int>(G + (F - G) * Anteil); };
  return {Mischen(Grund.red(), Farbe.red()), Mischen(Grund.green(), Farbe.green()),
          Mischen(Grund.blue(), Farbe.blue())};
}

void TUrteilDelegat::SpaltenSetzen(int Urteil, int Doppelt)
{
  FUrteil = Urteil;
  FDoppelt = Doppelt;
}

void TUrteilDelegat::initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const
{
  QStyledItemDelegate::initStyleOption(Option, Index);
  const auto Art = static_cast<TUrteilArt>(Index.data(TListenModell::ArtRolle).toInt());
  if (const QColor Toenung = UrteilToenung(Art, Option->palette); Toenung.isValid())
    Option->backgroundBrush = Toenung;
  const bool Doppelt = Index.column() == FDoppelt && !Index.data().toString().isEmpty();
  const QIcon Symbol = Index.column() == FUrteil ? UrteilSymbol(Art)
                       : Doppelt                 ? UrteilSymbol(TUrteilArt::Unvollstaendig)
                                                 : QIcon();
  if (!Symbol.isNull()) {
    Option->icon = Symbol;
    Option->features |= QStyleOptionViewItem::HasDecoration;
    Option->decorationSize = QSize(16, 16);
  }
}
