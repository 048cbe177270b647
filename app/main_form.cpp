#include "app/main_form.h"

namespace pemrix::app {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
}

} // namespace pemrix::app
