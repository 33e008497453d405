#include <windows.h>

#include "platform/process_tree.h"

namespace quillon::platform {

struct ProcessTree::Handles {
    HANDLE job = nullptr;
    HANDLE process = nullptr;  // ours, apart from the process object's
    DWORD id = 0;              // also the id of its console process group
    bool inJob = false;
};

// A job that ends what it holds when its last handle closes: should Quillon
// end without being asked to stop the tool first (a crash), the tool does
// not run on unseen.
ProcessTree::ProcessTree() : handles_(std::make_unique<Handles>()) {
    handles_->job = ::CreateJobObjectW(nullptr, nullptr);
    if (handles_->job != nullptr) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(handles_->job, JobObjectExtendedLimitInformation, &limits,
                                  sizeof limits);
    }
}

ProcessTree::~ProcessTree() {
    for (HANDLE handle : {handles_->process, handles_->job}) {
        if (handle != nullptr) {
            ::CloseHandle(handle);
        }
    }
}

unsigned long ProcessTree::creationFlags() { return CREATE_SUSPENDED | CREATE_NEW_PROCESS_GROUP; }

// Our own handle of the process: the process object closes its own when
// the process has ended, and a stop may still be under way then.
bool ProcessTree::adopt(const void* created) {
    const auto& process = *static_cast<const PROCESS_INFORMATION*>(created);
    handles_->id = process.dwProcessId;
    ::DuplicateHandle(::GetCurrentProcess(), process.hProcess, ::GetCurrentProcess(),
                      &handles_->process, 0, FALSE, DUPLICATE_SAME_ACCESS);
    handles_->inJob = handles_->job != nullptr &&
                      ::AssignProcessToJobObject(handles_->job, process.hProcess) != 0;
    ::ResumeThread(process.hThread);
    return handles_->inJob;
}

// Console programs get Ctrl+Break through the console they run on. Ours is
// theirs when we have one (they inherit it); a windowed Quillon has none,
// and joins theirs for the moment of the request. Our own process is not in
// their group, so the request does not reach us.
void ProcessTree::askToEnd() {
    if (handles_->id == 0) {
        return;
    }
    if (::GetConsoleWindow() != nullptr) {
        ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, handles_->id);
    } else if (::AttachConsole(handles_->id)) {
        ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, handles_->id);
        ::FreeConsole();
    }
}

void ProcessTree::forceEnd() {
    if (handles_->inJob) {
        ::TerminateJobObject(handles_->job, 1);
    } else if (handles_->process != nullptr) {
        ::TerminateProcess(handles_->process, 1);
    }
}

}  // namespace quillon::platform
