// The batch interface: `vrek COMMAND ...` runs without a window. Each command
// lives in its own app/cli_*.cpp and registers itself with a CliRegistrar.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/series.h"
#include "core/settings.h"
#include "core/serieslock.h"

namespace cli {

// Exit codes: 0 done, 1 failed (French message on standard error), 2 usage.
using Run = std::function<int(const std::vector<std::string> &args)>;

struct Command {
    std::string name;
    std::string usage;    // one line: "show SERIES.vrk [--boards LIST]"
    std::string summary;  // one line, French
    Run run;
    // For a command the batch front runs too: whether these arguments need
    // what only the Qt program has (the solver's processes), so that the
    // front hands the whole command line over to it.
    bool (*needsQt)(const std::vector<std::string> &args) = nullptr;
};

std::vector<Command> &commands();
// The registered command of that name (the caller knows it exists).
const Command &command(const std::string &name);

struct CliRegistrar {
    explicit CliRegistrar(Command c) { commands().push_back(std::move(c)); }
};

// Prints "usage : vrek <usage>" on standard error and returns 2.
int usageError(const Command &c, const std::string &why = {});
// Prints a French message on standard error and returns 1.
int fail(const std::string &message);

// Splits "--name value" options from positional arguments. Returns false on
// an unknown option, a missing value or an option given twice. Flags listed
// in `flags` take no value.
struct Options {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> named;
    bool has(const std::string &n) const;
    std::string value(const std::string &n) const;
};
// The boards of "--boards LIST", or all 96 without it; nullopt (with the
// reason in `error`) for a malformed list.
std::optional<std::vector<int>> boardsOption(const Options &o, std::string &error);
// The same, with the evening's boards (below) without it.
std::optional<std::vector<int>> boardsOrEvening(const Options &o, std::string &error);

// The settings of the window's vrek.ini, found by the window's rule (for a
// reader: platform/userfiles.h); a file that cannot be read is said on
// standard error and the defaults serve.
vrek::Settings programSettings();
// Boards 1 .. the evening's size of those settings: what the commands that
// go through the series take without --boards.
std::vector<int> eveningBoards();

// Message texts break lines at CR, as the message boxes do; a terminal wants LF.
std::string forTerminal(std::string text);
// The path made absolute and normal, or as given when that fails.
std::string absolutePath(const std::string &path);

// For a command that changes a series: takes the series' lock for the run,
// then reads the pair. A series that does not exist yet is created empty, as
// the window creates it, and the command says so. Returns 0, or the exit
// code once the refusal is printed.
int takeSeries(const std::string &file, vrek::Series &s, vrek::SeriesLock &lock);
// For a command that only reads a series: reads the pair (as an interrupted
// save would be completed, which it says) and returns 0, or the exit code
// once the failure is printed.
int readSeries(const std::string &file, vrek::Series &s);

// For a command that writes a file: refuses (message, exit code 1) a target
// that would replace a file of the series it reads, by any name or link.
// Returns 0 when the target is another file.
int refuseSeriesTarget(const std::string &seriesFile, const std::string &target);

bool parseOptions(const std::vector<std::string> &args, const std::vector<std::string> &valued,
                  const std::vector<std::string> &flags, Options &out, std::string &error);

}  // namespace cli
