#pragma once
// TReleForm: the configuration window of the relay module Orvel-426/427. Eight relay
// tabs of the same controls (bindings to 48 sources, notification types, mode), the
// module-wide settings on tab 1, and the variant chooser of the demonstration mode.
// Its controls are the configuration; the rules run as controls change, so the
// order in which ApplyConfigImage sets them is behaviour (relay/relay_image.h). The
// window keeps which variant it edits and whether a module is linked; without a
// link it works in demonstration mode, on the variant the user checks.

#include "forms/module_window.h"
#include "link/module_profile.h"
#include "relay/relay_fields.h"
#include "relay/relay_image.h"

#include <array>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace pemrix::forms {
class RadioGroup;
}

namespace pemrix::relay {

class TReleForm : public forms::ModuleWindow {
    Q_OBJECT
  public:
    static constexpr int HelpTopic = 36;
    // Tabs 5..8 are shown only for the eight-relay Orvel-427.
    static constexpr int FourRelays = 4;

    explicit TReleForm(forms::ModuleHost& host, QWidget* parent = nullptr);
    ~TReleForm() override;

    link::ModuleKind moduleKind() const override { return link::ReleModule; }
    int helpTopic() const override { return HelpTopic; }

    // The image shown in the controls and the one built from them.
    void ApplyConfigImage(std::span<const int> image) override;
    std::vector<int> BuildConfigImage() const override;

    // The rules: availability by controlling device, relay modes, variant switch.
    void VedClick();
    void Rele1ComboChange();
    void Orvel426Click();

    // Reading from the module, and the factory settings, decide anew whether the
    // version label shows the module's version.
    void ReadButtonClick(QObject* sender) override;
    void DefaultButtonClick(QObject* sender) override;

    // link::ReportTarget: the variant named by the module's answer, the link that
    // stands, and the demonstration mode whenever there is no link.
    void linkAnswered(link::ModuleKind kind) override;
    void linkEstablished() override;
    void setLinkPending() override;
    void setLinkDown() override;

    bool demonstration() const { return demonstration_; }

  protected:
    // 66 cells and the variant line; the variant line of a loaded file counts only
    // without a link.
    forms::ConfigFileSave fileSave() override;
    forms::ConfigFileLoad fileLoad() override;
    const image::FieldTable& fieldTable() const override { return relayFields(); }
    // The four-relay model shows tabs 1..4 only.
    bool showsField(const image::Field& field) const override;
    QString modelName() const override;

  private:
    struct RelayTab {
        std::array<QCheckBox*, SourceCount> sources{};         // iz<k><n>
        std::array<QCheckBox*, NotificationTypeCount> types{}; // typeiz<k><t>, by typeIndex
        QComboBox* mode = nullptr;                             // Rele<k>Combo
    };

    // relay_form.cpp: creation.
    void createControls();
    QWidget* createVariantFrame();
    QWidget* createRelayTab(int relay);
    QGroupBox* createSourceGroup(int relay, QWidget* parent);
    QGroupBox* createTypeGroup(int relay, QWidget* parent);
    QGroupBox* createModeGroup(int relay, QWidget* parent);
    QWidget* createModuleSettings(QWidget* parent);
    void connectRules();
    void FormCreate();

    // relay_form_rules.cpp
    void showEightRelays(bool shown);
    void showVariantChooser(bool shown);

    // relay_form_image.cpp
    RelayConfig readConfig() const;

    QTabWidget* Rele = nullptr;
    std::array<RelayTab, RelayCount> tabs_{};
    forms::RadioGroup* Ved = nullptr;
    QRadioButton* R1200 = nullptr;
    QRadioButton* R4800 = nullptr;
    QLabel* version = nullptr;
    QGroupBox* Demo = nullptr;
    QRadioButton* Orvel426 = nullptr;
    QRadioButton* Orvel427 = nullptr;
    // The variant edited: the linked module's, or the one checked without a link.
    link::ModuleKind variant_ = link::ModuleKind::Rele4;
    // Set while a module is linked: its variant then wins over a file's.
    bool linked_ = false;
    // Set while the window works without a module.
    bool demonstration_ = true;
    // Set by the factory settings: the version label then keeps the module's version.
    bool factoryDefaults_ = false;
};

} // namespace pemrix::relay
