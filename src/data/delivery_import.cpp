#include "data/delivery_import.h"

#include "data/data_set_file.h"
#include "data/delivered_text.h"
#include "data/delivery_file.h"
#include "data/delivery_list.h"
#include "data/delivery_slip.h"
#include "output/codepage.h"
#include "output/output_file_name.h"
#include "shell/durable_file.h"
#include "shell/file_name_rules.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace tev {
namespace {

namespace fs = std::filesystem;

// A delivery set file bigger than this is kept as "statp.98" in the work directory.
constexpr size_t kSlipCopyThreshold = 91;
// A plain "STAL.DAT" is a data set text like any other; these are a few kilobytes.
constexpr size_t kMaxPlainDeliveryBytes = 4 * 1024 * 1024;
constexpr size_t kMaxListBytes =
    kDeliveryListHeaderSize + kDeliveryListMaxEntries * kDeliveryEntrySize;

// A file of the diskette folder, found whatever the case of its name (diskettes come from
// DOS); empty when there is none.
std::string DisketteFile(const std::string& drive, const std::string& name) {
    return FindFirstFile(drive + name);
}

// A delivery on a diskette: the delivery set file of one slot ("stat1.dat" goes with
// "STAL1.DAT" and "zeplist1.dat"; the blank slot "stat.dat" with the plain "STAL.DAT" and
// "zeplist.dat"), so that one diskette can carry the deliveries of up to four schools.
struct Slot {
    std::string drive;
    char digit = ' ';
    std::string Name(const std::string& stem, const std::string& extension) const {
        return stem + (digit == ' ' ? "" : std::string(1, digit)) + extension;
    }
};

// Whether "a:" or "b:" holds any "*.dat" file.
bool AnyDiskette(const Engine& engine) {
    for (const std::string& drive : {engine.drives.a, engine.drives.b}) {
        if (!drive.empty() && !DisketteFile(drive, "*.dat").empty()) return true;
    }
    return false;
}

// The delivery set files of "a:", then "b:", that this run has not read yet. A folder does
// not change when the user answers "weitere einlesen" the way a swapped diskette does, so
// what was read once is not read again.
std::vector<Slot> UnreadSlots(const Engine& engine, const std::set<std::string>& read) {
    std::vector<Slot> slots;
    for (const std::string& drive : {engine.drives.a, engine.drives.b}) {
        if (drive.empty()) continue;
        for (const char digit : {'1', '2', '3', ' '}) {
            const Slot slot{drive, digit};
            const std::string path = DisketteFile(drive, slot.Name("stat", ".dat"));
            if (!path.empty() && !read.count(path)) slots.push_back(slot);
        }
    }
    return slots;
}

std::string FileTimeText(const std::string& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return "?";
    const std::time_t time =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&time, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::string TodayText(const Engine& engine) {
    const Date& today = engine.startup.today;
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", today.day, today.month, today.year);
    return text;
}

bool MakeFolder(Engine& engine, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec) return true;
    engine.services.messages.ShowInfo(Win("kein Platz(???) für: ") + folder + " (" + ec.message() +
                                      ")");
    return false;
}

bool CopyOrTell(Engine& engine, const std::string& from, const std::string& to) {
    std::string problem;
    const auto copy = engine.services.files.PrepareCopy(from, to, problem);
    if (copy && copy->Commit()) return true;
    engine.services.messages.ShowInfo("Kopie nach " + to + " misslungen (" +
                                      (copy ? copy->problem() : problem) + ")");
    return false;
}

// Step 2: the first delivery set file not yet read that can be read.
struct SlipFound {
    Slot slot;
    DeliverySlip slip;
    std::string path;
    size_t size = 0;
};
std::optional<SlipFound> ReadSlip(Engine& engine, std::set<std::string>& read) {
    for (const Slot& slot : UnreadSlots(engine, read)) {
        const std::string path = DisketteFile(slot.drive, slot.Name("stat", ".dat"));
        read.insert(path);
        const FileBytes bytes =
            ReadWholeFile(engine.services.files.disk(), path, kMaxPlainDeliveryBytes);
        if (bytes.ok) {
            if (auto slip = ParseDeliverySlip(bytes.bytes))
                return SlipFound{slot, *slip, path, bytes.bytes.size()};
        }
        engine.services.messages.ShowInfo("Fehler beim Lesen von " + path);
    }
    engine.services.messages.ShowInfo("keine weitere Lieferung stat*.dat auf Diskette");
    return std::nullopt;
}

// Step 3: the school's index in the delivery list; 0 when the user does not go on.
int DeliveryIndex(Engine& engine, const std::vector<std::string>& entries,
                  const std::string& schoolNumber) {
    auto& messages = engine.services.messages;
    if (const int index = FindDeliveryEntry(entries, schoolNumber); index > 0) {
        messages.ShowInfo(schoolNumber + " gefunden als Nr.$" + std::to_string(index));
        return index;
    }
    messages.ShowInfo("nicht in der Liste: " + schoolNumber);
    std::vector<std::string> numbers;
    for (const auto& entry : entries)
        numbers.push_back(entry.substr(0, 6));
    engine.ui().ShowLines(numbers, "Liste: ");
    if (!messages.AskYesNo("zeplist*.dat trotzdem uebernehmen")) return 0;
    return static_cast<int>(entries.size()) + 1;
}

// What is to become the school's data set file.
struct DeliveredDataSet {
    std::string source; // the file on the diskette
    std::string bytes;
    std::string schoolNumber;
    std::string yearDigits;
};

std::optional<DeliveredDataSet> Checked(Engine& engine, const std::string& path, std::string text,
                                        std::string bytes, const std::string& slipNumber) {
    auto& messages = engine.services.messages;
    if (const std::string problem = DeliveredTextProblem(text); !problem.empty()) {
        messages.ShowInfo(Win("Lieferung ") + path + Win(" ist beschädigt: ") + problem);
        return std::nullopt;
    }
    DeliveredIdentity identity = IdentityOfDeliveredText(text);
    if (identity.schoolNumber.empty()) {
        engine.services.log.Write("disch fehlt bei SG11");
        identity.schoolNumber = slipNumber;
    }
    // Another school's data must not go under this school's entry.
    if (identity.schoolNumber != slipNumber) {
        messages.ShowInfo(Win("Lieferung ") + path + " ist von der Schule " +
                          identity.schoolNumber + ", die Lieferdatei nennt " + slipNumber +
                          Win("; nicht übernommen"));
        return std::nullopt;
    }
    if (identity.schoolNumber.empty() || identity.yearDigits.empty()) {
        messages.ShowInfo(Win("Lieferung ") + path + Win(" nennt keine Schulnummer"));
        return std::nullopt;
    }
    return DeliveredDataSet{path, std::move(bytes), identity.schoolNumber, identity.yearDigits};
}

// Step 6: the slot's coded "STAL1.DAT" (or 2, 3), else the plain "STAL.DAT".
std::optional<DeliveredDataSet> ReadDataSet(Engine& engine, const Slot& slot,
                                            const std::string& slipNumber) {
    auto& messages = engine.services.messages;
    engine.services.log.Write("start LoadStat2V");
    if (slot.digit != ' ') {
        const std::string path = DisketteFile(slot.drive, slot.Name("STAL", ".DAT"));
        const DeliveryDecodeResult result =
            path.empty() ? DeliveryDecodeResult{} : ReadDeliveryFile(path);
        for (const auto& line : result.logLines)
            engine.services.log.Write(line);
        if (result.ok())
            return Checked(engine, path, result.text, DeliveryOutputBytes(result.text), slipNumber);
        if (result.status != DeliveryStatus::NotFound) messages.ShowInfo(result.message);
        messages.ShowInfo("Lesefehler? Versuche STAL.DAT direkt ");
    }
    const std::string path = DisketteFile(slot.drive, "STAL.DAT");
    if (path.empty()) {
        messages.ShowInfo("nicht gefunden: " + slot.drive + "STAL.DAT");
        return std::nullopt;
    }
    FileBytes plain = ReadWholeFile(engine.services.files.disk(), path, kMaxPlainDeliveryBytes);
    if (!plain.ok) {
        messages.ShowInfo("Fehler beim Lesen von " + path + " (" + plain.problem + ")");
        return std::nullopt;
    }
    return Checked(engine, path, plain.bytes, plain.bytes, slipNumber);
}

// The data set file of the delivery in place, the old one kept as ".alt" after the user
// agreed to replace it; then the archive copy.
bool TakeOver(Engine& engine, const DeliveredDataSet& delivered) {
    auto& messages = engine.services.messages;
    const std::string name = "SL" + delivered.schoolNumber + "." + delivered.yearDigits;
    const std::string target = engine.work.tevDir + name;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        if (const std::string refusal = ReplaceRefusal(target); !refusal.empty()) {
            messages.ShowInfo(Win("nicht übernommen: ") + target + " " + refusal);
            return false;
        }
        const std::string question = Win("Für die Schule ") + delivered.schoolNumber +
                                     " gibt es schon " + target + " vom " + FileTimeText(target) +
                                     Win(". Durch die Lieferung ersetzen? (Die bisherige "
                                         "Datei bleibt als ") +
                                     FileServices::BackupName(target) + " erhalten.)";
        if (!messages.AskYesNo(question)) {
            messages.ShowInfo(Win("nicht übernommen: ") + target);
            return false;
        }
    }
    if (!MakeFolder(engine, engine.work.tevDir)) return false;
    if (!WriteDataSetFile(engine, target, delivered.bytes)) return false;
    engine.services.log.Write("StaL geschrieben??????,  end LoadStat2V");
    engine.outputBox.Add(Win("übernommen: ") + target + " (" + delivered.source + ")");
    const std::string archive = DeliveryArchiveFolder(engine);
    // A failed archive copy is told but does not undo the data set that is in place.
    if (MakeFolder(engine, archive)) CopyOrTell(engine, target, archive + name);
    return true;
}

// Step 7: the slot's list file of the sibling program into "eprdat", named like the office's
// ZEP lists ("ze" + school number + "." + year), so that a second delivery does not replace
// the list of the first before anybody took it over.
void CopyListFile(Engine& engine, const Slot& slot, const DeliveredDataSet& delivered) {
    auto& messages = engine.services.messages;
    if (DisketteFile(slot.drive, "zeplist*.dat").empty()) {
        messages.ShowInfo("zeplist*.dat nicht gefunden");
        return;
    }
    const std::string source = DisketteFile(slot.drive, slot.Name("zeplist", ".dat"));
    const std::string folder = engine.startup.dataPath + "eprdat/";
    if (source.empty() || !MakeFolder(engine, folder) ||
        !engine.services.files.Copy(
            source, folder + DeliveredListName(delivered.schoolNumber, delivered.yearDigits))) {
        messages.ShowInfo("kein zeplist-Versandfile");
    }
}

// Step 8: the school's entry in the delivery list.
void WriteBackEntry(Engine& engine, const std::string& listBytes, int index,
                    const DeliveredDataSet& delivered) {
    const std::string entry =
        DeliveryEntry(delivered.schoolNumber, delivered.yearDigits, TodayText(engine));
    const std::string file = DeliveryListFile(engine);
    if (!MakeFolder(engine, engine.startup.dataPath + "eprdat/")) return;
    engine.services.files.WriteReplacing(file, DeliveryListWithEntry(listBytes, index, entry));
}

std::string ListBytes(Engine& engine) {
    const std::string file = DeliveryListFile(engine);
    std::error_code ec;
    if (!fs::exists(file, ec)) return {};
    FileBytes list = ReadWholeFile(engine.services.files.disk(), file, kMaxListBytes);
    if (list.ok) return list.bytes;
    engine.services.messages.ShowInfo("Liste " + file + " nicht lesbar (" + list.problem + ")");
    return {};
}

enum class Round { Done, Stop };

// One delivery. Stop: a message or an answer ended the import.
Round ImportOneDelivery(Engine& engine, std::set<std::string>& read, int& takenOver) {
    if (!AnyDiskette(engine)) {
        engine.services.messages.ShowInfo("*.dat auf Diskette nicht gefunden");
        return Round::Stop;
    }
    const auto found = ReadSlip(engine, read);
    if (!found) return Round::Stop;
    const std::string listBytes = ListBytes(engine);
    const int index =
        DeliveryIndex(engine, DeliveryListEntries(listBytes), found->slip.schoolNumber);
    if (index == 0) return Round::Stop;
    if (found->size > kSlipCopyThreshold)
        engine.services.files.Copy(found->path, "-" + WorkFilePath(engine, "statp.98"));
    const auto delivered = ReadDataSet(engine, found->slot, found->slip.schoolNumber);
    if (!delivered || !TakeOver(engine, *delivered)) return Round::Done;
    ++takenOver;
    CopyListFile(engine, found->slot, *delivered);
    WriteBackEntry(engine, listBytes, index, *delivered);
    return Round::Done;
}

} // namespace

std::string DeliveryListFile(const Engine& engine) {
    return engine.startup.dataPath + "eprdat/liefer.dat";
}

std::string DeliveredListName(const std::string& schoolNumber, const std::string& yearDigits) {
    return "ze" + schoolNumber + "." + yearDigits;
}

std::string DeliveryArchiveFolder(const Engine& engine) {
    return engine.startup.dataPath + "TEVORIG/";
}

int ImportDelivery(Engine& engine) {
    int takenOver = 0;
    std::set<std::string> read;
    do {
        if (ImportOneDelivery(engine, read, takenOver) == Round::Stop) break;
    } while (engine.services.messages.AskYesNo("weitere einlesen"));
    return takenOver;
}

void SBextClick(Engine& engine) {
    ImportDelivery(engine);
}

} // namespace tev
