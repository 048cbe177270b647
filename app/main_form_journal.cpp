// The exchange journal of the main window.

#include "app/exchange_journal_window.h"
#include "app/main_form.h"

namespace pemrix::app {

ExchangeJournalWindow* TMainForm::journalWindow() const {
    return journal_.data();
}

void TMainForm::TraceButtonClick() {
    if (!journal_)
        journal_ = new ExchangeJournalWindow(this);
    journal_->show();
    journal_->followModalWindow(moduleWindow_.data());
    journal_->raise();
    journal_->activateWindow();
}

} // namespace pemrix::app
