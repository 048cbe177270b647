// The steps every module window takes with the main window when it opens and closes.

#include "forms/module_window.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pemrix::forms {
namespace {

using pemrix::testing::RecordingHost;

class PlainWindow : public ModuleWindow {
  public:
    using ModuleWindow::ModuleWindow;
    int moduleKind() const override { return 2; }
    int helpTopic() const override { return 30; }
    void WriteButtonClick(QObject*) override {}
    void ReadButtonClick(QObject*) override {}
    void ConnectButtonClick(QObject*) override {}
    void CancelButtonClick(QObject*) override {}
    void DefaultButtonClick(QObject*) override {}
    void SaveButtonClick(QObject*) override {}
    void LoadButtonClick(QObject*) override {}
    void applyImage(const std::vector<int>&) override {}
};

using Calls = std::vector<std::string>;
const Calls leaving = {"closed", "stopWorker", "closePort"};

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ModuleWindowTest, OpeningClosesThePortStillHeldAndTakesTheKeys) {
    RecordingHost host;
    auto* window = new PlainWindow(host);
    EXPECT_EQ(host.calls, (Calls{"closePort", "created"}));
    EXPECT_EQ(host.created, window);
    delete window;
}

TEST(ModuleWindowTest, ClosingGivesBackTheKeysStopsTheWorkerAndClosesThePortOnce) {
    RecordingHost host;
    auto* window = new PlainWindow(host);
    window->show();
    host.calls.clear();
    window->close();
    EXPECT_EQ(host.calls, leaving);
    EXPECT_EQ(host.closed, window);
    deleteClosedWindows(); // closing deletes the window, without a second leave
    EXPECT_EQ(host.calls, leaving);
}

TEST(ModuleWindowTest, AWindowDestroyedWithoutClosingStillLeaves) {
    RecordingHost host;
    auto* window = new PlainWindow(host);
    host.calls.clear();
    delete window;
    EXPECT_EQ(host.calls, leaving);
}

TEST(ModuleWindowTest, ButtonsAreFoundByNameAndTheirState) {
    RecordingHost host;
    PlainWindow* window = new PlainWindow(host);
    auto* write = new QPushButton(window);
    write->setObjectName("WriteButton");
    EXPECT_TRUE(window->buttonEnabled("WriteButton"));
    write->setEnabled(false);
    EXPECT_FALSE(window->buttonEnabled("WriteButton"));
    EXPECT_FALSE(window->buttonEnabled("ReadButton"));
    delete window;
}

// The function keys' sender is the control the window made active last, even one
// made active by code while the window is hidden and nothing has the focus; the
// control being left runs its exit rule first.
TEST(ModuleWindowTest, TheActiveControlIsKeptByTheWindow) {
    RecordingHost host;
    PlainWindow window(host);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    EXPECT_EQ(window.activeControl(), window.focusWidget()) << "before any, the focused one";

    int firstLeft = 0;
    window.activeControls().setExitRule(first, [&firstLeft] { ++firstLeft; });
    EXPECT_TRUE(window.activeControls().activate(first));
    EXPECT_EQ(window.activeControl(), first);
    EXPECT_TRUE(window.activeControls().activate(second));
    EXPECT_EQ(window.activeControl(), second);
    EXPECT_EQ(firstLeft, 1);
}

} // namespace
} // namespace pemrix::forms

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
