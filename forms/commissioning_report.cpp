#include "forms/commissioning_report.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include <memory>

namespace pemrix::forms {

namespace {

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString yesNo(bool value) {
    return value ? QStringLiteral("да") : QStringLiteral("нет");
}

QString shownValue(const image::Field& field, const image::FieldValue& value) {
    return escaped(image::shownText(field, value));
}

QTextDocument* reportDocument(const QString& html) {
    auto* document = new QTextDocument;
    document->setHtml(html);
    return document;
}

} // namespace

QString reportHtml(const ReportFacts& facts, const image::FieldTable& table,
                   std::span<const int> image,
                   const std::function<bool(const image::Field&)>& shown) {
    QString html =
        QStringLiteral("<h2>Отчёт о настройке модуля %1</h2><p>").arg(facts.module.toHtmlEscaped());
    html += QStringLiteral("Модуль: %1<br>").arg(facts.variant.toHtmlEscaped());
    html += QStringLiteral("Порт: %1<br>").arg(facts.port.toHtmlEscaped());
    html += QStringLiteral("Дата и время: %1<br>")
                .arg(facts.when.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    html += QStringLiteral("Настройки считаны из модуля в этом сеансе: %1<br>")
                .arg(yesNo(facts.readFromModule));
    html += QStringLiteral("Настройки записаны в файл в этом сеансе: %1</p>")
                .arg(yesNo(facts.savedToFile));
    if (!facts.readFromModule && !facts.savedToFile)
        html += QStringLiteral("<p><b>Настройки не считаны из модуля и не записаны в файл: отчёт "
                               "показывает то, что было в окне.</b></p>");

    // One paragraph a field: a table of several hundred rows takes the text layout
    // many times longer.
    std::string group = "\n"; // no group has this name: the first field opens one
    for (const image::Field& field : table.fields) {
        if (!shown(field))
            continue;
        if (field.group != group) {
            group = field.group;
            html += QStringLiteral("<h3>%1</h3>")
                        .arg(group.empty() ? QStringLiteral("Общие настройки") : escaped(group));
        }
        html += QStringLiteral("<p style=\"margin:0\">%1: <b>%2</b></p>")
                    .arg(escaped(image::fieldName(field)),
                         shownValue(field, image::decodeField(field, image)));
    }
    return html;
}

QString writeReportPdf(const QString& path, const QString& html) {
    // The writer says nothing of a file it cannot write: the file is opened here, and
    // replaces an earlier one only once it is whole (a full disk leaves nothing behind).
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setTitle(QStringLiteral("Отчёт о настройке модуля"));
            writer.setCreator(QStringLiteral("Pemrix"));
            const std::unique_ptr<QTextDocument> document(reportDocument(html));
            document->print(&writer);
        }
        if (file.commit())
            return {};
    }
    return QStringLiteral("Не удалось записать отчёт в файл «%1».").arg(path);
}

void printReport(QWidget* parent, const QString& html) {
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::unique_ptr<QTextDocument> document(reportDocument(html));
    document->print(&printer);
}

} // namespace pemrix::forms
