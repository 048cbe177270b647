// TSecureForm's creation: controls, then the rules wired to them, then the creation
// handler.

#include "secure/secure_form.h"

#include "forms/error_report.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

namespace pemrix::secure {

// The base closes the port the host still holds and takes the function keys over.
TSecureForm::TSecureForm(forms::ModuleHost* host, QWidget* parent)
    : forms::ModuleWindow(host, parent) {
    createControls();
    connectRules();
    FormCreate();
}

TSecureForm::~TSecureForm() = default;

void TSecureForm::connectRules() {
    // The actions guard themselves: the main window's function keys call them too.
    connect(WriteButton, &QPushButton::clicked, this, [this] { WriteButtonClick(WriteButton); });
    connect(ReadButton, &QPushButton::clicked, this, [this] { ReadButtonClick(ReadButton); });
    connect(ConnectButton, &QPushButton::clicked, this,
            [this] { ConnectButtonClick(ConnectButton); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(CancelButton); });
    connect(LoadIdButton, &QPushButton::clicked, this, [this] { LoadIdButtonClick(LoadIdButton); });
    connect(DefaultButton, &QPushButton::clicked, this,
            [this] { DefaultButtonClick(DefaultButton); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { SaveButtonClick(SaveButton); });
    connect(LoadButton, &QPushButton::clicked, this, [this] { LoadButtonClick(LoadButton); });

    connect(DelayEdit, &QLineEdit::textChanged, this,
            [this] { forms::runReported(this, [this] { DelayEditChange(); }); });
    connect(NumberEdit, &QLineEdit::textChanged, this,
            [this] { forms::runReported(this, [this] { NumberEditChange(); }); });
    connect(TM, &forms::RadioGroup::changed, this, [this] { TMClick(); });
    connect(Taktik, &forms::RadioGroup::changed, this, [this] { TaktikClick(); });

    for (QCheckBox* box : Ks)
        connect(box, &QCheckBox::toggled, this, [this] { ChangeKS(); });
    for (auto& column : Q)
        for (QCheckBox* box : column)
            connect(box, &QCheckBox::toggled, this, [this] { ChangeIDRules(); });

    for (QLineEdit* edit : Id) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Id1Change(edit); });
        activeControls().setExitRule(edit, [this, edit] { Id1Exit(edit); });
        edit->installEventFilter(this);
    }
}

// A click into an identifier edit chooses it as the target of the next key read.
bool TSecureForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (edit != nullptr && mouse->button() == Qt::LeftButton &&
            std::find(Id.begin(), Id.end(), edit) != Id.end() &&
            edit->rect().contains(mouse->position().toPoint()))
            Id1Click(edit);
    }
    return forms::ModuleWindow::eventFilter(watched, event);
}

void TSecureForm::FormCreate() {
    MinDelay = 0;
    EnableIdentifierGroup(TM->itemIndex() == 0);
    Rele1Combo->setCurrentIndex(0);
    Rele2Combo->setCurrentIndex(0);
    for (auto& column : Q)
        for (QCheckBox* box : column)
            box->setChecked(false);
}

bool TSecureForm::keyReadSelected() const {
    return TM->itemIndex() == 0;
}

std::vector<int> TSecureForm::factoryImage() const {
    std::vector<int> image;
    image.reserve(link::ExpanderImageSize);
    for (int row = 0; row < link::ExpanderImageSize && row < ListBox2->count(); ++row)
        image.push_back(forms::StrToInt(ListBox2->item(row)->text()));
    return image;
}

void TSecureForm::status(const QString& text) {
    // The status bar's own message, so assistive tools announce it.
    StatusBar1->showMessage(text);
}

} // namespace pemrix::secure
