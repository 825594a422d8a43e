#include "fenster/anwendung.h"

#include "version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void AnwendungEinrichten()
{
  // Name fuer Taskleiste und WM_CLASS; setApplicationDisplayName haengte ihn an die Fensterbeschriftung.
  QCoreApplication::setApplicationName(QStringLiteral("Tandrix 1.0"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TANDRIX_VERSION));

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
  // Lateinische Schrift ohne Unterschneidung und Ligaturen, wie Windows sie in Dialogen setzt:
  // Qt nimmt dann die Glyphen direkt statt ueber HarfBuzz, was beim Start 0,5 ms spart. Und
  // ohne Ersatzschriften: Tandrix zeigt nur Zeichen aus Windows-1252, und die hat jede der
  // Schriften oben; so entfaellt beim Start die Suche nach Ersatzschriften (0,3 ms).
  Schrift.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoFontMerging));
  QApplication::setFont(Schrift);

  // Fenstersymbol; groessere Symbole holt die Arbeitsumgebung aus dem Symbolthema. Die
  // Ressourcen einer statischen Bibliothek muessen ausdruecklich angemeldet werden.
  Q_INIT_RESOURCE(bilder);
  QIcon Symbol;
  Symbol.addFile(QStringLiteral(":/symbol/32.png"));
  Symbol.addFile(QStringLiteral(":/symbol/48.png"));
  QApplication::setWindowIcon(Symbol);
}
