// A series to print and small readers of what the recording canvas kept.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "core/series.h"
#include "platform/recordingcanvas.h"
#include "testutil.h"

namespace fixture {

// Every board dealt; board 33 and board 1 hold known hands.
inline vrek::Series printSeries() {
    vrek::Series s;
    for (int b = 1; b <= vrek::kBoards; ++b) s.deal(b) = testutil::shuffledDeal(b);
    s.deal(1) = testutil::dealFrom("AK5.QJ2.T98.7654", "QJT.AK5.765.T98", "987.T98.AKQJ.AK3", "6432.7643.432.QJ2");
    s.deal(33) = testutil::dealFrom("AKQJT98.-.AK.AKQ", "765.AK5.765.T98", "432.QJT98.QJ.J32", "-.76432.T98432.7654");
    s.setLine(0, "Club");
    return s;
}

// The texts drawn on a page (document d, page p), in order.
inline std::vector<vrek::DrawOp> textsOn(const vrek::RecordingCanvas &c, int d, int p) {
    std::vector<vrek::DrawOp> r;
    for (const vrek::DrawOp &o : c.texts())
        if (o.document == d && o.page == p) r.push_back(o);
    return r;
}

inline int count(const vrek::RecordingCanvas &c, vrek::DrawOp::Kind k) {
    return static_cast<int>(std::count_if(c.ops.begin(), c.ops.end(), [k](const vrek::DrawOp &o) { return o.kind == k; }));
}

}  // namespace fixture
