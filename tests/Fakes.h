// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>

#include "PlainBoard.h"

namespace vorpin::testing {

// A list that writes down every call the models make of it: "disable clear add ...";
// a replacement as "replace FIRST -REMOVED +INSERTED", a changed row as "changed ROW".
class RecordingList : public PlainList {
public:
    void RemoveAllRows() override {
        log += "clear ";
        PlainList::RemoveAllRows();
    }
    void AddRow() override {
        log += "add ";
        PlainList::AddRow();
    }
    // Step by step, so that each step is written down.
    void ReplaceAllRows(int count) override { ListControl::ReplaceAllRows(count); }
    void ReplaceRows(int first, int removed, int inserted) override {
        log += "replace " + std::to_string(first) + " -" + std::to_string(removed) + " +" +
               std::to_string(inserted) + " ";
        PlainList::ReplaceRows(first, removed, inserted);
    }
    void RowChanged(int row) override { log += "changed " + std::to_string(row) + " "; }
    void SetEnabled(bool on) override {
        log += on ? "enable " : "disable ";
        PlainList::SetEnabled(on);
    }
    void RepaintNow() override { log += "repaint "; }

    std::string log;
};

// Hands out `faces` in order as rand() values that the dice turn into exactly those faces,
// then twos, which score nothing; counts the numbers drawn.
struct ScriptedDice {
    RandomSource Source() {
        return [this] {
            ++drawn;
            const int face = faces.empty() ? 2 : faces.front();
            if (!faces.empty()) {
                faces.pop_front();
            }
            return face - 1;
        };
    }

    std::deque<int> faces;
    int drawn = 0;
};

// An option as the simulator prints it: "500 - - - 5 5 5".
inline std::string Describe(const ScoringOption& option) {
    std::string text = std::to_string(option.points);
    for (auto face : option.pattern) {
        text += face == 0 ? std::string(" -") : " " + std::to_string(face);
    }
    return text;
}

}  // namespace vorpin::testing
