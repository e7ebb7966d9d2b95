// The model of the open series that every window shares: the stores, the
// current deal, the keyboard-entry cursor, the file names and flags, the
// settings values and the constraint table. Changes go through it; it keeps
// an undo history of the series and tells its listeners what changed.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/dealops.h"
#include "core/series.h"
#include "core/serieslock.h"
#include "core/settings.h"
#include "core/constraints.h"

namespace vrek {

// What a notification is about; listeners receive a mask of these.
enum Change : unsigned {
    ChangeCurrentDeal = 1u << 0,  // another board is shown
    ChangeDeals = 1u << 1,        // cards of one or more boards
    ChangeTexts = 1u << 2,        // text lines
    ChangeFile = 1u << 3,         // a series was opened, saved under a name, closed
    ChangeCursor = 1u << 4,       // keyboard-entry cursor
    ChangeSettings = 1u << 5,
    ChangeConstraints = 1u << 6,
    ChangeModified = 1u << 7,     // the unsaved-changes flag flipped
    ChangeSeries = ChangeDeals | ChangeTexts,
};

class Workspace {
public:
    using Listener = std::function<void(unsigned changes)>;
    static constexpr int kUndoDepth = 200;

    Workspace();

    // ---- listeners ---------------------------------------------------------
    int subscribe(Listener l);
    void unsubscribe(int id);
    // Tells every listener; changes made by a listener while it runs are
    // delivered after the current round.
    void notify(unsigned changes);

    // ---- the series ----------------------------------------------------------
    const Series &series() const { return series_; }
    bool fileOpen() const { return fileOpen_; }
    const std::string &seriesFileName() const { return seriesFile_; }  // UTF-8 path
    const std::string &workingFileName() const { return workingFile_; }
    void setWorkingFileName(std::string name) { workingFile_ = std::move(name); }
    // The window caption that goes with the file, set by whoever opened or
    // saved it ("Distribution memorisée dans …", "VREK : …").
    const std::string &caption() const { return caption_; }

    // One change of the series: `fn` edits it, then the change is recorded
    // for undo, the series is marked modified and listeners hear `what`.
    // Nothing is recorded when `fn` left the series as it was. Successive
    // edits with the same non-empty `group` (typing in one field of one
    // board) merge into one undo step. Returns whether the series changed.
    // While `fn` runs (a long run lets the windows repaint meanwhile) no other
    // change, undo, opening or saving of the series is taken: they are refused.
    bool edit(unsigned what, const std::function<void(Series &)> &fn, const std::string &group = {});
    // A change is under way (see edit).
    bool busy() const { return changing_; }
    // Shorthands for the current board.
    bool editDeal(const std::function<void(Deal &)> &fn);
    bool setLine(int i, std::string text, const std::string &group = {});

    // Installs a series read elsewhere as the open one (not modified, no undo history).
    void install(Series s, std::string fileName, std::string caption);
    // Replaces the series as one undoable change and attaches it to `fileName`
    // (an import that makes a new series). The result counts as modified.
    void replace(Series s, std::string fileName, std::string caption);
    // Renames the open series after a successful "save as".
    void rename(std::string fileName, std::string caption);

    // The unsaved-changes flag: set by every change, cleared by install and save.
    bool modified() const { return modified_; }
    void markSaved();

    // ---- undo ------------------------------------------------------------------
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    // Ends the merging of the current group (navigation, focus change).
    void closeGroup() { openGroup_.clear(); }

    // ---- navigation ------------------------------------------------------------
    int currentDeal() const { return currentDeal_; }
    // Shows board n (clamped to 1 .. 96): the entry cursor and any pending
    // exchange are cleared. Notifies even when n is the current board.
    void setCurrentDeal(int n);
    int entryCursor() const { return entryCursor_; }
    void setEntryCursor(int c);
    PendingExchange &pending() { return pending_; }
    void cancelPendingExchange() { pending_ = {}; }

    // ---- settings and constraints ---------------------------------------------------
    Settings &settings() { return settings_; }
    const Settings &settings() const { return settings_; }
    // The settings file's path; the model rewrites single keys in it.
    const std::string &iniFileName() const { return iniFile_; }
    void setIniFileName(std::string p) { iniFile_ = std::move(p); }
    // Reads the settings file, applies `edit` and writes it back atomically
    // when that changed it. Returns "" or a French error message.
    std::string writeIni(const std::function<void(IniFile &)> &editFn) const;
    ConstraintTable &constraints() { return constraints_; }
    const ConstraintTable &constraints() const { return constraints_; }

    // ---- files -------------------------------------------------------------------------
    // The open series is locked against other windows and commands from its
    // opening (or first save under a new name) until another replaces it.
    // Reads the pair (creating it when it does not exist) and installs it.
    // Returns "" or the French error; `warning` receives a message that does
    // not stop the opening, `notice` what was found and put right (an
    // interrupted save) or that the series could not be locked. On failure
    // the open series stays as it was.
    std::string open(const std::string &fileName, const std::string &caption, std::string *warning = nullptr,
                     std::string *notice = nullptr);
    // Writes the pair; clears the modified flag. Returns "" or a French error.
    std::string save();
    // Writes the pair under another name and attaches the series to it.
    std::string saveAs(const std::string &fileName, const std::string &caption);

private:
    struct Step {
        Series before;
        unsigned what;
        std::string group;
        int board;
    };
    Series series_;
    bool fileOpen_ = false;
    bool modified_ = false;
    std::string seriesFile_, workingFile_, caption_, iniFile_;
    int currentDeal_ = 0;
    int entryCursor_ = 0;
    PendingExchange pending_;
    Settings settings_;
    ConstraintTable constraints_;

    SeriesLock lock_;

    std::deque<Step> undo_, redo_;
    std::string openGroup_;

    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
    bool notifying_ = false;
    bool changing_ = false;
    unsigned queued_ = 0;

    void setModified(bool m, unsigned &what);
    void applyStep(std::deque<Step> &from, std::deque<Step> &to);
};

}  // namespace vrek
