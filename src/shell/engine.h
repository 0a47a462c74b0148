#pragma once
// The state of one run of the program, shared by the window and the command line: start-up
// settings, school list, output box and the services. Windows are views of it.
#include "data/work_record.h"
#include "demand/demand_state.h"
#include "evaluation/course_overview_state.h"
#include "output/output_box.h"
#include "output/print_canvas.h"
#include "output/print_state.h"
#include "sheet/sheet.h"
#include "shell/drive_folders.h"
#include "shell/services.h"
#include "shell/startup.h"
#include "summary/summary_state.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tev {

// The school list LB: one list line per school.
struct SchoolList {
    std::vector<std::string> lines;
    int itemIndex = -1;
    int busyMark = 0;
    int lineForm = 85; // 85 short lines, 216 full file lines
};

// What the main window shows besides its lists.
struct MainWindowState {
    std::string caption;
    int listWidth = 530;
    int sortIndex = 2; // RGSort
    bool developerPanelVisible = false;
    bool developerMenuVisible = false;
    bool check91Plaus = false;
    bool check91PlausSoll = false;
    bool showDifferences = false;
    bool shortNameOnly = false;
    bool upperTableVisible = false;
    int progressMaximum = 0;
    // "Bearbeiten" and "Drucken" are disabled while a school loads.
    bool editMenusEnabled = true;
};

struct Engine {
    explicit Engine(Ui& ui, const std::filesystem::path& workDirectory = ".")
        : services(ui, workDirectory), workDirectory(workDirectory) {}

    Ui& ui() const { return services.ui(); }
    int developerMode() const { return services.log.developerMode(); }

    Services services;
    std::filesystem::path workDirectory;
    StartupState startup;
    WorkRecord work;
    DriveFolders drives;
    SchoolList schoolList;
    OutputBox outputBox;
    PrintState print;
    std::unique_ptr<PrintCanvas> printer;
    MainWindowState window;
    std::string schoolGroup = std::string(19, ' ');
    int rememberedSortIndex = 0;
    static constexpr size_t kListOrderCapacity = 600;
    std::array<std::string, kListOrderCapacity> listOrderNumbers;
    Sheet sheet;
    // The summary across schools and its window.
    SummaryState summary;
    // The teacher demand window TFormLBR.
    DemandWindowState demand;
    // The course overview window TFormTev2.
    CourseOverviewState courseOverview;
    // The upper result table SGausw of the main window; cell (0, 0) holds the report title.
    StringGrid upperTable{"SGausw", 2, 2};
    int upperTableHeight = 0; // pixels; 0: the window's own choice
    // The work buffers every run reserves at start.
    TrackedBlock workBuffer;
    TrackedBlock recordBuffer;
    bool quitRequested = false;
};

} // namespace tev
