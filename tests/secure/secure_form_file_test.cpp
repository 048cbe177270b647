// Saving the Orvel-416 window to a configuration file and loading it back, with the
// dialogs answered from a script: every control survives the round trip, and every
// failure leaves the window (and an existing file) as it was.

#include "tests/secure/secure_form_rig.h"

#include "image/error_texts.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QListWidget>
#include <gmock/gmock.h>
#include <map>

namespace pemrix::secure::testing {
namespace {

using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace img = pemrix::image;

const QString Saved = QStringLiteral("Запись конфигурации в файл завершено");
const QString Loaded = QStringLiteral("Чтение конфигурации из файла завершено");
const QString WrongKind =
    QStringLiteral("Ошибка чтения файла конфигурации. Нет совпадения типа прибора.");

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string factoryFile() {
    std::string text = "45\r\n0\r\n192\r\n2\r\n0\r\n0\r\n135\r\n1\r\n";
    for (int i = 0; i < 56; ++i)
        text += "255\r\n";
    return text + "2\r\n";
}

class FileTest : public SecureFormTest {
  protected:
    void SetUp() override {
        SecureFormTest::SetUp();
        open();
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    std::string name(const char* file) const { return (folder / file).string(); }

    bool save(const QString& name) {
        dialogs->fileNames = {name};
        click(button("SaveButton"));
        return statusText() == Saved;
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
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty())
                state[edit->objectName()] = edit->text();
        for (const char* name : {"TM", "Taktik", "SO"})
            state[name] = QString::number(group(name)->itemIndex());
        for (const char* name : {"Rele1Combo", "Rele2Combo"})
            state[name] = QString::number(combo(name)->currentIndex());
        return state;
    }

    // A configuration that sets something in every part of the window.
    void editEverything() {
        type(edit("DelayEdit"), "77");
        for (const char* name : {"it1", "it6", "av2", "tt3", "tt7", "ks4", "ks8", "pr2", "pr5"})
            click(box(name));
        click(box("tt7")); // back off: the factory had it on
        click(box("KeyBox"));
        click(box("AutoBox"));
        choose("SO", 1);
        choose("Taktik", 1);
        type(edit("NumberEdit"), "9");
        combo("Rele1Combo")->setCurrentIndex(1);
        combo("Rele2Combo")->setCurrentIndex(3);
        setKey(1, "0123456789AB", {1, 2});
        setKey(2, "00000000FF01", {4, 8});
        setKey(3, "ABCDEF000001", {3});
    }

    TempFolder folder;
};

TEST_F(FileTest, FactorySettingsSaveAsTheirSixtyFiveLines) {
    ASSERT_TRUE(save(path("factory.cfg")));
    EXPECT_EQ(readBytes(folder / "factory.cfg"), factoryFile());
    EXPECT_THAT(dialogs->fileFilters,
                ElementsAre(QStringLiteral("Файлы конфигурации (*.cfg);;Все файлы (*)")));
    EXPECT_THAT(dialogs->defaultSuffixes, ElementsAre("cfg"));
    EXPECT_EQ(find<QListWidget>("ListBox1")->count(), 65);
    EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file left behind";
}

TEST_F(FileTest, EveryControlSurvivesSaveAndLoad) {
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

TEST_F(FileTest, CopiesAndKeysWithoutAuthorityAreSavedAsTheyAre) {
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

TEST_F(FileTest, TheSecretButtonSavesNoKeys) {
    setKey(1, "0000000000A1", {1});
    choose("TM", 1);
    ASSERT_TRUE(save(path("secret.cfg")));
    const auto lines = QString::fromStdString(readBytes(folder / "secret.cfg")).split("\r\n");
    EXPECT_EQ(lines.mid(8, 56), QStringList(56, "255"));
}

TEST_F(FileTest, AKeyStartingWithFFIsNotSaved) {
    setKey(3, "FFA000000001", {1});
    dialogs->fileNames = {path("ff.cfg")};
    click(button("SaveButton"));
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Идентификатор не может начинаться с FF")));
    EXPECT_FALSE(std::filesystem::exists(folder / "ff.cfg"));
    EXPECT_NE(statusText(), Saved);
}

TEST_F(FileTest, LoadIgnoresLinesAfterTheKindAndTakesNamesWithoutExtension) {
    std::string text = factoryFile();
    text.replace(0, 2, "12"); // delay 12
    writeBytes(folder / "extra.cfg", text + "garbage\r\n7\r\n");
    ASSERT_TRUE(load(path("extra")));
    EXPECT_EQ(edit("DelayEdit")->text(), "12");
}

TEST_F(FileTest, AFileThatCannotBeLoadedChangesNothing) {
    click(box("it2"));
    const auto before = snapshot();

    std::string otherKind = factoryFile();
    otherKind.replace(otherKind.size() - 3, 1, "1");
    writeBytes(folder / "fire.cfg", otherKind);
    std::string notNumber = factoryFile();
    notNumber.replace(0, 2, "4x");
    writeBytes(folder / "word.cfg", notNumber);
    std::string notByte = factoryFile();
    notByte.replace(0, 2, "300");
    writeBytes(folder / "byte.cfg", notByte);
    writeBytes(folder / "short.cfg", factoryFile().substr(0, 40));
    writeBytes(folder / "big.cfg", std::string(1024 * 1024 + 1, '1'));
    std::filesystem::create_directory(folder / "folder.cfg");

    struct Row {
        const char* file;
        QString message; // a plain message box
        QString error;   // the general error report
    };
    const Row rows[] = {
        {"fire.cfg", WrongKind, {}},
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

TEST_F(FileTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
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

TEST_F(FileTest, CancelledDialogsDoNothing) {
    const auto before = snapshot();
    click(button("SaveButton"));
    click(button("LoadButton"));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(statusText(), "");
    EXPECT_EQ(folder.entryCount(), 0u);
    EXPECT_EQ(dialogs->fileFilters.size(), 2);
}

TEST_F(FileTest, TheFunctionKeyActionsSaveAndLoadToo) {
    dialogs->fileNames = {path("keys.cfg")};
    form->SaveButtonClick(nullptr); // F9
    EXPECT_EQ(statusText(), Saved);
    dialogs->fileNames = {path("keys.cfg")};
    form->LoadButtonClick(nullptr); // F10
    EXPECT_EQ(statusText(), Loaded);
    dialogs->fileNames = {path("missing.cfg")};
    form->LoadButtonClick(nullptr); // errors stay inside the window
    EXPECT_EQ(dialogs->errors.size(), 1);
}

} // namespace
} // namespace pemrix::secure::testing
