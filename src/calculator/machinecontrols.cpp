// Building the calculator window: the display, the option frames and the 49 keys,
// each styled from its design and tied to its handler.

#include "calculator/keypictures.h"
#include "calculator/machine.h"
#include "calculator/machinedesign.h"
#include "platform/screen.h"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

// The keys' colours are drawn by a style that honours the button palette whatever the
// desktop's own style does; it lives as long as the application.
QStyle* keyStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"));
        s->setParent(qApp);
        return s;
    }();
    return style;
}

QString withoutMnemonic(const QString& caption) {
    QString text = caption;
    return text.remove(u'&');
}

QPushButton* makeKey(const KeyDesign& design, QWidget& window, const TwipsScale& twips) {
    auto* key = new QPushButton(QString::fromUtf8(design.caption), &window);
    key->setObjectName(QString::fromLatin1(design.name));
    twips.place(*key, design.twips);
    key->setAutoDefault(false); // Enter belongs to EXE
    QFont keyFont = key->font();
    keyFont.setPointSize(8);
    key->setFont(keyFont);
    if (design.tooltip)
        key->setToolTip(QString::fromUtf8(design.tooltip));
    key->setAccessibleName(design.accessibleName ? QString::fromUtf8(design.accessibleName)
                                                 : withoutMnemonic(key->text()));
    if (design.coloured) {
        key->setStyle(keyStyle());
        QPalette palette = key->palette();
        const QColor colour = QColor::fromRgb(design.colour);
        palette.setColor(QPalette::Button, colour);
        // Dark keys (the teal ones) get light captions.
        palette.setColor(QPalette::ButtonText, colour.lightness() < 100 ? Qt::white : Qt::black);
        key->setPalette(palette);
    }
    if (design.picture != KeyPicture::None) {
        const QSize size = key->size() - QSize(6, 6);
        key->setIcon(QIcon(keyPicture(design.picture, size, key->devicePixelRatioF())));
        key->setIconSize(size);
    }
    return key;
}

struct Handler {
    const char* name;
    void (Machine::*slot)();
};

const Handler handlers[] = {
    {"B0", &Machine::B0_Click},
    {"B1", &Machine::B1_Click},
    {"B2", &Machine::B2_Click},
    {"B3", &Machine::B3_Click},
    {"B4", &Machine::B4_Click},
    {"B5", &Machine::B5_Click},
    {"B6", &Machine::B6_Click},
    {"B7", &Machine::B7_Click},
    {"B8", &Machine::B8_Click},
    {"B9", &Machine::B9_Click},
    {"Bpoint", &Machine::Bpoint_Click},
    {"BtoEXP", &Machine::BtoEXP_Click},
    {"pico", &Machine::pico_Click},
    {"tera", &Machine::tera_Click},
    {"nano", &Machine::nano_Click},
    {"giga", &Machine::giga_Click},
    {"micro", &Machine::micro_Click},
    {"mega", &Machine::mega_Click},
    {"mil", &Machine::mil_Click},
    {"kilo", &Machine::kilo_Click},
    {"Bpo", &Machine::Bpo_Click},
    {"bpf", &Machine::bpf_Click},
    {"bsin", &Machine::bsin_Click},
    {"Bcos", &Machine::Bcos_Click},
    {"Btan", &Machine::Btan_Click},
    {"invsin", &Machine::invsin_Click},
    {"invcos", &Machine::invcos_Click},
    {"Btoncommande3", &Machine::Btoncommande3_Click},
    {"Bln", &Machine::Bln_Click},
    {"Blog", &Machine::Blog_Click},
    {"Bexp", &Machine::Bexp_Click},
    {"racine", &Machine::racine_Click},
    {"B10x", &Machine::B10x_Click},
    {"command5", &Machine::command5_Click},
    {"pi", &Machine::pi_Click},
    {"btcarre", &Machine::btcarre_Click},
    {"puissance", &Machine::puissance_Click},
    {"multip", &Machine::multip_Click},
    {"div", &Machine::div_Click},
    {"plus", &Machine::plus_Click},
    {"moins", &Machine::moins_Click},
    {"ANS", &Machine::ANS_Click},
    {"EXE", &Machine::EXE_Click},
    {"EFFACE", &Machine::EFFACE_Click},
    {"RAZ", &Machine::RAZ_Click},
    {"Command1", &Machine::Command1_Click},
    {"Command2", &Machine::Command2_Click},
    {"Command3", &Machine::Command3_Click},
    {"command4", &Machine::command4_Click},
};

} // namespace

Machine::Machine(const Platform& platform, EtatCalculatrice& etat, QWidget* parent)
    : QDialog(parent), platform_(platform), etat_(etat),
      twips_(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY()) {
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(QStringLiteral("Machine à calculer"));
    setFixedSize(twips_.toPixels(machinedesign::client));
    buildControls();
    connectKeys();
}

void Machine::buildControls() {
    z1_ = new QPlainTextEdit(this);
    z1_->setObjectName(QStringLiteral("z1"));
    z1_->setAccessibleName(QStringLiteral("Affichage du calcul"));
    twips_.place(*z1_, machinedesign::z1);
    // It shows the entry and keeps the caret, but takes no typed text itself.
    z1_->setReadOnly(true);
    z1_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    z1_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont displayFont = z1_->font();
    displayFont.setPointSize(13);
    z1_->setFont(displayFont);
    QPalette displayPalette = z1_->palette();
    displayPalette.setColor(QPalette::Base, Qt::white);
    displayPalette.setColor(QPalette::Text, Qt::black);
    z1_->setPalette(displayPalette);
    z1_->installEventFilter(this);

    auto* picture1 = new QWidget(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    twips_.place(*picture1, machinedesign::picture1);
    QPalette panel = picture1->palette();
    panel.setColor(QPalette::Window, QColor::fromRgb(machinedesign::picture1Colour));
    panel.setColor(QPalette::WindowText, Qt::black);
    panel.setColor(QPalette::ButtonText, Qt::black);
    picture1->setPalette(panel);
    picture1->setAutoFillBackground(true);

    const auto frame = [&](const char* name, const QString& title, const QRect& place) {
        auto* box = new QGroupBox(title, picture1);
        box->setObjectName(QString::fromLatin1(name));
        twips_.place(*box, place);
        return box;
    };
    const auto option = [&](QGroupBox* box, const QString& name, const QString& caption,
                            const QRect& place) {
        auto* button = new QRadioButton(caption, box);
        button->setObjectName(name);
        twips_.place(*button, place);
        return button;
    };
    QGroupBox* frame2 = frame("Frame2", QStringLiteral("Angles"), machinedesign::frame2);
    angle_[1] = option(frame2, QStringLiteral("angle_1"), QStringLiteral("Radians"),
                       machinedesign::optionTop);
    angle_[0] = option(frame2, QStringLiteral("angle_0"), QStringLiteral("Degrés"),
                       machinedesign::optionBottom);
    angle_[0]->setChecked(true);
    QGroupBox* frame3 = frame("Frame3", QStringLiteral("Affichage"), machinedesign::frame3);
    C_[0] = option(frame3, QStringLiteral("C_0"), QStringLiteral("Scientifique"),
                   machinedesign::optionTop);
    C_[1] = option(frame3, QStringLiteral("C_1"), QStringLiteral("Standard"),
                   machinedesign::optionBottom);
    C_[1]->setChecked(true);
    for (int i = 0; i < 2; ++i)
        connect(C_[i], &QRadioButton::clicked, this, [this, i] { C_Click(i); });

    for (const KeyDesign& design : machineKeys())
        makeKey(design, *this, twips_);
}

void Machine::connectKeys() {
    for (const Handler& handler : handlers)
        connect(findChild<QPushButton*>(QString::fromLatin1(handler.name)), &QPushButton::clicked,
                this, handler.slot);
}
