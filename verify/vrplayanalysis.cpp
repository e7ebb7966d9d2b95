#include "verify/vrplayanalysis.h"

#include <QDir>
#include <QEventLoop>

#include "platform/platform.h"
#include "verify/playquestion.h"
#include "verify/vrsolverprocess.h"

using namespace vrek;

namespace {
// Answers kept for taking cards back; a whole lesson needs far fewer.
constexpr size_t kMaxKept = 4096;
// One answer line is a few hundred bytes.
constexpr qsizetype kMaxLine = 4096;
}  // namespace

VrPlayAnalysis::VrPlayAnalysis(Platform &pf, QObject *parent) : QObject(parent), pf_(pf) {
    solverProgram = solverBesideProgram();
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("Le programme de calcul ne répond plus : il a été arrêté.")); });
    patience_.setSingleShot(true);
    connect(&patience_, &QTimer::timeout, this, [this] {
        // The newest position waits on an older one: start afresh for it.
        if (!inFlight_ || !wanted_ || inFlight_->key == playKey(*wanted_)) return;
        stopProcess();
        inFlight_.reset();
        send(*wanted_);
    });
}

VrPlayAnalysis::~VrPlayAnalysis() { stopProcess(); }

const PlayAnalysis *VrPlayAnalysis::find(const PlayPosition &p) const {
    auto it = cache_.find(playKey(p));
    return it == cache_.end() ? nullptr : &it->second;
}

void VrPlayAnalysis::ask(const PlayPosition &p) {
    wanted_ = p;
    if (const PlayAnalysis *known = find(p)) {
        wanted_.reset();
        const PlayAnalysis a = *known;
        emit answered(p, a);
        return;
    }
    if (!inFlight_) return send(p);
    if (inFlight_->key != playKey(p) && !patience_.isActive()) patience_.start(patienceMs);
}

void VrPlayAnalysis::forget() {
    wanted_.reset();
    patience_.stop();
}

void VrPlayAnalysis::stop() {
    forget();
    stopProcess();
    inFlight_.reset();
}

void VrPlayAnalysis::send(const PlayPosition &p) {
    if (!proc_ || !proc_->running()) {
        stopProcess();
        ProcessEvents events;
        events.output = [this](const QByteArray &b) { readAnswers(b); };
        events.ended = [this](int code, bool crashed) { ended(code, crashed); };
        events.failedToStart = [this] {
            fail(QStringLiteral("Le programme de calcul « %1 » est introuvable ou ne peut pas être lancé.")
                     .arg(QDir::toNativeSeparators(solverProgram)));
        };
        proc_ = pf_.startProcess(solverProgram, {QStringLiteral("-play")}, std::move(events));
        // Starting may already have failed and told so.
        if (!proc_ || !proc_->running()) return;
    }
    Question q{std::to_string(nextTag_++), playKey(p), p};
    inFlight_ = q;
    proc_->write(QByteArray::fromStdString(q.tag + ' ' + q.key + '\n'));
    watchdog_.start(silenceMs);
}

void VrPlayAnalysis::readAnswers(const QByteArray &bytes) {
    buffer_ += bytes;
    for (qsizetype e; (e = buffer_.indexOf('\n')) >= 0;) {
        const std::string line = buffer_.left(e).toStdString();
        buffer_.remove(0, e + 1);
        std::string tag, error;
        PlayAnalysis a;
        if (!parsePlayAnswerLine(line, tag, a, error))
            return fail(QStringLiteral("Le programme de calcul a donné une réponse illisible : « %1 ».")
                            .arg(QString::fromStdString(line.substr(0, 60))));
        if (!inFlight_ || tag != inFlight_->tag) continue;  // a question no longer asked
        const Question q = *inFlight_;
        if (error.empty() && !answerFits(q.position, a))
            return fail(QStringLiteral("Le programme de calcul a donné une réponse qui ne correspond pas à la position."));
        answer(q, a, error);
        if (!proc_) return;  // a listener stopped everything
    }
    if (buffer_.size() > kMaxLine) fail(QStringLiteral("Le programme de calcul a donné une réponse illisible."));
}

void VrPlayAnalysis::answer(const Question &q, const PlayAnalysis &a, const std::string &error) {
    inFlight_.reset();
    watchdog_.stop();
    patience_.stop();
    if (error.empty()) {
        if (cache_.size() >= kMaxKept) cache_.clear();
        cache_[q.key] = a;
    }
    if (wanted_ && playKey(*wanted_) == q.key) {
        const PlayPosition p = *wanted_;
        wanted_.reset();
        if (error.empty()) emit answered(p, a);
        else emit refused(p, QString::fromStdString(error));
    } else if (wanted_) {
        ask(*wanted_);
    }
}

void VrPlayAnalysis::ended(int code, bool crashed) {
    const bool asked = inFlight_.has_value();
    stopProcess();
    inFlight_.reset();
    if (!asked) return;  // ended between questions: the next one starts it again
    fail(crashed ? QStringLiteral("Le programme de calcul s'est arrêté anormalement.")
                 : QStringLiteral("Le programme de calcul s'est arrêté sans répondre. Code de sortie : %1.").arg(code));
}

void VrPlayAnalysis::fail(const QString &message) {
    // Told only while a position waits for its answer.
    const bool waited = wanted_.has_value();
    stopProcess();
    inFlight_.reset();
    wanted_.reset();
    patience_.stop();
    if (waited) emit failed(message);
}

void VrPlayAnalysis::stopProcess() {
    watchdog_.stop();
    buffer_.clear();
    if (!proc_) return;
    proc_->kill();
    proc_.reset();
}

bool VrPlayAnalysis::analyseAndWait(const PlayPosition &p, PlayAnalysis &out, QString &error) {
    QEventLoop loop;
    bool done = false, ok = false;
    const std::string key = playKey(p);
    auto onAnswer = connect(this, &VrPlayAnalysis::answered, &loop, [&](const PlayPosition &q, const PlayAnalysis &a) {
        if (playKey(q) != key) return;
        out = a;
        ok = done = true;
        loop.quit();
    });
    auto onRefusal = connect(this, &VrPlayAnalysis::refused, &loop, [&](const PlayPosition &q, const QString &m) {
        if (playKey(q) != key) return;
        error = QStringLiteral("Le programme de calcul n'a pas pu analyser la position : %1.").arg(m);
        done = true;
        loop.quit();
    });
    auto onFailure = connect(this, &VrPlayAnalysis::failed, &loop, [&](const QString &m) {
        error = m;
        done = true;
        loop.quit();
    });
    ask(p);
    if (!done) loop.exec();
    disconnect(onAnswer);
    disconnect(onRefusal);
    disconnect(onFailure);
    return ok;
}
