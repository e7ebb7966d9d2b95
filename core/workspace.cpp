#include "core/workspace.h"

#include <algorithm>

#include "core/fileio.h"
#include "core/seriesfile.h"

namespace vrek {

Workspace::Workspace() { series_.lines.clear(); }

// ------------------------------------------------------------------ listeners

int Workspace::subscribe(Listener l) {
    listeners_.emplace_back(nextId_, std::move(l));
    return nextId_++;
}

void Workspace::unsubscribe(int id) {
    std::erase_if(listeners_, [id](const auto &p) { return p.first == id; });
}

void Workspace::notify(unsigned changes) {
    if (!changes) return;
    if (notifying_) {
        queued_ |= changes;
        return;
    }
    notifying_ = true;
    unsigned round = changes;
    while (round) {
        queued_ = 0;
        // A copy: a listener may subscribe or unsubscribe while it runs.
        auto ls = listeners_;
        for (auto &[id, l] : ls) l(round);
        round = queued_;
    }
    notifying_ = false;
}

// ------------------------------------------------------------------ changes

void Workspace::setModified(bool m, unsigned &what) {
    if (modified_ != m) {
        modified_ = m;
        what |= ChangeModified;
    }
}

bool Workspace::edit(unsigned what, const std::function<void(Series &)> &fn, const std::string &group) {
    if (changing_) return false;
    Series before = series_;
    {
        struct Changing {
            bool &on;
            ~Changing() { on = false; }
        } changing{changing_ = true};
        fn(series_);
    }
    if (series_ == before) return false;
    const bool merge = !group.empty() && group == openGroup_ && !undo_.empty() && undo_.back().group == group;
    if (!merge) {
        undo_.push_back({std::move(before), what, group, currentDeal_});
        if (static_cast<int>(undo_.size()) > kUndoDepth) undo_.pop_front();
    }
    redo_.clear();
    openGroup_ = group;
    setModified(true, what);
    notify(what);
    return true;
}

bool Workspace::editDeal(const std::function<void(Deal &)> &fn) {
    if (!fileOpen_ || currentDeal_ < 1 || currentDeal_ > kBoards) return false;
    const int n = currentDeal_;
    return edit(ChangeDeals, [&](Series &s) { fn(s.deal(n)); });
}

bool Workspace::setLine(int i, std::string text, const std::string &group) {
    return edit(ChangeTexts, [&](Series &s) { s.setLine(i, std::move(text)); }, group);
}

void Workspace::applyStep(std::deque<Step> &from, std::deque<Step> &to) {
    Step st = std::move(from.back());
    from.pop_back();
    std::swap(st.before, series_);
    unsigned what = st.what | ChangeSeries;
    to.push_back(std::move(st));
    openGroup_.clear();
    pending_ = {};
    entryCursor_ = 0;
    // Show the board the change was made on, so the user sees what came back.
    const int board = to.back().board;
    if (board >= 1 && board <= kBoards && board != currentDeal_) {
        currentDeal_ = board;
        what |= ChangeCurrentDeal;
    }
    setModified(true, what);
    notify(what | ChangeCursor);
}

bool Workspace::undo() {
    if (undo_.empty() || changing_) return false;
    applyStep(undo_, redo_);
    return true;
}

bool Workspace::redo() {
    if (redo_.empty() || changing_) return false;
    applyStep(redo_, undo_);
    return true;
}

void Workspace::install(Series s, std::string fileName, std::string caption) {
    series_ = std::move(s);
    series_.ensureLines();
    seriesFile_ = std::move(fileName);
    caption_ = std::move(caption);
    fileOpen_ = true;
    undo_.clear();
    redo_.clear();
    openGroup_.clear();
    currentDeal_ = 1;
    entryCursor_ = 0;
    pending_ = {};
    unsigned what = ChangeFile | ChangeSeries | ChangeCurrentDeal | ChangeCursor;
    setModified(false, what);
    notify(what);
}

void Workspace::replace(Series s, std::string fileName, std::string caption) {
    s.ensureLines();
    Series before = series_;
    series_ = std::move(s);
    undo_.push_back({std::move(before), ChangeSeries, {}, currentDeal_});
    if (static_cast<int>(undo_.size()) > kUndoDepth) undo_.pop_front();
    redo_.clear();
    openGroup_.clear();
    seriesFile_ = std::move(fileName);
    caption_ = std::move(caption);
    fileOpen_ = true;
    unsigned what = ChangeFile | ChangeSeries;
    setModified(true, what);
    notify(what);
}

void Workspace::rename(std::string fileName, std::string caption) {
    seriesFile_ = std::move(fileName);
    caption_ = std::move(caption);
    notify(ChangeFile);
}

void Workspace::markSaved() {
    unsigned what = 0;
    setModified(false, what);
    notify(what);
}

// ------------------------------------------------------------------ navigation

void Workspace::setCurrentDeal(int n) {
    if (!fileOpen_) return;
    currentDeal_ = std::clamp(n, 1, kBoards);
    entryCursor_ = 0;
    pending_ = {};
    openGroup_.clear();
    notify(ChangeCurrentDeal | ChangeCursor);
}

void Workspace::setEntryCursor(int c) {
    if (entryCursor_ == c) return;
    entryCursor_ = c;
    notify(ChangeCursor);
}

// ------------------------------------------------------------------ settings

std::string Workspace::writeIni(const std::function<void(IniFile &)> &editFn) const {
    IniFile ini;
    std::string bytes, err;
    switch (readWholeFile(iniFile_, bytes, err, kMaxSettingsSize)) {
    case ReadStatus::Ok: ini.parse(bytes); break;
    case ReadStatus::Missing: break;
    // A settings file that cannot be read is not replaced by one that lost its other keys.
    case ReadStatus::Failed: return err;
    }
    editFn(ini);
    // A file that would come out the same is left alone: a program that has
    // changed nothing does not rewrite another's settings.
    const std::string out = ini.serialize();
    if (out == bytes) return {};
    return writeFileAtomic(iniFile_, out);
}

// ------------------------------------------------------------------ files

namespace {
const char *const kBusy = "Une distribution ou une vérification travaille sur la série : attendez qu'elle soit terminée.";
}

std::string Workspace::open(const std::string &fileName, const std::string &caption, std::string *warning,
                            std::string *notice) {
    if (changing_) return kBusy;
    SeriesLock lock;
    std::string unlocked;
    if (!lock_.covers(fileName))
        if (std::string e = lock.acquire(fileName, &unlocked); !e.empty()) return e;
    Series loaded;
    LoadResult r = loadSeries(fileName, loaded);
    if (!r.ok) return r.error;
    if (warning) *warning = r.error;
    if (notice) *notice = unlocked.empty() || r.notice.empty() ? unlocked + r.notice : unlocked + "\n\n" + r.notice;
    if (!lock_.covers(fileName)) lock_ = std::move(lock);
    install(std::move(loaded), fileName, caption);
    return {};
}

std::string Workspace::save() {
    if (!fileOpen_) return {};
    if (changing_) return kBusy;
    // An import may have named the series after a file nobody locked yet.
    if (std::string e = lock_.acquire(seriesFile_); !e.empty()) return e;
    std::string e = saveSeries(seriesFile_, series_);
    if (e.empty()) markSaved();
    return e;
}

std::string Workspace::saveAs(const std::string &fileName, const std::string &caption) {
    if (!fileOpen_) return {};
    if (changing_) return kBusy;
    SeriesLock lock;
    if (!lock_.covers(fileName))
        if (std::string e = lock.acquire(fileName); !e.empty()) return e;
    std::string e = saveSeries(fileName, series_);
    if (!e.empty()) return e;
    if (!lock_.covers(fileName)) lock_ = std::move(lock);
    rename(fileName, caption);
    markSaved();
    return {};
}

}  // namespace vrek
