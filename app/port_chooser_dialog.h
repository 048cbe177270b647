#pragma once
// The device behind one port name: the serial devices present, or a path typed in.

#include "ports/serial_devices.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QListWidget;

namespace pemrix::app {

class PortChooserDialog : public QDialog {
    Q_OBJECT
  public:
    // `mappedDevice` is the device the settings name for the port, if any;
    // `usualDevice` the one the port uses without.
    PortChooserDialog(int portNumber, const QString& mappedDevice, const QString& usualDevice,
                      const std::vector<ports::SerialDevice>& devices, QWidget* parent);

    int portNumber() const { return portNumber_; }
    // The path as it stands in the line, blanks trimmed; empty for the usual device.
    QString chosenDevice() const;

  private:
    void fillList(const std::vector<ports::SerialDevice>& devices, const QString& currentDevice);
    void rowPicked();

    int portNumber_;
    QListWidget* DeviceList = nullptr;
    QLineEdit* DevicePath = nullptr;
};

} // namespace pemrix::app
