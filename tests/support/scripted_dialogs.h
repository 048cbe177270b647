#pragma once
// The program's message boxes and file dialogs answered from a script, with what was
// shown remembered in order.

#include "forms/dialogs.h"

#include <QFileInfo>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

namespace pemrix::testing {

class ScriptedDialogs : public forms::Dialogs {
  public:
    QStringList messages;          // texts of message boxes, in order
    QStringList errors;            // texts of error boxes, in order
    QStringList questions;         // texts of questions, in order
    QStringList questionCaptions;  // their captions, in the same order
    std::deque<bool> answers;      // next answers to questions; No when empty
    std::deque<QString> fileNames; // next answers to file dialogs; cancel when empty
    QStringList fileFilters;       // filters of the file dialogs shown, in order
    QStringList defaultSuffixes;   // default suffixes of the file dialogs shown, in order
    // Runs while the next file dialog is open, as events the real one lets through.
    std::function<void()> whileFileDialogOpen;

    void message(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    bool question(QWidget*, const QString& caption, const QString& text) override {
        questionCaptions << caption;
        questions << text;
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The next scripted name, as the real dialogs give it back: with the default suffix
    // when it has no extension.
    QString openFileName(QWidget*, const QString&, const QString& filter,
                         const QString& defaultSuffix) override {
        return nextFileName(filter, defaultSuffix);
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter,
                         const QString& defaultSuffix) override {
        return nextFileName(filter, defaultSuffix);
    }

    // Installs a fresh script as the service and returns it (owned by the service).
    static ScriptedDialogs& installNew() {
        auto script = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs& ref = *script;
        forms::Dialogs::install(std::move(script));
        return ref;
    }

  private:
    QString nextFileName(const QString& filter, const QString& defaultSuffix) {
        fileFilters << filter;
        defaultSuffixes << defaultSuffix;
        if (whileFileDialogOpen)
            std::exchange(whileFileDialogOpen, nullptr)();
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        if (QFileInfo(name).suffix().isEmpty() && !defaultSuffix.isEmpty())
            name += QLatin1Char('.') + defaultSuffix;
        return name;
    }
};

} // namespace pemrix::testing
