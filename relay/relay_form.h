#pragma once
// TReleForm: the configuration window of the relay module Orvel-426/427. Eight relay
// tabs of the same controls (bindings to 48 sources, notification types, mode), the
// module-wide settings on tab 1, and the variant chooser of the demonstration mode.
// Its controls are the configuration; the rules run as controls change, so the
// order in which ApplyImage sets them is behaviour (relay/relay_image.h).

#include "forms/module_window.h"
#include "link/module_kind.h"
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

    int moduleKind() const override { return link::ModuleKind::Rele8; }
    int helpTopic() const override { return HelpTopic; }

    // The image shown in the controls and the one built from them.
    void ApplyImage(std::span<const int> image);
    std::vector<int> CollectImage() const;
    void applyImage(const std::vector<int>& image) override { ApplyImage(image); }

    // The rules: availability by controlling device, relay modes, variant switch.
    void VedClick();
    void Rele1ComboChange();
    void Orvel426Click();

    // Button actions (relay_form_actions.cpp).
    void WriteButtonClick(QObject* sender) override;
    void ReadButtonClick(QObject* sender) override;
    void ConnectButtonClick(QObject* sender) override;
    void CancelButtonClick(QObject* sender) override;
    void DefaultButtonClick(QObject* sender) override;
    void SaveButtonClick(QObject* sender) override;
    void LoadButtonClick(QObject* sender) override;

    // link::ReportTarget: the relay window's demonstration mode and variant.
    void enterDemoMode() override;
    void setReleVariantFromLink(int kind) override;
    void markReleLinked() override;

    bool demonstration() const { return demonstration_; }
    bool factoryDefaults() const { return factoryDefaults_; }

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
    // Set while the window works without a module.
    bool demonstration_ = true;
    // Set by the factory settings: the version label then keeps the module's version.
    bool factoryDefaults_ = false;
};

} // namespace pemrix::relay
