// The About window: one instance, unloaded on close, its keys, links, tool tips, pictures.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "frm_about_math.h"

class TestAboutWindow : public QObject {
  Q_OBJECT

  QWidget* owner = nullptr;

  frmAboutMath* Shown() {
    ShowAboutWindow(owner);
    const auto windows = owner->findChildren<frmAboutMath*>(QString(), Qt::FindDirectChildrenOnly);
    return windows.size() == 1 ? windows.first() : nullptr;
  }
  static void Unload() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

 private slots:
  void init() { (owner = new QWidget)->show(); }
  void cleanup() {
    delete owner;
    Unload();
    SetShellOpener({});
  }

  void oneModelessInstanceLoadedAnewOnlyAfterClose() {
    QPointer<frmAboutMath> first = Shown();
    QVERIFY(first && first->isVisible() && !first->isModal());
    auto* info = first->findChild<QLabel*>("lbCompanyInfo");
    const QString loaded = info->text();
    info->setText("left as it was");
    QCOMPARE(Shown(), first.data());
    QCOMPARE(info->text(), QString("left as it was"));

    first->findChild<QPushButton*>("cmdOK")->click();
    Shown();  // before the closed window is gone: still a new one
    Unload();
    QVERIFY(first.isNull());
    QCOMPARE(Shown()->findChild<QLabel*>("lbCompanyInfo")->text(), loaded);
  }

  void enterEscAndTheCloseBoxUnload_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << 0;
  }
  void enterEscAndTheCloseBoxUnload() {
    QFETCH(int, key);
    QPointer<frmAboutMath> window = Shown();
    QCOMPARE(window->focusWidget(), window->findChild<QPushButton*>("cmdOK"));
    if (key)
      QTest::keyClick(window, Qt::Key(key));
    else
      window->close();
    Unload();
    QVERIFY(window.isNull());
  }

  void linksOpenTheirTargets_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("tip");
    QTest::newRow("sales") << "lblSalesLink" << "mailto: sales@oskarth.test" << "";
    QTest::newRow("contact") << "lblMathLink" << "mailto: ilka@oskarth.test" << " mailto: ilka@oskarth.test ";
    QTest::newRow("web") << "lblWWW" << "www.oskarth.test" << " www.oskarth.test ";
  }
  void linksOpenTheirTargets() {
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QString, tip);
    QStringList opened;
    SetShellOpener([&](const QString& t) { opened << t; });
    frmAboutMath* window = Shown();
    auto* label = window->findChild<QLabel*>(link);
    QCOMPARE(label->toolTip(), tip);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(opened, QStringList{target});
    QVERIFY(window->isVisible());
  }

  void picturesAreCompiledInAndNoTextIsCut() {
    frmAboutMath* window = Shown();
    QCOMPARE(window->findChild<QLabel*>("picIcon")->size(), QSize(140, 101));
    QCOMPARE(window->findChild<QLabel*>("Picture1")->size(), QSize(288, 33));
    QCOMPARE(window->findChild<QLabel*>("lblWWW")->cursor().hotSpot(), QPoint(12, 1));
    for (QLabel* label : window->findChildren<QLabel*>())
      for (const QString& line : label->text().split("\r\n"))
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(), qPrintable(line));
  }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
