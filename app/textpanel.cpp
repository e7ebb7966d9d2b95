// The text panel: title, theme, contract, the three comment blocks with
// their line counts, and provenance; every keystroke is stored in the model.
#include <QFontMetrics>
#include <QTextBlock>

#include "app/vrekhp.h"
#include "core/dealview.h"
#include "platform/uiutil.h"

using namespace vrek;

namespace {

// Lines of a plain-text field.
QStringList fieldLines(const QPlainTextEdit *e) {
    QStringList l;
    for (QTextBlock b = e->document()->firstBlock(); b.isValid(); b = b.next()) l << b.text();
    return l;
}

}  // namespace

void TForm1::buildTextPanel() {
    // The fields carry no labels: an empty one says what goes there. The
    // limit stops typing only; a longer text from a file is kept whole.
    auto line = [this](const char *name, int typedLimit, const char *hint, const char *placeholder) {
        auto *e = new QLineEdit(Panel5);
        e->setObjectName(name);
        if (hint) e->setToolTip(QString::fromUtf8(hint));
        e->setPlaceholderText(QString::fromUtf8(placeholder));
        e->setValidator(new LineFieldValidator(typedLimit, e));
        e->installEventFilter(this);
        return e;
    };
    Titre = line("Titre", 19, "Titre de la série de 32 donnes", "Titre de la série");
    Theme = line("Theme", 50, "Thème de la donne", "Thème de la donne");
    Contrat = line("Contrat", 40, "Contrât qui doit être joué", "Contrat, par exemple 4P S entame RC");
    Provenance = line("Provenance", 0, "Provenance de la donne ou Score", "Provenance de la donne ou score");
    auto memo = [this](const char *name, const char *hint, bool tabs, const char *placeholder) {
        auto *e = new MemoField(Panel5);
        e->setObjectName(name);
        if (hint) e->setToolTip(QString::fromUtf8(hint));
        e->setPlaceholderText(QString::fromUtf8(placeholder));
        e->setTabChangesFocus(!tabs);
        e->setLineWrapMode(QPlainTextEdit::NoWrap);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Undo is the series' own (Edition menu), for every change alike.
        e->setUndoRedoEnabled(false);
        e->installEventFilter(this);
        return e;
    };
    Attaquant = memo("Attaquant", "Commentaires pour le camp du déclarant", false,
                     "Commentaires pour le camp du déclarant");
    Defense = memo("Defense", nullptr, false, "Commentaires pour la défense");
    Encheres = memo("Encheres", "Enchères Normales", true, "Enchères (une colonne par joueur, séparées par des tabulations)");
    auto spinner = [this](const char *name) {
        auto *u = new UpDown(Panel5);
        u->setObjectName(name);
        u->setRange(0, 12);
        return u;
    };
    UpAttaquant = spinner("UpAttaquant");
    UpDefense = spinner("UpDefense");
    UpEncheres = spinner("UpEncheres");
    UpEncheres->setEnabled(false);
    auto display = [this](const char *name) {
        auto *e = new QLineEdit(Panel5);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    EdAttaquant = display("EdAttaquant");
    EdDefense = display("EdDefense");
    EdEncheres = display("EdEncheres");
    BtEncheres = new QPushButton(QStringLiteral("E"), Panel5);
    BtEncheres->setObjectName("BtEncheres");
    TestHauteur = new QLabel(QStringLiteral("X"), Panel5);
    TestHauteur->setObjectName("TestHauteur");
    TestHauteur->setFont(QFont("Arial", 8));
    TestHauteur->hide();

    connect(Titre, &QLineEdit::textChanged, this, [this] { storeTitre(); });
    connect(Theme, &QLineEdit::textChanged, this, [this] { storeTheme(); });
    connect(Contrat, &QLineEdit::textChanged, this, [this] { storeContrat(); });
    connect(Provenance, &QLineEdit::textChanged, this, [this] { storeProvenance(); });
    connect(Attaquant, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Attaquant);
        storeAttaquant();
    });
    connect(Defense, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Defense);
        storeDefense();
    });
    connect(Encheres, &QPlainTextEdit::textChanged, this, [this] {
        guardCp1252(Encheres);
        storeEncheres();
    });
    connect(UpAttaquant, &UpDown::clicked, this, [this](int d) { spinnerClicked(0, d); });
    connect(UpDefense, &UpDown::clicked, this, [this](int d) { spinnerClicked(1, d); });
}

void TForm1::layoutTextPanel(int tableH) {
    // Text panel: fixed rows above the comment fields, whose heights follow
    // their line counts at every redraw.
    const int pw = Panel5->width();
    Titre->setGeometry(8, 8, std::min(220, pw - 16), 22);
    Theme->setGeometry(8, 36, pw - 16, 22);
    Contrat->setGeometry(8, 64, pw - 16, 22);
    Attaquant->setGeometry(8, 94, pw - 60, 40);
    Provenance->setGeometry(8, tableH - 30, pw - 16, 22);
}

QString TForm1::lineText(int i) const { return ui::fromStore(ws_.series().line(i)); }

LineCounts TForm1::counts() const {
    return {UpAttaquant->position(), UpDefense->position(), UpEncheres->position()};
}

void TForm1::showTexts() {
    const int n = ws_.currentDeal();
    if (n < 1 || n > kBoards || ws_.series().lines.empty()) return;
    filling_ = true;
    LineFieldValidator::show(Titre, lineText(0));
    LineFieldValidator::show(Theme, lineText(themeLine(n)));
    LineFieldValidator::show(Contrat, ui::fromStore(contractTextOf(ws_.series().line(contractLine(n)))));

    const int A = UpAttaquant->position(), D = UpDefense->position(), E = UpEncheres->position();
    const int h = QFontMetrics(TestHauteur->font()).height();
    const int y = Attaquant->y();
    const int x = Attaquant->x(), w = Attaquant->width();
    const int sx = x + w + 4;
    Attaquant->setGeometry(x, y, w, h * (A + 1));
    UpAttaquant->setGeometry(sx, y, 16, 24);
    EdAttaquant->setGeometry(sx + 18, y, 26, 22);
    const int yd = y + h * (A + 2);
    Defense->setGeometry(x, yd, w, h * (D + 1));
    UpDefense->setGeometry(sx, yd, 16, 24);
    EdDefense->setGeometry(sx + 18, yd, 26, 22);
    const int ye = y + h * (A + D + 4);
    Encheres->setGeometry(x, ye, w, h * (E + 1));
    UpEncheres->setGeometry(sx, ye, 16, 24);
    EdEncheres->setGeometry(sx + 18, ye, 26, 22);
    BtEncheres->setGeometry(EdEncheres->x() + 2, EdEncheres->y() + 30, 24, 22);
    EdAttaquant->setText(QString::number(A));
    EdDefense->setText(QString::number(D));
    EdEncheres->setText(QString::number(E));

    auto block = [this, n](int first, int count) {
        QStringList l;
        for (int i = 0; i < count; ++i) l << lineText(commentLine(n, first + i));
        return l.join('\n');
    };
    Attaquant->setPlainText(block(0, A));
    Defense->setPlainText(block(A, D));
    Encheres->setPlainText(block(A + D, E));
    LineFieldValidator::show(Provenance, lineText(provenanceLine(n)));
    filling_ = false;
}

// ---------------------------------------------------------------- store-back

void TForm1::storeLine(int i, const QString &text, const char *field) {
    if (filling_ || !ws_.fileOpen()) return;
    storing_ = true;
    // Typing in one field of one board is one step of the undo history.
    ws_.setLine(i, ui::toStore(text), std::string(field) + ":" + std::to_string(ws_.currentDeal()));
    storing_ = false;
}

void TForm1::storeBlock(QPlainTextEdit *e, int first, int count, const char *field) {
    if (filling_ || !ws_.fileOpen()) return;
    const QStringList l = fieldLines(e);
    const int n = ws_.currentDeal();
    storing_ = true;
    ws_.edit(
        ChangeTexts,
        [&](Series &s) {
            for (int i = 0; i < count; ++i)
                s.setLine(commentLine(n, first + i), i < l.size() ? ui::toStore(l[i]) : std::string());
        },
        std::string(field) + ":" + std::to_string(n));
    storing_ = false;
}

void TForm1::storeTitre() { storeLine(0, Titre->text(), "Titre"); }
void TForm1::storeTheme() { storeLine(themeLine(ws_.currentDeal()), Theme->text(), "Theme"); }
void TForm1::storeProvenance() { storeLine(provenanceLine(ws_.currentDeal()), Provenance->text(), "Provenance"); }

void TForm1::storeContrat() {
    if (filling_ || !ws_.fileOpen()) return;
    storing_ = true;
    ws_.setLine(contractLine(ws_.currentDeal()), makeContractLine(ui::toStore(Contrat->text()), counts()),
                "Contrat:" + std::to_string(ws_.currentDeal()));
    storing_ = false;
}

void TForm1::storeAttaquant() { storeBlock(Attaquant, 0, counts().a, "Attaquant"); }
void TForm1::storeDefense() { storeBlock(Defense, counts().a, counts().d, "Defense"); }
void TForm1::storeEncheres() { storeBlock(Encheres, counts().a + counts().d, counts().e, "Encheres"); }

void TForm1::spinnerClicked(int which, int delta) {
    if (!ws_.fileOpen() || ws_.currentDeal() < 1) return;
    LineCounts c = balanceCounts(counts(), which, delta);
    UpAttaquant->setPosition(c.a);
    UpDefense->setPosition(c.d);
    UpEncheres->setPosition(c.e);
    storing_ = true;
    ws_.setLine(contractLine(ws_.currentDeal()), makeContractLine(ui::toStore(Contrat->text()), c));
    storing_ = false;
    showTexts();
}
