// The steps every module window takes with the main window when it opens and closes.

#include "forms/module_host.h"
#include "forms/module_window.h"
#include "tests/forms/reachable_controls.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pemrix::forms {
namespace {

class RecordingHost : public ModuleHost {
  public:
    std::vector<std::string> calls;
    const ModuleWindow* created = nullptr;
    const ModuleWindow* closed = nullptr;

    void closePort() override { calls.push_back("closePort"); }
    void StartLink() override { calls.push_back("StartLink"); }
    void stopWorker() override { calls.push_back("stopWorker"); }
    bool startWorker(int, int, std::vector<int>) override { return false; }
    void SetLinkPending() override {}
    void SetLinkDown() override {}
    void moduleWindowCreated(ModuleWindow* window) override {
        calls.push_back("created");
        created = window;
    }
    void moduleWindowClosed(ModuleWindow* window) override {
        calls.push_back("closed");
        closed = window;
    }
    int releVariant() const override { return 6; }
    void setReleVariant(int) override {}
    bool releLinked() const override { return false; }
    void setReleLinked(bool) override {}
};

class PlainWindow : public ModuleWindow {
  public:
    using ModuleWindow::ModuleWindow;
    Kind kind() const override { return Kind::Secure; }
    int moduleKind() const override { return 2; }
    void WriteButtonClick(QObject*) override {}
    void ReadButtonClick(QObject*) override {}
    void ConnectButtonClick(QObject*) override {}
    void CancelButtonClick(QObject*) override {}
    void DefaultButtonClick(QObject*) override {}
    void SaveButtonClick(QObject*) override {}
    void LoadButtonClick(QObject*) override {}
    std::vector<int> factoryImage() const override { return {}; }
    void showImage(const std::vector<int>&) override {}
    void applyLinkPending() override {}
    void applyLinkDown() override {}
};

using Calls = std::vector<std::string>;
const Calls leaving = {"closed", "stopWorker", "closePort"};

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ModuleWindowTest, OpeningClosesThePortStillHeldAndTakesTheKeys) {
    RecordingHost host;
    auto* window = new PlainWindow(&host);
    EXPECT_EQ(host.calls, (Calls{"closePort", "created"}));
    EXPECT_EQ(host.created, window);
    delete window;
}

TEST(ModuleWindowTest, ClosingGivesBackTheKeysStopsTheWorkerAndClosesThePortOnce) {
    RecordingHost host;
    auto* window = new PlainWindow(&host);
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
    auto* window = new PlainWindow(&host);
    host.calls.clear();
    delete window;
    EXPECT_EQ(host.calls, leaving);
}

TEST(ModuleWindowTest, AWindowWithoutAHostTouchesNothing) {
    auto* window = new PlainWindow(nullptr);
    window->show();
    EXPECT_NO_FATAL_FAILURE(window->close());
    deleteClosedWindows();
}

TEST(ModuleWindowTest, ButtonsAreFoundByNameAndTheirState) {
    RecordingHost host;
    PlainWindow* window = new PlainWindow(&host);
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
    PlainWindow window(nullptr);
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

// Escape would close a dialog and drop the link and every edit not yet written.
TEST(ModuleWindowTest, EscapeLeavesTheWindowOpen) {
    RecordingHost host;
    auto* window = new PlainWindow(&host);
    auto* edit = new QLineEdit(window);
    window->show();
    host.calls.clear();
    for (QWidget* target : {static_cast<QWidget*>(window), static_cast<QWidget*>(edit)}) {
        SCOPED_TRACE(target->metaObject()->className());
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(host.calls.empty());
    }
    window->close(); // its close button still closes it
    EXPECT_EQ(host.calls, leaving);
    deleteClosedWindows();
}

// A page of buttons larger than some screens, with a status bar below it.
class PagedWindow : public PlainWindow {
  public:
    static constexpr int Rows = 12;
    static constexpr int Columns = 10;
    static constexpr QSize ButtonSize{80, 30};

    PagedWindow() : PlainWindow(nullptr) {
        auto* grid = new QGridLayout(page());
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column) {
                auto* button = new QPushButton(page());
                button->setObjectName(QStringLiteral("b%1_%2").arg(row).arg(column));
                button->setFixedSize(ButtonSize);
                grid->addWidget(button, row, column);
            }
        bar = new QStatusBar(this);
        setBottomBar(bar);
    }
    QStatusBar* bar = nullptr;
};

// The window shows its whole page where the screen has room; on a smaller screen it
// stays within it, and every control can still be scrolled into view above the bar.
TEST(ModuleWindowTest, TheWindowFitsTheScreenAndEveryControlStaysReachable) {
    PagedWindow window;
    window.show();
    const QSize page(PagedWindow::Columns * PagedWindow::ButtonSize.width(),
                     PagedWindow::Rows * PagedWindow::ButtonSize.height());
    struct Row {
        QSize screen;
        bool wholePage;
    };
    for (const Row& row :
         {Row{{2000, 1500}, true}, Row{{400, 300}, false}, Row{{page.width() + 100, 300}, false},
          Row{{400, page.height() + 200}, false}}) {
        SCOPED_TRACE(std::to_string(row.screen.width()) + "x" +
                     std::to_string(row.screen.height()));
        window.fitInto(QRect(QPoint(0, 0), row.screen));
        QApplication::processEvents();
        EXPECT_LE(window.width(), row.screen.width());
        EXPECT_LE(window.height(), row.screen.height());
        EXPECT_EQ(window.width() >= page.width() && window.height() >= page.height(),
                  row.wholePage);
        EXPECT_EQ(window.bar->geometry().bottom(), window.height() - 1) << "the bar stays below";
        EXPECT_EQ(testing::unreachableControls(&window), QStringList());
    }
}

} // namespace
} // namespace pemrix::forms

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
