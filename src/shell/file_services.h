#pragma once
// The file routines every part uses. Each applies the file name rules; a failure shows its
// message unless the name asked for silence, and returns false.
#include "shell/memory_accounting.h"
#include "shell/messages.h"
#include "shell/trace_log.h"

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

class FileServices {
public:
    FileServices(Messages& messages, MemoryAccounting& memory, const TraceLog& log)
        : messages_(messages), memory_(memory), log_(log) {}

    bool OpenForReading(std::string_view name, std::ifstream& in);
    bool CreateForWriting(std::string_view name, std::ofstream& out);
    bool OpenForAppending(std::string_view name, std::ofstream& out);
    bool Exists(std::string_view name);
    // Byte copy that keeps the source's file time; false when the names are equal, the
    // source cannot be read or the copy is incomplete.
    bool Copy(std::string_view source, std::string_view destination);
    // Copies the file to its backup (the file name's own extension replaced by ".alt"); a
    // name starting with the code 3 swaps a freshly written ".$$$" file in instead.
    bool Backup(std::string_view name);
    // Fills a list from a text file; a name starting with "+" appends after a page mark.
    bool LoadListFile(std::string_view name, std::vector<std::string>& list, bool lineDrawFont);

    static std::string BackupName(std::string_view name);
    static std::string EnvironmentValue(const char* variable);

private:
    bool OpenForOutput(std::string_view name, std::ofstream& out, std::ios::openmode mode);

    Messages& messages_;
    MemoryAccounting& memory_;
    const TraceLog& log_;
};

} // namespace tev
