#pragma once
// The base of the two expander windows (Orvel-416, Orvel-417): what they share
// beyond every module window. The eight-button panel; the output type TM with
// LoadIdButton and the identifier group IdBox; the tactic Taktik with MinDelay and
// the delay, number and tactic rules; the power output SO and the mode boxes KeyBox
// and AutoBox; the link layouts with EnableIdentifierGroup; the operations of the
// buttons and the configuration file of 64 cells and a kind line.
//
// A window creates these controls through the create* steps, places them in its own
// layout, connects them with connectExpanderRules() and supplies its image routines.

#include "forms/identifier_group.h"
#include "forms/module_window.h"
#include "image/mode_flags.h"

#include <span>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace pemrix::forms {

class ButtonPanel;
class RadioGroup;
class UpDown;

class ExpanderWindow : public ModuleWindow {
    Q_OBJECT
  public:
    explicit ExpanderWindow(ModuleHost& host, QWidget* parent = nullptr);
    ~ExpanderWindow() override;

    void LoadIdButtonClick(QObject* sender) override;
    // F6 reads a key while TM is on "Идентификатор", whatever LoadIdButton's state.
    bool keyReadSelected() const override;

    void EnableIdentifierGroup(bool enable);
    bool CheckIdentifiers() { return IdBox->CheckIdentifiers(); }

    int minDelay() const { return MinDelay; }
    QLineEdit* targetIdEdit() const { return IdBox->targetIdEdit(); }

    // link::ReportTarget
    std::string identifierText(int slot) const override;
    void setIdentifierText(int slot, const std::string& text) override;
    void setLinkPending() override;
    void setLinkDown() override;

  protected:
    // A write goes ahead once CheckIdentifiers has passed.
    bool readyToWrite() override { return CheckIdentifiers(); }
    // 64 cells and the kind line; a save refuses a key that would read as the end of
    // the list.
    ConfigFileSave fileSave() override;
    ConfigFileLoad fileLoad() override;
    QListWidget* fileLines() const override { return ListBox1; }

    // The panel of the eight buttons in two rows, write and read the widest.
    ButtonPanel* createExpanderButtonPanel();
    IdentifierGroup* createIdentifierGroup(const IdentifierGroup::Columns& columns,
                                           IdentifierGroup::AuthorityRule rule);
    // ListBox1 (the file's line buffer) and ListBox2 (the factory image).
    void createHiddenLists(std::span<const int> factory, QWidget* parent);
    // TM, Taktik, SO and the mode frame are compact groups: both windows fit them
    // beside taller grids.
    RadioGroup* createTM(QWidget* parent);
    RadioGroup* createTaktik(QWidget* parent);
    RadioGroup* createSO(int columns, QWidget* parent);
    // The groups "Время задержки:" (DelayEdit with Delay 0..254) and "Номер
    // расширителя:" (NumberEdit with Number 0..15).
    QGroupBox* createDelayGroup(const QString& initialText, QWidget* parent);
    QGroupBox* createNumberGroup(QWidget* parent);
    // The frame holding KeyBox above AutoBox.
    QGroupBox* createModeFrame(QWidget* parent);
    // The rules of TM, Taktik, DelayEdit and NumberEdit; after every control exists.
    void connectExpanderRules();
    // The creation steps both windows take: MinDelay 0, the identifier group as TM says.
    void prepareExpander();

    image::ModeFlags modeFlags() const;
    // KeyBox, TM, SO, AutoBox, Taktik in this order (TM before Taktik).
    void applyModeFlags(const image::ModeFlags& flags);

    // The rules.
    void DelayEditChange();
    void NumberEditChange();
    void TaktikClick();
    void TMClick();

    IdentifierGroup* IdBox = nullptr;
    QListWidget* ListBox1 = nullptr;
    RadioGroup* TM = nullptr;
    RadioGroup* Taktik = nullptr;
    RadioGroup* SO = nullptr;
    QLineEdit* DelayEdit = nullptr;
    UpDown* Delay = nullptr;
    QLineEdit* NumberEdit = nullptr;
    UpDown* Number = nullptr;
    QCheckBox* KeyBox = nullptr;
    QCheckBox* AutoBox = nullptr;
    int MinDelay = 0;

  private:
    QGroupBox* createSpinnerGroup(const QString& title, QLineEdit* edit, UpDown* upDown,
                                  QWidget* parent);
};

} // namespace pemrix::forms
