#pragma once
// The commissioning report of a module window: what the module is, where it is linked,
// when, where its settings came from, and every field grouped as the window groups it.
// Written as an A4 PDF and offered for printing.

#include "image/field_table.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <span>

class QWidget;

namespace pemrix::forms {

struct ReportFacts {
    QString module;  // "Orvel-416"
    QString variant; // the model the window edits: "Orvel-426" …
    QString port;    // "COM1 (/dev/ttyUSB0)"
    QDateTime when;
    bool readFromModule = false; // read from the module in this session
    bool savedToFile = false;    // saved to a file in this session
};

// The report as rich text; `shown` picks the fields the window shows.
QString reportHtml(const ReportFacts& facts, const image::FieldTable& table,
                   std::span<const int> image,
                   const std::function<bool(const image::Field&)>& shown);

// Writes the report as an A4 PDF; an empty text when written, else why not.
QString writeReportPdf(const QString& path, const QString& html);

// The system's print dialog, then the report on the chosen printer.
void printReport(QWidget* parent, const QString& html);

} // namespace pemrix::forms
