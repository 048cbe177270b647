// The exchange journal as the user uses it from the main window: switched on, it
// shows every byte of a link; it saves what it shows; it stays usable while a module
// window holds the program modal, without taking the function keys.

#include "app/exchange_journal_window.h"
#include "link/com_thread.h"
#include "tests/app/main_form_rig.h"
#include "tests/support/com_thread_rig.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace pemrix::app::testing {
namespace {

using namespace std::chrono_literals;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;

// Whether the modal window of the moment blocks the watched window: the toolkit tells
// a window so with these two events, and then drops the user's input to it.
class BlockedWatch : public QObject {
  public:
    explicit BlockedWatch(QWidget* window) { window->installEventFilter(this); }
    bool blocked = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            blocked = false;
        return false;
    }
};

class ExchangeJournalTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        makeForm();
        form->setExchangeTiming(link::Timing::zero());
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    ExchangeJournalWindow& openJournal() {
        control<QPushButton>("JournalButton")->click();
        ExchangeJournalWindow* journalWindow = form->journalWindow();
        EXPECT_NE(journalWindow, nullptr);
        return *journalWindow;
    }

    template <typename T> static T* part(ExchangeJournalWindow& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

    // Opens the Orvel-416 window, whose link runs against a port that never answers.
    void linkWithoutAnswer() {
        form->Orvel416Click();
        ASSERT_TRUE(
            link::testing::runEventsUntil([this] { return form->worker() == nullptr; }, 30s));
    }

    static QStringList linesOf(ExchangeJournalWindow& window) {
        window.showPendingLines();
        return part<QPlainTextEdit>(window, "JournalView")->toPlainText().split('\n');
    }
};

TEST_F(ExchangeJournalTest, SwitchedOnItShowsEveryByteOfTheLink) {
    ExchangeJournalWindow& journalWindow = openJournal();
    EXPECT_EQ(journalWindow.objectName(), "ExchangeJournal");
    EXPECT_EQ(journalWindow.windowTitle(), "Журнал обмена");
    EXPECT_EQ(form->size(), QSize(499, 176));
    QCheckBox* record = part<QCheckBox>(journalWindow, "RecordBox");
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->isChecked());
    record->click();
    linkWithoutAnswer();

    // Ten attempts: the request, its echo and the answer missing, then the refusal.
    // What each line says is the engine's and the text trace's; here only the wiring.
    const QStringList lines = linesOf(journalWindow);
    ASSERT_EQ(lines.size(), 1 + 10 * (4 + 1 + 1) + 1 + 1);
    EXPECT_EQ(lines.first(), "— Установка связи, Orvel-416 —");
    EXPECT_TRUE(lines.last().endsWith("— конец: не выполнено —")) << lines.last().toStdString();
}

TEST_F(ExchangeJournalTest, OffItShowsNothingAndClearEmptiesIt) {
    ExchangeJournalWindow& journalWindow = openJournal();
    linkWithoutAnswer();
    EXPECT_EQ(linesOf(journalWindow), QStringList{""});

    openWindow()->close();
    deleteClosedWindows();
    part<QCheckBox>(journalWindow, "RecordBox")->click();
    linkWithoutAnswer();
    EXPECT_GT(linesOf(journalWindow).size(), 60);
    part<QPushButton>(journalWindow, "ClearButton")->click();
    EXPECT_EQ(linesOf(journalWindow), QStringList{""});
}

TEST_F(ExchangeJournalTest, SaveWritesTheLinesShownOrSaysWhyItCannot) {
    ExchangeJournalWindow& journalWindow = openJournal();
    part<QCheckBox>(journalWindow, "RecordBox")->click();
    linkWithoutAnswer();
    const QString shown = linesOf(journalWindow).join('\n');

    TempFolder folder;
    const auto saved = folder / "journal.txt";
    const auto unreachable = folder / "no" / "journal.txt";
    dialogs->fileNames = {QString::fromStdString(saved.string()),
                          QString::fromStdString(unreachable.string())};
    part<QPushButton>(journalWindow, "SaveButton")->click();
    EXPECT_EQ(QString::fromStdString(readBytes(saved)), shown + "\n");
    EXPECT_TRUE(dialogs->errors.isEmpty());

    part<QPushButton>(journalWindow, "SaveButton")->click();
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].startsWith("Не удалось записать файл"))
        << dialogs->errors[0].toStdString();
    EXPECT_FALSE(std::filesystem::exists(unreachable));
}

TEST_F(ExchangeJournalTest, AModuleWindowDoesNotBlockItNorDoesItTakeTheKeys) {
    ExchangeJournalWindow& journalWindow = openJournal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&journalWindow));
    BlockedWatch journalWatch(&journalWindow);
    BlockedWatch mainWatch(form.get());

    form->Orvel416Click();
    TestModuleWindow* moduleWindow = openWindow();
    ASSERT_NE(moduleWindow, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), moduleWindow);
    EXPECT_TRUE(mainWatch.blocked);
    EXPECT_FALSE(journalWatch.blocked);
    EXPECT_EQ(journalWindow.windowHandle()->transientParent(), moduleWindow->windowHandle());

    // Active, the journal keeps the function keys from the module window behind it.
    QApplication::setActiveWindow(&journalWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&journalWindow));
    journal.clear();
    QTest::keyClick(part<QCheckBox>(journalWindow, "RecordBox"), Qt::Key_F3);
    EXPECT_TRUE(journal.entries.empty());

    moduleWindow->close();
    deleteClosedWindows();
    EXPECT_FALSE(mainWatch.blocked);
    EXPECT_EQ(journalWindow.windowHandle()->transientParent(), form->windowHandle());
}

// The journal button is out of reach behind a module window; its key is not.
TEST_F(ExchangeJournalTest, CtrlJOpensItFromAModuleWindow) {
    form->Orvel416Click();
    TestModuleWindow* moduleWindow = openWindow();
    ASSERT_NE(moduleWindow, nullptr);
    QApplication::setActiveWindow(moduleWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(moduleWindow));

    QTest::keyClick(moduleWindow, Qt::Key_J, Qt::ControlModifier);
    ExchangeJournalWindow* journalWindow = form->journalWindow();
    ASSERT_NE(journalWindow, nullptr);
    EXPECT_TRUE(journalWindow->isVisible());
    EXPECT_EQ(journalWindow->windowHandle()->transientParent(), moduleWindow->windowHandle());
    // A click reaches it: the toolkit drops input to a window the modal one blocks.
    auto* record = part<QCheckBox>(*journalWindow, "RecordBox");
    QTest::mouseClick(record, Qt::LeftButton);
    EXPECT_TRUE(record->isChecked());
}

} // namespace
} // namespace pemrix::app::testing
