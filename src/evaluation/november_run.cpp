#include "evaluation/november_run.h"

#include "evaluation/class_reports.h"
#include "evaluation/course_overview.h"
#include "evaluation/language_evaluation.h"
#include "evaluation/nationality_extract.h"
#include "evaluation/profile_numbers.h"
#include "evaluation/pupil_numbers.h"
#include "evaluation/residence_extract.h"
#include "output/codepage.h"
#include "output/output_file_name.h"
#include "output/save_files.h"

namespace tev {
namespace {

struct NovemberStep {
    const char* caption;
    void (*run)(Engine&);
};

const NovemberStep kSteps[] = {
    {"Kursübersichten fachweise", Kursbersichtenfachweise1Click},
    {"Auswerten nach Fremdsprachen Kl.5 - 9 sowie 2.FS", AuswertennachFremdsprachenKl5791Click},
    {"Klassenstärken (1.2) auswerten", Klassenstrken1Click},
    {"Auszug Wohnorte (4.1-4.3, 5.2, 1.x, Profilzahlen)", AuszugWohnorte1Click},
    {"Auszug Profilzahlen", Profilzahlen1Click},
    {"Auszug Staatszugehörigkeit", SucheStaatszugehrigkeit1Click},
    {"Schülerzahlen ( Oktoberstatistik )", SchlerzahlenOktoberstatistik1Click},
};

} // namespace

void Hinweis1Click(Engine& engine) {
    std::string question = Win("am besten  folg. ausführen:");
    for (const NovemberStep& step : kSteps)
        question += "\r  " + Win(step.caption);
    question += Win("\rjetzt  ausführen?");
    if (!engine.services.messages.AskYesNo(question)) return;
    for (const NovemberStep& step : kSteps)
        step.run(engine);
    AppendLineToFile(engine, kCopyBatchFile, "pause");
    engine.ui().ShowInfo("fertig");
}

} // namespace tev
