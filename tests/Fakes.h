#pragma once

#include <deque>
#include <string>
#include <vector>

#include "PlainBoard.h"

namespace vorpin::testing {

// A list that writes down every call the models make of it.
class RecordingList : public PlainList {
public:
    void RemoveAllRows() override {
        log.push_back("remove all");
        PlainList::RemoveAllRows();
    }
    void AddRow() override {
        log.push_back("add");
        PlainList::AddRow();
    }
    void SetEnabled(bool on) override {
        log.push_back(on ? "enable" : "disable");
        PlainList::SetEnabled(on);
    }
    void RepaintNow() override { log.push_back("repaint"); }

    std::vector<std::string> log;
};

// Hands out the faces it is given, in order, as rand() values that RollDice turns into
// exactly those faces; counts the numbers drawn.
class ScriptedDice {
public:
    void Queue(const std::vector<int>& faces) {
        pending.insert(pending.end(), faces.begin(), faces.end());
    }
    int Next() {
        ++drawn;
        if (pending.empty()) {
            return 1;  // a steady two: scores nothing alone
        }
        const int face = pending.front();
        pending.pop_front();
        return face - 1;
    }
    RandomSource Source() {
        return [this] { return Next(); };
    }
    int drawn = 0;

private:
    std::deque<int> pending;
};

// Formats options the way the simulator prints them: "500 - - - 5 5 5".
inline std::string Describe(const ScoringOption& option) {
    std::string text = std::to_string(option.points);
    for (auto face : option.pattern) {
        text += face == 0 ? std::string(" -") : " " + std::to_string(face);
    }
    return text;
}

}  // namespace vorpin::testing
