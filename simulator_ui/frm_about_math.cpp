#include "frm_about_math.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include "frm_about_math_link.h"
#include "ui_platform.h"

using tamberlo::ui::FittingFont;
using tamberlo::ui::Rgb;
using tamberlo::ui::SansFont;
using tamberlo::ui::TwipsRect;

namespace {

// The maker's contact details; all of them fictitious.
const char* const kSalesEmail = "sales@oskarth.test";
const char* const kWebAddress = "www.oskarth.test";
const char* const kContactName = "Ilka Vantroo";
const char* const kContactEmail = "ilka@oskarth.test";
const char* const kContactMobile = "+44 7700 900 456";
const char* const kStreet = "17 Quillfeather Row";
const char* const kCityLine = "Fennbury FB3 9QX, UK";
const char* const kPhone = "+44 1632 960 123";

ShellOpener& Opener() {
  static ShellOpener opener;
  return opener;
}

void ShellOpen(const QString& target) {
  if (Opener()) {
    Opener()(target);
    return;
  }
  // fromUserInput, so that a bare "www." address opens in the browser.
  QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(name);
  widget->setGeometry(TwipsRect(left, top, width, height));
  return widget;
}

// The texts of the right-hand column line up on its right edge.
enum class Align { Left, Right };

QLabel* Label(QWidget* parent, const char* name, int left, int top, int width, int height,
              const QString& text = {}, bool bold = false, Align align = Align::Left) {
  auto* label = Place(new QLabel(text, parent), name, left, top, width, height);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment((align == Align::Left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
  QFont font = SansFont(8.25);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

QLabel* Picture(QWidget* parent, const char* name, int left, int top, const char* resource) {
  auto* picture = Label(parent, name, left, top, 0, 0);
  picture->setPixmap(QPixmap(resource));
  picture->resize(picture->pixmap().size());
  return picture;
}

void Line(QWidget* parent, const char* name, int y, const QColor& colour) {
  auto* line = Place(new QFrame(parent), name, 120, y, 7680 - 120, 15);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
}

}  // namespace

// The pictures are compiled into this static library; nothing else pulls them in.
static void LoadAboutPictures() { Q_INIT_RESOURCE(about); }

frmAboutMath::frmAboutMath(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  [[maybe_unused]] static const bool picturesLoaded = (LoadAboutPictures(), true);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Oskarth Ltd.");
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Rgb(223, 223, 223));
  setPalette(palette);
  setAutoFillBackground(true);
  setGeometry(TwipsRect(2340, 1935, 7860, 3360));
  setFixedSize(size());

  // The button first: it heads the tab order and takes the focus.
  cmdOK = Place(new QPushButton("Close", this), "cmdOK", 6420, 2880, 1260, 345);
  cmdOK->setFont(SansFont(8.25));
  cmdOK->setDefault(true);
  cmdOK->setFocus();
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

  Picture(this, "picIcon", 120, 240, ":/about/logo.png");
  Picture(this, "Picture1", 0, 1920, ":/about/company_name.png");
  lbCompanyInfo = Label(this, "lbCompanyInfo", 120, 2400, 4560, 315);
  lblAddressInfo[1] =
      Label(this, "lblAddressInfo(1)", 6360, 120, 1335, 240, "Address:", true, Align::Right);
  lblAddressInfo[0] =
      Label(this, "lblAddressInfo(0)", 5160, 360, 2520, 555, {}, false, Align::Right);
  Label(this, "lblSalesInfo(0)", 5400, 960, 570, 240, "Email: ", false, Align::Right);
  lblSalesLink = Place(new AboutLink(kSalesEmail, this), "lblSalesLink", 6060, 960, 1620, 195);
  lblSalesLink->onClick = [this] { lblSalesLink_Click(); };
  Label(this, "lblSalesInfo(4)", 5640, 1200, 495, 240, "Web: ", false, Align::Right);
  lblWWW = Place(new AboutLink(kWebAddress, this), "lblWWW", 6120, 1200, 1560, 195);
  lblWWW->onClick = [this] { lblWWW_Click(); };
  lblMathInfo[1] =
      Label(this, "lblMathInfo(1)", 6360, 1755, 1335, 240, kContactName, true, Align::Right);
  lblMathInfo[0] = Label(this, "lblMathInfo(0)", 5160, 2010, 2520, 555, {}, false, Align::Right);
  Label(this, "lblSalesInfo(3)", 4920, 2400, 570, 240, "Email: ", false, Align::Right);
  lblMathLink = Place(new AboutLink(kContactEmail, this), "lblMathLink", 5520, 2400, 2160, 195);
  lblMathLink->onClick = [this] { lblMathLink_Click(); };
  // The etched separator: a grey line with a white one under it.
  Line(this, "Line1(1)", 2760, Rgb(128, 128, 128));
  Line(this, "Line1(2)", 2775, Rgb(255, 255, 255));

  Form_Load();
}

void frmAboutMath::Form_Load() {
  lbCompanyInfo->setText("We offers a complete Math Design for your Video Slot Games.");
  // The installed fonts can run wider than this place was measured for.
  lbCompanyInfo->setFont(FittingFont(lbCompanyInfo->font(), lbCompanyInfo->text(), lbCompanyInfo->width()));
  lblMathLink->setToolTip(" mailto: " + lblMathLink->text() + " ");
  lblMathInfo[0]->setText(QString("Managing Director\r\nMobile: ") + kContactMobile);
  lblAddressInfo[0]->setText(QString(kStreet) + "\r\n" + kCityLine + "\r\nPhone: " + kPhone);
  lblWWW->setToolTip(QString(" ") + kWebAddress + " ");
}

void frmAboutMath::keyPressEvent(QKeyEvent* event) {
  // Esc presses the cancel button, which is "Close".
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdOK->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmAboutMath::cmdOK_Click() { close(); }

void frmAboutMath::lblSalesLink_Click() { ShellOpen("mailto: " + lblSalesLink->text()); }

void frmAboutMath::lblMathLink_Click() { ShellOpen("mailto: " + lblMathLink->text()); }

void frmAboutMath::lblWWW_Click() { ShellOpen(lblWWW->toolTip().trimmed()); }

void ShowAboutWindow(QWidget* owner) {
  static QPointer<frmAboutMath> instance;
  // A closed window is on its way out; the next one is loaded anew.
  if (!instance || instance->isHidden()) instance = new frmAboutMath(owner);
  instance->show();
  instance->raise();
  instance->activateWindow();
}

void SetShellOpener(ShellOpener opener) { Opener() = std::move(opener); }
