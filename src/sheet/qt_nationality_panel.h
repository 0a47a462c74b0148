#pragma once
// The nationality panel beside table 2.3: region tabs over the list of nationalities. A double
// click or a drag onto the table adds a nationality; a table row dragged onto the list is
// taken back.
#include <QFrame>
#include <QListWidget>
#include <string>
#include <vector>

class QTabBar;

namespace tev {

// The MIME types of a list item dragged onto the table and of a table row dragged back.
inline constexpr const char* kNationalityItemType = "application/x-tev-nationality";
inline constexpr const char* kNationalityRowType = "application/x-tev-nationality-row";

class NationalityList : public QListWidget {
    Q_OBJECT
public:
    explicit NationalityList(QWidget* parent = nullptr);

signals:
    void RowDroppedBack(int row);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class NationalityPanel : public QFrame {
    Q_OBJECT
public:
    explicit NationalityPanel(QWidget* parent = nullptr);

    // The list lines (engine texts); kept when they are the same.
    void SetLines(const std::vector<std::string>& lines);
    NationalityList* List() const { return list_; }
    // Width of the table beside the panel, for the widened panel ("<->").
    void SetTableWidth(int width) { tableWidth_ = width; }

signals:
    void ItemChosen(int item);
    void RowDroppedBack(int row);

private:
    void TabClicked(int tab);
    void ToggleWidth();

    QTabBar* tabs_ = nullptr;
    NationalityList* list_ = nullptr;
    std::vector<std::string> lines_;
    int tableWidth_ = 0;
    bool wide_ = false;
};

} // namespace tev
