#pragma once
// The process-wide services: trace log, messages, memory accounting and file routines.
#include "shell/file_services.h"
#include "shell/memory_accounting.h"
#include "shell/messages.h"
#include "shell/trace_log.h"
#include "shell/ui.h"

#include <filesystem>

namespace tev {

struct Services {
    // workDirectory takes "syslog" and "sysmem.log" (the current directory of the program).
    explicit Services(Ui& ui, const std::filesystem::path& workDirectory = ".")
        : log(workDirectory), messages(ui, log), memory(messages, log, workDirectory),
          files(messages, memory, log) {}

    Ui& ui() const { return messages.ui(); }

    TraceLog log;
    Messages messages;
    MemoryAccounting memory;
    FileServices files;
};

} // namespace tev
