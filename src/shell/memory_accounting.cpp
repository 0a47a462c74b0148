#include "shell/memory_accounting.h"

#include "output/codepage.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace tev {

void MemoryAccounting::CheckSize(size_t size, const std::string& label) {
    if (size <= kSizeLimit) return;
    const std::string limit = std::to_string(kSizeLimit);
    const std::string wanted = std::to_string(size);
    char hex[64];
    std::snprintf(hex, sizeof hex, "  $%zX $%zX", kSizeLimit, size);
    messages_.ShowInfo(Win("zu wenig Platz(") + limit + ") statt " + wanted + Win(" für ") + label +
                       hex);
    messages_.ShowInfo(Win("zu wenig Platz(") + limit + ") statt " + wanted + Win(" für ") + label +
                       "  " + limit + " " + wanted);
    const std::string stop = label + " " + wanted + ": zu wenig Platz !!!!, Abbruch";
    log_.Write(stop);
    messages_.FatalStop(stop);
}

void MemoryAccounting::LogLine(const void* start, size_t size, std::string_view label) const {
    if (!std::filesystem::exists(file_)) return;
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    if (!out) return;
    const auto from = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t to = from + size;
    char line[96];
    std::snprintf(line, sizeof line, "%012jX %012jX %5zu %10jX ", static_cast<uintmax_t>(from),
                  static_cast<uintmax_t>(to), size, static_cast<uintmax_t>(to));
    out << line << label << "\r\n";
}

TrackedBlock MemoryAccounting::AllocTracked(size_t size, std::string_view label) {
    std::string name(label);
    unsigned char fill = name.empty() ? 0 : static_cast<unsigned char>(name[0]);
    if (!name.empty() && (fill == ' ' || fill <= 1)) name.erase(0, 1);
    CheckSize(size, name);
    TrackedBlock block;
    block.bytes = std::make_unique<unsigned char[]>(size == 0 ? 1 : size);
    block.size = size;
    block.label = name;
    std::memset(block.bytes.get(), fill, size);
    LogLine(block.bytes.get(), size, name);
    return block;
}

void MemoryAccounting::FreeTracked(TrackedBlock& block) {
    if (!block) {
        messages_.ShowInfo("Zeiger beim Freigeben = nil !!!");
        return;
    }
    LogLine(block.bytes.get(), block.size, "freemem");
    block = TrackedBlock{};
}

void MemoryAccounting::AccountRecord(const void* record, size_t size, std::string_view label) {
    CheckSize(size, std::string(label));
    LogLine(record, size, label);
}

TrackedBlock MemoryAccounting::ReserveBuffer(size_t size) {
    if (size > kSizeLimit) {
        messages_.StopOrLog("zu wenig Platz");
        return {};
    }
    TrackedBlock block;
    block.bytes = std::make_unique<unsigned char[]>(size == 0 ? 1 : size);
    block.size = size;
    block.label = "getmem";
    LogLine(block.bytes.get(), size, "getmem");
    return block;
}

} // namespace tev
