#pragma once

#include <functional>
#include <string>
#include <vector>

// Building the application at start-up, and resetting the project.
namespace StartUpMod {

// One named step of start-up or of the project reset.
struct Step {
    std::string name;
    std::function<void()> run;
};

// Runs the steps in order; `trace`, when set, hears each name before its step runs.
void RunSteps(const std::vector<Step>& steps,
              const std::function<void(const std::string&)>& trace = {});

// The clear operations of the input windows, in the order of the project
// file's sections; set once at start-up.
void SetClearSteps(std::vector<Step> steps);
void SetResetTrace(std::function<void(const std::string&)> trace);

// Forgets the project file name, resets the main window caption and empties
// every input window, always in the same order.
void ClearAllProjectData();

// The question that New and Open ask before they clear the project, named by
// `command` ("New", "Open"): true for Yes, the default.
bool ConfirmClear(const std::string& command);

} // namespace StartUpMod
