#pragma once
// The About window with the maker's contact details.
#include <QDialog>

class frmAboutMath : public QDialog {
  Q_OBJECT

 public:
  explicit frmAboutMath(QWidget* parent = nullptr);
};
