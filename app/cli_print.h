// `vrek print KIND SERIES.vrk -o FILE.pdf`: the kinds of printout register
// themselves here, each from its own file, as the commands do with
// CliRegistrar. The command reads the series and the common options, asks
// the kind for its drawing and writes one PDF for the whole run.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/cli.h"
#include "core/series.h"
#include "core/settings.h"
#include "platform/canvas.h"
#include "printing/printstyle.h"

class QGuiApplication;

namespace cli::print {

struct Request {
    const vrek::Series &series;
    const Options &options;          // the kind's own and the common ones
    vrek::PrintStyle style;          // --bw, --from-97
    const vrek::Settings &settings;  // vrek.ini of the program's folder
};

// What a kind makes of its options: the drawing, or a refusal with its
// exit code (2 wrong command line, 1 refused input) and French message.
struct Prepared {
    int code = 0;
    std::string message;
    std::function<bool(vrek::Canvas &)> draw;

    static Prepared usage(std::string why) { return {2, std::move(why), {}}; }
    static Prepared refused(std::string why) { return {1, std::move(why), {}}; }
};

struct Kind {
    std::string name;   // "hands"
    std::string usage;  // "hands --seats NESO --block 1|2|3"
    std::vector<std::string> valued, flags;  // the kind's own options
    std::function<Prepared(const Request &)> prepare;
};

std::vector<Kind> &kinds();

struct KindRegistrar {
    explicit KindRegistrar(Kind k) { kinds().push_back(std::move(k)); }
};

// Fonts and the PDF writer need a graphical application, even without a
// display: made here when the program has no application yet (null then).
std::unique_ptr<QGuiApplication> ensureGuiApplication();

// A whole number within [lo, hi] written in decimal digits only.
bool wholeNumber(const std::string &text, int lo, int hi, int &out);

}  // namespace cli::print
