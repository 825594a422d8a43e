// Das Hauptfenster auf einem Bildschirm, auf den es an der Lage aus dem Entwurf nicht passt
// (der Test laeuft auf einem kleinen Bildschirm der offscreen-Plattform, siehe CMakeLists.txt).

#include "oberflaeche/einpassen.h"
#include "fenster/wgn_haupt.h"
#include "oberflaeche/anwendung.h"

#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

class TEinpassenTest : public QObject {
  Q_OBJECT

private slots:
  void Rechnung_data();
  void Rechnung();
  void FensterAufKleinemBildschirm();
};

void TEinpassenTest::Rechnung_data()
{
  QTest::addColumn<QRect>("Rahmen");
  QTest::addColumn<QRect>("Flaeche");
  QTest::addColumn<QRect>("Erwartet");
  const QRect Bild(0, 0, 1280, 800);
  QTest::newRow("passt") << QRect(211, 179, 798, 450) << Bild << QRect(211, 179, 798, 450);
  QTest::newRow("passt genau") << QRect(0, 0, 1280, 800) << Bild << QRect(0, 0, 1280, 800);
  QTest::newRow("rechts hinaus") << QRect(600, 100, 798, 450) << Bild << QRect(482, 100, 798, 450);
  QTest::newRow("unten hinaus") << QRect(211, 500, 798, 450) << Bild << QRect(211, 350, 798, 450);
  QTest::newRow("links und oben hinaus") << QRect(-20, -5, 798, 450) << Bild << QRect(0, 0, 798, 450);
  // 144 dpi auf 1280x800: Qt rechnet mit 853x533 logischen Pixeln
  QTest::newRow("144 dpi") << QRect(211, 179, 800, 454) << QRect(0, 0, 853, 533) << QRect(53, 79, 800, 454);
  QTest::newRow("zu breit") << QRect(211, 179, 1300, 450) << Bild << QRect(0, 179, 1280, 450);
  QTest::newRow("zu gross") << QRect(211, 179, 1300, 900) << Bild << QRect(0, 0, 1280, 800);
  // Taskleiste oben oder links, zweiter Bildschirm rechts
  QTest::newRow("Flaeche versetzt") << QRect(211, 10, 798, 450) << QRect(0, 40, 1280, 760) << QRect(211, 40, 798, 450);
  QTest::newRow("zweiter Bildschirm") << QRect(1900, 179, 798, 450) << QRect(1280, 0, 1024, 768)
                                      << QRect(1506, 179, 798, 450);
}

void TEinpassenTest::Rechnung()
{
  QFETCH(QRect, Rahmen);
  QFETCH(QRect, Flaeche);
  QFETCH(QRect, Erwartet);
  QCOMPARE(Einpassen(Rahmen, Flaeche), Erwartet);
}

void TEinpassenTest::FensterAufKleinemBildschirm()
{
  AnwendungEinrichten();
  TForm1 Form;
  const QRect Nummernfeld = Form.findChild<QLineEdit*>(QStringLiteral("Personennummer"))->geometry();
  Form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&Form));
  const QRect Flaeche = Form.screen()->availableGeometry();
  QVERIFY2(Flaeche.width() < 794, "der Test braucht einen kleineren Bildschirm");
  QCOMPARE(Flaeche.intersected(Form.frameGeometry()), Form.frameGeometry());  // ganz im Bild
  QCOMPARE(Form.frameGeometry().size(), Flaeche.size());
  // Nur das Fenster ist kleiner: die Felder bleiben, wo sie sind, die Statusleiste unten.
  QCOMPARE(Form.findChild<QLineEdit*>(QStringLiteral("Personennummer"))->geometry(), Nummernfeld);
  QCOMPARE(Form.statusBar()->geometry().bottom(), Form.height() - 1);
}

QTEST_MAIN(TEinpassenTest)
#include "einpassen_test.moc"
