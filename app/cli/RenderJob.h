// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// What `funcurve-cli render` was asked to do: the steps and the outputs in the order given.
namespace cli::render {

// One operation on a control of the window, found by its design name.
struct Step {
    enum Kind {
        SetBoxText,   // the text of a box (Text1, Text2, Text4_0 .. Text4_5)
        SetEquation,  // the edit text of Combo1
        Press,        // a click on a button, hidden or not
        Trigger,      // a menu action of the window, by its objectName
        SetView,      // the view "X0,X1,Y0,Y1" (checked by the parse)
        EqualUnits,   // 等比例 switched on
    };
    Kind kind;
    std::string control;
    std::string text;  // unused by Press and Trigger
};

// One product of the steps: a snapshot of the window after the steps given before it.
struct Output {
    enum Kind { Png, Svg, Points, Formula, Legend, KeyPoints, Status, Pdf };
    Kind kind;
    std::string path;       // "-" is standard output; unused by Status (standard output)
    size_t afterSteps = 0;  // how many of the job's steps run before it is written
    int scale = 1;          // Png: device pixels per canvas pixel (--scale)
};

struct Job {
    int width = 0, height = 0;  // the canvas size in pixels (--size); 0: as designed
    std::vector<Step> steps;
    std::vector<Output> outputs;  // in the order given; afterSteps never decreases
};

// The parse of the argument list: a job, a request for help, or a one-line usage error.
struct Parsed {
    Job job;
    bool help = false;
    std::string error;  // empty when the arguments are sound
};

// Reads every argument before anything runs. Values follow their option as the next
// argument or after '=' ("--png c.png" or "--png=c.png"); a next argument that looks like an
// option ("--preset", "-h") is not taken as a value, so "--a --preset line" is an error and
// such a value must be written "--a=--5". At most one output may be "-" or --status.
Parsed ParseArguments(const std::vector<std::string>& args);

// How many outputs go to standard output: --status, and every path namesStandardOutput
// accepts. More than one would mix their bytes: a usage error (texts::kCliOneStdout).
size_t StandardOutputUses(const Job& job,
                          const std::function<bool(const std::string&)>& namesStandardOutput);

// The synopsis shown with usage errors and in the help.
extern const char* const kSynopsis;

}  // namespace cli::render
