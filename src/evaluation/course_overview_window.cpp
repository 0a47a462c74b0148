#include "evaluation/course_overview_window.h"

#include "evaluation/course_overview.h"
#include "output/codepage.h"
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/qt_guard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tev {

TFormTev2::TFormTev2(Engine& engine, CourseOverviewState& state, QWidget* parent)
    : QDialog(parent), engine_(engine), state_(state) {
    setObjectName("TFormTev2");
    setWindowTitle(QString::fromUtf8("Kursübersichten"));

    subjects_ = new QListWidget;
    subjects_->setObjectName("LBF");
    subjects_->setFont(NamedFont("Courier New", 13));
    subjects_->setFlow(QListView::TopToBottom);
    subjects_->setWrapping(true);
    subjects_->setResizeMode(QListView::Adjust);
    subjects_->setToolTip(QString::fromUtf8(
        "Hier die gewünschten Felder durch Klicken selectieren bzw. deselectieren\n"
        " W  und  Gl  werden zusammen erstellt!"));
    connect(subjects_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ToggleSubject(state_, subjects_->row(item));
        RefreshSubjects();
    });
    // The keyboard marks the current subject as a click does.
    connect(subjects_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ToggleSubject(state_, subjects_->row(item));
        RefreshSubjects();
    });

    schools_ = new QListWidget;
    schools_->setObjectName("LBS");
    schools_->setFont(NamedFont("Courier New", 13));
    schools_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    schools_->setToolTip(
        QString::fromUtf8("die Schulen selektieren, von denen Daten benutzt werden sollen"));
    for (const auto& school : state_.schools)
        schools_->addItem(ShownText(school));

    emptyToo_ = new QCheckBox(QString::fromUtf8("auch Leerzeile"));
    emptyToo_->setObjectName("CBemptytoo");
    emptyToo_->setToolTip(
        QString::fromUtf8("wenn nichts gefunden wird auf jeden Fall eine Leerzeile einfügen"));
    emptyToo_->setChecked(state_.emptyRowToo);

    done_ = new QListWidget;
    done_->setObjectName("LBdone");
    done_->setMaximumWidth(90);

    auto* commands = new QVBoxLayout;
    commands->addWidget(Button("SBGO", QString::fromUtf8("zus. erstellen"),
                               QString::fromUtf8("es wird eine Tabelle aller angewählten Fächer "
                                                 "(zusammen) erstellt!!!"),
                               &TFormTev2::SBGOClick));
    commands->addWidget(Button("Label1",
                               QString::fromUtf8("fachw. einzeln erstellen und abspeichern"), {},
                               &TFormTev2::Label1Click));
    commands->addWidget(Button("LabelDruck",
                               QString::fromUtf8("fachw. einzeln erstellen und gleich drucken"), {},
                               &TFormTev2::LabelDruckClick));
    commands->addWidget(Button("Label2",
                               QString::fromUtf8("alle fachw. \"einzeln\" erstellen und "
                                                 "abspeichern (auch Kombi EvRKREth ...)"),
                               {}, &TFormTev2::Label2Click));
    commands->addWidget(emptyToo_);
    auto* printSave = new QHBoxLayout;
    printSave->addWidget(
        Button("PanelDruck", QString::fromUtf8("Drucken"), {}, &TFormTev2::PanelDruckClick));
    printSave->addWidget(
        Button("Panel3", QString::fromUtf8("speichern"), {}, &TFormTev2::Panel3Click));
    commands->addLayout(printSave);
    auto* quit = new QPushButton(QString::fromUtf8("Quit"));
    quit->setObjectName("SBQuit");
    connect(quit, &QPushButton::clicked, this, &QDialog::accept);
    commands->addWidget(quit);
    commands->addWidget(done_, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(subjects_, 3);
    top->addWidget(schools_, 2);
    top->addLayout(commands);

    table_ = new QTableWidget;
    table_->setObjectName("SG");
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setFont(NamedFont("Arial", 12));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(table_, 3);

    RefreshSubjects();
    RefreshTable();
    resize(1000, 700);
}

QPushButton* TFormTev2::Button(const char* name, const QString& caption, const QString& hint,
                               void (TFormTev2::*handler)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (!hint.isEmpty()) button->setToolTip(hint);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TFormTev2::TakeSelection() {
    state_.emptyRowToo = emptyToo_->isChecked();
    for (int row = 0;
         row < schools_->count() && row < static_cast<int>(state_.schoolSelected.size()); ++row)
        state_.schoolSelected[static_cast<size_t>(row)] = schools_->item(row)->isSelected();
}

void TFormTev2::Run(const std::function<void()>& work) {
    TakeSelection();
    RunGuarded(this, work);
    RefreshSubjects();
    RefreshTable();
}

void TFormTev2::SBGOClick() {
    Run([this] { BuildCourseTable(engine_, state_); });
}

void TFormTev2::Label1Click() {
    Run([this] { SaveEachSubject(engine_, state_); });
}

void TFormTev2::LabelDruckClick() {
    Run([this] { PrintEachSubject(engine_, state_); });
}

void TFormTev2::Label2Click() {
    Run([this] { SaveAllSubjects(engine_, state_); });
}

void TFormTev2::PanelDruckClick() {
    Run([this] { PrintCourseTable(engine_, state_, Win("Kursübersicht")); });
}

void TFormTev2::Panel3Click() {
    Run([this] { SaveCourseTable(engine_, state_); });
}

void TFormTev2::RefreshSubjects() {
    const int current = subjects_->currentRow();
    subjects_->clear();
    for (const auto& subject : state_.subjects)
        subjects_->addItem(ShownText(SubjectItemText(subject)));
    if (current >= 0 && current < subjects_->count()) subjects_->setCurrentRow(current);
    done_->clear();
    for (const auto& subject : state_.done)
        done_->addItem(ShownText(subject));
}

void TFormTev2::RefreshTable() {
    const StringGrid& grid = state_.table;
    table_->setColumnCount(grid.ColCount());
    table_->setRowCount(grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            auto* item = new QTableWidgetItem(ShownText(grid.Cells(col, row)));
            if (row == 0) item->setBackground(palette().button());
            table_->setItem(row, col, item);
        }
    }
    table_->setColumnWidth(0, 90);
    for (int col = 1; col < grid.ColCount(); ++col)
        table_->setColumnWidth(col, col == kCourseSubjectCol ? 48 : 44);
}

} // namespace tev
