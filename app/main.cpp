#include "app/main_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pemrix::app::TMainForm form;
    form.show();
    return app.exec();
}
