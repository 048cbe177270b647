#include "forms/module_window.h"

#include "forms/button_panel.h"
#include "forms/control_grid.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/module_host.h"
#include "forms/page_area.h"
#include "image/image_cells.h"
#include "link/reports.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace pemrix::forms {

namespace {

// The windows were laid out for a small eight-point font; a point less than the
// desktop's keeps them near their given size.
QFont compactFont(QFont font) {
    constexpr double smallest = 8.0;
    if (font.pointSizeF() > smallest)
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - 1.0));
    return font;
}

using Action = void (ModuleWindow::*)(QObject*);

struct NamedAction {
    const char* name;
    Action action;
};

constexpr NamedAction ButtonActions[] = {
    {"WriteButton", &ModuleWindow::WriteButtonClick},
    {"ReadButton", &ModuleWindow::ReadButtonClick},
    {"ConnectButton", &ModuleWindow::ConnectButtonClick},
    {"CancelButton", &ModuleWindow::CancelButtonClick},
    {"LoadIdButton", &ModuleWindow::LoadIdButtonClick},
    {"DefaultButton", &ModuleWindow::DefaultButtonClick},
    {"SaveButton", &ModuleWindow::SaveButtonClick},
    {"LoadButton", &ModuleWindow::LoadButtonClick},
};

// The buttons the reports switch, in the order of link::LinkButton.
constexpr const char* LinkButtonNames[] = {"WriteButton", "ReadButton", "ConnectButton",
                                           "CancelButton", "LoadIdButton"};

} // namespace

ModuleWindow::ModuleWindow(ModuleHost& host, QWidget* parent)
    : QDialog(parent), host_(host), activeControls_(new ActiveControl(this)),
      frame_(new QVBoxLayout(this)), pageArea_(new PageArea(this)),
      StatusBar1(new QStatusBar(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A title, a close button and no resizing: the window keeps the size it fits.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(compactFont(font()));
    frame_->setContentsMargins(0, 0, 0, 0);
    frame_->setSpacing(0);
    frame_->addWidget(pageArea_);
    frame_->addWidget(StatusBar1);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    // A port left open by an earlier window must not meet the new link.
    host_.closePort();
    host_.moduleWindowCreated(this);
    addTools();
}

// A window destroyed without a close event (its owner went first) still gives
// the host its keys back and lets go of the port.
ModuleWindow::~ModuleWindow() {
    leaveHost();
}

std::vector<int> ModuleWindow::factoryImage() const {
    std::vector<int> image;
    if (ListBox2 == nullptr)
        return image;
    image.reserve(static_cast<std::size_t>(ListBox2->count()));
    for (int row = 0; row < ListBox2->count(); ++row)
        image.push_back(toInteger(ListBox2->item(row)->text()));
    return image;
}

QWidget* ModuleWindow::activeControl() const {
    if (QWidget* active = activeControls_->control())
        return active;
    return focusWidget();
}

bool ModuleWindow::buttonEnabled(const char* objectName) const {
    const auto* found = findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    return found != nullptr && found->isEnabled();
}

QWidget* ModuleWindow::page() const {
    return pageArea_->page();
}

void ModuleWindow::fitInto(const QRect& available) {
    QSize room = available.size().shrunkBy(frameAround());
    const int barHeight = StatusBar1->sizeHint().height();
    room.rheight() -= barHeight;
    const QSize area = pageArea_->fitInto(room);
    setFixedSize(area.width(), area.height() + barHeight);
}

// The frame is known once the window has been on the screen; before that, a title
// bar and thin borders are assumed.
QMargins ModuleWindow::frameAround() const {
    if (const QWindow* handle = windowHandle(); handle != nullptr && handle->isVisible()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull())
            return known;
    }
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return {border, title + border, border, border};
}

void ModuleWindow::showEvent(QShowEvent* event) {
    // Sized before the dialog centres itself on the screen.
    if (!event->spontaneous() && screen() != nullptr)
        fitInto(screen()->availableGeometry());
    QDialog::showEvent(event);
}

void ModuleWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

ButtonPanel* ModuleWindow::createButtonPanel(std::span<const ButtonEntry> buttons) {
    auto* panel = new ButtonPanel(buttons, this);
    for (const NamedAction& named : ButtonActions) {
        QPushButton* pushButton = panel->button(named.name);
        if (pushButton == nullptr)
            continue;
        // The actions guard themselves: the main window's function keys call them too.
        connect(pushButton, &QPushButton::clicked, this,
                [this, pushButton, action = named.action] { (this->*action)(pushButton); });
    }
    for (std::size_t i = 0; i < linkButtons_.size(); ++i)
        linkButtons_[i] = panel->button(LinkButtonNames[i]);
    return panel;
}

QPushButton* ModuleWindow::button(link::LinkButton which) const {
    return linkButtons_[static_cast<std::size_t>(which)];
}

void ModuleWindow::status(const QString& text) {
    // The status bar's own message, so assistive tools announce it.
    StatusBar1->showMessage(text);
}

void ModuleWindow::createFactoryList(std::span<const int> factory, QWidget* parent) {
    ListBox2 = makeHiddenList("ListBox2", image::decimalStrings(factory), parent);
}

const link::ModuleProfile& ModuleWindow::module() const {
    return *link::profileOf(moduleKind());
}

void ModuleWindow::WriteButtonClick(QObject*) {
    if (!readyToWrite())
        return;
    // The worker keeps its own copy: edits made during the transfer stay here.
    startTransfer(module().write, BuildConfigImage());
}

void ModuleWindow::ReadButtonClick(QObject*) {
    startTransfer(module().read, {});
}

void ModuleWindow::ConnectButtonClick(QObject*) {
    connectLink();
}

void ModuleWindow::CancelButtonClick(QObject*) {
    breakLink();
}

void ModuleWindow::DefaultButtonClick(QObject*) {
    runReported(this, [this] {
        ApplyConfigImage(factoryImage());
        status(QCoreApplication::translate("pemrix", "Заводские установки выставлены"));
        afterDefaults();
    });
}

void ModuleWindow::SaveButtonClick(QObject*) {
    if (saveConfigFile(*this, fileLines(), fileSave()))
        savedToFile_ = true;
}

void ModuleWindow::applyImage(const std::vector<int>& image) {
    ApplyConfigImage(image);
    readFromModule_ = true;
}

void ModuleWindow::LoadButtonClick(QObject*) {
    loadConfigFile(*this, fileLines(), fileLoad());
}

void ModuleWindow::startTransfer(link::Operation operation, std::vector<int> data) {
    setButtonEnabled(link::LinkButton::Write, false);
    setButtonEnabled(link::LinkButton::Read, false);
    if (!host_.startWorker(moduleKind(), operation, std::move(data))) {
        setButtonEnabled(link::LinkButton::Write, true);
        setButtonEnabled(link::LinkButton::Read, true);
    }
}

// The pending layout comes first: a port that does not open takes the window straight
// to the layout of no link.
void ModuleWindow::connectLink() {
    host_.closePort();
    link::SetLinkPending(*this);
    host_.StartLink();
}

void ModuleWindow::breakLink() {
    host_.stopWorker();
    link::SetLinkDown(*this);
    host_.closePort();
    // The profile's texts are catalog sources, each a whole literal.
    status(QCoreApplication::translate("pemrix", module().brokenLinkStatus.data()));
}

void ModuleWindow::showStatus(const std::string& text) {
    status(QString::fromStdString(text));
}

void ModuleWindow::showMessage(const std::string& text) {
    Dialogs::instance().message(this, QString::fromStdString(text));
}

void ModuleWindow::setButtonEnabled(link::LinkButton which, bool enabled) {
    if (QPushButton* found = button(which))
        found->setEnabled(enabled);
}

void ModuleWindow::setLinkPending() {
    setButtonEnabled(link::LinkButton::Read, false);
    setButtonEnabled(link::LinkButton::Write, false);
    setButtonEnabled(link::LinkButton::Connect, false);
    setButtonEnabled(link::LinkButton::Cancel, true);
}

void ModuleWindow::setLinkDown() {
    setButtonEnabled(link::LinkButton::Read, false);
    setButtonEnabled(link::LinkButton::Write, false);
    setButtonEnabled(link::LinkButton::Connect, true);
    // Disabled under the focus, "Разорвать связь" would pass it down the Tab chain to
    // "Заводские установки", where the next Space wipes the user's edits.
    if (QPushButton* cancel = button(link::LinkButton::Cancel);
        cancel != nullptr && focusWidget() == cancel && button(link::LinkButton::Connect))
        button(link::LinkButton::Connect)->setFocus();
    setButtonEnabled(link::LinkButton::Cancel, false);
}

void ModuleWindow::closeWindow() {
    close();
}

void ModuleWindow::lineLost(const link::PortError& error) {
    host_.lineLost(error);
}

void ModuleWindow::closeEvent(QCloseEvent* event) {
    leaveHost();
    QDialog::closeEvent(event);
}

void ModuleWindow::leaveHost() {
    if (left_)
        return;
    left_ = true;
    host_.moduleWindowClosed(this);
    host_.stopWorker();
    host_.closePort();
}

} // namespace pemrix::forms
