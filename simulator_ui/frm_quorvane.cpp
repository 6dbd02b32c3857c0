#include "frm_quorvane.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>
#include <QPushButton>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "file_failure.h"
#include "frm_about_math.h"
#include "frm_slot_chart.h"
#include "save_files.h"
#include "statistics_hits.h"
#include "symbol_cell.h"
#include "ui_platform.h"

// Outside any namespace, as Qt asks: the pictures live in a static library.
static void InitAssets() { Q_INIT_RESOURCE(assets); }

using tamberlo::LabelSlot;
using tamberlo::ui::Px;
using tamberlo::ui::Rgb;
using tamberlo::ui::TwipsRect;

namespace {

constexpr const char* kSaveDone = "LOG DONE !!!";

void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

void Background(QWidget* widget, const QColor& colour) {
  Colour(widget, QPalette::Window, colour);
  widget->setAutoFillBackground(true);
}

// The main window's buttons show their background colour flat inside a
// raised edge, where the usual style would wash it out with a gradient; its
// check boxes are as narrow as their captions: with the style's usual gap
// after the box, "RNG mode" and "Auto Stop" would lose their last letter.
class MainWindowStyle : public QProxyStyle {
 public:
  explicit MainWindowStyle(QObject* owner)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(owner);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_CheckBoxLabelSpacing) return 3;
    if (metric == PM_ButtonDefaultIndicator) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_PanelButtonCommand) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QBrush fill = option->palette.brush(QPalette::Button);
    qDrawWinButton(painter, option->rect, option->palette, option->state & (State_Sunken | State_On), &fill);
    if (option->state & State_HasFocus) {  // a dotted frame just inside the edge
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(*option);
      focus.rect = option->rect.adjusted(3, 3, -3, -3);
      QCommonStyle::drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
  }
};

// The detail box takes text only. Qt 6.4's text edit reads the first format
// of what is pasted and crashes on a source with none, as the clipboard is
// when no program owns it; such a source is refused before it gets there.
class DetailTextBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
  }
  void insertFromMimeData(const QMimeData* source) override {
    if (source->hasText()) QPlainTextEdit::insertFromMimeData(source);
  }
};

QPushButton* Button(QWidget* parent, const QString& caption, const QColor& colour, QRect place,
                    QStyle* style) {
  auto* button = new QPushButton(caption, parent);
  button->setStyle(style);
  button->setGeometry(place);
  button->setFont(tamberlo::ui::SansFont(8.25));
  tamberlo::ui::EnterClicks(button);
  Colour(button, QPalette::Button, colour);
  return button;
}

QCheckBox* CheckBox(QWidget* parent, const QString& caption, QRect place, QStyle* style) {
  auto* box = new QCheckBox(caption, parent);
  box->setStyle(style);
  box->setGeometry(place);
  box->setFont(tamberlo::ui::SansFont(8.25));
  Background(box, Rgb(223, 223, 223));
  return box;
}

}  // namespace

frmQuorvane::frmQuorvane(tamberlo::GameState& state, tamberlo::RunLogs& logs,
                         tamberlo::GenNumberFn genNumber, QWidget* parent)
    : QWidget(parent), state_(state), logs_(logs), game_(state, *this, logs, genNumber),
      labelFont_(tamberlo::ui::SansFont(8.25)) {
  InitAssets();
  for (int figure = 0; figure < tamberlo::kFigures; ++figure) {
    const QString name = QString(":/symbols/symbol_%1.png").arg(figure, 2, 10, QChar('0'));
    if (!ImageList1[figure].load(name)) throw std::runtime_error("missing picture " + name.toStdString());
  }
  CreateControls();
  SetTabOrder();
  tamberlo::ui::SetBeforeMessageHook([this] { logs_.Flush(); });
}

frmQuorvane::~frmQuorvane() { tamberlo::ui::SetBeforeMessageHook({}); }

void frmQuorvane::CreateControls() {
  setWindowTitle(" SLOT  Simulator");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(Px(10140), Px(9450));
  Background(this, Rgb(223, 223, 223));
  setFont(tamberlo::ui::SansFont(9.75));
  auto* style = new MainWindowStyle(this);

  Picture2 = new QWidget(this);
  Picture2->setGeometry(TwipsRect(120, 360, 5655, 3735));
  Background(Picture2, Rgb(255, 192, 192));
  Picture5 = new QLabel(Picture2);
  Picture5->setGeometry(TwipsRect(0, 0, 9750, 975));
  Picture5->setPixmap(QPixmap(":/banner.png"));
  for (int cell = 0; cell < tamberlo::kCells; ++cell) Picture1[cell] = new SymbolCell(Picture2);

  cmdExit = Button(this, "Exit", Rgb(255, 128, 128), TwipsRect(120, 8760, 495, 615), style);
  cmdAUTO = Button(this, "Run", Rgb(223, 223, 223), TwipsRect(720, 8760, 495, 615), style);
  cmdStart = Button(this, "Step", Rgb(223, 223, 223), TwipsRect(1320, 8760, 495, 615), style);
  cmdSave = Button(this, "Save", Rgb(255, 224, 192), TwipsRect(1920, 8760, 495, 615), style);
  cmdAdd = Button(this, "Add", Rgb(255, 192, 192), TwipsRect(2520, 8760, 495, 615), style);
  cmdAdd->setToolTip(QStringLiteral(" Въвеждане на кредит "));
  for (int reel = 0; reel < tamberlo::kReels; ++reel) {
    cmdReels[reel] = Button(this, "", Rgb(223, 223, 223), TwipsRect(120 + 600 * reel, 8280, 495, 375), style);
  }

  chkRND = CheckBox(this, "RNG mode", TwipsRect(120, 7920, 1095, 195), style);
  chkRND->setChecked(true);
  chkRND->setEnabled(false);
  chkStopJP = CheckBox(this, "Auto Stop", TwipsRect(1230, 7920, 1005, 195), style);

  struct LabelPlace {
    int left, top, width;
    QColor background;
  };
  const QColor windowColour = palette().color(QPalette::Base);
  const LabelPlace places[tamberlo::kLabelSlots] = {  // in Label1 order
      {6600, 7920, 3435, windowColour},      {6600, 8340, 1695, windowColour},
      {8340, 8340, 1695, windowColour},      {6600, 8730, 3435, windowColour},
      {2280, 7920, 735, Rgb(224, 224, 224)}, {6600, 9120, 1695, Rgb(255, 192, 192)},
      {8340, 9120, 1695, windowColour},
  };
  for (size_t i = 0; i < tamberlo::kLabelSlots; ++i) {
    Label1[i] = new QLabel(this);
    Label1[i]->setGeometry(TwipsRect(places[i].left, places[i].top, places[i].width, 255));
    Label1[i]->setFont(labelFont_);
    Background(Label1[i], places[i].background);
    Colour(Label1[i], QPalette::WindowText, palette().color(QPalette::Text));
  }
  Label(LabelSlot::Rtp)->setToolTip(" Win / Bet  = RTP [percent] ");
  Label(LabelSlot::HitRate)->setToolTip(" HitRate = ");

  txtAddCredit = new QLineEdit("0", this);
  txtAddCredit->setGeometry(TwipsRect(2280, 7920, 735, 285));
  txtAddCredit->setFont(tamberlo::ui::SansFont(8.25));
  txtAddCredit->setToolTip(QStringLiteral(" Въведете кредит ! "));
  txtAddCredit->hide();
  SetUpCreditBox();

  txtTextBox1 = new DetailTextBox(this);
  txtTextBox1->setGeometry(TwipsRect(3120, 7860, 3375, 1575));
  txtTextBox1->setFont(tamberlo::ui::SansFont(8.25));
  txtTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtTextBox1->setTabChangesFocus(true);  // Tab walks the controls, as everywhere else in the window

  Label2 = new QLabel(this);
  Label2->setGeometry(TwipsRect(240, 6960, 2655, 795));
  Label2->setFont(tamberlo::ui::SerifFont(11.25, true));
  Background(Label2, Rgb(223, 223, 223));

  cmd_OskarthDetails = Button(this, "", Rgb(223, 223, 223), TwipsRect(3135, 6930, 6930, 915), style);
  cmd_OskarthDetails->setIcon(QPixmap(":/about_button.png"));
  cmd_OskarthDetails->setIconSize(QSize(327, 62));
  cmd_OskarthDetails->setToolTip(" Math Design Details ");

  connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
  connect(cmdAUTO, &QPushButton::clicked, this, [this] { cmdAUTO_Click(); });
  connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
  connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
  connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
  connect(cmd_OskarthDetails, &QPushButton::clicked, this, [this] { cmd_OskarthDetails_Click(); });
  for (int reel = 0; reel < tamberlo::kReels; ++reel) {
    connect(cmdReels[reel], &QPushButton::clicked, this, [this, reel] { cmdReels_Click(reel); });
  }
}

void frmQuorvane::SetTabOrder() {
  std::vector<QWidget*> order = {cmdStart,    cmdExit,     cmdAUTO,     txtTextBox1,  cmdReels[0],
                                 cmdReels[1], cmdReels[2], cmdReels[3], cmdReels[4],  chkRND,
                                 cmdSave,     cmdAdd,      txtAddCredit, chkStopJP,   Picture2};
  // The symbol window is a tab stop too, with each of its cells, but a click
  // on it leaves the focus where it was.
  Picture2->setFocusPolicy(Qt::TabFocus);
  for (SymbolCell* cell : Picture1) {
    cell->setFocusPolicy(Qt::TabFocus);
    order.push_back(cell);
  }
  order.push_back(cmd_OskarthDetails);
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmQuorvane::cmdAUTO_Click() {
  try {
    game_.RunClick();
  } catch (const std::exception& error) {
    EndOnError(error.what());
  }
  repaint_.Stop();
  PushLabels();  // a run always ends with the labels on screen
}

void frmQuorvane::cmdStart_Click() {
  try {
    game_.StepClick();
    game_.FlushLogs();
  } catch (const std::exception& error) {
    EndOnError(error.what());
  }
  PushLabels();
}

void frmQuorvane::cmdSave_Click() {
  if (!statistics_) return;
  game_.FlushLogs();
  try {
    tamberlo::SaveResults(state_, statistics_->SaveHits());
  } catch (const tamberlo::FileError& error) {
    if (txtTextBox1->toPlainText() == kSaveDone) txtTextBox1->clear();  // no earlier Save's word stands
    tamberlo::ui::MessageBox(this, QString::fromUtf8(error.what()));
    return;
  } catch (const std::exception& error) {
    EndOnError(error.what());
  }
  txtTextBox1->setPlainText(kSaveDone);
  tamberlo::ui::Beep();
}

// Exit ends the program in any case, but first names the run logs that are
// not complete, whenever they failed.
void frmQuorvane::cmdExit_Click() {
  logs_.Close();
  std::fflush(nullptr);
  if (logs_.Failures() == 0) std::exit(0);
  tamberlo::ui::ReportError(logs_.IncompleteReport());
  std::exit(1);
}

// Any other run-time error ends the program, as it does anywhere, with what
// the logs hold kept.
void frmQuorvane::EndOnError(const std::string& message) {
  tamberlo::ui::ReportError(message);
  logs_.Close();
  std::fflush(nullptr);
  std::exit(1);
}

void frmQuorvane::cmdReels_Click(int index) {
  if (index < 0 || index >= tamberlo::kReels) return;
  auto setBold = [](QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
  };
  setBold(cmdReels[state_.StopReel], false);
  state_.StopReel = static_cast<int16_t>(index);
  setBold(cmdReels[index], true);
}

void frmQuorvane::cmd_OskarthDetails_Click() { ShowAboutWindow(this); }

void frmQuorvane::closeEvent(QCloseEvent* event) {
  // The title bar's close box is Exit: the logs are closed and the program ends.
  event->ignore();
  cmdExit_Click();
}
