#include "app/StartUpMod.h"

#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "platform/Dialogs.h"

namespace StartUpMod {
namespace {
std::vector<Step> clearSteps;
std::function<void(const std::string&)> resetTrace;
} // namespace

void RunSteps(const std::vector<Step>& steps,
              const std::function<void(const std::string&)>& trace) {
    for (const Step& step : steps) {
        if (trace) {
            trace(step.name);
        }
        step.run();
    }
}

void SetClearSteps(std::vector<Step> steps) {
    clearSteps = std::move(steps);
}

void SetResetTrace(std::function<void(const std::string&)> trace) {
    resetTrace = std::move(trace);
}

void ClearAllProjectData() {
    GlobalVariables::DataFileName.clear();
    if (MDIFrmMain* main = MDIFrmMain::Instance()) {
        main->SetCaptionForFile(GlobalVariables::DataFileName);
    }
    RunSteps(clearSteps, resetTrace);
}

bool ConfirmClear(const std::string& command) {
    const QString name = QString::fromStdString(command);
    return Dialogs::AskYesNo(name +
                                 " will clear existing data, and any unsaved data will be lost. "
                                 "Would you like to continue with " +
                                 name + "?",
                             "Confirm " + name, true);
}

} // namespace StartUpMod
