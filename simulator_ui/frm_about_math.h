#pragma once
// The About window with the maker's contact details.
#include <QDialog>
#include <functional>

class AboutLink;
class QLabel;
class QPushButton;

class frmAboutMath : public QDialog {
  Q_OBJECT

 public:
  // Creating the window runs its load.
  explicit frmAboutMath(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Form_Load();
  void cmdOK_Click();
  void lblSalesLink_Click();
  void lblMathLink_Click();
  void lblWWW_Click();

  QLabel* lbCompanyInfo;
  QLabel* lblAddressInfo[2];
  AboutLink* lblSalesLink;
  AboutLink* lblWWW;
  QLabel* lblMathInfo[2];
  AboutLink* lblMathLink;
  QPushButton* cmdOK;
};

// The About button's action: loads the one window when there is none, shows
// it modeless and brings it to the front.
void ShowAboutWindow(QWidget* owner);

// Opens an e-mail or web target with the user's programs. Tests replace it;
// an empty opener restores the real one.
using ShellOpener = std::function<void(const QString& target)>;
void SetShellOpener(ShellOpener opener);
