// The text panel: title, theme, contract, the three comment blocks with
// their line counts, and provenance; every keystroke is stored in the model.
#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextBlock>
#include <QtMath>

#include "app/vrekhp.h"
#include "core/commentblocks.h"
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
        e->document()->setDocumentMargin(2);
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
    QPlainTextEdit *memos[3] = {Attaquant, Defense, Encheres};
    for (int k = 0; k < 3; ++k)
        connect(memos[k], &QPlainTextEdit::textChanged, this, [this, k] { storeComment(k); });
    // Shown when a line typed or pasted finds no room among the 12.
    LbPlein = new QLabel(QStringLiteral("Les 12 lignes de commentaires de la donne sont toutes remplies : "
                                        "videz-en une pour en ajouter une autre."),
                         Panel5);
    LbPlein->setObjectName("LbPlein");
    LbPlein->setWordWrap(true);
    ui::setColours(LbPlein, QColor(), ui::kRed);
    LbPlein->hide();
    connect(UpAttaquant, &UpDown::clicked, this, [this](int d) { spinnerClicked(0, d); });
    connect(UpDefense, &UpDown::clicked, this, [this](int d) { spinnerClicked(1, d); });
}

void TForm1::layoutTextPanel(int tableH) {
    // The text column scales as the deal panel does. The comment boxes write
    // in the font their line height is measured with, so that a box of n
    // lines shows n lines.
    const double z = sx_;
    auto px = [z](double v) { return qRound(v * z); };
    QFont one = Titre->font();
    one.setPointSizeF(std::max(1.0, kTextFieldPt * z));
    for (QWidget *f : std::initializer_list<QWidget *>{Titre, Theme, Contrat, Provenance, EdAttaquant, EdDefense,
                                                       EdEncheres, BtEncheres, LbPlein})
        f->setFont(one);
    QFont comment(QStringLiteral("Arial"));
    comment.setPointSizeF(std::max(1.0, 8 * z));
    TestHauteur->setFont(comment);
    for (QPlainTextEdit *m : {Attaquant, Defense, Encheres}) m->setFont(comment);
    const int pw = Panel5->width(), rowH = px(22);
    Titre->setGeometry(px(8), px(8), std::min(px(220), pw - px(16)), rowH);
    Theme->setGeometry(px(8), px(36), pw - px(16), rowH);
    Contrat->setGeometry(px(8), px(64), pw - px(16), rowH);
    Attaquant->setGeometry(px(8), px(94), pw - px(60), 40);
    Provenance->setGeometry(px(8), tableH - px(30), pw - px(16), rowH);
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
    layoutCommentBlocks();
    for (int k = 0; k < 3; ++k) fillComment(k);
    LineFieldValidator::show(Provenance, lineText(provenanceLine(n)));
    LbPlein->hide();
    filling_ = false;
}

QPlainTextEdit *TForm1::commentBox(int block) const {
    return block == 0 ? Attaquant : block == 1 ? Defense : Encheres;
}

void TForm1::layoutCommentBlocks() {
    const int A = UpAttaquant->position(), D = UpDefense->position(), E = UpEncheres->position();
    // A box of n lines is n + 1 lines high: its frame and margins fit in the
    // extra one. Lines are laid out at fractional heights: round up.
    const int h = qCeil(QFontMetricsF(TestHauteur->font()).lineSpacing()) + 1;
    const int y = Attaquant->y();
    const int x = Attaquant->x(), w = Attaquant->width();
    auto px = [this](double v) { return qRound(v * sx_); };
    const int sx = x + w + px(4);
    Attaquant->setGeometry(x, y, w, h * (A + 1));
    UpAttaquant->setGeometry(sx, y, px(16), px(24));
    EdAttaquant->setGeometry(sx + px(18), y, px(26), px(22));
    const int yd = y + h * (A + 2);
    Defense->setGeometry(x, yd, w, h * (D + 1));
    UpDefense->setGeometry(sx, yd, px(16), px(24));
    EdDefense->setGeometry(sx + px(18), yd, px(26), px(22));
    const int ye = y + h * (A + D + 4);
    Encheres->setGeometry(x, ye, w, h * (E + 1));
    UpEncheres->setGeometry(sx, ye, px(16), px(24));
    EdEncheres->setGeometry(sx + px(18), ye, px(26), px(22));
    BtEncheres->setGeometry(EdEncheres->x() + px(2), EdEncheres->y() + px(30), px(24), px(22));
    const int below = ye + h * (E + 1) + px(4);
    LbPlein->setGeometry(x, below, w, std::max(0, Provenance->y() - below - 2));
    EdAttaquant->setText(QString::number(A));
    EdDefense->setText(QString::number(D));
    EdEncheres->setText(QString::number(E));
}

std::vector<std::string> TForm1::storedComments() const {
    std::vector<std::string> l;
    for (int i = 0; i < kCommentLines; ++i) l.push_back(ws_.series().line(commentLine(ws_.currentDeal(), i)));
    return l;
}

void TForm1::fillComment(int block) {
    QStringList l;
    for (const std::string &t : commentBlock(storedComments(), counts(), block)) l << ui::fromStore(t);
    const bool was = filling_;
    filling_ = true;
    commentBox(block)->setPlainText(l.join('\n'));
    shownComment_[block] = commentBox(block)->toPlainText();
    filling_ = was;
}

// ---------------------------------------------------------------- store-back

void TForm1::storeLine(int i, const QString &text, const char *field) {
    if (filling_ || !ws_.fileOpen()) return;
    storing_ = true;
    // Typing in one field of one board is one step of the undo history.
    ws_.setLine(i, ui::toStore(text), std::string(field) + ":" + std::to_string(ws_.currentDeal()));
    storing_ = false;
}

void TForm1::storeComment(int block) {
    if (filling_ || !ws_.fileOpen()) return;
    QPlainTextEdit *box = commentBox(block);
    guardCp1252(box);
    const int n = ws_.currentDeal();
    std::vector<std::string> shown;
    for (const QString &l : fieldLines(box)) shown.push_back(ui::toStore(l));
    const QTextCursor cursor = box->textCursor();
    const LineCounts before = counts();
    const CommentFit fit = fitCommentBlock(storedComments(), before, block, shown, cursor.blockNumber());
    if (!fit.fits) {
        // No room: the keystroke or the paste is taken back at once, and said so.
        const QString now = box->toPlainText();
        const int at = cursor.position() - static_cast<int>(now.size() - shownComment_[block].size());
        filling_ = true;
        box->setPlainText(shownComment_[block]);
        QTextCursor back = box->textCursor();
        back.setPosition(std::clamp(at, 0, static_cast<int>(shownComment_[block].size())));
        box->setTextCursor(back);
        filling_ = false;
        box->verticalScrollBar()->setValue(0);
        LbPlein->show();
        QApplication::beep();
        return;
    }
    LbPlein->hide();
    const char *field = block == 0 ? "Attaquant" : block == 1 ? "Defense" : "Encheres";
    storing_ = true;
    ws_.edit(
        ChangeTexts,
        [&](Series &s) {
            for (int i = 0; i < kCommentLines; ++i) s.setLine(commentLine(n, i), fit.lines[i]);
            if (!(fit.counts == before))
                s.setLine(contractLine(n), makeContractLine(contractTextOf(s.line(contractLine(n))), fit.counts));
        },
        std::string(field) + ":" + std::to_string(n));
    storing_ = false;
    if (!(fit.counts == before)) {
        // The block grew: the spinners, the boxes' sizes and the other boxes follow.
        UpAttaquant->setPosition(fit.counts.a);
        UpDefense->setPosition(fit.counts.d);
        UpEncheres->setPosition(fit.counts.e);
        layoutCommentBlocks();
        for (int k = 0; k < 3; ++k)
            if (k != block) fillComment(k);
    }
    const int count = block == 0 ? fit.counts.a : block == 1 ? fit.counts.d : fit.counts.e;
    if (box->blockCount() > std::max(count, 1)) {
        // Empty lines past the cursor beyond the count are not kept: the box drops them too.
        const int line = cursor.blockNumber(), column = cursor.positionInBlock();
        fillComment(block);
        QTextCursor c(box->document()->findBlockByNumber(line));
        c.setPosition(c.block().position() + std::min(column, c.block().length() - 1));
        box->setTextCursor(c);
    }
    shownComment_[block] = box->toPlainText();
    // The box holds no more lines than it shows: none may stay scrolled out.
    box->verticalScrollBar()->setValue(0);
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
