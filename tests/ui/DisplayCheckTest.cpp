// SPDX-License-Identifier: GPL-3.0-or-later
// The display the game checks before the windowing library starts: taken from the
// environment and the command line as the library takes it, and refused with a clear
// reason when it cannot be opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DisplayCheck.h"

namespace vorpin {
namespace {

DisplayRequest Read(DisplayRequest request, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "Vorpin");
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    request.ReadArguments(argv);
    return request;
}

TEST(DisplayCheck, CommandLineOptionsOverTheEnvironment) {
    const DisplayRequest environment{"", ":3", ""};
    const struct {
        std::vector<std::string> arguments;
        std::string platform;
        std::string display;
    } cases[] = {
        {{}, "", ":3"},
        {{"-display", ":7"}, "", ":7"},
        {{"--display", "host:1.0"}, "", "host:1.0"},
        {{"-platform", "offscreen"}, "offscreen", ":3"},
        {{"--platform", "xcb", "-display", ":9"}, "xcb", ":9"},
        {{"-display", ":8", "-display", ":9"}, "", ":9"},
        {{"-display"}, "", ":3"},  // no value: the library leaves it too
        {{"-display", "-platform"}, "", "-platform"},
        {{"-style", "fusion", "somefile", "-display=:5"}, "", ":3"},
    };
    for (const auto& c : cases) {
        const DisplayRequest read = Read(environment, c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(read.platform, c.platform);
        EXPECT_EQ(read.display, c.display);
    }
}

TEST(DisplayCheck, WhatCannotBeOpenedIsRefusedInOneLine) {
    const struct {
        DisplayRequest request;
        std::string problem;  // its start; empty when the library is left to it
    } cases[] = {
        {{"", "", ""}, "no display: DISPLAY is not set"},
        {{"xcb", "", "wayland-0"}, "no display: DISPLAY is not set"},
        {{"", "", "wayland-0"}, ""},
        {{"offscreen", "", ""}, ""},
        {{"wayland", ":1", ""}, ""},
        {{"", "not a display", ""}, "no display: cannot open display \"not a display\""},
        {{"xcb:foo", "::", ""}, "no display: cannot open display \"::\""},
        {{"", ":65000", ""}, "no display: cannot open display \":65000\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.platform + " " + c.request.display);
        const std::string problem = DisplayProblem(c.request);
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem);
        EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace vorpin
