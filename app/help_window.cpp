#include "app/help_window.h"

#include "app/main_form_texts.h"
#include "language/catalog.h"

#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace pemrix::app {

namespace {

constexpr int contentsTopic = 1;

// The English pages lie in the help set's folder "en" under the Russian pages' names,
// so the links between pages stay within one language.
QString topicPath(int topic) {
    const QString folder = language::languageInUse() == language::Language::English
                               ? QStringLiteral("en/")
                               : QString();
    return QStringLiteral(":/%1/%2topic%3.html")
        .arg(QString::fromUtf8(texts::helpSet), folder)
        .arg(topic);
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("pemrix", "Справка - %1")
                       .arg(QString::fromUtf8(texts::helpSet)));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

bool HelpWindow::hasTopic(int topic) {
    return QFile::exists(topicPath(topic));
}

void HelpWindow::showTopic(int topic) {
    if (!hasTopic(topic))
        topic = contentsTopic;
    topic_ = topic;
    browser_->setSource(QUrl(QStringLiteral("qrc") + topicPath(topic)));
    browser_->document()->setDocumentMargin(12);
}

QString HelpWindow::topicText() const {
    return browser_->toPlainText();
}

} // namespace pemrix::app
