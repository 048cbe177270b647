#pragma once
// TSecureForm: the configuration window of the Orvel-416 security expander. What it
// shares with the Orvel-417 window is forms::ExpanderWindow; here are its loop grid
// (ks1..ks8 make a loop 24-hour, ChangeKS), its two relay modes, its layout and its
// image. Its controls are the configuration; the rules run as controls change, by a
// click or by code, so the order in which ApplyConfigImage sets them is behaviour.

#include "forms/expander_window.h"
#include "link/module_profile.h"
#include "secure/secure_fields.h"
#include "secure/secure_image.h"

#include <array>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace pemrix::secure {

class TSecureForm : public forms::ExpanderWindow {
    Q_OBJECT
  public:
    static constexpr int LoopCount = 8;
    static constexpr int HelpTopic = 30;

    explicit TSecureForm(forms::ModuleHost& host, QWidget* parent = nullptr);
    ~TSecureForm() override;

    link::ModuleKind moduleKind() const override { return link::ModuleKind::Secure; }
    int helpTopic() const override { return HelpTopic; }

    std::vector<int> BuildConfigImage() const override;
    void ApplyConfigImage(std::span<const int> image) override;

  protected:
    const image::FieldTable& fieldTable() const override { return secureFields(); }

  private:
    // secure_form.cpp
    void createControls();
    QGroupBox* createLoopGroup();
    QWidget* createBottomRow();
    void FormCreate();
    void ChangeKS();

    // secure_form_image.cpp
    SecureConfig readConfig() const;

    std::array<QCheckBox*, LoopCount> It{}; // it1..it8
    std::array<QCheckBox*, LoopCount> Av{}; // av1..av8
    std::array<QCheckBox*, LoopCount> Tt{}; // tt1..tt8
    std::array<QCheckBox*, LoopCount> Ks{}; // ks1..ks8
    std::array<QCheckBox*, LoopCount> Pr{}; // pr1..pr8
    std::array<QComboBox*, 2> ReleCombo{};  // Rele1Combo, Rele2Combo
};

} // namespace pemrix::secure
