// Credit entry: Add opens the box over the hit-rate label, Enter adds the
// amount to the credit and to the credit put in, Esc leaves without adding.
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <optional>

#include "credit.h"
#include "credit_amount.h"
#include "frm_quorvane.h"

namespace {

constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kBackspace = 8;
constexpr int kPaste = 22;  // Ctrl+V's character code, given to every kind of paste

// The character code of a key, or nothing for keys that type no character
// (arrows, Shift alone, ...), which the box handles by itself.
std::optional<int> CharacterCode(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Paste)) return kPaste;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEnter;
    case Qt::Key_Escape:
      return kEsc;
    case Qt::Key_Backspace:
      return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return std::nullopt;  // moves the focus, types nothing
    case Qt::Key_Delete:
      return std::nullopt;  // X11 gives it the text DEL, yet it types no character
    default:
      break;
  }
  if (key.text().isEmpty()) return std::nullopt;
  return key.text().at(0).unicode();
}

// Hands the box's keys to txtAddCredit_KeyPress before the box sees them.
class CreditKeyFilter : public QObject {
 public:
  CreditKeyFilter(frmQuorvane& window, QLineEdit& box) : QObject(&box), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const std::optional<int> code = CharacterCode(*static_cast<QKeyEvent*>(event));
      if (!code) return false;
      window_.txtAddCredit_KeyPress(*code);
      return *code == kEnter || *code == kEsc;  // these two end with the handler
    }
    // A middle click pastes the selection where the platform has one.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
      window_.txtAddCredit_KeyPress(kPaste);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  frmQuorvane& window_;
};

}  // namespace

void frmQuorvane::SetUpCreditBox() {
  // Every way text gets into the box passes the key handler: no context menu
  // paste, no drop, no input method composing past the key events.
  txtAddCredit->setContextMenuPolicy(Qt::NoContextMenu);
  txtAddCredit->setAcceptDrops(false);
  txtAddCredit->setAttribute(Qt::WA_InputMethodEnabled, false);
  txtAddCredit->installEventFilter(new CreditKeyFilter(*this, *txtAddCredit));
}

void frmQuorvane::cmdAdd_Click() {
  for (QPushButton* button : {cmdAdd, cmdExit, cmdAUTO, cmdStart, cmdSave}) button->setEnabled(false);
  txtAddCredit->setText(QString());
  txtAddCredit->show();
  txtAddCredit->setFocus();
}

void frmQuorvane::txtAddCredit_KeyPress(int keyAscii) {
  if (keyAscii == kEsc) {
    for (QPushButton* button : {cmdAdd, cmdExit, cmdAUTO, cmdStart, cmdSave}) button->setEnabled(true);
    cmdStart->setFocus();
    txtAddCredit->hide();
    return;
  }
  if (keyAscii != kEnter) {
    // setText rather than clear(): an undo must not bring the old text back.
    if (keyAscii < '0' || keyAscii > '9') txtAddCredit->setText(QString());
    return;
  }

  const std::optional<int32_t> read = tamberlo::ui::ReadCreditAmount(txtAddCredit->text().toStdString());
  const bool readable = read && *read >= 0;
  if (!readable) txtAddCredit->setText("0");
  const int32_t amount = readable ? *read : 0;
  tamberlo::AddCredit(state_, *this, amount);
  PushLabels();

  for (QPushButton* button : {cmdAdd, cmdExit, cmdAUTO, cmdSave}) button->setEnabled(true);
  txtAddCredit->hide();
  const bool enough = state_.Cash >= tamberlo::kStake;
  cmdStart->setEnabled(enough);
  (enough ? static_cast<QWidget*>(cmdStart) : cmdAdd)->setFocus();
}
