#pragma once

#include <QMainWindow>

namespace pemrix::app {

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace pemrix::app
