// The program's entry: one clock per session, and the settings windows it is handed to make.
#include <windows.h>

#include "base/message_seam_win.h"
#include "base/system_time_win.h"
#include "dialogs/settings_windows_win.h"
#include "program/application_win.h"
#include "program/single_instance_win.h"
#include "timers/timer_command.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    // A command line that is not understood changes nothing, here or in a running program.
    const std::string line = arguments ? arguments : "";
    const std::optional<marvix::TimerCommand> command = marvix::ParseTimerCommand(line);
    if (!command) {
        marvix::ShowMessage(marvix::kCommandsAccepted, marvix::MessageStyle::Information);
        return 2;
    }
    const marvix::SingleClock single;
    if (!single.IsFirst()) {
        if (command->kind == marvix::TimerCommand::Kind::ShowClock) {
            marvix::SingleClock::BringRunningClockForward();
        } else {
            marvix::SingleClock::HandOver(line);
        }
        return 0;
    }
    marvix::SystemTime clock;
    marvix::Application app(instance, clock, marvix::kSettingsWindows);
    if (!app.Create()) return 1;
    if (command->kind != marvix::TimerCommand::Kind::ShowClock) marvix::RunCommand(app, *command);
    return app.Run();
}
