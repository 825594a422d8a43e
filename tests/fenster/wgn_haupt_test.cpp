#include "fenster/wgn_haupt.h"
#include "fenster/kontakt.h"
#include "nummer/stammdaten.h"
#include "oberflaeche/anwendung.h"
#include "oberflaeche/umwandlung.h"
#include "version.h"
#include "zeichen/zeichensatz.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <memory>
#include <string>

// Faengt die Links ab, damit kein Mailprogramm und kein Browser startet.
class TLinkFaenger : public QObject {
  Q_OBJECT
public:
  QList<QUrl> Adressen;
public slots:
  void Oeffnen(const QUrl& Adresse) { Adressen << Adresse; }
};

class TForm1Test : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void cleanup();

  void Fenster();
  void Steuerelement_data();
  void Steuerelement();
  void BeschriftungenUeberlappenNicht();
  void LinkLiegtUeberDerAnschrift();
  void SchriftUndMenue();
  void Tabreihenfolge();
  void AnfangsFokus();
  void GroesseAendernVerschiebtNurStatusleiste();

  void Laengengrenze_data();
  void Laengengrenze();
  void Einfuegen_data();
  void Einfuegen();
  void FremdeZeichenWerdenFragezeichen_data();
  void FremdeZeichenWerdenFragezeichen();

  void PersonenwagenZifferFuerZiffer();
  void LoeschenBehaeltErgebnis();
  void GueterwagenFokusFolge();
  void GueterwagenErstesFeldZuletzt();
  void SchemataSchliessenSichAus();
  void NummerImFalschenSchemaZaehltNachDaten();
  void KontrollfelderSindKopierbar();

  void Links_data();
  void Links();
  void EinfacherKlickAufStatusleisteTutNichts();
  void SchmalerAlsDieStatuszeile();
  void QtTexteAufDeutsch();

  void OhneDatendatei();
  void DatentexteBleibenKlartext();
  void GattungstexteDerDatenPassenInsFeld();

private:
  QLineEdit* Feld(const char* Name) const { return Form->findChild<QLineEdit*>(Name); }
  QLabel* Label(const char* Name) const { return Form->findChild<QLabel*>(Name); }
  // Jede Taste an das Feld, das gerade den Fokus hat, wie beim Tippen.
  static void Tippen(const QString& Text)
  {
    for (const QChar Zeichen : Text)
      QTest::keyClick(QApplication::focusWidget(), Zeichen.toLatin1());
  }
  static void Senden(QWidget* Ziel, const QString& Zeichen)
  {
    QTest::sendKeyEvent(QTest::Click, Ziel, Qt::Key_unknown, Zeichen, Qt::NoModifier);
  }
  void NeuesFenster(const std::filesystem::path& Datei);

  QTemporaryDir Verzeichnis;
  std::filesystem::path Datendatei;
  std::unique_ptr<TForm1> Form;
  TLinkFaenger Links_;
};

namespace {
QtMessageHandler BisherigeAusgabe = nullptr;

// Die offscreen-Plattform meldet bei jedem Hauptfenster eine fehlende Faehigkeit; das ist kein Befund.
void OhneOffscreenRauschen(QtMsgType Art, const QMessageLogContext& Ort, const QString& Text)
{
  if (!Text.contains(QStringLiteral("propagateSizeHints")))
    BisherigeAusgabe(Art, Ort, Text);
}
}  // namespace

void TForm1Test::initTestCase()
{
  BisherigeAusgabe = qInstallMessageHandler(OhneOffscreenRauschen);
  AnwendungEinrichten();
  QVERIFY(Verzeichnis.isValid());
  Datendatei = std::filesystem::path(Verzeichnis.filePath("Wagen.ebb").toStdString());
  // Windows-1252 wie die ausgelieferte Datei
  const std::string Inhalt =
      "[Version]\r\nVersion=Test 1\r\n"
      "[Wagentyp]\r\n3=G\r\n2=G\r\n5=R\r\n6=R\r\n"
      "[Eigentumsmerkmal]\r\n1=Bahnwagen\r\n"
      "[RIV-Merkmal]\r\n3=RIV\r\n"
      "[Austausch]\r\n31=TEN-RIV\r\n50=RIC\r\n"
      "[Bahnen]\r\n80=Deutschland\r\n81=Österreich (ÖBB)\r\n"_cp1252
      "[Wagengattung]\r\n6652=Fals\r\n3=1./2. Klasse\r\n2=2. Klasse\r\n"
      "[Abteile]\r\n1=11 Abteile\r\n";
  std::ofstream(Datendatei, std::ios::binary) << Inhalt;
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &Links_, "Oeffnen");
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &Links_, "Oeffnen");
}

void TForm1Test::cleanupTestCase()
{
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TForm1Test::NeuesFenster(const std::filesystem::path& Datei)
{
  Form = std::make_unique<TForm1>(Datei);
  Form->show();
  Form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
}

void TForm1Test::init()
{
  Links_.Adressen.clear();
  NeuesFenster(Datendatei);
}

void TForm1Test::cleanup() { Form.reset(); }

// ---------------------------------------------------------------- Aufbau

void TForm1Test::Fenster()
{
  QCOMPARE(Form->objectName(), QStringLiteral("Form1"));
  QCOMPARE(Form->windowTitle(), QStringLiteral("Tandrix 1.1 - \u00dcberpr\u00fcfung von Wagen-Computernummern"));
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tandrix 1.0"));
  QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(TANDRIX_VERSION));
  QCOMPARE(Form->pos(), QPoint(211, 179));
  const int Menue = Form->menuBar()->height();
  QCOMPARE(Form->centralWidget()->geometry(), QRect(0, Menue, 794, 387));
  QCOMPARE(Form->statusBar()->geometry(), QRect(0, Menue + 387, 794, 19));
  QCOMPARE(Form->height() - Menue, 406);
  QVERIFY(Form->statusBar()->isSizeGripEnabled());
  QCOMPARE(Form->windowIcon().pixmap(32, 32).toImage().pixel(3, 0), 0xff0f1f3fu);  // Byte-Reihenfolge der Rohpixel
  QVERIFY(!Form->windowIcon().isNull());
  QVERIFY(Form->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TForm1Test::Steuerelement_data()
{
  QTest::addColumn<QString>("Name");
  QTest::addColumn<QRect>("Lage");  // Breite/Hoehe -1: passt sich dem Text an
  QTest::addColumn<QString>("Text");

  const auto L = [](const char* Name, int X, int Y, int B, int H, const QString& Text) {
    QTest::newRow(Name) << QString::fromLatin1(Name) << QRect(X, Y, B, H) << Text;
  };
  L("Label8", 6, 4, -1, -1, QStringLiteral("Version Daten: Test 1"));
  L("Label1", 8, 24, -1, -1, QStringLiteral("Bitte geben Sie die 11stellige Wagennummer ein (ohne Pr\u00fcfziffer):"));
  L("Label3", 8, 40, -1, -1, QStringLiteral("Schema f\u00fcr Personenwagen:"));
  L("Personennummer", 8, 56, 81, 21, QString());
  L("Label2", 96, 60, -1, -1, QStringLiteral("-"));
  L("Personenkontr", 104, 56, 25, 21, QString());
  L("Label9", 152, 72, 417, 81,
    QStringLiteral("HINWEIS: Sollte die Pr\u00fcfziffer des Modells von der richtigen Pr\u00fcfziffer abweichen, muss "
                   "dieses nicht auf einem Fehler des Modellherstellers beruhen. Es sind beim Original "
                   "Fehlbeschriftungen belegt, die dann u. U. auch auf das Modell \u00fcbertragen wurden."));
  L("Label4", 8, 88, -1, -1, QStringLiteral("Schema f\u00fcr G\u00fcterwagen:"));
  L("Gueternummer1", 8, 104, 25, 21, QString());
  L("Gueternummer2", 8, 128, 25, 21, QString());
  L("Gueternummer3", 8, 152, 81, 21, QString());
  L("Label5", 96, 156, -1, -1, QStringLiteral("-"));
  L("Gueterkontr", 104, 152, 25, 21, QString());
  L("Label6", 8, 184, -1, -1, QStringLiteral("Informationen zu diesem Wagen:"));
  L("EigentumsmerkmalT", 16, 200, -1, -1, QStringLiteral("Eigentumsmerkmal:"));
  L("Eigentumsmerkmal", 136, 200, -1, -1, QString());
  L("AustauschverfahrenT", 16, 216, -1, -1, QStringLiteral("Austauschverfahren:"));
  L("Austauschverfahren", 136, 216, -1, -1, QString());
  L("EigentumsverwaltungT", 16, 232, -1, -1, QStringLiteral("Eigentumsverwaltung:"));
  L("Eigentumsverwaltung", 136, 232, -1, -1, QString());
  L("WagengattungT", 16, 248, -1, -1, QStringLiteral("Wagengattung*:"));
  L("Wagengattung", 136, 248, 649, 49, QString());
  L("GeschwindigkeitT", 16, 288, -1, -1, QStringLiteral("H\u00f6chstgeschwindigkeit:"));
  L("Geschwindigkeit", 136, 288, -1, -1, QString());
  L("Label7", 32, 320, 729, 33, QString());
  L("Label10", 32, 352, -1, -1,
    QStringLiteral(
        "Wenn Sie dieses Programm n\u00fctzlich finden, bitte ich Sie, mir eine Postkarte oder eine Email (an: ") +
        Kontakt::EMail + QStringLiteral(") zu senden. Vielen Dank!"));
  L("Label18", 32, 368, -1, -1,
    QStringLiteral("*Hinweis: Die Wagengattung gilt bei G\u00fcterwagen nur f\u00fcr Wagen der DB und kann bei anderen "
                   "Bahngesellschaften abweichen!"));
}

void TForm1Test::Steuerelement()
{
  QFETCH(QString, Name);
  QFETCH(QRect, Lage);
  QFETCH(QString, Text);
  auto* Element = Form->findChild<QWidget*>(Name);
  QVERIFY2(Element, qPrintable(Name));
  QCOMPARE(Element->parentWidget(), Form->centralWidget());
  QCOMPARE(Element->pos(), Lage.topLeft());
  if (Lage.width() >= 0)
    QCOMPARE(Element->size(), Lage.size());
  else
    QCOMPARE(Element->size(), Element->sizeHint());
  if (auto* Beschriftung = qobject_cast<QLabel*>(Element)) {
    if (!Text.isEmpty() || Name == QStringLiteral("Eigentumsmerkmal"))
      QCOMPARE(Beschriftung->text(), Text);
    QCOMPARE(Beschriftung->textFormat(), Qt::PlainText);
    if (Beschriftung->wordWrap())
      QCOMPARE(Beschriftung->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
  } else {
    QCOMPARE(qobject_cast<QLineEdit*>(Element)->text(), Text);
    // Bildschirmleser nennen das Feld mit der Beschriftung seines Schemas.
    QVERIFY(Element->accessibleName().startsWith(QStringLiteral("Schema f\u00fcr ")));
  }
}

void TForm1Test::BeschriftungenUeberlappenNicht()
{
  // Beschriftungen der Anzeigefelder enden vor deren Spalte bei x = 136.
  for (const char* Name :
       {"EigentumsmerkmalT", "AustauschverfahrenT", "EigentumsverwaltungT", "WagengattungT", "GeschwindigkeitT"})
    QVERIFY2(Label(Name)->geometry().right() < 136, Name);
  // Der Hinweis ganz, auf hoechstens zwei Zeilen, der lange Hinweis rechts ganz im Fenster.
  QVERIFY(Label("Label7")->heightForWidth(729) <= 33);
  QVERIFY(Label("Label9")->heightForWidth(417) <= 81);
  QVERIFY(Label("Label10")->geometry().right() < 794);
  QVERIFY(Label("Label18")->geometry().right() < 794);
  QVERIFY(Label("Label1")->geometry().right() < 794);
}

void TForm1Test::LinkLiegtUeberDerAnschrift()
{
  QLabel* Satz = Label("Label10");
  QLabel* Link = Label("Label17");
  QCOMPARE(Link->text(), Kontakt::EMail);
  const QString Vorspann = Satz->text().left(Satz->text().indexOf(Kontakt::EMail));
  QCOMPARE(Link->x(), 32 + qRound(QFontMetricsF(Satz->font()).horizontalAdvance(Vorspann)));
  QCOMPARE(Link->y(), 352);
  QCOMPARE(Link->width(), QFontMetrics(Link->font()).horizontalAdvance(Kontakt::EMail));
  QVERIFY(Link->autoFillBackground());
  QVERIFY(Link->font().underline());
  QCOMPARE(Link->cursor().shape(), Qt::PointingHandCursor);
  // Farben: Satz rotbraun, Link und Eigentumsverwaltung in der Hervorhebungsfarbe des Systems
  QCOMPARE(Satz->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00));
  const QColor Hervorhebung = Form->palette().color(QPalette::Highlight);
  QCOMPARE(Link->palette().color(QPalette::WindowText), Hervorhebung);
  QCOMPARE(Label("Eigentumsverwaltung")->palette().color(QPalette::WindowText), Hervorhebung);
}

void TForm1Test::SchriftUndMenue()
{
  const QFontInfo Info(Label("GeschwindigkeitT")->font());
  QCOMPARE(Info.family(), QStringLiteral("Liberation Sans"));
  QCOMPARE(Info.pixelSize(), 11);
  auto* Menue = Form->findChild<QMenu*>("Hilfe1");
  QVERIFY(Menue);
  QCOMPARE(Menue->title(), QStringLiteral("Men\u00fc"));
  QCOMPARE(QFontInfo(Menue->font()).family(), QStringLiteral("Liberation Sans"));
  auto* Eintrag = Form->findChild<QAction*>("Webseitebesuchen1");
  QCOMPARE(Eintrag->text(), Kontakt::WebName + QStringLiteral(" aufrufen (Internetverbindung erforderlich)"));
  QCOMPARE(Eintrag->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
  // Ohne Ersatzschriften muss die Schrift jedes Zeichen aus Windows-1252 selbst haben.
  std::string Alle;
  for (int Byte = 0x20; Byte < 0x100; ++Byte)
    if (Byte != 0x7F && Byte != 0x81 && Byte != 0x8D && Byte != 0x8F && Byte != 0x90 && Byte != 0x9D)
      Alle += static_cast<char>(Byte);
  for (const QFont& Schrift : {Label("GeschwindigkeitT")->font(), Label("Label7")->font()}) {
    const QFontMetrics Masse(Schrift);
    for (const QChar Zeichen : AusCp1252(Alle))
      QVERIFY2(Masse.inFont(Zeichen), qPrintable(QString(Zeichen)));
  }
  // Der Erweiterungsknopf der Menueleiste laedt sein Symbol erst bei Bedarf, hat aber eines.
  auto* Erweiterung = Form->menuBar()->findChild<QToolButton*>();
  QVERIFY(Erweiterung);
  QVERIFY(!Erweiterung->icon().pixmap(16, 16).isNull());
}

void TForm1Test::Tabreihenfolge()
{
  const QStringList Erwartet = {"Gueternummer1", "Gueternummer2", "Gueternummer3", "Personennummer"};
  for (const QString& Name : Erwartet) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), Name);
  }
  QCOMPARE(Feld("Personenkontr")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(Feld("Personenkontr")->isReadOnly());
  QVERIFY(Feld("Gueterkontr")->isReadOnly());
}

void TForm1Test::AnfangsFokus() { QCOMPARE(QApplication::focusWidget(), Feld("Personennummer")); }

void TForm1Test::GroesseAendernVerschiebtNurStatusleiste()
{
  const QRect Vorher = Feld("Gueternummer3")->geometry();
  Form->resize(300, 150);
  QCOMPARE(Feld("Gueternummer3")->geometry(), Vorher);
  QCOMPARE(Form->statusBar()->geometry().bottom(), Form->height() - 1);
  QVERIFY(Form->findChildren<QScrollBar*>().isEmpty());
  Form->resize(1000, 600);
  QCOMPARE(Feld("Gueternummer3")->geometry(), Vorher);
  QCOMPARE(Form->statusBar()->geometry().bottom(), 599);
}

// ---------------------------------------------------------------- Eingabe

void TForm1Test::Laengengrenze_data()
{
  QTest::addColumn<QString>("Name");
  QTest::addColumn<int>("Grenze");
  QTest::newRow("Personennummer") << "Personennummer" << 11;
  QTest::newRow("Gueternummer1") << "Gueternummer1" << 2;
  QTest::newRow("Gueternummer2") << "Gueternummer2" << 2;
  QTest::newRow("Gueternummer3") << "Gueternummer3" << 7;
}

void TForm1Test::Laengengrenze()
{
  QFETCH(QString, Name);
  QFETCH(int, Grenze);
  QLineEdit* Box = Form->findChild<QLineEdit*>(Name);
  QTest::keyClicks(Box, QStringLiteral("1234567890123"));
  QCOMPARE(Box->text(), QStringLiteral("1234567890123").left(Grenze));
}

void TForm1Test::Einfuegen_data()
{
  QTest::addColumn<QString>("Vorher");
  QTest::addColumn<int>("Schreibmarke");
  QTest::addColumn<QString>("Zwischenablage");
  QTest::addColumn<QString>("Erwartet");
  QTest::addColumn<QString>("Kontrolle");
  QTest::newRow("gekuerzt") << "" << 0 << "318066520039999"
                            << "31806652003"
                            << "8";
  QTest::newRow("nur erste Zeile") << "" << 0 << "3180\n6652003"
                                   << "3180"
                                   << "";
  QTest::newRow("Zeilenende wie unter Windows") << "" << 0 << "31806652003\r\n"
                                                << "31806652003"
                                                << "8";
  QTest::newRow("mitten hinein") << "31" << 2 << "806652003\n4711"
                                 << "31806652003"
                                 << "8";
  QTest::newRow("vor vorhandenem Text") << "80" << 0 << "31\r\n99"
                                        << "3180"
                                        << "";
  QTest::newRow("leere erste Zeile") << "" << 0 << "\n31806652003"
                                     << ""
                                     << "";
  QTest::newRow("Absatztrenner") << "" << 0 << QStringLiteral("3180\u20296652003") << "3180"
                                 << "";
}

void TForm1Test::Einfuegen()
{
  QFETCH(QString, Vorher);
  QFETCH(int, Schreibmarke);
  QFETCH(QString, Zwischenablage);
  QFETCH(QString, Erwartet);
  QFETCH(QString, Kontrolle);
  QLineEdit* Box = Feld("Personennummer");
  Box->setText(Vorher);
  Box->setCursorPosition(Schreibmarke);
  QApplication::clipboard()->setText(Zwischenablage);
  Box->setFocus();
  QTest::keySequence(Box, QKeySequence::Paste);
  QCOMPARE(Box->text(), Erwartet);
  QCOMPARE(Feld("Personenkontr")->text(), Kontrolle);
}

void TForm1Test::FremdeZeichenWerdenFragezeichen_data()
{
  QTest::addColumn<QString>("Vorher");
  QTest::addColumn<QString>("Zeichen");
  QTest::addColumn<QString>("Erwartet");
  const QString Emoji = QString::fromUtf8("😀");
  QTest::newRow("Umlaut bleibt") << "3180" << QStringLiteral("\u00fc") << QStringLiteral("3180\u00fc");
  QTest::newRow("Euro bleibt") << "3180" << QStringLiteral("\u20ac") << QStringLiteral("3180\u20ac");
  QTest::newRow("CJK") << "3180" << QStringLiteral("\u4e2d") << "3180?";
  QTest::newRow("Emoji") << "3180" << Emoji << "3180?";
  QTest::newRow("Emoji an letzter Stelle") << "3180665200" << Emoji << "3180665200?";
}

void TForm1Test::FremdeZeichenWerdenFragezeichen()
{
  QFETCH(QString, Vorher);
  QFETCH(QString, Zeichen);
  QFETCH(QString, Erwartet);
  QLineEdit* Box = Feld("Personennummer");
  QTest::keyClicks(Box, Vorher);
  QSignalSpy Aenderungen(Box, &QLineEdit::textChanged);
  Senden(Box, Zeichen);
  QCOMPARE(Box->text(), Erwartet);
  QCOMPARE(Aenderungen.count(), 1);
  if (Erwartet.size() == 11)  // "?" zaehlt wie jedes Nicht-Ziffernzeichen 0
    QCOMPARE(Feld("Personenkontr")->text(), QStringLiteral("4"));
}

void TForm1Test::PersonenwagenZifferFuerZiffer()
{
  const QString Nummer = QStringLiteral("31806652003");
  for (int I = 0; I < Nummer.size(); ++I) {
    QVERIFY(Feld("Personenkontr")->text().isEmpty());
    QVERIFY(Label("Wagengattung")->text().isEmpty());
    QTest::keyClick(Feld("Personennummer"), Nummer[I].toLatin1());
  }
  QCOMPARE(Feld("Personenkontr")->text(), QStringLiteral("8"));
  QCOMPARE(Label("Eigentumsmerkmal")->text(), QStringLiteral("Bahnwagen; RIV"));
  QCOMPARE(Label("Austauschverfahren")->text(), QStringLiteral("TEN-RIV"));
  QCOMPARE(Label("Eigentumsverwaltung")->text(), QStringLiteral("Deutschland"));
  QCOMPARE(Label("Wagengattung")->text(), QStringLiteral("Fals"));
  QCOMPARE(Label("Geschwindigkeit")->text(), QStringLiteral("siehe Wagengattung"));
  QCOMPARE(Label("Eigentumsverwaltung")->size(), Label("Eigentumsverwaltung")->sizeHint());
}

void TForm1Test::LoeschenBehaeltErgebnis()
{
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("31816652003"));
  QTest::keyClick(Feld("Personennummer"), Qt::Key_Backspace);
  QCOMPARE(Feld("Personennummer")->text(), QStringLiteral("3181665200"));
  QCOMPARE(Feld("Personenkontr")->text(), QStringLiteral("7"));
  QCOMPARE(Label("Eigentumsverwaltung")->text(), QStringLiteral("\u00d6sterreich (\u00d6BB)"));
}

void TForm1Test::GueterwagenFokusFolge()
{
  Feld("Gueternummer1")->setFocus();
  Tippen(QStringLiteral("31"));
  QCOMPARE(QApplication::focusWidget(), Feld("Gueternummer2"));
  Tippen(QStringLiteral("80"));
  QCOMPARE(QApplication::focusWidget(), Feld("Gueternummer3"));
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("5080313402"));  // unvollstaendig, bleibt stehen
  Feld("Gueternummer3")->setFocus();
  Tippen(QStringLiteral("6652003"));
  QCOMPARE(Feld("Gueterkontr")->text(), QStringLiteral("8"));
  QCOMPARE(Label("Wagengattung")->text(), QStringLiteral("Fals"));
  QVERIFY(Feld("Personennummer")->text().isEmpty());
  QCOMPARE(QApplication::focusWidget(), Feld("Gueternummer3"));  // kein Sprung aus dem letzten Feld

  // Erneutes Betreten per Weiterspringen markiert den Inhalt: Tippen ersetzt ihn.
  Feld("Gueternummer1")->setFocus();
  Feld("Gueternummer1")->selectAll();
  Tippen(QStringLiteral("21"));
  QCOMPARE(QApplication::focusWidget(), Feld("Gueternummer2"));
  QCOMPARE(Feld("Gueternummer2")->selectedText(), QStringLiteral("80"));
  Tippen(QStringLiteral("81"));
  QCOMPARE(Feld("Gueternummer2")->text(), QStringLiteral("81"));
}

void TForm1Test::GueterwagenErstesFeldZuletzt()
{
  Feld("Gueternummer2")->setText(QStringLiteral("80"));
  Feld("Gueternummer3")->setText(QStringLiteral("6652003"));
  QVERIFY(Feld("Gueterkontr")->text().isEmpty());
  Feld("Gueternummer1")->setFocus();
  Tippen(QStringLiteral("3"));
  QVERIFY(Feld("Gueterkontr")->text().isEmpty());
  Tippen(QStringLiteral("1"));
  QCOMPARE(Feld("Gueterkontr")->text(), QStringLiteral("8"));
  QCOMPARE(QApplication::focusWidget(), Feld("Gueternummer2"));
}

void TForm1Test::SchemataSchliessenSichAus()
{
  Feld("Gueternummer1")->setText(QStringLiteral("21"));
  Feld("Gueternummer2")->setText(QStringLiteral("81"));
  Feld("Gueternummer3")->setText(QStringLiteral("2471217"));
  QCOMPARE(Feld("Gueterkontr")->text(), QStringLiteral("3"));

  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("50803134025"));
  QCOMPARE(Feld("Personenkontr")->text(), QStringLiteral("2"));
  QVERIFY(Feld("Personenkontr")->toolTip().contains(QStringLiteral("Pr\u00fcfziffer: 2")));
  QVERIFY(Feld("Gueterkontr")->toolTip().isEmpty());
  for (const char* Name : {"Gueternummer1", "Gueternummer2", "Gueternummer3", "Gueterkontr"})
    QVERIFY2(Feld(Name)->text().isEmpty(), Name);
  QCOMPARE(Label("Wagengattung")->text(), QStringLiteral("1./2. Klasse 11 Abteile"));
  QCOMPARE(Label("Eigentumsmerkmal")->text(), QStringLiteral("./."));
  QCOMPARE(Label("Geschwindigkeit")->text(), QStringLiteral("max. 140 km/h, aber \u00fcber 120 km/h"));

  // Unvollstaendige Gueternummer aendert nichts; das Leeren der Personenfelder loest keine Pruefung aus.
  Feld("Gueternummer1")->setText(QStringLiteral("31"));
  QCOMPARE(Feld("Personenkontr")->text(), QStringLiteral("2"));
  Feld("Gueternummer2")->setText(QStringLiteral("80"));
  Feld("Gueternummer3")->setText(QStringLiteral("6652003"));
  QVERIFY(Feld("Personennummer")->text().isEmpty());
  QVERIFY(Feld("Personenkontr")->text().isEmpty());
  QVERIFY(Feld("Personenkontr")->toolTip().isEmpty());
  QCOMPARE(Feld("Gueterkontr")->text(), QStringLiteral("8"));
  QVERIFY(Feld("Gueterkontr")->toolTip().startsWith(QStringLiteral("<pre>Pr\u00fcfziffer von 31806652003:")));
}

void TForm1Test::NummerImFalschenSchemaZaehltNachDaten()
{
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("31806652003"));
  QCOMPARE(Label("Geschwindigkeit")->text(), QStringLiteral("siehe Wagengattung"));
  Feld("Gueternummer1")->setText(QStringLiteral("50"));
  Feld("Gueternummer2")->setText(QStringLiteral("80"));
  Feld("Gueternummer3")->setText(QStringLiteral("3134025"));
  QCOMPARE(Label("Eigentumsmerkmal")->text(), QStringLiteral("./."));
  QCOMPARE(Feld("Gueterkontr")->text(), QStringLiteral("2"));
}

void TForm1Test::KontrollfelderSindKopierbar()
{
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("31806652003"));
  QLineEdit* Kontrolle = Feld("Personenkontr");
  QTest::mouseClick(Kontrolle, Qt::LeftButton);
  QCOMPARE(QApplication::focusWidget(), Kontrolle);
  Kontrolle->selectAll();
  QTest::keySequence(Kontrolle, QKeySequence::Copy);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("8"));
  QTest::keyClick(Kontrolle, '5');
  QCOMPARE(Kontrolle->text(), QStringLiteral("8"));
}

// ---------------------------------------------------------------- Links

void TForm1Test::Links_data()
{
  QTest::addColumn<QString>("Weg");
  QTest::addColumn<QUrl>("Erwartet");
  const QUrl Mail(QStringLiteral("mailto:") + Kontakt::EMail + QStringLiteral("?subject=Rueckmeldung zu Tandrix 1.1"));
  const QUrl Web(Kontakt::Webadresse);
  QTest::newRow("Klick auf Anschrift") << "Label17" << Mail;
  QTest::newRow("Strg+I im Fenster") << "StrgI" << Web;
  QTest::newRow("Strg+I im Eingabefeld") << "StrgIFeld" << Web;
  QTest::newRow("Doppelklick Statusleiste") << "Doppelklick" << Web;
  QTest::newRow("Doppelklick auf Text der Statusleiste") << "DoppelklickText" << Web;
}

void TForm1Test::Links()
{
  QFETCH(QString, Weg);
  QFETCH(QUrl, Erwartet);
  if (Weg == QStringLiteral("Label17"))
    QTest::mouseClick(Label("Label17"), Qt::LeftButton);
  else if (Weg == QStringLiteral("StrgI"))
    QTest::keySequence(Form.get(), QKeySequence(QStringLiteral("Ctrl+I")));
  else if (Weg == QStringLiteral("StrgIFeld"))
    QTest::keyClick(Feld("Gueternummer1"), Qt::Key_I, Qt::ControlModifier);
  else if (Weg == QStringLiteral("Doppelklick"))
    QTest::mouseDClick(Form->statusBar(), Qt::LeftButton, {}, QPoint(700, 9));
  else
    QTest::mouseDClick(Form->statusBar()->findChild<QLabel*>("Statuszeile"), Qt::LeftButton, {}, QPoint(20, 5));
  QCOMPARE(Links_.Adressen, QList<QUrl>{Erwartet});
  QCOMPARE(Links_.Adressen.first().toString(), Erwartet.toString());
  QVERIFY(Feld("Gueternummer1")->text().isEmpty());
}

void TForm1Test::QtTexteAufDeutsch()
{
  const std::unique_ptr<QMenu> Menue(Feld("Personennummer")->createStandardContextMenu());
  QVERIFY(Menue->actions().first()->text().startsWith(QStringLiteral("&R\u00fcckg\u00e4ngig")));
  QCOMPARE(Form->findChild<QAction*>("Webseitebesuchen1")->shortcut().toString(QKeySequence::NativeText),
           QStringLiteral("Strg+I"));
}

void TForm1Test::SchmalerAlsDieStatuszeile()
{
  // Ein gewoehnlicher Rahmen: der Text der Statuszeile wird abgeschnitten, der Griff bleibt im Fenster.
  Form->resize(300, Form->height());
  QCOMPARE(Form->width(), 300);
  const auto* Griff = Form->statusBar()->findChild<QSizeGrip*>();
  QVERIFY(Griff);
  QVERIFY(Form->statusBar()->rect().contains(Griff->geometry()));
}

void TForm1Test::EinfacherKlickAufStatusleisteTutNichts()
{
  QTest::mouseClick(Form->statusBar(), Qt::LeftButton, {}, QPoint(50, 9));
  QVERIFY(Links_.Adressen.isEmpty());
}

// ---------------------------------------------------------------- Daten

void TForm1Test::OhneDatendatei()
{
  NeuesFenster(std::filesystem::path(Verzeichnis.filePath("fehlt/Wagen.ebb").toStdString()));
  QCOMPARE(Label("Label8")->text(), QStringLiteral("Version Daten: Daten nicht geladen"));
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("51803090123"));
  QCOMPARE(Label("Eigentumsmerkmal")->text(), QStringLiteral("./."));
  QCOMPARE(Label("Wagengattung")->text(), QStringLiteral(" "));
  QCOMPARE(Label("Geschwindigkeit")->text(), QStringLiteral("\u00fcber 160 km/h"));
  QVERIFY(Label("Eigentumsverwaltung")->text().isEmpty());
}

void TForm1Test::DatentexteBleibenKlartext()
{
  const auto Datei = std::filesystem::path(Verzeichnis.filePath("markup.ebb").toStdString());
  std::ofstream(Datei, std::ios::binary)
      << "[Version]\nVersion=<b>fett</b>\n[Bahnen]\n80=<img src=\"probe.png\">\n[Austausch]\n51=a<br>b &amp; c\n";
  NeuesFenster(Datei);
  QCOMPARE(Label("Label8")->text(), QStringLiteral("Version Daten: <b>fett</b>"));
  QTest::keyClicks(Feld("Personennummer"), QStringLiteral("51803090123"));
  QCOMPARE(Label("Eigentumsverwaltung")->text(), QStringLiteral("<img src=\"probe.png\">"));
  QCOMPARE(Label("Austauschverfahren")->text(), QStringLiteral("a<br>b &amp; c"));
  Feld("Personennummer")->setText(QStringLiteral("5180309<b>0"));
  QVERIFY(Feld("Personenkontr")->toolTip().contains(QStringLiteral("5180309&lt;b&gt;0")));
  for (QLabel* Beschriftung : Form->findChildren<QLabel*>())
    QVERIFY2(Beschriftung->textFormat() == Qt::PlainText, qPrintable(Beschriftung->objectName()));
}

void TForm1Test::GattungstexteDerDatenPassenInsFeld()
{
  // Drei Zeilen passen ueber die Zeile der Hoechstgeschwindigkeit; mehr wuerde sie ueberdecken.
  const auto [Stammdaten, Version] = LadeStammdaten(std::filesystem::path(TANDRIX_DATEN) / "Wagen.ebb");
  QLabel* Feld = Label("Wagengattung");
  const int DreiZeilen = 3 * QFontMetrics(Feld->font()).lineSpacing();
  int Laengster = 0;
  for (const std::string& Zeile : Stammdaten.GattungListe.Zeilen()) {
    Feld->setText(AusCp1252(Zeile.substr(Zeile.find('=') + 1)));
    const int Hoehe = Feld->heightForWidth(Feld->width());
    Laengster = std::max(Laengster, Hoehe);
    QVERIFY2(Hoehe <= DreiZeilen, Zeile.c_str());
  }
  QVERIFY2(Laengster > 2 * QFontMetrics(Feld->font()).lineSpacing(),
           "kein Text braucht drei Zeilen: Messung unwirksam?");
}

QTEST_MAIN(TForm1Test)
#include "wgn_haupt_test.moc"
