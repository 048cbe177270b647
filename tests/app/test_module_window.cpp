#include "tests/app/test_module_window.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace pemrix::app::testing {

void KeyRecordingEdit::keyPressEvent(QKeyEvent* event) {
    keys.push_back(event->key());
    QLineEdit::keyPressEvent(event);
}

namespace {
const char* kindName(forms::ModuleWindow::Kind kind) {
    switch (kind) {
    case forms::ModuleWindow::Kind::Secure:
        return "Secure";
    case forms::ModuleWindow::Kind::FireSecure:
        return "FireSecure";
    case forms::ModuleWindow::Kind::Rele:
        return "Rele";
    }
    return "?";
}
} // namespace

TestModuleWindow::TestModuleWindow(forms::ModuleHost* host, Kind kind, Journal& journal)
    : ModuleWindow(host), kind_(kind), journal_(journal) {
    journal_.add(std::string("created ") + kindName(kind));
    auto* layout = new QVBoxLayout(page());
    for (const char* name : {"WriteButton", "ReadButton", "ConnectButton", "CancelButton",
                             "LoadIdButton", "DefaultButton", "SaveButton", "LoadButton"}) {
        auto* button = new QPushButton(QString::fromLatin1(name), page());
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    auto* group = new QGroupBox(page());
    group->setObjectName(QStringLiteral("Inner"));
    edit = new KeyRecordingEdit(group);
    edit->setObjectName(QStringLiteral("FocusEdit"));
    (new QVBoxLayout(group))->addWidget(edit);
    layout->addWidget(group);
}

TestModuleWindow::~TestModuleWindow() {
    journal_.add("destroyed");
}

int TestModuleWindow::moduleKind() const {
    switch (kind_) {
    case Kind::Secure:
        return 2;
    case Kind::FireSecure:
        return 1;
    case Kind::Rele:
        return 5;
    }
    return 0;
}

void TestModuleWindow::showImage(const std::vector<int>& image) {
    std::string entry = "showImage";
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

} // namespace pemrix::app::testing
