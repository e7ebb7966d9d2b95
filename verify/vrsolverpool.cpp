#include "verify/vrsolverpool.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "platform/platform.h"
#include "verify/exchange.h"

namespace vrek {

namespace {

constexpr std::string_view kPrompt = "line:";
constexpr std::string_view kAfter = "after";

struct Session {
    std::unique_ptr<ChildProcess> proc;
    std::string exchangePath;
    std::string output;        // since the end of the last answer
    long question = -1;        // the question asked, -1 for none
    bool commandSent = false;
    bool closing = false;      // no more questions: its input was closed
    int restartsLeft = 1;
    QElapsedTimer asked;
};

// The end of the answer line in `t`, or npos while it is not whole yet.
size_t answerEnd(const std::string &t) {
    size_t p = t.find(kPrompt);
    if (p == std::string::npos) return std::string::npos;
    size_t a = t.find(kAfter, p + kPrompt.size());
    if (a == std::string::npos) return std::string::npos;
    size_t e = t.find('\n', a);
    return e == std::string::npos ? std::string::npos : e + 1;
}

class Pool {
public:
    Pool(const SolverPoolOptions &o, const std::vector<std::string> &texts, const AnswerSink &sink)
        : o_(o), pf_(o.platform ? *o.platform : platform()), texts_(texts), sink_(sink), results_(texts.size()) {}

    void run() {
        const size_t n = std::min(o_.exchangePaths.size(), texts_.size());
        sessions_.resize(n);
        for (size_t i = 0; i < n; ++i) sessions_[i].exchangePath = o_.exchangePaths[i];
        QTimer clock;
        clock.setInterval(50);
        QObject::connect(&clock, &QTimer::timeout, [this] { checkDeadlines(); });
        clock.start();
        for (Session &s : sessions_) assign(s);
        deliver();
        // The window's run drops user input (ui::DiscardInput) rather than
        // holding it back until the end.
        if (!finished()) loop_.exec();
        clock.stop();
        for (Session &s : sessions_) {
            stop(s);
            std::remove(s.exchangePath.c_str());
        }
    }

private:
    const SolverPoolOptions &o_;
    Platform &pf_;
    const std::vector<std::string> &texts_;
    const AnswerSink &sink_;
    std::vector<std::optional<SolverAnswer>> results_;
    std::vector<Session> sessions_;
    size_t next_ = 0, delivered_ = 0;
    size_t failedAt_ = SIZE_MAX;
    bool stopped_ = false;
    QEventLoop loop_;

    bool finished() const { return stopped_ || delivered_ == texts_.size(); }

    SolverAnswer failure(SolverFailure f, std::string message) {
        SolverAnswer a;
        a.failure = f;
        a.message = std::move(message);
        return a;
    }

    void stop(Session &s) {
        if (!s.proc) return;
        s.proc->kill();
        s.proc.reset();
    }

    void start(Session &s) {
        stop(s);
        s.output.clear();
        s.commandSent = false;
        s.closing = false;
        ProcessEvents events;
        events.output = [this, &s](const QByteArray &b) { readFrom(s, b); };
        events.ended = [this, &s](int code, bool crashed) { ended(s, crashed ? -1 : code); };
        events.failedToStart = [this, &s] { notStarted(s); };
        s.proc = pf_.startProcess(o_.program, {QStringLiteral("-suite")}, std::move(events));
    }

    // Gives the session the next question, or closes it when none is left.
    void assign(Session &s) {
        s.question = -1;
        if (stopped_ || next_ >= texts_.size() || next_ > failedAt_) {
            if (s.proc && s.proc->running() && !s.closing) {
                s.closing = true;
                s.proc->closeInput();
            }
            return;
        }
        const size_t q = next_++;
        s.question = static_cast<long>(q);
        s.asked.start();
        const std::string err = writeExchangeFile(s.exchangePath, texts_[q]);
        if (!err.empty()) return settle(s, failure(SolverFailure::Exchange, err));
        if (!s.proc || !s.proc->running()) start(s);
        else sendIfPrompted(s);
    }

    void sendIfPrompted(Session &s) {
        if (s.question < 0 || s.commandSent || s.output.find(kPrompt) == std::string::npos) return;
        auto command = solverCommand(s.exchangePath);
        if (!command)
            return settle(s, failure(SolverFailure::Exchange,
                                     "Le chemin du fichier d'échange est trop long pour le programme de calcul : " +
                                         s.exchangePath));
        s.commandSent = true;
        s.proc->write(QByteArray(command->data(), static_cast<qsizetype>(command->size())));
    }

    void readFrom(Session &s, const QByteArray &b) {
        if (s.output.size() < kMaxSolverOutput) s.output.append(b.constData(), static_cast<size_t>(b.size()));
        if (s.question < 0) return;
        if (!s.commandSent) return sendIfPrompted(s);
        const size_t end = answerEnd(s.output);
        if (end == std::string::npos) return;
        // The answer is whole; the next prompt says the solver is well and waiting.
        const std::string rest = s.output.substr(end);
        const bool prompted = rest.find(kPrompt) != std::string::npos;
        const bool more = next_ < texts_.size() && next_ <= failedAt_ && !stopped_;
        if (!prompted && more) return;  // not yet
        SolverAnswer a = readSolverAnswer(s.output.substr(0, end));
        if (!a.ok() || more) {
            s.output = rest;
            s.commandSent = false;
            settle(s, a);
            return;
        }
        // The last question of this process: its clean end confirms the answer.
        if (!s.closing) {
            s.closing = true;
            s.proc->closeInput();
        }
    }

    // The process ended by itself (-1: it crashed); its output is all read.
    void ended(Session &s, int exitCode) {
        SolverRun run;
        run.started = true;
        run.exitCode = exitCode;
        run.output = s.output;
        s.proc.reset();
        if (s.question < 0) return deliver();
        SolverAnswer a = interpretSolverRun(run, o_.programName, o_.timeoutMs);
        if (a.ok()) {
            // Answered and ended cleanly: the next question needs another process.
            if (!s.closing && s.restartsLeft > 0) --s.restartsLeft;
            else if (!s.closing) s.restartsLeft = -1;
            return settle(s, a);
        }
        if (!s.closing && s.restartsLeft > 0 && a.failure != SolverFailure::BadNumber) {
            --s.restartsLeft;
            s.asked.start();
            start(s);
            return;
        }
        settle(s, a);
    }

    void notStarted(Session &s) {
        s.proc.reset();
        SolverRun run;  // never started
        if (s.question >= 0) settle(s, interpretSolverRun(run, o_.programName, o_.timeoutMs));
    }

    void checkDeadlines() {
        for (Session &s : sessions_)
            if (s.question >= 0 && s.asked.elapsed() > o_.timeoutMs) {
                stop(s);
                SolverRun run;
                run.started = true;
                run.timedOut = true;
                settle(s, interpretSolverRun(run, o_.programName, o_.timeoutMs));
            }
    }

    // The answer to the session's question is known.
    void settle(Session &s, const SolverAnswer &a) {
        const long q = s.question;
        s.question = -1;
        if (q >= 0) {
            results_[static_cast<size_t>(q)] = a;
            if (!a.ok()) {
                failedAt_ = std::min(failedAt_, static_cast<size_t>(q));
                // Later questions no longer matter.
                for (Session &o : sessions_)
                    if (o.question > static_cast<long>(failedAt_)) {
                        o.question = -1;
                        stop(o);
                    }
            }
        }
        if (!a.ok()) stop(s);
        if (s.restartsLeft < 0) {
            // It quit after answering with no restart left: the next question fails.
            s.restartsLeft = 0;
            if (!stopped_ && next_ < texts_.size() && next_ <= failedAt_) {
                s.question = static_cast<long>(next_++);
                settle(s, failure(SolverFailure::NoPrompt, "Le programme de calcul s'est arrêté avant la fin de la série."));
                return;
            }
        }
        if (a.ok() && !finished()) assign(s);
        deliver();
    }

    void deliver() {
        while (!stopped_ && delivered_ < results_.size() && results_[delivered_]) {
            const SolverAnswer &a = *results_[delivered_];
            if (!sink_(delivered_, a) || !a.ok()) stopped_ = true;
            ++delivered_;
        }
        if (finished()) loop_.quit();
    }
};

}  // namespace

void runSolverPool(const SolverPoolOptions &o, const std::vector<std::string> &exchangeTexts, const AnswerSink &onAnswer) {
    if (exchangeTexts.empty() || o.exchangePaths.empty()) return;
    Pool(o, exchangeTexts, onAnswer).run();
}

SeriesSolver solverPool(const SolverPoolOptions &o) {
    return [o](const std::vector<std::string> &texts, const AnswerSink &sink) { runSolverPool(o, texts, sink); };
}

int poolSize(int boards) { return std::max(1, std::min(boards, QThread::idealThreadCount())); }

}  // namespace vrek
