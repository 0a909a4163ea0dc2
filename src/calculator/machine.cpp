#include "calculator/machine.h"

#include "calculator/entryediting.h"
#include "calculator/evaluator.h"
#include "calculator/keypictures.h"
#include "calculator/machinebackground.h"
#include "calculator/machinedesign.h"
#include "calculator/numbertext.h"
#include "calculator/resultformat.h"
#include "common/spaces.h"
#include "platform/messages.h"
#include "platform/screen.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace {

const QString waitingText = QStringLiteral("    Patience... Calculs en cours.     ");
const QString overflowText = QStringLiteral("Dépassement de capacité");

QString errorMessage(qint16 code) {
    switch (code) {
    case 2:
        return QStringLiteral("Erreur saisie: revoir les parenthèses");
    case 3:
        return QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
    default:
        return QStringLiteral("Calcul impossible");
    }
}

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

void appendProduct(QString& saisie) {
    saisie += QStringLiteral(" * ");
}

void appendQuotient(QString& saisie) {
    saisie += QStringLiteral(" / ");
}

} // namespace

Machine::Machine(const Platform& platform, EtatCalculatrice& etat, QWidget* parent)
    : QDialog(parent), platform_(platform), etat_(etat),
      twips_(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY()) {
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(QStringLiteral("Machine à calculer"));
    setFixedSize(machinedesign::clientWidth, machinedesign::clientHeight);
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

// Every change of the display hands it the keyboard focus, caret at the end.
void Machine::afficher(const QString& text) {
    z1_->setPlainText(text);
    z1_->setFocus();
    z1_->moveCursor(QTextCursor::End);
}

void Machine::montrerSaisie() {
    afficher(saisie);
}

void Machine::append(const QString& text) {
    saisie += text;
    montrerSaisie();
}

void Machine::terme(const QString& text) {
    ajouterTerme(saisie, text);
    montrerSaisie();
}

bool Machine::scientifique() const {
    return C_[0]->isChecked();
}

void Machine::B0_Click() {
    append(QStringLiteral("0"));
}
void Machine::B1_Click() {
    append(QStringLiteral("1"));
}
void Machine::B2_Click() {
    append(QStringLiteral("2"));
}
void Machine::B3_Click() {
    append(QStringLiteral("3"));
}
void Machine::B4_Click() {
    append(QStringLiteral("4"));
}
void Machine::B5_Click() {
    append(QStringLiteral("5"));
}
void Machine::B6_Click() {
    append(QStringLiteral("6"));
}
void Machine::B7_Click() {
    append(QStringLiteral("7"));
}
void Machine::B8_Click() {
    append(QStringLiteral("8"));
}
void Machine::B9_Click() {
    append(QStringLiteral("9"));
}
void Machine::Bpoint_Click() {
    append(QStringLiteral("."));
}
void Machine::BtoEXP_Click() {
    append(QStringLiteral("E"));
}
void Machine::pico_Click() {
    append(QStringLiteral("E-12"));
}
void Machine::tera_Click() {
    append(QStringLiteral("E+12"));
}
void Machine::nano_Click() {
    append(QStringLiteral("E-9"));
}
void Machine::giga_Click() {
    append(QStringLiteral("E+9"));
}
void Machine::micro_Click() {
    append(QStringLiteral("E-6"));
}
void Machine::mega_Click() {
    append(QStringLiteral("E+6"));
}
void Machine::mil_Click() {
    append(QStringLiteral("E-3"));
}
void Machine::kilo_Click() {
    append(QStringLiteral("E+3"));
}
void Machine::Bpo_Click() {
    terme(QStringLiteral("("));
}
void Machine::bpf_Click() {
    append(QStringLiteral(")"));
}
void Machine::bsin_Click() {
    terme(QStringLiteral("sin "));
}
void Machine::Bcos_Click() {
    terme(QStringLiteral("cos "));
}
void Machine::Btan_Click() {
    terme(QStringLiteral("tan "));
}
void Machine::invsin_Click() {
    terme(QStringLiteral("invSIN "));
}
void Machine::invcos_Click() {
    terme(QStringLiteral("invCOS "));
}
void Machine::Btoncommande3_Click() {
    terme(QStringLiteral("invTAN "));
}
void Machine::Bln_Click() {
    terme(QStringLiteral("ln "));
}
void Machine::Blog_Click() {
    terme(QStringLiteral("log "));
}
void Machine::Bexp_Click() {
    terme(QStringLiteral("exp "));
}
void Machine::racine_Click() {
    terme(QStringLiteral("SQR "));
}
void Machine::B10x_Click() {
    terme(QStringLiteral("10 ^ "));
}
void Machine::command5_Click() {
    terme(QStringLiteral("1 / "));
}
void Machine::pi_Click() {
    terme(trimSpaces(texteNombre(4 * std::atan(1.0))));
}

// plus, multip and div continue from the last answer on an empty entry, and do
// nothing while the display is blank.
void Machine::operatorAfterAnswer(void (*appendOperator)(QString&)) {
    if (trimSpaces(z1_->toPlainText()).isEmpty())
        return;
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    appendOperator(saisie);
    montrerSaisie();
}

void Machine::multip_Click() {
    operatorAfterAnswer(appendProduct);
}
void Machine::div_Click() {
    operatorAfterAnswer(appendQuotient);
}
void Machine::plus_Click() {
    operatorAfterAnswer(appendPlus);
}

void Machine::btcarre_Click() {
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    append(QStringLiteral(" ^ 2"));
}

void Machine::puissance_Click() {
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    append(QStringLiteral(" ^ "));
}

// After a result, minus starts a negative number: it never takes the last answer.
void Machine::moins_Click() {
    appendMinus(saisie);
    montrerSaisie();
}

void Machine::ANS_Click() {
    if (codeErreur == 0)
        saisie += trimSpaces(derniereReponse);
    montrerSaisie();
}

void Machine::EXE_Click() {
    codeErreur = 0;
    QString expression = saisie;
    const QString failedEntry = saisie;
    saisie = waitingText;
    montrerSaisie();
    z1_->repaint();
    calculer(expression, codeErreur, angle_[1]->isChecked() ? 1 : 0);
    if (codeErreur == 0) {
        const std::optional<QString> shown = formaterResultat(expression, scientifique());
        if (shown) {
            saisie = *shown;
        } else {
            // An entered 1E400 comes back unchanged; it is an error like the others, so
            // that ANS and the operators never take the message as an answer.
            saisie = overflowText;
            codeErreur = 1;
            platform_.messages.beep();
        }
    } else {
        saisie = errorMessage(codeErreur);
        platform_.messages.beep();
    }
    montrerSaisie();
    derniereReponse = saisie;
    // After a failure the next key continues the entry that failed, under the message.
    saisie = codeErreur == 0 ? QString() : failedEntry;
}

void Machine::EFFACE_Click() {
    if (saisie.isEmpty())
        return;
    deleteBackwards(saisie);
    montrerSaisie();
}

void Machine::RAZ_Click() {
    saisie.clear();
    montrerSaisie();
}

void Machine::showOverflow() {
    platform_.messages.beep();
    afficher(overflowText);
}

// A result beyond the double range leaves the memory as it was.
void Machine::changeMemory(double sign) {
    const std::optional<double> shown = valeurNombre(z1_->toPlainText());
    const double result = shown ? etat_.memoire + sign * *shown : HUGE_VAL;
    if (!std::isfinite(result)) {
        showOverflow();
        return;
    }
    etat_.memoire = result;
    z1_->setFocus();
}

void Machine::Command1_Click() {
    changeMemory(1);
}

void Machine::Command2_Click() {
    changeMemory(-1);
}

void Machine::Command3_Click() {
    append(scientifique() ? formeScientifique(etat_.memoire)
                          : trimSpaces(texteNombre(etat_.memoire)));
}

void Machine::command4_Click() {
    etat_.memoire = 0;
    z1_->setFocus();
}

// With an empty entry, the last answer is shown again in the chosen format. After an
// error there is no answer to show: the message read as a number would show 0.
void Machine::C_Click(int index) {
    Q_UNUSED(index);
    if (!saisie.isEmpty() || codeErreur != 0)
        return;
    saisie = formaterResultat(derniereReponse, scientifique()).value_or(derniereReponse);
    montrerSaisie();
    z1_->repaint();
    saisie.clear();
}

bool Machine::z1_KeyPress(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        EFFACE_Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EXE_Click();
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return false;
    const QChar c = text[0];
    if ((c >= u'0' && c <= u'9') || c == u'.')
        append(text);
    else if (c == u'e' || c == u'E' || c == u'd' || c == u'D')
        append(QStringLiteral("E"));
    else if (c == u'(')
        Bpo_Click();
    else if (c == u')')
        bpf_Click();
    else if (c == u'*')
        multip_Click();
    else if (c == u'+')
        plus_Click();
    else if (c == u'-')
        moins_Click();
    else if (c == u'/')
        div_Click();
    else if (c == u'^')
        puissance_Click();
    else
        return false;
    return true;
}

void Machine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintMachineBackground(painter);
}

// Keys typed while another control has the focus get the same mapping. Escape is
// unmapped like any other key: it must not close the window, which would lose the
// entry and the last answer.
void Machine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || z1_KeyPress(*event))
        return;
    QDialog::keyPressEvent(event);
}

bool Machine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == z1_ && event->type() == QEvent::KeyPress)
        return z1_KeyPress(*static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}
