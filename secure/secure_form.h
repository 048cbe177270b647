#pragma once
// TSecureForm: the configuration window of the Orvel-416 security expander. Its
// controls are the configuration; the rules run as controls change, by a click or by
// code, so the order in which ApplyConfigImage sets them is part of its behaviour.

#include "forms/module_window.h"
#include "link/report_target.h"
#include "secure/secure_image.h"

#include <array>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace pemrix::forms {
class RadioGroup;
class UpDown;
} // namespace pemrix::forms

namespace pemrix::secure {

class TSecureForm : public forms::ModuleWindow, public link::ReportTarget {
    Q_OBJECT
  public:
    static constexpr int LoopCount = 8;
    static constexpr int SlotCount = 8;
    static constexpr int HelpTopic = 30;

    explicit TSecureForm(forms::ModuleHost* host, QWidget* parent = nullptr);
    ~TSecureForm() override;

    // forms::ModuleWindow and link::ReportTarget
    Kind kind() const override { return Kind::Secure; }
    int moduleKind() const override { return link::ModuleKind::Secure; }

    // Operations of the buttons and function keys.
    void WriteButtonClick(QObject* sender) override;
    void ReadButtonClick(QObject* sender) override;
    void ConnectButtonClick(QObject* sender) override;
    void CancelButtonClick(QObject* sender) override;
    void LoadIdButtonClick(QObject* sender) override;
    void DefaultButtonClick(QObject* sender) override;
    void SaveButtonClick(QObject* sender) override;
    void LoadButtonClick(QObject* sender) override;

    bool keyReadSelected() const override;
    std::vector<int> factoryImage() const override;
    void showImage(const std::vector<int>& image) override { ApplyConfigImage(image); }
    void applyLinkPending() override;
    void applyLinkDown() override;

    // The image of the controls, and the controls of an image.
    SecureConfigImage BuildConfigImage() const;
    void ApplyConfigImage(std::span<const int> image);

    void EnableIdentifierGroup(bool enable);
    // Runs before a write: removes copies of keys and refuses keys without
    // authority, authority without keys and keys that cannot be stored.
    bool CheckIdentifiers();

    int minDelay() const { return MinDelay; }
    QLineEdit* targetIdEdit() const { return TargetIdEdit; }

    // link::ReportTarget
    void showStatus(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void setButtonEnabled(link::LinkButton button, bool enabled) override;
    void applyImage(const std::vector<int>& image) override { ApplyConfigImage(image); }
    std::string identifierText(int slot) const override;
    void setIdentifierText(int slot, const std::string& text) override;
    void setLinkPending() override { applyLinkPending(); }
    void setLinkDown() override { applyLinkDown(); }
    void closeWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // secure_form_layout.cpp
    void createControls();
    QWidget* createButtonPanel();
    QGroupBox* createLoopGroup();
    QGroupBox* createIdentifierGroup();
    QWidget* createRelayModes();
    QWidget* createBottomRow();
    // secure_form.cpp
    void connectRules();
    void FormCreate();

    // secure_form_rules.cpp
    void DelayEditChange();
    void NumberEditChange();
    void TaktikClick();
    void ChangeIDRules();
    void ChangeKS();

    // secure_form_keys.cpp
    void TMClick();
    void Id1Click(QLineEdit* edit);
    void Id1Change(QLineEdit* edit);
    void Id1Exit(QLineEdit* edit);
    bool rowHasAuthority(int slot) const;
    void uncheckRow(int slot);

    // secure_form_image.cpp
    SecureConfig readConfig() const;

    // secure_form_file.cpp
    void saveToFile();
    void loadFromFile();

    void status(const QString& text);
    QCheckBox* q(int loop, int slot) const { return Q[loop - 1][slot - 1]; }
    QLineEdit* id(int slot) const { return Id[slot - 1]; }

    // Controls, named as the window's object names.
    QPushButton* WriteButton = nullptr;
    QPushButton* ReadButton = nullptr;
    QPushButton* ConnectButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* LoadIdButton = nullptr;
    QPushButton* DefaultButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* LoadButton = nullptr;

    std::array<QCheckBox*, LoopCount> It{}; // it1..it8
    std::array<QCheckBox*, LoopCount> Av{}; // av1..av8
    std::array<QCheckBox*, LoopCount> Tt{}; // tt1..tt8
    std::array<QCheckBox*, LoopCount> Ks{}; // ks1..ks8
    std::array<QCheckBox*, LoopCount> Pr{}; // pr1..pr8

    QGroupBox* IdBox = nullptr;
    std::array<QLineEdit*, SlotCount> Id{};
    std::array<std::array<QCheckBox*, SlotCount>, LoopCount> Q{}; // Q[n-1][k-1] = q<n><k>
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;

    QComboBox* Rele1Combo = nullptr;
    QComboBox* Rele2Combo = nullptr;
    forms::RadioGroup* TM = nullptr;
    forms::RadioGroup* Taktik = nullptr;
    forms::RadioGroup* SO = nullptr;
    QLineEdit* DelayEdit = nullptr;
    forms::UpDown* Delay = nullptr;
    QLineEdit* NumberEdit = nullptr;
    forms::UpDown* Number = nullptr;
    QCheckBox* KeyBox = nullptr;
    QCheckBox* AutoBox = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    int MinDelay = 0;
    QLineEdit* TargetIdEdit = nullptr;
};

} // namespace pemrix::secure
