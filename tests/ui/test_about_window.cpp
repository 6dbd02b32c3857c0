// The About window: one instance, its unloading, its keys, links and tool tips.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "frm_about_math.h"

namespace {

QList<frmAboutMath*> Windows(QWidget& owner) {
  return owner.findChildren<frmAboutMath*>(QString(), Qt::FindDirectChildrenOnly);
}

// Every text the load and the design put on the window, by control name.
QStringList Texts(frmAboutMath* window) {
  QStringList texts;
  for (QLabel* label : window->findChildren<QLabel*>())
    texts << label->objectName() + "|" + label->text() + "|" + label->toolTip();
  texts.sort();
  return texts;
}

void Unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class TestAboutWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    owner = new QWidget;
    owner->show();
  }

  void cleanup() {
    delete owner;
    Unloaded();
    SetShellOpener({});
  }

  void secondShowBringsBackTheSameWindowWithoutLoading() {
    ShowAboutWindow(owner);
    QCOMPARE(Windows(*owner).size(), 1);
    frmAboutMath* window = Windows(*owner).first();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    auto* info = window->findChild<QLabel*>("lbCompanyInfo");
    info->setText("left as it was");
    ShowAboutWindow(owner);
    QCOMPARE(Windows(*owner), QList<frmAboutMath*>{window});
    QCOMPARE(info->text(), QString("left as it was"));
  }

  void closeUnloadsAndTheNextShowLoadsTheSameTexts() {
    ShowAboutWindow(owner);
    QPointer<frmAboutMath> first = Windows(*owner).first();
    const QStringList texts = Texts(first);
    first->findChild<QPushButton*>("cmdOK")->click();
    QVERIFY(first->isHidden());
    // A click before the closed window is gone still loads a new one.
    ShowAboutWindow(owner);
    Unloaded();
    QVERIFY(first.isNull());
    QCOMPARE(Windows(*owner).size(), 1);
    QCOMPARE(Texts(Windows(*owner).first()), texts);
  }

  void enterEscAndTheCloseBoxUnload_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << 0;
  }

  void enterEscAndTheCloseBoxUnload() {
    QFETCH(int, key);
    ShowAboutWindow(owner);
    QPointer<frmAboutMath> window = Windows(*owner).first();
    auto* close = window->findChild<QPushButton*>("cmdOK");
    QVERIFY(close->isDefault());
    QCOMPARE(window->focusWidget(), close);
    if (key)
      QTest::keyClick(window, Qt::Key(key));
    else
      window->close();
    Unloaded();
    QVERIFY(window.isNull());
  }

  void linksOpenTheirTargets() {
    QStringList opened;
    SetShellOpener([&](const QString& target) { opened << target; });
    ShowAboutWindow(owner);
    frmAboutMath* window = Windows(*owner).first();
    for (const char* link : {"lblSalesLink", "lblMathLink", "lblWWW"})
      QTest::mouseClick(window->findChild<QLabel*>(link), Qt::LeftButton);
    QCOMPARE(opened, QStringList({"mailto: sales@oskarth.test", "mailto: ilka@oskarth.test",
                                  "www.oskarth.test"}));
    QVERIFY(window->isVisible());
  }

  void toolTips() {
    ShowAboutWindow(owner);
    frmAboutMath* window = Windows(*owner).first();
    auto* math = window->findChild<QLabel*>("lblMathLink");
    auto* web = window->findChild<QLabel*>("lblWWW");
    QCOMPARE(math->toolTip(), " mailto: " + math->text() + " ");
    QCOMPARE(web->toolTip(), " " + web->text() + " ");
    QVERIFY(window->findChild<QLabel*>("lblSalesLink")->toolTip().isEmpty());
  }

  void picturesAndLinkCursorAreCompiledIn() {
    ShowAboutWindow(owner);
    frmAboutMath* window = Windows(*owner).first();
    QCOMPARE(window->findChild<QLabel*>("picIcon")->size(), QSize(140, 101));
    QCOMPARE(window->findChild<QLabel*>("Picture1")->size(), QSize(288, 33));
    const QCursor hand = window->findChild<QLabel*>("lblWWW")->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
  }

  void placedWithItsClientArea() {
    ShowAboutWindow(owner);
    frmAboutMath* window = Windows(*owner).first();
    QCOMPARE(window->windowTitle(), QString("Oskarth Ltd."));
    QCOMPARE(window->geometry(), QRect(156, 129, 524, 224));
    const Qt::WindowFlags sizing = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY(!(window->windowFlags() & sizing));
    for (QWidget* control : window->findChildren<QWidget*>())
      QVERIFY2(window->rect().contains(control->geometry()), qPrintable(control->objectName()));
    // Texts are not cut at the end of their places.
    for (QLabel* label : window->findChildren<QLabel*>()) {
      for (const QString& line : label->text().split("\r\n"))
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(), qPrintable(line));
    }
  }

 private:
  QWidget* owner = nullptr;
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
