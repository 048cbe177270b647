#include "language/catalog.h"

#include "language/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <atomic>

namespace pemrix::language {

namespace {

// Read once while the program starts; every thread then only reads it.
QTranslator* englishCatalog() {
    static QTranslator catalog;
    return &catalog;
}

std::atomic<Language> inUse{Language::Russian};

std::string englishText(const char* context, const char* source) {
    const QString text = englishCatalog()->translate(context, source);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

} // namespace

bool useLanguage(Language language) {
    if (language == Language::English &&
        englishCatalog()->load(QStringLiteral(":/i18n/pemrix_en.qm"))) {
        useCatalog(englishText);
        inUse = Language::English;
        return true;
    }
    useCatalog(nullptr);
    inUse = Language::Russian;
    return language == Language::Russian;
}

Language languageInUse() {
    return inUse;
}

void installCatalogs(QCoreApplication& application) {
    if (languageInUse() == Language::English) {
        // Qt's own texts are English as written.
        QCoreApplication::installTranslator(englishCatalog());
        return;
    }
    // Qt's own buttons read "Да"/"Нет" like the rest of the program. Linux
    // distributions ship Qt's catalogue as qtbase_ru; Qt's Windows deployment merges
    // it into qt_ru.
    auto* qtCatalog = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qtCatalog->load(QStringLiteral("qtbase_ru"), folder) ||
        qtCatalog->load(QStringLiteral("qt_ru"), folder))
        QCoreApplication::installTranslator(qtCatalog);
}

} // namespace pemrix::language
