// Credit entry on the real window: Add, keys typed and pasted into the box,
// Enter and Esc, and the strict reading of the amount.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <limits>
#include <optional>

#include "credit_amount.h"
#include "frm_quorvane.h"
#include "startup.h"
#include "test_main_game.h"
#include "ui_platform.h"

using tamberlo::ui::Answer;
using tamberlo::ui::Buttons;

namespace {

struct Program {
  maintest::WorkFolder folder;
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  std::unique_ptr<frmQuorvane> window;
  Program() : window(tamberlo::ui::Main(state, logs)) {}
};

QList<QPushButton*> BottomButtons(const frmQuorvane& w) {
  return {w.cmdAdd, w.cmdExit, w.cmdAUTO, w.cmdStart, w.cmdSave};
}

void OpenEntry(frmQuorvane& w) {
  QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
  QVERIFY(w.txtAddCredit->isVisible());
  QCOMPARE(w.txtAddCredit->text(), QString());
  QCOMPARE(w.focusWidget(), w.txtAddCredit);
  for (QPushButton* button : BottomButtons(w)) QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
}

void Enter(frmQuorvane& w) { QTest::keyClick(w.txtAddCredit, Qt::Key_Return); }

}  // namespace

class TestMainCredit : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    tamberlo::ui::SetMessageResponder([this](const QString& text, Buttons) {
      messages_ << text;
      return Answer::Ok;
    });
    messages_.clear();
  }
  void cleanup() { tamberlo::ui::SetMessageResponder({}); }

  void readsOnlyCleanNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int32_t>>("value");
    auto row = [](const char* name, const char* text, std::optional<int32_t> value) {
      QTest::newRow(name) << QString(text) << value;
    };
    row("plain", "500", 500);
    row("blanks around", " \t42  ", 42);
    row("plus", "+7", 7);
    row("negative", "-42", -42);
    row("leading zeros", "000000000000012", 12);
    row("half down to even", "2.5", 2);
    row("half up to even", "3.5", 4);
    row("past half", "2.5000001", 3);
    row("negative half", "-2.5", -2);
    row("fraction only", ".5", 0);
    row("largest", "2147483647.4", std::numeric_limits<int32_t>::max());
    row("rounds past largest", "2147483647.5", std::nullopt);
    row("smallest", "-2147483648", std::numeric_limits<int32_t>::min());
    row("below smallest", "-2147483649", std::nullopt);
    row("many digits", "1000000000000000000000000000005", std::nullopt);
    for (const char* bad : {"", "  ", "-", ".", "+.", "1 000", "1,5", "12a", "a5", "--1", "+-1", "- 5", "1e3",
                            "0x10", "1..2", "1.5x"}) {
      row(qPrintable(QString("unreadable '%1'").arg(bad)), bad, std::nullopt);
    }
  }
  void readsOnlyCleanNumbers() {
    QFETCH(QString, text);
    QFETCH(std::optional<int32_t>, value);
    QCOMPARE(tamberlo::ui::ReadCreditAmount(text.toStdString()), value);
  }

  // Every key but a digit empties the box before it takes effect.
  void typedAmount_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("after");  // the box's text once Enter has read it
    QTest::addColumn<int>("added");
    QTest::newRow("nothing") << "" << "" << "0" << 0;
    QTest::newRow("amount") << "500" << "500" << "500" << 500;
    QTest::newRow("minus") << "-500" << "-500" << "0" << 0;
    QTest::newRow("letter") << "12a5" << "a5" << "0" << 0;
    QTest::newRow("eleven nines") << "99999999999" << "99999999999" << "0" << 0;
    QTest::newRow("blank") << "73 5" << " 5" << " 5" << 5;
    QTest::newRow("point") << "7.5" << ".5" << ".5" << 0;
  }
  void typedAmount() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, after);
    QFETCH(int, added);
    Program p;
    frmQuorvane& w = *p.window;
    w.Label1[5]->setText("stale");
    w.Label1[6]->setText("stale");
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, keys);
    QCOMPARE(w.txtAddCredit->text(), shown);
    Enter(w);
    QCOMPARE(w.txtAddCredit->text(), after);
    QCOMPARE(p.state.Cash, 1'000'000 + added);
    QCOMPARE(p.state.CashIn, 1'000'000 + added);
    const QString money = tamberlo::LabelText({tamberlo::LabelKind::Cash, p.state.Cash}).c_str();
    QCOMPARE(w.Label1[5]->text(), money);
    QCOMPARE(w.Label1[6]->text(), " Total" + money.mid(5));
    QVERIFY(!w.txtAddCredit->isVisible());
    for (QPushButton* button : BottomButtons(w)) QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    QCOMPARE(w.focusWidget(), w.cmdStart);
  }

  void backspaceEmptiesButArrowsAndDeleteMoveOnly() {
    Program p;
    frmQuorvane& w = *p.window;
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "123");
    QTest::keyClick(w.txtAddCredit, Qt::Key_Backspace);
    QCOMPARE(w.txtAddCredit->text(), QString());
    QTest::keyClicks(w.txtAddCredit, "12");
    QTest::keyClick(w.txtAddCredit, Qt::Key_Left);
    QTest::keyClick(w.txtAddCredit, Qt::Key_3);
    QCOMPARE(w.txtAddCredit->text(), QString("132"));
    // Delete types no character, although X11 gives its key event the text DEL:
    // it deletes as usual and keeps the rest.
    QTest::sendKeyEvent(QTest::Click, w.txtAddCredit, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
    QCOMPARE(w.txtAddCredit->text(), QString("13"));
    // An undo cannot bring back what a key emptied.
    QTest::keyClick(w.txtAddCredit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w.txtAddCredit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.txtAddCredit->text(), QString());
  }

  // Whatever is pasted becomes the box's only text.
  void pastedText_data() {
    QTest::addColumn<QString>("clip");
    QTest::addColumn<bool>("shiftInsert");
    QTest::addColumn<int>("added");
    QTest::newRow("number") << " 300 " << false << 300;
    QTest::newRow("shift insert") << "300" << true << 300;
    QTest::newRow("half to even down") << "2.5" << false << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("grouped") << "1,000" << false << 0;
    QTest::newRow("words") << "give me 40 credits" << true << 0;
    QTest::newRow("negative") << "-7.2" << false << 0;
  }
  void pastedText() {
    QFETCH(QString, clip);
    QFETCH(bool, shiftInsert);
    QFETCH(int, added);
    Program p;
    frmQuorvane& w = *p.window;
    QGuiApplication::clipboard()->setText(clip);
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "77");
    if (shiftInsert) {
      QTest::keyClick(w.txtAddCredit, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
      QTest::keyClick(w.txtAddCredit, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(w.txtAddCredit->text(), clip);
    Enter(w);
    QCOMPARE(p.state.Cash, 1'000'000 + added);
    QCOMPARE(p.state.CashIn, 1'000'000 + added);
  }

  void eachSumKeepsItsValueWhenTheAmountWouldOverflowIt() {
    Program p;
    frmQuorvane& w = *p.window;
    p.state.Cash = 2'147'000'000;
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "1000000");
    Enter(w);
    QCOMPARE(p.state.Cash, 2'147'000'000);
    QCOMPARE(p.state.CashIn, 2'000'000);

    p.state.Cash = 1'000;
    p.state.CashIn = 2'147'483'000;
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "647");
    Enter(w);
    QCOMPARE(p.state.Cash, 1'647);
    QCOMPARE(p.state.CashIn, std::numeric_limits<int32_t>::max());
  }

  void escLeavesWithoutAddingAndKeepsTheText() {
    Program p;
    frmQuorvane& w = *p.window;
    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "77");
    QTest::keyClick(w.txtAddCredit, Qt::Key_Escape);
    QVERIFY(!w.txtAddCredit->isVisible());
    QCOMPARE(w.txtAddCredit->text(), QString("77"));
    QCOMPARE(p.state.Cash, 1'000'000);
    QCOMPARE(p.state.CashIn, 1'000'000);
    for (QPushButton* button : BottomButtons(w)) QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    QCOMPARE(w.focusWidget(), w.cmdStart);
    OpenEntry(w);  // empties the box again
  }

  // Enter opens Step only with a stake's worth of credit; Esc always does.
  void stepFollowsTheCreditAfterARefusal() {
    Program p;
    frmQuorvane& w = *p.window;
    p.state.Cash = 5;
    w.cmdStart->click();
    QCOMPARE(messages_, QStringList{" Add Credit ! "});
    QVERIFY(!w.cmdStart->isEnabled());
    QCOMPARE(w.focusWidget(), w.cmdAdd);

    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "14");
    Enter(w);
    QCOMPARE(p.state.Cash, 19);
    QVERIFY(!w.cmdStart->isEnabled());
    QVERIFY(w.cmdAdd->isEnabled() && w.cmdExit->isEnabled() && w.cmdAUTO->isEnabled() && w.cmdSave->isEnabled());
    QCOMPARE(w.focusWidget(), w.cmdAdd);

    OpenEntry(w);
    QTest::keyClick(w.txtAddCredit, Qt::Key_Escape);
    QVERIFY(w.cmdStart->isEnabled());
    QCOMPARE(w.focusWidget(), w.cmdStart);

    OpenEntry(w);
    QTest::keyClicks(w.txtAddCredit, "1");
    Enter(w);
    QCOMPARE(p.state.Cash, 20);
    QVERIFY(w.cmdStart->isEnabled());
    QCOMPARE(w.focusWidget(), w.cmdStart);
    QTest::keyClick(w.cmdStart, Qt::Key_Space);
    QCOMPARE(p.state.Games, int64_t(1));
    QCOMPARE(messages_.size(), 1);
  }

 private:
  QStringList messages_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  TestMainCredit test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_main_credit.moc"
