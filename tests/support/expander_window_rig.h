#pragma once
// Either expander window, the Orvel-416 or the Orvel-417, on the module-window rig:
// the rules the two share are tested once, over both. A test takes its window from
// its parameter, one of the rows below, which say where the two differ.

#include "firesecure/firesecure_form.h"
#include "secure/secure_form.h"
#include "tests/support/module_window_rig.h"

#include <QSize>

#include <string>
#include <utility>
#include <vector>

namespace pemrix::testing {

struct ExpanderWindowCase {
    const char* name; // in the test's name
    forms::ExpanderWindow* (*make)(forms::ModuleHost& host);
    link::ModuleKind kind, otherKind; // otherKind: the other expander
    QString title;
    int helpTopic;
    Qt::Key openingKey;        // the main window's function key that opens it
    const char* openingButton; // and its button
    const char* initialDelay;  // DelayEdit before the first image
    int relays;
    QStringList relayModes;
    QSize drawn;                 // on a screen with room
    const char* factoryFileHead; // the factory settings' first eight lines in a file
    QString savedStatus;
    // The 24-hour box of loop `loop`.
    QString (*roundTheClock)(int loop);
    // Sets something in every part of the window's loop grid and relay modes.
    void (*editGrid)(WindowControls& window);
    // Controls the window alone has, with their spoken names.
    std::vector<std::pair<const char*, QString>> spokenNames;
};

inline const ExpanderWindowCase Orvel416{
    .name = "Orvel416",
    .make = [](forms::ModuleHost& host) -> forms::ExpanderWindow* {
        return new secure::TSecureForm(host);
    },
    .kind = link::ModuleKind::Secure,
    .otherKind = link::ModuleKind::FireSecure,
    .title = QStringLiteral("Охранный модуль \"Orvel - 416\""),
    .helpTopic = 30,
    .openingKey = Qt::Key_F3,
    .openingButton = "Orvel416",
    .initialDelay = "0",
    .relays = 2,
    .relayModes = {QStringLiteral("ПЦН тревога"), QStringLiteral("ПЦН контрольный"),
                   QStringLiteral("Исполнительный"), QStringLiteral("Контрольная лампа")},
    .drawn = {743, 515},
    .factoryFileHead = "45\r\n0\r\n192\r\n2\r\n0\r\n0\r\n135\r\n1\r\n",
    .savedStatus = QStringLiteral("Запись конфигурации в файл завершено"),
    .roundTheClock = [](int loop) { return QStringLiteral("ks%1").arg(loop); },
    .editGrid =
        [](WindowControls& window) {
            for (const char* name : {"it1", "it6", "av2", "tt3", "tt7", "ks4", "ks8", "pr2", "pr5"})
                window.click(window.box(name));
            window.click(window.box("tt7")); // back off: the factory had it on
            window.combo("Rele1Combo")->setCurrentIndex(1);
            window.combo("Rele2Combo")->setCurrentIndex(3);
        },
    .spokenNames = {{"tt3", QStringLiteral("Тихая тревога, ШС3")},
                    {"q37", QStringLiteral("Идентификатор 7, ШС3")},
                    {"pr6", QStringLiteral("Привязка реле 2, ШС3–ШС4")}},
};

inline const ExpanderWindowCase Orvel417{
    .name = "Orvel417",
    .make = [](forms::ModuleHost& host) -> forms::ExpanderWindow* {
        return new firesecure::TFireSecureForm(host);
    },
    .kind = link::ModuleKind::FireSecure,
    .otherKind = link::ModuleKind::Secure,
    .title = QStringLiteral("Охранно-пожарный модуль \"Orvel - 417\""),
    .helpTopic = 29,
    .openingKey = Qt::Key_F5,
    .openingButton = "FireSecureButton",
    .initialDelay = "1",
    .relays = 3,
    .relayModes = Orvel416.relayModes + QStringList{QStringLiteral("ПЦН внимание"),
                                                    QStringLiteral("Пожарная тревога"),
                                                    QStringLiteral("Неисправность")},
    .drawn = {758, 522},
    .factoryFileHead = "45\r\n12\r\n192\r\n194\r\n192\r\n195\r\n40\r\n193\r\n",
    .savedStatus = QStringLiteral("Запись конфигурации в файл завершена"),
    .roundTheClock = [](int loop) { return QStringLiteral("avks%1").arg(loop + 4); },
    .editGrid =
        [](WindowControls& window) {
            for (const char* name : {"ittt2", "avks1", "ittt6", "ds2", "pr2", "ss8"})
                window.click(window.box(name));
            window.click(window.find<QRadioButton>("ds71")); // loop 3 a security loop
            window.combo("Rele1Combo")->setCurrentIndex(1);
        },
    .spokenNames = {{"avks7", QStringLiteral("Круглосуточно, ШС3")},
                    {"ds61", QStringLiteral("Тип ШС охранный, ШС2")}},
};

inline const auto ExpanderWindows = ::testing::Values(&Orvel416, &Orvel417);

class ExpanderWindowTest
    : public ModuleWindowTest<forms::ExpanderWindow,
                              ::testing::TestWithParam<const ExpanderWindowCase*>> {
  protected:
    forms::ExpanderWindow* makeWindow(RecordingHost& windowHost) override {
        return GetParam()->make(windowHost);
    }
    const ExpanderWindowCase& window() const { return *GetParam(); }
};

// Runs the tests of `suite` (derived from ExpanderWindowTest) over both windows.
#define PEMRIX_OVER_EXPANDER_WINDOWS(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(, suite, ::pemrix::testing::ExpanderWindows,                          \
                             [](const auto& info) { return std::string(info.param->name); })

} // namespace pemrix::testing
