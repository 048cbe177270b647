#include "forms/commissioning_report.h"

#include <QCoreApplication>
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
    return QCoreApplication::translate("pemrix", value ? image::YesText : image::NoText);
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
    // The catalog holds the texts; the markup around them is the report's own.
    QString html = QStringLiteral("<h2>") +
                   QCoreApplication::translate("pemrix", "Отчёт о настройке модуля %1")
                       .arg(facts.module.toHtmlEscaped()) +
                   QStringLiteral("</h2><p>");
    html += QCoreApplication::translate("pemrix", "Модуль: %1").arg(facts.variant.toHtmlEscaped()) +
            QStringLiteral("<br>");
    html += QCoreApplication::translate("pemrix", "Порт: %1").arg(facts.port.toHtmlEscaped()) +
            QStringLiteral("<br>");
    html += QCoreApplication::translate("pemrix", "Дата и время: %1")
                .arg(facts.when.toString(QStringLiteral("dd.MM.yyyy hh:mm"))) +
            QStringLiteral("<br>");
    html += QCoreApplication::translate("pemrix", "Настройки считаны из модуля в этом сеансе: %1")
                .arg(yesNo(facts.readFromModule)) +
            QStringLiteral("<br>");
    html += QCoreApplication::translate("pemrix", "Настройки записаны в файл в этом сеансе: %1")
                .arg(yesNo(facts.savedToFile)) +
            QStringLiteral("</p>");
    if (!facts.readFromModule && !facts.savedToFile)
        html += QStringLiteral("<p><b>") +
                QCoreApplication::translate(
                    "pemrix", "Настройки не считаны из модуля и не записаны в файл: отчёт "
                              "показывает то, что было в окне.") +
                QStringLiteral("</b></p>");

    // One paragraph a field: a table of several hundred rows takes the text layout
    // many times longer.
    std::string group = "\n"; // no group has this name: the first field opens one
    for (const image::Field& field : table.fields) {
        if (!shown(field))
            continue;
        if (field.group != group) {
            group = field.group;
            const QString title =
                group.empty() ? QCoreApplication::translate("pemrix", "Общие настройки")
                              : QString::fromStdString(image::tableText(group)).toHtmlEscaped();
            html += QStringLiteral("<h3>%1</h3>").arg(title);
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
            writer.setTitle(QCoreApplication::translate("pemrix", "Отчёт о настройке модуля"));
            writer.setCreator(QStringLiteral("Pemrix"));
            const std::unique_ptr<QTextDocument> document(reportDocument(html));
            document->print(&writer);
        }
        if (file.commit())
            return {};
    }
    return QCoreApplication::translate("pemrix", "Не удалось записать отчёт в файл «%1».")
        .arg(path);
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
