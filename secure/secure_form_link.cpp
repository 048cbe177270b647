// The Orvel-416 window's operations with the module and what the exchange reports
// do to it: button layouts of the link, status texts, message boxes.

#include "secure/secure_form.h"

#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/module_host.h"
#include "forms/radio_group.h"
#include "link/module_kind.h"
#include "link/reports.h"

#include <QPushButton>
#include <QStatusBar>

namespace pemrix::secure {

void TSecureForm::WriteButtonClick(QObject*) {
    if (!CheckIdentifiers())
        return;
    WriteButton->setEnabled(false);
    ReadButton->setEnabled(false);
    const SecureConfigImage image = BuildConfigImage();
    // A refused start (another exchange still runs) leaves the window usable.
    if (host() == nullptr ||
        !host()->startWorker(link::ModuleKind::Secure, link::Operation::Write, image)) {
        WriteButton->setEnabled(true);
        ReadButton->setEnabled(true);
    }
}

void TSecureForm::ReadButtonClick(QObject*) {
    WriteButton->setEnabled(false);
    ReadButton->setEnabled(false);
    if (host() == nullptr ||
        !host()->startWorker(link::ModuleKind::Secure, link::Operation::Read, {})) {
        WriteButton->setEnabled(true);
        ReadButton->setEnabled(true);
    }
}

void TSecureForm::ConnectButtonClick(QObject*) {
    if (host() == nullptr)
        return;
    host()->closePort();
    host()->StartLink();
    host()->SetLinkPending();
}

void TSecureForm::CancelButtonClick(QObject*) {
    if (host() != nullptr) {
        host()->stopWorker();
        host()->SetLinkDown();
        host()->closePort();
    } else {
        applyLinkDown();
    }
    status(QString::fromUtf8(link::ExpanderNoLinkStatus));
}

void TSecureForm::DefaultButtonClick(QObject*) {
    forms::runReported(this, [this] {
        ApplyConfigImage(factoryImage());
        status(QStringLiteral("Заводские установки выставлены"));
    });
}

void TSecureForm::SaveButtonClick(QObject*) {
    forms::runReported(this, [this] { saveToFile(); });
}

void TSecureForm::LoadButtonClick(QObject*) {
    forms::runReported(this, [this] { loadFromFile(); });
}

void TSecureForm::applyLinkPending() {
    ReadButton->setEnabled(false);
    WriteButton->setEnabled(false);
    ConnectButton->setEnabled(false);
    EnableIdentifierGroup(TM->itemIndex() == 0);
    CancelButton->setEnabled(true);
}

void TSecureForm::applyLinkDown() {
    ReadButton->setEnabled(false);
    WriteButton->setEnabled(false);
    LoadIdButton->setEnabled(false);
    ConnectButton->setEnabled(true);
    EnableIdentifierGroup(TM->itemIndex() == 0);
    CancelButton->setEnabled(false);
}

void TSecureForm::showStatus(const std::string& text) {
    status(QString::fromStdString(text));
}

void TSecureForm::showMessage(const std::string& text) {
    forms::Dialogs::instance().message(this, QString::fromStdString(text));
}

void TSecureForm::setButtonEnabled(link::LinkButton button, bool enabled) {
    switch (button) {
    case link::LinkButton::Write:
        WriteButton->setEnabled(enabled);
        break;
    case link::LinkButton::Read:
        ReadButton->setEnabled(enabled);
        break;
    case link::LinkButton::Connect:
        ConnectButton->setEnabled(enabled);
        break;
    case link::LinkButton::Cancel:
        CancelButton->setEnabled(enabled);
        break;
    case link::LinkButton::LoadId:
        LoadIdButton->setEnabled(enabled);
        break;
    }
}

void TSecureForm::closeWindow() {
    close();
}

} // namespace pemrix::secure
