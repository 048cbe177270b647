// What the relay window's buttons do (the function keys run the same actions), and
// the reports of its exchanges that only this window has: the demonstration mode
// without a module and the variant named by the module's link answer.

#include "relay/relay_form.h"

#include "forms/config_file.h"
#include "forms/error_report.h"
#include "forms/module_host.h"
#include "image/file_lines.h"
#include "relay/relay_file.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <memory>

namespace pemrix::relay {

namespace {

constexpr const char* DemoStatus = "Нет связи с модулем. Демонстрационный режим";
constexpr const char* DefaultsStatus = "Заводские установки выставлены";

} // namespace

void TReleForm::WriteButtonClick(QObject*) {
    // The worker keeps its own copy: edits made during the transfer stay here.
    startTransfer(link::Operation::ReleWrite, CollectImage());
}

void TReleForm::ReadButtonClick(QObject*) {
    factoryDefaults_ = false;
    startTransfer(link::Operation::ReleRead, {});
}

void TReleForm::ConnectButtonClick(QObject*) {
    // The module's answer decides anew how many relays there are.
    showEightRelays(false);
    version->setText(QString());
    connectLink();
    showVariantChooser(false);
    demonstration_ = false;
    factoryDefaults_ = false;
}

void TReleForm::CancelButtonClick(QObject*) {
    breakLink(QString::fromUtf8(DemoStatus));
    host().setReleLinked(false);
    showVariantChooser(true);
    demonstration_ = true;
    factoryDefaults_ = false;
    // The checked variant decides again, whatever module was linked.
    Orvel426Click();
}

void TReleForm::DefaultButtonClick(QObject*) {
    forms::runReported(this, [this] {
        factoryDefaults_ = true;
        ApplyImage(factoryImage());
        status(QString::fromUtf8(DefaultsStatus));
    });
}

void TReleForm::SaveButtonClick(QObject*) {
    forms::ConfigFileSave save;
    save.text = [this]() -> image::Result<std::string> {
        return relayFileText(CollectImage(), host().releVariant());
    };
    save.savedStatus = QString::fromUtf8(RelayFileSavedStatus);
    forms::saveConfigFile(*this, nullptr, save);
}

void TReleForm::LoadButtonClick(QObject*) {
    // Line 67 is read only after the image is shown, and only without a link: the
    // connected module's variant wins.
    auto variantLine = std::make_shared<image::Result<int>>(0);
    forms::ConfigFileLoad load;
    load.parse = [variantLine](std::string_view text,
                               std::string_view fileName) -> image::Result<image::ImageCells> {
        image::Result<RelayFile> file = parseRelayFile(text, fileName);
        if (!file)
            return file.error();
        *variantLine = file.value().variantLine;
        return file.value().cells;
    };
    load.apply = [this](const image::ImageCells& image) { ApplyImage(image); };
    load.loadedStatus = QString::fromUtf8(RelayFileLoadedStatus);
    load.afterApply = [this, variantLine](const std::vector<std::string>&) {
        if (host().releLinked())
            return;
        if (!*variantLine)
            throw forms::GeneralError(variantLine->error());
        const int variant = variantLine->value();
        if (variant != RelayVariant::Orvel427 && variant != RelayVariant::Orvel426)
            return;
        // Checking a button runs the variant switch; one already checked does not.
        (variant == RelayVariant::Orvel427 ? Orvel427 : Orvel426)->setChecked(true);
        Orvel426Click();
    };
    forms::loadConfigFile(*this, nullptr, load);
}

void TReleForm::enterDemoMode() {
    // A line that fails under a standing link leaves no module behind it either.
    host().setReleLinked(false);
    showVariantChooser(true);
    demonstration_ = true;
    Orvel426Click();
}

void TReleForm::setReleVariantFromLink(int kind) {
    if (!link::isReleVariant(kind))
        return;
    host().setReleVariant(kind);
    showEightRelays(kind == link::ModuleKind::Rele8);
    showVariantChooser(false);
    demonstration_ = false;
}

void TReleForm::markReleLinked() {
    host().setReleLinked(true);
}

} // namespace pemrix::relay
