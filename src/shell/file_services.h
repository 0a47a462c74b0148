#pragma once
// The file routines every part uses. Each applies the file name rules; a failure shows its
// message unless the name asked for silence, and returns false.
#include "shell/disk_calls.h"
#include "shell/durable_file.h"
#include "shell/memory_accounting.h"
#include "shell/messages.h"
#include "shell/trace_log.h"

#include <fstream>
#include <memory>
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
    // The whole file written anew through a DurableFile; the old one is replaced only once the
    // new one is complete and on the disk. A folder or a write-protected file is refused.
    bool WriteReplacing(std::string_view name, std::string_view bytes);
    bool Exists(std::string_view name);
    // Byte copy that keeps the source's file time; false when the names are equal, the
    // source cannot be read or the copy is incomplete. The destination is replaced only by a
    // complete copy: an old destination survives a full disk whole.
    bool Copy(std::string_view source, std::string_view destination);
    // The copy written and on the disk under a temporary name, not yet in place: a caller
    // that must replace two files commits both only when both are ready. Null when the copy
    // failed; `problem` then says why.
    std::unique_ptr<DurableFile> PrepareCopy(std::string_view source, std::string_view destination,
                                             std::string& problem);
    // Copies the file to its backup (the file name's own extension replaced by ".alt"); a
    // name starting with the code 3 swaps a freshly written ".$$$" file in instead.
    bool Backup(std::string_view name);
    // Fills a list from a text file; a name starting with "+" appends after a page mark.
    bool LoadListFile(std::string_view name, std::vector<std::string>& list, bool lineDrawFont);

    static std::string BackupName(std::string_view name);
    static std::string EnvironmentValue(const char* variable);

    // Every durable write goes through this disk; tests put a failing one in its place.
    DiskCalls& disk() const { return *disk_; }
    void SetDisk(DiskCalls* disk) { disk_ = disk ? disk : &RealDisk(); }

private:
    bool OpenForOutput(std::string_view name, std::ofstream& out, std::ios::openmode mode);

    Messages& messages_;
    MemoryAccounting& memory_;
    const TraceLog& log_;
    DiskCalls* disk_ = &RealDisk();
};

} // namespace tev
