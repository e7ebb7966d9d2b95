#include "verify/vranalysis.h"

#include <QDir>
#include <QEventLoop>

#include "platform/platform.h"
#include "verify/vrsolverprocess.h"

using namespace vrek;

namespace {
// No answer for this long while deals are asked: the solver is stuck.
constexpr int kSilenceMs = 120000;
}  // namespace

VrAnalysis::VrAnalysis(Platform &pf, QObject *parent) : QObject(parent), pf_(pf) {
    solverProgram = solverBesideProgram();
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(kSilenceMs);
    connect(&watchdog_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("Le programme de calcul ne répond plus : il a été arrêté.")); });
}

VrAnalysis::~VrAnalysis() { stopProcess(); }

void VrAnalysis::ensureStarted() {
    if (proc_ && proc_->running()) return;
    stopProcess();
    ProcessEvents events;
    events.output = [this](const QByteArray &b) { readAnswers(b); };
    events.ended = [this](int code, bool crashed) { ended(code, crashed); };
    events.failedToStart = [this] {
        fail(QStringLiteral("Le programme de calcul « %1 » est introuvable ou ne peut pas être lancé.")
                 .arg(QDir::toNativeSeparators(solverProgram)));
    };
    proc_ = pf_.startProcess(solverProgram, {QStringLiteral("-table")}, std::move(events));
}

void VrAnalysis::ended(int code, bool crashed) {
    if (asked_.empty()) return stopProcess();
    fail(!crashed ? QStringLiteral("Le programme de calcul s'est arrêté avant d'avoir tout analysé. Code de sortie : %1.")
                        .arg(code)
                  : QStringLiteral("Le programme de calcul s'est arrêté anormalement avant d'avoir tout analysé."));
}

int VrAnalysis::request(const std::vector<std::pair<Deal, int>> &deals) {
    std::string lines;
    int count = 0;
    for (const auto &[deal, board] : deals) {
        const std::string key = analysisKey(deal, board);
        if (key.empty() || cache_.find(key)) continue;
        bool already = false;
        for (const auto &kv : asked_) already = already || kv.second == key;
        if (already) continue;
        const std::string tag = std::to_string(nextTag_++);
        asked_[tag] = key;
        lines += tableRequestLine(tag, deal, board) + "\n";
        ++count;
    }
    if (!count) return 0;
    ensureStarted();
    proc_->write(QByteArray::fromStdString(lines));
    watchdog_.start();
    return count;
}

void VrAnalysis::readAnswers(const QByteArray &bytes) {
    buffer_ += bytes;
    bool progress = false;
    QString failure;
    for (int e; (e = buffer_.indexOf('\n')) >= 0;) {
        const std::string line = buffer_.left(e).toStdString();
        buffer_.remove(0, e + 1);
        std::string tag, error;
        DealAnalysis a;
        if (!parseTableAnswerLine(line, tag, a, error)) {
            failure = QStringLiteral("Le programme de calcul a donné une réponse illisible : « %1 ».")
                          .arg(QString::fromStdString(line.substr(0, 60)));
            break;
        }
        auto it = asked_.find(tag);
        if (it == asked_.end()) continue;  // asked before a cancel
        if (!error.empty()) {
            failure = QStringLiteral("Le programme de calcul n'a pas pu analyser une donne : %1.")
                          .arg(QString::fromStdString(error));
            break;
        }
        cache_.put(it->second, a);
        kept_.erase(it->second);
        asked_.erase(it);
        progress = true;
        emit analysed();
    }
    if (buffer_.size() > 1 << 16) failure = QStringLiteral("Le programme de calcul a donné une réponse illisible.");
    if (!failure.isEmpty()) return fail(failure);
    if (asked_.empty()) {
        watchdog_.stop();
        if (progress) emit idle();
    } else if (progress) {
        watchdog_.start();
    }
}

void VrAnalysis::fail(const QString &message) {
    const bool wasAsked = !asked_.empty();
    stopProcess();
    asked_.clear();
    if (wasAsked) {
        emit failed(message);
        emit idle();
    }
}

void VrAnalysis::cancel() {
    const bool wasAsked = !asked_.empty();
    stopProcess();
    asked_.clear();
    if (wasAsked) {
        emit cancelled();
        emit idle();
    }
}

void VrAnalysis::stopProcess() {
    watchdog_.stop();
    buffer_.clear();
    if (!proc_) return;
    proc_->kill();
    proc_.reset();
}

bool VrAnalysis::analyseAndWait(const std::vector<std::pair<Deal, int>> &deals, QString &error) {
    request(deals);
    QEventLoop loop;
    QString failure;
    bool cancelled = false;
    auto done = [&] {
        for (const auto &[deal, board] : deals)
            if (!analysisKey(deal, board).empty() && !cache_.find(deal, board)) return false;
        return true;
    };
    auto onFail = connect(this, &VrAnalysis::failed, &loop, [&](const QString &m) { failure = m; });
    auto onIdle = connect(this, &VrAnalysis::idle, &loop, [&] {
        cancelled = failure.isEmpty() && !done();
        loop.quit();
    });
    if (pending() > 0 && !done()) loop.exec();
    disconnect(onFail);
    disconnect(onIdle);
    if (!failure.isEmpty()) error = failure;
    else if (cancelled || !done()) error = QStringLiteral("Analyse interrompue.");
    return done();
}

void VrAnalysis::keep(const vrek::Deal &d, int board, const vrek::DealAnalysis &a) {
    const std::string key = vrek::analysisKey(d, board);
    if (key.empty()) return;
    cache_.put(key, a);
    kept_.insert(key);
    emit analysed();
}

void VrAnalysis::forgetKept(const vrek::Deal &d, int board) {
    const std::string key = vrek::analysisKey(d, board);
    if (kept_.erase(key)) cache_.erase(key);
}
