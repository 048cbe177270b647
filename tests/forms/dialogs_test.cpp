// The real file dialogs, answered as a user answers them: a name entered in the
// dialog and accepted. Opening takes a name of a file that is not there and gives it
// the default extension; saving replaces a file without asking.

#include "forms/dialogs.h"
#include "tests/image/temp_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pemrix::forms {
namespace {

using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

const QString Filter = QStringLiteral("Файлы конфигурации (*.cfg);;Все файлы (*)");
const QString Suffix = QStringLiteral("cfg");

class FileDialogsTest : public ::testing::Test {
  protected:
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    // Runs `show` and, once its dialog is up, enters `typed` and accepts it. A box the
    // dialog raises instead is remembered and closed, and so is the dialog then.
    QString answer(const std::function<QString()>& show, const char* typed) {
        QObject guard; // no timer outlives this answer
        const QString name = path(typed);
        QTimer::singleShot(0, &guard, [this, &guard, name] {
            QPointer<QFileDialog> dialog =
                qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(name);
            QTimer::singleShot(0, &guard, [this, &guard, dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    boxes << box->text();
                    box->reject();
                }
                QTimer::singleShot(0, &guard, [dialog] {
                    if (dialog)
                        dialog->reject();
                });
            });
            // What Return in the name field does.
            static_cast<QDialog*>(dialog.data())->accept();
        });
        return show();
    }

    TempFolder folder;
    QtDialogs dialogs;
    QStringList boxes;
};

TEST_F(FileDialogsTest, OpeningTakesAnyNameAndGivesItTheDefaultExtension) {
    writeBytes(folder / "old.cfg", "2\r\n");
    const auto open = [this] {
        return dialogs.openFileName(nullptr, QStringLiteral("Открыть"), Filter, Suffix);
    };
    struct Row {
        const char* typed;
        const char* chosen;
    };
    for (const Row& row : {Row{"missing", "missing.cfg"}, Row{"missing.txt", "missing.txt"},
                           Row{"old", "old.cfg"}, Row{"old.cfg", "old.cfg"}}) {
        SCOPED_TRACE(row.typed);
        boxes.clear();
        EXPECT_EQ(answer(open, row.typed), path(row.chosen));
        EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    }
}

TEST_F(FileDialogsTest, SavingReplacesAFileWithoutAsking) {
    writeBytes(folder / "old.cfg", "2\r\n");
    const auto save = [this] {
        return dialogs.saveFileName(nullptr, QStringLiteral("Сохранить как"), Filter, Suffix);
    };
    struct Row {
        const char* typed;
        const char* chosen;
    };
    for (const Row& row :
         {Row{"old", "old.cfg"}, Row{"old.cfg", "old.cfg"}, Row{"new", "new.cfg"}}) {
        SCOPED_TRACE(row.typed);
        boxes.clear();
        EXPECT_EQ(answer(save, row.typed), path(row.chosen));
        EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    }
}

} // namespace
} // namespace pemrix::forms

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
