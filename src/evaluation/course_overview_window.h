#pragma once
// The course overview window (TFormTev2): the subjects of table 6.1 on the left (a click
// marks or unmarks one), the schools on the right (multi-select), the build and save
// commands, and the table SG below.
#include "evaluation/course_overview_state.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tev {

struct Engine;

class TFormTev2 : public QDialog {
    Q_OBJECT
public:
    TFormTev2(Engine& engine, CourseOverviewState& state, QWidget* parent = nullptr);

    QListWidget* subjectList() const { return subjects_; }
    QListWidget* schoolList() const { return schools_; }
    QTableWidget* table() const { return table_; }

private:
    QPushButton* Button(const char* name, const QString& caption, const QString& hint,
                        void (TFormTev2::*handler)());
    void SBGOClick();
    void Label1Click();
    void LabelDruckClick();
    void Label2Click();
    void PanelDruckClick();
    void Panel3Click();
    // Engine work with the selection taken over first and the views refreshed after.
    void Run(const std::function<void()>& work);
    void TakeSelection();
    void RefreshSubjects();
    void RefreshTable();

    Engine& engine_;
    CourseOverviewState& state_;
    QListWidget* subjects_ = nullptr;
    QListWidget* schools_ = nullptr;
    QListWidget* done_ = nullptr;
    QCheckBox* emptyToo_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace tev
