// Saving either expander window to a configuration file and loading it back, with the
// dialogs answered from a script: every control survives the round trip, and every
// failure leaves the window (and an existing file) as it was.

#include "tests/support/expander_window_rig.h"

#include "forms/commissioning_report.h"
#include "forms/compare_dialog.h"
#include "image/error_texts.h"
#include "secure/secure_fields.h"
#include "secure/secure_image.h"
#include "tests/support/temp_folder.h"

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <gmock/gmock.h>
#include <map>

namespace pemrix::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace img = pemrix::image;

const QString Loaded = QStringLiteral("Чтение конфигурации из файла завершено");
const QString WrongKind =
    QStringLiteral("Ошибка чтения файла конфигурации. Нет совпадения типа прибора.");

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

class FileTest : public ExpanderWindowTest {
  protected:
    void SetUp() override {
        ExpanderWindowTest::SetUp();
        open();
    }
    std::string factoryFile() const {
        std::string text = window().factoryFileHead;
        for (int i = 0; i < 56; ++i)
            text += "255\r\n";
        return text + std::to_string(link::kindValue(window().kind)) + "\r\n";
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    std::string name(const char* file) const { return (folder / file).string(); }

    bool save(const QString& name) {
        dialogs->fileNames = {name};
        click(button("SaveButton"));
        return statusText() == window().savedStatus;
    }
    bool load(const QString& name) {
        dialogs->fileNames = {name};
        click(button("LoadButton"));
        return statusText() == Loaded;
    }

    // What the user sees of every control that holds configuration.
    std::map<QString, QString> snapshot() const {
        std::map<QString, QString> state;
        for (QCheckBox* box : form->findChildren<QCheckBox*>())
            state[box->objectName()] = QString("%1%2").arg(box->isChecked()).arg(box->isEnabled());
        for (QRadioButton* radio : form->findChildren<QRadioButton*>())
            if (!radio->objectName().isEmpty())
                state[radio->objectName()] = QString::number(radio->isChecked());
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty())
                state[edit->objectName()] = edit->text();
        for (const char* name : {"TM", "Taktik", "SO"})
            state[name] = QString::number(group(name)->itemIndex());
        for (QComboBox* list : form->findChildren<QComboBox*>())
            state[list->objectName()] = QString::number(list->currentIndex());
        return state;
    }

    // A configuration that sets something in every part of the window.
    void editEverything() {
        type(edit("DelayEdit"), "77");
        window().editGrid(*this);
        click(box("KeyBox"));
        click(box("AutoBox"));
        choose("SO", 1);
        choose("Taktik", 1);
        type(edit("NumberEdit"), "9");
        setKey(1, "0123456789AB", {1, 2});
        setKey(2, "00000000FF01", {4, 8});
        setKey(3, "ABCDEF000001", {3});
    }

    TempFolder folder;
};
PEMRIX_OVER_EXPANDER_WINDOWS(FileTest);

TEST_P(FileTest, FactorySettingsSaveAsTheirSixtyFiveLines) {
    ASSERT_TRUE(save(path("factory.cfg")));
    EXPECT_EQ(readBytes(folder / "factory.cfg"), factoryFile());
    EXPECT_THAT(dialogs->fileFilters,
                ElementsAre(QStringLiteral("Файлы конфигурации (*.cfg);;Все файлы (*)")));
    EXPECT_THAT(dialogs->defaultSuffixes, ElementsAre("cfg"));
    EXPECT_EQ(find<QListWidget>("ListBox1")->count(), 65);
    EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file left behind";
}

TEST_P(FileTest, EveryControlSurvivesSaveAndLoad) {
    editEverything();
    const auto edited = snapshot();
    const auto image = form->BuildConfigImage();
    ASSERT_TRUE(save(path("all.cfg")));

    click(button("DefaultButton"));
    ASSERT_NE(snapshot(), edited);
    ASSERT_TRUE(load(path("all.cfg")));
    EXPECT_EQ(form->BuildConfigImage(), image);
    const auto loaded = snapshot();
    for (const auto& [name, value] : edited) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(loaded.at(name), value);
    }
    EXPECT_THAT(dialogs->messages, IsEmpty());
    EXPECT_THAT(dialogs->errors, IsEmpty());
}

TEST_P(FileTest, CopiesAndKeysWithoutAuthorityAreSavedAsTheyAre) {
    setKey(1, "0000000000A1", {});
    setKey(2, "0000000000A1", {5});
    click(q(6, 7)); // authority in a row without a key: not saved
    ASSERT_TRUE(save(path("odd.cfg")));
    const auto lines = QString::fromStdString(readBytes(folder / "odd.cfg")).split("\r\n");
    EXPECT_EQ(lines.mid(8, 15).join(","), "0,0,0,0,0,161,0,0,0,0,0,0,161,16,255");

    click(button("DefaultButton"));
    ASSERT_TRUE(load(path("odd.cfg")));
    EXPECT_EQ(id(1)->text(), "0000000000A1");
    EXPECT_EQ(id(2)->text(), "0000000000A1");
    EXPECT_TRUE(q(5, 2)->isChecked());
    EXPECT_FALSE(q(6, 7)->isChecked());
}

TEST_P(FileTest, TheSecretButtonSavesNoKeys) {
    setKey(1, "0000000000A1", {1});
    choose("TM", 1);
    ASSERT_TRUE(save(path("secret.cfg")));
    const auto lines = QString::fromStdString(readBytes(folder / "secret.cfg")).split("\r\n");
    EXPECT_EQ(lines.mid(8, 56), QStringList(56, "255"));
}

TEST_P(FileTest, AKeyStartingWithFFIsNotSaved) {
    setKey(3, "FFA000000001", {1});
    dialogs->fileNames = {path("ff.cfg")};
    click(button("SaveButton"));
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Идентификатор не может начинаться с FF")));
    EXPECT_FALSE(std::filesystem::exists(folder / "ff.cfg"));
    EXPECT_NE(statusText(), window().savedStatus);
}

TEST_P(FileTest, LoadIgnoresLinesAfterTheKindAndTakesNamesWithoutExtension) {
    std::string text = factoryFile();
    text.replace(0, 2, "12"); // delay 12
    writeBytes(folder / "extra.cfg", text + "garbage\r\n7\r\n");
    ASSERT_TRUE(load(path("extra")));
    EXPECT_EQ(edit("DelayEdit")->text(), "12");
}

TEST_P(FileTest, AFileThatCannotBeLoadedChangesNothing) {
    click(box("KeyBox"));
    const auto before = snapshot();

    std::string otherKind = factoryFile();
    otherKind.replace(otherKind.size() - 3, 1, std::to_string(link::kindValue(window().otherKind)));
    writeBytes(folder / "other.cfg", otherKind);
    std::string notNumber = factoryFile();
    notNumber.replace(0, 2, "4x");
    writeBytes(folder / "word.cfg", notNumber);
    std::string notByte = factoryFile();
    notByte.replace(0, 2, "300");
    writeBytes(folder / "byte.cfg", notByte);
    // Ten lines and the start of the eleventh.
    writeBytes(folder / "short.cfg", window().factoryFileHead + std::string("255\r\n255\r\n2"));
    writeBytes(folder / "big.cfg", std::string(1024 * 1024 + 1, '1'));
    std::filesystem::create_directory(folder / "folder.cfg");

    struct Row {
        const char* file;
        QString message; // a plain message box
        QString error;   // the general error report
    };
    const Row rows[] = {
        {"other.cfg", WrongKind, {}},
        {"word.cfg", {}, text(img::notAnIntegerInLineText(name("word.cfg"), 1, "4x"))},
        {"byte.cfg", {}, text(img::notAByteInLineText(name("byte.cfg"), 1, 300))},
        {"short.cfg", {}, text(img::missingLineText(name("short.cfg"), 65, 11))},
        {"missing.cfg",
         {},
         text(img::cannotOpenFileText(name("missing.cfg"), img::FileFailure::NotFound))},
        {"folder.cfg",
         {},
         text(img::cannotOpenFileText(name("folder.cfg"), img::FileFailure::IsFolder))},
        {"big.cfg", text(img::fileTooLargeText(name("big.cfg"))), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        dialogs->messages.clear();
        dialogs->errors.clear();
        EXPECT_FALSE(load(path(row.file)));
        EXPECT_EQ(dialogs->messages,
                  row.message.isEmpty() ? QStringList() : QStringList{row.message});
        EXPECT_EQ(dialogs->errors, row.error.isEmpty() ? QStringList() : QStringList{row.error});
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_P(FileTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    const QString missingFolder = path("no-such-folder/x.cfg");
    EXPECT_FALSE(save(missingFolder));
    EXPECT_THAT(dialogs->errors, ElementsAre(text(img::cannotWriteFileText(
                                     missingFolder.toStdString(), img::FileFailure::NoFolder))));
    EXPECT_EQ(statusText(), "");

    // A folder where the file should be: nothing replaces it.
    std::filesystem::create_directory(folder / "taken.cfg");
    dialogs->errors.clear();
    EXPECT_FALSE(save(path("taken.cfg")));
    EXPECT_THAT(
        dialogs->errors,
        ElementsAre(text(img::cannotWriteFileText(name("taken.cfg"), img::FileFailure::IsFolder))));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.cfg"));
}

TEST_P(FileTest, CancelledDialogsDoNothing) {
    const auto before = snapshot();
    click(button("SaveButton"));
    click(button("LoadButton"));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(statusText(), "");
    EXPECT_EQ(folder.entryCount(), 0u);
    EXPECT_EQ(dialogs->fileFilters.size(), 2);
}

TEST_P(FileTest, TheFunctionKeyActionsSaveAndLoadToo) {
    dialogs->fileNames = {path("keys.cfg")};
    form->SaveButtonClick(nullptr); // F9
    EXPECT_EQ(statusText(), window().savedStatus);
    dialogs->fileNames = {path("keys.cfg")};
    form->LoadButtonClick(nullptr); // F10
    EXPECT_EQ(statusText(), Loaded);
    dialogs->fileNames = {path("missing.cfg")};
    form->LoadButtonClick(nullptr); // errors stay inside the window
    EXPECT_EQ(dialogs->errors.size(), 1);
}

// A comparison reads a file as a load does but changes nothing: it names each field
// the window shows otherwise, and Ctrl+D reaches it even from an edit.
TEST_P(FileTest, ComparingWithAFileShowsWhatDiffersAndChangesNothing) {
    ASSERT_TRUE(save(path("factory.cfg")));
    dialogs->fileNames = {path("factory.cfg")};
    form->CompareWithFile();
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Настройки в окне совпадают с файлом «factory.cfg».")));

    type(edit("DelayEdit"), "77");
    const auto edited = snapshot();
    const QString status = statusText();
    dialogs->fileNames = {path("factory.cfg")};
    QTest::keyClick(edit("DelayEdit"), Qt::Key_D, Qt::ControlModifier);
    auto* table = form->findChild<QTableWidget*>("Differences");
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Время задержки"));
    EXPECT_EQ(table->item(0, 2)->text(), "77");
    EXPECT_EQ(table->item(0, 3)->text(),
              QString::fromLatin1(window().factoryFileHead).section("\r\n", 0, 0));
    EXPECT_EQ(snapshot(), edited);
    EXPECT_EQ(statusText(), status);

    dialogs->fileNames = {path("missing.cfg")};
    form->CompareWithFile();
    EXPECT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(snapshot(), edited);
}

// The count has a place of its own: a "%2" in the file's name stays as it is.
TEST(CompareDialogTest, TheHeadingShowsTheFileNameAsItIs) {
    const forms::CompareDialog dialog(QStringLiteral("odd%2.cfg"), {{"g", "f", "1", "2"}}, nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>("CompareHeading")->text(),
              QStringLiteral("В окне не так, как в файле «odd%2.cfg»: полей — 1."));
}

// The report names the module, the port and where the settings came from, lists every
// field, and is written as a PDF before printing is offered.
TEST_P(FileTest, TheReportIsAPdfOfEveryFieldAndSaysWhereTheSettingsCameFrom) {
    dialogs->fileNames = {path("report.pdf")};
    form->WriteReport();
    // The page as a reader gets it.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path("report.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& part :
         {QStringLiteral("Отчёт о настройке модуля"), QStringLiteral("Порт: COM1 (/dev/ttyS0)"),
          QStringLiteral("Время задержки:"), QStringLiteral("Id8")})
        EXPECT_TRUE(page.contains(part)) << part.toStdString();
    EXPECT_THAT(dialogs->questions,
                ElementsAre(QStringLiteral("Отчёт записан в файл «report.pdf». Напечатать его?")));

    const forms::ReportFacts unread{"Orvel-416", "Orvel-416", "COM1 (/dev/ttyS0)",
                                    {},          false,       false};
    const QString html =
        forms::reportHtml(unread, secure::secureFields(), secure::secureFactoryImage(),
                          [](const image::Field&) { return true; });
    for (const char* part :
         {"Порт: COM1 (/dev/ttyS0)", "считаны из модуля в этом сеансе: нет",
          "не считаны из модуля и не записаны в файл", "Время задержки: <b>45</b>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
    forms::ReportFacts read = unread;
    read.readFromModule = true;
    EXPECT_FALSE(forms::reportHtml(read, secure::secureFields(), secure::secureFactoryImage(),
                                   [](const image::Field&) { return true; })
                     .contains(QStringLiteral("не считаны")));

    dialogs->fileNames = {path("no/such/folder/report.pdf")};
    form->WriteReport();
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Не удалось записать отчёт в файл «%1».")
                                .arg(path("no/such/folder/report.pdf"))));
}

} // namespace
} // namespace pemrix::testing
