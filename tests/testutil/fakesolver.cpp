#include "fakesolver.h"

#include "scriptedplatform.h"
#include "scriptedprocess.h"
#include "testutil.h"

namespace {
constexpr int kCommandSize = 255;
}

FakeSolver::FakeSolver(ScriptedPlatform &plat, const QString &program) {
    answer = [](const std::string &) { return QByteArray("NS = 13 tricks after lead S2\n"); };
    then = [](const std::string &) { return kGoOn; };
    plat.programs[program] = [this](ScriptedProcess &p) { play(p); };
}

void FakeSolver::always(const QByteArray &says, int next) {
    answer = [says](const std::string &) { return says; };
    then = [next](const std::string &) { return next; };
}

void FakeSolver::say(ScriptedProcess &p, const QByteArray &bytes) {
    if (pieces <= 0) return p.print(bytes);
    for (qsizetype i = 0; i < bytes.size(); i += pieces) p.print(bytes.mid(i, pieces), 20);
}

void FakeSolver::play(ScriptedProcess &p) {
    starts.push_back(p.args.join(' '));
    p.onKill = [this] { ++kills; };
    ++held;
    p.onGone = [this] { --held; };
    if (atStart != kGoOn) {
        if (atStart == kCrash) p.crash();
        else if (atStart != kHang) p.exit(atStart);
        return;
    }
    if (p.args == QStringList{"-table"} || p.args == QStringList{"-play"}) {
        auto buffer = std::make_shared<std::string>();
        auto &answerLine = p.args == QStringList{"-table"} ? table : positions;
        p.onInput = [this, &p, buffer, &answerLine](const QByteArray &b) {
            buffer->append(b.constData(), static_cast<size_t>(b.size()));
            for (size_t e; (e = buffer->find('\n')) != std::string::npos;) {
                const std::string line = buffer->substr(0, e);
                buffer->erase(0, e + 1);
                ++requests;
                const std::string out = answerLine ? answerLine(line) : std::string();
                if (!out.empty()) say(p, QByteArray::fromStdString(out + "\n"));
            }
        };
        p.onInputClosed = [&p] { p.exit(0); };
        return;
    }
    // One question, or one after another with "-suite".
    struct State {
        bool suite;
        bool waiting = true;  // for a command
        qsizetype from = 0;   // where it starts in the input
    };
    auto st = std::make_shared<State>(State{p.args == QStringList{"-suite"}});
    if (prompt) say(p, "line:\n");
    p.onInputClosed = [&p, st] {
        if (st->waiting) p.exit(st->suite ? 0 : 1);
    };
    p.onInput = [this, &p, st](const QByteArray &) {
        while (st->waiting && p.input.size() - st->from >= kCommandSize) {
            const std::string command = p.input.mid(st->from, kCommandSize).toStdString();
            st->from += kCommandSize;
            st->waiting = false;
            commands.push_back(command);
            const size_t end = command.find('\0');
            const std::string exchange = testutil::readFile(command.substr(5, end == std::string::npos ? end : end - 5));
            exchanges.push_back(exchange);
            say(p, answer(exchange));
            const int next = then(exchange);
            if (next == kGoOn && st->suite) {
                if (prompt) say(p, "line:\n");
                st->waiting = true;
            } else if (next == kGoOn) {
                p.exit(0);
            } else if (next == kCrash) {
                p.crash();
            } else if (next != kHang) {
                p.exit(next);
            }
        }
    };
}
