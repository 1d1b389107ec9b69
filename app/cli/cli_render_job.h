#pragma once

#include <string>
#include <vector>

// What `funcurve-cli render` was asked to do: the steps in the order given, then the outputs.
namespace cli::render {

// One operation on a control of the window, found by its design name.
struct Step {
    enum Kind {
        SetBoxText,   // the text of a box (Text1, Text2, Text4_0 .. Text4_5)
        SetEquation,  // the edit text of Combo1
        Press,        // a click on a button, hidden or not
    };
    Kind kind;
    std::string control;
    std::string text;  // unused by Press
};

// One product of the steps, written once all steps have run.
struct Output {
    enum Kind { Png, Svg, Points, Formula, Legend, Status };
    Kind kind;
    std::string path;  // unused by Status (standard output)
    int scale = 1;     // Png: device pixels per canvas pixel (--scale)
};

struct Job {
    std::vector<Step> steps;
    std::vector<Output> outputs;
};

// The parse of the argument list: a job, a request for help, or a one-line usage error.
struct Parsed {
    Job job;
    bool help = false;
    std::string error;  // empty when the arguments are sound
};

// Reads every argument before anything runs. Values follow their option as the next
// argument or after '=' ("--png c.png" or "--png=c.png").
Parsed ParseArguments(const std::vector<std::string>& args);

// The synopsis shown with usage errors and in the help.
extern const char* const kSynopsis;

}  // namespace cli::render
