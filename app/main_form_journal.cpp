// The exchange journal of the main window.

#include "app/exchange_journal_window.h"
#include "app/main_form.h"

#include <QKeySequence>
#include <QShortcut>

namespace pemrix::app {

ExchangeJournalWindow* TMainForm::journalWindow() const {
    return journal_.data();
}

void TMainForm::JournalButtonClick() {
    if (!journal_)
        journal_ = new ExchangeJournalWindow(this);
    journal_->show();
    journal_->followModalWindow(moduleWindow_.data());
    journal_->raise();
    journal_->activateWindow();
}

// The journal button is out of reach while a module window holds the program modal;
// the key opens the journal from there as well.
void TMainForm::addJournalShortcut(QWidget& window) {
    auto* shortcut = new QShortcut(QKeySequence(journalShortcut), &window);
    connect(shortcut, &QShortcut::activated, this, &TMainForm::JournalButtonClick);
}

} // namespace pemrix::app
