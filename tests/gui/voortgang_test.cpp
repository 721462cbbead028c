#include <QProgressBar>

#include "gui_test.h"
#include "ui/PV_VoortgangsFormulier.h"

using namespace plovena;

class VoortgangTest : public QObject {
  Q_OBJECT
 private slots:
  void ToonStapVerberg() {
    TVoortgangsFormulier v;
    QCOMPARE(v.windowTitle(), QStringLiteral("Voortgang"));
    QVERIFY(!v.isVisible());
    QVERIFY2(v.windowFlags() & Qt::WindowStaysOnTopHint, "always on top");
    QVERIFY2(!(v.windowFlags() & Qt::WindowCloseButtonHint), "no close box");
    v.Toon("Voortgang bronnen verwijderen", 40);
    QVERIFY(v.isVisible());
    QCOMPARE(v.windowTitle(), QStringLiteral("Voortgang bronnen verwijderen"));
    QCOMPARE(v.Voortgangsindicator()->maximum(), 40);
    for (int i = 0; i < 5; ++i) v.Stap();
    QCOMPARE(v.Positie(), 5);
    // A second Toon keeps the position and changes caption and maximum.
    v.Toon("Tweede", 6);
    QCOMPARE(v.Positie(), 5);
    QCOMPARE(v.windowTitle(), QStringLiteral("Tweede"));
    for (int i = 0; i < 10; ++i) v.Stap();
    QCOMPARE(v.Positie(), 6);  // never past the maximum
    v.close();                 // the user cannot close it
    QVERIFY(v.isVisible());
    v.Verberg();
    QVERIFY(!v.isVisible());
    QCOMPARE(v.Positie(), 0);
    QCOMPARE(v.windowTitle(), QStringLiteral("Voortgang"));
  }

  void StappenZonderMaximum() {
    TVoortgangsFormulier v;
    v.Toon("Leeg", 0);
    v.Stap();
    QCOMPARE(v.Positie(), 0);
    v.Verberg();
  }
};

PLOVENA_GUI_TEST(VoortgangTest)
#include "voortgang_test.moc"
