// What the relay window adds to the shared button actions, and how it follows the
// link: the variant the module's answer names, and the demonstration mode without a
// module.

#include "relay/relay_form.h"

#include "forms/config_file.h"
#include "forms/error_report.h"
#include "image/file_lines.h"
#include "relay/relay_file.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <memory>

namespace pemrix::relay {

void TReleForm::ReadButtonClick(QObject* sender) {
    factoryDefaults_ = false;
    forms::ModuleWindow::ReadButtonClick(sender);
}

void TReleForm::DefaultButtonClick(QObject* sender) {
    factoryDefaults_ = true;
    forms::ModuleWindow::DefaultButtonClick(sender);
}

forms::ConfigFileSave TReleForm::fileSave() {
    forms::ConfigFileSave save;
    save.text = [this]() -> image::Result<std::string> {
        return relayFileText(BuildConfigImage(), variant_);
    };
    return save;
}

forms::ConfigFileLoad TReleForm::fileLoad() {
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
    load.afterApply = [this, variantLine](const std::vector<std::string>&) {
        if (linked_)
            return;
        if (!*variantLine)
            throw forms::GeneralError(variantLine->error());
        const int variant = variantLine->value();
        if (variant != link::kindValue(link::ModuleKind::Rele8) &&
            variant != link::kindValue(link::ModuleKind::Rele4))
            return;
        // Checking a button runs the variant switch; one already checked does not.
        (variant == link::kindValue(link::ModuleKind::Rele8) ? Orvel427 : Orvel426)
            ->setChecked(true);
        Orvel426Click();
    };
    return load;
}

void TReleForm::setLinkPending() {
    forms::ModuleWindow::setLinkPending();
    // The module's answer decides anew how many relays there are.
    showEightRelays(false);
    version->setText(QString());
    showVariantChooser(false);
    demonstration_ = false;
    factoryDefaults_ = false;
}

void TReleForm::setLinkDown() {
    forms::ModuleWindow::setLinkDown();
    // Without a module, the checked variant decides again, whatever was linked.
    linked_ = false;
    showVariantChooser(true);
    demonstration_ = true;
    factoryDefaults_ = false;
    Orvel426Click();
}

bool TReleForm::showsField(const image::Field& field) const {
    return shownOnModel(field, variant_);
}

QString TReleForm::modelName() const {
    const link::ModuleVariant* variant = link::variantOf(module(), variant_);
    return variant == nullptr ? forms::ModuleWindow::modelName()
                              : QString::fromUtf8(variant->name.data(),
                                                  static_cast<qsizetype>(variant->name.size()));
}

void TReleForm::linkAnswered(link::ModuleKind kind) {
    variant_ = kind;
    showEightRelays(kind == link::ModuleKind::Rele8);
    showVariantChooser(false);
    demonstration_ = false;
}

void TReleForm::linkEstablished() {
    linked_ = true;
}

} // namespace pemrix::relay
