// The diagram pages: four deals a page, each with its texts (theme,
// contract, comments, auction, provenance) beside the diagram, one text line
// a diagram row.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/series.h"
#include "printing/printstyle.h"

namespace vrek {

class DiagramPage;

struct DiagramOptions {
    PrintStyle style;
    Progress progress;  // 0 .. 61 over a full page, one step a row
    // A block drawn under each deal's South hand, before its last text line
    // (none by default). It draws from page.y() and moves on with page.row();
    // the rows above it are free left of South's signs (x 333).
    std::function<void(DiagramPage &page, int deal)> belowDeal;
    // The fingerprint of the dealing key, printed small at the foot of each
    // page ("" for none).
    std::string fingerprint;
};

// "VREK:commentaires", the job title of every diagram printout.
extern const char *const kDiagramTitle;

class DiagramPage {
public:
    // `pageNumber` 0 prints no number.
    DiagramPage(Canvas &c, const Series &s, const DiagramOptions &o, int pageNumber);

    // The page for four slots; a slot of deal 0 is skipped and takes no space.
    void draw(const std::array<int, 4> &deals);

    // For blocks drawn under a deal.
    Canvas &canvas() { return c_; }
    const PageUnits &units() const { return u_; }
    const PrintStyle &style() const { return o_.style; }
    int y() const { return y_; }
    int lineStep() const { return lineStep_; }
    // Prints the deal's next non-empty text line at the current row.
    void nextTextLine();
    // Moves down one row.
    void row();

private:
    Canvas &c_;
    const Series &s_;
    const DiagramOptions o_;
    const PageUnits u_;
    const int pageNumber_;
    int lineStep_;
    int y_;
    int progress_ = 0;
    bool drewDeal_ = false;
    // The deal being drawn and its text lines.
    int currentDeal_ = 0;
    int cursor_ = 0, end_ = 0;
    LineCounts counts_;

    void slot(int k, int deal);
    // A holding ends before `right` (pixels), smaller when it must.
    void handRow(int seat, int suit, int glyphX, int holdingX, int right);
    void auction(int x, const std::string &line);
    void put(int x, const std::string &storeBytes);
};

// Mode "Diagrammes de la série": one page per chosen sheet n (deals 4n-3 ..
// 4n), numbered n, in one document; nothing when no sheet is chosen.
bool printDiagramSheets(Canvas &c, const Series &s, const std::vector<int> &sheets, const DiagramOptions &o);
// Modes "Quatre" and "Huit Diagrammes choisis": four or eight deals (0 for an
// empty slot) on one or two pages numbered from `firstPage` (0: none).
bool printChosenDiagrams(Canvas &c, const Series &s, const std::vector<int> &deals, int firstPage,
                         const DiagramOptions &o);

}  // namespace vrek
