// The double-dummy table and par printed with each deal of the diagram
// pages, in the room the diagram leaves free so that the page keeps its
// rows: the table (declarers N S E O by strains SA P C K T) left of South's
// hand, the par on the row under it, both clear of the texts at x 752.
#pragma once
#include <functional>
#include <vector>

#include "core/dealanalysis.h"
#include "printing/diagrampage.h"

namespace vrek {

// The analysis of a deal by its number, nullptr when there is none.
using AnalysisLookup = std::function<const DealAnalysis *(int deal)>;

// Makes the pages print, under each deal that `find` knows, its analysis;
// the other deals print as without it.
void printAnalyses(DiagramOptions &o, AnalysisLookup find);

// Draws the analysis of the deal just drawn, from the row under South.
void drawAnalysis(DiagramPage &page, const DealAnalysis &a);

// "Par : " and the par, as printed.
std::string parLine(const DealAnalysis &a);

// The deals on the pages of the chosen sheets (sheet n: 4n-3 .. 4n).
std::vector<int> dealsOfSheets(const std::vector<int> &sheets);

}  // namespace vrek
