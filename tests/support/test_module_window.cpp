#include "tests/support/test_module_window.h"

#include "forms/button_panel.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include <array>

namespace pemrix::testing {

void KeyRecordingEdit::keyPressEvent(QKeyEvent* event) {
    keys.push_back(event->key());
    QLineEdit::keyPressEvent(event);
}

namespace {

using forms::ButtonEntry;

constexpr ButtonEntry ExpanderButtons[] = {
    {"WriteButton", "Write", "F2", true, 0, 0},     {"ReadButton", "Read", "F3", true, 1, 0},
    {"ConnectButton", "Connect", "F4", true, 0, 1}, {"CancelButton", "Cancel", "F5", true, 1, 1},
    {"LoadIdButton", "LoadId", "F6", true, 0, 2},   {"DefaultButton", "Default", "F7", true, 1, 2},
    {"SaveButton", "Save", "F9", true, 1, 3},       {"LoadButton", "Load", "F10", true, 0, 3},
};
constexpr ButtonEntry ReleButtons[] = {
    {"WriteButton", "Write", "F2", true, 0, 0},     {"ReadButton", "Read", "F3", true, 1, 0},
    {"ConnectButton", "Connect", "F4", true, 0, 1}, {"CancelButton", "Cancel", "F5", true, 1, 1},
    {"DefaultButton", "Default", "F7", true, 1, 2}, {"LoadButton", "Load", "F10", true, 0, 2},
    {"SaveButton", "Save", "F9", true, 0, 3},
};

const char* kindName(link::ModuleKind kind) {
    switch (kind) {
    case link::ModuleKind::Secure:
        return "Secure";
    case link::ModuleKind::FireSecure:
        return "FireSecure";
    default:
        return "Rele";
    }
}

} // namespace

TestModuleWindow::TestModuleWindow(forms::ModuleHost& host, link::ModuleKind kind, Journal& journal)
    : ModuleWindow(host), kind_(kind), journal_(journal) {
    journal_.add(std::string("created ") + kindName(kind));
    const bool readsKeys = module().readsKeys;
    auto* layout = new QVBoxLayout(page());
    forms::ButtonPanel* panel =
        readsKeys ? createButtonPanel(ExpanderButtons) : createButtonPanel(ReleButtons);
    if (!readsKeys) {
        trailing = new QWidget(panel);
        trailing->setObjectName(QStringLiteral("Demo"));
        trailing->setMinimumSize(20, 20);
        panel->addTrailing(trailing);
    }
    layout->addWidget(panel);
    auto* group = new QGroupBox(page());
    group->setObjectName(QStringLiteral("Inner"));
    edit = new KeyRecordingEdit(group);
    edit->setObjectName(QStringLiteral("FocusEdit"));
    (new QVBoxLayout(group))->addWidget(edit);
    layout->addWidget(group);
    createFactoryList(std::array{7, 8, 9}, page());
}

TestModuleWindow::~TestModuleWindow() {
    journal_.add("destroyed");
}

int TestModuleWindow::helpTopic() const {
    switch (kind_) {
    case link::ModuleKind::Secure:
        return 30;
    case link::ModuleKind::FireSecure:
        return 29;
    default:
        return 36;
    }
}

void TestModuleWindow::ApplyConfigImage(std::span<const int> image) {
    std::string entry = "applyImage";
    for (int cell : image)
        entry += " " + std::to_string(cell);
    journal_.add(entry);
}

QPushButton* TestModuleWindow::button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

void TestModuleWindow::action(const char* name, QObject* sender) {
    journal_.add(name);
    journal_.senders.push_back(sender);
}

} // namespace pemrix::testing
