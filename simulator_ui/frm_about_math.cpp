#include "frm_about_math.h"

frmAboutMath::frmAboutMath(QWidget* parent) : QDialog(parent) { setWindowTitle("Oskarth Ltd."); }
