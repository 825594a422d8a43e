#include "fenster/anwendung.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "fenster/bilder/symbol.h"

void AnwendungEinrichten()
{
  // Name fuer Taskleiste und WM_CLASS; setApplicationDisplayName haengte ihn an die Fensterbeschriftung.
  QCoreApplication::setApplicationName(QStringLiteral("Tandrix 1.0"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.11"));

  // MS Sans Serif gibt es unter Linux nicht; Liberation Sans ist massgleich zu Arial. Sie steht
  // dort vorn, weil jede fehlende Familie davor beim Start eine teure Ersatzsuche kostet.
  // Anwendungsweit, damit auch Menues sie tragen.
  QFont Schrift;
#ifdef Q_OS_WIN
  Schrift.setFamilies(
      {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial")});
#else
  Schrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
#endif
  Schrift.setPointSize(8);
  // Volle Hinting-Stufe: ganze Pixel wie die Bitmap-Schrift des Vorbilds, scharfe Kanten, und
  // jede Glyphe wird nur einmal statt an mehreren Teilpixel-Lagen gerastert.
  Schrift.setHintingPreference(QFont::PreferFullHinting);
  QApplication::setFont(Schrift);

  // Fenstersymbol aus Rohpixeln; groessere Symbole holt die Arbeitsumgebung aus dem Symbolthema.
  QIcon Symbol;
  Symbol.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(Symbol32), 32, 32, QImage::Format_ARGB32)));
  Symbol.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(Symbol48), 48, 48, QImage::Format_ARGB32)));
  QApplication::setWindowIcon(Symbol);
}
