// The relay window's link as its exchanges report it: the demonstration mode entered
// and left, the variant from the module's answer, the buttons' requests, and when
// the version label shows a module's version.

#include "tests/relay/relay_form_rig.h"

#include "link/reports.h"

#include <gmock/gmock.h>

namespace pemrix::relay::testing {
namespace {

using ::testing::ElementsAre;

const QString DemoNoAnswer = QStringLiteral("Нет ответа от модуля. Демонстрационный режим");
const QString DemoBroken = QStringLiteral("Нет связи с модулем. Демонстрационный режим");

std::vector<int> imageWithVersion(int version) {
    std::vector<int> image = relayFactoryImage();
    image[Cell::Version] = version;
    return image;
}

class RelayFormLinkTest : public RelayFormTest {
  protected:
    // The module answers as `kind`, then the link stands (report 8 and LinkUp).
    void linkAs(link::ModuleKind kind) {
        form->linkAnswered(kind);
        link::ShowReport(*form, link::ReportCode::LinkEstablished, 0);
        link::LinkUp(*form);
    }
    bool variantChooserShown() const {
        return find<QWidget>("Demo")->isVisibleTo(form) && radio("Orvel426")->isVisibleTo(form) &&
               radio("Orvel427")->isVisibleTo(form);
    }
    // WriteButton, ReadButton, ConnectButton, CancelButton enabled, as "1100".
    QString linkButtons() const {
        QString bits;
        for (const char* name : {"WriteButton", "ReadButton", "ConnectButton", "CancelButton"})
            bits += button(name)->isEnabled() ? '1' : '0';
        return bits;
    }
};

TEST_F(RelayFormLinkTest, OpensPendingInDemonstrationWithTheChooserHidden) {
    EXPECT_EQ(linkButtons(), "0001");
    EXPECT_TRUE(form->demonstration());
    EXPECT_FALSE(variantChooserShown());
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_EQ(versionText(), " ");
    EXPECT_EQ(mode(1)->currentIndex(), RelayMode::PcnAlarm) << "from the factory image";
    EXPECT_EQ(form->helpTopic(), 36);
}

TEST_F(RelayFormLinkTest, NoAnswerEntersDemonstrationWithTheCheckedVariant) {
    linkAs(link::ModuleKind::Rele8);
    link::ShowReport(*form, link::ReportCode::NoAnswer, 0);
    EXPECT_THAT(dialogs->messages, ElementsAre(QStringLiteral("Нет ответа от прибора")));
    EXPECT_EQ(statusText(), DemoNoAnswer);
    EXPECT_TRUE(variantChooserShown());
    EXPECT_TRUE(form->demonstration());
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_EQ(linkButtons(), "0010");
}

TEST_F(RelayFormLinkTest, TheModulesAnswerNamesTheVariantAndLeavesDemonstration) {
    link::ShowReport(*form, link::ReportCode::NoAnswer, 0);
    click(button("ConnectButton"));
    EXPECT_THAT(host.calls, ElementsAre("closePort", "StartLink"));
    EXPECT_FALSE(variantChooserShown());
    EXPECT_FALSE(form->demonstration());
    EXPECT_EQ(linkButtons(), "0001");

    linkAs(link::ModuleKind::Rele8);
    EXPECT_EQ(visibleTabs(), "11111111");
    EXPECT_EQ(linkButtons(), "1101");
    linkAs(link::ModuleKind::Rele4);
    EXPECT_EQ(visibleTabs(), "11110000");
}

TEST_F(RelayFormLinkTest, BreakingTheLinkFallsBackToTheCheckedVariant) {
    linkAs(link::ModuleKind::Rele8);
    host.calls.clear();
    click(button("CancelButton"));
    EXPECT_THAT(host.calls, ElementsAre("stopWorker", "closePort"));
    EXPECT_EQ(statusText(), DemoBroken);
    EXPECT_TRUE(variantChooserShown());
    EXPECT_TRUE(form->demonstration());
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_EQ(linkButtons(), "0010");
}

// An unplugged adapter under a standing link: no module is left, so a file's variant
// line counts again and the checked variant decides.
TEST_F(RelayFormLinkTest, AFailedLineLeavesTheWindowWithoutAModule) {
    linkAs(link::ModuleKind::Rele8);
    link::ShowReport(*form, link::ReportCode::LineFailed, 0);
    EXPECT_TRUE(variantChooserShown());
    EXPECT_TRUE(form->demonstration());
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_EQ(linkButtons(), "0010");
}

TEST_F(RelayFormLinkTest, ReadAndWriteAskForTheRelayOperations) {
    linkAs(link::ModuleKind::Rele4);
    iz(2, 40)->setChecked(true);
    click(button("WriteButton"));
    click(button("ReadButton")); // disabled during the transfer
    ASSERT_EQ(host.workers.size(), 1u);
    EXPECT_EQ(pemrix::link::kindValue(host.workers[0].kind), 5);
    EXPECT_EQ(pemrix::link::operationValue(host.workers[0].operation), 0x51);
    EXPECT_EQ(host.workers[0].data, form->BuildConfigImage());
    EXPECT_EQ(host.workers[0].data[39], 2);

    link::ShowReport(*form, link::ReportCode::WriteDone, 0);
    link::LinkUp(*form);
    click(button("ReadButton"));
    ASSERT_EQ(host.workers.size(), 2u);
    EXPECT_EQ(pemrix::link::operationValue(host.workers[1].operation), 0x52);
    EXPECT_TRUE(host.workers[1].data.empty());
    EXPECT_EQ(linkButtons(), "0001");
}

// The label shows a module's version only with a link and without the factory
// settings shown over it; a file always carries version 0.
TEST_F(RelayFormLinkTest, TheVersionLabelShowsOnlyAModulesVersion) {
    form->ApplyConfigImage(imageWithVersion(7));
    EXPECT_EQ(versionText(), " ") << "before the module answers";
    linkAs(link::ModuleKind::Rele4);
    form->ApplyConfigImage(imageWithVersion(255));
    EXPECT_EQ(versionText(), "v255");
    click(button("DefaultButton"));
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    form->ApplyConfigImage(imageWithVersion(3));
    EXPECT_EQ(versionText(), "v255") << "the factory settings keep the module's version";
    click(button("ReadButton"));
    form->ApplyConfigImage(imageWithVersion(3));
    EXPECT_EQ(versionText(), "v3") << "a read clears the factory settings' mark";
    click(button("CancelButton"));
    form->ApplyConfigImage(imageWithVersion(4));
    EXPECT_EQ(versionText(), "v3") << "demonstration keeps the last one";
    click(button("ConnectButton"));
    EXPECT_EQ(versionText(), "");
}

} // namespace
} // namespace pemrix::relay::testing
