#pragma once
// TFireSecureForm: the configuration window of the Orvel-417 fire-and-security
// expander. What it shares with the Orvel-416 window is forms::ExpanderWindow; here
// are its four-loop grid GroupBox2 with the loop types (ds5/ds51 … ds8/ds81), its
// three relays with their bindings and modes, the loop, relay and authority rules
// that keep them consistent, its layout and its image.
//
// Its controls are the configuration. Every change of a box, radio button or radio
// group runs that control's rule at once, whether a click or code made it, so rules
// nest and the order in which ApplyConfigImage sets the controls is behaviour.

#include "firesecure/firesecure_fields.h"
#include "firesecure/firesecure_image.h"
#include "forms/expander_window.h"
#include "link/module_profile.h"

#include <array>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace pemrix::firesecure {

class TFireSecureForm : public forms::ExpanderWindow {
    Q_OBJECT
  public:
    static constexpr int HelpTopic = 29;
    static constexpr int RelayCount = 3;

    explicit TFireSecureForm(forms::ModuleHost& host, QWidget* parent = nullptr);
    ~TFireSecureForm() override;

    link::ModuleKind moduleKind() const override { return link::ModuleKind::FireSecure; }
    int helpTopic() const override { return HelpTopic; }

    std::vector<int> BuildConfigImage() const override;
    void ApplyConfigImage(std::span<const int> image) override;

    // The rules (firesecure_form_rules.cpp).
    void ChangeShS();
    void ChangePriv();
    void ChangeRele();
    void ChangeAVKS();

  protected:
    void afterDefaults() override;
    // Its own status text after a save.
    forms::ConfigFileSave fileSave() override;
    const image::FieldTable& fieldTable() const override { return fireSecureFields(); }
    // A click on GroupBox2's own background runs ChangePriv.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using LoopBoxes = std::array<QCheckBox*, 2 * LoopCount>;

    // firesecure_form.cpp
    void createControls();
    QGroupBox* createLoopGroup();
    QWidget* createLoopTypePair(int loop, QWidget* parent);
    QWidget* createMiddleColumn();
    QWidget* createRelayModes();
    void connectRules();
    void FormCreate();

    // firesecure_form_rules.cpp
    bool isFireLoop(int loop) const;
    void setLoopOptions(int loop);
    // Binding box of `loop` (1..4) for relay 1..3: pr1..pr4, pr5..pr8, ss5..ss8.
    QCheckBox* binding(int relay, int loop) const;
    QComboBox* relayModes(int relay) const;
    bool anyBinding(int relay) const;

    // firesecure_form_image.cpp
    FireSecureConfig readConfig() const;

    LoopBoxes Ittt{};                                 // ittt1..ittt8
    LoopBoxes Avks{};                                 // avks1..avks8
    LoopBoxes Pr{};                                   // pr1..pr8
    std::array<QCheckBox*, LoopCount> Ds{};           // ds1..ds4, double triggering
    std::array<QCheckBox*, LoopCount> Ss{};           // ss5..ss8
    std::array<QRadioButton*, LoopCount> FireType{};  // ds5..ds8, upper: a fire loop
    std::array<QRadioButton*, LoopCount> GuardType{}; // ds51..ds81, lower: a security loop
    std::array<QComboBox*, RelayCount> ReleCombo{};   // Rele1Combo..Rele3Combo
    QGroupBox* GroupBox2 = nullptr;
};

} // namespace pemrix::firesecure
