#include "forms/compare_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pemrix::forms {

CompareDialog::CompareDialog(const QString& fileName,
                             const std::vector<FieldDifference>& differences, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(QCoreApplication::translate("pemrix", "Сравнение с файлом"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        QCoreApplication::translate("pemrix", "В окне не так, как в файле «%1»: полей — %2.")
            // Both at once: a "%2" in the file's name stays as it is.
            .arg(fileName, QString::number(differences.size())),
        this);
    heading->setObjectName(QStringLiteral("CompareHeading"));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* table = new QTableWidget(static_cast<int>(differences.size()), 4, this);
    table->setObjectName(QStringLiteral("Differences"));
    table->setHorizontalHeaderLabels({QCoreApplication::translate("pemrix", "Группа"),
                                      QCoreApplication::translate("pemrix", "Поле"),
                                      QCoreApplication::translate("pemrix", "В окне"),
                                      QCoreApplication::translate("pemrix", "В файле")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; row < table->rowCount(); ++row) {
        const FieldDifference& difference = differences[static_cast<std::size_t>(row)];
        const QString cells[] = {difference.group, difference.field, difference.inWindow,
                                 difference.inFile};
        for (int column = 0; column < 4; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("pemrix", "Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}

QString sameAsFileText(const QString& fileName) {
    return QCoreApplication::translate("pemrix", "Настройки в окне совпадают с файлом «%1».")
        .arg(fileName);
}

} // namespace pemrix::forms
