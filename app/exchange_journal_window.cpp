#include "app/exchange_journal_window.h"

#include "app/journal_buffer.h"
#include "forms/dialogs.h"
#include "image/file_access.h"
#include "link/text_trace.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace pemrix::app {

namespace {

// Often enough to look live, seldom enough to cost the window nothing.
constexpr int drainIntervalMs = 100;
// A long session keeps its last lines; the oldest go.
constexpr int maxLines = 200000;

} // namespace

ExchangeJournalWindow::ExchangeJournalWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), buffer_(std::make_shared<JournalBuffer>()) {
    setObjectName(QStringLiteral("ExchangeJournal"));
    setWindowTitle(QCoreApplication::translate("pemrix", "Журнал обмена"));

    RecordBox = new QCheckBox(QCoreApplication::translate("pemrix", "Вести журнал"), this);
    RecordBox->setObjectName(QStringLiteral("RecordBox"));
    JournalView = new QPlainTextEdit(this);
    JournalView->setObjectName(QStringLiteral("JournalView"));
    JournalView->setReadOnly(true);
    JournalView->setLineWrapMode(QPlainTextEdit::NoWrap);
    JournalView->setMaximumBlockCount(maxLines);
    JournalView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ClearButton = new QPushButton(QCoreApplication::translate("pemrix", "Очистить"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    SaveButton = new QPushButton(QCoreApplication::translate("pemrix", "Сохранить…"), this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RecordBox);
    buttons->addStretch();
    buttons->addWidget(ClearButton);
    buttons->addWidget(SaveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(JournalView);
    layout->addLayout(buttons);
    resize(640, 400);

    // The trace outlives the window in a worker that still runs; it only ever
    // reaches the buffer, never the window.
    trace_ = std::make_shared<link::TextTrace>(
        [buffer = buffer_](const std::string& line) { buffer->append(line); });
    drainTimer_ = new QTimer(this);
    drainTimer_->setInterval(drainIntervalMs);

    connect(RecordBox, &QCheckBox::toggled, this, &ExchangeJournalWindow::RecordBoxToggled);
    connect(ClearButton, &QPushButton::clicked, this, &ExchangeJournalWindow::ClearButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &ExchangeJournalWindow::SaveButtonClick);
    connect(drainTimer_, &QTimer::timeout, this, &ExchangeJournalWindow::showPendingLines);
}

ExchangeJournalWindow::~ExchangeJournalWindow() {
    buffer_->setRecording(false);
}

std::shared_ptr<link::ByteTrace> ExchangeJournalWindow::journalTrace() const {
    return buffer_->recording() ? trace_ : nullptr;
}

void ExchangeJournalWindow::RecordBoxToggled(bool checked) {
    buffer_->setRecording(checked);
    if (checked) {
        drainTimer_->start();
    } else {
        drainTimer_->stop();
        showPendingLines();
    }
}

void ExchangeJournalWindow::showPendingLines() {
    const std::vector<std::string> lines = buffer_->take();
    if (lines.empty())
        return;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    JournalView->appendPlainText(texts.join(QLatin1Char('\n')));
}

void ExchangeJournalWindow::ClearButtonClick() {
    (void)buffer_->take();
    JournalView->clear();
}

void ExchangeJournalWindow::SaveButtonClick() {
    showPendingLines();
    const QString name = forms::Dialogs::instance().saveFileName(
        this, QCoreApplication::translate("pemrix", "Сохранить как"),
        QCoreApplication::translate("pemrix", "Текстовые файлы (*.txt)"), QStringLiteral("txt"));
    if (name.isEmpty())
        return;
    QString text = JournalView->toPlainText();
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    const image::Status saved =
        image::writeFileAtomically(image::pathFromUtf8(name.toStdString()), text.toStdString());
    if (!saved)
        forms::Dialogs::instance().error(this, QString::fromStdString(saved.error().message));
}

void ExchangeJournalWindow::followModalWindow(QWidget* modal) {
    modal_ = modal;
    applyTransientParent();
}

// A window whose transient parent is the modal window is not blocked by it. The
// platform window exists only once the window has been shown, so this runs again then.
void ExchangeJournalWindow::applyTransientParent() {
    QWindow* const own = windowHandle();
    if (own == nullptr)
        return;
    QWidget* const owner = modal_ ? modal_.data() : parentWidget();
    own->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void ExchangeJournalWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applyTransientParent();
}

} // namespace pemrix::app
