// The controls of the main window and their layout.

#include "app/application_events.h"
#include "app/main_form.h"
#include "app/main_form_texts.h"
#include "app/main_picture.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace pemrix::app {

namespace {

const QSize clientSize(499, 176);
const QSize pictureSize(72, 118);

QPushButton* moduleButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(text(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80)); // navy
    button->setPalette(palette);
    button->setMinimumHeight(30);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QRadioButton* portButton(const char* name, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromLatin1(name).toUpper(), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

void TMainForm::buildControls() {
    setWindowTitle(text(texts::caption));
    // A dialog-like window: system menu and minimise only, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(mainPicture(pictureSize, devicePixelRatioF()));
    Image1->setFixedSize(pictureSize);

    version = new QLabel(text(texts::version), client);
    version->setObjectName(QStringLiteral("version"));
    version->hide();

    buildPortGroup(client);

    Orvel416 = moduleButton("Orvel416", texts::secureButton, client);
    Orvel416->setToolTip(text(texts::secureHint));
    FireSecureButton = moduleButton("FireSecureButton", texts::fireSecureButton, client);
    FireSecureButton->setToolTip(text(texts::fireSecureHint));
    Orvel427 = moduleButton("Orvel427", texts::releButton, client);

    MainHelp = new QPushButton(text(texts::helpButton), client);
    MainHelp->setObjectName(QStringLiteral("MainHelp"));
    MainHelp->setMinimumSize(110, 26);
    JournalButton = new QPushButton(text(texts::journalButton), client);
    JournalButton->setObjectName(QStringLiteral("JournalButton"));
    JournalButton->setMinimumHeight(26);
    JournalButton->setToolTip(text(texts::journalHint));
    // Tab follows the buttons' row from left to right.
    setTabOrder(JournalButton, MainHelp);

    MainStatusBar = new QStatusBar(this);
    MainStatusBar->setObjectName(QStringLiteral("MainStatusBar"));
    MainStatusBar->setSizeGripEnabled(false);
    // A rule between the window's controls and its status line.
    MainStatusBar->setStyleSheet(
        QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    setStatusBar(MainStatusBar);
    buildPortDeviceControls();

    ApplicationEvents1 = new ApplicationEvents(this);
    ApplicationEvents1->setObjectName(QStringLiteral("ApplicationEvents1"));

    layOutControls(client);

    connect(Orvel416, &QPushButton::clicked, this, &TMainForm::Orvel416Click);
    connect(FireSecureButton, &QPushButton::clicked, this, &TMainForm::Orvel417Click);
    connect(Orvel427, &QPushButton::clicked, this, &TMainForm::Orvel427Click);
    connect(MainHelp, &QPushButton::clicked, this, &TMainForm::MainHelpClick);
    connect(JournalButton, &QPushButton::clicked, this, &TMainForm::JournalButtonClick);
    addJournalShortcut(*this);
    connect(ApplicationEvents1, &ApplicationEvents::ShortCut, this, &TMainForm::functionKeyPressed);
    connect(PortChooserButton, &QToolButton::clicked, this, &TMainForm::PortChooserButtonClick);
    for (QRadioButton* port : {com1, com2, com3, com4})
        connect(port, &QRadioButton::toggled, this, &TMainForm::portChoiceChanged);

    setFixedSize(clientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::buildPortGroup(QWidget* client) {
    GroupBox1 = new QGroupBox(text(texts::portGroup), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    com1 = portButton("com1", GroupBox1);
    com2 = portButton("com2", GroupBox1);
    com3 = portButton("com3", GroupBox1);
    com4 = portButton("com4", GroupBox1);
    com1->setChecked(true);
    // The chooser of the port's device sits at the group's top right, no taller
    // than a port button, so the ports keep their places.
    PortChooserButton = new QToolButton(GroupBox1);
    PortChooserButton->setObjectName(QStringLiteral("PortChooserButton"));
    PortChooserButton->setText(text(texts::portChooserButton));
    PortChooserButton->setToolTip(text(texts::portChooserHint));
    PortChooserButton->setFixedSize(22, com1->sizeHint().height());
    PortChooserButton->setFocusPolicy(Qt::TabFocus);
    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(com1);
    firstRow->addStretch();
    firstRow->addWidget(PortChooserButton);

    auto* ports = new QVBoxLayout(GroupBox1);
    ports->setSpacing(2);
    ports->addLayout(firstRow);
    for (QRadioButton* port : {com2, com3, com4})
        ports->addWidget(port);
}

// The device of the checked port, on the right of the status bar; the simple
// panel keeps the version text.
void TMainForm::buildPortDeviceControls() {
    PortDeviceLabel = new QLabel(MainStatusBar);
    PortDeviceLabel->setObjectName(QStringLiteral("PortDeviceLabel"));
    // Clear of the window's right edge, as the version text is of its left.
    PortDeviceLabel->setContentsMargins(0, 0, 6, 0);
    MainStatusBar->addPermanentWidget(PortDeviceLabel);
}

void TMainForm::addModuleButton(link::ModuleKind kind, const char* objectName,
                                const char* caption) {
    auto* button = moduleButton(objectName, caption, centralWidget());
    // The column ends in a stretch and the help row; the new button goes above them.
    moduleButtons_->insertWidget(moduleButtons_->count() - 2, button);
    connect(button, &QPushButton::clicked, this, [this, kind] { openModuleWindow(kind); });
}

// The picture, the port group and a column of the module buttons with help below.
void TMainForm::layOutControls(QWidget* client) {
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(JournalButton);
    helpRow->addWidget(MainHelp);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(5);
    buttons->addWidget(Orvel416);
    buttons->addWidget(FireSecureButton);
    buttons->addWidget(Orvel427);
    moduleButtons_ = buttons;
    buttons->addStretch();
    buttons->addLayout(helpRow);

    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(8, 8, 8, 6);
    columns->setSpacing(10);
    columns->addWidget(Image1, 0, Qt::AlignVCenter);
    columns->addWidget(GroupBox1);
    columns->addLayout(buttons, 1);
}

} // namespace pemrix::app
