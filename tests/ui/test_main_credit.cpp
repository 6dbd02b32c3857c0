// Credit entry on the real window: Add, keys typed and pasted into the box,
// Enter and Esc, and the strict reading of the amount.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>

#include "credit_amount.h"
#include "test_main_game.h"

namespace {

using Slot = tamberlo::LabelSlot;

struct Game {
  maintest::WorkFolder folder;
  maintest::Program program;
  frmQuorvane& w = *program.window;
  tamberlo::GameState& state = program.state;
};

void ExpectBottomButtons(const frmQuorvane& w, bool enabled) {
  for (QPushButton* button : {w.cmdAdd, w.cmdExit, w.cmdAUTO, w.cmdStart, w.cmdSave})
    QVERIFY2(button->isEnabled() == enabled, qPrintable(button->text()));
}

// Add opens an empty box, focused, with the other buttons off.
void OpenEntry(frmQuorvane& w) {
  QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
  QVERIFY(w.txtAddCredit->isVisible());
  QCOMPARE(w.txtAddCredit->text(), QString());
  QCOMPARE(w.focusWidget(), w.txtAddCredit);
  ExpectBottomButtons(w, false);
}

void Add(frmQuorvane& w, const QString& keys) {
  OpenEntry(w);
  QTest::keyClicks(w.txtAddCredit, keys);
  QTest::keyClick(w.txtAddCredit, Qt::Key_Return);
}

}  // namespace

class TestMainCredit : public QObject {
  Q_OBJECT

 private slots:
  void readsOnlyCleanNumbers() {
    const std::optional<int32_t> no;
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {" \t42  ", 42}, {"+7", 7}, {"-42", -42}, {"000000000000012", 12}, {"2.5000001", 3}, {"-2.5", -2},
        {"2.5", 2}, {"3.5", 4}, {".5", 0}, {"2147483647.4", INT32_MAX}, {"2147483647.5", no}, {"-2147483648", INT32_MIN},
        {"-2147483649", no}, {"18446744073709551621", no} /* 2^64 + 5 */, {"", no}, {"-", no}, {".", no},
        {"1 000", no}, {"1,5", no}, {"a5", no}, {"--1", no}, {"- 5", no}, {"1e3", no}, {"1..2", no}, {"1.5x", no}};
    for (const auto& [text, value] : cases) QVERIFY2(tamberlo::ui::ReadCreditAmount(text) == value, text);
  }

  // Every key but a digit empties the box before it takes effect; pasted text
  // becomes the box's only text; Enter leaves "0" in the box unless it added; Esc
  // leaves without adding and keeps the text.
  void enteredAmount_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clip");  // pasted after the keys, unless empty
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("added");  // -1: Esc
    QTest::newRow("nothing") << "" << "" << "" << 0;
    QTest::newRow("amount") << "500" << "" << "500" << 500;
    QTest::newRow("minus") << "-500" << "" << "-500" << 0;
    QTest::newRow("letter") << "12a5" << "" << "a5" << 0;
    QTest::newRow("eleven nines") << "99999999999" << "" << "99999999999" << 0;
    QTest::newRow("blank") << "73 5" << "" << " 5" << 5;
    QTest::newRow("esc") << "77" << "" << "77" << -1;
    QTest::newRow("paste number") << "77" << " 300 " << " 300 " << 300;
    QTest::newRow("paste grouped") << "77" << "1,000" << "1,000" << 0;
  }
  void enteredAmount() {
    QFETCH(QString, keys);
    QFETCH(QString, clip);
    QFETCH(QString, shown);
    QFETCH(int, added);
    const bool esc = added < 0;
    added = std::max(added, 0);
    Game g;
    OpenEntry(g.w);
    QTest::keyClicks(g.w.txtAddCredit, keys);
    if (!clip.isEmpty()) {
      QGuiApplication::clipboard()->setText(clip);
      QTest::keyClick(g.w.txtAddCredit, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(g.w.txtAddCredit->text(), shown);
    QTest::keyClick(g.w.txtAddCredit, esc ? Qt::Key_Escape : Qt::Key_Return);
    QCOMPARE(g.w.txtAddCredit->text(), added || esc ? shown : "0");
    QCOMPARE(std::pair(g.state.Cash, g.state.CashIn), std::pair(1'000'000 + added, 1'000'000 + added));
    const QString money = QString::fromStdString(tamberlo::LabelText({.kind = tamberlo::LabelKind::Cash, .credits = g.state.Cash}));
    QCOMPARE(g.w.Label(Slot::Cash)->text() + g.w.Label(Slot::CashTotal)->text(), money + " Total" + money.mid(5));
    QVERIFY(!g.w.txtAddCredit->isVisible());
    ExpectBottomButtons(g.w, true);
    QCOMPARE(g.w.focusWidget(), g.w.cmdStart);
  }

  void editingKeys() {
    Game g;
    OpenEntry(g.w);
    QTest::keyClicks(g.w.txtAddCredit, "123");
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_Backspace);
    QCOMPARE(g.w.txtAddCredit->text(), QString());
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_Z, Qt::ControlModifier);  // an undo cannot bring it back
    QCOMPARE(g.w.txtAddCredit->text(), QString());
    QTest::keyClicks(g.w.txtAddCredit, "30012");
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_Home);
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_4);
    QCOMPARE(g.w.txtAddCredit->text(), QString("430012"));
    // Delete types no character although X11 gives it the text DEL: it deletes as usual.
    QTest::sendKeyEvent(QTest::Click, g.w.txtAddCredit, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
    QCOMPARE(g.w.txtAddCredit->text(), QString("40012"));
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_Escape);
    OpenEntry(g.w);  // Add empties the box again
  }

  // The sum that cannot take the amount keeps its value, the other takes it, and the user is told.
  void eachSumKeepsItsValueWhenTheAmountWouldOverflowIt() {
    Game g;
    g.state.Cash = 2'147'483'000;
    Add(g.w, "648");
    QCOMPARE(std::pair(g.state.Cash, g.state.CashIn), std::pair(2'147'483'000, 1'000'648));
    QCOMPARE(g.program.messages, QStringList{"Cash cannot take 648 credits more: it would pass 2 147 483 647 and stays at 2 147 483 000."});
    QCOMPARE(g.w.Label(Slot::Cash)->text(), QString(" Cash = 2147 483 000 $"));
    QCOMPARE(g.w.focusWidget(), g.w.cmdStart);
    g.state.Cash = 1'000;
    g.state.CashIn = 2'147'483'000;
    Add(g.w, "647");
    QCOMPARE(std::pair(g.state.Cash, g.state.CashIn), std::pair(1'647, INT32_MAX));
    QCOMPARE(g.program.messages.size(), 1);
  }

  // Below a stake Step refuses; Enter opens it only with a stake's worth of credit, Esc always.
  void stepFollowsTheCreditAfterARefusal() {
    Game g;
    g.state.Cash = 5;
    g.w.cmdStart->click();
    QCOMPARE(g.program.messages, QStringList{" Add Credit ! "});
    QVERIFY(!g.w.cmdStart->isEnabled());
    QCOMPARE(g.w.focusWidget(), g.w.cmdAdd);
    Add(g.w, "14");
    QCOMPARE(g.state.Cash, 19);
    QVERIFY(!g.w.cmdStart->isEnabled() && g.w.cmdAUTO->isEnabled() && g.w.cmdAdd->isEnabled());
    QCOMPARE(g.w.focusWidget(), g.w.cmdAdd);
    OpenEntry(g.w);
    QTest::keyClick(g.w.txtAddCredit, Qt::Key_Escape);
    QVERIFY(g.w.cmdStart->isEnabled());
    Add(g.w, "1");
    QVERIFY(g.w.cmdStart->isEnabled());
    QCOMPARE(g.w.focusWidget(), g.w.cmdStart);
    QTest::keyClick(g.w.cmdStart, Qt::Key_Space);
    QCOMPARE(g.state.Games, int64_t(1));
    QCOMPARE(g.program.messages.size(), 1);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  TestMainCredit test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_main_credit.moc"
