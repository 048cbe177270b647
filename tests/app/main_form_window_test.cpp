// The main window's face, and opening and closing the module windows.

#include "app/help_window.h"
#include "language/catalog.h"
#include "link/system_serial_port.h"
#include "tests/app/expected_texts.h"
#include "tests/app/main_form_rig.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

namespace pemrix::app::testing {
namespace {

using Kind = link::ModuleKind;
using Entries = std::vector<std::string>;

TEST_F(MainFormTest, ShowsTheTextsUsersKnow) {
    makeForm();
    EXPECT_EQ(form->windowTitle(), expected::caption);
    EXPECT_EQ(control<QStatusBar>("MainStatusBar")->currentMessage(), expected::version);
    auto* version = control<QLabel>("version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), expected::version);
    EXPECT_TRUE(version->isHidden());
    EXPECT_EQ(control<QGroupBox>("GroupBox1")->title(), expected::portGroup);

    struct Row {
        const char* name;
        QString text;
        QString hint;
    };
    for (const Row& row :
         {Row{"Orvel416", expected::secureButton, expected::secureHint},
          Row{"FireSecureButton", expected::fireSecureButton, expected::fireSecureHint},
          Row{"Orvel427", expected::releButton, QString()},
          Row{"MainHelp", expected::helpButton, QString()}}) {
        SCOPED_TRACE(row.name);
        auto* button = control<QPushButton>(row.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), row.text);
        EXPECT_EQ(button->toolTip(), row.hint);
    }
    for (const char* name : {"Orvel416", "FireSecureButton", "Orvel427"}) {
        SCOPED_TRACE(name);
        auto* button = control<QPushButton>(name);
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(0, 0, 128));
    }
}

TEST_F(MainFormTest, OffersTheFourPortsWithCom1Checked) {
    makeForm();
    auto* group = control<QGroupBox>("GroupBox1");
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        auto* button = group->findChild<QRadioButton*>(QString("com%1").arg(n));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString("COM%1").arg(n));
        EXPECT_EQ(button->isChecked(), n == 1);
    }
    control<QRadioButton>("com3")->setChecked(true);
    EXPECT_FALSE(control<QRadioButton>("com1")->isChecked());
    EXPECT_EQ(form->portNumber(), 3);
}

TEST_F(MainFormTest, IsAFixedDialogLikeWindow) {
    makeForm();
    EXPECT_EQ(form->size(), QSize(499, 176));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_NE(form->findChild<QLabel*>("Image1"), nullptr);
    EXPECT_FALSE(form->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_NE(form->findChild<QObject*>("ApplicationEvents1"), nullptr);

    // Every visible control fits inside the window.
    form->show();
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        SCOPED_TRACE(child->objectName().toStdString());
        const QRect inForm(child->mapTo(form.get(), QPoint(0, 0)), child->size());
        EXPECT_TRUE(form->rect().contains(inForm));
    }
}

TEST_F(MainFormTest, OpeningAWindowOpensThePortAndShowsTheFactoryImage) {
    makeForm();
    const std::string device = "open " + link::defaultDeviceForPort(1);
    struct Row {
        const char* button;
        Kind kind;
        const char* created;
    };
    for (const Row& row : {Row{"Orvel416", Kind::Secure, "created Secure"},
                           Row{"FireSecureButton", Kind::FireSecure, "created FireSecure"},
                           Row{"Orvel427", Kind::Rele8, "created Rele"}}) {
        SCOPED_TRACE(row.button);
        journal.clear();
        control<QPushButton>(row.button)->click();
        TestModuleWindow* window = openWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->moduleKind(), row.kind);
        EXPECT_FALSE(form->mainKeysActive());
        EXPECT_EQ(form->moduleWindow(), window);
        ASSERT_TRUE(form->portHandle());
        EXPECT_TRUE(form->portHandle()->isOpen());
        // Window first, then the link, then the picture of the factory settings.
        EXPECT_EQ(journal.entries, (Entries{row.created, device, "applyImage 7 8 9"}));
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);

        journal.clear();
        window->close();
        EXPECT_TRUE(form->mainKeysActive());
        EXPECT_FALSE(form->portHandle());
        EXPECT_EQ(journal.entries, (Entries{"close " + link::defaultDeviceForPort(1)}));
        deleteClosedWindows();
        EXPECT_EQ(form->moduleWindow(), nullptr);
        EXPECT_EQ(journal.entries.back(), "destroyed");
    }
}

TEST_F(MainFormTest, EachOpeningMakesANewWindowAndOnlyOneIsOpenAtATime) {
    makeForm();
    form->Orvel416Click();
    TestModuleWindow* first = openWindow();
    form->Orvel417Click();
    EXPECT_EQ(openWindow(), first);
    EXPECT_EQ(form->moduleWindow(), first);

    first->close();
    deleteClosedWindows();
    journal.clear();
    form->Orvel416Click();
    ASSERT_NE(openWindow(), nullptr);
    EXPECT_EQ(journal.entries.front(), "created Secure");
}

TEST_F(MainFormTest, AKindWithoutAWindowOpensNothing) {
    form = std::make_unique<TMainForm>();
    form->Orvel416Click();
    form->Orvel427Click();
    EXPECT_EQ(form->moduleWindow(), nullptr);
    EXPECT_TRUE(form->mainKeysActive());
    EXPECT_FALSE(form->portHandle());
}

TEST_F(MainFormTest, StartLinkClosesThePortHeldBeforeOpeningItAgain) {
    makeForm();
    form->Orvel416Click();
    control<QRadioButton>("com2")->setChecked(true);
    journal.clear();
    form->StartLink();
    EXPECT_EQ(journal.entries, (Entries{"close " + link::defaultDeviceForPort(1),
                                        "open " + link::defaultDeviceForPort(2)}));
    form->closePort();
    form->closePort(); // closing twice does nothing
    EXPECT_EQ(journal.entries.size(), 3u);
}

TEST_F(MainFormTest, ClosingTheProgramClosesTheOpenWindowAndThePort) {
    makeForm();
    form->Orvel427Click();
    journal.clear();
    form.reset();
    EXPECT_EQ(journal.entries, (Entries{"destroyed", "close " + link::defaultDeviceForPort(1)}));
}

TEST_F(MainFormTest, AMissingDeviceIsNotReportedWhenTheLinkStarts) {
    writeConfig("Pemrix/Pemrix.conf",
                "[Devices]\nCOM1=" + QFile::encodeName(configDir()) + "/no-such-port\n");
    form = std::make_unique<TMainForm>(); // the operating system's port
    form->setModuleWindowFactory(Kind::Rele8, [this](forms::ModuleHost& host) {
        return new TestModuleWindow(host, Kind::Rele8, journal);
    });
    EXPECT_NO_THROW(form->Orvel427Click());
    ASSERT_TRUE(form->portHandle());
    EXPECT_FALSE(form->portHandle()->isOpen());
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->errors.isEmpty());
    openWindow()->close();
    EXPECT_FALSE(form->portHandle());
}

// A module added to the program is offered by a button of its own below the others.
TEST_F(MainFormTest, AnAddedModulesButtonOpensItsWindow) {
    makeForm();
    form->setModuleWindowFactory(Kind::FireSecure, [this](forms::ModuleHost& host) {
        return new TestModuleWindow(host, Kind::FireSecure, journal);
    });
    form->addModuleButton(Kind::FireSecure, "AddedModule", "Модуль");
    auto* added = control<QPushButton>("AddedModule");
    ASSERT_NE(added, nullptr);
    form->centralWidget()->layout()->activate();
    EXPECT_GT(added->y(), control<QPushButton>("Orvel427")->y());
    added->click();
    ASSERT_NE(openWindow(), nullptr);
    EXPECT_EQ(openWindow()->moduleKind(), Kind::FireSecure);
}

TEST_F(MainFormTest, HelpHasARussianPageForEachTopic) {
    for (int topic : {1, 29, 30, 36}) {
        SCOPED_TRACE(topic);
        EXPECT_TRUE(HelpWindow::hasTopic(topic));
    }
    makeForm();
    for (int topic : {1, 29, 30, 36}) {
        SCOPED_TRACE(topic);
        form->showHelp(topic);
        HelpWindow* help = form->helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->topic(), topic);
        EXPECT_TRUE(help->isVisible());
        EXPECT_GT(help->topicText().size(), 200);
        EXPECT_TRUE(help->topicText().contains(QString::fromUtf8("F1")));
        EXPECT_TRUE(help->topicText().contains(QRegularExpression("[\\x{0400}-\\x{04FF}]{5}")));
    }
    form->showHelp(2);
    EXPECT_EQ(form->helpWindow()->topic(), 1);
}

// Each Russian page has an English twin that links to the same pages; the window
// shows the twin while English is in use.
TEST_F(MainFormTest, HelpHasAnEnglishTwinOfEachPage) {
    const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    const auto page = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(file.readAll());
    };
    const auto links = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& link :
             QRegularExpression("href=\"([^\"]*)\"").globalMatch(text))
            found << link.captured(1);
        return found;
    };
    for (int topic : {1, 29, 30, 36}) {
        SCOPED_TRACE(topic);
        const QString english = page(QStringLiteral(":/Help.hlp/en/topic%1.html").arg(topic));
        EXPECT_EQ(links(english),
                  links(page(QStringLiteral(":/Help.hlp/topic%1.html").arg(topic))));
        EXPECT_FALSE(english.contains(cyrillic));
    }
    ASSERT_TRUE(language::useLanguage(language::Language::English));
    makeForm();
    form->showHelp(36);
    const QString shown = form->helpWindow()->topicText();
    language::useLanguage(language::Language::Russian);
    EXPECT_TRUE(shown.contains(QStringLiteral("Demonstration mode")));
}

TEST_F(MainFormTest, TheHelpButtonOpensTheMainTopic) {
    makeForm();
    control<QPushButton>("MainHelp")->click();
    ASSERT_NE(form->helpWindow(), nullptr);
    EXPECT_EQ(form->helpWindow()->topic(), 1);
    EXPECT_TRUE(form->helpWindow()->topicText().contains(expected::portGroup));
}

TEST_F(MainFormTest, HelpOverAModuleWindowBelongsToIt) {
    makeForm();
    form->showHelp(1);
    form->Orvel416Click();
    form->showHelp(30);
    ASSERT_NE(form->helpWindow(), nullptr);
    EXPECT_EQ(form->helpWindow()->parentWidget(), openWindow());
    EXPECT_TRUE(form->helpWindow()->isVisible());

    openWindow()->close();
    deleteClosedWindows();
    EXPECT_EQ(form->helpWindow(), nullptr);
    form->showHelp(1);
    EXPECT_EQ(form->helpWindow()->parentWidget(), form.get());
}

} // namespace
} // namespace pemrix::app::testing
