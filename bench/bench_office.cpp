#include "bench_office.h"

#include "data/demo/demo_office.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/program_start.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace tev::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kBaseSchools = 450;
const char* const kSuffix = ".16";

fs::path& Root() {
    static fs::path root =
        fs::temp_directory_path() / ("tev-bench-" + std::to_string(std::random_device{}()));
    return root;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// Copy k of a school takes another first digit, so that every copy has a number of its own:
// public schools (1.....) become 5, 6, 7..., private ones (3.....) 8, 9, 2...
char CopyDigit(char first, int copy) {
    static const char kPublic[] = "567";
    static const char kPrivate[] = "892";
    return first == '3' ? kPrivate[(copy - 1) % 3] : kPublic[(copy - 1) % 3];
}

void CopyWithNewNumbers(const fs::path& base, const fs::path& target, int copies) {
    fs::copy(base, target, fs::copy_options::recursive);
    const std::string names = ReadAll(base / "schulnam.dat");
    std::string extended;
    std::vector<std::string> schoolLines;
    size_t at = 0;
    while (at < names.size()) {
        size_t end = names.find('\n', at);
        end = end == std::string::npos ? names.size() : end + 1;
        const std::string line = names.substr(at, end - at);
        if (line.compare(0, 2, ".Z") == 0) break;
        extended += line;
        if (!line.empty() && line[0] == '0' && line.size() > 8) schoolLines.push_back(line);
        at = end;
    }
    for (int copy = 1; copy < copies; ++copy) {
        for (std::string line : schoolLines) {
            const std::string number = line.substr(2, 6);
            line[2] = CopyDigit(line[2], copy);
            const std::string renamed = line.substr(2, 6);
            extended += line;
            const fs::path data = base / "TEV" / ("SL" + number + kSuffix);
            if (fs::exists(data)) fs::copy_file(data, target / "TEV" / ("SL" + renamed + kSuffix));
            const fs::path zep = base / "ZEP" / ("ze" + number + kSuffix);
            if (fs::exists(zep)) fs::copy_file(zep, target / "ZEP" / ("ze" + renamed + kSuffix));
        }
    }
    extended += names.substr(at);
    WriteAll(target / "schulnam.dat", extended);
}

} // namespace

const fs::path& BenchOffice(int schools) {
    static std::map<int, fs::path> offices;
    if (auto it = offices.find(schools); it != offices.end()) return it->second;
    if (schools % kBaseSchools != 0) throw std::runtime_error("offices come in steps of 450");
    const fs::path dir = Root() / std::to_string(schools);
    if (schools == kBaseSchools) {
        DemoOptions options;
        options.schools = kBaseSchools;
        options.firstYear = kBenchYear;
        options.lastYear = kBenchYear;
        WriteDemoOffice(dir, options);
    } else {
        CopyWithNewNumbers(BenchOffice(kBaseSchools), dir, schools / kBaseSchools);
    }
    // The files just written go to disk now, not while a report is measured.
    ::sync();
    return offices.emplace(schools, dir).first->second;
}

void RemoveBenchOffices() {
    std::error_code ignored;
    fs::remove_all(Root(), ignored);
}

StartedEngine::StartedEngine(int schools) : engine(ui, BenchOffice(schools)) {
    ui.SetStandingAnswer(Win("Schul-Gruppe wählen"), SchoolGroupEntry("  "));
    StartOnBenchOffice(engine, schools);
}

void StartOnBenchOffice(Engine& engine, int schools) {
    StartInputs inputs;
    inputs.parameters = {BenchOffice(schools).string()};
    inputs.today = {2016, 11, 20};
    ProcessStart(engine, inputs);
    FormCreate(engine, inputs);
}

long ReadingFloor(int schools) {
    static std::map<int, std::vector<fs::path>> filesOf;
    auto& files = filesOf[schools];
    if (files.empty()) {
        for (const auto& entry : fs::directory_iterator(BenchOffice(schools) / "TEV"))
            if (entry.path().extension() == kSuffix) files.push_back(entry.path());
    }
    // Each file read whole into one buffer, then every line split at ";" into views.
    static std::string buffer;
    long fields = 0;
    for (const auto& file : files) {
        std::FILE* in = std::fopen(file.c_str(), "rb");
        if (!in) continue;
        buffer.clear();
        char block[1 << 16];
        size_t got;
        while ((got = std::fread(block, 1, sizeof block, in)) > 0)
            buffer.append(block, got);
        std::fclose(in);
        std::string_view rest = buffer;
        while (!rest.empty()) {
            const size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            for (size_t semi = line.find(';'); semi != std::string_view::npos;
                 semi = line.find(';')) {
                fields += static_cast<long>(line.substr(0, semi).size() > 0);
                line.remove_prefix(semi + 1);
            }
            ++fields;
        }
    }
    return fields;
}

double FloorSeconds(int schools) {
    ReadingFloor(schools); // files into the cache
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const double start = ProcessSeconds();
        benchmark::DoNotOptimize(ReadingFloor(schools));
        best = std::min(best, ProcessSeconds() - start);
    }
    return best;
}

} // namespace tev::bench
