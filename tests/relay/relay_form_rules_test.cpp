// The relay window's rules, driven by name as a user drives them: what each
// controlling device makes available on all eight relays, what an executive relay
// keeps, the variant switch, and the order in which ApplyConfigImage runs the rules.

#include "tests/relay/relay_form_rig.h"

#include "forms/accessible_names.h"

#include <QAbstractButton>
#include <QHash>
#include <QTabBar>

namespace pemrix::relay::testing {
namespace {

struct AvailabilityRow {
    int device;
    const char* sources; // iz<k>1..iz<k>48 enabled, and still checked
    const char* types;   // type rows 1..7, 12, 13, 14 enabled, and still checked
};

// clang-format off
const AvailabilityRow Availability[] = {
    {0, "111111111111111111111111111111111111111111111111", "1111110111"},
    {1, "111111111111111111111111111111111111111111111111", "1111111111"},
    {2, "111111110000000000000000000000000000000000000000", "0100001011"},
    {3, "111100000000000000000000000000000000000000000000", "0101011011"},
    {4, "111111111111111100000000000000000000000000000000", "0101011000"},
};
// clang-format on

// Every box checked under another device, then the user picks the device: enabled
// boxes keep their check, cleared ones lose it; relays 5..8 on their hidden tabs too.
TEST_F(RelayFormTest, EachControllingDeviceSetsWhatEveryRelayCanUse) {
    for (const AvailabilityRow& row : Availability) {
        SCOPED_TRACE(row.device);
        choose("Ved", (row.device + 1) % ControllingDevice::Count);
        for (QCheckBox* each : form->findChildren<QCheckBox*>())
            each->setChecked(true);
        choose("Ved", row.device);
        for (int relay = 1; relay <= RelayCount; ++relay) {
            SCOPED_TRACE(relay);
            EXPECT_EQ(sources(relay, enabled), row.sources);
            EXPECT_EQ(sources(relay, checked), row.sources);
            EXPECT_EQ(types(relay, enabled), row.types);
            EXPECT_EQ(types(relay, checked), row.types);
        }
    }
}

TEST_F(RelayFormTest, AClickOnTheSelectedDeviceRunsNothing) {
    choose("Ved", ControllingDevice::Orvel416);
    iz(3, 20)->setChecked(true);
    choose("Ved", ControllingDevice::Orvel416);
    EXPECT_TRUE(iz(3, 20)->isChecked());
    EXPECT_FALSE(iz(3, 20)->isEnabled());
}

struct ModeRow {
    int device;
    int shownMode;     // relay 3's item after the user chose "Исполнительный"
    const char* types; // relay 3's type rows 1..7, 12, 13, 14 enabled, and checked
};

const ModeRow ExecutiveRelay[] = {
    {0, RelayMode::PcnAlarm, "1111110111"},  {1, RelayMode::Executive, "0000001000"},
    {2, RelayMode::Executive, "0000001000"}, {3, RelayMode::Executive, "0000001000"},
    {4, RelayMode::Executive, "0000001000"},
};

TEST_F(RelayFormTest, AnExecutiveRelayReactsToArmingAloneOrFallsBack) {
    for (const ModeRow& row : ExecutiveRelay) {
        SCOPED_TRACE(row.device);
        for (int relay = 1; relay <= RelayCount; ++relay)
            chooseMode(relay, RelayMode::PcnAlarm);
        choose("Ved", (row.device + 1) % ControllingDevice::Count);
        choose("Ved", row.device);
        for (int relay = 1; relay <= RelayCount; ++relay) {
            for (int type : NotificationTypes)
                typeiz(relay, type)->setChecked(typeiz(relay, type)->isEnabled());
        }
        const QString before = types(2, enabled);

        chooseMode(3, RelayMode::Executive);
        EXPECT_EQ(mode(3)->currentIndex(), row.shownMode);
        EXPECT_EQ(types(3, enabled), row.types);
        EXPECT_EQ(types(3, checked), row.types);
        EXPECT_EQ(types(2, enabled), before) << "other relays are not touched";
    }
}

TEST_F(RelayFormTest, ARelayLeavingExecutiveGetsItsRowsBackWithTheNextDevice) {
    choose("Ved", ControllingDevice::OrvelLonRpu);
    chooseMode(5, RelayMode::Executive);
    chooseMode(5, RelayMode::Sound);
    EXPECT_EQ(types(5, enabled), "0000001000");
    choose("Ved", ControllingDevice::Orvel408);
    EXPECT_EQ(types(5, enabled), "0101011000");
}

TEST_F(RelayFormTest, ADeviceChangeRunsTheModeRuleOnEveryRelay) {
    choose("Ved", ControllingDevice::Orvel417);
    chooseMode(8, RelayMode::Executive);
    choose("Ved", ControllingDevice::OrvelTevRpu);
    EXPECT_EQ(mode(8)->currentIndex(), RelayMode::PcnAlarm);
}

TEST_F(RelayFormTest, TheVariantButtonsShowAndHideTabsFiveToEight) {
    EXPECT_EQ(visibleTabs(), "11110000");
    iz(6, 30)->setChecked(true);
    form->setLinkDown();
    click(radio("Orvel427"));
    EXPECT_EQ(visibleTabs(), "11111111");
    click(radio("Orvel426"));
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_TRUE(iz(6, 30)->isChecked()) << "a hidden tab keeps its controls";
}

// The rule of a changed device runs before the boxes take the image's bits, so a
// module's bits survive on disabled boxes and are built back unchanged.
TEST_F(RelayFormTest, TheImageTakesItsBitsAfterTheDeviceRule) {
    std::vector<int> image = relayFactoryImage();
    image[Cell::ControllingDevice] = ControllingDevice::Orvel416;
    image[19] = 0x84; // source 20: relays 3 and 8
    image[Cell::TypeBase + 1] = 0x01;
    form->ApplyConfigImage(image);
    EXPECT_EQ(group("Ved")->itemIndex(), ControllingDevice::Orvel416);
    EXPECT_TRUE(iz(3, 20)->isChecked());
    EXPECT_FALSE(iz(3, 20)->isEnabled());
    EXPECT_TRUE(iz(8, 20)->isChecked());
    EXPECT_TRUE(typeiz(1, 1)->isChecked());
    EXPECT_FALSE(typeiz(1, 1)->isEnabled());
    EXPECT_EQ(form->BuildConfigImage(), image);
}

TEST_F(RelayFormTest, TheFactoryImageComesBackAlthoughArmingRowsAreDisabled) {
    EXPECT_FALSE(typeiz(4, 7)->isEnabled());
    EXPECT_TRUE(typeiz(4, 7)->isChecked());
    EXPECT_EQ(form->BuildConfigImage(), relayFactoryImage());
}

TEST_F(RelayFormTest, ARelayInNoModeCellKeepsItsSelection) {
    chooseMode(2, RelayMode::ControlLamp);
    std::vector<int> image = relayFactoryImage();
    image[62] = 0xFD; // every relay but relay 2 in "ПЦН тревога"
    form->ApplyConfigImage(image);
    EXPECT_EQ(mode(2)->currentIndex(), RelayMode::ControlLamp);
}

} // namespace
} // namespace pemrix::relay::testing

namespace pemrix::relay::testing {
namespace {

// The eight tabs repeat their controls; each control still has a name of its own.
TEST_F(RelayFormTest, EveryControlHasANameOfItsOwnOnEveryTab) {
    QHash<QString, QString> owners;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (qobject_cast<QTabBar*>(control->parentWidget()) != nullptr)
            continue; // the tab bar's own scroll arrows
        if (qobject_cast<QAbstractButton*>(control) == nullptr &&
            qobject_cast<QComboBox*>(control) == nullptr)
            continue;
        const QString name = forms::spokenName(control);
        EXPECT_FALSE(name.trimmed().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(owners.contains(name))
            << name.toStdString() << ": " << control->objectName().toStdString() << " and "
            << owners.value(name).toStdString();
        owners.insert(name, control->objectName());
    }
    EXPECT_EQ(owners.value(QStringLiteral("Реле 3, ИИ 17")), "iz317");
    EXPECT_EQ(owners.value(QStringLiteral("Реле 3, вскрытие")), "typeiz33");
    EXPECT_EQ(owners.value(QStringLiteral("Реле 8, Режим работы реле")), "Rele8Combo");
}

// As drawn, where the screen has room: a client area of 671 x 504.
TEST_F(RelayFormTest, TheWindowIsAsDrawnWhereTheScreenHasRoom) {
    open();
    form->fitInto(QRect(0, 0, 2000, 2000));
    EXPECT_NEAR(form->width(), 671, 671 * 0.02);
    EXPECT_NEAR(form->height(), 504, 504 * 0.02);
}

} // namespace
} // namespace pemrix::relay::testing
