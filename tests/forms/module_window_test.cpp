// What every module window is given by its base: the steps of opening and closing,
// the button panel and its actions, the link layouts, the factory list and the steps
// the operations are made of.

#include "forms/accessible_names.h"
#include "forms/module_window.h"
#include "link/module_profile.h"
#include "link/reports.h"
#include "tests/forms/reachable_controls.h"
#include "tests/support/recording_host.h"
#include "tests/support/test_module_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pemrix::forms {
namespace {

using pemrix::testing::Journal;
using pemrix::testing::RecordingHost;
using pemrix::testing::TestModuleWindow;
using Kind = link::ModuleKind;
using Calls = std::vector<std::string>;
const Calls leaving = {"closed", "stopWorker", "closePort"};

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Opened {
    RecordingHost host;
    Journal journal;
    TestModuleWindow* window;
    explicit Opened(Kind kind) : window(new TestModuleWindow(host, kind, journal)) {
        host.calls.clear();
        journal.clear();
    }
    ~Opened() { delete window; }
    bool enabled(const char* name) const { return window->buttonEnabled(name); }
};

TEST(ModuleWindowTest, OpeningClosesThePortStillHeldAndTakesTheKeys) {
    RecordingHost host;
    Journal journal;
    auto* window = new TestModuleWindow(host, Kind::Secure, journal);
    EXPECT_EQ(host.calls, (Calls{"closePort", "created"}));
    EXPECT_EQ(host.created, window);
    delete window;
}

TEST(ModuleWindowTest, ClosingGivesBackTheKeysStopsTheWorkerAndClosesThePortOnce) {
    Opened opened(Kind::Secure);
    opened.window->show();
    opened.window->close();
    EXPECT_EQ(opened.host.calls, leaving);
    EXPECT_EQ(opened.host.closed, opened.window);
    deleteClosedWindows(); // closing deletes the window, without a second leave
    opened.window = nullptr;
    EXPECT_EQ(opened.host.calls, leaving);
}

TEST(ModuleWindowTest, AWindowDestroyedWithoutClosingStillLeaves) {
    Opened opened(Kind::Secure);
    delete opened.window;
    opened.window = nullptr;
    EXPECT_EQ(opened.host.calls, leaving);
}

// Each button of the panel runs its action with itself as the sender; the relay
// window's panel has no LoadIdButton and a frame at its right end.
TEST(ModuleWindowTest, ThePanelsButtonsRunTheirActions) {
    for (Kind kind : {Kind::Secure, Kind::Rele8}) {
        SCOPED_TRACE(kind == Kind::Rele8 ? "relay panel" : "expander panel");
        Opened opened(kind);
        const std::vector<std::string> actions =
            kind == Kind::Rele8
                ? Calls{"Write", "Read", "Connect", "Cancel", "Default", "Load", "Save"}
                : Calls{"Write", "Read", "Connect", "Cancel", "LoadId", "Default", "Save", "Load"};
        std::vector<QObject*> senders;
        for (const std::string& action : actions) {
            QPushButton* button = opened.window->button((action + "Button").c_str());
            ASSERT_NE(button, nullptr) << action;
            button->click();
            senders.push_back(button);
        }
        EXPECT_EQ(opened.journal.entries, actions);
        EXPECT_EQ(opened.journal.senders, senders);
        EXPECT_EQ(opened.window->button("LoadIdButton") == nullptr, kind == Kind::Rele8);
    }
    Opened rele(Kind::Rele8);
    rele.window->show();
    for (QPushButton* button : rele.window->findChildren<QPushButton*>())
        EXPECT_LT(button->geometry().right(), rele.window->trailing->geometry().left());
}

TEST(ModuleWindowTest, TheLinkLayoutsSwitchTheButtonsAWindowHas) {
    struct Row {
        const char* layout;
        bool write, read, connect, cancel;
    };
    for (Kind kind : {Kind::Secure, Kind::Rele8}) {
        Opened opened(kind);
        for (const Row& row :
             {Row{"down", false, false, true, false}, Row{"pending", false, false, false, true}}) {
            SCOPED_TRACE(std::string(row.layout) + (kind == Kind::Rele8 ? " relay" : " expander"));
            if (std::string(row.layout) == "down")
                link::SetLinkDown(*opened.window);
            else
                link::SetLinkPending(*opened.window);
            EXPECT_EQ(opened.enabled("WriteButton"), row.write);
            EXPECT_EQ(opened.enabled("ReadButton"), row.read);
            EXPECT_EQ(opened.enabled("ConnectButton"), row.connect);
            EXPECT_EQ(opened.enabled("CancelButton"), row.cancel);
            EXPECT_TRUE(opened.enabled("DefaultButton"));
        }
        // A report may switch a button the window does not have.
        opened.window->setButtonEnabled(link::LinkButton::LoadId, false);
        EXPECT_FALSE(opened.enabled("LoadIdButton"));
    }
}

// Disabled under the focus, "Разорвать связь" would pass it down the Tab chain to
// "Заводские установки", where the next Space wipes the user's edits; the focus goes
// to "Установить связь" instead. Focus elsewhere stays where it is.
TEST(ModuleWindowTest, TheLinkDownLayoutGivesTheCancelButtonsFocusToConnect) {
    for (Kind kind : {Kind::Secure, Kind::Rele8}) {
        SCOPED_TRACE(kind == Kind::Rele8 ? "relay" : "expander");
        Opened opened(kind);
        TestModuleWindow& window = *opened.window;
        for (QWidget* focused : {static_cast<QWidget*>(window.button("CancelButton")),
                                 static_cast<QWidget*>(window.edit)}) {
            link::SetLinkPending(window);
            focused->setFocus();
            link::SetLinkDown(window);
            EXPECT_EQ(window.focusWidget(),
                      focused == window.edit ? focused : window.button("ConnectButton"));
        }
    }
}

TEST(ModuleWindowTest, TheStepsOfTheOperationsAskTheHostInOrder) {
    Opened opened(Kind::Rele8);
    opened.window->startTransfer(link::Operation::ReleRead, {});
    ASSERT_EQ(opened.host.workers.size(), 1U);
    EXPECT_EQ(pemrix::link::kindValue(opened.host.workers[0].kind), 5);
    EXPECT_EQ(opened.host.workers[0].operation, link::Operation::ReleRead);
    EXPECT_FALSE(opened.enabled("WriteButton"));
    EXPECT_FALSE(opened.enabled("ReadButton"));

    link::LinkUp(*opened.window);
    opened.host.acceptWorkers = false;
    opened.window->startTransfer(link::Operation::ReleWrite, {1, 2});
    EXPECT_TRUE(opened.enabled("WriteButton")) << "a refused start leaves the window usable";
    EXPECT_TRUE(opened.enabled("ReadButton"));

    opened.host.calls.clear();
    opened.window->breakLink();
    EXPECT_EQ(opened.host.calls, (Calls{"stopWorker", "closePort"}));
    EXPECT_TRUE(opened.enabled("ConnectButton"));
    EXPECT_EQ(opened.window->findChild<QStatusBar*>("StatusBar1")->currentMessage(),
              QStringLiteral("Нет связи с модулем. Демонстрационный режим"));

    opened.host.calls.clear();
    opened.window->connectLink();
    EXPECT_EQ(opened.host.calls, (Calls{"closePort", "StartLink"}));
    EXPECT_FALSE(opened.enabled("ConnectButton"));
    EXPECT_TRUE(opened.enabled("CancelButton"));
}

TEST(ModuleWindowTest, ButtonsAreFoundByNameAndTheirState) {
    Opened opened(Kind::Rele8);
    EXPECT_TRUE(opened.enabled("WriteButton"));
    opened.window->button("WriteButton")->setEnabled(false);
    EXPECT_FALSE(opened.enabled("WriteButton"));
    EXPECT_FALSE(opened.enabled("LoadIdButton"));
}

TEST(ModuleWindowTest, TheFactoryImageIsReadFromItsHiddenList) {
    Opened opened(Kind::Secure);
    EXPECT_EQ(opened.window->factoryImage(), (std::vector<int>{7, 8, 9}));
}

// The function keys' sender is the control the window made active last, even one
// made active by code while the window is hidden and nothing has the focus; the
// control being left runs its exit rule first.
TEST(ModuleWindowTest, TheActiveControlIsKeptByTheWindow) {
    Opened opened(Kind::Secure);
    ModuleWindow& window = *opened.window;
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
    Opened opened(Kind::Secure);
    TestModuleWindow* window = opened.window;
    window->show();
    for (QWidget* target : {static_cast<QWidget*>(window), static_cast<QWidget*>(window->edit)}) {
        SCOPED_TRACE(target->metaObject()->className());
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(opened.host.calls.empty());
    }
    window->close(); // its close button still closes it
    EXPECT_EQ(opened.host.calls, leaving);
    deleteClosedWindows();
    opened.window = nullptr;
}

// A page of buttons larger than some screens, with the status bar below it.
class PagedWindow : public TestModuleWindow {
  public:
    static constexpr int Rows = 12;
    static constexpr int Columns = 10;
    static constexpr QSize ButtonSize{80, 30};

    PagedWindow(ModuleHost& host, Journal& journal)
        : TestModuleWindow(host, Kind::Secure, journal) {
        auto* grid = new QGridLayout;
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column) {
                auto* button = new QPushButton(page());
                button->setObjectName(QStringLiteral("b%1_%2").arg(row).arg(column));
                button->setFixedSize(ButtonSize);
                grid->addWidget(button, row, column);
            }
        static_cast<QVBoxLayout*>(page()->layout())->addLayout(grid);
        edit->setFixedWidth(ButtonSize.width()); // not as wide as the page
        bar = findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    }
    QStatusBar* bar = nullptr;
};

// The window shows its whole page where the screen has room; on a smaller screen it
// stays within it, and every control can still be scrolled into view above the bar.
TEST(ModuleWindowTest, TheWindowFitsTheScreenAndEveryControlStaysReachable) {
    RecordingHost host;
    Journal journal;
    PagedWindow window(host, journal);
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
    auto* area = window.findChild<PageArea*>();
    for (QScrollBar* scroll : {area->horizontalScrollBar(), area->verticalScrollBar()})
        EXPECT_FALSE(spokenName(scroll).isEmpty()) << "a scroll bar is spoken by its name";
}

} // namespace
} // namespace pemrix::forms
