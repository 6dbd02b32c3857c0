#include "frm_slot_chart.h"

#include <QBuffer>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cerrno>
#include <cmath>

#include "file_failure.h"
#include "rtp_chart_summary.h"
#include "text_format.h"
#include "ui_platform.h"
#include "whole_file.h"

using tamberlo::ui::Rgb;
using tamberlo::ui::TwipsRect;

namespace {

// The load gives the window the screen's full width and 5/8 of its height,
// by its outer frame.
QSize LoadedSize() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return QSize(screen.width(), static_cast<int>(screen.height() / 8.0 * 5));
}

}  // namespace

frmSlotChart::frmSlotChart(const tamberlo::GameState& state, tamberlo::RunLogs& logs,
                           tamberlo::Display& mainWindow, QWidget* parent)
    : QWidget(parent),
      state_(state),
      logs_(logs),
      mainWindow_(mainWindow),
      canvas_(LoadedSize()) {
  CreateControls();
  Form_Load();
}

void frmSlotChart::CreateControls() {
  setWindowTitle("Slot Chart");
  setFont(tamberlo::ui::SansFont(8.25));
  const QPalette standard = palette();
  QPalette white = standard;
  white.setColor(QPalette::Window, Rgb(255, 255, 255));
  setPalette(white);
  setAttribute(Qt::WA_OpaquePaintEvent);

  cmdCharSetup_ = new QPushButton("Char Setup", this);
  cmdCharSetup_->setObjectName("cmdCharSetup");
  cmdCharSetup_->setGeometry(TwipsRect(0, 0, 975, 315));
  cmdCharSetup_->setPalette(standard);
  tamberlo::ui::EnterClicks(cmdCharSetup_);
  connect(cmdCharSetup_, &QPushButton::clicked, this, &frmSlotChart::cmdCharSetup_Click);

  fraCharSetup_ = new QGroupBox("Chart Setup", this);
  fraCharSetup_->setObjectName("fraCharSetup");
  fraCharSetup_->setGeometry(TwipsRect(360, 360, 4455, 2175));
  fraCharSetup_->setPalette(standard);
  fraCharSetup_->setAutoFillBackground(true);
  fraCharSetup_->hide();

  auto checkBox = [&](const char* name, const char* caption, int top, bool checked) {
    auto* box = new QCheckBox(caption, fraCharSetup_);
    box->setObjectName(name);
    box->setGeometry(TwipsRect(120, top, 975, 375));
    box->setChecked(checked);
    return box;
  };
  chkContinue_ = checkBox("chkContinue", "Continue", 240, true);
  chkContinue_->setToolTip("When unchecked the drawing stops at the end of the chart");
  chkClear_ = checkBox("chkClear", "Clear", 600, false);
  chkPrint_ = checkBox("chkPrint", "Print", 960, false);
  chkSave_ = checkBox("chkSave", "Save", 1320, false);
  chkChart_ = checkBox("chkChart", "Chart", 1680, true);
  connect(chkSave_, &QCheckBox::clicked, this, &frmSlotChart::chkSave_Click);

  const char* const captions[4] = {"X size               steps", "Min                   %",
                                   "Step                 %", "Target              %"};
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(captions[i], fraCharSetup_);
    label->setGeometry(TwipsRect(1200, 240 + 360 * i, 1695, 255));
  }
  auto* lblCounters = new QLabel("Line counter reset", fraCharSetup_);
  lblCounters->setGeometry(TwipsRect(3000, 240, 1335, 255));

  const char* const texts[tamberlo::chart::kSetupBoxes] = {"500", "71", "4", "95", "0", "500", "100"};
  const QColor counterColours[3] = {Rgb(255, 0, 0), Rgb(0, 192, 0), Rgb(128, 128, 255)};
  for (int i = 0; i < tamberlo::chart::kSetupBoxes; ++i) {
    auto* box = new QLineEdit(texts[i], fraCharSetup_);
    if (i < 4) {
      box->setObjectName(QString("txtMastabi%1").arg(i));
      box->setGeometry(TwipsRect(1800, 240 + 360 * i, 495, 285));
    } else {
      box->setObjectName(QString("txtCounterRST%1").arg(i - 4));
      box->setGeometry(TwipsRect(3000, 600 + 360 * (i - 4), 1335, 285));
      QPalette coloured = box->palette();
      coloured.setColor(QPalette::Base, counterColours[i - 4]);
      box->setPalette(coloured);
    }
    // Any change, typed or written by the load, has the set-up read again when
    // the panel is closed.
    connect(box, &QLineEdit::textChanged, this, [this] { ChartSetupChanged = 1; });
    setupBoxes_[i] = box;
  }
}

void frmSlotChart::Form_Load() {
  move(0, 0);
  setFixedSize(canvas_.Size());
  tamberlo::ui::WhenFrameChanges(this, [this] { PlaceByFrame(); });

  const double r = tamberlo::RoundHalfEven(state_.Game_RTP);
  const auto boxText = [](double value) {
    return std::isfinite(value) ? QString::number(value, 'f', 0) : QString("0");
  };
  setupBoxes_[1]->setText(boxText(r - 40));
  setupBoxes_[3]->setText(boxText(r));

  ReadChartSetup();
  foreColor_ = Rgb(200, 200, 200);
  FormFormat();
}

// The window manager adds the frame only once the window is shown: the
// client area shrinks to leave the outer size as loaded. The drawing is made
// anew for it while it holds nothing but the empty chart, and kept otherwise.
void frmSlotChart::PlaceByFrame() {
  move(0, 0);
  const QSize client = LoadedSize() - (frameGeometry().size() - size());
  if (client == canvas_.Size() || rtp_.Calls() != 0 || client.isEmpty()) return;
  canvas_ = tamberlo::chart::ChartCanvas(client);
  emptyChart_ = QImage();
  setFixedSize(client);
  FormFormat();
}

QLineEdit* frmSlotChart::ReadChartSetup() {
  tamberlo::chart::SetupTexts texts;
  for (int i = 0; i < tamberlo::chart::kSetupBoxes; ++i) {
    texts[i] = setupBoxes_[i]->text().toStdString();
  }
  const tamberlo::chart::SetupReading reading = tamberlo::chart::ReadSetupTexts(texts);
  if (reading.refusal) {
    tamberlo::ui::MessageBox(this, QString::fromStdString(reading.refusal->message));
    return setupBoxes_[reading.refusal->box];
  }
  setup_ = reading.setup;
  FormFormat();
  return nullptr;
}

void frmSlotChart::cmdCharSetup_Click() {
  fraCharSetup_->setVisible(fraCharSetup_->isHidden());
  if (ChartSetupChanged != 1 || !fraCharSetup_->isHidden()) return;
  if (QLineEdit* refused = ReadChartSetup()) {
    // The panel stays open on the box to mend; nothing changes until it reads well.
    fraCharSetup_->show();
    refused->setFocus();
    refused->selectAll();
    return;
  }
  ChartSetupChanged = 0;
  if (chkPrint_->isChecked()) AskPrintData();
}

void frmSlotChart::chkSave_Click(bool checked) {
  if (!checked) return;
  if (tamberlo::ui::MessageBox(this, "Save now?", tamberlo::ui::Buttons::YesNo) !=
      tamberlo::ui::Answer::Yes) {
    return;
  }
  WriteSummary(tamberlo::chart::SnapshotSummary(state_));
  SaveDrawing("TestTemp.bmp");
}

void frmSlotChart::AskPrintData() {
  if (tamberlo::ui::MessageBox(this, "Print data ?", tamberlo::ui::Buttons::OkCancel) ==
      tamberlo::ui::Answer::Ok) {
    tamberlo::ui::Beep();
  }
}

QImage frmSlotChart::ChartImage() { return canvas_.Image(); }

void frmSlotChart::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

void frmSlotChart::ShowPending() { update(canvas_.Flush()); }

void frmSlotChart::ShowSoon() {
  if (canvas_.Touched()) show_.Request();
}

void frmSlotChart::WriteSummary(const std::string& text) {
  {
    QPainter painter(&canvas_.Image());
    painter.setFont(font());
    painter.setPen(Rgb(0, 0, 0));
    canvas_.Touch(canvas_.DrawText(painter, 10, 10, QString::fromStdString(text)));
  }
  ShowSoon();
}

void frmSlotChart::SaveDrawing(const QString& fileName) {
  // Made whole in memory first, the picture reaches the file in full or not at all.
  const std::string name = fileName.toStdString();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  try {
    if (!canvas_.Image().save(&buffer, "BMP")) throw tamberlo::FileError(tamberlo::FileFailure(name, EIO));
    tamberlo::WriteWholeFile(name, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  } catch (const tamberlo::FileError& failure) {
    tamberlo::ui::MessageBox(this, QString::fromStdString(failure.what()));
  }
}
