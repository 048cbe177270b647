#include "app/port_chooser_dialog.h"

#include "app/main_form_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace pemrix::app {

namespace {

// "/dev/serial/by-id/usb-FTDI… → /dev/ttyUSB0", with what the system calls it.
QString rowText(const ports::SerialDevice& device) {
    QString row = QString::fromStdString(device.path);
    if (!device.target.empty())
        row += QStringLiteral(" → ") + QString::fromStdString(device.target);
    if (!device.description.empty())
        row += QStringLiteral("  (") + QString::fromStdString(device.description) + ')';
    return row;
}

} // namespace

PortChooserDialog::PortChooserDialog(int portNumber, const QString& mappedDevice,
                                     const QString& usualDevice,
                                     const std::vector<ports::SerialDevice>& devices,
                                     QWidget* parent)
    : QDialog(parent), portNumber_(portNumber) {
    setObjectName(QStringLiteral("PortChooserDialog"));
    setWindowTitle(text(texts::portChooserCaption).arg(portNumber));

    auto* listCaption = new QLabel(text(texts::portChooserList), this);
    DeviceList = new QListWidget(this);
    DeviceList->setObjectName(QStringLiteral("DeviceList"));
    auto* pathCaption = new QLabel(text(texts::portChooserPath), this);
    DevicePath = new QLineEdit(mappedDevice, this);
    DevicePath->setObjectName(QStringLiteral("DevicePath"));
    DevicePath->setPlaceholderText(text(texts::portChooserUsualDevice).arg(usualDevice));
    pathCaption->setBuddy(DevicePath);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("DialogButtons"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listCaption);
    layout->addWidget(DeviceList, 1);
    layout->addWidget(pathCaption);
    layout->addWidget(DevicePath);
    layout->addWidget(buttons);
    resize(520, 300);

    fillList(devices, mappedDevice.isEmpty() ? usualDevice : mappedDevice);

    connect(DeviceList, &QListWidget::itemClicked, this, &PortChooserDialog::rowPicked);
    connect(DeviceList, &QListWidget::itemActivated, this, [this] {
        rowPicked();
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PortChooserDialog::fillList(const std::vector<ports::SerialDevice>& devices,
                                 const QString& currentDevice) {
    if (devices.empty()) {
        auto* none = new QListWidgetItem(text(texts::portChooserNone), DeviceList);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    for (const ports::SerialDevice& device : devices) {
        auto* item = new QListWidgetItem(rowText(device), DeviceList);
        const QString path = QString::fromStdString(device.path);
        item->setData(Qt::UserRole, path);
        if (path == currentDevice)
            DeviceList->setCurrentItem(item);
    }
}

void PortChooserDialog::rowPicked() {
    const QListWidgetItem* item = DeviceList->currentItem();
    if (item != nullptr && item->data(Qt::UserRole).isValid())
        DevicePath->setText(item->data(Qt::UserRole).toString());
}

QString PortChooserDialog::chosenDevice() const {
    return DevicePath->text().trimmed();
}

} // namespace pemrix::app
