// The device behind the chosen port: the chooser that assigns it, the status-bar
// label that shows it, and what the label says when the port does not open, its
// line fails under an exchange, or the user may not open serial devices at all.

#include "app/main_form.h"
#include "app/main_form_texts.h"
#include "app/port_chooser_dialog.h"
#include "ports/port_settings.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>

namespace pemrix::app {

void TMainForm::setSystemRoots(std::filesystem::path devices, std::filesystem::path processes) {
    deviceRoot_ = std::move(devices);
    procRoot_ = std::move(processes);
}

// Root opens every device: start-up need not read the device folders for it.
void TMainForm::noteSerialGroup(const ports::UserGroups& user) {
    if (!user.root)
        if (const auto group =
                ports::serialGroupToJoin(user, ports::listSerialDevices(deviceRoot_)))
            portProblem_ = ports::serialGroupNotice(*group);
    showPortDevice();
}

// The list is read afresh each time: adapters come and go.
void TMainForm::PortChooserButtonClick() {
    const int port = portNumber();
    auto* dialog = new PortChooserDialog(port, ports::mappedDeviceForPort(Settings.get(), port),
                                         ports::deviceForPort(nullptr, port),
                                         ports::listSerialDevices(deviceRoot_), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { assignPortDevice(dialog->portNumber(), dialog->chosenDevice()); });
    dialog->open();
}

void TMainForm::assignPortDevice(int port, const QString& device) {
    if (Settings)
        ports::writeDeviceForPort(*Settings, port, device);
    portProblem_.reset();
    showPortDevice();
}

// A radio button's rule runs only when it becomes checked.
void TMainForm::portChoiceChanged(bool checked) {
    if (!checked)
        return;
    portProblem_.reset();
    showPortDevice();
}

void TMainForm::OpenPort() {
    const QString device = ports::deviceForPort(Settings.get(), portNumber());
    PortHandle = portOpener_ ? portOpener_(device.toStdString()) : nullptr;
    notePortOpened(device);
}

// The link goes on as it would (its attempts end in "no answer"); only the label
// says why.
void TMainForm::notePortOpened(const QString& device) {
    if (!PortHandle)
        return;
    if (const auto error = PortHandle->openError())
        portProblem_ =
            ports::diagnoseOpenFailure(QStringLiteral("COM%1").arg(portNumber()).toStdString(),
                                       device.toStdString(), *error, procRoot_);
    else
        portProblem_.reset();
    showPortDevice();
}

std::string TMainForm::portDescription() const {
    const int port = portNumber();
    return QStringLiteral("COM%1 (%2)")
        .arg(port)
        .arg(ports::deviceForPort(Settings.get(), port))
        .toStdString();
}

// The label says the device is gone until a new link opens the port again.
void TMainForm::lineLost(const link::PortError& error) {
    const int port = portNumber();
    portProblem_ =
        ports::describeLineLoss(QStringLiteral("COM%1").arg(port).toStdString(),
                                ports::deviceForPort(Settings.get(), port).toStdString(), error);
    showPortDevice();
}

void TMainForm::showPortDevice() {
    QString shown;
    QString hint;
    if (portProblem_) {
        shown = QString::fromStdString(portProblem_->brief);
        hint = QString::fromStdString(portProblem_->full);
    } else {
        const int port = portNumber();
        const QString device = ports::deviceForPort(Settings.get(), port);
        shown = QString::fromUtf8(texts::portDevice).arg(port).arg(device);
        hint = text(texts::portDeviceHint).arg(port).arg(device);
    }
    const int room = portDeviceRoom();
    PortDeviceLabel->setMaximumWidth(room);
    const QMargins inside = PortDeviceLabel->contentsMargins();
    PortDeviceLabel->setText(PortDeviceLabel->fontMetrics().elidedText(
        shown, Qt::ElideMiddle, std::max(0, room - inside.left() - inside.right())));
    PortDeviceLabel->setToolTip(hint);
}

// The version text keeps its whole width, whatever the font; the device label has
// what is left of the status bar.
int TMainForm::portDeviceRoom() const {
    // The status bar's own margins around its message and its permanent widgets.
    constexpr int margins = 20;
    const int versionWidth = MainStatusBar->fontMetrics().horizontalAdvance(version->text());
    return std::max(0, width() - versionWidth - margins);
}

} // namespace pemrix::app
