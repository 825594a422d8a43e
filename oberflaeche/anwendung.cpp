#include "oberflaeche/anwendung.h"

#include "version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>
#include <QTranslator>

#include <algorithm>
#include <cstring>

namespace {

// Ein Standardsymbol, das erst beim ersten Zeichnen geladen wird. Das Laden weckt die
// Bildformat-Erweiterungen von Qt: 2,3 Mio. Instruktionen, 0,045 des Startverhaeltnisses, fuer
// einen Knopf, den man fast nie sieht (die Menueleiste zeigt ihn nur, wenn sie zu schmal ist).
class TSpaetesSymbol : public QIconEngine {
public:
  TSpaetesSymbol(QStyle* Stil, QStyle::StandardPixmap Art) : FStil(Stil), FArt(Art) {}

  void paint(QPainter* Maler, const QRect& Rahmen, QIcon::Mode Modus, QIcon::State Zustand) override
  {
    Symbol().paint(Maler, Rahmen, Qt::AlignCenter, Modus, Zustand);
  }
  QPixmap pixmap(const QSize& Groesse, QIcon::Mode Modus, QIcon::State Zustand) override
  {
    return Symbol().pixmap(Groesse, Modus, Zustand);
  }
  QSize actualSize(const QSize& Groesse, QIcon::Mode Modus, QIcon::State Zustand) override
  {
    return Symbol().actualSize(Groesse, Modus, Zustand);
  }
  QIconEngine* clone() const override { return new TSpaetesSymbol(FStil, FArt); }

private:
  const QIcon& Symbol()
  {
    if (FSymbol.isNull() && FStil)
      FSymbol = FStil->standardIcon(FArt);
    return FSymbol;
  }

  QPointer<QStyle> FStil;
  QStyle::StandardPixmap FArt;
  QIcon FSymbol;
};

// Der Stil des Systems, nur mit dem Erweiterungsknopf der Menueleiste als spaetem Symbol.
class TStil : public QProxyStyle {
public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap Art, const QStyleOption* Option, const QWidget* Widget) const override
  {
    if (Art == SP_ToolBarHorizontalExtensionButton)
      return QIcon(new TSpaetesSymbol(baseStyle(), Art));
    return QProxyStyle::standardIcon(Art, Option, Widget);
  }
};

}  // namespace

void AnwendungEinrichten()
{
  // Name fuer Taskleiste und WM_CLASS; setApplicationDisplayName haengte ihn an die Fensterbeschriftung.
  QCoreApplication::setApplicationName(QStringLiteral("Tandrix 1.0"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TANDRIX_VERSION));

  // Qts eigene Texte (Kontextmenue der Eingabefelder, "Strg" in Tastenkuerzeln) auf Deutsch wie
  // das ganze Fenster: unter Windows liegt die Uebersetzung neben dem Programm, unter Debian
  // bei Qt (qt6-translations-l10n).
  auto* Uebersetzung = new QTranslator(QCoreApplication::instance());
  if (Uebersetzung->load(QStringLiteral("qtbase_de"),
                         QCoreApplication::applicationDirPath() + QStringLiteral("/translations")) ||
      Uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(Uebersetzung);

  // MS Sans Serif gibt es unter Linux nicht; Liberation Sans ist massgleich zu Arial. Sie steht
  // dort vorn, weil jede fehlende Familie davor beim Start eine teure Ersatzsuche kostet.
  // Anwendungsweit, damit auch Menues sie tragen.
  QFont Schrift;
#ifdef Q_OS_WIN
  // Unter Windows die Schrift des Vorbilds; Wine hat sie nicht und nimmt die massgleiche Liberation Sans.
  Schrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans")});
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

  // Fenstersymbol als rohe Pixel (ARGB32): ein PNG weckte die Bildformat-Erweiterungen, und das
  // kostete zusammen mit dem Stil unten 2,9 Mio. Instruktionen (0,057 des Startverhaeltnisses).
  // Groessere Symbole holt die Arbeitsumgebung aus dem Symbolthema. Die Ressourcen einer
  // statischen Bibliothek muessen ausdruecklich angemeldet werden.
  Q_INIT_RESOURCE(bilder);
  QIcon Symbol;
  for (const int Groesse : {32, 48}) {
    const QByteArray Pixel = QResource(QStringLiteral(":/symbol/%1.bgra").arg(Groesse)).uncompressedData();
    QImage Bild(Groesse, Groesse, QImage::Format_ARGB32);
    std::memcpy(Bild.bits(), Pixel.constData(), static_cast<std::size_t>(std::min(Pixel.size(), Bild.sizeInBytes())));
    Symbol.addPixmap(QPixmap::fromImage(Bild));
  }
  QApplication::setWindowIcon(Symbol);

  // Um den Stil, den Qt gewaehlt hat (auch per -style oder QT_STYLE_OVERRIDE); der Proxy uebernimmt
  // ihn, die Anwendung den Proxy.
  // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): die Pruefung kennt diese Uebergabe nicht
  QApplication::setStyle(new TStil(QApplication::style()));
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
