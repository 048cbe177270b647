// The real file dialogs, answered as a user answers them: a name entered in the
// dialog and accepted. Opening takes a name of a file that is not there and gives it
// the default extension; saving replaces a file without asking.

#include "forms/dialogs.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace pemrix::forms {
namespace {

// Shows the dialog and, once it is up, enters `name` and accepts it. A box the dialog
// raises instead is added to `boxes` and closed, and so is the dialog then.
QString answer(bool save, const QString& name, QStringList& boxes) {
    QObject guard; // no timer outlives this answer
    QTimer::singleShot(0, &guard, [&guard, &boxes, name] {
        QPointer<QFileDialog> dialog =
            qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(name);
        QTimer::singleShot(0, &guard, [&guard, &boxes, dialog] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->text();
                box->reject();
            }
            QTimer::singleShot(0, &guard, [dialog] {
                if (dialog)
                    dialog->reject();
            });
        });
        static_cast<QDialog*>(dialog.data())->accept(); // what Return in the name field does
    });
    QtDialogs dialogs;
    const QString filter = QStringLiteral("Файлы конфигурации (*.cfg);;Все файлы (*)");
    return save ? dialogs.saveFileName(nullptr, QStringLiteral("Сохранить как"), filter, "cfg")
                : dialogs.openFileName(nullptr, QStringLiteral("Открыть"), filter, "cfg");
}

TEST(FileDialogsTest, OpeningTakesAnyNameAndSavingReplacesWithoutAsking) {
    pemrix::testing::TempFolder folder;
    pemrix::testing::writeBytes(folder / "old.cfg", "2\r\n");
    struct Row {
        bool save;
        const char* typed;
        const char* chosen;
    };
    for (const Row& row :
         {Row{false, "missing", "missing.cfg"}, Row{false, "missing.txt", "missing.txt"},
          Row{false, "old", "old.cfg"}, Row{true, "old", "old.cfg"},
          Row{true, "old.cfg", "old.cfg"}, Row{true, "new", "new.cfg"}}) {
        SCOPED_TRACE(std::string(row.save ? "save " : "open ") + row.typed);
        QStringList boxes;
        const QString chosen =
            answer(row.save, QString::fromStdString((folder / row.typed).string()), boxes);
        EXPECT_EQ(chosen.toStdString(), (folder / row.chosen).string());
        EXPECT_EQ(boxes.join('\n').toStdString(), "");
    }
}

} // namespace
} // namespace pemrix::forms
