#pragma once
// IdBox "Полномочия идентификаторов:" of the expander windows: the key edits
// Id1..Id8 (row k) and the authority boxes q<j><k> (column j, row k), with the rules
// of the keys: the character filter, the length rule, the target of the next key
// read, the delivery of a key read, the check before a write, and the authority rule
// that keeps a row's restricted columns either on 24-hour loops or on ordinary ones.
//
// The windows differ in the columns: the Orvel-416 restricts all eight by its
// ks1..ks8, the Orvel-417 only its arming columns 1..4 by avks5..avks8.

#include "image/identifier_records.h"

#include <QGroupBox>
#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace pemrix::forms {

class ActiveControl;

class IdentifierGroup : public QGroupBox {
    Q_OBJECT
  public:
    static constexpr int SlotCount = image::IdentifierSlotCount;
    static constexpr int ColumnCount = 8;

    // A heading over several authority columns, above their own headings.
    struct ColumnSpan {
        QString text;
        int firstColumn; // 1..8
        int count;
    };
    struct Columns {
        QStringList headings; // one per column
        std::vector<ColumnSpan> spans;
    };
    // Columns 1..restrictedColumns obey the authority rule and run it when they
    // change; column j belongs to a 24-hour loop when roundTheClock(j).
    struct AuthorityRule {
        int restrictedColumns;
        std::function<bool(int column)> roundTheClock;
    };
    // What the group asks of its window: whether keys are in use (TM on its first
    // item), and where status texts go.
    struct WindowHooks {
        std::function<bool()> keysInUse;
        std::function<void(const QString&)> status;
    };

    IdentifierGroup(const Columns& columns, AuthorityRule rule, WindowHooks hooks,
                    ActiveControl& activeControls, QWidget* parent);

    QLineEdit* id(int slot) const { return Id[slot - 1]; }
    QCheckBox* q(int column, int slot) const { return Q[column - 1][slot - 1]; }

    // The edit the next key read fills (TargetIdEdit); its slot, 0 when there is
    // none or it is no identifier edit.
    QLineEdit* targetIdEdit() const { return TargetIdEdit; }
    void setTargetIdEdit(QLineEdit* edit) { TargetIdEdit = edit; }
    int targetSlot() const;

    void ChangeIDRules();
    // Runs before a write: removes copies of keys and refuses keys without
    // authority, authority without keys and keys that cannot be stored.
    bool CheckIdentifiers();

    // The group, its edits, boxes and labels enabled or disabled.
    void setAllEnabled(bool enable);
    // For the secret button: row by row, every box unchecked and disabled, the
    // edit cleared.
    void clearForSecretButton();
    // Every box unchecked, row by row.
    void uncheckAll();

    // The rows as the image stores them, and an image's rows shown: every box
    // unchecked first, then each slot's key and authorities.
    image::IdentifierSlots records() const;
    void showRecords(const image::IdentifierSlots& records);

    // Key delivery (slot 1..8).
    std::string identifierText(int slot) const;
    void setIdentifierText(int slot, const std::string& text);

  protected:
    // A click into an identifier edit chooses it as the target of the next key read.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createRows(const Columns& columns);
    void connectRules();
    void Id1Click(QLineEdit* edit);
    void Id1Change(QLineEdit* edit);
    void Id1Exit(QLineEdit* edit);
    bool rowHasAuthority(int slot, int columns = ColumnCount) const;
    void uncheckRow(int slot);

    AuthorityRule rule_;
    WindowHooks hooks_;
    ActiveControl& activeControls_;
    std::array<QLineEdit*, SlotCount> Id{};
    std::array<std::array<QCheckBox*, SlotCount>, ColumnCount> Q{}; // Q[j-1][k-1] = q<j><k>
    QLineEdit* TargetIdEdit = nullptr;
};

} // namespace pemrix::forms
