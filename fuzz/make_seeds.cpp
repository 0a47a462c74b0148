// Writes the seed corpora of the fuzz targets from a demo office:
//   fuzz_make_seeds DEMO_DIR CORPUS_DIR
// A data set seed is the year byte (code - 98) and a flag byte before the file's bytes.
#include "data/delivery_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The first lines of a text file, enough for a seed and small enough to mutate well.
std::string Head(const std::string& text, int lines) {
    size_t end = 0;
    for (int i = 0; i < lines && end != std::string::npos; ++i) {
        end = text.find('\n', end);
        if (end != std::string::npos) ++end;
    }
    return text.substr(0, end);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_make_seeds DEMO_DIR CORPUS_DIR\n";
        return 2;
    }
    const fs::path demo = argv[1];
    const fs::path corpus = argv[2];
    std::vector<fs::path> dataSets;
    for (const auto& entry : fs::directory_iterator(demo / "TEV"))
        dataSets.push_back(entry.path());
    std::sort(dataSets.begin(), dataSets.end());
    int written = 0;
    for (const auto& file : dataSets) {
        const std::string suffix = file.extension().string(); // ".16"
        const int year = std::stoi(suffix.substr(1, 2));
        const int code = (year + 70) % 100 + 30;
        if (written >= 6 || file.filename().string().rfind("SL1111", 0) != 0) continue;
        const std::string text = Read(file);
        Write(corpus / "data_set" / file.filename(), std::string{char(code - 98), char(0)} + text);
        const auto coded = tev::EncodeDeliveryFile(text, written % 8, uint16_t(0x1234 + written));
        Write(corpus / "delivery_file" / ("STAL" + std::to_string(written) + ".DAT"),
              std::string(coded.begin(), coded.end()));
        ++written;
    }
    const std::string names = Read(demo / "schulnam.dat");
    Write(corpus / "school_directory" / "schulnam.dat", Head(names, 40) + ".Z\r\n");
    Write(corpus / "old_name_list" / "namen_.dat",
          "Kopfzeile\r\n.S\r\n" + Head(names, 20) + ".Z\r\nFuss\r\n");
    Write(corpus / "list_files" / "stal_ag.def", Read(demo / "stal_ag.def"));
    Write(corpus / "list_files" / "stal_Nat.def", Head(Read(demo / "stal_Nat.def"), 30));
    Write(corpus / "reconcile" / "schuln_6",
          Head(names, 10) + std::string(1, '\0') +
              "111103;S-Erasmus;Stuttg;Erasmus-Gymnasium;Stuttgart;111000;70173\r\n"
              "999999;Neu-Gym;Bez;Neues Gymnasium;Neustadt;411000;79100\r\n");
    std::cout << written << " data sets and the lists written to " << corpus << '\n';
    return 0;
}
