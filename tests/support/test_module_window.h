#pragma once
// A module window that only records what is asked of it, in a journal that outlives
// it. Its button panel is built as the real windows build theirs: the eight buttons
// of the expanders, or for the relay kind seven without LoadIdButton and a frame at
// the right end. Its steps are open to tests.

#include "forms/module_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

namespace pemrix::testing {

// What happened, in order, across windows and ports.
struct Journal {
    std::vector<std::string> entries;
    std::vector<QObject*> senders; // of the actions, in order

    void add(std::string entry) { entries.push_back(std::move(entry)); }
    void clear() {
        entries.clear();
        senders.clear();
    }
};

// An edit that remembers the keys it was given.
class KeyRecordingEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    std::vector<int> keys;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TestModuleWindow : public forms::ModuleWindow {
  public:
    TestModuleWindow(forms::ModuleHost& host, link::ModuleKind kind, Journal& journal);
    ~TestModuleWindow() override;

    link::ModuleKind moduleKind() const override { return kind_; }
    int helpTopic() const override;
    std::vector<int> BuildConfigImage() const override { return factoryImage(); }
    void ApplyConfigImage(std::span<const int> image) override;

    void WriteButtonClick(QObject* sender) override { action("Write", sender); }
    void ReadButtonClick(QObject* sender) override { action("Read", sender); }
    void ConnectButtonClick(QObject* sender) override { action("Connect", sender); }
    void CancelButtonClick(QObject* sender) override { action("Cancel", sender); }
    void LoadIdButtonClick(QObject* sender) override { action("LoadId", sender); }
    void DefaultButtonClick(QObject* sender) override { action("Default", sender); }
    void SaveButtonClick(QObject* sender) override { action("Save", sender); }
    void LoadButtonClick(QObject* sender) override { action("Load", sender); }

    // Only the expander windows read keys.
    bool keyReadSelected() const override { return module().readsKeys && tmItem == 0; }

    using forms::ModuleWindow::breakLink;
    using forms::ModuleWindow::connectLink;
    using forms::ModuleWindow::startTransfer;

    QPushButton* button(const char* name) const;
    // The selected item of the window's output-type group.
    int tmItem = 0;
    // Sits inside a group box, so that keys it ignores go up through its parents.
    KeyRecordingEdit* edit = nullptr;
    // The relay kind's frame at the right end of the panel.
    QWidget* trailing = nullptr;

  protected:
    forms::ConfigFileSave fileSave() override { return {}; }
    forms::ConfigFileLoad fileLoad() override { return {}; }
    const image::FieldTable& fieldTable() const override {
        static const image::FieldTable none;
        return none;
    }

  private:
    void action(const char* name, QObject* sender);
    link::ModuleKind kind_;
    Journal& journal_;
};

} // namespace pemrix::testing
