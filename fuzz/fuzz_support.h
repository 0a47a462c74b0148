#pragma once
// What the fuzz targets share: a scratch data directory and an engine started on it as the
// programs start, with every question answered by its preset.
#include "shell/engine.h"
#include "shell/scripted_ui.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace tev::fuzz {

// One folder per process, emptied of the files a target writes before each input.
const std::filesystem::path& ScratchDirectory();

void WriteScratchFile(const std::filesystem::path& name, const uint8_t* data, size_t size);

// A user that takes every preset and keeps no messages, so that a long run stays small.
class QuietUi : public ScriptedUi {
public:
    QuietUi();
    void ShowInfo(const std::string& text) override;
};

struct StartedEngine {
    QuietUi ui;
    std::unique_ptr<Engine> engine;
};

// A fresh engine started on the scratch directory.
std::unique_ptr<StartedEngine> StartOnScratch(const std::string& yearSuffix = ".16");

} // namespace tev::fuzz
