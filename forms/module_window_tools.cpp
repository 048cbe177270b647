// The module window's tools beyond the buttons of its panel: comparing its settings
// with a file, and the commissioning report. They are reached by their shortcuts and
// by the window's context menu.

#include "forms/commissioning_report.h"
#include "forms/compare_dialog.h"
#include "forms/config_file.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/module_host.h"
#include "forms/module_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

namespace pemrix::forms {

namespace {

// A window's tool shortcut wins over an edit's own binding of the same keys (on X11
// an edit takes Ctrl+D as "delete"): the override request of a control inside the
// window is turned down, so the window's action runs.
class ToolShortcuts : public QObject {
  public:
    explicit ToolShortcuts(QWidget& window) : QObject(&window), window_(window) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(press->keyCombination());
        for (const QAction* action : window_.actions())
            if (action->shortcut() == pressed)
                return true;
        return false;
    }

  private:
    QWidget& window_;
};

QString valueText(const image::Field& field, const image::FieldValue& value) {
    return QString::fromStdString(image::shownText(field, value));
}

} // namespace

void ModuleWindow::addTools() {
    const struct {
        const char* name;
        QString text;
        QKeyCombination keys;
        void (ModuleWindow::*run)();
    } tools[] = {
        {"CompareAction", QCoreApplication::translate("pemrix", "Сравнить с файлом…"),
         Qt::CTRL | Qt::Key_D, &ModuleWindow::CompareWithFile},
        {"ReportAction", QCoreApplication::translate("pemrix", "Отчёт…"), Qt::CTRL | Qt::Key_P,
         &ModuleWindow::WriteReport},
    };
    for (const auto& tool : tools) {
        auto* action = new QAction(tool.text, this);
        action->setObjectName(QString::fromLatin1(tool.name));
        action->setShortcut(QKeySequence(tool.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, tool.run);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
    new ToolShortcuts(*this);
}

void ModuleWindow::CompareWithFile() {
    compareWithConfigFile(
        *this, fileLoad(), [this](const QString& name, const image::ImageCells& file) {
            const image::FieldTable& table = fieldTable();
            const std::vector<int> shown = BuildConfigImage();
            std::vector<FieldDifference> differences;
            for (std::size_t index : image::differingFields(table, shown, file)) {
                const image::Field& field = table.fields[index];
                if (!showsField(field))
                    continue;
                differences.push_back({QString::fromStdString(image::tableText(field.group)),
                                       QString::fromStdString(image::fieldName(field)),
                                       valueText(field, image::decodeField(field, shown)),
                                       valueText(field, image::decodeField(field, file))});
            }
            const QString fileName = QFileInfo(name).fileName();
            if (differences.empty()) {
                Dialogs::instance().message(this, sameAsFileText(fileName));
                return;
            }
            auto* dialog = new CompareDialog(fileName, differences, this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
        });
}

QString ModuleWindow::modelName() const {
    return QString::fromUtf8(module().name.data(), static_cast<qsizetype>(module().name.size()));
}

void ModuleWindow::WriteReport() {
    runReported(this, [this] {
        const QString path = Dialogs::instance().saveFileName(
            this, QCoreApplication::translate("pemrix", "Отчёт о настройке модуля"),
            QCoreApplication::translate("pemrix", "Отчёт PDF (*.pdf)"), QStringLiteral("pdf"));
        if (path.isEmpty())
            return;
        const ReportFacts facts{
            QString::fromUtf8(module().name.data(), static_cast<qsizetype>(module().name.size())),
            modelName(),
            QString::fromStdString(host().portDescription()),
            QDateTime::currentDateTime(),
            readFromModule_,
            savedToFile_};
        const QString html =
            reportHtml(facts, fieldTable(), BuildConfigImage(),
                       [this](const image::Field& field) { return showsField(field); });
        if (const QString failure = writeReportPdf(path, html); !failure.isEmpty()) {
            Dialogs::instance().message(this, failure);
            return;
        }
        const QString name = QFileInfo(path).fileName();
        status(QCoreApplication::translate("pemrix", "Отчёт записан в файл «%1»").arg(name));
        if (Dialogs::instance().question(
                this, QCoreApplication::translate("pemrix", "Отчёт"),
                QCoreApplication::translate("pemrix", "Отчёт записан в файл «%1». Напечатать его?")
                    .arg(name)))
            printReport(this, html);
    });
}

} // namespace pemrix::forms
