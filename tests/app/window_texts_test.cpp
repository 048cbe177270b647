// Every text of every window fits its control and is in the language of the run: ctest
// runs this in Russian and in English (--lang en), at the usual size and at 150 %
// (QT_SCALE_FACTOR), so a longer translation or a larger font cannot clip a caption.

#include "firesecure/firesecure_form.h"
#include "language/catalog.h"
#include "relay/relay_form.h"
#include "secure/secure_form.h"
#include "tests/app/main_form_rig.h"
#include "tests/support/recording_host.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

namespace pemrix::app::testing {
namespace {

QString shownText(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The room a control leaves its caption beside its frame or indicator.
int captionRoom(const QWidget* control) {
    const QStyle* style = control->style();
    if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
        return control->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (qobject_cast<const QAbstractButton*>(control))
        return control->width() - style->pixelMetric(QStyle::PM_ButtonMargin);
    if (qobject_cast<const QGroupBox*>(control))
        return control->width() - 8;
    return control->contentsRect().width();
}

QString caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->wordWrap() || Qt::mightBeRichText(label->text()) ? QString() : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

// "name: caption" of each visible control whose one-line caption is wider than its room.
QStringList clippedCaptions(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString text = shownText(caption(control));
        if (!control->isVisible() || text.isEmpty() || text.contains('\n'))
            continue;
        if (control->fontMetrics().horizontalAdvance(text) > captionRoom(control))
            clipped << control->objectName() + ": " + text;
    }
    return clipped;
}

// Every text a window can show a user, items and hints included.
QStringList windowTexts(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        texts << caption(control) << control->toolTip() << control->accessibleName()
              << control->accessibleDescription() << control->statusTip();
        if (const auto* combo = qobject_cast<const QComboBox*>(control))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    return texts;
}

QStringList russianTexts(const QWidget* window) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return windowTexts(window).filter(cyrillic);
}

TEST_F(MainFormTest, EveryWindowShowsItsTextsWholeInTheLanguageInUse) {
    makeForm();
    pemrix::testing::RecordingHost host;
    std::vector<std::unique_ptr<QWidget>> modules;
    modules.emplace_back(new secure::TSecureForm(host));
    modules.emplace_back(new firesecure::TFireSecureForm(host));
    modules.emplace_back(new relay::TReleForm(host));
    std::vector<QWidget*> windows{form.get()};
    for (const auto& module : modules)
        windows.push_back(module.get());
    const bool english = language::languageInUse() == language::Language::English;
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->metaObject()->className());
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(clippedCaptions(window).join('\n').toStdString(), "");
        if (english) {
            EXPECT_EQ(russianTexts(window).join('\n').toStdString(), "");
        }
        window->hide();
    }
}

} // namespace
} // namespace pemrix::app::testing
