// The main window on a screen of 1280 x 1024 pixels at a scale of 150 % (853 x 683 pixels of
// room): the first size fits the screen, and from 800 x 600 on both lists stay usable.
#include "dialog_answers.h"
#include "output/codepage.h"
#include "shell/engine.h"
#include "shell/main_window.h"
#include "shell/program_start.h"
#include "shell/qt_ui.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace tev;
using namespace tev::test;

namespace {

// Takes the preset school group, as a user pressing OK at once does.
class PresetGroupUi : public QtUi {
public:
    int ChooseOption(const OptionRequest& request) override { return request.preset; }
};

QRect GlobalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> temp_;
    std::unique_ptr<PresetGroupUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<TFormTEV1> window_;

    QRect Screen() const { return window_->screen()->availableGeometry(); }

private slots:
    void init() {
        temp_ = std::make_unique<TempDir>();
        std::vector<std::string> lines;
        for (int i = 0; i < 60; ++i) {
            SchoolNameLine school;
            school.number = std::to_string(112200 + i);
            school.shortName = "Gym-" + std::to_string(i);
            lines.push_back(school.Text());
        }
        WriteFile(temp_->path() / "schulnam.dat", DosLines(lines));
        ui_ = std::make_unique<PresetGroupUi>();
        engine_ = std::make_unique<Engine>(*ui_, temp_->path());
        StartInputs inputs;
        inputs.parameters = {temp_->path().string()};
        inputs.today = {2016, 11, 20};
        ProcessStart(*engine_, inputs);
        FormCreate(*engine_, inputs);
        window_ = std::make_unique<TFormTEV1>(*engine_, *ui_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        engine_.reset();
        ui_.reset();
        temp_.reset();
    }

    void TheFirstWindowFitsTheScreen() {
        QVERIFY(Screen().width() < 900); // the scale makes the screen small
        QVERIFY(Screen().contains(window_->frameGeometry()));
        QVERIFY(Screen().contains(GlobalRect(Child<QWidget>(window_.get(), "SBpjj"))));
        const QRect sortKeys = GlobalRect(window_->findChild<QGroupBox*>("RGSort"));
        QVERIFY(Screen().contains(sortKeys.topLeft()));
        QVERIFY(Screen().contains(GlobalRect(window_->findChild<QWidget*>("ControlScroll"))));
    }

    void At800x600BothListsStayUsable() {
        window_->resize(800, 600);
        QTRY_COMPARE(window_->size(), QSize(800, 600));
        auto* schools = window_->findChild<QListWidget*>("LB");
        auto* output = window_->findChild<QListWidget*>("LB2");
        auto* controls = window_->findChild<QWidget*>("ControlColumn");
        auto inWindow = [this](const QWidget* widget) {
            return QRect(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size());
        };
        const QRect left = inWindow(schools);
        const QRect right = inWindow(output);
        const QRect column = inWindow(controls);
        QVERIFY(left.width() >= 150);
        QVERIFY(right.width() >= 200);
        QVERIFY(left.right() < right.left());
        QVERIFY(right.right() < column.left());
        QVERIFY(window_->rect().contains(column));
        // The school list's scroll bar is there and inside the window.
        QScrollBar* bar = schools->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(window_->rect().contains(inWindow(bar)));
        QVERIFY(left.contains(inWindow(bar)));

        // The list keeps its chosen width where there is room for it.
        window_->resize(1280, 800);
        QTRY_COMPARE(schools->width(), 530);
    }
};

int main(int argc, char** argv) {
    const QString config = QDir(QDir::tempPath()).filePath("tev-offscreen-1280x1024.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    file.write(R"({"screens": [{"name": "Bildschirm", "x": 0, "y": 0, "width": 1280,
                   "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    MainWindowLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_layout_test.moc"
